// The basic series functions: sums, differences, products and quotients across series, the
// highest, lowest and mean values, y = f(x), median and mode; and their gallery entries.
#include "chart/series/BasicFunctions.h"

#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/series/ChartSeries.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/List.h"

#include <algorithm>

ORVO_IMPLEMENT_EVENT_TYPE(TCalculateEvent)
ORVO_IMPLEMENT_CLASS(TAddTeeFunction, TTeeFunction)
ORVO_IMPLEMENT_CLASS(TManySeriesTeeFunction, TTeeFunction)
ORVO_IMPLEMENT_CLASS(TSubtractTeeFunction, TManySeriesTeeFunction)
ORVO_IMPLEMENT_CLASS(TMultiplyTeeFunction, TManySeriesTeeFunction)
ORVO_IMPLEMENT_CLASS(TDivideTeeFunction, TManySeriesTeeFunction)
ORVO_IMPLEMENT_CLASS(THighTeeFunction, TTeeFunction)
ORVO_IMPLEMENT_CLASS(TLowTeeFunction, TTeeFunction)
ORVO_IMPLEMENT_CLASS(TAverageTeeFunction, TTeeFunction)
ORVO_IMPLEMENT_CLASS(TCustomTeeFunction, TTeeFunction)
ORVO_IMPLEMENT_CLASS(TCustomSortedFunction, TTeeFunction)
ORVO_IMPLEMENT_CLASS(TMedianTeeFunction, TCustomSortedFunction)
ORVO_IMPLEMENT_CLASS(TModeTeeFunction, TCustomSortedFunction)

ORVO_PUBLISHED(TAverageTeeFunction) {
    using S = TAverageTeeFunction;
    P.Property("IncludeNulls", &S::IncludeNulls, &S::SetIncludeNulls).Default(true);
}

ORVO_PUBLISHED(TCustomTeeFunction) {
    using S = TCustomTeeFunction;
    P.Property("NumPoints", &S::NumPoints, &S::SetNumPoints).Default(100);
    P.Property("StartX", &S::StartX, &S::SetStartX).Default(0.0);
    P.Property("OnCalculate", &S::OnCalculate);
}

ORVO_PUBLISHED(TMedianTeeFunction) {
    using S = TMedianTeeFunction;
    P.Property("IncludeNulls", &S::IncludeNulls, &S::SetIncludeNulls).Default(true);
}

namespace {
TChartSeries* SeriesAt(TList* List, int Index) {
    return static_cast<TChartSeries*>(List->Items(Index));
}

// Whether the series has a value at ValueIndex in the list the function reads.
bool HasIndex(TTeeFunction* F, TChartSeries* S, int ValueIndex) {
    return S && ValueIndex >= 0 && ValueIndex < F->ValueList(S)->Count();
}

// The extreme of a range, the first of equal values kept.
double RangeExtreme(TChartValueList* List, int FirstIndex, int LastIndex, bool Highest) {
    if (FirstIndex == -1) return Highest ? List->MaxValue() : List->MinValue();
    if (LastIndex < FirstIndex) return 0;
    double result = List->Value(FirstIndex);
    for (int i = FirstIndex + 1; i <= LastIndex; ++i) {
        const double v = List->Value(i);
        if (Highest ? v > result : v < result) result = v;
    }
    return result;
}

// The extreme of one point across the series, from the first series that has the point.
double ManyExtreme(TTeeFunction* F, TList* List, int ValueIndex, bool Highest) {
    bool any = false;
    double result = 0;
    for (int i = 0; i < List->Count(); ++i) {
        TChartSeries* s = SeriesAt(List, i);
        if (!HasIndex(F, s, ValueIndex)) continue;
        const double v = F->ValueList(s)->Value(ValueIndex);
        if (!any || (Highest ? v > result : v < result)) result = v;
        any = true;
    }
    return result;
}
} // namespace

// ---- add, arithmetic --------------------------------------------------------------------------

double TAddTeeFunction::Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) {
    TChartValueList* list = ValueList(Source);
    if (FirstIndex == -1) return list->Total();
    double result = 0;
    for (int i = FirstIndex; i <= LastIndex; ++i)
        result += list->Value(i);
    return result;
}

