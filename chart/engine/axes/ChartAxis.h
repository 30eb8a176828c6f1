// TChartAxis: one axis of a chart (the four sides, the two depth axes and any custom axis).
// It finds its working range (automatic from the series, fixed, logarithmic, date-time),
// derives its pixel span from the chart rectangle and converts values to pixels and back;
// it chooses the distance between labels, makes the label texts, takes its room in the
// chart and draws its line, ticks, grid, labels and title. The small classes it owns (the
// title, the pens, the label items) and the depth axis class live here too.
#pragma once

#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/panel/DateTimeSteps.h"
#include "chart/engine/panel/TeeShape.h"
#include "platform/classes/Collection.h"

#include <vector>

class TChartAxis;
class TChartSeries;
class TCustomAxisPanel;
class TCustomChartSeries;
class TTeeFont;

// ---- constants of the unit -------------------------------------------------------------------
// Smallest increment between labels.
inline constexpr double MinAxisIncrement = 1e-12;
// Smallest range SetMinMax allows.
inline constexpr double MinAxisRange = 1e-10;
// Pixels around the axis line that still count as a click on it.
inline constexpr int TeeAxisClickGap = 3;
// Line break inside label texts.
inline constexpr char16_t TeeLineSeparator = u'\r';
// The largest pixel magnitude the checked conversions give (2^26 - 1 on systems that draw
// with 32-bit coordinates, else 32767).
extern int TeeMaxPixelPos;

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };
ORVO_DECLARE_ENUM_TYPE(TAxisLabelStyle)
enum TAxisLabelAlign { alDefault, alOpposite };
ORVO_DECLARE_ENUM_TYPE(TAxisLabelAlign)
enum TPenLineMode { lmLine, lmCylinder, lmRectangle };
ORVO_DECLARE_ENUM_TYPE(TPenLineMode)

// Value to pixel.
using TAxisCalcPos = int (TChartAxis::*)(double Value);
using TAxisTicks = std::vector<int>;

using TAxisDrawLabelEvent = TEvent<TChartAxis*, int&, int&, int&, String&, bool&>;
ORVO_DECLARE_EVENT_TYPE(TAxisDrawLabelEvent)
using TAxisOnGetLabel = TEvent<TChartAxis*, TChartSeries*, int, String&>;
ORVO_DECLARE_EVENT_TYPE(TAxisOnGetLabel)
using TAxisOnGetNextLabel = TEvent<TChartAxis*, int, double&, bool&>;
ORVO_DECLARE_EVENT_TYPE(TAxisOnGetNextLabel)
// Called before the grid of an axis is drawn.
using TAxisDrawGrids = TEvent<TChartAxis*>;

// ---- owned parts -----------------------------------------------------------------------------

// The axis title: a transparent framed shape with a caption and an angle.
class TChartAxisTitle : public TTeeCustomShape {
    ORVO_CLASS(TChartAxisTitle, TTeeCustomShape)
public:
    explicit TChartAxisTitle(TCustomTeePanel* AOwner = nullptr);
    void Assign(TPersistent* Source) override;
    // True when (x, y) lies in the title's frame of the last drawing (turned by the angle).
    bool Clicked(int x, int y);

    int Angle() const { return FAngle; }
    // Stores Value modulo 360 (sign kept).
    void SetAngle(int Value);
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    bool IsAngleStored() const { return FAngle != IDefaultAngle; }
    bool IsCaptionStored() const { return !FCaption.isEmpty(); }

    int IDefaultAngle = 0;

private:
    int FAngle = 0;
    String FCaption;
};

// The pen of the axis line: width 2 and a line mode.
class TChartAxisPen : public TChartPen {
    ORVO_CLASS(TChartAxisPen, TChartPen)
public:
    TChartAxisPen() : TChartAxisPen(TNotifyEvent()) {}
    explicit TChartAxisPen(TNotifyEvent OnChangeEvent);
    void Assign(TPersistent* Source) override;
    TPenLineMode LineMode() const { return FLineMode; }
    void SetLineMode(TPenLineMode Value);

private:
    TPenLineMode FLineMode = lmLine;
};

// The grid pen: dotted grey, drawn every DrawEvery ticks, optionally between ticks.
class TAxisGridPen : public TDottedGrayPen {
    ORVO_CLASS(TAxisGridPen, TDottedGrayPen)
public:
    TAxisGridPen() : TAxisGridPen(TNotifyEvent()) {}
    explicit TAxisGridPen(TNotifyEvent OnChangeEvent);
    void Assign(TPersistent* Source) override;
    bool Centered() const { return FCentered; }
    void SetCentered(bool Value);
    int DrawEvery() const { return FDrawEvery; }
    void SetDrawEvery(int Value);
    double ZPosition() const { return FZ; }
    void SetZPosition(double Value);
    bool IsZStored() const { return FZ != IDefaultZ; }

