#include "chart/editor/FormTeeSeries.h"

#include "chart/editor/ButtonPen.h"
#include "chart/editor/ChartListBox.h"
#include "chart/editor/CustomShapeEditor.h"
#include "chart/editor/FormatEditor.h"
#include "chart/editor/MarginsEditor.h"
#include "chart/editor/SeriesPointerEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/series/SeriesPointer.h"
#include "chart/engine/series/TeeFunction.h"
#include "chart/engine/texts/LocalFormat.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/EditColor.h"
#include "chart/grid/ChartGrid.h"
#include "chart/grid/TeeNavigator.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/PaintBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Timer.h"
#include "platform/controls/UpDown.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Format.h"

#include <algorithm>
#include <memory>

ORVO_IMPLEMENT_CLASS(TFormTeeSeries, TForm)

TOnCreateEditSeries InternalOnCreateEditSeries = nullptr;
TEvent<TFormTeeSeries*, TCustomAxisPanel*> InternalOnCreateEditSeriesObj;

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
    P.Field("GroupBox1", &S::GroupBox1);
    P.Field("CBShowInLegend", &S::CBShowInLegend);
    P.Field("CBCursor", &S::CBCursor);
    P.Field("LDepth", &S::LDepth);
    P.Field("EDepth", &S::EDepth);
    P.Field("UDDepth", &S::UDDepth);
    P.Field("CBDepth", &S::CBDepth);
    P.Field("GroupBox2", &S::GroupBox2);
    P.Field("CBFormat", &S::CBFormat);
    P.Field("EPercentFormat", &S::EPercentFormat);
    P.Field("Button1", &S::Button1);
    P.Field("Button2", &S::Button2);
    P.Field("GBHorizAxis", &S::GBHorizAxis);
    P.Field("CBHorizAxis", &S::CBHorizAxis);
    P.Field("CBXDateTime", &S::CBXDateTime);
    P.Field("GBVertAxis", &S::GBVertAxis);
    P.Field("CBVertAxis", &S::CBVertAxis);
    P.Field("CBYDateTime", &S::CBYDateTime);
    P.Field("LSort", &S::LSort);
    P.Field("CBSort", &S::CBSort);
    P.Field("CBZDateTime", &S::CBZDateTime);
    P.Field("PageControlMarks", &S::PageControlMarks);
    P.Field("TabSheet1", &S::TabSheet1);
    P.Field("CBMarksVisible", &S::CBMarksVisible);
    P.Field("CBMarkClip", &S::CBMarkClip);
    P.Field("CBMultiLine", &S::CBMultiLine);
    P.Field("CBAllVisible", &S::CBAllVisible);
    P.Field("SEMarksAngle", &S::SEMarksAngle);
    P.Field("UDMarksAngle", &S::UDMarksAngle);
    P.Field("EMarksEvery", &S::EMarksEvery);
    P.Field("UDEvery", &S::UDEvery);
    P.Field("RGMarkStyle", &S::RGMarkStyle);
    P.Field("CBTextAlign", &S::CBTextAlign);
    P.Field("CBFontSeriesColor", &S::CBFontSeriesColor);
    P.Field("TabSheet2", &S::TabSheet2);
    P.Field("BMarkLinCol", &S::BMarkLinCol);
    P.Field("BCalloutPointer", &S::BCalloutPointer);
    P.Field("SEArrowLength", &S::SEArrowLength);
    P.Field("UDArrowsLength", &S::UDArrowsLength);
    P.Field("EArrowDist", &S::EArrowDist);
    P.Field("UDArrowDist", &S::UDArrowDist);
    P.Field("CBHead", &S::CBHead);
    P.Field("Edit1", &S::Edit1);
    P.Field("UDHeadSize", &S::UDHeadSize);
    P.Field("TabSymbol", &S::TabSymbol);
    P.Field("TabMargins", &S::TabMargins);
    P.Field("PanTop", &S::PanTop);
    P.Field("CBDataSourcestyle", &S::CBDataSourcestyle);
    P.Field("BAdd", &S::BAdd);
    P.Field("BEdit", &S::BEdit);
    P.Field("BDelete", &S::BDelete);
    P.Field("Panel2", &S::Panel2);
    P.Field("ChartGrid1", &S::ChartGrid1);
    P.Field("ChartGridNavigator1", &S::ChartGridNavigator1);
    P.Field("PanelRandomSource", &S::PanelRandomSource);
    P.Field("ESamples", &S::ESamples);
    P.Field("CBSamplesDefault", &S::CBSamplesDefault);
    P.Field("BApplyRandom", &S::BApplyRandom);
    P.Field("Button3", &S::Button3);
    P.Field("PanelSeriesSource", &S::PanelSeriesSource);
    P.Field("CBSeriesSource", &S::CBSeriesSource);
    P.Field("BApplySource", &S::BApplySource);
    P.Field("BClearSource", &S::BClearSource);
    P.Method("CBShowInLegendClick", &S::CBShowInLegendClick);
    P.Method("CBCursorChange", &S::CBCursorChange);
    P.Method("EDepthChange", &S::EDepthChange);
    P.Method("CBDepthClick", &S::CBDepthClick);
    P.Method("CBFormatChange", &S::CBFormatChange);
    P.Method("EPercentFormatChange", &S::EPercentFormatChange);
    P.Method("Button1Click", &S::Button1Click);
    P.Method("Button2Click", &S::Button2Click);
    P.Method("CBHorizAxisChange", &S::CBHorizAxisChange);
    P.Method("CBVertAxisChange", &S::CBVertAxisChange);
    P.Method("CBXDateTimeClick", &S::CBXDateTimeClick);
    P.Method("CBYDateTimeClick", &S::CBYDateTimeClick);
    P.Method("CBZDateTimeClick", &S::CBZDateTimeClick);
    P.Method("CBSortChange", &S::CBSortChange);
    P.Method("PageControlMarksChange", &S::PageControlMarksChange);
    P.Method("CBMarksVisibleClick", &S::CBMarksVisibleClick);
    P.Method("CBMarkClipClick", &S::CBMarkClipClick);
    P.Method("CBMultiLineClick", &S::CBMultiLineClick);
    P.Method("CBAllVisibleClick", &S::CBAllVisibleClick);
    P.Method("SEMarksAngleChange", &S::SEMarksAngleChange);
    P.Method("EMarksEveryChange", &S::EMarksEveryChange);
    P.Method("RGMarkStyleClick", &S::RGMarkStyleClick);
    P.Method("CBTextAlignChange", &S::CBTextAlignChange);
    P.Method("CBFontSeriesColorClick", &S::CBFontSeriesColorClick);
    P.Method("BCalloutPointerClick", &S::BCalloutPointerClick);
    P.Method("SEArrowLengthChange", &S::SEArrowLengthChange);
    P.Method("EArrowDistChange", &S::EArrowDistChange);
    P.Method("CBHeadChange", &S::CBHeadChange);
    P.Method("Edit1Change", &S::Edit1Change);
    P.Method("CBDataSourcestyleChange", &S::CBDataSourcestyleChange);
    P.Method("ESamplesChange", &S::ESamplesChange);
    P.Method("CBSamplesDefaultClick", &S::CBSamplesDefaultClick);
    P.Method("BApplyRandomClick", &S::BApplyRandomClick);
    P.Method("Button3Click", &S::Button3Click);
    P.Method("CBSeriesSourceChange", &S::CBSeriesSourceChange);
    P.Method("BApplySourceClick", &S::BApplySourceClick);
    P.Method("BClearSourceClick", &S::BClearSourceClick);
}

