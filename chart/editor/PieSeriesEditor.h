// TPieSeriesEditor: the pie's own options (3-D darkening, exploding, patterns, border,
// partial angle, gradient, multiple pies), its grouped "other" slice, its colours and the
// placing of its marks. On its first show it adds the circled options as a further tab.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TButtonColor;
class TButtonGradient;
class TButtonPen;
class TCheckBox;
class TCircledSeriesEditor;
class TComboFlat;
class TEdit;
class TLabel;
class TPageControl;
class TPieSeries;
class TScrollBar;
class TTabSheet;
class TTrackBar;
class TUpDown;

class TPieSeriesEditor : public TForm {
    ORVO_CLASS(TPieSeriesEditor, TForm)
public:
    explicit TPieSeriesEditor(TComponent* AOwner);
    ~TPieSeriesEditor() override;

    TPieSeries* Pie = nullptr;
    // The circled options' tab, made on the first show.
    TCircledSeriesEditor* tmpCircled = nullptr;

    // From the form resource.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabOptions = nullptr;
    TTabSheet* TabGroup = nullptr;
    TTabSheet* TabColors = nullptr;
    TTabSheet* TabMarks = nullptr;
    TCheckBox* CBDark3d = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* SEExpBig = nullptr;
    TUpDown* UDExpBig = nullptr;
    TCheckBox* CBPatterns = nullptr;
    TButtonPen* BPen = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UDAngleSize = nullptr;
    TButtonGradient* BGradient = nullptr;
    TLabel* Label3 = nullptr;
    TEdit* Edit2 = nullptr;
    TUpDown* UpDown1 = nullptr;
    TLabel* Label4 = nullptr;
    TComboFlat* CBMultiple = nullptr;
    TLabel* Label5 = nullptr;
    TTrackBar* TBBright = nullptr;
    TLabel* LBright = nullptr;
    TLabel* Label6 = nullptr;
    TComboFlat* CBOther = nullptr;
    TLabel* Label7 = nullptr;
    TEdit* EOtherValue = nullptr;
    TLabel* Label8 = nullptr;
    TEdit* EOtherLabel = nullptr;
    TButton* Button2 = nullptr;
    TCheckBox* CBColorEach = nullptr;
    TButtonColor* BColor = nullptr;
    TLabel* Label9 = nullptr;
    TComboFlat* CBPalette = nullptr;
    TCheckBox* CBMarksAutoPosition = nullptr;
    TCheckBox* CBVertCenter = nullptr;
    TLabel* Label10 = nullptr;
    TScrollBar* SBLegSize = nullptr;

    void FormShow(TObject* Sender);
    void CBDark3dClick(TObject* Sender);
    void SEExpBigChange(TObject* Sender);
    void CBPatternsClick(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void Edit2Change(TObject* Sender);
    void CBMultipleChange(TObject* Sender);
    void TBBrightChange(TObject* Sender);
    void CBOtherChange(TObject* Sender);
    void EOtherValueChange(TObject* Sender);
    void EOtherLabelChange(TObject* Sender);
    void Button2Click(TObject* Sender);
    void CBColorEachClick(TObject* Sender);
    void CBPaletteChange(TObject* Sender);
    void CBMarksAutoPositionClick(TObject* Sender);
    void CBVertCenterClick(TObject* Sender);
    void SBLegSizeChange(TObject* Sender);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Handlers act on what the user does, not on the controls being filled.
    bool CanEdit() const { return Pie && !FFilling; }
    // The dark 3-D, explode, angle and dark-border boxes act only while the form shows.
    bool CanEditShowing() const { return CanEdit() && Showing(); }
    void EnableOther();
    void EnableColors();
    bool FFilling = false;
};
