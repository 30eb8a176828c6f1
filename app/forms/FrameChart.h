// TFrameChart: the curve editor. Two pages, "Channel 1" and "Channel 2", each with map tabs and
// a chart of that channel's curve as (input, output - input) points; a point grid at the right
// edge; buttons below. The user drags points, adds them with the right button, types them in
// the grid, moves and deletes the selection with keys. A 50 ms timer reads the box's live
// input voltages (cursor lines, pressure window, loss of the link) and notices edits; a
// 1000 ms timer then sends the edited curve to the map it was read from.
//
// No edit is lost or written into another map: the curve shown remembers the map it came
// from, a pending edit is sent there before anything reads over it (a reconnect, a change of
// map tab), and the last sent copy follows only a send the box accepted, so a failed send is
// tried again on the next update tick.
#pragma once

#include "app/ChipTuningChannel.h"
#include "app/forms/ChipTuningChartGrid.h"
#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameTools.h"
#include "chart/series/LineSeries.h"
#include "chart/tools/CursorTool.h"
#include "chart/tools/DragPointTool.h"
#include "platform/controls/Frame.h"

#include <array>
#include <memory>
#include <utility>
#include <vector>

class TButton;
class TChart;
class TCustomGrid;
class TOpenDialog;
class TOrvoTuningDevice;
class TPageControl;
class TPanel;
class TSaveDialog;
class TSplitter;
class TTabSheet;
class TTimer;
class TXcSwitch;
class TXcTabControl;

// The chart parts the editor is built from.
using TLineSeriesClass = TLineSeries;
using TDragPointToolClass = TDragPointTool;
using TCursorToolClass = TCursorTool;

// The limits of a point's correction (output minus input) and of its output, in volts.
inline constexpr double CorrectionMin = -2.0;
inline constexpr double CorrectionMax = 2.0;
inline constexpr double OutputMin = 0.0;
inline constexpr double OutputMax = 5.0;

// What the editor needs of the main window. By default the main window ChipTuningForm answers;
// tests put their own in place.
class IChartEditorHost {
public:
    virtual ~IChartEditorHost() = default;
    virtual int ConnectionState() = 0;
    virtual void SetConnectionState(int State) = 0;
    virtual TOrvoTuningDevice* CurrentDevice() = 0;
};

class TFrameChart : public TFrame, public IChipTuningEditor, public IToolsCurveEditor {
    ORVO_CLASS(TFrameChart, TFrame)
public:
    explicit TFrameChart(TComponent* AOwner);
    ~TFrameChart() override;
    // Reads the form resource, then builds the grid, axes, series, tools and channels.
    void AfterConstruction() override;

    // The host the editor asks (null: the main window). The caller keeps ownership.
    void SetHost(IChartEditorHost* Host) { FHost = Host; }
    IChartEditorHost* Host();

    // The main window's editors show one channel each: the other page's tab is hidden.
    void ShowOnlyChannel(int Channel);

    // ---- the main window's editor ----
    TControl* Frame() override { return this; }
    // Reads map `map` of every channel; a pending edit of the channel shown goes to its own
    // map first. False when a read failed or the pending edit could not be sent.
    bool ReadMapAllChannels(int map) override;
    int ActiveMap() override;

    // ---- the tools column's editor ----
    bool GetActiveChannelPoints(CurvePoints& Points) override;
    void SetActiveChannelPoints(const CurvePoints& Points) override;
    void btnClearClick(TObject* Sender) override;

    // ---- from the form resource ----
    TSplitter* BaseSplitter1 = nullptr;
    TSplitter* Splitter1 = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TTabSheet* TabSheet2 = nullptr;
    TXcTabControl* XcTabControl1 = nullptr;
    TXcTabControl* XcTabControl2 = nullptr;
    TChart* Chart1 = nullptr;
    TChart* Chart2 = nullptr;
    TChartSeries* Series1 = nullptr;
    TChartSeries* Series2 = nullptr;
    TPanel* Panel2 = nullptr;
    TButton* btnRead = nullptr;
    TButton* btnSend = nullptr;
    TButton* btnLoad = nullptr;
    TButton* btnSave = nullptr;
    TButton* btnClear = nullptr;
    TButton* btnPressure = nullptr;
    TButton* btnEdit = nullptr;
    TXcSwitch* XcSwitch1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TTimer* VoltageValuesTimer = nullptr;
    TTimer* UpdateTimer = nullptr;

    // ---- built at run time ----
    TChipTuningChartGrid* ChartGrid1 = nullptr; // a child control of the frame
    TDragPointToolClass* dragTool1 = nullptr;
    TDragPointToolClass* dragTool2 = nullptr;
    TCursorToolClass* cursorTool1 = nullptr;
    TCursorToolClass* cursorTool2 = nullptr;
    // Entry 0 channel 1 (Series1, Chart1), entry 1 channel 2 (Series2, Chart2).
    std::vector<CVoltageChannel*> channels;
    bool modified = false;
    int failedReads = 0;
    struct TDragRect {
        int X0 = -1, Y0 = -1, X1 = -1, Y1 = -1;
    } dragRect;
    bool shiftDown = false;
    bool ctrlDown = false;
    bool altDown = false;

