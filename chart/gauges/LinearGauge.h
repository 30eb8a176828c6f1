// TLinearGauge: the value as a bar growing along a straight scale, horizontal or vertical, with
// ticks and labels, two coloured bands beside the scale and a marker at the highest value set.
// The scale's look comes from the chart axis the gauge is bound to (bottom when horizontal,
// left when vertical).
#pragma once

#include "chart/gauges/CustomGauge.h"

class TLinearGauge : public TCustomGaugeMinMax {
    ORVO_CLASS(TLinearGauge, TCustomGaugeMinMax)
public:
    explicit TLinearGauge(TComponent* AOwner);
    ~TLinearGauge() override;

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override;
    void SetParentChart(TCustomAxisPanel* Value) override;
    void CreateSubGallery(TChartSubGalleryProc AddSubChart) override;
    void SetSubGallery(TChartSeries* ASeries, int Index) override;
    void DrawAllValues() override;
    bool UseAxis() override;
    void SetValue(double AValue) override;
    void SetValues() override;
    TChartAxis* Axis() override;
    void DrawAxis() override;
    void DrawHand() override;
    void PrepareForGallery(bool IsEnabled) override;

    // Pixels from the scale's start to AValue; 0 for an empty range.
    int ValueOffset(double AValue) const;

    TGaugeSeriesPointer* MaxValueIndicator() const { return FMaxValueIndicator; }
    void SetMaxValueIndicator(TGaugeSeriesPointer* Value) { FMaxValueIndicator->Assign(Value); }
    bool UseValueColorPalette() const { return FUseValueColorPalette; }
    void SetUseValueColorPalette(bool Value) { SetBooleanProperty(FUseValueColorPalette, Value); }
    TTeeShape* ValueArea() const { return FValueArea; }
    void SetValueArea(TTeeShape* Value);
    // The scale's rectangle of the last paint.
    const TRect& AxisRect() const { return FAxisRect; }
    // The highest value ever set (starts at 100).
    double HighestValue() const { return FHighestValue; }

private:
    void CalcAxisRect();
    int ScaleLength() const;
    void DrawBand(TGaugePointerRange* Band, int PenWidth);

    TGaugeSeriesPointer* FMaxValueIndicator = nullptr;
    bool FUseValueColorPalette = false;
    TTeeShape* FValueArea = nullptr;
    TRect FAxisRect;
    double FHighestValue = 100;
};