TFormTeeSeries::TFormTeeSeries(TComponent* AOwner) : TForm(AOwner) {}

TFormTeeSeries::~TFormTeeSeries() {
    // Done here, not only when freed through FreeObject: a plain delete must also leave the
    // chart's listeners.
    FDestroying = true;
    DestroySeriesForms();
    // The marks' shape editor sits on the marks page control without an owner.
    delete IMarksObject;
    IMarksObject = nullptr;
    SetChart(nullptr);
}

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
    if (AComponent == DataSourceStyle) DataSourceStyle = nullptr;
    if (AComponent == IMarksObject) IMarksObject = nullptr;
    if (AComponent == IMarksSymbol) IMarksSymbol = nullptr;
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
    if (DataSourceStyle) {
        TCustomForm* form = DataSourceStyle;
        DataSourceStyle = nullptr;
        delete form;
    }
    FShownStyle = -1;
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

namespace {
// The data-source style list keeps a registered source's class as the item's object.
TObject* ClassItem(TClass Class) {
    return reinterpret_cast<TObject*>(const_cast<TMetaClass*>(Class));
}
TClass ItemClass(TObject* Item) {
    return reinterpret_cast<TClass>(Item);
}

// The number in Text, or false when the text is none (half-typed input waits).
bool ToInt(const String& Text, int& Value) {
    bool ok = false;
    const int v = Text.trimmed().toInt(&ok);
    if (ok) Value = v;
    return ok;
}

// Keeps the first three items of Combo and appends every custom axis of AChart of the
// given orientation, with the axis as object.
void FillAxisCombo(TComboFlat* Combo, TCustomAxisPanel* AChart, bool Horizontal) {
    TStrings* items = Combo->Items();
    while (items->Count() > 3)
        items->Delete(items->Count() - 1);
    if (!AChart) return;
    TChartAxes* axes = AChart->Axes();
    constexpr int StandardAxes = 6;
    for (int i = StandardAxes; i < axes->Count(); ++i) {
        TChartAxis* axis = axes->Get(i);
        if (axis && axis->Horizontal() == Horizontal)
            items->AddObject(TeeMsg_CustomAxesEditor + QLatin1Char(' ') + String::number(i - StandardAxes),
                             axis);
    }
}
} // namespace

