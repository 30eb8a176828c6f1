// Device-context drawing beyond the basic shapes: 3-D edges, check and radio boxes,
// paths, the anisotropic mapping mode and gradient fills.
#include "GraphicsTestSupport.h"

#include "platform/graphics/Gdi.h"
#include "platform/graphics/GdiObject.h"

namespace {
TColor Rgb(TColor c) {
    return ColorToRGB(c);
}
} // namespace

TEST(DcDrawing, DrawEdgeColoursEachRingAndAdjustsTheRectangle) {
    struct Case {
        UINT edge;
        TColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
    };
    const Case cases[] = {
        {EDGE_RAISED, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow},
        {EDGE_SUNKEN, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
    };
    for (const Case& c : cases) {
        DrawingSurface s(20, 20);
        s.C()->Brush()->SetColor(clRed);
        s.C()->FillRect(Rect(0, 0, 20, 20));
        TRect r = Rect(2, 3, 12, 13);
        ASSERT_TRUE(DrawEdge(s.DC(), &r, c.edge, BF_RECT | BF_ADJUST));
        EXPECT_EQ(r, Rect(4, 5, 10, 11)) << c.edge;
        for (TPoint outside : {Point(1, 3), Point(12, 3), Point(2, 2), Point(2, 13)})
            EXPECT_EQ(s.At(outside.X, outside.Y), clRed) << outside.X << "," << outside.Y;
        // Outer ring: top and left in the light colour, bottom and right (with the
        // top-right and bottom-left corners) in the dark one.
        EXPECT_EQ(s.At(2, 3), Rgb(c.outerTopLeft));
        EXPECT_EQ(s.At(6, 3), Rgb(c.outerTopLeft));
        EXPECT_EQ(s.At(2, 8), Rgb(c.outerTopLeft));
        EXPECT_EQ(s.At(11, 3), Rgb(c.outerBottomRight));
        EXPECT_EQ(s.At(2, 12), Rgb(c.outerBottomRight));
        EXPECT_EQ(s.At(11, 12), Rgb(c.outerBottomRight));
        // Inner ring, one pixel in.
        EXPECT_EQ(s.At(3, 4), Rgb(c.innerTopLeft));
        EXPECT_EQ(s.At(10, 8), Rgb(c.innerBottomRight));
        EXPECT_EQ(s.At(6, 11), Rgb(c.innerBottomRight));
        // The middle is left alone.
        EXPECT_EQ(s.At(6, 8), clRed);
    }
}

TEST(DcDrawing, DrawEdgeDrawsOnlyTheSidesAsked) {
    DrawingSurface s(20, 20);
    TRect r = Rect(2, 2, 12, 12);
    DrawEdge(s.DC(), &r, BDR_SUNKENINNER, BF_LEFT);
    EXPECT_EQ(s.InkBox(), Rect(2, 2, 3, 12));
    EXPECT_EQ(r, Rect(2, 2, 12, 12)) << "no BF_ADJUST, no change";
}

TEST(DcDrawing, FrameControlCheckBoxAndRadioButton) {
    const TRect area = Rect(0, 0, 17, 17); // the 13 x 13 box sits at 2, 2
    struct Case {
        UINT state;
        TColor inside;
        bool mark;
        TColor markColour;
    };
    const Case checks[] = {
        {DFCS_BUTTONCHECK, clWindow, false, clNone},
        {DFCS_BUTTONCHECK | DFCS_CHECKED, clWindow, true, clWindowText},
        {DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, clBtnFace, true, clGrayText},
    };
    for (const Case& c : checks) {
        DrawingSurface s(20, 20);
        s.C()->Brush()->SetColor(clRed);
        s.C()->FillRect(Rect(0, 0, 20, 20));
        TRect r = area;
        ASSERT_TRUE(DrawFrameControl(s.DC(), &r, DFC_BUTTON, c.state));
        EXPECT_EQ(s.At(1, 1), clRed) << "outside the box";
        EXPECT_EQ(s.At(2, 2), Rgb(clBtnShadow)) << c.state;
        EXPECT_EQ(s.At(14, 14), Rgb(clBtnHighlight));
        EXPECT_EQ(s.At(3, 3), Rgb(cl3DDkShadow));
        EXPECT_EQ(s.At(5, 12), Rgb(c.inside)) << "below the tick";
        // The tick's bend.
        EXPECT_EQ(s.At(2 + 5, 2 + 7), c.mark ? Rgb(c.markColour) : Rgb(c.inside)) << c.state;
    }
    for (bool checked : {false, true}) {
        DrawingSurface s(20, 20);
        TRect r = area;
        DrawFrameControl(s.DC(), &r, DFC_BUTTON, DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0));
        EXPECT_EQ(s.InkBox(), Rect(2, 2, 15, 15));
        EXPECT_EQ(s.At(2, 2), clWhite) << "a round outline leaves the corners";
        EXPECT_EQ(s.At(8, 8), checked ? Rgb(clWindowText) : Rgb(clWindow));
    }
    DrawingSurface s;
    TRect r = area;
    EXPECT_FALSE(DrawFrameControl(s.DC(), &r, 99, 0)) << "unknown kinds are refused";
}

