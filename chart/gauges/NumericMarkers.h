// The texts of a numeric gauge: TNumericMarker is an annotation box that its gauge places
// inside the gauge's face and draws itself; TNumericMarkers is one gauge's list of them.
// A marker bound to a gauge lends only its box to the chart: it never joins the chart's tool
// list, so the chart does not draw it a second time over the whole chart.
#pragma once

#include "chart/tools/AnnotationTool.h"

class TNumericGauge;
class TNumericMarkers;

class TNumericMarker : public TAnnotationTool {
    ORVO_CLASS(TNumericMarker, TAnnotationTool)
public:
    explicit TNumericMarker(TComponent* AOwner);
    // Leaves its gauge's list.
    ~TNumericMarker() override;

    // Bound to a gauge, only the box (and callout) take the chart; a marker of no gauge is a
    // plain annotation of the chart.
    void SetParentChart(TCustomAxisPanel* Value) override;

    // The gauge whose list holds the marker; null for a marker of no gauge.
    TNumericGauge* Gauge() const;

private:
    friend class TNumericMarkers;
    TNumericMarkers* FList = nullptr;
};

class TNumericMarkers : public TChartTools {
    ORVO_CLASS(TNumericMarkers, TChartTools)
public:
    explicit TNumericMarkers(TNumericGauge* AGauge = nullptr);
    // Frees every marker.
    ~TNumericMarkers() override;

    TNumericGauge* Gauge() const { return FGauge; }
    // The marker at Index; null outside the list.
    TNumericMarker* Marker(int Index) const;

    // A new marker showing Text: transparent box without frame or shadow, "DS-Digital".
    TNumericMarker* Add(const String& Text);
    // The same, at Position with FontSize, its font and box taking the gauge's palette
    // entries FontColorIndex and ShapeColorIndex.
    TNumericMarker* Add(const String& Text, int FontSize, TAnnotationPosition Position, int FontColorIndex,
                        int ShapeColorIndex);
    // Takes Marker into the list: bound to the gauge, its box on the gauge's chart.
    void Append(TNumericMarker* Marker);

private:
    TNumericGauge* FGauge;
};
