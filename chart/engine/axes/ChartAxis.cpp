// TChartAxis: construction, properties, the working range and the value-pixel conversions.
#include "chart/engine/axes/ChartAxis.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/rtl/SysMath.h"

#include <cmath>
#include <utility>

ORVO_IMPLEMENT_CLASS(TChartAxis, TCollectionItem)
ORVO_IMPLEMENT_CLASS(TChartDepthAxis, TChartAxis)
ORVO_IMPLEMENT_ENUM_TYPE(TAxisLabelStyle, "talAuto", "talNone", "talValue", "talMark", "talText")
ORVO_IMPLEMENT_ENUM_TYPE(TAxisLabelAlign, "alDefault", "alOpposite")
ORVO_IMPLEMENT_ENUM_TYPE(TPenLineMode, "lmLine", "lmCylinder", "lmRectangle")
ORVO_IMPLEMENT_EVENT_TYPE(TAxisDrawLabelEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TAxisOnGetLabel)
ORVO_IMPLEMENT_EVENT_TYPE(TAxisOnGetNextLabel)

int TeeMaxPixelPos = IsWindowsNT ? 67108863 : 32767;

namespace {
// Nearest integer (ties to even), saturated to the int range; NaN gives 0.
int RoundInt(double x) {
    return CheckedInt(Round(x));
}

TCustomAxisPanel* ChartOfCollection(TCollection* Collection) {
    return Collection ? dynamic_cast<TCustomAxisPanel*>(Collection->Owner()) : nullptr;
}
} // namespace

// ---- construction ------------------------------------------------------------------------------

TChartAxis::TChartAxis(TCollection* Collection) : TCollectionItem(nullptr) {
    TCustomAxisPanel* chart = ChartOfCollection(Collection);
    if (chart && chart->Axes() && chart->Axes()->Count() >= 6) SetCollection(Collection);
    InitAxis(chart);
}

TChartAxis::TChartAxis(TCustomAxisPanel* AChart) : TCollectionItem(nullptr) {
    if (AChart && AChart->CustomAxes() && AChart->Axes() && AChart->Axes()->Count() >= 6)
        SetCollection(AChart->CustomAxes());
    InitAxis(AChart);
}

void TChartAxis::InitAxis(TCustomAxisPanel* AChart) {
    FParentChart = AChart;
    FAxisValuesFormat = TeeMsg_DefValueFormat;
    TNotifyEvent changed;
    if (AChart)
        changed = TNotifyEvent(static_cast<TCustomTeePanel*>(AChart), &TCustomTeePanel::CanvasChanged);
    FItems = new TAxisItems(this);
    FAxisTitle = new TChartAxisTitle(AChart);
    FTicks = new TDarkGrayPen(changed);
    FMinorTicks = new TDarkGrayPen(changed);
    FTicksInner = new TDarkGrayPen(changed);
    FGrid = new TAxisGridPen(changed);
    FMinorGrid = new TChartHiddenPen(changed);
    FAxis = new TChartAxisPen(changed);
    SetCalcPosValue();
    if (AChart && AChart->Axes()) AChart->Axes()->Add(this);
}

TChartAxis::~TChartAxis() {
    delete FTicks;
    delete FMinorTicks;
    delete FTicksInner;
    delete FGrid;
    delete FMinorGrid;
    delete FAxis;
    delete FAxisTitle;
    delete FItems;
    if (FParentChart) {
        for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
            TChartSeries* s = FParentChart->GetSeries(i);
            if (s->CustomHorizAxis() == this) {
                s->SetCustomHorizAxis(nullptr);
                s->SetHorizAxis(aBottomAxis);
            }
            if (s->CustomVertAxis() == this) {
                s->SetCustomVertAxis(nullptr);
                s->SetVertAxis(aLeftAxis);
            }
        }
        // No other axis keeps this one as its master.
        if (TChartAxes* axes = FParentChart->Axes()) {
            for (int i = 0; i < axes->Count(); ++i)
                if (axes->Get(i)->FMaster == this) axes->Get(i)->FMaster = nullptr;
            axes->Remove(this);
        }
    }
    ISeriesList.clear();
    Tick.clear();
}

