#include "CanvasTestSupport.h"

#include "chart/engine/canvas/ChartBrush.h"

namespace {

struct View {
    TView3DOptions options;
    TRecordingCanvas canvas;
    TBitmap target;
    explicit View(bool orthogonal, int zoom = 100, int perspective = 15) {
        options.SetOrthogonal(orthogonal);
        options.SetZoomInteger(zoom);
        options.SetPerspective(perspective);
        target.SetSize(200, 200);
        canvas.InitWindow(target.Canvas(), &options, clWhite, true, TRect{0, 0, 200, 200});
        canvas.Projection(20, TRect{0, 0, 200, 200}, TRect{0, 0, 200, 200});
    }
};

} // namespace

TEST(Projection, TwoDimensionalPassLeavesPointsAlone) {
    TView3DOptions options;
    options.SetZoomInteger(300);
    options.SetHorizOffset(40);
    TTeeCanvas3D canvas;
    TBitmap target;
    target.SetSize(50, 50);
    canvas.InitWindow(target.Canvas(), &options, clWhite, false, TRect{0, 0, 50, 50});
    canvas.Projection(10, TRect{0, 0, 50, 50}, TRect{0, 0, 50, 50});
    for (int z : {-5, 0, 7})
        EXPECT_EQ(canvas.Calculate3DPosition(12, 34, z), (TPoint{12, 34}));
    EXPECT_EQ(canvas.Bitmap()->Width(), 50);
}

TEST(Projection, OrthogonalProjectionAndItsInverse) {
    View v(true);
    EXPECT_EQ(v.canvas.Calculate3DPosition(100, 100, 10), (TPoint{110, 90}));
    for (int z : {0, 5, 17})
        for (TPoint p : {TPoint{30, 40}, TPoint{150, 20}}) {
            TPoint s = v.canvas.Calculate3DPosition(p.X, p.Y, z);
            v.canvas.Calculate2DPosition(s.X, s.Y, z);
            EXPECT_EQ(s, p) << z;
        }
}

TEST(Projection, OrthoAngleBeyondNinetyMirrorsTheDepth) {
    View v(true);
    v.options.SetOrthoAngle(135);
    v.canvas.InitWindow(v.target.Canvas(), &v.options, clWhite, true, TRect{0, 0, 200, 200});
    v.canvas.Projection(20, TRect{0, 0, 200, 200}, TRect{0, 0, 200, 200});
    EXPECT_EQ(v.canvas.Calculate3DPosition(100, 100, 10), (TPoint{90, 90}));
    v.options.SetOrthoAngle(90);
    v.canvas.InitWindow(v.target.Canvas(), &v.options, clWhite, true, TRect{0, 0, 200, 200});
    v.canvas.Projection(20, TRect{0, 0, 200, 200}, TRect{0, 0, 200, 200});
    EXPECT_EQ(v.canvas.Calculate3DPosition(100, 100, 10), (TPoint{110, 90}));
}

TEST(Projection, RotatedInverseIsCloseWithoutPerspective) {
    View v(false, 100, 0);
    for (TPoint p : {TPoint{60, 70}, TPoint{120, 130}}) {
        TPoint s = v.canvas.Calculate3DPosition(p.X, p.Y, 10);
        v.canvas.Calculate2DPosition(s.X, s.Y, 10);
        EXPECT_NEAR(s.X, p.X, 2);
        EXPECT_NEAR(s.Y, p.Y, 2);
    }
}

// A far point of a zoomed or steep view stays within the pixel limit the axes keep to, so that
// callers can add a few positions and sizes to it without leaving the int range.
TEST(Projection, ExtremeViewsStayWithinThePixelLimit) {
    constexpr int limit = 1 << 26;
    for (bool orthogonal : {false, true}) {
        View v(orthogonal, 100000, 100);
        for (int z : {-100000, 0, 100000})
            for (int far : {50000, 67108863}) {
                const TPoint p = v.canvas.Calculate3DPosition(-far, far, z);
                EXPECT_LE(std::abs(p.X), limit) << orthogonal << " " << z << " " << far;
                EXPECT_LE(std::abs(p.Y), limit) << orthogonal << " " << z << " " << far;
            }
    }
}

TEST(Solids, DefaultViewDrawsFrontRightAndTopFaces) {
    View v(false);
    v.canvas.Brush()->SetColor(clRed);
    v.canvas.Cube(50, 150, 50, 150, 0, 20, true);
    ASSERT_EQ(v.canvas.Count("Polygon"), 3);
    TFourPoints front;
    v.canvas.FourPointsFromRect(TRect{50, 50, 150, 150}, 0, front);
    EXPECT_EQ(v.canvas.calls[0].pts, std::vector<TPoint>(front.begin(), front.end()));
    // The last face drawn (the top) darkened the brush by the top-face amount.
    EXPECT_EQ(v.canvas.Brush()->Color(), ApplyDark(clRed, DarkColorQuantity));
}

