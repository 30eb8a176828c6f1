// Tool bases, the chart's tool list, series sources and the series helpers of the editors.
#include "chart/engine/chart/TeeTools.h"

#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ResStrings.h"
#include "platform/win/MessageBox.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TTeeCustomDesigner, TObject)
ORVO_IMPLEMENT_CLASS(TTeeCustomTool, TCustomChartElement)
ORVO_IMPLEMENT_CLASS(TTeeCustomToolSeries, TTeeCustomTool)
ORVO_IMPLEMENT_CLASS(TTeeCustomToolAxis, TTeeCustomTool)
ORVO_IMPLEMENT_CLASS(TTeeSeriesSource, TComponent)
ORVO_IMPLEMENT_ENUM_TYPE(TSourceLoadMode, "lmClear", "lmAppend")

// ---- tool list -----------------------------------------------------------------------------------

TChartTools::~TChartTools() {
    Clear();
}

TTeeCustomTool* TChartTools::Get(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[size_t(Index)] : nullptr;
}

int TChartTools::IndexOf(const TTeeCustomTool* Tool) const {
    auto it = std::find(FItems.begin(), FItems.end(), Tool);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TChartTools::InternalAdd(TTeeCustomTool* Tool) {
    if (Tool && IndexOf(Tool) < 0) FItems.push_back(Tool);
}

TTeeCustomTool* TChartTools::Add(TTeeCustomTool* Tool) {
    if (!Tool) return nullptr;
    if (FOwner)
        Tool->SetParentChart(FOwner);
    else
        InternalAdd(Tool);
    return Tool;
}

TTeeCustomTool* TChartTools::Add(TClass ToolClass) {
    if (!ToolClass || !ToolClass->CreateComponent || !ToolClass->InheritsFrom(TTeeCustomTool::StaticClass()))
        return nullptr;
    auto* tool = static_cast<TTeeCustomTool*>(ToolClass->CreateComponent(FOwner));
    return Add(tool);
}

void TChartTools::Remove(TTeeCustomTool* Tool) {
    auto it = std::find(FItems.begin(), FItems.end(), Tool);
    if (it != FItems.end()) FItems.erase(it);
}

void TChartTools::Exchange(int Index1, int Index2) {
    for (int index : {Index1, Index2})
        if (index < 0 || index >= Count()) throw EListError::CreateResFmt(&SListIndexError, {index});
    std::swap(FItems[size_t(Index1)], FItems[size_t(Index2)]);
}

void TChartTools::Clear() {
    // Each tool leaves the list as it is freed; one that does not is taken out here.
    while (!FItems.empty()) {
        TTeeCustomTool* tool = FItems.front();
        FreeObject(tool);
        Remove(tool);
    }
}

void TChartTools::SetActive(bool Value) {
    for (TTeeCustomTool* tool : std::vector<TTeeCustomTool*>(FItems))
        tool->SetActive(Value);
}

// ---- tool ----------------------------------------------------------------------------------------

TTeeCustomTool::TTeeCustomTool(TComponent* AOwner) : TCustomChartElement(AOwner) {}

TTeeCustomTool::~TTeeCustomTool() {
    if (FParent && FParent->Tools()) FParent->Tools()->Remove(this);
    FParent = nullptr;
}

void TTeeCustomTool::SetParentChart(TCustomAxisPanel* Value) {
    if (FParent == Value) return;
    if (FParent) {
        if (FParent->Tools()) FParent->Tools()->Remove(this);
        if (!Value) FParent->Invalidate();
    }
    TCustomChartElement::SetParentChart(Value);
    if (Value && Value->Tools()) Value->Tools()->InternalAdd(this);
}

void TTeeCustomTool::ChartEvent(TChartToolEvent) {}
void TTeeCustomTool::ChartMouseEvent(TChartMouseEvent, TMouseButton, TShiftState, int, int) {}
void TTeeCustomTool::SeriesEvent(TChartToolEvent) {}
void TTeeCustomTool::WheelMouseEvent(TWheelMouseEvent, int, int, int) {}

String TTeeCustomTool::Description() {
    return String();
}

String TTeeCustomTool::LongDescription() {
    return String();
}

// ---- series tool ---------------------------------------------------------------------------------

TTeeCustomToolSeries::~TTeeCustomToolSeries() {
    if (FSeries) FSeries->RemoveFreeNotification(this);
    FSeries = nullptr;
}

void TTeeCustomToolSeries::SetSeries(TChartSeries* Value) {
    if (FSeries == Value) return;
    if (FSeries) FSeries->RemoveFreeNotification(this);
    FSeries = Value;
    if (FSeries) FSeries->FreeNotification(this);
}

void TTeeCustomToolSeries::Notification(TComponent* AComponent, TOperation Operation) {
    TTeeCustomTool::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSeries) SetSeries(nullptr);
}

