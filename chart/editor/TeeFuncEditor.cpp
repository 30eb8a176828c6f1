#include "chart/editor/TeeFuncEditor.h"

#include "chart/editor/BaseFunctionEditor.h"
#include "chart/editor/TeeGally.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/editor/TeeSelectList.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/TeeFunction.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/Timer.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TTeeFuncEditor, TBaseSourceEditor)

ORVO_PUBLISHED(TTeeFuncEditor) {
    using S = TTeeFuncEditor;
    P.Field("BEditFunction", &S::BEditFunction);
    P.Field("PageControl1", &S::PageControl1);
    P.Field("TabSource", &S::TabSource);
    P.Field("PanSingle", &S::PanSingle);
    P.Field("LSingle", &S::LSingle);
    P.Field("CBSingle", &S::CBSingle);
    P.Field("LValues", &S::LValues);
    P.Field("CBValues", &S::CBValues);
    P.Field("BNone", &S::BNone);
    P.Field("TabOptions", &S::TabOptions);
    P.Field("TimerOptions", &S::TimerOptions);
    P.Field("TimerSource", &S::TimerSource);
    P.Method("CBSourcesChange", &S::CBSourcesChange);
    P.Method("BEditFunctionClick", &S::BEditFunctionClick);
    P.Method("CBSingleChange", &S::CBSingleChange);
    P.Method("CBValuesChange", &S::CBValuesChange);
    P.Method("BNoneClick", &S::BNoneClick);
    P.Method("TimerOptionsTimer", &S::TimerOptionsTimer);
    P.Method("TimerSourceTimer", &S::TimerSourceTimer);
}

TTeeFuncEditor::TTeeFuncEditor(TComponent* AOwner) : TBaseSourceEditor(AOwner) {}

TTeeFuncEditor::~TTeeFuncEditor() {
    FDestroying = true;
    ListenTo(nullptr);
}

HResult TTeeFuncEditor::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IID_IInterface) {
        *Obj = static_cast<IInterface*>(this);
        return S_OK;
    }
    *Obj = nullptr;
    return E_NOINTERFACE;
}

void TTeeFuncEditor::ListenTo(TCustomAxisPanel* AChart) {
    if (FListened == AChart) return;
    if (FListened) {
        FListened->RemoveFreeNotification(this);
        FListened->RemoveListener(this);
    }
    FListened = AChart;
    if (FListened) {
        FListened->FreeNotification(this);
        FListened->Listeners()->Add(this);
    }
}

void TTeeFuncEditor::Notification(TComponent* AComponent, TOperation Operation) {
    TBaseSourceEditor::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FListened) {
        // A chart in its destruction takes its listener list with it.
        if (!AComponent->ComponentState().Contains(csDestroying)) FListened->RemoveListener(this);
        FListened = nullptr;
    }
    if (AComponent == TheSeries) TheSeries = nullptr;
    if (AComponent == IOptions) IOptions = nullptr;
    if (AComponent == ISources) ISources = nullptr;
}

void TTeeFuncEditor::TeeEvent(TTeeEvent* Event) {
    if (FDestroying || ComponentState().Contains(csDestroying)) return;
    auto* e = dynamic_cast<TTeeSeriesEvent*>(Event);
    if (!e || (e->Event != seAdd && e->Event != seRemove && e->Event != seSwap)) return;
    if (e->Series == TheSeries)
        BApply->SetEnabled(false);
    else if (TheSeries)
        FillSources();
}

// ---- the function list ---------------------------------------------------------------------

namespace {
// The function list keeps each entry's class as the item's object.
TObject* ClassItem(TClass AClass) {
    return reinterpret_cast<TObject*>(const_cast<TMetaClass*>(AClass));
}
} // namespace

void TTeeFuncEditor::DoCreate() {
    LLabel->SetCaption(QStringLiteral("&Functions:"));
    CBSources->SetSorted(true);
    TStrings* items = CBSources->Items();
    items->AddObject(TeeMsg_FunctionNone, nullptr);
    TTeeSeriesTypes* types = TeeSeriesTypes();
    for (int i = 0; i < types->Count(); ++i) {
        TTeeSeriesType* type = types->Get(i);
        if (!type->FunctionClass || type->SeriesClass) continue;
        if (items->IndexOfObject(ClassItem(type->FunctionClass)) != -1) continue;
        String name = type->DescriptionText();
        name.replace(QChar(TeeLineSeparator), QLatin1Char(' '));
        items->AddObject(name, ClassItem(type->FunctionClass));
    }
}

TClass TTeeFuncEditor::FunctionClass() const {
    const int index = CBSources->ItemIndex();
    if (index < 0) return nullptr;
    return reinterpret_cast<TClass>(CBSources->Items()->Objects(index));
}

void TTeeFuncEditor::SelectFunctionClass(TClass AClass) {
    CBSources->SetItemIndex(CBSources->Items()->IndexOfObject(ClassItem(AClass)));
}

