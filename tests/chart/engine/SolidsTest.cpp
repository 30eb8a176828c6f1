// The curved and pointed solids through a recording canvas: which faces reach the
// device, with how many points, where, and in which colour.
#include "CanvasTestSupport.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Records the brush colour of every polygon as well.
class TSolidsCanvas : public TRecordingCanvas {
public:
    std::vector<TColor> brushes;
    using TRecordingCanvas::Polygon;
    void Polygon(std::span<const TPoint> P) override {
        brushes.push_back(Brush()->Color());
        TRecordingCanvas::Polygon(P);
    }
    std::vector<Call> Polygons() const {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.op == "Polygon") out.push_back(c);
        return out;
    }
};

// An orthogonal view at 45 degrees: (x, y, z) is seen at (x + z, y - z).
struct SolidView {
    TView3DOptions options;
    TSolidsCanvas canvas;
    TBitmap target;
    SolidView() {
        options.SetOrthogonal(true);
        target.SetSize(300, 300);
        canvas.InitWindow(target.Canvas(), &options, clWhite, true, TRect{0, 0, 300, 300});
        canvas.Projection(0, TRect{0, 0, 300, 300}, TRect{0, 0, 300, 300});
        canvas.Brush()->SetColor(clRed);
        canvas.Brush()->SetStyle(bsSolid);
    }
};

TRect bounds(const std::vector<TPoint>& p) {
    return PolygonBounds(p);
}

} // namespace

TEST(Pie3D, SamplePointsFollowTheAngle) {
    struct Case {
        double start, end;
        std::size_t facePoints;
    };
    const Case cases[] = {
        {0, 0.1 * kPi / 180, 3}, // two samples and the centre
        {0, kPi / 2, 48},        // one sample per two degrees
        {0, 2 * kPi, 97},        // at most 96
        {0, 40 * kPi, 97},
    };
    for (const Case& c : cases) {
        SolidView v;
        v.canvas.Pie3D(150, 150, 50, 50, 0, 10, c.start, c.end, false, false, 0, nullptr);
        const auto polys = v.canvas.Polygons();
        ASSERT_FALSE(polys.empty());
        EXPECT_EQ(polys[0].pts.size(), c.facePoints) << c.end;
    }
}

TEST(Pie3D, FaceAtTheBackDepthAndSidesAndWallsFacingTheViewer) {
    SolidView v;
    // The upper right quarter: its arc runs to the left, so no curved wall; the start
    // face (at angle 0, right of the centre) faces the viewer, the end face does not.
    v.canvas.Pie3D(150, 150, 50, 50, 0, 10, 0, kPi / 2, true, true, 0, nullptr);
    auto polys = v.canvas.Polygons();
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].pts, (std::vector<TPoint>{{160, 140}, {210, 140}, {200, 150}, {150, 150}}));
    EXPECT_EQ(v.canvas.brushes[0], ApplyDark(clRed, 32));
    EXPECT_EQ(polys[1].pts.front(), (TPoint{160, 140}));
    EXPECT_EQ(polys[1].pts[1], (TPoint{210, 140}));
    EXPECT_EQ(polys[1].pts.back(), (TPoint{160, 90}));
    EXPECT_EQ(v.canvas.brushes[1], clRed); // set back to the base colour

    // The lower left quarter: the arc runs to the right, one wall over the whole arc.
    SolidView w;
    w.canvas.Pie3D(150, 150, 50, 50, 0, 10, kPi, 1.5 * kPi, false, false, 0, nullptr);
    polys = w.canvas.Polygons();
    ASSERT_EQ(polys.size(), 2u);
    // The run starts where the rounded arc first moves right and ends at the last sample:
    // its front edge and then its back edge, the two meeting at the end angle.
    const auto& wall = polys[1].pts;
    ASSERT_EQ(wall.size() % 2, 0u);
    EXPECT_EQ(wall[wall.size() / 2 - 1], (TPoint{160, 190}));
    EXPECT_EQ(wall[wall.size() / 2], (TPoint{150, 200}));
    EXPECT_EQ(wall.front().Y - wall.back().Y, -10);
}