void TTeeCustomToolSeries::Assign(TPersistent* Source) {
    // Through SetSeries, so that the copy watches the series too.
    if (auto* src = dynamic_cast<TTeeCustomToolSeries*>(Source)) SetSeries(src->FSeries);
    TTeeCustomTool::Assign(Source);
}

String TTeeCustomToolSeries::GetEditorClass() {
    return QStringLiteral("TSeriesToolEditor");
}

namespace {
// Without a series: the other-side axis when only it has active series, else the main axis.
TChartAxis* AxisInUse(TCustomAxisPanel* Chart, TChartAxis* Main, TChartAxis* Other) {
    if (!Chart) return nullptr;
    return !Chart->HasActiveSeries(Main, false) && Chart->HasActiveSeries(Other, false) ? Other : Main;
}

// A stream naming an axis the chart does not have.
String BadAxisID(TComponent* Tool, int Index) {
    return Format(QStringLiteral("%s: the chart has no axis number %d"), {Tool->Name(), Index});
}
} // namespace

TChartAxis* TTeeCustomToolSeries::GetHorizAxis() const {
    if (FSeries) return FSeries->GetHorizAxis();
    return FParent ? AxisInUse(FParent, FParent->BottomAxis(), FParent->TopAxis()) : nullptr;
}

TChartAxis* TTeeCustomToolSeries::GetVertAxis() const {
    if (FSeries) return FSeries->GetVertAxis();
    return FParent ? AxisInUse(FParent, FParent->LeftAxis(), FParent->RightAxis()) : nullptr;
}

// ---- axis tool -----------------------------------------------------------------------------------

void TTeeCustomToolAxis::SetAxis(TChartAxis* Value) {
    if (FAxis == Value) return;
    FAxis = Value;
    FPendingAxisID = -1;
    SetParentChart(Value ? Value->ParentChart() : nullptr);
    Repaint();
}

void TTeeCustomToolAxis::AxisFreed(TChartAxis* AAxis) {
    if (FAxis == AAxis && AAxis) FAxis = nullptr;
}

void TTeeCustomToolAxis::Assign(TPersistent* Source) {
    if (auto* src = dynamic_cast<TTeeCustomToolAxis*>(Source)) SetAxis(src->FAxis);
    TTeeCustomTool::Assign(Source);
}

String TTeeCustomToolAxis::GetEditorClass() {
    return QStringLiteral("TAxisToolEditor");
}

void TTeeCustomToolAxis::DefineProperties(TFiler* Filer) {
    TTeeCustomTool::DefineProperties(Filer);
    Filer->DefineProperty(QStringLiteral("AxisID"), TReaderProc(this, &TTeeCustomToolAxis::ReadAxis),
                          TWriterProc(this, &TTeeCustomToolAxis::WriteAxis),
                          FAxis && FParent && FParent->Axes()->IndexOf(FAxis) >= 0);
}

void TTeeCustomToolAxis::ReadAxis(TReader* Reader) {
    const int index = Reader->ReadInteger();
    if (index < 0) throw ChartException(BadAxisID(this, index));
    TChartAxis* axis = FParent ? FParent->Axes()->Get(index) : nullptr;
    if (axis) {
        SetAxis(axis);
        return;
    }
    // Custom axes may come later in the stream than the tool: try again once loading ends.
    FPendingAxisID = index;
}

