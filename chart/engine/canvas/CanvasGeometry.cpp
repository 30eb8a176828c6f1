#include "chart/engine/canvas/CanvasGeometry.h"

#include "platform/classes/TypInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>
#include <climits>

ORVO_IMPLEMENT_ENUM_TYPE(TPenEndStyle, "esRound", "esSquare", "esFlat")
ORVO_IMPLEMENT_ENUM_TYPE(TGradientDirection, "gdTopBottom", "gdBottomTop", "gdLeftRight", "gdRightLeft",
                         "gdFromCenter", "gdFromTopLeft", "gdFromBottomLeft", "gdRadial", "gdDiagonalUp",
                         "gdDiagonalDown")

int TeeDefaultConePercent = 0;
bool TeeCheckPenWidth = false;
Byte DarkerColorQuantity = 128;
Byte DarkColorQuantity = 64;
bool IsWindowsNT = true;
int GetDefaultFontSize = 8;
String GetDefaultFontName = QStringLiteral("Arial");
TStrings* TeeCustomEditColors = nullptr;
Byte TeeFontAntiAlias = ANTIALIASED_QUALITY;
int TeeNumCylinderSides = 16;
TTeeGradientRotate TeeGradientRotate = nullptr;
TTeeSetDCColor TeeSetDCBrushColor = &SetDCBrushColor;
TTeeSetDCColor TeeSetDCPenColor = &SetDCPenColor;
bool TeeAlphaBlendAvailable = true;

TRect OrientRectangle(const TRect& R) {
    TRect r = R;
    if (r.Right < r.Left) std::swap(r.Left, r.Right);
    if (r.Bottom < r.Top) std::swap(r.Top, r.Bottom);
    return r;
}

TRect PolygonBounds(std::span<const TPoint> Points) {
    if (Points.empty()) return TeeZeroRect;
    TRect r{Points[0].X, Points[0].Y, Points[0].X, Points[0].Y};
    for (const TPoint& p : Points.subspan(1)) {
        r.Left = std::min(r.Left, p.X);
        r.Right = std::max(r.Right, p.X);
        r.Top = std::min(r.Top, p.Y);
        r.Bottom = std::max(r.Bottom, p.Y);
    }
    return r;
}

TRect RectFromPolygon(std::span<const TPoint> Points, int NumPoints) {
    const int n = std::clamp(NumPoints, 0, int(Points.size()));
    TRect r = PolygonBounds(Points.first(std::size_t(n)));
    if (n > 0) {
        ++r.Right;
        ++r.Bottom;
    }
    return r;
}

bool PolygonInPolygon(std::span<const TPoint> A, std::span<const TPoint> B) {
    if (B.empty()) return A.empty();
    for (const TPoint& p : A) {
        bool inside = false;
        std::size_t j = B.size() - 1;
        for (std::size_t i = 0; i < B.size(); j = i++) {
            const TPoint& bi = B[i];
            const TPoint& bj = B[j];
            const bool spans = (bi.Y <= p.Y && p.Y < bj.Y) || (bj.Y <= p.Y && p.Y < bi.Y);
            if (spans && p.X <= double(bj.X - bi.X) * (p.Y - bi.Y) / double(bj.Y - bi.Y) + bi.X)
                inside = !inside;
        }
        if (!inside) return false;
    }
    return true;
}

bool TeeCull(TPoint P0, TPoint P1, TPoint P2) {
    const int dx0 = P0.X - P1.X, dy0 = P0.Y - P1.Y;
    const int dx2 = P2.X - P1.X, dy2 = P2.Y - P1.Y;
    return dx0 * dy2 - dx2 * dy0 < 0;
}

TPoint PointAtDistance(TPoint From, TPoint To, int Distance) {
    if (From.X == To.X) return {To.X, To.Y < From.Y ? To.Y + Distance : To.Y - Distance};
    const double a = std::atan2(double(To.Y - From.Y), double(To.X - From.X));
    return {To.X - RoundPx(std::cos(a) * Distance), To.Y - RoundPx(std::sin(a) * Distance)};
}

