// Series pointers: the geometry of every style in 2-D (pixels on a small image, and the
// shapes handed to the canvas) and 3-D (what reaches the 3-D canvas at the series' depth),
// sizes and margins, canvas preparation, the callout arrow, and streaming.
#include "chart/engine/series/SeriesPointer.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"
#include "tests/chart/engine/CanvasTestSupport.h"
#include "tests/chart/engine/StreamingSupport.h"
#include "tests/chart/engine/series/SeriesTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Records the shapes, solids and 3-D primitives a pointer hands to the canvas.
class TPointerCanvas : public TRecordingCanvas {
public:
    using TCanvas3D::Cube;
    using TCanvas3D::EllipseWithZ;
    using TCanvas3D::LineWithZ;
    using TRecordingCanvas::Ellipse;
    using TRecordingCanvas::Rectangle;
    void Rectangle(int X0, int Y0, int X1, int Y1) override {
        calls.push_back({"Rectangle", {{X0, Y0}, {X1, Y1}}});
    }
    void LineTo(int X, int Y) override { calls.push_back({"LineTo", {{X, Y}}, Pen()->Color()}); }
    void SetPixel(int X, int Y, TColor Value) override { calls.push_back({"Pixel", {{X, Y}}, Value}); }
    void SetPixel3D(int X, int Y, int Z, TColor Value) override {
        calls.push_back({"Pixel3D", {{X, Y}, {Z, 0}}, Value});
    }
    void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides) override {
        calls.push_back({"Cube", {{Left, Top}, {Right, Bottom}, {Z0, Z1}, {DarkSides, 0}}});
    }
    void Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                 bool DarkSides) override {
        calls.push_back({"Pyramid", {{Left, Top}, {Right, Bottom}, {Z0, Z1}, {Vertical, DarkSides}}});
    }
    void Sphere(int X, int Y, int Z, double Radius) override {
        calls.push_back({"Sphere", {{X, Y}, {Z, int(Radius)}}});
    }
    void EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) override {
        calls.push_back({"EllipseWithZ", {{X1, Y1}, {X2, Y2}, {Z, 0}}});
    }
    void RectangleWithZ(const TRect& R, int Z) override {
        calls.push_back({"RectangleWithZ", {{R.Left, R.Top}, {R.Right, R.Bottom}, {Z, 0}}});
    }
    void PolygonWithZ(std::span<const TPoint> P, int Z) override {
        Call c{"PolygonWithZ", {P.begin(), P.end()}};
        c.pts.push_back({Z, 0});
        calls.push_back(c);
    }
    void LineWithZ(int X0, int Y0, int X1, int Y1, int Z) override {
        calls.push_back({"LineWithZ", {{X0, Y0}, {X1, Y1}, {Z, 0}}});
    }
    void Arrow(bool Filled, TPoint FromPoint, TPoint ToPoint, int ArrowWidth, int ArrowHeight, int Z,
               double) override {
        calls.push_back(
            {"Arrow", {FromPoint, ToPoint, {ArrowWidth, ArrowHeight}, {Z, Filled}}, Pen()->Color()});
    }
    bool GetSupportsFullRotation() override { return FullRotation; }
    bool FullRotation = false;

    std::vector<std::pair<std::string, std::vector<TPoint>>> Shapes() const {
        std::vector<std::pair<std::string, std::vector<TPoint>>> r;
        for (const Call& c : calls)
            r.push_back({c.op, c.pts});
        return r;
    }
};

using Shapes = std::vector<std::pair<std::string, std::vector<TPoint>>>;

struct PointerFixture : ::testing::Test {
    PointerFixture() {
        DrawInto(&rec, target, 200, 100);
        series.StartZ = 10;
        series.MiddleZ = 15;
        series.EndZ = 20;
    }
    Shapes Draw(TSeriesPointerStyle Style, bool Is3D, int H = 4, int V = 4) {
        rec.calls.clear();
        pointer.DrawPointer(&rec, Is3D, 100, 50, H, V, clRed, Style);
        return rec.Shapes();
    }
    TBitmap target;
    TChartSeries series{nullptr};
    TSeriesPointer pointer{&series};
    TPointerCanvas rec;
};

