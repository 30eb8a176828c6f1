// The records, enumerations and free helpers the chart canvases share: 3-D points,
// quadrilaterals, the geometry and colour helpers, the convex hull used to clip boxes,
// the change test of the options' setters, and the settings of the canvas unit that
// other units read.
#pragma once

#include "platform/graphics/Color.h"
#include "platform/graphics/GdiTypes.h"
#include "platform/rtl/SysMath.h"

#include <array>
#include <functional>
#include <span>
#include <vector>

class TBitmap;
class TCustomTeeGradient;
class TStrings;

struct TPoint3D {
    int x = 0;
    int y = 0;
    int z = 0;
    constexpr bool operator==(const TPoint3D&) const = default;
};
struct TPoint3DFloat {
    double X = 0;
    double Y = 0;
    double Z = 0;
};
using TFourPoints = std::array<TPoint, 4>;
using TTrianglePoints3D = std::array<TPoint3D, 3>;
using TTriangleColors3D = std::array<TColor, 3>;
using TCirclePoints = std::array<TPoint, 64>;
using TPointArray = std::vector<TPoint>;

// One pixel of a 24-bit bitmap row.
struct TRGB {
    Byte Blue = 0;
    Byte Green = 0;
    Byte Red = 0;
};
// Percent, 0..100.
using TTeeTransparency = int;

using TTeeCanvasCalcPoints =
    std::function<bool(int x, int z, TPoint3D& P0, TPoint3D& P1, TColor& Color0, TColor& Color1)>;

enum TCanvasBackMode { cbmNone, cbmTransparent, cbmOpaque };
enum TPenEndStyle { esRound, esSquare, esFlat };
enum TGradientDirection {
    gdTopBottom,
    gdBottomTop,
    gdLeftRight,
    gdRightLeft,
    gdFromCenter,
    gdFromTopLeft,
    gdFromBottomLeft,
    gdRadial,
    gdDiagonalUp,
    gdDiagonalDown
};
enum TTeeCanvasSurfaceStyle { tcsSolid, tcsWire, tcsDot };
enum TCanvas3DPlane { cpX, cpY, cpZ };
enum TSmoothStretchOption { ssBestQuality, ssBestPerformance };

struct TTypeInfo;
const TTypeInfo* TypeInfoOf(TPenEndStyle*);
const TTypeInfo* TypeInfoOf(TGradientDirection*);

// A floating pixel position to an integer pixel: nearest, ties to even; NaN gives 0 and
// infinities the int limits, so a degenerate projection never produces garbage.
inline int RoundPx(double v) {
    return CheckedInt(Round(v));
}
// RoundPx(v) moved by a whole-pixel offset, held to the int range instead of overflowing
// when the rounded position is already at a limit.
inline int RoundPx(double v, int offset) {
    return CheckedInt(Int64(RoundPx(v)) + Int64(offset));
}

// Positions and sizes worked out from values a chart file sets (projections, mark sizes and
// offsets) are held within this many pixels of the origin: no canvas draws beyond it, and the
// sum of a few such positions and sizes stays within int.
constexpr int TeePixelLimit = 1 << 26;
inline int ClampPx(Int64 v) {
    return v > TeePixelLimit ? TeePixelLimit : v < -TeePixelLimit ? -TeePixelLimit : int(v);
}

// ---- builders and tests ----------------------------------------------------------------

constexpr TPoint TeePoint(int X, int Y) {
    return {X, Y};
}
constexpr TRect TeeRect(int Left, int Top, int Right, int Bottom) {
    return {Left, Top, Right, Bottom};
}
constexpr TPoint3D Point3D(int x, int y, int z) {
    return {x, y, z};
}

