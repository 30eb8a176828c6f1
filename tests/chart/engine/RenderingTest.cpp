#include "CanvasTestSupport.h"

#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeBlend.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"

#include <set>

namespace {
int red(TColor c) {
    return c & 0xFF;
}
} // namespace

TEST(GradientFill, TopBottomBandsFromTheBottomEdge) {
    CanvasFixture f(10, 3);
    f.canvas.GradientFill(TRect{0, 0, 10, 3}, clWhite, clBlack, gdTopBottom, 50, 0, 0);
    EXPECT_EQ(red(f.At(5, 2)), 255);
    EXPECT_EQ(red(f.At(5, 1)), 128);
    EXPECT_EQ(red(f.At(5, 0)), 0);
}

TEST(GradientFill, DirectionsPutTheStartColourWhereTheyShould) {
    struct Case {
        TGradientDirection dir;
        TPoint startAt, endAt;
    } cases[] = {
        {gdTopBottom, {20, 39}, {20, 0}}, {gdBottomTop, {20, 0}, {20, 39}}, {gdLeftRight, {39, 20}, {0, 20}},
        {gdRightLeft, {0, 20}, {39, 20}}, {gdFromCenter, {20, 20}, {0, 0}}, {gdFromTopLeft, {39, 39}, {0, 0}},
        {gdDiagonalUp, {0, 39}, {36, 3}},
    };
    for (const Case& c : cases) {
        CanvasFixture f(40, 40);
        f.canvas.GradientFill(TRect{0, 0, 40, 40}, clRed, clBlue, c.dir, 50, 0, 0);
        EXPECT_GT(red(f.At(c.startAt.X, c.startAt.Y)), 200) << c.dir;
        EXPECT_LT(red(f.At(c.endAt.X, c.endAt.Y)), 60) << c.dir;
    }
}

// A rectangle far beyond any surface (a damaged chart file's sizes) is graded over the part the
// canvas shows: every direction fills it, at once and without leaving the int range.
TEST(GradientFill, FarLargerThanTheSurfaceFillsWhatShows) {
    constexpr int far = 1 << 30;
    for (TGradientDirection d : {gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft,
                                 gdFromBottomLeft, gdDiagonalUp, gdDiagonalDown, gdRadial}) {
        CanvasFixture f(40, 40);
        f.canvas.GradientFill(TRect{-far, -far, far, far}, clRed, clBlue, d, 50, 0, 0);
        EXPECT_NE(f.At(20, 20), clWhite) << d;
    }
}

TEST(GradientFill, BandCountAndBalance) {
    CanvasFixture tall(2, 300);
    tall.canvas.GradientFill(TRect{0, 0, 2, 300}, clBlack, clWhite, gdTopBottom, 50, 0, 0);
    std::set<TColor> colours;
    for (int y = 0; y < 300; ++y)
        colours.insert(tall.At(0, y));
    EXPECT_EQ(colours.size(), 256u);

    CanvasFixture one(10, 1);
    one.canvas.GradientFill(TRect{0, 0, 10, 1}, clBlack, clBlack, gdTopBottom, 50, 0, 0);
    EXPECT_EQ(one.At(3, 0), clWhite); // one band: nothing to grade, nothing drawn

    // A balance above 50 keeps the start colour longer: the middle row is darker.
    CanvasFixture even(2, 101), bent(2, 101);
    even.canvas.GradientFill(TRect{0, 0, 2, 101}, clBlack, clWhite, gdTopBottom, 50, 0, 0);
    bent.canvas.GradientFill(TRect{0, 0, 2, 101}, clBlack, clWhite, gdTopBottom, 90, 0, 0);
    EXPECT_LT(red(bent.At(0, 50)), red(even.At(0, 50)));
    EXPECT_EQ(red(bent.At(0, 0)), 255);
}

TEST(Gradient, RadialConvertsSystemColoursAndSkipsEmptyRectangles) {
    CanvasFixture f(20, 20);
    TTeeGradient g;
    g.SetDirection(gdRadial);
    g.SetStartColor(clBtnFace);
    g.SetEndColor(clBtnFace);
    g.DrawRadial(&f.canvas, TRect{5, 5, 5, 15});
    EXPECT_EQ(f.At(5, 10), clWhite);
    g.Draw(&f.canvas, TRect{0, 0, 20, 20});
    EXPECT_EQ(f.At(10, 10), ColorToRGB(clBtnFace));
}