TEST_F(PointerFixture, FlatShapesOfEveryStyle) {
    struct Case {
        TSeriesPointerStyle style;
        Shapes shapes;
    };
    const std::vector<Case> cases = {
        {psRectangle, {{"Rectangle", {{96, 46}, {105, 55}}}}},
        {psCircle, {{"Ellipse", {{96, 46}, {104, 54}}}}},
        {psTriangle, {{"Polygon", {{96, 54}, {104, 54}, {100, 46}}}}},
        {psDownTriangle, {{"Polygon", {{96, 46}, {104, 46}, {100, 54}}}}},
        {psCross,
         {{"MoveTo", {{100, 46}}}, {"LineTo", {{100, 55}}}, {"MoveTo", {{96, 50}}}, {"LineTo", {{105, 50}}}}},
        {psDiagCross,
         {{"MoveTo", {{96, 46}}}, {"LineTo", {{105, 55}}}, {"MoveTo", {{104, 46}}}, {"LineTo", {{95, 55}}}}},
        {psStar,
         {{"MoveTo", {{100, 46}}},
          {"LineTo", {{100, 55}}},
          {"MoveTo", {{96, 50}}},
          {"LineTo", {{105, 50}}},
          {"MoveTo", {{96, 46}}},
          {"LineTo", {{105, 55}}},
          {"MoveTo", {{104, 46}}},
          {"LineTo", {{95, 55}}}}},
        {psDiamond, {{"Polygon", {{96, 50}, {100, 46}, {104, 50}, {100, 54}}}}},
        {psSmallDot, {{"Pixel", {{100, 50}}}}},
        {psNothing, {}},
        {psLeftTriangle, {{"Polygon", {{96, 50}, {104, 54}, {104, 46}}}}},
        {psRightTriangle, {{"Polygon", {{104, 50}, {96, 54}, {96, 46}}}}},
        {psHexagon, {{"Polygon", {{100, 46}, {104, 48}, {104, 52}, {100, 54}, {96, 52}, {96, 48}}}}},
    };
    for (const Case& k : cases)
        EXPECT_EQ(Draw(k.style, false), k.shapes)
            << GetEnumName(TypeInfoOf((TSeriesPointerStyle*)nullptr), k.style).toStdString();
}

TEST_F(PointerFixture, SolidsAndFlatShapesAtTheSeriesDepthIn3D) {
    struct Case {
        TSeriesPointerStyle style;
        bool draw3D;
        Shapes shapes;
    };
    const std::vector<Case> cases = {
        {psRectangle, true, {{"Cube", {{96, 46}, {104, 54}, {10, 20}, {1, 0}}}}},
        {psRectangle, false, {{"RectangleWithZ", {{96, 46}, {105, 55}, {10, 0}}}}},
        // Without a canvas that rotates fully the sphere is a flat ellipse.
        {psCircle, true, {{"EllipseWithZ", {{96, 46}, {104, 54}, {10, 0}}}}},
        {psTriangle, true, {{"Pyramid", {{96, 46}, {104, 54}, {10, 20}, {1, 1}}}}},
        {psDownTriangle, true, {{"Pyramid", {{96, 54}, {104, 46}, {10, 20}, {1, 1}}}}},
        {psTriangle, false, {{"PolygonWithZ", {{96, 54}, {104, 54}, {100, 46}, {10, 0}}}}},
        {psCross,
         true,
         {{"LineWithZ", {{100, 46}, {100, 55}, {10, 0}}}, {"LineWithZ", {{96, 50}, {105, 50}, {10, 0}}}}},
        {psDiamond, true, {{"PolygonWithZ", {{96, 50}, {100, 46}, {104, 50}, {100, 54}, {10, 0}}}}},
        {psSmallDot, true, {{"Pixel3D", {{100, 50}, {15, 0}}}}},
        {psHexagon,
         true,
         {{"PolygonWithZ", {{100, 46}, {104, 48}, {104, 52}, {100, 54}, {96, 52}, {96, 48}, {10, 0}}}}},
    };
    for (const Case& k : cases) {
        pointer.SetDraw3D(k.draw3D);
        EXPECT_EQ(Draw(k.style, true), k.shapes) << int(k.style) << " draw3D " << k.draw3D;
    }
    rec.FullRotation = true;
    pointer.SetDraw3D(true);
    EXPECT_EQ(Draw(psCircle, true), (Shapes{{"Sphere", {{100, 50}, {15, 4}}}}));
}

TEST_F(PointerFixture, TriangleWithUnequalSizes) {
    EXPECT_EQ(Draw(psTriangle, false, 4, 2), (Shapes{{"Polygon", {{96, 52}, {104, 52}, {100, 48}}}}));
}

