// TCustomAxisPanel: axes, series list, paging, the axis ranges from the series and the
// drawing order of one chart frame.
#include "chart/engine/chart/CustomAxisPanel.h"

#include "chart/engine/chart/TeeTools.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/TeeFunction.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/SysMath.h"

#include <QStringList>

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TChartChangePage, TTeeEvent)
ORVO_IMPLEMENT_CLASS(TTeeSeriesEvent, TTeeEvent)
ORVO_IMPLEMENT_CLASS(TChartAxes, TObject)
ORVO_IMPLEMENT_CLASS(TChartCustomAxes, TOwnedCollection)
ORVO_IMPLEMENT_CLASS(TChartSeriesList, TCustomSeriesList)
ORVO_IMPLEMENT_CLASS(TChartTools, TObject)
ORVO_IMPLEMENT_CLASS(TChartPage, TPersistent)
ORVO_IMPLEMENT_CLASS(TCustomAxisPanel, TCustomTeePanelExtended)
ORVO_IMPLEMENT_EVENT_TYPE(TSeriesNotifyEvent)

ORVO_PUBLISHED(TChartPage) {
    using T = TChartPage;
    P.Property("AutoScale", &T::AutoScale, &T::SetAutoScale).Default(false);
    P.Property("MaxPointsPerPage", &T::MaxPointsPerPage, &T::SetMaxPointsPerPage).Default(0);
    P.Property("ScaleLastPage", &T::ScaleLastPage, &T::SetScaleLastPage).Default(true);
    P.Property("Current", &T::Current, &T::SetCurrent).Default(1);
}

// ---- axis list ------------------------------------------------------------------------------------

TChartAxes::~TChartAxes() {
    Clear();
}

TChartAxis* TChartAxes::Get(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[size_t(Index)] : nullptr;
}

int TChartAxes::IndexOf(const TChartAxis* Axis) const {
    auto it = std::find(FItems.begin(), FItems.end(), Axis);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TChartAxes::Remove(TChartAxis* Axis) {
    auto it = std::find(FItems.begin(), FItems.end(), Axis);
    if (it == FItems.end()) return;
    FItems.erase(it);
    if (FChart) FChart->AxisFreed(Axis);
    if (OnRemoveAxis) OnRemoveAxis(Axis);
}

void TChartAxes::Clear() {
    // Each axis removes itself from the list when freed.
    while (!FItems.empty()) {
        TChartAxis* axis = FItems.back();
        delete axis;
        Remove(axis);
    }
}

bool TChartAxes::Visible() const {
    return FChart && FChart->AxisVisible();
}
void TChartAxes::SetVisible(bool Value) {
    if (FChart) FChart->SetAxisVisible(Value);
}
bool TChartAxes::Behind() const {
    return FChart && FChart->AxisBehind();
}
void TChartAxes::SetBehind(bool Value) {
    if (FChart) FChart->SetAxisBehind(Value);
}

void TChartAxes::SetFastCalc(bool Value) {
    if (FFastCalc == Value) return;
    FFastCalc = Value;
    for (TChartAxis* axis : FItems)
        axis->SetCalcPosValue();
}

TChartCustomAxes::TChartCustomAxes(TCustomAxisPanel* AChart)
    : TOwnedCollection(AChart, TChartAxis::StaticClass()) {}

void TChartAxes::Reset() {
    for (TChartAxis* a : FItems)
        a->SetAutomatic(true);
}

void TChartAxes::Hide() {
    for (TChartAxis* a : FItems)
        a->SetVisible(false);
}

TChartAxis* TChartCustomAxes::Get(int Index) const {
    return static_cast<TChartAxis*>(Items(Index));
}

void TChartCustomAxes::ResetScales(TChartAxis* Axis) {
    for (int i = 0; i < Count(); ++i) {
        TChartAxis* a = Get(i);
        if (a->Master() == Axis && a != Axis) a->SetMinMax(Axis->Minimum(), Axis->Maximum());
    }
}

// ---- series list ---------------------------------------------------------------------------------

TChartSeriesList::TChartSeriesList(TCustomAxisPanel* AOwner)
    : TCustomSeriesList(AOwner), FGroups(new TSeriesGroups(AOwner)) {}

TChartSeriesList::~TChartSeriesList() {
    delete FGroups;
}

TSeriesGroup* TChartSeriesList::AddGroup(const String& Name) {
    TSeriesGroup* group = FGroups->Add();
    group->SetName(Name);
    return group;
}

void TChartSeriesList::Assign(TChartSeriesList* Source) {
    if (Source) FGroups->Assign(Source->FGroups);
}

bool TChartSeriesList::AllActive() const {
    for (int i = 0; i < Count(); ++i)
        if (!Get(i)->Active()) return false;
    return true;
}

void TChartSeriesList::SetAllActive(bool Value) {
    for (int i = 0; i < Count(); ++i)
        Get(i)->SetActive(Value);
}

// ---- paging --------------------------------------------------------------------------------------

void TChartPage::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TChartPage*>(Source)) {
        FAutoScale = p->FAutoScale;
        FCurrent = p->FCurrent;
        FPointsPerPage = p->FPointsPerPage;
        FScaleLastPage = p->FScaleLastPage;
        return;
    }
    TPersistent::Assign(Source);
}

