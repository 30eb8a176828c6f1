#include "chart/engine/canvas/TeeCanvas3D.h"

#include "chart/engine/canvas/TeeBlend.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/pictures/TeeFilters.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_CLASS(TTeeCanvas3D, TCanvas3D)

namespace {
constexpr double kPi = 3.14159265358979323846;
// The perspective divisor never drops below this: at high zoom and perspective a point
// in front of the eye would otherwise divide by zero or flip over.
constexpr double kMinPerspectiveDivisor = 0.01;
// A gradient rectangle wider or higher than this is cut to what the DC can draw on.
constexpr int kMaxGradientSide = 1 << 16;
// A projected position is held within the pixel limit, as the axes hold theirs: callers add
// and subtract a few positions and sizes to it (a far point of a steep view would otherwise come
// out at the int limit).
int ProjectedPx(double v, int offset) {
    return ClampPx(Int64(RoundPx(v)) + offset);
}
} // namespace

TTeeCanvas3D::TTeeCanvas3D() = default;

TTeeCanvas3D::~TTeeCanvas3D() {
    DeleteBitmap();
}

// ---- device wrappers --------------------------------------------------------------------

HDC TTeeCanvas3D::GetHandle() {
    return FCanvas->Handle();
}
TColor TTeeCanvas3D::GetBackColor() {
    return TColor(GetBkColor(GetHandle()));
}
TCanvasBackMode TTeeCanvas3D::GetBackMode() {
    return TCanvasBackMode(GetBkMode(GetHandle()));
}
int TTeeCanvas3D::GetTextAlign() {
    return int(::GetTextAlign(GetHandle()));
}
TColor TTeeCanvas3D::GetPixel(int X, int Y) {
    return FCanvas->Pixels(X, Y);
}
void TTeeCanvas3D::SetBackColor(TColor Color) {
    SetBkColor(GetHandle(), COLORREF(ColorToRGB(Color)));
}
void TTeeCanvas3D::SetBackMode(TCanvasBackMode Mode) {
    SetBkMode(GetHandle(), int(Mode));
}
void TTeeCanvas3D::SetTextAlign(int Align) {
    ::SetTextAlign(GetHandle(), UINT(Align));
}
void TTeeCanvas3D::SetPixel(int X, int Y, TColor Value) {
    ::SetPixel(GetHandle(), X, Y, COLORREF(ColorToRGB(Value)));
}

void TTeeCanvas3D::SetMonochrome(bool Value) {
    if (FMonochrome == Value) return;
    FMonochrome = Value;
    FDirty = true;
    if (F3DOptions) F3DOptions->Repaint();
}

void TTeeCanvas3D::SetUseBuffer(bool Value) {
    if (FBufferedDisplay == Value) return;
    FBufferedDisplay = Value;
    if (!Value) {
        if (FBitmap && !IKeepBitmap) {
            DeleteBitmap();
            FDirty = true;
        }
    } else if (FBitmap) {
        SetCanvas(FBitmap->Canvas());
    }
}

void TTeeCanvas3D::Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY, int EndX, int EndY) {
    FCanvas->Arc(Left, Top, Right, Bottom, StartX, StartY, EndX, EndY);
}
void TTeeCanvas3D::Ellipse(int X1, int Y1, int X2, int Y2) {
    FCanvas->Ellipse(X1, Y1, X2, Y2);
}
void TTeeCanvas3D::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    FCanvas->Pie(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}
void TTeeCanvas3D::Rectangle(int X0, int Y0, int X1, int Y1) {
    FCanvas->Rectangle(X0, Y0, X1, Y1);
}
void TTeeCanvas3D::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    FCanvas->RoundRect(X1, Y1, X2, Y2, X3, Y3);
}
void TTeeCanvas3D::LineTo(int X, int Y) {
    FCanvas->LineTo(X, Y);
}
void TTeeCanvas3D::MoveTo(int X, int Y) {
    MoveToEx(FCanvas->Handle(), X, Y, nullptr);
}
void TTeeCanvas3D::Polyline(std::span<const TPoint> Points) {
    FCanvas->Polyline(Points.data(), int(Points.size()));
}
void TTeeCanvas3D::Polygon(std::span<const TPoint> Points) {
    FCanvas->Polygon(Points.data(), int(Points.size()));
}
void TTeeCanvas3D::FillRect(const TRect& Rect) {
    FCanvas->FillRect(Rect);
}
void TTeeCanvas3D::EraseBackground(const TRect& Rect) {
    FCanvas->FillRect(Rect);
}

void TTeeCanvas3D::Draw(int X, int Y, TGraphic* Graphic) {
    if (Graphic && !Graphic->Empty()) FCanvas->Draw(X, Y, Graphic);
}

void TTeeCanvas3D::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
    if (Graphic) FCanvas->StretchDraw(Rect, Graphic);
}

void TTeeCanvas3D::ClipRectangle(const TRect& Rect) {
    ClipCanvas(FCanvas, Rect);
}
void TTeeCanvas3D::UnClipRectangle() {
    UnClipCanvas(FCanvas);
}

void TTeeCanvas3D::PolygonFour() {
    Polygon(IPoints);
}

TColor TTeeCanvas3D::GetPixel3D(int X, int Y, int Z) {
    Calc3DPos(X, Y, Z);
    return GetPixel(X, Y);
}

