// The chart editor's Data page: the series' values in a grid, its switches and its popup.
#include "chart/editor/EditChartForm.h"
#include "chart/engine/chart/Chart.h"
#include "chart/export/TeeExportData.h"
#include "chart/grid/ChartGrid.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Menus.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/TreeView.h"
#include "platform/graphics/Bitmap.h"

#include <memory>

namespace {
constexpr TColor NullPointColor = TColor(0x1FFFFFFF);

TChartSeries* FirstSeries(TCustomChart* Chart) {
    return Chart && Chart->SeriesCount() > 0 ? Chart->Series(0) : nullptr;
}
} // namespace

void TChartEditForm::ShowDataPage() {
    ChartGrid1->SetChart(TheChart);
    TChartSeries* first = FirstSeries(TheChart);
    ChartGrid1->SetShowColors(first && first->HasColors());
    ChartGrid1->RecalcDimensions();
    SBGridCol->SetDown(ChartGrid1->ShowColors());
    SBGridText->SetDown(ChartGrid1->ShowLabels());
    SBGrid3D->SetDown(ChartGrid1->Grid3DMode());
    SBGrid3D->SetEnabled(first && first->HasZValues());
    SBGridX->SetDown(first && ChartGrid1->ShowXValues() == cgsYes);
    if (!TreeMode() && ChartGrid1->CanFocus()) ChartGrid1->SetFocus();
}

void TChartEditForm::SBGridTextClick(TObject*) {
    ChartGrid1->SetShowLabels(SBGridText->Down());
}

void TChartEditForm::SBGridColClick(TObject*) {
    ChartGrid1->SetShowColors(SBGridCol->Down());
}

void TChartEditForm::SBGrid3DClick(TObject*) {
    ChartGrid1->SetGrid3DMode(SBGrid3D->Down());
    ChartGrid1->SetShowLabels(SBGridText->Down());
    ChartGrid1->SetShowColors(SBGridCol->Down());
}

void TChartEditForm::SBGridXClick(TObject*) {
    ChartGrid1->SetShowXValues(SBGridX->Down() ? cgsYes : cgsNo);
}

void TChartEditForm::SBCopyDataClick(TObject*) {
    TSeriesDataText data(TheChart);
    data.IncludeHeader = true;
    data.IncludeIndex = true;
    data.IncludeLabels = SBGridText->Down();
    data.IncludeColors = SBGridCol->Down();
    data.CopyToClipboard();
}

void TChartEditForm::PopupDataPopup(TObject*) {
    TColor color = clTeeColor;
    const bool onSeries = ChartGrid1->GetSeriesColor(color) != nullptr;
    EditColor1->SetVisible(onSeries);
    N1->SetVisible(onSeries);
    DefaultColor1->SetVisible(onSeries && color != clTeeColor);
    MakeNull1->SetVisible(onSeries && color != NullPointColor);
}

void TChartEditForm::EditColor1Click(TObject*) {
    ChartGrid1->ChangeColor();
}

void TChartEditForm::DefaultColor1Click(TObject*) {
    ChartGrid1->ChangeColor(clTeeColor);
}

void TChartEditForm::MakeNull1Click(TObject*) {
    ChartGrid1->ChangeColor(NullPointColor);
}

void TChartEditForm::AppendRow1Click(TObject*) {
    ChartGrid1->AppendRow();
}

void TChartEditForm::DeleteRow1Click(TObject*) {
    ChartGrid1->Delete();
}

void TChartEditForm::TextFont1Click(TObject*) {
    auto dialog = std::make_unique<TFontDialog>(this);
    dialog->Font()->Assign(ChartGrid1->Font());
    if (!dialog->Execute()) return;
    ChartGrid1->Font()->Assign(dialog->Font());
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->Canvas()->Font()->Assign(ChartGrid1->Font());
    ChartGrid1->SetDefaultRowHeight(bitmap->Canvas()->TextHeight(QStringLiteral("W")) + 2);
}
