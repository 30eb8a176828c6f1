#include "chart/engine/pictures/BitmapFilters.h"

#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/ScrollBar.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>
#include <cmath>

#include <QImage>

ORVO_IMPLEMENT_ENUM_TYPE(TGrayMethod, "gmSimple", "gmEye", "gmEye2")
ORVO_IMPLEMENT_ENUM_TYPE(TMirrorDirection, "mdDown", "mdUp", "mdRight", "mdLeft")

ORVO_IMPLEMENT_CLASS(TInvertFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(TGrayScaleFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(TAmountFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(TMosaicFilter, TAmountFilter)
ORVO_IMPLEMENT_CLASS(TFlipFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(TReverseFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(TBrightnessFilter, TAmountFilter)
ORVO_IMPLEMENT_CLASS(TContrastFilter, TAmountFilter)
ORVO_IMPLEMENT_CLASS(TColorFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(THueLumSatFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(TSharpenFilter, TConvolveFilter)
ORVO_IMPLEMENT_CLASS(TGammaCorrectionFilter, TAmountFilter)
ORVO_IMPLEMENT_CLASS(TEmbossFilter, TConvolveFilter)
ORVO_IMPLEMENT_CLASS(TSoftenFilter, TConvolveFilter)
ORVO_IMPLEMENT_CLASS(TResizeFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(TCropFilter, TResizeFilter)
ORVO_IMPLEMENT_CLASS(TRotateFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(TMirrorFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(TTileFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(TBevelFilter, TTeeFilter)
ORVO_IMPLEMENT_CLASS(TZoomFilter, TTeeFilter)

namespace {

Byte clampByte(int v) {
    return Byte(std::clamp(v, 0, 255));
}

// Calls Fn(pixel) for every pixel of R (already held inside the bitmap).
template <class Fn> void eachPixel(const TRGBArray& Lines, const TRect& R, Fn fn) {
    for (int y = R.Top; y <= R.Bottom; ++y) {
        TRGB* row = Lines[std::size_t(y)];
        for (int x = R.Left; x <= R.Right; ++x)
            fn(row[x]);
    }
}

// The same change in each channel.
template <class Fn> void eachChannel(const TRGBArray& Lines, const TRect& R, Fn fn) {
    eachPixel(Lines, R, [&](TRGB& p) {
        p.Blue = fn(p.Blue);
        p.Green = fn(p.Green);
        p.Red = fn(p.Red);
    });
}

// A copy of Src at Dst's size: smoothly when both are large enough for the resampler,
// else stretched.
void resample(TBitmap* Src, TBitmap* Dst) {
    if (Src->Width() > 1 && Src->Height() > 1 && Dst->Width() > 1 && Dst->Height() > 1)
        SmoothStretch(Src, Dst);
    else
        Dst->Canvas()->StretchDraw(TRect{0, 0, Dst->Width(), Dst->Height()}, Src);
}

TBitmap* newBitmap(int Width, int Height) {
    auto* b = new TBitmap();
    b->SetPixelFormat(pf24bit);
    b->SetSize(Width, Height);
    return b;
}

// Takes Other's pixels and size into Bitmap.
void replaceImage(TBitmap* Bitmap, TBitmap* Other) {
    Bitmap->SetImage(Other->Image(), pf24bit);
}

TColor pixelColor(const TRGB& p) {
    return TColor(p.Red | (p.Green << 8) | (p.Blue << 16));
}

} // namespace

// ---- colour spaces ------------------------------------------------------------------------------

void RGBToHLS(TColor RGB, Word& H, Word& L, Word& S) {
    const double r = RGB & 0xFF, g = (RGB >> 8) & 0xFF, b = (RGB >> 16) & 0xFF;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b}), sum = mx + mn;
    const double l = (sum * 240 + 255) / 510;
    if (mx == mn) {
        H = 160;
        L = Word(RoundPx(l));
        S = 0;
        return;
    }
    const double d = mx - mn;
    const double s = l <= 120 ? (d * 240 + sum / 2) / sum : (d * 240 + 255 - sum / 2) / (510 - sum);
    const double rd = ((mx - r) * 40 + d / 2) / d, gd = ((mx - g) * 40 + d / 2) / d,
                 bd = ((mx - b) * 40 + d / 2) / d;
    double h = r == mx ? bd - gd : g == mx ? 80 + rd - bd : 160 + gd - rd;
    if (h < 0) h += 240;
    if (h > 240) h -= 240;
    H = Word(RoundPx(h));
    L = Word(RoundPx(l));
    S = Word(RoundPx(s));
}

TColor HLSToRGB(int H, int L, int S) {
    // Components outside the scale would make channels below 0 (which wrap to bright
    // values) or above 255: they are held to 0..240 first.
    const double h = std::clamp(H, 0, 240), l = std::clamp(L, 0, 240), s = std::clamp(S, 0, 240);
    auto channel = [](double v) { return std::clamp(RoundPx((v * 255 + 120) / 240), 0, 255); };
    if (s == 0) {
        const int c = std::clamp(RoundPx(l * 255 / 240), 0, 255);
        return TColor(c | (c << 8) | (c << 16));
    }
    const double m2 = l <= 120 ? (l * (240 + s) + 120) / 240 : l + s - (l * s + 120) / 240;
    const double m1 = 2 * l - m2;
    auto value = [&](double hue) -> double {
        if (hue < 0) hue += 240;
        if (hue > 240) hue -= 240;
        if (hue < 40) return RoundPx(m1 + ((m2 - m1) * hue + 20) / 40);
        if (hue < 120) return RoundPx(m2);
        if (hue < 160) return RoundPx(m1 + ((m2 - m1) * (160 - hue) + 20) / 40);
        return RoundPx(m1);
    };
    const int r = channel(value(h + 80)), g = channel(value(h)), b = channel(value(h - 80));
    return TColor(r | (g << 8) | (b << 16));
}

void HLSToRGB(int H, int L, int S, TColor& RGB) {
    RGB = HLSToRGB(H, L, S);
}

void ColorToHLS(TColor Color, Word& Hue, Word& Luminance, Word& Saturation) {
    RGBToHLS(ColorToRGB(Color), Hue, Luminance, Saturation);
}

TColor HLSToColor(int Hue, int Luminance, int Saturation) {
    return HLSToRGB(Hue, Luminance, Saturation);
}

// ---- per-pixel filters ----------------------------------------------------------------------------

void TInvertFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || TeeFilterRectEmpty(R)) return;
    eachChannel(Lines, R, [](Byte v) { return Byte(255 - v); });
}

void TGrayScaleFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || TeeFilterRectEmpty(R)) return;
    const TGrayMethod m = FMethod;
    eachPixel(Lines, R, [m](TRGB& p) {
        int v;
        switch (m) {
        case gmEye:
            v = RoundPx(0.3 * p.Red + 0.59 * p.Green + 0.11 * p.Blue);
            break;
        case gmEye2:
            v = (11 * p.Red + 16 * p.Green + 5 * p.Blue) >> 5;
            break;
        default:
            v = (p.Blue + p.Green + p.Red) / 3;
        }
        const Byte b = clampByte(v);
        p = {b, b, b};
    });
}

void TBrightnessFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || TeeFilterRectEmpty(R) || FAmount == 0) return;
    int d = FAmount;
    if (Percent()) {
        const float f = float(FAmount) * 0.01f;
        d = RoundPx(double(f * 255.0f));
    }
    eachChannel(Lines, R, [d](Byte v) { return clampByte(v + d); });
}

void TContrastFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || TeeFilterRectEmpty(R)) return;
    const int amount = FAmount;
    if (Percent()) {
        const double f = amount * 0.01;
        eachChannel(Lines, R, [f](Byte v) { return clampByte(v + RoundPx(v * f) * (v - 128) / 256); });
    } else {
        eachChannel(Lines, R,
                    [amount](Byte v) { return clampByte(v + int(Int64(amount) * (v - 128) / 256)); });
    }
}

void TColorFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || TeeFilterRectEmpty(R) || (FRed == 0 && FGreen == 0 && FBlue == 0)) return;
    const int r = FRed, g = FGreen, b = FBlue;
    eachPixel(Lines, R, [&](TRGB& p) {
        if (r) p.Red = clampByte(p.Red + r);
        if (g) p.Green = clampByte(p.Green + g);
        if (b) p.Blue = clampByte(p.Blue + b);
    });
}

void THueLumSatFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || TeeFilterRectEmpty(R) || (FHue == 0 && FLuminance == 0 && FSaturation == 0)) return;
    // Sums are held to the 0..240 scale the conversion works on.
    auto add = [](Word v, int d) { return d ? std::clamp(int(v) + d, 0, 240) : int(v); };
    eachPixel(Lines, R, [&](TRGB& p) {
        Word h, l, s;
        RGBToHLS(pixelColor(p), h, l, s);
        const TColor c = HLSToRGB(add(h, FHue), add(l, FLuminance), add(s, FSaturation));
        p = {Byte((c >> 16) & 0xFF), Byte((c >> 8) & 0xFF), Byte(c & 0xFF)};
    });
}

void TGammaCorrectionFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || TeeFilterRectEmpty(R)) return;
    const double g = std::max(std::abs(double(FAmount)) * 0.01, 0.001);
    Byte table[256];
    table[0] = 0;
    for (int i = 1; i < 256; ++i)
        table[i] = clampByte(RoundPx(std::exp(std::log(i / 255.0) / g) * 255));
    eachChannel(Lines, R, [&table](Byte v) { return table[v]; });
}

void TMosaicFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || TeeFilterRectEmpty(R) || FAmount < 1) return;
    const Int64 a = FAmount;
    // The start of each block along one side: full blocks while more than a pixels are
    // left to the edge, then one block to the edge.
    auto blocks = [a](int first, int last) {
        std::vector<std::pair<int, int>> out;
        Int64 s = first;
        while (last - s > a) {
            out.push_back({int(s), int(s + a - 1)});
            s += a;
        }
        out.push_back({int(s), last});
        return out;
    };
    for (const auto& [y0, y1] : blocks(R.Top, R.Bottom))
        for (const auto& [x0, x1] : blocks(R.Left, R.Right)) {
            Int64 sb = 0, sg = 0, sr = 0;
            for (int y = y0; y <= y1; ++y)
                for (int x = x0; x <= x1; ++x) {
                    const TRGB& p = Lines[std::size_t(y)][x];
                    sb += p.Blue;
                    sg += p.Green;
                    sr += p.Red;
                }
            const double n = double(y1 - y0 + 1) * double(x1 - x0 + 1);
            const TRGB mean{clampByte(RoundPx(sb / n)), clampByte(RoundPx(sg / n)),
                            clampByte(RoundPx(sr / n))};
            for (int y = y0; y <= y1; ++y)
                std::fill(Lines[std::size_t(y)] + x0, Lines[std::size_t(y)] + x1 + 1, mean);
        }
}

void TFlipFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || TeeFilterRectEmpty(R)) return;
    const int rows = R.Bottom - R.Top + 1;
    for (int k = 0; k < rows / 2; ++k)
        std::swap_ranges(Lines[std::size_t(R.Top + k)] + R.Left, Lines[std::size_t(R.Top + k)] + R.Right + 1,
                         Lines[std::size_t(R.Bottom - k)] + R.Left);
}

void TReverseFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || TeeFilterRectEmpty(R)) return;
    for (int y = R.Top; y <= R.Bottom; ++y)
        std::reverse(Lines[std::size_t(y)] + R.Left, Lines[std::size_t(y)] + R.Right + 1);
}

void TBevelFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || TeeFilterRectEmpty(R)) return;
    const int b = FBright;
    auto brighten = [b](TRGB& p) {
        p = {clampByte(p.Blue + b), clampByte(p.Green + b), clampByte(p.Red + b)};
    };
    auto darken = [b](TRGB& p) { p = {clampByte(p.Blue - b), clampByte(p.Green - b), clampByte(p.Red - b)}; };
    for (int k = 0; k < FSize; ++k) {
        const bool rows = k < (R.Bottom - R.Top) / 2, cols = k < (R.Right - R.Left) / 2;
        if (!rows && !cols) break;
        if (rows)
            for (int x = R.Left + k; x <= R.Right - k; ++x) {
                brighten(Lines[std::size_t(R.Top + k)][x]);
                darken(Lines[std::size_t(R.Bottom - k)][x]);
            }
        if (cols)
            for (int y = R.Top + k + 1; y <= R.Bottom - k; ++y) {
                brighten(Lines[std::size_t(y)][R.Left + k]);
                darken(Lines[std::size_t(y)][R.Right - k]);
            }
    }
}

// ---- convolutions ---------------------------------------------------------------------------------

TSharpenFilter::TSharpenFilter(TCollection* Collection) : TConvolveFilter(Collection) {
    const float e = -0.125f;
    SetWeights({e, e, e, e, 2, e, e, e, e});
}

TEmbossFilter::TEmbossFilter(TCollection* Collection) : TConvolveFilter(Collection) {
    SetWeights({0, -1, 0, -1, 1, 1, 0, -1, 0});
}

TSoftenFilter::TSoftenFilter(TCollection* Collection) : TConvolveFilter(Collection) {
    SetWeights({0, 0, 0, 0, 1, 1, 0, 1, 1});
}

