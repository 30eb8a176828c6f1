#include "chart/engine/canvas/TeeGradient.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/TeeBlend.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>
#include <cmath>
#include <memory>

ORVO_IMPLEMENT_CLASS(TCustomTeeGradient, TPersistent)
ORVO_IMPLEMENT_CLASS(TTeeGradient, TCustomTeeGradient)
ORVO_IMPLEMENT_CLASS(TSubGradient, TCustomTeeGradient)
ORVO_IMPLEMENT_CLASS(TTeeFontGradient, TTeeGradient)

TCustomTeeGradient::TCustomTeeGradient(TNotifyEvent ChangedEvent) : Changed(ChangedEvent) {}

TCustomTeeGradient::~TCustomTeeGradient() {
    delete FRotated;
    delete FSub;
}

void TCustomTeeGradient::DoChanged() {
    if (Changed) Changed(this);
}

void TCustomTeeGradient::SetAngle(int Value) {
    if (StoreIfChanged(FAngle, Value)) DoChanged();
}
void TCustomTeeGradient::SetBalance(int Value) {
    if (StoreIfChanged(FBalance, Value)) DoChanged();
}
void TCustomTeeGradient::SetDirection(TGradientDirection Value) {
    if (StoreIfChanged(FDirection, Value)) DoChanged();
}
void TCustomTeeGradient::SetEndColor(TColor Value) {
    if (StoreIfChanged(FEndColor, Value)) DoChanged();
}
void TCustomTeeGradient::SetStartColor(TColor Value) {
    if (StoreIfChanged(FStartColor, Value)) DoChanged();
}
void TCustomTeeGradient::SetRadialX(int Value) {
    if (StoreIfChanged(FRadialX, Value)) DoChanged();
}
void TCustomTeeGradient::SetRadialY(int Value) {
    if (StoreIfChanged(FRadialY, Value)) DoChanged();
}
void TCustomTeeGradient::SetVisible(bool Value) {
    if (StoreIfChanged(FVisible, Value)) DoChanged();
}

void TCustomTeeGradient::SetMidColor(TColor Value) {
    if (Value == clNone) {
        if (StoreIfChanged(IHasMiddle, false)) DoChanged();
        return;
    }
    const bool a = StoreIfChanged(FMidColor, Value);
    const bool b = StoreIfChanged(IHasMiddle, true);
    if (a || b) DoChanged();
}

void TCustomTeeGradient::UseMiddleColor() {
    if (StoreIfChanged(IHasMiddle, true)) DoChanged();
}

TSubGradient* TCustomTeeGradient::SubGradient() {
    if (!FSub) FSub = new TSubGradient(Changed);
    return FSub;
}

void TCustomTeeGradient::SetSubGradient(TSubGradient* Value) {
    if (Value) SubGradient()->Assign(Value);
}

void TCustomTeeGradient::Assign(TPersistent* Source) {
    auto* g = dynamic_cast<TCustomTeeGradient*>(Source);
    if (!g) {
        TPersistent::Assign(Source);
        return;
    }
    FAngle = g->FAngle;
    FBalance = g->FBalance;
    FDirection = g->FDirection;
    FEndColor = g->FEndColor;
    FMidColor = g->FMidColor;
    FStartColor = g->FStartColor;
    FRadialX = g->FRadialX;
    FRadialY = g->FRadialY;
    FVisible = g->FVisible;
    IHasMiddle = g->IHasMiddle;
    if (g->FSub) {
        SetSubGradient(g->FSub);
    } else {
        delete FSub;
        FSub = nullptr;
    }
}

void TSubGradient::Assign(TPersistent* Source) {
    TCustomTeeGradient::Assign(Source);
    if (auto* s = dynamic_cast<TSubGradient*>(Source)) FTransparency = s->FTransparency;
}

void TSubGradient::SetTransparency(TTeeTransparency Value) {
    if (StoreIfChanged(FTransparency, Value)) DoChanged();
}

