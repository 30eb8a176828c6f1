// The bar family. TCustomBarSeries holds what bars share: width, styles, the layout of several
// bar series of one chart (side by side, stacked, stacked to 100 %, one after another, a
// series stacked on itself), the origin, gradient, shadow, bevel, transparency and tick
// lines. TBarSeries stands its bars on the horizontal axis and grows them vertically;
// THorizBarSeries stands them on the vertical axis and grows them horizontally.
#pragma once

#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/series/ChartSeries.h"

class TChartHiddenPen;
class TTeeShadow;
class TCustomBarSeries;

enum TBarStyle {
    bsRectangle,
    bsPyramid,
    bsInvPyramid,
    bsCilinder,
    bsEllipse,
    bsArrow,
    bsRectGradient,
    bsCone,
    bsBevel,
    bsSlantCube,
    bsDiamond,
    bsInvArrow,
    bsInvCone
};
ORVO_DECLARE_ENUM_TYPE(TBarStyle)

enum TMultiBar { mbNone, mbSide, mbStacked, mbStacked100, mbSideAll, mbSelfStack };
ORVO_DECLARE_ENUM_TYPE(TMultiBar)

using TGetBarStyleEvent = TEvent<TCustomBarSeries*, int, TBarStyle&>;
ORVO_DECLARE_EVENT_TYPE(TGetBarStyleEvent)

// The bar gradient: with Relative, each bar's end colour lies between the start colour and
// the bar's colour in proportion to the bar's value.
class TBarSeriesGradient : public TCustomTeeGradient {
    ORVO_CLASS(TBarSeriesGradient, TCustomTeeGradient)
public:
    TBarSeriesGradient() : TBarSeriesGradient(TNotifyEvent()) {}
    explicit TBarSeriesGradient(TNotifyEvent ChangedEvent);
    void Assign(TPersistent* Source) override;
    bool Relative() const { return FRelative; }
    void SetRelative(bool Value);

private:
    bool FRelative = false;
};

class TCustomBarSeries : public TChartSeries {
    ORVO_CLASS(TCustomBarSeries, TChartSeries)
public:
    explicit TCustomBarSeries(TComponent* AOwner);
    ~TCustomBarSeries() override;

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TBarSeriesEditor"); }
    void SetParentChart(TCustomAxisPanel* Value) override;
    void DoBeforeDrawChart() override;
    void CalcZOrder() override;
    void CalcDepthPositions() override;
    void CreateSubGallery(TChartSubGalleryProc AddSubChart) override;
    void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
    void DrawValue(int ValueIndex) override;
    bool IsPointInChartRect(int ValueIndex) override;
    void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
    void SetSubGallery(TChartSeries* ASeries, int Index) override;
    void CalcFirstLastVisibleIndex() override;
    int Clicked(int X, int Y) override;
    void PrepareForGallery(bool IsEnabled) override;
    int NumSampleValues() override;
    // Bars side by side share their X values: when another series of this class in the
    // chart has X values other than its point indexes, samples get X values as well (as
    // OnlyMandatory asks); otherwise only Y values, at the indexes. One fill either way.
    void AddSampleValues(int NumValues, bool OnlyMandatory = false) override;

    // ---- new operations, in slot order ----
    virtual int InternalCalcMarkLength(int ValueIndex);
    virtual bool InternalClicked(int ValueIndex, const TPoint& P);
    virtual bool SubGalleryStack() { return true; }
    virtual TRect CalcBarBounds(int ValueIndex) = 0;
    // The bar's shape between StartPos and EndPos on the value axis, in its style.
    virtual void DrawBar(int BarIndex, int StartPos, int EndPos);
    // Where the bar of ValueIndex starts in value units: the sum of the bars below it when
    // stacked (SumAll: of every series of its group, this one included), else YOrigin.
    virtual double PointOrigin(int ValueIndex, bool SumAll);
    virtual void DrawTickLine(int Pos, TBarStyle BarStyle);
    // The pixel of the bar's origin on the value axis.
    virtual int GetOriginPos(int ValueIndex) = 0;

    int AddBar(double AValue, const String& ALabel = String(), TColor AColor = clTeeColor) {
        return Add(AValue, ALabel, AColor);
    }
    // The room on each side of the base axis: the bar size times the bars side by side (one
    // bar for mbSideAll), halved without side margins.
    int BarMargin() const;
    int ApplyBarOffset(int Position) const;
    TBarStyle GetBarStyle(int ValueIndex);
    int CalcMarkLength(int ValueIndex);