void TTeeCanvas3D::SetPixel3D(int X, int Y, int Z, TColor Value) {
    Calc3DPos(X, Y, Z);
    if (FPen->Width() == 1) {
        SetPixel(X, Y, Value);
    } else {
        MoveTo(X, Y);
        LineTo(X, Y);
    }
}

void TTeeCanvas3D::Surface3D(TTeeCanvasSurfaceStyle, bool, int, int, TTeeCanvasCalcPoints) {}

// ---- the off-screen image -----------------------------------------------------------------

void TTeeCanvas3D::SetBitmap(TBitmap* Value) {
    if (FBitmap.get() == Value) return;
    // The canvas owns its image: the old one goes. When drawing went into the old image,
    // it goes on in the new one, so the device never points into a freed bitmap.
    const bool drawingOnOld = FBitmap && FCanvas == FBitmap->Canvas();
    FBitmap.reset(Value);
    if (drawingOnOld) SetCanvas(FBitmap ? FBitmap->Canvas() : nullptr);
}

void TTeeCanvas3D::DeleteBitmap() {
    if (FBitmap && FCanvas == FBitmap->Canvas()) SetCanvas(nullptr);
    FBitmap.reset();
}

void TTeeCanvas3D::TransferBitmap(int X, int Y, TCanvas* ACanvas) {
    if (!FBitmap) return;
    BitBlt(ACanvas->Handle(), X, Y, FBitmap->Width(), FBitmap->Height(), FBitmap->Canvas()->Handle(), 0, 0,
           SRCCOPY);
}

bool TTeeCanvas3D::ReDrawBitmap() {
    if (FDirty) return false;
    TransferBitmap(0, 0, FCanvas);
    return true;
}

void TTeeCanvas3D::ShowImage(TCanvas* DestCanvas, TCanvas* DefaultCanvas, const TRect& UserRect) {
    if (FBufferedDisplay && FBitmap) {
        TransferBitmap(UserRect.Left, UserRect.Top, DestCanvas);
        FDirty = false;
    }
    SetCanvas(DefaultCanvas);
}

TRect TTeeCanvas3D::InitWindow(TCanvas* DestCanvas, TView3DOptions* A3DOptions, TColor, bool Is3D,
                               const TRect& UserRect) {
    FBounds = UserRect;
    F3DOptions = A3DOptions;
    if (A3DOptions) FontZoom = A3DOptions->FontZoom();
    FIs3D = Is3D;
    FIsOrthogonal = false;
    IZoomFactor = 1;
    if (Is3D && A3DOptions) {
        FIsOrthogonal = A3DOptions->Orthogonal();
        if (FIsOrthogonal) {
            double a = A3DOptions->OrthoAngle();
            if (a > 90) {
                IOrthoX = -1;
                a = 180 - a;
            } else {
                IOrthoX = 1;
            }
            const double c = std::cos(a * kPi / 180);
            IOrthoY = c < 0.01 ? 1 : std::sin(a * kPi / 180) / c;
        }
        CalcTrigValues();
    }
    if (!FBufferedDisplay) {
        SetCanvas(DestCanvas);
        return UserRect;
    }
    const int w = UserRect.Right - UserRect.Left, h = UserRect.Bottom - UserRect.Top;
    if (!FBitmap) {
        FBitmap = std::make_unique<TBitmap>();
        FBitmap->SetIgnorePalette(true);
    }
    FBitmap->SetSize(w, h);
    FBitmap->Canvas()->OnChange = nullptr;
    FBitmap->Canvas()->OnChanging = nullptr;
    if (FCanvas != FBitmap->Canvas()) SetCanvas(FBitmap->Canvas());
    return {0, 0, w, h};
}

// ---- projection ---------------------------------------------------------------------------

void TTeeCanvas3D::CalcTrigValues() {
    if (FIsOrthogonal) return;
    double e = 0, r = 0, t = 0;
    if (F3DOptions) {
        e = -F3DOptions->ElevationFloat();
        r = -F3DOptions->RotationFloat();
        t = F3DOptions->Tilt();
    }
    e *= kPi / 180;
    r *= kPi / 180;
    t *= kPi / 180;
    IHasPerspec = false;
    IZoomPerspec = 0;
    s1 = std::sin(Extended(e));
    c1 = std::cos(Extended(e));
    s2 = std::sin(Extended(r));
    c2 = std::cos(Extended(r));
    s3 = std::sin(Extended(t));
    c3 = std::cos(Extended(t));
    IHasTilt = t != 0;
    c2s3 = double(c2 * s3);
    c2c3 = std::max(double(c2 * c3), 0.00001);
    tempXX = std::max(double(s1 * s2 * s3 + c1 * c3), 0.00001);
    tempYX = double(c3 * s1 * s2 - c1 * s3);
    tempXZ = double(c1 * s2 * s3 - c3 * s1);
    tempYZ = double(c1 * c3 * s2 + s1 * s3);
}

void TTeeCanvas3D::CalcPerspective(const TRect& Rect) {
    IHasPerspec = F3DOptions && F3DOptions->Perspective() > 0;
    if (!IHasPerspec) return;
    // A chart without width is taken as one pixel wide.
    const int w = std::max(1, Rect.Right - Rect.Left);
    IZoomPerspec = F3DOptions->Perspective() * IZoomFactor / 150.0 / w;
}

