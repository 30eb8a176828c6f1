// TAntiAliasCanvas: the base canvas draws and fills; the smoothed edges are blended into the
// off-screen image's rows afterwards.
#include "chart/tools/AntiAliasCanvas.h"

#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/tools/AntiAliasTool.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <vector>

ORVO_IMPLEMENT_ENUM_TYPE(TAntiAlias, "aaYes", "aaNo")
ORVO_IMPLEMENT_CLASS(TAntiAliasCanvas, TTeeCanvas3D)

namespace {
constexpr double kDegree = 3.14159265358979323846 / 180.0;

// Eight-step on/off patterns along a line's main axis.
constexpr bool kSmallDots[8] = {1, 0, 1, 0, 1, 0, 1, 0};
constexpr bool kDash[8] = {1, 1, 1, 0, 1, 1, 1, 0};
constexpr bool kDot[8] = {1, 1, 0, 0, 1, 1, 0, 0};
constexpr bool kDashDot[8] = {1, 1, 1, 0, 1, 0, 1, 0};

// Saves the pen's style, width and colour and puts them back on leaving.
class PenKeeper {
public:
    explicit PenKeeper(TPen* Pen) : pen(Pen), style(Pen->Style()), width(Pen->Width()), color(Pen->Color()) {}
    ~PenKeeper() {
        pen->SetStyle(style);
        pen->SetWidth(width);
        pen->SetColor(color);
    }
    PenKeeper(const PenKeeper&) = delete;
    PenKeeper& operator=(const PenKeeper&) = delete;

private:
    TPen* pen;
    TPenStyle style;
    int width;
    TColor color;
};
} // namespace

TAntiAliasCanvas::TAntiAliasCanvas() = default;

TAntiAliasCanvas::~TAntiAliasCanvas() {
    if (ITool) ITool->CanvasFreed(this);
}

void TAntiAliasCanvas::SetAntiAlias(TAntiAlias Value) {
    if (FAlias == Value) return;
    FAlias = Value;
    CheckBufferLines();
    if (View3DOptions()) View3DOptions()->Repaint();
}

void TAntiAliasCanvas::CheckBufferLines() {
    IAlias = !Metafiling() && FAlias == aaYes && GetUseBuffer();
}

void TAntiAliasCanvas::SetUseBuffer(bool Value) {
    TTeeCanvas3D::SetUseBuffer(Value);
    CheckBufferLines();
}

void TAntiAliasCanvas::SetBitmap(TBitmap* Value) {
    TTeeCanvas3D::SetBitmap(Value);
    IClipKnown = false;
    CheckBufferLines();
}

void TAntiAliasCanvas::ClipRectangle(const TRect& Rect) {
    TTeeCanvas3D::ClipRectangle(Rect);
    IClipKnown = false;
}

void TAntiAliasCanvas::ClipRectangle(const TRect& Rect, int RoundSize) {
    TTeeCanvas3D::ClipRectangle(Rect, RoundSize);
    IClipKnown = false;
}

void TAntiAliasCanvas::ClipEllipse(const TRect& Rect, bool Inverted) {
    TTeeCanvas3D::ClipEllipse(Rect, Inverted);
    IClipKnown = false;
}

void TAntiAliasCanvas::ClipPolygon(std::span<const TPoint> Points, int NumPoints, bool Inverted) {
    TTeeCanvas3D::ClipPolygon(Points, NumPoints, Inverted);
    IClipKnown = false;
}

void TAntiAliasCanvas::ClipCube(const TRect& Rect, int MinZ, int MaxZ) {
    TTeeCanvas3D::ClipCube(Rect, MinZ, MaxZ);
    IClipKnown = false;
}

void TAntiAliasCanvas::UnClipRectangle() {
    TTeeCanvas3D::UnClipRectangle();
    IClipKnown = false;
}