void TFormTeeSeries::FillAxes() {
    FillAxisCombo(CBHorizAxis, TheChart, true);
    FillAxisCombo(CBVertAxis, TheChart, false);
}

void TFormTeeSeries::AxisNotifyCustom(TChartAxis*) {
    const bool old = FFilling;
    FFilling = true;
    FillAxes();
    SelectAxes();
    FFilling = old;
}

void TFormTeeSeries::SelectAxes() {
    if (!TheSeries) {
        CBHorizAxis->SetItemIndex(-1);
        CBVertAxis->SetItemIndex(-1);
        return;
    }
    if (TheSeries->HorizAxis() == aCustomHorizAxis)
        CBHorizAxis->SetItemIndex(CBHorizAxis->Items()->IndexOfObject(TheSeries->CustomHorizAxis()));
    else
        CBHorizAxis->SetItemIndex(int(TheSeries->HorizAxis()));
    if (TheSeries->VertAxis() == aCustomVertAxis)
        CBVertAxis->SetItemIndex(CBVertAxis->Items()->IndexOfObject(TheSeries->CustomVertAxis()));
    else
        CBVertAxis->SetItemIndex(int(TheSeries->VertAxis()));
}

void TFormTeeSeries::HideTabs() {
    ImageSeries->Hide();
    LabelSeriesClass->SetCaption(String());
    PageSeries->Hide();
}

void TFormTeeSeries::SetCBSeries() {
    // A series the list does not hold (the list is empty, or the chart changed): the list
    // is filled with the series of its chart.
    if (TheSeries && TheSeries->ParentChart() && CBSeries->Items()->IndexOfObject(TheSeries) < 0) {
        CBSeries->Items()->Clear();
        FillSeriesItems(CBSeries->Items(), TheSeries->ParentChart()->SeriesList());
    }
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
    // The four fixed data-source styles, then the registered sources not listed yet.
    TStrings* styles = CBDataSourcestyle->Items();
    while (styles->Count() > StyleFunction + 1)
        styles->Delete(styles->Count() - 1);
    for (TClass cls : TeeSources())
        if (styles->IndexOfObject(ClassItem(cls)) < 0) styles->AddObject(cls->ClassName(), ClassItem(cls));
    ImageSeries->Picture()->Bitmap()->SetWidth(0);
    TeeGetBitmapEditor(TheSeries, ImageSeries->Picture()->Bitmap());
    PaintBox1->SetVisible(TheSeries->UseSeriesColor());
    String galleryName = TheSeries->ClassName();
    if (TTeeSeriesType* type = TeeSeriesTypesList()->Find(TheSeries->ClassType()))
        galleryName = type->DescriptionText();
    const int amp = galleryName.indexOf(QLatin1Char('&'));
    if (amp >= 0) galleryName.insert(amp, QLatin1Char('&'));
    LabelSeriesClass->SetCaption(galleryName + QStringLiteral(": ") + SeriesTitleOrName(TheSeries));
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

    const bool axes = TheSeries->UseAxis();
    GBHorizAxis->SetVisible(axes);
    GBVertAxis->SetVisible(axes);
    CBPersistent->SetVisible(IsDssGraph && !style.Contains(tssIsTemplate));
    FFilling = true;
    CBPersistent->SetChecked(style.Contains(tssIsPersistent));
    FFilling = false;

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
    CBDataSourcestyle->SetItemIndex(-1);
    FShownStyle = -1;
    FillCurrentTab();
    PaintBox1->Invalidate();
}

void TFormTeeSeries::FillCurrentTab() {
    PageSeriesChange(PageSeries);
}

void TFormTeeSeries::OpenTab(TTabSheet* Tab, TTabSheet* MarksTab) {
    if (!TheSeries || !Tab || !Tab->TabVisible()) return;
    PageSeries->SetActivePage(Tab);
    FillCurrentTab();
    if (MarksTab && MarksTab->TabVisible()) {
        PageControlMarks->SetActivePage(MarksTab);
        PageControlMarksChange(PageControlMarks);
    }
}

void TFormTeeSeries::FormShow(TObject*) {
    CreatingForm = false;
    TCustomAxisPanel* chart = TheSeries ? TheSeries->ParentChart() : nullptr;
    if (InternalOnCreateEditSeries) InternalOnCreateEditSeries(this, chart);
    if (InternalOnCreateEditSeriesObj) InternalOnCreateEditSeriesObj(this, chart);
    const bool designing = TheSeries && TheSeries->ComponentState().Contains(csDesigning);
    CBShowInEditor->SetVisible(designing);
    if (designing) {
        FFilling = true;
        CBShowInEditor->SetChecked(TheSeries->ShowInEditor());
        FFilling = false;
    }
}

