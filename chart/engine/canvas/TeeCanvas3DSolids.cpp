// The curved and pointed solids of the GDI 3-D canvas: extruded pie and donut slices,
// the flat donut segment, cylinders and cones, pyramids and truncated pyramids. Sample
// points are projected, faces that look away are skipped, side faces darkened, and every
// face is drawn as a 2-D polygon.
#include "chart/engine/canvas/TeeCanvas3D.h"

#include "chart/engine/canvas/TeeGradient.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double kTwoPi = 2 * 3.14159265358979323846;
} // namespace

// ---- the flat donut segment -------------------------------------------------------------------

void TTeeCanvas3D::Donut(int XCenter, int YCenter, int XRadius, int YRadius, double StartAngle,
                         double EndAngle, double HolePercent) {
    if (!std::isfinite(StartAngle) || !std::isfinite(EndAngle)) return;
    // A hole wider than the ring would draw outside the ring's box.
    const double hole = std::isfinite(HolePercent) ? std::clamp(HolePercent, 0.0, 100.0) : 0;
    const double hx = hole * XRadius * 0.01, hy = hole * YRadius * 0.01;
    auto at = [&](double a, double rx, double ry) {
        return TPoint{RoundPx(std::cos(a) * rx, XCenter), YCenter - RoundPx(std::sin(a) * ry)};
    };
    const TPoint o0 = at(StartAngle, XRadius, YRadius), o1 = at(EndAngle, XRadius, YRadius);
    const TPoint i0 = at(StartAngle, hx, hy), i1 = at(EndAngle, hx, hy);
    HDC dc = GetHandle();
    MoveTo(o0.X, o0.Y);
    BeginPath(dc);
    ArcTo(dc, XCenter - XRadius, YCenter - YRadius, XCenter + XRadius, YCenter + YRadius, o0.X, o0.Y, o1.X,
          o1.Y);
    if (i1 != i0) {
        const int rx = RoundPx(hx), ry = RoundPx(hy);
        SetArcDirection(dc, AD_CLOCKWISE);
        ArcTo(dc, XCenter - rx, YCenter - ry, XCenter + rx, YCenter + ry, i1.X, i1.Y, i0.X, i0.Y);
        SetArcDirection(dc, AD_COUNTERCLOCKWISE);
    }
    EndPath(dc);
    StrokeAndFillPath(dc);
}

// ---- pies and donut slices ---------------------------------------------------------------------

void TTeeCanvas3D::Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1,
                         double StartAngle, double EndAngle, bool DarkSides, bool DrawSides, int DonutPercent,
                         TCustomTeeGradient* Gradient) {
    if (!std::isfinite(StartAngle) || !std::isfinite(EndAngle)) return;
    const int n = std::min(RoundPx(std::abs(EndAngle - StartAngle) / TeePiStep / 2), 94) + 2;
    const double step = (EndAngle - StartAngle) / (n - 1);
    // A hole wider than the slice would reach outside the slice's box.
    const int donut = std::clamp(DonutPercent, 0, 100);
    const double hx = donut * XRadius * 0.01, hy = donut * YRadius * 0.01;
    auto inner = [&](double a, int z) {
        TPoint p;
        if (donut > 0)
            Calc3DPoint(p, XCenter + hx * std::cos(a), double(YCenter - RoundPx(hy * std::sin(a))), z);
        else
            Calc3DPoint(p, double(XCenter), double(YCenter), z);
        return p;
    };
    std::vector<TPoint> o0(std::size_t(n) + 1), o1(std::size_t(n) + 1); // 1-based
    std::vector<double> angle(std::size_t(n) + 1);
    for (int k = 1; k <= n; ++k) {
        const double a = StartAngle + (k - 1) * step;
        angle[std::size_t(k)] = a;
        const double x = XRadius * std::cos(a) + XCenter, y = YCenter - YRadius * std::sin(a);
        Calc3DPoint(o1[std::size_t(k)], x, y, Z1);
        Calc3DPoint(o0[std::size_t(k)], x, y, Z0);
    }
    const TPoint c1 = inner(StartAngle, Z1);
    const bool pattern = FBrush->Bitmap() != nullptr;
    const TColor base = pattern ? clNone : BaseColor();
    const bool darken = DarkSides && !pattern;

    if (donut > 0) {
        TPointArray wall;
        wall.reserve(std::size_t(2 * n));
        for (int k = n; k >= 1; --k)
            wall.push_back(inner(angle[std::size_t(k)], Z1));
        for (int k = 1; k <= n; ++k)
            wall.push_back(inner(angle[std::size_t(k)], Z0));
        if (darken) InternalDark(base, 32);
        Polygon(wall);
    }

    if (DrawSides) {
        if (o1[std::size_t(n)].X < XCenterOffset) {
            IPoints = {inner(EndAngle, Z1), o1[std::size_t(n)], o0[std::size_t(n)], inner(EndAngle, Z0)};
            if (darken) InternalDark(base, 32);
            PolygonFour();
        }
        if (o1[1].X > XCenterOffset) {
            IPoints = {c1, o1[1], o0[1], inner(StartAngle, Z0)};
            if (darken) InternalDark(base, 32);
            PolygonFour();
        }
    }

    if (!pattern) {
        if (FBrush->Style() == bsSolid)
            FBrush->SetColor(base);
        else
            SetBackColor(base);
    }

    TPointArray face;
    face.reserve(std::size_t(2 * n + 1));
    face.push_back(c1);
    face.insert(face.end(), o1.begin() + 1, o1.end());
    if (donut > 0)
        for (int k = n; k >= 1; --k)
            face.push_back(inner(angle[std::size_t(k)], Z1));
    if (Gradient)
        PolygonGradient(face, Gradient);
    else
        Polygon(face);

    // The curved wall, only where it faces the viewer: where the projected arc runs to
    // the right.
    auto drawRun = [&](int start, int end) {
        TPointArray run;
        run.reserve(std::size_t(2 * (end - start + 1)));
        for (int k = start; k <= end; ++k)
            run.push_back(o1[std::size_t(k)]);
        for (int k = end; k >= start; --k)
            run.push_back(o0[std::size_t(k)]);
        if (darken) InternalDark(base, 32);
        if (Gradient)
            PolygonGradient(run, Gradient);
        else
            Polygon(run);
    };
    auto X = [&](int k) { return o1[std::size_t(k)].X; };
    if (n < 2) return;
    int i = 2;
    while (i <= n && X(i) <= X(i - 1))
        ++i;
    if (i > n) return;
    const int start = i - 1;
    int end = 0;
    for (int j = i + 1; j <= n - 1; ++j)
        if (X(j + 1) < X(j)) {
            end = j;
            break;
        }
    if (end == 0 && X(n) >= X(n - 1)) end = n;
    if (end != 0) drawRun(start, end);
    if (end != n && X(n) > X(n - 1)) {
        int s = n - 1;
        while (s > 1 && X(s) > X(s - 1))
            --s;
        if (s > 1) drawRun(s, n);
    }
}

