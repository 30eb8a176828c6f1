// The chart editor's Paging page (TFormTeePage): points per page, the page flags and a
// navigator through the pages. TChartPageNavigator steps a paged chart through its pages and
// prints them; the print preview uses its class for its own page buttons.
#pragma once

#include "chart/grid/TeeNavigator.h"
#include "platform/controls/CustomForm.h"

class TButton;
class TCheckBox;
class TCustomAxisPanel;
class TEdit;
class TLabel;
class TUpDown;

class TChartPageNavigator : public TCustomTeeNavigator {
    ORVO_CLASS(TChartPageNavigator, TCustomTeeNavigator)
public:
    explicit TChartPageNavigator(TComponent* AOwner);

    // The chart is the navigator's panel; a panel that is not an axis panel binds nothing.
    void SetChart(TCustomAxisPanel* Value);
    TCustomAxisPanel* GetChart() const;

    void SetPanel(TCustomTeePanel* Value) override;
    void BtnClick(TTeeNavigateBtn Index) override;
    void EnableButtons() override;
    void DoTeeEvent(TTeeEvent* Event) override;
    int PageCount() override;
    // One page prints at once; more ask for the range in the print dialog.
    void Print() override;
};

// Shows the print preview of Panel modally, its page buttons a TChartPageNavigator; the
// panel is repainted afterwards, also when showing failed.
void ChartPreview(TComponent* AOwner, TCustomTeePanel* Panel);

class TFormTeePage : public TForm {
    ORVO_CLASS(TFormTeePage, TForm)
public:
    explicit TFormTeePage(TComponent* AOwner);
    TFormTeePage(TComponent* AOwner, TCustomAxisPanel* Chart);
    void AfterConstruction() override;

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void SEPointsPerPageChange(TObject* Sender);
    void CBScaleLastClick(TObject* Sender);
    void CBPageLegendClick(TObject* Sender);
    void CBAutoScaleClick(TObject* Sender);
    void CBNoPagesClick(TObject* Sender);
    void CBPageNumClick(TObject* Sender);
    void BEditToolClick(TObject* Sender);
    void ChartPageNavigator1ButtonClicked(TTeeNavigateBtn Index);

    // From the form resource.
    TLabel* Label1 = nullptr;
    TEdit* SEPointsPerPage = nullptr;
    TUpDown* UDPointsPerPage = nullptr;
    TCheckBox* CBScaleLast = nullptr;
    TCheckBox* CBPageLegend = nullptr;
    TCheckBox* CBAutoScale = nullptr;
    TCheckBox* CBNoPages = nullptr;
    TChartPageNavigator* ChartPageNavigator1 = nullptr;
    TLabel* LabelPages = nullptr;
    TCheckBox* CBPageNum = nullptr;
    TButton* BEditTool = nullptr;

private:
    TCustomAxisPanel* Chart() const;
    void ShowPages();
    void CheckPageNumControls();
    class TTeeCustomTool* PageNumTool() const;
    TCustomAxisPanel* FChart = nullptr;
    bool FFilling = false;
};