void TTeeCanvas3D::Projection(int MaxDepth, const TRect&, const TRect& Rect) {
    FXCenter = (Rect.Left + Rect.Right) / 2 + RoundPx(RotationCenter.X);
    FYCenter = (Rect.Top + Rect.Bottom) / 2 + RoundPx(RotationCenter.Y);
    FZCenter = RoundPx(MaxDepth * 0.5 + RotationCenter.Z);
    XCenterOffset = FXCenter;
    YCenterOffset = FYCenter;
    if (!F3DOptions) return;
    XCenterOffset += F3DOptions->HorizOffset();
    YCenterOffset += F3DOptions->VertOffset();
    if (FIs3D) {
        IZoomFactor = F3DOptions->Zoom() * 0.01;
        IZoomText = F3DOptions->ZoomText();
    }
    CalcPerspective(Rect);
}

void TTeeCanvas3D::Calc3DPos(int& x, int& y, int z) const {
    if (FIsOrthogonal) {
        x = ProjectedPx((z * IOrthoX + (x - FXCenter)) * IZoomFactor, XCenterOffset);
        y = ProjectedPx(((y - FYCenter) - z * IOrthoY) * IZoomFactor, YCenterOffset);
        return;
    }
    if (!FIs3D) return;
    const double dx = x - FXCenter, dy = y - FYCenter, dz = z - FZCenter;
    const double t = double(dz * c2 - dx * s2);
    double f = IZoomFactor;
    if (IHasPerspec) {
        const double divisor = double((c1 * t + s1 * dy) * IZoomPerspec + 1);
        f = IZoomFactor / std::max(divisor, kMinPerspectiveDivisor);
    }
    if (IHasTilt) {
        const double u = double(dx * c2 + dz * s2), w = double(dy * c1 - s1 * t);
        x = ProjectedPx(double((c3 * u - s3 * w) * f), XCenterOffset);
        y = ProjectedPx(double((c3 * w + s3 * u) * f), YCenterOffset);
    } else {
        x = ProjectedPx(double((dx * c2 + dz * s2) * f), XCenterOffset);
        y = ProjectedPx(double((dy * c1 - s1 * t) * f), YCenterOffset);
    }
}

void TTeeCanvas3D::Calc3DPoint(TPoint& P, double x, double y, int z) const {
    if (FIsOrthogonal) {
        P.X = ProjectedPx((z * IOrthoX + (x - FXCenter)) * IZoomFactor, XCenterOffset);
        P.Y = ProjectedPx(((y - FYCenter) - z * IOrthoY) * IZoomFactor, YCenterOffset);
        return;
    }
    if (!FIs3D) {
        P = {RoundPx(x), RoundPx(y)};
        return;
    }
    const double dx = x - FXCenter, dy = y - FYCenter, dz = z - FZCenter;
    const double t = double(dz * c2 - dx * s2);
    double f = IZoomFactor;
    if (IHasPerspec)
        f = IZoomFactor / std::max(double((c1 * t + s1 * dy) * IZoomPerspec + 1), kMinPerspectiveDivisor);
    const double u = double(dx * c2 + dz * s2), w = double(dy * c1 - s1 * t);
    P.X = ProjectedPx(double((c3 * u - s3 * w) * f), XCenterOffset);
    P.Y = ProjectedPx(double((c3 * w + s3 * u) * f), YCenterOffset);
}

TPoint TTeeCanvas3D::Calculate3DPosition(int x, int y, int z) {
    Calc3DPos(x, y, z);
    return {x, y};
}

void TTeeCanvas3D::Calculate2DPosition(int& x, int& y, int z) {
    if (IZoomFactor == 0) return;
    const double k = 1 / IZoomFactor;
    if (FIsOrthogonal) {
        x = RoundPx(k * (x - XCenterOffset) - z * IOrthoX) + FXCenter;
        y = RoundPx(k * (y - YCenterOffset) + z * IOrthoY) + FYCenter;
    } else if (FIs3D && tempXX != 0 && c2c3 != 0) {
        const int x0 = x, y0 = y;
        const double dz = z - FZCenter;
        x = RoundPx((k * (x0 - XCenterOffset) - dz * tempXZ - (y0 - FYCenter) * c2s3) / tempXX) + FXCenter;
        y = RoundPx((k * (y0 - YCenterOffset) - dz * tempYZ - (x0 - FXCenter) * tempYX) / c2c3) + FYCenter;
    }
}

void TTeeCanvas3D::DisableRotation() {
    FWas3D = FIs3D;
    FIs3D = false;
}

void TTeeCanvas3D::EnableRotation() {
    FIs3D = FWas3D;
}

// ---- flat primitives ------------------------------------------------------------------------

void TTeeCanvas3D::RectangleWithZ(const TRect& Rect, int Z) {
    Calc3DPoint(IPoints[0], Rect.Left, Rect.Top, Z);
    Calc3DPoint(IPoints[1], Rect.Right, Rect.Top, Z);
    Calc3DPoint(IPoints[2], Rect.Right, Rect.Bottom, Z);
    Calc3DPoint(IPoints[3], Rect.Left, Rect.Bottom, Z);
    PolygonFour();
}

