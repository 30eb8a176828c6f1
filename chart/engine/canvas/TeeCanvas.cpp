#include "chart/engine/canvas/TeeCanvas.h"

#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeBlend.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TTeeCanvas, TObject)

TTeeCanvas::TTeeCanvas() = default;

TTeeCanvas::~TTeeCanvas() = default;

// ---- device set-up ----------------------------------------------------------------------

void TTeeCanvas::SetCanvas(TCanvas* Value) {
    FCanvas = Value;
    if (Value) {
        FPen = Value->Pen();
        FFont = Value->Font();
        FBrush = Value->Brush();
    } else {
        FPen = nullptr;
        FFont = nullptr;
        FBrush = nullptr;
    }
    ICustomPen = false;
}

void TTeeCanvas::ResetState() {
    FPen->SetColor(clBlack);
    FPen->SetWidth(1);
    FPen->SetStyle(psSolid);
    FBrush->SetColor(clWhite);
    FBrush->SetStyle(bsSolid);
    FFont->SetColor(clBlack);
    FFont->SetStyle({});
    FFont->SetCharset(DEFAULT_CHARSET);
    FFont->SetName(GetDefaultFontName);
    FFont->SetSize(GetDefaultFontSize);
    ITransp = 0;
    IFont = nullptr;
    SetBackColor(clWhite);
    SetBackMode(cbmTransparent);
    SetTextAlign(0);
}

// ---- brushes ------------------------------------------------------------------------------

void TTeeCanvas::AssignBrush(TChartBrush* ABrush, TColor AColor, TColor ABackColor) {
    if (GetMonochrome()) AColor = clWhite;
    TBitmap* pattern = nullptr;
    if (ABrush->HasImage()) {
        TGraphic* g = ABrush->Image()->Graphic();
        pattern = dynamic_cast<TBitmap*>(g);
        if (!pattern && g && !g->Empty()) {
            // Pictures of other formats pattern the brush through a bitmap copy.
            if (!IPatternBitmap) IPatternBitmap = std::make_unique<TBitmap>();
            IPatternBitmap->Assign(g);
            pattern = IPatternBitmap.get();
        }
    }
    if (!pattern) pattern = ABrush->Bitmap();
    if (pattern) {
        FBrush->SetStyle(bsClear);
        FBrush->SetBitmap(pattern);
        HDC dc = GetHandle();
        ::SetTextColor(dc, COLORREF(ColorToRGB(AColor)));
        SetBackMode(cbmOpaque);
        SetBackColor(ABackColor);
        return;
    }
    if (FBrush->Bitmap()) FBrush->SetBitmap(nullptr);
    if (FBrush->Color() != AColor) FBrush->SetColor(AColor);
    if (FBrush->Style() != ABrush->Style()) FBrush->SetStyle(ABrush->Style());
    if (ABackColor == clNone) {
        SetBackMode(cbmTransparent);
    } else {
        SetBackMode(cbmOpaque);
        SetBackColor(ABackColor);
    }
}

void TTeeCanvas::AssignBrush(TChartBrush* ABrush) {
    AssignBrush(ABrush, ABrush->Color(), ABrush->BackColor());
}

void TTeeCanvas::AssignBrush(TChartBrush* ABrush, TColor ABackColor) {
    AssignBrush(ABrush, ABrush->Color(), ABackColor);
}

void TTeeCanvas::InternalDark(TColor Color, Byte Quantity) {
    const TColor c = ApplyDark(Color, Quantity);
    if (FBrush->Style() != bsSolid)
        SetBackColor(c);
    else
        FBrush->SetColor(c);
}

// ---- pens -----------------------------------------------------------------------------------

void TTeeCanvas::AssignVisiblePen(TPen* APen) {
    AssignVisiblePenColor(APen, APen->Color());
}

void TTeeCanvas::CopyPen(TPen* APen, TColor AColor) {
    if (ICustomPen) {
        // A handle made here does not follow the pen's properties: start from a copy.
        FPen->Assign(APen);
        ICustomPen = false;
    } else {
        FPen->SetWidth(APen->Width());
        FPen->SetStyle(APen->Style());
        FPen->SetMode(APen->Mode());
    }
    FPen->SetColor(AColor);
    if (TeeCheckPenWidth && FPen->Style() != psSolid && FPen->Width() == 1) FPen->SetWidth(0);
}

