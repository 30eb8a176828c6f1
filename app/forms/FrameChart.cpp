#include "app/forms/FrameChart.h"

#include "chart/editor/EditChart.h"

#include "app/MapFile.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartWalls.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/series/SeriesPointer.h"
#include "controls/XcComCtrls.h"
#include "controls/XcControls.h"
#include "controls/XcSwitch.h"
#include "device/AppMessage.h"
#include "device/OrvoTuningDevice.h"
#include "i18n/Gettext.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/controls/Button.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"
#include "platform/rtl/FloatText.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_CLASS(TFrameChart, TFrame)

ORVO_PUBLISHED(TFrameChart) {
    P.Field("BaseSplitter1", &TFrameChart::BaseSplitter1);
    P.Field("Splitter1", &TFrameChart::Splitter1);
    P.Field("ChartGrid1", &TFrameChart::ResourceGrid);
    P.Field("PageControl1", &TFrameChart::PageControl1);
    P.Field("TabSheet1", &TFrameChart::TabSheet1);
    P.Field("XcTabControl1", &TFrameChart::XcTabControl1);
    P.Field("Chart1", &TFrameChart::Chart1);
    P.Field("Series1", &TFrameChart::Series1);
    P.Field("TabSheet2", &TFrameChart::TabSheet2);
    P.Field("XcTabControl2", &TFrameChart::XcTabControl2);
    P.Field("Chart2", &TFrameChart::Chart2);
    P.Field("Series2", &TFrameChart::Series2);
    P.Field("Panel2", &TFrameChart::Panel2);
    P.Field("btnRead", &TFrameChart::btnRead);
    P.Field("btnSend", &TFrameChart::btnSend);
    P.Field("btnLoad", &TFrameChart::btnLoad);
    P.Field("btnSave", &TFrameChart::btnSave);
    P.Field("btnClear", &TFrameChart::btnClear);
    P.Field("btnPressure", &TFrameChart::btnPressure);
    P.Field("btnEdit", &TFrameChart::btnEdit);
    P.Field("XcSwitch1", &TFrameChart::XcSwitch1);
    P.Field("SaveDialog1", &TFrameChart::SaveDialog1);
    P.Field("OpenDialog1", &TFrameChart::OpenDialog1);
    P.Field("VoltageValuesTimer", &TFrameChart::VoltageValuesTimer);
    P.Field("UpdateTimer", &TFrameChart::UpdateTimer);
    P.Method("btnSendClick", &TFrameChart::btnSendClick);
    P.Method("btnReadClick", &TFrameChart::btnReadClick);
    P.Method("btnLoadClick", &TFrameChart::btnLoadClick);
    P.Method("btnSaveClick", &TFrameChart::btnSaveClick);
    P.Method("btnClearClick", &TFrameChart::btnClearClick);
    P.Method("btnPressureClick", &TFrameChart::btnPressureClick);
    P.Method("btnEditClick", &TFrameChart::btnEditClick);
    P.Method("XcSwitch1On", &TFrameChart::XcSwitch1On);
    P.Method("XcSwitch1Off", &TFrameChart::XcSwitch1Off);
    P.Method("XcTabControl1Change", &TFrameChart::XcTabControl1Change);
    P.Method("XcTabControl2Change", &TFrameChart::XcTabControl2Change);
    P.Method("OnVoltageValuesTimer", &TFrameChart::OnVoltageValuesTimer);
    P.Method("OnUpdateTimer", &TFrameChart::OnUpdateTimer);
    P.Method("PageControl1Change", &TFrameChart::PageControl1Change);
    P.Method("FrameResize", &TFrameChart::FrameResize);
    P.Method("Chart1Zoom", &TFrameChart::Chart1Zoom);
    P.Method("Series1AfterDrawValues", &TFrameChart::Series1AfterDrawValues);
    P.Method("Chart1MouseDown", &TFrameChart::Chart1MouseDown);
    P.Method("Chart1MouseMove", &TFrameChart::Chart1MouseMove);
    P.Method("Chart1MouseUp", &TFrameChart::Chart1MouseUp);
    P.Method("Chart1AfterDraw", &TFrameChart::Chart1AfterDraw);
    P.Method("ChartGrid1KeyDown", &TFrameChart::ChartGrid1KeyDown);
    P.Method("ChartGrid1KeyUp", &TFrameChart::ChartGrid1KeyUp);
    P.Method("ChartGrid1SetEditText", &TFrameChart::ChartGrid1SetEditText);
    P.Method("OnAcKeyUp", &TFrameChart::OnAcKeyUp);
    P.Method("OnAcKeyDown", &TFrameChart::OnAcKeyDown);
    P.Method("OnAcMouseUp", &TFrameChart::OnAcMouseUp);
}

