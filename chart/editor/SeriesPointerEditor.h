// TSeriesPointerEditor: the editor of a series' point markers (visibility, 3-D, size, style,
// brush, border, shadow, transparency, gradient, default colours). Embedded in the series
// page with a series or a pointer in its Tag, or shown alone as a small dialog
// (EditSeriesPointer). Every control changes the pointer at once.
#pragma once

#include "platform/controls/CustomForm.h"
#include "platform/controls/ListBox.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TEdit;
class TLabel;
class TPanel;
class TSeriesPointer;
class TTrackBar;
class TUpDown;
class TWinControl;

class TSeriesPointerEditor : public TForm {
    ORVO_CLASS(TSeriesPointerEditor, TForm)
public:
    explicit TSeriesPointerEditor(TComponent* AOwner);

    // Hides "Width:", "Height:", their boxes and up-downs.
    void HideSizeOptions();
    // The pointer edited; null before the first show.
    TSeriesPointer* Pointer() const { return ThePointer; }

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void CBDrawPointClick(TObject* Sender);
    void CB3dPointClick(TObject* Sender);
    void CBPoDarkClick(TObject* Sender);
    void CBInflateClick(TObject* Sender);
    void SEPointHorizSizeChange(TObject* Sender);
    void SEPointVertSizeChange(TObject* Sender);
    void CBStyleChange(TObject* Sender);
    void CBStyleDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
    void BPointFillColorClick(TObject* Sender);
    void CBDefBrushColorClick(TObject* Sender);
    void BPoinPenColClick(TObject* Sender);
    void Button2Click(TObject* Sender);
    void TBTranspChange(TObject* Sender);
    void BGradientClick(TObject* Sender);
    void CBColorEachClick(TObject* Sender);
    void CBIgnoreNullsClick(TObject* Sender);
    void Button1Click(TObject* Sender);

    // From the form resource.
    TCheckBox* CBDrawPoint = nullptr;
    TCheckBox* CB3dPoint = nullptr;
    TCheckBox* CBPoDark = nullptr;
    TCheckBox* CBInflate = nullptr;
    TLabel* LWidth = nullptr;
    TEdit* SEPointHorizSize = nullptr;
    TUpDown* UDPointHorizSize = nullptr;
    TLabel* LHeight = nullptr;
    TEdit* SEPointVertSize = nullptr;
    TUpDown* UDPointVertSize = nullptr;
    TLabel* LStyle = nullptr;
    TComboFlat* CBStyle = nullptr;
    TButton* BPointFillColor = nullptr;
    TCheckBox* CBDefBrushColor = nullptr;
    TButtonPen* BPoinPenCol = nullptr;
    TButton* Button2 = nullptr;
    TLabel* LTransp = nullptr;
    TTrackBar* TBTransp = nullptr;
    TButton* BGradient = nullptr;
    TCheckBox* CBColorEach = nullptr;
    TCheckBox* CBIgnoreNulls = nullptr;
    TPanel* PanelBottom = nullptr;
    TButton* Button1 = nullptr;

private:
    // The controls follow the pointer's visibility.
    void SetPointerVisible(bool Value);
    // "3D" enabled for the styles the chart can draw in 3-D; "Dark 3D" follows it.
    void Check3DEnabled();
    void CheckDefaultColors();
    void RepaintColors();
    bool Filling() const { return FFilling || !ThePointer; }

    TSeriesPointer* ThePointer = nullptr;
    bool FFilling = false;
};

// Shows the pointer editor alone on Pointer as a modal "Pointer" dialog; true.
bool EditSeriesPointer(TComponent* AOwner, TSeriesPointer* Pointer);
// Inserts a pointer editor for Pointer as a tab named TabName into the series page that
// owns AParent (a plain child form of AParent otherwise) and returns it.
TSeriesPointerEditor* TeeInsertPointerForm(TWinControl* AParent, TSeriesPointer* Pointer,
                                           const String& TabName);