int TChartPage::Count() {
    if (FPointsPerPage <= 0 || !IParent || IParent->SeriesCount() == 0) return 1;
    TChartSeries* first = IParent->GetSeries(0);
    TChartAxis* a1 = first->YMandatory() ? IParent->BottomAxis() : IParent->RightAxis();
    TChartAxis* a2 = first->YMandatory() ? IParent->TopAxis() : IParent->LeftAxis();
    auto pagesOf = [&](TChartAxis* Axis) {
        int points = 0;
        bool any = false;
        for (int i = 0; i < IParent->SeriesCount(); ++i) {
            TChartSeries* s = IParent->GetSeries(i);
            if (!s->Active() || !s->AssociatedToAxis(Axis)) continue;
            if (!any || s->Count() > points) points = s->Count();
            any = true;
        }
        if (points == 0) return 1;
        return points / FPointsPerPage + (points % FPointsPerPage ? 1 : 0);
    };
    return std::max(pagesOf(a1), pagesOf(a2));
}

void TChartPage::SetCurrent(int Value) {
    // While the chart is read its series have no points yet: keep the stored page.
    if (IParent && IParent->ComponentState().Contains(csLoading)) {
        FCurrent = std::max(1, Value);
        return;
    }
    const int count = Count();
    if (Value > count) Value = count;
    if (Value < 1) Value = 1;
    if (Value == FCurrent) return;
    FCurrent = Value;
    if (!IParent) return;
    IParent->Invalidate();
    IParent->BroadcastTeeEventClass(TChartChangePage::StaticClass());
    if (IParent->OnPageChange) IParent->OnPageChange(this);
}

void TChartPage::SetMaxPointsPerPage(int Value) {
    if (Value < 0) throw ChartException(TeeMsg_MaxPointsPerPage);
    if (FPointsPerPage != Value) {
        FPointsPerPage = Value;
        if (IParent) IParent->Invalidate();
    }
    const int count = Count();
    if (count < FCurrent) SetCurrent(count);
    if (IParent) IParent->BroadcastTeeEventClass(TChartChangePage::StaticClass());
}

void TChartPage::NextPage() {
    if (FPointsPerPage > 0 && FCurrent < Count()) SetCurrent(FCurrent + 1);
}

void TChartPage::PreviousPage() {
    if (FPointsPerPage > 0 && FCurrent > 1) SetCurrent(FCurrent - 1);
}

void TChartPage::SetAutoScale(bool Value) {
    if (FAutoScale == Value) return;
    FAutoScale = Value;
    if (IParent) IParent->Invalidate();
}

void TChartPage::SetScaleLastPage(bool Value) {
    if (FScaleLastPage == Value) return;
    FScaleLastPage = Value;
    if (IParent) IParent->Invalidate();
}

