// The panel's frame pipeline drawn off-screen: fill, border, bevels, shadow, back
// gradient, back image in each mode, the zoom rectangle drawn and erased in not-xor, and
// the pictures and printed pages made of a panel.
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Metafile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

// A 100 x 60 drawing panel in red without bevels or margins.
struct FramePanel : ::testing::Test {
    FramePanel() : panel(nullptr) {
        panel.SetBounds(0, 0, 100, 60);
        panel.SetBevelOuter(bvNone);
        panel.SetColor(clRed);
        target.SetSize(100, 60);
    }
    void Draw() { panel.Draw(target.Canvas(), TRect{0, 0, 100, 60}); }
    TColor At(int x, int y) { return target.Canvas()->Pixels(x, y); }
    // A w x h picture in blue with a yellow top-left pixel.
    void SetPicture(int w, int h, TTeeBackImageMode mode) {
        TBitmap b;
        b.SetSize(w, h);
        b.Canvas()->Brush()->SetColor(clBlue);
        b.Canvas()->FillRect(TRect{0, 0, w, h});
        b.Canvas()->SetPixels(0, 0, clYellow);
        panel.BackImage()->SetGraphic(&b);
        panel.BackImage()->SetMode(mode);
    }
    TDraw3D panel;
    TBitmap target;
};

int RedOf(TColor c) {
    return int(ColorToRGB(c) & 0xFF);
}
int BlueOf(TColor c) {
    return int((ColorToRGB(c) >> 16) & 0xFF);
}

} // namespace