double TAddTeeFunction::CalculateMany(TList* SourceSeries, int ValueIndex) {
    double result = 0;
    for (int i = 0; i < SourceSeries->Count(); ++i)
        if (TChartSeries* s = SeriesAt(SourceSeries, i); HasIndex(this, s, ValueIndex))
            result += ValueList(s)->Value(ValueIndex);
    return result;
}

double TManySeriesTeeFunction::CalculateValue(double AResult, double AValue) {
    (void)AResult;
    (void)AValue;
    return 0;
}

double TManySeriesTeeFunction::CalculateMany(TList* SourceSeries, int ValueIndex) {
    bool first = true;
    double result = 0;
    for (int i = 0; i < SourceSeries->Count(); ++i) {
        TChartSeries* s = SeriesAt(SourceSeries, i);
        if (!HasIndex(this, s, ValueIndex)) continue;
        const double v = ValueList(s)->Value(ValueIndex);
        result = first ? v : CalculateValue(result, v);
        first = false;
    }
    return result;
}

// ---- high, low --------------------------------------------------------------------------------

double THighTeeFunction::Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) {
    return RangeExtreme(ValueList(Source), FirstIndex, LastIndex, true);
}

double THighTeeFunction::CalculateMany(TList* SourceSeries, int ValueIndex) {
    return ManyExtreme(this, SourceSeries, ValueIndex, true);
}

double TLowTeeFunction::Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) {
    return RangeExtreme(ValueList(Source), FirstIndex, LastIndex, false);
}

double TLowTeeFunction::CalculateMany(TList* SourceSeries, int ValueIndex) {
    return ManyExtreme(this, SourceSeries, ValueIndex, false);
}

// ---- average ----------------------------------------------------------------------------------

void TAverageTeeFunction::SetIncludeNulls(bool Value) {
    if (FIncludeNulls == Value) return;
    FIncludeNulls = Value;
    ReCalculate();
}

double TAverageTeeFunction::Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) {
    TChartValueList* list = ValueList(Source);
    if (FirstIndex == -1) {
        if (FIncludeNulls) return Source->Count() > 0 ? list->Total() / Source->Count() : 0;
        FirstIndex = 0;
        LastIndex = Source->Count() - 1;
    }
    double sum = 0;
    int counted = 0;
    for (int i = FirstIndex; i <= LastIndex; ++i) {
        if (!FIncludeNulls && Source->IsNull(i)) continue;
        sum += list->Value(i);
        ++counted;
    }
    return counted ? sum / counted : 0;
}

double TAverageTeeFunction::CalculateMany(TList* SourceSeries, int ValueIndex) {
    double sum = 0;
    int counted = 0;
    for (int i = 0; i < SourceSeries->Count(); ++i) {
        TChartSeries* s = SeriesAt(SourceSeries, i);
        if (!HasIndex(this, s, ValueIndex)) continue;
        if (!FIncludeNulls && s->IsNull(ValueIndex)) continue;
        sum += ValueList(s)->Value(ValueIndex);
        ++counted;
    }
    return counted ? sum / counted : 0;
}

// ---- y = f(x) ---------------------------------------------------------------------------------

TCustomTeeFunction::TCustomTeeFunction(TComponent* AOwner) : TTeeFunction(AOwner) {
    NoSourceRequired = true;
    SetPeriod(1);
}

void TCustomTeeFunction::SetNumPoints(int Value) {
    if (FNumPoints == Value) return;
    FNumPoints = Value;
    ReCalculate();
}

void TCustomTeeFunction::SetStartX(double Value) {
    if (FStartX == Value) return;
    FStartX = Value;
    ReCalculate();
}

void TCustomTeeFunction::AddPoints(TChartSeries* Source) {
    (void)Source;
    if (!OnCalculate.Assigned() || !FParent) return;
    FParent->Clear();
    double x = FStartX;
    double y = 0;
    for (int i = 0; i < FNumPoints; ++i) {
        FX = x;
        OnCalculate(this, x, y);
        if (FParent->YMandatory())
            FParent->AddXY(x, y);
        else
            FParent->AddXY(y, x);
        x += FPeriod;
    }
}

// ---- sorted -----------------------------------------------------------------------------------

void TCustomSortedFunction::SetIncludeNulls(bool Value) {
    if (FIncludeNulls == Value) return;
    FIncludeNulls = Value;
    ReCalculate();
}

