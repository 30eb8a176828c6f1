#include "chart/editor/TeeGalleryAlternate.h"

#include "chart/editor/ChartListBox.h"
#include "chart/editor/TeeGalleryPanel.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TTeeGalleryForm, TForm)

ORVO_PUBLISHED(TTeeGalleryForm) {
    using S = TTeeGalleryForm;
    P.Field("Panel1", &S::Panel1);
    P.Field("Label1", &S::Label1);
    P.Field("CBPage", &S::CBPage);
    P.Field("CB3D", &S::CB3D);
    P.Field("CBSmooth", &S::CBSmooth);
    P.Field("ChartListBox1", &S::ChartListBox1);
    P.Field("ChartGalleryPanel1", &S::ChartGalleryPanel1);
    P.Field("Panel2", &S::Panel2);
    P.Field("BOK", &S::BOK);
    P.Field("BCancel", &S::BCancel);
    P.Method("FormCreate", &S::FormCreate);
    P.Method("FormShow", &S::FormShow);
    P.Method("FormKeyDown", &S::FormKeyDown);
    P.Method("CBPageChange", &S::CBPageChange);
    P.Method("CB3DClick", &S::CB3DClick);
    P.Method("CBSmoothClick", &S::CBSmoothClick);
    P.Method("ChartListBox1Click", &S::ChartListBox1Click);
    P.Method("ChartGalleryPanel1SelectedChart", &S::ChartGalleryPanel1SelectedChart);
}

TTeeGalleryForm::TTeeGalleryForm(TComponent* AOwner) : TForm(AOwner) {}

void TTeeGalleryForm::FormCreate(TObject*) {
    FChart = new TChart(this);
    FChart->SetVisible(false);
    FChart->SetParent(this);
    ChartListBox1->SetSorted(true);
    ChartListBox1->SetChart(FChart);
    TStrings* pages = CBPage->Items();
    pages->Clear();
    TTeeSeriesTypes* types = TeeSeriesTypes();
    for (int i = 0; i < types->Count(); ++i) {
        TTeeSeriesType* t = types->Get(i);
        if (t->FunctionClass) continue;
        const String page = t->GalleryPageText();
        if (pages->IndexOf(page) < 0) pages->Add(page);
    }
    pages->Insert(0, TeeMsg_All);
    CBPage->SetItemIndex(std::max(0, pages->IndexOf(TeeMsg_GalleryStandard)));
    CBSmooth->SetChecked(TChartGalleryPanel::DefaultSmooth());
}

void TTeeGalleryForm::FillTypes() {
    TStrings* items = ChartListBox1->Items();
    items->BeginUpdate();
    struct End {
        TStrings* items;
        ~End() { items->EndUpdate(); }
    } end{items};
    FChart->FreeAllSeries();
    const int pageIndex = CBPage->ItemIndex();
    const String page = pageIndex < 0 ? String() : CBPage->Items()->Strings(pageIndex);
    const bool all = pageIndex <= 0;
    TTeeSeriesTypes* types = TeeSeriesTypes();
    for (int i = 0; i < types->Count(); ++i) {
        TTeeSeriesType* t = types->Get(i);
        if (t->FunctionClass || t->SubIndex != 0 || !t->SeriesClass) continue;
        if (!all && t->GalleryPageText() != page) continue;
        auto* series = dynamic_cast<TChartSeries*>(t->SeriesClass->CreateComponent(this));
        if (!series) continue;
        series->SetTitle(t->DescriptionText().replace(QChar(TeeLineSeparator), QLatin1Char(' ')));
        series->SetParentChart(FChart);
    }
}

void TTeeGalleryForm::FormShow(TObject*) {
    ChartGalleryPanel1->SetView3D(CB3D->Checked());
    ChartGalleryPanel1->SetSmooth(CBSmooth->Checked());
    OldClass = nullptr;
    FillTypes();
    if (ChartListBox1->ItemIndex() < 0 && ChartListBox1->Count() > 0) ChartListBox1->SelectSeries(0);
    ChartListBox1Click(ChartListBox1);
}

void TTeeGalleryForm::CBPageChange(TObject*) {
    OldClass = nullptr;
    FillTypes();
    if (ChartListBox1->Count() > 0) {
        ChartListBox1->ClearSelection();
        ChartListBox1->SelectSeries(0);
    }
    ChartListBox1Click(ChartListBox1);
}

void TTeeGalleryForm::ChartListBox1Click(TObject*) {
    TChartSeries* series = ChartListBox1->SelectedSeries();
    if (!series || series->ClassType() == OldClass) return;
    OldClass = series->ClassType();
    TChartGalleryPanel* panel = ChartGalleryPanel1;
    panel->SetNumRows(3);
    panel->SetDisplaySub(false);
    panel->CreateSubGallery(panel, OldClass);
    // Enough rows for every sub-style, with at least one column counted.
    const int cols = std::max(1, panel->NumCols());
    const int count = panel->Charts()->Count();
    if (panel->NumRows() * cols < count) panel->SetNumRows(count / cols + 1);
    panel->ShowSelectedChart();
    if (ChartListBox1->CanFocus()) ChartListBox1->SetFocus();
}

void TTeeGalleryForm::FormKeyDown(TObject*, Word& Key, TShiftState Shift) {
    ChartGalleryPanel1->HandleKey(Key, Shift);
}

void TTeeGalleryForm::CB3DClick(TObject*) {
    ChartGalleryPanel1->SetView3D(CB3D->Checked());
}

void TTeeGalleryForm::CBSmoothClick(TObject*) {
    ChartGalleryPanel1->SetSmooth(CBSmooth->Checked());
}

void TTeeGalleryForm::ChartGalleryPanel1SelectedChart(TObject*) {
    SetModalResult(mrOk);
}