// ---- filters that change the bitmap's size or layout ----------------------------------------------

void TResizeFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || FWidth < 1 || FHeight < 1) return;
    std::unique_ptr<TBitmap> copy(newBitmap(FWidth, FHeight));
    resample(Bitmap, copy.get());
    Lines.clear();
    replaceImage(Bitmap, copy.get());
}

void TCropFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || FWidth <= 0 || FHeight <= 0) return;
    Lines.clear();
    std::unique_ptr<TBitmap> part(newBitmap(FWidth, FHeight));
    // The whole Width x Height source rectangle fills the part, and the part fills the
    // whole bitmap again: no row or column of the uncropped picture is left over.
    part->Canvas()->CopyRect(TRect{0, 0, FWidth, FHeight}, Bitmap->Canvas(),
                             TRect{FLeft, FTop, FLeft + FWidth, FTop + FHeight});
    if (FSmooth)
        resample(part.get(), Bitmap);
    else
        Bitmap->Canvas()->StretchDraw(TRect{0, 0, Bitmap->Width(), Bitmap->Height()}, part.get());
}

void TRotateFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty()) return;
    // Any angle, however large or negative, is brought into 0..360 (an endless angle
    // turns nothing).
    double angle = std::isfinite(FAngle) ? std::fmod(FAngle, 360.0) : 0;
    if (angle < 0) angle += 360;
    if (angle == 0) return;
    const int W = Bitmap->Width(), H = Bitmap->Height();
    if (angle == 180) {
        const TRect whole{0, 0, W - 1, H - 1};
        TFlipFilter flip(nullptr);
        flip.Apply(Bitmap, whole);
        TReverseFilter reverse(nullptr);
        reverse.Apply(Bitmap, whole);
        Lines.clear();
        return;
    }
    const double a = (360 - angle) * TeePiStep, c = std::cos(a), s = std::sin(a);
    int bw = W, bh = H;
    if (angle == 90 || angle == 270) {
        bw = H;
        bh = W;
    } else if (FAutoSize) {
        if (s * c > 0) {
            bw = std::abs(RoundPx(W * c + H * s));
            bh = std::abs(RoundPx(W * s + H * c));
        } else {
            bw = std::abs(RoundPx(W * c - H * s));
            bh = std::abs(RoundPx(W * s - H * c));
        }
    }
    std::unique_ptr<TBitmap> B(newBitmap(bw, bh));
    if (W >= 2 && H >= 2 && bw > 0 && bh > 0) {
        if (FBackColor == clNone) {
            B->SetTransparent(true);
        } else if (FBackColor != clWhite) {
            B->Canvas()->Brush()->SetColor(FBackColor);
            B->Canvas()->FillRect(TRect{0, 0, bw, bh});
        }
        TRGBArray out;
        TeeCalcLines(out, B.get());
        if (angle == 90) {
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    out[std::size_t(x)][H - 1 - y] = Lines[std::size_t(y)][x];
        } else if (angle == 270) {
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    out[std::size_t(W - 1 - x)][y] = Lines[std::size_t(y)][x];
        } else {
            for (int y = 0; y < bh; ++y) {
                const int v = y - bh / 2;
                for (int x = 0; x < bw; ++x) {
                    const int u = x - bw / 2;
                    const int sx = RoundPx(u * c - v * s + W / 2), sy = RoundPx(u * s + v * c + H / 2);
                    if (sx >= 0 && sx < W && sy >= 0 && sy < H)
                        out[std::size_t(y)][x] = Lines[std::size_t(sy)][sx];
                }
            }
        }
    }
    Lines.clear();
    const bool transparent = B->Transparent();
    replaceImage(Bitmap, B.get());
    if (transparent) Bitmap->SetTransparent(true);
}

TMirrorFilter::TMirrorFilter(TCollection* Collection) : TTeeFilter(Collection) {
    AllowRegion = false;
}

void TMirrorFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty()) return;
    const int W = Bitmap->Width(), H = Bitmap->Height();
    const bool vertical = FDirection == mdDown || FDirection == mdUp;
    std::unique_ptr<TBitmap> B(newBitmap(vertical ? W : 2 * W, vertical ? 2 * H : H));
    TRGBArray out;
    TeeCalcLines(out, B.get());
    for (int y = 0; y < H; ++y) {
        const TRGB* row = Lines[std::size_t(y)];
        switch (FDirection) {
        case mdDown:
            std::copy_n(row, W, out[std::size_t(y)]);
            std::copy_n(row, W, out[std::size_t(2 * H - 1 - y)]);
            break;
        case mdUp:
            std::copy_n(row, W, out[std::size_t(H + y)]);
            std::copy_n(row, W, out[std::size_t(H - 1 - y)]);
            break;
        case mdRight:
            std::copy_n(row, W, out[std::size_t(y)]);
            std::reverse_copy(row, row + W, out[std::size_t(y)] + W);
            break;
        case mdLeft:
            std::reverse_copy(row, row + W, out[std::size_t(y)]);
            std::copy_n(row, W, out[std::size_t(y)] + W);
            break;
        }
    }
    Lines.clear();
    replaceImage(Bitmap, B.get());
}

void TTileFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty()) return;
    FNumCols = std::max(1, FNumCols);
    FNumRows = std::max(1, FNumRows);
    const int w = (R.Right - R.Left) / FNumCols, h = (R.Bottom - R.Top) / FNumRows;
    if (w < 1 || h < 1) return;
    Lines.clear();
    std::unique_ptr<TBitmap> tile(newBitmap(w, h));
    resample(Bitmap, tile.get());
    for (int col = 0; col < FNumCols; ++col)
        for (int row = 0; row < FNumRows; ++row)
            Bitmap->Canvas()->Draw(w * col, h * row, tile.get());
}

void TZoomFilter::Apply(TBitmap* Bitmap, const TRect& R) {
    TTeeFilter::Apply(Bitmap, R);
    if (Lines.empty() || TeeFilterRectEmpty(R)) return;
    Lines.clear();
    const int w = R.Right - R.Left + 1, h = R.Bottom - R.Top + 1;
    // The zoom is a share of the picture: held to 0..100 percent, so that a setting read
    // from a file can neither widen the crop beyond the picture nor overflow it.
    const double percent = std::isfinite(FPercent) ? std::clamp(FPercent, 0.0, 100.0) : 0;
    const int dx = RoundPx(w * percent * 0.005), dy = RoundPx(h * percent * 0.005);
    TCropFilter crop(nullptr);
    crop.SetWidth(std::max(1, w - 2 * dx));
    crop.SetHeight(std::max(1, h - 2 * dy));
    crop.SetSmooth(FSmooth);
    if (R.Left == 0 && R.Top == 0 && w == Bitmap->Width() && h == Bitmap->Height()) {
        crop.SetLeft(R.Left + dx);
        crop.SetTop(R.Top + dy);
        crop.Apply(Bitmap, R);
        return;
    }
    std::unique_ptr<TBitmap> part(newBitmap(w, h));
    part->Canvas()->CopyRect(TRect{0, 0, w, h}, Bitmap->Canvas(),
                             TRect{R.Left, R.Top, R.Left + w, R.Top + h});
    crop.SetLeft(dx);
    crop.SetTop(dy);
    crop.Apply(part.get(), TRect{0, 0, w - 1, h - 1});
    Bitmap->Canvas()->Draw(R.Left, R.Top, part.get());
}

// ---- descriptions and editors -------------------------------------------------------------------

String TInvertFilter::Description() {
    return TeeMsg_Invert;
}
String TGrayScaleFilter::Description() {
    return TeeMsg_GrayScale;
}
String TMosaicFilter::Description() {
    return TeeMsg_Mosaic;
}
String TFlipFilter::Description() {
    return TeeMsg_Flip;
}
String TReverseFilter::Description() {
    return TeeMsg_Reverse;
}
String TBrightnessFilter::Description() {
    return TeeMsg_Brightness;
}
String TContrastFilter::Description() {
    return TeeMsg_Contrast;
}
String TColorFilter::Description() {
    return TeeMsg_Color;
}
String THueLumSatFilter::Description() {
    return TeeMsg_HueLumSat;
}
String TSharpenFilter::Description() {
    return TeeMsg_Sharpen;
}
String TGammaCorrectionFilter::Description() {
    return TeeMsg_GammaCorrection;
}
String TEmbossFilter::Description() {
    return TeeMsg_Emboss;
}
String TSoftenFilter::Description() {
    return TeeMsg_AntiAlias;
}
String TResizeFilter::Description() {
    return TeeMsg_Resize;
}
String TCropFilter::Description() {
    return TeeMsg_Crop;
}
String TRotateFilter::Description() {
    return TeeMsg_Rotate;
}
String TMirrorFilter::Description() {
    return TeeMsg_Mirror;
}
String TTileFilter::Description() {
    return TeeMsg_Tile;
}
String TBevelFilter::Description() {
    return TeeMsg_Bevel;
}
String TZoomFilter::Description() {
    return TeeMsg_Zoom;
}