TEST(Gradient, AngleWithoutRotationHookDrawsUnrotated) {
    // The start-up installs the filters' rotation hook; this case draws without it.
    struct NoRotationHook {
        TTeeGradientRotate saved = TeeGradientRotate;
        NoRotationHook() { TeeGradientRotate = nullptr; }
        ~NoRotationHook() { TeeGradientRotate = saved; }
    } noHook;
    CanvasFixture f(20, 20);
    TTeeGradient g;
    g.SetStartColor(clWhite);
    g.SetEndColor(clBlack);
    g.SetAngle(30);
    g.Draw(&f.canvas, TRect{0, 0, 20, 20});
    EXPECT_EQ(g.Angle(), 30);
    EXPECT_EQ(red(f.At(10, 0)), 0);
    EXPECT_GT(red(f.At(10, 19)), 240);
}

TEST(Clipping, OneLevelSaveAndRestore) {
    CanvasFixture f(40, 40);
    TTeeCanvas& c = f.canvas;
    c.Brush()->SetColor(clRed);
    c.ClipRectangle(TRect{0, 0, 30, 30});
    c.ClipRectangle(TRect{10, 10, 40, 40});
    c.UnClipRectangle();
    c.FillRect(TRect{0, 0, 40, 40});
    c.UnClipRectangle();
    EXPECT_EQ(f.At(5, 5), clRed); // the first clip was in force again
    EXPECT_EQ(f.At(35, 35), clWhite);
    c.FillRect(TRect{0, 0, 40, 40});
    EXPECT_EQ(f.At(35, 35), clRed); // and now none
}

TEST(Pens, XorModeAndHiddenPens) {
    CanvasFixture f(20, 20);
    TChartPen pen;
    pen.SetColor(clWhite);
    pen.SetMode(pmXor);
    f.canvas.AssignVisiblePenColor(&pen, clWhite);
    f.canvas.Line(0, 5, 20, 5);
    EXPECT_EQ(f.At(10, 5), clBlack);
    f.canvas.Line(0, 5, 20, 5);
    EXPECT_EQ(f.At(10, 5), clWhite);

    TChartPen hidden;
    hidden.Hide();
    f.canvas.Pen()->SetWidth(3);
    f.canvas.AssignVisiblePenColor(&hidden, clRed);
    EXPECT_EQ(f.canvas.Pen()->Style(), psClear);
    EXPECT_EQ(f.canvas.Pen()->Width(), 3);
    EXPECT_EQ(f.canvas.Pen()->Color(), clWhite);

    TPen dotted;
    dotted.SetStyle(psDot);
    TeeCheckPenWidth = true;
    f.canvas.AssignVisiblePenColor(&dotted, clBlack);
    TeeCheckPenWidth = false;
    EXPECT_EQ(f.canvas.Pen()->Width(), 0);
}

TEST(Blend, PerPixelPathKeepsWhite) {
    TBitmap drawing, back;
    drawing.SetPixelFormat(pf24bit);
    back.SetPixelFormat(pf24bit);
    drawing.SetSize(4, 4);
    back.SetSize(4, 4);
    drawing.Canvas()->Brush()->SetColor(clBlack);
    drawing.Canvas()->FillRect(TRect{0, 0, 4, 4});
    const bool saved = TeeAlphaBlendAvailable;
    for (bool alpha : {true, false}) {
        TeeAlphaBlendAvailable = alpha;
        TeeBlendBitmaps(100, &drawing, &back, TPoint{0, 0});
        EXPECT_EQ(back.Canvas()->Pixels(1, 1), clWhite) << alpha;
        TeeBlendBitmaps(50, &drawing, &back, TPoint{2, 2});
        EXPECT_NEAR(red(back.Canvas()->Pixels(3, 3)), 128, 1) << alpha;
        EXPECT_EQ(back.Canvas()->Pixels(1, 1), clWhite) << alpha;
        back.Canvas()->Brush()->SetColor(clWhite);
        back.Canvas()->FillRect(TRect{0, 0, 4, 4});
    }
    TeeAlphaBlendAvailable = saved;
}

TEST(Shadow, NothingToDrawAndGradedLines) {
    CanvasFixture f(60, 60);
    TTeeShadow s;
    s.SetColor(clNone);
    s.SetSize(4);
    EXPECT_FALSE(s.PrepareCanvas(&f.canvas, TRect{10, 10, 30, 30}, 0));
    s.SetColor(clBlack);
    s.SetSize(0);
    EXPECT_FALSE(s.PrepareCanvas(&f.canvas, TRect{10, 10, 30, 30}, 0));

    // No off-screen image here: a smooth shadow becomes lines brightening step by step.
    s.SetHorizSize(4);
    s.SetVertSize(4);
    s.Draw(&f.canvas, TRect{10, 10, 30, 30});
    EXPECT_EQ(f.At(20, 30), clBlack);
    EXPECT_GT(red(f.At(20, 33)), 0);
    EXPECT_EQ(f.At(20, 20), clWhite);
    // Sizes with no lines in one direction draw nothing there and do not fail.
    s.SetHorizSize(-3);
    s.SetVertSize(0);
    s.Draw(&f.canvas, TRect{40, 40, 50, 50});
}

