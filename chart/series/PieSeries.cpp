#include "chart/series/PieSeries.h"

#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/HitTests.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/rtl/SysMath.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

ORVO_IMPLEMENT_CLASS(TSliceValueList, TObject)
ORVO_IMPLEMENT_CLASS(TPieOtherSlice, TPersistent)
ORVO_IMPLEMENT_CLASS(TPieMarks, TPersistent)
ORVO_IMPLEMENT_CLASS(TPieSeries, TCircledSeries)
ORVO_IMPLEMENT_ENUM_TYPE(TPieOtherStyle, "poNone", "poBelowPercent", "poBelowValue")
ORVO_IMPLEMENT_ENUM_TYPE(TMultiPie, "mpAutomatic", "mpDisabled")

ORVO_PUBLISHED(TPieOtherSlice) {
    using S = TPieOtherSlice;
    P.Property("Color", &S::Color, &S::SetColor).Type(TypeInfoTColor()).Stored(&S::IsColorStored);
    P.Property("Legend", &S::Legend, &S::SetLegend).Stored(&S::HasLegend);
    P.Property("Style", &S::Style, &S::SetStyle).Default(poNone);
    P.Property("Text", &S::StoredText, &S::SetText).Stored(&S::IsTextStored);
    P.Property("Value", &S::Value, &S::SetValue);
}

ORVO_PUBLISHED(TPieMarks) {
    using S = TPieMarks;
    P.Property("LegSize", &S::LegSize, &S::SetLegSize).Default(0);
    P.Property("VertCenter", &S::VertCenter, &S::SetVertCenter).Default(false);
}

ORVO_PUBLISHED(TPieSeries) {
    using S = TPieSeries;
    P.Property("AngleSize", &S::AngleSize, &S::SetAngleSize).Default(360);
    P.Property("AutoMarkPosition", &S::AutoMarkPosition, &S::SetAutoMarkPosition).Default(true);
    P.Property("CircleBackColor", &S::CircleBackColor, &S::SetCircleBackColor)
        .Type(TypeInfoTColor())
        .Stored(&S::IsCircleBackColorStored);
    P.Property("Dark3D", &S::Dark3D, &S::SetDark3D).Default(true);
    P.Property("DarkPen", &S::DarkPen, &S::SetDarkPen).Default(0);
    P.Property("ExplodeBiggest", &S::ExplodeBiggest, &S::SetExplodeBiggest).Default(0);
    P.Property("Gradient", &S::Gradient, &S::SetGradient);
    P.Property("GradientBright", &S::GradientBright, &S::SetGradientBright).Default(0);
    P.Property("MultiPie", &S::MultiPie, &S::SetMultiPie).Default(mpAutomatic);
    P.Property("OtherSlice", &S::OtherSlice, &S::SetOtherSlice);
    P.Property("PieMarks", &S::PieMarks, &S::SetPieMarks);
    P.Property("PiePen", &S::PiePen, &S::SetPen);
    P.Property("PieValues", &S::PieValues, &S::SetPieValues);
    P.Property("RotationAngle", &S::RotationAngle, &S::SetRotationAngle).Default(0);
    P.Property("UsePatterns", &S::UsePatterns, &S::SetUsePatterns).Default(false);
}

namespace {

int RoundInt(double v) {
    return int(Round(v));
}
} // namespace

// ---- slice lists -----------------------------------------------------------------------------

int TSliceValueList::Value(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[size_t(Index)] : 0;
}

void TSliceValueList::SetValueQuiet(int Index, int Value) {
    if (Index < 0) return;
    if (Index >= Count()) FItems.resize(size_t(Index) + 1, 0);
    FItems[size_t(Index)] = Value;
}

void TSliceValueList::SetValue(int Index, int Value) {
    if (Index < 0) return;
    const int old = this->Value(Index);
    SetValueQuiet(Index, Value);
    if (old != Value && OwnerSeries) OwnerSeries->Repaint();
}

void TSliceValueList::Delete(int Index) {
    if (Index >= 0 && Index < Count()) FItems.erase(FItems.begin() + Index);
}

void TSliceValueList::Exchange(int Index1, int Index2) {
    const int n = std::max(Index1, Index2);
    if (Index1 < 0 || Index2 < 0) return;
    if (n >= Count()) FItems.resize(size_t(n) + 1, 0);
    std::swap(FItems[size_t(Index1)], FItems[size_t(Index2)]);
}

// ---- other slice and pie marks ---------------------------------------------------------------

void TPieOtherSlice::Changed() {
    if (FOwner) FOwner->Repaint();
}

TPieOtherSlice::~TPieOtherSlice() {
    delete FLegend;
}