// Edges included.
constexpr bool PointInRect(const TRect& Rect, int X, int Y) {
    return X >= Rect.Left && X <= Rect.Right && Y >= Rect.Top && Y <= Rect.Bottom;
}
constexpr bool PointInRect(const TRect& Rect, TPoint P) {
    return PointInRect(Rect, P.X, P.Y);
}
constexpr bool RectangleInRectangle(const TRect& Small, const TRect& Big) {
    return PointInRect(Big, Small.Left, Small.Top) && PointInRect(Big, Small.Right, Small.Bottom);
}
TRect OrientRectangle(const TRect& R);
inline void RectSize(const TRect& R, int& Width, int& Height) {
    Width = R.Right - R.Left;
    Height = R.Bottom - R.Top;
}
inline void RectCenter(const TRect& R, int& X, int& Y) {
    X = (R.Left + R.Right) / 2;
    Y = (R.Top + R.Bottom) / 2;
}
// The smallest rectangle holding the points; Right and Bottom are the largest coordinates.
TRect PolygonBounds(std::span<const TPoint> Points);
// The bounds of the first NumPoints points, one pixel larger to the right and bottom.
TRect RectFromPolygon(std::span<const TPoint> Points, int NumPoints);
inline TRect RectFromTriangle(std::span<const TPoint> Points) {
    return RectFromPolygon(Points, 3);
}
// True when every point of A lies inside polygon B (even-odd rule).
bool PolygonInPolygon(std::span<const TPoint> A, std::span<const TPoint> B);
// Back-face test of a triangle of screen points.
bool TeeCull(TPoint P0, TPoint P1, TPoint P2);
inline bool TeeCull(std::span<const TPoint> P) {
    return TeeCull(P[0], P[1], P[2]);
}
// The point Distance pixels from To toward From.
TPoint PointAtDistance(TPoint From, TPoint To, int Distance);
// The frame an arrow from From to To is drawn in: U runs along the arrow, V across it. The
// head's base lies HeadHeight (at most the arrow's length) before the tip, at UHead.
struct TArrowFrame {
    TArrowFrame(TPoint From, TPoint To, int HeadHeight);
    // An arrow of no length draws nothing.
    bool Empty() const { return Length == 0; }
    // The screen point at (U, V), rounded to pixels.
    TPoint At(double U, double V) const;
    double Length = 0, Sin = 0, Cos = 0;
    double UFrom = 0, UTo = 0, VTo = 0, UHead = 0;
};
inline double TeeDistance(double X, double Y) {
    return std::sqrt(X * X + Y * Y);
}
inline void SwapInteger(int& A, int& B) {
    std::swap(A, B);
}
inline void SwapDouble(double& A, double& B) {
    std::swap(A, B);
}
// What the setters of the chart's options share: stores Value in Field and tells whether
// it changed, so that the setter signals the change only then.
template <class V> bool StoreIfChanged(V& Field, V Value) {
    if (Field == Value) return false;
    Field = Value;
    return true;
}
void TeeSetBitmapSize(TBitmap* Bitmap, int Width, int Height);
// Reorders Points into their convex hull (the pivot, the topmost point, last); false for
// fewer than three points.
bool ConvexHull(TPointArray& Points);

// ---- colours ---------------------------------------------------------------------------

// The bytes of a colour value as they are (no system-colour conversion).
constexpr TRGB RGBValue(TColor Color) {
    return TRGB{Byte((Color >> 16) & 0xFF), Byte((Color >> 8) & 0xFF), Byte(Color & 0xFF)};
}
TColor ApplyDark(TColor Color, Byte HowMuch);
TColor ApplyBright(TColor Color, Byte HowMuch);

// ---- settings of the canvas unit -------------------------------------------------------

inline constexpr double TeePiStep = 3.14159265358979323846 / 180.0;
inline constexpr TRect TeeZeroRect{0, 0, 0, 0};
extern int TeeDefaultConePercent;
extern bool TeeCheckPenWidth;
extern Byte DarkerColorQuantity;
extern Byte DarkColorQuantity;
// Wide styled pens with caps and joins are available (always so on this platform).
extern bool IsWindowsNT;
extern int GetDefaultFontSize;
extern String GetDefaultFontName;
// Custom colours of the colour dialog, kept between calls; none until the dialog keeps some.
extern TStrings* TeeCustomEditColors;
extern Byte TeeFontAntiAlias;
extern int TeeNumCylinderSides;
// Rotates a gradient bitmap by the gradient's angle; installed by the bitmap filters.
using TTeeGradientRotate = void (*)(TCustomTeeGradient* Gradient, TBitmap* Bitmap);
extern TTeeGradientRotate TeeGradientRotate;
using TTeeSetDCColor = COLORREF (*)(HDC DC, COLORREF Color);
extern TTeeSetDCColor TeeSetDCBrushColor;
extern TTeeSetDCColor TeeSetDCPenColor;
// Whether the platform's constant-alpha blit may be used to blend bitmaps.
extern bool TeeAlphaBlendAvailable;

// The number of sides of cylinders and cones, at least 3 whatever the setting holds.
inline int TeeCylinderSides() {
    return TeeNumCylinderSides < 3 ? 3 : TeeNumCylinderSides;
}
