// Stand-ins for the chart parts the curve editor is built from, for as long as the chart
// library does not offer them: a line series, the point grid's base, the drag-point tool and
// the cursor tool. Each offers just what the curve editor uses, under the names the library's
// own classes have, so that the editor switches to the real class by changing one type. The
// two that appear in the editor's form resource (the line series and the grid) are registered
// under the library's class names only while those names are free.
#pragma once

#include "chart/engine/chart/Chart.h"
#include "chart/engine/series/ChartSeries.h"
#include "platform/controls/Grids.h"

class TPen;

// Registers the stand-ins under "TLineSeries" and "TChartGrid" where no class has those names.
void RegisterCurveEditorStandIns();

// A series drawn as a polyline of its points in the series' colour; a point is hit within
// HitRadius pixels of its screen position.
class TStandInLineSeries : public TChartSeries {
    ORVO_CLASS(TStandInLineSeries, TChartSeries)
public:
    explicit TStandInLineSeries(TComponent* AOwner);
    ~TStandInLineSeries() override;

    void DrawAllValues() override;
    int Clicked(int X, int Y) override;
    using TChartSeries::Clicked;

    TPen* LinePen() const { return FLinePen; }
    int HitRadius = 4;

private:
    TPen* FLinePen;
};

// A grid of a series' points: a fixed column with the point number, one column of Y values,
// one header row. A typed number is stored as the point's Y value before OnSetEditText runs;
// a text that is no number stores nothing and OnSetEditText does not run.
class TStandInChartGrid : public TDrawGrid {
    ORVO_CLASS(TStandInChartGrid, TDrawGrid)
public:
    enum TShow { cgsAuto, cgsNo, cgsYes };
    explicit TStandInChartGrid(TComponent* AOwner);

    TChartSeries* Series() const { return FSeries; }
    void SetSeries(TChartSeries* Value);
    void SetShowXValues(TShow Value) { FShowXValues = Value; }
    void SetShowLabels(bool Value) { FShowLabels = Value; }
    void SetShowFields(bool Value) { FShowFields = Value; }
    // Rows for the series' points (at least one data row) and a repaint.
    void RecalcDimensions();

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    String GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const String& Value) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TChartSeries* FSeries = nullptr;
    TShow FShowXValues = cgsAuto;
    bool FShowLabels = true;
    bool FShowFields = true;
};

class TStandInDragPointTool;
using TStandInDragPointEvent = TEvent<TStandInDragPointTool*, int>;

// Drags a point of its series vertically with the left button: a press on a point holds it,
// each move sets its Y value to the value under the mouse and calls OnDragPoint, the release
// lets it go. The chart's mouse handlers hand it their events.
class TStandInDragPointTool : public TComponent {
    ORVO_CLASS(TStandInDragPointTool, TComponent)
public:
    enum TStyle { dsX, dsY, dsBoth };
    explicit TStandInDragPointTool(TComponent* AOwner) : TComponent(AOwner) {}

    TCustomChart* ParentChart() const { return FChart; }
    void SetParentChart(TCustomChart* Value) { FChart = Value; }
    TChartSeries* Series() const { return FSeries; }
    void SetSeries(TChartSeries* Value) { FSeries = Value; }
    TStyle DragStyle() const { return FStyle; }
    void SetDragStyle(TStyle Value) { FStyle = Value; }
    // The point being dragged; -1 when none.
    int DragIndex() const { return FIndex; }

    void MouseDown(TMouseButton Button, int X, int Y);
    void MouseMove(int X, int Y);
    void MouseUp();

    TStandInDragPointEvent OnDragPoint;

private:
    TCustomChart* FChart = nullptr;
    TChartSeries* FSeries = nullptr;
    TStyle FStyle = dsBoth;
    int FIndex = -1;
};

// A vertical line across the chart at an X value; drawn by DrawLine after the chart.
class TStandInCursorTool : public TComponent {
    ORVO_CLASS(TStandInCursorTool, TComponent)
public:
    enum TStyle { cssHorizontal, cssVertical, cssBoth };
    explicit TStandInCursorTool(TComponent* AOwner);
    ~TStandInCursorTool() override;

    TCustomChart* ParentChart() const { return FChart; }
    void SetParentChart(TCustomChart* Value) { FChart = Value; }
    double XValue() const { return FXValue; }
    // Repaints the chart when the value changes.
    void SetXValue(double Value);
    void SetFollowMouse(bool Value) { FFollowMouse = Value; }
    void SetStyle(TStyle Value) { FStyle = Value; }
    void SetClickTolerance(int Value) { FClickTolerance = Value; }
    void SetActive(bool Value) { FActive = Value; }
    TPen* Pen() const { return FPen; }
    // The line at the X value, clipped to the chart's plotting area.
    void DrawLine();

private:
    TCustomChart* FChart = nullptr;
    TPen* FPen;
    double FXValue = 0;
    bool FFollowMouse = true;
    TStyle FStyle = cssBoth;
    int FClickTolerance = 3;
    bool FActive = true;
};
