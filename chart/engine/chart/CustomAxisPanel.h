// TCustomAxisPanel: the chart panel that holds data: the series list, the six standard axes
// and any custom axes, the tool list and the paging state. It draws one chart frame in a
// fixed order (background, "before" events, titles and legend, depth order, walls, axis
// layout, axes, series with their marks, zoom rectangle, "after" events) and computes the
// range every axis must show from the series bound to it. Walls, titles, legend and the
// chart's free colours come from the chart control, which overrides the abstract steps.
#pragma once

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/SeriesGroups.h"

#include <vector>

class TCustomAxisPanel;
class TChartPen;
class TTeeCustomTool;
class TTeeCustomDesigner;

enum TChartToolEvent {
    cteAfterDraw,
    cteBeforeDrawSeries,
    cteBeforeDraw,
    cteBeforeDrawAxes,
    cteAfterDrawSeries,
    cteMouseLeave
};

using TSeriesNotifyEvent = TEvent<TCustomChartSeries*>;
ORVO_DECLARE_EVENT_TYPE(TSeriesNotifyEvent)
using TAxisCalcPosLabels = TEvent<TChartAxis*, int&>;
using TColorArray = std::vector<TColor>;

// Sent to the panel's listeners after the page or the points per page changed.
class TChartChangePage : public TTeeEvent {
    ORVO_CLASS(TChartChangePage, TTeeEvent)
};

// Sent to the panel's listeners when a series joins, leaves or changes.
class TTeeSeriesEvent : public TTeeEvent {
    ORVO_CLASS(TTeeSeriesEvent, TTeeEvent)
public:
    TChartSeriesEvent Event = seAdd;
    TCustomChartSeries* Series = nullptr;
};

// Every axis of a chart in a fixed order: bottom, top, left, right, depth, depth-top, then
// the custom axes in creation order. The list frees the axes it holds.
class TChartAxes : public TObject {
    ORVO_CLASS(TChartAxes, TObject)
public:
    explicit TChartAxes(TCustomAxisPanel* AChart = nullptr) : FChart(AChart) {}
    ~TChartAxes() override;
    int Count() const { return int(FItems.size()); }
    // Null for an index outside the list.
    TChartAxis* Get(int Index) const;
    TChartAxis* operator[](int Index) const { return Get(Index); }
    int IndexOf(const TChartAxis* Axis) const;
    void Add(TChartAxis* Axis) { FItems.push_back(Axis); }
    void Remove(TChartAxis* Axis);
    // Frees every axis.
    void Clear();
    // Every axis scales itself automatically again.
    void Reset();
    // Hides every axis.
    void Hide();

    TChartAxis* BottomAxis() const { return Get(0); }
    TChartAxis* TopAxis() const { return Get(1); }
    TChartAxis* LeftAxis() const { return Get(2); }
    TChartAxis* RightAxis() const { return Get(3); }
    TChartAxis* DepthAxis() const { return Get(4); }
    TChartAxis* DepthTopAxis() const { return Get(5); }
    // The chart's master switch of all axes and whether they are drawn behind the series.
    bool Visible() const;
    void SetVisible(bool Value);
    bool Behind() const;
    void SetBehind(bool Value);
    // Told when an axis leaves the list (it is being freed).
    TEvent<TChartAxis*> OnRemoveAxis;
    // When set: changes the label room of an axis that is not visible.
    TAxisCalcPosLabels CalcPosLabels;
    // The unchecked value-to-pixel conversions for every axis of the chart.
    bool FastCalc() const { return FFastCalc; }
    void SetFastCalc(bool Value);

    TCustomAxisPanel* Chart() const { return FChart; }

private:
    TCustomAxisPanel* FChart;
    std::vector<TChartAxis*> FItems;
    bool FFastCalc = false;
};