    double IDefaultZ = 0;

private:
    bool FCentered = false;
    int FDrawEvery = 1;
    double FZ = 0;
};

class TAxisItems;

// One label of an axis: a value, a text and its own frame.
class TAxisItem : public TTeeCustomShape {
    ORVO_CLASS(TAxisItem, TTeeCustomShape)
public:
    explicit TAxisItem(TCustomTeePanel* AOwner = nullptr);
    void Assign(TPersistent* Source) override;
    double Value() const { return FValue; }
    void SetValue(double Value);
    const String& Text() const { return FText; }
    void SetText(const String& Value);

    TAxisItems* IAxisItems = nullptr;

private:
    double FValue = 0;
    String FText;
};

// The label items of an axis and its label format. With Auto the list only records the
// labels drawn automatically; without it the items are the labels.
class TAxisItems : public TObject {
    ORVO_CLASS(TAxisItems, TObject)
public:
    explicit TAxisItems(TChartAxis* Axis = nullptr);
    ~TAxisItems() override;
    void Assign(TAxisItems* Source);

    TAxisItem* Add(double Value);
    TAxisItem* Add(double Value, const String& Text);
    void Clear();
    int Count() const { return int(FItems.size()); }
    // Null for an index outside the list.
    TAxisItem* Item(int Index) const;
    // False for an index outside the list.
    bool Delete(int Index);
    // The format and the items' values and texts of Source.
    void CopyFrom(TAxisItems* Source);

    bool Auto() const { return FAuto; }
    void SetAuto(bool Value) { FAuto = Value; }
    TTeeShape* Format() const { return FFormat; }

    TChartAxis* IAxis = nullptr;

private:
    std::vector<TAxisItem*> FItems;
    bool FAuto = true;
    TTeeShape* FFormat = nullptr;
};

// ---- the axis --------------------------------------------------------------------------------

class TChartAxis : public TCollectionItem {
    ORVO_CLASS(TChartAxis, TCollectionItem)
public:
    // The owning chart is the collection's owner; the axis joins the collection only when
    // the chart already holds its six standard axes.
    explicit TChartAxis(TCollection* Collection);
    // A custom axis of AChart.
    explicit TChartAxis(TCustomAxisPanel* AChart);
    ~TChartAxis() override;
    void Assign(TPersistent* Source) override;

    // ---- new operations, in slot order ----
    virtual TAxisLabelStyle InternalCalcLabelStyle();
    virtual void SetInverted(bool Value);
    // The label text of Value.
    virtual String LabelValue(double Value);

    // ---- range and scale ----
    void AdjustMaxMin();
    void CalcMinMax(double& AMin, double& AMax);
    void InternalCalcRange();
    void CalcRoundScales();
    // Rect carries margins in pixels (Left/Right or Top/Bottom), not a rectangle.
    void AdjustMaxMinRect(const TRect& Rect);
    void SetMinMax(double AMin, double AMax);
    void Scroll(double Offset, bool CheckLimits = false);
    bool IsDateTime();
    void InternalCalcPositions();
    void RecalcSizeCenter();
    int CalcZPos();
    void IncDecDateTime(bool Increment, double& Value, double AnIncrement, TDateTimeStep tmpWhichDateTime);
    // Index in the chart's axis list above 5.
    bool IsCustom() const;
    bool IsDepthAxis() const { return IDepthAxis; }

    // ---- conversion ----
    int CalcXPosValue(double Value) { return (this->*FCalcXPosValue)(Value); }
    int CalcYPosValue(double Value) { return (this->*FCalcYPosValue)(Value); }
    int CalcPosValue(double Value) { return (this->*FCalcPosValue)(Value); }
    double CalcPosPoint(int Value);
    int CalcSizeValue(double Value);
    void SetCalcPosValue();

    // ---- increments ----
    double CalcIncrement();
    double CalcXYIncrement(int MaxLabelSize);
    double CalcLabelsIncrement(int MaxNumLabels);
    double CalcDateTimeIncrement(int MaxNumLabels);
    double RoundLogPower(double Value);
    int LabelWidth(double Value);
    int LabelHeight(double Value);