    // ---- operations ----
    // The channel of the page shown; null when the page has none.
    CChipTuningChannel* ActiveChannel();
    // The map a channel's curve on the chart came from (1 to 3): it was read from there, or
    // put there by a clear, a load or a copy. Automatic sends go to it.
    int ShownMap(const CChipTuningChannel* Channel) const;
    bool ReadChannelMap(unsigned char Map, CChipTuningChannel* Channel);
    // points := what the chart of the page shown holds.
    void PullSeriesToChannel(CChipTuningChannel* Channel);
    virtual int VoltToIndex(double x);
    // Draws a curve of at least 512 codes on the series and refreshes the grid.
    virtual bool ShowValues(TChartSeries* Series, const CurvePoints& Codes);
    // The correction y at input x held to -2..+2 V with an output of 0..5 V.
    virtual double ClampCorrection(double x, double y);
    void ResetDragRect() { dragRect = TDragRect(); }

    // ---- handlers bound by the form resource ----
    void btnSendClick(TObject* Sender);
    void btnReadClick(TObject* Sender);
    void btnLoadClick(TObject* Sender);
    void btnSaveClick(TObject* Sender);
    void btnPressureClick(TObject* Sender);
    void btnEditClick(TObject* Sender);
    void XcSwitch1On(TObject* Sender);
    void XcSwitch1Off(TObject* Sender);
    void XcTabControl1Change(TObject* Sender);
    void XcTabControl2Change(TObject* Sender);
    void OnVoltageValuesTimer(TObject* Sender);
    void OnUpdateTimer(TObject* Sender);
    void PageControl1Change(TObject* Sender);
    void FrameResize(TObject* Sender);
    // Zooming and panning are undone at once: the axes keep -2..2 and 0..5.
    void Chart1Zoom(TObject* Sender);
    void Series1AfterDrawValues(TObject* Sender);
    void Chart1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Chart1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Chart1MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Chart1AfterDraw(TObject* Sender);
    void ChartGrid1KeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void ChartGrid1KeyUp(TObject* Sender, Word& Key, TShiftState Shift);
    void ChartGrid1SetEditText(TObject* Sender, int ACol, int ARow, const String& Value);
    void OnDragPoint(TDragPointToolClass* Sender, int Index);
    void OnAcKeyUp(TObject* Sender, Word& Key, TShiftState Shift);
    void OnAcKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void OnAcMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    // The first chart's parts the chart editor freed are let go of.
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // The messages of the grid.
    void Dispatch(TMessage& Message) override;
    void SelectFromGrid(TMessage& Message);
    void RaiseSelection(TMessage& Message);
    void LowerSelection(TMessage& Message);
    void DeleteSelection(TMessage& Message);

    // The grid's resource object, freed once the run-time grid replaces it.
    TCustomGrid* ResourceGrid = nullptr;

private:
    int ChannelIndex(const CChipTuningChannel* Channel) const;
    TChartSeries* SeriesOf(const CChipTuningChannel* Channel) const;
    TChart* ChartOf(TObject* Sender) const;
    TXcTabControl* TabsOfPage(int Page) const;
    // Sends the curve of a channel to a map. Only a send the box accepts becomes the sent
    // copy; a failure is reported once until a send succeeds again.
    bool SendChannel(CChipTuningChannel* Channel, int Map);
    // Sends an edit of the channel shown that the box has not got yet, to its own map. True
    // when nothing is pending any more.
    bool SendPendingEdit();
    void RefreshGrid();
    void MapTabChanged(TXcTabControl* Tabs);
    // The map tabs' window procedures: a tab chosen with Ctrl+Tab counts as one clicked.
    void Tabs1WindowProc(TMessage& Message);
    void Tabs2WindowProc(TMessage& Message);
    void TabsWindowProc(TXcTabControl* Tabs, const TWndMethod& Inherited, TMessage& Message);
    void BuildAtRunTime();
    void SetupCurveSeries(TChartSeries* series, TColor color);
    TDragPointToolClass* NewDragTool(TChart* chart, TChartSeries* series);
    TCursorToolClass* NewCursorTool(TChart* chart);
    // After the chart editor: the first chart's own parts back, its values taken as an edit
    // of the curve that was `before` (input, correction per point).
    void TakeBackChart1(const std::vector<std::pair<double, double>>& before);

    IChartEditorHost* FHost = nullptr;
    TWndMethod FTabs1Proc;
    TWndMethod FTabs2Proc;
    std::vector<std::unique_ptr<ICurveSeries>> FCurveSeries;
    std::array<int, 2> FShownMap{1, 1};
    bool FSendFailing = false;
    bool FWasConnected = false;
    bool FBuilt = false;
};