// The custom axes: a collection whose items are TChartAxis.
class TChartCustomAxes : public TOwnedCollection {
    ORVO_CLASS(TChartCustomAxes, TOwnedCollection)
public:
    explicit TChartCustomAxes(TCustomAxisPanel* AChart);
    TChartAxis* Get(int Index) const;
    TChartAxis* operator[](int Index) const { return Get(Index); }
    // The axis at Index takes the settings of Axis.
    void Put(int Index, TChartAxis* Axis) { Get(Index)->Assign(Axis); }
    // Every custom axis whose master is Axis takes its minimum and maximum.
    void ResetScales(TChartAxis* Axis);
};

// The series of a chart in drawing and legend order.
class TChartSeriesList : public TCustomSeriesList {
    ORVO_CLASS(TChartSeriesList, TCustomSeriesList)
public:
    explicit TChartSeriesList(TCustomAxisPanel* AOwner = nullptr);
    ~TChartSeriesList() override;
    // A new group named Name.
    TSeriesGroup* AddGroup(const String& Name);
    // Copies the groups only.
    void Assign(TChartSeriesList* Source);
    // True when every series is active (also for an empty list); setting sets every series.
    bool AllActive() const;
    void SetAllActive(bool Value);
    TSeriesGroups* Groups() const { return FGroups; }
    void SetGroups(TSeriesGroups* Value) { FGroups->Assign(Value); }

private:
    TSeriesGroups* FGroups = nullptr;
};

// The tools of a chart in the order they receive the chart's drawing and mouse events.
// Created and owned by the chart; freeing the list (or Clear) frees the tools.
class TChartTools : public TObject {
    ORVO_CLASS(TChartTools, TObject)
public:
    explicit TChartTools(TCustomAxisPanel* AOwner = nullptr) : FOwner(AOwner) {}
    ~TChartTools() override;
    int Count() const { return int(FItems.size()); }
    // Null for an index outside the list.
    TTeeCustomTool* Get(int Index) const;
    TTeeCustomTool* operator[](int Index) const { return Get(Index); }
    int IndexOf(const TTeeCustomTool* Tool) const;
    // With an owner chart the tool takes it as its chart (which appends it once); without
    // one a plain append. Returns Tool.
    TTeeCustomTool* Add(TTeeCustomTool* Tool);
    // Creates a tool of the class, owned by the chart, and adds it; null for a class that
    // is not a tool.
    TTeeCustomTool* Add(TClass ToolClass);
    // Takes Tool out of the list without freeing it.
    void Remove(TTeeCustomTool* Tool);
    // Swaps two tools' places (and so the order they hear events in); raises the list's
    // index error for an index outside the list.
    void Exchange(int Index1, int Index2);
    // Frees every tool.
    void Clear();
    // Sets Active of every tool.
    void SetActive(bool Value);
    TCustomAxisPanel* Owner() const { return FOwner; }

    // The plain list operations the tools use when they change chart.
    void InternalAdd(TTeeCustomTool* Tool);

private:
    TCustomAxisPanel* FOwner;
    std::vector<TTeeCustomTool*> FItems;
};

// The paging state of a chart.
class TChartPage : public TPersistent {
    ORVO_CLASS(TChartPage, TPersistent)
public:
    explicit TChartPage(TCustomAxisPanel* AParent = nullptr) : IParent(AParent) {}
    void Assign(TPersistent* Source) override;

    // The number of pages (1 without paging or series).
    int Count();
    // Index of the first point of the current page.
    int FirstValueIndex() const { return (FCurrent - 1) * FPointsPerPage; }
    void NextPage();
    void PreviousPage();

    bool AutoScale() const { return FAutoScale; }
    void SetAutoScale(bool Value);
    int Current() const { return FCurrent; }
    // Clamped to 1 .. Count; a change repaints and broadcasts the change.
    void SetCurrent(int Value);
    int MaxPointsPerPage() const { return FPointsPerPage; }
    int PointsPerPage() const { return FPointsPerPage; }
    void SetPointsPerPage(int Value) { SetMaxPointsPerPage(Value); }
    // Raises ChartException for a negative value.
    void SetMaxPointsPerPage(int Value);
    bool ScaleLastPage() const { return FScaleLastPage; }
    void SetScaleLastPage(bool Value);
    TCustomAxisPanel* Parent() const { return IParent; }

private:
    bool FAutoScale = false;
    int FCurrent = 1;
    int FPointsPerPage = 0;
    bool FScaleLastPage = true;
    TCustomAxisPanel* IParent;
};