namespace {

constexpr TColor kRed = 0x000000FF;
constexpr TColor kGreen = 0x00008000;
constexpr TColor kBlue = 0x00FF0000;
constexpr int kHandCursor = 2020;

String NotFoundText() {
    return gettext(QStringLiteral("ORVO Tuning not found!\nPlease restart application."));
}
void ShowMessageText(const char* text) {
    ShowAppMessage(gettext(QString::fromUtf8(text)), 0);
}

// The main window as the editor's host.
class TMainWindowEditorHost : public IChartEditorHost {
public:
    int ConnectionState() override { return ChipTuningForm ? ChipTuningForm->ConnectionState : Disconnected; }
    void SetConnectionState(int State) override {
        if (ChipTuningForm) ChipTuningForm->SetConnectionState(State);
    }
    TOrvoTuningDevice* CurrentDevice() override {
        return ChipTuningForm ? ChipTuningForm->CurrentDevice : nullptr;
    }
};

// A channel's view of the line series of its chart.
class TChartCurveSeries : public ICurveSeries {
public:
    TChartCurveSeries(TChartSeries* series, TChart* chart) : series_(series), chart_(chart) {}
    void Clear() override { series_->Clear(); }
    void AddXY(double x, double y) override { series_->AddXY(x, y, String(), clTeeColor); }
    int Count() const override { return series_->Count(); }
    double XValue(int index) const override { return series_->XValues()->Value(index); }
    double YValue(int index) const override { return series_->YValues()->Value(index); }
    int CalcXPosValue(double x) const override { return series_->CalcXPosValue(x); }
    int CalcYPosValue(double y) const override { return series_->CalcYPosValue(y); }
    void RefreshSeries() override { series_->RefreshSeries(); }
    void Repaint() override { series_->Repaint(); }
    TCanvas* ChartCanvas() const override {
        return chart_->Canvas() ? chart_->Canvas()->ReferenceCanvas() : nullptr;
    }

private:
    TChartSeries* series_;
    TChart* chart_;
};

bool IsLinked(int state) {
    return state == Opened || state == Connected;
}

} // namespace

// ---- construction -----------------------------------------------------------------------

TFrameChart::TFrameChart(TComponent* AOwner) : TFrame(AOwner) {}

TFrameChart::~TFrameChart() {
    // The timers go first: nothing may tick into a half-destroyed editor.
    if (VoltageValuesTimer) VoltageValuesTimer->SetEnabled(false);
    if (UpdateTimer) UpdateTimer->SetEnabled(false);
    for (CVoltageChannel* channel : channels)
        delete channel;
    channels.clear();
}

void TFrameChart::AfterConstruction() {
    TFrame::AfterConstruction();
    if (FBuilt) return;
    FBuilt = true;
    BuildAtRunTime();
}

IChartEditorHost* TFrameChart::Host() {
    static TMainWindowEditorHost mainWindow;
    return FHost ? FHost : &mainWindow;
}

void TFrameChart::BuildAtRunTime() {
    channels.clear();
    // The resource's grid gives way to the curve editor's own.
    if (ResourceGrid) ResourceGrid->SetParent(nullptr);
    FreeObject(ResourceGrid);
    ResourceGrid = nullptr;
    ChartGrid1 = TChipTuningChartGrid::CreateParented(this);
    ChartGrid1->SetName(QStringLiteral("MyChartGrid"));
    ChartGrid1->SetBounds(260, 0, 191, 257);
    ChartGrid1->SetAlign(alRight);
    ChartGrid1->SetBorderStyle(bsNone);
    ChartGrid1->SetColor(clBlack);
    ChartGrid1->SetCtl3D(true);
    ChartGrid1->SetParentCtl3D(false);
    ChartGrid1->SetDefaultColWidth(80);
    ChartGrid1->SetFixedColor(TColor(0x00FFFBF0));
    ChartGrid1->SetOptions(TGridOptions{goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
                                        goRowSizing, goColSizing, goEditing, goTabs, goThumbTracking});
    ChartGrid1->SetTabOrder(0);
    ChartGrid1->OnKeyDown = TKeyEvent(this, &TFrameChart::ChartGrid1KeyDown);
    ChartGrid1->OnKeyUp = TKeyEvent(this, &TFrameChart::ChartGrid1KeyUp);
    ChartGrid1->OnSetEditText = TSetEditEvent(this, &TFrameChart::ChartGrid1SetEditText);
    // The grid is widened by its scroll bar whenever the bar comes or goes (a 512-point
    // curve brings it long after the frame last resized), not only when the frame resizes.
    ChartGrid1->OnScrollBarsChange = TNotifyEvent(this, &TFrameChart::FrameResize);
    ChartGrid1->SetShowXValues(cgsNo);
    ChartGrid1->SetShowLabels(false);
    ChartGrid1->SetShowFields(false);
    ChartGrid1->SetParentFont(false);
    ChartGrid1->Font()->Assign(Font());
    ChartGrid1->Font()->SetSize(9);

    // Channel 1's chart has a shaded back wall.
    Chart1->BackWall()->SetTransparent(false);
    Chart1->BackWall()->Gradient()->SetVisible(true);
    Chart1->BackWall()->Gradient()->SetEndColor(TColor(0x00CAFFFF));
    Chart1->BackWall()->Gradient()->SetStartColor(TColor(0x00FEDADF));
    for (TChart* chart : {Chart1, Chart2}) {
        TChartAxis* left = chart->LeftAxis();
        left->SetAutomatic(false);
        left->SetMinMax(CorrectionMin, CorrectionMax);
        left->Title()->SetCaption(gettext(QStringLiteral("Output correction +/- [V]")));
        left->Grid()->SetSmallDots(true);
        TChartAxis* bottom = chart->BottomAxis();
        bottom->SetAutomatic(false);
        bottom->SetMinMax(OutputMin, OutputMax);
        bottom->SetDesiredIncrement(0.1);
        bottom->Title()->SetCaption(gettext(QStringLiteral("Input [V]")));
        bottom->Grid()->SetSmallDots(true);
        chart->SetView3D(false);
        // Panning is undone as zooming is: the clamps and the user see the same ranges.
        chart->OnScroll = TNotifyEvent(this, &TFrameChart::Chart1Zoom);
    }
    SetupCurveSeries(Series1, kRed);
    SetupCurveSeries(Series2, kGreen);
    dragTool1 = NewDragTool(Chart1, Series1);
    dragTool2 = NewDragTool(Chart2, Series2);

    ChartGrid1->SetSeries(Series1);
    FTabs1Proc = XcTabControl1->WindowProc;
    XcTabControl1->WindowProc = TWndMethod(this, &TFrameChart::Tabs1WindowProc);
    FTabs2Proc = XcTabControl2->WindowProc;
    XcTabControl2->WindowProc = TWndMethod(this, &TFrameChart::Tabs2WindowProc);
    shiftDown = ctrlDown = altDown = false;

    cursorTool1 = NewCursorTool(Chart1);
    cursorTool2 = NewCursorTool(Chart2);
    // The chart editor (Edit) may free the first chart's series and tools: the frame lets go
    // of them when it does.
    for (TComponent* part : std::initializer_list<TComponent*>{Series1, dragTool1, cursorTool1})
        part->FreeNotification(this);

    modified = false;
    failedReads = 0;
    ResetDragRect();

    FCurveSeries.push_back(std::make_unique<TChartCurveSeries>(Series1, Chart1));
    FCurveSeries.push_back(std::make_unique<TChartCurveSeries>(Series2, Chart2));
    channels.push_back(new CVoltageChannel(1, FCurveSeries[0].get()));
    channels.push_back(new CVoltageChannel(2, FCurveSeries[1].get()));
    for (CVoltageChannel* channel : channels)
        channel->ResetPoints();
    RefreshGrid();

    TranslateComponent(this);
}

