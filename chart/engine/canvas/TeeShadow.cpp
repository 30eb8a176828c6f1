#include "chart/engine/canvas/TeeShadow.h"

#include "chart/engine/canvas/TeeBlend.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>
#include <cmath>
#include <vector>

ORVO_IMPLEMENT_CLASS(TTeeShadow, TPersistent)

TTeeShadow::TTeeShadow(TNotifyEvent AOnChange) : IOnChange(AOnChange) {}

void TTeeShadow::Changed() {
    if (IOnChange) IOnChange(this);
}

void TTeeShadow::SetClip(bool Value) {
    if (StoreIfChanged(FClip, Value)) Changed();
}
void TTeeShadow::SetColor(TColor Value) {
    if (StoreIfChanged(FColor, Value)) Changed();
}
void TTeeShadow::SetHorizSize(int Value) {
    if (StoreIfChanged(FHorizSize, Value)) Changed();
}
void TTeeShadow::SetVertSize(int Value) {
    if (StoreIfChanged(FVertSize, Value)) Changed();
}
void TTeeShadow::SetSmooth(bool Value) {
    if (StoreIfChanged(FSmooth, Value)) Changed();
}
void TTeeShadow::SetSmoothBlur(int Value) {
    if (StoreIfChanged(FSmoothBlur, Value)) Changed();
}
void TTeeShadow::SetTransparency(TTeeTransparency Value) {
    if (StoreIfChanged(FTransparency, Value)) Changed();
}
void TTeeShadow::SetVisible(bool Value) {
    if (StoreIfChanged(FVisible, Value)) Changed();
}
void TTeeShadow::SetSize(int Value) {
    SetHorizSize(Value);
    SetVertSize(Value);
}

void TTeeShadow::InitValues(TColor AColor, int ASize) {
    FColor = DefaultColor = AColor;
    FHorizSize = FVertSize = DefaultSize = ASize;
}

void TTeeShadow::Assign(TPersistent* Source) {
    auto* s = dynamic_cast<TTeeShadow*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    FColor = s->FColor;
    FHorizSize = s->FHorizSize;
    FSmooth = s->FSmooth;
    FSmoothBlur = s->FSmoothBlur;
    FTransparency = s->FTransparency;
    FVertSize = s->FVertSize;
    FVisible = s->FVisible;
}

bool TTeeShadow::ValidCanvas(TCanvas3D* ACanvas) {
    auto* c = dynamic_cast<TTeeCanvas3D*>(ACanvas);
    return c && !c->Metafiling() && c->UseBuffer() && c->Bitmap();
}

bool TTeeShadow::PrepareCanvas(TCanvas3D* ACanvas, const TRect& Rect, int Z) {
    if (FColor == clNone || (FHorizSize == 0 && FVertSize == 0)) return false;
    if (!(FSmooth && ValidCanvas(ACanvas))) {
        ACanvas->Brush()->SetColor(FColor);
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Pen()->SetStyle(psClear);
    }
    if (FTransparency > 0) {
        const TRect moved{Rect.Left + FHorizSize, Rect.Top + FVertSize, Rect.Right + FHorizSize,
                          Rect.Bottom + FVertSize};
        IBlend = ACanvas->BeginBlending(ACanvas->RectFromRectZ(moved, Z), FTransparency);
    }
    return true;
}

void TTeeShadow::FinishBlending(TCanvas3D* ACanvas) {
    if (FTransparency > 0 && IBlend) {
        ACanvas->EndBlending(IBlend);
        IBlend = nullptr;
    }
}

void TTeeShadow::Draw(TCanvas3D* ACanvas, std::span<const TPoint> Points) {
    TPointArray p(Points.begin(), Points.end());
    for (TPoint& q : p) {
        q.X += FHorizSize;
        q.Y += FVertSize;
    }
    const TRect r = PolygonBounds(p);
    if (!PrepareCanvas(ACanvas, r, 0)) return;
    if (FSmooth && ValidCanvas(ACanvas)) {
        for (TPoint& q : p) {
            q.X -= r.Left;
            q.Y -= r.Top;
        }
        DrawSmooth(ACanvas, r, false, true, 0, p);
    } else {
        ACanvas->Polygon(p);
    }
    FinishBlending(ACanvas);
}

