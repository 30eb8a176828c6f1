// The gauge bases: chart series that show one value as an instrument. TCustomGauge holds the
// value (point 0), a face, a framed ring, its own colour palette and the drawing order (frame,
// face, then what the gauge type adds); TCustomGaugeMinMax adds the range, the hand, the major
// and minor ticks and two coloured range bands. The gauge pointers are series pointers with
// a gauge style; a range pointer adds the band's start and end values.
#pragma once

#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/SeriesPointer.h"

#include <vector>

class TChartAxis;
class TCustomGauge;
class TTeeGradient;
class TTeeShadow;
class TTeeShape;

enum TGaugePointerStyles { gpHand, gpCenter, gpTick, gpMinorTick, gpColorLine };
ORVO_DECLARE_ENUM_TYPE(TGaugePointerStyles)

// A brush with a gradient (the rings of a gauge's frame).
class TFrameBrush : public TChartBrush {
    ORVO_CLASS(TFrameBrush, TChartBrush)
public:
    TFrameBrush() : TFrameBrush(TNotifyEvent()) {}
    explicit TFrameBrush(TNotifyEvent OnChange);
    ~TFrameBrush() override;
    void Assign(TPersistent* Source) override;
    TTeeGradient* Gradient() const { return FGradient; }
    void SetGradient(TTeeGradient* Value);

private:
    TTeeGradient* FGradient = nullptr;
};

// The ring around a gauge's face: an outer, a middle and an inner ring and the area inside
// them, each with its own brush.
class TFramedBorder : public TPersistent {
    ORVO_CLASS(TFramedBorder, TPersistent)
public:
    explicit TFramedBorder(TCustomGauge* Owner = nullptr);
    ~TFramedBorder() override;
    void Assign(TPersistent* Source) override;

    // The frame on Rect: shadow, outer ring, middle ring, inner ring, then the inside.
    void Draw(const TRect& Rect);
    // The frame's width in pixels on a rectangle: Width percent of its smaller side.
    int CalcWidth(const TRect& Rect) const;
    // The rings take palette entries 0, 1 and 2 of the owner.
    void ApplyPalette();

    TFrameBrush* Brush() const { return FBrush; }
    void SetBrush(TFrameBrush* Value) { FBrush->Assign(Value); }
    bool Circled() const { return FCircled; }
    void SetCircled(bool Value);
    bool IsCircledStored() const { return FCircled != DefaultCircled; }
    TFrameBrush* InnerBrush() const { return FInnerBrush; }
    void SetInnerBrush(TFrameBrush* Value) { FInnerBrush->Assign(Value); }
    TFrameBrush* MiddleBrush() const { return FMiddleBrush; }
    void SetMiddleBrush(TFrameBrush* Value) { FMiddleBrush->Assign(Value); }
    TFrameBrush* OuterBrush() const { return FOuterBrush; }
    void SetOuterBrush(TFrameBrush* Value) { FOuterBrush->Assign(Value); }
    TTeeShadow* Shadow() const { return FShadow; }
    void SetShadow(TTeeShadow* Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TCustomGauge* OwnerSeries() const { return FOwner; }

    // The value of Circled that streams leave out (the gauge type's own).
    bool DefaultCircled = false;

private:
    void Changed(TObject* Sender = nullptr);
    void PaintBrush(TFrameBrush* ABrush, const TRect& Rect);

    TFrameBrush* FBrush = nullptr;
    bool FCircled = false;
    TFrameBrush* FInnerBrush = nullptr;
    TFrameBrush* FMiddleBrush = nullptr;
    TFrameBrush* FOuterBrush = nullptr;
    TTeeShadow* FShadow = nullptr;
    bool FVisible = true;
    int FWidth = 10;
    TCustomGauge* FOwner;
};

// A series pointer with a gauge role (hand, centre cap, tick, minor tick, colour band) and the
// working corners the gauge types compute for it.
class TGaugeSeriesPointer : public TSeriesPointer {
    ORVO_CLASS(TGaugeSeriesPointer, TSeriesPointer)
public:
    explicit TGaugeSeriesPointer(TChartSeries* AOwner = nullptr) : TSeriesPointer(AOwner) {}
    void Assign(TPersistent* Source) override;

    TGaugePointerStyles GaugeStyle() const { return FGaugeStyle; }
    void SetGaugeStyle(TGaugePointerStyles Value) { FGaugeStyle = Value; }
    // The working corners around (X, Y) with half height HalfHeight and half width HalfWidth,
    // the inner corners two pixels (across) and a width (along) inside them, and the angle of
    // the shadow's offset in degrees plus 90.
    void SetValues(int X, int Y, int HalfHeight, int HalfWidth);

    int PXMinus = 0, PXPlus = 0, PYMinus = 0, PYPlus = 0;
    int PXMinusSmall = 0, PXPlusSmall = 0, PYMinusSmall = 0, PYPlusSmall = 0;
    double Angle = 0;

protected:
    TGaugePointerStyles FGaugeStyle = gpHand;
};

// A coloured band of a min-max gauge from StartValue to EndValue.
class TGaugePointerRange : public TGaugeSeriesPointer {
    ORVO_CLASS(TGaugePointerRange, TGaugeSeriesPointer)
public:
    explicit TGaugePointerRange(TChartSeries* AOwner = nullptr) : TGaugeSeriesPointer(AOwner) {}
    void Assign(TPersistent* Source) override;