void TFormTeeSeries::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = !DataSourceStyle || DataSourceStyle->CloseQuery();
}

void TFormTeeSeries::PageSeriesChanging(TObject* Sender, bool& AllowChange) {
    AllowChange = !DataSourceStyle || DataSourceStyle->CloseQuery();
    if (Sender != Owner()) ChangingPage = AllowChange;
}

void TFormTeeSeries::PageSeriesChange(TObject*) {
    if (TheSeries) {
        TTabSheet* page = PageSeries->ActivePage();
        const bool old = FFilling;
        FFilling = true;
        if (page == TabGeneral)
            FillGeneral();
        else if (page == TabMarks)
            FillMarks();
        else if (page == TabDataSource)
            FillDataSource();
        FFilling = old;
    }
    ChangingPage = false;
}

// ---- General -------------------------------------------------------------------------------

void TFormTeeSeries::FillGeneral() {
    CBShowInLegend->SetChecked(TheSeries->ShowInLegend());
    CBDepth->SetChecked(TheSeries->Depth() == -1);
    UDDepth->SetPosition(TheSeries->Depth() == -1 ? 0 : TheSeries->Depth());
    // The list is filled anew on each visit: the defaults once, then the series' own.
    CBFormat->Items()->Clear();
    AddDefaultValueFormats(CBFormat->Items());
    const String valueFormat = BuiltInToLocalFormat(TheSeries->ValueFormat());
    if (CBFormat->Items()->IndexOf(valueFormat) < 0) CBFormat->Items()->Add(valueFormat);
    CBFormat->SetItemIndex(CBFormat->Items()->IndexOf(valueFormat));
    CBFormat->SetText(valueFormat);
    EPercentFormat->SetText(BuiltInToLocalFormat(TheSeries->PercentFormat()));
    FillAxes();
    SelectAxes();
    CBXDateTime->SetChecked(TheSeries->XValues()->DateTime());
    CBYDateTime->SetChecked(TheSeries->YValues()->DateTime());
    TChartValueList* z = nullptr;
    for (int i = 0; i < TheSeries->ValuesList()->Count(); ++i)
        if (TheSeries->ValuesList()->Get(i)->Name() == QLatin1String("Z"))
            z = TheSeries->ValuesList()->Get(i);
    CBZDateTime->SetVisible(z != nullptr);
    if (z) CBZDateTime->SetChecked(z->DateTime());
    switch (TheSeries->MandatoryValueList()->Order()) {
    case loAscending:
        CBSort->SetItemIndex(0);
        break;
    case loDescending:
        CBSort->SetItemIndex(1);
        break;
    default:
        CBSort->SetItemIndex(2);
    }
    const bool few = TheSeries->ValuesList()->Count() < 3;
    for (TControl* ctl :
         {static_cast<TControl*>(CBSort), static_cast<TControl*>(LSort), static_cast<TControl*>(LDepth),
          static_cast<TControl*>(EDepth), static_cast<TControl*>(UDDepth), static_cast<TControl*>(CBDepth)})
        ctl->SetVisible(few);
    TeeFillCursors(CBCursor, TheSeries->Cursor());
}

void TFormTeeSeries::CBShowInLegendClick(TObject*) {
    if (!FFilling && TheSeries) TheSeries->SetShowInLegend(CBShowInLegend->Checked());
}

void TFormTeeSeries::CBCursorChange(TObject*) {
    if (!FFilling && TheSeries) TheSeries->SetCursor(TeeSetCursor(TheSeries->Cursor(), CBCursor->Text()));
}

void TFormTeeSeries::EDepthChange(TObject*) {
    int v = 0;
    if (FFilling || !CanModify() || !ToInt(EDepth->Text(), v)) return;
    TheSeries->SetDepth(v);
    FFilling = true;
    CBDepth->SetChecked(false);
    FFilling = false;
}

void TFormTeeSeries::CBDepthClick(TObject*) {
    if (FFilling || !CanModify()) return;
    TheSeries->SetDepth(CBDepth->Checked() ? -1 : UDDepth->Position());
}

void TFormTeeSeries::CBFormatChange(TObject*) {
    if (!FFilling && TheSeries) TheSeries->SetValueFormat(LocalToBuiltInFormat(CBFormat->Text()));
}

void TFormTeeSeries::EPercentFormatChange(TObject*) {
    if (!FFilling && TheSeries) TheSeries->SetPercentFormat(LocalToBuiltInFormat(EPercentFormat->Text()));
}

void TFormTeeSeries::Button1Click(TObject*) {
    String result;
    if (TFormatEditor::Change(this, CBFormat->Text(), result, false)) CBFormat->SetText(result);
    CBFormatChange(CBFormat);
}