void TTeeShadow::Draw(TCanvas3D* ACanvas, const TRect& Rect, int Z, int RoundSize) {
    const TPenStyle oldStyle = ACanvas->Pen()->Style();
    const TColor oldColor = ACanvas->Pen()->Color();
    if (PrepareCanvas(ACanvas, Rect, Z)) {
        if (!FSmooth || Size() == 0)
            SolidShadow(ACanvas, Rect, Z, RoundSize);
        else if (ValidCanvas(ACanvas))
            DrawSmooth(ACanvas, Rect, false, false, RoundSize, {});
        else if (ACanvas->SupportsFullRotation())
            SolidShadow(ACanvas, Rect, Z, RoundSize);
        else
            GradedShadow(ACanvas, Rect, Z, RoundSize);
        FinishBlending(ACanvas);
    }
    ACanvas->Pen()->SetStyle(oldStyle);
    ACanvas->Pen()->SetColor(oldColor);
}

void TTeeShadow::SolidShadow(TCanvas3D* ACanvas, const TRect& Rect, int Z, int RoundSize) {
    const int h = FHorizSize, v = FVertSize;
    if (RoundSize > 0) {
        ACanvas->RoundRect(Rect.Left + h, Rect.Top + v, Rect.Right + h, Rect.Bottom + v, RoundSize,
                           RoundSize);
        return;
    }
    if (ACanvas->DisabledRotation() == 0) {
        ACanvas->Rectangle(Rect.Left + h, Rect.Bottom, Rect.Right + h, Rect.Bottom + v, Z);
        ACanvas->Rectangle(Rect.Right, Rect.Top + v, Rect.Right + h, Rect.Bottom + v, Z);
        return;
    }
    if (v != 0) {
        const int y0 = v > 0 ? Rect.Bottom : Rect.Top + 1;
        const int y1 = v > 0 ? Rect.Bottom + 1 : Rect.Top;
        ACanvas->Rectangle(Rect.Left + h, y0, Rect.Right + h, v + y1);
    }
    if (h != 0) {
        const int x0 = h > 0 ? Rect.Right : Rect.Left + 1;
        const int x1 = h > 0 ? Rect.Right + 1 : Rect.Left;
        ACanvas->Rectangle(x0, Rect.Top + v, h + x1, Rect.Bottom + v + 1);
    }
}

void TTeeShadow::GradedShadow(TCanvas3D* ACanvas, const TRect& Rect, int Z, int RoundSize) {
    if (RoundSize > 0) {
        SolidShadow(ACanvas, Rect, Z, RoundSize);
        return;
    }
    const int h = FHorizSize, v = FVertSize;
    TPen* pen = ACanvas->Pen();
    pen->SetStyle(psSolid);
    const TColor c = ColorToRGB(FColor);
    const double avg = ((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)) / 3.0;
    const bool rotated = ACanvas->DisabledRotation() == 0;
    // Each run of lines brightens from the shadow colour towards white; a run with no
    // lines needs no step (and must not divide by its count).
    if (v > 0) {
        const int step = RoundPx((255 - avg) / v);
        TColor lc = c;
        for (int i = 1; i <= v; ++i) {
            pen->SetColor(lc);
            const int y = Rect.Bottom + i - 1;
            if (rotated)
                ACanvas->HorizLine3D(Rect.Left + h, Rect.Right + h + i - v - 1, y, Z);
            else
                ACanvas->DoHorizLine(Rect.Left + h, Rect.Right + h + i - v - 1, y);
            lc = ApplyBright(lc, Byte(std::clamp(step, 0, 255)));
        }
    }
    if (h > 0) {
        const int step = RoundPx((255 - avg) / h);
        TColor lc = c;
        for (int i = 1; i <= h; ++i) {
            pen->SetColor(lc);
            const int x = Rect.Right + i - 1;
            const int y1 = Rect.Bottom + v + i - h - 1;
            if (rotated) {
                ACanvas->VertLine3D(x, Rect.Top + v, y1, Z);
                ACanvas->SetPixel3D(x - 1, y1 - 1, Z, lc);
            } else {
                ACanvas->DoVertLine(x, Rect.Top + v, y1);
                ACanvas->SetPixel(x - 1, y1 - 1, lc);
            }
            lc = ApplyBright(lc, Byte(std::clamp(step, 0, 255)));
        }
    }
}

