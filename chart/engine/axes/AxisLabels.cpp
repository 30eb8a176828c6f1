// TChartAxis: label texts and the label phase of a drawing (which values get a label, where
// it goes, how it is drawn), the widest-label measure. The label phase also fills the tick
// array from which ticks and grid lines are drawn.
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/ChartValueList.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/SysMath.h"

#include <algorithm>
#include <cmath>

namespace {
// Lines of a label: the separators, plus one when text follows the last one.
int CountLines(const String& Text) {
    if (Text.isEmpty()) return 0;
    const int separators = int(Text.count(QChar(TeeLineSeparator)));
    return separators + (Text.endsWith(QChar(TeeLineSeparator)) ? 0 : 1);
}

// Restores a chart's OnGetAxisLabel on every exit of a measure that detaches it.
class TDetachLabelEvent {
public:
    explicit TDetachLabelEvent(TCustomAxisPanel* Chart) : FChart(Chart), FOld(Chart->OnGetAxisLabel) {
        FChart->OnGetAxisLabel = TAxisOnGetLabel();
    }
    ~TDetachLabelEvent() { FChart->OnGetAxisLabel = FOld; }
    TDetachLabelEvent(const TDetachLabelEvent&) = delete;
    TDetachLabelEvent& operator=(const TDetachLabelEvent&) = delete;

private:
    TCustomAxisPanel* FChart;
    TAxisOnGetLabel FOld;
};
} // namespace

String TChartAxis::LabelValue(double Value) {
    String result;
    if (IAxisDateTime) {
        const String format = FDateTimeFormat.isEmpty() ? DateTimeDefaultFormat(IRange) : FDateTimeFormat;
        result = FormatDateTime(format, Value);
    } else {
        result = FormatFloat(FAxisValuesFormat, Value);
    }
    if (FParentChart && FParentChart->OnGetAxisLabel) FParentChart->OnGetAxisLabel(this, nullptr, -1, result);
    if (FLabelsMultiLine) result.replace(QChar(u' '), QChar(TeeLineSeparator));
    return result;
}

TAxisLabelStyle TChartAxis::CalcLabelStyle() {
    return FLabelStyle == talAuto ? InternalCalcLabelStyle() : FLabelStyle;
}

TAxisLabelStyle TChartAxis::InternalCalcLabelStyle() {
    TAxisLabelStyle result = talNone;
    if (!FParentChart) return result;
    for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
        TChartSeries* s = FParentChart->GetSeries(i);
        if (!s->Active() || !s->AssociatedToAxis(this)) continue;
        result = talValue;
        const bool otherAxis = FHorizontal ? s->YMandatory() : !s->YMandatory();
        if (!s->HasZValues() && otherAxis) {
            for (int k = 0; k < s->Labels()->Count(); ++k)
                if (!s->Labels()->Label(k).isEmpty()) return talText;
        }
    }
    return result;
}

int TChartAxis::DepthAxisAlign() {
    return FOtherSide ? TA_LEFT : TA_RIGHT;
}

int TChartAxis::DepthAxisPos() {
    if (!FParentChart) return 0;
    return FOtherSide ? FParentChart->ChartRect.Bottom - CalcZPos()
                      : FParentChart->ChartRect.Top + CalcZPos();
}

// ---- the label phase -------------------------------------------------------------------------------