TChartLegend* TPieOtherSlice::Legend() {
    if (!FLegend) {
        FLegend = new TChartLegend(FOwner ? FOwner->ParentChart() : nullptr);
        FLegend->SetVisible(false);
        FLegend->SetSeries(FOwner);
    }
    return FLegend;
}

void TPieOtherSlice::SetLegend(TChartLegend* Value) {
    if (!Value) {
        delete FLegend;
        FLegend = nullptr;
        Changed();
        return;
    }
    Legend()->Assign(Value);
    FLegend->SetSeries(FOwner);
}

void TPieOtherSlice::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TPieOtherSlice*>(Source)) {
        SetLegend(s->FLegend);
        FColor = s->FColor;
        FStyle = s->FStyle;
        FText = s->FText;
        FValue = s->FValue;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

void TPieOtherSlice::SetColor(TColor Value) {
    if (StoreIfChanged(FColor, Value)) Changed();
}
void TPieOtherSlice::SetStyle(TPieOtherStyle Value) {
    if (StoreIfChanged(FStyle, Value)) Changed();
}
String TPieOtherSlice::Text() const {
    return FText.isEmpty() ? TeeMsg_PieOther : FText;
}
void TPieOtherSlice::SetText(const String& Value) {
    if (StoreIfChanged(FText, Value)) Changed();
}
void TPieOtherSlice::SetValue(double Value) {
    if (StoreIfChanged(FValue, Value)) Changed();
}

void TPieMarks::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TPieMarks*>(Source)) {
        FLegSize = s->FLegSize;
        FVertCenter = s->FVertCenter;
        if (FOwner) FOwner->Repaint();
        return;
    }
    TPersistent::Assign(Source);
}

void TPieMarks::SetLegSize(int Value) {
    if (StoreIfChanged(FLegSize, Value) && FOwner) FOwner->Repaint();
}
void TPieMarks::SetVertCenter(bool Value) {
    if (StoreIfChanged(FVertCenter, Value) && FOwner) FOwner->Repaint();
}

// ---- construction ----------------------------------------------------------------------------

TPieSeries::TPieSeries(TComponent* AOwner) : TCircledSeries(AOwner) {
    FExplodedSlice = new TSliceValueList(this);
    FSliceHeights = new TSliceValueList(this);
    FOtherSlice = new TPieOtherSlice(this);
    FPieMarks = new TPieMarks(this);
    XValues()->SetName(String());
    YValues()->SetName(TeeMsg_ValuesPie);
    Marks()->SetVisible(true);
    SetColorEachPoint(true);
    FCircleGradient->SetStartColor(clWhite);
    FCircleGradient->SetDirection(gdRadial);
    IUseSeriesColor = false;
    IUseNotMandatory = false;
}

TPieSeries::~TPieSeries() {
    delete FPieMarks;
    FPieMarks = nullptr;
    delete FOtherSlice;
    FOtherSlice = nullptr;
    delete FSliceHeights;
    FSliceHeights = nullptr;
    delete FExplodedSlice;
    FExplodedSlice = nullptr;
}

void TPieSeries::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TPieSeries*>(Source)) {
        FAngleSize = s->FAngleSize;
        FAutoMarkPosition = s->FAutoMarkPosition;
        FDark3D = s->FDark3D;
        FDarkPen = s->FDarkPen;
        FDonutPercent = s->FDonutPercent;
        FExplodeBiggest = s->FExplodeBiggest;
        FGradientBright = s->FGradientBright;
        FMultiPie = s->FMultiPie;
        FUsePatterns = s->FUsePatterns;
        FOtherSlice->Assign(s->FOtherSlice);
        FPieMarks->Assign(s->FPieMarks);
    }
    inherited::Assign(Source);
}

String TPieSeries::GetEditorClass() {
    return QStringLiteral("TPieSeriesEditor");
}

// ---- properties ------------------------------------------------------------------------------

void TPieSeries::SetExplodeBiggest(int Value) {
    FExplodeBiggest = Value;
    CalcExplodeBiggest();
    Repaint();
}

void TPieSeries::SetGradientBright(int Value) {
    FGradientBright = Value;
    if (Value == 0) FCircleGradient->SetStartColor(clWhite);
    Repaint();
}

void TPieSeries::SetMultiPie(TMultiPie Value) {
    if (StoreIfChanged(FMultiPie, Value)) Repaint();
}

// ---- points ----------------------------------------------------------------------------------

bool TPieSeries::BelongsToOtherSlice(int ValueIndex) {
    return ValueIndex >= 0 && ValueIndex < Count() && XValues()->Value(ValueIndex) == OtherSliceMember;
}