void TFormTeeSeries::Button2Click(TObject*) {
    String result;
    if (TFormatEditor::Change(this, EPercentFormat->Text(), result, false)) EPercentFormat->SetText(result);
}

void TFormTeeSeries::CBHorizAxisChange(TObject*) {
    if (FFilling || !TheSeries) return;
    const int i = CBHorizAxis->ItemIndex();
    if (i > 2) {
        TheSeries->SetHorizAxis(aCustomHorizAxis);
        TheSeries->SetCustomHorizAxis(static_cast<TChartAxis*>(CBHorizAxis->Items()->Objects(i)));
    } else if (i >= 0)
        TheSeries->SetHorizAxis(THorizAxis(i));
}

void TFormTeeSeries::CBVertAxisChange(TObject*) {
    if (FFilling || !TheSeries) return;
    const int i = CBVertAxis->ItemIndex();
    if (i > 2) {
        TheSeries->SetVertAxis(aCustomVertAxis);
        TheSeries->SetCustomVertAxis(static_cast<TChartAxis*>(CBVertAxis->Items()->Objects(i)));
    } else if (i >= 0)
        TheSeries->SetVertAxis(TVertAxis(i));
}

void TFormTeeSeries::CBXDateTimeClick(TObject*) {
    if (!FFilling && TheSeries) TheSeries->XValues()->SetDateTime(CBXDateTime->Checked());
}

void TFormTeeSeries::CBYDateTimeClick(TObject*) {
    if (!FFilling && TheSeries) TheSeries->YValues()->SetDateTime(CBYDateTime->Checked());
}

void TFormTeeSeries::CBZDateTimeClick(TObject*) {
    if (FFilling || !TheSeries) return;
    for (int i = 0; i < TheSeries->ValuesList()->Count(); ++i)
        if (TheSeries->ValuesList()->Get(i)->Name() == QLatin1String("Z"))
            TheSeries->ValuesList()->Get(i)->SetDateTime(CBZDateTime->Checked());
}

void TFormTeeSeries::CBSortChange(TObject*) {
    if (FFilling || !TheSeries) return;
    TheSeries->NotMandatoryValueList()->SetOrder(loNone);
    switch (CBSort->ItemIndex()) {
    case 0:
        TheSeries->MandatoryValueList()->SetOrder(loAscending);
        TheSeries->CheckOrder();
        break;
    case 1:
        TheSeries->MandatoryValueList()->SetOrder(loDescending);
        TheSeries->CheckOrder();
        break;
    default:
        TheSeries->MandatoryValueList()->SetOrder(loNone);
    }
}

void TFormTeeSeries::CBPersistentClick(TObject*) {
    if (FFilling || !TheSeries) return;
    TChartSeriesStyle style = TheSeries->Style();
    if (CBPersistent->Checked())
        style << tssIsPersistent;
    else
        style >> tssIsPersistent;
    TheSeries->SetStyle(style);
}

void TFormTeeSeries::CBShowInEditorClick(TObject*) {
    if (!FFilling && TheSeries) TheSeries->SetShowInEditor(CBShowInEditor->Checked());
}

// ---- Marks ---------------------------------------------------------------------------------

void TFormTeeSeries::FillMarks() {
    TSeriesMarks* marks = TheSeries->Marks();
    if (!IMarksObject) {
        // The sub-editors are made on the first visit only; later visits refresh them.
        IMarksObject = InsertTeeObjectForm(PageControlMarks, marks);
        IMarksObject->FreeNotification(this);
        IMarksSymbol = MarkSymbolsForm(this, marks->Symbol(), TabSymbol);
        IMarksSymbol->FreeNotification(this);
        IMarksMargins = new TMarginsEditor(this);
        IMarksMargins->AfterConstruction();
        AddFormTo(IMarksMargins, TabMargins);
        PageControlMarks->SetActivePage(TabSheet1);
    }
    RGMarkStyle->SetItemIndex(int(marks->Style()));
    UDArrowsLength->SetPosition(marks->Callout()->Length());
    UDArrowDist->SetPosition(marks->Callout()->Distance());
    UDMarksAngle->SetPosition(marks->Angle());
    CBMarkClip->SetChecked(marks->Clip());
    UDEvery->SetPosition(marks->DrawEvery());
    CBMultiLine->SetChecked(marks->MultiLine());
    CBMarksVisible->SetChecked(marks->Visible());
    BMarkLinCol->LinkPen(marks->Callout()->Arrow());
    CBHead->SetItemIndex(int(marks->Callout()->ArrowHead()));
    UDHeadSize->SetPosition(marks->Callout()->ArrowHeadSize());
    const TAlignment align = marks->TextAlign();
    CBTextAlign->SetItemIndex(align == taLeftJustify ? 0 : align == taRightJustify ? 1 : 2);
    CBFontSeriesColor->SetChecked(marks->FontSeriesColor());
    CheckAllVisible();
    CheckMultiLine();
    IMarksMargins->RefreshControls(marks->Margins());
    IMarksObject->RefreshControls(marks);
    IMarksSymbol->RefreshControls(marks->Symbol());
}