TRect TAntiAliasCanvas::InitWindow(TCanvas* DestCanvas, TView3DOptions* A3DOptions, TColor ABackColor,
                                   bool Is3D, const TRect& UserRect) {
    const TRect r = TTeeCanvas3D::InitWindow(DestCanvas, A3DOptions, ABackColor, Is3D, UserRect);
    IClipKnown = false;
    CheckBufferLines();
    return r;
}

void TAntiAliasCanvas::AssignVisiblePenColor(TPen* APen, TColor AColor) {
    TTeeCanvas3D::AssignVisiblePenColor(APen, AColor);
    IPenColor = AColor;
    auto* chartPen = dynamic_cast<TChartPen*>(APen);
    IPenSmallDot = chartPen && chartPen->SmallDots();
    IPenStyle = APen->Style();
    IPenWidth = APen->Width();
    IDotStyle = Pen()->Style();
}

// ---- pixels ------------------------------------------------------------------------------------

void TAntiAliasCanvas::PrepareRows() {
    IHasRows = false;
    TBitmap* bitmap = Bitmap();
    TCanvas* canvas = ReferenceCanvas();
    HDC dc = canvas ? canvas->Handle() : nullptr;
    if (!IClipKnown || IClipCanvas != canvas) {
        IClip = TRect{0, 0, 0, 0};
        IClipped = dc && GetClipBox(dc, &IClip) != ERROR;
        IClipCanvas = canvas;
        IClipKnown = true;
    }
    const TRect clip = IClip;
    const bool clipped = IClipped;
    if (bitmap && canvas == bitmap->Canvas() && bitmap->Width() > 0 && bitmap->Height() > 0) {
        const QImage& image = bitmap->Image();
        const int depth = image.depth();
        if (depth == 32 || depth == 24) {
            IRows.bits = static_cast<std::uint8_t*>(bitmap->ScanLine(0));
            IRows.stride = image.bytesPerLine();
            IRows.bytes = depth / 8;
            IRows.width = bitmap->Width();
            IRows.height = bitmap->Height();
            IHasRows = true;
        }
    }
    if (IHasRows) {
        // Every pixel of the image may be blended, column 0 and row 0 included.
        TRect all{0, 0, IRows.width, IRows.height};
        if (clipped) {
            all.Left = std::max(all.Left, clip.Left);
            all.Top = std::max(all.Top, clip.Top);
            all.Right = std::min(all.Right, clip.Right);
            all.Bottom = std::min(all.Bottom, clip.Bottom);
        }
        IRows.clip = all;
    } else {
        IRows.clip = clipped ? clip : TRect{0, 0, 0, 0};
    }
}

bool TAntiAliasCanvas::Visible(int X, int Y) const {
    return X >= IRows.clip.Left && X < IRows.clip.Right && Y >= IRows.clip.Top && Y < IRows.clip.Bottom;
}

TColor TAntiAliasCanvas::ReadPixel(int X, int Y) {
    if (IHasRows) {
        const std::uint8_t* p = IRows.bits + Y * IRows.stride + X * IRows.bytes;
        return TColor(p[2] | (p[1] << 8) | (p[0] << 16));
    }
    return GetPixel(X, Y);
}

void TAntiAliasCanvas::WritePixel(int X, int Y, TColor C) {
    if (IHasRows) {
        std::uint8_t* p = IRows.bits + Y * IRows.stride + X * IRows.bytes;
        const unsigned rgb = unsigned(C);
        p[2] = std::uint8_t(rgb & 0xFF);
        p[1] = std::uint8_t((rgb >> 8) & 0xFF);
        p[0] = std::uint8_t((rgb >> 16) & 0xFF);
        return;
    }
    SetPixel(X, Y, C);
}