void TTeeCanvas3D::PlaneWithZ(TPoint P1, TPoint P2, TPoint P3, TPoint P4, int Z) {
    Calc3DPoint(IPoints[0], P1.X, P1.Y, Z);
    Calc3DPoint(IPoints[1], P2.X, P2.Y, Z);
    Calc3DPoint(IPoints[2], P3.X, P3.Y, Z);
    Calc3DPoint(IPoints[3], P4.X, P4.Y, Z);
    PolygonFour();
}

void TTeeCanvas3D::Plane3D(TPoint A, TPoint B, int Z0, int Z1) {
    Calc3DPoint(IPoints[0], A.X, A.Y, Z0);
    Calc3DPoint(IPoints[1], B.X, B.Y, Z0);
    Calc3DPoint(IPoints[2], B.X, B.Y, Z1);
    Calc3DPoint(IPoints[3], A.X, A.Y, Z1);
    PolygonFour();
}

void TTeeCanvas3D::PlaneFour3D(const TFourPoints& Points, int Z0, int Z1) {
    Calc3DPoint(IPoints[0], double(Points[0].X), double(Points[0].Y), Z0);
    Calc3DPoint(IPoints[1], double(Points[1].X), double(Points[1].Y), Z0);
    Calc3DPoint(IPoints[2], double(Points[2].X), double(Points[2].Y), Z1);
    Calc3DPoint(IPoints[3], double(Points[3].X), double(Points[3].Y), Z1);
    PolygonFour();
}

void TTeeCanvas3D::RectangleY(int Left, int Top, int Right, int Z0, int Z1) {
    Calc3DPoint(IPoints[0], Left, Top, Z0);
    Calc3DPoint(IPoints[1], Right, Top, Z0);
    Calc3DPoint(IPoints[2], Right, Top, Z1);
    Calc3DPoint(IPoints[3], Left, Top, Z1);
    PolygonFour();
}

void TTeeCanvas3D::RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) {
    Calc3DPoint(IPoints[0], Left, Top, Z0);
    Calc3DPoint(IPoints[1], Left, Top, Z1);
    Calc3DPoint(IPoints[2], Left, Bottom, Z1);
    Calc3DPoint(IPoints[3], Left, Bottom, Z0);
    PolygonFour();
}

void TTeeCanvas3D::TriangleWithZ(TPoint P1, TPoint P2, TPoint P3, int Z) {
    TPoint p[3];
    Calc3DPoint(p[0], P1.X, P1.Y, Z);
    Calc3DPoint(p[1], P2.X, P2.Y, Z);
    Calc3DPoint(p[2], P3.X, P3.Y, Z);
    Polygon(p);
}

void TTeeCanvas3D::Triangle3D(const TTrianglePoints3D& Points, const TTriangleColors3D& Colors) {
    if (FBrush->Style() != bsClear) FBrush->SetColor(Colors[0]);
    TPoint p[3];
    for (int i = 0; i < 3; ++i)
        p[i] = Calc3DTPoint3D(Points[std::size_t(i)]);
    Polygon(p);
}

void TTeeCanvas3D::Polygon3D(std::span<const TPoint3D> Points) {
    TPointArray p(Points.size());
    for (std::size_t i = 0; i < Points.size(); ++i)
        p[i] = Calc3DTPoint3D(Points[i]);
    Polygon(p);
}

// ---- solids -------------------------------------------------------------------------------

TColor TTeeCanvas3D::BaseColor() {
    return FBrush->Style() == bsSolid ? FBrush->Color() : GetBackColor();
}

namespace {
// The cross product of A - O and B - O: its sign tells which way O, A, B turn. In 64 bits, as
// the product of two far-apart positions leaves the int range.
Int64 cross(TPoint O, TPoint A, TPoint B) {
    return (Int64(A.X) - O.X) * (Int64(B.Y) - O.Y) - (Int64(B.X) - O.X) * (Int64(A.Y) - O.Y);
}
Int64 winding(const TFourPoints& q) {
    return cross(q[2], q[3], q[1]);
}
} // namespace

void TTeeCanvas3D::Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides) {
    TPoint lt0, rt0, rb0, lb0, lt1, rt1, rb1, lb1;
    Calc3DPoint(lt0, Left, Top, Z0);
    Calc3DPoint(rt0, Right, Top, Z0);
    Calc3DPoint(rb0, Right, Bottom, Z0);
    Calc3DPoint(lb0, Left, Bottom, Z0);
    Calc3DPoint(lt1, Left, Top, Z1);
    Calc3DPoint(rt1, Right, Top, Z1);
    Calc3DPoint(rb1, Right, Bottom, Z1);
    Calc3DPoint(lb1, Left, Bottom, Z1);
    const TColor base = BaseColor();
    const bool clear = FBrush->Style() == bsClear;

    IPoints = {lt0, rt0, rb0, lb0};
    if (!clear && winding(IPoints) <= 0) IPoints = {lt1, rt1, rb1, lb1};
    PolygonFour();

    IPoints = {rt0, rt1, rb1, rb0};
    if (clear || winding(IPoints) > 0) {
        if (DarkSides) InternalDark(base, DarkerColorQuantity);
        PolygonFour();
    }

    IPoints = {lt0, lt1, lb1, lb0};
    const Int64 left = clear ? 1 : cross(IPoints[0], IPoints[3], IPoints[1]);
    if (left > 0) {
        if (DarkSides) InternalDark(base, DarkerColorQuantity);
        PolygonFour();
    }

    const Int64 top = clear ? 1 : cross(rt0, lt0, rt1);
    if (top > 0) {
        IPoints = {lt0, rt0, rt1, lt1};
        if (DarkSides) InternalDark(base, DarkColorQuantity);
        PolygonFour();
    }

    IPoints = {lb0, lb1, rb1, rb0};
    if (clear || winding(IPoints) < 0) {
        if (DarkSides) InternalDark(base, DarkColorQuantity);
        PolygonFour();
    }
}