TMosaicFilter::TMosaicFilter(TCollection* Collection) : TAmountFilter(Collection) {
    FAmount = 8;
    IOnlyPositive = true;
}

TGammaCorrectionFilter::TGammaCorrectionFilter(TCollection* Collection) : TAmountFilter(Collection) {
    FAmount = 70;
    IOnlyPositive = true;
}

void TAmountFilter::SetPercent(bool Value) {
    FPercent = Value;
}

void TAmountFilter::CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) {
    TTeeFilter::CreateEditor(Creator, OnChange);
    FScrollBar = Creator->AddScroll(QStringLiteral("Amount"), ScrollMin(), ScrollMax());
    Creator->AddCheckBox(QStringLiteral("Percent"), TeeMsg_Percent,
                         Method(this, &TAmountFilter::PercentChanged));
}

void TAmountFilter::PercentChanged(TObject*) {
    if (FScrollBar)
        FScrollBar->SetParams(std::clamp(FScrollBar->Position(), ScrollMin(), ScrollMax()), ScrollMin(),
                              ScrollMax());
    if (FChanged) FChanged(this);
}

void TGrayScaleFilter::CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) {
    TTeeFilter::CreateEditor(Creator, OnChange);
    Creator->AddCombo(QStringLiteral("Method"));
}

void TColorFilter::CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) {
    TTeeFilter::CreateEditor(Creator, OnChange);
    Creator->AddScroll(QStringLiteral("Red"), -255, 255);
    Creator->AddScroll(QStringLiteral("Green"), -255, 255);
    Creator->AddScroll(QStringLiteral("Blue"), -255, 255);
}

void THueLumSatFilter::CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) {
    TTeeFilter::CreateEditor(Creator, OnChange);
    Creator->AddScroll(QStringLiteral("Hue"), -255, 255);
    Creator->AddScroll(QStringLiteral("Luminance"), -255, 255);
    Creator->AddScroll(QStringLiteral("Saturation"), -255, 255);
}

void TResizeFilter::CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) {
    TTeeFilter::CreateEditor(Creator, OnChange);
    Creator->AddInteger(QStringLiteral("Width"), TeeMsg_Width, 0, 10000);
    Creator->AddInteger(QStringLiteral("Height"), TeeMsg_Height, 0, 10000);
}

void TCropFilter::CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) {
    TResizeFilter::CreateEditor(Creator, OnChange);
    Creator->AddInteger(QStringLiteral("Left"), TeeMsg_Left, 0, 10000);
    Creator->AddInteger(QStringLiteral("Top"), TeeMsg_Top, 0, 10000);
    Creator->AddCheckBox(QStringLiteral("Smooth"), TeeMsg_Smooth, FChanged);
}

void TRotateFilter::CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) {
    TTeeFilter::CreateEditor(Creator, OnChange);
    Creator->AddScroll(QStringLiteral("Angle"), 0, 360);
    Creator->AddColor(QStringLiteral("BackColor"), TeeMsg_Back);
    Creator->AddCheckBox(QStringLiteral("AutoSize"), TeeMsg_Autosize, FChanged);
}

void TMirrorFilter::CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) {
    TTeeFilter::CreateEditor(Creator, OnChange);
    Creator->AddCombo(QStringLiteral("Direction"));
}

void TTileFilter::CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) {
    TTeeFilter::CreateEditor(Creator, OnChange);
    Creator->AddInteger(QStringLiteral("NumCols"), TeeMsg_Columns, 1, 1000);
    Creator->AddInteger(QStringLiteral("NumRows"), TeeMsg_Rows, 1, 1000);
}

void TBevelFilter::CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) {
    TTeeFilter::CreateEditor(Creator, OnChange);
    Creator->AddScroll(QStringLiteral("Bright"), 1, 255);
    Creator->AddScroll(QStringLiteral("Size"), 1, 1000);
}

void TZoomFilter::CreateEditor(IFormCreator* Creator, TNotifyEvent OnChange) {
    TTeeFilter::CreateEditor(Creator, OnChange);
    Creator->AddScroll(QStringLiteral("Percent"), 0, 100);
    Creator->AddCheckBox(QStringLiteral("Smooth"), TeeMsg_Smooth, FChanged);
}

// ---- assignment -----------------------------------------------------------------------------------

template <class F, class Fn> static void assignFrom(TPersistent* Source, Fn fn) {
    if (auto* f = dynamic_cast<F*>(Source)) fn(f);
}