void TPieSeries::Delete(int ValueIndex) {
    inherited::Delete(ValueIndex);
    FExplodedSlice->Delete(ValueIndex);
    FSliceHeights->Delete(ValueIndex);
    if (IBiggestExploded == ValueIndex)
        IBiggestExploded = -1;
    else if (IBiggestExploded > ValueIndex)
        --IBiggestExploded;
}

void TPieSeries::SwapValueIndex(int a, int b) {
    inherited::SwapValueIndex(a, b);
    for (TSliceValueList* list : {FExplodedSlice, FSliceHeights}) {
        if (list->Count() == 0) continue;
        if (list->Count() < Count()) list->SetValueQuiet(Count() - 1, list->Value(Count() - 1));
        list->Exchange(a, b);
    }
    if (IBiggestExploded == a)
        IBiggestExploded = b;
    else if (IBiggestExploded == b)
        IBiggestExploded = a;
}

void TPieSeries::Clear() {
    inherited::Clear();
    FAngles.clear();
}

void TPieSeries::ClearLists() {
    inherited::ClearLists();
    if (FExplodedSlice) FExplodedSlice->Clear();
    if (FSliceHeights) FSliceHeights->Clear();
    IBiggestExploded = -1;
}

void TPieSeries::CheckOrder() {
    XValues()->SetOrder(loAscending);
    Repaint();
}

void TPieSeries::WriteData(TStream* Stream) {
    for (int i = 0; i < Count(); ++i)
        if (XValues()->Value(i) == OtherSliceX) {
            inherited::Delete(i);
            break;
        }
    inherited::WriteData(Stream);
}

int TPieSeries::CalcXPos(int ValueIndex) {
    if (ValueIndex >= 0 && ValueIndex < Count() && XValues()->Value(ValueIndex) == OtherSliceX) return 0;
    return inherited::CalcXPos(ValueIndex);
}

double TPieSeries::MaxXValue() {
    return GetHorizAxis() ? GetHorizAxis()->Maximum() : 0;
}
double TPieSeries::MinXValue() {
    return GetHorizAxis() ? GetHorizAxis()->Minimum() : 0;
}
double TPieSeries::MaxYValue() {
    return GetVertAxis() ? GetVertAxis()->Maximum() : 0;
}
double TPieSeries::MinYValue() {
    return GetVertAxis() ? GetVertAxis()->Minimum() : 0;
}

void TPieSeries::CalcZOrder() {
    SetCalculatedZOrder(-1);
}

bool TPieSeries::MoreSameZOrder() {
    return false;
}

int TPieSeries::PieCount() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return 0;
    int n = 0;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries* s = chart->GetSeries(i);
        if (s->Active() && SameClass(s)) ++n;
    }
    return n;
}

// ---- legend ----------------------------------------------------------------------------------

bool TPieSeries::DrawingOtherLegend() const {
    return ILegend && FOtherSlice->HasLegend() && ILegend == FOtherSlice->Legend();
}

int TPieSeries::CountLegendItems() {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        if (BelongsToOtherSlice(i)) ++n;
    return DrawingOtherLegend() ? n : Count() - n;
}

int TPieSeries::LegendToValueIndex(int LegendIndex) {
    const bool own = DrawingOtherLegend();
    int k = -1;
    for (int i = 0; i < Count(); ++i) {
        if (BelongsToOtherSlice(i) != own) continue;
        if (++k == LegendIndex) return i;
    }
    return LegendIndex;
}

// ---- gallery ---------------------------------------------------------------------------------

void TPieSeries::AddSampleValues(int NumValues, bool OnlyMandatory) {
    (void)OnlyMandatory;
    const String* samples[] = {&TeeMsg_PieSample1, &TeeMsg_PieSample2, &TeeMsg_PieSample3,
                               &TeeMsg_PieSample4, &TeeMsg_PieSample5, &TeeMsg_PieSample6,
                               &TeeMsg_PieSample7, &TeeMsg_PieSample8};
    for (int i = 0; i < NumValues; ++i)
        Add(RandomValue(1000) + 1, *samples[i % 8], clTeeColor);
}

int TPieSeries::NumSampleValues() {
    return 8;
}

void TPieSeries::DisableRotation() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || !chart->View3DOptions()) return;
    TView3DOptions* o = chart->View3DOptions();
    o->SetOrthogonal(false);
    o->SetRotation(0);
    o->SetElevation(305);
}

void TPieSeries::InitCustom3DOptions() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || !chart->View3DOptions()) return;
    TView3DOptions* o = chart->View3DOptions();
    o->SetOrthogonal(false);
    o->SetRotation(360);
    o->SetElevation(315);
    o->SetPerspective(0);
    o->SetTilt(0);
}

