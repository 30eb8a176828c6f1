#include "chart/engine/series/TeeFunction.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/DateTimeSteps.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/rtl/SysMath.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_ENUM_TYPE(TFunctionPeriodStyle, "psNumPoints", "psRange")
ORVO_IMPLEMENT_ENUM_TYPE(TFunctionPeriodAlign, "paFirst", "paCenter", "paLast")
ORVO_IMPLEMENT_CLASS(TTeeFunction, TComponent)
ORVO_IMPLEMENT_CLASS(TTeeMovingFunction, TTeeFunction)

ORVO_PUBLISHED(TTeeFunction) {
    using S = TTeeFunction;
    P.Property("Period", &S::Period, &S::SetPeriod).Default(0.0);
    P.Property("PeriodAlign", &S::PeriodAlign, &S::SetPeriodAlign).Default(paCenter);
    P.Property("PeriodStyle", &S::PeriodStyle, &S::SetPeriodStyle).Default(psNumPoints);
}

TTeeFunction::TTeeFunction(TComponent* AOwner) : TComponent(AOwner) {}

void TTeeFunction::Assign(TPersistent* Source) {
    if (auto* src = dynamic_cast<TTeeFunction*>(Source)) {
        FPeriod = src->FPeriod;
        FPeriodStyle = src->FPeriodStyle;
        FPeriodAlign = src->FPeriodAlign;
    } else {
        inherited::Assign(Source);
    }
}

int TTeeFunction::WholePeriod() const {
    // A period that rounds to nothing still makes groups of one point, so that every
    // group moves on.
    return static_cast<int>(std::max<Int64>(1, Round(std::min(FPeriod, 2147483647.0))));
}

void TTeeFunction::CalculatePeriod(TChartSeries* Source, double X, int FirstIndex, int LastIndex) {
    AddFunctionXY(Source->YMandatory(), X, Calculate(Source, FirstIndex, LastIndex));
}

void TTeeFunction::CalculateAllPoints(TChartSeries* Source, TChartValueList* NotMandatorySource) {
    const double v = Calculate(Source, -1, -1);
    if (!FParent) return;
    if (FParent->AllowSinglePoint()) {
        const double m = NotMandatorySource->MinValue() + NotMandatorySource->Range() * 0.5;
        if (FParent->YMandatory())
            FParent->AddXY(m, v);
        else
            FParent->AddXY(v, m);
    } else {
        AddFunctionXY(Source->YMandatory(), NotMandatorySource->MinValue(), v);
        AddFunctionXY(Source->YMandatory(), NotMandatorySource->MaxValue(), v);
    }
}

void TTeeFunction::CalculateByPeriod(TChartSeries* Source, TChartValueList* NotMandatorySource) {
    const int n = NotMandatorySource->Count();
    if (n == 0) return;
    const int whole = WholePeriod();
    const TDateTimeStep step = FindDateTimeStep(FPeriod);
    TChartAxis* axis = Source->GetHorizAxis();
    int first = 0;
    double boundary = NotMandatorySource->Value(0);
    while (first <= n - 1) {
        int last;
        double startX;
        double endX;
        bool hasPoints = true;
        if (FPeriodStyle == psNumPoints) {
            last = whole + first - 1;
            startX = NotMandatorySource->Value(first);
            endX = last < n ? NotMandatorySource->Value(last) : 0;
        } else {
            last = first;
            startX = boundary;
            const double before = boundary;
            if (axis)
                axis->IncDecDateTime(true, boundary, FPeriod, step);
            else
                boundary += FPeriod;
            // A period below the spacing of doubles here would never reach the next
            // point: the range then ends just past the next point.
            if (!(boundary > before))
                boundary = std::nextafter(std::max(before, NotMandatorySource->Value(first)), HUGE_VAL);
            endX = boundary - 0.001 * FPeriod;
            while (last < n - 1 && NotMandatorySource->Value(last + 1) < boundary)
                ++last;
            hasPoints = NotMandatorySource->Value(first) < boundary;
        }
        if (last < n) {
            const double x =
                FPeriodAlign == paFirst ? startX : (FPeriodAlign == paLast ? endX : (startX + endX) * 0.5);
            if (hasPoints)
                CalculatePeriod(Source, x, first, last);
            else
                AddFunctionXY(Source->YMandatory(), x, 0);
        }
        if (hasPoints) first = last + 1;
    }
}

void TTeeFunction::DoCalculation(TChartSeries* Source, TChartValueList* NotMandatorySource) {
    if (FPeriod != 0)
        CalculateByPeriod(Source, NotMandatorySource);
    else
        CalculateAllPoints(Source, NotMandatorySource);
}