class TCustomAxisPanel : public TCustomTeePanelExtended {
    ORVO_CLASS(TCustomAxisPanel, TCustomTeePanelExtended)
public:
    explicit TCustomAxisPanel(TComponent* AOwner);
    ~TCustomAxisPanel() override;

    // ---- overrides ----
    void Assign(TPersistent* Source) override;
    void InternalDraw(const TRect& UserRectangle) override;

    // ---- new operations, in slot order ----
    // Shrinks ChartRect for the 3-D walls.
    virtual void CalcWallsRect() = 0;
    // The thickness of the wall beside Axis.
    virtual int CalcWallSize(TChartAxis* Axis) = 0;
    virtual void DoOnAfterDraw();
    virtual void DoOnBeforeDrawAxes();
    virtual void DoOnBeforeDrawChart();
    virtual void DoOnBeforeDrawSeries();
    // Titles and legend; BeforeSeries is true for the call before the series.
    virtual void DrawTitlesAndLegend(bool BeforeSeries) = 0;
    // Whether the plane at depth Z faces away and must be drawn after the series.
    virtual bool DrawBackWallAfter(int Z);
    virtual void DrawLegendShape(const TRect& Rect);
    virtual void DrawWalls() = 0;
    virtual void CheckDatasource(TChartSeries* ASeries);
    virtual String FormattedValueLegend(TChartSeries* ASeries, int ValueIndex);
    virtual bool IsFreeSeriesColor(TColor AColor, bool CheckBackground, TChartSeries* Series) = 0;
    virtual void RemovedDataSource(TChartSeries* ASeries, TComponent* AComponent);
    virtual bool IsValidDataSource(TChartSeries* ASeries, TComponent* AComponent);
    virtual int NumPages();
    // Prints the pages FromPage .. ToPage (0: the first resp. the last page), one printer page
    // each, and shows the page of before again, also when printing fails.
    void PrintPages(int FromPage = 0, int ToPage = 0);

    // ---- series ----
    int SeriesCount() const;
    TChartSeries* GetSeries(int Index) const;
    TChartSeries* Series(int Index) const { return GetSeries(Index); }
    TChartSeries* operator[](int Index) const { return GetSeries(Index); }
    TChartSeriesList* SeriesList() const { return FSeriesList; }
    // The series list's groups; stored only when there are groups.
    TSeriesGroups* SeriesGroups() const { return FSeriesList->Groups(); }
    void SetSeriesGroups(TSeriesGroups* Value) { FSeriesList->SetGroups(Value); }
    bool IsSeriesGroupsStored() const { return FSeriesList->Groups()->Count() > 0; }
    int CountActiveSeries() const;
    // Adds ASeries at the end of the list (it takes this chart as its parent).
    TChartSeries* AddSeries(TChartSeries* ASeries);
    // Creates a series of the class owned by the chart's owner and adds it.
    TChartSeries* AddSeries(TClass SeriesClass);
    // Tells the listeners (seRemove), lets the series go, takes it out of the list, then
    // OnRemoveSeries; the series is not freed.
    void RemoveSeries(TChartSeries* ASeries);
    void RemoveSeries(int SeriesIndex);
    void RemoveAllSeries();
    void FreeAllSeries(TClass SeriesClass = nullptr);
    void ExchangeSeries(int a, int b);
    void ExchangeSeries(TCustomChartSeries* a, TCustomChartSeries* b);
    // The colour at Index of the chart's palette (or the default palette).
    TColor GetDefaultColor(int Index);
    // The first palette colour no series uses (nor, with CheckBackground, the background).
    TColor GetFreeSeriesColor(bool CheckBackground, TChartSeries* Series);
    // Broadcasts a TTeeSeriesEvent unless DoNotBroadcast.
    void BroadcastSeriesEvent(TCustomChartSeries* ASeries, TChartSeriesEvent Event);
    // Calls ChartEvent of every active tool in list order.
    void BroadcastToolEvent(TChartToolEvent AEvent);
    // Calls SeriesEvent of every active series tool bound to ASeries.
    void BroadcastSeriesToolEvent(TChartSeries* ASeries, TChartToolEvent AEvent);
    // Told by the axis list when an axis is freed: the axis tools on it forget it.
    void AxisFreed(TChartAxis* Axis);
    // The series (but those kept out of serialisation), then the tools.
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    void BroadcastTeeEventClass(TClass EventClass);
    // Raises ChartException (TeeMsg_CircularSeries) when Source, or any series it reads
    // from through any of its sources, reads from Dest; false otherwise.
    bool CheckOtherSeries(TChartSeries* Dest, TChartSeries* Source);
    // Every active series, last first, checks the pointer (enter and leave events, its
    // cursor); true when any of them is under it.
    bool CheckMouseSeries(int X, int Y);
    // Every series with the automatic colour takes a free colour again.
    void ColorPaletteChanged();