void TGrayScaleFilter::Assign(TPersistent* Source) {
    assignFrom<TGrayScaleFilter>(Source, [this](auto* f) { FMethod = f->FMethod; });
    TTeeFilter::Assign(Source);
}
void TAmountFilter::Assign(TPersistent* Source) {
    assignFrom<TAmountFilter>(Source, [this](auto* f) {
        FAmount = f->FAmount;
        FPercent = f->FPercent;
    });
    TTeeFilter::Assign(Source);
}
void TColorFilter::Assign(TPersistent* Source) {
    assignFrom<TColorFilter>(Source, [this](auto* f) {
        FRed = f->FRed;
        FGreen = f->FGreen;
        FBlue = f->FBlue;
    });
    TTeeFilter::Assign(Source);
}
void THueLumSatFilter::Assign(TPersistent* Source) {
    assignFrom<THueLumSatFilter>(Source, [this](auto* f) {
        FHue = f->FHue;
        FLuminance = f->FLuminance;
        FSaturation = f->FSaturation;
    });
    TTeeFilter::Assign(Source);
}
void TResizeFilter::Assign(TPersistent* Source) {
    assignFrom<TResizeFilter>(Source, [this](auto* f) {
        FWidth = f->FWidth;
        FHeight = f->FHeight;
    });
    TTeeFilter::Assign(Source);
}
void TCropFilter::Assign(TPersistent* Source) {
    assignFrom<TCropFilter>(Source, [this](auto* f) {
        FLeft = f->FLeft;
        FTop = f->FTop;
        FSmooth = f->FSmooth;
    });
    TResizeFilter::Assign(Source);
}
void TRotateFilter::Assign(TPersistent* Source) {
    assignFrom<TRotateFilter>(Source, [this](auto* f) {
        FAngle = f->FAngle;
        FAutoSize = f->FAutoSize;
        FBackColor = f->FBackColor;
    });
    TTeeFilter::Assign(Source);
}
void TMirrorFilter::Assign(TPersistent* Source) {
    assignFrom<TMirrorFilter>(Source, [this](auto* f) { FDirection = f->FDirection; });
    TTeeFilter::Assign(Source);
}
void TTileFilter::Assign(TPersistent* Source) {
    assignFrom<TTileFilter>(Source, [this](auto* f) {
        FNumCols = f->FNumCols;
        FNumRows = f->FNumRows;
    });
    TTeeFilter::Assign(Source);
}
void TBevelFilter::Assign(TPersistent* Source) {
    assignFrom<TBevelFilter>(Source, [this](auto* f) {
        FBright = f->FBright;
        FSize = f->FSize;
    });
    TTeeFilter::Assign(Source);
}
void TZoomFilter::Assign(TPersistent* Source) {
    assignFrom<TZoomFilter>(Source, [this](auto* f) {
        FPercent = f->FPercent;
        FSmooth = f->FSmooth;
    });
    TTeeFilter::Assign(Source);
}

// ---- registration ---------------------------------------------------------------------------------

TFilterClasses* FilterClasses = nullptr;

void TeeRegisterFilters(std::span<const TFilterClass> Classes) {
    if (!FilterClasses) FilterClasses = new TFilterClasses();
    for (TFilterClass c : Classes)
        if (std::find(FilterClasses->begin(), FilterClasses->end(), c) == FilterClasses->end()) {
            FilterClasses->push_back(c);
            RegisterClass(c);
        }
}

void TeeUnRegisterFilters(std::span<const TFilterClass> Classes) {
    if (!FilterClasses) return;
    for (TFilterClass c : Classes)
        std::erase(*FilterClasses, c);
}

namespace {

void rotateGradient(TCustomTeeGradient* Gradient, TBitmap* Bitmap) {
    TRotateFilter f(nullptr);
    f.SetAngle(Gradient->Angle());
    f.Apply(Bitmap);
}

struct FilterUnit {
    FilterUnit() {
        const TFilterClass standard[] = {
            TInvertFilter::StaticClass(),    TGrayScaleFilter::StaticClass(),
            TMosaicFilter::StaticClass(),    TFlipFilter::StaticClass(),
            TReverseFilter::StaticClass(),   TBrightnessFilter::StaticClass(),
            TContrastFilter::StaticClass(),  TColorFilter::StaticClass(),
            THueLumSatFilter::StaticClass(), TBlurFilter::StaticClass(),
            TSharpenFilter::StaticClass(),   TGammaCorrectionFilter::StaticClass(),
            TEmbossFilter::StaticClass(),    TSoftenFilter::StaticClass(),
            TCropFilter::StaticClass(),      TResizeFilter::StaticClass(),
            TRotateFilter::StaticClass(),    TMirrorFilter::StaticClass(),
            TTileFilter::StaticClass(),      TBevelFilter::StaticClass(),
            TZoomFilter::StaticClass()};
        TeeRegisterFilters(standard);
        TeeGradientRotate = &rotateGradient;
    }
    ~FilterUnit() {
        TeeGradientRotate = nullptr;
        delete FilterClasses;
        FilterClasses = nullptr;
    }
};

} // namespace

