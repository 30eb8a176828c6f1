#include "chart/editor/FormTeeSeries.h"

#include "chart/editor/ChartListBox.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/PaintBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Timer.h"

#include <algorithm>
#include <memory>

ORVO_IMPLEMENT_CLASS(TFormTeeSeries, TForm)

ORVO_PUBLISHED(TFormTeeSeries) {
    using S = TFormTeeSeries;
    P.Field("Panel1", &S::Panel1);
    P.Field("ImageSeries", &S::ImageSeries);
    P.Field("LabelSeriesClass", &S::LabelSeriesClass);
    P.Field("CBSeries", &S::CBSeries);
    P.Field("PaintBox1", &S::PaintBox1);
    P.Field("CBPersistent", &S::CBPersistent);
    P.Field("PageSeries", &S::PageSeries);
    P.Field("TheTabSheet", &S::TheTabSheet);
    P.Field("TabGeneral", &S::TabGeneral);
    P.Field("TabMarks", &S::TabMarks);
    P.Field("TabDataSource", &S::TabDataSource);
    P.Field("CBShowInEditor", &S::CBShowInEditor);
    P.Field("Timer1", &S::Timer1);
    P.Method("FormShow", &S::FormShow);
    P.Method("FormCloseQuery", &S::FormCloseQuery);
    P.Method("CBSeriesChange", &S::CBSeriesChange);
    P.Method("PageSeriesChange", &S::PageSeriesChange);
    P.Method("PageSeriesChanging", &S::PageSeriesChanging);
    P.Method("CBPersistentClick", &S::CBPersistentClick);
    P.Method("CBShowInEditorClick", &S::CBShowInEditorClick);
    P.Method("PaintBox1Click", &S::PaintBox1Click);
    P.Method("PaintBox1Paint", &S::PaintBox1Paint);
    P.Method("Timer1Timer", &S::Timer1Timer);
}

TFormTeeSeries::TFormTeeSeries(TComponent* AOwner) : TForm(AOwner) {}

TFormTeeSeries::~TFormTeeSeries() = default;

void TFormTeeSeries::AfterConstruction() {
    TForm::AfterConstruction();
    if (FLoaded) return;
    FLoaded = true;
    ChangingPage = false;
    CreatingForm = true;
    PageSeries->SetActivePage(TheTabSheet);
}

void TFormTeeSeries::BeforeDestruction() {
    FDestroying = true;
    DestroySeriesForms();
    SetChart(nullptr);
    TForm::BeforeDestruction();
}

HResult TFormTeeSeries::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IID_IInterface) {
        *Obj = static_cast<IInterface*>(this);
        return S_OK;
    }
    *Obj = nullptr;
    return E_NOINTERFACE;
}

void TFormTeeSeries::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == TheChart) TheChart = nullptr;
    if (AComponent == FSeriesForm) FSeriesForm = nullptr;
    if (AComponent == TheSeries) TheSeries = nullptr;
    if (AComponent == LastSeries) LastSeries = nullptr;
    if (AComponent == TheListBox) TheListBox = nullptr;
    std::erase(FInsertedTabs, AComponent);
}

void TFormTeeSeries::SetChart(TCustomAxisPanel* AChart) {
    if (TheChart == AChart) return;
    if (TheChart) {
        TheChart->RemoveFreeNotification(this);
        TheChart->RemoveListener(this);
    }
    TheChart = AChart;
    if (TheChart) {
        TheChart->FreeNotification(this);
        if (TheChart->Listeners()->IndexOf(this) < 0) TheChart->Listeners()->Add(this);
    }
}

TClass TFormTeeSeries::SeriesEditorForm(TChartSeries* ASeries) {
    return ASeries ? TeeEditorFormClass(ASeries) : nullptr;
}

TCustomForm* TFormTeeSeries::InsertSeriesForm(TWinControl* AParent, TClass FormClass, int Position,
                                              const String& ACaption, TObject* AObject) {
    if (!AParent || !FormClass || !FormClass->CreateComponent) return nullptr;
    if (auto* page = dynamic_cast<TFormTeeSeries*>(AParent->Owner())) {
        auto* tab = new TTabSheet(page);
        tab->SetPageControl(page->PageSeries);
        tab->SetPageIndex(std::clamp(Position, 0, page->PageSeries->PageCount() - 1));
        tab->SetCaption(ACaption);
        tab->FreeNotification(page);
        page->FInsertedTabs.push_back(tab);
        auto* form = static_cast<TCustomForm*>(FormClass->CreateComponent(page));
        form->SetAlign(alClient);
        TeeTranslateControl(form);
        AddFormTo(form, tab, AObject);
        return form;
    }
    auto* form = static_cast<TCustomForm*>(FormClass->CreateComponent(AParent));
    form->SetCaption(ACaption);
    form->SetTag(reinterpret_cast<NativeInt>(AObject));
    return form;
}

void TFormTeeSeries::DestroySeriesForms() {
    if (FSeriesForm) {
        TCustomForm* form = FSeriesForm;
        FSeriesForm = nullptr;
        delete form;
    }
    // The inserted tabs go with their forms (the forms are owned by the page but sit on
    // the tabs).
    std::vector<TTabSheet*> tabs;
    tabs.swap(FInsertedTabs);
    for (TTabSheet* tab : tabs) {
        for (int i = tab->ControlCount() - 1; i >= 0; --i)
            if (auto* form = dynamic_cast<TCustomForm*>(tab->Controls(i))) delete form;
        delete tab;
    }
}

