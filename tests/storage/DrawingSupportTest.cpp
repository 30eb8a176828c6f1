#include "platform/controls/CustomControl.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/GraphicControl.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/ImageList.h"
#include "storage/support/XcGraphUtils.h"
#include "storage/support/XcWinUtils.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <thread>

namespace {

// A 40 x 40 parent whose background has four quadrants split at (20, 20) and whose own
// painting is a green bar over rows 30 and 31.
class TQuadParent : public TCustomControl {
public:
    explicit TQuadParent(TComponent* AOwner) : TCustomControl(AOwner) {
        SetBounds(0, 0, 40, 40);
        SetColor(clSilver);
    }
    bool ThrowOnErase = false;
    int Erases = 0;

    static TColor At(int X, int Y) {
        if (Y >= 30 && Y < 32) return clGreen;
        return Background(X, Y);
    }
    static TColor Background(int X, int Y) {
        if (Y < 20) return X < 20 ? clRed : clBlue;
        return X < 20 ? clLime : clYellow;
    }

protected:
    void EraseBackground(HDC DC) override {
        ++Erases;
        if (ThrowOnErase) throw std::runtime_error("erase");
        const TColor colours[4] = {clRed, clBlue, clLime, clYellow};
        for (int q = 0; q < 4; ++q) {
            HBRUSH b = CreateSolidBrush(COLORREF(colours[q]));
            const TRect r = Bounds(q % 2 * 20, q / 2 * 20, 20, 20);
            FillRect(DC, &r, b);
            DeleteObject(b);
        }
    }
    void Paint() override {
        Canvas()->Brush()->SetColor(clGreen);
        Canvas()->FillRect(Rect(0, 30, 40, 32));
    }
};

// A window-less control filled in one colour, counting its paints.
class TSolid : public TGraphicControl {
public:
    TSolid(TWinControl* AParent, TRect R, TColor C) : TGraphicControl(nullptr), Fill(C) {
        SetBoundsRect(R);
        SetParent(AParent);
    }
    TColor Fill;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        Canvas()->Brush()->SetColor(Fill);
        Canvas()->FillRect(Rect(0, 0, Width(), Height()));
    }
};

std::unique_ptr<TBitmap> MakeBitmap(int W, int H, TColor Fill) {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf24bit);
    b->SetSize(W, H);
    b->Canvas()->Brush()->SetColor(Fill);
    b->Canvas()->FillRect(Rect(0, 0, W, H));
    return b;
}

TColor PixelOf(TBitmap* B, int X, int Y) {
    return B->Canvas()->Pixels(X, Y);
}

// Checks every pixel of the Width x Height corner of B against Expected(x, y).
template <class F> void ExpectPixels(TBitmap* B, int Width, int Height, F Expected) {
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            ASSERT_EQ(PixelOf(B, x, y), Expected(x, y)) << x << "," << y;
}

// Theme services that report themes on (and, when asked, a composing system) and record
// what reaches them.
class TFakeThemes : public TThemeServices {
public:
    bool Composition = false;
    HRESULT TextAnswer = E_NOTIMPL;
    int ParentBackgrounds = 0;
    DWORD TextFlags = 0;
    COLORREF TextColour = 0;
    DWORD TextRecordSize = 0;
    bool ThemesEnabled() const override { return true; }
    bool CompositionAvailable() const override { return Composition; }
    void DrawParentBackground(HWND, HDC, const void*, bool, const TRect*) override { ++ParentBackgrounds; }
    HRESULT DrawThemeTextEx(HTHEME, HDC, int, int, const String&, int, DWORD, TRect*,
                            const DTTOPTS* Options) override {
        TextFlags = Options->dwFlags;
        TextColour = Options->crText;
        TextRecordSize = Options->dwSize;
        return TextAnswer;
    }
};

class ThemesInstalled {
public:
    explicit ThemesInstalled(TThemeServices* T) { SetThemeServices(T); }
    ~ThemesInstalled() { SetThemeServices(nullptr); }
};

// ---- erasing through the parent ------------------------------------------------------------