void TFrameChart::SetupCurveSeries(TChartSeries* series, TColor color) {
    series->YValues()->SetName(gettext(QStringLiteral("Output [V]")));
    series->Marks()->SetVisible(true);
    series->Marks()->SetStyle(smsPointIndex);
    series->Marks()->SetTransparent(true);
    series->Marks()->Arrow()->SetVisible(false);
    if (auto* line = dynamic_cast<TLineSeriesClass*>(series)) {
        line->LinePen()->SetWidth(3);
        line->Pointer()->SetStyle(psCircle);
        line->Pointer()->SetHorizSize(7);
        line->Pointer()->SetVertSize(7);
        line->Pointer()->Pen()->SetVisible(false);
    }
    series->SetSeriesColor(color);
    series->SetCursor(TCursor(kHandCursor));
    series->AfterDrawValues = TNotifyEvent(this, &TFrameChart::Series1AfterDrawValues);
}

TDragPointToolClass* TFrameChart::NewDragTool(TChart* chart, TChartSeries* series) {
    auto* tool = new TDragPointToolClass(this);
    tool->SetParentChart(chart);
    tool->SetSeries(series);
    tool->OnDragPoint = TDragPointToolEvent(this, &TFrameChart::OnDragPoint);
    tool->SetDragStyle(dsY);
    return tool;
}

TCursorToolClass* TFrameChart::NewCursorTool(TChart* chart) {
    auto* tool = new TCursorToolClass(chart);
    tool->SetParentChart(chart);
    tool->SetFollowMouse(false);
    tool->SetStyle(cssVertical);
    tool->Pen()->SetWidth(3);
    tool->Pen()->SetColor(kBlue);
    tool->SetClickTolerance(-1);
    tool->SetXValue(0);
    tool->SetActive(true);
    return tool;
}

void TFrameChart::ShowOnlyChannel(int Channel) {
    (Channel == 1 ? TabSheet2 : TabSheet1)->SetTabVisible(false);
    PageControl1->SetActivePage(Channel == 1 ? TabSheet1 : TabSheet2);
    PageControl1Change(PageControl1);
}

// ---- channels and maps --------------------------------------------------------------------

int TFrameChart::ChannelIndex(const CChipTuningChannel* Channel) const {
    for (std::size_t i = 0; i < channels.size(); ++i)
        if (channels[i] == Channel) return int(i);
    return -1;
}

TChartSeries* TFrameChart::SeriesOf(const CChipTuningChannel* Channel) const {
    const int index = ChannelIndex(Channel);
    return index == 0 ? Series1 : index == 1 ? Series2 : nullptr;
}

TChart* TFrameChart::ChartOf(TObject* Sender) const {
    if (Sender && Sender == Chart1) return Chart1;
    if (Sender && Sender == Chart2) return Chart2;
    return nullptr;
}

TXcTabControl* TFrameChart::TabsOfPage(int Page) const {
    return Page == 0 ? XcTabControl1 : XcTabControl2;
}

CChipTuningChannel* TFrameChart::ActiveChannel() {
    const int page = PageControl1 ? PageControl1->ActivePageIndex() : -1;
    return page >= 0 && page < int(channels.size()) ? channels[std::size_t(page)] : nullptr;
}

int TFrameChart::ActiveMap() {
    const int page = PageControl1 ? PageControl1->ActivePageIndex() : -1;
    if (page < 0 || page >= int(channels.size())) return 1;
    const int tab = TabsOfPage(page)->TabIndex();
    return tab >= 0 ? tab + 1 : 1;
}

int TFrameChart::ShownMap(const CChipTuningChannel* Channel) const {
    const int index = ChannelIndex(Channel);
    return index >= 0 ? FShownMap[std::size_t(index)] : 1;
}

