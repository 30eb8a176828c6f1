// Bitmaps: pixel layout of scan lines, sizes and formats, BMP, JPEG and PNG files,
// transparency, pictures and the format registry.
#include "GraphicsTestSupport.h"

#include "platform/classes/ResourceStream.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/PngImage.h"

#include <QTemporaryDir>

#include <cstring>

TEST(Bitmap, TwentyFourBitScanLinesAreBlueGreenRed) {
    TBitmap b(3, 2);
    b.SetPixelFormat(pf24bit);
    b.Canvas()->SetPixels(1, 1, TColor(RGB(0x11, 0x22, 0x33)));
    const auto* row = static_cast<const Byte*>(b.ScanLine(1));
    EXPECT_EQ(row[3], 0x33);
    EXPECT_EQ(row[4], 0x22);
    EXPECT_EQ(row[5], 0x11);
    auto* top = static_cast<Byte*>(b.ScanLine(0));
    top[0] = 0xFF; // blue
    top[1] = 0;
    top[2] = 0;
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);
    EXPECT_THROW(b.ScanLine(2), EInvalidGraphicOperation);
}

TEST(Bitmap, NewPixelsAreWhiteAndResizingKeepsWhatFits) {
    TBitmap b(4, 4);
    EXPECT_EQ(b.Canvas()->Pixels(3, 3), clWhite);
    b.Canvas()->SetPixels(1, 1, clRed);
    b.SetSize(8, 2);
    EXPECT_EQ(b.Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(7, 1), clWhite);
    b.SetPixelFormat(pf24bit);
    EXPECT_EQ(b.Canvas()->Pixels(1, 1), clRed);
    b.SetSize(0, 0);
    EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, WidthGivenBeforeHeightIsKept) {
    // An empty bitmap sized one side at a time: the first side must survive the second call.
    TBitmap b;
    b.SetWidth(16);
    EXPECT_EQ(b.Width(), 16);
    EXPECT_TRUE(b.Empty());
    b.SetHeight(8);
    EXPECT_EQ(b.Width(), 16);
    EXPECT_EQ(b.Height(), 8);
    EXPECT_EQ(b.Canvas()->Pixels(15, 7), clWhite);
    TBitmap copy;
    b.SetHeight(0);
    copy.Assign(&b);
    EXPECT_EQ(copy.Width(), 16);
    EXPECT_EQ(copy.Height(), 0);
}

TEST(Bitmap, MonochromeKeepsWhiteAndTurnsTheRestBlack) {
    TBitmap b(3, 1);
    b.Canvas()->SetPixels(0, 0, clYellow);
    b.SetMonochrome(true);
    EXPECT_EQ(b.PixelFormat(), pf1bit);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlack);
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), clWhite);
}

TEST(Bitmap, BmpRoundTripAtEveryPixelFormat) {
    const TColor colours[] = {clRed, clLime, clBlue, clWhite, clBlack};
    for (TPixelFormat f : {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfDevice}) {
        TBitmap b(5, 3);
        for (int x = 0; x < 5; ++x)
            b.Canvas()->SetPixels(x, 0, colours[x]);
        b.Canvas()->SetPixels(0, 2, clBlack);
        b.SetPixelFormat(f);
        TMemoryStream s;
        b.SaveToStream(&s);
        s.SetPosition(0);
        TBitmap r;
        r.LoadFromStream(&s);
        ASSERT_EQ(r.Width(), 5) << int(f);
        ASSERT_EQ(r.Height(), 3) << int(f);
        EXPECT_EQ(r.PixelFormat(), f == pfDevice ? pf24bit : f) << int(f);
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(r.Canvas()->Pixels(x, 0), b.Canvas()->Pixels(x, 0)) << int(f) << " " << x;
        EXPECT_EQ(r.Canvas()->Pixels(0, 2), clBlack) << int(f); // rows are not upside down
    }
}

TEST(Bitmap, DamagedBmpRaises) {
    TBitmap b(3, 3);
    TMemoryStream s;
    b.SaveToStream(&s);
    for (int keep : {0, 10, 30, 60}) {
        TMemoryStream cut;
        cut.WriteBuffer(s.Memory(), keep);
        cut.SetPosition(0);
        TBitmap r;
        EXPECT_ANY_THROW(r.LoadFromStream(&cut)) << keep;
    }
    // A header that claims an enormous image is refused before anything is allocated.
    TMemoryStream huge;
    huge.WriteBuffer(s.Memory(), int(s.Size()));
    auto* bytes = static_cast<Byte*>(huge.Memory());
    const std::int32_t big = 0x7FFFFFF0;
    std::memcpy(bytes + 18, &big, 4);
    std::memcpy(bytes + 22, &big, 4);
    huge.SetPosition(0);
    TBitmap r;
    EXPECT_THROW(r.LoadFromStream(&huge), EInvalidGraphic);
}