void TChartAxis::DrawLabelAt(int p, const String& Text, TAxisItem* Item, double Value) {
    TCanvas3D* canvas = FParentChart->Canvas();
    if (FTickOnLabelsOnly) Tick.push_back(p);
    if (Item) {
        canvas->AssignFont(Item->Font());
    } else if (FItems->Auto()) {
        // Record the automatic label; the list stays automatic.
        Item = FItems->Add(Value, Text);
        FItems->SetAuto(true);
    } else {
        canvas->AssignFont(FItems->Format()->Font());
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetBackMode(cbmTransparent);
    TTeeCustomShape* format = Item;
    if (IDepthAxis) {
        canvas->SetTextAlign(DepthAxisAlign());
        TView3DOptions* view = FParentChart->View3DOptions();
        if (view->Rotation() == 360 || view->Orthogonal()) p += canvas->FontHeight() / 2;
        const int w = canvas->TextWidth(QStringLiteral("W"));
        const int x = FOtherSide ? FPosLabels : FPosLabels - w / 2 - 2;
        DrawAxisLabel(x, DepthAxisPos(), FLabelsAngle, Text, format, p);
        return;
    }
    int cross = FPosLabels;
    if (FLabelsAlternate) {
        if (!FAlternateRow) {
            if (FHorizontal)
                cross += FOtherSide ? -canvas->FontHeight() : canvas->FontHeight();
            else
                cross += FOtherSide ? MaxLabelsWidth() : -MaxLabelsWidth();
        }
        FAlternateRow = !FAlternateRow;
    }
    if (FHorizontal)
        DrawAxisLabel(p, cross, FLabelsAngle, Text, format, 0);
    else
        DrawAxisLabel(cross, p, FLabelsAngle, Text, format, 0);
}

void TChartAxis::DrawAxisLabels() {
    Tick.clear();
    FAlternateRow = FHorizontal;
    if (!FParentChart || !FParentChart->Canvas()) return;
    if (!FItems->Auto()) {
        DrawCustomLabels();
        return;
    }
    FItems->Clear();
    FItems->SetAuto(true);
    const TAxisLabelStyle style = CalcLabelStyle();
    if (style == talNone) return;
    FParentChart->Canvas()->AssignFont(FItems->Format()->Font());
    const double increment = CalcIncrement();
    TDateTimeStep step = dtNone;
    if (IAxisDateTime && FExactDateTime && FDesiredIncrement != 0) {
        step = FindDateTimeStep(FDesiredIncrement);
        if (step != dtNone)
            while (step < dtOneYear && increment > DateTimeStep[step])
                step = TDateTimeStep(step + 1);
    }
    const bool calendar = step >= dtHalfMonth && step <= dtOneYear;
    if (!((increment > 0 || calendar) && IMaximum >= IMinimum)) return;
    switch (style) {
    case talValue:
        if (FParentChart->OnGetNextAxisLabel && DrawEventLabels()) break;
        if (FLogarithmic && FDesiredIncrement == 0)
            DrawLogLabels();
        else
            DrawValueLabels(increment, step);
        break;
    case talMark:
        DrawSeriesLabels(style);
        break;
    case talText:
        if (IDepthAxis)
            DrawDepthLabels();
        else
            DrawSeriesLabels(style);
        break;
    default:
        break;
    }
}

namespace {
// A label value within rounding of 0 is 0, so that no "-0" label appears and a rounding
// error does not move the label off zero.
double SnapToZero(double Value, double Tolerance) {
    return std::fabs(Value) <= Tolerance ? 0.0 : Value;
}
} // namespace

void TChartAxis::DrawValueLabels(double Increment, TDateTimeStep Step) {
    const double d = Increment;
    if (!(d > 0) && Step == dtNone) return;
    if (d > 0 && !(std::fabs(IRange / d) < 10000)) return;
    if (!std::isfinite(IMinimum) || !std::isfinite(IMaximum)) return;

    auto label = [&](double v) {
        const int p = CalcPosValue(v);
        if (FLabelsOnAxis || (p > IStartPos && p < IEndPos)) {
            if (!FTickOnLabelsOnly) Tick.push_back(p);
            if (Labels()) DrawLabelAt(p, LabelValue(v), nullptr, v);
        }
    };
    const bool dateSteps = IAxisDateTime && Step != dtNone;
    auto stepDown = [&](double v) {
        IncDecDateTime(false, v, d, Step);
        return v;
    };

    double t;
    if (IAxisDateTime && FExactDateTime && Step >= dtOneDay && Step <= dtOneYear)
        t = TeeRoundDate(IMaximum, Step);
    else if (FloatToStr(IMinimum) == FloatToStr(IMaximum) || !FRoundFirstLabel)
        t = IMaximum;
    else {
        // A quotient within rounding of a whole number is that number: 2 / 0.1 is 20, not
        // 19.999..., so that the top label is not lost.
        double q = IMaximum / d;
        const double whole = std::round(q);
        if (std::fabs(q - whole) <= 1e-9 * std::max(1.0, std::fabs(q))) q = whole;
        t = std::trunc(q) * d;
    }
    // Rounding slack: a billionth of the step, or of the range when the step is larger.
    const double tolerance = std::min(std::fabs(d), std::fabs(IRange)) * 1e-9;
    const double above = dateSteps ? 0 : tolerance;
    for (int guard = 0; t > IMaximum + above && guard < 10000; ++guard)
        t = dateSteps ? stepDown(t) : t - d;

    if (IRangeZero) {
        label(t);
        return;
    }
    if (OnCalcMaxLabel) {
        double value = t;
        bool stop = false;
        OnCalcMaxLabel(this, -1, value, stop);
        value = t + value;
        OnCalcMaxLabel(this, -1, value, stop);
        t = t + value;
    }
    if (std::fabs(IMaximum - IMinimum) < 1e-10 || FloatToStr(t) == FloatToStr(t - d)) {
        label(t);
        return;
    }
    const double limit = IMinimum >= 0 ? (IMinimum - MinAxisIncrement) / (MinAxisIncrement + 1) : IMinimum;
    if (dateSteps) {
        for (int guard = 0; t >= limit && guard < 10000; ++guard) {
            label(t);
            t = stepDown(t);
        }
        return;
    }
    // Each value is computed from the first one, not by repeated subtraction, so that the
    // lowest label is not lost to accumulated rounding; the lower end is compared with a
    // tolerance relative to the step on either sign.
    const double t0 = t;
    for (int k = 0; k < 10000; ++k) {
        const double v = SnapToZero(t0 - k * d, tolerance);
        if (v < limit - tolerance) break;
        label(v);
    }
}

void TChartAxis::DrawLogLabels() {
    if (IMinimum == IMaximum) return;
    double f;
    if (IMinimum > 0) {
        f = RoundLogPower(IMinimum);
    } else {
        IMinimum = IMinimum < 0 ? RoundLogPower(MinAxisRange) : 0.1;
        f = IMinimum;
    }
    if (!std::isfinite(f) || !(f > 0)) return;
    const double base = FLogarithmicBase;
    if (FMinorGrid->Visible()) {
        double g = f;
        if (g >= IMinimum) g = std::pow(base, std::log(IMinimum) / std::log(base) - 1);
        if (g < IMinimum) Tick.push_back(CalcPosValue(g));
    }
    auto label = [&](double v) {
        const int p = CalcPosValue(v);
        if (FLabelsOnAxis || (p > IStartPos && p < IEndPos)) {
            if (!FTickOnLabelsOnly) Tick.push_back(p);
            if (Labels()) DrawLabelAt(p, LabelValue(v), nullptr, v);
        }
    };
    int drawn = 0;
    if (base > 1) {
        double v = f;
        for (int guard = 0; v <= IMaximum && guard < 10000 && std::isfinite(v); ++guard) {
            if (v >= IMinimum) {
                label(v);
                ++drawn;
            }
            v *= base;
        }
        if (drawn == 0) {
            const double add = f / base;
            v = f;
            for (int guard = 0; v <= IMaximum && guard < 10000 && add > 0; ++guard) {
                if (v >= IMinimum) label(v);
                v += add;
            }
        }
    }
    if (FMinorGrid->Visible() && f > IMaximum) Tick.push_back(CalcPosValue(f));
}

bool TChartAxis::DrawEventLabels() {
    double value = IMinimum;
    bool stop = true;
    for (int i = 0; i <= 2000; ++i) {
        FParentChart->OnGetNextAxisLabel(this, i, value, stop);
        if (stop) return i > 0;
        if (value < IMinimum - 1e-7 || value > IMaximum + 1e-7) return true;
        const int p = CalcPosValue(value);
        if (FLabelsOnAxis || (p > IStartPos && p < IEndPos)) {
            if (!FTickOnLabelsOnly) Tick.push_back(p);
            if (Labels()) DrawLabelAt(p, LabelValue(value), nullptr, value);
        }
    }
    return true;
}

void TChartAxis::DrawSeriesLabels(TAxisLabelStyle Style) {
    ISeriesList.clear();
    for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
        TChartSeries* s = FParentChart->GetSeries(i);
        if (s->Active() && s->AssociatedToAxis(this)) ISeriesList.push_back(s);
    }
    int first = -1;
    int last = -1;
    for (TChartSeries* s : ISeriesList) {
        s->CalcFirstLastVisibleIndex();
        if (s->FirstValueIndex() == -1) continue;
        first = first == -1 ? s->FirstValueIndex() : std::min(first, s->FirstValueIndex());
        last = std::max(last, s->LastValueIndex());
    }
    TCanvas3D* canvas = FParentChart->Canvas();
    const bool along = (FLabelsAngle == 90 || FLabelsAngle == 270) ? !FHorizontal : FHorizontal;
    int lastPos = -1;
    int lastHalf = 0;
    bool anyDrawn = false;
    for (int i = first; first != -1 && i <= last; ++i) {
        String text;
        double value = 0;
        bool found = false;
        for (TChartSeries* s : ISeriesList) {
            if (s->FirstValueIndex() == -1 || i < s->FirstValueIndex() || i > s->LastValueIndex()) continue;
            if (i >= s->Count()) continue;
            text = Style == talMark ? s->GetMarkText(i) : s->Labels()->Label(i);
            if (FParentChart->OnGetAxisLabel) FParentChart->OnGetAxisLabel(this, s, i, text);
            if (!text.isEmpty()) {
                value = FHorizontal ? s->XValues()->Value(i) : s->YValues()->Value(i);
                found = true;
                break;
            }
        }
        if (!found || value < IMinimum || value > IMaximum) continue;
        const int p = CalcPosValue(value);
        if (!FTickOnLabelsOnly) Tick.push_back(p);
        if (!Labels() || text.isEmpty()) continue;
        int lines = 0;
        const int size = along ? FParentChart->MultiLineTextWidth(text, lines)
                               : canvas->FontHeight() * std::max(1, CountLines(text));
        if (FLabelsSeparation != 0 && anyDrawn) {
            const int h = (size + int(Trunc(size * 0.02 * FLabelsSeparation))) / 2;
            const bool clear = p < lastPos ? lastPos - lastHalf >= p + h : p - h >= lastPos + lastHalf;
            if (!clear) continue;
            lastHalf = h;
        } else {
            lastHalf = size / 2;
        }
        lastPos = p;
        anyDrawn = true;
        DrawLabelAt(p, text, nullptr, value);
    }
    ISeriesList.clear();
}