    // ---- axis queries ----
    bool IsAxisVisible(TChartAxis* Axis) const { return Axis->IsVisible; }
    bool CalcIsAxisVisible(TChartAxis* Axis);
    bool HasActiveSeries(TChartAxis* Axis, bool Default);
    bool NoActiveSeries(TChartAxis* Axis);
    TChartSeries* GetAxisSeries(TChartAxis* Axis);
    TChartSeries* GetAxisSeriesMaxPoints(TChartAxis* Axis);
    int GetMaxValuesCount();
    double InternalMinMax(TChartAxis* AAxis, bool IsMin, bool IsX);
    double MinXValue(TChartAxis* AAxis) { return InternalMinMax(AAxis, true, true); }
    double MaxXValue(TChartAxis* AAxis) { return InternalMinMax(AAxis, false, true); }
    double MinYValue(TChartAxis* AAxis) { return InternalMinMax(AAxis, true, false); }
    double MaxYValue(TChartAxis* AAxis) { return InternalMinMax(AAxis, false, false); }
    int MultiLineTextWidth(const String& S, int& NumLines);
    int MaxTextWidth();
    int MaxMarkWidth();
    TChartSeries* SeriesLegend(int ItemIndex, bool OnlyActive);
    TChartSeries* ActiveSeriesLegend(int ItemIndex) { return SeriesLegend(ItemIndex, true); }
    String SeriesTitleLegend(int SeriesIndex, bool OnlyActive = true);
    void CalcSize3DWalls();
    void CalcInvertedRotation();