// ---- the panel -----------------------------------------------------------------------------------

TCustomAxisPanel::TCustomAxisPanel(TComponent* AOwner) : TCustomTeePanelExtended(AOwner) {
    SetAutoRepaint(false);
    FTools = new TChartTools(this);
    FSeriesList = new TChartSeriesList(this);
    FAxes = new TChartAxes(this);
    FCustomAxes = new TChartCustomAxes(this);

    FBottomAxis = new TChartAxis(FCustomAxes);
    FBottomAxis->SetHorizontal(true);

    FTopAxis = new TChartAxis(FCustomAxes);
    FTopAxis->SetHorizontal(true);
    FTopAxis->FOtherSide = true;
    FTopAxis->FZPosition = 100;
    FTopAxis->Grid()->SetZPosition(100);
    FTopAxis->Grid()->IDefaultZ = 100;

    FLeftAxis = new TChartAxis(FCustomAxes);
    FLeftAxis->Title()->SetAngle(90);
    FLeftAxis->Title()->IDefaultAngle = 90;

    FRightAxis = new TChartAxis(FCustomAxes);
    FRightAxis->Title()->SetAngle(270);
    FRightAxis->Title()->IDefaultAngle = 270;
    FRightAxis->FOtherSide = true;
    FRightAxis->FZPosition = 100;
    FRightAxis->Grid()->SetZPosition(100);
    FRightAxis->Grid()->IDefaultZ = 100;

    FDepthAxis = new TChartDepthAxis(FCustomAxes);
    FDepthAxis->FVisible = false;
    FDepthAxis->IDepthAxis = true;
    FDepthAxis->FOtherSide = true;
    FDepthAxis->SetCalcPosValue();

    FDepthTopAxis = new TChartDepthAxis(FCustomAxes);
    FDepthTopAxis->FVisible = false;
    FDepthTopAxis->IDepthAxis = true;
    FDepthTopAxis->SetCalcPosValue();

    FPage = new TChartPage(this);
    SetAutoRepaint(true);
}

TCustomAxisPanel::~TCustomAxisPanel() {
    SetAutoRepaint(false);
    FreeAllSeries();
    delete FPage;
    FPage = nullptr;
    // The custom axes are also in the axis list: free them through their collection first.
    FCustomAxes->Clear();
    delete FAxes;
    FAxes = nullptr;
    delete FCustomAxes;
    FCustomAxes = nullptr;
    delete FSeriesList;
    FSeriesList = nullptr;
    delete Designer;
    Designer = nullptr;
    // The tools go with the chart (their axes are gone already).
    delete FTools;
    FTools = nullptr;
}

void TCustomAxisPanel::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TCustomAxisPanel*>(Source)) {
        F3DPercent = p->F3DPercent;
        FAxisBehind = p->FAxisBehind;
        FAxisVisible = p->FAxisVisible;
        FBottomAxis->Assign(p->FBottomAxis);
        FClipPoints = p->FClipPoints;
        ColorPalette = p->ColorPalette;
        FCustomAxes->Assign(p->FCustomAxes);
        FLeftAxis->Assign(p->FLeftAxis);
        FDepthAxis->Assign(p->FDepthAxis);
        FDepthTopAxis->Assign(p->FDepthTopAxis);
        FPage->Assign(p->FPage);
        FRightAxis->Assign(p->FRightAxis);
        FTopAxis->Assign(p->FTopAxis);
        FView3DWalls = p->FView3DWalls;
    }
    TCustomTeePanelExtended::Assign(Source);
}

void TCustomAxisPanel::DefineProperties(TFiler* Filer) {
    TCustomTeePanelExtended::DefineProperties(Filer);
    Filer->DefineProperty(QStringLiteral("Page"), TReaderProc(this, &TCustomAxisPanel::ReadPage),
                          TWriterProc(), false);
    Filer->DefineProperty(QStringLiteral("ScaleLastPage"),
                          TReaderProc(this, &TCustomAxisPanel::ReadScaleLastPage), TWriterProc(), false);
}