void TChartAxis::DrawDepthLabels() {
    if (FParentChart->CountActiveSeries() == 0) return;
    const Int64 from = Trunc(IMinimum);
    const Int64 to = std::min<Int64>(Trunc(IMaximum), from + 10000);
    for (Int64 k = from; k <= to; ++k) {
        const double value = IMaximum - double(k) - 0.5;
        const int p = CalcPosValue(value);
        if (!FTickOnLabelsOnly) Tick.push_back(p);
        if (!Labels()) continue;
        String text = FParentChart->SeriesTitleLegend(int(k), true);
        if (FParentChart->OnGetAxisLabel) FParentChart->OnGetAxisLabel(this, nullptr, int(k), text);
        DrawLabelAt(p, text, nullptr, value);
    }
}

void TChartAxis::DrawCustomLabels() {
    for (int i = 0; i < FItems->Count(); ++i) {
        TAxisItem* item = FItems->Item(i);
        const double v = item->Value();
        if (v < FMinimumValue || v > FMaximumValue) continue;
        const int p = CalcPosValue(v);
        if (!FTickOnLabelsOnly) Tick.push_back(p);
        if (item->Visible()) DrawLabelAt(p, item->Text().isEmpty() ? LabelValue(v) : item->Text(), item, v);
    }
}

