// The area series: the region between the line through the points and an origin (the axis
// end, a fixed origin value, or the top of the area stacked below) filled with the area
// brush. TAreaSeries runs along the horizontal axis, THorizAreaSeries along the vertical one.
// The fill and the hit test of the region live in TCustomSeries; this unit adds the origin
// options, the stacking interface, the legend symbol and the gallery styles.
#pragma once

#include "chart/series/CustomSeries.h"

enum TMultiArea { maNone, maStacked, maStacked100 };
ORVO_DECLARE_ENUM_TYPE(TMultiArea)

class TAreaSeries : public TCustomSeries {
    ORVO_CLASS(TAreaSeries, TCustomSeries)
public:
    explicit TAreaSeries(TComponent* AOwner);
    // The line-family assignment; the origin settings come only from another area series.
    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TAreaSeriesEditor"); }
    void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
    bool SameClassOrigin(TChartSeries* Series) override;
    void CalcZOrder() override;
    void CreateSubGallery(TChartSubGalleryProc AddSubChart) override;
    void SetSubGallery(TChartSeries* ASeries, int Index) override;
    bool DrawSeriesForward(int ValueIndex) override;
    double MaxXValue() override;
    double MinXValue() override;
    double MaxYValue() override;
    double MinYValue() override;
    int GetOriginPos(int ValueIndex) override;
    void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
    void GalleryChanged3D(bool Is3D) override;
    void PrepareForGallery(bool IsEnabled) override;

    TMultiArea MultiArea() const;
    void SetMultiArea(TMultiArea Value);
    double YOrigin() const { return FOrigin; }
    void SetYOrigin(double Value);
    int StackGroup() const { return FStackGroup; }
    void SetStackGroup(int Value) { SetIntegerProperty(FStackGroup, Value); }
    bool UseYOrigin() const { return FUseOrigin; }
    void SetUseYOrigin(bool Value) { SetBooleanProperty(FUseOrigin, Value); }

private:
    void ApplyGalleryFormat();

    double FOrigin = 0;
    int FStackGroup = 0;
    bool FUseOrigin = false;
};

class THorizAreaSeries : public TAreaSeries {
    ORVO_CLASS(THorizAreaSeries, TAreaSeries)
public:
    explicit THorizAreaSeries(TComponent* AOwner);
    void DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) override;
    int NumSampleValues() override { return 10; }
};
