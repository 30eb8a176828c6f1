// TArrowSeries: an arrow from each point to an end point held in two further value lists
// ("EndX" and "EndY").
#pragma once

#include "chart/series/LineSeries.h"

class TArrowSeries : public TPointSeries {
    ORVO_CLASS(TArrowSeries, TPointSeries)
public:
    explicit TArrowSeries(TComponent* AOwner);
    String GetEditorClass() override { return QStringLiteral("TArrowSeriesEditor"); }
    void DrawValue(int ValueIndex) override;
    double MaxXValue() override;
    double MaxYValue() override;
    double MinXValue() override;
    double MinYValue() override;
    int Clicked(int X, int Y) override;
    using TChartSeries::Clicked;
    bool CanDoExtra() override { return false; }
    void AddSampleValues(int NumValues, bool OnlyMandatory = false) override;
    void PrepareForGallery(bool IsEnabled) override;
    bool IsValidSourceOf(TChartSeries* Value) override;

    int AddArrow(double X0, double Y0, double X1, double Y1, const String& ALabel = String(),
                 TColor AColor = clTeeColor);

    int ArrowHeight() const;
    void SetArrowHeight(int Value);
    int ArrowWidth() const;
    void SetArrowWidth(int Value);
    TChartValueList* EndXValues() const { return FEndXValues; }
    void SetEndXValues(TChartValueList* Value) { SetChartValueList(FEndXValues, Value); }
    TChartValueList* EndYValues() const { return FEndYValues; }
    void SetEndYValues(TChartValueList* Value) { SetChartValueList(FEndYValues, Value); }
    TChartValueList* StartXValues() const { return XValues(); }
    void SetStartXValues(TChartValueList* Value) { SetXValues(Value); }
    TChartValueList* StartYValues() const { return YValues(); }
    void SetStartYValues(TChartValueList* Value) { SetYValues(Value); }
    int Percent() const { return FPercent; }
    void SetPercent(int Value) { SetIntegerProperty(FPercent, Value); }

private:
    TPoint StartPoint(int ValueIndex);
    TPoint EndPoint(int ValueIndex);

    TChartValueList* FEndXValues = nullptr;
    TChartValueList* FEndYValues = nullptr;
    int FPercent = 50;
};
