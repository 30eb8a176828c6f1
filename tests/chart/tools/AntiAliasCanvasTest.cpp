// The smoothing canvas drawing into its own off-screen image: which pixels its lines, dash
// patterns, wide pens, ellipses, arcs, pies, donuts and rounded rectangles set and blend,
// and where it leaves the drawing to the base canvas.
#include "chart/tools/AntiAliasCanvas.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

constexpr int W = 100, H = 80;

// A buffered canvas of W x H on a white image.
template <class Canvas> struct Surface {
    Surface() {
        target.SetSize(W, H);
        canvas.InitWindow(target.Canvas(), nullptr, clWhite, false, TRect{0, 0, W, H});
        canvas.Projection(0, TRect{0, 0, W, H}, TRect{0, 0, W, H});
        canvas.Brush()->SetColor(clWhite);
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Pen()->SetStyle(psClear);
        canvas.Rectangle(-1, -1, W + 1, H + 1);
        canvas.Pen()->SetStyle(psSolid);
        canvas.Pen()->SetColor(clBlack);
        canvas.Pen()->SetWidth(1);
        canvas.Brush()->SetStyle(bsClear);
    }
    TColor At(int X, int Y) { return canvas.Bitmap()->Canvas()->Pixels(X, Y); }
    int Red(int X, int Y) { return int(ColorToRGB(At(X, Y)) & 0xFF); }
    TBitmap target;
    Canvas canvas;
};

using Smooth = Surface<TAntiAliasCanvas>;
using Plain = Surface<TTeeCanvas3D>;

int Grey(double WhiteWeight) {
    return int(std::lround(255 * WhiteWeight));
}

// Every pixel of two canvases' images alike.
void ExpectSameImage(Smooth& A, Plain& B) {
    int differ = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (A.At(x, y) != B.At(x, y)) ++differ;
    EXPECT_EQ(differ, 0);
}

TEST(AntiAliasCanvas, BuffersInThirtyTwoBitsAndSmooths) {
    Smooth s;
    EXPECT_TRUE(s.canvas.Smoothing());
    EXPECT_EQ(s.canvas.Bitmap()->Image().depth(), 32);
}

TEST(AntiAliasCanvas, FortyFiveDegreeLineSetsExactPixelsOnly) {
    Smooth s;
    s.canvas.MoveTo(10, 10);
    s.canvas.LineTo(40, 40);
    for (int i = 10; i <= 40; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(s.At(i, i), clBlack);
        if (i > 10 && i < 40) {
            EXPECT_EQ(s.At(i, i + 1), clWhite);
            EXPECT_EQ(s.At(i + 1, i), clWhite);
        }
    }
}

TEST(AntiAliasCanvas, ShallowLineSplitsEachColumnByTheFraction) {
    // Slope 1/3 and a steep line of slope 3, the two rows or columns of each step share the
    // pen colour by the fractional part of the exact position.
    for (bool steep : {false, true}) {
        SCOPED_TRACE(steep);
        Smooth s;
        s.canvas.MoveTo(10, 10);
        if (steep)
            s.canvas.LineTo(20, 40);
        else
            s.canvas.LineTo(40, 20);
        for (int i = 11; i < 40; ++i) {
            const double pos = 10 + (i - 10) / 3.0;
            const int n = int(std::floor(pos));
            const double dist = pos - n;
            auto at = [&](int across) { return steep ? s.Red(across, i) : s.Red(i, across); };
            EXPECT_EQ(at(n), Grey(dist)) << i;
            EXPECT_EQ(at(n + 1), Grey(1 - dist)) << i;
        }
        EXPECT_EQ(s.At(10, 10), clBlack);
        EXPECT_EQ(steep ? s.At(20, 40) : s.At(40, 20), clBlack);
    }
}

TEST(AntiAliasCanvas, ColouredPenBlendsEachChannel) {
    Smooth s;
    s.canvas.Pen()->SetColor(TColor(0x204080)); // red 0x80, green 0x40, blue 0x20
    s.canvas.MoveTo(10, 10);
    s.canvas.LineTo(40, 20);
    const double dist = 1 / 3.0; // column 11: y = 10 + 1/3
    const unsigned c = unsigned(ColorToRGB(s.At(11, 10)));
    EXPECT_EQ(int(c & 0xFF), int(std::lround(0x80 + (255 - 0x80) * dist)));
    EXPECT_EQ(int((c >> 8) & 0xFF), int(std::lround(0x40 + (255 - 0x40) * dist)));
    EXPECT_EQ(int((c >> 16) & 0xFF), int(std::lround(0x20 + (255 - 0x20) * dist)));
}

TEST(AntiAliasCanvas, ThreePixelPenDrawsThreeLinesTheMiddleOnePlain) {
    Smooth s;
    s.canvas.Pen()->SetWidth(3);
    s.canvas.MoveTo(10, 30);
    s.canvas.LineTo(70, 50);
    EXPECT_EQ(s.canvas.Pen()->Width(), 3);
    for (int i = 12; i < 68; ++i) {
        const double y = 30 + (i - 10) / 3.0;
        const int n = int(std::floor(y));
        const double dist = y - n;
        // The line one row up blends its upper row, the line one row down its lower row.
        EXPECT_EQ(s.Red(i, n - 1), Grey(dist)) << i;
        EXPECT_EQ(s.Red(i, n + 2), Grey(1 - dist)) << i;
        // The middle line is drawn plainly: the pen colour, no shade.
        const int mid = s.Red(i, n) == 0 ? n : n + 1;
        EXPECT_EQ(s.At(i, mid), clBlack) << i;
    }
}