// The parent's background must land under the control at the control's place in the
// parent, whichever of the offsets are zero and whichever kind the control is.
TEST(DrawingSupportErase, ParentBackgroundLandsUnderTheControl) {
    struct Case {
        int Left, Top;
        bool Windowed;
    };
    const Case cases[] = {{0, 5, false},   {3, 5, false}, {13, 0, false},
                          {12, 14, false}, {0, 15, true}, {12, 14, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Left << "," << c.Top << (c.Windowed ? " windowed" : ""));
        TQuadParent parent(nullptr);
        std::unique_ptr<TControl> control;
        if (c.Windowed)
            control = std::make_unique<TWinControl>(nullptr);
        else
            control = std::make_unique<TGraphicControl>(nullptr);
        control->SetBounds(c.Left, c.Top, 16, 12);
        control->SetParent(&parent);
        auto bmp = MakeBitmap(16, 12, clWhite);
        HDC dc = bmp->Canvas()->Handle();
        EraseBackgroundByParent(control.get(), dc);
        TPoint org{-1, -1};
        GetWindowOrgEx(dc, &org);
        EXPECT_EQ(org, (TPoint{0, 0}));
        ExpectPixels(bmp.get(), 16, 12,
                     [&](int x, int y) { return TQuadParent::Background(c.Left + x, c.Top + y); });
        control->SetParent(nullptr);
    }
}

// In the parent's own paint pass a window-less control draws with the viewport at its
// position; erasing by the parent there must give the parent's own picture back.
TEST(DrawingSupportErase, InTheParentsPaintPass) {
    TQuadParent parent(nullptr);
    TGraphicControl control(nullptr);
    control.SetBounds(14, 17, 10, 8);
    control.SetParent(&parent);
    auto bmp = MakeBitmap(40, 40, clWhite);
    HDC dc = bmp->Canvas()->Handle();
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, control.Left(), control.Top(), nullptr);
    IntersectClipRect(dc, 0, 0, control.Width(), control.Height());
    EraseBackgroundByParent(&control, dc);
    RestoreDC(dc, saved);
    ExpectPixels(bmp.get(), 40, 40, [&](int x, int y) {
        return control.BoundsRect().Contains({x, y}) ? TQuadParent::Background(x, y) : clWhite;
    });
    control.SetParent(nullptr);
}

TEST(DrawingSupportErase, ClipAndOriginComeBackAsTheyWere) {
    TQuadParent parent(nullptr);
    TGraphicControl control(nullptr);
    control.SetBounds(10, 10, 16, 16);
    control.SetParent(&parent);

    // Clipped to R: pixels outside stay; a DC without clip region has none afterwards.
    auto bmp = MakeBitmap(16, 16, clWhite);
    HDC dc = bmp->Canvas()->Handle();
    EraseBackgroundByParentClipped(&control, dc, Rect(2, 3, 6, 7));
    ExpectPixels(bmp.get(), 16, 16, [](int x, int y) {
        const bool inside = x >= 2 && x < 6 && y >= 3 && y < 7;
        return inside ? TQuadParent::Background(10 + x, 10 + y) : clWhite;
    });
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, probe), 0);
    // A DC with a clip region gets it back.
    IntersectClipRect(dc, 1, 1, 9, 9);
    EraseBackgroundByParentClipped(&control, dc, Rect(0, 0, 4, 4));
    ASSERT_EQ(GetClipRgn(dc, probe), 1);
    TRect box;
    GetRgnBox(probe, &box);
    EXPECT_EQ(box, Rect(1, 1, 9, 9));
    SelectClipRgn(dc, nullptr);

    // An exception from the parent passes, with origin and clip restored.
    parent.ThrowOnErase = true;
    EXPECT_THROW(EraseBackgroundByParentAtClipped(&control, dc, TPoint{4, 4}, Rect(0, 0, 2, 2)),
                 std::runtime_error);
    TPoint org{-1, -1};
    GetWindowOrgEx(dc, &org);
    EXPECT_EQ(org, (TPoint{0, 0}));
    EXPECT_EQ(GetClipRgn(dc, probe), 0);
    DeleteObject(probe);

    // Offset (0, 0): the parent paints at its own origin; no parent: nothing happens.
    parent.ThrowOnErase = false;
    auto plain = MakeBitmap(4, 4, clWhite);
    EraseBackgroundByParentAt(&control, plain->Canvas()->Handle(), TPoint{0, 0});
    EXPECT_EQ(PixelOf(plain.get(), 0, 0), clRed);
    control.SetParent(nullptr);
    const int before = parent.Erases;
    EraseBackgroundByParent(&control, plain->Canvas()->Handle());
    EXPECT_EQ(parent.Erases, before);
}

// ---- control background ------------------------------------------------------------------