// ---- cylinders and cones --------------------------------------------------------------------------

void TTeeCanvas3D::Cylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                            bool Dark3D) {
    InternalCylinder(Vertical, Left, Top, Right, Bottom, Z0, Z1, Dark3D, 100);
}

void TTeeCanvas3D::Cone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool Dark3D,
                        int ConePercent) {
    InternalCylinder(Vertical, Left, Top, Right, Bottom, Z0, Z1, Dark3D, ConePercent);
}

void TTeeCanvas3D::InternalCylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                                    bool Dark3D, int ConePercent) {
    if (ConePercent == 0) ConePercent = TeeDefaultConePercent;
    // The far end is never wider than the base: a wider one would leave the solid's box.
    ConePercent = std::clamp(ConePercent, 0, 100);
    const TColor base = BaseColor();
    const int rz = (Z1 - Z0) / 2, zc = (Z0 + Z1) / 2;
    const int r = Vertical ? (Right - Left) / 2 : (Bottom - Top) / 2;
    const int centre = Vertical ? (Left + Right) / 2 : (Top + Bottom) / 2;
    const int rf = RoundPx(r * ConePercent * 0.01), rzf = RoundPx(rz * ConePercent * 0.01);
    const int n = TeeCylinderSides();
    TPointArray far(static_cast<std::size_t>(n)), ring(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const double a = k * kTwoPi / n, s = std::sin(a), c = std::cos(a);
        const int across = centre + RoundPx(s * r), farAcross = centre + RoundPx(s * rf);
        const int z = zc - RoundPx(c * rz), farZ = zc - RoundPx(c * rzf);
        if (Vertical) {
            Calc3DPoint(ring[std::size_t(k)], across, Bottom, z);
            Calc3DPoint(far[std::size_t(k)], farAcross, Top, farZ);
        } else {
            Calc3DPoint(ring[std::size_t(k)], Left, across, z);
            Calc3DPoint(far[std::size_t(k)], Right, farAcross, farZ);
        }
    }
    auto side = [&](int a, int b) {
        IPoints = {far[std::size_t(a)], ring[std::size_t(a)], ring[std::size_t(b)], far[std::size_t(b)]};
        return !TeeCull(IPoints[0], IPoints[1], IPoints[2]);
    };
    for (int k = 1; k < n; ++k)
        if (side(k - 1, k)) {
            if (Dark3D) InternalDark(base, Byte(std::min(255, (256 / (2 * n)) * (k - 1))));
            PolygonFour();
        }
    if (side(n - 1, 0)) PolygonFour();

    bool farCover = Vertical;
    if (!Vertical) {
        TPoint p0, p1, p2;
        Calc3DPoint(p0, 0, 0, 0);
        Calc3DPoint(p1, 0, 10, 0);
        Calc3DPoint(p2, 0, 10, 10);
        farCover = TeeCull(p0, p1, p2);
    }
    if (Dark3D) InternalDark(base, DarkColorQuantity);
    // The left end of a horizontal solid is its base ring, whatever the far end's size.
    Polygon(farCover ? far : ring);
}

