// TChartAxis: the distance between two labels. The axis measures its labels, works out how
// many fit along its span and steps a candidate increment up a 1-2-5 ladder (powers of the
// base on a logarithmic axis, calendar steps on a date-time axis) until they fit. Every
// search is bounded: ranges or candidates that are not finite end it at once.
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/ChartSeries.h"
#include "platform/rtl/SysMath.h"

#include <algorithm>
#include <cmath>

double NextOneTwoFiveStep(double x) {
    if (std::isinf(x)) return 1;
    // 0, NaN and negative values have no next step; the smallest increment keeps callers
    // moving instead of recursing forever.
    if (!(x > 0)) return MinAxisIncrement;
    double scale = 1;
    while (x >= 10 && std::isfinite(scale)) {
        x *= 0.1;
        scale *= 10;
    }
    while (x < 1 && scale > 0) {
        x *= 10;
        scale *= 0.1;
    }
    double step;
    if (x < 2)
        step = 2;
    else if (x < 5)
        step = 5;
    else
        step = 10;
    return step * scale;
}

int TChartAxis::InternalLabelSize(double Value, bool IsWidth) {
    if (!FParentChart || !FParentChart->Canvas()) return 0;
    int lines = 0;
    const int width = FParentChart->MultiLineTextWidth(LabelValue(Value), lines);
    const bool textHeight =
        IsWidth ? (FLabelsAngle == 90 || FLabelsAngle == 270) : (FLabelsAngle == 0 || FLabelsAngle == 180);
    if (textHeight) return FParentChart->Canvas()->FontHeight() * lines;
    return width;
}

int TChartAxis::LabelWidth(double Value) {
    return InternalLabelSize(Value, true);
}

int TChartAxis::LabelHeight(double Value) {
    return InternalLabelSize(Value, false);
}

double TChartAxis::InternalCalcIncrement(bool Alternate) {
    double tmpMin = IMinimum;
    double tmpMax = IMaximum;
    if (FRoundFirstLabel && FDesiredIncrement != 0) {
        const double q = IMinimum / FDesiredIncrement;
        if (std::fabs(q) <= 9.223372036854775807e18) tmpMin = double(Round(q)) * FDesiredIncrement;
        tmpMax = Int(IMaximum / FDesiredIncrement) * FDesiredIncrement;
    }
    double m = (tmpMin + tmpMax) * 0.5;
    // Halving a whole number ends at a fraction, unless it is 0 or not finite.
    for (int i = 0; i < 1100 && std::isfinite(m) && m != 0 && Frac(m) == 0; ++i)
        m *= 0.5;
    const bool isWidth = FHorizontal;
    int size = std::max({InternalLabelSize(m, isWidth), InternalLabelSize(tmpMax, isWidth),
                         InternalLabelSize(tmpMin, isWidth)});
    if (FDesiredIncrement != 0) {
        size = std::max(size, InternalLabelSize(tmpMax - FDesiredIncrement, isWidth));
        size = std::max(size, InternalLabelSize(tmpMin + FDesiredIncrement, isWidth));
    }
    double d = CalcXYIncrement(size);
    if (!Alternate && FDesiredIncrement == 0 && d >= 2) {
        // Measure the labels as whole numbers: they will be.
        SetIncrement(1);
        try {
            d = InternalCalcIncrement(true);
        } catch (...) {
            SetIncrement(0);
            throw;
        }
        SetIncrement(0);
    }
    return d;
}

double TChartAxis::CalcIncrement() {
    double d = InternalCalcIncrement(FLabelsAlternate);
    if (FLabelsAlternate) d = FLogarithmic ? d / FLogarithmicBase : d * 0.5;
    return d;
}

double TChartAxis::CalcXYIncrement(int MaxLabelSize) {
    int n = 1;
    if (MaxLabelSize > 0 && IAxisSize > 0) {
        const int gap =
            FLabelsSeparation > 0 ? CheckedInt(Round(FLabelsSeparation * 0.01 * MaxLabelSize)) : 0;
        n = CheckedInt(Round(double(IAxisSize) / (double(MaxLabelSize) + gap)));
    }
    return CalcLabelsIncrement(n);
}

double TChartAxis::RoundLogPower(double Value) {
    return std::pow(FLogarithmicBase, double(Round(std::log(Value) / std::log(FLogarithmicBase))));
}

double TChartAxis::CalcLabelsIncrement(int MaxNumLabels) {
    if (MaxNumLabels < 1) return IAxisDateTime ? DateTimeStep[dtOneMicroSecond] : MinAxisIncrement;
    if (IAxisDateTime) return CalcDateTimeIncrement(MaxNumLabels);
    // A range that is not finite has no sensible step: one label at the whole range.
    if (!std::isfinite(IRange)) return std::isnan(IRange) ? 1 : IRange;

    double t;
    if (FDesiredIncrement > 0) {
        t = FDesiredIncrement;
    } else if (IRange == 0) {
        t = 1;
    } else {
        t = std::fabs(IRange) / (MaxNumLabels + 1);
        if (FLogarithmic) t = RoundLogPower(t);
        if (IRange >= 1.1 && FParentChart) {
            for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
                TChartSeries* s = FParentChart->GetSeries(i);
                if (s->Active() && s->AssociatedToAxis(this) && s->YMandatory() == FHorizontal &&
                    s->Count() <= MaxNumLabels) {
                    t = std::max(t, 1.0);
                    break;
                }
            }
        }
    }
    // A step that underflowed to 0 (or an unusable power) starts from the smallest one.
    if (!(t > 0)) t = MinAxisIncrement;

    if (FLabelsSeparation >= 1) {
        Int64 k = Int64(MaxNumLabels) + 1;
        do {
            const double ratio = std::fabs(IRange / t);
            if (ratio >= 2147483647.0)
                ; // too small to count: grow
            else {
                k = Round(IRange / t);
                if (k <= MaxNumLabels) break;
            }
            const double grown = FLogarithmic ? t * FLogarithmicBase : NextOneTwoFiveStep(t);
            // A step that cannot grow any more ends the search.
            if (!(grown > t)) break;
            t = grown;
        } while (k > MaxNumLabels && t <= IRange && std::isfinite(t));
    }
    if (std::isinf(t)) return IRange;
    return std::max(MinAxisIncrement, t);
}

double TChartAxis::CalcDateTimeIncrement(int MaxNumLabels) {
    const double micro = DateTimeStep[dtOneMicroSecond];
    double t = std::max(micro, FDesiredIncrement);
    if (t > 0 && MaxNumLabels > 0 && std::isfinite(IRange)) {
        if (IRange / t > 1000000) t = IRange / 1000000;
        // At most a million candidates remain; the bound keeps a rounding quirk from spinning.
        for (int guard = 0; guard < 10000 && MaxNumLabels < Round(IRange / t); ++guard) {
            if (t >= DateTimeStep[dtOneYear])
                t *= 2;
            else if (t >= DateTimeStep[dtOneSecond])
                t = NextDateTimeStep(t);
            else
                t = NextOneTwoFiveStep(t);
        }
    }
    return std::max(micro, t);
}