    double StartValue() const { return FStartValue; }
    void SetStartValue(double Value) { SetAndRepaint(FStartValue, Value); }
    double EndValue() const { return FEndValue; }
    void SetEndValue(double Value) { SetAndRepaint(FEndValue, Value); }

private:
    double FStartValue = 0;
    double FEndValue = 0;
};

class TCustomGauge : public TChartSeries {
    ORVO_CLASS(TCustomGauge, TChartSeries)
public:
    explicit TCustomGauge(TComponent* AOwner);
    ~TCustomGauge() override;

    // Face, frame and value of another gauge, then the series settings.
    void Assign(TPersistent* Source) override;
    void SetParentChart(TCustomAxisPanel* Value) override;
    void DrawAllValues() override;
    // 0 inside the gauge's rectangle, else -1.
    int Clicked(int X, int Y) override;
    void AddSampleValues(int NumValues, bool OnlyMandatory = false) override;

    // ---- new operations, in slot order ----
    // The gauge's rectangle in the chart (gauges of one chart are stacked).
    virtual void CalcOrigRect();
    virtual void DrawFace();
    // The palette := Colors[0 .. LastIndex]; the face and the frame take their colours.
    virtual void SetGaugePalette(const std::vector<TColor>& Colors, int LastIndex);
    // Adds the one point or changes its value; OnChange fires when the value changed.
    virtual void SetValue(double AValue);
    // The geometry of a frame: the inner rectangle and what the gauge type adds.
    virtual void SetValues();

    // The value of point 0; 0 without a point.
    double Value() const;
    // The palette entry at Index (the last one beyond it), the chart's colour with an empty
    // palette, 0 without a chart.
    TColor GetPaletteColor(int Index) const;
    const std::vector<TColor>& GaugeColorPalette() const { return FPalette; }

    TTeeShape* Face() const { return FFace; }
    void SetFace(TTeeShape* Value);
    TFramedBorder* Frame() const { return FFrame; }
    void SetFrame(TFramedBorder* Value) { FFrame->Assign(Value); }
    const TRect& OrigRect() const { return IOrigRect; }
    const TRect& NewRect() const { return INewRect; }

    TNotifyEvent OnChange;

protected:
    TTeeShape* FFace = nullptr;
    TFramedBorder* FFrame = nullptr;
    bool ICircled = false;
    TRect INewRect;
    TRect IOrigRect;
    std::vector<TColor> FPalette;
    // False until a value is set: the first value stands for the bottom of the range.
    bool IValueSet = false;
};

class TCustomGaugeMinMax : public TCustomGauge {
    ORVO_CLASS(TCustomGaugeMinMax, TCustomGauge)
public:
    explicit TCustomGaugeMinMax(TComponent* AOwner);
    ~TCustomGaugeMinMax() override;

    void Assign(TPersistent* Source) override;
    void SetParentChart(TCustomAxisPanel* Value) override;
    void DrawAllValues() override;
    void SetValues() override;
    void AddSampleValues(int NumValues, bool OnlyMandatory = false) override;

    // ---- new operations, in slot order ----
    // The chart axis whose settings shape the scale.
    virtual TChartAxis* Axis() = 0;
    virtual void DrawAxis() = 0;
    virtual void DrawHand() {}

    // Styles the axis once: line, title and labels in the palette's colours.
    void StyleAxis();

    TGaugePointerRange* GreenLine() const { return FGreenLine; }
    void SetGreenLine(TGaugePointerRange* Value) { FGreenLine->Assign(Value); }
    TGaugeSeriesPointer* Hand() const { return FHand; }
    void SetHand(TGaugeSeriesPointer* Value) { FHand->Assign(Value); }
    bool Horizontal() const { return FHorizontal; }
    void SetHorizontal(bool Value);
    double Maximum() const { return FMaximum; }
    void SetMaximum(double Value);
    double Minimum() const { return FMinimum; }
    // While no value was set, the value follows the bottom of the range.
    void SetMinimum(double Value);
    int MinorTickDistance() const { return FMinorTickDistance; }
    void SetMinorTickDistance(int Value) { SetIntegerProperty(FMinorTickDistance, Value); }
    TGaugeSeriesPointer* MinorTicks() const { return FMinorTicks; }
    void SetMinorTicks(TGaugeSeriesPointer* Value) { FMinorTicks->Assign(Value); }
    TGaugePointerRange* RedLine() const { return FRedLine; }
    void SetRedLine(TGaugePointerRange* Value) { FRedLine->Assign(Value); }
    TGaugeSeriesPointer* Ticks() const { return FTicks; }
    void SetTicks(TGaugeSeriesPointer* Value) { FTicks->Assign(Value); }
    double Range() const { return IRange; }
    // Whole increments across the range, the scale's major ticks less one; -1 when no scale
    // is drawn tick by tick: an empty or non-finite range, an increment not above 0, or more
    // ticks than MaxScaleTicks (a tiny increment would keep the paint busy for good).
    int ScaleTicks(double Increment) const;
    // Whether Ticks major ticks with MinorCount minor ticks each stay within MaxScaleTicks.
    static bool MinorTicksFit(int Ticks, int MinorCount);
    static constexpr int MaxScaleTicks = 10000;

protected:
    TGaugePointerRange* FGreenLine = nullptr;
    TGaugeSeriesPointer* FHand = nullptr;
    bool FHorizontal = true;
    double FMaximum = 100;
    double FMinimum = 0;
    int FMinorTickDistance = 0;
    TGaugeSeriesPointer* FMinorTicks = nullptr;
    TGaugePointerRange* FRedLine = nullptr;
    TGaugeSeriesPointer* FTicks = nullptr;
    bool IAxisDone = false;
    double IRange = 100;
};

// The default gauge palette (24 entries).
const std::vector<TColor>& DefaultGaugePalette();