void TPieSeries::PrepareForGallery(bool IsEnabled) {
    inherited::PrepareForGallery(IsEnabled);
    Clear();
    FillSampleValues(8);
    if (TCustomAxisPanel* chart = ParentChart()) chart->SetChart3DPercent(75);
    Marks()->SetDrawEvery(1);
    FCircleGradient->SetVisible(true);
    DisableRotation();
    SetColorEachPoint(IsEnabled);
}

void TPieSeries::GalleryChanged3D(bool Is3D) {
    inherited::GalleryChanged3D(Is3D);
    DisableRotation();
    SetCircled(!Is3D);
}

void TPieSeries::CreateSubGallery(TChartSubGalleryProc AddSubChart) {
    inherited::CreateSubGallery(AddSubChart);
    for (const String* s : {&TeeMsg_Patterns, &TeeMsg_Exploded, &TeeMsg_Shadow, &TeeMsg_Marks,
                            &TeeMsg_SemiPie, &TeeMsg_NoBorder, &TeeMsg_DarkPen})
        AddSubChart(*s);
}

void TPieSeries::SetSubGallery(TChartSeries* ASeries, int Index) {
    auto* s = dynamic_cast<TPieSeries*>(ASeries);
    if (!s) return;
    switch (Index) {
    case 1:
        s->SetUsePatterns(true);
        s->Gradient()->SetVisible(false);
        break;
    case 2:
        s->SetExplodeBiggest(30);
        break;
    case 3:
        s->Shadow()->SetHorizSize(10);
        s->Shadow()->SetVertSize(10);
        break;
    case 4:
        s->Marks()->SetVisible(true);
        s->Clear();
        s->Add(30, QStringLiteral("A"));
        s->Add(70, QStringLiteral("B"));
        break;
    case 5:
        s->SetAngleSize(180);
        break;
    case 6:
        s->Pen()->SetVisible(false);
        break;
    case 7:
        s->SetDarkPen(32);
        break;
    default:
        break;
    }
}

// ---- before drawing: grouping and layout ----------------------------------------------------

namespace {
// Changes made to the points while a frame is being drawn must not ask for another frame.
class TNoRepaint {
public:
    explicit TNoRepaint(TCustomAxisPanel* Chart) : FChart(Chart), FOld(Chart && Chart->AutoRepaint()) {
        if (FChart) FChart->SetAutoRepaint(false);
    }
    ~TNoRepaint() {
        if (FChart) FChart->SetAutoRepaint(FOld);
    }
    TNoRepaint(const TNoRepaint&) = delete;
    TNoRepaint& operator=(const TNoRepaint&) = delete;

private:
    TCustomAxisPanel* FChart;
    bool FOld;
};
} // namespace

void TPieSeries::DoBeforeDrawChart() {
    inherited::DoBeforeDrawChart();
    const TNoRepaint quiet(ParentChart());
    // The user may have moved the other slice's mark; the new other slice keeps it.
    std::unique_ptr<TSeriesMarkPosition> customMark;
    int other = -1;
    for (int i = 0; i < Count(); ++i)
        if (XValues()->Value(i) == OtherSliceX) {
            other = i;
            break;
        }
    if (other != -1) {
        TSeriesMarkPosition* p = Marks()->Positions()->Get(other);
        if (p && p->Custom) {
            customMark = std::make_unique<TSeriesMarkPosition>();
            customMark->Assign(p);
        }
    }
    if (YValues()->Order() != loNone) YValues()->Sort();
    for (int i = 0; i < Count(); ++i)
        if (XValues()->Value(i) == OtherSliceX) {
            inherited::Delete(i);
            break;
        }
    FAngles.clear();
    for (int i = 0; i < Count(); ++i)
        XValues()->SetValueQuiet(i, i);
    XValues()->SetModified(true);

    const double total = YValues()->TotalABS();
    if (FOtherSlice->Style() == poNone || total <= 0) return;
    double sum = 0;
    bool grouped = false;
    for (int i = 0; i < Count(); ++i) {
        const double a = std::fabs(YValues()->Value(i));
        const double v = FOtherSlice->Style() == poBelowPercent ? a * 100.0 / total : a;
        if (v < FOtherSlice->Value()) {
            XValues()->SetValueQuiet(i, OtherSliceMember);
            sum += a;
            grouped = true;
        }
    }
    if (!grouped) return;
    const int index = AddXY(OtherSliceX, sum, FOtherSlice->Text(), FOtherSlice->Color());
    // Grouped points count once: the new slice stands for them in the total.
    YValues()->SetTotalABS(YValues()->TotalABS() - sum);
    if (customMark && index >= 0) {
        TSeriesMarkPosition* p = Marks()->Positions()->Ensure(index);
        p->Assign(customMark.get());
    }
}