void TTeeFontGradient::Assign(TPersistent* Source) {
    TTeeGradient::Assign(Source);
    if (auto* s = dynamic_cast<TTeeFontGradient*>(Source)) FOutline = s->FOutline;
}

void TTeeFontGradient::SetOutline(bool Value) {
    if (StoreIfChanged(FOutline, Value)) DoChanged();
}

// ---- drawing --------------------------------------------------------------------------------

namespace {
TColor grey(TColor c) {
    c = ColorToRGB(c);
    const int v = ((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)) / 3;
    return TColor(RGB(Byte(v), Byte(v), Byte(v)));
}
} // namespace

void TCustomTeeGradient::Draw(TTeeCanvas* Canvas, const TRect& Rect, int RoundRectSize) {
    if (FAngle != 0) {
        DrawRotated(Canvas, Rect, RoundRectSize);
        return;
    }
    TColor start = FStartColor, mid = FMidColor, end = FEndColor;
    if (Canvas->Monochrome()) {
        start = grey(start);
        mid = grey(mid);
        end = grey(end);
    }
    if (RoundRectSize > 0) Canvas->ClipRectangle(Rect, RoundRectSize);
    const int midY = (Rect.Top + Rect.Bottom) / 2, midX = (Rect.Left + Rect.Right) / 2;
    const TRect upper{Rect.Left, Rect.Top, Rect.Right, midY}, lower{Rect.Left, midY, Rect.Right, Rect.Bottom};
    const TRect left{Rect.Left, Rect.Top, midX, Rect.Bottom}, right{midX, Rect.Top, Rect.Right, Rect.Bottom};
    if (FDirection == gdRadial) {
        Canvas->GradientFill(Rect, start, end, gdRadial, FBalance, FRadialX, FRadialY);
    } else if (IHasMiddle && FDirection != gdDiagonalUp && FDirection != gdDiagonalDown) {
        switch (FDirection) {
        case gdTopBottom:
            Canvas->GradientFill(upper, mid, end, gdTopBottom, 50, 0, 0);
            Canvas->GradientFill(lower, start, mid, gdTopBottom, 50, 0, 0);
            break;
        case gdBottomTop:
            Canvas->GradientFill(upper, start, mid, gdBottomTop, 50, 0, 0);
            Canvas->GradientFill(lower, mid, end, gdBottomTop, 50, 0, 0);
            break;
        case gdLeftRight:
            Canvas->GradientFill(left, mid, end, gdLeftRight, 50, 0, 0);
            Canvas->GradientFill(right, start, mid, gdLeftRight, 50, 0, 0);
            break;
        case gdRightLeft:
            Canvas->GradientFill(left, start, mid, gdRightLeft, 50, 0, 0);
            Canvas->GradientFill(right, mid, end, gdRightLeft, 50, 0, 0);
            break;
        default:
            Canvas->GradientFill(Rect, start, end, FDirection, 50, 0, 0);
            break;
        }
    } else {
        Canvas->GradientFill(Rect, start, end, FDirection, FBalance, 0, 0);
    }
    if (RoundRectSize > 0) Canvas->UnClipRectangle();
    if (FSub && FSub->Visible()) DrawSubGradient(Canvas, Rect, RoundRectSize);
}

void TCustomTeeGradient::Draw(TCanvas3D* Canvas, std::span<const TPoint> P, int Z, bool Is3D) {
    if (!Is3D) {
        Canvas->PolygonGradient(P, this);
        return;
    }
    TPointArray projected;
    Canvas->Calc3DPoints(P, Z, projected);
    Canvas->PolygonGradient(projected, this);
}

void TCustomTeeGradient::Draw(TTeeCanvas* Canvas, const TFourPoints& P) {
    Canvas->Pen()->SetStyle(psClear);
    Canvas->PolygonGradient(P, this);
}

void TCustomTeeGradient::Draw(TCanvas3D* Canvas, const TFourPoints& P, int Z) {
    TFourPoints q;
    for (std::size_t i = 0; i < 4; ++i)
        q[i] = Canvas->Calculate3DPosition(P[i].X, P[i].Y, Z);
    Draw(static_cast<TTeeCanvas*>(Canvas), q);
}

