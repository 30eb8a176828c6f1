// TBubbleSeries: each point drawn as a marker whose size comes from its radius, held in a
// further value list ("Radius") in units of the vertical axis (and of the horizontal axis
// unless Squared).
#pragma once

#include "chart/series/LineSeries.h"

class TBubbleSeries : public TPointSeries {
    ORVO_CLASS(TBubbleSeries, TPointSeries)
public:
    explicit TBubbleSeries(TComponent* AOwner);
    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TBubbleSeriesEditor"); }
    void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
    void DrawValue(int ValueIndex) override;
    bool IsPointInChartRect(int ValueIndex) override;
    double MaxYValue() override;
    double MaxZValue() override;
    double MinYValue() override;
    double MinZValue() override;
    bool ClickedPointer(int ValueIndex, int PointX, int PointY, int X, int Y) override;
    TTeeGradient* GetGradient() override;
    void PreparePointer(int ValueIndex) override;
    void AddSampleValues(int NumValues, bool OnlyMandatory = false) override;
    void PrepareForGallery(bool IsEnabled) override;
    int NumSampleValues() override { return 8; }
    bool IsValidSourceOf(TChartSeries* Value) override;

    int AddBubble(double X, double Y, double Radius, const String& ALabel = String(),
                  TColor AColor = clTeeColor);

    TChartValueList* RadiusValues() const { return FRadiusValues; }
    void SetRadiusValues(TChartValueList* Value) { SetChartValueList(FRadiusValues, Value); }
    bool Squared() const { return FSquared; }
    void SetSquared(bool Value) { SetBooleanProperty(FSquared, Value); }

private:
    TChartValueList* FRadiusValues = nullptr;
    bool FSquared = true;
};