void TTeeCanvas::AssignVisiblePenColor(TPen* APen, TColor AColor) {
    if (GetMonochrome()) AColor = clBlack;
    if (auto* chartPen = dynamic_cast<TChartPen*>(APen)) {
        if (!chartPen->Visible()) {
            FPen->SetStyle(psClear);
            return;
        }
        if (IsWindowsNT && !GetSupportsFullRotation()) {
            TeeSetTeePen(FPen, chartPen, AColor, GetHandle());
            return;
        }
    }
    CopyPen(APen, AColor);
}

namespace {

DWORD penStyleCode(TPenStyle s) {
    static constexpr DWORD codes[] = {PS_SOLID, PS_DASH,        PS_DOT,       PS_DASHDOT,  PS_DASHDOTDOT,
                                      PS_NULL,  PS_INSIDEFRAME, PS_USERSTYLE, PS_ALTERNATE};
    return codes[int(s)];
}

} // namespace

void TTeeCanvas::TeeSetTeePen(TPen* FPen, TChartPen* APen, TColor AColor, HDC) {
    if (APen->SmallDots()) {
        FPen->SetHandle(TeeCreatePenSmallDots(AColor, APen->SmallSpace()));
        FPen->SetMode(APen->Mode());
        ICustomPen = true;
        return;
    }
    if (APen->Width() < 2) {
        CopyPen(APen, AColor);
        return;
    }
    FPen->Assign(APen);
    FPen->SetColor(AColor);
    DWORD style = PS_GEOMETRIC | penStyleCode(APen->Style());
    switch (APen->EndStyle()) {
    case esRound:
        style |= PS_ENDCAP_ROUND | PS_JOIN_ROUND;
        break;
    case esSquare:
        style |= PS_ENDCAP_SQUARE | PS_JOIN_BEVEL;
        break;
    case esFlat:
        style |= PS_ENDCAP_FLAT | PS_JOIN_MITER;
        break;
    }
    LOGBRUSH lb;
    lb.lbStyle = BS_SOLID;
    lb.lbColor = COLORREF(ColorToRGB(AColor));
    // The mode stays the pen's: the canvas sets the raster operation when it selects it.
    FPen->SetHandle(ExtCreatePen(style, DWORD(APen->Width()), &lb, 0, nullptr));
    ICustomPen = true;
}

HPEN TeeCreatePenSmallDots(TColor Color, int Space) {
    LOGBRUSH lb;
    lb.lbStyle = BS_SOLID;
    lb.lbColor = COLORREF(ColorToRGB(Color));
    if (Space <= 0) return ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, nullptr);
    const DWORD pattern[2] = {0, DWORD(Space + 1)};
    return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_ROUND, 1, &lb, 2, pattern);
}

// ---- fonts and text -------------------------------------------------------------------------

void TTeeCanvas::AssignFont(TTeeFont* AFont) {
    AFont->SetPixelsPerInch(FFont->PixelsPerInch());
    int height = AFont->Height();
    if (FontZoom != 100) {
        const int size = RoundPx(AFont->Size() * FontZoom * 0.01);
        height = -RoundPx(size * AFont->PixelsPerInch() / 72.0);
    }
    const TColor color = GetMonochrome() ? clBlack : AFont->Color();
    // Re-creating the device font is the costly part of text output: copy only when the
    // description differs from the one in use.
    if (FFont->Name() != AFont->Name() || FFont->Height() != height || FFont->Style() != AFont->Style() ||
        FFont->Charset() != AFont->Charset() || FFont->Pitch() != AFont->Pitch() ||
        FFont->Orientation() != AFont->Orientation() || FFont->Quality() != AFont->Quality()) {
        FFont->Assign(AFont);
        FFont->SetHeight(height);
    }
    FFont->SetColor(color);
    HDC dc = GetHandle();
    if (GetTextCharacterExtra(dc) != AFont->InterCharSize())
        SetTextCharacterExtra(dc, AFont->InterCharSize());
    IFont = AFont;
    AFont->ICanvas = this;
}

