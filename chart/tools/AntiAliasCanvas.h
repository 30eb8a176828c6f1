// TAntiAliasCanvas: the chart's 3-D canvas with smoothed diagonal lines, polylines, polygon
// outlines, ellipses, arcs, pies, donuts and rounded rectangles. The base canvas fills and
// draws everything first; the edge pixels are then blended by their distance to the ideal
// line straight in the rows of the off-screen image. Horizontal and vertical lines, pens in
// a raster mode other than copying, metafile output and an unbuffered canvas all take the
// base canvas' own path.
#pragma once

#include "chart/engine/canvas/TeeCanvas3D.h"
#include "platform/graphics/Pen.h"

#include <cstdint>

enum TAntiAlias { aaYes, aaNo };
ORVO_DECLARE_ENUM_TYPE(TAntiAlias)

class TAntiAliasTool;

class TAntiAliasCanvas : public TTeeCanvas3D {
    ORVO_CLASS(TAntiAliasCanvas, TTeeCanvas3D)
public:
    TAntiAliasCanvas();
    // Tells the owning tool that its canvas is gone.
    ~TAntiAliasCanvas() override;

    using TTeeCanvas3D::Arc;
    using TTeeCanvas3D::Ellipse;
    using TTeeCanvas3D::LineTo;
    using TTeeCanvas3D::MoveTo;
    using TTeeCanvas3D::Polyline;

    void SetUseBuffer(bool Value) override;
    void AssignVisiblePenColor(TPen* APen, TColor AColor) override;
    void Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY, int EndX, int EndY) override;
    void Arc(int Left, int Top, int Right, int Bottom, double StartAngle, double EndAngle) override;
    void Donut(int XCenter, int YCenter, int XRadius, int YRadius, double StartAngle, double EndAngle,
               double HolePercent) override;
    void Ellipse(int X1, int Y1, int X2, int Y2) override;
    void LineTo(int X, int Y) override;
    void MoveTo(int X, int Y) override;
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) override;
    void GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor, TGradientDirection Direction,
                      int Balance, int RadialX, int RadialY) override;
    void Polyline(std::span<const TPoint> Points) override;
    void Polygon(std::span<const TPoint> Points) override;
    TRect InitWindow(TCanvas* DestCanvas, TView3DOptions* A3DOptions, TColor ABackColor, bool Is3D,
                     const TRect& UserRect) override;
    void PolygonFour() override;
    void SetBitmap(TBitmap* Value) override;
    // Clipping changes: the clip box the blending keeps to is asked for again.
    void ClipRectangle(const TRect& Rect) override;
    void ClipRectangle(const TRect& Rect, int RoundSize) override;
    void ClipEllipse(const TRect& Rect, bool Inverted) override;
    void ClipPolygon(std::span<const TPoint> Points, int NumPoints, bool Inverted) override;
    void ClipCube(const TRect& Rect, int MinZ, int MaxZ) override;
    void UnClipRectangle() override;

    TAntiAlias AntiAlias() const { return FAlias; }
    // Stores the mode and repaints the chart through the 3-D options when it changes.
    void SetAntiAlias(TAntiAlias Value);
    // Whether the next drawing is smoothed: mode on, a buffered canvas, no metafile.
    bool Smoothing() const { return IAlias && !Metafiling(); }

    // The tool that made the canvas; cleared when the tool goes first.
    TAntiAliasTool* ITool = nullptr;

private:
    // Smoothing applies: blended pixels cannot be undone by an inverting pen's second pass,
    // so any raster mode other than copying draws through the base canvas.
    bool SmoothCopy() { return Smoothing() && Pen()->Mode() == pmCopy; }
    // Direct access to the rows of the off-screen image while one operation draws.
    struct Rows {
        std::uint8_t* bits = nullptr;
        qsizetype stride = 0;
        int bytes = 0; // bytes per pixel: 3 or 4
        int width = 0, height = 0;
        TRect clip; // the pixels the clip region leaves (right and bottom exclusive)
    };
    void CheckBufferLines();
    // Prepares IRows for the drawing that follows (the image and its clip box).
    void PrepareRows();
    bool Visible(int X, int Y) const;
    TColor ReadPixel(int X, int Y);
    void WritePixel(int X, int Y, TColor C);
    // The pixel becomes P + (old - P) x W for each of red, green and blue.
    void Blend(int X, int Y, double W);
    void Put(int X, int Y) { Blend(X, Y, 0); }
    // A one-pixel smoothed line in the colour in r, g, b; the pattern repeats every 8 steps.
    void AliasedLine(int X0, int Y0, int X1, int Y1, const bool* Pattern);
    void SetInk(TColor Color);
    // The pen's dash pattern, or null for a solid pen.
    const bool* PenPattern() const;
    // The colour of a filled shape's smoothed edge (pen or, with PenSolid false, brush) and
    // whether there is one.
    bool EdgeColor(bool RequireSolidPen, TColor& Color) const;
    void AliasedEllipse(int X1, int Y1, int X2, int Y2);
    // The arc of the ellipse centred at (CX, CY) between two angles in degrees,
    // counter-clockwise; nothing for a radius below 1.
    void AliasedArc(double CX, double CY, double RX, double RY, double StartAngle, double EndAngle);
    // Smoothed outline of the points in Color (closed: back to the first).
    void Outline(std::span<const TPoint> Points, TColor Color, bool Closed);

    TAntiAlias FAlias = aaYes;
    TPoint FCurrent{0, 0};
    bool IAlias = false;
    std::uint8_t r = 0, g = 0, b = 0;
    TColor IPenColor = clBlack;
    bool IPenSmallDot = false;
    TPenStyle IPenStyle = psSolid;
    int IPenWidth = 1;
    TPenStyle IDotStyle = psSolid;
    Rows IRows;
    bool IHasRows = false;
    // The device's clip box as last asked for, valid until the clipping or target changes.
    bool IClipKnown = false;
    bool IClipped = false;
    TRect IClip{0, 0, 0, 0};
    TCanvas* IClipCanvas = nullptr;
    // A polyline is being drawn: its rows and ink are set up once for all segments.
    bool IBatch = false;
};
