// TCustomSeriesEditor: the "Format" editor of the line family of series: line colour and
// pen, colour each point or line, stacking, treatment of nulls and, for line series, stairs,
// 3-D, pattern, outline, gradient and transparency. It adds the pointer editor as a "Point"
// tab of the series page. Every control changes the series at once.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TButtonColor;
class TButtonGradient;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TCustomSeries;
class TEdit;
class TGroupBox;
class TLabel;
class TSeriesPointerEditor;
class TTrackBar;
class TUpDown;

class TCustomSeriesEditor : public TForm {
    ORVO_CLASS(TCustomSeriesEditor, TForm)
public:
    explicit TCustomSeriesEditor(TComponent* AOwner);
    ~TCustomSeriesEditor() override;

    // The series edited; null before the first show.
    TCustomSeries* Series() const { return TheSeries; }
    // The pointer editor inserted as the "Point" tab, or null.
    TSeriesPointerEditor* PointerEditor() const { return PointerForm; }

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void BLineColorClick(TObject* Sender);
    void BLineBorderClick(TObject* Sender);
    void CBColorEachClick(TObject* Sender);
    void CheckBox1Click(TObject* Sender);
    void CBClickClick(TObject* Sender);
    void CBStackChange(TObject* Sender);
    void CBNullsChange(TObject* Sender);
    void CBStairsClick(TObject* Sender);
    void CBInvStairsClick(TObject* Sender);
    void CBDark3DClick(TObject* Sender);
    void EHeightChange(TObject* Sender);
    void BBrushClick(TObject* Sender);
    void Button1Click(TObject* Sender);
    void TBTranspChange(TObject* Sender);

    // From the form resource.
    TButtonColor* BLineColor = nullptr;
    TButtonPen* BLineBorder = nullptr;
    TCheckBox* CBColorEach = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TCheckBox* CBClick = nullptr;
    TLabel* LStack = nullptr;
    TComboFlat* CBStack = nullptr;
    TLabel* LNulls = nullptr;
    TComboFlat* CBNulls = nullptr;
    TGroupBox* GBStair = nullptr;
    TCheckBox* CBStairs = nullptr;
    TCheckBox* CBInvStairs = nullptr;
    TCheckBox* CBDark3D = nullptr;
    TLabel* LHeight = nullptr;
    TEdit* EHeight = nullptr;
    TUpDown* UDHeight = nullptr;
    TButton* BBrush = nullptr;
    TButtonPen* BOutline = nullptr;
    TButtonGradient* BGradient = nullptr;
    TButton* Button1 = nullptr;
    TLabel* LTransp = nullptr;
    TTrackBar* TBTransp = nullptr;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool Filling() const { return FFilling || !TheSeries; }

    TSeriesPointerEditor* PointerForm = nullptr;
    TCustomSeries* TheSeries = nullptr;
    bool FFilling = false;
};
