// The concrete line and point series: TLineSeries (a line with optional point markers),
// THorizLineSeries (the same along the vertical axis) and TPointSeries (markers only; the
// base of the arrow, bubble and Gantt series).
#pragma once

#include "chart/series/CustomSeries.h"

class TLineSeries : public TCustomSeries {
    ORVO_CLASS(TLineSeries, TCustomSeries)
public:
    explicit TLineSeries(TComponent* AOwner);
    // The series assignment; a source that is not a line series leaves the marker hidden.
    void Assign(TPersistent* Source) override;
    void CreateSubGallery(TChartSubGalleryProc AddSubChart) override;
    void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
    void SetSubGallery(TChartSeries* ASeries, int Index) override;

    TBrushStyle LineBrush() const;
    void SetLineBrush(TBrushStyle Value);
};

class THorizLineSeries : public TLineSeries {
    ORVO_CLASS(THorizLineSeries, TLineSeries)
public:
    explicit THorizLineSeries(TComponent* AOwner);
    void DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) override;
    // The widest mark: the marks stand beside the points.
    int CalcMarkLength() override;
};

class TPointSeries : public TCustomSeries {
    ORVO_CLASS(TPointSeries, TCustomSeries)
public:
    explicit TPointSeries(TComponent* AOwner);
    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TSeriesPointerEditor"); }
    void CreateSubGallery(TChartSubGalleryProc AddSubChart) override;
    void SetColorEachPoint(bool Value) override;
    void SetSubGallery(TChartSeries* ASeries, int Index) override;
    // The transparency of the markers.
    int GetTransparency() override;
    void SetTransparency(int Value) override;
    void PrepareForGallery(bool IsEnabled) override;
    // The gallery entries past "Hollow" apply to this type (not to the arrow series).
    virtual bool CanDoExtra() { return true; }

private:
    void FixedPointSettings();
};
