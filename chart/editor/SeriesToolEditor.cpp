#include "chart/editor/SeriesToolEditor.h"

#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"

ORVO_IMPLEMENT_CLASS(TSeriesToolEditor, TForm)

ORVO_PUBLISHED(TSeriesToolEditor) {
    using S = TSeriesToolEditor;
    P.Field("Panel1", &S::Panel1);
    P.Field("Label1", &S::Label1);
    P.Field("CBSeries", &S::CBSeries);
    P.Method("FormShow", &S::FormShow);
    P.Method("CBSeriesChange", &S::CBSeriesChange);
}

TSeriesToolEditor::TSeriesToolEditor(TComponent* AOwner) : TForm(AOwner) {
    SetAlign(alClient);
}

void TSeriesToolEditor::FillSeriesCombo(TComboFlat* Combo, TChartSeries* ASeries, TCustomAxisPanel* AChart) {
    TStrings* items = Combo->Items();
    items->BeginUpdate();
    items->Clear();
    if (AChart) FillSeriesItems(items, AChart->SeriesList());
    items->EndUpdate();
    Combo->SetEnabled(AChart && AChart->SeriesCount() > 0);
    items->InsertObject(0, TeeMsg_None, nullptr);
    Combo->SetItemIndex(items->IndexOfObject(ASeries));
}

void TSeriesToolEditor::FillSeries(TComboFlat* Combo, TClass SeriesClass, bool Clear) {
    if (Clear) Combo->Items()->Clear();
    TCustomAxisPanel* chart = Tool ? Tool->ParentChart() : nullptr;
    if (chart)
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            TChartSeries* s = chart->Series(i);
            if (s->InheritsFrom(SeriesClass)) Combo->Items()->AddObject(SeriesTitleOrName(s), s);
        }
    Combo->SetEnabled(Combo->Items()->Count() > 0);
    Combo->SetItemIndex(Combo->Items()->IndexOfObject(Tool ? Tool->Series() : nullptr));
}

void TSeriesToolEditor::FormShow(TObject*) {
    Tool = dynamic_cast<TTeeCustomToolSeries*>(reinterpret_cast<TObject*>(Tag()));
    if (!Tool) return;
    FillSeriesCombo(CBSeries, Tool->Series(), Tool->ParentChart());
}

void TSeriesToolEditor::CBSeriesChange(TObject*) {
    if (!Tool) return;
    const int i = CBSeries->ItemIndex();
    Tool->SetSeries(i < 0 ? nullptr : static_cast<TChartSeries*>(CBSeries->Items()->Objects(i)));
}