    // ---- properties ----
    int Chart3DPercent() const { return F3DPercent; }
    void SetChart3DPercent(int Value);
    TChartAxes* Axes() const { return FAxes; }
    TChartAxes* AxesList() const { return FAxes; }
    bool AxisBehind() const { return FAxisBehind; }
    void SetAxisBehind(bool Value) { SetBooleanProperty(FAxisBehind, Value); }
    bool AxisVisible() const { return FAxisVisible; }
    void SetAxisVisible(bool Value) { SetBooleanProperty(FAxisVisible, Value); }
    bool ClipPoints() const { return FClipPoints; }
    void SetClipPoints(bool Value) { SetBooleanProperty(FClipPoints, Value); }
    bool View3DWalls() const { return FView3DWalls; }
    void SetView3DWalls(bool Value) { SetBooleanProperty(FView3DWalls, Value); }
    TChartCustomAxes* CustomAxes() const { return FCustomAxes; }
    void SetCustomAxes(TChartCustomAxes* Value) { FCustomAxes->Assign(Value); }
    bool IsCustomAxesStored() const { return FCustomAxes->Count() > 0; }
    TChartAxis* BottomAxis() const { return FBottomAxis; }
    void SetBottomAxis(TChartAxis* Value) { FBottomAxis->Assign(Value); }
    TChartAxis* TopAxis() const { return FTopAxis; }
    void SetTopAxis(TChartAxis* Value) { FTopAxis->Assign(Value); }
    TChartAxis* LeftAxis() const { return FLeftAxis; }
    void SetLeftAxis(TChartAxis* Value) { FLeftAxis->Assign(Value); }
    TChartAxis* RightAxis() const { return FRightAxis; }
    void SetRightAxis(TChartAxis* Value) { FRightAxis->Assign(Value); }
    TChartDepthAxis* DepthAxis() const { return FDepthAxis; }
    void SetDepthAxis(TChartDepthAxis* Value) { FDepthAxis->Assign(Value); }
    TChartDepthAxis* DepthTopAxis() const { return FDepthTopAxis; }
    void SetDepthTopAxis(TChartDepthAxis* Value) { FDepthTopAxis->Assign(Value); }
    TChartPage* Pages() const { return FPage; }
    void SetPages(TChartPage* Value) { FPage->Assign(Value); }
    int Page() const { return FPage->Current(); }
    void SetPage(int Value) { FPage->SetCurrent(Value); }
    int MaxPointsPerPage() const { return FPage->MaxPointsPerPage(); }
    void SetMaxPointsPerPage(int Value) { FPage->SetMaxPointsPerPage(Value); }
    bool ScaleLastPage() const { return FPage->ScaleLastPage(); }
    void SetScaleLastPage(bool Value) { FPage->SetScaleLastPage(Value); }
    int MaxZOrder() const { return FMaxZOrder; }
    void SetMaxZOrder(int Value) { FMaxZOrder = Value; }
    int SeriesWidth3D() const { return FSeriesWidth3D; }
    int SeriesHeight3D() const { return FSeriesHeight3D; }
    TChartTools* Tools() const { return FTools; }
    TTeeCustomDesigner* GetDesigner() const { return Designer; }

    TSeriesNotifyEvent OnAddSeries;
    TSeriesNotifyEvent OnRemoveSeries;
    TNotifyEvent OnBeforeDrawChart;
    TNotifyEvent OnBeforeDrawAxes;
    TNotifyEvent OnBeforeDrawSeries;
    TAxisOnGetLabel OnGetAxisLabel;
    TAxisOnGetNextLabel OnGetNextAxisLabel;
    TNotifyEvent OnPageChange;

    bool InvertedRotation = false;
    bool DoNotBroadcast = false;
    TColor LegendColor = clWhite;
    TChartPen* LegendPen = nullptr;
    TTeeCustomDesigner* Designer = nullptr;
    TColorArray ColorPalette;

protected:
    void DefineProperties(TFiler* Filer) override;
    // The pointer leaving the chart also reaches the tools (cteMouseLeave).
    void WndProc(TMessage& Message) override;
    // The series' depth order of the frame.
    void CalcSeriesZOrder();
    // Axis layout: ranges, positions and the room each axis takes from ChartRect.
    void CalcAxisRect();
    // Widens each axis' range for the series' margins and the axes' offsets.
    void CalcSeriesRect();
    void DrawAllAxes();
    void DrawAllSeries();

    int F3DPercent = 15;
    TChartAxes* FAxes = nullptr;
    bool FAxisBehind = true;
    bool FAxisVisible = true;
    bool FClipPoints = true;
    TChartCustomAxes* FCustomAxes = nullptr;
    TChartSeriesList* FSeriesList = nullptr;
    TChartDepthAxis* FDepthAxis = nullptr;
    TChartDepthAxis* FDepthTopAxis = nullptr;
    TChartAxis* FTopAxis = nullptr;
    TChartAxis* FBottomAxis = nullptr;
    TChartAxis* FLeftAxis = nullptr;
    TChartAxis* FRightAxis = nullptr;
    bool FView3DWalls = true;
    TChartPage* FPage = nullptr;
    int FMaxZOrder = 0;
    int FSeriesWidth3D = 0;
    int FSeriesHeight3D = 0;
    TChartTools* FTools = nullptr;

private:
    void DrawSeries(TChartSeries* ASeries);
    void DrawSameZOrder(int First);
    void DrawMarksOf(TChartSeries* ASeries);
    void ReadPage(TReader* Reader);
    void ReadScaleLastPage(TReader* Reader);
    bool FClipped = false;
};