    // ---- properties ----
    bool AutoBarSize() const { return FAutoBarSize; }
    void SetAutoBarSize(bool Value) { SetBooleanProperty(FAutoBarSize, Value); }
    bool AutoMarkPosition() const { return FAutoMarkPosition; }
    void SetAutoMarkPosition(bool Value) { SetBooleanProperty(FAutoMarkPosition, Value); }
    TBarStyle BarStyle() const { return FBarStyle; }
    void SetBarStyle(TBarStyle Value) { StoreAndRepaint(FBarStyle, Value); }
    int BarWidthPercent() const { return FBarWidthPercent; }
    void SetBarWidthPercent(int Value) { SetIntegerProperty(FBarWidthPercent, Value); }
    int BevelSize() const { return FBevelSize; }
    void SetBevelSize(int Value) { SetIntegerProperty(FBevelSize, Value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool Value) { SetBooleanProperty(FDark3D, Value); }
    int DarkPen() const { return FDarkPen; }
    void SetDarkPen(int Value) { SetIntegerProperty(FDarkPen, Value); }
    int DepthPercent() const { return FDepthPercent; }
    void SetDepthPercent(int Value) { SetIntegerProperty(FDepthPercent, Value); }
    TBarSeriesGradient* Gradient() const { return FGradient; }
    void SetGradient(TBarSeriesGradient* Value);
    TMultiBar MultiBar() const { return FMultiBar; }
    void SetMultiBar(TMultiBar Value);
    int OffsetPercent() const { return FOffsetPercent; }
    void SetOffsetPercent(int Value) { SetIntegerProperty(FOffsetPercent, Value); }
    TTeeShadow* Shadow() const { return FShadow; }
    void SetShadow(TTeeShadow* Value);
    bool SideMargins() const { return FSideMargins; }
    void SetSideMargins(bool Value);
    int StackGroup() const { return FStackGroup; }
    void SetStackGroup(int Value) { SetIntegerProperty(FStackGroup, Value); }
    TChartHiddenPen* TickLines() const { return FTickLines; }
    void SetTickLines(TChartHiddenPen* Value);
    TTeeTransparency Transparency() const { return FTransparency; }
    void SetTransparency(TTeeTransparency Value) { SetIntegerProperty(FTransparency, Value); }
    bool UseYOrigin() const { return FUseOrigin; }
    void SetUseYOrigin(bool Value) { SetBooleanProperty(FUseOrigin, Value); }
    double YOrigin() const { return FOrigin; }
    void SetYOrigin(double Value) { SetDoubleProperty(FOrigin, Value); }
    int ConePercent() const { return FConePercent; }
    void SetConePercent(int Value) { SetIntegerProperty(FConePercent, Value); }
    TChartBrush* BarBrush() const { return Brush(); }
    void SetBarBrush(TChartBrush* Value) { SetBrush(Value); }
    TChartPen* BarPen() const { return Pen(); }
    void SetBarPen(TChartPen* Value) { SetPen(Value); }
    // 0: the size follows the axis.
    int CustomBarSize() const { return FCustomBarSize; }
    void SetCustomBarSize(int Value) { SetIntegerProperty(FCustomBarSize, Value); }
    const TRect& BarBounds() const { return FBarBounds; }

    TGetBarStyleEvent OnGetBarStyle;

    // ---- layout of the current drawing (read by tests and the editors) ----
    int NumBars() const { return INumBars; }
    int OrderPos() const { return IOrderPos; }
    int MaxBarPoints() const { return IMaxBarPoints; }
    int PreviousCount() const { return IPreviousCount; }
    int BarSize() const { return IBarSize; }

    // The gap the marks' callout leaves between the bar and its line.
    int MarksCalloutDistance() const;

protected:
    // Computes IBarSize from the base axis and adds BarMargin to both margins.
    void InternalApplyBarMargin(int& MarginA, int& MarginB);
    double MaxMandatoryValue(double Value);
    double MinMandatoryValue(double Value);
    // The index of this series in its chart's list.
    int SeriesIndex() const;
    // The stacked total of every series of the group at ValueIndex, for mbStacked100.
    double Stack100Total(int ValueIndex) { return PointOrigin(ValueIndex, true); }
    // The pixel of a value on the value axis (vertical for TBarSeries).
    virtual int ValuePos(double Value) = 0;

    // ---- shared by both orientations: the base axis is the one the bars stand on
    // (horizontal for TBarSeries), the value axis the one they grow along ----
    // True in the modes that pile the bars on one another: stacked, stacked to 100 %, self-stack.
    bool StacksBars() const;
    // The extremes on the base axis: mbSideAll puts the points of all bar series one after
    // another, mbSelfStack puts the whole series at its own index, the others keep the points'.
    double BaseMinValue();
    double BaseMaxValue();
    // The base-axis pixel of the bar's leading edge (left of a vertical bar, top of a
    // horizontal one): its slot among the bars side by side, moved by OffsetPercent.
    int BaseBarPos(int ValueIndex);
    // The value-axis pixel of the bar's end (the top of a vertical bar going up).
    int ValueEndPos(int ValueIndex);
    // The value-axis pixel of the bar's origin: the stacked origin, YOrigin, or without
    // UseYOrigin the axis' low end.
    int OriginPos(int ValueIndex);
    // Adds the marks' room to the value-axis margins where bars reach below or above the
    // origin. LowMargin lies at the low values of an axis that is not inverted (the bottom or
    // left margin), HighMargin at the opposite end; an inverted axis swaps them.
    void AddMarksMargins(int& LowMargin, int& HighMargin);
    // The pen for the point's bar (darkened by DarkPen).
    void PrepareBarPen(int ValueIndex);
    void SetPenBrushBar(TColor BarColor, int ValueIndex);
    // Draws a rectangle so that zero-wide and very thin bars stay visible.
    void BarRectangle(TColor BarColor, int ALeft, int ATop, int ARight, int ABottom);
    void BarRectangle(TColor BarColor, const TRect& R) {
        BarRectangle(BarColor, R.Left, R.Top, R.Right, R.Bottom);
    }
    // Fills R with the bar gradient.
    void BarGradient(int ValueIndex, TRect R);
    // The 3-D frame of bsBevel.
    void DrawBevel();
    void DrawTickLines(int StartPos, int EndPos, TBarStyle BarStyle);
    // The point's colour taken into the relative gradient.
    TColor RelativeGradientColor(int ValueIndex) const;
    bool IsOrthogonal3D() const;
    // Copies MultiBar and SideMargins to (Copy) or from the chart's other bars of this class.
    void SetOtherBars(bool Copy);

    bool FAutoBarSize = false;
    bool FAutoMarkPosition = true;
    TBarStyle FBarStyle = bsRectangle;
    int FBarWidthPercent = 70;
    int FBevelSize = 1;
    int FConePercent = 0;
    int FCustomBarSize = 0;
    bool FDark3D = true;
    int FDarkPen = 0;
    int FDepthPercent = 100;
    TBarSeriesGradient* FGradient = nullptr;
    TMultiBar FMultiBar = mbSide;
    int FOffsetPercent = 0;
    TTeeShadow* FShadow = nullptr;
    bool FSideMargins = true;
    int FStackGroup = 0;
    TChartHiddenPen* FTickLines = nullptr;
    TTeeTransparency FTransparency = 0;
    bool FUseOrigin = true;
    double FOrigin = 0;

    TRect FBarBounds;
    int INumBars = 0;
    int IMaxBarPoints = 0;
    int IOrderPos = 0;
    int IPreviousCount = 0;
    int IBarSize = 0;
    TColor NormalBarColor = clTeeColor;
};

class TBarSeries : public TCustomBarSeries {
    ORVO_CLASS(TBarSeries, TCustomBarSeries)
public:
    explicit TBarSeries(TComponent* AOwner);

