// TFormTeeLegend: the chart editor's Legend page: the legend's style, position, symbols and
// title. The frame, fill, font, gradient, shadow and picture of the legend and of its title
// are edited on the shape editor's tabs, inserted into the page's two page controls.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TCustomChartLegend;
class TEdit;
class TFormTeeShape;
class TLabel;
class TMemo;
class TPageControl;
class TRadioGroup;
class TSymbolEditor;
class TTabSheet;
class TUpDown;

class TFormTeeLegend : public TForm {
    ORVO_CLASS(TFormTeeLegend, TForm)
public:
    explicit TFormTeeLegend(TComponent* AOwner);
    // Reads the form resource, then edits Legend (SetLegend).
    TFormTeeLegend(TComponent* AOwner, TCustomChartLegend* Legend);
    ~TFormTeeLegend() override;
    void AfterConstruction() override;

    // Edits Legend: the shape editors of the legend and of its title are inserted into the
    // page controls once (later calls refresh them), and the controls are filled when the
    // page is showing.
    void SetLegend(TCustomChartLegend* Legend);
    TCustomChartLegend* Legend() const { return FLegend; }
    // Fills every control from the legend (what a show of the page does).
    void RefreshControls();

    bool CreatingForm = true;
    TFormTeeShape* ITeeObject = nullptr;
    TFormTeeShape* ITitleObject = nullptr;
    // The editor of the legend's symbol in the Symbols tab: made on the first show, then
    // refreshed.
    TSymbolEditor* SymbolEditor() const { return FSymbolEditor; }

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void PageControl1Change(TObject* Sender);
    void PageControlTitleChange(TObject* Sender);
    void CBShowClick(TObject* Sender);
    void CBInvertedClick(TObject* Sender);
    void CBLegendStyleChange(TObject* Sender);
    void CBLegStyleChange(TObject* Sender);
    void EVertSpacingChange(TObject* Sender);
    void CBFontColorClick(TObject* Sender);
    void CBCheckBoxesChange(TObject* Sender);
    void RGPositionClick(TObject* Sender);
    void CBResizeChartClick(TObject* Sender);
    void SETopPosChange(TObject* Sender);
    void SEMarginChange(TObject* Sender);
    void CBCustPosClick(TObject* Sender);
    void ECustLeftChange(TObject* Sender);
    void ECustTopChange(TObject* Sender);
    void CBPosPercentClick(TObject* Sender);
    void MemoTextChange(TObject* Sender);
    void CBTextAlignChange(TObject* Sender);
    void CBTitleVisibleClick(TObject* Sender);
    void Button1Click(TObject* Sender);

    // From the form resource.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabStyle = nullptr;
    TCheckBox* CBShow = nullptr;
    TCheckBox* CBInverted = nullptr;
    TLabel* LLegendStyle = nullptr;
    TComboFlat* CBLegendStyle = nullptr;
    TLabel* LLegStyle = nullptr;
    TComboFlat* CBLegStyle = nullptr;
    TButtonPen* BDivLines = nullptr;
    TLabel* LVertSpacing = nullptr;
    TEdit* EVertSpacing = nullptr;
    TUpDown* UDVertSpacing = nullptr;
    TCheckBox* CBFontColor = nullptr;
    TComboFlat* CBCheckBoxes = nullptr;
    TTabSheet* TabPosition = nullptr;
    TRadioGroup* RGPosition = nullptr;
    TCheckBox* CBResizeChart = nullptr;
    TLabel* LTopPos = nullptr;
    TEdit* SETopPos = nullptr;
    TUpDown* UDTopPos = nullptr;
    TLabel* LMargin = nullptr;
    TEdit* SEMargin = nullptr;
    TUpDown* UDMargin = nullptr;
    TCheckBox* CBCustPos = nullptr;
    TLabel* LCustLeft = nullptr;
    TEdit* ECustLeft = nullptr;
    TUpDown* UDCustLeft = nullptr;
    TLabel* LCustTop = nullptr;
    TEdit* ECustTop = nullptr;
    TUpDown* UDCustTop = nullptr;
    TCheckBox* CBPosPercent = nullptr;
    TTabSheet* TabSymbol = nullptr;
    TTabSheet* TabTitle = nullptr;
    TPageControl* PageControlTitle = nullptr;
    TTabSheet* TabTitleOptions = nullptr;
    TLabel* LText = nullptr;
    TMemo* MemoText = nullptr;
    TLabel* LTextAlign = nullptr;
    TComboFlat* CBTextAlign = nullptr;
    TCheckBox* CBTitleVisible = nullptr;
    TButton* Button1 = nullptr;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void RefreshPositions();
    void EnablePositionControls();
    int EditValue(TEdit* Edit, TUpDown* UpDown) const;
    TCustomChartLegend* FLegend = nullptr;
    TSymbolEditor* FSymbolEditor = nullptr;
};
