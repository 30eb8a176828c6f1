// The line/point family of series bases. TCustomLineSeries adds the treatment of null points
// and names the element pen LinePen. TCustomSeries is the common base of the line, area and
// point series (and of the arrow, bubble and Gantt series): point markers, stairs, stacking,
// a shadow and an outline pass, the 3-D faces of a line, the hit test of points and
// segments, the legend symbol and the margins the markers need.
//
// Drawing runs one point at a time (DrawValue): each call joins the previous point (OldX,
// OldY) to the current one and draws the previous point's marker after both of its
// segments, so that markers lie on top of the line.
#pragma once

#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/SeriesPointer.h"

class TCanvas3D;
class TChartHiddenPen;
class TCustomSeries;
class TTeeGradient;
class TTeeShadow;

enum TTreatNullsStyle { tnDontPaint, tnSkip, tnIgnore };
ORVO_DECLARE_ENUM_TYPE(TTreatNullsStyle)

enum TCustomSeriesStack { cssNone, cssOverlap, cssStack, cssStack100 };
ORVO_DECLARE_ENUM_TYPE(TCustomSeriesStack)

// A click on a point marker: the series, the point, the mouse position.
using TOnClickPointer = TEvent<TCustomSeries*, int, int, int>;
ORVO_DECLARE_EVENT_TYPE(TOnClickPointer)
// The marker style of one point.
using TOnGetPointerStyle = TEvent<TChartSeries*, int, TSeriesPointerStyle&>;
ORVO_DECLARE_EVENT_TYPE(TOnGetPointerStyle)

class TCustomLineSeries : public TChartSeries {
    ORVO_CLASS(TCustomLineSeries, TChartSeries)
public:
    explicit TCustomLineSeries(TComponent* AOwner) : TChartSeries(AOwner) {}
    // TreatNulls from another line series, then the series assignment.
    void Assign(TPersistent* Source) override;

    TTreatNullsStyle TreatNulls() const { return FTreatNulls; }
    void SetTreatNulls(TTreatNullsStyle Value);
    TChartPen* LinePen() const { return Pen(); }
    void SetLinePen(TChartPen* Value) { SetPen(Value); }

protected:
    TTreatNullsStyle FTreatNulls = tnDontPaint;
};