TEST(AntiAliasCanvas, DashPatternsRepeatEveryEightSteps) {
    struct Case {
        TPenStyle style;
        bool pattern[8];
    };
    const Case cases[] = {
        {psDash, {1, 1, 1, 0, 1, 1, 1, 0}},    {psDot, {1, 1, 0, 0, 1, 1, 0, 0}},
        {psDashDot, {1, 1, 1, 0, 1, 0, 1, 0}}, {psDashDotDot, {1, 1, 1, 0, 1, 0, 1, 0}},
        {psSolid, {1, 1, 1, 1, 1, 1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.style));
        Smooth s;
        s.canvas.Pen()->SetStyle(c.style);
        s.canvas.MoveTo(8, 8);
        s.canvas.LineTo(48, 48);
        for (int i = 9; i < 48; ++i)
            EXPECT_EQ(s.At(i, i), c.pattern[i % 8] ? clBlack : clWhite) << i;
    }
    // A chart pen of small dots: every other step.
    Smooth s;
    TChartPen dots;
    dots.SetSmallDots(true);
    s.canvas.AssignVisiblePenColor(&dots, clBlack);
    s.canvas.MoveTo(8, 8);
    s.canvas.LineTo(48, 48);
    for (int i = 9; i < 48; ++i)
        EXPECT_EQ(s.At(i, i), i % 2 == 0 ? clBlack : clWhite) << i;
}

TEST(AntiAliasCanvas, EllipseEdgeAndItsFortyPercentOuterNeighbours) {
    Smooth s;
    s.canvas.Brush()->SetStyle(bsSolid);
    s.canvas.Brush()->SetColor(clWhite);
    s.canvas.Ellipse(20, 20, 60, 50); // centre (40, 35), radii 20 and 15
    const int neighbour = Grey(0.6);
    struct Edge {
        int x, y, nx, ny;
    };
    for (const Edge e :
         {Edge{40, 50, 40, 51}, Edge{40, 20, 40, 19}, Edge{60, 35, 61, 35}, Edge{20, 35, 19, 35}}) {
        SCOPED_TRACE(testing::Message() << e.x << "," << e.y);
        EXPECT_EQ(s.At(e.x, e.y), clBlack);
        EXPECT_EQ(s.Red(e.nx, e.ny), neighbour);
    }
    EXPECT_EQ(s.At(40, 35), clWhite); // the fill
}

// The darkest red value in the 3 x 3 pixels around (X, Y).
int Darkest(Smooth& S, int X, int Y) {
    int d = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            d = std::min(d, S.Red(X + dx, Y + dy));
    return d;
}

TEST(AntiAliasCanvas, PieDonutAndRoundRectangleEdges) {
    {
        SCOPED_TRACE("pie");
        Smooth s;
        s.canvas.Pie(20, 10, 80, 70, 80, 40, 50, 10); // the quarter from 0 to 90 degrees
        EXPECT_LT(Darkest(s, 71, 19), 128);           // on the arc at 45 degrees
        EXPECT_LT(Darkest(s, 65, 40), 128);           // the radius along 0 degrees
        EXPECT_EQ(s.At(35, 55), clWhite);             // outside the quarter
    }
    {
        SCOPED_TRACE("donut");
        Smooth s;
        s.canvas.Brush()->SetStyle(bsSolid);
        s.canvas.Brush()->SetColor(clRed);
        s.canvas.Donut(50, 40, 30, 30, 0, 3.14159265358979 / 2, 50);
        EXPECT_LT(Darkest(s, 71, 19), 128); // outer arc at 45 degrees, radius 30
        EXPECT_LT(Darkest(s, 61, 29), 128); // inner arc at 45 degrees, radius 15
        EXPECT_EQ(s.At(66, 24), clRed);     // the ring between them
    }
    {
        SCOPED_TRACE("round rectangle");
        Smooth s;
        s.canvas.RoundRect(10, 10, 70, 50, 20, 20);
        EXPECT_EQ(s.At(40, 10), clBlack); // the straight top edge
        EXPECT_EQ(s.At(40, 9), clWhite);
        EXPECT_LT(Darkest(s, 67, 13), 128); // the top-right corner's arc at 45 degrees
        EXPECT_EQ(s.At(11, 11), clWhite);   // cut off by the corner
    }
}