TEST(DcDrawing, PathsRecordWhileOpenAndAreUsedUpByDrawing) {
    DrawingSurface s;
    s.C()->Brush()->SetColor(clRed);
    s.C()->Pen()->SetColor(clBlack);
    HDC h = s.C()->Handle();
    ASSERT_TRUE(BeginPath(h));
    Rectangle(h, 5, 5, 15, 15);
    EXPECT_EQ(s.InkCount(), 0) << "an open path paints nothing";
    EXPECT_FALSE(FillPath(h)) << "the path must be ended first";
    ASSERT_TRUE(EndPath(h));
    ASSERT_TRUE(FillPath(h));
    EXPECT_EQ(s.At(10, 10), clRed);
    EXPECT_EQ(s.At(20, 20), clWhite);
    EXPECT_FALSE(StrokePath(h)) << "filling used the path up";

    // Stroke and fill: outline in the pen, inside in the brush.
    DrawingSurface t;
    t.C()->Brush()->SetColor(clRed);
    HDC d = t.C()->Handle();
    BeginPath(d);
    MoveToEx(d, 5, 5, nullptr);
    LineTo(d, 25, 5);
    LineTo(d, 25, 25);
    LineTo(d, 5, 25);
    CloseFigure(d);
    EndPath(d);
    ASSERT_TRUE(StrokeAndFillPath(d));
    EXPECT_EQ(t.At(15, 5), clBlack);
    EXPECT_EQ(t.At(15, 15), clRed);
    EXPECT_EQ(t.At(30, 30), clWhite);
}

TEST(DcDrawing, ClipPathAndWidenedPath) {
    // A triangle as the clip: a fill of the whole surface lands inside it only.
    DrawingSurface s;
    HDC dc = s.C()->Handle();
    BeginPath(dc);
    const TPoint tri[] = {{0, 0}, {30, 0}, {0, 30}};
    Polygon(dc, tri, 3);
    EndPath(dc);
    ASSERT_TRUE(SelectClipPath(dc, RGN_AND));
    s.C()->Brush()->SetColor(clBlue);
    s.C()->FillRect(Rect(0, 0, 40, 40));
    EXPECT_EQ(s.At(5, 5), clBlue);
    EXPECT_EQ(s.At(25, 25), clWhite);
    EXPECT_EQ(s.At(35, 2), clWhite);

    // Widening a line by a 6-pixel pen gives a band that fills about 3 pixels each side.
    DrawingSurface w;
    w.C()->Pen()->SetWidth(6);
    w.C()->Brush()->SetColor(clRed);
    HDC d = w.C()->Handle();
    BeginPath(d);
    MoveToEx(d, 5, 20, nullptr);
    LineTo(d, 35, 20);
    EndPath(d);
    ASSERT_TRUE(WidenPath(d));
    ASSERT_TRUE(FillPath(d));
    EXPECT_EQ(w.At(20, 18), clRed);
    EXPECT_EQ(w.At(20, 21), clRed);
    EXPECT_EQ(w.At(20, 14), clWhite);
    EXPECT_EQ(w.At(20, 26), clWhite);
}