String TTeeFunction::GetEditorClass() {
    return QStringLiteral("TTeeFunctionEditor");
}

void TTeeFunction::PrepareForGallery(TCustomAxisPanel* Chart) {
    for (int i = 0; i < Chart->SeriesCount(); ++i)
        Chart->Series(i)->PrepareForGallery(true);
}

double TTeeFunction::Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) {
    (void)Source;
    (void)FirstIndex;
    (void)LastIndex;
    return 0;
}

double TTeeFunction::CalculateMany(TList* SourceSeries, int ValueIndex) {
    (void)SourceSeries;
    (void)ValueIndex;
    return 0;
}

bool TTeeFunction::IsValidSource(TChartSeries* Value) {
    (void)Value;
    return true;
}

void TTeeFunction::AddPoints(TChartSeries* Source) {
    if (IUpdating || !Source || !FParent) return;
    TDataSourcesList* sources = FParent->DataSources();
    if (sources->Count() > 1) {
        TChartSeries* reference = Source;
        for (int i = 0; i < sources->Count(); ++i)
            if (auto* s = dynamic_cast<TChartSeries*>(sources->Get(i)); s && s->Count() > reference->Count())
                reference = s;
        for (int i = 0; i < reference->Count(); ++i) {
            double x = reference->NotMandatoryValueList()->Value(i);
            double y = CalculateMany(sources, i);
            if (!reference->YMandatory()) std::swap(x, y);
            FParent->AddXY(x, y, reference->XLabel(i), clTeeColor);
        }
    } else if (Source->Count() > 0) {
        DoCalculation(Source, Source->NotMandatoryValueList());
    }
}

TComponent* TTeeFunction::GetParentComponent() const {
    return FParent;
}

void TTeeFunction::SetParentComponent(TComponent* Value) {
    if (auto* s = dynamic_cast<TChartSeries*>(Value)) SetParentSeries(s);
}

TChartValueList* TTeeFunction::ValueList(TChartSeries* Source) {
    const String name = FParent ? FParent->MandatoryValueList()->ValueSource() : String();
    return name.isEmpty() ? Source->MandatoryValueList() : Source->GetYValueList(name);
}

void TTeeFunction::AddFunctionXY(bool YMandatorySource, double X, double Y) {
    if (!FParent) return;
    if (YMandatorySource)
        FParent->AddXY(X, Y);
    else
        FParent->AddXY(Y, X);
}

void TTeeFunction::ReCalculate() {
    if (!IUpdating && FParent) FParent->CheckDataSource();
}

void TTeeFunction::EndUpdate() {
    if (!IUpdating) return;
    IUpdating = false;
    ReCalculate();
}

void TTeeFunction::SetPeriod(double Value) {
    if (Value < 0) throw ChartException(TeeMsg_FunctionPeriod);
    if (FPeriod == Value) return;
    FPeriod = Value;
    ReCalculate();
}

void TTeeFunction::SetPeriodStyle(TFunctionPeriodStyle Value) {
    if (FPeriodStyle == Value) return;
    FPeriodStyle = Value;
    ReCalculate();
}

void TTeeFunction::SetPeriodAlign(TFunctionPeriodAlign Value) {
    if (FPeriodAlign == Value) return;
    FPeriodAlign = Value;
    ReCalculate();
}

void TTeeFunction::SetParentSeries(TChartSeries* Value) {
    if (FParent == Value) return;
    if (FParent && FParent->FunctionType() == this) FParent->ReleaseFunction();
    FParent = nullptr;
    if (Value) Value->SetFunction(this);
}

// ---- moving function -------------------------------------------------------------------------

TTeeMovingFunction::TTeeMovingFunction(TComponent* AOwner) : TTeeFunction(AOwner) {
    FPeriod = 1;
    FPeriodAlign = paLast;
    SingleSource = true;
}

void TTeeMovingFunction::DoCalculation(TChartSeries* Source, TChartValueList* NotMandatorySource) {
    const int p = WholePeriod();
    const int n = NotMandatorySource->Count();
    for (int i = p - 1; i < n; ++i) {
        const int first = i - p + 1;
        const double a = NotMandatorySource->Value(first);
        const double b = NotMandatorySource->Value(i);
        const double x = FPeriodAlign == paFirst ? a : (FPeriodAlign == paCenter ? (a + b) * 0.5 : b);
        AddFunctionXY(Source->YMandatory(), x, Calculate(Source, first, i));
    }
}