void TFormTeeSeries::FillAxes() {}

void TFormTeeSeries::HideTabs() {
    ImageSeries->Hide();
    LabelSeriesClass->SetCaption(String());
    PageSeries->Hide();
}

void TFormTeeSeries::SetCBSeries() {
    CBSeries->SetItemIndex(CBSeries->Items()->IndexOfObject(TheSeries));
    CBSeriesChange(this);
}

void TFormTeeSeries::CBSeriesChange(TObject*) {
    const bool oldCreating = CreatingForm;
    CreatingForm = true;
    const String remembered = PageSeries->ActivePage() ? PageSeries->ActivePage()->Caption() : String();
    const int i = CBSeries->ItemIndex();
    TChartSeries* series = i < 0 ? nullptr : dynamic_cast<TChartSeries*>(CBSeries->Items()->Objects(i));
    if (!series) {
        HideTabs();
    } else {
        TheSeries = series;
        TheSeries->FreeNotification(this);
        if (TheListBox) {
            if (TheListBox->MultiSelect()) TheListBox->ClearSelection();
            TheListBox->SetSelectedSeries(TheSeries);
        }
        if (TheSeries != LastSeries) {
            SetupSeries(remembered);
            LastSeries = TheSeries;
        }
    }
    CreatingForm = oldCreating;
}

void TFormTeeSeries::SetupSeries(const String& RememberedTab) {
    SetChart(TheSeries->ParentChart());
    ImageSeries->Show();
    PageSeries->Show();
    TabGeneral->SetTabVisible(ShowTabGeneral);
    TabMarks->SetTabVisible(ShowTabMarks);
    const TChartSeriesStyle style = TheSeries->Style();
    TabDataSource->SetTabVisible(ShowTabDataSource && !style.Contains(tssIsTemplate) &&
                                 !style.Contains(tssHideDataSource));
    String chosen = RememberedTab;
    if (chosen.isEmpty() || (chosen == TabDataSource->Caption() && !TabDataSource->TabVisible()))
        chosen = TheTabSheet->Caption();

    DestroySeriesForms();
    if (TClass cls = SeriesEditorForm(TheSeries)) {
        auto* form = static_cast<TCustomForm*>(cls->CreateComponent(this));
        FSeriesForm = form;
        form->FreeNotification(this);
        form->SetAlign(alClient);
        TeeTranslateControl(form);
        TheTabSheet->SetTabVisible(true);
        AddFormTo(form, TheTabSheet, TheSeries);
    } else {
        DestroySeriesForms();
        TheTabSheet->SetTabVisible(false);
    }

    TTabSheet* target = TheTabSheet;
    for (int i = 0; i < PageSeries->PageCount(); ++i)
        if (PageSeries->Pages(i)->Caption() == chosen) {
            target = PageSeries->Pages(i);
            break;
        }
    if (!target->TabVisible()) target = TabGeneral;
    PageSeries->SetActivePage(target);
    FillCurrentTab();
}

void TFormTeeSeries::FillCurrentTab() {
    PageSeriesChange(PageSeries);
}

void TFormTeeSeries::FormShow(TObject*) {
    CreatingForm = false;
}

void TFormTeeSeries::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = true;
}

void TFormTeeSeries::PageSeriesChanging(TObject*, bool& AllowChange) {
    AllowChange = true;
}

void TFormTeeSeries::PageSeriesChange(TObject*) {
    ChangingPage = false;
}

void TFormTeeSeries::CBPersistentClick(TObject*) {}

void TFormTeeSeries::CBShowInEditorClick(TObject*) {}

void TFormTeeSeries::PaintBox1Click(TObject*) {}

void TFormTeeSeries::PaintBox1Paint(TObject*) {}

void TFormTeeSeries::Timer1Timer(TObject*) {
    Timer1->SetEnabled(false);
}

void TFormTeeSeries::TeeEvent(TTeeEvent* Event) {
    if (FDestroying || ComponentState().Contains(csDestroying)) return;
    if (auto* e = dynamic_cast<TTeeSeriesEvent*>(Event)) {
        if (e->Event == seChangeColor) {
            PaintBox1->Invalidate();
        } else if (e->Event == seRemove && TheSeries && e->Series == TheSeries) {
            // Both the edited and the last set-up series are forgotten: a new series later
            // made at the same address must be set up again.
            DestroySeriesForms();
            TheSeries = nullptr;
            LastSeries = nullptr;
            SetCBSeries();
        }
    }
    if (OnChartSeriesEvent) OnChartSeriesEvent(this, Event);
}

void EditSeriesDialog(TComponent* AOwner, TChartSeries* ASeries) {
    std::unique_ptr<TFormTeeSeries> form(TeeCreateForm<TFormTeeSeries>(AOwner));
    TeeTranslateControl(form.get());
    form->SetTag(reinterpret_cast<NativeInt>(static_cast<TObject*>(ASeries)));
    form->Panel1->Hide();
    form->ShowTabDataSource = false;
    form->CBSeries->Items()->Clear();
    if (ASeries) form->CBSeries->Items()->AddObject(ASeries->Name(), ASeries);
    form->TheSeries = ASeries;
    form->SetCBSeries();
    form->ShowModal();
}
