// A minimal axis panel for the axis tests: no walls, no titles or legend, every colour
// free; it records the overridable steps of a frame in order.
#pragma once

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/ChartSeries.h"
#include "platform/graphics/Bitmap.h"

#include <QStringList>

class TTestAxisPanel : public TCustomAxisPanel {
public:
    explicit TTestAxisPanel(int Width = 400, int Height = 300) : TCustomAxisPanel(nullptr) {
        SetBounds(0, 0, Width, Height);
        SetView3D(false);
        SetBevelOuter(bvNone);
        Target.SetSize(Width, Height);
        // Text is measured on the target outside frames too.
        Canvas()->SetCanvas(Target.Canvas());
        // Value labels without series (automatic labels need a series on the axis).
        LeftAxis()->SetLabelStyle(talValue);
        BottomAxis()->SetLabelStyle(talValue);
    }
    void CalcWallsRect() override { Steps << QStringLiteral("walls rect"); }
    int CalcWallSize(TChartAxis*) override { return 0; }
    void DrawTitlesAndLegend(bool BeforeSeries) override {
        Steps << (BeforeSeries ? QStringLiteral("titles before") : QStringLiteral("titles after"));
    }
    void DrawWalls() override { Steps << QStringLiteral("walls"); }
    bool IsFreeSeriesColor(TColor, bool, TChartSeries*) override { return true; }
    void DoOnBeforeDrawAxes() override {
        Steps << QStringLiteral("axes");
        TCustomAxisPanel::DoOnBeforeDrawAxes();
    }
    void DoOnBeforeDrawSeries() override {
        Steps << QStringLiteral("series");
        TCustomAxisPanel::DoOnBeforeDrawSeries();
    }
    void DoOnAfterDraw() override {
        Steps << QStringLiteral("after");
        TCustomAxisPanel::DoOnAfterDraw();
    }
    // One frame into the target bitmap.
    void Paint() override {
        Steps.clear();
        Draw(Target.Canvas(), TRect{0, 0, Target.Width(), Target.Height()});
    }

    QStringList Steps;
    TBitmap Target;
};

// The texts of the labels an automatic axis drew in its last drawing, top value first.
inline QStringList LabelTexts(TChartAxis* Axis) {
    QStringList result;
    for (int i = 0; i < Axis->Items()->Count(); ++i)
        result << Axis->Items()->Item(i)->Text();
    return result;
}