void TFormTeeSeries::CheckMultiLine() {
    const int s = RGMarkStyle->ItemIndex();
    CBMultiLine->SetEnabled(s == smsLabelPercent || s == smsLabelValue || s == smsPercentTotal ||
                            s == smsLabelPercentTotal || s == smsXY);
}

void TFormTeeSeries::CheckAllVisible() {
    bool all = TheChart && TheChart->SeriesCount() > 0;
    if (TheChart)
        for (int i = 0; i < TheChart->SeriesCount(); ++i)
            all = all && TheChart->Series(i)->Marks()->Visible();
    const bool old = FFilling;
    FFilling = true;
    CBAllVisible->SetChecked(all);
    FFilling = old;
}

void TFormTeeSeries::PageControlMarksChange(TObject*) {
    if (IMarksObject) IMarksObject->PC1Change(PageControlMarks);
}

void TFormTeeSeries::CBMarksVisibleClick(TObject*) {
    if (FFilling || !TheSeries) return;
    TheSeries->Marks()->SetVisible(CBMarksVisible->Checked());
    CheckAllVisible();
}

void TFormTeeSeries::CBMarkClipClick(TObject*) {
    if (!FFilling && TheSeries) TheSeries->Marks()->SetClip(CBMarkClip->Checked());
}

void TFormTeeSeries::CBMultiLineClick(TObject*) {
    if (!FFilling && TheSeries) TheSeries->Marks()->SetMultiLine(CBMultiLine->Checked());
}

void TFormTeeSeries::CBAllVisibleClick(TObject*) {
    if (FFilling || !CanModify() || !TheChart) return;
    for (int i = 0; i < TheChart->SeriesCount(); ++i)
        TheChart->Series(i)->Marks()->SetVisible(CBAllVisible->Checked());
    FFilling = true;
    CBMarksVisible->SetChecked(CBAllVisible->Checked());
    FFilling = false;
}

void TFormTeeSeries::SEMarksAngleChange(TObject*) {
    int v = 0;
    if (!FFilling && CanModify() && ToInt(SEMarksAngle->Text(), v)) TheSeries->Marks()->SetAngle(v);
}

void TFormTeeSeries::EMarksEveryChange(TObject*) {
    int v = 0;
    if (!FFilling && CanModify() && ToInt(EMarksEvery->Text(), v) && v >= 1)
        TheSeries->Marks()->SetDrawEvery(v);
}

void TFormTeeSeries::RGMarkStyleClick(TObject*) {
    if (!FFilling && TheSeries && RGMarkStyle->ItemIndex() >= 0)
        TheSeries->Marks()->SetStyle(TSeriesMarksStyle(RGMarkStyle->ItemIndex()));
    CheckMultiLine();
}

void TFormTeeSeries::CBTextAlignChange(TObject*) {
    if (FFilling || !CanModify()) return;
    static constexpr TAlignment Aligns[] = {taLeftJustify, taRightJustify, taCenter};
    const int i = CBTextAlign->ItemIndex();
    if (i >= 0 && i < 3) TheSeries->Marks()->SetTextAlign(Aligns[i]);
}

void TFormTeeSeries::CBFontSeriesColorClick(TObject*) {
    if (!FFilling && TheSeries) TheSeries->Marks()->SetFontSeriesColor(CBFontSeriesColor->Checked());
}

void TFormTeeSeries::BCalloutPointerClick(TObject*) {
    if (TheSeries) EditSeriesPointer(this, TheSeries->Marks()->Callout());
}

void TFormTeeSeries::SEArrowLengthChange(TObject*) {
    int v = 0;
    if (!FFilling && CanModify() && ToInt(SEArrowLength->Text(), v))
        TheSeries->Marks()->Callout()->SetLength(v);
}

void TFormTeeSeries::EArrowDistChange(TObject*) {
    int v = 0;
    if (!FFilling && CanModify() && ToInt(EArrowDist->Text(), v))
        TheSeries->Marks()->Callout()->SetDistance(v);
}

void TFormTeeSeries::CBHeadChange(TObject*) {
    const int i = CBHead->ItemIndex();
    if (!FFilling && CanModify() && i >= 0 && i <= int(ahSolid))
        TheSeries->Marks()->Callout()->SetArrowHead(TArrowHeadStyle(i));
}

void TFormTeeSeries::Edit1Change(TObject*) {
    int v = 0;
    if (!FFilling && CanModify() && ToInt(Edit1->Text(), v))
        TheSeries->Marks()->Callout()->SetArrowHeadSize(v);
}

