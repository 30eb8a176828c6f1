// TTeeCanvas3D: the canvas every chart panel draws with by default. It draws through
// the platform's device context, by default into an off-screen bitmap that ShowImage
// copies to the target at the end of a pass, and projects chart coordinates (x right,
// y down, z into the depth, in pixels) onto the screen: the oblique orthogonal view, or
// a rotation by elevation, rotation and tilt with optional perspective.
#pragma once

#include "chart/engine/canvas/Canvas3D.h"

#include <memory>

class TBitmap;

class TTeeCanvas3D : public TCanvas3D {
    ORVO_CLASS(TTeeCanvas3D, TCanvas3D)
public:
    TTeeCanvas3D();
    ~TTeeCanvas3D() override;

    using TCanvas3D::Arc;
    using TCanvas3D::Arrow;
    using TCanvas3D::Calculate3DPosition;
    using TCanvas3D::Cube;
    using TCanvas3D::Ellipse;
    using TCanvas3D::EllipseWithZ;
    using TCanvas3D::LineTo;
    using TCanvas3D::LineTo3D;
    using TCanvas3D::LineWithZ;
    using TCanvas3D::MoveTo;
    using TCanvas3D::MoveTo3D;
    using TCanvas3D::PlaneWithZ;
    using TCanvas3D::Polyline;
    using TCanvas3D::Rectangle;
    using TCanvas3D::StretchDraw;