void TTeeShadow::DrawEllipse(TCanvas3D* ACanvas, const TRect& Rect, int Z) {
    if (!PrepareCanvas(ACanvas, Rect, Z)) return;
    const TRect moved{Rect.Left + FHorizSize, Rect.Top + FVertSize, Rect.Right + FHorizSize,
                      Rect.Bottom + FVertSize};
    if (!FSmooth) {
        ACanvas->EllipseWithZ(moved, Z);
    } else {
        const TRect r = ACanvas->CalcRect3D(moved, Z);
        if (ValidCanvas(ACanvas)) {
            DrawSmooth(ACanvas, r, true, false, 0, {});
        } else {
            ACanvas->ClipEllipse(r, false);
            TCustomTeeGradient g{TNotifyEvent()};
            g.SetStartColor(ApplyDark(FColor, 128));
            g.SetEndColor(ApplyBright(FColor, 32));
            g.DrawRadial(ACanvas, r);
            ACanvas->UnClipRectangle();
        }
    }
    FinishBlending(ACanvas);
}

void TTeeShadow::DrawSmooth(TCanvas3D* ACanvas, const TRect& Rect, bool IsEllipse, bool IsPolygon,
                            int RoundSize, std::span<const TPoint> Points) {
    const int h = std::abs(FHorizSize), v = std::abs(FVertSize);
    const int w = std::max(1, Rect.Right - Rect.Left + 2 * h + 1);
    const int ht = std::max(1, Rect.Bottom - Rect.Top + 2 * v + 1);
    TBitmap shape;
    shape.SetPixelFormat(pf24bit);
    shape.SetSize(w, ht);
    TCanvas* c = shape.Canvas();
    c->Brush()->SetColor(FColor);
    c->Brush()->SetStyle(bsSolid);
    c->Pen()->SetStyle(psClear);
    if (IsPolygon)
        c->Polygon(Points.data(), int(Points.size()));
    else if (IsEllipse)
        c->Ellipse(h, v, w - h, ht - v);
    else if (RoundSize > 0)
        c->RoundRect(h, v, w - h, ht - v, RoundSize, RoundSize);
    else
        c->Rectangle(h, v, w - h, ht - v);
    auto* canvas = static_cast<TTeeCanvas3D*>(ACanvas);
    TeeShadowSmooth(&shape, canvas->Bitmap(), Rect.Left, Rect.Top, w, ht, FHorizSize, FVertSize,
                    (FSmoothBlur + 180) * 0.01, IsPolygon || IsEllipse || FullDraw || RoundSize != 0, ACanvas,
                    FClip);
}