void TPieSeries::DoBeforeDrawValues() {
    TCustomAxisPanel* chart = ParentChart();
    if (chart) IOldChartRect = chart->ChartRect;
    const int n = PieCount();
    if (chart && FMultiPie == mpAutomatic && n >= 2) {
        int k = 0;
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            TChartSeries* s = chart->GetSeries(i);
            if (s == this) break;
            if (s->Active() && SameClass(s)) ++k;
        }
        const double root = std::sqrt(double(n));
        const int cols = std::max(1, RoundInt(root));
        const int rows = std::max(1, RoundInt(root + 0.5));
        const TRect& r = chart->ChartRect;
        const int w = (r.Right - r.Left) / cols;
        const int h = (r.Bottom - r.Top) / rows;
        const int col = k % cols;
        const int row = k / cols;
        const TRect cell{r.Left + col * w, r.Top + row * h, r.Left + (col + 1) * w, r.Top + (row + 1) * h};
        chart->ChartRect = chart->View3D() ? chart->Canvas()->CalcRect3D(cell, 0) : cell;
    }
    inherited::DoBeforeDrawValues();
}

void TPieSeries::DoAfterDrawValues() {
    if (TCustomAxisPanel* chart = ParentChart()) chart->ChartRect = IOldChartRect;
    inherited::DoAfterDrawValues();
}

void TPieSeries::CalcFirstLastVisibleIndex() {
    if (FOtherSlice->Style() != poNone) {
        inherited::CalcFirstLastVisibleIndex();
        return;
    }
    int first = -1;
    int last = -1;
    CalcFirstLastPage(first, last);
    FFirstVisibleIndex = first;
    FLastVisibleIndex = last;
    if (first == -1) inherited::CalcFirstLastVisibleIndex();
}

// ---- angles and explode ----------------------------------------------------------------------

void TPieSeries::CalcAngles() {
    const double full = FAngleSize * std::numbers::pi / 180.0;
    const int first = FirstValueIndex();
    const int last = LastValueIndex();
    double total;
    if (FOtherSlice->Style() != poNone || first == -1) {
        total = YValues()->TotalABS();
    } else {
        total = 0;
        for (int i = first; i <= last; ++i)
            total += std::fabs(YValues()->Value(i));
    }
    const double scale = total == 0 ? 0 : full / total;
    FAngles.assign(size_t(Count()), TPieAngle{});
    if (first == -1) return;
    double sum = 0;
    for (int i = first; i <= last; ++i) {
        TPieAngle& a = FAngles[size_t(i)];
        a.StartAngle = i == first ? 0 : FAngles[size_t(i - 1)].EndAngle;
        if (total == 0) {
            a.EndAngle = full;
        } else {
            if (!BelongsToOtherSlice(i)) sum += std::fabs(YValues()->Value(i));
            a.EndAngle = sum == total ? full : sum * scale;
            if (a.EndAngle > a.StartAngle + full) a.EndAngle = a.StartAngle + full;
        }
        a.MidAngle = (a.StartAngle + a.EndAngle) * 0.5;
    }
}

void TPieSeries::CalcExplodeBiggest() {
    int biggest = -1;
    if (FExplodeBiggest > 0 && Count() > 0) {
        int from = 0;
        int to = Count() - 1;
        if (ParentChart() && ParentChart()->MaxPointsPerPage() > 0) {
            CalcFirstLastVisibleIndex();
            from = FirstValueIndex();
            to = LastValueIndex();
        }
        for (int i = from; i >= 0 && i <= to; ++i)
            if (biggest == -1 || YValues()->Value(i) > YValues()->Value(biggest)) biggest = i;
    }
    // Only the current biggest slice stays exploded by this rule.
    if (IBiggestExploded != -1 && IBiggestExploded != biggest)
        FExplodedSlice->SetValueQuiet(IBiggestExploded, 0);
    IBiggestExploded = biggest;
    if (biggest != -1) FExplodedSlice->SetValueQuiet(biggest, FExplodeBiggest);
}

void TPieSeries::CalcExplodedRadius(int ValueIndex, int& AXRadius, int& AYRadius) {
    const double f = 1 + FExplodedSlice->Value(ValueIndex) * 0.01;
    AXRadius = RoundInt(FXRadius * f);
    AYRadius = RoundInt(FYRadius * f);
}

void TPieSeries::CalcExplodedOffset(int ValueIndex, int& DX, int& DY) {
    DX = 0;
    DY = 0;
    if (!IsExploded || FExplodedSlice->Count() == 0) return;
    const int e = FExplodedSlice->Value(ValueIndex);
    if (e <= 0 || ValueIndex < 0 || ValueIndex >= int(FAngles.size())) return;
    const double a = FAngles[size_t(ValueIndex)].MidAngle + IRotDegree;
    DX = RoundInt(std::cos(a) * FXRadius * e * 0.01);
    DY = RoundInt(std::sin(a) * FYRadius * e * 0.01);
}