// Pies, donuts, cylinders, cones and pyramids: TeeCanvas3DSolids.cpp.

void TTeeCanvas3D::GetCirclePoints(TCirclePoints& P, int X1, int Y1, int X2, int Y2, int Z) const {
    const int cx = (X1 + X2) / 2, cy = (Y1 + Y2) / 2;
    const int rx = (X2 - X1) / 2, ry = (Y2 - Y1) / 2;
    Calc3DPoint(P[0], cx, Y2, Z);
    for (int i = 1; i < 64; ++i) {
        const double t = i * 2 * kPi / 63;
        Calc3DPoint(P[std::size_t(i)], cx + rx * std::sin(t), cy + ry * std::cos(t), Z);
    }
}

void TTeeCanvas3D::EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) {
    if (FIsOrthogonal) {
        Calc3DPos(X1, Y1, Z);
        Calc3DPos(X2, Y2, Z);
        Ellipse(X1, Y1, X2, Y2);
    } else if (FIs3D) {
        TCirclePoints p;
        GetCirclePoints(p, X1, Y1, X2, Y2, Z);
        if (FBrush->Style() != bsClear) {
            const TPenStyle old = FPen->Style();
            FPen->SetStyle(psClear);
            TPoint centre;
            Calc3DPoint(centre, (X1 + X2) / 2, (Y1 + Y2) / 2, Z);
            for (std::size_t k = 0; k < 63; ++k) {
                const TPoint tri[3] = {centre, p[k], p[k + 1]};
                Polygon(tri);
            }
            FPen->SetStyle(old);
        }
        if (FPen->Style() != psClear) Polyline(p);
    } else {
        Ellipse(X1, Y1, X2 + 1, Y2 + 1);
    }
}

void TTeeCanvas3D::Sphere(int x, int y, int z, double Radius) {
    const int r = RoundPx(Radius);
    EllipseWithZ(x - r, y - r, x + r, y + r, z);
}

void TTeeCanvas3D::Arrow(bool Filled, TPoint FromPoint, TPoint ToPoint, int ArrowWidth, int ArrowHeight,
                         int Z, double ArrowPercent) {
    const TArrowFrame f(FromPoint, ToPoint, ArrowHeight);
    if (f.Empty()) return;
    auto at = [&](double u, double v) {
        const TPoint flat = f.At(u, v);
        TPoint p;
        Calc3DPoint(p, flat.X, flat.Y, Z);
        return p;
    };
    const TPoint a = at(f.UHead, f.VTo - ArrowWidth / 2.0);
    const TPoint b = at(f.UHead, f.VTo + ArrowWidth / 2.0);
    TPoint tip;
    Calc3DPoint(tip, ToPoint.X, ToPoint.Y, Z);
    if (!Filled) {
        LineWithZ(FromPoint, ToPoint, Z);
        Line(tip, b);
        Line(tip, a);
        return;
    }
    const double w = ArrowWidth * ArrowPercent * 0.005;
    const TPoint p[7] = {at(f.UFrom, f.VTo + w), at(f.UFrom, f.VTo - w), at(f.UHead, f.VTo - w), a, tip, b,
                         at(f.UHead, f.VTo + w)};
    Polygon(p);
}

void TTeeCanvas3D::ClipCube(const TRect& Rect, int MinZ, int MaxZ) {
    if (!FIs3D) {
        ClipRectangle(TRect{Rect.Left + 1, Rect.Top + 1, Rect.Right, Rect.Bottom - 1});
        return;
    }
    TPointArray p(8);
    Calc3DPoint(p[0], Rect.Left, Rect.Bottom, MinZ);
    Calc3DPoint(p[1], Rect.Left, Rect.Bottom, MaxZ);
    Calc3DPoint(p[2], Rect.Left, Rect.Top, MaxZ);
    Calc3DPoint(p[3], Rect.Right, Rect.Top, MaxZ);
    Calc3DPoint(p[4], Rect.Right, Rect.Top, MinZ);
    Calc3DPoint(p[5], Rect.Right, Rect.Bottom, MinZ);
    Calc3DPoint(p[6], Rect.Left, Rect.Top, MinZ);
    Calc3DPoint(p[7], Rect.Right, Rect.Bottom, MaxZ);
    if (ConvexHull(p)) ClipPolygon(p, int(p.size()), false);
}

// ---- text -----------------------------------------------------------------------------------