void TChartAxis::Assign(TPersistent* Source) {
    auto* a = dynamic_cast<TChartAxis*>(Source);
    if (!a) {
        TCollectionItem::Assign(Source);
        return;
    }
    FAxis->Assign(a->FAxis);
    FItems->Assign(a->FItems);
    FLabelsAlign = a->FLabelsAlign;
    FLabelsAlternate = a->FLabelsAlternate;
    FLabelsAngle = a->FLabelsAngle;
    FLabelsExponent = a->FLabelsExponent;
    FLabelsMultiLine = a->FLabelsMultiLine;
    FLabelsSeparation = a->FLabelsSeparation;
    FLabelsSize = a->FLabelsSize;
    FLabelStyle = a->FLabelStyle;
    FLabelsOnAxis = a->FLabelsOnAxis;
    FTicks->Assign(a->FTicks);
    FTicksInner->Assign(a->FTicksInner);
    FTitleSize = a->FTitleSize;
    FGrid->Assign(a->FGrid);
    FMinorTicks->Assign(a->FMinorTicks);
    FMinorGrid->Assign(a->FMinorGrid);
    FTickLength = a->FTickLength;
    FMinorTickLength = a->FMinorTickLength;
    FMinorTickCount = a->FMinorTickCount;
    FTickInnerLength = a->FTickInnerLength;
    FAxisValuesFormat = a->FAxisValuesFormat;
    FDesiredIncrement = a->FDesiredIncrement;
    FMaximumValue = a->FMaximumValue;
    FMaximumOffset = a->FMaximumOffset;
    FMaximumRound = a->FMaximumRound;
    FMinimumValue = a->FMinimumValue;
    FMinimumOffset = a->FMinimumOffset;
    FMinimumRound = a->FMinimumRound;
    FAutomatic = a->FAutomatic;
    FAutomaticMaximum = a->FAutomaticMaximum;
    FAutomaticMinimum = a->FAutomaticMinimum;
    FAxisTitle->Assign(a->FAxisTitle);
    FDateTimeFormat = a->FDateTimeFormat;
    FLogarithmic = a->FLogarithmic;
    FLogarithmicBase = a->FLogarithmicBase;
    FInverted = a->FInverted;
    FExactDateTime = a->FExactDateTime;
    FRoundFirstLabel = a->FRoundFirstLabel;
    FTickOnLabelsOnly = a->FTickOnLabelsOnly;
    IDepthAxis = a->IDepthAxis;
    FStartPosition = a->FStartPosition;
    FEndPosition = a->FEndPosition;
    FPositionPercent = a->FPositionPercent;
    FPosUnits = a->FPosUnits;
    FVisible = a->FVisible;
    FHorizontal = a->FHorizontal;
    FOtherSide = a->FOtherSide;
    SetCalcPosValue();
}

bool TChartAxis::IsCustom() const {
    return FParentChart && FParentChart->Axes() && FParentChart->Axes()->IndexOf(this) > 5;
}

// ---- property setters ----------------------------------------------------------------------------

void TChartAxis::Repaint() {
    if (FParentChart) FParentChart->Invalidate();
}

template <class V> void TChartAxis::SetProperty(V& Field, V Value) {
    if (Field != Value) {
        Field = Value;
        Repaint();
    }
}

void TChartAxis::SetAutomatic(bool Value) {
    SetProperty(FAutomatic, Value);
    if (!FParentChart || !FParentChart->ComponentState().Contains(csLoading)) {
        FAutomaticMinimum = Value;
        FAutomaticMaximum = Value;
    }
}

