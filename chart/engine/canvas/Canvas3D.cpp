#include "chart/engine/canvas/Canvas3D.h"

#include "chart/engine/canvas/View3DOptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"

#include <cmath>
#include <memory>

ORVO_IMPLEMENT_CLASS(TCanvas3D, TTeeCanvas)

HResult TCanvas3D::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IID_IInterface) {
        IInterface* self = this;
        self->_AddRef();
        *Obj = self;
        return S_OK;
    }
    *Obj = nullptr;
    return E_NOINTERFACE;
}

void TCanvas3D::Assign(TCanvas3D* Source) {
    SetMonochrome(Source->GetMonochrome());
    F3DOptions = Source->F3DOptions;
}

void TCanvas3D::HorizLine3D(int Left, int Right, int Y, int Z) {
    MoveTo3D(Left, Y, Z);
    LineTo3D(Right, Y, Z);
}

void TCanvas3D::VertLine3D(int X, int Top, int Bottom, int Z) {
    MoveTo3D(X, Top, Z);
    LineTo3D(X, Bottom, Z);
}

void TCanvas3D::ZLine3D(int X, int Y, int Z0, int Z1) {
    MoveTo3D(X, Y, Z0);
    LineTo3D(X, Y, Z1);
}

void TCanvas3D::FrontPlaneBegin() {
    if (IDisabledRotation++ == 0) DisableRotation();
}

void TCanvas3D::FrontPlaneEnd() {
    if (IDisabledRotation > 0 && --IDisabledRotation == 0) EnableRotation();
}

void TCanvas3D::LineWithZ(int X0, int Y0, int X1, int Y1, int Z) {
    MoveTo3D(X0, Y0, Z);
    LineTo3D(X1, Y1, Z);
}

void TCanvas3D::MoveTo3D(int X, int Y, int Z) {
    MoveTo(Calculate3DPosition(X, Y, Z));
}

void TCanvas3D::LineTo3D(int X, int Y, int Z) {
    LineTo(Calculate3DPosition(X, Y, Z));
}

void TCanvas3D::Calc3DPoints(std::span<const TPoint> Points, int z, TPointArray& Result) {
    Result.resize(Points.size());
    for (std::size_t i = 0; i < Points.size(); ++i)
        Result[i] = Calculate3DPosition(Points[i].X, Points[i].Y, z);
}

void TCanvas3D::PolygonWithZ(std::span<const TPoint> Points, int Z) {
    TPointArray p;
    Calc3DPoints(Points, Z, p);
    Polygon(p);
}

void TCanvas3D::Polyline(std::span<const TPoint> Points, int Z) {
    TPointArray p;
    Calc3DPoints(Points, Z, p);
    Polyline(p);
}

TRect TCanvas3D::CalcRect3D(const TRect& R, int Z) {
    const TPoint a = Calculate3DPosition(R.Left, R.Top, Z);
    const TPoint b = Calculate3DPosition(R.Right, R.Bottom, Z);
    return {a.X, a.Y, b.X, b.Y};
}

void TCanvas3D::FourPointsFromRect(const TRect& R, int Z, TFourPoints& P) {
    P[0] = Calculate3DPosition(R.Left, R.Top, Z);
    P[1] = Calculate3DPosition(R.Right, R.Top, Z);
    P[2] = Calculate3DPosition(R.Right, R.Bottom, Z);
    P[3] = Calculate3DPosition(R.Left, R.Bottom, Z);
}

TRect TCanvas3D::RectFromRectZ(const TRect& R, int Z) {
    TFourPoints p;
    FourPointsFromRect(R, Z, p);
    return RectFromPolygon(p, 4);
}