void TFrameChart::PullSeriesToChannel(CChipTuningChannel* Channel) {
    const int index = ChannelIndex(Channel);
    if (index < 0) return;
    PullSeriesPoints(*Channel, *FCurveSeries[std::size_t(index)]);
}

void TFrameChart::RefreshGrid() {
    if (!ChartGrid1) return;
    ChartGrid1->RecalcDimensions();
    ChartGrid1->Invalidate();
}

bool TFrameChart::ReadChannelMap(unsigned char Map, CChipTuningChannel* Channel) {
    const int index = ChannelIndex(Channel);
    if (index < 0 || !IsLinked(Host()->ConnectionState())) return false;
    TOrvoTuningDevice* device = Host()->CurrentDevice();
    if (!device) return false;
    std::vector<unsigned char> reply;
    CurvePoints curve;
    // Only a whole map of valid entries is taken: anything else is a failed read, and the
    // chart keeps the curve it shows.
    if (device->ReadMap(std::uint8_t(Channel->channelNumber), Map, &reply) != 0 ||
        !CurveOfMapImage(reply, curve)) {
        ShowMessageText("Read operation failed.");
        return false;
    }
    const bool empty = std::all_of(curve.begin(), curve.end(),
                                   [](std::uint16_t entry) { return entry == 0 || entry == CurveNoPoint; });
    if (empty) {
        // An erased box answers so: the neutral curve.
        Channel->ResetPoints();
    } else {
        Channel->DisplayPoints(curve);
        // The box holds what the chart now shows.
        Channel->points = curve;
        Channel->UpdateSentCopy();
    }
    FShownMap[std::size_t(index)] = Map;
    if (Channel == ActiveChannel()) {
        modified = false;
        ResetDragRect();
    }
    RefreshGrid();
    return true;
}

bool TFrameChart::ReadMapAllChannels(int map) {
    if (Host()->ConnectionState() == Opened) {
        // A new link starts with a clean slate.
        failedReads = 0;
        FSendFailing = false;
    }
    if (!SendPendingEdit()) return false;
    bool all = true;
    for (CVoltageChannel* channel : channels)
        all = ReadChannelMap(std::uint8_t(map), channel) && all;
    return all;
}

bool TFrameChart::SendChannel(CChipTuningChannel* Channel, int Map) {
    TOrvoTuningDevice* device = Host()->CurrentDevice();
    const int result = device ? device->SendMap(std::uint8_t(Channel->channelNumber), std::uint8_t(Map),
                                                MapImageOfCurve(Channel->points))
                              : -1;
    if (result == 0) {
        Channel->UpdateSentCopy();
        FSendFailing = false;
        return true;
    }
    // What the box holds is not known now: the curve counts as unsent until a send succeeds,
    // so the update timer tries again.
    Channel->sentPoints.clear();
    if (!FSendFailing) {
        FSendFailing = true;
        ShowMessageText("Send operation failed!");
    }
    return false;
}

bool TFrameChart::SendPendingEdit() {
    CChipTuningChannel* ch = ActiveChannel();
    if (!ch) return true;
    if (modified) {
        modified = false;
        PullSeriesToChannel(ch);
    }
    // Without a link nothing reads over the edit either; it waits.
    if (!ch->Changed() || !IsLinked(Host()->ConnectionState())) return true;
    if (!SendChannel(ch, ShownMap(ch))) return false;
    UpdateTimer->SetEnabled(false);
    return true;
}

// ---- buttons ------------------------------------------------------------------------------

void TFrameChart::btnSendClick(TObject*) {
    CChipTuningChannel* ch = ActiveChannel();
    if (!ch) return;
    if (Host()->ConnectionState() != Connected) {
        ShowAppMessage(NotFoundText(), 0);
        return;
    }
    PullSeriesToChannel(ch);
    SendChannel(ch, ShownMap(ch));
}

void TFrameChart::btnReadClick(TObject*) {
    CChipTuningChannel* ch = ActiveChannel();
    if (!ch) return;
    if (!SendPendingEdit() || !ReadChannelMap(std::uint8_t(ActiveMap()), ch))
        ShowAppMessage(NotFoundText(), 0);
}

void TFrameChart::btnClearClick(TObject*) {
    CChipTuningChannel* ch = ActiveChannel();
    if (!ch) return;
    ch->ResetPoints();
    FShownMap[std::size_t(ChannelIndex(ch))] = ActiveMap();
    modified = false;
    RefreshGrid();
    btnSendClick(this);
}

bool TFrameChart::GetActiveChannelPoints(CurvePoints& Points) {
    CChipTuningChannel* ch = ActiveChannel();
    if (!ch) return false;
    PullSeriesToChannel(ch);
    Points = ch->points;
    return true;
}

void TFrameChart::SetActiveChannelPoints(const CurvePoints& Points) {
    CChipTuningChannel* ch = ActiveChannel();
    if (!ch) return;
    // A partial curve is no curve: nothing changes and nothing is sent.
    if (Points.size() != std::size_t(CurveLength) || !std::all_of(Points.begin(), Points.end(), IsCurveEntry))
        return;
    ch->DisplayPoints(Points);
    FShownMap[std::size_t(ChannelIndex(ch))] = ActiveMap();
    modified = false;
    btnSendClick(this);
    RefreshGrid();
}