TEST(AntiAliasCanvas, DegenerateRadiiDrawNoSmoothEdgeButKeepTheFill) {
    Smooth s;
    s.canvas.Brush()->SetStyle(bsSolid);
    s.canvas.Brush()->SetColor(clRed);
    // A donut without a hole, and ellipses, arcs and pies of zero width or height.
    s.canvas.Donut(50, 40, 20, 20, 0, 3.14159265358979, 0);
    EXPECT_EQ(s.At(50, 30), clRed);
    s.canvas.Ellipse(10, 10, 10, 30);
    s.canvas.Ellipse(10, 10, 30, 10);
    s.canvas.Arc(10, 10, 10, 30, 0.0, 180.0);
    s.canvas.Pie(5, 5, 5, 25, 5, 5, 5, 25);
    s.canvas.RoundRect(60, 60, 60, 70, 0, 0);
    EXPECT_EQ(s.At(90, 70), clWhite);
}

TEST(AntiAliasCanvas, BaseCanvasDrawsWhatIsNotSmoothed) {
    // Each drawing on the smoothing canvas gives the same image as the plain canvas.
    struct Case {
        const char* name;
        std::function<void(TTeeCanvas3D&)> setup;
        std::function<void(TTeeCanvas3D&)> draw;
    };
    auto shallow = [](TTeeCanvas3D& c) {
        c.MoveTo(10, 10);
        c.LineTo(70, 30);
        c.Ellipse(20, 40, 60, 70);
    };
    const Case cases[] = {
        {"horizontal and vertical lines", [](TTeeCanvas3D&) {},
         [](TTeeCanvas3D& c) {
             c.MoveTo(10, 10);
             c.LineTo(60, 10);
             c.LineTo(60, 50);
         }},
        {"metafile output", [](TTeeCanvas3D& c) { c.SetMetafiling(true); }, shallow},
        {"XOR pen", [](TTeeCanvas3D& c) { c.Pen()->SetMode(pmXor); },
         [](TTeeCanvas3D& c) {
             c.MoveTo(10, 10);
             c.LineTo(70, 30);
         }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Smooth s;
        Plain p;
        k.setup(s.canvas);
        k.setup(p.canvas);
        k.draw(s.canvas);
        k.draw(p.canvas);
        ExpectSameImage(s, p);
    }
    {
        SCOPED_TRACE("smoothing off");
        Smooth s;
        Plain p;
        s.canvas.SetAntiAlias(aaNo);
        EXPECT_FALSE(s.canvas.Smoothing());
        shallow(s.canvas);
        shallow(p.canvas);
        ExpectSameImage(s, p);
    }
}

TEST(AntiAliasCanvas, InvertingPenPairsRestoreTheImage) {
    // A rubber line drawn twice in an inverting mode leaves no trace, diagonal or not.
    for (TPenMode mode : {pmNotXor, pmXor}) {
        SCOPED_TRACE(int(mode));
        Smooth s;
        s.canvas.Brush()->SetStyle(bsSolid);
        s.canvas.Brush()->SetColor(clYellow);
        s.canvas.Rectangle(30, 5, 60, 60);
        Plain before;
        before.canvas.Brush()->SetStyle(bsSolid);
        before.canvas.Brush()->SetColor(clYellow);
        before.canvas.Rectangle(30, 5, 60, 60);
        s.canvas.Pen()->SetMode(mode);
        s.canvas.Pen()->SetColor(clBlue);
        for (int k = 0; k < 2; ++k) {
            s.canvas.MoveTo(10, 10);
            s.canvas.LineTo(80, 33);
            s.canvas.Ellipse(20, 20, 70, 50);
        }
        ExpectSameImage(s, before);
    }
}

TEST(AntiAliasCanvas, BlendsColumnZeroAndRowZero) {
    Smooth s;
    s.canvas.MoveTo(0, 0);
    s.canvas.LineTo(30, 10); // row 0 holds the upper share of columns 1 and 2
    EXPECT_EQ(s.Red(1, 0), Grey(1 / 3.0));
    EXPECT_EQ(s.Red(2, 0), Grey(2 / 3.0));
    Smooth t;
    t.canvas.MoveTo(0, 0);
    t.canvas.LineTo(10, 30); // column 0 likewise for rows 1 and 2
    EXPECT_EQ(t.Red(0, 1), Grey(1 / 3.0));
    EXPECT_EQ(t.Red(0, 2), Grey(2 / 3.0));
    // A line running off the image changes nothing outside it and does not pile up on its
    // edge rows.
    Smooth u;
    u.canvas.MoveTo(-50, -20);
    u.canvas.LineTo(W + 50, 30);
    EXPECT_EQ(u.At(0, 0), clWhite);
    EXPECT_EQ(u.At(W - 1, 0), clWhite);
}

TEST(AntiAliasCanvas, NothingBlendedOutsideTheClipRectangle) {
    Smooth s;
    s.canvas.ClipRectangle(TRect{20, 0, 40, H});
    s.canvas.MoveTo(0, 10);
    s.canvas.LineTo(90, 40);
    s.canvas.Ellipse(5, 45, 90, 75);
    s.canvas.UnClipRectangle();
    int inside = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            if (x >= 20 && x <= 40) {
                if (s.At(x, y) != clWhite) ++inside;
                continue;
            }
            EXPECT_EQ(s.At(x, y), clWhite) << x << "," << y;
        }
    EXPECT_GT(inside, 0);
}

} // namespace