void TTeeCanvas3D::ShadowText(int X, int Y, const String& Text, int& TextX, int& TextY) {
    TTeeShadow* sh = IFont->Shadow();
    const int hs = sh->HorizSize(), vs = sh->VertSize();
    int sx = X, sy = Y;
    if (hs > 0)
        sx = X + hs;
    else
        TextX = X - hs;
    if (vs > 0)
        sy = Y + vs;
    else
        TextY = Y - vs;
    HDC dc = GetHandle();
    TTeeBlend* blend = nullptr;
    if (sh->Transparency() > 0) {
        const int w = TextWidth(Text), h = TextHeight(Text);
        const UINT align = ::GetTextAlign(dc) & TA_CENTER;
        const int left = align == TA_RIGHT ? sx - w : align == TA_CENTER ? sx - w / 2 : sx;
        blend = BeginBlending(TRect{left, sy, left + w, sy + h}, sh->Transparency());
    }
    const COLORREF old = ::SetTextColor(dc, COLORREF(ColorToRGB(sh->Color())));
    ::TextOutW(dc, sx, sy, Text);
    ::SetTextColor(dc, old);
    if (sh->Smooth() && sh->SmoothBlur() > 0 && FBitmap && FCanvas == FBitmap->Canvas())
        BlurShadowText(sx, sy, Text, sh->SmoothBlur());
    if (blend) EndBlending(blend);
}

void TTeeCanvas3D::BlurShadowText(int X, int Y, const String& Text, int Steps) {
    HDC dc = GetHandle();
    const int w = FCanvas->TextWidth(Text), h = FCanvas->TextHeight(Text);
    const UINT align = ::GetTextAlign(dc) & TA_CENTER;
    if (align == TA_RIGHT)
        X -= w;
    else if (align == TA_CENTER)
        X -= w / 2;
    const TRect r{std::max(0, X - 1), std::max(0, Y), std::min(FBitmap->Width() - 1, X + w),
                  std::min(FBitmap->Height() - 1, Y + h - 1)};
    const int rw = r.Right - r.Left + 1, rh = r.Bottom - r.Top + 1;
    if (rw < 3 || rh < 3) return;
    // The blur works on a 24-bit copy of the area, so that the off-screen image keeps its
    // format and its device state while the frame is drawn.
    TBitmap area;
    area.SetPixelFormat(pf24bit);
    area.SetSize(rw, rh);
    BitBlt(area.Canvas()->Handle(), 0, 0, rw, rh, dc, r.Left, r.Top, SRCCOPY);
    TBlurFilter blur(nullptr);
    blur.SetSteps(Steps);
    blur.Apply(&area, TRect{0, 0, rw - 1, rh - 1});
    BitBlt(dc, r.Left, r.Top, rw, rh, area.Canvas()->Handle(), 0, 0, SRCCOPY);
    SetBackMode(cbmTransparent);
}

void TTeeCanvas3D::TextOut(int X, int Y, const String& Text) {
    TTeeFont* f = IFont;
    int tx = X, ty = Y;
    if (f && f->HasShadow() && f->Shadow()->Visible() &&
        (f->Shadow()->HorizSize() != 0 || f->Shadow()->VertSize() != 0))
        ShadowText(X, Y, Text, tx, ty);
    HDC dc = GetHandle();
    ::SetTextColor(dc, COLORREF(ColorToRGB(FFont->Color())));
    const bool outline = f && f->HasOutLine() && f->OutLine()->Visible();
    const bool gradient = f && f->HasGradient() && f->Gradient()->Visible();
    const bool picture = f && f->HasPicture() && f->Picture()->Graphic();
    if (!outline && !gradient && !picture) {
        ::TextOutW(dc, tx, ty, Text);
        return;
    }
    TextOutWithEffects(tx, ty, Text);
}

void TTeeCanvas3D::TextOutWithEffects(int X, int Y, const String& Text) {
    TTeeFont* f = IFont;
    const bool outline = f->HasOutLine() && f->OutLine()->Visible();
    if (outline)
        AssignVisiblePenColor(f->OutLine(), f->OutLine()->Color());
    else
        FPen->SetStyle(psClear);
    FBrush->SetColor(FFont->Color());
    FBrush->SetStyle(bsSolid);
    HDC dc = GetHandle();
    SetBkMode(dc, TRANSPARENT);
    auto buildPath = [&] {
        BeginPath(dc);
        ::TextOutW(dc, X, Y, Text);
        EndPath(dc);
    };
    const TRect textRect{X, Y, X + FCanvas->TextWidth(Text), Y + FCanvas->TextHeight(Text)};
    buildPath();
    if (f->HasGradient() && f->Gradient()->Visible()) {
        TTeeFontGradient* g = f->Gradient();
        if (g->Outline()) WidenPath(dc);
        SaveDC(dc);
        SelectClipPath(dc, RGN_AND);
        g->Draw(this, textRect, 0);
        RestoreDC(dc, -1);
        if (g->Outline()) return;
        if (outline) {
            buildPath();
            FBrush->SetStyle(bsClear);
        }
    } else if (f->HasPicture() && f->Picture()->Graphic()) {
        SaveDC(dc);
        SelectClipPath(dc, RGN_AND);
        FCanvas->StretchDraw(textRect, f->Picture()->Graphic());
        RestoreDC(dc, -1);
        if (outline) {
            buildPath();
            FBrush->SetStyle(bsClear);
        }
    }
    if (outline) {
        dc = GetHandle();
        if (FFont->Color() == clNone)
            StrokePath(dc);
        else
            StrokeAndFillPath(dc);
    }
}