int TPieSeries::SliceEndZ(int ValueIndex) {
    if (ValueIndex >= FSliceHeights->Count()) return EndZ;
    return StartZ + RoundInt(FSliceHeights->Value(ValueIndex) * (EndZ - StartZ) * 0.01);
}

TBrushStyle TPieSeries::SliceBrushStyle(int ValueIndex) {
    const bool mono = ParentChart() && ParentChart()->Monochrome();
    if ((FUsePatterns || mono) && ValueIndex != -1) {
        static const TBrushStyle patterns[] = {bsHorizontal, bsVertical, bsFDiagonal,
                                               bsBDiagonal,  bsCross,    bsDiagCross};
        return patterns[ValueIndex % 6];
    }
    return bsSolid;
}

// ---- drawing ---------------------------------------------------------------------------------

std::vector<int> TPieSeries::SortedSlices() {
    const double full = FAngleSize * std::numbers::pi / 180.0;
    const double q = full / 4;
    auto distance = [&](int i) {
        double t = FAngles[size_t(i)].MidAngle + IRotDegree;
        if (t > full) t -= full;
        if (t <= q) return q - t;
        double d = t - q;
        if (d > std::numbers::pi) d = full - d;
        return d;
    };
    std::vector<int> order;
    for (int i = FirstValueIndex(); i >= 0 && i <= LastValueIndex(); ++i)
        order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return distance(a) < distance(b); });
    return order;
}

void TPieSeries::DrawAllValues() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    if (FExplodeBiggest > 0) CalcExplodeBiggest();
    int maxIndex = -1;
    int maxExplode = 0;
    for (int i = FirstValueIndex(); i >= 0 && i <= LastValueIndex(); ++i)
        if (FExplodedSlice->Value(i) > maxExplode) {
            maxExplode = FExplodedSlice->Value(i);
            maxIndex = i;
        }
    if (FAngles.size() != size_t(Count())) CalcAngles();
    IsExploded = maxIndex != -1 || FSliceHeights->Count() > 0;
    if (maxIndex != -1) {
        int dx = 0;
        int dy = 0;
        CalcExplodedOffset(maxIndex, dx, dy);
        FCircleRect.Left += std::abs(dx) / 2;
        FCircleRect.Right -= std::abs(dx) / 2;
        FCircleRect.Top += std::abs(dy) / 2;
        FCircleRect.Bottom -= std::abs(dy) / 2;
        AdjustCircleRect();
        CalcRadius();
    }
    TCanvas3D* canvas = chart->Canvas();
    if (FShadow->Visible()) FShadow->DrawEllipse(canvas, FCircleRect, EndZ - 10);
    const bool wasExploded = IsExploded;
    if (!chart->View3D() || (!wasExploded && FDonutPercent <= 0 && FAngleSize == 360)) {
        inherited::DrawAllValues();
    } else {
        const std::vector<int> order = SortedSlices();
        const bool cutFaces = !wasExploded && (FDonutPercent > 0 || FAngleSize != 360);
        for (size_t k = 0; k < order.size(); ++k) {
            if (cutFaces) IsExploded = k == 0 || k + 1 == order.size();
            DrawValue(order[k]);
        }
        IsExploded = wasExploded;
    }
    DrawOtherSliceLegend();
}

void TPieSeries::DrawOtherSliceLegend() {
    if (!FOtherSlice->HasLegend()) return;
    TChartLegend* legend = FOtherSlice->Legend();
    // A pie moved to another chart takes its legend along.
    if (legend->ParentChart() != ParentChart()) legend->SetParentChart(ParentChart());
    if (!legend->Visible() || !legend->Chart()) return;
    TCustomAxisPanel* chart = ParentChart();
    // The legend answers for this series while it draws; the plotting box it would make
    // room in is already drawn.
    const TRect chartRect = chart->ChartRect;
    ILegend = legend;
    try {
        chart->Canvas()->FrontPlaneBegin();
        legend->DrawLegend();
        chart->Canvas()->FrontPlaneEnd();
    } catch (...) {
        ILegend = nullptr;
        chart->ChartRect = chartRect;
        throw;
    }
    ILegend = nullptr;
    chart->ChartRect = chartRect;
}