// ---- one label -------------------------------------------------------------------------------------

void TChartAxis::DrawAxisLabel(int x, int y, int Angle, const String& St, TTeeCustomShape* Format, int z) {
    TCanvas3D* canvas = FParentChart->Canvas();
    const int h = canvas->FontHeight() / 2;
    const bool os = FOtherSide;
    const bool hz = FHorizontal;
    int align = TA_LEFT;
    switch (Angle) {
    case 0:
    case 360:
        if (!hz && FLabelsAlign == alOpposite) {
            align = os ? TA_RIGHT : TA_LEFT;
            x = os ? x + SizeLabels() : x - SizeLabels();
            if (!IDepthAxis) y -= h;
        } else {
            align = hz ? (os ? TA_CENTER + TA_BOTTOM : TA_CENTER) : (os ? TA_LEFT : TA_RIGHT);
            if (!hz && !IDepthAxis) y -= h;
        }
        break;
    case 45:
        align = TA_LEFT;
        if (hz) {
            if (os) {
                const int w = CheckedInt(Round(double(canvas->TextWidth(QStringLiteral("Wj")))));
                x -= w;
                y -= w;
            } else {
                const int w = CheckedInt(Round(canvas->TextWidth(St) * std::sin(M_PI / 4)));
                x -= w;
                y += w;
            }
        }
        break;
    case 90:
        align = hz ? (os ? TA_LEFT : TA_RIGHT) : (os ? TA_CENTER : TA_CENTER + TA_BOTTOM);
        if (hz)
            x -= h;
        else if (IDepthAxis)
            y += h;
        break;
    case 180:
        align = hz ? (os ? TA_CENTER : TA_CENTER + TA_BOTTOM) : (os ? TA_RIGHT : TA_LEFT);
        if (!hz) y += h;
        if (IDepthAxis) y += h;
        break;
    case 270:
        align = hz ? (os ? TA_RIGHT : TA_LEFT) : (os ? TA_CENTER + TA_BOTTOM : TA_CENTER);
        if (hz)
            x += h;
        else if (IDepthAxis)
            y += h;
        break;
    default:
        align = TA_LEFT;
        break;
    }
    const int depth = IDepthAxis ? z : IZPos;
    int n = CountLines(St);
    int v = canvas->FontHeight();
    if (Angle == 180 || Angle == 270) v = -v;
    if (hz) {
        if (Angle == 0)
            y -= os ? CheckedInt(Round(double(v) * n)) : v;
        else if (Angle == 90 || Angle == 270)
            x -= CheckedInt(Round(v * 0.5 * (n + 1)));
        else if (Angle == 180)
            y -= os ? v : CheckedInt(Round(double(v) * n));
    } else {
        if (Angle == 0 || Angle == 180)
            y -= CheckedInt(Round(v * 0.5 * (n + 1)));
        else if (Angle == 90)
            x -= os ? v : CheckedInt(Round(double(v) * n));
        else if (Angle == 270)
            x -= os ? CheckedInt(Round(double(v) * n)) : v;
    }
    TTeeCustomShape* format = Format ? Format : FItems->Format();
    if (format != FItems->Format()) {
        const int W = canvas->TextWidth(QStringLiteral("W"));
        const int w2 = W / 2;
        const int th = canvas->FontHeight() * n;
        int tw = 0;
        int lines = 0;
        tw = FParentChart->MultiLineTextWidth(St, lines);
        const int a = align & ~TA_BOTTOM;
        TRect r;
        r.Left = x;
        r.Top = y + v;
        if (align & TA_BOTTOM) r.Top -= th;
        if (Angle == 90) {
            if (a == TA_CENTER) {
                r.Left = os ? x + th + w2 : x + th / 2;
                r.Top = y - tw / 2 + th + w2;
            } else if (a == TA_RIGHT) {
                r.Left = x + tw - W;
                r.Top = y + th + W;
            } else {
                r.Left = x - th / 2 + w2;
                r.Top = y - 2 * th;
            }
        } else if (Angle == 180) {
            if (a == TA_CENTER) {
                r.Top = (align & TA_BOTTOM) ? y - th : y - 2 * th;
            } else if (a == TA_RIGHT) {
                r.Left = x + tw + w2 / 2;
                r.Top = y - 2 * th;
            } else {
                r.Left = x - tw;
                r.Top = y - 2 * th;
            }
        } else if (Angle == 270) {
            if (a == TA_CENTER) {
                r.Left = os ? x - th / 2 : x - tw / 2;
                r.Top = y - W;
            } else if (a == TA_RIGHT) {
                r.Top = y - tw / 2 - W;
            } else {
                r.Left = x - tw + W;
                r.Top = y + th + W;
            }
        }
        r.Right = r.Left + tw;
        r.Bottom = r.Top + th;
        if (a == TA_RIGHT) {
            r.Right = r.Left;
            r.Left -= tw;
        } else if (a == TA_CENTER) {
            const int half = (r.Right - r.Left) / 2;
            r.Left -= half;
            r.Right -= half;
        }
        r.Left -= w2;
        r.Right += w2;
        if (depth != 0) r = canvas->CalcRect3D(r, depth);
        format->ShapeBounds = r;
        if (!format->Transparent()) {
            format->DrawRectRotated(r, Angle, depth);
            canvas->Brush()->SetStyle(bsClear);
        }
    }
    canvas->SetTextAlign(align);
    String text = St;
    bool drawLabel = true;
    int zz = depth;
    if (OnDrawLabel) {
        OnDrawLabel(this, x, y, zz, text, drawLabel);
        n = CountLines(text);
    }
    if (drawLabel) {
        for (int line = 0; line < n; ++line) {
            const int sep = int(text.indexOf(QChar(TeeLineSeparator)));
            const String piece = sep < 0 ? text : text.left(sep);
            text = sep < 0 ? String() : text.mid(sep + 1);
            if (Angle == 0) {
                y += v;
                if (FLabelsExponent && piece.toUpper().contains(QChar(u'E'))) {
                    const int e = canvas->FontHeight() - 1;
                    const int upper = int(piece.toUpper().indexOf(QChar(u'E')));
                    const String mantissa = piece.left(upper);
                    const String exponent = piece.mid(upper + 1);
                    TFont* font = canvas->Font();
                    const int size = font->Size();
                    if ((align & ~TA_BOTTOM) == TA_LEFT) {
                        canvas->TextOut3D(x, y, zz, mantissa);
                        const int m = canvas->TextWidth(mantissa) + 1;
                        font->SetSize(size - size / 4);
                        canvas->TextOut3D(x + m, y - e / 2 + 2, zz, exponent);
                    } else {
                        font->SetSize(size - size / 4);
                        const int m = canvas->TextWidth(exponent) + 1;
                        const int c = (align & ~TA_BOTTOM) == TA_CENTER ? m / 2 : 0;
                        canvas->TextOut3D(x + c, y - e / 2 + 2, zz, exponent);
                        font->SetSize(size);
                        canvas->TextOut3D(x - m, y, zz, mantissa);
                    }
                    font->SetSize(size);
                } else {
                    canvas->TextOut3D(x, y, zz, piece);
                }
            } else {
                if (Angle == 90 || Angle == 270)
                    x += v;
                else if (Angle == 180)
                    y += v;
                canvas->RotateLabel3D(x, y, zz, piece, Angle);
            }
        }
    }
    canvas->SetTextAlign(TA_LEFT);
}