void TCustomTeeGradient::DrawRadial(TTeeCanvas* Canvas, const TRect& Rect) {
    const TRect r = OrientRectangle(Rect);
    const int w = r.Right - r.Left, h = r.Bottom - r.Top;
    // An empty rectangle has no rings to draw (and would divide by zero below).
    if (w <= 0 || h <= 0) return;
    Canvas->ClipRectangle(r);
    int n = std::min(255, std::max(w, h));
    const double g = 1.0 / n;
    const double rw = g * w / 2, rh = g * h / 2;
    const TColor s = ColorToRGB(FStartColor), e = ColorToRGB(FEndColor);
    int sc[3], dc[3];
    for (int k = 0; k < 3; ++k) {
        sc[k] = (s >> (8 * k)) & 0xFF;
        dc[k] = ((e >> (8 * k)) & 0xFF) - sc[k];
    }
    const TPenStyle oldPen = Canvas->Pen()->Style();
    const TColor oldBrush = Canvas->Brush()->Color();
    Canvas->Pen()->SetStyle(psClear);
    Canvas->Brush()->SetColor(e);
    Canvas->FillRect(r);
    const int steps = n;
    if ((w & 1) || (h & 1)) --n;
    const double cx = FRadialX + 1 + (r.Left + r.Right) / 2.0;
    const double cy = FRadialY + 1 + (r.Top + r.Bottom) / 2.0;
    // Rings go through the canvas's Ellipse slot (so a descendant canvas draws them its
    // own way); their colour through the device's stock DC brush when the platform has
    // one, else through the canvas brush.
    HDC hdc = Canvas->Handle();
    HGDIOBJ oldObj = TeeSetDCBrushColor ? SelectObject(hdc, GetStockObject(DC_BRUSH)) : nullptr;
    for (int k = n; k >= 0; --k) {
        int c[3];
        if (FBalance == 50) {
            for (int i = 0; i < 3; ++i)
                c[i] = sc[i] + RoundPx(g * dc[i] * k);
        } else {
            const double f = std::exp(std::log(double(k + 1) / (steps + 1)) * (0.5 + 0.015 * FBalance));
            for (int i = 0; i < 3; ++i)
                c[i] = sc[i] + RoundPx(dc[i] * f);
        }
        const COLORREF ring = RGB(Byte(std::clamp(c[0], 0, 255)), Byte(std::clamp(c[1], 0, 255)),
                                  Byte(std::clamp(c[2], 0, 255)));
        if (TeeSetDCBrushColor)
            TeeSetDCBrushColor(hdc, ring);
        else
            Canvas->Brush()->SetColor(TColor(ring));
        Canvas->Ellipse(RoundPx(cx - rw * k), RoundPx(cy - rh * k), RoundPx(cx + rw * k),
                        RoundPx(cy + rh * k));
    }
    if (oldObj) SelectObject(hdc, oldObj);
    Canvas->Brush()->SetColor(oldBrush);
    Canvas->Pen()->SetStyle(oldPen);
    Canvas->UnClipRectangle();
    if (FSub && FSub->Visible()) DrawSubGradient(Canvas, Rect, 0);
}