void TChartAxis::SetAutomaticMaximum(bool Value) {
    SetProperty(FAutomaticMaximum, Value);
    if (!Value)
        FAutomatic = false;
    else if (FAutomaticMinimum)
        FAutomatic = true;
}

void TChartAxis::SetAutomaticMinimum(bool Value) {
    SetProperty(FAutomaticMinimum, Value);
    if (!Value)
        FAutomatic = false;
    else if (FAutomaticMaximum)
        FAutomatic = true;
}

namespace {
bool Reading(TCustomAxisPanel* Chart) {
    return Chart && Chart->ComponentState().Contains(csReading);
}
} // namespace

void TChartAxis::SetMinimum(double Value) {
    if (!Reading(FParentChart) && Value > FMaximumValue) throw AxisException(TeeMsg_AxisMinMax);
    SetProperty(FMinimumValue, Value);
}

void TChartAxis::SetMaximum(double Value) {
    if (!Reading(FParentChart) && Value < FMinimumValue) throw AxisException(TeeMsg_AxisMaxMin);
    SetProperty(FMaximumValue, Value);
}

void TChartAxis::SetIncrement(double Value) {
    // "not 0 or more" also refuses NaN.
    if (!(Value >= 0)) throw AxisException(TeeMsg_AxisIncrementNeg);
    SetProperty(FDesiredIncrement, Value);
}

void TChartAxis::SetLogarithmic(bool Value) {
    if (Value && !FLogarithmic) {
        if (IsDateTime()) throw AxisException(TeeMsg_AxisLogDateTime);
        AdjustMaxMin();
        if (!(IMinimum >= 0 && IMaximum >= 0)) throw AxisException(TeeMsg_AxisLogNotPositive);
    }
    SetProperty(FLogarithmic, Value);
    SetCalcPosValue();
}

void TChartAxis::SetLogarithmicBase(double Value) {
    // A base at or below 1 would make the growing label step shrink forever.
    if (!(Value > 1) || !std::isfinite(Value)) throw AxisException(TeeMsg_AxisLogBase);
    SetProperty(FLogarithmicBase, Value);
}

void TChartAxis::SetLabelsSeparation(int Value) {
    if (Value < 0) throw AxisException(TeeMsg_AxisLabelSep);
    SetProperty(FLabelsSeparation, Value);
}

void TChartAxis::SetLabelsAngle(int Value) {
    SetProperty(FLabelsAngle, Value % 360);
}

void TChartAxis::SetZPosition(double Value) {
    SetProperty(FZPosition, Value == 0 ? 0.01 : Value);
}

void TChartAxis::SetHorizontal(bool Value) {
    SetProperty(FHorizontal, Value);
    SetCalcPosValue();
}

void TChartAxis::SetInverted(bool Value) {
    SetProperty(FInverted, Value);
}

void TChartAxis::SetLabelsAlign(TAxisLabelAlign Value) {
    SetProperty(FLabelsAlign, Value);
}
void TChartAxis::SetLabelStyle(TAxisLabelStyle Value) {
    SetProperty(FLabelStyle, Value);
}
void TChartAxis::SetPositionUnits(TTeeUnits Value) {
    SetProperty(FPosUnits, Value);
}

bool TChartAxis::Labels() const {
    return FItems->Format()->Visible();
}
void TChartAxis::SetLabels(bool Value) {
    FItems->Format()->SetVisible(Value);
}
TTeeFont* TChartAxis::LabelsFont() const {
    return FItems->Format()->Font();
}
void TChartAxis::SetLabelsFont(TTeeFont* Value) {
    FItems->Format()->SetFont(Value);
}
bool TChartAxis::GridCentered() const {
    return FGrid->Centered();
}
void TChartAxis::SetGridCentered(bool Value) {
    FGrid->SetCentered(Value);
}

