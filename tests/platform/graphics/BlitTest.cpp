// Raster operations of BitBlt, StretchBlt and PatBlt, monochrome conversions, blending.
#include "GraphicsTestSupport.h"

#include "platform/graphics/Gdi.h"

namespace {
// A 4 x 1 source: black, white, red, blue.
std::unique_ptr<TBitmap> source() {
    auto b = std::make_unique<TBitmap>(4, 1);
    const TColor c[] = {clBlack, clWhite, clRed, clBlue};
    for (int x = 0; x < 4; ++x)
        b->Canvas()->SetPixels(x, 0, c[x]);
    return b;
}
} // namespace

TEST(Blit, TernaryRasterCodes) {
    const struct {
        DWORD rop;
        TColor dest;
        TColor expect[4];
    } cases[] = {
        {SRCCOPY, clLime, {clBlack, clWhite, clRed, clBlue}},
        {SRCAND, clYellow, {clBlack, clYellow, clRed, clBlack}},
        {SRCPAINT, clLime, {clLime, clWhite, clYellow, clAqua}},
        {NOTSRCCOPY, clLime, {clWhite, clBlack, clAqua, clYellow}},
        {SRCINVERT, clWhite, {clWhite, clBlack, clAqua, clYellow}},
        {PATCOPY, clLime, {clFuchsia, clFuchsia, clFuchsia, clFuchsia}},
    };
    for (const auto& c : cases) {
        DrawingSurface d(4, 1);
        d.C()->Brush()->SetColor(c.dest);
        d.C()->FillRect(Rect(0, 0, 4, 1));
        d.C()->Brush()->SetColor(clFuchsia);
        d.C()->FillRect(Rect(0, 0, 0, 0)); // selects the brush
        auto src = source();
        BitBlt(d.DC(), 0, 0, 4, 1, src->Canvas()->Handle(), 0, 0, c.rop);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(d.At(x, 0), c.expect[x]) << std::hex << c.rop << " x=" << x;
    }
}

TEST(Blit, MonochromeSourceTakesTextAndBackgroundColours) {
    TBitmap mask(4, 1);
    mask.SetMonochrome(true);
    mask.Canvas()->SetPixels(0, 0, clBlack);
    mask.Canvas()->SetPixels(2, 0, clBlack);
    DrawingSurface d(4, 1);
    SetTextColor(d.DC(), RGB(255, 0, 0));
    SetBkColor(d.DC(), RGB(0, 0, 255));
    BitBlt(d.DC(), 0, 0, 4, 1, mask.Canvas()->Handle(), 0, 0, SRCCOPY);
    const TColor expect[] = {clRed, clBlue, clRed, clBlue};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(d.At(x, 0), expect[x]) << x;

    // DSPDxax: the brush where the mask is black, the destination kept where it is white.
    DrawingSurface e(4, 1);
    e.C()->Brush()->SetColor(clLime);
    e.C()->FillRect(Rect(0, 0, 4, 1));
    e.C()->Brush()->SetColor(clGray);
    e.C()->FillRect(Rect(0, 0, 0, 0));
    SetTextColor(e.DC(), 0xFFFFFF);
    SetBkColor(e.DC(), 0);
    BitBlt(e.DC(), 0, 0, 4, 1, mask.Canvas()->Handle(), 0, 0, DSPDxax);
    const TColor disabled[] = {clGray, clLime, clGray, clLime};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(e.At(x, 0), disabled[x]) << x;
}

TEST(Blit, ColourToMonochromeByTheSourceBackground) {
    auto src = source();
    SetBkColor(src->Canvas()->Handle(), RGB(255, 0, 0)); // red becomes white, the rest black
    TBitmap mask(4, 1);
    mask.SetMonochrome(true);
    BitBlt(mask.Canvas()->Handle(), 0, 0, 4, 1, src->Canvas()->Handle(), 0, 0, SRCCOPY);
    const TColor expect[] = {clBlack, clBlack, clWhite, clBlack};
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(mask.Canvas()->Pixels(x, 0), expect[x]) << x;
}

