// TFastLineSeries: the lightweight line. No markers, areas or stacking: it draws with bare
// move/line calls through the axes' own conversions, can skip the points that fall on the
// pixel column of the last drawn point, and can draw a newly added point straight onto the
// chart's canvas instead of repainting the chart (AutoRepaint off).
#pragma once

#include "chart/series/CustomSeries.h"

class TFastLineSeries : public TCustomLineSeries {
    ORVO_CLASS(TFastLineSeries, TCustomLineSeries)
public:
    explicit TFastLineSeries(TComponent* AOwner);
    // The fast-line settings from another fast line, then the line-family assignment.
    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TFastLineSeriesEditor"); }
    void NotifyNewValue(TChartSeries* Sender, int ValueIndex) override;
    void DrawAllValues() override;
    void DrawValue(int ValueIndex) override;
    void SetSeriesColor(TColor AColor) override;
    void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
    int Clicked(int X, int Y) override;
    using TChartSeries::Clicked;
    void DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) override;
    void CreateSubGallery(TChartSubGalleryProc AddSubChart) override;
    void SetSubGallery(TChartSeries* ASeries, int Index) override;
    void SetPen(TChartPen* Value) override;
    void CalcHorizMargins(int& LeftMargin, int& RightMargin) override;
    void CalcVerticalMargins(int& TopMargin, int& BottomMargin) override;
    void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;

    // Screen position of a point through the axes' conversions.
    void CalcPosition(int ValueIndex, int& X, int& Y);
    void PrepareCanvas();

    bool AutoRepaint() const { return FAutoRepaint; }
    void SetAutoRepaint(bool Value) { FAutoRepaint = Value; }
    bool DrawAllPoints() const { return FDrawAll; }
    void SetDrawAllPoints(bool Value) { SetBooleanProperty(FDrawAll, Value); }
    bool FastPen() const { return FFastPen; }
    // Only where the platform can colour the stock DC pen; elsewhere nothing changes.
    void SetFastPen(bool Value);
    bool IgnoreNulls() const { return FIgnoreNulls; }
    void SetIgnoreNulls(bool Value) { SetBooleanProperty(FIgnoreNulls, Value); }
    bool InvertedStairs() const { return FInvertedStairs; }
    void SetInvertedStairs(bool Value) { SetBooleanProperty(FInvertedStairs, Value); }
    bool Stairs() const { return FStairs; }
    void SetStairs(bool Value) { SetBooleanProperty(FStairs, Value); }

    // The last drawn position.
    int OldX = 0;
    int OldY = 0;

private:
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);

    bool FAutoRepaint = true;
    bool FDrawAll = true;
    bool FFastPen = false;
    bool FIgnoreNulls = true;
    bool FInvertedStairs = false;
    bool FStairs = false;
    HGDIOBJ DCPEN = nullptr;
};