// ---- pyramids ---------------------------------------------------------------------------------------

void TTeeCanvas3D::Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int z0, int z1,
                           bool DarkSides) {
    const TColor base = BaseColor();
    const int mid = (z0 + z1) / 2;
    auto P = [&](int x, int y, int z) {
        TPoint p;
        Calc3DPoint(p, x, y, z);
        return p;
    };
    auto tri = [&](TPoint a, TPoint b, TPoint c) {
        const TPoint t[3] = {a, b, c};
        Polygon(t);
    };
    if (Vertical) {
        const bool up = Top < Bottom;
        const TPoint A0 = P(Left, Bottom, z0), B0 = P(Right, Bottom, z0), A1 = P(Left, Bottom, z1),
                     B1 = P(Right, Bottom, z1);
        if (Top != Bottom) {
            const TPoint apex = P((Left + Right) / 2, Top, mid);
            tri(A0, B0, apex);
            if (TeeCull(A0, apex, A1) != up) tri(A0, apex, A1);
            if (DarkSides) InternalDark(base, DarkerColorQuantity);
            if (TeeCull(B0, apex, B1) == up) tri(B0, apex, B1);
            if (up && TeeCull(apex, A1, B1)) tri(apex, A1, B1);
        }
        if (TeeCull(A0, B0, A1) == up) {
            if (DarkSides) InternalDark(base, DarkColorQuantity);
            RectangleY(Left, Bottom, Right, z0, z1);
        }
        return;
    }
    const bool right = Left < Right;
    const TPoint A0 = P(Left, Top, z0), B0 = P(Left, Bottom, z0), A1 = P(Left, Top, z1),
                 B1 = P(Left, Bottom, z1);
    if (Left != Right) {
        const TPoint apex = P(Right, (Top + Bottom) / 2, mid);
        tri(A0, B0, apex);
        if (TeeCull(A1, apex, B1) != right) tri(A1, apex, B1);
        if (DarkSides) InternalDark(base, DarkColorQuantity);
        if (TeeCull(A0, apex, A1) != right) tri(A0, apex, A1);
        if (TeeCull(B1, apex, B0) != right) tri(B1, apex, B0);
    }
    if (TeeCull(A0, B0, A1) == right) {
        if (DarkSides) InternalDark(base, DarkerColorQuantity);
        RectangleZ(Left, Top, Bottom, z0, z1);
    }
}

void TTeeCanvas3D::PyramidTrunc(const TRect& R, int StartZ, int EndZ, int TruncX, int TruncZ) {
    const int xc = (R.Left + R.Right) / 2, mid = (StartZ + EndZ) / 2;
    const bool upward = R.Top < R.Bottom;
    auto topFace = [&] {
        if (TruncX != 0) RectangleY(xc - TruncX, R.Top, xc + TruncX, mid - TruncZ, mid + TruncZ);
    };
    auto baseFace = [&] { RectangleY(R.Left, R.Bottom, R.Right, StartZ, EndZ); };
    auto depthFace = [&](int zTop, int zBase) {
        const TFourPoints flat = {TPoint{xc - TruncX, R.Top}, TPoint{xc + TruncX, R.Top},
                                  TPoint{R.Right, R.Bottom}, TPoint{R.Left, R.Bottom}};
        TPoint p1, p2, p3;
        Calc3DPoint(p1, flat[1].X, flat[1].Y, zTop);
        Calc3DPoint(p2, flat[2].X, flat[2].Y, zBase);
        Calc3DPoint(p3, flat[3].X, flat[3].Y, zBase);
        bool show = TeeCull(p1, p2, p3);
        if ((zTop < zBase && zTop >= 1 && upward) || (zBase < zTop && R.Bottom < R.Top)) show = !show;
        if (show) PlaneFour3D(flat, zTop, zBase);
    };
    auto sideFace = [&](int xBase, int xTop) {
        Calc3DPoint(IPoints[0], xTop, R.Top, mid - TruncZ);
        Calc3DPoint(IPoints[1], xTop, R.Top, mid + TruncZ);
        Calc3DPoint(IPoints[2], xBase, R.Bottom, EndZ);
        Calc3DPoint(IPoints[3], xBase, R.Bottom, StartZ);
        bool show = TeeCull(IPoints[3], IPoints[2], IPoints[1]);
        if ((xTop < xBase && upward) || (xBase < xTop && R.Bottom < R.Top)) show = !show;
        if (show) PolygonFour();
    };
    if (upward)
        baseFace();
    else
        topFace();
    depthFace(mid + TruncZ, EndZ);
    if (TruncX != 0 || StartZ != EndZ) {
        sideFace(R.Left, xc - TruncX);
        depthFace(mid - TruncZ, StartZ);
        sideFace(R.Right, xc + TruncX);
    }
    if (upward)
        topFace();
    else
        baseFace();
}