int TTeeCanvas::TextWidth(const String& St) {
    int w = FCanvas->TextWidth(St);
    if (IFont && IFont->HasShadow() && IFont->Shadow()->Visible())
        w += std::abs(IFont->Shadow()->HorizSize());
    return w;
}

int TTeeCanvas::TextHeight(const String& St) {
    int h = FCanvas->TextHeight(St);
    if (IFont && IFont->HasShadow() && IFont->Shadow()->Visible()) h += std::abs(IFont->Shadow()->VertSize());
    return h;
}

int TTeeCanvas::WideTextWidth(const WideString& St) {
    TSize s;
    GetTextExtentPoint32W(GetHandle(), St, &s);
    return s.cx;
}

int TTeeCanvas::WideTextHeight(const WideString& St) {
    TSize s;
    GetTextExtentPoint32W(GetHandle(), St, &s);
    return s.cy;
}

// ---- shapes -------------------------------------------------------------------------------

void TTeeCanvas::Arc(int Left, int Top, int Right, int Bottom, double StartAngle, double EndAngle) {
    const int rx = (Right - Left) / 2, ry = (Bottom - Top) / 2;
    const int cx = Left + rx, cy = Top + ry;
    const double a0 = StartAngle * TeePiStep, a1 = EndAngle * TeePiStep;
    Arc(Left, Top, Right, Bottom, RoundPx(std::cos(a0) * rx) + cx, cy - RoundPx(std::sin(a0) * ry),
        RoundPx(std::cos(a1) * rx) + cx, cy - RoundPx(std::sin(a1) * ry));
}

void TTeeCanvas::Frame3D(TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
    FPen->SetWidth(1);
    FPen->SetStyle(psSolid);
    --Rect.Bottom;
    --Rect.Right;
    for (int i = 0; i < Width; ++i) {
        const TPoint topRight{Rect.Right, Rect.Top};
        const TPoint bottomLeft{Rect.Left, Rect.Bottom};
        FPen->SetColor(TopColor);
        const TPoint upper[3] = {bottomLeft, {Rect.Left, Rect.Top}, topRight};
        Polyline(upper);
        FPen->SetColor(BottomColor);
        const TPoint lower[3] = {topRight, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}};
        Polyline(lower);
        ++Rect.Left;
        ++Rect.Top;
        --Rect.Right;
        --Rect.Bottom;
    }
    ++Rect.Bottom;
    ++Rect.Right;
}

void TTeeCanvas::Arrow(bool Filled, double ArrowPercent, TPoint FromPoint, TPoint ToPoint, int ArrowWidth,
                       int ArrowHeight) {
    const TArrowFrame f(FromPoint, ToPoint, ArrowHeight);
    if (f.Empty()) return;
    const TPoint a = f.At(f.UHead, f.VTo - ArrowWidth / 2.0);
    const TPoint b = f.At(f.UHead, f.VTo + ArrowWidth / 2.0);
    if (!Filled) {
        Line(FromPoint, ToPoint);
        LineTo(b);
        Line(ToPoint, a);
        return;
    }
    const double w = ArrowWidth * ArrowPercent * 0.005;
    const TPoint p[7] = {
        f.At(f.UFrom, f.VTo + w), f.At(f.UFrom, f.VTo - w), f.At(f.UHead, f.VTo - w), a, ToPoint, b,
        f.At(f.UHead, f.VTo + w)};
    Polygon(p);
}

void TTeeCanvas::DoHorizLine(int X0, int X1, int Y) {
    MoveTo(X0, Y);
    LineTo(X1, Y);
}

void TTeeCanvas::DoVertLine(int X, int Y0, int Y1) {
    MoveTo(X, Y0);
    LineTo(X, Y1);
}

void TTeeCanvas::Line(int X0, int Y0, int X1, int Y1) {
    MoveTo(X0, Y0);
    LineTo(X1, Y1);
}

TTeeBlend* TTeeCanvas::BeginBlending(const TRect& R, TTeeTransparency Transparency) {
    ITransp = Transparency;
    return new TTeeBlend(this, R);
}