// A cube millions of pixels wide (a bar of a damaged chart file) tells its visible faces apart
// as a small one does, though the products that decide it leave the int range.
TEST(Solids, HugeCubeDrawsTheSameFaces) {
    for (int half : {50, 1 << 24}) {
        View v(true);
        v.canvas.Brush()->SetColor(clRed);
        v.canvas.Cube(100 - half, 100 + half, 100 - half, 100 + half, 0, 20, true);
        EXPECT_EQ(v.canvas.Count("Polygon"), 3) << half;
    }
}

TEST(Solids, ClearBrushDrawsFiveOutlines) {
    View v(false);
    v.canvas.Brush()->SetStyle(bsClear);
    v.canvas.Cube(50, 150, 50, 150, 0, 20, false);
    EXPECT_EQ(v.canvas.Count("Polygon"), 5);
}

TEST(Solids, EllipsesSpheresAndArrows) {
    CanvasFixture f;
    TRecordingCanvas rec;
    rec.SetUseBuffer(false);
    rec.InitWindow(f.target.Canvas(), nullptr, clWhite, false, TRect{0, 0, 100, 100});
    rec.EllipseWithZ(10, 10, 20, 30, 5);
    ASSERT_EQ(rec.calls.back().op, "Ellipse");
    EXPECT_EQ(rec.calls.back().pts[1], (TPoint{21, 31}));
    rec.Sphere(50, 50, 0, 2.5);
    EXPECT_EQ(rec.calls.back().pts[0], (TPoint{48, 48}));
    EXPECT_EQ(rec.calls.back().pts[1], (TPoint{53, 53}));

    rec.calls.clear();
    rec.Arrow(true, TPoint{10, 50}, TPoint{10, 50}, 10, 10, 0, 50);
    EXPECT_TRUE(rec.calls.empty());
    rec.Arrow(true, TPoint{10, 50}, TPoint{60, 50}, 10, 20, 0, 50);
    ASSERT_EQ(rec.Count("Polygon"), 1);
    const std::vector<TPoint> want = {{10, 52}, {10, 48}, {40, 48}, {40, 45}, {60, 50}, {40, 55}, {40, 52}};
    EXPECT_EQ(rec.calls[0].pts, want);
}

TEST(Solids, RotatedEllipseFillsWithTrianglesThenOutlines) {
    TRecordingCanvas rec;
    TBitmap target;
    target.SetSize(50, 50);
    rec.SetUseBuffer(false);
    rec.InitWindow(target.Canvas(), nullptr, clWhite, false, TRect{0, 0, 50, 50});
    rec.RotatedEllipse(0, 0, 20, 10, 0, 90);
    EXPECT_EQ(rec.Count("Polygon"), 63);
    ASSERT_EQ(rec.calls.back().op, "Polyline");
    ASSERT_EQ(rec.calls.back().pts.size(), 64u);
    EXPECT_EQ(rec.calls.back().pts[0], (TPoint{15, 5})); // turned 90 degrees: the ry axis lies along x
}

TEST(Solids, TrianglesTakeTheFirstColourOnlyWhenFilled) {
    View v(true);
    const TTrianglePoints3D pts = {TPoint3D{10, 10, 0}, TPoint3D{30, 10, 0}, TPoint3D{20, 30, 5}};
    const TTriangleColors3D colours = {clBlue, clLime, clYellow};
    v.canvas.Brush()->SetColor(clRed);
    v.canvas.Brush()->SetStyle(bsClear);
    v.canvas.Triangle3D(pts, colours);
    EXPECT_EQ(v.canvas.Brush()->Color(), clRed);
    v.canvas.Brush()->SetStyle(bsSolid);
    v.canvas.Triangle3D(pts, colours);
    EXPECT_EQ(v.canvas.Brush()->Color(), clBlue);
    ASSERT_EQ(v.canvas.Count("Polygon"), 2);
    const std::vector<TPoint> want = {v.canvas.Calculate3DPosition(pts[0]),
                                      v.canvas.Calculate3DPosition(pts[1]),
                                      v.canvas.Calculate3DPosition(pts[2])};
    EXPECT_EQ(v.canvas.calls[1].pts, want);
}

TEST(Solids, RotatedViewEllipseIsAClosedCurveOfTriangles) {
    View v(false);
    v.canvas.EllipseWithZ(50, 60, 150, 140, 10);
    EXPECT_EQ(v.canvas.Count("Polygon"), 63);
    ASSERT_EQ(v.canvas.calls.back().op, "Polyline");
    const std::vector<TPoint>& curve = v.canvas.calls.back().pts;
    ASSERT_EQ(curve.size(), 64u);
    EXPECT_EQ(curve.front(), v.canvas.Calculate3DPosition(100, 140, 10));
    EXPECT_EQ(curve.back(), curve.front());
    // Each fill triangle starts at the projected centre; the pen was off while filling.
    EXPECT_EQ(v.canvas.calls[0].pts[0], v.canvas.Calculate3DPosition(100, 100, 10));
    EXPECT_EQ(v.canvas.Pen()->Style(), psSolid);

    v.canvas.calls.clear();
    v.canvas.Brush()->SetStyle(bsClear);
    v.canvas.Pen()->SetStyle(psClear);
    v.canvas.EllipseWithZ(50, 60, 150, 140, 10);
    EXPECT_TRUE(v.canvas.calls.empty());
}