void TCustomAxisPanel::ReadPage(TReader* Reader) {
    FPage->SetCurrent(Reader->ReadInteger());
}
void TCustomAxisPanel::ReadScaleLastPage(TReader* Reader) {
    FPage->SetScaleLastPage(Reader->ReadBoolean());
}

void TCustomAxisPanel::SetChart3DPercent(int Value) {
    if (Value < 1 || Value > 100) throw Exception(Format(TeeMsg_3dPercent, {1, 100}));
    SetIntegerProperty(F3DPercent, Value);
}

// ---- overridable steps ---------------------------------------------------------------------------

void TCustomAxisPanel::DoOnAfterDraw() {
    if (OnAfterDraw) OnAfterDraw(this);
}
void TCustomAxisPanel::DoOnBeforeDrawAxes() {
    if (OnBeforeDrawAxes) OnBeforeDrawAxes(this);
}
void TCustomAxisPanel::DoOnBeforeDrawChart() {
    if (OnBeforeDrawChart) OnBeforeDrawChart(this);
}
void TCustomAxisPanel::DoOnBeforeDrawSeries() {
    if (OnBeforeDrawSeries) OnBeforeDrawSeries(this);
}

bool TCustomAxisPanel::DrawBackWallAfter(int Z) {
    if (!Canvas() || Canvas()->SupportsFullRotation()) return false;
    TFourPoints p;
    Canvas()->FourPointsFromRect(ChartRect, Z, p);
    return !TeeCull(p);
}

void TCustomAxisPanel::DrawLegendShape(const TRect& Rect) {
    TCanvas3D* c = Canvas();
    c->Rectangle(Rect);
    if (c->Brush()->Color() == LegendColor) {
        const TColor old = c->Pen()->Color();
        if (c->Brush()->Color() == clBlack) c->Pen()->SetColor(clWhite);
        c->Brush()->SetStyle(bsClear);
        c->Rectangle(Rect);
        c->Pen()->SetColor(old);
    }
}

void TCustomAxisPanel::CheckDatasource(TChartSeries* ASeries) {
    if (!ASeries || ASeries->ComponentState().Contains(csLoading)) return;
    if (TComponent* source = ASeries->DataSource()) {
        if (auto* s = dynamic_cast<TChartSeries*>(source))
            ASeries->AddValues(s);
        else if (auto* src = dynamic_cast<TTeeSeriesSource*>(source))
            src->Refresh();
        return;
    }
    TTeeFunction* function = ASeries->FunctionType();
    if (function && function->NoSourceRequired) {
        ASeries->BeginUpdate();
        try {
            ASeries->Clear();
            function->AddPoints(nullptr);
        } catch (...) {
            ASeries->EndUpdate();
            throw;
        }
        ASeries->EndUpdate();
        return;
    }
    if (!ASeries->ManualData() && ASeries->CanAddRandomPoints())
        ASeries->FillSampleValues(ASeries->NumSampleValues());
}

String TCustomAxisPanel::FormattedValueLegend(TChartSeries*, int) {
    return String();
}

void TCustomAxisPanel::RemovedDataSource(TChartSeries* ASeries, TComponent* AComponent) {
    // The series no longer watches the source nor the source the series: the source lets
    // go of it, so that it never keeps a series that may be freed.
    auto* source = dynamic_cast<TTeeSeriesSource*>(AComponent);
    if (source && ASeries && source->Series() == ASeries) source->SetSeries(nullptr);
}

bool TCustomAxisPanel::IsValidDataSource(TChartSeries* ASeries, TComponent* AComponent) {
    if (ASeries && ASeries->IsValidDataSource(AComponent)) return true;
    auto* source = dynamic_cast<TTeeSeriesSource*>(AComponent);
    return source && source->Available(this);
}

int TCustomAxisPanel::NumPages() {
    return FPage->Count();
}