void TCustomSortedFunction::AddValue(double Value) {
    tmp.insert(std::upper_bound(tmp.begin(), tmp.end(), Value), Value);
    ICount = int(tmp.size());
}

double TCustomSortedFunction::Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) {
    if (FirstIndex == -1) FirstIndex = 0;
    if (LastIndex == -1) LastIndex = Source->Count() - 1;
    tmp.clear();
    ICount = 0;
    if (LastIndex < FirstIndex) return 0;
    TChartValueList* list = Source->MandatoryValueList();
    tmp.reserve(std::size_t(LastIndex - FirstIndex + 1));
    for (int i = FirstIndex; i <= LastIndex; ++i)
        if (FIncludeNulls || !Source->IsNull(i)) AddValue(list->Value(i));
    const double result = CalcResult();
    tmp.clear();
    return result;
}

double TCustomSortedFunction::CalculateMany(TList* SourceSeries, int ValueIndex) {
    tmp.clear();
    ICount = 0;
    for (int i = 0; i < SourceSeries->Count(); ++i) {
        TChartSeries* s = SeriesAt(SourceSeries, i);
        if (!s || ValueIndex < 0 || ValueIndex >= s->MandatoryValueList()->Count()) continue;
        if (FIncludeNulls || !s->IsNull(ValueIndex)) AddValue(s->MandatoryValueList()->Value(ValueIndex));
    }
    const double result = CalcResult();
    tmp.clear();
    return result;
}

double TMedianTeeFunction::CalcResult() {
    if (ICount == 0) return 0;
    const int middle = ICount / 2;
    if (ICount % 2) return tmp[std::size_t(middle)];
    return (tmp[std::size_t(middle - 1)] + tmp[std::size_t(middle)]) * 0.5;
}

double TModeTeeFunction::CalcResult() {
    if (ICount == 0) return 0;
    double result = tmp[0];
    int best = 0;
    int run = 0;
    for (int i = 0; i < ICount; ++i) {
        ++run;
        const bool ends = i + 1 == ICount || tmp[std::size_t(i + 1)] != tmp[std::size_t(i)];
        if (!ends) continue;
        if (run > best) {
            best = run;
            result = tmp[std::size_t(i)];
        }
        run = 0;
    }
    return result;
}

// ---- registration -----------------------------------------------------------------------------

void RegisterTeeBasicFunctions() {
    RegisterTeeBasicFunction(TAddTeeFunction::StaticClass(), &TeeMsg_FunctionAdd);
    RegisterTeeBasicFunction(TSubtractTeeFunction::StaticClass(), &TeeMsg_FunctionSubtract);
    RegisterTeeBasicFunction(TMultiplyTeeFunction::StaticClass(), &TeeMsg_FunctionMultiply);
    RegisterTeeBasicFunction(TDivideTeeFunction::StaticClass(), &TeeMsg_FunctionDivide);
    RegisterTeeBasicFunction(THighTeeFunction::StaticClass(), &TeeMsg_FunctionHigh);
    RegisterTeeBasicFunction(TLowTeeFunction::StaticClass(), &TeeMsg_FunctionLow);
    RegisterTeeBasicFunction(TAverageTeeFunction::StaticClass(), &TeeMsg_FunctionAverage);
    RegisterTeeBasicFunction(TCustomTeeFunction::StaticClass(), &TeeMsg_FunctionCustom);
    RegisterTeeBasicFunction(TMedianTeeFunction::StaticClass(), &TeeMsg_FunctionMedian);
    RegisterTeeBasicFunction(TModeTeeFunction::StaticClass(), &TeeMsg_FunctionMode);
}

void UnRegisterTeeBasicFunctions() {
    const std::initializer_list<TClass> classes{
        TAddTeeFunction::StaticClass(),      TSubtractTeeFunction::StaticClass(),
        TMultiplyTeeFunction::StaticClass(), TDivideTeeFunction::StaticClass(),
        THighTeeFunction::StaticClass(),     TLowTeeFunction::StaticClass(),
        TAverageTeeFunction::StaticClass(),  TCustomTeeFunction::StaticClass(),
        TMedianTeeFunction::StaticClass(),   TModeTeeFunction::StaticClass()};
    UnRegisterTeeFunctions(classes);
    UnRegisterClasses(classes);
}