TEST(Pie3D, DonutSlicesDrawTheHoleWallAndARingFace) {
    SolidView v;
    v.canvas.Pie3D(150, 150, 50, 50, 0, 10, 0, kPi / 2, false, false, 50, nullptr);
    const auto polys = v.canvas.Polygons();
    ASSERT_EQ(polys.size(), 2u);
    EXPECT_EQ(polys[0].pts.size(), 2u * 47u);         // the hole's wall
    EXPECT_EQ(polys[1].pts.size(), 2u * 47u + 1);     // the ring face
    EXPECT_EQ(polys[1].pts.back(), (TPoint{185, 140})); // inner point of angle 0 at the back

    // A hole of more than the whole radius stays within the slice.
    SolidView w;
    w.canvas.Pie3D(150, 150, 50, 50, 0, 10, 0, kPi / 2, false, false, 400, nullptr);
    for (const auto& p : w.canvas.Polygons())
        EXPECT_TRUE(RectangleInRectangle(bounds(p.pts), TRect{150, 90, 210, 150}));
}

TEST(Pie3D, PatternBrushIsNeitherDarkenedNorReset) {
    SolidView v;
    TBitmap pattern;
    pattern.SetSize(8, 8);
    v.canvas.Brush()->SetBitmap(&pattern);
    const TColor before = v.canvas.Brush()->Color();
    v.canvas.Pie3D(150, 150, 50, 50, 0, 10, 0, kPi / 2, true, true, 0, nullptr);
    for (TColor c : v.canvas.brushes)
        EXPECT_EQ(c, before);
}

TEST(Pie3D, AnglesThatAreNotNumbersDrawNothing) {
    SolidView v;
    v.canvas.Pie3D(150, 150, 50, 50, 0, 10, 0, std::nan(""), true, true, 0, nullptr);
    v.canvas.Pie3D(150, 150, 50, 50, 0, 10, INFINITY, 1, true, true, 0, nullptr);
    EXPECT_TRUE(v.canvas.calls.empty());
}

TEST(Pie3D, CalcPieAnglesInDegrees) {
    TTeeCanvas3D c;
    double s = -1, e = -1;
    c.CalcPieAngles(0, 0, 100, 100, 100, 50, 50, 0, s, e);
    EXPECT_NEAR(s, 0, 1e-9);
    EXPECT_NEAR(e, 90, 1e-9);
    c.CalcPieAngles(0, 0, 100, 100, 50, 100, 100, 50, s, e);
    EXPECT_NEAR(s, 270, 1e-9);
    EXPECT_EQ(e, 360); // an end on the positive X axis is a full turn
}

TEST(Donut, RingSegmentIsFilledBetweenTheArcs) {
    struct Case {
        double hole;
        TPoint probe;
        bool filled;
    };
    const Case cases[] = {
        {50, {50, 20}, true},   // in the ring, straight up
        {50, {50, 45}, false},  // in the hole
        {50, {50, 75}, false},  // below the upper half
        {0, {50, 45}, true},    // no hole: the chord segment
        {150, {50, 20}, false}, // a hole of more than 100 % is the outer edge: no ring
    };
    for (const Case& c : cases) {
        CanvasFixture f;
        f.canvas.Brush()->SetColor(clBlack);
        f.canvas.Pen()->SetStyle(psClear);
        f.canvas.Donut(50, 50, 40, 40, 0, kPi, c.hole);
        EXPECT_EQ(f.At(c.probe.X, c.probe.Y) == clBlack, c.filled) << c.hole << " " << c.probe.Y;
    }
}