TEST(Bitmap, LoadsAnEmbeddedBitmapResourceByNameWithoutLetterCase) {
    // resources/TestGlyph.bmp: 3 x 2, top row red, green, blue; bottom row white, black
    // and RGB(0x12, 0x34, 0x56).
    for (const char* name : {"TestGlyph", "TESTGLYPH", "testglyph"}) {
        TBitmap b;
        b.LoadFromResourceName(nullptr, QString::fromLatin1(name));
        ASSERT_EQ(b.Width(), 3) << name;
        ASSERT_EQ(b.Height(), 2) << name;
        EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed) << name;
        EXPECT_EQ(b.Canvas()->Pixels(1, 0), clLime) << name;
        EXPECT_EQ(b.Canvas()->Pixels(2, 0), clBlue) << name;
        EXPECT_EQ(b.Canvas()->Pixels(0, 1), clWhite) << name;
        EXPECT_EQ(b.Canvas()->Pixels(1, 1), clBlack) << name;
        EXPECT_EQ(b.Canvas()->Pixels(2, 1), TColor(RGB(0x12, 0x34, 0x56))) << name;
    }
    TBitmap missing(2, 2);
    EXPECT_THROW(missing.LoadFromResourceName(nullptr, QStringLiteral("NoSuchGlyph")), EResNotFound);
    EXPECT_EQ(missing.Width(), 2) << "a missing resource leaves the bitmap as it was";
}

TEST(Bitmap, JpegAndPngRoundTrips) {
    TBitmap b(16, 16);
    b.Canvas()->Brush()->SetColor(clRed);
    b.Canvas()->FillRect(Rect(0, 0, 8, 16));
    b.Canvas()->Brush()->SetColor(clBlue);
    b.Canvas()->FillRect(Rect(8, 0, 16, 16));

    TJPEGImage jpg;
    jpg.Assign(&b);
    jpg.SetCompressionQuality(95);
    TMemoryStream js;
    jpg.SaveToStream(&js);
    const auto* head = static_cast<const Byte*>(js.Memory());
    EXPECT_EQ(head[0], 0xFF);
    EXPECT_EQ(head[1], 0xD8);
    js.SetPosition(0);
    TJPEGImage back;
    back.LoadFromStream(&js);
    ASSERT_EQ(back.Width(), 16);
    TBitmap out;
    out.Assign(&back);
    const COLORREF left = COLORREF(out.Canvas()->Pixels(2, 8)), right = COLORREF(out.Canvas()->Pixels(13, 8));
    EXPECT_GT(GetRValue(left), 200);
    EXPECT_LT(GetBValue(left), 60);
    EXPECT_GT(GetBValue(right), 200);
    EXPECT_LT(GetRValue(right), 60);

    TMemoryStream junk;
    junk.WriteBuffer("not a jpeg", 10);
    junk.SetPosition(0);
    EXPECT_THROW(back.LoadFromStream(&junk), EInvalidGraphic);

    TPngImage png;
    png.Assign(&b);
    TMemoryStream ps;
    png.SaveToStream(&ps);
    ps.SetPosition(0);
    TPngImage pback;
    pback.LoadFromStream(&ps);
    TBitmap pout;
    pout.Assign(&pback);
    EXPECT_EQ(pout.Canvas()->Pixels(2, 8), clRed);
    EXPECT_EQ(pout.Canvas()->Pixels(13, 8), clBlue);
}

TEST(Bitmap, TransparentDrawLeavesOutTheTransparentColour) {
    TBitmap glyph(3, 1);
    glyph.Canvas()->SetPixels(0, 0, clFuchsia);
    glyph.Canvas()->SetPixels(1, 0, clRed);
    glyph.Canvas()->SetPixels(2, 0, clFuchsia); // bottom-left is fuchsia: the automatic colour
    glyph.SetTransparent(true);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
    DrawingSurface d(3, 1);
    d.C()->Brush()->SetColor(clLime);
    d.C()->FillRect(Rect(0, 0, 3, 1));
    d.C()->Draw(0, 0, &glyph);
    EXPECT_EQ(d.At(0, 0), clLime);
    EXPECT_EQ(d.At(1, 0), clRed);
    glyph.SetTransparent(false);
    d.C()->Draw(0, 0, &glyph);
    EXPECT_EQ(d.At(0, 0), clFuchsia);
}

TEST(Picture, LoadsByExtensionAndRejectsUnknownOnes) {
    QTemporaryDir dir;
    TBitmap b(2, 2);
    b.Canvas()->SetPixels(0, 0, clRed);
    const String bmpPath = dir.filePath(QStringLiteral("a.BMP"));
    b.SaveToFile(bmpPath);
    TPicture p;
    int changes = 0;
    p.OnChange = TNotifyEvent([&](TObject*) { ++changes; });
    p.LoadFromFile(bmpPath);
    ASSERT_TRUE(Is<TBitmap>(p.Graphic()));
    EXPECT_EQ(p.Width(), 2);
    EXPECT_GT(changes, 0);
    try {
        p.LoadFromFile(dir.filePath(QStringLiteral("a.xyz")));
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message, QStringLiteral("Unknown picture file extension (.xyz)"));
    }
    EXPECT_EQ(p.Width(), 2); // the old picture stays
    EXPECT_EQ(GraphicExtension(TJPEGImage::StaticClass()), QStringLiteral("jpg"));
    EXPECT_TRUE(GraphicFilter(TGraphic::StaticClass()).contains(QStringLiteral("Bitmaps (*.bmp)|*.bmp")));
    EXPECT_TRUE(GraphicFilter(TGraphic::StaticClass()).startsWith(QStringLiteral("All (")));
}
