// TCustomChart and TChart: the chart control that forms place. It fills in the steps the axis
// panel leaves to it (walls, titles and legend, free colours), pans with a chosen mouse
// button and undoes every zoom and scroll since the last undo in one step; TChart publishes
// the properties so that a form resource can hold a chart.
//
// The chart owns its title, subtitle, foot and subfoot blocks, its four walls and its legend,
// and places them around the plotting box in a fixed order in every frame.
#pragma once

#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/chart/ChartTitles.h"
#include "chart/engine/chart/ChartWalls.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/chart/TeeTools.h"

#include <map>

// The scale of one axis as it was before the first zoom or scroll.
struct TAxisSavedScales {
    bool Auto = true;
    bool AutoMin = true;
    bool AutoMax = true;
    double Min = 0;
    double Max = 0;
};

// The saved scales, keyed by axis: an axis created after the first zoom has no entry, and a
// freed axis loses its entry.
using TAllAxisSavedScales = std::map<const TChartAxis*, TAxisSavedScales>;

class TCustomChart;
using TOnGetLegendPos = TEvent<TCustomChart*, int, int&, int&, int&>;
ORVO_DECLARE_EVENT_TYPE(TOnGetLegendPos)
using TOnGetLegendRect = TEvent<TCustomChart*, TRect&>;
ORVO_DECLARE_EVENT_TYPE(TOnGetLegendRect)
using TOnGetLegendText = TEvent<TCustomAxisPanel*, TLegendStyle, int, String&>;
ORVO_DECLARE_EVENT_TYPE(TOnGetLegendText)

class TChartTitle;
class TCustomChart;

// ---- mouse: the parts a click can hit, the click events, the scroll switches ----------------

enum TChartClickedPartStyle {
    cpNone,
    cpLegend,
    cpAxis,
    cpSeries,
    cpTitle,
    cpFoot,
    cpChartRect,
    cpSeriesMarks,
    cpSubTitle,
    cpSubFoot,
    cpAxisTitle
};

// The part of a chart under a point: a point, mark or legend item index (-1 for none) and
// the series or axis hit.
struct TChartClickedPart {
    TChartClickedPartStyle Part = cpNone;
    int PointIndex = -1;
    TChartSeries* ASeries = nullptr;
    TChartAxis* AAxis = nullptr;
};

// Asked before an axis scrolls: may change the new range or refuse the scroll.
using TChartAllowScrollEvent = TEvent<TChartAxis*, double&, double&, bool&>;
using TChartClick = TEvent<TCustomChart*, TMouseButton, TShiftState, int, int>;
using TChartClickAxis = TEvent<TCustomChart*, TChartAxis*, TMouseButton, TShiftState, int, int>;
using TChartClickSeries = TEvent<TCustomChart*, TChartSeries*, int, TMouseButton, TShiftState, int, int>;
using TChartClickTitle = TEvent<TCustomChart*, TChartTitle*, TMouseButton, TShiftState, int, int>;
ORVO_DECLARE_EVENT_TYPE(TChartAllowScrollEvent)
ORVO_DECLARE_EVENT_TYPE(TChartClick)
ORVO_DECLARE_EVENT_TYPE(TChartClickAxis)
ORVO_DECLARE_EVENT_TYPE(TChartClickSeries)
ORVO_DECLARE_EVENT_TYPE(TChartClickTitle)

// Each animated zoom step covers this fraction (1 / factor) of the remaining distance.
extern double AnimatedZoomFactor;
// Keys that must be held for the scroll button to start panning.
extern TShiftState TeeScrollKeyShift;
// Whether the mouse wheel may scroll the vertical axes.
extern bool TeeUseMouseWheel;
// Called with each chart created while designing (its owner present and not loading);
// null by default.
using TTeeNewChartHook = void (*)(TCustomChart* AChart);
extern TTeeNewChartHook TeeNewChartHook;
// Set by the editor that offers themes for a chart; the engine never calls it.
using TTeeThemeSelectorHook = void (*)(TCustomChart* AChart);
extern TTeeThemeSelectorHook TeeThemeSelectorHook;
// Receives one name at a time from the Fill...Items operations.
using TGetStrProc = TEvent<const String&>;

class TCustomChart : public TCustomAxisPanel {
    ORVO_CLASS(TCustomChart, TCustomAxisPanel)
public:
    explicit TCustomChart(TComponent* AOwner);
    ~TCustomChart() override;