void TTeeFuncEditor::SetValueListCombo(TChartSeries* Series, TComboFlat* Combo) {
    const String source = Series->MandatoryValueList()->ValueSource();
    const int index = source.isEmpty() ? -1 : Combo->Items()->IndexOf(source);
    Combo->SetItemIndex(index >= 0 ? index : (Combo->Items()->Count() > 0 ? 0 : -1));
}

// ---- show ------------------------------------------------------------------------------------

void TTeeFuncEditor::DoShow() {
    TBaseSourceEditor::DoShow();
    PageControl1->SetActivePage(TabSource);
    ListenTo(TheSeries ? TheSeries->ParentChart() : Chart);
    if (TheSeries) TheSeries->FreeNotification(this);
    // The selection of source series is made once; each later show only refreshes it (it
    // is shown every time its page does, and shrinking it again would eat the lists).
    if (!ISources) {
        ISources = static_cast<TSelectListForm*>(TSelectListForm::StaticClass()->CreateComponent(this));
        ISources->FreeNotification(this);
        ISources->FromList->SetHeight(ISources->FromList->Height() - 5);
        ISources->ToList->SetHeight(ISources->ToList->Height() - 5);
        ISources->SetHeight(ISources->Height() - 8);
        ISources->SetAlign(alClient);
        ISources->OnChange = TNotifyEvent([this](TObject*) { BApply->SetEnabled(true); });
        AddFormTo(ISources, TabSource);
        TeeTranslateControl(ISources);
    }
    if (TheSeries) {
        TTeeFunction* function = TheSeries->FunctionType();
        SelectFunctionClass(function ? function->ClassType() : nullptr);
        FunctionChosen();
        FillSources();
        BApply->SetEnabled(!function && !TheSeries->DataSource());
    }
    ISources->EnableButtons();
}

void TTeeFuncEditor::FillSources() {
    TStrings* available = ISources->FromList->Items();
    TStrings* selected = ISources->ToList->Items();
    CBSingle->Items()->Clear();
    available->Clear();
    selected->Clear();
    FillSeriesSources(available, CBSingle->Items(), TheSeries, false);
    for (int i = 0; i < TheSeries->DataSources()->Count(); ++i)
        if (auto* source = dynamic_cast<TChartSeries*>(TheSeries->DataSources()->Get(i))) {
            selected->AddObject(SeriesTitleOrName(source), source);
            const int at = available->IndexOfObject(source);
            if (at != -1) available->Delete(at);
        }
    ISources->EnableButtons();
    if (!PanSingle->Visible()) return;
    if (auto* source = dynamic_cast<TChartSeries*>(TheSeries->DataSource())) {
        CBSingle->SetItemIndex(CBSingle->Items()->IndexOfObject(source));
        Filling = true;
        CBSingleChange(CBSingle);
        Filling = false;
        SetValueListCombo(TheSeries, CBValues);
    } else {
        CBSingle->SetItemIndex(-1);
        CBSingleChange(CBSingle);
    }
}

// ---- choosing a function ---------------------------------------------------------------------

void TTeeFuncEditor::CBSourcesChange(TObject*) {
    FunctionChosen();
}

void TTeeFuncEditor::FunctionChosen() {
    BApply->SetEnabled(true);
    const TClass functionClass = FunctionClass();
    TabOptions->SetTabVisible(functionClass != nullptr);
    // The options form of the previous choice goes; the series keeps its function until
    // "&Apply".
    if (IOptions) FreeAndNil(IOptions);
    if (functionClass) {
        std::unique_ptr<TTeeFunction> probe(
            dynamic_cast<TTeeFunction*>(functionClass->CreateComponent(nullptr)));
        const String editorName = probe ? probe->GetEditorClass() : String();
        const bool noSource = probe && probe->NoSourceRequired;
        const bool single = probe && probe->SingleSource;
        const bool hideList = probe && probe->HideSourceList;
        probe.reset();
        PanSingle->SetVisible(!noSource && single);
        LValues->SetVisible(!hideList);
        CBValues->SetVisible(!hideList);
        if (TClass editorClass = editorName.isEmpty() ? nullptr : GetClass(editorName);
            editorClass && editorClass->InheritsFrom(TBaseFunctionEditor::StaticClass())) {
            IOptions = static_cast<TBaseFunctionEditor*>(editorClass->CreateComponent(this));
            IOptions->FreeNotification(this);
            TeeTranslateControl(IOptions);
            // The series' own function when it is of the chosen class; otherwise none, and
            // "&Apply" makes one from the options.
            TTeeFunction* current = TheSeries ? TheSeries->FunctionType() : nullptr;
            if (current && current->ClassType() != functionClass) current = nullptr;
            AddFormTo(IOptions, TabOptions, current);
        } else {
            TabOptions->SetTabVisible(false);
        }
        if (noSource) {
            TabOptions->SetTabVisible(true);
            PageControl1->SetActivePage(TabOptions);
            TabSource->SetTabVisible(false);
        } else {
            TabSource->SetTabVisible(true);
        }
        if ((noSource || (TheSeries && TheSeries->DataSource())) && IOptions) TimerOptions->SetEnabled(true);
    } else {
        TabSource->SetTabVisible(true);
        PanSingle->SetVisible(false);
    }
    if (ISources) {
        ISources->SetVisible(!PanSingle->Visible());
        if (ISources->Visible()) TimerSource->SetEnabled(true);
    }
}