void TAntiAliasCanvas::Blend(int X, int Y, double W) {
    if (!Visible(X, Y)) return;
    if (W <= 0) {
        WritePixel(X, Y, TColor(r | (g << 8) | (b << 16)));
        return;
    }
    if (W >= 1) return;
    // The mix lies within 0..255, so adding a half and truncating rounds it.
    auto mix = [W](int p, int o) { return std::uint8_t(p + (o - p) * W + 0.5); };
    if (IHasRows) {
        std::uint8_t* px = IRows.bits + Y * IRows.stride + X * IRows.bytes;
        px[0] = mix(b, px[0]);
        px[1] = mix(g, px[1]);
        px[2] = mix(r, px[2]);
        return;
    }
    const unsigned old = unsigned(ColorToRGB(ReadPixel(X, Y)));
    const int nr = mix(r, int(old & 0xFF)), ng = mix(g, int((old >> 8) & 0xFF)),
              nb = mix(b, int((old >> 16) & 0xFF));
    WritePixel(X, Y, TColor(nr | (ng << 8) | (nb << 16)));
}

void TAntiAliasCanvas::SetInk(TColor Color) {
    const unsigned rgb = unsigned(ColorToRGB(Color));
    r = std::uint8_t(rgb & 0xFF);
    g = std::uint8_t((rgb >> 8) & 0xFF);
    b = std::uint8_t((rgb >> 16) & 0xFF);
}

const bool* TAntiAliasCanvas::PenPattern() const {
    TPen* pen = Pen();
    // Small dots hold while the canvas pen is still the one the chart pen gave.
    if (IPenSmallDot && pen->Style() == IDotStyle) return kSmallDots;
    switch (pen->Style()) {
    case psDash:
        return kDash;
    case psDot:
        return kDot;
    case psDashDot:
    case psDashDotDot:
        return kDashDot;
    default:
        return nullptr;
    }
}

// ---- lines -------------------------------------------------------------------------------------

void TAntiAliasCanvas::MoveTo(int X, int Y) {
    FCurrent = TPoint{X, Y};
    TTeeCanvas3D::MoveTo(X, Y);
}

void TAntiAliasCanvas::AliasedLine(int X0, int Y0, int X1, int Y1, const bool* Pattern) {
    const int dx = X1 - X0, dy = Y1 - Y0;
    Put(X0, Y0);
    if (std::abs(dy) < std::abs(dx)) {
        if (dx < 0) {
            std::swap(X0, X1);
            std::swap(Y0, Y1);
        }
        const double slope = double(Y1 - Y0) / double(X1 - X0);
        // Columns outside the image cannot change: the walk covers the visible ones only.
        const int first = std::max(X0 + 1, IRows.clip.Left), last = std::min(X1 - 1, IRows.clip.Right - 1);
        for (int i = first; i <= last; ++i) {
            if (Pattern && !Pattern[((i % 8) + 8) % 8]) continue;
            const double y = Y0 + slope * (i - X0);
            const double n = std::floor(y);
            const double dist = y - n;
            Blend(i, int(n), dist);
            Blend(i, int(n) + 1, 1 - dist);
        }
    } else {
        if (dy < 0) {
            std::swap(X0, X1);
            std::swap(Y0, Y1);
        }
        const double slope = double(X1 - X0) / double(Y1 - Y0);
        const int first = std::max(Y0 + 1, IRows.clip.Top), last = std::min(Y1 - 1, IRows.clip.Bottom - 1);
        for (int i = first; i <= last; ++i) {
            if (Pattern && !Pattern[((i % 8) + 8) % 8]) continue;
            const double x = X0 + slope * (i - Y0);
            const double n = std::floor(x);
            const double dist = x - n;
            Blend(int(n), i, dist);
            Blend(int(n) + 1, i, 1 - dist);
        }
    }
    Put(X1, Y1);
}

