#include "chart/editor/FormTeePage.h"

#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/export/ChartPreview.h"
#include "chart/export/TeePreviewPanel.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/Format.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TChartPageNavigator, TCustomTeeNavigator)
ORVO_IMPLEMENT_CLASS(TFormTeePage, TForm)

ORVO_PUBLISHED(TChartPageNavigator) {}

ORVO_PUBLISHED(TFormTeePage) {
    using S = TFormTeePage;
    P.Field("Label1", &S::Label1);
    P.Field("SEPointsPerPage", &S::SEPointsPerPage);
    P.Field("UDPointsPerPage", &S::UDPointsPerPage);
    P.Field("CBScaleLast", &S::CBScaleLast);
    P.Field("CBPageLegend", &S::CBPageLegend);
    P.Field("CBAutoScale", &S::CBAutoScale);
    P.Field("CBNoPages", &S::CBNoPages);
    P.Field("ChartPageNavigator1", &S::ChartPageNavigator1);
    P.Field("LabelPages", &S::LabelPages);
    P.Field("CBPageNum", &S::CBPageNum);
    P.Field("BEditTool", &S::BEditTool);
    P.Method("FormShow", &S::FormShow);
    P.Method("SEPointsPerPageChange", &S::SEPointsPerPageChange);
    P.Method("CBScaleLastClick", &S::CBScaleLastClick);
    P.Method("CBPageLegendClick", &S::CBPageLegendClick);
    P.Method("CBAutoScaleClick", &S::CBAutoScaleClick);
    P.Method("CBNoPagesClick", &S::CBNoPagesClick);
    P.Method("CBPageNumClick", &S::CBPageNumClick);
    P.Method("BEditToolClick", &S::BEditToolClick);
}

// ---- TChartPageNavigator -----------------------------------------------------------------

TChartPageNavigator::TChartPageNavigator(TComponent* AOwner) : TCustomTeeNavigator(AOwner) {}

void TChartPageNavigator::SetChart(TCustomAxisPanel* Value) {
    SetPanel(Value);
}

TCustomAxisPanel* TChartPageNavigator::GetChart() const {
    return dynamic_cast<TCustomAxisPanel*>(Panel());
}

void TChartPageNavigator::SetPanel(TCustomTeePanel* Value) {
    TCustomTeeNavigator::SetPanel(dynamic_cast<TCustomAxisPanel*>(Value));
}

void TChartPageNavigator::BtnClick(TTeeNavigateBtn Index) {
    if (TCustomAxisPanel* chart = GetChart(); chart && chart->Pages()) {
        TChartPage* pages = chart->Pages();
        switch (Index) {
        case nbFirst:
            pages->SetCurrent(1);
            break;
        case nbPrior:
            pages->PreviousPage();
            break;
        case nbNext:
            pages->NextPage();
            break;
        case nbLast:
            pages->SetCurrent(pages->Count());
            break;
        default:
            break;
        }
    }
    EnableButtons();
    TCustomTeeNavigator::BtnClick(Index);
}

void TChartPageNavigator::EnableButtons() {
    TCustomTeeNavigator::EnableButtons();
    TCustomAxisPanel* chart = GetChart();
    if (!chart || !chart->Pages()) return;
    const int current = chart->Pages()->Current();
    const int count = chart->Pages()->Count();
    Button(nbFirst)->SetEnabled(current > 1);
    Button(nbPrior)->SetEnabled(current > 1);
    Button(nbNext)->SetEnabled(current < count);
    Button(nbLast)->SetEnabled(current < count);
}

void TChartPageNavigator::DoTeeEvent(TTeeEvent* Event) {
    if (dynamic_cast<TChartChangePage*>(Event)) {
        EnableButtons();
    } else if (auto* e = dynamic_cast<TTeeSeriesEvent*>(Event); e && e->Event == seDataChanged) {
        EnableButtons();
    }
}

int TChartPageNavigator::PageCount() {
    TCustomAxisPanel* chart = GetChart();
    return chart && chart->Pages() ? chart->Pages()->Count() : 1;
}

void TChartPageNavigator::Print() {
    TCustomAxisPanel* chart = GetChart();
    if (!chart) return;
    const int count = PageCount();
    if (count < 2) {
        chart->PrintPages(1, 1);
        return;
    }
    std::unique_ptr<TPrintDialog> dialog(new TPrintDialog(nullptr));
    dialog->SetOptions(TPrintDialogOptions{poPageNums});
    dialog->SetPrintRange(prPageNums);
    dialog->SetFromPage(1);
    dialog->SetMinPage(1);
    dialog->SetToPage(count);
    dialog->SetMaxPage(count);
    if (dialog->Execute()) chart->PrintPages(dialog->FromPage(), dialog->ToPage());
}

// ---- print preview -----------------------------------------------------------------------

namespace {
TCustomTeeNavigator* NewPageNavigator(TComponent* AOwner) {
    return new TChartPageNavigator(AOwner);
}
} // namespace

void ChartPreview(TComponent* AOwner, TCustomTeePanel* Panel) {
    struct Repaint {
        TCustomTeePanel* panel;
        ~Repaint() {
            if (panel) panel->Invalidate();
        }
    } repaint{Panel};
    std::unique_ptr<TChartPreview> preview(new TChartPreview(AOwner));
    preview->PageNavigatorClass = &NewPageNavigator;
    preview->AfterConstruction();
    preview->PreviewPanel()->SetPanel(Panel);
    preview->ShowModal();
}

// ---- TFormTeePage ------------------------------------------------------------------------

TFormTeePage::TFormTeePage(TComponent* AOwner) : TForm(AOwner) {}