void TCanvas3D::RotatedEllipse(int Left, int Top, int Right, int Bottom, int Z, double Angle) {
    const double cx = (Left + Right) / 2.0, cy = (Top + Bottom) / 2.0;
    const double rx = cx - Left, ry = cy - Top;
    const double c = std::cos(Angle * TeePiStep), s = std::sin(Angle * TeePiStep);
    TCirclePoints q;
    for (int i = 0; i < 64; ++i) {
        const double t = i * 2 * 3.14159265358979323846 / 63;
        const double px = std::sin(t) * rx, py = std::cos(t) * ry;
        q[std::size_t(i)] = {RoundPx(c * px + s * py + cx), RoundPx(-s * px + c * py + cy)};
    }
    if (Brush()->Style() != bsClear) {
        const TPenStyle old = Pen()->Style();
        Pen()->SetStyle(psClear);
        const TPoint centre{RoundPx(cx), RoundPx(cy)};
        for (int k = 0; k < 63; ++k) {
            const TPoint tri[3] = {centre, q[std::size_t(k)], q[std::size_t(k + 1)]};
            PolygonWithZ(tri, Z);
        }
        Pen()->SetStyle(old);
    }
    if (Pen()->Style() != psClear) Polyline(q, Z);
}

namespace {

// Bytes per pixel of a bitmap's scan lines: 3 for 24-bit rows, 4 for the 32-bit ones.
int bytesPerPixel(TBitmap* b) {
    return b->PixelFormat() == pf24bit ? 3 : 4;
}

} // namespace

void TCanvas3D::StretchDraw(const TRect& Rect, TGraphic* Graphic, int Pos, TCanvas3DPlane Plane) {
    if (!Graphic) return;
    Pen()->SetStyle(psClear);
    TBitmap* b = dynamic_cast<TBitmap*>(Graphic);
    std::unique_ptr<TBitmap> temp;
    if (!b) {
        temp = std::make_unique<TBitmap>();
        temp->SetPixelFormat(pf24bit);
        temp->SetSize(Graphic->Width(), Graphic->Height());
        temp->Canvas()->Draw(0, 0, Graphic);
        b = temp.get();
    }
    const int w = b->Width(), h = b->Height();
    if (w == 0 || h == 0) return;
    const double sy = double(Rect.Bottom - Rect.Top) / h;
    const double sx = double(Rect.Right - Rect.Left) / w;
    const int bpp = bytesPerPixel(b);
    // Copy the pixels out first: drawing may go to the same bitmap's canvas.
    std::vector<TColor> pixels(std::size_t(w) * std::size_t(h));
    for (int r = 0; r < h; ++r) {
        const auto* row = static_cast<const Byte*>(b->ScanLine(r));
        for (int c = 0; c < w; ++c) {
            const Byte* p = row + c * bpp;
            pixels[std::size_t(r) * std::size_t(w) + std::size_t(c)] = TColor(RGB(p[2], p[1], p[0]));
        }
    }
    HDC dc = GetHandle();
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(DC_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    auto project = [&](int x, int y) {
        switch (Plane) {
        case cpX:
            return Calculate3DPosition(Pos, y, x);
        case cpY:
            return Calculate3DPosition(x, Pos, y);
        default:
            return Calculate3DPosition(x, y, Pos);
        }
    };
    int y0 = Rect.Top;
    for (int r = 0; r < h; ++r) {
        const int y1 = RoundPx((r + 1) * sy) + Rect.Top;
        int x0 = Rect.Left;
        for (int c = 0; c < w; ++c) {
            const int x1 = RoundPx((c + 1) * sx) + Rect.Left;
            const TPoint cell[4] = {project(x0, y0), project(x1, y0), project(x1, y1), project(x0, y1)};
            TeeSetDCBrushColor(dc, COLORREF(pixels[std::size_t(r) * std::size_t(w) + std::size_t(c)]));
            ::Polygon(dc, cell, 4);
            x0 = x1;
        }
        y0 = y1;
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

void TCanvas3D::CalcPieAngles(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4,
                              double& StartAngle, double& EndAngle) {
    const int cx = X1 + (X2 - X1) / 2, cy = Y1 + (Y2 - Y1) / 2;
    constexpr double twoPi = 2 * 3.14159265358979323846;
    StartAngle = std::atan2(double(cy - Y3), double(X3 - cx));
    if (StartAngle < 0) StartAngle += twoPi;
    EndAngle = std::atan2(double(cy - Y4), double(X4 - cx));
    if (EndAngle < 0) EndAngle += twoPi;
    StartAngle *= 57.29577951308232;
    EndAngle *= 57.29577951308232;
    if (EndAngle == 0) EndAngle = 360;
}