    void CalcHorizMargins(int& LeftMargin, int& RightMargin) override;
    void CalcVerticalMargins(int& TopMargin, int& BottomMargin) override;
    void CalcSelectionPos(int ValueIndex, int& X, int& Y) override;
    void DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) override;
    double MaxXValue() override;
    double MaxYValue() override;
    double MinXValue() override;
    double MinYValue() override;
    int CalcXPos(int ValueIndex) override;
    int CalcYPos(int ValueIndex) override;
    bool DrawSeriesForward(int ValueIndex) override;
    bool MoreSameZOrder() override;
    int InternalCalcMarkLength(int ValueIndex) override;
    bool InternalClicked(int ValueIndex, const TPoint& P) override;
    TRect CalcBarBounds(int ValueIndex) override;
    void DrawTickLine(int Pos, TBarStyle BarStyle) override;
    int GetOriginPos(int ValueIndex) override;

    int CustomBarWidth() const { return FCustomBarSize; }
    void SetCustomBarWidth(int Value) { SetCustomBarSize(Value); }
    int BarWidth() const { return IBarSize; }

protected:
    int ValuePos(double Value) override;
};

class THorizBarSeries : public TCustomBarSeries {
    ORVO_CLASS(THorizBarSeries, TCustomBarSeries)
public:
    explicit THorizBarSeries(TComponent* AOwner);

    void CalcHorizMargins(int& LeftMargin, int& RightMargin) override;
    void CalcVerticalMargins(int& TopMargin, int& BottomMargin) override;
    void CalcSelectionPos(int ValueIndex, int& X, int& Y) override;
    void DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) override;
    double MaxXValue() override;
    double MaxYValue() override;
    double MinXValue() override;
    double MinYValue() override;
    int CalcXPos(int ValueIndex) override;
    int CalcYPos(int ValueIndex) override;
    bool DrawSeriesForward(int ValueIndex) override;
    int InternalCalcMarkLength(int ValueIndex) override;
    bool InternalClicked(int ValueIndex, const TPoint& P) override;
    TRect CalcBarBounds(int ValueIndex) override;
    void DrawTickLine(int Pos, TBarStyle BarStyle) override;
    int GetOriginPos(int ValueIndex) override;

    int CustomBarHeight() const { return FCustomBarSize; }
    void SetCustomBarHeight(int Value) { SetCustomBarSize(Value); }
    int BarHeight() const { return IBarSize; }

protected:
    int ValuePos(double Value) override;
};