TArrowFrame::TArrowFrame(TPoint From, TPoint To, int HeadHeight) {
    const double dx = To.X - From.X;
    const double dy = From.Y - To.Y;
    Length = TeeDistance(dy, dx);
    if (Length == 0) return;
    const double h = std::min<double>(HeadHeight, double(RoundPx(Length)));
    Sin = dy / Length;
    Cos = dx / Length;
    UFrom = From.X * Cos - From.Y * Sin;
    UTo = To.X * Cos - To.Y * Sin;
    VTo = To.X * Sin + To.Y * Cos;
    UHead = UTo - h;
}

TPoint TArrowFrame::At(double U, double V) const {
    return TPoint{RoundPx(U * Cos + V * Sin), RoundPx(-U * Sin + V * Cos)};
}

void TeeSetBitmapSize(TBitmap* Bitmap, int Width, int Height) {
    Bitmap->SetSize(Width, Height);
}

namespace {

void sortByKey(TPointArray& p, std::vector<float>& key, int lo, int hi) {
    // Quicksort on the middle key; equal keys may change places.
    int i = lo, j = hi;
    const float mid = key[std::size_t((lo + hi) / 2)];
    while (i <= j) {
        while (key[std::size_t(i)] < mid)
            ++i;
        while (key[std::size_t(j)] > mid)
            --j;
        if (i <= j) {
            std::swap(key[std::size_t(i)], key[std::size_t(j)]);
            std::swap(p[std::size_t(i)], p[std::size_t(j)]);
            ++i;
            --j;
        }
    }
    if (lo < j) sortByKey(p, key, lo, j);
    if (i < hi) sortByKey(p, key, i, hi);
}

} // namespace

bool ConvexHull(TPointArray& Points) {
    const int n = int(Points.size());
    if (n == 3) return true;
    if (n < 3) return false;
    // The pivot is the topmost point, the rightmost of those. Seeding the search with the
    // first point (not with a far-away sentinel) finds it whatever the coordinates.
    int pivotIndex = 0;
    for (int i = 1; i < n; ++i) {
        const TPoint& p = Points[std::size_t(i)];
        const TPoint& q = Points[std::size_t(pivotIndex)];
        if (p.Y < q.Y || (p.Y == q.Y && p.X > q.X)) pivotIndex = i;
    }
    const TPoint pivot = Points[std::size_t(pivotIndex)];
    Points[std::size_t(pivotIndex)] = Points.back();
    Points.pop_back();

    std::vector<float> key(Points.size());
    for (std::size_t i = 0; i < Points.size(); ++i) {
        const float dx = float(pivot.X - Points[i].X);
        const float dy = float(pivot.Y - Points[i].Y);
        const float d = std::sqrt(dx * dx + dy * dy);
        key[i] = d == 0 ? 0.0f : dx / d;
    }
    if (!Points.empty()) sortByKey(Points, key, 0, int(Points.size()) - 1);

    // Walk the points in angle order; a point where the outline does not turn the
    // hull's way lies inside and is dropped, and its predecessor is looked at again.
    int i = 1;
    while (i < int(Points.size())) {
        const TPoint prev = Points[std::size_t(i - 1)];
        const TPoint next = i + 1 < int(Points.size()) ? Points[std::size_t(i + 1)] : pivot;
        const TPoint cur = Points[std::size_t(i)];
        const Int64 cross =
            Int64(prev.X - cur.X) * (next.Y - cur.Y) - Int64(next.X - cur.X) * (prev.Y - cur.Y);
        if (cross < 0) {
            ++i;
        } else {
            Points.erase(Points.begin() + i);
            i = std::max(1, i - 1);
        }
    }
    Points.push_back(pivot);
    return true;
}

TColor ApplyDark(TColor Color, Byte HowMuch) {
    const TColor c = ColorToRGB(Color);
    auto dark = [HowMuch](int v) { return v > HowMuch ? v - HowMuch : 0; };
    return TColor(RGB(Byte(dark(c & 0xFF)), Byte(dark((c >> 8) & 0xFF)), Byte(dark((c >> 16) & 0xFF))));
}

TColor ApplyBright(TColor Color, Byte HowMuch) {
    const TColor c = ColorToRGB(Color);
    auto bright = [HowMuch](int v) { return std::min(255, v + HowMuch); };
    return TColor(RGB(Byte(bright(c & 0xFF)), Byte(bright((c >> 8) & 0xFF)), Byte(bright((c >> 16) & 0xFF))));
}
