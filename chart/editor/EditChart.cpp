#include "chart/editor/EditChart.h"

#include "chart/editor/ChartListBox.h"
#include "chart/editor/EditChartForm.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "platform/controls/Application.h"
#include "platform/controls/PageControl.h"

#include <functional>
#include <memory>

namespace {
TCustomChart* AsChart(TCustomTeePanel* Panel) {
    return dynamic_cast<TCustomChart*>(Panel);
}

// Makes the editor on Chart, lets Setup set what to open, shows it modally and frees it,
// whatever showing does.
void RunEditor(TCustomChart* Chart, const std::function<void(TChartEditForm&)>& Setup) {
    // Freed through FreeObject so that its destroy handler saves the editor's options.
    std::unique_ptr<TChartEditForm, void (*)(TChartEditForm*)> editor(
        new TChartEditForm(Application), [](TChartEditForm* F) { FreeObject(F); });
    editor->AfterConstruction();
    editor->SetChart(Chart);
    editor->CheckHelpFile();
    TControl* exclude[] = {editor->LBSeries};
    TeeTranslateControl(editor.get(), exclude, 0);
    if (Setup) Setup(*editor);
    editor->ShowModal();
}
} // namespace

void EditChart(TCustomForm*, TCustomChart* AChart) {
    RunEditor(AChart, [](TChartEditForm& E) { E.TheActivePageIndex = cetMain; });
}

void EditChartPage(TCustomForm*, TCustomChart* AChart, int PageIndex) {
    RunEditor(AChart, [PageIndex](TChartEditForm& E) { E.TheActivePageIndex = PageIndex; });
}

void EditChartLegend(TCustomForm*, TCustomChart* AChart) {
    RunEditor(AChart, [](TChartEditForm& E) { E.TheActivePageIndex = cetLegend; });
}

void EditChartTitle(TCustomForm*, TChartTitle* ATitle) {
    RunEditor(ATitle ? AsChart(ATitle->ParentChart()) : nullptr, [ATitle](TChartEditForm& E) {
        E.TheTitle = ATitle;
        E.TheActivePageIndex = cetTitles;
    });
}

void EditChartWall(TCustomForm*, TCustomChartWall* AWall) {
    RunEditor(AWall ? AsChart(AWall->ParentChart()) : nullptr, [AWall](TChartEditForm& E) {
        E.TheWall = AWall;
        E.TheActivePageIndex = cetWalls;
    });
}

void EditChartAxis(TCustomForm*, TChartAxis* Axis) {
    RunEditor(Axis ? AsChart(Axis->ParentChart()) : nullptr, [Axis](TChartEditForm& E) {
        E.TheAxis = Axis;
        E.TheActivePageIndex = cetAxis;
    });
}

void EditSeries(TCustomForm*, TChartSeries* ASeries) {
    RunEditor(ASeries ? AsChart(ASeries->ParentChart()) : nullptr,
              [ASeries](TChartEditForm& E) { E.TheEditSeries = ASeries; });
}

void EditSeriesMarks(TCustomForm*, TChartSeries* ASeries, bool Symbol) {
    RunEditor(ASeries ? AsChart(ASeries->ParentChart()) : nullptr, [ASeries, Symbol](TChartEditForm& E) {
        E.TheEditSeries = ASeries;
        E.TheSeriesTab = Symbol ? TChartEditForm::TSeriesTab::MarksSymbol : TChartEditForm::TSeriesTab::Marks;
    });
}

void EditSeriesDataSource(TCustomForm*, TChartSeries* ASeries) {
    RunEditor(ASeries ? AsChart(ASeries->ParentChart()) : nullptr, [ASeries](TChartEditForm& E) {
        E.TheEditSeries = ASeries;
        E.TheSeriesTab = TChartEditForm::TSeriesTab::DataSource;
    });
}

void EditChartTool(TCustomForm*, TTeeCustomTool* ATool) {
    RunEditor(ATool ? AsChart(ATool->ParentChart()) : nullptr,
              [ATool](TChartEditForm& E) { E.TheTool = ATool; });
}

void EditDSSChart(TComponent*, TCustomChart* AChart) {
    RunEditor(AChart, [](TChartEditForm& E) { E.IsDssGraph = true; });
}

void EditChartPart(TCustomForm* AForm, TCustomChart* AChart, const TChartClickedPart& Part) {
    switch (Part.Part) {
    case cpLegend:
        EditChartLegend(AForm, AChart);
        break;
    case cpAxis:
        EditChartAxis(AForm, Part.AAxis);
        break;
    case cpSeries:
        EditSeries(AForm, Part.ASeries);
        break;
    case cpTitle:
        EditChartTitle(AForm, AChart->Title());
        break;
    case cpFoot:
        EditChartTitle(AForm, AChart->Foot());
        break;
    case cpSubTitle:
        EditChartTitle(AForm, AChart->SubTitle());
        break;
    case cpSubFoot:
        EditChartTitle(AForm, AChart->SubFoot());
        break;
    case cpSeriesMarks:
        EditSeriesMarks(AForm, Part.ASeries, false);
        break;
    default:
        EditChart(AForm, AChart);
        break;
    }
}