TEST(DcDrawing, AnisotropicMappingScalesByTheExtents) {
    DrawingSurface s;
    HDC dc = s.DC();
    EXPECT_EQ(SetMapMode(dc, MM_ANISOTROPIC), MM_TEXT);
    SetWindowExtEx(dc, 100, 100, nullptr);
    SetViewportExtEx(dc, 50, 25, nullptr);
    SetViewportOrgEx(dc, 4, 2, nullptr);
    s.C()->Brush()->SetColor(clRed);
    s.C()->FillRect(Rect(0, 0, 40, 40));
    EXPECT_EQ(s.InkBox(), Rect(4, 2, 24, 12));
    TPoint p[] = {{40, 40}, {-8, 0}};
    ASSERT_TRUE(LPtoDP(dc, p, 2));
    EXPECT_EQ(p[0], Point(24, 12));
    EXPECT_EQ(p[1], Point(0, 2));
    ASSERT_TRUE(DPtoLP(dc, p, 2));
    EXPECT_EQ(p[0], Point(40, 40));

    // Back in MM_TEXT the extents no longer count.
    SetMapMode(dc, MM_TEXT);
    TPoint q{10, 10};
    LPtoDP(dc, &q, 1);
    EXPECT_EQ(q, Point(14, 12));
    TSize ext;
    GetViewportExtEx(dc, &ext);
    EXPECT_EQ(ext, (TSize{50, 25})) << "the extents are kept for the next anisotropic use";
}

TEST(DcDrawing, GradientFillRunsEdgeToEdgeAndLeavesOutRightAndBottom) {
    for (DWORD mode : {GRADIENT_FILL_RECT_H, GRADIENT_FILL_RECT_V}) {
        DrawingSurface s;
        TRIVERTEX v[2];
        v[0].x = 2;
        v[0].y = 3;
        v[0].Red = 0xFF00;
        v[1].x = 12;
        v[1].y = 13;
        v[1].Blue = 0xFF00;
        GRADIENT_RECT gr{0, 1};
        ASSERT_TRUE(GradientFill(s.DC(), v, 2, &gr, 1, mode));
        EXPECT_EQ(s.InkBox(), Rect(2, 3, 12, 13)) << mode;
        const bool h = mode == GRADIENT_FILL_RECT_H;
        EXPECT_EQ(s.At(2, 3), TColor(RGB(255, 0, 0)));
        EXPECT_EQ(h ? s.At(11, 3) : s.At(2, 12), TColor(RGB(0, 0, 255)));
        // Constant across the other direction, changing along the gradient.
        EXPECT_EQ(h ? s.At(6, 3) : s.At(2, 7), h ? s.At(6, 12) : s.At(11, 7));
        const TColor mid = h ? s.At(6, 5) : s.At(5, 7);
        EXPECT_GT(GetRValue(COLORREF(mid)), 0);
        EXPECT_GT(GetBValue(COLORREF(mid)), 0);
    }
    DrawingSurface s;
    TRIVERTEX v[2];
    GRADIENT_RECT bad{0, 5};
    EXPECT_FALSE(GradientFill(s.DC(), v, 2, &bad, 1, GRADIENT_FILL_RECT_H)) << "vertex index out of range";
    EXPECT_FALSE(GradientFill(s.DC(), v, 2, &bad, 1, 7)) << "unknown mode";
}