void TChartAxis::SetAxis(TChartAxisPen* Value) {
    FAxis->Assign(Value);
}
void TChartAxis::SetGrid(TAxisGridPen* Value) {
    FGrid->Assign(Value);
}
void TChartAxis::SetMinorGrid(TChartHiddenPen* Value) {
    FMinorGrid->Assign(Value);
}
void TChartAxis::SetTicks(TDarkGrayPen* Value) {
    FTicks->Assign(Value);
}
void TChartAxis::SetTicksInner(TDarkGrayPen* Value) {
    FTicksInner->Assign(Value);
}
void TChartAxis::SetMinorTicks(TDarkGrayPen* Value) {
    FMinorTicks->Assign(Value);
}
void TChartAxis::SetTitle(TChartAxisTitle* Value) {
    FAxisTitle->Assign(Value);
}

void TChartAxis::SetAxisValuesFormat(const String& Value) {
    SetProperty(FAxisValuesFormat, Value);
}
void TChartAxis::SetDateTimeFormat(const String& Value) {
    SetProperty(FDateTimeFormat, Value);
}
void TChartAxis::SetEndPosition(double Value) {
    SetProperty(FEndPosition, Value);
}
void TChartAxis::SetStartPosition(double Value) {
    SetProperty(FStartPosition, Value);
}
void TChartAxis::SetPositionPercent(double Value) {
    SetProperty(FPositionPercent, Value);
}
void TChartAxis::SetExactDateTime(bool Value) {
    SetProperty(FExactDateTime, Value);
}
void TChartAxis::SetLabelsAlternate(bool Value) {
    SetProperty(FLabelsAlternate, Value);
}
void TChartAxis::SetLabelsExponent(bool Value) {
    SetProperty(FLabelsExponent, Value);
}
void TChartAxis::SetLabelsMultiLine(bool Value) {
    SetProperty(FLabelsMultiLine, Value);
}
void TChartAxis::SetLabelsOnAxis(bool Value) {
    SetProperty(FLabelsOnAxis, Value);
}
void TChartAxis::SetLabelsSize(int Value) {
    SetProperty(FLabelsSize, Value);
}
void TChartAxis::SetMaximumOffset(int Value) {
    SetProperty(FMaximumOffset, Value);
}
void TChartAxis::SetMinimumOffset(int Value) {
    SetProperty(FMinimumOffset, Value);
}
void TChartAxis::SetMaximumRound(bool Value) {
    SetProperty(FMaximumRound, Value);
}
void TChartAxis::SetMinimumRound(bool Value) {
    SetProperty(FMinimumRound, Value);
}
void TChartAxis::SetMinorTickCount(int Value) {
    SetProperty(FMinorTickCount, Value);
}
void TChartAxis::SetMinorTickLength(int Value) {
    SetProperty(FMinorTickLength, Value);
}
void TChartAxis::SetOtherSide(bool Value) {
    SetProperty(FOtherSide, Value);
}
void TChartAxis::SetRoundFirstLabel(bool Value) {
    SetProperty(FRoundFirstLabel, Value);
}
void TChartAxis::SetTickInnerLength(int Value) {
    SetProperty(FTickInnerLength, Value);
}
void TChartAxis::SetTickLength(int Value) {
    SetProperty(FTickLength, Value);
}
void TChartAxis::SetTickOnLabelsOnly(bool Value) {
    SetProperty(FTickOnLabelsOnly, Value);
}
void TChartAxis::SetTitleSize(int Value) {
    SetProperty(FTitleSize, Value);
}
void TChartAxis::SetVisible(bool Value) {
    SetProperty(FVisible, Value);
}

bool TChartAxis::IsMaxStored() const {
    return !FAutomatic && !FAutomaticMaximum;
}
bool TChartAxis::IsMinStored() const {
    return !FAutomatic && !FAutomaticMinimum;
}
bool TChartAxis::IsZPosStored() const {
    if (IDepthAxis) return false;
    return FOtherSide ? FZPosition != 100 : FZPosition > 0.011;
}
bool TChartAxis::IsAxisValuesFormatStored() const {
    return FAxisValuesFormat != TeeMsg_DefValueFormat;
}