    // ---- steps of the axis panel ----
    void CalcWallsRect() override;
    int CalcWallSize(TChartAxis* Axis) override;
    void DrawTitlesAndLegend(bool BeforeSeries) override;
    void DrawWalls() override;
    bool IsFreeSeriesColor(TColor AColor, bool CheckBackground, TChartSeries* Series) override;
    void DrawLegendShape(const TRect& Rect) override;
    String FormattedValueLegend(TChartSeries* ASeries, int ValueIndex) override;
    TColor GetBackColor() override;
    void Assign(TPersistent* Source) override;
    // Restores every axis saved before the first zoom or scroll, then the panel's undo.
    void UndoZoom() override;

    // Saves the scales (once after an undo), then sets the ranges of the vertical and/or
    // horizontal axes as Zoom.Direction allows; Zoomed becomes true and OnZoom runs.
    void DoZoom(double TopMin, double TopMax, double BottomMin, double BottomMax, double LeftMin,
                double LeftMax, double RightMin, double RightMax);
    // Saves the scales of every axis but the depth axes.
    void SaveScales();
    void RestoreScales();
    const TAllAxisSavedScales& SavedScales() const { return FSavedScales; }

    // ---- layout: titles, legend and walls ----
    // The legend's text of item SeriesOrValueIndex, then OnGetLegendText.
    String FormattedLegend(int SeriesOrValueIndex);
    // The axis title's caption, or the axis' standard name.
    String AxisTitleOrName(TChartAxis* Axis);
    // Whether a wall at plane X faces the viewer (it is drawn before the series).
    bool DrawWallFirst(int X);
    bool DrawLeftWallFirst() { return DrawWallFirst(ChartRect.Left); }
    bool DrawRightWallAfter() { return !DrawWallFirst(ChartRect.Right); }
    void DrawBackWall();
    void DrawLeftWall();
    void DrawRightWall();
    void DrawBottomWall();
    // The canvas pen and brush for Wall.
    void PrepareWallCanvas(TCustomChartWall* Wall);
    // ---- the series list seen from the editor ----
    // Moves ASeries one place towards the start (nothing for the first series).
    void SeriesUp(TChartSeries* ASeries);
    // Moves ASeries one place towards the end (nothing for the last series).
    void SeriesDown(TChartSeries* ASeries);
    // The first active series, or null.
    TChartSeries* GetASeries() const;
    TChartSeries* ASeries() const { return GetASeries(); }
    // Frees every series (after cutting its data sources) and every tool, then takes the
    // settings of a new chart.
    void ClearChart();
    // The names a series' data could come from: none for the chart itself.
    virtual void FillSeriesSourceItems(TChartSeries* ASeries, TGetStrProc Proc);
    // The value lists' names of the series that ValueList's series reads from, in order.
    virtual void FillValueSourceItems(TChartValueList* ValueList, TGetStrProc Proc);

    void NextPage() { Pages()->NextPage(); }
    void PreviousPage() { Pages()->PreviousPage(); }

    TChartTitle* Title() const { return FTitle; }
    void SetTitle(TChartTitle* Value) { FTitle->Assign(Value); }
    TChartTitle* SubTitle() const { return FSubTitle; }
    void SetSubTitle(TChartTitle* Value) { FSubTitle->Assign(Value); }
    TChartTitle* Foot() const { return FFoot; }
    void SetFoot(TChartTitle* Value) { FFoot->Assign(Value); }
    TChartTitle* SubFoot() const { return FSubFoot; }
    void SetSubFoot(TChartTitle* Value) { FSubFoot->Assign(Value); }
    TChartLegend* Legend() const { return FLegend; }
    void SetLegend(TChartLegend* Value) { FLegend->Assign(Value); }
    TChartWalls* Walls() const { return FWalls; }
    void SetWalls(TChartWalls* Value) { FWalls->Assign(Value); }
    TChartBackWall* BackWall() const { return FWalls->Back(); }
    void SetBackWall(TChartBackWall* Value) { FWalls->SetBack(Value); }
    TChartLeftWall* LeftWall() const { return FWalls->Left(); }
    void SetLeftWall(TChartLeftWall* Value) { FWalls->SetLeft(Value); }
    TChartBottomWall* BottomWall() const { return FWalls->Bottom(); }
    void SetBottomWall(TChartBottomWall* Value) { FWalls->SetBottom(Value); }
    TChartRightWall* RightWall() const { return FWalls->Right(); }
    void SetRightWall(TChartRightWall* Value) { FWalls->SetRight(Value); }
    // The back wall's pen.
    TChartPen* Frame() const;
    void SetFrame(TChartPen* Value);
    // The panel colour behind a transparent back wall, else the back wall's colour.
    TColor BackColor();
    // Sets the back wall's colour (and, on a shown chart, a solid back wall brush).
    void SetBackColor(TColor Value);

