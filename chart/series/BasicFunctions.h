// The basic series functions: components that fill their parent series with values computed
// from one or more source series. The function base walks the sources and asks for one
// result through Calculate (a range of points of one series) or CalculateMany (one point
// index across several series); a series that lacks the index is left out of the latter.
#pragma once

#include "chart/engine/series/TeeFunction.h"
#include "platform/classes/Event.h"

#include <vector>

class TAddTeeFunction : public TTeeFunction {
    ORVO_CLASS(TAddTeeFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    double Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) override;
    double CalculateMany(TList* SourceSeries, int ValueIndex) override;
};

// Folds the values of one point across the series, first series first.
class TManySeriesTeeFunction : public TTeeFunction {
    ORVO_CLASS(TManySeriesTeeFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    double CalculateMany(TList* SourceSeries, int ValueIndex) override;
    virtual double CalculateValue(double AResult, double AValue);
};

class TSubtractTeeFunction : public TManySeriesTeeFunction {
    ORVO_CLASS(TSubtractTeeFunction, TManySeriesTeeFunction)
public:
    using TManySeriesTeeFunction::TManySeriesTeeFunction;
    double CalculateValue(double AResult, double AValue) override { return AResult - AValue; }
};

class TMultiplyTeeFunction : public TManySeriesTeeFunction {
    ORVO_CLASS(TMultiplyTeeFunction, TManySeriesTeeFunction)
public:
    using TManySeriesTeeFunction::TManySeriesTeeFunction;
    double CalculateValue(double AResult, double AValue) override { return AResult * AValue; }
};

// Division by 0 leaves the result as it was.
class TDivideTeeFunction : public TManySeriesTeeFunction {
    ORVO_CLASS(TDivideTeeFunction, TManySeriesTeeFunction)
public:
    using TManySeriesTeeFunction::TManySeriesTeeFunction;
    double CalculateValue(double AResult, double AValue) override {
        return AValue == 0 ? AResult : AResult / AValue;
    }
};

class THighTeeFunction : public TTeeFunction {
    ORVO_CLASS(THighTeeFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    double Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) override;
    double CalculateMany(TList* SourceSeries, int ValueIndex) override;
};

class TLowTeeFunction : public TTeeFunction {
    ORVO_CLASS(TLowTeeFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
    double Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) override;
    double CalculateMany(TList* SourceSeries, int ValueIndex) override;
};

class TAverageTeeFunction : public TTeeFunction {
    ORVO_CLASS(TAverageTeeFunction, TTeeFunction)
public:
    explicit TAverageTeeFunction(TComponent* AOwner = nullptr) : TTeeFunction(AOwner) {}
    String GetEditorClass() override { return QStringLiteral("TAverageFuncEditor"); }
    double Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) override;
    double CalculateMany(TList* SourceSeries, int ValueIndex) override;

    bool IncludeNulls() const { return FIncludeNulls; }
    void SetIncludeNulls(bool Value);

private:
    bool FIncludeNulls = true;
};

class TCustomTeeFunction;
// Computes y for x; y holds the previous result (0 for the first point).
using TCalculateEvent = TEvent<TCustomTeeFunction*, double, double&>;
ORVO_DECLARE_EVENT_TYPE(TCalculateEvent)

// y = f(x): NumPoints points from StartX stepping by Period, each y from OnCalculate. No
// source series is read.
class TCustomTeeFunction : public TTeeFunction {
    ORVO_CLASS(TCustomTeeFunction, TTeeFunction)
public:
    explicit TCustomTeeFunction(TComponent* AOwner = nullptr);
    String GetEditorClass() override { return QStringLiteral("TCustomFunctionEditor"); }
    void AddPoints(TChartSeries* Source) override;

    int NumPoints() const { return FNumPoints; }
    void SetNumPoints(int Value);
    double StartX() const { return FStartX; }
    void SetStartX(double Value);
    // The x being computed.
    double X() const { return FX; }

    TCalculateEvent OnCalculate;

private:
    int FNumPoints = 100;
    double FStartX = 0;
    double FX = 0;
};

// Functions over the sorted values of a range or of one point across the series. A point
// excluded as null (IncludeNulls off) takes no place in the values at all.
class TCustomSortedFunction : public TTeeFunction {
    ORVO_CLASS(TCustomSortedFunction, TTeeFunction)
public:
    explicit TCustomSortedFunction(TComponent* AOwner = nullptr) : TTeeFunction(AOwner) {}
    double Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) override;
    double CalculateMany(TList* SourceSeries, int ValueIndex) override;
    // The result over the sorted values; 0 here.
    virtual double CalcResult() { return 0; }

    bool IncludeNulls() const { return FIncludeNulls; }
    void SetIncludeNulls(bool Value);

protected:
    // Inserts Value keeping the values in ascending order.
    void AddValue(double Value);

    bool FIncludeNulls = true;
    std::vector<double> tmp;
    int ICount = 0;
};

// The middle value; for an even count the mean of the two middle values.
class TMedianTeeFunction : public TCustomSortedFunction {
    ORVO_CLASS(TMedianTeeFunction, TCustomSortedFunction)
public:
    using TCustomSortedFunction::TCustomSortedFunction;
    double CalcResult() override;
};

// The most frequent value; the smallest of equally frequent ones.
class TModeTeeFunction : public TCustomSortedFunction {
    ORVO_CLASS(TModeTeeFunction, TCustomSortedFunction)
public:
    using TCustomSortedFunction::TCustomSortedFunction;
    double CalcResult() override;
};

// Enters the ten basic functions in the function gallery, in gallery order.
void RegisterTeeBasicFunctions();
void UnRegisterTeeBasicFunctions();