// ---- range and scale -------------------------------------------------------------------------------

void TChartAxis::CalcMinMax(double& AMin, double& AMax) {
    if (!FParentChart) return;
    if (FAutomatic || FAutomaticMaximum) AMax = FParentChart->InternalMinMax(this, false, FHorizontal);
    if (FAutomatic || FAutomaticMinimum) AMin = FParentChart->InternalMinMax(this, true, FHorizontal);
}

void TChartAxis::AdjustMaxMin() {
    CalcMinMax(FMinimumValue, FMaximumValue);
    IMaximum = FMaximumValue;
    IMinimum = FMinimumValue;
    if (OnCalcMaxLabel) {
        double value = IMaximum;
        bool stop = false;
        OnCalcMaxLabel(this, -1, value, stop);
        IMaximum = IMaximum - value;
    }
    InternalCalcRange();
    CalcRoundScales();
}

void TChartAxis::InternalCalcRange() {
    IRange = IMaximum - IMinimum;
    IRangeZero = IRange == 0;
    IAxisSizeRange = IRange != 0 ? IAxisSize / IRange : 0;
    if (FLogarithmic) {
        ILogMin = IMinimum > 0 ? std::log(IMinimum) : 0;
        ILogMax = IMaximum > 0 ? std::log(IMaximum) : 0;
        IRangeLog = ILogMax - ILogMin;
        IAxisLogSizeRange = IRangeLog != 0 ? IAxisSize / IRangeLog : 0;
    }
    IZPos = CalcZPos();
}

void TChartAxis::CalcRoundScales() {
    if (IAxisSize == 0 || IRangeZero) return;
    double increment = 0;
    bool computed = false;
    bool treated = false;
    if (FMaximumRound && (FAutomatic || FAutomaticMaximum)) {
        increment = CalcIncrement();
        computed = true;
        if (increment != 0) {
            IMaximum = increment * std::ceil(IMaximum / increment);
            treated = true;
        }
    }
    if (FMinimumRound && (FAutomatic || FAutomaticMinimum)) {
        if (!computed) increment = CalcIncrement();
        if (increment != 0) {
            IMinimum = increment * std::floor(IMinimum / increment);
            treated = true;
        }
    }
    if (treated) InternalCalcRange();
}

void TChartAxis::InternalCalcPositions() {
    int base = 0;
    int length = 0;
    if (FParentChart) {
        if (IDepthAxis) {
            length = FParentChart->Width3D();
        } else if (FHorizontal) {
            base = FParentChart->ChartRect.Left;
            length = FParentChart->ChartWidth();
        } else {
            base = FParentChart->ChartRect.Top;
            length = FParentChart->ChartHeight();
        }
    }
    IStartPos = base + RoundInt(length * 0.01 * FStartPosition);
    IEndPos = base + RoundInt(length * 0.01 * FEndPosition);
    RecalcSizeCenter();
}

void TChartAxis::RecalcSizeCenter() {
    IAxisSize = IEndPos - IStartPos;
    ICenterPos = (IStartPos + IEndPos) / 2;
    InternalCalcRange();
}

int TChartAxis::CalcZPos() {
    if (!FParentChart) return 0;
    const double h = IDepthAxis ? FParentChart->ChartHeight() : FParentChart->Width3D();
    return RoundInt(FZPosition * h * 0.01);
}

void TChartAxis::AdjustMaxMinRect(const TRect& Rect) {
    const int oldStart = IStartPos;
    const int oldEnd = IEndPos;
    if (FHorizontal) {
        IStartPos += Rect.Left;
        IEndPos -= Rect.Right;
    } else {
        IStartPos += Rect.Top;
        IEndPos -= Rect.Bottom;
    }
    IAxisSize = IEndPos - IStartPos;
    const double a = CalcPosPoint(oldStart);
    const double b = CalcPosPoint(oldEnd);
    InternalCalcPositions();
    IMinimum = a;
    IMaximum = b;
    if (IMinimum > IMaximum) std::swap(IMinimum, IMaximum);
    InternalCalcRange();
}

