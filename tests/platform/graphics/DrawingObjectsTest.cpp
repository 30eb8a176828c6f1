// Fonts, pens and brushes: change notification, size and height, handles.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GdiObject.h"

#include <gtest/gtest.h>

TEST(DrawingObjects, ChangesAreAnnouncedOncePerRealChange) {
    TPen pen;
    TBrush brush;
    TFont font;
    int n = 0;
    TNotifyEvent count([&](TObject*) { ++n; });
    pen.OnChange = brush.OnChange = font.OnChange = count;
    pen.SetColor(clRed);
    pen.SetColor(clRed);
    pen.SetWidth(3);
    brush.SetStyle(bsCross);
    font.SetStyle({fsBold});
    font.SetName(QStringLiteral("Arial"));
    EXPECT_EQ(n, 5);
}

TEST(DrawingObjects, FontSizeAndHeightAt96Dpi) {
    TFont f;
    f.SetSize(8);
    EXPECT_EQ(f.Height(), -11);
    EXPECT_EQ(f.Size(), 8);
    f.SetHeight(-16);
    EXPECT_EQ(f.Size(), 12);
    EXPECT_EQ(f.Handle()->qfont.pixelSize(), 16);
    f.SetHeight(20); // a positive height is the cell height
    const QFontMetricsF m(f.Handle()->qfont);
    EXPECT_NEAR(m.ascent() + m.descent(), 20, 1);
}

TEST(DrawingObjects, FontHandleRoundTripsItsLogFont) {
    TFont f;
    f.SetName(QStringLiteral("Segoe UI"));
    f.SetHeight(-16);
    f.SetStyle({fsBold, fsItalic});
    LOGFONTW lf;
    ASSERT_EQ(GetObject(f.Handle(), sizeof lf, &lf), int(sizeof lf));
    lf.lfEscapement = 450;
    TFont g;
    g.SetHandle(CreateFontIndirectW(&lf));
    EXPECT_EQ(g.Name(), QStringLiteral("Segoe UI"));
    EXPECT_EQ(g.Height(), -16);
    EXPECT_EQ(g.Orientation(), 450);
    EXPECT_TRUE(g.Style().Contains(fsBold));
    EXPECT_TRUE(g.Style().Contains(fsItalic));
}

TEST(DrawingObjects, ReplacedPenHandleIsSelectedByTheCanvas) {
    TBitmap b(20, 5);
    LOGBRUSH lb;
    lb.lbColor = RGB(255, 0, 0);
    b.Canvas()->Pen()->SetHandle(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, 3, &lb, 0, nullptr));
    EXPECT_EQ(b.Canvas()->Pen()->Width(), 3);
    EXPECT_EQ(b.Canvas()->Pen()->Color(), clRed);
    b.Canvas()->MoveTo(2, 2);
    b.Canvas()->LineTo(10, 2);
    EXPECT_EQ(b.Canvas()->Pixels(5, 1), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(5, 3), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(1, 2), clWhite); // flat caps end at the points
}

TEST(DrawingObjects, ClearBrushBecomesSolidWhenColoured) {
    TBrush b;
    b.SetStyle(bsClear);
    b.SetColor(clRed);
    EXPECT_EQ(b.Style(), bsSolid);
}
