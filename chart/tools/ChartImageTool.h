// TChartImageTool: stretches a picture over the area its series' values span (or, without a
// series, over its axes' ranges), so that the picture follows zooming and scrolling.
// TClipSeriesTool: clips the drawing of one series to the rectangle of its axes.
#pragma once

#include "chart/engine/chart/TeeTools.h"

class TTeePicture;

class TChartImageTool : public TTeeCustomToolSeries {
    ORVO_CLASS(TChartImageTool, TTeeCustomToolSeries)
public:
    explicit TChartImageTool(TComponent* AOwner);
    ~TChartImageTool() override;
    void Assign(TPersistent* Source) override;
    void ChartEvent(TChartToolEvent AEvent) override;
    String Description() override;
    String LongDescription() override;
    String GetEditorClass() override { return QStringLiteral("TChartImageToolEditor"); }
    void SetSeries(TChartSeries* Value) override;

    // The rectangle the picture fills; empty without a chart.
    TRect ImageRect();

    TTeePicture* Picture() const { return FPicture; }
    void SetPicture(TTeePicture* Value);
    bool HasGraphic() const;

private:
    void PictureChanged(TObject* Sender);
    TTeePicture* FPicture = nullptr;
};

class TClipSeriesTool : public TTeeCustomToolSeries {
    ORVO_CLASS(TClipSeriesTool, TTeeCustomToolSeries)
public:
    explicit TClipSeriesTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {}
    void SeriesEvent(TChartToolEvent AEvent) override;
    String Description() override;
    String LongDescription() override;

private:
    // Whether the clip made before the series drew is still to be removed.
    bool FClipped = false;
};
