// Test doubles for the chart layout tests: a chart drawn into its own bitmap that records
// its overridable steps and the entities its canvas opens, and a streamable series type
// that draws a small box at every point.
#pragma once

#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/chart/Chart.h"
#include "platform/graphics/Bitmap.h"

#include <QStringList>

// Draws a filled 7 x 7 box in the point's colour at every point. With UsesAxes false it
// stands for a series without axes (a pie).
class TTestBoxSeries : public TChartSeries {
    ORVO_CLASS(TTestBoxSeries, TChartSeries)
public:
    explicit TTestBoxSeries(TComponent* AOwner = nullptr) : TChartSeries(AOwner) {}
    void DrawValue(int ValueIndex) override;
    bool UseAxis() override { return UsesAxes; }
    bool UsesAxes = true;
};

// A canvas that records the entities opened while drawing ("axes", "Legend", "title", a
// series' name).
class TEntityCanvas : public TTeeCanvas3D {
public:
    TEntityCanvas() { SupportsID = true; }
    void BeginEntity(const String& Entity) override { Entities << Entity; }
    QStringList Entities;
};

class TLayoutChart : public TChart {
public:
    explicit TLayoutChart(int Width = 400, int Height = 300, bool RecordEntities = false);
    // One frame into the target bitmap.
    void Paint() override;
    void DrawWalls() override {
        Steps << QStringLiteral("walls");
        TChart::DrawWalls();
    }
    void DrawTitlesAndLegend(bool BeforeSeries) override {
        Steps << (BeforeSeries ? QStringLiteral("titles before") : QStringLiteral("titles after"));
        TChart::DrawTitlesAndLegend(BeforeSeries);
    }
    void DoOnBeforeDrawAxes() override {
        Steps << QStringLiteral("axes");
        TChart::DoOnBeforeDrawAxes();
    }
    void DoOnBeforeDrawSeries() override {
        Steps << QStringLiteral("series");
        TChart::DoOnBeforeDrawSeries();
    }
    void DoOnAfterDraw() override {
        Steps << QStringLiteral("after");
        TChart::DoOnAfterDraw();
    }
    // Adds a box series with the points (0, Y[0]), (1, Y[1]), ...
    TTestBoxSeries* AddBoxSeries(std::initializer_list<double> Y, const String& Title = String());
    TColor Pixel(int X, int Y) { return Target.Canvas()->Pixels(X, Y); }
    // The entities of the last frame (with RecordEntities).
    QStringList Entities() const;

    QStringList Steps;
    TBitmap Target;
    TEntityCanvas* EntityCanvas = nullptr;
};
