// The frame around a gauge: each ring is painted in its palette colour unless the user gave
// the ring a colour of its own.
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/Chart.h"
#include "chart/gauges/LinearGauge.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
struct FramedChart {
    FramedChart() {
        chart.SetBounds(0, 0, 400, 240);
        chart.SetView3D(false);
        gauge = new TLinearGauge(nullptr);
        chart.AddSeries(gauge);
        gauge->Frame()->SetCircled(false);
        gauge->Frame()->Shadow()->SetVisible(false);
    }
    ~FramedChart() { delete gauge; }
    void Draw() {
        target.SetSize(400, 240);
        chart.Draw(target.Canvas(), TRect{0, 0, 400, 240});
    }
    // A pixel in the middle of ring Ring (0 outer, 1 middle, 2 inner) on the left edge of the
    // frame, half way down the gauge.
    TColor Ring(int Ring) {
        const TRect r = gauge->OrigRect();
        const double s = gauge->Frame()->CalcWidth(r) * 0.1;
        const int outer = int(std::lround(s)), middle = int(std::lround(7 * s)),
                  inner = int(std::lround(2 * s));
        const int starts[] = {0, outer, outer + middle};
        const int widths[] = {outer, middle, inner};
        return target.Canvas()->Pixels(r.Left + starts[Ring] + widths[Ring] / 2, (r.Top + r.Bottom) / 2);
    }
    TChart chart{nullptr};
    TLinearGauge* gauge = nullptr;
    TBitmap target;
};
} // namespace

TEST(FramedBorder, RingsShowTheirPaletteColoursOrTheirOwn) {
    FramedChart fc;
    fc.Draw();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(fc.Ring(i), fc.gauge->GetPaletteColor(i)) << "ring " << i;

    // A new palette recolours the rings; a colour set on a ring wins over the palette.
    fc.gauge->SetGaugePalette({TColor(0x0000C0), TColor(0x00C000), TColor(0xC00000)}, 2);
    fc.gauge->Frame()->MiddleBrush()->SetColor(TColor(0x123456));
    fc.Draw();
    EXPECT_EQ(fc.Ring(0), TColor(0x0000C0));
    EXPECT_EQ(fc.Ring(1), TColor(0x123456));
    EXPECT_EQ(fc.Ring(2), TColor(0xC00000));
}
