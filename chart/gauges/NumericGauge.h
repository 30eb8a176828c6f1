// TNumericGauge: the value as text on a framed panel, like an instrument's digital read-out.
// A list of text markers is placed inside the gauge's face; the first always shows the value
// in the series' ValueFormat, the second and third are the units and a caption. The markers
// can take one of the two digital fonts the gauges library carries.
#pragma once

#include "chart/gauges/CustomGauge.h"
#include "chart/gauges/NumericMarkers.h"

class TStream;

// The font of every marker: "DS-Digital" (bars), "Elektra" (dots), or each marker its own.
enum TDigitalFont { dfBar, dfDot, dfCustom };
ORVO_DECLARE_ENUM_TYPE(TDigitalFont)

class TNumericGauge : public TCustomGauge {
    ORVO_CLASS(TNumericGauge, TCustomGauge)
public:
    // Unless its owner is being read from a stream, the gauge starts with its three markers.
    explicit TNumericGauge(TComponent* AOwner);
    ~TNumericGauge() override;

    // DigitalFont and a copy of each marker, then the gauge's settings.
    void Assign(TPersistent* Source) override;
    String GetEditorClass() override;
    void SetParentChart(TCustomAxisPanel* Value) override;
    // "Normal" and "LED" (the dotted font on the LED palette).
    void CreateSubGallery(TChartSubGalleryProc AddSubChart) override;
    void SetSubGallery(TChartSeries* ASeries, int Index) override;
    // Frame and face, then every active marker in list order.
    void DrawAllValues() override;
    bool UseAxis() override;
    int NumSampleValues() override;
    void AddSampleValues(int NumValues, bool OnlyMandatory = false) override;
    void PrepareForGallery(bool IsEnabled) override;
    // The base palette, then the three markers' font and box colours.
    void SetGaugePalette(const std::vector<TColor>& Colors, int LastIndex) override;
    // A changed value is also shown by the value marker; an equal one changes nothing.
    void SetValue(double AValue) override;
    // The value marker shows the value in the new format.
    void SetValueFormat(const String& Value) override;

    TDigitalFont DigitalFont() const { return FDigitalFont; }
    void SetDigitalFont(TDigitalFont Value);
    TNumericMarkers* Markers() const { return FMarkers; }
    // Markers 0, 1 and 2; reading one adds empty markers until the list is long enough.
    TNumericMarker* ValueMarker() { return MarkerAt(0); }
    TNumericMarker* UnitsMarker() { return MarkerAt(1); }
    TNumericMarker* TextMarker() { return MarkerAt(2); }

    // The stored markers: a 32-bit count, then each marker as a component stream of its own.
    // Reading replaces the list; it takes the markers one at a time and accepts nothing but
    // markers, and on damage keeps those read before it (the error goes on to the caller).
    void ReadMarkers(TStream* Stream);
    void WriteMarkers(TStream* Stream);

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    TNumericMarker* MarkerAt(int Index);
    void ShowValue();

    TDigitalFont FDigitalFont = dfBar;
    TNumericMarkers* FMarkers = nullptr;
};

// The numeric gauge's palette (24 entries) and the one of its LED variant.
const std::vector<TColor>& NumericGaugePalette();
const std::vector<TColor>& LedGaugePalette();