TEST_F(FramePanel, FillBorderAndBevels) {
    Draw();
    EXPECT_EQ(At(0, 0), clRed);
    EXPECT_EQ(At(50, 30), clRed);

    panel.Border()->SetVisible(true);
    panel.Border()->SetColor(clBlue);
    Draw();
    EXPECT_EQ(At(0, 0), clBlue);
    EXPECT_EQ(At(99, 59), clBlue);
    EXPECT_EQ(At(50, 0), clBlue);
    EXPECT_EQ(At(1, 1), clRed);

    panel.Border()->SetVisible(false);
    panel.SetBevelOuter(bvRaised);
    panel.SetBevelInner(bvLowered);
    Draw();
    EXPECT_EQ(ColorToRGB(At(0, 0)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(ColorToRGB(At(99, 59)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(ColorToRGB(At(1, 1)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(ColorToRGB(At(98, 58)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(2, 2), clRed);
}

TEST_F(FramePanel, ShadowTakesRoomFromThePanel) {
    panel.Shadow()->SetSmooth(false);
    panel.Shadow()->SetColor(clBlack);
    panel.Shadow()->SetSize(4);
    Draw();
    // Fill (0, 0, 92, 52); shadow (4, 4, 95, 55) behind it; the rest in the back colour.
    EXPECT_EQ(At(50, 30), clRed);
    EXPECT_EQ(At(93, 30), clBlack);
    EXPECT_EQ(At(50, 53), clBlack);
    EXPECT_EQ(At(97, 30), clRed); // no parent: the panel's own colour behind
    EXPECT_EQ(At(2, 57), clRed);
}

TEST_F(FramePanel, BackGradientReplacesTheFill) {
    panel.Gradient()->SetVisible(true);
    panel.Gradient()->SetStartColor(clYellow);
    panel.Gradient()->SetEndColor(clBlue);
    panel.Gradient()->SetDirection(gdTopBottom);
    Draw();
    // Top to bottom: the end colour at the top, the start colour at the bottom.
    EXPECT_GT(BlueOf(At(50, 1)), 200);
    EXPECT_LT(RedOf(At(50, 1)), 50);
    EXPECT_GT(RedOf(At(50, 58)), 200);
    EXPECT_LT(BlueOf(At(50, 58)), 50);
}

TEST_F(FramePanel, BackImageModes) {
    SetPicture(10, 10, pbmStretch);
    Draw();
    EXPECT_EQ(At(50, 30), clBlue);
    EXPECT_EQ(At(99, 59), clBlue);

    // Tiles of 30 x 20 from the top-left corner.
    SetPicture(30, 20, pbmTile);
    Draw();
    for (int y : {0, 20, 40})
        for (int x : {0, 30, 60, 90})
            EXPECT_EQ(At(x, y), clYellow) << x << "," << y;
    EXPECT_EQ(At(31, 21), clBlue);

    // Centred: (100 - 30) / 2, (60 - 20) / 2; the panel fill around it.
    SetPicture(30, 20, pbmCenter);
    Draw();
    EXPECT_EQ(At(35, 20), clYellow);
    EXPECT_EQ(At(36, 21), clBlue);
    EXPECT_EQ(At(34, 20), clRed);
    EXPECT_EQ(At(66, 40), clRed);

    SetPicture(30, 20, pbmCustom);
    panel.BackImage()->SetLeft(5);
    panel.BackImage()->SetTop(7);
    Draw();
    EXPECT_EQ(At(5, 7), clYellow);
    EXPECT_EQ(At(4, 7), clRed);

    // Inside: left for the chart walls to draw.
    panel.BackImage()->SetInside(true);
    Draw();
    EXPECT_EQ(At(5, 7), clRed);
}

TEST_F(FramePanel, MarginsPlaceThePaintRectangle) {
    panel.SetMarginUnits(muPixels);
    panel.SetMarginLeft(10);
    panel.SetMarginTop(5);
    panel.OnPaint = [&](TObject*, const TRect&) {
        panel.Canvas()->Brush()->SetColor(clLime);
        panel.Canvas()->Brush()->SetStyle(bsSolid);
        panel.Canvas()->FillRect(panel.ChartRect);
    };
    Draw();
    EXPECT_EQ(At(10, 5), clLime);
    EXPECT_EQ(At(9, 5), clRed);
    EXPECT_EQ(At(10, 4), clRed);
    EXPECT_EQ(At(96, 55), clLime);
    EXPECT_EQ(At(97, 55), clRed);
}

TEST_F(FramePanel, ZoomRectangleDrawnAndErasedInNotXor) {
    panel.Zoom()->Activate(10, 10);
    panel.Zoom()->X1 = 50;
    panel.Zoom()->Y1 = 40;
    Draw();
    // On the back colour the rectangle shows in the pen's own colour.
    EXPECT_EQ(At(10, 20), clWhite);
    EXPECT_EQ(At(30, 10), clWhite);
    EXPECT_EQ(At(30, 20), clRed);
    // Drawn again on the window's image it disappears, and a third time it is back.
    panel.Canvas()->SetCanvas(target.Canvas());
    panel.DrawZoomRectangle();
    EXPECT_EQ(At(10, 20), clRed);
    panel.DrawZoomRectangle();
    EXPECT_EQ(At(10, 20), clWhite);
    panel.Canvas()->SetCanvas(panel.VclCanvas());
}

TEST_F(FramePanel, BitmapAndMetafileOutput) {
    panel.Border()->SetVisible(true);
    panel.Border()->SetColor(clBlue);
    std::unique_ptr<TBitmap> bmp(panel.TeeCreateBitmap());
    ASSERT_EQ(bmp->Width(), 100);
    ASSERT_EQ(bmp->Height(), 60);
    EXPECT_EQ(bmp->Canvas()->Pixels(50, 30), clRed);
    EXPECT_EQ(bmp->Canvas()->Pixels(0, 0), clBlue);

    QTemporaryDir dir;
    const String bmpFile = dir.filePath("chart.bmp");
    panel.SaveToBitmapFile(bmpFile);
    TBitmap loaded;
    loaded.LoadFromFile(bmpFile);
    EXPECT_EQ(loaded.Width(), 100);
    EXPECT_EQ(loaded.Canvas()->Pixels(50, 30), clRed);
    EXPECT_EQ(loaded.Canvas()->Pixels(99, 59), clBlue);

    // The metafile plays back the same frame, also read back from its file.
    const String emf = dir.filePath("chart.emf");
    panel.SaveToMetafileEnh(emf);
    TMetafile meta;
    TFileStream in(emf, fmOpenRead);
    meta.LoadFromStream(&in);
    EXPECT_EQ(meta.Width(), 100);
    TBitmap played;
    played.SetSize(100, 60);
    meta.Draw(played.Canvas(), TRect{0, 0, 100, 60});
    EXPECT_EQ(played.Canvas()->Pixels(50, 30), clRed);
    EXPECT_EQ(played.Canvas()->Pixels(0, 0), clBlue);

    std::unique_ptr<TMetafile> empty(panel.TeeCreateMetafile(false, TRect{0, 0, 0, 0}));
    EXPECT_EQ(empty->Width(), 1);
    EXPECT_EQ(empty->Height(), 1);
    EXPECT_FALSE(empty->Enhanced());
    // Picture output leaves the screen buffer on.
    EXPECT_TRUE(panel.BufferedDisplay());
}

TEST_F(FramePanel, PaintDuringPrintingDrawsNothing) {
    int paints = 0;
    panel.OnPaint = [&](TObject*, const TRect&) { ++paints; };
    panel.SetPrinting(true);
    panel.Perform(WM_PAINT);
    panel.Repaint();
    EXPECT_EQ(paints, 0);
    panel.SetPrinting(false);
}

TEST(PanelPrinting, PdfPageWithProportionalMargins) {
    QTemporaryDir dir;
    const String pdf = dir.filePath("chart.pdf");
    TPrinterSource old = SetPrinterSource([pdf] { return std::vector<TPrinterTarget>{{"PDF", pdf}}; });
    SetPrinter(new TPrinter);
    TDraw3D panel(nullptr);
    panel.SetName("Curve");
    TRect seen;
    bool printing = false;
    panel.OnBeforePrint = [&](TCustomTeePanel* p, TCanvas*, const TRect& R) {
        seen = R;
        printing = p->Printing();
    };
    panel.Print();
    EXPECT_TRUE(printing);
    EXPECT_FALSE(panel.Printing());
    EXPECT_EQ(Printer()->Title(), "Curve");
    // Wider than high: 15 % at the sides; top and bottom keep the panel's proportions.
    const TRect m = panel.PrintMargins();
    EXPECT_EQ(m.Left, 15);
    EXPECT_EQ(m.Right, 15);
    EXPECT_EQ(m.Top, m.Bottom);
    const TRect page = panel.ChartPrintRect();
    const double ratio = double(page.Right - page.Left) / (page.Bottom - page.Top);
    // Close to the panel's 1.6 (the margin is rounded and halved to whole percents).
    EXPECT_NEAR(ratio, 400.0 / 250.0, 0.1);
    // The rectangle handed to OnBeforePrint is in the chart's own pixels.
    EXPECT_NEAR(seen.Right - seen.Left, 400, 2);
    EXPECT_GT(QFile(pdf).size(), 0);
    SetPrinterSource(old);
    SetPrinter(new TPrinter);
}