void TFrameChart::btnLoadClick(TObject*) {
    CChipTuningChannel* ch = ActiveChannel();
    if (!ch || !OpenDialog1->Execute()) return;
    std::vector<CurvePoints> curves;
    if (LoadMapFile(OpenDialog1->FileName(), TMapFileScope::FirstCurve, curves)) {
        ch->DisplayPoints(curves.front());
        FShownMap[std::size_t(ChannelIndex(ch))] = ActiveMap();
        modified = false;
        btnSendClick(this);
    } else {
        ShowMessageText("Unsupported file format!");
    }
    RefreshGrid();
}

void TFrameChart::btnSaveClick(TObject*) {
    CChipTuningChannel* ch = ActiveChannel();
    if (!ch || !SaveDialog1->Execute()) return;
    PullSeriesToChannel(ch);
    if (!SaveMapFile(SaveDialog1->FileName(), {ch->points})) ShowMessageText("Save operation failed!");
}

void TFrameChart::btnPressureClick(TObject*) {
    const int index = ChannelIndex(ActiveChannel());
    if (index >= 0) channels[std::size_t(index)]->ShowPressure();
}

void TFrameChart::btnEditClick(TObject*) {
    if (!Chart1 || !Series1 || !dragTool1) return;
    // What the curve was before the editor: the editor may delete or retype the series,
    // delete the tools or change values in its grid.
    std::vector<std::pair<double, double>> before;
    before.reserve(std::size_t(Series1->Count()));
    for (int i = 0; i < Series1->Count(); ++i)
        before.emplace_back(Series1->XValues()->Value(i), Series1->YValues()->Value(i));
    try {
        EditChartTool(nullptr, dragTool1);
    } catch (...) {
        TakeBackChart1(before);
        throw;
    }
    TakeBackChart1(before);
}

void TFrameChart::Notification(TComponent* AComponent, TOperation Operation) {
    TFrame::Notification(AComponent, Operation);
    if (Operation != opRemove || !AComponent) return;
    if (AComponent == Series1) Series1 = nullptr;
    if (AComponent == dragTool1) dragTool1 = nullptr;
    if (AComponent == cursorTool1) cursorTool1 = nullptr;
}

// After the chart editor: the first chart again holds the frame's own line series, drag-point
// and cursor tools (made anew for any the editor freed), and nothing else the editor added.
// The values the editor left are taken as a typed edit: per point, a finite value becomes the
// correction, held by ClampCorrection; anything else keeps the value from before. The edit is
// marked for sending only when the curve differs from before.
void TFrameChart::TakeBackChart1(const std::vector<std::pair<double, double>>& before) {
    if (!Chart1) return;
    // The series the editor left the values on: the frame's own, else the first one there.
    TChartSeries* source = Series1;
    if (!source && Chart1->SeriesCount() > 0) source = Chart1->Series(0);
    std::vector<double> values;
    values.reserve(before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        const auto [x, y0] = before[i];
        double y = y0;
        if (source && int(i) < source->Count()) {
            const double typed = source->YValues()->Value(int(i));
            if (std::isfinite(typed)) y = ClampCorrection(x, typed);
        }
        values.push_back(y);
    }
    // Series the editor added (or the retyped one) go.
    for (int i = Chart1->SeriesCount() - 1; i >= 0; --i)
        if (TChartSeries* other = Chart1->Series(i); other != Series1) FreeObject(other);
    if (!Series1) {
        auto* series = new TLineSeriesClass(this);
        series->SetName(QStringLiteral("Series1"));
        series->SetParentChart(Chart1);
        SetupCurveSeries(series, kRed);
        Series1 = series;
        Series1->FreeNotification(this);
    }
    if (!dragTool1) {
        dragTool1 = NewDragTool(Chart1, Series1);
        dragTool1->FreeNotification(this);
    } else {
        dragTool1->SetSeries(Series1);
    }
    if (!cursorTool1) {
        cursorTool1 = NewCursorTool(Chart1);
        cursorTool1->FreeNotification(this);
    }
    bool changed = false;
    Series1->Clear();
    for (std::size_t i = 0; i < before.size(); ++i)
        Series1->AddXY(before[i].first, values[i], String(), clTeeColor);
    for (std::size_t i = 0; i < before.size() && !changed; ++i)
        changed = values[i] != before[i].second;
    if (!FCurveSeries.empty()) {
        FCurveSeries[0] = std::make_unique<TChartCurveSeries>(Series1, Chart1);
        if (!channels.empty()) channels[0]->series = FCurveSeries[0].get();
    }
    if (changed) modified = true;
    ChartGrid1->SetSeries(PageControl1->ActivePageIndex() != 0 ? Series2 : Series1);
    RefreshGrid();
    Series1->Repaint();
}

void TFrameChart::XcSwitch1On(TObject*) {
    if (Host()->ConnectionState() == Connected && Host()->CurrentDevice())
        Host()->CurrentDevice()->SetTuning(false);
}

void TFrameChart::XcSwitch1Off(TObject*) {
    if (Host()->ConnectionState() == Connected && Host()->CurrentDevice())
        Host()->CurrentDevice()->SetTuning(true);
}

void TFrameChart::MapTabChanged(TXcTabControl* Tabs) {
    if (Tabs->TabIndex() < 0) return;
    if (!SendPendingEdit()) {
        // The edit could not reach its map: the tab goes back to that map, so the curve shown
        // and the map it is sent to stay together.
        if (CChipTuningChannel* ch = ActiveChannel()) Tabs->SetTabIndex(ShownMap(ch) - 1);
        return;
    }
    ReadMapAllChannels(ActiveMap());
}