TEST(DrawingSupportBackground, FillOrParentShowsThrough) {
    TFakeThemes themes;
    struct Case {
        bool Themes;
        TColor Color;
        bool Own;
        bool ParentBackground;
        bool Fills;
    };
    const Case cases[] = {
        {false, clSilver, false, false, true}, // themes off: always filled
        {true, clSilver, false, false, false}, // same colour as the parent: parent shows
        {true, clSilver, true, false, true},   // own background without csParentBackground
        {true, clSilver, true, true, false},   // own background, but csParentBackground
        {true, clNavy, false, true, true},     // another colour
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.Themes << " " << c.Color << " " << c.Own << " " << c.ParentBackground);
        std::unique_ptr<ThemesInstalled> installed;
        if (c.Themes) installed = std::make_unique<ThemesInstalled>(&themes);
        TQuadParent parent(nullptr);
        TGraphicControl control(nullptr);
        control.SetBounds(15, 15, 10, 10);
        control.SetParent(&parent);
        if (c.ParentBackground) AddThemingStyles(&control, TControlStyle{csParentBackground});
        auto bmp = MakeBitmap(10, 10, clWhite);
        bmp->Canvas()->Brush()->SetColor(c.Color);
        PaintControlBackgroundInBrushColor(&control, bmp->Canvas(), Rect(0, 0, 10, 10), c.Own);
        EXPECT_EQ(bmp->Canvas()->Brush()->Color(), c.Color);
        EXPECT_EQ(PixelOf(bmp.get(), 1, 1), c.Fills ? ColorToRGB(c.Color) : clRed);
        EXPECT_EQ(PixelOf(bmp.get(), 8, 8), c.Fills ? ColorToRGB(c.Color) : clYellow);
        control.SetParent(nullptr);
    }
}

TEST(DrawingSupportBackground, ExplicitColourKeepsTheBrush) {
    TGraphicControl control(nullptr);
    auto bmp = MakeBitmap(4, 4, clWhite);
    bmp->Canvas()->Brush()->SetColor(clAqua);
    PaintControlBackground(&control, bmp->Canvas(), Rect(0, 0, 2, 4), clBtnFace, false);
    EXPECT_EQ(PixelOf(bmp.get(), 1, 1), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelOf(bmp.get(), 3, 1), clWhite);
    EXPECT_EQ(bmp->Canvas()->Brush()->Color(), clAqua);
}

TEST(DrawingSupportBackground, ThemingStyles) {
    TGraphicControl control(nullptr);
    control.SetControlStyle(TControlStyle{csOpaque});
    AddThemingStyles(&control, TControlStyle{csParentBackground, csFramed, csNeedsBorderPaint});
    EXPECT_EQ(control.ControlStyle(), (TControlStyle{csOpaque, csParentBackground, csNeedsBorderPaint}));
    EXPECT_EQ(ThemingStylesOf(&control), (TControlStyle{csParentBackground, csNeedsBorderPaint}));
    control.SetControlStyle(TControlStyle{csOpaque});
    AddThemingStyles(&control, TControlStyle{csFramed});
    EXPECT_EQ(control.ControlStyle(), TControlStyle{csOpaque});
    EXPECT_EQ(ThemingStylesOf(&control), TControlStyle());
}

// ---- what lies under a window-less control -------------------------------------------------

TEST(DrawingSupportUnderControl, ParentAndEarlierSiblings) {
    TQuadParent parent(nullptr);
    TSolid overlapping(&parent, Bounds(20, 20, 10, 8), clFuchsia);
    TSolid apart(&parent, Bounds(0, 0, 5, 5), clMaroon);
    TSolid hidden(&parent, Bounds(10, 25, 4, 4), clNavy);
    hidden.SetVisible(false);
    TGraphicControl control(nullptr);
    control.SetBounds(10, 25, 16, 10);
    control.SetParent(&parent);
    TSolid later(&parent, Bounds(10, 25, 16, 10), clAqua);

    auto bmp = MakeBitmap(16, 10, clWhite);
    PaintParentUnderControl(&control, bmp->Canvas());
    ExpectPixels(bmp.get(), 16, 10, [&](int x, int y) {
        const int px = 10 + x, py = 25 + y;
        return overlapping.BoundsRect().Contains({px, py}) ? clFuchsia : TQuadParent::At(px, py);
    });
    EXPECT_EQ(overlapping.Paints, 1);
    EXPECT_EQ(apart.Paints, 0);
    EXPECT_EQ(hidden.Paints, 0);
    EXPECT_EQ(later.Paints, 0);
    EXPECT_FALSE(parent.ControlState().Contains(csPaintCopy));
    EXPECT_FALSE(overlapping.ControlState().Contains(csPaintCopy));
    TPoint org{-1, -1};
    GetViewportOrgEx(bmp->Canvas()->Handle(), &org);
    EXPECT_EQ(org, (TPoint{0, 0}));

    // Without a parent nothing is drawn.
    control.SetParent(nullptr);
    auto untouched = MakeBitmap(4, 4, clWhite);
    PaintParentUnderControl(&control, untouched->Canvas());
    EXPECT_EQ(PixelOf(untouched.get(), 1, 1), clWhite);
    for (TSolid* s : {&overlapping, &apart, &hidden, &later})
        s->SetParent(nullptr);
}

