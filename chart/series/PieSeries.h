// TPieSeries: one slice per point, its angle proportional to the point's absolute value.
// Slices can be exploded (one by one or the biggest automatically), the pie can be partial
// (AngleSize) or a donut, slices can have their own 3-D heights and hatch patterns, marks are
// placed around the circle with optional legs, several pies of one chart are laid out in a
// grid, and small slices can be grouped into one synthetic "other" slice.
#pragma once

#include "chart/series/CircledSeries.h"

#include <vector>

class TChartLegend;

class TChartPen;
class TPieSeries;

// Integer percentages per point (explode distance, 3-D height). Reading beyond the end gives
// 0; writing beyond it pads with zeros.
class TSliceValueList : public TObject {
    ORVO_CLASS(TSliceValueList, TObject)
public:
    explicit TSliceValueList(TPieSeries* Owner = nullptr) : OwnerSeries(Owner) {}
    int Count() const { return int(FItems.size()); }
    int Value(int Index) const;
    int operator[](int Index) const { return Value(Index); }
    // Repaints the owner when the value changed.
    void SetValue(int Index, int Value);
    // Without repainting.
    void SetValueQuiet(int Index, int Value);
    void Delete(int Index);
    void Exchange(int Index1, int Index2);
    void Clear() { FItems.clear(); }

    TPieSeries* OwnerSeries;

private:
    std::vector<int> FItems;
};

enum TPieOtherStyle { poNone, poBelowPercent, poBelowValue };
ORVO_DECLARE_ENUM_TYPE(TPieOtherStyle)

enum TMultiPie { mpAutomatic, mpDisabled };
ORVO_DECLARE_ENUM_TYPE(TMultiPie)

// The grouping of small slices into one "other" slice.
class TPieOtherSlice : public TPersistent {
    ORVO_CLASS(TPieOtherSlice, TPersistent)
public:
    explicit TPieOtherSlice(TPieSeries* Owner = nullptr) : FOwner(Owner) {}
    ~TPieOtherSlice() override;
    void Assign(TPersistent* Source) override;

    // A legend of the grouped points only, drawn after the slices when made visible:
    // created hidden on first use, bound to the pie.
    TChartLegend* Legend();
    // Null frees the legend; a value is copied into it.
    void SetLegend(TChartLegend* Value);
    bool HasLegend() const { return FLegend != nullptr; }

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool IsColorStored() const { return FColor != TColor(0x20000000); }
    TPieOtherStyle Style() const { return FStyle; }
    void SetStyle(TPieOtherStyle Value);
    // The text of the slice: "Other" while no text is set.
    String Text() const;
    const String& StoredText() const { return FText; }
    void SetText(const String& Value);
    bool IsTextStored() const { return !FText.isEmpty(); }
    double Value() const { return FValue; }
    void SetValue(double Value);
    TPieSeries* Owner() const { return FOwner; }

private:
    void Changed();

    TChartLegend* FLegend = nullptr;
    TColor FColor = TColor(0x20000000);
    TPieOtherStyle FStyle = poNone;
    String FText;
    double FValue = 0;
    TPieSeries* FOwner;
};

// How the pie places its marks: legs of a fixed length and vertical centring on the line.
class TPieMarks : public TPersistent {
    ORVO_CLASS(TPieMarks, TPersistent)
public:
    explicit TPieMarks(TPieSeries* Owner = nullptr) : FOwner(Owner) {}
    void Assign(TPersistent* Source) override;

    int LegSize() const { return FLegSize; }
    void SetLegSize(int Value);
    bool VertCenter() const { return FVertCenter; }
    void SetVertCenter(bool Value);

private:
    int FLegSize = 0;
    bool FVertCenter = false;
    TPieSeries* FOwner;
};

// The angles of one slice, radians, counter-clockwise from the rotation angle.
struct TPieAngle {
    double StartAngle = 0;
    double MidAngle = 0;
    double EndAngle = 0;
};
using TPieAngles = std::vector<TPieAngle>;

class TPieSeries : public TCircledSeries {
    ORVO_CLASS(TPieSeries, TCircledSeries)
public:
    explicit TPieSeries(TComponent* AOwner);
    ~TPieSeries() override;

    // The X value of points grouped into the other slice, and of the other slice itself.
    static constexpr double OtherSliceMember = -1;
    static constexpr double OtherSliceX = 2147483647;

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override;