TEST(SeriesPointer, DefaultRectangleCoversNineByNinePixels) {
    CanvasFixture f(200, 100);
    TSeriesPointer p;
    p.Pen()->SetColor(clBlack);
    p.PrepareCanvas(&f.canvas, clRed);
    p.DrawPointer(&f.canvas, false, 100, 50, p.HorizSize(), p.VertSize(), clRed, p.Style());
    EXPECT_EQ(f.At(96, 46), clBlack);
    EXPECT_EQ(f.At(104, 54), clBlack);
    EXPECT_EQ(f.At(100, 50), clRed);
    for (TPoint outside : {TPoint{95, 50}, TPoint{105, 50}, TPoint{100, 45}, TPoint{100, 55}})
        EXPECT_EQ(f.At(outside.X, outside.Y), clWhite) << outside.X << "," << outside.Y;
}

TEST(SeriesPointer, TriangleAndSmallDotPixels) {
    CanvasFixture f(200, 100);
    TSeriesPointer p;
    p.SetHorizSize(4);
    p.SetVertSize(2);
    p.Pen()->SetColor(clBlue);
    p.PrepareCanvas(&f.canvas, clRed);
    p.DrawPointer(&f.canvas, false, 100, 50, 4, 2, clRed, psTriangle);
    EXPECT_NE(f.At(100, 48), clWhite);
    EXPECT_EQ(f.At(100, 47), clWhite);
    EXPECT_NE(f.At(96, 52), clWhite);
    EXPECT_NE(f.At(104, 52), clWhite);
    EXPECT_EQ(f.At(100, 53), clWhite);

    p.PrepareCanvas(&f.canvas, clGreen);
    p.DrawPointer(&f.canvas, false, 20, 20, 4, 4, clGreen, psSmallDot);
    EXPECT_EQ(f.At(20, 20), clGreen);
    EXPECT_EQ(f.At(21, 20), clWhite);
    EXPECT_EQ(f.At(20, 19), clWhite);
}

TEST(SeriesPointer, GradientFillsTheInsideOfTheShape) {
    CanvasFixture f(200, 100);
    TSeriesPointer p;
    p.SetSize(10);
    p.Gradient()->SetVisible(true);
    p.Gradient()->SetStartColor(clBlue);
    p.PrepareCanvas(&f.canvas, clRed);
    p.DrawPointer(&f.canvas, false, 50, 50, 10, 10, clRed, psRectangle);
    // Not full: the end colour became the point colour (and nothing repainted).
    EXPECT_EQ(p.Gradient()->EndColor(), clRed);
    EXPECT_NE(f.At(50, 50), clRed);
    EXPECT_NE(f.At(50, 50), clWhite);
    EXPECT_EQ(f.At(39, 50), clWhite);
}

TEST(SeriesPointer, TransparencyBlendsWithTheBackground) {
    CanvasFixture f(200, 100);
    TSeriesPointer p;
    p.SetTransparency(50);
    p.PrepareCanvas(&f.canvas, clRed);
    p.DrawPointer(&f.canvas, false, 100, 50, 4, 4, clRed, psRectangle);
    const TColor c = f.At(100, 50);
    EXPECT_EQ(GetRValue(c), 255);
    EXPECT_GT(GetGValue(c), 100);
    EXPECT_LT(GetGValue(c), 155);
}

TEST(SeriesPointer, SizesMustBePositive) {
    TSeriesPointer p;
    for (int bad : {0, -3}) {
        try {
            p.SetSize(bad);
            FAIL() << bad;
        } catch (const ChartException& e) {
            EXPECT_EQ(e.Message, "Pointer size must be greater than zero");
        }
        EXPECT_THROW(p.SetHorizSize(bad), ChartException);
        EXPECT_THROW(p.SetVertSize(bad), ChartException);
    }
    EXPECT_EQ(p.HorizSize(), 4);
    EXPECT_EQ(p.VertSize(), 4);
    p.SetVertSize(7);
    EXPECT_EQ(p.Size(), 7);
    p.SetSize(2);
    EXPECT_EQ(p.HorizSize(), 2);
    EXPECT_EQ(p.VertSize(), 2);
}

TEST(SeriesPointer, MarginsGrowOnlyForAVisibleInflatingPointer) {
    struct Case {
        bool visible, inflate;
        int expected;
    };
    for (const Case& k : {Case{true, true, 5}, Case{false, true, 2}, Case{true, false, 2}}) {
        TSeriesPointer p;
        p.SetVisible(k.visible);
        p.SetInflateMargins(k.inflate);
        int l = 2, r = 9, t = 2, b = 2;
        p.CalcHorizMargins(l, r);
        p.CalcVerticalMargins(t, b);
        EXPECT_EQ(l, k.expected);
        EXPECT_EQ(r, 9);
        EXPECT_EQ(t, k.expected);
        EXPECT_EQ(b, k.expected);
    }
}