void TTeeCustomToolAxis::WriteAxis(TWriter* Writer) {
    Writer->WriteInteger(FParent->Axes()->IndexOf(FAxis));
}

void TTeeCustomToolAxis::Loaded() {
    TTeeCustomTool::Loaded();
    if (FPendingAxisID < 0) return;
    const int index = FPendingAxisID;
    FPendingAxisID = -1;
    TChartAxis* axis = FParent ? FParent->Axes()->Get(index) : nullptr;
    if (!axis) throw ChartException(BadAxisID(this, index));
    SetAxis(axis);
}

// ---- series source -------------------------------------------------------------------------------

TTeeSeriesSource::~TTeeSeriesSource() {
    Close();
    if (FSeries) FSeries->RemoveFreeNotification(this);
    FSeries = nullptr;
}

void TTeeSeriesSource::SetActive(bool Value) {
    if (FActive == Value) return;
    if (FSeries) {
        if (Value) {
            if (!ComponentState().Contains(csLoading)) Load();
        } else if (FLoadMode == lmClear && !ComponentState().Contains(csDestroying) &&
                   !FSeries->ComponentState().Contains(csDestroying)) {
            FSeries->Clear();
        }
    }
    FActive = Value;
}

bool TTeeSeriesSource::Available(TComponent*) {
    return true;
}

String TTeeSeriesSource::Description() {
    return String();
}

TClass TTeeSeriesSource::Editor() {
    return nullptr;
}

bool TTeeSeriesSource::HasNew() {
    return false;
}

bool TTeeSeriesSource::HasSeries(TChartSeries* ASeries) {
    TComponent* source = ASeries ? ASeries->DataSource() : nullptr;
    return source && source->ClassName() == ClassName();
}

void TTeeSeriesSource::Close() {
    if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csDestroying)) SetActive(false);
}

void TTeeSeriesSource::Load() {}

void TTeeSeriesSource::Open() {
    SetActive(true);
}

void TTeeSeriesSource::SetSeries(TChartSeries* Value) {
    if (FSeries == Value) return;
    Close();
    TChartSeries* old = FSeries;
    if (old) old->RemoveFreeNotification(this);
    FSeries = Value;
    if (FSeries) {
        FSeries->FreeNotification(this);
        FSeries->SetDataSource(this);
    } else if (old && old->DataSource() == this) {
        old->SetDataSource(nullptr);
    }
}

void TTeeSeriesSource::Refresh() {
    if (FActive && !ComponentState().Contains(csLoading)) Load();
}

void TTeeSeriesSource::Loaded() {
    TComponent::Loaded();
    Refresh();
}

void TTeeSeriesSource::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSeries) FSeries = nullptr;
}

std::vector<TClass>& TeeSources() {
    static std::vector<TClass> sources;
    return sources;
}

// ---- editor helpers ------------------------------------------------------------------------------

String SeriesTitleOrName(TCustomChartSeries* Series) {
    String result = Series->Title();
    result.replace(TeeColumnSeparator, QLatin1Char(' '));
    if (result.isEmpty()) result = TChartSeries::SeriesNameOrIndex(Series);
    return result;
}

void FillSeriesItems(TStrings* Items, TCustomSeriesList* List, bool UseTitles) {
    Items->BeginUpdate();
    try {
        for (int i = 0; i < List->Count(); ++i) {
            TChartSeries* s = List->Get(i);
            const bool designed = s->ComponentState().Contains(csDesigning) && !s->DontSerialize();
            if (!designed && !s->ShowInEditor()) continue;
            Items->AddObject(UseTitles ? SeriesTitleOrName(s) : s->Name(), s);
        }
    } catch (...) {
        Items->EndUpdate();
        throw;
    }
    Items->EndUpdate();
}

void ShowMessageUser(const String& Text) {
    MessageBox(nullptr, Text, String(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}