// ---- bitmaps -------------------------------------------------------------------------------

TEST(DrawingSupportBitmaps, TransparentStretch) {
    // Bottom-left pixel magenta: with clDefault every magenta pixel is left out.
    auto src = MakeBitmap(4, 4, clFuchsia);
    src->Canvas()->SetPixels(1, 1, clBlue);
    src->Canvas()->SetPixels(3, 0, clRed);
    auto dst = MakeBitmap(8, 8, clGreen);
    DrawBitmapWithTransparency(dst->Canvas(), 2, 2, src.get(), clDefault);
    ExpectPixels(dst.get(), 8, 8, [](int x, int y) {
        TColor expected = clGreen;
        if (x == 3 && y == 3) expected = clBlue;
        if (x == 5 && y == 2) expected = clRed;
        return expected;
    });

    // Stretched to twice the size from a part of the bitmap, red left out.
    auto big = MakeBitmap(8, 8, clGreen);
    StretchBitmapWithTransparency(big->Canvas(), src.get(), clRed, 0, 0, 4, 4, 1, 0, 2, 2);
    EXPECT_EQ(PixelOf(big.get(), 0, 0), clFuchsia);
    EXPECT_EQ(PixelOf(big.get(), 1, 3), clBlue);
    EXPECT_EQ(PixelOf(big.get(), 3, 3), clFuchsia);
    EXPECT_EQ(PixelOf(big.get(), 5, 5), clGreen);

    // clNone copies every pixel; sizes below 1 mean the whole bitmap.
    auto all = MakeBitmap(6, 6, clGreen);
    StretchBitmapWithTransparency(all->Canvas(), src.get(), clNone, 1, 1, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(PixelOf(all.get(), 1, 1), clFuchsia);
    EXPECT_EQ(PixelOf(all.get(), 2, 2), clBlue);
    EXPECT_EQ(PixelOf(all.get(), 5, 5), clGreen);
}

// The embossed look: Shadow on the drawn pixels, Highlight one pixel right and down, the
// background elsewhere (Shadow wins where both fall).
void ExpectEmbossed(TBitmap* B, int OffX, int OffY, const std::vector<TPoint>& Drawn, TColor Back,
                    TColor Shadow, TColor Highlight) {
    auto drawn = [&](int x, int y) {
        for (const TPoint& p : Drawn)
            if (p.X == x && p.Y == y) return true;
        return false;
    };
    ExpectPixels(B, B->Width(), B->Height(), [&](int x, int y) {
        TColor expected = Back;
        if (drawn(x - OffX - 1, y - OffY - 1)) expected = Highlight;
        if (drawn(x - OffX, y - OffY)) expected = Shadow;
        return ColorToRGB(expected);
    });
}

TEST(DrawingSupportBitmaps, DisabledBitmaps) {
    auto glyph = MakeBitmap(5, 5, clFuchsia);
    glyph->Canvas()->SetPixels(1, 1, clBlack);
    glyph->Canvas()->SetPixels(3, 1, clBlue);
    std::unique_ptr<TBitmap> d(MakeDisabledBitmap(glyph.get(), clFuchsia));
    EXPECT_EQ(d->Width(), 5);
    EXPECT_EQ(d->Height(), 5);
    ExpectEmbossed(d.get(), 0, 0, {{1, 1}, {3, 1}}, clBtnFace, clBtnShadow, clBtnHighlight);

    // Black as the transparent colour (the switch's glyphs), other colours, no highlight.
    auto dark = MakeBitmap(4, 4, clBlack);
    dark->Canvas()->SetPixels(2, 2, clWhite);
    std::unique_ptr<TBitmap> c(
        MakeDisabledBitmapColored(dark.get(), clBlack, clSilver, false, clMaroon, clWhite));
    ExpectEmbossed(c.get(), 0, 0, {{2, 2}}, clSilver, clMaroon, clSilver);

    // New style: Color is background and transparent colour; white pixels count as
    // background too, as the mask is made on white.
    auto red = MakeBitmap(5, 5, clRed);
    red->Canvas()->SetPixels(1, 1, clBlue);
    red->Canvas()->SetPixels(3, 0, clWhite);
    std::unique_ptr<TBitmap> n(MakeDisabledBitmapNewStyle(red.get(), clRed));
    ExpectEmbossed(n.get(), 0, 0, {{1, 1}}, clRed, clBtnShadow, clBtnHighlight);
}

TEST(DrawingSupportBitmaps, DisabledImageListItem) {
    TImageList list(4, 4);
    auto image = MakeBitmap(4, 4, clFuchsia);
    image->Canvas()->SetPixels(1, 1, clBlack);
    image->Canvas()->SetPixels(2, 1, clRed);
    list.AddMasked(image.get(), clFuchsia);
    auto canvas = MakeBitmap(8, 8, clWhite);
    canvas->Canvas()->Brush()->SetColor(clTeal);
    DrawImageListItemDisabled(&list, canvas->Canvas(), 2, 2, 0, clYellow, clNavy, true);
    ExpectEmbossed(canvas.get(), 2, 2, {{1, 1}, {2, 1}}, clWhite, clNavy, clYellow);
    EXPECT_EQ(canvas->Canvas()->Brush()->Color(), clTeal);
}

TEST(DrawingSupportBitmaps, CheckerAndPaletteColour) {
    std::unique_ptr<TBitmap> b(MakeCheckerBitmap(clRed, clBlue));
    EXPECT_EQ(b->Width(), 8);
    EXPECT_EQ(b->Height(), 8);
    const struct {
        int X, Y;
        TColor C;
    } cases[] = {{0, 0, clBlue}, {1, 1, clBlue}, {0, 2, clBlue},
                 {1, 0, clRed},  {7, 6, clRed},  {7, 7, clBlue}};
    for (const auto& c : cases)
        EXPECT_EQ(PixelOf(b.get(), c.X, c.Y), c.C) << c.X << "," << c.Y;
    EXPECT_EQ(PaletteRelativeColor(clBtnFace), 0x02000000u | COLORREF(ColorToRGB(clBtnFace)));
    EXPECT_EQ(PaletteRelativeColor(clRed), 0x020000FFu);
}

// ---- glass ---------------------------------------------------------------------------------

TEST(DrawingSupportGlass, PaintingOnGlass) {
    TForm form(nullptr, 0);
    TWinControl panel(nullptr);
    panel.SetParent(&form);
    TGraphicControl control(nullptr);
    control.SetParent(&panel);
    EXPECT_FALSE(IsPaintingOnGlass(&control));
    control.SetControlState(TControlState{csGlassPaint});
    EXPECT_TRUE(HasGlassPaintState(&control));
    EXPECT_TRUE(IsPaintingOnGlass(&control));
    panel.SetDoubleBuffered(true);
    EXPECT_FALSE(IsPaintingOnGlass(&control));
    form.SetDoubleBuffered(true);
    panel.SetDoubleBuffered(false);
    EXPECT_TRUE(IsPaintingOnGlass(&control));
    control.SetParent(nullptr);
    panel.SetParent(nullptr);
}

TEST(DrawingSupportGlass, TextFallsBackToPlainDrawing) {
    auto plain = MakeBitmap(60, 20, clWhite);
    auto themed = MakeBitmap(60, 20, clWhite);
    TRect r = Rect(0, 0, 60, 20);
    SetTextColor(plain->Canvas()->Handle(), RGB(1, 2, 3));
    DrawTextW(plain->Canvas()->Handle(), "Wg", -1, &r, 0);

    TFakeThemes themes;
    themes.Composition = true;
    ThemesInstalled installed(&themes);
    HDC dc = themed->Canvas()->Handle();
    SetTextColor(dc, RGB(1, 2, 3));
    r = Rect(0, 0, 60, 20);
    // The theme cannot draw text (E_NOTIMPL): the text is drawn plainly.
    DrawTextGlassAware(dc, "Wg", r, true, 0);
    EXPECT_EQ(themes.TextFlags, DTT_TEXTCOLOR | DTT_COMPOSITED);
    EXPECT_EQ(themes.TextColour, RGB(1, 2, 3));
    EXPECT_EQ(themes.TextRecordSize, 64u);
    ExpectPixels(themed.get(), 60, 20, [&](int x, int y) { return PixelOf(plain.get(), x, y); });

    // A theme that drew the text leaves the DC alone.
    themes.TextAnswer = S_OK;
    auto blank = MakeBitmap(60, 20, clWhite);
    r = Rect(0, 0, 60, 20);
    DrawTextGlassAware(blank->Canvas()->Handle(), "Wg", r, false, DT_CALCRECT);
    EXPECT_EQ(themes.TextFlags, DTT_TEXTCOLOR | DTT_CALCRECT);
    EXPECT_EQ(r, Rect(0, 0, 60, 20));
}

TEST(DrawingSupportGlass, ImageListOnGlassKeepsTransparentPixels) {
    TImageList list(4, 4);
    auto image = MakeBitmap(4, 4, clFuchsia);
    image->Canvas()->SetPixels(1, 1, clBlue);
    list.AddMasked(image.get(), clFuchsia);
    for (bool composing : {false, true}) {
        SCOPED_TRACE(composing);
        TFakeThemes themes;
        themes.Composition = composing;
        ThemesInstalled installed(&themes);
        auto dst = MakeBitmap(6, 6, clGreen);
        DrawImageListGlassAware(&list, 0, dst->Canvas()->Handle(), 1, 1, ILD_NORMAL, true);
        EXPECT_EQ(PixelOf(dst.get(), 2, 2), clBlue);
        EXPECT_EQ(PixelOf(dst.get(), 1, 1), clGreen);
        EXPECT_EQ(PixelOf(dst.get(), 4, 4), clGreen);
    }
}

// ---- windows and fonts ---------------------------------------------------------------------

TEST(DrawingSupportWindows, SyncTrackFont) {
    struct Case {
        TXcTrackFontOptions Options;
        bool Charset, Color, Height, Name, Pitch, Style; // copied from the font
    };
    const Case cases[] = {
        {{}, false, false, false, false, false, false},
        {{hoFollowFont}, true, true, true, true, true, true},
        {{hoFollowFont, hoPreserveColor}, true, false, true, true, true, true},
        {{hoFollowFont, hoPreserveCharSet, hoPreserveHeight, hoPreserveName, hoPreservePitch,
          hoPreserveStyle},
         false,
         true,
         false,
         false,
         false,
         false},
        {{hoPreserveColor}, false, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        TFont hot, font;
        hot.SetCharset(2);
        hot.SetColor(clRed);
        hot.SetHeight(-20);
        hot.SetName("Courier New");
        hot.SetPitch(fpFixed);
        hot.SetStyle(TFontStyles{fsUnderline});
        font.SetCharset(0);
        font.SetColor(clBlue);
        font.SetHeight(-11);
        font.SetName("Arial");
        font.SetPitch(fpVariable);
        font.SetStyle(TFontStyles{fsBold});
        SyncTrackFont(&hot, &font, c.Options);
        EXPECT_EQ(hot.Charset(), c.Charset ? 0 : 2);
        EXPECT_EQ(hot.Color(), c.Color ? clBlue : clRed);
        EXPECT_EQ(hot.Height(), c.Height ? -11 : -20);
        EXPECT_EQ(hot.Name(), c.Name ? "Arial" : "Courier New");
        EXPECT_EQ(hot.Pitch(), c.Pitch ? fpVariable : fpFixed);
        EXPECT_EQ(hot.Style(), c.Style ? TFontStyles{fsBold} : TFontStyles{fsUnderline});
    }
}

TEST(DrawingSupportWindows, ActiveWindowInThisThread) {
    Screen->SetActiveForm(nullptr);
    EXPECT_FALSE(ActiveWindowInThisThread());
    TForm form(nullptr, 0);
    form.HandleNeeded();
    Screen->SetActiveForm(&form);
    EXPECT_TRUE(ActiveWindowInThisThread());
    bool other = true;
    std::thread t([&] { other = ActiveWindowInThisThread(); });
    t.join();
    EXPECT_FALSE(other);
    Screen->SetActiveForm(nullptr);
}

TEST(DrawingSupportWindows, ChangeComponentReferenceNeedsAnOwner) {
    TComponent a(nullptr), b(nullptr), owner(nullptr);
    TComponent* field = &a;
    EXPECT_FALSE(ChangeComponentReference(nullptr, &b, field));
    EXPECT_EQ(field, &a);
    EXPECT_FALSE(ChangeComponentReference(&owner, &a, field));
    EXPECT_TRUE(ChangeComponentReference(&owner, &b, field));
    EXPECT_EQ(field, &b);
}

} // namespace