void TFrameChart::TabsWindowProc(TXcTabControl* Tabs, const TWndMethod& Inherited, TMessage& Message) {
    const int before = Tabs->TabIndex();
    Inherited(Message);
    // The tab strip cycles its tabs with Ctrl+Tab without telling anyone; the curve shown must
    // follow the map tab all the same.
    if (Message.Msg == CM_DIALOGKEY && Tabs->TabIndex() != before) MapTabChanged(Tabs);
}

void TFrameChart::Tabs1WindowProc(TMessage& Message) {
    TabsWindowProc(XcTabControl1, FTabs1Proc, Message);
}

void TFrameChart::Tabs2WindowProc(TMessage& Message) {
    TabsWindowProc(XcTabControl2, FTabs2Proc, Message);
}

void TFrameChart::XcTabControl1Change(TObject*) {
    MapTabChanged(XcTabControl1);
}

void TFrameChart::XcTabControl2Change(TObject*) {
    MapTabChanged(XcTabControl2);
}

// ---- timers -------------------------------------------------------------------------------

void TFrameChart::OnVoltageValuesTimer(TObject*) {
    VoltageValuesTimer->SetEnabled(false);
    // Ticks never overlap: the timer runs again only when this one is over, whatever happens.
    struct TReenable {
        TTimer* Timer;
        ~TReenable() { Timer->SetEnabled(true); }
    } reenable{VoltageValuesTimer};

    const int state = Host()->ConnectionState();
    const bool connected = state == Connected;
    // A new link starts counting failed reads afresh.
    if (connected && !FWasConnected) failedReads = 0;
    FWasConnected = connected;

    CChipTuningChannel* ch = ActiveChannel();
    TOrvoTuningDevice* device = Host()->CurrentDevice();
    if (!ch || !connected || !device) return;

    std::vector<unsigned char> reply;
    if (device->ReadVoltages(&reply) != 0) {
        ++failedReads;
    } else {
        failedReads = 0;
        double u1 = -1.0, u2 = -1.0;
        if (reply.size() >= 2) u1 = CodeToVolt(std::uint16_t(reply[0] | reply[1] << 8));
        if (reply.size() >= 4) u2 = CodeToVolt(std::uint16_t(reply[2] | reply[3] << 8));
        cursorTool1->SetXValue(u1);
        cursorTool2->SetXValue(u2);
        static_cast<CVoltageChannel*>(ch)->SetPressureVoltage(ch->channelNumber == 1 ? u1 : u2);
    }
    if (failedReads > 2) Host()->SetConnectionState(DisconnectRequested);

    if (modified) {
        modified = false;
        PullSeriesToChannel(ch);
    }
    if (ch->Changed()) UpdateTimer->SetEnabled(true);
}

void TFrameChart::OnUpdateTimer(TObject*) {
    if (Host()->ConnectionState() != Connected) return;
    modified = false;
    UpdateTimer->SetEnabled(false);
    btnSendClick(this);
}

// ---- layout and focus ---------------------------------------------------------------------

void TFrameChart::PageControl1Change(TObject*) {
    ChartGrid1->SetSeries(PageControl1->ActivePageIndex() != 0 ? Series2 : Series1);
}

void TFrameChart::FrameResize(TObject*) {
    if (!ChartGrid1) return;
    // The style bits, not the window's: the bar may come while the editor has no window yet.
    const bool scrollBar = (ChartGrid1->WindowStyle() & WS_VSCROLL) != 0;
    ChartGrid1->SetWidth(ChartGrid1->GridWidth() + (scrollBar ? GetSystemMetrics(SM_CXVSCROLL) : 0));
}

void TFrameChart::Chart1Zoom(TObject* Sender) {
    if (TChart* chart = ChartOf(Sender)) chart->UndoZoom();
}

void TFrameChart::Series1AfterDrawValues(TObject* Sender) {
    // Each series draws the markers of its own channel.
    for (std::size_t i = 0; i < channels.size(); ++i)
        if (Sender == SeriesOf(channels[i])) channels[i]->DrawMarkers();
}

void TFrameChart::OnAcKeyUp(TObject*, Word&, TShiftState) {
    if (ChartGrid1->CanFocus()) ChartGrid1->SetFocus();
}

void TFrameChart::OnAcKeyDown(TObject*, Word&, TShiftState) {
    if (ChartGrid1->CanFocus()) ChartGrid1->SetFocus();
}

void TFrameChart::OnAcMouseUp(TObject*, TMouseButton, TShiftState, int, int) {
    if (ChartGrid1->CanFocus()) ChartGrid1->SetFocus();
}

// ---- editing ------------------------------------------------------------------------------

int TFrameChart::VoltToIndex(double x) {
    return ::VoltToIndex(x);
}

bool TFrameChart::ShowValues(TChartSeries* Series, const CurvePoints& Codes) {
    if (!Series || Codes.size() < std::size_t(CurveLength)) return false;
    TChartCurveSeries curve(Series, Series == Series2 ? Chart2 : Chart1);
    CVoltageChannel::DrawCurve(curve, Codes);
    RefreshGrid();
    return true;
}

double TFrameChart::ClampCorrection(double x, double y) {
    // Against the fixed limits, whatever range the axes show at the moment.
    if (x + y < OutputMin) y = OutputMin - x;
    if (y < CorrectionMin) y = CorrectionMin;
    if (x + y > OutputMax) y = OutputMax - x;
    if (y > CorrectionMax) y = CorrectionMax;
    return y;
}

