// The chart editor's Data page: the series' values in a grid, its switches and its popup.
#include "chart/editor/BrushDialog.h"
#include "chart/editor/EditChartForm.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/series/SeriesDataStream.h"
#include "chart/export/TeeExportData.h"
#include "chart/grid/ChartGrid.h"
#include "platform/classes/StringList.h"
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
    // Down when the X values carry something of their own (not just 0, 1, 2 ...), as a chart
    // file stores them then.
    SBGridX->SetDown(first && HasNoMandatoryValues(first));
    if (!TreeMode() && ChartGrid1->CanFocus()) ChartGrid1->SetFocus();
}

void TChartEditForm::ChartGrid1MouseDown(TObject*, TMouseButton Button, TShiftState Shift, int, int) {
    // Alt + right button: a quick switch of the XYZ mode, for series with Z values.
    TChartSeries* first = FirstSeries(TheChart);
    if (Button != mbRight || !Shift.Contains(ssAlt) || !first || !first->HasZValues()) return;
    ChartGrid1->SetGrid3DMode(!ChartGrid1->Grid3DMode());
    SBGrid3D->SetDown(ChartGrid1->Grid3DMode());
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
    if (!EditTeeFont(this, ChartGrid1->Font())) return;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->Canvas()->Font()->Assign(ChartGrid1->Font());
    ChartGrid1->SetDefaultRowHeight(bitmap->Canvas()->TextHeight(QStringLiteral("W")) + 2);
}