TEST(Cylinder, RingsAndCovers) {
    // Cylinder: the top cover keeps the full radius.
    SolidView v;
    v.canvas.Cylinder(true, 100, 100, 140, 200, 0, 20, true);
    auto polys = v.canvas.Polygons();
    ASSERT_GE(polys.size(), 2u);
    const auto& cover = polys.back().pts;
    ASSERT_EQ(cover.size(), 16u);
    const TRect cb = bounds(cover);
    EXPECT_GE(cb.Right - cb.Left, 40); // at least the full width
    EXPECT_EQ(v.canvas.brushes.back(), ApplyDark(clRed, DarkColorQuantity));
    EXPECT_LT(polys.size() - 1, 16u); // faces looking away are skipped

    // Cone of 0 % with the default 0: the top is a point.
    SolidView c;
    c.canvas.Cone(true, 100, 100, 140, 200, 0, 20, false, 0);
    const auto tip = c.canvas.Polygons().back().pts;
    EXPECT_TRUE(std::all_of(tip.begin(), tip.end(), [&](TPoint p) { return p == tip[0]; }));

    // Above 100 % a cone is a cylinder: never wider than its box.
    SolidView w;
    w.canvas.Cone(true, 100, 100, 140, 200, 0, 20, false, 250);
    EXPECT_EQ(w.canvas.Polygons().back().pts, cover);
}

TEST(Cylinder, TooFewSidesAreRaisedToThree) {
    const int saved = TeeNumCylinderSides;
    TeeNumCylinderSides = 1;
    SolidView v;
    v.canvas.Cylinder(true, 100, 100, 140, 200, 0, 20, true);
    TeeNumCylinderSides = saved;
    EXPECT_EQ(v.canvas.Polygons().back().pts.size(), 3u);
}

TEST(Cylinder, HorizontalConeCapStaysInsideItsBox) {
    for (int percent : {25, 50, 100}) {
        SolidView v;
        v.canvas.Cone(false, 40, 100, 140, 140, 0, 20, false, percent);
        // Seen at 45 degrees the solid covers x 40..160 and y 80..140.
        for (const auto& p : v.canvas.Polygons())
            EXPECT_TRUE(RectangleInRectangle(bounds(p.pts), TRect{40, 80, 160, 140})) << percent;
    }
}

TEST(Pyramid, FacesAndTheFlatCase) {
    SolidView v;
    v.canvas.Pyramid(true, 100, 100, 140, 200, 0, 20, true);
    auto polys = v.canvas.Polygons();
    ASSERT_FALSE(polys.empty());
    // The front triangle first: base corners at the front, apex over the middle depth.
    EXPECT_EQ(polys[0].pts, (std::vector<TPoint>{{100, 200}, {140, 200}, {130, 90}}));
    EXPECT_EQ(v.canvas.brushes[0], clRed);

    SolidView flat;
    flat.canvas.Pyramid(true, 100, 150, 140, 150, 0, 20, true);
    for (const auto& p : flat.canvas.Polygons())
        EXPECT_EQ(p.pts.size(), 4u); // only the base, never a triangle
    EXPECT_LE(flat.canvas.Polygons().size(), 1u);

    SolidView h;
    h.canvas.Pyramid(false, 100, 100, 200, 140, 0, 20, false);
    ASSERT_FALSE(h.canvas.Polygons().empty());
    EXPECT_EQ(h.canvas.Polygons()[0].pts, (std::vector<TPoint>{{100, 100}, {100, 140}, {210, 110}}));
}

TEST(Pyramid, TruncatedStartsWithTheBaseAndEndsWithTheTop) {
    SolidView v;
    v.canvas.PyramidTrunc(TRect{100, 100, 160, 200}, 0, 20, 10, 5);
    const auto polys = v.canvas.Polygons();
    ASSERT_GE(polys.size(), 3u);
    // RectangleY at the bottom, then the top face at y = 100, depth 5..15.
    EXPECT_EQ(polys.front().pts[0], (TPoint{100, 200}));
    EXPECT_EQ(polys.back().pts[0], (TPoint{125, 95}));
    for (const auto& p : polys)
        EXPECT_TRUE(RectangleInRectangle(bounds(p.pts), TRect{100, 80, 180, 200}));
}