TEST(DcDrawing, GradientFillWithABadRectangleDrawsNothingAndKeepsTheRasterMode) {
    DrawingSurface s;
    HDC dc = s.DC();
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(dc, pen);
    SetROP2(dc, R2_XORPEN);
    TRIVERTEX v[2];
    v[0].x = 2;
    v[0].y = 2;
    v[0].Green = 0xFF00;
    v[1].x = 30;
    v[1].y = 30;
    // The first rectangle is sound, the second names a vertex that does not exist.
    const GRADIENT_RECT mesh[2] = {{0, 1}, {0, 2}};
    EXPECT_FALSE(GradientFill(dc, v, 2, mesh, 2, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(s.InkCount(), 0) << "nothing is painted when any rectangle is bad";
    // Later pen drawing still XORs: the first line shows, the second erases it.
    MoveToEx(dc, 5, 20, nullptr);
    LineTo(dc, 35, 20);
    EXPECT_EQ(s.At(10, 20), TColor(RGB(0, 255, 255)));
    MoveToEx(dc, 5, 20, nullptr);
    LineTo(dc, 35, 20);
    EXPECT_EQ(s.InkCount(), 0);
    SelectObject(dc, old);
    DeleteObject(pen);
}

TEST(DcDrawing, MonochromePatternAndHatchedBrushesTakeTheDcColours) {
    // An 8 x 8 checker: rows alternate 10101010 and 01010101 (leftmost pixel first).
    const Byte checker[16] = {0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0};
    HBITMAP bits = CreateBitmap(8, 8, 1, 1, checker);
    HBRUSH pattern = CreatePatternBrush(bits);
    {
        DrawingSurface s(16, 16);
        SetTextColor(s.DC(), RGB(255, 0, 0));
        SetBkColor(s.DC(), RGB(0, 0, 255));
        const TRect r = Rect(0, 0, 16, 16);
        FillRect(s.DC(), &r, pattern);
        // 0-bits take the text colour, 1-bits the background colour; whole cells repeat.
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool one = ((x + y) % 2) == 0;
                ASSERT_EQ(s.At(x, y), one ? clBlue : clRed) << x << "," << y;
            }
    }
    DeleteObject(pattern);
    DeleteObject(bits);

    // Hatch gaps take the background colour when the mode is opaque, and stay as they
    // were when it is transparent.
    for (int mode : {OPAQUE, TRANSPARENT}) {
        DrawingSurface s(16, 16);
        HBRUSH hatch = CreateHatchBrush(HS_HORIZONTAL, RGB(0, 0, 0));
        SetBkMode(s.DC(), mode);
        SetBkColor(s.DC(), RGB(0, 255, 0));
        const TRect r = Rect(0, 0, 16, 16);
        FillRect(s.DC(), &r, hatch);
        int black = 0, ground = 0, other = 0;
        for (int y = 0; y < 16; ++y) {
            const TColor c = s.At(3, y);
            black += c == clBlack;
            ground += c == (mode == OPAQUE ? clLime : clWhite);
            other += c != clBlack && c != (mode == OPAQUE ? clLime : clWhite);
        }
        EXPECT_GT(black, 0) << mode;
        EXPECT_GT(ground, black) << mode;
        EXPECT_EQ(other, 0) << mode;
        DeleteObject(hatch);
    }
}

// An object deleted while selected is not destroyed under the DC: it keeps drawing until
// every state that selects it (the current one and those SaveDC keeps) lets it go, by
// SelectObject, RestoreDC or the DC's deletion. Stock objects survive DeleteObject.
TEST(DcDrawing, AnObjectDeletedWhileSelectedLivesUntilTheDcLetsItGo) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateCompatibleBitmap(nullptr, 20, 20);
    SelectObject(dc, target);
    SelectObject(dc, GetStockObject(NULL_PEN));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ original = SelectObject(dc, red);
    EXPECT_TRUE(DeleteObject(red)); // selected: only marked
    Rectangle(dc, 0, 0, 11, 11);
    const int level = SaveDC(dc);
    SelectObject(dc, GetStockObject(BLACK_BRUSH)); // the saved state still holds red
    Rectangle(dc, 10, 0, 21, 11);
    ASSERT_TRUE(RestoreDC(dc, level)); // red is current again
    Rectangle(dc, 0, 10, 11, 21);
    EXPECT_EQ(SelectObject(dc, original), red); // the last hold: red is destroyed now

    // Stock objects are never destroyed, selected or not.
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Rectangle(dc, 10, 10, 21, 21);

    // A DC deleted with a deleted object selected, current or saved, destroys it.
    HDC other = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
    LOGFONTW lf;
    lf.lfHeight = -12;
    HFONT font = CreateFontIndirectW(&lf);
    SelectObject(other, pen);
    SaveDC(other);
    SelectObject(other, font);
    SelectObject(other, GetStockObject(BLACK_PEN));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteDC(other));

    EXPECT_TRUE(DeleteDC(dc));
    const QImage& img = target->image;
    EXPECT_EQ(img.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(15, 5), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(5, 15), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(15, 15), qRgb(0, 0, 0));
    DeleteObject(target);
}