void TTeeCanvas::EndBlending(TTeeBlend* Blend) {
    if (!Blend) return;
    Blend->DoBlend(ITransp);
    delete Blend;
}

void TTeeCanvas::PolygonGradient(std::span<const TPoint> Points, TCustomTeeGradient* Gradient) {
    ClipPolygon(Points, int(Points.size()), false);
    Gradient->Draw(this, RectFromPolygon(Points, int(Points.size())), 0);
    UnClipRectangle();
    if (FPen->Style() != psClear) {
        const TBrushStyle old = FBrush->Style();
        FBrush->SetStyle(bsClear);
        Polygon(Points);
        FBrush->SetStyle(old);
    }
}

// ---- clipping -------------------------------------------------------------------------------
//
// One clip region is kept: the one in force before the last clipping call, so that
// UnClipRectangle goes back one level.

namespace {

struct SavedClip {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    bool valid = false;
    ~SavedClip() { DeleteObject(rgn); }
};

SavedClip& savedClip() {
    static SavedClip s;
    return s;
}

// Saves the clip region in force, then combines Region into it; Region is deleted.
void combineClip(HDC dc, HRGN region, int mode, bool save = true) {
    if (save) {
        SavedClip& s = savedClip();
        s.valid = GetClipRgn(dc, s.rgn) == 1;
    }
    ExtSelectClipRgn(dc, region, mode);
    DeleteObject(region);
}

TRect toDevice(HDC dc, const TRect& r) {
    TPoint p[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    LPtoDP(dc, p, 2);
    return {p[0].X, p[0].Y, p[1].X, p[1].Y};
}

} // namespace

void ClipCanvas(TCanvas* ACanvas, const TRect& Rect) {
    HDC dc = ACanvas->Handle();
    const TRect d = toDevice(dc, Rect);
    combineClip(dc, CreateRectRgn(d.Left, d.Top, d.Right, d.Bottom), RGN_AND);
}

void UnClipCanvas(TCanvas* ACanvas) {
    HDC dc = ACanvas->Handle();
    SavedClip& s = savedClip();
    SelectClipRgn(dc, s.valid ? s.rgn : nullptr);
    s.valid = false;
}

void TTeeCanvas::ClipRectangle(const TRect& Rect, int RoundSize) {
    HDC dc = GetHandle();
    const TRect d = toDevice(dc, Rect);
    combineClip(dc, CreateRoundRectRgn(d.Left, d.Top, d.Right, d.Bottom, RoundSize, RoundSize), RGN_AND);
}

void TTeeCanvas::ClipEllipse(const TRect& Rect, bool Inverted) {
    HDC dc = GetHandle();
    if (Inverted) {
        combineClip(dc, CreateEllipticRgn(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom), RGN_XOR, false);
        return;
    }
    const TRect d = toDevice(dc, Rect);
    combineClip(dc, CreateEllipticRgn(d.Left, d.Top, d.Right, d.Bottom), RGN_AND);
}

void TTeeCanvas::ClipPolygon(std::span<const TPoint> Points, int NumPoints, bool Inverted) {
    HDC dc = GetHandle();
    const int n = std::clamp(NumPoints, 0, int(Points.size()));
    HRGN region;
    if (GetMapMode(dc) == MM_TEXT) {
        region = CreatePolygonRgn(Points.data(), n, ALTERNATE);
    } else {
        TPointArray copy(Points.begin(), Points.begin() + n);
        LPtoDP(dc, copy.data(), n);
        region = CreatePolygonRgn(copy.data(), n, ALTERNATE);
    }
    combineClip(dc, region, Inverted ? RGN_DIFF : RGN_AND);
}

void ClipEllipse(TTeeCanvas* ACanvas, const TRect& Rect) {
    ACanvas->ClipEllipse(Rect, false);
}

void ClipRoundRectangle(TTeeCanvas* ACanvas, const TRect& Rect, int RoundSize) {
    ACanvas->ClipRectangle(Rect, RoundSize);
}

void ClipPolygon(TTeeCanvas* ACanvas, std::span<const TPoint> Points, int NumPoints) {
    ACanvas->ClipPolygon(Points, NumPoints, false);
}