void TeeShadowSmooth(TBitmap* Bitmap, TBitmap* Back, int Left, int Top, int Width, int Height, int BlurX,
                     int BlurY, double Intensity, bool Full, TCanvas3D* ACanvas, bool Clip) {
    if (BlurX < 0) {
        BlurX = -BlurX;
        Left -= 2 * BlurX;
        Full = true;
    }
    if (BlurY < 0) {
        BlurY = -BlurY;
        Top -= 2 * BlurY;
        Full = true;
    }
    Width = std::min(Width, Bitmap->Width());
    Height = std::min(Height, Bitmap->Height());
    const int kx = 2 * BlurX + 1, ky = 2 * BlurY + 1;
    const double base = (Intensity + 180) * 0.01;
    auto weights = [base](int r) {
        std::vector<Int64> w(std::size_t(2 * r + 1));
        for (int d = -r; d <= r; ++d)
            w[std::size_t(d + r)] = r == 0 ? 100000 : Round(100000 * std::pow(base, -double(d * d) / r));
        return w;
    };
    const std::vector<Int64> wx = weights(BlurX), wy = weights(BlurY);

    int x0 = std::max(0, -Left), x1 = Width - 1;
    int y0 = std::max(0, -Top), y1 = Height - 1;
    if (Back) {
        x1 = std::min(x1, Back->Width() - Left - 1);
        y1 = std::min(y1, Back->Height() - Top - 1);
    }
    if (x1 < x0 || y1 < y0) return;
    const int sb = Bitmap->PixelFormat() == pf24bit ? 3 : 4;
    auto src = [&](int x, int y) { return static_cast<const Byte*>(Bitmap->ScanLine(y)) + x * sb; };
    const bool hasMargins = !Full;
    auto wanted = [&](int x, int y, int extraY) {
        return !hasMargins || x >= Width - kx || y >= Height - ky - extraY;
    };

    // Horizontal pass into a work grid of weighted averages (B, G, R).
    std::vector<int> work(std::size_t(Width) * std::size_t(Height) * 3, 255);
    for (int y = std::max(0, y0 - BlurY); y <= std::min(Height - 1, y1 + BlurY); ++y)
        for (int x = x0; x <= x1; ++x) {
            if (!wanted(x, y, BlurY)) continue;
            Int64 s[3] = {0, 0, 0}, k = 0;
            for (int d = -BlurX; d <= BlurX; ++d) {
                const int xx = x + d;
                if (xx < 0 || xx >= Width) continue;
                const Int64 wgt = wx[std::size_t(d + BlurX)];
                const Byte* p = src(xx, y);
                for (int c = 0; c < 3; ++c)
                    s[c] += wgt * p[c];
                k += wgt;
            }
            int* out = &work[(std::size_t(y) * std::size_t(Width) + std::size_t(x)) * 3];
            for (int c = 0; c < 3; ++c)
                out[c] = k > 0 ? int(s[c] / k) : 255;
        }

    HDC dc = Clip && ACanvas ? ACanvas->Handle() : nullptr;
    const int db = Back && Back->PixelFormat() == pf24bit ? 3 : 4;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (!wanted(x, y, 0)) continue;
            if (dc && !PtVisible(dc, x + Left, y + Top)) continue;
            Int64 s[3] = {0, 0, 0}, k = 0;
            for (int d = -BlurY; d <= BlurY; ++d) {
                const int yy = y + d;
                if (yy < 0 || yy >= Height) continue;
                const Int64 wgt = wy[std::size_t(d + BlurY)];
                const int* p = &work[(std::size_t(yy) * std::size_t(Width) + std::size_t(x)) * 3];
                for (int c = 0; c < 3; ++c)
                    s[c] += wgt * p[c];
                k += wgt;
            }
            if (k <= 0) continue;
            if (Back) {
                Byte* p = static_cast<Byte*>(Back->ScanLine(y + Top)) + (x + Left) * db;
                // Multiply: a white shape leaves the background, the shadow colour darkens it.
                for (int c = 0; c < 3; ++c)
                    p[c] = Byte(std::clamp(RoundPx(double(s[c]) / 255.0 / double(k) * p[c]), 0, 255));
            } else {
                Byte* p = static_cast<Byte*>(Bitmap->ScanLine(y)) + x * sb;
                for (int c = 0; c < 3; ++c)
                    p[c] = Byte(std::clamp(RoundPx(double(s[c]) / double(k)), 0, 255));
            }
        }
}

ORVO_PUBLISHED(TTeeShadow) {
    using S = TTeeShadow;
    P.Property("Clip", &S::Clip, &S::SetClip).Default(false);
    P.Property("Color", &S::Color, &S::SetColor).Type(TypeInfoTColor()).Stored(&S::IsColorStored);
    P.Property("HorizSize", &S::HorizSize, &S::SetHorizSize).Stored(&S::IsHorizStored);
    P.Property("Smooth", &S::Smooth, &S::SetSmooth).Default(true);
    P.Property("SmoothBlur", &S::SmoothBlur, &S::SetSmoothBlur).Default(0);
    P.Property("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    P.Property("VertSize", &S::VertSize, &S::SetVertSize).Stored(&S::IsVertStored);
    P.Property("Visible", &S::Visible, &S::SetVisible).Stored(&S::IsVisibleStored);
}
