#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/Control.h"
#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {
struct Counter {
    int n = 0;
    TNotifyEvent event() {
        return TNotifyEvent([this](TObject*) { ++n; });
    }
};
} // namespace

TEST(ChartPen, NotifiesOnlyRealChanges) {
    Counter c;
    TChartPen pen(c.event());
    // Each setter: the start value again (no event), then a new value (one event).
    const std::function<void(int)> setters[] = {
        [&](int v) { pen.SetVisible(v == 0); },
        [&](int v) { pen.SetSmallDots(v != 0); },
        [&](int v) { pen.SetSmallSpace(v); },
        [&](int v) { pen.SetEndStyle(TPenEndStyle(v)); },
    };
    for (const auto& set : setters) {
        const int before = c.n;
        set(0);
        EXPECT_EQ(c.n, before);
        set(1);
        EXPECT_EQ(c.n, before + 1);
    }
    TChartPen copy;
    copy.Assign(&pen);
    EXPECT_FALSE(copy.Visible());
    EXPECT_TRUE(copy.SmallDots());
    EXPECT_EQ(copy.EndStyle(), esSquare);
}

TEST(ChartPen, StoredRulesFollowTheOwnersDefaults) {
    TChartPen plain;
    TChartHiddenPen hidden;
    TWhitePen white;
    plain.SetVisible(false);
    EXPECT_TRUE(IsStoredProp(&plain, "Visible"));
    EXPECT_FALSE(IsStoredProp(&hidden, "Visible"));
    EXPECT_TRUE(IsStoredProp(&white, "Visible"));
    EXPECT_FALSE(IsStoredProp(&plain, "EndStyle"));
    plain.DefaultEnd = esFlat;
    EXPECT_TRUE(IsStoredProp(&plain, "EndStyle"));
    TDottedGrayPen dotted;
    EXPECT_EQ(GetEnumProp(&dotted, "Style"), "psDot");
    EXPECT_EQ(GetOrdProp(&dotted, "Color"), clGray);
}

TEST(ChartBrush, AssignCopiesOrFreesThePicture) {
    TChartBrush withPicture, without;
    withPicture.Image()->Bitmap()->SetSize(2, 2);
    without.Assign(&withPicture);
    EXPECT_TRUE(without.HasImage());
    TChartBrush empty;
    without.Assign(&empty);
    EXPECT_FALSE(without.HasImage());
    EXPECT_EQ(empty.Color(), clDefault);
    EXPECT_EQ(empty.BackColor(), clNone);
}

TEST(View3DOptions, SettersRepaintOnlyOnChange) {
    TView3DOptions v;
    Counter repaint;
    v.OnRepaint = repaint.event();
    v.SetPerspective(15);
    v.SetOrthogonal(true);
    v.SetElevation(345);
    EXPECT_EQ(repaint.n, 0);
    v.SetPerspective(250);
    EXPECT_EQ(v.Perspective(), 100);
    v.SetPerspective(-5);
    EXPECT_EQ(v.Perspective(), -5);
    EXPECT_EQ(repaint.n, 2);

    std::vector<std::pair<int, double>> zooms;
    v.OnChangedZoom = TTeeView3DChangedZoom([&](int z) { zooms.push_back({z, v.ZoomFloat()}); });
    v.SetZoom(150.4);
    ASSERT_EQ(zooms.size(), 1u);
    EXPECT_EQ(zooms[0].first, 150);
    EXPECT_EQ(zooms[0].second, 100.0); // the event comes before the zoom changes
    EXPECT_EQ(v.Zoom(), 150);
    EXPECT_EQ(repaint.n, 3);

    std::vector<bool> scrolled;
    v.OnScrolled = TTeeView3DScrolled([&](bool h) { scrolled.push_back(h); });
    v.SetHorizOffset(4);
    v.SetVertOffset(0);
    v.SetVertOffset(2);
    EXPECT_EQ(scrolled, (std::vector<bool>{true, false}));
}

namespace {
class TCountingPanel : public TControl {
public:
    using TControl::TControl;
    int invalidations = 0;
    void Invalidate() override { ++invalidations; }
};
} // namespace

