// Series pointers: the symbol drawn at a point (the dots of line and point series, the
// handles of other series types, the pointers of gauges) -- one of thirteen shapes of a
// given half-width and half-height, flat or as a 3-D solid at the series' depth, with pen,
// brush, optional gradient fill, shadow and transparency. TCallout adds an arrow line from
// a point to another (series marks and annotation tools use it); TMarksCallout adds the
// arrow length of series marks.
#pragma once

#include "chart/engine/panel/TeeShape.h"
#include "platform/classes/TypInfo.h"

#include <algorithm>

class TCanvas3D;
class TChartSeries;
class TSeriesMarkPosition;
class TTeeCanvas;
class TTeeGradient;
class TTeeShadow;
class TWhitePen;

enum TSeriesPointerStyle {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot,
    psNothing,
    psLeftTriangle,
    psRightTriangle,
    psHexagon
};
ORVO_DECLARE_ENUM_TYPE(TSeriesPointerStyle)

enum TArrowHeadStyle { ahNone, ahLine, ahSolid };
ORVO_DECLARE_ENUM_TYPE(TArrowHeadStyle)

// When on, a callout arrow whose colour equals the point colour or the panel colour is
// drawn black (white on a black panel) so that it stays visible. Off by default.
extern bool TeeCheckMarkArrowColor;

class TSeriesPointer : public TTeeCustomShapeBrushPen {
    ORVO_CLASS(TSeriesPointer, TTeeCustomShapeBrushPen)
public:
    // Takes the series' chart as panel when a series is given.
    explicit TSeriesPointer(TChartSeries* AOwner = nullptr);
    ~TSeriesPointer() override;
    // From another pointer: Dark3D, Draw3D, gradient, HorizSize, InflateMargins, shadow,
    // Style, Transparency, VertSize, then brush, pen and visibility.
    void Assign(TPersistent* Source) override;

    // Each margin becomes at least HorizSize + 1 (VertSize + 1) when the pointer is
    // visible and InflateMargins is on.
    void CalcHorizMargins(int& LeftMargin, int& RightMargin) const;
    void CalcVerticalMargins(int& TopMargin, int& BottomMargin) const;

    // Store without repainting (series types set their own defaults through these).
    void ChangeHorizSize(int NewSize) { FHorizSize = NewSize; }
    void ChangeVertSize(int NewSize) { FVertSize = NewSize; }
    void ChangeStyle(TSeriesPointerStyle NewStyle) { FStyle = NewStyle; }
    void Change3D(bool Value) { FDraw3D = Value; }

    // The canvas pen and brush for a pointer of point colour AColor.
    void PrepareCanvas(TCanvas3D* ACanvas, TColor AColor);
    // PrepareCanvas on the chart canvas with the brush colour.
    void Prepare();

    // The pointer's own style and brush colour at (PX, PY), on the chart canvas, 3-D when
    // the chart is.
    void Draw(int PX, int PY);
    void Draw(TPoint P) { Draw(P.X, P.Y); }
    void Draw(int PX, int PY, TColor AColor, TSeriesPointerStyle AStyle);
    // One pointer centred at (PX, PY) with half sizes AHorizSize and AVertSize. The canvas
    // must be prepared (PrepareCanvas).
    void DrawPointer(TCanvas3D* ACanvas, bool Is3D, int PX, int PY, int AHorizSize, int AVertSize,
                     TColor AColor, TSeriesPointerStyle AStyle);

    // The series' depth positions; 0 without a series.
    int StartZ() const;
    int MiddleZ() const;
    int EndZ() const;