// ---- Data Source ---------------------------------------------------------------------------

int TFormTeeSeries::CurrentSourceStyle() const {
    if (TheSeries->FunctionType()) return StyleFunction;
    TComponent* source = TheSeries->DataSource();
    if (!source) return TheSeries->Count() > 0 && !TheSeries->ManualData() ? StyleRandom : StyleManual;
    if (dynamic_cast<TChartSeries*>(source)) return StyleSeries;
    for (int i = StyleFunction + 1; i < CBDataSourcestyle->Items()->Count(); ++i)
        if (TClass cls = ItemClass(CBDataSourcestyle->Items()->Objects(i)))
            if (source->InheritsFrom(cls)) return i;
    return StyleManual;
}

void TFormTeeSeries::FillDataSource() {
    const int style = CurrentSourceStyle();
    CBDataSourcestyle->SetItemIndex(style);
    if (style != FShownStyle) RebuildSourceForm();
}

bool TFormTeeSeries::FreeSourceEditor() {
    if (!DataSourceStyle) return true;
    if (!DataSourceStyle->CloseQuery()) return false;
    TCustomForm* form = DataSourceStyle;
    DataSourceStyle = nullptr;
    delete form;
    return true;
}

void TFormTeeSeries::RemoveSource() {
    TComponent* source = TheSeries->DataSource();
    if (source && source->Owner() == TheSeries) {
        TheSeries->SetDataSource(nullptr);
        delete source;
        TheSeries->Clear();
    } else
        TheSeries->SetDataSource(nullptr);
    // The series frees the function it lets go.
    if (TheSeries->FunctionType()) TheSeries->SetFunctionType(nullptr);
}

void TFormTeeSeries::CBDataSourcestyleChange(TObject*) {
    if (FFilling || !TheSeries) return;
    const int style = CBDataSourcestyle->ItemIndex();
    if (style == StyleManual || style == StyleRandom) {
        RemoveSource();
        if (style == StyleManual) TheSeries->SetManualData(true);
    }
    RebuildSourceForm();
}

void TFormTeeSeries::RebuildSourceForm() {
    if (!FreeSourceEditor()) return;
    const int style = CBDataSourcestyle->ItemIndex();
    FShownStyle = style;
    for (TControl* ctl :
         {static_cast<TControl*>(BAdd), static_cast<TControl*>(BEdit), static_cast<TControl*>(BDelete),
          static_cast<TControl*>(ChartGrid1), static_cast<TControl*>(ChartGridNavigator1),
          static_cast<TControl*>(PanelRandomSource), static_cast<TControl*>(PanelSeriesSource)})
        ctl->Hide();
    const bool old = FFilling;
    FFilling = true;
    if (style == StyleManual) {
        ChartGrid1->SetChart(TheChart);
        ChartGrid1->SetSeries(TheSeries);
        ChartGridNavigator1->SetGrid(ChartGrid1);
        ChartGrid1->Show();
        ChartGridNavigator1->Show();
    } else if (style == StyleRandom) {
        const int own = TheSeries->NumSampleValuesOverride();
        const int def = TheSeries->NumSampleValues();
        ESamples->SetText(String::number(own == 0 ? def : own));
        CBSamplesDefault->SetChecked(own == 0 || own == def);
        CBSamplesDefault->SetEnabled(!CBSamplesDefault->Checked());
        BApplyRandom->SetEnabled(false);
        PanelRandomSource->Show();
    } else if (style == StyleSeries) {
        CBSeriesSource->Items()->Clear();
        if (TheChart)
            for (int i = 0; i < TheChart->SeriesCount(); ++i) {
                TChartSeries* s = TheChart->Series(i);
                // A series cannot feed itself nor one of the series it is fed from.
                if (s != TheSeries && s->DataSource() != TheSeries)
                    CBSeriesSource->Items()->AddObject(SeriesTitleOrName(s), s);
            }
        CBSeriesSource->SetItemIndex(CBSeriesSource->Items()->IndexOfObject(TheSeries->DataSource()));
        BClearSource->SetEnabled(CBSeriesSource->ItemIndex() >= 0);
        BApplySource->SetEnabled(false);
        PanelSeriesSource->Show();
    } else if (style == StyleFunction) {
        // The function editor is found by class name: without it registered there is none.
        TClass cls = GetClass(QStringLiteral("TTeeFuncEditor"));
        if (cls && cls->InheritsFrom(TCustomForm::StaticClass()) && cls->CreateComponent) {
            auto* form = static_cast<TCustomForm*>(cls->CreateComponent(this));
            DataSourceStyle = form;
            form->FreeNotification(this);
            form->SetAlign(alClient);
            AddFormTo(form, Panel2, TheSeries);
            TeeTranslateControl(form);
            Timer1->SetEnabled(true);
        }
    }
    FFilling = old;
}