TEST(Blit, StretchMirrorsAndScales) {
    auto src = source();
    DrawingSurface d(8, 2);
    StretchBlt(d.DC(), 8, 0, -8, 2, src->Canvas()->Handle(), 0, 0, 4, 1, SRCCOPY);
    EXPECT_EQ(d.At(7, 1), clBlack);
    EXPECT_EQ(d.At(6, 0), clBlack);
    EXPECT_EQ(d.At(0, 0), clBlue);
    EXPECT_EQ(d.At(3, 1), clRed);
}

TEST(Blit, PatBltWithNegativeExtentsPaintsTheMirroredRectangle) {
    DrawingSurface d;
    d.C()->Brush()->SetColor(clRed);
    d.C()->FillRect(Rect(0, 0, 0, 0));
    PatBlt(d.DC(), 20, 20, -5, -3, PATCOPY);
    EXPECT_EQ(d.InkBox(), Rect(15, 17, 20, 20));
}

TEST(Blit, AlphaBlendWithConstantAlpha) {
    for (int alpha : {0, 128, 255}) {
        auto src = std::make_unique<TBitmap>(2, 1); // white
        DrawingSurface d(2, 1);
        d.C()->Brush()->SetColor(clBlack);
        d.C()->FillRect(Rect(0, 0, 2, 1));
        BLENDFUNCTION bf;
        bf.SourceConstantAlpha = Byte(alpha);
        AlphaBlend(d.DC(), 0, 0, 2, 1, src->Canvas()->Handle(), 0, 0, 2, 1, bf);
        const int v = (255 * alpha + 127) / 255;
        EXPECT_EQ(d.At(0, 0), TColor(RGB(Byte(v), Byte(v), Byte(v)))) << alpha;
    }
}

TEST(Blit, CopyRectHonoursCopyMode) {
    auto src = source();
    DrawingSurface d(4, 1);
    d.C()->SetCopyMode(cmNotSrcCopy);
    d.C()->CopyRect(Rect(0, 0, 4, 1), src->Canvas(), Rect(0, 0, 4, 1));
    EXPECT_EQ(d.At(0, 0), clWhite);
    EXPECT_EQ(d.At(2, 0), clAqua);
}

namespace {
// A 6 x 4 source whose every pixel has its own colour.
TColor sourceColour(int x, int y) {
    return TColor(RGB(Byte(20 + 40 * x), Byte(30 + 60 * y), Byte(200 - 10 * x - 5 * y)));
}
} // namespace