TEST(SeriesPointer, PrepareCanvasTakesThePointColourForAutomaticPenAndBrush) {
    CanvasFixture f;
    TSeriesPointer p;
    p.Pen()->SetColor(clTeeColor);
    p.PrepareCanvas(&f.canvas, clLime);
    EXPECT_EQ(f.canvas.Brush()->Color(), clLime);
    EXPECT_EQ(f.canvas.Pen()->Color(), clLime);

    p.Pen()->SetColor(clNavy);
    p.SetColor(clYellow);
    p.PrepareCanvas(&f.canvas, clLime);
    EXPECT_EQ(f.canvas.Brush()->Color(), clYellow);
    EXPECT_EQ(f.canvas.Pen()->Color(), clNavy);

    p.Pen()->SetVisible(false);
    p.PrepareCanvas(&f.canvas, clLime);
    EXPECT_EQ(f.canvas.Pen()->Style(), psClear);
}

TEST(SeriesPointer, AssignCopiesEveryPointerProperty) {
    TSeriesPointer a;
    a.SetDark3D(false);
    a.SetDraw3D(false);
    a.SetHorizSize(7);
    a.SetVertSize(3);
    a.SetInflateMargins(false);
    a.SetStyle(psHexagon);
    a.SetTransparency(30);
    a.Shadow()->SetVisible(true);
    a.Gradient()->SetVisible(true);
    a.SetColor(clMaroon);
    a.SetVisible(false);
    TSeriesPointer b;
    b.Assign(&a);
    EXPECT_FALSE(b.Dark3D());
    EXPECT_FALSE(b.Draw3D());
    EXPECT_EQ(b.HorizSize(), 7);
    EXPECT_EQ(b.VertSize(), 3);
    EXPECT_FALSE(b.InflateMargins());
    EXPECT_EQ(b.Style(), psHexagon);
    EXPECT_EQ(b.Transparency(), 30);
    EXPECT_TRUE(b.Shadow()->Visible());
    EXPECT_TRUE(b.Gradient()->Visible());
    EXPECT_EQ(b.Color(), clMaroon);
    EXPECT_FALSE(b.Visible());

    TMarksCallout c, d;
    c.SetLength(20);
    c.SetDistance(3);
    c.SetArrowHead(ahSolid);
    c.SetArrowHeadSize(5);
    c.Arrow()->SetColor(clRed);
    d.Assign(&c);
    EXPECT_EQ(d.Length(), 20);
    EXPECT_EQ(d.Distance(), 3);
    EXPECT_EQ(d.ArrowHead(), ahSolid);
    EXPECT_EQ(d.ArrowHeadSize(), 5);
    EXPECT_EQ(d.Arrow()->Color(), clRed);
}

TEST(SeriesPointer, CalloutDefaults) {
    TCallout c;
    EXPECT_TRUE(c.Visible());
    EXPECT_FALSE(c.Draw3D());
    EXPECT_EQ(c.Color(), clBlack);
    EXPECT_TRUE(c.FullGradient());
    EXPECT_EQ(c.ArrowHead(), ahNone);
    EXPECT_EQ(c.ArrowHeadSize(), 8);
    TMarksCallout m;
    EXPECT_FALSE(m.Visible());
    EXPECT_EQ(m.Arrow()->Color(), clWhite);
    EXPECT_EQ(m.Length(), 8);

    TSeriesMarkPosition p;
    p.LeftTop = {10, 100};
    p.ArrowTo = {20, 100};
    p.ArrowFrom = {20, 100};
    m.SetDistance(2);
    m.ApplyArrowLength(&p);
    EXPECT_EQ(p.LeftTop.Y, 90);
    EXPECT_EQ(p.ArrowTo.Y, 90);
    EXPECT_EQ(p.ArrowFrom.Y, 98);
}

struct CalloutFixture : ::testing::Test {
    CalloutFixture() {
        rec = new TPointerCanvas();
        DrawInto(rec, target, 200, 100, &chart);
        chart.SetColor(clWhite);
        chart.AddSeries(&series);
        callout = new TMarksCallout(&series);
        callout->SetParentSeries(&series);
    }
    ~CalloutFixture() override {
        TeeCheckMarkArrowColor = false;
        delete callout;
        chart.RemoveSeries(&series);
    }
    TBitmap target;
    TSeriesTestChart chart;
    TPointerCanvas* rec = nullptr;
    TChartSeries series{nullptr};
    TMarksCallout* callout = nullptr;
};