void TFrameChart::OnDragPoint(TDragPointToolClass* Sender, int Index) {
    TChartSeries* series = Sender ? Sender->Series() : nullptr;
    if (!series || Index < 0 || Index >= series->Count()) return;
    if (ChartGrid1->Row() != Index + 1 && Index + 1 < ChartGrid1->RowCount()) ChartGrid1->SetRow(Index + 1);
    const double y = ClampCorrection(series->XValues()->Value(Index), series->YValues()->Value(Index));
    series->YValues()->SetValue(Index, y);
    modified = true;
    series->Repaint();
    ChartGrid1->Invalidate();
}

void TFrameChart::ChartGrid1SetEditText(TObject*, int, int ARow, const String&) {
    TChartSeries* series = ChartGrid1->Series();
    const int index = ARow - 1;
    if (!series || index < 0 || index >= series->Count()) return;
    // The whole rule, not only the correction's range: the output keeps to 0..5 V.
    const double y = ClampCorrection(series->XValues()->Value(index), series->YValues()->Value(index));
    series->YValues()->SetValue(index, y);
    modified = true;
    series->Repaint();
}

void TFrameChart::Chart1MouseDown(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y) {
    TChart* chart = ChartOf(Sender);
    CChipTuningChannel* ch = ActiveChannel();
    if (!chart || !ch) return;
    if (ChartGrid1->CanFocus()) ChartGrid1->SetFocus();
    if (Button == mbRight) {
        TChartSeries* series = chart->SeriesCount() > 0 ? chart->Series(0) : nullptr;
        if (!series) return;
        const double x = series->XScreenToValue(X);
        const double y = series->YScreenToValue(Y);
        if (!(x >= OutputMin && x <= OutputMax && y >= CorrectionMin && y <= CorrectionMax)) {
            RefreshGrid();
            return;
        }
        const int idx = VoltToIndex(x);
        if (idx < 0 || idx >= int(ch->points.size())) {
            series->Repaint();
            RefreshGrid();
            return;
        }
        PullSeriesToChannel(ch);
        if (ch->points[std::size_t(idx)] == CurveNoPoint) {
            const int added = series->AddXY(x, ClampCorrection(x, y), String(), clTeeColor);
            // The points after the new one moved up by one; the selection follows them.
            for (int& s : ch->selection)
                if (s >= added) ++s;
            modified = true;
        }
        series->RefreshSeries();
        series->Repaint();
        RefreshGrid();
        return;
    }
    if (Button != mbLeft) return; // the middle button pans
    dragRect = TDragRect{X, Y, -1, -1};
    ch->selection.clear();
    for (int s = 0; s < chart->SeriesCount(); ++s) {
        const int i = chart->Series(s)->Clicked(X, Y);
        if (i >= 0) {
            ch->selection.push_back(i);
            chart->Invalidate();
        }
    }
    if (!ch->selection.empty() && ch->selection.front() + 1 < ChartGrid1->RowCount())
        ChartGrid1->SetRow(ch->selection.front() + 1);
}

void TFrameChart::Chart1MouseMove(TObject* Sender, TShiftState, int X, int Y) {
    TChart* chart = ChartOf(Sender);
    if (!chart) return;
    if (dragRect.X0 != -1 && dragRect.Y0 != -1) {
        dragRect.X1 = X;
        dragRect.Y1 = Y;
        chart->Invalidate();
    }
}

void TFrameChart::Chart1MouseUp(TObject* Sender, TMouseButton Button, TShiftState, int X, int Y) {
    TChart* chart = ChartOf(Sender);
    CChipTuningChannel* ch = ActiveChannel();
    if (!chart || !ch || Button != mbLeft || !ch->selection.empty() || dragRect.X0 == -1 || dragRect.Y0 == -1)
        return;
    int first = -1, last = -1;
    for (int s = 0; s < chart->SeriesCount(); ++s) {
        TChartSeries* series = chart->Series(s);
        for (int j = 0; j < series->Count(); ++j) {
            const int px = series->CalcXPos(j);
            const int py = series->CalcYPos(j);
            if (dragRect.X0 <= px && px <= X && dragRect.Y0 <= py && py <= Y) {
                ch->selection.push_back(j);
                if (first < 0) first = j;
                last = j;
            }
        }
        chart->Invalidate();
    }
    if (first >= 0 && last + 1 < ChartGrid1->RowCount()) {
        ChartGrid1->SetSelection(TGridRect{1, first + 1, 1, last + 1});
        ChartGrid1->Invalidate();
    }
    ResetDragRect();
}

void TFrameChart::Chart1AfterDraw(TObject* Sender) {
    TChart* chart = ChartOf(Sender);
    CChipTuningChannel* ch = ActiveChannel();
    if (!chart || !ch || !chart->Canvas()) return;
    TCanvas* canvas = chart->Canvas()->ReferenceCanvas();
    if (dragRect.X0 != -1 && dragRect.Y0 != -1 && dragRect.X1 != -1 && dragRect.Y1 != -1 &&
        ch->selection.empty()) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->Pen()->SetColor(kRed);
        canvas->Rectangle(dragRect.X0, dragRect.Y0, dragRect.X1, dragRect.Y1);
    }
    // The point of the grid's current row; none when the series has no such point (a curve
    // without points still shows one empty grid row).
    TChartSeries* series = ChartGrid1->Series();
    const int index = ChartGrid1->Row() - 1;
    if (!series || index < 0 || index >= series->Count()) return;
    const String text = QStringLiteral("X: ") + FloatToStrF(series->XValues()->Value(index), ffFixed, 4, 2) +
                        QStringLiteral("  Y: ") + FloatToStrF(series->YValues()->Value(index), ffFixed, 4, 2);
    canvas->TextOut(4, chart->Height() - canvas->TextHeight(text) - 2, text);
}