void TCustomAxisPanel::PrintPages(int FromPage, int ToPage) {
    if (!Name().isEmpty()) Printer()->SetTitle(Name());
    Printer()->BeginDoc();
    const int first = FromPage == 0 ? 1 : FromPage;
    const int last = ToPage == 0 ? FPage->Count() : ToPage;
    const int shown = FPage->Current();
    try {
        const TRect R = ChartPrintRect();
        for (int page = first; page <= last; ++page) {
            FPage->SetCurrent(page);
            PrintPartial(R);
            if (page < last) Printer()->NewPage();
        }
    } catch (...) {
        FPage->SetCurrent(shown);
        Printer()->Abort();
        if (Printer()->Printing()) Printer()->EndDoc();
        throw;
    }
    FPage->SetCurrent(shown);
    Printer()->EndDoc();
}

// ---- series --------------------------------------------------------------------------------------

int TCustomAxisPanel::SeriesCount() const {
    return FSeriesList ? FSeriesList->Count() : 0;
}

TChartSeries* TCustomAxisPanel::GetSeries(int Index) const {
    return FSeriesList->Get(Index);
}

int TCustomAxisPanel::CountActiveSeries() const {
    int n = 0;
    for (int i = 0; i < SeriesCount(); ++i)
        if (GetSeries(i)->Active()) ++n;
    return n;
}

TChartSeries* TCustomAxisPanel::AddSeries(TChartSeries* ASeries) {
    if (!ASeries) return nullptr;
    if (ASeries->ParentChart() != this) {
        ASeries->SetParentChart(this);
        return ASeries;
    }
    if (FSeriesList->IndexOf(ASeries) >= 0) return ASeries;
    FSeriesList->Add(ASeries);
    ASeries->Added();
    BroadcastSeriesEvent(ASeries, seAdd);
    if (OnAddSeries) OnAddSeries(ASeries);
    Invalidate();
    return ASeries;
}

TChartSeries* TCustomAxisPanel::AddSeries(TClass SeriesClass) {
    if (!SeriesClass || !SeriesClass->CreateComponent) return nullptr;
    TObject* made = SeriesClass->CreateComponent(Owner());
    auto* series = dynamic_cast<TChartSeries*>(made);
    if (!series) {
        delete made;
        return nullptr;
    }
    return AddSeries(series);
}

void TCustomAxisPanel::RemoveSeries(TChartSeries* ASeries) {
    if (!ASeries || !FSeriesList) return;
    RemoveSeries(FSeriesList->IndexOf(ASeries));
}

void TCustomAxisPanel::RemoveSeries(int SeriesIndex) {
    if (SeriesIndex < 0 || SeriesIndex >= SeriesCount()) return;
    TChartSeries* series = GetSeries(SeriesIndex);
    // The listeners still find the series in the list.
    BroadcastSeriesEvent(series, seRemove);
    series->Removed();
    FSeriesList->Remove(series);
    if (OnRemoveSeries) OnRemoveSeries(series);
    Invalidate();
}

void TCustomAxisPanel::RemoveAllSeries() {
    while (SeriesCount() > 0)
        GetSeries(0)->SetParentChart(nullptr);
}

void TCustomAxisPanel::FreeAllSeries(TClass SeriesClass) {
    for (int i = SeriesCount() - 1; i >= 0; --i) {
        if (i >= SeriesCount()) continue;
        TChartSeries* s = GetSeries(i);
        if (!SeriesClass || s->InheritsFrom(SeriesClass)) delete s;
    }
}

void TCustomAxisPanel::ExchangeSeries(int a, int b) {
    if (a < 0 || b < 0 || a >= SeriesCount() || b >= SeriesCount() || a == b) return;
    FSeriesList->Exchange(a, b);
    BroadcastSeriesEvent(nullptr, seSwap);
    Invalidate();
}

void TCustomAxisPanel::ExchangeSeries(TCustomChartSeries* a, TCustomChartSeries* b) {
    ExchangeSeries(FSeriesList->IndexOf(a), FSeriesList->IndexOf(b));
}

TColor TCustomAxisPanel::GetDefaultColor(int Index) {
    if (ColorPalette.empty()) return ::GetDefaultColor(Index);
    const int n = int(ColorPalette.size());
    return ColorPalette[size_t(((Index % n) + n) % n)];
}

