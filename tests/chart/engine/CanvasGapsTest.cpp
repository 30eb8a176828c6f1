// Canvas behaviour completed with the pictures: perspective of a chart without width,
// the brush forms and pictures, diagonal gradient balance, the rotated gradient without a
// rotation hook, and blurred text shadows.
#include "CanvasTestSupport.h"

#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/JpegImage.h"

namespace {
int redOf(TColor c) {
    return int(ColorToRGB(c) & 0xFF);
}
} // namespace

TEST(CanvasGaps, ChartWithoutWidthTakesOnePixelForPerspective) {
    auto project = [](const TRect& r, TPoint p, int z) {
        TView3DOptions options;
        options.SetOrthogonal(false);
        options.SetPerspective(15);
        TTeeCanvas3D canvas;
        TBitmap target;
        target.SetSize(200, 200);
        canvas.SetUseBuffer(false);
        canvas.InitWindow(target.Canvas(), &options, clWhite, true, TRect{0, 0, 200, 200});
        canvas.Projection(40, TRect{0, 0, 200, 200}, r);
        return canvas.Calculate3DPosition(p.X, p.Y, z);
    };
    for (TPoint p : {TPoint{20, 30}, TPoint{180, 150}})
        for (int z : {0, 40})
            EXPECT_EQ(project(TRect{100, 0, 100, 200}, p, z), project(TRect{100, 0, 101, 200}, p, z)) << z;
}

TEST(CanvasGaps, TwoArgumentBrushKeepsTheBrushColourAsFill) {
    CanvasFixture f;
    TChartBrush b;
    b.SetColor(clRed);
    b.SetStyle(bsCross);
    b.SetBackColor(clGreen);
    f.canvas.AssignBrush(&b, clBlue);
    EXPECT_EQ(f.canvas.Brush()->Color(), clRed);
    EXPECT_EQ(f.canvas.BackColor(), clBlue);
    f.canvas.AssignBrush(&b);
    EXPECT_EQ(f.canvas.Brush()->Color(), clRed);
    EXPECT_EQ(f.canvas.BackColor(), clGreen);
}

TEST(CanvasGaps, BrushPictureOfAnotherFormatPatternsTheBrush) {
    TBitmap source;
    source.SetSize(8, 8);
    source.Canvas()->Brush()->SetColor(clBlack);
    source.Canvas()->FillRect(TRect{0, 0, 4, 8});
    TJPEGImage jpeg;
    jpeg.Assign(&source);
    TChartBrush b;
    b.Image()->SetGraphic(&jpeg);
    CanvasFixture f;
    f.canvas.AssignBrush(&b, clBlack, clWhite);
    ASSERT_NE(f.canvas.Brush()->Bitmap(), nullptr);
    EXPECT_EQ(f.canvas.Brush()->Bitmap()->Width(), 8);
    EXPECT_EQ(f.canvas.Brush()->Style(), bsClear);
    EXPECT_EQ(b.Image()->Graphic()->ClassType(), TJPEGImage::StaticClass()); // the picture is left as it was
}

TEST(CanvasGaps, DiagonalGradientsFollowTheBalance) {
    for (TGradientDirection d : {gdDiagonalUp, gdDiagonalDown}) {
        CanvasFixture even(60, 60), bent(60, 60);
        even.canvas.GradientFill(TRect{0, 0, 60, 60}, clBlack, clWhite, d, 50, 0, 0);
        bent.canvas.GradientFill(TRect{0, 0, 60, 60}, clBlack, clWhite, d, 90, 0, 0);
        EXPECT_LT(redOf(bent.At(30, 30)), redOf(even.At(30, 30))) << int(d);
    }
}

TEST(CanvasGaps, RotatedGradientWithoutHookKeepsTheRoundCorners) {
    // The start-up installs the filters' rotation hook; this case draws without it.
    struct NoRotationHook {
        TTeeGradientRotate saved = TeeGradientRotate;
        NoRotationHook() { TeeGradientRotate = nullptr; }
        ~NoRotationHook() { TeeGradientRotate = saved; }
    } noHook;
    CanvasFixture f(60, 60);
    TTeeGradient g;
    g.SetStartColor(clBlack);
    g.SetEndColor(clBlack);
    g.SetAngle(30);
    g.Draw(&f.canvas, TRect{0, 0, 60, 60}, 30);
    EXPECT_EQ(f.At(0, 0), clWhite);
    EXPECT_EQ(f.At(30, 30), clBlack);
}

TEST(CanvasGaps, SmoothShadowOfTextIsBlurredInTheImage) {
    auto draw = [](int blur) {
        TTeeCanvas3D canvas;
        TBitmap target;
        target.SetSize(120, 60);
        canvas.InitWindow(target.Canvas(), nullptr, clWhite, false, TRect{0, 0, 120, 60});
        canvas.Brush()->SetColor(clWhite);
        canvas.FillRect(TRect{0, 0, 120, 60});
        const TPixelFormat before = canvas.Bitmap()->PixelFormat();
        TTeeFont font;
        font.SetColor(clBlack);
        font.SetSize(16);
        font.Shadow()->SetHorizSize(4);
        font.Shadow()->SetVertSize(4);
        font.Shadow()->SetColor(clRed);
        font.Shadow()->SetSmoothBlur(blur);
        canvas.AssignFont(&font);
        canvas.SetBackMode(cbmTransparent);
        canvas.TextOut(10, 10, "WW");
        EXPECT_EQ(canvas.Bitmap()->PixelFormat(), before);
        // Pixels that are neither background nor one of the two text colours.
        int mixed = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 120; ++x) {
                const TColor c = canvas.Bitmap()->Canvas()->Pixels(x, y);
                mixed += c != clWhite && c != clRed && c != clBlack;
            }
        return mixed;
    };
    EXPECT_GT(draw(2), draw(0) + 20);
}