void TPieSeries::DrawValue(int ValueIndex) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || FCircleWidth < 5 || FCircleHeight < 5 || BelongsToOtherSlice(ValueIndex)) return;
    if (ValueIndex < 0 || ValueIndex >= int(FAngles.size())) return;
    TCanvas3D* canvas = chart->Canvas();
    const bool mono = chart->Monochrome();
    const TColor color = mono ? clBlack : ValueColor(ValueIndex);
    if (color == clNone) {
        canvas->Brush()->SetStyle(bsClear);
    } else {
        canvas->AssignBrush(Brush(), color, CalcCircleBackColor());
        canvas->Brush()->SetStyle(SliceBrushStyle(ValueIndex));
        if (FCircleGradient->Visible()) SetSliceGradient(color);
    }
    canvas->AssignVisiblePen(Pen());
    if (FDarkPen > 0 && color != clNone) canvas->Pen()->SetColor(ApplyDark(color, Byte(255 - FDarkPen)));
    DrawPie(ValueIndex);
}

void TPieSeries::SetSliceGradient(TColor Color) {
    FCircleGradient->SetEndColor(Color);
    if (FGradientBright > 0)
        FCircleGradient->SetStartColor(ApplyBright(Color, Byte(std::min(FGradientBright, 255))));
    else if (FGradientBright < 0)
        FCircleGradient->SetStartColor(ApplyDark(Color, Byte(std::min(-FGradientBright, 255))));
}

void TPieSeries::DrawPie(int ValueIndex) {
    TCanvas3D* canvas = ParentChart()->Canvas();
    int dx = 0;
    int dy = 0;
    CalcExplodedOffset(ValueIndex, dx, dy);
    const int cx = FCircleXCenter + dx;
    const int cy = FCircleYCenter - dy;
    const TPieAngle& a = FAngles[size_t(ValueIndex)];
    if (ParentChart()->View3D()) {
        canvas->Pie3D(cx, cy, FXRadius, FYRadius, StartZ, SliceEndZ(ValueIndex), a.StartAngle + IRotDegree,
                      a.EndAngle + IRotDegree, FDark3D, IsExploded, FDonutPercent,
                      FCircleGradient->Visible() ? FCircleGradient : nullptr);
    } else if (FDonutPercent <= 0) {
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        AngleToPos(a.StartAngle, FXRadius, FYRadius, x1, y1);
        AngleToPos(a.EndAngle, FXRadius, FYRadius, x2, y2);
        if (x1 != x2 || y1 != y2 || Count() == 1 || a.EndAngle - a.StartAngle > 1)
            canvas->Pie(FCircleRect.Left + dx, FCircleRect.Top - dy, FCircleRect.Right + dx,
                        FCircleRect.Bottom - dy, x1 + dx, y1 - dy, x2 + dx, y2 - dy);
    } else if (YValues()->Value(ValueIndex) != 0) {
        canvas->Donut(cx, cy, FXRadius, FYRadius, a.StartAngle + IRotDegree, a.EndAngle + IRotDegree,
                      FDonutPercent);
    }
}

void TPieSeries::AntiOverlap(int First, int ValueIndex, TSeriesMarkPosition* APosition) {
    for (int j = std::max(0, First); j < ValueIndex; ++j) {
        TSeriesMarkPosition* p = Marks()->Positions()->Get(j);
        if (!p || p == APosition || p->Width == 0) continue;
        const TRect a = APosition->Bounds();
        const TRect b = p->Bounds();
        if (a.Left >= b.Right || b.Left >= a.Right || a.Top >= b.Bottom || b.Top >= a.Bottom) continue;
        int move;
        if (APosition->LeftTop.Y < p->LeftTop.Y)
            move = p->LeftTop.Y - (APosition->LeftTop.Y + APosition->Height);
        else
            move = p->LeftTop.Y + p->Height - APosition->LeftTop.Y;
        APosition->LeftTop.Y += move;
        APosition->ArrowTo.Y += move;
        APosition->MidPoint.Y += move;
    }
}

