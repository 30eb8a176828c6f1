// TChartShape: a series that draws one geometric shape (rectangle, ellipse, lines,
// triangles, diamond, cube, crosses, star, pyramids) with optional lines of text inside,
// placed by its only two points: the corners (X0, Y0) and (X1, Y1), read in axis values, in
// pixels, or as an axis origin plus a size in pixels.
#pragma once

#include "chart/engine/series/ChartSeries.h"
#include "platform/controls/StdControlTypes.h"

class TStringList;
class TStrings;
class TTeeFont;
class TTeeGradient;

enum TChartShapeStyle {
    chasRectangle,
    chasCircle,
    chasVertLine,
    chasHorizLine,
    chasTriangle,
    chasInvertTriangle,
    chasLine,
    chasDiamond,
    chasCube,
    chasCross,
    chasDiagCross,
    chasStar,
    chasPyramid,
    chasInvertPyramid
};
ORVO_DECLARE_ENUM_TYPE(TChartShapeStyle)

enum TChartShapeXYStyle { xysPixels, xysAxis, xysAxisOrigin };
ORVO_DECLARE_ENUM_TYPE(TChartShapeXYStyle)

enum TTeeVertAlign { vaTop, vaCenter, vaBottom };
ORVO_DECLARE_ENUM_TYPE(TTeeVertAlign)

class TChartShape : public TChartSeries {
    ORVO_CLASS(TChartShape, TChartSeries)
public:
    explicit TChartShape(TComponent* AOwner);
    ~TChartShape() override;
    // The shape settings from another shape, then the series assignment.
    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TChartShapeEditor"); }
    void CalcZOrder() override;
    void CreateSubGallery(TChartSubGalleryProc AddSubChart) override;
    void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
    void DrawValue(int ValueIndex) override;
    bool MoreSameZOrder() override { return false; }
    void SetSeriesColor(TColor AColor) override;
    void SetSubGallery(TChartSeries* ASeries, int Index) override;
    // 0 on the shape, else -1.
    int Clicked(int X, int Y) override;
    using TChartSeries::Clicked;
    bool UseAxis() override { return FXYStyle != xysPixels; }
    void AddSampleValues(int NumValues, bool OnlyMandatory = false) override;
    void PrepareForGallery(bool IsEnabled) override;
    bool IsValidSourceOf(TChartSeries* Value) override;

    // ---- new operations, in slot order ----
    // The corners on the screen as given (not oriented).
    virtual TRect GetShapeRectangle();
    virtual void SetText(TStrings* Value);

    // The corners in pixels; XYStyle becomes xysPixels.
    void SetShapeRectangle(const TRect& Rect);
    // The shape rectangle oriented and at least one pixel wide and high.
    TRect GetAdjustedRectangle();

    // Reading a corner of a shape that lacks it adds points (0, 0) first.
    double X0();
    void SetX0(double Value);
    double Y0();
    void SetY0(double Value);
    double X1();
    void SetX1(double Value);
    double Y1();
    void SetY1(double Value);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { StoreAndRepaint(FAlignment, Value); }
    TTeeFont* Font() const { return FFont; }
    void SetFont(TTeeFont* Value);
    TTeeGradient* Gradient() const { return FGradient; }
    void SetGradient(TTeeGradient* Value);
    bool RoundRectangle() const { return FRoundRectangle; }
    void SetRoundRectangle(bool Value) { SetBooleanProperty(FRoundRectangle, Value); }
    TChartShapeStyle Style() const { return FStyle; }
    void SetStyle(TChartShapeStyle Value) { StoreAndRepaint(FStyle, Value); }
    TStrings* Text() const;
    int Transparency() const { return FTransparency; }
    void SetTransparency(int Value) { SetIntegerProperty(FTransparency, Value); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value) { SetBooleanProperty(FTransparent, Value); }
    TTeeVertAlign VertAlign() const { return FVertAlign; }
    void SetVertAlign(TTeeVertAlign Value) { StoreAndRepaint(FVertAlign, Value); }
    TChartShapeXYStyle XYStyle() const { return FXYStyle; }
    void SetXYStyle(TChartShapeXYStyle Value) { StoreAndRepaint(FXYStyle, Value); }

private:
    void EnsurePoints(int Needed);
    void SetCorner(int Index, bool IsX, double Value);
    void DrawShape(bool Is3D, const TRect& R);
    void DrawText(const TRect& R);
    void TextChanged(TObject* Sender);

    TAlignment FAlignment = taCenter;
    TTeeFont* FFont = nullptr;
    TTeeGradient* FGradient = nullptr;
    bool FRoundRectangle = false;
    TChartShapeStyle FStyle = chasCircle;
    TStringList* FText = nullptr;
    int FTransparency = 0;
    bool FTransparent = false;
    TTeeVertAlign FVertAlign = vaCenter;
    TChartShapeXYStyle FXYStyle = xysAxis;
};