void TeeRegisterStandardFilters() {
    static FilterUnit unit;
}


void TeeGrayScale(TBitmap* Bitmap, bool Inverted, int Mode) {
    TGrayScaleFilter gray(nullptr);
    gray.SetMethod(Mode == 0 ? gmSimple : gmEye);
    gray.Apply(Bitmap);
    if (Inverted) {
        TInvertFilter invert(nullptr);
        invert.Apply(Bitmap);
    }
}

// ---- published ------------------------------------------------------------------------------------

ORVO_PUBLISHED(TGrayScaleFilter) {
    P.Property("Method", &TGrayScaleFilter::Method, &TGrayScaleFilter::SetMethod).Default(gmSimple);
}
ORVO_PUBLISHED(TAmountFilter) {
    P.Property("Amount", &TAmountFilter::Amount, &TAmountFilter::SetAmount).Default(5);
    P.Property("Percent", &TAmountFilter::Percent, &TAmountFilter::SetPercent).Default(true);
}
ORVO_PUBLISHED(TMosaicFilter) {
    P.Property("Amount", &TMosaicFilter::Amount, &TMosaicFilter::SetAmount).Default(8);
}
ORVO_PUBLISHED(TGammaCorrectionFilter) {
    P.Property("Amount", &TGammaCorrectionFilter::Amount, &TGammaCorrectionFilter::SetAmount).Default(70);
}
ORVO_PUBLISHED(TColorFilter) {
    using F = TColorFilter;
    P.Property("Blue", &F::Blue, &F::SetBlue).Default(0);
    P.Property("Green", &F::Green, &F::SetGreen).Default(0);
    P.Property("Red", &F::Red, &F::SetRed).Default(0);
}
ORVO_PUBLISHED(THueLumSatFilter) {
    using F = THueLumSatFilter;
    P.Property("Hue", &F::Hue, &F::SetHue).Default(0);
    P.Property("Luminance", &F::Luminance, &F::SetLuminance).Default(0);
    P.Property("Saturation", &F::Saturation, &F::SetSaturation).Default(0);
}
ORVO_PUBLISHED(TResizeFilter) {
    using F = TResizeFilter;
    P.Property("Height", &F::Height, &F::SetHeight).Default(0);
    P.Property("Width", &F::Width, &F::SetWidth).Default(0);
}
ORVO_PUBLISHED(TCropFilter) {
    using F = TCropFilter;
    P.Property("Left", &F::Left, &F::SetLeft).Default(0);
    P.Property("Smooth", &F::Smooth, &F::SetSmooth).Default(false);
    P.Property("Top", &F::Top, &F::SetTop).Default(0);
}
ORVO_PUBLISHED(TRotateFilter) {
    using F = TRotateFilter;
    P.Property("Angle", &F::Angle, &F::SetAngle);
    P.Property("AutoSize", &F::AutoSize, &F::SetAutoSize).Default(true);
    P.Property("BackColor", &F::BackColor, &F::SetBackColor).Type(TypeInfoTColor()).Default(clWhite);
}
ORVO_PUBLISHED(TMirrorFilter) {
    P.Property("Direction", &TMirrorFilter::Direction, &TMirrorFilter::SetDirection).Default(mdDown);
}
ORVO_PUBLISHED(TTileFilter) {
    using F = TTileFilter;
    P.Property("NumCols", &F::NumCols, &F::SetNumCols).Default(3);
    P.Property("NumRows", &F::NumRows, &F::SetNumRows).Default(3);
}
ORVO_PUBLISHED(TBevelFilter) {
    using F = TBevelFilter;
    P.Property("Bright", &F::Bright, &F::SetBright).Default(64);
    P.Property("Size", &F::Size, &F::SetSize).Default(15);
}
ORVO_PUBLISHED(TZoomFilter) {
    using F = TZoomFilter;
    P.Property("Percent", &F::Percent, &F::SetPercent);
    P.Property("Smooth", &F::Smooth, &F::SetSmooth).Default(false);
}
