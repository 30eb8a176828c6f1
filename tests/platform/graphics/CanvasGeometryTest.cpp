// Pixel rules of the canvas: fills leave out the right and bottom edges, lines leave out
// their end pixel, arcs run counter-clockwise, clipping and origins are honoured.
#include "GraphicsTestSupport.h"

#include "platform/graphics/Gdi.h"

TEST(CanvasGeometry, RectangleOutlineAndFillAtOddAndEvenSizes) {
    for (int size : {5, 6, 9, 10}) {
        DrawingSurface s;
        s.C()->Pen()->SetColor(clBlack);
        s.C()->Brush()->SetColor(clRed);
        s.C()->Rectangle(3, 4, 3 + size, 4 + size);
        EXPECT_EQ(s.InkBox(), Rect(3, 4, 3 + size, 4 + size)) << size;
        EXPECT_EQ(s.At(3, 4), clBlack);
        EXPECT_EQ(s.At(3 + size - 1, 4 + size - 1), clBlack);
        EXPECT_EQ(s.At(4, 5), clRed);
        EXPECT_EQ(s.At(3 + size - 2, 4 + size - 2), clRed);
    }
}

TEST(CanvasGeometry, RectangleWithoutPenAndFillRect) {
    DrawingSurface s;
    s.C()->Pen()->SetStyle(psClear);
    s.C()->Brush()->SetColor(clBlue);
    s.C()->Rectangle(2, 2, 8, 7);
    // Without an outline the fill stops one pixel short of the right and bottom.
    EXPECT_EQ(s.InkBox(), Rect(2, 2, 7, 6));

    DrawingSurface f;
    f.C()->Brush()->SetColor(clBlue);
    f.C()->FillRect(Rect(2, 2, 8, 7));
    EXPECT_EQ(f.InkBox(), Rect(2, 2, 8, 7));
    f.C()->FillRect(Rect(20, 20, 20, 30)); // empty: nothing
    EXPECT_EQ(f.InkBox(), Rect(2, 2, 8, 7));
}

TEST(CanvasGeometry, EllipseStaysInsideItsBoxAndIsSymmetric) {
    for (int size : {7, 8, 15, 16}) {
        DrawingSurface s;
        s.C()->Brush()->SetColor(clRed);
        s.C()->Ellipse(5, 5, 5 + size, 5 + size);
        EXPECT_EQ(s.InkBox(), Rect(5, 5, 5 + size, 5 + size)) << size;
        for (int y = 5; y < 5 + size; ++y)
            for (int x = 5; x < 5 + size; ++x)
                EXPECT_EQ(s.Ink(x, y), s.Ink(2 * 5 + size - 1 - x, y)) << size << " " << x << "," << y;
    }
}

TEST(CanvasGeometry, LineToAndPolylineLeaveOutTheEndPixel) {
    DrawingSurface s;
    s.C()->MoveTo(2, 3);
    s.C()->LineTo(10, 3);
    EXPECT_EQ(s.InkBox(), Rect(2, 3, 10, 4));
    EXPECT_EQ(s.C()->PenPos(), Point(10, 3));

    DrawingSurface p;
    const TPoint pts[] = {{2, 2}, {12, 2}, {12, 12}};
    p.C()->Polyline(pts, 3);
    EXPECT_TRUE(p.Ink(12, 2)); // a corner is painted once, by the next segment
    EXPECT_TRUE(p.Ink(12, 11));
    EXPECT_FALSE(p.Ink(12, 12)); // the last point is not
}

TEST(CanvasGeometry, PenWidthAndStyles) {
    DrawingSurface s;
    s.C()->Pen()->SetWidth(3);
    s.C()->MoveTo(5, 10);
    s.C()->LineTo(30, 10);
    const TRect box = s.InkBox();
    EXPECT_EQ(box.Top, 9);
    EXPECT_EQ(box.Bottom, 12);

    // A dotted pen leaves gaps; with a solid brush the gaps are opaque in the brush colour.
    DrawingSurface d;
    d.C()->Pen()->SetStyle(psDot);
    d.C()->Brush()->SetStyle(bsClear);
    d.C()->MoveTo(0, 5);
    d.C()->LineTo(20, 5);
    int inked = 0;
    for (int x = 0; x < 20; ++x)
        inked += d.Ink(x, 5);
    EXPECT_GT(inked, 5);
    EXPECT_LT(inked, 15);

    DrawingSurface o;
    o.C()->Pen()->SetStyle(psDash);
    o.C()->Brush()->SetColor(clRed);
    o.C()->MoveTo(0, 5);
    o.C()->LineTo(20, 5);
    for (int x = 0; x < 20; ++x)
        EXPECT_TRUE(o.At(x, 5) == clBlack || o.At(x, 5) == clRed) << x;
}

