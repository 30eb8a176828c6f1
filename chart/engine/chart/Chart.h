// TCustomChart and TChart: the chart control that forms place. It fills in the steps the axis
// panel leaves to it (walls, titles and legend, free colours), pans with a chosen mouse
// button and undoes every zoom and scroll since the last undo in one step; TChart publishes
// the properties so that a form resource can hold a chart.
//
// Walls, title blocks and the legend are separate parts that the chart owns once they exist;
// until then a chart has none of them: no wall takes room, and no title or legend is drawn.
#pragma once

#include "chart/engine/chart/CustomAxisPanel.h"

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

    TMouseButton ScrollMouseButton() const { return FScrollMouse; }
    void SetScrollMouseButton(TMouseButton Value) { FScrollMouse = Value; }
    int ColorPaletteIndex() const { return FColorPaletteIndex; }
    void SetColorPaletteIndex(int Value) { FColorPaletteIndex = Value; }
    bool RestoredAxisScales = true;

private:
    void AxisRemoved(TChartAxis* Axis);
    int FColorPaletteIndex = 0;
    TAllAxisSavedScales FSavedScales;
    TMouseButton FScrollMouse = mbRight;
};

class TChart : public TCustomChart {
    ORVO_CLASS(TChart, TCustomChart)
public:
    explicit TChart(TComponent* AOwner) : TCustomChart(AOwner) {}
};
