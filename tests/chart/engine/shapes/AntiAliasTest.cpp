// A panel's picture smoothed with the soften filter.
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <memory>

TEST(TeeAntiAlias, DrawsThePanelAndSoftensItsEdges) {
    TDraw3D panel(nullptr);
    panel.SetBounds(0, 0, 40, 20);
    panel.SetBevelOuter(bvNone);
    panel.SetColor(clRed);
    // A black column at x = 20 over the red panel.
    panel.OnPaint = [&](TObject*, const TRect&) {
        panel.Canvas()->Brush()->SetColor(clBlack);
        panel.Canvas()->Brush()->SetStyle(bsSolid);
        panel.Canvas()->FillRect(TRect{20, 0, 21, 20});
    };
    std::unique_ptr<TBitmap> b(TeeAntiAlias(&panel));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Width(), 40);
    EXPECT_EQ(b->Height(), 20);
    EXPECT_EQ(b->PixelFormat(), pf24bit);
    TCanvas* c = b->Canvas();
    EXPECT_EQ(c->Pixels(5, 10), clRed) << "flat areas keep the panel colour";
    // Left of the column a pixel averages with it: half red.
    const int red = int(ColorToRGB(c->Pixels(19, 10)) & 0xFF);
    EXPECT_GT(red, 60);
    EXPECT_LT(red, 200);
}
