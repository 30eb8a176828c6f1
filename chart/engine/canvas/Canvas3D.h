// TCanvas3D: the abstract 3-D canvas -- a depth coordinate, a projection onto the screen
// and 3-D primitives, on top of the 2-D operations of TTeeCanvas. The virtual operations
// continue TTeeCanvas's slot order.
//
// The canvas is also an IInterface without reference counting: adding or releasing a
// reference answers -1 and never frees it (its owner, the chart panel, does that).
#pragma once

#include "chart/engine/canvas/TeeCanvas.h"
#include "platform/classes/Interfaces.h"

class TView3DOptions;

class TCanvas3D : public TTeeCanvas, public virtual IInterface {
    ORVO_CLASS(TCanvas3D, TTeeCanvas)
public:
    // IInterface: answers for IInterface itself; no counting.
    HResult QueryInterface(const TGUID& IID, void** Obj) override;
    int _AddRef() override { return -1; }
    int _Release() override { return -1; }

    using TTeeCanvas::Arc;
    using TTeeCanvas::Ellipse;
    using TTeeCanvas::LineTo;
    using TTeeCanvas::MoveTo;
    using TTeeCanvas::Polyline;
    using TTeeCanvas::Rectangle;

    // ---- virtual operations, in slot order (after TTeeCanvas's) -------------------------
    virtual void BeginEntity(const String& Entity) { (void)Entity; }
    virtual void EndEntity() {}
    virtual TColor GetPixel3D(int X, int Y, int Z) = 0;
    virtual bool GetSupports3DText() = 0;
    virtual void SetPixel3D(int X, int Y, int Z, TColor Value) = 0;
    virtual void Calculate2DPosition(int& x, int& y, int z) = 0;
    virtual TPoint Calculate3DPosition(int x, int y, int z) = 0;
    virtual TRect InitWindow(TCanvas* DestCanvas, TView3DOptions* A3DOptions, TColor ABackColor, bool Is3D,
                             const TRect& UserRect) = 0;
    virtual void Assign(TCanvas3D* Source);
    virtual void Projection(int MaxDepth, const TRect& ABounds, const TRect& Rect) = 0;
    virtual void ShowImage(TCanvas* DestCanvas, TCanvas* DefaultCanvas, const TRect& UserRect) = 0;
    virtual bool ReDrawBitmap() = 0;
    virtual void Arrow(bool Filled, TPoint FromPoint, TPoint ToPoint, int ArrowWidth, int ArrowHeight, int Z,
                       double ArrowPercent) = 0;
    virtual void ClipCube(const TRect& Rect, int MinZ, int MaxZ) = 0;
    virtual void Cone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool Dark3D,
                      int ConePercent) = 0;
    virtual void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides) = 0;
    virtual void Cylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                          bool Dark3D) = 0;
    virtual void DisableRotation() {}
    virtual void EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) = 0;
    virtual void EnableRotation() {}
    virtual void HorizLine3D(int Left, int Right, int Y, int Z);
    virtual void VertLine3D(int X, int Top, int Bottom, int Z);
    virtual void ZLine3D(int X, int Y, int Z0, int Z1);
    virtual void FrontPlaneBegin();
    virtual void FrontPlaneEnd();
    virtual void LineWithZ(int X0, int Y0, int X1, int Y1, int Z);
    virtual void MoveTo3D(int X, int Y, int Z);
    virtual void LineTo3D(int X, int Y, int Z);
    virtual void Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1, double StartAngle,
                       double EndAngle, bool DarkSides, bool DrawSides, int DonutPercent,
                       TCustomTeeGradient* Gradient) = 0;
    virtual void Plane3D(TPoint A, TPoint B, int Z0, int Z1) = 0;
    virtual void PlaneWithZ(TPoint P1, TPoint P2, TPoint P3, TPoint P4, int Z) = 0;
    virtual void PlaneFour3D(const TFourPoints& Points, int Z0, int Z1) = 0;
    virtual void Polygon3D(std::span<const TPoint3D> Points) = 0;
    virtual void PolygonWithZ(std::span<const TPoint> Points, int Z);
    virtual void Polyline(std::span<const TPoint> Points, int Z);
    virtual void Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int z0, int z1,
                         bool DarkSides) = 0;
    virtual void PyramidTrunc(const TRect& R, int StartZ, int EndZ, int TruncX, int TruncZ) = 0;
    virtual void RectangleWithZ(const TRect& Rect, int Z) = 0;
    virtual void RectangleY(int Left, int Top, int Right, int Z0, int Z1) = 0;
    virtual void RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) = 0;
    virtual void RotateLabel3D(int x, int y, int z, const String& St, double RotDegree) = 0;
    virtual void Sphere(int x, int y, int z, double Radius) = 0;
    virtual void Surface3D(TTeeCanvasSurfaceStyle Style, bool SameBrush, int NumXValues, int NumZValues,
                           TTeeCanvasCalcPoints CalcPoints) = 0;
    virtual void TextOut3D(int x, int y, int z, const String& Text) = 0;
    virtual void Triangle3D(const TTrianglePoints3D& Points, const TTriangleColors3D& Colors) = 0;
    virtual void TriangleWithZ(TPoint P1, TPoint P2, TPoint P3, int Z) = 0;

    // ---- helpers on the projection --------------------------------------------------------
    TPoint Calculate3DPosition(const TPoint3D& P) { return Calculate3DPosition(P.x, P.y, P.z); }
    TPoint Calculate3DPosition(TPoint P, int z) { return Calculate3DPosition(P.X, P.Y, z); }
    void Calc3DPoints(std::span<const TPoint> Points, int z, TPointArray& Result);
    // The projected top-left and bottom-right corners (not normalised).
    TRect CalcRect3D(const TRect& R, int Z);
    void FourPointsFromRect(const TRect& R, int Z, TFourPoints& P);
    // The fill rectangle of the projected corners (one pixel beyond their extent).
    TRect RectFromRectZ(const TRect& R, int Z);
    void Cube(const TRect& R, int Z0, int Z1, bool DarkSides) {
        Cube(R.Left, R.Right, R.Top, R.Bottom, Z0, Z1, DarkSides);
    }
    void EllipseWithZ(const TRect& Rect, int Z) {
        EllipseWithZ(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom, Z);
    }
    void LineWithZ(TPoint FromPoint, TPoint ToPoint, int Z) {
        LineWithZ(FromPoint.X, FromPoint.Y, ToPoint.X, ToPoint.Y, Z);
    }
    void MoveTo3D(const TPoint3D& P) { MoveTo3D(P.x, P.y, P.z); }
    void LineTo3D(const TPoint3D& P) { LineTo3D(P.x, P.y, P.z); }
    void PlaneWithZ(const TFourPoints& P, int Z) { PlaneWithZ(P[0], P[1], P[2], P[3], Z); }
    void Rectangle(const TRect& R, int Z) { RectangleWithZ(R, Z); }
    void Rectangle(int X0, int Y0, int X1, int Y1, int Z) { RectangleWithZ(TRect{X0, Y0, X1, Y1}, Z); }
    void Arrow(bool Filled, TPoint FromPoint, TPoint ToPoint, int ArrowWidth, int ArrowHeight, int Z) {
        Arrow(Filled, FromPoint, ToPoint, ArrowWidth, ArrowHeight, Z, 50);
    }
    using TTeeCanvas::Arrow;
    // An ellipse turned by Angle degrees in its own plane, at depth Z.
    void RotatedEllipse(int Left, int Top, int Right, int Bottom, int Z, double Angle);
    // A picture laid on a plane of the 3-D box, one projected quadrilateral per pixel.
    void StretchDraw(const TRect& Rect, TGraphic* Graphic, int Pos, TCanvas3DPlane Plane);
    using TTeeCanvas::StretchDraw;

    // The start and end angles, in degrees, of a pie given as for the Pie slot: the
    // bounding box, then the start and end points. An end angle of 0 is 360.
    void CalcPieAngles(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4, double& StartAngle,
                       double& EndAngle);

    TView3DOptions* View3DOptions() const { return F3DOptions; }
    void SetView3DOptions(TView3DOptions* Value) { F3DOptions = Value; }
    bool Supports3DText() { return GetSupports3DText(); }
    int XCenter() const { return FXCenter; }
    int YCenter() const { return FYCenter; }
    int ZCenter() const { return FZCenter; }
    bool IsOrthogonal() const { return FIsOrthogonal; }
    // Switches the projection between the oblique view and the rotated one without a new
    // window (a tool drawing a turning wireframe between repaints).
    void SetIsOrthogonal(bool Value) { FIsOrthogonal = Value; }
    // How many FrontPlaneBegin calls are open.
    int DisabledRotation() const { return IDisabledRotation; }

    int GradientZ = 0;
    bool SupportsID = false;
    TPoint3DFloat RotationCenter;

protected:
    TView3DOptions* F3DOptions = nullptr;
    int IDisabledRotation = 0;
    bool FIsOrthogonal = false;
    int FXCenter = 0;
    int FYCenter = 0;
    int FZCenter = 0;
    bool FIsNoBMPGrid = false;
};
