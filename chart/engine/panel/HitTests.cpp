#include "chart/engine/panel/HitTests.h"

#include <algorithm>
#include <cmath>

namespace {
// Distance from P to the segment P0-P1.
double segmentDistance(TPoint P, double X0, double Y0, double X1, double Y1) {
    const double px = P.X, py = P.Y;
    const double dx = X1 - X0, dy = Y1 - Y0;
    const double len2 = dx * dx + dy * dy;
    if (len2 == 0) return TeeDistance(px - X0, py - Y0);
    const double u = ((px - X0) * dx + (py - Y0) * dy) / len2;
    if (u < 0) return TeeDistance(px - X0, py - Y0);
    if (u > 1) return TeeDistance(px - X1, py - Y1);
    return TeeDistance(px - (X0 + u * dx), py - (Y0 + u * dy));
}
} // namespace

bool PointInLineTolerance(TPoint P, int X0, int Y0, int X1, int Y1, int Tolerance) {
    if ((P.X == X0 && P.Y == Y0) || (P.X == X1 && P.Y == Y1)) return true;
    return segmentDistance(P, X0, Y0, X1, Y1) <= double(Tolerance) + 1.0;
}

bool PointInPolygon(TPoint P, std::span<const TPoint> Points, int High) {
    High = std::min(High, int(Points.size()) - 1);
    if (High < 0) return false;
    bool inside = false;
    const double px = P.X, py = P.Y;
    int j = High;
    for (int i = 0; i <= High; ++i) {
        const double xi = Points[i].X, yi = Points[i].Y;
        const double xj = Points[j].X, yj = Points[j].Y;
        if (((py >= yi && py < yj) || (py >= yj && py < yi)) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
            inside = !inside;
        j = i;
    }
    return inside;
}

bool PointInTriangle(TPoint P, TPoint P0, TPoint P1, TPoint P2) {
    const TPoint pts[3] = {P0, P1, P2};
    return PointInPolygon(P, pts, 2);
}

bool PointInTriangle(TPoint P, int X0, int X1, int Y0, int Y1) {
    return PointInTriangle(P, TPoint{X0, Y1}, TPoint{int((Int64(X0) + X1) / 2), Y0}, TPoint{X1, Y1});
}

bool PointInHorizTriangle(TPoint P, int Y0, int Y1, int X0, int X1) {
    return PointInTriangle(P, TPoint{X1, Y0}, TPoint{X0, int((Int64(Y0) + Y1) / 2)}, TPoint{X1, Y1});
}

bool PointInEllipse(TPoint P, int Left, int Top, int Right, int Bottom) {
    const Int64 cx = (Int64(Left) + Right) / 2, cy = (Int64(Top) + Bottom) / 2;
    const double rx = double(cx - Left), ry = double(cy - Top);
    const double rx2 = rx * rx, ry2 = ry * ry;
    if (rx2 == 0 || ry2 == 0) return false;
    const double dx = double(P.X - cx), dy = double(P.Y - cy);
    return dx * dx / rx2 + dy * dy / ry2 <= 1.0;
}

bool CrossingLines(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4,
                   double& X, double& Y) {
    const double m1 = (Y2 - Y1) / (X2 - X1), m2 = (Y4 - Y3) / (X4 - X3);
    const double b1 = Y1 - m1 * X1, b2 = Y3 - m2 * X3;
    X = std::abs(m2 - m1) <= 1e-15 ? X2 : (b1 - b2) / (m2 - m1);
    Y = m1 * X + b1;

    const double c1 = X1 * Y2 - X2 * Y1, c2 = X3 * Y4 - X4 * Y3;
    auto s = [&](double px, double py) { return (Y2 - Y1) * px - (X2 - X1) * py - c1; };
    auto t = [&](double px, double py) { return (Y4 - Y3) * px - (X4 - X3) * py - c2; };
    const double s3 = s(X3, Y3), s4 = s(X4, Y4), t1 = t(X1, Y1), t2 = t(X2, Y2);
    if ((s3 > 0) != (s4 > 0) && (t1 > 0) != (t2 > 0)) return true;
    return (s3 != 0) != (s4 != 0) && (t1 != 0) != (t2 != 0);
}
