// Test doubles for the series tests: a small chart (no walls, titles or legend, every colour
// free) and a series type that records the points it is asked to draw.
#pragma once

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/ChartSeries.h"
#include "platform/graphics/Bitmap.h"

#include <vector>

// The values of a list, in order.
inline std::vector<double> Values(const TChartValueList* List) {
    return std::vector<double>(List->Data(), List->Data() + List->Count());
}

// Canvas draws into Target, W x H pixels on white, unbuffered; with a chart it becomes the
// chart's canvas first.
inline void DrawInto(TTeeCanvas3D* Canvas, TBitmap& Target, int W, int H, TCustomTeePanel* Chart = nullptr) {
    if (Chart) Chart->SetInternalCanvas(Canvas);
    Target.SetSize(W, H);
    Canvas->SetUseBuffer(false);
    Canvas->InitWindow(Target.Canvas(), nullptr, clWhite, false, TRect{0, 0, W, H});
}

class TSeriesTestChart : public TCustomAxisPanel {
public:
    TSeriesTestChart() : TCustomAxisPanel(nullptr) {
        SetBounds(0, 0, 400, 300);
        SetView3D(false);
    }
    void CalcWallsRect() override {}
    int CalcWallSize(TChartAxis*) override { return 0; }
    void DrawTitlesAndLegend(bool) override {}
    void DrawWalls() override {}
    bool IsFreeSeriesColor(TColor, bool, TChartSeries*) override { return true; }

    // Lays the plotting rectangle and gives Axis a fixed range over it.
    void Place(TChartAxis* Axis, double Min, double Max, const TRect& R = {0, 0, 100, 100}) {
        ChartRect = R;
        ReCalcWidthHeight();
        Axis->SetMinMax(Min, Max);
        Axis->AdjustMaxMin();
        Axis->InternalCalcPositions();
    }
};

// Records the points it draws, in drawing order.
class TRecordingSeries : public TChartSeries {
public:
    explicit TRecordingSeries(TComponent* AOwner = nullptr) : TChartSeries(AOwner) {}
    void DrawValue(int ValueIndex) override { Drawn.push_back(ValueIndex); }
    std::vector<int> Drawn;
};

// A series type with one more value list than the base.
class TThreeListSeries : public TChartSeries {
public:
    explicit TThreeListSeries(TComponent* AOwner = nullptr) : TChartSeries(AOwner) {
        Sizes = new TChartValueList(this, "Size");
    }
    TChartValueList* Sizes;
};