void TAntiAliasCanvas::LineTo(int X, int Y) {
    const int dx = X - FCurrent.X, dy = Y - FCurrent.Y;
    TPen* pen = Pen();
    // Straight lines, a clear pen and raster modes (XOR pairs must cancel exactly) are the
    // base canvas' own.
    if (!SmoothCopy() || pen->Style() == psClear || dx == 0 || dy == 0) {
        TTeeCanvas3D::LineTo(X, Y);
        FCurrent = TPoint{X, Y};
        return;
    }
    const TPoint from = FCurrent;
    // Within a polyline the rows, ink and pen width are set up once for all segments.
    if (!IBatch) {
        PrepareRows();
        SetInk(pen->Color());
    }
    const bool* pattern = PenPattern();
    const int w = pen->Width();
    if (w >= 2) {
        // A wide pen is drawn as parallel one-pixel lines; only the outer two are smoothed,
        // the inner ones are drawn plainly with the pen made one pixel wide meanwhile.
        const bool across = std::abs(dx) < std::abs(dy);
        bool narrowed = false;
        for (int k = 0; k < w; ++k) {
            const int off = w / 2 - k;
            const int ox = across ? off : 0, oy = across ? 0 : off;
            if (k == 0 || k == w - 1) {
                AliasedLine(from.X + ox, from.Y + oy, X + ox, Y + oy, pattern);
            } else {
                if (!narrowed) pen->SetWidth(1);
                narrowed = true;
                TTeeCanvas3D::MoveTo(from.X + ox, from.Y + oy);
                TTeeCanvas3D::LineTo(X + ox, Y + oy);
            }
        }
        if (narrowed) pen->SetWidth(w);
    } else {
        AliasedLine(from.X, from.Y, X, Y, pattern);
    }
    MoveTo(X, Y);
}

void TAntiAliasCanvas::Polyline(std::span<const TPoint> Points) {
    if (!SmoothCopy() || Points.empty()) {
        TTeeCanvas3D::Polyline(Points);
        return;
    }
    TPen* pen = Pen();
    if (pen->Style() == psClear) {
        TTeeCanvas3D::Polyline(Points);
        return;
    }
    PrepareRows();
    SetInk(pen->Color());
    IBatch = true;
    try {
        MoveTo(Points[0].X, Points[0].Y);
        for (std::size_t i = 1; i < Points.size(); ++i)
            LineTo(Points[i].X, Points[i].Y);
    } catch (...) {
        IBatch = false;
        throw;
    }
    IBatch = false;
}

bool TAntiAliasCanvas::EdgeColor(bool RequireSolidPen, TColor& Color) const {
    TPen* pen = Pen();
    const bool penDraws = RequireSolidPen ? pen->Style() == psSolid : pen->Style() != psClear;
    if (penDraws) {
        Color = pen->Color();
        return true;
    }
    if (Brush()->Style() != bsClear) {
        Color = Brush()->Color();
        return true;
    }
    return false;
}

void TAntiAliasCanvas::Outline(std::span<const TPoint> Points, TColor Color, bool Closed) {
    if (Points.empty()) return;
    TPen* pen = Pen();
    PenKeeper keep(pen);
    if (pen->Style() == psClear) {
        pen->SetStyle(psSolid);
        pen->SetWidth(1);
    }
    pen->SetColor(Color);
    MoveTo(Points[0].X, Points[0].Y);
    for (std::size_t i = 1; i < Points.size(); ++i)
        LineTo(Points[i].X, Points[i].Y);
    if (Closed) LineTo(Points[0].X, Points[0].Y);
}

void TAntiAliasCanvas::Polygon(std::span<const TPoint> Points) {
    if (!SmoothCopy() || Points.empty()) {
        TTeeCanvas3D::Polygon(Points);
        return;
    }
    TPen* pen = Pen();
    const TPenStyle style = pen->Style();
    pen->SetStyle(psClear);
    TTeeCanvas3D::Polygon(Points);
    pen->SetStyle(style);
    TColor edge;
    if (EdgeColor(false, edge)) Outline(Points, edge, true);
}

void TAntiAliasCanvas::PolygonFour() {
    Polygon(IPoints);
}

