// Series functions: a series computed from its source series instead of filled. The base
// groups the source points (all at once, runs of N points, X ranges such as one day, or a
// moving window), places each group's result on the X axis and adds it to the series the
// function belongs to; a concrete function supplies Calculate for a group of points and
// CalculateMany for one point across several sources.
#pragma once

#include "platform/classes/Component.h"
#include "platform/classes/TypInfo.h"

class TChartSeries;
class TChartValueList;
class TCustomAxisPanel;
class TList;

enum TFunctionPeriodStyle { psNumPoints, psRange };
ORVO_DECLARE_ENUM_TYPE(TFunctionPeriodStyle)
enum TFunctionPeriodAlign { paFirst, paCenter, paLast };
ORVO_DECLARE_ENUM_TYPE(TFunctionPeriodAlign)

class TTeeFunction : public TComponent {
    ORVO_CLASS(TTeeFunction, TComponent)
public:
    explicit TTeeFunction(TComponent* AOwner = nullptr);
    // From another function: Period, PeriodStyle and PeriodAlign.
    void Assign(TPersistent* Source) override;

    // ---- new operations, in slot order ----
    // Adds the result of source points First .. Last at X.
    virtual void CalculatePeriod(TChartSeries* Source, double X, int FirstIndex, int LastIndex);
    virtual void CalculateAllPoints(TChartSeries* Source, TChartValueList* NotMandatorySource);
    virtual void CalculateByPeriod(TChartSeries* Source, TChartValueList* NotMandatorySource);
    virtual void DoCalculation(TChartSeries* Source, TChartValueList* NotMandatorySource);
    virtual String GetEditorClass();
    virtual void PrepareForGallery(TCustomAxisPanel* Chart);
    // The result for source points First .. Last (-1, -1: all); 0 here.
    virtual double Calculate(TChartSeries* Source, int FirstIndex, int LastIndex);
    // The result for point ValueIndex across every series of SourceSeries; 0 here.
    virtual double CalculateMany(TList* SourceSeries, int ValueIndex);

    // ---- further overridable operations ----
    virtual void Clear() {}
    virtual bool IsValidSource(TChartSeries* Value);
    // Adds the results for Source to the parent series (already cleared).
    virtual void AddPoints(TChartSeries* Source);
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

    // The list of Source the function reads.
    TChartValueList* ValueList(TChartSeries* Source);
    // Adds a result point to the parent series.
    void AddFunctionXY(bool YMandatorySource, double X, double Y);
    void ReCalculate();
    void BeginUpdate() { IUpdating = true; }
    void EndUpdate();

    double Period() const { return FPeriod; }
    // A negative period raises ChartException.
    void SetPeriod(double Value);
    void InternalSetPeriod(double Value) { FPeriod = Value; }
    TFunctionPeriodStyle PeriodStyle() const { return FPeriodStyle; }
    void SetPeriodStyle(TFunctionPeriodStyle Value);
    TFunctionPeriodAlign PeriodAlign() const { return FPeriodAlign; }
    void SetPeriodAlign(TFunctionPeriodAlign Value);
    TChartSeries* ParentSeries() const { return FParent; }
    void SetParentSeries(TChartSeries* Value);
    // Stores the parent without moving the function (the series' SetFunction uses it).
    void InternalSetParentSeries(TChartSeries* Value) { FParent = Value; }

    bool CanUsePeriod = true;
    bool NoSourceRequired = false;
    bool SingleSource = false;
    bool HideSourceList = false;

protected:
    // The number of points in a group: the period rounded, at least 1.
    int WholePeriod() const;

    double FPeriod = 0;
    TFunctionPeriodStyle FPeriodStyle = psNumPoints;
    TFunctionPeriodAlign FPeriodAlign = paCenter;
    TChartSeries* FParent = nullptr;
    bool IUpdating = false;
};

// A function over a window that moves one point at a time.
class TTeeMovingFunction : public TTeeFunction {
    ORVO_CLASS(TTeeMovingFunction, TTeeFunction)
public:
    explicit TTeeMovingFunction(TComponent* AOwner = nullptr);
    void DoCalculation(TChartSeries* Source, TChartValueList* NotMandatorySource) override;
};