void TChartAxis::SetMinMax(double AMin, double AMax) {
    FAutomatic = false;
    FAutomaticMinimum = false;
    FAutomaticMaximum = false;
    if (AMin > AMax) std::swap(AMin, AMax);
    SetProperty(FMinimumValue, AMin);
    SetProperty(FMaximumValue, AMax);
    if (FMaximumValue - FMinimumValue < MinAxisRange)
        SetProperty(FMaximumValue, FMinimumValue + MinAxisRange);
    if (FParentChart && FParentChart->CustomAxes()) FParentChart->CustomAxes()->ResetScales(this);
}

void TChartAxis::Scroll(double Offset, bool CheckLimits) {
    if (CheckLimits) {
        if (Offset == 0) return;
        if (!FParentChart) return;
        if (Offset > 0 && !(FParentChart->InternalMinMax(this, false, FHorizontal) > FMaximumValue)) return;
        if (Offset < 0 && !(FParentChart->InternalMinMax(this, true, FHorizontal) < FMinimumValue)) return;
    }
    FAutomatic = false;
    FAutomaticMaximum = false;
    FAutomaticMinimum = false;
    FMaximumValue += Offset;
    FMinimumValue += Offset;
    Repaint();
}

bool TChartAxis::IsDateTime() {
    if (!FParentChart) return false;
    for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
        TChartSeries* s = FParentChart->GetSeries(i);
        if (!s->Active()) continue;
        if (TChartValueList* list = s->ValueListOfAxis(this)) return list->DateTime();
    }
    return false;
}

void TChartAxis::IncDecDateTime(bool Increment, double& Value, double AnIncrement,
                                TDateTimeStep tmpWhichDateTime) {
    TeeDateTimeIncrement(FExactDateTime && IAxisDateTime && tmpWhichDateTime >= dtHalfMonth, Increment, Value,
                         AnIncrement, tmpWhichDateTime);
}

// ---- conversion ----------------------------------------------------------------------------------

void TChartAxis::SetCalcPosValue() {
    if (IDepthAxis) {
        FCalcXPosValue = &TChartAxis::InternalCalcDepthPosValue;
        FCalcYPosValue = &TChartAxis::InternalCalcDepthPosValue;
    } else if (FLogarithmic) {
        FCalcXPosValue = &TChartAxis::LogXPosValue;
        FCalcYPosValue = &TChartAxis::LogYPosValue;
    } else if (FParentChart && FParentChart->Axes() && FParentChart->Axes()->FastCalc()) {
        FCalcXPosValue = &TChartAxis::XPosValue;
        FCalcYPosValue = &TChartAxis::YPosValue;
    } else {
        FCalcXPosValue = &TChartAxis::XPosValueCheck;
        FCalcYPosValue = &TChartAxis::YPosValueCheck;
    }
    FCalcPosValue = FHorizontal ? FCalcXPosValue : FCalcYPosValue;
}

namespace {
int ClipPixel(double r) {
    if (r > TeeMaxPixelPos) return TeeMaxPixelPos;
    if (r < -TeeMaxPixelPos) return -TeeMaxPixelPos;
    return RoundInt(r);
}
} // namespace

// The fast pair: the conversion without the range checks of the checked pair, rounding the
// offset first; a far value still stops at the pixel limit (a double beyond the int range
// would be undefined to convert, and beyond the limit no canvas draws it).
int TChartAxis::XPosValue(double Value) {
    if (IRangeZero) return ICenterPos;
    const double p = double(Round((Value - IMinimum) * IAxisSizeRange));
    return ClipPixel(FInverted ? IEndPos - p : IStartPos + p);
}