    // ---- drawing ----
    void DoBeforeDrawChart() override;
    void DoBeforeDrawValues() override;
    void DoAfterDrawValues() override;
    void CalcFirstLastVisibleIndex() override;
    void DrawAllValues() override;
    void DrawValue(int ValueIndex) override;
    void DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) override;
    void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
    void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
    void CalcZOrder() override;
    bool MoreSameZOrder() override;
    void CalcSelectionPos(int ValueIndex, int& X, int& Y) override;
    void InitCustom3DOptions() override;
    void CheckOtherSeriesMarks() override;
    // One slice: its side faces and top in 3-D, a pie or donut segment in 2-D.
    virtual void DrawPie(int ValueIndex);

    // ---- points ----
    int AddPie(double AValue, const String& ALabel = String(), TColor AColor = clTeeColor) {
        return Add(AValue, ALabel, AColor);
    }
    void Delete(int ValueIndex) override;
    using TChartSeries::Delete;
    void SwapValueIndex(int a, int b) override;
    void Clear() override;
    void ClearLists() override;
    void CheckOrder() override;
    void WriteData(TStream* Stream) override;
    int CalcXPos(int ValueIndex) override;
    double MaxXValue() override;
    double MinXValue() override;
    double MaxYValue() override;
    double MinYValue() override;
    int Clicked(int X, int Y) override;
    // The slice under the pixel (its 32-corner outline), -1 when none.
    int CalcClickedPie(int X, int Y, bool Exploded);
    bool BelongsToOtherSlice(int ValueIndex);

    // ---- legend ----
    int CountLegendItems() override;
    int LegendToValueIndex(int LegendIndex) override;
    // The other slice's legend is the one drawing this series now.
    bool DrawingOtherLegend() const;

    // ---- gallery ----
    void AddSampleValues(int NumValues, bool OnlyMandatory = false) override;
    int NumSampleValues() override;
    void PrepareForGallery(bool IsEnabled) override;
    void GalleryChanged3D(bool Is3D) override;
    void CreateSubGallery(TChartSubGalleryProc AddSubChart) override;
    void SetSubGallery(TChartSeries* ASeries, int Index) override;
    // The chart's view without rotation: not orthogonal, rotation 0, elevation 305.
    void DisableRotation();

    // ---- geometry ----
    // Puts the explode percent ExplodeBiggest on the biggest slice (and takes it off the
    // slice that had it before).
    void CalcExplodeBiggest();
    void CalcExplodedRadius(int ValueIndex, int& AXRadius, int& AYRadius);
    void CalcExplodedOffset(int ValueIndex, int& DX, int& DY);
    int SliceEndZ(int ValueIndex);
    TBrushStyle SliceBrushStyle(int ValueIndex);
    // The number of active pies in the chart.
    int PieCount();
    // Computes the angles when they were dropped.
    void CalcAngles();
    const TPieAngles& Angles() const { return FAngles; }

    // ---- properties ----
    int AngleSize() const { return FAngleSize; }
    void SetAngleSize(int Value) { SetIntegerProperty(FAngleSize, Value); }
    bool AutoMarkPosition() const { return FAutoMarkPosition; }
    void SetAutoMarkPosition(bool Value) { SetBooleanProperty(FAutoMarkPosition, Value); }
    bool Dark3D() const { return FDark3D; }
    void SetDark3D(bool Value) { SetBooleanProperty(FDark3D, Value); }
    int DarkPen() const { return FDarkPen; }
    void SetDarkPen(int Value) { SetIntegerProperty(FDarkPen, Value); }
    int DonutPercent() const { return FDonutPercent; }
    void SetDonutPercent(int Value) { SetIntegerProperty(FDonutPercent, Value); }
    TSliceValueList* ExplodedSlice() const { return FExplodedSlice; }
    int ExplodeBiggest() const { return FExplodeBiggest; }
    void SetExplodeBiggest(int Value);
    int GradientBright() const { return FGradientBright; }
    void SetGradientBright(int Value);
    TMultiPie MultiPie() const { return FMultiPie; }
    void SetMultiPie(TMultiPie Value);
    TPieOtherSlice* OtherSlice() const { return FOtherSlice; }
    void SetOtherSlice(TPieOtherSlice* Value) { FOtherSlice->Assign(Value); }
    TPieMarks* PieMarks() const { return FPieMarks; }
    void SetPieMarks(TPieMarks* Value) { FPieMarks->Assign(Value); }
    TSliceValueList* SliceHeight() const { return FSliceHeights; }
    bool UsePatterns() const { return FUsePatterns; }
    void SetUsePatterns(bool Value) { SetBooleanProperty(FUsePatterns, Value); }
    TChartPen* PiePen() const { return Pen(); }
    TChartValueList* PieValues() const { return YValues(); }
    void SetPieValues(TChartValueList* Value) { SetYValues(Value); }
    TTeeGradient* Gradient() const { return FCircleGradient; }
    void SetGradient(TTeeGradient* Value) { SetCircleGradient(Value); }

private:
    // The last drawing step: the other slice's visible legend, with ILegend set to it.
    void DrawOtherSliceLegend();
    // The 3-D draw order of the visible slices: nearest to the viewer last.
    std::vector<int> SortedSlices();
    // The gradient of one slice: its colour at the end, brightened or darkened at the start.
    void SetSliceGradient(TColor Color);
    // Moves a new mark out of the marks drawn before it.
    void AntiOverlap(int First, int ValueIndex, TSeriesMarkPosition* APosition);

    int FAngleSize = 360;
    bool FAutoMarkPosition = true;
    bool FDark3D = true;
    int FDarkPen = 0;
    int FDonutPercent = 0;
    TSliceValueList* FExplodedSlice = nullptr;
    int FExplodeBiggest = 0;
    int FGradientBright = 0;
    TMultiPie FMultiPie = mpAutomatic;
    TPieOtherSlice* FOtherSlice = nullptr;
    TPieMarks* FPieMarks = nullptr;
    TSliceValueList* FSliceHeights = nullptr;
    bool FUsePatterns = false;
    TPieAngles FAngles;
    TRect IOldChartRect;
    bool IsExploded = false;
    // The slice that CalcExplodeBiggest exploded last, -1 when none.
    int IBiggestExploded = -1;
};