TEST(Shadow, SmoothShadowDarkensTheOffscreenImage) {
    TView3DOptions options;
    TTeeCanvas3D canvas;
    TBitmap target;
    target.SetSize(80, 80);
    canvas.InitWindow(target.Canvas(), &options, clWhite, false, TRect{0, 0, 80, 80});
    canvas.Projection(0, TRect{0, 0, 80, 80}, TRect{0, 0, 80, 80});
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(TRect{0, 0, 80, 80});
    TTeeShadow s;
    s.SetColor(clBlack);
    s.SetSize(6);
    s.Draw(&canvas, TRect{10, 10, 50, 50});
    canvas.ShowImage(target.Canvas(), target.Canvas(), TRect{0, 0, 80, 80});
    const int inside = red(target.Canvas()->Pixels(55, 30));
    const int edge = red(target.Canvas()->Pixels(62, 30));
    EXPECT_LT(inside, 128);
    EXPECT_GT(edge, inside); // blurred toward the outer edge
    EXPECT_EQ(target.Canvas()->Pixels(5, 5), clWhite);
}

TEST(Text, ShadowMovesTextAndRotatedLabelsStayAtTheirPoint) {
    CanvasFixture f(120, 60);
    TTeeFont font;
    font.SetColor(clBlack);
    font.SetSize(14);
    font.Shadow()->SetHorizSize(-2);
    font.Shadow()->SetVertSize(3);
    font.Shadow()->SetColor(clRed);
    f.canvas.AssignFont(&font);
    f.canvas.SetBackMode(cbmTransparent);
    f.canvas.TextOut(10, 10, "W");
    int firstBlack = -1, firstRed = -1;
    for (int x = 0; x < 60 && (firstBlack < 0 || firstRed < 0); ++x)
        for (int y = 0; y < 40; ++y) {
            if (firstBlack < 0 && f.At(x, y) == clBlack) firstBlack = x;
            if (firstRed < 0 && f.At(x, y) == clRed) firstRed = x;
        }
    ASSERT_GE(firstBlack, 0);
    ASSERT_GE(firstRed, 0);
    EXPECT_EQ(firstBlack - firstRed, 2);

    CanvasFixture r(120, 120);
    TTeeFont plain;
    plain.SetSize(14);
    r.canvas.AssignFont(&plain);
    r.canvas.RotateLabel(60, 60, "WWW", 90 + 360);
    // Turned 90 degrees counter-clockwise: the text runs upward from the point.
    int top = 120, bottom = -1, left = 120;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x)
            if (r.At(x, y) != clWhite) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
            }
    EXPECT_LT(top, 45);
    EXPECT_LE(bottom, 61);
    EXPECT_GE(left, 58);
    EXPECT_EQ(r.canvas.Font()->Orientation(), 0);
}

TEST(Gradient, MiddleColourSplitsTopBottomIntoTwoHalves) {
    CanvasFixture f(2, 21);
    TTeeGradient g;
    g.SetStartColor(clWhite);
    g.SetMidColor(clRed);
    g.SetEndColor(clBlack);
    g.Draw(&f.canvas, TRect{0, 0, 2, 21});
    // Upper half (rows 0..9): middle at its bottom, end at the top; lower half (rows
    // 10..20): start at the bottom, middle at its top.
    EXPECT_EQ(f.At(0, 0), clBlack);
    EXPECT_EQ(f.At(0, 9), clRed);
    EXPECT_EQ(f.At(0, 10), clRed);
    EXPECT_EQ(f.At(0, 20), clWhite);
}

TEST(Gradient, MonochromeCanvasDrawsGreys) {
    CanvasFixture f(4, 10);
    f.canvas.SetMonochrome(true);
    TTeeGradient g;
    g.SetStartColor(clRed);  // average 85
    g.SetEndColor(clYellow); // average 170
    g.Draw(&f.canvas, TRect{0, 0, 4, 10});
    EXPECT_EQ(f.At(1, 9), TColor(0x555555));
    EXPECT_EQ(f.At(1, 0), TColor(0xAAAAAA));
    for (int y = 0; y < 10; ++y) {
        const TColor c = f.At(1, y);
        EXPECT_TRUE(red(c) == ((c >> 8) & 0xFF) && red(c) == ((c >> 16) & 0xFF)) << y;
    }
}