int TChartAxis::YPosValue(double Value) {
    if (IRangeZero) return ICenterPos;
    const double p = double(Round((Value - IMinimum) * IAxisSizeRange));
    return ClipPixel(FInverted ? IStartPos + p : IEndPos - p);
}

int TChartAxis::XPosValueCheck(double Value) {
    if (IRangeZero) return ICenterPos;
    const double p = (Value - IMinimum) * IAxisSizeRange;
    return ClipPixel(FInverted ? IEndPos - p : IStartPos + p);
}

int TChartAxis::YPosValueCheck(double Value) {
    if (IRangeZero) return ICenterPos;
    const double p = (Value - IMinimum) * IAxisSizeRange;
    return ClipPixel(FInverted ? IStartPos + p : IEndPos - p);
}

int TChartAxis::LogXPosValue(double Value) {
    if (IRangeLog == 0) return ICenterPos;
    if (!(Value > 0)) return FInverted ? IEndPos : IStartPos;
    const double d = FInverted ? ILogMax - std::log(Value) : std::log(Value) - ILogMin;
    return ClipPixel(IStartPos + double(Round(IAxisLogSizeRange * d)));
}

int TChartAxis::LogYPosValue(double Value) {
    if (IRangeLog == 0) return ICenterPos;
    if (!(Value > 0)) return FInverted ? IStartPos : IEndPos;
    const double d = FInverted ? ILogMax - std::log(Value) : std::log(Value) - ILogMin;
    return ClipPixel(IEndPos - double(Round(IAxisLogSizeRange * d)));
}

int TChartAxis::InternalCalcDepthPosValue(double Value) {
    if (IRangeZero) return ICenterPos;
    return ClipPixel(FInverted ? IAxisSizeRange * (IMaximum - Value) : IAxisSizeRange * (Value - IMinimum));
}

double TChartAxis::CalcPosPoint(int Value) {
    const double offset = FInverted ? double(IEndPos) - Value : double(Value) - IStartPos;
    if (FLogarithmic) {
        const bool maxAtStart = (FHorizontal && FInverted) || (!FHorizontal && !FInverted);
        if (Value == IStartPos) return maxAtStart ? IMaximum : IMinimum;
        if (Value == IEndPos) return maxAtStart ? IMinimum : IMaximum;
        if (IRangeLog == 0 || IAxisSize == 0) return IMinimum;
        const double d = offset * IRangeLog / IAxisSize;
        return FHorizontal ? std::exp(ILogMin + d) : std::exp(ILogMax - d);
    }
    if (IAxisSize < 1) return 0;
    const double d = offset * IRange / IAxisSize;
    return FHorizontal ? IMinimum + d : IMaximum - d;
}

int TChartAxis::CalcSizeValue(double Value) {
    if (!(Value > 0)) return 0;
    if (FLogarithmic) return IRangeLog != 0 ? RoundInt(std::log(Value) * IAxisLogSizeRange) : 0;
    return IRange != 0 ? RoundInt(Value * IAxisSizeRange) : 0;
}

// ---- the depth axis --------------------------------------------------------------------------------

TAxisLabelStyle TChartDepthAxis::InternalCalcLabelStyle() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return talText;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries* s = chart->GetSeries(i);
        if (s->Active() && (s->HasZValues() || s->MaxZValue() != s->MinZValue())) return talValue;
    }
    return talText;
}

void TChartDepthAxis::SetInverted(bool Value) {
    TChartAxis::SetInverted(Value);
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    TChartAxis* twin = this == chart->DepthAxis() ? static_cast<TChartAxis*>(chart->DepthTopAxis())
                                                  : static_cast<TChartAxis*>(chart->DepthAxis());
    if (twin && twin != this && twin->Inverted() != Value) twin->TChartAxis::SetInverted(Value);
}
