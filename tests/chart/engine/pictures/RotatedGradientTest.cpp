// An angled gradient keeps its rotated picture between redraws: a redraw paints the same
// pixels as a first draw, and any change of setting or size paints the new gradient.
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "tests/chart/engine/pictures/PixelSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<TRGB> Paint(TCustomTeeGradient& g, const TRect& r) {
    TBitmap b;
    b.SetSize(40, 30);
    {
        TTeeCanvas3D canvas;
        canvas.SetUseBuffer(false);
        canvas.SetCanvas(b.Canvas());
        g.Draw(&canvas, r);
    }
    std::vector<TRGB> px;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            px.push_back(Px(&b, x, y));
    return px;
}

void Configure(TCustomTeeGradient& g) {
    g.SetVisible(true);
    g.SetStartColor(clRed);
    g.SetEndColor(clBlue);
    g.SetAngle(30);
}

} // namespace

TEST(RotatedGradient, RedrawAndEveryChangePaintLikeAFreshGradient) {
    const TRect small{2, 3, 30, 25}, large{1, 1, 38, 28};
    struct Case {
        const char* name;
        std::function<void(TCustomTeeGradient&)> change;
        TRect rect;
    };
    const Case cases[] = {
        {"unchanged", [](TCustomTeeGradient&) {}, small},
        {"start colour", [](TCustomTeeGradient& g) { g.SetStartColor(clLime); }, small},
        {"end colour", [](TCustomTeeGradient& g) { g.SetEndColor(clYellow); }, small},
        {"middle colour", [](TCustomTeeGradient& g) { g.SetMidColor(clWhite); }, small},
        {"angle", [](TCustomTeeGradient& g) { g.SetAngle(120); }, small},
        {"direction", [](TCustomTeeGradient& g) { g.SetDirection(gdLeftRight); }, small},
        {"balance", [](TCustomTeeGradient& g) { g.SetBalance(20); }, small},
        {"size", [](TCustomTeeGradient&) {}, large},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TTeeGradient kept;
        Configure(kept);
        const auto before = Paint(kept, small);
        c.change(kept);
        const auto after = Paint(kept, c.rect);

        TTeeGradient fresh;
        Configure(fresh);
        c.change(fresh);
        EXPECT_EQ(after, Paint(fresh, c.rect));
        if (std::string(c.name) != "unchanged") {
            EXPECT_NE(after, before);
        }
    }
}

TEST(RotatedGradient, VisibleSubGradientFollowsItsOwnChanges) {
    TTeeGradient kept;
    Configure(kept);
    kept.SubGradient()->SetVisible(true);
    kept.SubGradient()->SetStartColor(clBlack);
    const TRect r{2, 3, 30, 25};
    const auto before = Paint(kept, r);
    kept.SubGradient()->SetStartColor(clWhite);
    const auto after = Paint(kept, r);

    TTeeGradient fresh;
    Configure(fresh);
    fresh.SubGradient()->SetVisible(true);
    fresh.SubGradient()->SetStartColor(clWhite);
    EXPECT_EQ(after, Paint(fresh, r));
    EXPECT_NE(after, before);
}
