// TTeeCanvas: the abstract 2-D drawing surface every chart element draws through. It
// holds the platform canvas drawn on (its pen, brush and font), copies chart pens,
// brushes and fonts into it, and offers shapes, text, bevels, arrows, gradients and
// clipping on top of a fixed set of virtual device operations. The virtual operations
// are declared in their slot order; descendants (the GDI canvas, the anti-aliased one)
// replace them with the same argument lists.
#pragma once

#include "chart/engine/canvas/CanvasGeometry.h"
#include "platform/classes/Object.h"

#include <memory>

class TCanvas;
class TPen;
class TBrush;
class TFont;
class TGraphic;
class TBitmap;
class TChartPen;
class TChartBrush;
class TTeeFont;
class TTeeBlend;
class TCustomTeeGradient;

class TTeeCanvas : public TObject {
    ORVO_CLASS(TTeeCanvas, TObject)
public:
    TTeeCanvas();
    ~TTeeCanvas() override;

    // ---- virtual operations, in slot order --------------------------------------------
    virtual TColor GetBackColor() = 0;
    virtual TCanvasBackMode GetBackMode() = 0;
    virtual HDC GetHandle() = 0;
    virtual bool GetMonochrome() = 0;
    virtual TColor GetPixel(int X, int Y) = 0;
    virtual bool GetSupportsFullRotation() = 0;
    virtual bool GetIsNoBMPGrid() = 0;
    virtual int GetTextAlign() = 0;
    virtual bool GetUseBuffer() = 0;
    virtual void SetBackColor(TColor Color) = 0;
    virtual void SetBackMode(TCanvasBackMode Mode) = 0;
    virtual void SetMonochrome(bool Value) = 0;
    virtual void SetPixel(int X, int Y, TColor Value) = 0;
    virtual void SetTextAlign(int Align) = 0;
    virtual void SetUseBuffer(bool Value) = 0;
    virtual void AssignVisiblePenColor(TPen* APen, TColor AColor);
    virtual TTeeBlend* BeginBlending(const TRect& R, TTeeTransparency Transparency);
    virtual void EndBlending(TTeeBlend* Blend);
    virtual void Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY, int EndX,
                     int EndY) = 0;
    virtual void Arc(int Left, int Top, int Right, int Bottom, double StartAngle, double EndAngle);
    virtual void Donut(int XCenter, int YCenter, int XRadius, int YRadius, double StartAngle, double EndAngle,
                       double HolePercent) = 0;
    virtual void Draw(int X, int Y, TGraphic* Graphic) = 0;
    virtual void Ellipse(int X1, int Y1, int X2, int Y2) = 0;
    virtual void FillRect(const TRect& Rect) = 0;
    virtual void Frame3D(TRect& Rect, TColor TopColor, TColor BottomColor, int Width);
    virtual void LineTo(int X, int Y) = 0;
    virtual void MoveTo(int X, int Y) = 0;
    virtual void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) = 0;
    virtual void Rectangle(int X0, int Y0, int X1, int Y1) = 0;
    virtual void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) = 0;
    virtual void StretchDraw(const TRect& Rect, TGraphic* Graphic) = 0;
    virtual void TextOut(int X, int Y, const String& Text) = 0;
    virtual int TextWidth(const String& St);
    virtual int TextHeight(const String& St);
    // The wide-string forms, measured on the device. Text is UTF-16 throughout this
    // system, so they take the same string type under their own names.
    virtual int WideTextWidth(const WideString& St);
    virtual int WideTextHeight(const WideString& St);
    virtual void ClipRectangle(const TRect& Rect) = 0;
    virtual void ClipRectangle(const TRect& Rect, int RoundSize);
    virtual void ClipEllipse(const TRect& Rect, bool Inverted);
    virtual void ClipPolygon(std::span<const TPoint> Points, int NumPoints, bool Inverted);
    virtual void DoHorizLine(int X0, int X1, int Y);
    virtual void DoVertLine(int X, int Y0, int Y1);
    virtual void EraseBackground(const TRect& Rect) = 0;
    virtual void GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor,
                              TGradientDirection Direction, int Balance, int RadialX, int RadialY) = 0;
    virtual void Invalidate() = 0;
    virtual void Line(int X0, int Y0, int X1, int Y1);
    virtual void Polyline(std::span<const TPoint> Points) = 0;
    virtual void Polygon(std::span<const TPoint> Points) = 0;
    virtual void PolygonGradient(std::span<const TPoint> Points, TCustomTeeGradient* Gradient);
    virtual void RotateLabel(int x, int y, const String& St, double RotDegree) = 0;
    virtual void UnClipRectangle() = 0;

    // ---- device set-up -----------------------------------------------------------------
    TCanvas* ReferenceCanvas() const { return FCanvas; }
    // Draws on Value from now on; Pen, Brush and Font become Value's own.
    void SetCanvas(TCanvas* Value);
    void ResetState();
    TPen* Pen() const { return FPen; }
    TBrush* Brush() const { return FBrush; }
    TFont* Font() const { return FFont; }
    HDC Handle() { return GetHandle(); }
    const TRect& Bounds() const { return FBounds; }
    void SetBounds(const TRect& Value) { FBounds = Value; }
    bool Metafiling() const { return FMetafiling; }
    void SetMetafiling(bool Value) { FMetafiling = Value; }
    TColor BackColor() { return GetBackColor(); }
    TCanvasBackMode BackMode() { return GetBackMode(); }
    bool Monochrome() { return GetMonochrome(); }
    bool SupportsFullRotation() { return GetSupportsFullRotation(); }
    bool IsNoBMPGrid() { return GetIsNoBMPGrid(); }
    int TextAlign() { return GetTextAlign(); }
    bool UseBuffer() { return GetUseBuffer(); }
    TColor Pixels(int X, int Y) { return GetPixel(X, Y); }
    void SetPixels(int X, int Y, TColor Value) { SetPixel(X, Y, Value); }
    int FontHeight() { return TextHeight(QStringLiteral("W")); }
    // The chart font assigned last, or null.
    TTeeFont* ChartFont() const { return IFont; }
    TTeeTransparency BlendTransparency() const { return ITransp; }

    // ---- brushes -----------------------------------------------------------------------
    void AssignBrush(TChartBrush* ABrush, TColor AColor, TColor ABackColor);
    void AssignBrushColor(TChartBrush* ABrush, TColor AColor, TColor ABackColor) {
        AssignBrush(ABrush, AColor, ABackColor);
    }
    // The brush in its own colours: Color as the fill, BackColor behind hatch lines.
    void AssignBrush(TChartBrush* ABrush);
    // The brush's Color as the fill, ABackColor behind hatch lines.
    void AssignBrush(TChartBrush* ABrush, TColor ABackColor);
    // Darkens the fill (or, for hatched brushes, the background) by Quantity.
    void InternalDark(TColor Color, Byte Quantity);

    // ---- pens, fonts, text ---------------------------------------------------------------
    void AssignVisiblePen(TPen* APen);
    void AssignFont(TTeeFont* AFont);

    // ---- shapes and lines ----------------------------------------------------------------
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void DoRectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
    void RoundRect(const TRect& R, int X, int Y) { RoundRect(R.Left, R.Top, R.Right, R.Bottom, X, Y); }
    void MoveTo(TPoint P) { MoveTo(P.X, P.Y); }
    void LineTo(TPoint P) { LineTo(P.X, P.Y); }
    void Line(TPoint FromPoint, TPoint ToPoint) { Line(FromPoint.X, FromPoint.Y, ToPoint.X, ToPoint.Y); }
    // A 2-D arrow; ArrowPercent is the filled shaft's width in percent of the head width.
    void Arrow(bool Filled, double ArrowPercent, TPoint FromPoint, TPoint ToPoint, int ArrowWidth,
               int ArrowHeight);

    double FontZoom = 100;

