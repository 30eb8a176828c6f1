// A plain white chart for the series tests: no walls, titles or legend, both axes 0 .. 10,
// drawn into a bitmap whose pixels the tests read at the chart's own positions.
#pragma once

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/ChartSeries.h"
#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <memory>

class TSeriesTestChart : public TCustomAxisPanel {
public:
    TSeriesTestChart() : TCustomAxisPanel(nullptr) {
        SetBounds(0, 0, 300, 220);
        SetView3D(false);
        SetColor(clWhite);
        for (TChartAxis* axis : {LeftAxis(), BottomAxis()}) {
            axis->SetMinMax(0, 10);
            axis->Grid()->SetVisible(false);
        }
    }
    void CalcWallsRect() override { CalcSize3DWalls(); }
    int CalcWallSize(TChartAxis*) override { return 0; }
    void DrawTitlesAndLegend(bool) override {}
    void DrawWalls() override {}
    bool IsFreeSeriesColor(TColor, bool, TChartSeries*) override { return true; }
};

class SeriesPixelTest : public ::testing::Test {
protected:
    // A series of the class in the chart, coloured Color.
    template <class S> S* Make(TColor Color = clRed) {
        auto* s = new S(&owner);
        s->SetParentChart(&chart);
        s->SetSeriesColor(Color);
        return s;
    }
    void Paint() { image.reset(chart.TeeCreateBitmap(clWhite, TRect{0, 0, 300, 220})); }
    TColor At(int X, int Y) { return image->Canvas()->Pixels(X, Y); }
    TColor At(TPoint P) { return At(P.X, P.Y); }
    TPoint Pos(TChartSeries* S, int Index) { return TPoint{S->CalcXPos(Index), S->CalcYPos(Index)}; }
    int XPos(double X) { return chart.BottomAxis()->CalcXPosValue(X); }
    int YPos(double Y) { return chart.LeftAxis()->CalcYPosValue(Y); }
    TPoint ValuePos(double X, double Y) { return TPoint{XPos(X), YPos(Y)}; }

    TComponent owner{nullptr};
    TSeriesTestChart chart;
    std::unique_ptr<TBitmap> image;
};