TColor TCustomAxisPanel::GetFreeSeriesColor(bool CheckBackground, TChartSeries* Series) {
    const int high = (ColorPalette.empty() ? int(TeeDefaultPalette.size()) : int(ColorPalette.size())) - 1;
    for (int i = 0; i < high; ++i) {
        const TColor c = GetDefaultColor(i);
        if (IsFreeSeriesColor(c, CheckBackground, Series)) return c;
    }
    return GetDefaultColor(high);
}

void TCustomAxisPanel::BroadcastSeriesEvent(TCustomChartSeries* ASeries, TChartSeriesEvent Event) {
    if (DoNotBroadcast) return;
    TTeeSeriesEvent e;
    e.Event = Event;
    e.Series = ASeries;
    BroadcastTeeEvent(&e);
}

void TCustomAxisPanel::BroadcastToolEvent(TChartToolEvent AEvent) {
    for (int i = 0; i < FTools->Count(); ++i) {
        TTeeCustomTool* tool = FTools->Get(i);
        if (tool->Active()) tool->ChartEvent(AEvent);
    }
}

void TCustomAxisPanel::BroadcastSeriesToolEvent(TChartSeries* ASeries, TChartToolEvent AEvent) {
    for (int i = 0; i < FTools->Count(); ++i) {
        auto* tool = dynamic_cast<TTeeCustomToolSeries*>(FTools->Get(i));
        if (tool && tool->Active() && tool->Series() == ASeries) tool->SeriesEvent(AEvent);
    }
}

void TCustomAxisPanel::AxisFreed(TChartAxis* Axis) {
    if (!FTools) return;
    for (int i = 0; i < FTools->Count(); ++i)
        if (auto* tool = dynamic_cast<TTeeCustomToolAxis*>(FTools->Get(i))) tool->AxisFreed(Axis);
}

void TCustomAxisPanel::GetChildren(TGetChildProc Proc, TComponent* Root) {
    TCustomTeePanelExtended::GetChildren(Proc, Root);
    for (int i = 0; i < SeriesCount(); ++i)
        if (!GetSeries(i)->DontSerialize()) Proc(GetSeries(i));
    for (int i = 0; i < FTools->Count(); ++i)
        Proc(FTools->Get(i));
}

void TCustomAxisPanel::WndProc(TMessage& Message) {
    TCustomTeePanelExtended::WndProc(Message);
    if (Message.Msg == CM_MOUSELEAVE) BroadcastToolEvent(cteMouseLeave);
}

void TCustomAxisPanel::BroadcastTeeEventClass(TClass EventClass) {
    if (!EventClass || !EventClass->CreatePlain) return;
    TObject* made = EventClass->CreatePlain();
    if (auto* e = dynamic_cast<TTeeEvent*>(made)) BroadcastTeeEvent(e);
    delete made;
}

bool TCustomAxisPanel::CheckOtherSeries(TChartSeries* Dest, TChartSeries* Source) {
    if (!Dest || !Source) return false;
    // Every source of every series Source reads from, each visited once: a loop through any
    // of them is found, and a loop that does not pass through Dest ends.
    std::vector<TChartSeries*> pending{Source};
    std::vector<TChartSeries*> visited;
    while (!pending.empty()) {
        TChartSeries* s = pending.back();
        pending.pop_back();
        if (std::find(visited.begin(), visited.end(), s) != visited.end()) continue;
        visited.push_back(s);
        TDataSourcesList* sources = s->DataSources();
        for (int i = 0; i < sources->Count(); ++i) {
            auto* from = dynamic_cast<TChartSeries*>(sources->Get(i));
            if (!from) continue;
            if (from == Dest) throw ChartException(TeeMsg_CircularSeries);
            pending.push_back(from);
        }
    }
    return false;
}

bool TCustomAxisPanel::CheckMouseSeries(int X, int Y) {
    bool result = false;
    for (int i = SeriesCount() - 1; i >= 0; --i) {
        TChartSeries* s = GetSeries(i);
        if (s->Active() && s->CheckMouse(X, Y)) result = true;
    }
    return result;
}