void TTeeFuncEditor::TimerOptionsTimer(TObject*) {
    TimerOptions->SetEnabled(false);
    if (!TabOptions->TabVisible()) return;
    PageControl1->SetActivePage(nullptr);
    PageControl1->SetActivePage(TabOptions);
}

void TTeeFuncEditor::TimerSourceTimer(TObject*) {
    TimerSource->SetEnabled(false);
    if (!TabSource->TabVisible()) return;
    PageControl1->SetActivePage(nullptr);
    PageControl1->SetActivePage(TabSource);
}

void TTeeFuncEditor::BEditFunctionClick(TObject*) {
    TComponent* owner = GetParentForm() ? static_cast<TComponent*>(GetParentForm()) : this;
    if (TClass chosen = GetChartGalleryFunction(owner)) {
        SelectFunctionClass(chosen);
        FunctionChosen();
    }
}

// ---- one source series -----------------------------------------------------------------------

void TTeeFuncEditor::CBSingleChange(TObject*) {
    const int index = CBSingle->ItemIndex();
    auto* source = index >= 0 ? dynamic_cast<TChartSeries*>(CBSingle->Items()->Objects(index)) : nullptr;
    if (source && !Filling) BApply->SetEnabled(true);
    CBValues->SetEnabled(source != nullptr);
    BNone->SetEnabled(source != nullptr);
    CBValues->Items()->Clear();
    if (!source) return;
    TChartValueLists* lists = source->ValuesList();
    for (int i = 1; i < lists->Count(); ++i)
        CBValues->Items()->Add(lists->Get(i)->Name());
    CBValues->SetItemIndex(CBValues->Items()->Count() > 0 ? 0 : -1);
}

void TTeeFuncEditor::BNoneClick(TObject*) {
    CBSingle->SetItemIndex(-1);
    CBSingleChange(CBSingle);
    BApply->SetEnabled(true);
}

void TTeeFuncEditor::CBValuesChange(TObject*) {
    BApply->SetEnabled(true);
}

// ---- apply -----------------------------------------------------------------------------------

void TTeeFuncEditor::ApplyFunctionChoice() {
    const TClass functionClass = FunctionClass();
    TTeeFunction* current = TheSeries->FunctionType();
    if (!functionClass) {
        TheSeries->SetFunction(nullptr);
    } else if (!current || current->ClassType() != functionClass) {
        TheSeries->SetFunction(nullptr);
        CreateNewTeeFunction(TheSeries, functionClass);
        BApply->SetEnabled(false);
    }
}

void TTeeFuncEditor::DoApply() {
    if (!TheSeries) return;
    // The options are stored first (a new function is made from them); a failure there
    // leaves the series as it was.
    if (IOptions && IOptions->OnCloseQuery) {
        bool canClose = true;
        IOptions->OnCloseQuery(IOptions, canClose);
    }
    // Every exit ends the update, a failure included, so the series is never left frozen.
    TheSeries->BeginUpdate();
    try {
        if (PanSingle->Visible()) {
            const int index = CBSingle->ItemIndex();
            auto* source =
                index >= 0 ? dynamic_cast<TChartSeries*>(CBSingle->Items()->Objects(index)) : nullptr;
            if (!source) {
                TheSeries->DataSources()->Clear();
                TheSeries->MandatoryValueList()->SetValueSource(String());
            } else {
                TheSeries->SetDataSource(source);
                TheSeries->MandatoryValueList()->SetValueSource(
                    CBValues->ItemIndex() >= 0 ? CBValues->Items()->Strings(CBValues->ItemIndex())
                                               : String());
            }
        } else {
            TStrings* selected = ISources->ToList->Items();
            if (selected->Count() > 0) {
                // Every new source is checked before any replaces the old ones.
                for (int i = 0; i < selected->Count(); ++i)
                    TheSeries->CheckOtherSeries(static_cast<TChartSeries*>(selected->Objects(i)));
                TheSeries->SetDataSource(static_cast<TChartSeries*>(selected->Objects(0)));
                for (int i = 1; i < selected->Count(); ++i)
                    TheSeries->DataSources()->Add(static_cast<TChartSeries*>(selected->Objects(i)));
            } else {
                TheSeries->DataSources()->Clear();
            }
        }
        ApplyFunctionChoice();
    } catch (...) {
        TheSeries->EndUpdate();
        throw;
    }
    TheSeries->EndUpdate();
    TheSeries->CheckDataSource();
    BApply->SetEnabled(false);
}