TFormTeePage::TFormTeePage(TComponent* AOwner, TCustomAxisPanel* Chart) : TForm(AOwner), FChart(Chart) {}

void TFormTeePage::AfterConstruction() {
    TForm::AfterConstruction();
    if (ChartPageNavigator1 && FChart) {
        ChartPageNavigator1->SetChart(FChart);
        FChart = nullptr;
    }
    if (ChartPageNavigator1)
        ChartPageNavigator1->OnButtonClicked =
            TTeeNavClick(this, &TFormTeePage::ChartPageNavigator1ButtonClicked);
}

TCustomAxisPanel* TFormTeePage::Chart() const {
    return ChartPageNavigator1 ? ChartPageNavigator1->GetChart() : nullptr;
}

void TFormTeePage::ShowPages() {
    TCustomAxisPanel* chart = Chart();
    if (!chart) return;
    const bool noPages = chart->Pages()->PointsPerPage() == 0;
    FFilling = true;
    CBNoPages->SetChecked(noPages);
    FFilling = false;
    CBNoPages->SetEnabled(!noPages);
    LabelPages->SetCaption(Format(TeeMsg_PageOfPages, {chart->Pages()->Current(), chart->Pages()->Count()}));
    ChartPageNavigator1->EnableButtons();
}

TTeeCustomTool* TFormTeePage::PageNumTool() const {
    TCustomAxisPanel* chart = Chart();
    if (!chart || !TeePageNumToolClass) return nullptr;
    for (int i = 0; i < chart->Tools()->Count(); ++i)
        if (chart->Tools()->Get(i)->InheritsFrom(TeePageNumToolClass)) return chart->Tools()->Get(i);
    return nullptr;
}

void TFormTeePage::CheckPageNumControls() {
    const bool registered = TeePageNumToolClass != nullptr;
    CBPageNum->SetVisible(registered);
    BEditTool->SetVisible(registered);
    TTeeCustomTool* tool = PageNumTool();
    FFilling = true;
    CBPageNum->SetChecked(tool && tool->Active());
    FFilling = false;
    BEditTool->SetEnabled(tool != nullptr);
}

void TFormTeePage::FormShow(TObject*) {
    TCustomAxisPanel* chart = Chart();
    if (!chart) return;
    FFilling = true;
    UDPointsPerPage->SetPosition(chart->Pages()->PointsPerPage());
    CBScaleLast->SetChecked(chart->Pages()->ScaleLastPage());
    if (auto* c = dynamic_cast<TCustomChart*>(chart)) CBPageLegend->SetChecked(c->Legend()->CurrentPage());
    CBAutoScale->SetChecked(chart->Pages()->AutoScale());
    FFilling = false;
    ShowPages();
    CheckPageNumControls();
}

void TFormTeePage::SEPointsPerPageChange(TObject*) {
    TCustomAxisPanel* chart = Chart();
    if (!chart || FFilling || !Showing()) return;
    bool ok = false;
    const String text = SEPointsPerPage->Text().trimmed();
    int value = text.toInt(&ok);
    if (text.isEmpty())
        value = 0;
    else if (!ok)
        value = UDPointsPerPage->Position();
    chart->Pages()->SetPointsPerPage(value);
    ShowPages();
}

void TFormTeePage::CBScaleLastClick(TObject*) {
    if (Chart() && !FFilling) Chart()->Pages()->SetScaleLastPage(CBScaleLast->Checked());
}

void TFormTeePage::CBPageLegendClick(TObject*) {
    if (auto* c = dynamic_cast<TCustomChart*>(Chart()); c && !FFilling)
        c->Legend()->SetCurrentPage(CBPageLegend->Checked());
}

void TFormTeePage::CBAutoScaleClick(TObject*) {
    if (Chart() && !FFilling) Chart()->Pages()->SetAutoScale(CBAutoScale->Checked());
}

void TFormTeePage::CBNoPagesClick(TObject*) {
    if (!Chart() || FFilling || !CBNoPages->Checked()) return;
    SEPointsPerPage->SetText(QStringLiteral("0"));
    Chart()->Pages()->SetPointsPerPage(0);
    ShowPages();
}

void TFormTeePage::CBPageNumClick(TObject*) {
    TCustomAxisPanel* chart = Chart();
    if (!chart || FFilling || !TeePageNumToolClass || !TeePageNumToolClass->CreateComponent) return;
    TTeeCustomTool* tool = PageNumTool();
    if (!tool) {
        TComponent* owner = chart->Owner() ? chart->Owner() : static_cast<TComponent*>(chart);
        tool = static_cast<TTeeCustomTool*>(TeePageNumToolClass->CreateComponent(owner));
        tool->SetName(TeeGetUniqueName(owner, QStringLiteral("ChartTool")));
        tool->SetParentChart(chart);
    }
    tool->SetActive(CBPageNum->Checked());
    BEditTool->SetEnabled(true);
}

void TFormTeePage::BEditToolClick(TObject*) {
    TTeeCustomTool* tool = PageNumTool();
    if (!tool) return;
    TClass formClass = GetClass(tool->GetEditorClass());
    if (!formClass || !formClass->CreateComponent || !formClass->InheritsFrom(TCustomForm::StaticClass()))
        return;
    std::unique_ptr<TCustomForm> form(static_cast<TCustomForm*>(formClass->CreateComponent(this)));
    form->AfterConstruction();
    form->SetAlign(alNone);
    form->SetPosition(poOwnerFormCenter);
    form->SetTag(reinterpret_cast<NativeInt>(static_cast<TObject*>(tool)));
    TeeTranslateControl(form.get());
    form->ShowModal();
}

void TFormTeePage::ChartPageNavigator1ButtonClicked(TTeeNavigateBtn) {
    ShowPages();
}