TEST_F(CalloutFixture, ArrowHeadPointsAtThePointNotTheMark) {
    callout->SetArrowHead(ahLine);
    callout->Draw(clRed, {50, 80}, {50, 60}, {}, 0, false);
    ASSERT_EQ(rec->Count("Arrow"), 1);
    for (const auto& c : rec->calls)
        if (c.op == "Arrow") {
            EXPECT_EQ(c.pts[0], (TPoint{50, 60})); // from the mark
            EXPECT_EQ(c.pts[1], (TPoint{50, 80})); // to the point: the head
            EXPECT_EQ(c.pts[2], (TPoint{8, 8}));
            EXPECT_EQ(c.pts[3].Y, 0); // not filled
        }
}

TEST_F(CalloutFixture, LineThroughTheMiddlePointAndThePointerAtThePoint) {
    callout->Arrow()->SetColor(clBlue);
    callout->SetVisible(true);
    callout->Draw(clRed, {50, 80}, {70, 60}, {50, 70}, 0, true);
    Shapes lines;
    for (const auto& c : rec->calls)
        if (c.op == "MoveTo" || c.op == "LineTo") lines.push_back({c.op, c.pts});
    const Shapes expected = {{"MoveTo", {{50, 80}}},
                             {"LineTo", {{50, 70}}},
                             {"LineTo", {{70, 60}}},
                             {"MoveTo", {{46, 76}}}}; // rectangle pointer drawn flat at the point
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(Shapes(lines.begin(), lines.begin() + 3), Shapes(expected.begin(), expected.begin() + 3));
    EXPECT_EQ(rec->Count("Rectangle"), 1);
}

TEST_F(CalloutFixture, CheckedArrowColourStaysVisibleOnThePanel) {
    callout->Arrow()->SetColor(clWhite);
    auto penOfLine = [&] {
        rec->calls.clear();
        callout->Draw(clRed, {50, 80}, {50, 60}, {}, 0, false);
        for (const auto& c : rec->calls)
            if (c.op == "LineTo") return c.pen;
        return clNone;
    };
    EXPECT_EQ(penOfLine(), clWhite);
    TeeCheckMarkArrowColor = true;
    EXPECT_EQ(penOfLine(), clBlack);
    chart.SetColor(clBlack);
    callout->Arrow()->SetColor(clBlack);
    EXPECT_EQ(penOfLine(), clWhite);
}

// Publishes a pointer and a marks callout, as series types and marks do.
class TPointerHolder : public TComponent {
    ORVO_CLASS(TPointerHolder, TComponent)
public:
    explicit TPointerHolder(TComponent* AOwner) : TComponent(AOwner) {}
    TSeriesPointer* Pointer() { return &FPointer; }
    TMarksCallout* Callout() { return &FCallout; }

private:
    TSeriesPointer FPointer;
    TMarksCallout FCallout;
};
ORVO_IMPLEMENT_CLASS(TPointerHolder, TComponent)
ORVO_PUBLISHED(TPointerHolder) {
    P.Property("Pointer", &TPointerHolder::Pointer);
    P.Property("Callout", &TPointerHolder::Callout);
}

TEST(SeriesPointer, StreamsChangedPropertiesOnly) {
    TPointerHolder a(nullptr);
    a.SetName("Holder");
    const QByteArray plain = writeText(&a);
    for (const char* name :
         {"Style", "HorizSize", "Draw3D", "Transparency", "Length", "ArrowHead", "Gradient"})
        EXPECT_FALSE(plain.contains(name)) << name << " in\n" << plain.toStdString();

    a.Pointer()->SetStyle(psDiamond);
    a.Pointer()->SetHorizSize(6);
    a.Pointer()->SetDraw3D(false);
    a.Pointer()->SetTransparency(40);
    a.Pointer()->Gradient()->SetVisible(true);
    a.Callout()->SetLength(12);
    a.Callout()->SetArrowHead(ahSolid);
    a.Callout()->SetVisible(true);
    a.Callout()->Arrow()->SetColor(clRed);
    const QByteArray text = writeText(&a);

    TPointerHolder b(nullptr);
    readText(text, &b);
    EXPECT_EQ(b.Pointer()->Style(), psDiamond);
    EXPECT_EQ(b.Pointer()->HorizSize(), 6);
    EXPECT_EQ(b.Pointer()->VertSize(), 4);
    EXPECT_FALSE(b.Pointer()->Draw3D());
    EXPECT_EQ(b.Pointer()->Transparency(), 40);
    EXPECT_TRUE(b.Pointer()->Gradient()->Visible());
    EXPECT_EQ(b.Callout()->Length(), 12);
    EXPECT_EQ(b.Callout()->ArrowHead(), ahSolid);
    EXPECT_TRUE(b.Callout()->Visible());
    EXPECT_EQ(b.Callout()->Arrow()->Color(), clRed);
    EXPECT_FALSE(b.Callout()->Draw3D());
}

} // namespace