void TTeeCanvas3D::TextOut3D(int x, int y, int z, const String& Text) {
    Calc3DPos(x, y, z);
    if (!IZoomText || IZoomFactor == 1) {
        TextOut(x, y, Text);
        return;
    }
    const int size = FFont->Size();
    const int zoomed = std::max(1, RoundPx(size * IZoomFactor));
    if (zoomed == size) {
        TextOut(x, y, Text);
        return;
    }
    const int oldHeight = FFont->Height();
    FFont->SetHeight(-RoundPx(zoomed * FFont->PixelsPerInch() / 72.0));
    TextOut(x, y, Text);
    FFont->SetHeight(oldHeight);
}

void TTeeCanvas3D::RotateLabel(int x, int y, const String& St, double RotDegree) {
    while (RotDegree > 360)
        RotDegree -= 360;
    FBrush->SetStyle(bsClear);
    const int oldOrientation = FFont->Orientation();
    const int oldHeight = FFont->Height();
    const Byte oldQuality = FFont->Quality();
    FFont->SetOrientation(RoundPx(RotDegree * 10));
    FFont->SetQuality(TeeFontAntiAlias);
    if (IZoomText && IZoomFactor != 1)
        FFont->SetHeight(
            -RoundPx(std::max(1, RoundPx(FFont->Size() * IZoomFactor)) * FFont->PixelsPerInch() / 72.0));
    HDC dc = GetHandle();
    if (CharacterAngle == 0) {
        TextOut(x, y, St);
    } else {
        // Each character turns by CharacterAngle apart from the line's own angle: a copy
        // of the font with that orientation, in the advanced graphics mode for the call.
        LOGFONTW lf;
        GetObject(FFont->Handle(), int(sizeof(lf)), &lf);
        lf.lfOrientation = RoundPx(CharacterAngle * 10);
        HFONT turned = CreateFontIndirectW(&lf);
        HGDIOBJ oldFont = SelectObject(dc, turned);
        const int oldMode = SetGraphicsMode(dc, GM_ADVANCED);
        TextOut(x, y, St);
        dc = GetHandle();
        SetGraphicsMode(dc, oldMode);
        SelectObject(dc, oldFont);
        DeleteObject(turned);
    }
    FFont->SetOrientation(oldOrientation);
    FFont->SetHeight(oldHeight);
    FFont->SetQuality(oldQuality);
}

void TTeeCanvas3D::RotateLabel3D(int x, int y, int z, const String& St, double RotDegree) {
    Calc3DPos(x, y, z);
    RotateLabel(x, y, St, RotDegree);
}

// ---- gradient bands -------------------------------------------------------------------------

namespace {

struct GradientColours {
    int s[3], d[3];
    int steps;
    int balance;
    GradientColours(TColor start, TColor end, int steps_, int balance_) : steps(steps_), balance(balance_) {
        for (int i = 0; i < 3; ++i) {
            s[i] = (start >> (8 * i)) & 0xFF;
            d[i] = ((end >> (8 * i)) & 0xFF) - s[i];
        }
    }
    COLORREF at(int i) const {
        int c[3];
        if (balance == 50) {
            for (int k = 0; k < 3; ++k)
                c[k] = s[k] + (i * d[k]) / steps;
        } else {
            const double f = std::exp(std::log(double(i + 1) / (steps + 1)) * (0.5 + 0.015 * balance));
            for (int k = 0; k < 3; ++k)
                c[k] = s[k] + RoundPx(d[k] * f);
        }
        for (int& v : c)
            v = std::clamp(v, 0, 255);
        return RGB(Byte(c[0]), Byte(c[1]), Byte(c[2]));
    }
};

// Fills rectangles with the DC brush in one colour after another, setting a colour only
// when it changes.
struct BandPainter {
    HDC dc;
    HGDIOBJ old;
    COLORREF last = CLR_INVALID;
    explicit BandPainter(HDC d) : dc(d), old(SelectObject(d, GetStockObject(DC_BRUSH))) {}
    ~BandPainter() { SelectObject(dc, old); }
    void fill(int x0, int y0, int x1, int y1, COLORREF c) {
        if (x1 <= x0 || y1 <= y0) return;
        if (c != last) {
            TeeSetDCBrushColor(dc, c);
            last = c;
        }
        PatBlt(dc, x0, y0, x1 - x0, y1 - y0, PATCOPY);
    }
};

} // namespace