TEST(Gradient, VisibleSubGradientIsBlendedOverTheFirst) {
    CanvasFixture f(10, 10);
    TTeeGradient g;
    g.SetStartColor(clWhite);
    g.SetEndColor(clWhite);
    g.SubGradient()->SetStartColor(clBlack);
    g.SubGradient()->SetEndColor(clBlack);
    g.Draw(&f.canvas, TRect{0, 0, 10, 10});
    EXPECT_EQ(f.At(5, 5), clWhite); // an invisible sub-gradient is not drawn
    g.SubGradient()->SetVisible(true);
    g.Draw(&f.canvas, TRect{0, 0, 10, 10});
    EXPECT_NEAR(red(f.At(5, 5)), 128, 1); // its default transparency is 50 %
    EXPECT_EQ(f.canvas.BlendTransparency(), 50);
}

TEST(Gradient, RadialDrawsOneRingMoreThanTheLargerSideUnlessThatSideIsOdd) {
    const struct {
        TRect rect;
        int ellipses;
    } cases[] = {{{0, 0, 10, 10}, 11}, {{0, 0, 11, 10}, 11}, {{0, 0, 12, 7}, 12}, {{0, 0, 400, 400}, 256}};
    for (const auto& c : cases) {
        TBitmap target;
        target.SetSize(c.rect.Right, c.rect.Bottom);
        TRecordingCanvas rec;
        rec.SetUseBuffer(false);
        rec.InitWindow(target.Canvas(), nullptr, clWhite, false, c.rect);
        TTeeGradient g;
        g.DrawRadial(&rec, c.rect);
        EXPECT_EQ(rec.Count("Ellipse"), c.ellipses) << c.rect.Right << "x" << c.rect.Bottom;
    }
}

TEST(Gradient, RadialRingsRunFromTheEndColourOutsideToTheStartInTheCentre) {
    // The same rings with the device's DC brush and, without one, with the canvas brush.
    const TTeeSetDCColor saved = TeeSetDCBrushColor;
    std::vector<TColor> images[2];
    for (bool dcBrush : {true, false}) {
        TeeSetDCBrushColor = dcBrush ? saved : nullptr;
        CanvasFixture f(20, 20);
        TTeeGradient g;
        g.SetStartColor(clBlack);
        g.SetEndColor(clWhite);
        g.DrawRadial(&f.canvas, TRect{0, 0, 20, 20});
        // The innermost visible ring is one step (255 / 20) from the start colour.
        EXPECT_EQ(f.At(10, 10), TColor(0x0D0D0D)) << dcBrush;
        EXPECT_EQ(f.At(0, 0), clWhite) << dcBrush;
        EXPECT_GT(red(f.At(5, 10)), red(f.At(8, 10))) << dcBrush;
        EXPECT_EQ(f.canvas.Pen()->Style(), psSolid) << dcBrush;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                images[dcBrush].push_back(f.At(x, y));
    }
    TeeSetDCBrushColor = saved;
    EXPECT_EQ(images[0], images[1]);
}

TEST(Blend, RectangleOutsideTheCanvasKeepsOnePixel) {
    CanvasFixture f(40, 40);
    f.canvas.SetBounds(TRect{0, 0, 40, 40});
    TTeeBlend left(&f.canvas, TRect{-20, 5, -10, 15});
    EXPECT_EQ(left.Rect(), (TRect{0, 5, 1, 15}));
    TTeeBlend beyond(&f.canvas, TRect{30, 30, 60, 60});
    EXPECT_EQ(beyond.Rect(), (TRect{30, 30, 40, 40}));
    TTeeBlend reversed(&f.canvas, TRect{20, 20, 10, 10});
    EXPECT_EQ(reversed.Rect(), (TRect{10, 10, 20, 20}));
}

namespace {
// Records the font escapement in force when the rotated label reaches the text slot.
class TEscapementCanvas : public TTeeCanvas3D {
public:
    std::vector<int> escapements;
    void TextOut(int X, int Y, const String& Text) override {
        escapements.push_back(Font()->Orientation());
        TTeeCanvas3D::TextOut(X, Y, Text);
    }
};
} // namespace

TEST(Text, RotateLabelReducesTurnsAboveFullCircle) {
    TBitmap target;
    target.SetSize(40, 40);
    TEscapementCanvas c;
    c.SetUseBuffer(false);
    c.InitWindow(target.Canvas(), nullptr, clWhite, false, TRect{0, 0, 40, 40});
    for (double degrees : {725.0, 360.0, 45.5, 370.25})
        c.RotateLabel(20, 20, "A", degrees);
    EXPECT_EQ(c.escapements, (std::vector<int>{50, 3600, 455, 102})); // tenths; 102.5 ties to even
    EXPECT_EQ(c.Font()->Orientation(), 0);                            // the previous font is back
}