class TCustomSeries : public TCustomLineSeries {
    ORVO_CLASS(TCustomSeries, TCustomLineSeries)
public:
    explicit TCustomSeries(TComponent* AOwner);
    ~TCustomSeries() override;

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TCustomSeriesEditor"); }
    void SetParentChart(TCustomAxisPanel* Value) override;
    void CalcHorizMargins(int& LeftMargin, int& RightMargin) override;
    void CalcVerticalMargins(int& TopMargin, int& BottomMargin) override;
    void CalcZOrder() override;
    void DrawAllValues() override;
    void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
    void DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) override;
    void DrawValue(int ValueIndex) override;
    bool IsPointInChartRect(int ValueIndex) override;
    bool RaiseClicked() override;
    double MaxXValue() override;
    double MaxYValue() override;
    double MinXValue() override;
    double MinYValue() override;
    int CalcXPos(int ValueIndex) override;
    int CalcYPos(int ValueIndex) override;
    void CalcFirstLastVisibleIndex() override;
    int Clicked(int X, int Y) override;
    using TChartSeries::Clicked;

    // ---- new operations, in slot order ----
    // Room the marks need beside the points: callout length plus distance.
    virtual int CalcMarkLength();
    // The smallest (largest) mandatory value of the countable points; 0 when none counts.
    virtual double CalcMinMaxValue(bool IsMinimum);
    // (X, Y) falls on the marker drawn at (PointX, PointY).
    virtual bool ClickedPointer(int ValueIndex, int PointX, int PointY, int X, int Y);
    virtual TTeeGradient* GetGradient() { return FGradient; }
    virtual int GetTransparency() { return FTransparency; }
    virtual void SetTransparency(int Value);
    // Called before a marker is tested; the bubble series sizes its marker here.
    virtual void PreparePointer(int ValueIndex) { (void)ValueIndex; }
    virtual bool SameClassOrigin(TChartSeries* Series);
    // Screen position of the point's origin on the mandatory axis.
    virtual int GetOriginPos(int ValueIndex);
    // Draws one marker (the style may come from OnGetPointerStyle).
    virtual void DrawPointer(int AX, int AY, TColor AColor, int ValueIndex);

    // ---- stacking ----
    // Sum of the origins of the earlier (all, with SumAll) series of the same kind at the point,
    // on the side of the point's own sign.
    double PointOrigin(int ValueIndex, bool SumAll);
    int CalcStackedPos(int ValueIndex, double Value);

    // ---- helpers of the drawing ----
    TColor GetAreaBrushColor(TColor AColor);
    TSeriesPointerStyle DoGetPointerStyle(int ValueIndex);
    // Primes the previous-point fields from the point before ValueIndex.
    void InitDrawValue(int ValueIndex);
    void LinePrepareCanvas(TCanvas3D* Canvas, TColor AColor);

    // ---- properties ----
    TChartBrush* AreaChartBrush() const { return FAreaBrush; }
    void SetAreaChartBrush(TChartBrush* Value);
    TBrushStyle AreaBrush() const;
    void SetAreaBrush(TBrushStyle Value);
    TColor AreaColor() const { return FAreaColor; }
    void SetAreaColor(TColor Value) { SetColorProperty(FAreaColor, Value); }
    TChartPen* AreaLinesPen() const { return FAreaLinesPen; }
    void SetAreaLinesPen(TChartPen* Value);
    bool ClickableLine() const { return FClickableLine; }
    void SetClickableLine(bool Value) { FClickableLine = Value; }
    bool ColorEachLine() const { return FColorEachLine; }
    void SetColorEachLine(bool Value) { SetBooleanProperty(FColorEachLine, Value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool Value) { SetBooleanProperty(FDark3D, Value); }
    bool DrawArea() const { return FDrawArea; }
    void SetDrawArea(bool Value) { SetBooleanProperty(FDrawArea, Value); }
    bool DrawLine() const { return FDrawLine; }
    bool InvertedStairs() const { return FInvertedStairs; }
    void SetInvertedStairs(bool Value) { SetBooleanProperty(FInvertedStairs, Value); }
    int LineHeight() const { return FLineHeight; }
    void SetLineHeight(int Value) { SetIntegerProperty(FLineHeight, Value); }
    TChartHiddenPen* OutLine() const { return FOutLine; }
    void SetOutLine(TChartHiddenPen* Value);
    TSeriesPointer* Pointer() const { return FPointer; }
    void SetPointer(TSeriesPointer* Value);
    TTeeShadow* Shadow() const { return FShadow; }
    void SetShadow(TTeeShadow* Value);
    TCustomSeriesStack Stacked() const { return FStacked; }
    // Also on every series of the chart that is an instance of this series' class.
    void SetStacked(TCustomSeriesStack Value);
    bool Stairs() const { return FStairs; }
    void SetStairs(bool Value) { SetBooleanProperty(FStairs, Value); }
    int Transparency() { return GetTransparency(); }
    TTeeGradient* Gradient() { return GetGradient(); }
    void SetGradient(TTeeGradient* Value);

    TOnClickPointer OnClickPointer;
    TOnGetPointerStyle OnGetPointerStyle;

    // ---- state of one drawing pass ----
    int BottomPos = 0;
    int OldBottomPos = 0;
    int OldX = 0;
    int OldY = 0;
    TColor OldColor = clTeeColor;
    double tmpDark3DRatio = 1;

protected:
    // The marker and line steps between the previous point and (X, Y).
    void DrawSegment(int ValueIndex, int X, int Y, TColor AColor, bool IsLast, bool WithPointers);
    // The lead-in from the point before the visible range, at the edge position OldX.
    void PrepareLeadIn(int ValueIndex, double AtValue);
    int InterpolatedLeadIn(int ValueIndex, double AtValue);
    // The area fill of one segment (the area series extend it).
    virtual void DrawAreaSegment(int ValueIndex, int X, int Y, TColor AColor);
    // Sets both pointer-visible and line flags of the point series.
    void SetPointFlags();

    TChartBrush* FAreaBrush = nullptr;
    TColor FAreaColor = clTeeColor;
    TChartPen* FAreaLinesPen = nullptr;
    bool FClickableLine = true;
    bool FColorEachLine = true;
    bool FDark3D = true;
    bool FDrawArea = false;
    bool FDrawLine = false;
    bool FInvertedStairs = false;
    int FLineHeight = 0;
    TChartHiddenPen* FOutLine = nullptr;
    TSeriesPointer* FPointer = nullptr;
    TTeeShadow* FShadow = nullptr;
    TCustomSeriesStack FStacked = cssNone;
    bool FStairs = false;
    int FTransparency = 0;
    TTeeGradient* FGradient = nullptr;

private:
    bool SegmentHit(TPoint P, TPoint Previous, TPoint Current);
    // Inside the area filled between Previous and Current (BottomPos and OldBottomPos set).
    bool AreaHit(TPoint P, TPoint Previous, TPoint Current);
};

// Raises the margin pair A (top or left) and B (bottom or right) to the room the line needs
// on both sides and, when MandatorySide, to the marks' room on the side of the mandatory
// values: A for a normal series, B for a horizontal one. Each margin grows only from its
// own value.
void AddLineMargins(TCustomSeries* S, int& A, int& B, bool MandatorySide);

// The marks' callout: its arrow length, its distance from the point, moving a mark by them.
int MarksCalloutLength(TSeriesMarks* Marks);
int MarksCalloutDistance(TSeriesMarks* Marks);
void SetMarksCalloutLength(TSeriesMarks* Marks, int Length);
void ApplyMarksArrowLength(TSeriesMarks* Marks, TSeriesMarkPosition* Position);

// Draws the marker as a legend symbol in Rect: a third of the symbol with a line drawn
// under it, else half of it.
void TeePointerDrawLegend(TSeriesPointer* Pointer, TColor AColor, const TRect& Rect, bool DrawPen,
                          TSeriesPointerStyle Style);