void TTeeCanvas3D::GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor,
                                TGradientDirection Direction, int Balance, int RadialX, int RadialY) {
    TRect r = OrientRectangle(Rect);
    if (Int64(r.Right) - r.Left > kMaxGradientSide || Int64(r.Bottom) - r.Top > kMaxGradientSide) {
        // Far larger than any surface: only a damaged chart file's sizes give such a rectangle.
        // The gradient then spans the part the DC can draw on, so that the loops below (a row, a
        // ring or a line per pixel) stay small and their arithmetic within int.
        TRect box;
        if (GetClipBox(GetHandle(), &box) == ERROR) return;
        r = TRect{std::max(r.Left, box.Left), std::max(r.Top, box.Top), std::min(r.Right, box.Right),
                  std::min(r.Bottom, box.Bottom)};
        if (r.Right <= r.Left || r.Bottom <= r.Top) return;
        if (Int64(r.Right) - r.Left > kMaxGradientSide || Int64(r.Bottom) - r.Top > kMaxGradientSide) return;
    }
    if (Direction == gdRadial) {
        TCustomTeeGradient g{TNotifyEvent()};
        g.SetDirection(gdRadial);
        g.SetStartColor(StartColor);
        g.SetEndColor(EndColor);
        g.SetBalance(Balance);
        g.SetRadialX(RadialX);
        g.SetRadialY(RadialY);
        g.DrawRadial(this, r);
        return;
    }
    if (Direction != gdTopBottom && Direction != gdLeftRight && Direction != gdDiagonalUp &&
        Direction != gdDiagonalDown)
        std::swap(StartColor, EndColor);
    StartColor = ColorToRGB(StartColor);
    EndColor = ColorToRGB(EndColor);
    const int w = r.Right - r.Left, h = r.Bottom - r.Top;
    HDC dc = GetHandle();

    switch (Direction) {
    case gdTopBottom:
    case gdBottomTop:
    case gdLeftRight:
    case gdRightLeft: {
        const bool vertical = Direction == gdTopBottom || Direction == gdBottomTop;
        const int a = vertical ? h : w;
        const int n = std::min(a, 256);
        if (n - 1 <= 0) return;
        const GradientColours col(StartColor, EndColor, n - 1, Balance);
        BandPainter bp(dc);
        for (int k = 0; k < n; ++k) {
            const int nearEdge = k * a / n, farEdge = (k + 1) * a / n;
            if (vertical)
                bp.fill(r.Left, r.Bottom - farEdge, r.Right, r.Bottom - nearEdge, col.at(k));
            else
                bp.fill(r.Right - farEdge, r.Top, r.Right - nearEdge, r.Bottom, col.at(k));
        }
        break;
    }
    case gdFromCenter: {
        const GradientColours col(StartColor, EndColor, std::max(1, w / 2 + h / 2), Balance);
        BandPainter bp(dc);
        int a = 0, b = 0;
        for (;;) {
            const COLORREF c = col.at(a + b);
            bp.fill(r.Left + b, r.Top + a, r.Left + b + 1, r.Bottom - a, c);
            bp.fill(r.Right - b - 1, r.Top + a, r.Right - b, r.Bottom - a, c);
            bp.fill(r.Left + b, r.Top + a, r.Right - b, r.Top + a + 1, c);
            bp.fill(r.Left + b, r.Bottom - a - 1, r.Right - b, r.Bottom - a, c);
            bool grew = false;
            if (a < h / 2) ++a, grew = true;
            if (b < w / 2) ++b, grew = true;
            if (!grew) break;
        }
        break;
    }
    case gdFromTopLeft:
    case gdFromBottomLeft: {
        const bool top = Direction == gdFromTopLeft;
        const GradientColours col(StartColor, EndColor, std::max(1, w + h), Balance);
        BandPainter bp(dc);
        for (int s = 0; s < w || s < h; ++s) {
            const COLORREF c = col.at(std::min(s, w) + std::min(s, h));
            const int reach = std::min(s, h - 1);
            if (s < w) {
                if (top)
                    bp.fill(r.Left + s, r.Top, r.Left + s + 1, r.Top + reach + 1, c);
                else
                    bp.fill(r.Left + s, r.Bottom - 1 - reach, r.Left + s + 1, r.Bottom, c);
            }
            if (s < h) {
                const int len = std::min(s, w - 1) + 1;
                if (top)
                    bp.fill(r.Left, r.Top + s, r.Left + len, r.Top + s + 1, c);
                else
                    bp.fill(r.Left, r.Bottom - 1 - s, r.Left + len, r.Bottom - s, c);
            }
        }
        break;
    }
    case gdDiagonalUp:
    case gdDiagonalDown: {
        const bool up = Direction == gdDiagonalUp;
        const int bottom = up ? r.Bottom - 1 : r.Bottom - 2;
        const int hh = bottom - r.Top + 1;
        const int d = w + hh;
        const int steps = std::max(1, std::min(255, d - 1));
        const GradientColours col(StartColor, EndColor, steps, Balance);
        HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
        const int oldRop = SetROP2(dc, R2_COPYPEN);
        for (int k = 0; k < d; ++k) {
            // A runs along the left edge away from the corner, then along the far edge;
            // B along the near edge, then up (or down) the right edge.
            TPoint a, b;
            if (up) {
                a = k < hh ? TPoint{r.Left, bottom - k} : TPoint{r.Left + k - hh + 1, r.Top};
                b = k < w ? TPoint{r.Left + k, bottom} : TPoint{r.Right - 1, bottom - (k - w + 1)};
            } else {
                a = k < hh ? TPoint{r.Left, r.Top + k} : TPoint{r.Left + k - hh + 1, bottom};
                b = k < w ? TPoint{r.Left + k, r.Top} : TPoint{r.Right - 1, r.Top + (k - w + 1)};
            }
            TeeSetDCPenColor(dc, col.at(k * steps / d));
            MoveToEx(dc, a.X, a.Y, nullptr);
            ::LineTo(dc, b.X, b.Y);
        }
        SetROP2(dc, oldRop);
        SelectObject(dc, oldPen);
        break;
    }
    case gdRadial:
        break;
    }
}