// A plain copy between colour bitmaps of any two formats: exactly W x H pixels land (the
// right and bottom edges left out), shifted by the window origin, cut by the destination's
// edges and by its clip region, and nothing else changes.
TEST(Blit, PlainCopyKeepsEdgesOriginsAndClipping) {
    struct Case {
        const char* name;
        int X, Y, W, H, XS, YS;
        TPoint windowOrg;
        TRect clip; // IntersectClipRect, logical; empty: none
        TRect hole; // ExcludeClipRect, logical; empty: none
    };
    const Case cases[] = {
        {"whole", 1, 1, 6, 4, 0, 0, {0, 0}, {}, {}},
        {"part of the source", 3, 2, 3, 2, 2, 1, {0, 0}, {}, {}},
        {"beyond the right and bottom", 5, 4, 6, 4, 0, 0, {0, 0}, {}, {}},
        {"beyond the left and top", -2, -1, 6, 4, 0, 0, {0, 0}, {}, {}},
        {"window origin", 3, 2, 6, 4, 0, 0, {2, 1}, {}, {}},
        {"clip rectangle", 0, 0, 6, 4, 0, 0, {0, 0}, {2, 1, 5, 3}, {}},
        {"clip with a hole", 1, 1, 6, 4, 0, 0, {0, 0}, {1, 1, 7, 5}, {3, 2, 5, 4}},
        {"clip and origin", 3, 2, 6, 4, 0, 0, {2, 1}, {2, 2, 6, 4}, {4, 2, 5, 3}},
    };
    const TPixelFormat formats[][2] = {{pfDevice, pfDevice},
                                       {pf24bit, pf24bit},
                                       {pf24bit, pfDevice},
                                       {pfDevice, pf24bit},
                                       {pfDevice, pf32bit}};
    for (const auto& f : formats) {
        TBitmap src;
        src.SetPixelFormat(f[0]);
        src.SetSize(6, 4);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                src.Canvas()->SetPixels(x, y, sourceColour(x, y));
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << ", formats " << f[0] << " to " << f[1]);
            DrawingSurface d(8, 6, f[1]);
            d.C()->Brush()->SetColor(clLime);
            d.C()->FillRect(Rect(0, 0, 8, 6));
            SetWindowOrgEx(d.DC(), c.windowOrg.X, c.windowOrg.Y, nullptr);
            if (c.clip.Right > c.clip.Left)
                IntersectClipRect(d.DC(), c.clip.Left, c.clip.Top, c.clip.Right, c.clip.Bottom);
            if (c.hole.Right > c.hole.Left)
                ExcludeClipRect(d.DC(), c.hole.Left, c.hole.Top, c.hole.Right, c.hole.Bottom);
            ASSERT_TRUE(BitBlt(d.DC(), c.X, c.Y, c.W, c.H, src.Canvas()->Handle(), c.XS, c.YS, SRCCOPY));
            for (int py = 0; py < 6; ++py)
                for (int px = 0; px < 8; ++px) {
                    // The logical point of this pixel and whether the copy reaches it.
                    const int lx = px + c.windowOrg.X, ly = py + c.windowOrg.Y;
                    auto inside = [&](const TRect& r) {
                        return lx >= r.Left && lx < r.Right && ly >= r.Top && ly < r.Bottom;
                    };
                    bool copied = inside(TRect{c.X, c.Y, c.X + c.W, c.Y + c.H});
                    if (c.clip.Right > c.clip.Left) copied = copied && inside(c.clip);
                    if (c.hole.Right > c.hole.Left) copied = copied && !inside(c.hole);
                    const TColor expect = copied ? sourceColour(lx - c.X + c.XS, ly - c.Y + c.YS) : clLime;
                    EXPECT_EQ(d.At(px, py), expect) << "pixel " << px << "," << py;
                }
        }
    }
}

// Copies the general path keeps: a source rectangle reaching outside its bitmap gives white
// there, and a copy within one bitmap reads the pixels as they were before it.
TEST(Blit, CopyOutsideTheSourceOrWithinOneBitmap) {
    TBitmap src(6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            src.Canvas()->SetPixels(x, y, sourceColour(x, y));
    DrawingSurface d(8, 6);
    d.C()->Brush()->SetColor(clLime);
    d.C()->FillRect(Rect(0, 0, 8, 6));
    BitBlt(d.DC(), 0, 0, 4, 2, src.Canvas()->Handle(), 4, 3, SRCCOPY);
    EXPECT_EQ(d.At(0, 0), sourceColour(4, 3));
    EXPECT_EQ(d.At(1, 0), sourceColour(5, 3));
    EXPECT_EQ(d.At(2, 0), clWhite);
    EXPECT_EQ(d.At(0, 1), clWhite);
    EXPECT_EQ(d.At(4, 0), clLime);

    // Shifted one pixel right and down onto itself: no smearing of the first column or row.
    BitBlt(src.Canvas()->Handle(), 1, 1, 5, 3, src.Canvas()->Handle(), 0, 0, SRCCOPY);
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 6; ++x)
            EXPECT_EQ(src.Canvas()->Pixels(x, y), sourceColour(x - 1, y - 1)) << x << "," << y;
    EXPECT_EQ(src.Canvas()->Pixels(0, 1), sourceColour(0, 1));
}