    TOnGetLegendPos OnGetLegendPos;
    TOnGetLegendRect OnGetLegendRect;
    TOnGetLegendText OnGetLegendText;

    TMouseButton ScrollMouseButton() const { return FScrollMouse; }
    void SetScrollMouseButton(TMouseButton Value) { FScrollMouse = Value; }
    int ColorPaletteIndex() const { return FColorPaletteIndex; }
    // Applies the palette of that index from the global palette list when it changes.
    void SetColorPaletteIndex(int Value);
    bool RestoredAxisScales = true;

    // ---- mouse: clicks, zoom, panning and wheel (ChartMouse.cpp) ----
    // The part under Pos, with every series taking part.
    void CalcClickedPart(TPoint Pos, TChartClickedPart& Part);
    // Calls ChartMouseEvent of every active tool in list order, stopping after the first
    // tool that sets CancelMouse.
    void BroadcastMouseEvent(TChartMouseEvent Event, TMouseButton Button, TShiftState Shift, int X, int Y);
    using TCustomAxisPanel::BroadcastMouseEvent;
    // The same for WheelMouseEvent.
    void BroadcastWheelEvent(TWheelMouseEvent Event, int Delta, int X, int Y);
    // Zooms to the pixel rectangle.
    void ZoomRect(const TRect& Rect);
    // Orders the zoom corners and zooms the axes to their values.
    virtual void CalcZoomPoints();
    // 100 keeps the ranges; above 100 narrows each axis the zoom direction allows, below widens.
    void ZoomPercent(double PercentZoom);
    // Moves every vertical axis by 3 percent of its span (up for Up).
    void ScrollVerticalAxes(bool Up);
    // TeeUseMouseWheel and vertical panning allowed.
    bool CanWheelScroll() const;
    // False when the first active series draws without axes (a pie): then walls, zoom and
    // panning are skipped.
    bool ActiveSeriesUseAxis() const;

    TChartAllowScrollEvent OnAllowScroll;
    TChartClickAxis OnClickAxis;
    TChartClick OnClickBackground;
    TChartClick OnClickLegend;
    TChartClickSeries OnClickSeries;
    TChartClickTitle OnClickTitle;

protected:
    void DefineProperties(TFiler* Filer) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

private:
    // Applying a palette stores its index without applying it again.
    friend class TColorPalettes;
    void ClickedPartAt(int X, int Y, bool OnlyClickable, TChartClickedPart& Part);
    // Starts a zoom and/or panning drag at the mouse-down point.
    void StartZoomOrPanning(TMouseButton Button, TShiftState Shift, int X, int Y);
    // Scrolls the axes of one orientation from pixel P0 to P; true when allowed to run.
    bool PanningStep(bool Horizontal, int P, int P0);
    // A wheel notch: scrolls the vertical axes when allowed, then tells the tools.
    void WheelStep(bool Down);

private:
    void AxisRemoved(TChartAxis* Axis);
    // Each title block without (BeforeSeries) or with a custom position, in its entity.
    void DrawTitleBlocks(bool BeforeSeries);
    // The walls that face the viewer, drawn over the series.
    void DrawWallsAfterSeries();
    void ReadColorPaletteIndex(TReader* Reader);
    void WriteColorPaletteIndex(TWriter* Writer);
    TChartTitle* FFoot = nullptr;
    TChartLegend* FLegend = nullptr;
    TChartTitle* FSubFoot = nullptr;
    TChartTitle* FSubTitle = nullptr;
    TChartTitle* FTitle = nullptr;
    TChartWalls* FWalls = nullptr;
    int FColorPaletteIndex = 0;
    TAllAxisSavedScales FSavedScales;
    TMouseButton FScrollMouse = mbRight;
};

class TChart : public TCustomChart {
    ORVO_CLASS(TChart, TCustomChart)
public:
    explicit TChart(TComponent* AOwner) : TCustomChart(AOwner) {}
};