void TAntiAliasCanvas::GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor,
                                    TGradientDirection Direction, int Balance, int RadialX, int RadialY) {
    const bool old = IAlias;
    IAlias = false;
    try {
        TTeeCanvas3D::GradientFill(Rect, StartColor, EndColor, Direction, Balance, RadialX, RadialY);
    } catch (...) {
        IAlias = old;
        throw;
    }
    IAlias = old;
}

// ---- ellipses and arcs --------------------------------------------------------------------

void TAntiAliasCanvas::AliasedEllipse(int X1, int Y1, int X2, int Y2) {
    const int cx = (X1 + X2) / 2, cy = (Y1 + Y2) / 2;
    const long long a = std::abs(X2 - X1) / 2, bb = std::abs(Y2 - Y1) / 2;
    if (a < 1 || bb < 1) return;
    // Each edge pixel in the edge colour and its outward neighbour at 40 % of it.
    constexpr double kNeighbour = 0.6;
    auto four = [&](long long x, long long y, bool vertical) {
        const int px[2] = {int(cx + x), int(cx - x)}, py[2] = {int(cy + y), int(cy - y)};
        // On the axes the mirrored pixels coincide: each is drawn once.
        for (int i = 0; i < (x == 0 ? 1 : 2); ++i)
            for (int j = 0; j < (y == 0 ? 1 : 2); ++j) {
                Put(px[i], py[j]);
                if (vertical)
                    Blend(px[i], py[j] + (j == 0 ? 1 : -1), kNeighbour);
                else
                    Blend(px[i] + (i == 0 ? 1 : -1), py[j], kNeighbour);
            }
    };
    const long long a2 = a * a, b2 = bb * bb;
    // The flat half: x steps by one, the neighbour lies above or below.
    long long x = 0, y = bb;
    long long d = 4 * b2 - 4 * a2 * bb + a2;
    while (b2 * x <= a2 * y) {
        four(x, y, true);
        if (d >= 0) {
            d += 8 * a2 * (1 - y);
            --y;
        }
        d += 4 * b2 * (2 * x + 3);
        ++x;
    }
    // The steep half: y steps by one, the neighbour lies beside.
    x = a;
    y = 0;
    d = 4 * a2 - 4 * b2 * a + b2;
    while (a2 * y <= b2 * x) {
        four(x, y, false);
        if (d >= 0) {
            d += 8 * b2 * (1 - x);
            --x;
        }
        d += 4 * a2 * (2 * y + 3);
        ++y;
    }
}

void TAntiAliasCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    if (!SmoothCopy()) {
        TTeeCanvas3D::Ellipse(X1, Y1, X2, Y2);
        return;
    }
    TPen* pen = Pen();
    TColor edge;
    const bool hasEdge = EdgeColor(true, edge);
    PrepareRows();
    if (IHasRows && Brush()->Style() == bsSolid && hasEdge) {
        // A solid fill goes straight into the rows, row by row inside the edge, sparing
        // the pen changes of a fill without outline (a chart's pointers draw hundreds).
        SetInk(Brush()->Color());
        const double cx = (X1 + X2) / 2, cy = (Y1 + Y2) / 2;
        const double a = std::abs(X2 - X1) / 2, bb = std::abs(Y2 - Y1) / 2;
        for (int dy = -int(bb); dy <= int(bb); ++dy) {
            const double half = bb > 0 ? a * std::sqrt(std::max(0.0, 1 - double(dy) * dy / (bb * bb))) : a;
            const int y = int(cy) + dy;
            for (int x = int(cx) - int(half); x <= int(cx) + int(half); ++x)
                Put(x, y);
        }
    } else {
        const TPenStyle style = pen->Style();
        pen->SetStyle(psClear);
        TTeeCanvas3D::Ellipse(X1, Y1, X2, Y2);
        pen->SetStyle(style);
        if (!hasEdge) return;
        PrepareRows();
    }
    SetInk(edge);
    AliasedEllipse(X1, Y1, X2, Y2);
}