void TFormTeeSeries::ESamplesChange(TObject*) {
    if (FFilling || !TheSeries) return;
    int v = 0;
    if (!ToInt(ESamples->Text(), v)) v = 0;
    TheSeries->SetNumSampleValuesOverride(v);
    FFilling = true;
    CBSamplesDefault->SetChecked(v == 0 || v == TheSeries->NumSampleValues());
    CBSamplesDefault->SetEnabled(!CBSamplesDefault->Checked());
    FFilling = false;
    BApplyRandom->SetEnabled(true);
}

void TFormTeeSeries::CBSamplesDefaultClick(TObject*) {
    if (FFilling || !TheSeries || !CBSamplesDefault->Checked()) return;
    ESamples->SetText(String::number(TheSeries->NumSampleValues()));
    CBSamplesDefault->SetEnabled(false);
}

void TFormTeeSeries::BApplyRandomClick(TObject*) {
    if (!TheSeries) return;
    int v = 0;
    if (!ToInt(ESamples->Text(), v) || v <= 0) v = TheSeries->NumSampleValues();
    RemoveSource();
    TheSeries->FillSampleValues(v);
    BApplyRandom->SetEnabled(false);
}

void TFormTeeSeries::Button3Click(TObject*) {
    if (!TheSeries) return;
    TheSeries->Clear();
    CBDataSourcestyle->SetItemIndex(StyleManual);
    CBDataSourcestyleChange(CBDataSourcestyle);
}

void TFormTeeSeries::CBSeriesSourceChange(TObject*) {
    BApplySource->SetEnabled(true);
}

void TFormTeeSeries::BApplySourceClick(TObject*) {
    if (!TheSeries) return;
    const int i = CBSeriesSource->ItemIndex();
    TheSeries->SetDataSource(i < 0 ? nullptr : static_cast<TComponent*>(CBSeriesSource->Items()->Objects(i)));
    BApplySource->SetEnabled(false);
    BClearSource->SetEnabled(i >= 0);
}

void TFormTeeSeries::BClearSourceClick(TObject*) {
    CBSeriesSource->SetItemIndex(-1);
    BApplySourceClick(BClearSource);
}

// ---- colour sample -------------------------------------------------------------------------

void TFormTeeSeries::PaintBox1Click(TObject*) {
    if (!TheSeries) return;
    TColor color = TheSeries->SeriesColor();
    if (EditColorDialog(this, color)) {
        TheSeries->SetSeriesColor(color);
        PaintBox1->Invalidate();
    }
}

void TFormTeeSeries::PaintBox1Paint(TObject*) {
    if (!TheSeries) return;
    TCanvas* canvas = PaintBox1->Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(PaintBox1->Color());
    TRect r = PaintBox1->ClientRect();
    canvas->FillRect(r);
    r.Top += 4;
    r.Bottom -= 4;
    PaintSeriesLegend(TheSeries, canvas, r);
}

void TFormTeeSeries::Timer1Timer(TObject*) {
    Timer1->SetEnabled(false);
    // The embedded source editor is placed: the tab is selected anew so it lays out.
    PageSeries->SetActivePage(nullptr);
    PageSeries->SetActivePage(TabDataSource);
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
    form->SetBorderIcons(TBorderIcons() << biSystemMenu);
    form->SetBorderStyle(bsSizeable);
    form->SetScaled(false);
    form->SetCaption(Format(TeeMsg_Editing, {ASeries ? ASeries->Name() : String()}));
    form->SetTag(reinterpret_cast<NativeInt>(static_cast<TObject*>(ASeries)));
    form->Panel1->Hide();
    form->ShowTabDataSource = false;
    form->CBSeries->Items()->Clear();
    if (ASeries) form->CBSeries->Items()->AddObject(ASeries->Name(), ASeries);
    form->TheSeries = ASeries;
    form->SetCBSeries();
    form->ShowModal();
}

TFormTeeShape* MarkSymbolsForm(TComponent* AOwner, TSeriesMarksSymbol* Symbol, TWinControl* AParent) {
    TFormTeeShape* form = TFormTeeShape::CreateForm(AOwner, Symbol, AParent);
    form->BBackColor->Hide();
    form->TabText->SetTabVisible(false);
    auto* visible = new TCheckBox(form);
    visible->SetParent(form->TabFormat);
    visible->SetBounds(form->BBackColor->Left(), form->BBackColor->Top(), form->BBackColor->Width(), 17);
    visible->SetCaption(QStringLiteral("&Visible"));
    visible->SetChecked(Symbol && Symbol->Visible());
    visible->OnClick = [Symbol, visible](TObject*) {
        if (Symbol) Symbol->SetVisible(visible->Checked());
    };
    return form;
}