    TColor Color() const;
    void SetColor(TColor Value);
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool Value);
    bool Draw3D() const { return FDraw3D; }
    void SetDraw3D(bool Value);
    // Made on first read (not visible).
    TTeeGradient* Gradient();
    void SetGradient(TTeeGradient* Value);
    bool HasGradient() const { return FGradient != nullptr; }
    int HorizSize() const { return FHorizSize; }
    // Raises ChartException (TeeMsg_CheckPointerSize) for a size below 1.
    void SetHorizSize(int Value);
    bool InflateMargins() const { return FInflateMargins; }
    void SetInflateMargins(bool Value);
    TChartSeries* ParentSeries() const { return FSeries; }
    void SetParentSeries(TChartSeries* Value);
    TChartSeries* Series() const { return FSeries; }
    TTeeShadow* Shadow() const { return FShadow; }
    void SetShadow(TTeeShadow* Value);
    // The larger of the two sizes; setting it sets both.
    int Size() const { return std::max(FHorizSize, FVertSize); }
    void SetSize(int Value);
    TSeriesPointerStyle Style() const { return FStyle; }
    void SetStyle(TSeriesPointerStyle Value);
    TTeeTransparency Transparency() const { return FTransparency; }
    void SetTransparency(TTeeTransparency Value);
    int VertSize() const { return FVertSize; }
    // Raises ChartException (TeeMsg_CheckPointerSize) for a size below 1.
    void SetVertSize(int Value);
    // The series type lets the user change the size (editors read it).
    bool AllowChangeSize() const { return FAllowChangeSize; }
    void SetAllowChangeSize(bool Value) { FAllowChangeSize = Value; }
    // When off, the gradient's end colour becomes the point colour before drawing.
    bool FullGradient() const { return FFullGradient; }
    void SetFullGradient(bool Value) { FFullGradient = Value; }

protected:
    // Stores Value and repaints the panel when it changed.
    template <class V> void SetAndRepaint(V& Field, V Value) {
        if (Field != Value) {
            Field = Value;
            Repaint();
        }
    }
    void CheckPointerSize(int Value) const;

    bool FDark3D = true;
    bool FDraw3D = true;
    TTeeGradient* FGradient = nullptr;
    int FHorizSize = 4;
    bool FInflateMargins = true;
    TChartSeries* FSeries = nullptr;
    TTeeShadow* FShadow = nullptr;
    TSeriesPointerStyle FStyle = psRectangle;
    TTeeTransparency FTransparency = 0;
    int FVertSize = 4;
    bool FAllowChangeSize = true;
    bool FFullGradient = false;

private:
    void DrawShadow(TCanvas3D* ACanvas, bool Is3D, int PX, int PY, int H, int V, TSeriesPointerStyle AStyle);
    void DrawGradient(TCanvas3D* ACanvas, bool Is3D, int PX, int PY, int H, int V, TColor AColor,
                      TSeriesPointerStyle AStyle, bool AsPyramid);
};

// A pointer with an arrow line from a point (From) to another (To), optionally through a
// middle point.
class TCallout : public TSeriesPointer {
    ORVO_CLASS(TCallout, TSeriesPointer)
public:
    explicit TCallout(TChartSeries* AOwner = nullptr);
    ~TCallout() override;
    // The pointer's properties, then Distance, arrow pen, ArrowHead and ArrowHeadSize.
    void Assign(TPersistent* Source) override;

    // The arrow from the mark (To) to the point (From) at depth Z, through Mid when HasMid;
    // with no arrow head the pointer is drawn flat at From.
    void Draw(TColor AColor, TPoint AFrom, TPoint ATo, TPoint AMid, int Z, bool HasMid);
    using TSeriesPointer::Draw;

    TWhitePen* Arrow() const { return FArrow; }
    void SetArrow(TWhitePen* Value);
    TArrowHeadStyle ArrowHead() const { return FArrowHead; }
    void SetArrowHead(TArrowHeadStyle Value);
    int ArrowHeadSize() const { return FArrowHeadSize; }
    void SetArrowHeadSize(int Value);
    int Distance() const { return FDistance; }
    void SetDistance(int Value);

protected:
    TWhitePen* FArrow = nullptr;
    TArrowHeadStyle FArrowHead = ahNone;
    int FArrowHeadSize = 8;
    int FDistance = 0;
};

// The callout of series marks: the arrow from each mark down to its point.
class TMarksCallout : public TCallout {
    ORVO_CLASS(TMarksCallout, TCallout)
public:
    explicit TMarksCallout(TChartSeries* AOwner = nullptr);
    // The callout's properties, then Length.
    void Assign(TPersistent* Source) override;

    // Moves the mark above its point by the arrow length: with d = Length + Distance the
    // mark's top and the arrow's end rise by d and the arrow's start by Distance.
    void ApplyArrowLength(TSeriesMarkPosition* P) const;

    int Length() const { return FLength; }
    void SetLength(int Value);
    bool IsLengthStored() const { return FLength != DefaultLength; }

    // The Length that streams leave out (a series type with another arrow length sets
    // both).
    int DefaultLength = 8;

protected:
    int FLength = 8;
};