    // ---- labels ----
    TAxisLabelStyle CalcLabelStyle();
    void DrawAxisLabel(int x, int y, int Angle, const String& St, TTeeCustomShape* Format = nullptr,
                       int z = 0);
    int MaxLabelsWidth();
    int DepthAxisAlign();
    int DepthAxisPos();

    // ---- drawing, layout and hit test ----
    void Draw(bool CalcPosAxis);
    void CalcRect(TRect& R, bool InflateChartRectangle);
    void DrawTitle(int x, int y);
    void DrawGrids(int NumTicks);
    void DrawGridLine(int tmp);
    void DrawLineSegment(int AStart, int AEnd);
    int SizeTickAxis();
    int SizeLabels();
    int SizeTitle();
    int InternalCalcSize(TTeeFont* tmpFont, int tmpAngle, const String& tmpText, int tmpSize);
    int InflateAxisPos(int Value, int Amount);
    void InflateAxisRect(TRect& R, int Amount);
    int GetRectangleEdge(const TRect& R);
    int ApplyPosition(int APos, const TRect& R);
    bool Clicked(int x, int y);
    TRect AxisRect();
    void CustomDraw(int APosLabels, int APosTitle, int APosAxis, bool GridVisible);
    void CustomDrawStartEnd(int APosLabels, int APosTitle, int APosAxis, bool GridVisible, int AStartPos,
                            int AEndPos);
    void CustomDrawMinMax(int APosLabels, int APosTitle, int APosAxis, bool GridVisible, double AMinimum,
                          double AMaximum, double AIncrement);
    void CustomDrawMinMaxStartEnd(int APosLabels, int APosTitle, int APosAxis, bool GridVisible,
                                  double AMinimum, double AMaximum, double AIncrement, int AStartPos,
                                  int AEndPos);