// ---- widest label ----------------------------------------------------------------------------------

int TChartAxis::MaxLabelsWidth() {
    if (!FParentChart || !FParentChart->Canvas()) return 0;
    TCanvas3D* canvas = FParentChart->Canvas();
    int lines = 0;
    if (!FItems->Auto()) {
        int result = 0;
        for (int i = 0; i < FItems->Count(); ++i) {
            TAxisItem* item = FItems->Item(i);
            canvas->AssignFont(item->Font());
            const String text = item->Text().isEmpty() ? LabelValue(item->Value()) : item->Text();
            result = std::max(result, FParentChart->MultiLineTextWidth(text, lines));
        }
        return result;
    }
    switch (CalcLabelStyle()) {
    case talValue: {
        const double d = CalcIncrement();
        double first = IMinimum;
        double last = IMaximum;
        if (d != 0 && ((IAxisDateTime && FExactDateTime) || FRoundFirstLabel)) {
            first = Int(IMinimum / d) * d;
            last = Int(IMaximum / d) * d;
        }
        TDetachLabelEvent detached(FParentChart);
        int result = 0;
        if (d != 0 && std::isfinite(first) && std::isfinite(last)) {
            for (int k = 0; k < 5000; ++k) {
                const double v = SnapToZero(last - k * d, std::fabs(d) * 1e-9);
                if (v < first - std::fabs(d) * 1e-9) break;
                result = std::max(result, FParentChart->MultiLineTextWidth(LabelValue(v), lines));
            }
        } else {
            result = std::max(FParentChart->MultiLineTextWidth(LabelValue(first), lines),
                              FParentChart->MultiLineTextWidth(LabelValue(last), lines));
        }
        return result + canvas->TextWidth(QStringLiteral(" "));
    }
    case talMark:
        return FParentChart->MaxMarkWidth();
    case talText: {
        if (!FParentChart->OnGetAxisLabel) return FParentChart->MaxTextWidth();
        int result = 0;
        for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
            TChartSeries* s = FParentChart->GetSeries(i);
            for (int k = 0; k < s->Labels()->Count(); ++k) {
                String text = s->Labels()->Label(k);
                FParentChart->OnGetAxisLabel(this, nullptr, -1, text);
                result = std::max(result, FParentChart->MultiLineTextWidth(text, lines));
            }
        }
        return result;
    }
    default:
        return 0;
    }
}