protected:
    TCanvas* FCanvas = nullptr;
    TFont* FFont = nullptr;
    TPen* FPen = nullptr;
    TBrush* FBrush = nullptr;
    bool FMetafiling = false;
    TTeeTransparency ITransp = 0;
    TRect FBounds;
    TTeeFont* IFont = nullptr;
    // The device pen holds a handle made here (geometric or dotted), not one TPen made.
    bool ICustomPen = false;
    // A brush picture of another format (a JPEG), turned into the bitmap the device
    // brush patterns with; the device brush does not own its pattern.
    std::unique_ptr<TBitmap> IPatternBitmap;

    void TeeSetTeePen(TPen* FPen, TChartPen* APen, TColor AColor, HDC DC);
    // The device pen := APen in AColor, touching only what differs.
    void CopyPen(TPen* APen, TColor AColor);

    friend class TTeeFont;
};

// A pen of single dots: Space <= 0 sets every other pixel, else dots Space + 1 apart.
HPEN TeeCreatePenSmallDots(TColor Color, int Space);

// Clipping of a platform canvas with a one-level save of the previous clip region.
void ClipCanvas(TCanvas* ACanvas, const TRect& Rect);
void UnClipCanvas(TCanvas* ACanvas);
void ClipEllipse(TTeeCanvas* ACanvas, const TRect& Rect);
void ClipRoundRectangle(TTeeCanvas* ACanvas, const TRect& Rect, int RoundSize);
void ClipPolygon(TTeeCanvas* ACanvas, std::span<const TPoint> Points, int NumPoints);
