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