void TCustomAxisPanel::ColorPaletteChanged() {
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = GetSeries(i);
        if (s->Color() == clTeeColor) s->ChangeInternalColor(GetFreeSeriesColor(true, s));
    }
}

// ---- axis queries --------------------------------------------------------------------------------

bool TCustomAxisPanel::CalcIsAxisVisible(TChartAxis* Axis) {
    if (!FAxisVisible || !Axis->Visible()) return false;
    if (Axis->IsDepthAxis()) return View3D();
    return HasActiveSeries(Axis, true);
}

bool TCustomAxisPanel::HasActiveSeries(TChartAxis* Axis, bool Default) {
    bool result = Default;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = GetSeries(i);
        if (!s->Active()) continue;
        if (!s->UseAxis()) return false;
        result = s->AssociatedToAxis(Axis);
        if (result) return true;
    }
    return result;
}

bool TCustomAxisPanel::NoActiveSeries(TChartAxis* Axis) {
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = GetSeries(i);
        if (s->Active() && s->AssociatedToAxis(Axis)) return false;
    }
    return true;
}

TChartSeries* TCustomAxisPanel::GetAxisSeries(TChartAxis* Axis) {
    const bool anyActive = !NoActiveSeries(Axis);
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = GetSeries(i);
        if ((s->Active() || !anyActive) && s->AssociatedToAxis(Axis)) return s;
    }
    return nullptr;
}

TChartSeries* TCustomAxisPanel::GetAxisSeriesMaxPoints(TChartAxis* Axis) {
    const bool anyActive = !NoActiveSeries(Axis);
    TChartSeries* result = nullptr;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = GetSeries(i);
        if ((s->Active() || !anyActive) && s->AssociatedToAxis(Axis) &&
            (!result || s->Count() > result->Count()))
            result = s;
    }
    return result;
}

int TCustomAxisPanel::GetMaxValuesCount() {
    int result = 0;
    for (int i = 0; i < SeriesCount(); ++i)
        if (GetSeries(i)->Active()) result = std::max(result, GetSeries(i)->Count());
    return result;
}

double TCustomAxisPanel::InternalMinMax(TChartAxis* AAxis, bool IsMin, bool IsX) {
    if (AAxis->IsDepthAxis()) {
        if (AAxis->CalcLabelStyle() == talValue) {
            bool first = true;
            double result = 0;
            for (int i = 0; i < SeriesCount(); ++i) {
                TChartSeries* s = GetSeries(i);
                if (!s->Active()) continue;
                const double v = IsMin ? s->MinZValue() : s->MaxZValue();
                if (first || (IsMin ? v < result : v > result)) result = v;
                first = false;
            }
            return result;
        }
        return IsMin ? -0.5 : FMaxZOrder + 0.5;
    }

    TChartSeries* s = GetAxisSeries(AAxis);
    const bool ordered = (!s || s->YMandatory()) ? IsX : !IsX;
    const int perPage = FPage->MaxPointsPerPage();
    if (perPage > 0 && ordered) {
        TChartSeries* s2 = GetAxisSeriesMaxPoints(AAxis);
        if (!s2 || s2->Count() == 0) return 0;
        int first = 0;
        int last = 0;
        s2->CalcFirstLastPage(first, last);
        if (first < 0 || last < first || last >= s2->Count()) return 0;
        TChartValueList* v = IsX ? s2->XValues() : s2->YValues();
        if (IsMin) return v->Value(first);
        const int n = last - first + 1;
        if (!FPage->ScaleLastPage() && n < perPage) {
            const double a = v->Value(first);
            if (v->Value(last) == a) return a + double(perPage) / n;
            return a + (v->Value(last) - a) * perPage / n;
        }
        return v->Value(last);
    }

    const bool anyActive = !NoActiveSeries(AAxis);
    bool first = true;
    double result = 0;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* t = GetSeries(i);
        if (t->Count() == 0 || !(t->Active() || !anyActive)) continue;
        const bool bound = IsX ? (t->HorizAxis() == aBothHorizAxis || t->GetHorizAxis() == AAxis)
                               : (t->VertAxis() == aBothVertAxis || t->GetVertAxis() == AAxis);
        if (!bound) continue;
        double v;
        if (perPage > 0 && FPage->AutoScale()) {
            const int from = FPage->FirstValueIndex();
            const int to = std::min(from + perPage, t->Count()) - 1;
            if (from > to) continue;
            TChartValueList* list = IsX ? t->XValues() : t->YValues();
            v = list->Value(from);
            for (int k = from + 1; k <= to; ++k)
                v = IsMin ? std::min(v, list->Value(k)) : std::max(v, list->Value(k));
        } else {
            v = IsX ? (IsMin ? t->MinXValue() : t->MaxXValue()) : (IsMin ? t->MinYValue() : t->MaxYValue());
        }
        if (first || (IsMin ? v < result : v > result)) result = v;
        first = false;
    }
    return result;
}

