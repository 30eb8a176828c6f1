// Geometry the canvas hands to the device for bevel frames, arcs by angle, 2-D arrows and
// clip cubes, read from the recording canvas.
#include "CanvasTestSupport.h"

#include <algorithm>

namespace {

// A recording canvas on a 2-D pass over a 100 x 100 bitmap, or on a 3-D pass with the
// given view options over a 200 x 200 one.
struct Recorder {
    TBitmap target;
    TRecordingCanvas canvas;
    explicit Recorder(TView3DOptions* options = nullptr) {
        const int size = options ? 200 : 100;
        const TRect r{0, 0, size, size};
        target.SetSize(size, size);
        canvas.SetUseBuffer(false);
        canvas.InitWindow(target.Canvas(), options, clWhite, options != nullptr, r);
        canvas.Projection(20, r, r);
    }
    std::vector<std::string> ops() const {
        std::vector<std::string> r;
        for (const auto& c : canvas.calls)
            r.push_back(c.op);
        return r;
    }
};

using Pts = std::vector<TPoint>;

} // namespace

TEST(Frame3D, EachLevelDrawsTopThenBottomEdgesAndShrinksTheRectangle) {
    Recorder r;
    r.canvas.Pen()->SetWidth(3);
    r.canvas.Pen()->SetStyle(psDot);
    TRect rect{10, 10, 20, 20};
    r.canvas.Frame3D(rect, clRed, clBlue, 2);
    EXPECT_EQ(rect, (TRect{12, 12, 18, 18}));
    EXPECT_EQ(r.canvas.Pen()->Width(), 1);
    EXPECT_EQ(r.canvas.Pen()->Style(), psSolid);
    const struct {
        Pts pts;
        TColor pen;
    } want[] = {
        {{{10, 19}, {10, 10}, {19, 10}}, clRed},
        {{{19, 10}, {19, 19}, {9, 19}}, clBlue},
        {{{11, 18}, {11, 11}, {18, 11}}, clRed},
        {{{18, 11}, {18, 18}, {10, 18}}, clBlue},
    };
    ASSERT_EQ(r.canvas.calls.size(), std::size(want));
    for (std::size_t i = 0; i < std::size(want); ++i) {
        EXPECT_EQ(r.canvas.calls[i].op, "Polyline") << i;
        EXPECT_EQ(r.canvas.calls[i].pts, want[i].pts) << i;
        EXPECT_EQ(r.canvas.calls[i].pen, want[i].pen) << i;
    }

    r.canvas.calls.clear();
    TRect same{10, 10, 20, 20};
    r.canvas.Frame3D(same, clRed, clBlue, 0);
    EXPECT_TRUE(r.canvas.calls.empty());
    EXPECT_EQ(same, (TRect{10, 10, 20, 20}));
}

TEST(Arc, AnglesBecomeRadialPointsCounterClockwiseFromThePositiveX) {
    const struct {
        TRect box;
        double start, end;
        TPoint from, to;
    } cases[] = {
        {{0, 0, 100, 50}, 0, 90, {100, 25}, {50, 0}},
        {{0, 0, 100, 50}, 180, 270, {0, 25}, {50, 50}},
        {{0, 0, 100, 50}, 45, 45, {85, 7}, {85, 7}},   // equal angles: equal points
        {{10, 20, 21, 31}, 90, 0, {15, 20}, {20, 25}}, // odd sizes: radii 5, centre (15, 25)
    };
    for (const auto& c : cases) {
        Recorder r;
        r.canvas.Arc(c.box.Left, c.box.Top, c.box.Right, c.box.Bottom, c.start, c.end);
        ASSERT_EQ(r.canvas.calls.size(), 1u);
        const Pts want = {{c.box.Left, c.box.Top}, {c.box.Right, c.box.Bottom}, c.from, c.to};
        EXPECT_EQ(r.canvas.calls[0].pts, want) << c.start << " " << c.end;
    }
}

TEST(Arrow2D, ShaftAndBarbsOrOneFilledPolygon) {
    Recorder r;
    // Outline: shaft, the line on to barb B, then the tip again and barb A.
    r.canvas.Arrow(false, 50, TPoint{10, 50}, TPoint{60, 50}, 10, 20);
    EXPECT_EQ(r.ops(), (std::vector<std::string>{"MoveTo", "LineTo", "LineTo", "MoveTo", "LineTo"}));
    const Pts outline[] = {{{10, 50}}, {{60, 50}}, {{40, 55}}, {{60, 50}}, {{40, 45}}};
    for (std::size_t i = 0; i < std::size(outline); ++i)
        EXPECT_EQ(r.canvas.calls[i].pts, outline[i]) << i;

    // Pointing up: the head lies below the tip, its corners across the shaft.
    r.canvas.calls.clear();
    r.canvas.Arrow(true, 40, TPoint{50, 60}, TPoint{50, 10}, 10, 20);
    ASSERT_EQ(r.canvas.calls.size(), 1u);
    EXPECT_EQ(r.canvas.calls[0].pts,
              (Pts{{52, 60}, {48, 60}, {48, 30}, {45, 30}, {50, 10}, {55, 30}, {52, 30}}));

    // A head longer than the arrow reaches back to the tail; no length draws nothing.
    r.canvas.calls.clear();
    r.canvas.Arrow(false, 50, TPoint{10, 50}, TPoint{20, 50}, 10, 30);
    EXPECT_EQ(r.canvas.calls.back().pts, (Pts{{10, 45}}));
    r.canvas.calls.clear();
    r.canvas.Arrow(true, 50, TPoint{10, 50}, TPoint{10, 50}, 10, 30);
    EXPECT_TRUE(r.canvas.calls.empty());
}

TEST(ClipCube, FlatPassClipsInsideTheRectangle) {
    Recorder r;
    r.canvas.ClipCube(TRect{10, 20, 60, 80}, 0, 20);
    ASSERT_EQ(r.canvas.calls.size(), 1u);
    EXPECT_EQ(r.canvas.calls[0].op, "ClipRectangle");
    EXPECT_EQ(r.canvas.calls[0].pts, (Pts{{11, 21}, {60, 79}}));
    r.canvas.UnClipRectangle();
}

TEST(ClipCube, DepthPassClipsToTheHullOfTheProjectedBox) {
    TView3DOptions options; // orthogonal at 45 degrees: depth z moves a point by (z, -z)
    Recorder r(&options);
    r.canvas.ClipCube(TRect{50, 50, 150, 150}, 0, 20);
    ASSERT_EQ(r.canvas.calls.size(), 1u);
    EXPECT_EQ(r.canvas.calls[0].op, "ClipPolygon");
    Pts hull = r.canvas.calls[0].pts;
    ASSERT_EQ(hull.size(), 6u);              // the front top-right and back bottom-left corners lie inside
    EXPECT_EQ(hull.back(), (TPoint{170, 30})); // the pivot comes last
    auto less = [](TPoint a, TPoint b) { return a.X != b.X ? a.X < b.X : a.Y < b.Y; };
    std::sort(hull.begin(), hull.end(), less);
    EXPECT_EQ(hull, (Pts{{50, 50}, {50, 150}, {70, 30}, {150, 150}, {170, 30}, {170, 130}}));
    r.canvas.UnClipRectangle();
}