void TPieSeries::DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) {
    if (BelongsToOtherSlice(ValueIndex) || ValueIndex >= int(FAngles.size())) return;
    TCustomAxisPanel* chart = ParentChart();
    if (!APosition->Custom) {
        int rx = 0;
        int ry = 0;
        CalcExplodedRadius(ValueIndex, rx, ry);
        APosition->ArrowFix = true;
        Marks()->SetZPosition(SliceEndZ(ValueIndex));
        const int d = MarksCalloutDistance();
        const int l = MarksCalloutLength() + d;
        const double mid = FAngles[size_t(ValueIndex)].MidAngle;
        AngleToPos(mid, rx + l, ry + l, APosition->ArrowTo.X, APosition->ArrowTo.Y);
        AngleToPos(mid, rx + d, ry + d, APosition->ArrowFrom.X, APosition->ArrowFrom.Y);
        TPoint& to = APosition->ArrowTo;
        const bool right = to.X > FCircleXCenter;
        const bool below = to.Y > FCircleYCenter;
        APosition->LeftTop.X = right ? to.X : to.X - APosition->Width;
        APosition->LeftTop.Y = below ? to.Y : to.Y - APosition->Height;
        if (FPieMarks->VertCenter()) to.Y += below ? APosition->Height / 2 : -(APosition->Height / 2);
        const int leg = FPieMarks->LegSize();
        APosition->HasMid = leg != 0;
        if (leg != 0) {
            APosition->MidPoint.Y = to.Y;
            const int from = APosition->ArrowFrom.X;
            if (right) {
                const int m = to.X - leg;
                if (m < from) {
                    APosition->MidPoint.X = from;
                    to.X += leg;
                    APosition->LeftTop.X = to.X;
                } else {
                    APosition->MidPoint.X = m;
                }
            } else {
                const int m = to.X + leg;
                if (from < m) {
                    APosition->MidPoint.X = from;
                    to.X = from - leg;
                    APosition->LeftTop.X = to.X - APosition->Width;
                } else {
                    APosition->MidPoint.X = m;
                }
            }
        }
        if (FAutoMarkPosition) AntiOverlap(FirstValueIndex(), ValueIndex, APosition);
    }
    // The line from the slice to its mark, through the leg's corner when there is one.
    if (chart && MarksCalloutLength() > 0) {
        TCanvas3D* canvas = chart->Canvas();
        canvas->AssignVisiblePen(Marks()->Pen());
        canvas->Pen()->SetStyle(psSolid);
        const int z = Marks()->ZPosition();
        canvas->MoveTo3D(APosition->ArrowFrom.X, APosition->ArrowFrom.Y, z);
        if (APosition->HasMid) canvas->LineTo3D(APosition->MidPoint.X, APosition->MidPoint.Y, z);
        canvas->LineTo3D(APosition->ArrowTo.X, APosition->ArrowTo.Y, z);
    }
    inherited::DrawMark(ValueIndex, St, APosition);
}

void TPieSeries::CheckOtherSeriesMarks() {}

void TPieSeries::CalcSelectionPos(int ValueIndex, int& X, int& Y) {
    if (ValueIndex >= 0 && ValueIndex < int(FAngles.size())) {
        int rx = 0;
        int ry = 0;
        CalcExplodedRadius(ValueIndex, rx, ry);
        AngleToPos(FAngles[size_t(ValueIndex)].MidAngle, rx, ry, X, Y);
        return;
    }
    inherited::CalcSelectionPos(ValueIndex, X, Y);
}

// ---- clicks ----------------------------------------------------------------------------------

int TPieSeries::Clicked(int X, int Y) {
    const int result = inherited::Clicked(X, Y);
    return result != -1 ? result : CalcClickedPie(X, Y, true);
}

int TPieSeries::CalcClickedPie(int X, int Y, bool Exploded) {
    if (FAngles.empty() || !ParentChart()) return -1;
    TCanvas3D* canvas = ParentChart()->Canvas();
    const int n = std::min(Count(), int(FAngles.size()));
    for (int i = 0; i < n; ++i) {
        int dx = 0;
        int dy = 0;
        if (Exploded) CalcExplodedOffset(i, dx, dy);
        const TPieAngle& a = FAngles[size_t(i)];
        TPoint poly[32];
        auto arc = [&](double angle) {
            int x = 0;
            int y = 0;
            AngleToPos(angle, FXRadius, FYRadius, x, y);
            return canvas->Calculate3DPosition(x + dx, y - dy, EndZ);
        };
        poly[0] = arc(a.StartAngle);
        poly[1] = canvas->Calculate3DPosition(FCircleXCenter + dx, FCircleYCenter - dy, EndZ);
        const double step = (a.EndAngle - a.StartAngle) / 30;
        for (int k = 0; k < 30; ++k)
            poly[2 + k] = arc(a.EndAngle - k * step);
        if (PointInPolygon(TPoint{X, Y}, poly)) return i;
    }
    return -1;
}

// ---- legend symbols --------------------------------------------------------------------------

void TPieSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
    inherited::DrawLegendShape(ValueIndex, Rect);
    if (!FCircleGradient->Visible() || !ParentChart()) return;
    const TColor color = ParentChart()->Monochrome() ? clBlack : ValueColor(ValueIndex);
    if (color == clNone) return;
    SetSliceGradient(color);
    TCanvas3D* canvas = ParentChart()->Canvas();
    FCircleGradient->Draw(canvas, Rect);
    canvas->AssignVisiblePen(Pen());
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(Rect);
}

void TPieSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) {
    inherited::PrepareLegendCanvas(ValueIndex, BackColor, BrushStyle);
    if (ParentChart()) ParentChart()->Canvas()->AssignVisiblePen(Pen());
    BrushStyle = SliceBrushStyle(ValueIndex);
}