    // ---- properties ----
    bool Automatic() const { return FAutomatic; }
    void SetAutomatic(bool Value);
    bool AutomaticMaximum() const { return FAutomaticMaximum; }
    void SetAutomaticMaximum(bool Value);
    bool AutomaticMinimum() const { return FAutomaticMinimum; }
    void SetAutomaticMinimum(bool Value);
    TChartAxisPen* Axis() const { return FAxis; }
    void SetAxis(TChartAxisPen* Value);
    const String& AxisValuesFormat() const { return FAxisValuesFormat; }
    void SetAxisValuesFormat(const String& Value);
    const String& ValuesFormat() const { return FAxisValuesFormat; }
    void SetValuesFormat(const String& Value) { SetAxisValuesFormat(Value); }
    const String& DateTimeFormat() const { return FDateTimeFormat; }
    void SetDateTimeFormat(const String& Value);
    double EndPosition() const { return FEndPosition; }
    void SetEndPosition(double Value);
    bool ExactDateTime() const { return FExactDateTime; }
    void SetExactDateTime(bool Value);
    TAxisGridPen* Grid() const { return FGrid; }
    void SetGrid(TAxisGridPen* Value);
    bool GridCentered() const;
    void SetGridCentered(bool Value);
    bool Horizontal() const { return FHorizontal; }
    void SetHorizontal(bool Value);
    double Increment() const { return FDesiredIncrement; }
    void SetIncrement(double Value);
    double DesiredIncrement() const { return FDesiredIncrement; }
    void SetDesiredIncrement(double Value) { SetIncrement(Value); }
    bool Inverted() const { return FInverted; }
    TAxisItems* Items() const { return FItems; }
    bool Labels() const;
    void SetLabels(bool Value);
    TAxisLabelAlign LabelsAlign() const { return FLabelsAlign; }
    void SetLabelsAlign(TAxisLabelAlign Value);
    bool LabelsAlternate() const { return FLabelsAlternate; }
    void SetLabelsAlternate(bool Value);
    int LabelsAngle() const { return FLabelsAngle; }
    void SetLabelsAngle(int Value);
    bool LabelsExponent() const { return FLabelsExponent; }
    void SetLabelsExponent(bool Value);
    TTeeFont* LabelsFont() const;
    void SetLabelsFont(TTeeFont* Value);
    bool LabelsMultiLine() const { return FLabelsMultiLine; }
    void SetLabelsMultiLine(bool Value);
    bool LabelsOnAxis() const { return FLabelsOnAxis; }
    void SetLabelsOnAxis(bool Value);
    int LabelsSeparation() const { return FLabelsSeparation; }
    void SetLabelsSeparation(int Value);
    int LabelsSize() const { return FLabelsSize; }
    void SetLabelsSize(int Value);
    TAxisLabelStyle LabelStyle() const { return FLabelStyle; }
    void SetLabelStyle(TAxisLabelStyle Value);
    bool Logarithmic() const { return FLogarithmic; }
    void SetLogarithmic(bool Value);
    double LogarithmicBase() const { return FLogarithmicBase; }
    void SetLogarithmicBase(double Value);
    double Maximum() const { return FMaximumValue; }
    double MaximumValue() const { return FMaximumValue; }
    void SetMaximum(double Value);
    int MaximumOffset() const { return FMaximumOffset; }
    void SetMaximumOffset(int Value);
    bool MaximumRound() const { return FMaximumRound; }
    void SetMaximumRound(bool Value);
    double Minimum() const { return FMinimumValue; }
    double MinimumValue() const { return FMinimumValue; }
    void SetMinimum(double Value);
    int MinimumOffset() const { return FMinimumOffset; }
    void SetMinimumOffset(int Value);
    bool MinimumRound() const { return FMinimumRound; }
    void SetMinimumRound(bool Value);
    TChartHiddenPen* MinorGrid() const { return FMinorGrid; }
    void SetMinorGrid(TChartHiddenPen* Value);
    int MinorTickCount() const { return FMinorTickCount; }
    void SetMinorTickCount(int Value);
    int MinorTickLength() const { return FMinorTickLength; }
    void SetMinorTickLength(int Value);
    TDarkGrayPen* MinorTicks() const { return FMinorTicks; }
    void SetMinorTicks(TDarkGrayPen* Value);
    bool OtherSide() const { return FOtherSide; }
    void SetOtherSide(bool Value);
    double PositionPercent() const { return FPositionPercent; }
    void SetPositionPercent(double Value);
    TTeeUnits PositionUnits() const { return FPosUnits; }
    void SetPositionUnits(TTeeUnits Value);
    TTeeUnits PosUnits() const { return FPosUnits; }
    void SetPosUnits(TTeeUnits Value) { SetPositionUnits(Value); }
    bool RoundFirstLabel() const { return FRoundFirstLabel; }
    void SetRoundFirstLabel(bool Value);
    double StartPosition() const { return FStartPosition; }
    void SetStartPosition(double Value);
    int TickInnerLength() const { return FTickInnerLength; }
    void SetTickInnerLength(int Value);
    int TickLength() const { return FTickLength; }
    void SetTickLength(int Value);
    bool TickOnLabelsOnly() const { return FTickOnLabelsOnly; }
    void SetTickOnLabelsOnly(bool Value);
    TDarkGrayPen* Ticks() const { return FTicks; }
    void SetTicks(TDarkGrayPen* Value);
    TDarkGrayPen* TicksInner() const { return FTicksInner; }
    void SetTicksInner(TDarkGrayPen* Value);
    TChartAxisTitle* Title() const { return FAxisTitle; }
    void SetTitle(TChartAxisTitle* Value);
    int TitleSize() const { return FTitleSize; }
    void SetTitleSize(int Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    double ZPosition() const { return FZPosition; }
    void SetZPosition(double Value);

    TCustomAxisPanel* ParentChart() const { return FParentChart; }
    int PosAxis() const { return FPosAxis; }
    int PosLabels() const { return FPosLabels; }
    int PosTitle() const { return FPosTitle; }
    void SetPosTitle(int Value) { FPosTitle = Value; }
    TChartAxis* Master() const { return FMaster; }
    void SetMaster(TChartAxis* Value) { FMaster = Value; }

    bool IsMaxStored() const;
    bool IsMinStored() const;
    bool IsZPosStored() const;
    bool IsAxisValuesFormatStored() const;
    bool IsDateTimeFormatStored() const { return !FDateTimeFormat.isEmpty(); }

    TAxisDrawLabelEvent OnDrawLabel;
    TAxisOnGetNextLabel OnCalcMaxLabel;
    TNotifyEvent OnDrawAxis;
    TAxisDrawGrids OnDrawGrids;

    // ---- working state of the current drawing ----
    bool IAxisDateTime = false;
    double IAxisLogSizeRange = 0;
    double IAxisSizeRange = 0;
    int ICenterPos = 0;
    bool IDepthAxis = false;
    double ILogMax = 0;
    double ILogMin = 0;
    double IMaximum = 0;
    double IMinimum = 0;
    double IRange = 0;
    double IRangeLog = 0;
    bool IRangeZero = false;
    std::vector<TChartSeries*> ISeriesList;
    bool IsVisible = false;
    int IWallSize = 0;
    int IZPos = 0;
    bool IHideBackGrid = false;
    bool IHideSideGrid = false;
    int IStartPos = 0;
    int IEndPos = 0;
    int IAxisSize = 0;
    TAxisTicks Tick;

protected:
    // The working minimum and maximum rounded to the increment, as the labels start them.
    void DrawAxisLabels();

private:
    friend class TCustomAxisPanel;
    friend class TCustomChart;
    void InitAxis(TCustomAxisPanel* AChart);
    void Repaint();
    template <class V> void SetProperty(V& Field, V Value);
    double InternalCalcIncrement(bool Alternate);
    int InternalLabelSize(double Value, bool IsWidth);
    void DrawLabelAt(int p, const String& Text, TAxisItem* Item, double Value);
    void DrawValueLabels(double Increment, TDateTimeStep Step);
    void DrawLogLabels();
    bool DrawEventLabels();
    void DrawSeriesLabels(TAxisLabelStyle Style);
    void DrawDepthLabels();
    void DrawCustomLabels();
    void DrawTicksAndGrid();

    int XPosValue(double Value);
    int YPosValue(double Value);
    int XPosValueCheck(double Value);
    int YPosValueCheck(double Value);
    int LogXPosValue(double Value);
    int LogYPosValue(double Value);
    int InternalCalcDepthPosValue(double Value);

    bool FAutomatic = true;
    bool FAutomaticMaximum = true;
    bool FAutomaticMinimum = true;
    double FDesiredIncrement = 0;
    double FMaximumValue = 0;
    double FMinimumValue = 0;
    bool FLogarithmic = false;
    double FLogarithmicBase = 10;
    int FMaximumOffset = 0;
    int FMinimumOffset = 0;
    bool FMaximumRound = false;
    bool FMinimumRound = false;
    TChartAxisPen* FAxis = nullptr;
    int FPosAxis = 0;
    double FZPosition = 0;
    TChartAxisTitle* FAxisTitle = nullptr;
    int FTitleSize = 0;
    int FPosTitle = 0;
    TAxisGridPen* FGrid = nullptr;
    TAxisLabelAlign FLabelsAlign = alDefault;
    bool FLabelsAlternate = false;
    int FLabelsAngle = 0;
    TAxisItems* FItems = nullptr;
    bool FLabelsOnAxis = true;
    int FLabelsSeparation = 10;
    int FLabelsSize = 0;
    TAxisLabelStyle FLabelStyle = talAuto;
    bool FLabelsExponent = false;
    bool FLabelsMultiLine = false;
    bool FRoundFirstLabel = true;
    int FPosLabels = 0;
    String FAxisValuesFormat;
    String FDateTimeFormat;
    bool FExactDateTime = true;
    TChartHiddenPen* FMinorGrid = nullptr;
    int FMinorTickCount = 3;
    int FMinorTickLength = 2;
    TDarkGrayPen* FMinorTicks = nullptr;
    TDarkGrayPen* FTicks = nullptr;
    TDarkGrayPen* FTicksInner = nullptr;
    int FTickInnerLength = 0;
    int FTickLength = 4;
    bool FTickOnLabelsOnly = true;
    bool FInverted = false;
    bool FHorizontal = false;
    bool FOtherSide = false;
    TCustomAxisPanel* FParentChart = nullptr;
    bool FVisible = true;
    double FStartPosition = 0;
    double FEndPosition = 100;
    double FPositionPercent = 0;
    TTeeUnits FPosUnits = muPercent;
    TChartAxis* FMaster = nullptr;

    TAxisCalcPos FCalcXPosValue = nullptr;
    TAxisCalcPos FCalcYPosValue = nullptr;
    TAxisCalcPos FCalcPosValue = nullptr;
    // The alternate-row flag of the label being drawn.
    bool FAlternateRow = false;
};

// One of the two depth axes: hidden by default; its label style follows the series.
class TChartDepthAxis : public TChartAxis {
    ORVO_CLASS(TChartDepthAxis, TChartAxis)
public:
    explicit TChartDepthAxis(TCollection* Collection) : TChartAxis(Collection) {}
    explicit TChartDepthAxis(TCustomAxisPanel* AChart) : TChartAxis(AChart) {}
    TAxisLabelStyle InternalCalcLabelStyle() override;
    void SetInverted(bool Value) override;
};

// The next step of the 1, 2, 5, 10, 20 ... series above x (1 for an infinite x; 0 or NaN,
// which callers must not pass, give the smallest increment).
double NextOneTwoFiveStep(double x);