int TCustomAxisPanel::MultiLineTextWidth(const String& S, int& NumLines) {
    NumLines = 0;
    if (S.isEmpty()) return 0;
    const QStringList parts = S.split(QChar(TeeLineSeparator));
    int result = 0;
    for (const String& part : parts)
        result = std::max(result, Canvas()->TextWidth(part));
    NumLines = int(parts.size()) - (parts.last().isEmpty() ? 1 : 0);
    return result;
}

int TCustomAxisPanel::MaxTextWidth() {
    int result = 0;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = GetSeries(i);
        for (int k = 0; k < s->Labels()->Count(); ++k) {
            int lines = 0;
            result = std::max(result, MultiLineTextWidth(s->Labels()->Label(k), lines));
        }
    }
    return result;
}

int TCustomAxisPanel::MaxMarkWidth() {
    int result = 0;
    for (int i = 0; i < SeriesCount(); ++i)
        if (GetSeries(i)->Active()) result = std::max(result, GetSeries(i)->MaxMarkWidth());
    return result;
}

TChartSeries* TCustomAxisPanel::SeriesLegend(int ItemIndex, bool OnlyActive) {
    int n = 0;
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* s = GetSeries(i);
        if (!s->ShowInLegend() || (OnlyActive && !s->Active())) continue;
        if (n == ItemIndex) return s;
        ++n;
    }
    return nullptr;
}

String TCustomAxisPanel::SeriesTitleLegend(int SeriesIndex, bool OnlyActive) {
    TChartSeries* s = SeriesLegend(SeriesIndex, OnlyActive);
    if (!s) return String();
    return s->Title().isEmpty() ? s->Name() : s->Title();
}

void TCustomAxisPanel::CalcSize3DWalls() {
    if (!View3D()) {
        FSeriesWidth3D = 0;
        FSeriesHeight3D = 0;
        SetWidth3D(0);
        SetHeight3D(0);
        return;
    }
    double f = F3DPercent * 0.001;
    if (!View3DOptions()->Orthogonal()) f *= 2;
    FSeriesWidth3D = CheckedInt(Round(ChartWidth() * f));
    const double r = View3DOptions()->CalcOrthoRatio();
    if (r > 1) FSeriesWidth3D = CheckedInt(Round(FSeriesWidth3D / r));
    FSeriesHeight3D = CheckedInt(Round(FSeriesWidth3D * r));
    const int slotCount = ApplyZOrder() ? std::max(1, FMaxZOrder + 1) : 1;
    SetWidth3D(FSeriesWidth3D * slotCount);
    SetHeight3D(FSeriesHeight3D * slotCount);
}

void TCustomAxisPanel::CalcInvertedRotation() {
    InvertedRotation = false;
    if (!View3D()) return;
    TView3DOptions* v = View3DOptions();
    if (v->Orthogonal())
        InvertedRotation = v->OrthoAngle() > 90;
    else
        InvertedRotation = v->Rotation() < 180;
}