void TAntiAliasCanvas::AliasedArc(double CX, double CY, double RX, double RY, double StartAngle,
                                  double EndAngle) {
    // A radius below one pixel has no edge to smooth (and would divide by zero).
    if (!(RX >= 1) || !(RY >= 1) || !std::isfinite(StartAngle) || !std::isfinite(EndAngle)) return;
    double sweep = EndAngle - StartAngle;
    if (sweep < 0) sweep = std::fmod(sweep, 360.0) + 360.0;
    if (sweep == 0 && EndAngle != StartAngle) sweep = 360;
    const bool full = sweep >= 360;
    const double start = std::fmod(std::fmod(StartAngle, 360.0) + 360.0, 360.0);
    auto inArc = [&](double dx, double dy) {
        if (full) return true;
        double a = std::atan2(dy, dx) / kDegree; // counter-clockwise, y up
        a = std::fmod(a - start + 720.0, 360.0);
        return a <= sweep;
    };
    const double rx2 = RX * RX, ry2 = RY * RY;
    // Flat parts: one sample per column, the colour split between two rows.
    for (int px = int(std::ceil(CX - RX)); px <= int(std::floor(CX + RX)); ++px) {
        const double dx = px - CX;
        const double h = RY * std::sqrt(std::max(0.0, 1 - dx * dx / rx2));
        for (double sy : {1.0, -1.0}) {
            const double dy = sy * h;
            // Where the edge is steeper than 45 degrees the rows' walk takes over.
            if (ry2 * std::abs(dx) > rx2 * std::abs(dy)) continue;
            if (!inArc(dx, dy)) continue;
            const double y = CY - dy;
            const double n = std::floor(y);
            Blend(px, int(n), y - n);
            Blend(px, int(n) + 1, 1 - (y - n));
        }
    }
    // Steep parts: one sample per row, the colour split between two columns.
    for (int py = int(std::ceil(CY - RY)); py <= int(std::floor(CY + RY)); ++py) {
        const double dy = CY - py;
        const double w = RX * std::sqrt(std::max(0.0, 1 - dy * dy / ry2));
        for (double sx : {1.0, -1.0}) {
            const double dx = sx * w;
            if (ry2 * std::abs(dx) <= rx2 * std::abs(dy)) continue;
            if (!inArc(dx, dy)) continue;
            const double x = CX + dx;
            const double n = std::floor(x);
            Blend(int(n), py, x - n);
            Blend(int(n) + 1, py, 1 - (x - n));
        }
    }
}

void TAntiAliasCanvas::Arc(int Left, int Top, int Right, int Bottom, double StartAngle, double EndAngle) {
    if (!SmoothCopy() || Pen()->Style() == psClear) {
        TTeeCanvas3D::Arc(Left, Top, Right, Bottom, StartAngle, EndAngle);
        return;
    }
    PrepareRows();
    SetInk(Pen()->Color());
    AliasedArc((Left + Right) / 2.0, (Top + Bottom) / 2.0, (Right - Left) / 2.0, (Bottom - Top) / 2.0,
               StartAngle, EndAngle);
}

void TAntiAliasCanvas::Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY, int EndX,
                           int EndY) {
    if (!SmoothCopy() || Pen()->Style() == psClear) {
        TTeeCanvas3D::Arc(Left, Top, Right, Bottom, StartX, StartY, EndX, EndY);
        return;
    }
    const double cx = (Left + Right) / 2.0, cy = (Top + Bottom) / 2.0;
    auto angle = [&](int X, int Y) {
        const double a = std::atan2(cy - Y, X - cx) / kDegree;
        return a < 0 ? a + 360 : a;
    };
    Arc(Left, Top, Right, Bottom, angle(StartX, StartY), angle(EndX, EndY));
}

void TAntiAliasCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    if (!SmoothCopy()) {
        TTeeCanvas3D::Pie(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
        return;
    }
    TPen* pen = Pen();
    TColor edge;
    const bool hasEdge = EdgeColor(true, edge);
    const TPenStyle style = pen->Style();
    pen->SetStyle(psClear);
    TTeeCanvas3D::Pie(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    pen->SetStyle(style);
    if (!hasEdge) return;
    const double cx = (X1 + X2) / 2.0, cy = (Y1 + Y2) / 2.0, rx = (X2 - X1) / 2.0, ry = (Y2 - Y1) / 2.0;
    auto angle = [&](int X, int Y) {
        const double a = std::atan2(cy - Y, X - cx) / kDegree;
        return a < 0 ? a + 360 : a;
    };
    const double a0 = angle(X3, Y3), a1 = angle(X4, Y4);
    PrepareRows();
    SetInk(edge);
    AliasedArc(cx, cy, rx, ry, a0, a1);
    // The two radii from the centre to the arc's ends.
    const TPoint c{int(std::lround(cx)), int(std::lround(cy))};
    PenKeeper keep(pen);
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetColor(edge);
    for (double a : {a0, a1}) {
        const TPoint e{int(std::lround(cx + rx * std::cos(a * kDegree))),
                       int(std::lround(cy - ry * std::sin(a * kDegree)))};
        MoveTo(c.X, c.Y);
        LineTo(e.X, e.Y);
    }
}

void TAntiAliasCanvas::Donut(int XCenter, int YCenter, int XRadius, int YRadius, double StartAngle,
                             double EndAngle, double HolePercent) {
    TTeeCanvas3D::Donut(XCenter, YCenter, XRadius, YRadius, StartAngle, EndAngle, HolePercent);
    if (!SmoothCopy() || Pen()->Style() == psClear) return;
    if (!std::isfinite(StartAngle) || !std::isfinite(EndAngle)) return;
    const double hole = std::isfinite(HolePercent) ? std::clamp(HolePercent, 0.0, 100.0) : 0;
    const double a0 = StartAngle / kDegree, a1 = EndAngle / kDegree;
    PrepareRows();
    SetInk(Pen()->Color());
    AliasedArc(XCenter, YCenter, XRadius, YRadius, a0, a1);
    AliasedArc(XCenter, YCenter, XRadius * hole / 100, YRadius * hole / 100, a0, a1);
}

void TAntiAliasCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    if (!SmoothCopy()) {
        TTeeCanvas3D::RoundRect(X1, Y1, X2, Y2, X3, Y3);
        return;
    }
    TPen* pen = Pen();
    TColor edge;
    const bool hasEdge = EdgeColor(false, edge);
    const TPenStyle style = pen->Style();
    pen->SetStyle(psClear);
    TTeeCanvas3D::RoundRect(X1, Y1, X2, Y2, X3, Y3);
    pen->SetStyle(style);
    if (!hasEdge) return;
    const int rx = X3 / 2, ry = Y3 / 2;
    if (X2 - X1 < 2 * rx || Y2 - Y1 < 2 * ry) {
        PrepareRows();
        SetInk(edge);
        AliasedEllipse(X1, Y1, X2, Y2);
        return;
    }
    const TPoint top[2] = {{X1 + rx, Y1}, {X2 - rx, Y1}};
    const TPoint bottom[2] = {{X1 + rx, Y2}, {X2 - rx, Y2}};
    const TPoint left[2] = {{X1, Y1 + ry}, {X1, Y2 - ry}};
    const TPoint right[2] = {{X2, Y1 + ry}, {X2, Y2 - ry}};
    Outline(top, edge, false);
    Outline(bottom, edge, false);
    Outline(left, edge, false);
    Outline(right, edge, false);
    PrepareRows();
    SetInk(edge);
    AliasedArc(X2 - rx, Y1 + ry, rx, ry, 0, 90);
    AliasedArc(X1 + rx, Y1 + ry, rx, ry, 90, 180);
    AliasedArc(X1 + rx, Y2 - ry, rx, ry, 180, 270);
    AliasedArc(X2 - rx, Y2 - ry, rx, ry, 270, 360);
}