TEST(View3DOptions, ChangesInvalidateTheParentPanel) {
    TCountingPanel panel(nullptr);
    TView3DOptions v(&panel);
    v.SetTilt(0);
    v.SetZoomInteger(100);
    EXPECT_EQ(panel.invalidations, 0);
    v.SetTilt(10);
    v.SetZoomInteger(120);
    v.SetHorizOffset(3);
    EXPECT_EQ(panel.invalidations, 3);
    TView3DOptions other(&panel);
    other.Assign(&v); // assignment copies without repainting
    EXPECT_EQ(panel.invalidations, 3);
    EXPECT_EQ(other.Zoom(), 120);
    EXPECT_EQ(other.Parent(), &panel);
}

TEST(View3DOptions, OrthoRatio) {
    TView3DOptions v;
    struct Case {
        int angle;
        double want;
    } cases[] = {{45, 1.0}, {135, 1.0}, {30, std::tan(30 * TeePiStep)}, {150, std::tan(30 * TeePiStep)}};
    for (const Case& c : cases) {
        v.SetOrthoAngle(c.angle);
        EXPECT_NEAR(v.CalcOrthoRatio(), c.want, 1e-12) << c.angle;
    }
    v.SetOrthoAngle(90);
    EXPECT_GT(v.CalcOrthoRatio(), 1e10);
    v.SetOrthogonal(false);
    EXPECT_EQ(v.CalcOrthoRatio(), 1.0);
    EXPECT_TRUE(IsStoredProp(&v, "Orthogonal"));
    EXPECT_EQ(GetPropInfo(&v, "Zoom")->Default, 100);
}

TEST(Gradient, MiddleColourAndSubGradient) {
    Counter c;
    TTeeGradient g(c.event());
    g.SetMidColor(clNone);
    EXPECT_EQ(c.n, 0);
    g.SetMidColor(clRed);
    EXPECT_EQ(g.MidColor(), clRed);
    g.SetMidColor(clRed);
    EXPECT_EQ(c.n, 1);
    g.SetMidColor(clNone);
    EXPECT_EQ(g.MidColor(), clNone);
    EXPECT_EQ(c.n, 2);

    TTeeGradient source;
    source.SubGradient()->SetVisible(true);
    source.SubGradient()->SetTransparency(70);
    source.SubGradient()->SetStartColor(clBlue);
    g.Assign(&source);
    ASSERT_TRUE(g.HasSubGradient());
    EXPECT_EQ(g.SubGradient()->Transparency(), 70);
    EXPECT_EQ(g.SubGradient()->StartColor(), clBlue);
    TTeeGradient plain;
    g.Assign(&plain);
    EXPECT_FALSE(g.HasSubGradient());
}

TEST(Shadow, SizeAndStoredRules) {
    TTeeShadow s;
    s.SetHorizSize(-5);
    s.SetVertSize(3);
    EXPECT_EQ(s.Size(), 5);
    EXPECT_TRUE(IsStoredProp(&s, "HorizSize"));
    s.InitValues(clBlack, 3);
    EXPECT_FALSE(IsStoredProp(&s, "HorizSize"));
    EXPECT_FALSE(IsStoredProp(&s, "Color"));
}

TEST(TeeFont, EffectsAreCopiedOrFreed) {
    TTeeFont a, b;
    a.Shadow()->SetHorizSize(2);
    a.SetInterCharSize(3);
    b.Assign(&a);
    ASSERT_TRUE(b.HasShadow());
    EXPECT_EQ(b.Shadow()->HorizSize(), 2);
    EXPECT_EQ(b.InterCharSize(), 3);
    TTeeFont plain;
    b.Assign(&plain);
    EXPECT_FALSE(b.HasShadow());
    EXPECT_FALSE(IsStoredProp(&plain, "Name"));
    EXPECT_FALSE(IsStoredProp(&plain, "Height"));
    EXPECT_FALSE(IsPropPresent(&plain, GetPropInfo(&plain, "Shadow")));
}
