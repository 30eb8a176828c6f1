// Hit tests of the chart engine: whether a point lies on a line, inside a polygon, a
// triangle or an ellipse, and where two segments cross. Coordinates are integer pixels;
// the tests compute in floating point so that no coordinate range overflows.
#pragma once

#include "chart/engine/canvas/CanvasGeometry.h"

#include <span>

// True when P equals either end point or lies at most Tolerance + 1 pixels from the
// segment (X0, Y0)-(X1, Y1).
bool PointInLineTolerance(TPoint P, int X0, int Y0, int X1, int Y1, int Tolerance);
inline bool PointInLine(TPoint P, int X0, int Y0, int X1, int Y1, int Tolerance) {
    return PointInLineTolerance(P, X0, Y0, X1, Y1, Tolerance);
}
inline bool PointInLine(TPoint P, int X0, int Y0, int X1, int Y1) {
    return PointInLineTolerance(P, X0, Y0, X1, Y1, 0);
}
inline bool PointInLine(TPoint P, TPoint From, TPoint To) {
    return PointInLineTolerance(P, From.X, From.Y, To.X, To.Y, 0);
}
inline bool PointInLine(TPoint P, TPoint From, TPoint To, int Tolerance) {
    return PointInLineTolerance(P, From.X, From.Y, To.X, To.Y, Tolerance);
}

// Even-odd rule over Points[0 .. High]; false when High < 0. High beyond the span is held
// to its last point.
bool PointInPolygon(TPoint P, std::span<const TPoint> Points, int High);
inline bool PointInPolygon(TPoint P, std::span<const TPoint> Points) {
    return PointInPolygon(P, Points, int(Points.size()) - 1);
}
// The polygon of three points.
bool PointInTriangle(TPoint P, TPoint P0, TPoint P1, TPoint P2);
// The upright triangle with base corners (X0, Y1), (X1, Y1) and apex ((X0 + X1) / 2, Y0).
bool PointInTriangle(TPoint P, int X0, int X1, int Y0, int Y1);
// The sideways triangle (X1, Y0), (X0, (Y0 + Y1) / 2), (X1, Y1).
bool PointInHorizTriangle(TPoint P, int Y0, int Y1, int X0, int X1);
// Inside the ellipse inscribed in the rectangle (centre and radii in integer halves);
// never when a radius is 0.
bool PointInEllipse(TPoint P, int Left, int Top, int Right, int Bottom);
inline bool PointInEllipse(TPoint P, const TRect& Rect) {
    return PointInEllipse(P, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
}

// X, Y := the crossing of the infinite lines through (X1, Y1)-(X2, Y2) and (X3, Y3)-(X4, Y4)
// (meaningful only when neither is vertical); the result tells whether the segments cross.
bool CrossingLines(double X1, double Y1, double X2, double Y2, double X3, double Y3, double X4, double Y4,
                   double& X, double& Y);
