#include "chart/editor/BaseSourceEditor.h"

#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"

ORVO_IMPLEMENT_CLASS(TBaseSourceEditor, TForm)

ORVO_PUBLISHED(TBaseSourceEditor) {
    using S = TBaseSourceEditor;
    P.Field("Pan", &S::Pan);
    P.Field("LLabel", &S::LLabel);
    P.Field("CBSources", &S::CBSources);
    P.Field("BApply", &S::BApply);
    P.Method("FormCreate", &S::FormCreate);
    P.Method("FormShow", &S::FormShow);
    P.Method("FormCloseQuery", &S::FormCloseQuery);
    P.Method("BApplyClick", &S::BApplyClick);
}

TBaseSourceEditor::TBaseSourceEditor(TComponent* AOwner) : TForm(AOwner) {}

void TBaseSourceEditor::FormCreate(TObject*) {
    SetAlign(alClient);
    DoCreate();
}

void TBaseSourceEditor::FormShow(TObject*) {
    DoShow();
}

void TBaseSourceEditor::DoShow() {
    TObject* tag = reinterpret_cast<TObject*>(Tag());
    TheSeries = dynamic_cast<TChartSeries*>(tag);
    Chart =
        TheSeries ? dynamic_cast<TCustomChart*>(TheSeries->ParentChart()) : dynamic_cast<TCustomChart*>(tag);
    BApply->SetEnabled(false);
    Translate();
}

void TBaseSourceEditor::Translate() {
    TeeTranslateControl(this);
}

bool TBaseSourceEditor::IsValid(TComponent*) {
    return false;
}

void TBaseSourceEditor::BApplyClick(TObject*) {
    DoApply();
}

void TBaseSourceEditor::FormCloseQuery(TObject*, bool& CanClose) {
    if (!BApply->Enabled()) return;
    switch (MessageDlg(TeeMsg_SureToApply, mtConfirmation, mbYesNoCancel, 0)) {
    case mrYes:
        BApplyClick(BApply);
        CanClose = !BApply->Enabled();
        break;
    case mrNo:
        BApply->SetEnabled(false);
        CanClose = true;
        break;
    default:
        CanClose = false;
        break;
    }
}

void TBaseSourceEditor::AddComponentDataSource(TComponent* Component, TStrings* Items, bool AddCurrent) {
    if (!Component || Items->IndexOfObject(Component) != -1) return;
    if (!AddCurrent && TheSeries && TheSeries->DataSources()->IndexOf(Component) != -1) return;
    if (!IsValid(Component)) return;
    if (!SkipValidation) {
        TCustomAxisPanel* chart = TheSeries ? TheSeries->ParentChart() : nullptr;
        if (!chart || !chart->IsValidDataSource(TheSeries, Component)) return;
    }
    String name;
    if (auto* series = dynamic_cast<TCustomChartSeries*>(Component))
        name = SeriesTitleOrName(series);
    else
        name = Component->Name();
    TComponent* owner = Component->Owner();
    if (owner && TheSeries && owner != TheSeries->Owner() && !owner->Name().isEmpty())
        name = owner->Name() + QLatin1Char('.') + name;
    Items->AddObject(name, Component);
}

void TBaseSourceEditor::CheckReplaceSource(TComponent* Source) {
    if (Chart && !TheSeries) {
        TTeeSeriesTypes* types = TeeSeriesTypes();
        for (int i = 0; i < types->Count(); ++i)
            if (TClass seriesClass = types->Get(i)->SeriesClass) {
                TheSeries = CreateNewSeries(Chart->Owner() ? Chart->Owner() : Chart, Chart, seriesClass);
                break;
            }
    }
    if (!TheSeries || TheSeries->DataSource() == Source) return;
    // A source component the series owns goes with its replacement.
    if (auto* old = dynamic_cast<TTeeSeriesSource*>(TheSeries->DataSource());
        old && old->Owner() == TheSeries) {
        old->SetSeries(nullptr);
        FreeObject(old);
    }
    TheSeries->SetDataSource(nullptr);
    if (auto* source = dynamic_cast<TTeeSeriesSource*>(Source); source && !source->Series())
        source->SetSeries(TheSeries);
    TheSeries->SetDataSource(Source);
}

namespace {
void AddOwnedSeries(TComponent* Owner, TStrings* Available, TStrings* Single, TChartSeries* Series,
                    bool AddCurrent) {
    TCustomAxisPanel* chart = Series->ParentChart();
    for (int i = 0; i < Owner->ComponentCount(); ++i) {
        TComponent* component = Owner->Components(i);
        if (component->ComponentState().Contains(csDestroying)) continue;
        if (auto* candidate = dynamic_cast<TChartSeries*>(component);
            candidate && chart && chart->IsValidDataSource(Series, candidate)) {
            const String name = SeriesTitleOrName(candidate);
            if (Single) Single->AddObject(name, candidate);
            if (Available && (AddCurrent || Series->DataSources()->IndexOf(candidate) == -1))
                Available->AddObject(name, candidate);
        }
        AddOwnedSeries(component, Available, Single, Series, AddCurrent);
    }
}
} // namespace

void FillSeriesSources(TStrings* Available, TStrings* Single, TChartSeries* Series, bool AddCurrent) {
    if (!Series || !Series->Owner()) return;
    AddOwnedSeries(Series->Owner(), Available, Single, Series, AddCurrent);
}