void TCustomTeeGradient::DrawRotated(TTeeCanvas* Canvas, const TRect& Rect, int RoundRectSize) {
    const int angle = FAngle;
    struct Restore {
        TCustomTeeGradient* g;
        int a;
        ~Restore() { g->FAngle = a; }
    } restore{this, angle};
    FAngle = 0;
    if (!TeeGradientRotate) {
        // Nothing can rotate the bands yet: draw them unrotated rather than not at all,
        // in the same rounded rectangle.
        Draw(Canvas, Rect, RoundRectSize);
        return;
    }
    const int w = Rect.Right - Rect.Left, h = Rect.Bottom - Rect.Top;
    // The rotated picture depends only on the settings and the size, so it is kept between
    // redraws (a gauge redraws its angled bands on every move of its hand). A visible
    // sub-gradient has settings of its own: that picture is drawn afresh each time.
    const bool keep = !(FSub && FSub->Visible());
    const RotatedKey key{w,          h,           angle,     FBalance,  FRadialX,   FRadialY,
                         FDirection, FStartColor, FMidColor, FEndColor, IHasMiddle, TeeGradientRotate};
    if (!keep || !FRotated || !(FRotatedKey == key)) {
        auto bitmap = std::make_unique<TBitmap>();
        const double a = (360 - angle) * TeePiStep;
        const double c = std::cos(a), s = std::sin(a);
        if (s * c > 0)
            bitmap->SetSize(std::abs(RoundPx(w * c + h * s)) + 2, std::abs(RoundPx(w * s + h * c)) + 2);
        else
            bitmap->SetSize(std::abs(RoundPx(w * c - h * s)) + 2, std::abs(RoundPx(w * s - h * c)) + 2);
        {
            TTeeCanvas3D temp;
            temp.SetUseBuffer(false);
            temp.SetCanvas(bitmap->Canvas());
            Draw(&temp, TRect{0, 0, bitmap->Width(), bitmap->Height()}, 0);
        }
        FAngle = angle;
        TeeGradientRotate(this, bitmap.get());
        delete FRotated;
        FRotated = bitmap.release();
        FRotatedKey = key;
    }
    FAngle = angle;
    TBitmap& bitmap = *FRotated;
    Canvas->ClipRectangle(Rect);
    Canvas->Draw(Rect.Left - (bitmap.Width() - w) / 2, Rect.Top - (bitmap.Height() - h) / 2, &bitmap);
    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Rectangle(Rect);
    Canvas->UnClipRectangle();
}

void TCustomTeeGradient::DrawSubGradient(TTeeCanvas* Canvas, const TRect& Rect, int RoundRectSize) {
    TTeeBlend* blend = Canvas->BeginBlending(Rect, FSub->Transparency());
    try {
        if (FSub->Direction() == gdRadial)
            FSub->DrawRadial(Canvas, Rect);
        else
            FSub->Draw(Canvas, Rect, RoundRectSize);
    } catch (...) {
        Canvas->EndBlending(blend);
        throw;
    }
    Canvas->EndBlending(blend);
}

// ---- published properties ---------------------------------------------------------------------

namespace {
template <class T> void publishGradient(TPublisher<T>& P) {
    P.Property("Angle", &T::Angle, &T::SetAngle).Default(0);
    P.Property("Balance", &T::Balance, &T::SetBalance).Default(50);
    P.Property("Direction", &T::Direction, &T::SetDirection).Default(gdTopBottom);
    P.Property("EndColor", &T::EndColor, &T::SetEndColor).Type(TypeInfoTColor()).Default(clYellow);
    P.Property("MidColor", &T::MidColor, &T::SetMidColor).Type(TypeInfoTColor()).Default(clNone);
    P.Property("RadialX", &T::RadialX, &T::SetRadialX).Default(0);
    P.Property("RadialY", &T::RadialY, &T::SetRadialY).Default(0);
    P.Property("StartColor", &T::StartColor, &T::SetStartColor).Type(TypeInfoTColor()).Default(clWhite);
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(false);
}
} // namespace

ORVO_PUBLISHED(TTeeGradient) {
    publishGradient(P);
    P.Property("SubGradient", &TTeeGradient::SubGradient, &TTeeGradient::SetSubGradient)
        .Present(&TTeeGradient::HasSubGradient);
}

ORVO_PUBLISHED(TSubGradient) {
    publishGradient(P);
    P.Property("Transparency", &TSubGradient::Transparency, &TSubGradient::SetTransparency).Default(50);
}

ORVO_PUBLISHED(TTeeFontGradient) {
    P.Property("Outline", &TTeeFontGradient::Outline, &TTeeFontGradient::SetOutline).Default(false);
}
