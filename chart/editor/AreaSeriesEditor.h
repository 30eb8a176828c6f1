// TAreaSeriesEditor: the series page's editor of an area series: stairs, the pens of the
// area lines and the border, the area and top fills, transparency, dark 3-D sides, colour
// and null points ("Options"), and how areas stack and where they start ("Stack"). The
// series page gets a "Point" tab for the area's points and a "Gradient" tab for its fill.
#pragma once

#include "platform/controls/CustomForm.h"

class TAreaSeries;
class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TEdit;
class TGroupBox;
class TLabel;
class TPageControl;
class TRadioGroup;
class TSeriesPointerEditor;
class TTabSheet;
class TTeeGradientEditor;
class TUpDown;

class TAreaSeriesEditor : public TForm {
    ORVO_CLASS(TAreaSeriesEditor, TForm)
public:
    explicit TAreaSeriesEditor(TComponent* AOwner);
    ~TAreaSeriesEditor() override;

    TAreaSeries* Area = nullptr;
    // The tabs inserted into the series page (once each), freed with this form.
    TSeriesPointerEditor* PointerForm = nullptr;
    TTeeGradientEditor* FGradientForm = nullptr;

    // From the form resource.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabOptions = nullptr;
    TGroupBox* GBArea = nullptr;
    TCheckBox* CBStairs = nullptr;
    TCheckBox* CBInvStairs = nullptr;
    TButtonPen* BAreaLinesPen = nullptr;
    TButtonPen* BAreaLinePen = nullptr;
    TButton* BPattern = nullptr;
    TButton* Button1 = nullptr;
    TLabel* LTransp = nullptr;
    TEdit* ETransp = nullptr;
    TUpDown* UDTransp = nullptr;
    TCheckBox* CBDark3D = nullptr;
    TGroupBox* GBColor = nullptr;
    TCheckBox* CBColorEach = nullptr;
    TButtonColor* BAreaColor = nullptr;
    TLabel* LNulls = nullptr;
    TComboFlat* CBNulls = nullptr;
    TTabSheet* TabStack = nullptr;
    TRadioGroup* RGMultiArea = nullptr;
    TCheckBox* CBUseOrigin = nullptr;
    TLabel* LOrigin = nullptr;
    TEdit* EOrigin = nullptr;
    TUpDown* UDOrigin = nullptr;
    TGroupBox* GBGroup = nullptr;
    TLabel* LGroup = nullptr;
    TEdit* EGroup = nullptr;
    TUpDown* UDGroup = nullptr;

    // Handlers bound by the form resource.
    void FormShow(TObject* Sender);
    void CBStairsClick(TObject* Sender);
    void CBInvStairsClick(TObject* Sender);
    void BPatternClick(TObject* Sender);
    void Button1Click(TObject* Sender);
    void ETranspChange(TObject* Sender);
    void CBDark3DClick(TObject* Sender);
    void CBColorEachClick(TObject* Sender);
    void BAreaColorClick(TObject* Sender);
    void CBNullsChange(TObject* Sender);
    void RGMultiAreaClick(TObject* Sender);
    void CBUseOriginClick(TObject* Sender);
    void EOriginChange(TObject* Sender);
    void EGroupChange(TObject* Sender);

protected:
    // The inserted tabs may go first, with the series page.
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool CanEdit() const { return Area && !FFilling; }
    bool CanEditNumbers() const { return CanEdit() && Showing(); }
    void EnableOrigin();
    void EnableGroup();
    void InsertTabs();

    bool FFilling = false;
};