// ---- the grid's messages --------------------------------------------------------------------

void TFrameChart::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_CHART_SELECT:
        SelectFromGrid(Message);
        return;
    case WM_CHART_UP:
        RaiseSelection(Message);
        return;
    case WM_CHART_DOWN:
        LowerSelection(Message);
        return;
    case WM_CHART_DELETE:
        DeleteSelection(Message);
        return;
    default:
        TFrame::Dispatch(Message);
    }
}

void TFrameChart::SelectFromGrid(TMessage&) {
    CChipTuningChannel* ch = ActiveChannel();
    if (!ch) return;
    TChartSeries* series = SeriesOf(ch);
    const TGridRect rect = ChartGrid1->Selection();
    ch->selection.clear();
    for (int row = rect.Top; row <= rect.Bottom; ++row)
        if (row >= 1 && series && row - 1 < series->Count()) ch->selection.push_back(row - 1);
    if (TChart* chart = ChartOf(series ? series->ParentChart() : nullptr)) chart->Invalidate();
}

void TFrameChart::RaiseSelection(TMessage& Message) {
    Word key = VK_UP;
    ChartGrid1KeyDown(ChartGrid1, key, Message.WParam ? TShiftState{ssShift} : TShiftState{});
}

void TFrameChart::LowerSelection(TMessage& Message) {
    Word key = VK_DOWN;
    ChartGrid1KeyDown(ChartGrid1, key, Message.WParam ? TShiftState{ssShift} : TShiftState{});
}

void TFrameChart::ChartGrid1KeyDown(TObject*, Word& Key, TShiftState Shift) {
    CChipTuningChannel* ch = ActiveChannel();
    if (!ch) return;
    shiftDown = Shift.Contains(ssShift);
    ctrlDown = Shift.Contains(ssCtrl);
    altDown = Shift.Contains(ssAlt);
    if (ch->selection.empty()) return;
    TChartSeries* series = ChartGrid1->Series();
    if (!series) return;
    const double step = shiftDown ? 0.1 : 0.01;
    double dX = 0, dY = 0;
    const int row = ChartGrid1->Row();
    switch (Key) {
    case VK_LEFT:
        if (ctrlDown) {
            if (row > 1) ChartGrid1->SetRow(row - 1);
        } else {
            dX = -step;
        }
        break;
    case VK_RIGHT:
        if (ctrlDown) {
            if (row + 1 < ChartGrid1->RowCount()) ChartGrid1->SetRow(row + 1);
        } else {
            dX = step;
        }
        break;
    case VK_UP:
        dY = step;
        break;
    case VK_DOWN:
        dY = -step;
        break;
    default:
        return;
    }
    if (dX != 0 && row > 1 && row + 1 < ChartGrid1->RowCount() && row < series->Count()) {
        // Sideways within its neighbours: never onto or past their inputs, never to 0 or 5 V,
        // and never a step that stays on the same input.
        TChartValueList* xs = series->XValues();
        const double x = xs->Value(row - 1);
        const int oldIndex = VoltToIndex(x);
        const int newIndex = VoltToIndex(x + dX);
        const int prev = VoltToIndex(xs->Value(row - 2));
        const int next = VoltToIndex(xs->Value(row));
        if (prev < newIndex && newIndex < next && newIndex != oldIndex && newIndex > 0 &&
            newIndex < CurveLength - 1) {
            xs->SetValue(row - 1, x + dX);
            series->YValues()->SetValue(row - 1, ClampCorrection(x + dX, series->YValues()->Value(row - 1)));
            modified = true;
        }
    }
    if (dY != 0) {
        for (int i : ch->selection) {
            if (i < 0 || i >= series->Count()) continue;
            const double y = series->YValues()->Value(i) + dY;
            series->YValues()->SetValue(i, ClampCorrection(series->XValues()->Value(i), y));
            modified = true;
        }
    }
    series->Repaint();
    ChartGrid1->Invalidate();
}

void TFrameChart::ChartGrid1KeyUp(TObject*, Word&, TShiftState Shift) {
    shiftDown = Shift.Contains(ssShift);
    ctrlDown = Shift.Contains(ssCtrl);
    altDown = Shift.Contains(ssAlt);
}

void TFrameChart::DeleteSelection(TMessage&) {
    CChipTuningChannel* ch = ActiveChannel();
    TChartSeries* series = SeriesOf(ch);
    if (!ch || !series || ch->selection.empty()) return;
    std::vector<int> doomed;
    for (int i : ch->selection)
        if (i >= 0 && i < series->Count()) doomed.push_back(i);
    std::sort(doomed.begin(), doomed.end());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    if (doomed.empty()) return;
    // The points at 0 V and 5 V hold the curve's ends and stay.
    if (!(series->XValues()->Value(doomed.front()) > OutputMin &&
          series->XValues()->Value(doomed.back()) < OutputMax))
        return;
    // Exactly the selected points, last first so the indexes still hold.
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it)
        series->Delete(*it);
    ch->selection.clear();
    series->RefreshSeries();
    series->Repaint();
    modified = true;
    RefreshGrid();
}