    // ---- TTeeCanvas slots ----------------------------------------------------------------
    TColor GetBackColor() override;
    TCanvasBackMode GetBackMode() override;
    HDC GetHandle() override;
    bool GetMonochrome() override { return FMonochrome; }
    TColor GetPixel(int X, int Y) override;
    bool GetSupportsFullRotation() override { return false; }
    bool GetIsNoBMPGrid() override { return false; }
    int GetTextAlign() override;
    bool GetUseBuffer() override { return FBufferedDisplay; }
    void SetBackColor(TColor Color) override;
    void SetBackMode(TCanvasBackMode Mode) override;
    void SetMonochrome(bool Value) override;
    void SetPixel(int X, int Y, TColor Value) override;
    void SetTextAlign(int Align) override;
    void SetUseBuffer(bool Value) override;
    void Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY, int EndX, int EndY) override;
    void Donut(int XCenter, int YCenter, int XRadius, int YRadius, double StartAngle, double EndAngle,
               double HolePercent) override;
    void Draw(int X, int Y, TGraphic* Graphic) override;
    void Ellipse(int X1, int Y1, int X2, int Y2) override;
    void FillRect(const TRect& Rect) override;
    void LineTo(int X, int Y) override;
    void MoveTo(int X, int Y) override;
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
    void Rectangle(int X0, int Y0, int X1, int Y1) override;
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) override;
    void StretchDraw(const TRect& Rect, TGraphic* Graphic) override;
    void TextOut(int X, int Y, const String& Text) override;
    using TTeeCanvas::ClipRectangle;
    void ClipRectangle(const TRect& Rect) override;
    void EraseBackground(const TRect& Rect) override;
    void GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor, TGradientDirection Direction,
                      int Balance, int RadialX, int RadialY) override;
    void Invalidate() override { FDirty = true; }
    void Polyline(std::span<const TPoint> Points) override;
    void Polygon(std::span<const TPoint> Points) override;
    void RotateLabel(int x, int y, const String& St, double RotDegree) override;
    void UnClipRectangle() override;

    // ---- TCanvas3D slots -------------------------------------------------------------------
    TColor GetPixel3D(int X, int Y, int Z) override;
    bool GetSupports3DText() override { return false; }
    void SetPixel3D(int X, int Y, int Z, TColor Value) override;
    void Calculate2DPosition(int& x, int& y, int z) override;
    TPoint Calculate3DPosition(int x, int y, int z) override;
    TRect InitWindow(TCanvas* DestCanvas, TView3DOptions* A3DOptions, TColor ABackColor, bool Is3D,
                     const TRect& UserRect) override;
    void Projection(int MaxDepth, const TRect& ABounds, const TRect& Rect) override;
    void ShowImage(TCanvas* DestCanvas, TCanvas* DefaultCanvas, const TRect& UserRect) override;
    bool ReDrawBitmap() override;
    void Arrow(bool Filled, TPoint FromPoint, TPoint ToPoint, int ArrowWidth, int ArrowHeight, int Z,
               double ArrowPercent) override;
    void ClipCube(const TRect& Rect, int MinZ, int MaxZ) override;
    void Cone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool Dark3D,
              int ConePercent) override;
    void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides) override;
    void Cylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                  bool Dark3D) override;
    void DisableRotation() override;
    void EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) override;
    void EnableRotation() override;
    void Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1, double StartAngle,
               double EndAngle, bool DarkSides, bool DrawSides, int DonutPercent,
               TCustomTeeGradient* Gradient) override;
    void Plane3D(TPoint A, TPoint B, int Z0, int Z1) override;
    void PlaneWithZ(TPoint P1, TPoint P2, TPoint P3, TPoint P4, int Z) override;
    void PlaneFour3D(const TFourPoints& Points, int Z0, int Z1) override;
    void Polygon3D(std::span<const TPoint3D> Points) override;
    void Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int z0, int z1,
                 bool DarkSides) override;
    void PyramidTrunc(const TRect& R, int StartZ, int EndZ, int TruncX, int TruncZ) override;
    void RectangleWithZ(const TRect& Rect, int Z) override;
    void RectangleY(int Left, int Top, int Right, int Z0, int Z1) override;
    void RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) override;
    void RotateLabel3D(int x, int y, int z, const String& St, double RotDegree) override;
    void Sphere(int x, int y, int z, double Radius) override;
    void Surface3D(TTeeCanvasSurfaceStyle Style, bool SameBrush, int NumXValues, int NumZValues,
                   TTeeCanvasCalcPoints CalcPoints) override;
    void TextOut3D(int x, int y, int z, const String& Text) override;
    void Triangle3D(const TTrianglePoints3D& Points, const TTriangleColors3D& Colors) override;
    void TriangleWithZ(TPoint P1, TPoint P2, TPoint P3, int Z) override;

    // ---- TTeeCanvas3D slots ------------------------------------------------------------------
    virtual void PolygonFour();
    // Takes Value as the off-screen image; the canvas owns it from now on (and frees the
    // one it held unless it is the same).
    virtual void SetBitmap(TBitmap* Value);
    virtual void DeleteBitmap();
    virtual void TransferBitmap(int X, int Y, TCanvas* ACanvas);

    // ---- projection ----------------------------------------------------------------------------
    void Calc3DPos(int& x, int& y, int z) const;
    void Calc3DPoint(TPoint& P, int x, int y, int z) const {
        P = {x, y};
        Calc3DPos(P.X, P.Y, z);
    }
    // The projection of a fractional point (for curves); always takes the tilt step.
    void Calc3DPoint(TPoint& P, double x, double y, int z) const;
    void Calc3DTPoint(TPoint& P, int z) const { Calc3DPos(P.X, P.Y, z); }
    TPoint Calc3DTPoint3D(const TPoint3D& P) const {
        TPoint r{P.x, P.y};
        Calc3DPos(r.X, r.Y, P.z);
        return r;
    }
    void CalcTrigValues();
    void CalcPerspective(const TRect& Rect);
    void GetCirclePoints(TCirclePoints& P, int X1, int Y1, int X2, int Y2, int Z) const;

    TBitmap* Bitmap() const { return FBitmap.get(); }
    bool Dirty() const { return FDirty; }
    bool Is3D() const { return FIs3D; }
    double ZoomFactor() const { return IZoomFactor; }
    bool ZoomText() const { return IZoomText; }
    TFourPoints IPoints;
    double CharacterAngle = 0;
    int XCenterOffset = 0;
    int YCenterOffset = 0;
    bool IKeepBitmap = false;

protected:
    Extended s1 = 0, s2 = 0, s3 = 0;
    Extended c1 = 1, c2 = 1, c3 = 1;
    double c2s3 = 0, c2c3 = 1;
    double tempXX = 1, tempYX = 0, tempXZ = 0, tempYZ = 0;
    bool FWas3D = false;
    std::unique_ptr<TBitmap> FBitmap;
    bool FDirty = true;
    bool FMonochrome = false;
    int FTextAlign = 0;
    bool IHasPerspec = false;
    bool IHasTilt = false;
    double IOrthoX = 1;
    double IOrthoY = 1;
    double IZoomPerspec = 0;
    double IZoomFactor = 1;
    bool IZoomText = true;
    bool FBufferedDisplay = true;
    bool FIs3D = false;

private:
    // The darkening base of a solid: the fill colour, or the background of hatched faces.
    TColor BaseColor();
    void InternalCylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                          bool Dark3D, int ConePercent);
    void TextOutWithEffects(int X, int Y, const String& Text);
    void ShadowText(int X, int Y, const String& Text, int& TextX, int& TextY);
    // Blurs the shadow text just written at (X, Y) into the off-screen image.
    void BlurShadowText(int X, int Y, const String& Text, int Steps);
};