TEST(CanvasGeometry, SmallDotsPenPlacesOneDotEverySpacePlusOnePixels) {
    DrawingSurface s;
    LOGBRUSH lb;
    lb.lbColor = 0;
    const DWORD dashes[] = {0, 4}; // space 3
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_ROUND, 1, &lb, 2, dashes);
    s.C()->Pen()->SetHandle(pen);
    s.C()->Brush()->SetStyle(bsClear);
    s.C()->MoveTo(0, 5);
    s.C()->LineTo(21, 5);
    for (int x = 0; x < 21; ++x)
        EXPECT_EQ(s.Ink(x, 5), x % 4 == 0) << x;
}

TEST(CanvasGeometry, ArcsRunCounterClockwiseUnlessToldOtherwise) {
    // From the right-hand point to the top point of a circle around (20, 20).
    DrawingSurface ccw;
    ccw.C()->Arc(10, 10, 31, 31, 30, 20, 20, 10);
    const TRect a = ccw.InkBox();
    EXPECT_GE(a.Left, 19);
    EXPECT_LE(a.Bottom, 22);

    DrawingSurface cw;
    SetArcDirection(cw.DC(), AD_CLOCKWISE);
    cw.C()->Arc(10, 10, 31, 31, 30, 20, 20, 10);
    const TRect b = cw.InkBox();
    EXPECT_LE(b.Left, 11);
    EXPECT_GE(b.Bottom, 29);

    DrawingSurface full;
    full.C()->Pie(10, 10, 31, 31, 30, 20, 30, 20); // identical points: the whole ellipse
    EXPECT_EQ(full.InkBox(), Rect(10, 10, 31, 31));
}

TEST(CanvasGeometry, PolygonFillModes) {
    const TPoint star[] = {{20, 2}, {31, 36}, {2, 14}, {38, 14}, {9, 36}};
    DrawingSurface alt;
    alt.C()->Brush()->SetColor(clRed);
    alt.C()->Polygon(star, 5);
    EXPECT_EQ(alt.At(20, 20), clWhite); // the centre is crossed twice: outside when alternating

    DrawingSurface wind;
    wind.C()->Brush()->SetColor(clRed);
    SetPolyFillMode(wind.DC(), WINDING);
    wind.C()->Polygon(star, 5);
    EXPECT_EQ(wind.At(20, 20), clRed);
}

TEST(CanvasGeometry, ClippingIntersectExcludeSaveAndRestore) {
    DrawingSurface s;
    HDC dc = s.DC();
    s.C()->Brush()->SetColor(clRed);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, 5, 5, 20, 20);
    ExcludeClipRect(dc, 10, 10, 15, 15);
    s.C()->FillRect(Rect(0, 0, 40, 40));
    EXPECT_EQ(s.At(4, 4), clWhite);
    EXPECT_EQ(s.At(5, 5), clRed);
    EXPECT_EQ(s.At(19, 19), clRed);
    EXPECT_EQ(s.At(20, 20), clWhite);
    EXPECT_EQ(s.At(12, 12), clWhite);
    HRGN r = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, r), 1);
    EXPECT_TRUE(PtInRegion(r, 6, 6));
    EXPECT_FALSE(PtInRegion(r, 12, 12));
    EXPECT_FALSE(PtVisible(dc, 12, 12));
    EXPECT_EQ(s.C()->Pixels(12, 12), TColor(CLR_INVALID)); // outside the clip region

    ASSERT_TRUE(RestoreDC(dc, saved));
    EXPECT_EQ(GetClipRgn(dc, r), 0);
    s.C()->FillRect(Rect(30, 30, 35, 35));
    EXPECT_EQ(s.At(32, 32), clRed);
    EXPECT_FALSE(RestoreDC(dc, -1)); // nothing left to restore
    DeleteObject(r);
}

TEST(CanvasGeometry, ClipRegionCombinations) {
    DrawingSurface s;
    HDC dc = s.DC();
    HRGN a = CreateRectRgn(0, 0, 20, 20);
    HRGN b = CreateRectRgn(10, 10, 30, 30);
    HRGN x = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(x, a, b, RGN_XOR), COMPLEXREGION);
    SelectClipRgn(dc, x);
    s.C()->Brush()->SetColor(clRed);
    s.C()->FillRect(Rect(0, 0, 40, 40));
    EXPECT_EQ(s.At(5, 5), clRed);
    EXPECT_EQ(s.At(15, 15), clWhite);
    EXPECT_EQ(s.At(25, 25), clRed);
    SelectClipRgn(dc, nullptr);
    s.C()->FillRect(Rect(15, 15, 16, 16));
    EXPECT_EQ(s.At(15, 15), clRed);
    for (HRGN h : {a, b, x})
        DeleteObject(h);
}

TEST(CanvasGeometry, WindowAndViewportOrigins) {
    DrawingSurface s;
    HDC dc = s.DC();
    SetWindowOrgEx(dc, 10, 0, nullptr);
    SetViewportOrgEx(dc, 0, 5, nullptr);
    s.C()->Brush()->SetColor(clRed);
    s.C()->FillRect(Rect(12, 0, 14, 2));
    EXPECT_EQ(s.InkBox(), Rect(2, 5, 4, 7));
    TPoint p{12, 0};
    LPtoDP(dc, &p, 1);
    EXPECT_EQ(p, Point(2, 5));
    EXPECT_EQ(s.C()->Pixels(12, 0), clRed);
}

TEST(CanvasGeometry, XorAndNotXorDrawnTwiceRestoreThePixels) {
    for (TPixelFormat f : {pfDevice, pf24bit}) {
        for (TPenMode mode : {pmXor, pmNotXor}) {
            DrawingSurface s(40, 40, f);
            s.C()->Brush()->SetColor(clYellow);
            s.C()->FillRect(Rect(0, 0, 20, 40));
            const QImage before = s.bmp->Image().copy();
            s.C()->Pen()->SetMode(mode);
            s.C()->Pen()->SetColor(clBlue);
            s.C()->Pen()->SetWidth(3);
            s.C()->Brush()->SetStyle(bsClear);
            for (int pass = 0; pass < 2; ++pass) {
                s.C()->MoveTo(2, 20);
                s.C()->LineTo(38, 20);
                s.C()->Rectangle(5, 5, 30, 30);
                if (pass == 0) {
                    EXPECT_NE(s.bmp->Image(), before);
                    if (mode == pmXor) {
                        EXPECT_EQ(s.At(25, 20), TColor(0xFFFFFF ^ clBlue));
                    }
                }
            }
            EXPECT_EQ(s.bmp->Image(), before) << int(f) << " " << int(mode);
        }
    }
}

TEST(CanvasGeometry, FocusRectangleTwiceErasesItself) {
    DrawingSurface s;
    s.C()->DrawFocusRect(Rect(3, 3, 20, 15));
    EXPECT_GT(s.InkCount(), 10);
    s.C()->DrawFocusRect(Rect(3, 3, 20, 15));
    EXPECT_EQ(s.InkCount(), 0);
}

TEST(CanvasGeometry, Frame3DShrinksTheRectangle) {
    DrawingSurface s;
    TRect r = Rect(2, 2, 12, 12);
    Frame3D(s.C(), r, clWhite, clBlack, 0);
    EXPECT_EQ(r, Rect(2, 2, 12, 12));
    EXPECT_EQ(s.InkCount(), 0);
    Frame3D(s.C(), r, clRed, clBlue, 2);
    EXPECT_EQ(r, Rect(4, 4, 10, 10));
    EXPECT_EQ(s.At(2, 2), clRed);
    EXPECT_EQ(s.At(11, 11), clBlue);
    EXPECT_EQ(s.At(3, 3), clRed);
    EXPECT_FALSE(s.Ink(12, 12));
}

TEST(CanvasGeometry, PixelsOutsideTheBitmapAreInvalid) {
    DrawingSurface s;
    s.C()->SetPixels(3, 4, clRed);
    EXPECT_EQ(s.At(3, 4), clRed);
    EXPECT_EQ(s.C()->Pixels(-1, 0), TColor(CLR_INVALID));
    EXPECT_EQ(s.C()->Pixels(40, 0), TColor(CLR_INVALID));
}
