#include "chart/series/BarSeries.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/HitTests.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/series/SeriesPointer.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/rtl/SysMath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

ORVO_IMPLEMENT_ENUM_TYPE(TBarStyle, "bsRectangle", "bsPyramid", "bsInvPyramid", "bsCilinder", "bsEllipse",
                         "bsArrow", "bsRectGradient", "bsCone", "bsBevel", "bsSlantCube", "bsDiamond",
                         "bsInvArrow", "bsInvCone")
ORVO_IMPLEMENT_ENUM_TYPE(TMultiBar, "mbNone", "mbSide", "mbStacked", "mbStacked100", "mbSideAll",
                         "mbSelfStack")
ORVO_IMPLEMENT_EVENT_TYPE(TGetBarStyleEvent)
ORVO_IMPLEMENT_CLASS(TBarSeriesGradient, TCustomTeeGradient)
ORVO_IMPLEMENT_CLASS(TCustomBarSeries, TChartSeries)
ORVO_IMPLEMENT_CLASS(TBarSeries, TCustomBarSeries)
ORVO_IMPLEMENT_CLASS(THorizBarSeries, TCustomBarSeries)

ORVO_PUBLISHED(TBarSeriesGradient) {
    using S = TBarSeriesGradient;
    P.Property("Angle", &S::Angle, &S::SetAngle).Default(0);
    P.Property("Balance", &S::Balance, &S::SetBalance).Default(50);
    P.Property("Direction", &S::Direction, &S::SetDirection);
    P.Property("EndColor", &S::EndColor, &S::SetEndColor).Type(TypeInfoTColor());
    P.Property("MidColor", &S::MidColor, &S::SetMidColor).Type(TypeInfoTColor()).Default(clNone);
    P.Property("RadialX", &S::RadialX, &S::SetRadialX).Default(0);
    P.Property("RadialY", &S::RadialY, &S::SetRadialY).Default(0);
    P.Property("Relative", &S::Relative, &S::SetRelative).Default(false);
    P.Property("StartColor", &S::StartColor, &S::SetStartColor).Type(TypeInfoTColor()).Default(clWhite);
    P.Property("Visible", &S::Visible, &S::SetVisible).Default(true);
}

ORVO_PUBLISHED(TCustomBarSeries) {
    using S = TCustomBarSeries;
    P.Property("AutoBarSize", &S::AutoBarSize, &S::SetAutoBarSize).Default(false);
    P.Property("AutoMarkPosition", &S::AutoMarkPosition, &S::SetAutoMarkPosition).Default(true);
    P.Property("BarBrush", &S::BarBrush, &S::SetBarBrush);
    P.Property("BarPen", &S::BarPen, &S::SetBarPen);
    P.Property("BarStyle", &S::BarStyle, &S::SetBarStyle).Default(bsRectangle);
    P.Property("BarWidthPercent", &S::BarWidthPercent, &S::SetBarWidthPercent).Default(70);
    P.Property("BevelSize", &S::BevelSize, &S::SetBevelSize).Default(1);
    P.Property("Dark3D", &S::Dark3D, &S::SetDark3D).Default(true);
    P.Property("DarkPen", &S::DarkPen, &S::SetDarkPen).Default(0);
    P.Property("DepthPercent", &S::DepthPercent, &S::SetDepthPercent).Default(100);
    P.Property("Gradient", &S::Gradient, &S::SetGradient);
    P.Property("MultiBar", &S::MultiBar, &S::SetMultiBar).Default(mbSide);
    P.Property("OffsetPercent", &S::OffsetPercent, &S::SetOffsetPercent).Default(0);
    P.Property("Shadow", &S::Shadow, &S::SetShadow);
    P.Property("SideMargins", &S::SideMargins, &S::SetSideMargins).Default(true);
    P.Property("StackGroup", &S::StackGroup, &S::SetStackGroup).Default(0);
    P.Property("TickLines", &S::TickLines, &S::SetTickLines);
    P.Property("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    P.Property("UseYOrigin", &S::UseYOrigin, &S::SetUseYOrigin).Default(true);
    P.Property("YOrigin", &S::YOrigin, &S::SetYOrigin).Default(0.0);
    P.Property("OnGetBarStyle", &S::OnGetBarStyle);
}

ORVO_PUBLISHED(TBarSeries) {
    P.Property("CustomBarWidth", &TBarSeries::CustomBarWidth, &TBarSeries::SetCustomBarWidth).Default(0);
}

ORVO_PUBLISHED(THorizBarSeries) {
    P.Property("CustomBarHeight", &THorizBarSeries::CustomBarHeight, &THorizBarSeries::SetCustomBarHeight)
        .Default(0);
}

namespace {
TPoint Projected(TCanvas3D* Canvas, int X, int Y, int Z) {
    return Canvas->Calculate3DPosition(X, Y, Z);
}

TRect Normalised(const TRect& R) {
    return Rect(std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right),
                std::max(R.Top, R.Bottom));
}

// Whether two rectangles (edges included) share a point.
bool Overlap(const TRect& A, const TRect& B) {
    return A.Left <= B.Right && B.Left <= A.Right && A.Top <= B.Bottom && B.Top <= A.Bottom;
}

TRect Shifted(const TRect& R, int DX, int DY) {
    return Rect(R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY);
}

TRect Inflated(const TRect& R, int D) {
    return Rect(R.Left - D, R.Top - D, R.Right + D, R.Bottom + D);
}

TRect Union(const TRect& A, const TRect& B) {
    return Rect(std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
                std::max(A.Bottom, B.Bottom));
}
} // namespace

// ---- gradient ------------------------------------------------------------------------------------

TBarSeriesGradient::TBarSeriesGradient(TNotifyEvent ChangedEvent) : TCustomTeeGradient(ChangedEvent) {
    SetVisible(true);
}

void TBarSeriesGradient::Assign(TPersistent* Source) {
    if (auto* g = dynamic_cast<TBarSeriesGradient*>(Source)) FRelative = g->FRelative;
    TCustomTeeGradient::Assign(Source);
}

void TBarSeriesGradient::SetRelative(bool Value) {
    if (FRelative == Value) return;
    FRelative = Value;
    DoChanged();
}

// ---- construction --------------------------------------------------------------------------------

TCustomBarSeries::TCustomBarSeries(TComponent* AOwner) : TChartSeries(AOwner) {
    FGradient = new TBarSeriesGradient(changedEvent());
    FMarks->SetVisible(true);
    FMarks->Callout()->DefaultLength = 20;
    FMarks->Callout()->SetLength(20);
    FTickLines = new TChartHiddenPen(changedEvent());
    FShadow = new TTeeShadow(changedEvent());
    FShadow->DefaultColor = TColor(0x808080);
    FShadow->SetColor(TColor(0x808080));
    SetDrawBetweenPoints(false);
}

TCustomBarSeries::~TCustomBarSeries() {
    delete FShadow;
    delete FTickLines;
    delete FGradient;
}

TBarSeries::TBarSeries(TComponent* AOwner) : TCustomBarSeries(AOwner) {
    FGradient->SetDirection(gdTopBottom);
    FMandatory->SetName(TeeMsg_ValuesBar);
}

THorizBarSeries::THorizBarSeries(TComponent* AOwner) : TCustomBarSeries(AOwner) {
    SetHorizontal();
    FX->SetOrder(loNone);
    FY->SetOrder(loAscending);
    FGradient->SetDirection(gdLeftRight);
    FMandatory->SetName(TeeMsg_ValuesBar);
}

void TCustomBarSeries::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TCustomBarSeries*>(Source)) {
        FAutoMarkPosition = s->FAutoMarkPosition;
        FBarWidthPercent = s->FBarWidthPercent;
        FBarStyle = s->FBarStyle;
        FBevelSize = s->FBevelSize;
        FCustomBarSize = s->FCustomBarSize;
        FDark3D = s->FDark3D;
        FDarkPen = s->FDarkPen;
        FDepthPercent = s->FDepthPercent;
        FGradient->Assign(s->FGradient);
        FMultiBar = s->FMultiBar;
        FOffsetPercent = s->FOffsetPercent;
        FOrigin = s->FOrigin;
        FShadow->Assign(s->FShadow);
        FSideMargins = s->FSideMargins;
        FStackGroup = s->FStackGroup;
        FTickLines->Assign(s->FTickLines);
        FTransparency = s->FTransparency;
        FUseOrigin = s->FUseOrigin;
    }
    TChartSeries::Assign(Source);
}

void TCustomBarSeries::SetGradient(TBarSeriesGradient* Value) {
    FGradient->Assign(Value);
}

void TCustomBarSeries::SetShadow(TTeeShadow* Value) {
    FShadow->Assign(Value);
}

void TCustomBarSeries::SetTickLines(TChartHiddenPen* Value) {
    FTickLines->Assign(Value);
}

void TCustomBarSeries::SetMultiBar(TMultiBar Value) {
    if (FMultiBar == Value) return;
    FMultiBar = Value;
    SetOtherBars(true);
    Repaint();
}

void TCustomBarSeries::SetSideMargins(bool Value) {
    SetBooleanProperty(FSideMargins, Value);
    SetOtherBars(true);
}

void TCustomBarSeries::SetParentChart(TCustomAxisPanel* Value) {
    TChartSeries::SetParentChart(Value);
    SetOtherBars(false);
}

void TCustomBarSeries::SetOtherBars(bool Copy) {
    if (!FParent) return;
    for (int i = 0; i < FParent->SeriesCount(); ++i) {
        TChartSeries* s = FParent->Series(i);
        if (!s->InheritsFrom(ClassType())) continue;
        auto* bar = static_cast<TCustomBarSeries*>(s);
        if (!Copy) {
            FMultiBar = bar->FMultiBar;
            FSideMargins = bar->FSideMargins;
            return;
        }
        bar->FMultiBar = FMultiBar;
        bar->FSideMargins = FSideMargins;
        bar->SetCalcVisiblePoints(FMultiBar != mbSelfStack);
    }
}

int TCustomBarSeries::SeriesIndex() const {
    return FParent ? FParent->SeriesList()->IndexOf(const_cast<TCustomBarSeries*>(this)) : 0;
}

// ---- layout of one drawing -----------------------------------------------------------------------

void TCustomBarSeries::DoBeforeDrawChart() {
    TChartSeries::DoBeforeDrawChart();
    IOrderPos = 1;
    IPreviousCount = 0;
    INumBars = 0;
    IMaxBarPoints = -1;
    if (!FParent) return;
    std::vector<int> groups;
    bool seenSelf = false;
    for (int i = 0; i < FParent->SeriesCount(); ++i) {
        TChartSeries* s = FParent->Series(i);
        if (!s->Active()) continue;
        if (SameClass(s)) {
            if (s == this) seenSelf = true;
            const int n = s->Count();
            if (IMaxBarPoints == -1 || IMaxBarPoints < n) {
                IMaxBarPoints = n;
                if (FSideMargins && n > 0) ++IMaxBarPoints;
            }
            switch (FMultiBar) {
            case mbNone:
            case mbSelfStack:
                INumBars = 1;
                break;
            case mbSide:
            case mbSideAll:
                ++INumBars;
                if (!seenSelf) ++IOrderPos;
                break;
            case mbStacked:
            case mbStacked100: {
                const int group = static_cast<TCustomBarSeries*>(s)->FStackGroup;
                if (std::find(groups.begin(), groups.end(), group) == groups.end()) {
                    groups.push_back(group);
                    ++INumBars;
                    if (!seenSelf) ++IOrderPos;
                }
                break;
            }
            }
            if (!seenSelf) IPreviousCount += n;
        } else if (s->YMandatory()) {
            if (IMaxBarPoints == -1 || IMaxBarPoints < s->Count()) IMaxBarPoints = s->Count();
        }
    }
    const auto found = std::find(groups.begin(), groups.end(), FStackGroup);
    if (found != groups.end()) IOrderPos = int(found - groups.begin()) + 1;
    const int perPage = FParent->MaxPointsPerPage();
    if (FMultiBar == mbSelfStack)
        IMaxBarPoints = perPage != 0 ? perPage : INumBars;
    else if (perPage > 0)
        IMaxBarPoints = perPage;
}

void TCustomBarSeries::InternalApplyBarMargin(int& MarginA, int& MarginB) {
    TChartAxis* axis = FYMandatory ? FGetHorizAxis : FGetVertAxis;
    if (FCustomBarSize != 0) {
        IBarSize = FCustomBarSize;
    } else if (IMaxBarPoints <= 0 || !axis) {
        IBarSize = 0;
    } else {
        int space;
        if (FAutoBarSize) {
            const double places = axis->Maximum() + 2 - axis->Minimum();
            space = places != 0 ? int(Round(axis->IAxisSize / places)) : 0;
        } else if (axis->Automatic()) {
            space = axis->IAxisSize / IMaxBarPoints;
        } else {
            const double lo = FNotMandatory->MinValue(), hi = FNotMandatory->MaxValue();
            const double step = Count() > 0 ? (hi - lo) / Count() : 0;
            space = std::abs(axis->CalcPosValue(hi + step) - axis->CalcPosValue(lo)) / IMaxBarPoints;
        }
        IBarSize = int(Round(FBarWidthPercent * 0.01 * space)) / std::max(1, INumBars);
        if (IBarSize > 0 && IBarSize % 2 == 1) ++IBarSize;
    }
    const int margin = BarMargin();
    MarginA += margin;
    MarginB += margin;
}

int TCustomBarSeries::BarMargin() const {
    int result = IBarSize;
    if (FMultiBar != mbSideAll) result *= INumBars;
    return FSideMargins ? result : result / 2;
}

int TCustomBarSeries::ApplyBarOffset(int Position) const {
    if (FOffsetPercent == 0) return Position;
    return Position + int(Round(FOffsetPercent * IBarSize * 0.01));
}

TBarStyle TCustomBarSeries::GetBarStyle(int ValueIndex) {
    TBarStyle result = FBarStyle;
    if (OnGetBarStyle.Assigned()) OnGetBarStyle(this, ValueIndex, result);
    return result;
}

int TCustomBarSeries::InternalCalcMarkLength(int) {
    return 0;
}

int TCustomBarSeries::MarksCalloutDistance() const {
    return FMarks->HasCallout() ? FMarks->Callout()->Distance() : 0;
}

int TCustomBarSeries::CalcMarkLength(int ValueIndex) {
    if (Count() == 0 || !FMarks->Visible() || !FParent) return 0;
    FParent->Canvas()->AssignFont(FMarks->Font());
    int result = InternalCalcMarkLength(ValueIndex) + FMarks->ArrowLength();
    if (FMarks->Frame()->Visible()) result += 2 * FMarks->Frame()->Width();
    return result;
}

// ---- origins -------------------------------------------------------------------------------------

double TCustomBarSeries::PointOrigin(int ValueIndex, bool SumAll) {
    switch (FMultiBar) {
    case mbStacked:
    case mbStacked100: {
        double result = 0;
        if (!FParent) return result;
        const double v = FMandatory->Value(ValueIndex);
        for (int i = 0; i < FParent->SeriesCount(); ++i) {
            TChartSeries* s = FParent->Series(i);
            if (!SumAll && s == this) break;
            if (!s->Active() || !SameClass(s) || s->Count() <= ValueIndex) continue;
            if (static_cast<TCustomBarSeries*>(s)->FStackGroup != FStackGroup) continue;
            const double o = s->GetOriginValue(ValueIndex);
            // Positive and negative values stack apart.
            if ((v >= 0 && o > 0) || (v < 0 && o < 0)) result += o;
        }
        return result;
    }
    case mbSelfStack: {
        double result = 0;
        for (int i = 0; i < ValueIndex; ++i)
            result += FMandatory->Value(i);
        return result;
    }
    default:
        return FOrigin;
    }
}

bool TCustomBarSeries::StacksBars() const {
    return FMultiBar == mbStacked || FMultiBar == mbStacked100 || FMultiBar == mbSelfStack;
}

double TCustomBarSeries::BaseMinValue() {
    if (FMultiBar == mbSelfStack) return SeriesIndex();
    return FYMandatory ? TChartSeries::MinXValue() : TChartSeries::MinYValue();
}

double TCustomBarSeries::BaseMaxValue() {
    if (FMultiBar == mbSideAll) return Count() + IPreviousCount - 1;
    if (FMultiBar == mbSelfStack) return SeriesIndex();
    return FYMandatory ? TChartSeries::MaxXValue() : TChartSeries::MaxYValue();
}

int TCustomBarSeries::BaseBarPos(int ValueIndex) {
    auto basePos = [this](double Value) {
        return FYMandatory ? FGetHorizAxis->CalcXPosValue(Value) : FGetVertAxis->CalcYPosValue(Value);
    };
    auto pointPos = [this, ValueIndex] {
        return FYMandatory ? TChartSeries::CalcXPos(ValueIndex) : TChartSeries::CalcYPos(ValueIndex);
    };
    int result;
    switch (FMultiBar) {
    case mbSideAll:
        result = basePos(ValueIndex + IPreviousCount) - IBarSize / 2;
        break;
    case mbSelfStack:
        result = basePos(SeriesIndex()) - IBarSize / 2;
        break;
    case mbNone:
        result = pointPos() - IBarSize / 2;
        break;
    default:
        result = pointPos() + int(Round(IBarSize * (IOrderPos - INumBars * 0.5 - 1)));
        break;
    }
    return ApplyBarOffset(result);
}

int TCustomBarSeries::ValueEndPos(int ValueIndex) {
    if (!StacksBars())
        return FYMandatory ? TChartSeries::CalcYPos(ValueIndex) : TChartSeries::CalcXPos(ValueIndex);
    const double value = FMandatory->Value(ValueIndex);
    if (FMultiBar == mbStacked100) {
        const double total = Stack100Total(ValueIndex);
        // Nothing to share out: the bar collapses onto the axis origin.
        if (total == 0) return ValuePos(0);
        return ValuePos((PointOrigin(ValueIndex, false) + value) * 100 / total);
    }
    return ValuePos(PointOrigin(ValueIndex, false) + value);
}

int TCustomBarSeries::OriginPos(int ValueIndex) {
    switch (FMultiBar) {
    case mbStacked:
    case mbSelfStack:
        return ValuePos(PointOrigin(ValueIndex, false));
    case mbStacked100: {
        const double total = Stack100Total(ValueIndex);
        return total == 0 ? ValuePos(0) : ValuePos(PointOrigin(ValueIndex, false) * 100 / total);
    }
    default:
        if (FUseOrigin) return ValuePos(FOrigin);
        return FYMandatory ? FGetVertAxis->IEndPos : FGetHorizAxis->IStartPos;
    }
}

void TCustomBarSeries::AddMarksMargins(int& LowMargin, int& HighMargin) {
    // -1: the room of the widest mark (a vertical bar's marks all take one font height).
    int length = CalcMarkLength(-1);
    if (length <= 0) return;
    ++length;
    TChartAxis* axis = MandatoryAxis();
    const bool inverted = axis && axis->Inverted();
    if (FUseOrigin && (FYMandatory ? MinYValue() : MinXValue()) < FOrigin)
        (inverted ? HighMargin : LowMargin) += length;
    if (!FUseOrigin || (FYMandatory ? MaxYValue() : MaxXValue()) > FOrigin)
        (inverted ? LowMargin : HighMargin) += length;
}

double TCustomBarSeries::MaxMandatoryValue(double Value) {
    if (FMultiBar == mbStacked100) return 100;
    if (FMultiBar == mbSelfStack) {
        Value = FMandatory->Total();
    } else if (FMultiBar == mbStacked) {
        for (int i = 0; i < Count(); ++i)
            Value = std::max(Value, PointOrigin(i, false) + FMandatory->Value(i));
    }
    if (FUseOrigin) Value = std::max(Value, FOrigin);
    return Value;
}

double TCustomBarSeries::MinMandatoryValue(double Value) {
    if (FMultiBar == mbStacked100) return 0;
    if (FMultiBar == mbStacked || FMultiBar == mbSelfStack) {
        for (int i = 0; i < Count(); ++i)
            Value = std::min(Value, PointOrigin(i, false) + FMandatory->Value(i));
    }
    if (FUseOrigin) Value = std::min(Value, FOrigin);
    return Value;
}

// ---- depth, Z order, visible range ---------------------------------------------------------------

void TCustomBarSeries::CalcZOrder() {
    if (FMultiBar != mbNone && FParent) {
        for (int i = 0; i < FParent->SeriesCount(); ++i) {
            TChartSeries* s = FParent->Series(i);
            if (s == this) break;
            if (s->Active() && SameClass(s)) {
                IZOrder = s->ZOrder();
                return;
            }
        }
    }
    TChartSeries::CalcZOrder();
}

void TCustomBarSeries::CalcDepthPositions() {
    TChartSeries::CalcDepthPositions();
    if (FDepthPercent == 0) return;
    const int d = int(Round((100 - FDepthPercent) * (EndZ - StartZ) * 0.005));
    StartZ += d;
    EndZ -= d;
}

bool TCustomBarSeries::IsPointInChartRect(int ValueIndex) {
    if (!FParent) return false;
    return Overlap(Normalised(CalcBarBounds(ValueIndex)), FParent->ChartRect);
}

void TCustomBarSeries::CalcFirstLastVisibleIndex() {
    const int n = Count();
    if (FMultiBar == mbSelfStack || n == 0) {
        FFirstVisibleIndex = n > 0 ? 0 : -1;
        FLastVisibleIndex = n - 1;
        return;
    }
    if (FParent && FParent->MaxPointsPerPage() == 1) {
        const int page = FParent->Page() - 1;
        FFirstVisibleIndex = FLastVisibleIndex = page < n ? page : -1;
        return;
    }
    TChartSeries::CalcFirstLastVisibleIndex();
    if (FFirstVisibleIndex < 0 || FLastVisibleIndex < 0) return;
    // A bar is wider than its point: take in the neighbours whose bars still show.
    auto same = [this](int a, int b) { return FNotMandatory->Value(a) == FNotMandatory->Value(b); };
    while (FLastVisibleIndex < n - 1 && IsPointInChartRect(FLastVisibleIndex + 1))
        ++FLastVisibleIndex;
    while (FLastVisibleIndex < n - 1 && same(FLastVisibleIndex + 1, FLastVisibleIndex))
        ++FLastVisibleIndex;
    while (FFirstVisibleIndex > 0 && IsPointInChartRect(FFirstVisibleIndex - 1))
        --FFirstVisibleIndex;
    while (FFirstVisibleIndex > 0 && same(FFirstVisibleIndex - 1, FFirstVisibleIndex))
        --FFirstVisibleIndex;
}

// ---- drawing -------------------------------------------------------------------------------------

bool TCustomBarSeries::IsOrthogonal3D() const {
    return FParent && FParent->View3D() && FParent->Canvas()->IsOrthogonal();
}

void TCustomBarSeries::PrepareBarPen(int ValueIndex) {
    TCanvas3D* canvas = FParent->Canvas();
    if (FDarkPen > 0 && ValueIndex != -1)
        canvas->AssignVisiblePenColor(FPen, ApplyDark(ValueColor(ValueIndex), Byte(255 - FDarkPen)));
    else
        canvas->AssignVisiblePen(FPen);
}

void TCustomBarSeries::SetPenBrushBar(TColor BarColor, int ValueIndex) {
    PrepareBarPen(ValueIndex);
    TColor back = FBrush->Color();
    if (back == clTeeColor) back = FParent->Color();
    FParent->Canvas()->AssignBrush(FBrush, BarColor, back);
}

void TCustomBarSeries::DrawValue(int ValueIndex) {
    TChartSeries::DrawValue(ValueIndex);
    NormalBarColor = ValueColor(ValueIndex);
    if (NormalBarColor == clNone) return;
    TCanvas3D* canvas = FParent->Canvas();
    FBarBounds = CalcBarBounds(ValueIndex);
    const bool vertical = FYMandatory;
    auto span = [&](int& a, int& b) {
        a = vertical ? std::min(FBarBounds.Top, FBarBounds.Bottom)
                     : std::min(FBarBounds.Left, FBarBounds.Right);
        b = vertical ? std::max(FBarBounds.Top, FBarBounds.Bottom)
                     : std::max(FBarBounds.Left, FBarBounds.Right);
    };
    int startPos = 0, endPos = 0;
    if (FShadow->Visible() && FShadow->Size() != 0) {
        const TRect bounds = FBarBounds;
        const TColor barColor = NormalBarColor;
        const TColor penColor = FPen->Color();
        NormalBarColor = FShadow->Color();
        const TBarStyle style = GetBarStyle(ValueIndex);
        const bool rectangular = style == bsRectangle || style == bsRectGradient || style == bsBevel;
        if (FShadow->Smooth() && rectangular) {
            if (!FParent->View3D())
                FShadow->Draw(canvas, bounds);
            else if (canvas->IsOrthogonal())
                FShadow->Draw(canvas, canvas->CalcRect3D(bounds, EndZ));
            else {
                TFourPoints p;
                canvas->FourPointsFromRect(bounds, EndZ, p);
                FShadow->Draw(canvas, std::span<const TPoint>(p.data(), p.size()));
            }
        } else {
            TRect r = bounds;
            if (vertical) {
                r = Shifted(r, FShadow->HorizSize(), 0);
                if (r.Bottom > r.Top)
                    r.Top += FShadow->VertSize();
                else
                    r.Bottom -= FShadow->VertSize();
            } else {
                r = Shifted(r, 0, FShadow->VertSize());
                if (r.Right > r.Left)
                    r.Right += FShadow->HorizSize();
                else
                    r.Left -= FShadow->HorizSize();
            }
            FBarBounds = r;
            // The shadow's pen takes the shadow colour without touching the series' pen.
            FPen->OnChange = TNotifyEvent();
            FPen->SetColor(FShadow->Color());
            TTeeBlend* blend =
                FShadow->Transparency() > 0 ? canvas->BeginBlending(r, FShadow->Transparency()) : nullptr;
            span(startPos, endPos);
            DrawBar(ValueIndex, startPos, endPos);
            if (blend) canvas->EndBlending(blend);
            FPen->SetColor(penColor);
            FPen->OnChange = changedEvent();
        }
        FBarBounds = bounds;
        NormalBarColor = barColor;
    }
    TTeeBlend* blend = nullptr;
    if (FTransparency > 0) {
        TRect r = FBarBounds;
        if (FParent->View3D()) {
            r = Union(canvas->RectFromRectZ(FBarBounds, StartZ), canvas->RectFromRectZ(FBarBounds, EndZ));
            if (FPen->Visible()) r = Inflated(r, FPen->Width());
        }
        blend = canvas->BeginBlending(r, FTransparency);
    }
    span(startPos, endPos);
    DrawBar(ValueIndex, startPos, endPos);
    if (blend) canvas->EndBlending(blend);
}

void TCustomBarSeries::DrawBar(int BarIndex, int StartPos, int EndPos) {
    TCanvas3D* canvas = FParent->Canvas();
    SetPenBrushBar(NormalBarColor, BarIndex);
    const TBarStyle style = GetBarStyle(BarIndex);
    // The shapes are drawn in (base, value) coordinates: across the bar, and along its value.
    const bool vertical = FYMandatory;
    auto P = [vertical](int Base, int Value) { return vertical ? Point(Base, Value) : Point(Value, Base); };
    auto R = [vertical](int Base0, int Value0, int Base1, int Value1) {
        return vertical ? Rect(Base0, Value0, Base1, Value1) : Rect(Value0, Base0, Value1, Base1);
    };
    const int lo = vertical ? FBarBounds.Left : FBarBounds.Top,
              hi = vertical ? FBarBounds.Right : FBarBounds.Bottom;
    const int v0 = vertical ? FBarBounds.Top : FBarBounds.Left,
              v1 = vertical ? FBarBounds.Bottom : FBarBounds.Right;
    const int mid = (lo + hi) / 2, valueMid = (StartPos + EndPos) / 2;
    // The end the shape points to: the top of a vertical bar, the right end of a horizontal one.
    const int tip = vertical ? StartPos : EndPos, tail = vertical ? EndPos : StartPos;
    const std::array<TPoint, 4> diamond = {P(mid, StartPos), P(hi, valueMid), P(mid, EndPos),
                                           P(lo, valueMid)};
    const TRect bar = R(lo, StartPos, hi, EndPos), reversed = R(lo, EndPos, hi, StartPos),
                whole = R(lo, v0, hi, v1);
    auto arrow = [&](int From, int To) {
        canvas->Arrow(true, P(mid, From), P(mid, To), hi - lo, (hi - lo) / 2, MiddleZ);
    };
    if (FParent->View3D()) {
        switch (style) {
        case bsPyramid:
            canvas->Pyramid(vertical, bar.Left, bar.Top, bar.Right, bar.Bottom, StartZ, EndZ, FDark3D);
            break;
        case bsInvPyramid:
            canvas->Pyramid(vertical, reversed.Left, reversed.Top, reversed.Right, reversed.Bottom, StartZ,
                            EndZ, FDark3D);
            break;
        case bsCilinder:
            canvas->Cylinder(vertical, whole.Left, whole.Top, whole.Right, whole.Bottom, StartZ, EndZ,
                             FDark3D);
            break;
        case bsEllipse:
            canvas->EllipseWithZ(FBarBounds, MiddleZ);
            break;
        case bsArrow:
            arrow(tail, tip);
            break;
        case bsInvArrow:
            arrow(tip, tail);
            break;
        case bsCone:
            canvas->Cone(vertical, bar.Left, bar.Top, bar.Right, bar.Bottom, StartZ, EndZ, FDark3D,
                         FConePercent);
            break;
        case bsInvCone:
            canvas->Cone(vertical, reversed.Left, reversed.Top, reversed.Right, reversed.Bottom, StartZ, EndZ,
                         FDark3D, FConePercent);
            break;
        case bsSlantCube: {
            // A cylinder of four sides.
            const int sides = TeeNumCylinderSides;
            TeeNumCylinderSides = 4;
            canvas->Cylinder(vertical, whole.Left, whole.Top, whole.Right, whole.Bottom, StartZ, EndZ,
                             FDark3D);
            TeeNumCylinderSides = sides;
            break;
        }
        case bsDiamond:
            canvas->PolygonWithZ(diamond, MiddleZ);
            break;
        default:
            canvas->Cube(bar.Left, bar.Right, bar.Top, bar.Bottom, StartZ, EndZ, FDark3D);
            break;
        }
    } else {
        switch (style) {
        case bsPyramid:
        case bsCone: {
            const std::array<TPoint, 3> p = {P(lo, tail), P(mid, tip), P(hi, tail)};
            canvas->Polygon(p);
            break;
        }
        case bsInvPyramid:
        case bsInvCone: {
            const std::array<TPoint, 3> p = {P(lo, tip), P(mid, tail), P(hi, tip)};
            canvas->Polygon(p);
            break;
        }
        case bsEllipse:
            canvas->Ellipse(FBarBounds);
            break;
        case bsArrow:
            arrow(tail, tip);
            break;
        case bsInvArrow:
            arrow(tip, tail);
            break;
        case bsSlantCube:
            BarRectangle(NormalBarColor, bar);
            canvas->Line(P(mid, v0), P(mid, v1));
            break;
        case bsDiamond:
            canvas->Polygon(diamond);
            break;
        default:
            BarRectangle(NormalBarColor, bar);
            break;
        }
    }
    if (style == bsRectGradient) BarGradient(BarIndex, bar);
    if (style == bsBevel) DrawBevel();
    DrawTickLines(StartPos, EndPos, style);
}

void TCustomBarSeries::BarRectangle(TColor BarColor, int ALeft, int ATop, int ARight, int ABottom) {
    (void)BarColor;
    TCanvas3D* canvas = FParent->Canvas();
    if (canvas->Brush()->Style() == bsSolid) {
        auto solidPenOfBrush = [canvas] {
            canvas->Pen()->SetColor(canvas->Brush()->Color());
            if (canvas->Pen()->Style() == psClear) canvas->Pen()->SetStyle(psSolid);
        };
        if (ARight == ALeft || ATop == ABottom) {
            solidPenOfBrush();
            canvas->Line(ALeft, ATop, ARight, ABottom);
        } else if (std::abs(ARight - ALeft) < canvas->Pen()->Width() ||
                   std::abs(ABottom - ATop) < canvas->Pen()->Width()) {
            solidPenOfBrush();
            canvas->Brush()->SetStyle(bsClear);
        }
    }
    canvas->Rectangle(ALeft, ATop, ARight, ABottom);
}

TColor TCustomBarSeries::RelativeGradientColor(int ValueIndex) const {
    const double lo = FUseOrigin ? FOrigin : FMandatory->MinValue();
    const double hi = FMandatory->MaxValue();
    // Every bar of the same height: nothing to grade, a plain gradient.
    if (hi == lo) return NormalBarColor;
    const double ratio = (FMandatory->Value(ValueIndex) - lo) / (hi - lo);
    const TColor start = ColorToRGB(FGradient->StartColor()), bar = ColorToRGB(NormalBarColor);
    auto part = [&](int shift) {
        const int s = (int(start) >> shift) & 0xFF, b = (int(bar) >> shift) & 0xFF;
        return std::clamp(s + int(Round((b - s) * ratio)), 0, 255) << shift;
    };
    return TColor(part(0) | part(8) | part(16));
}

void TCustomBarSeries::BarGradient(int ValueIndex, TRect R) {
    TCanvas3D* canvas = FParent->Canvas();
    TBarSeriesGradient gradient;
    gradient.Assign(FGradient);
    gradient.SetEndColor(FGradient->Relative() ? RelativeGradientColor(ValueIndex) : NormalBarColor);
    const int w = FPen->Visible() ? FPen->Width() : 0;
    if (!FParent->View3D()) {
        if (w) R = Rect(R.Left + 1, R.Top + 1, R.Right - w, R.Bottom - w);
        gradient.Draw(canvas, R);
    } else if (canvas->IsOrthogonal()) {
        if (w) R = Rect(R.Left + 1, R.Top + 1, R.Right + 1 - w, R.Bottom + 1 - w);
        gradient.Draw(canvas, canvas->CalcRect3D(R, StartZ));
    } else {
        TFourPoints p;
        canvas->FourPointsFromRect(R, StartZ, p);
        p[0] = Point(p[0].X + w, p[0].Y + w);
        p[1] = Point(p[1].X - w, p[1].Y + w);
        p[2] = Point(p[2].X - w, p[2].Y - w);
        p[3] = Point(p[3].X + w, p[3].Y - w);
        gradient.Draw(canvas, p);
    }
}

void TCustomBarSeries::DrawBevel() {
    TCanvas3D* canvas = FParent->Canvas();
    const bool view3D = FParent->View3D();
    if (view3D && !canvas->IsOrthogonal()) return;
    TRect r = FBarBounds;
    if (FPen->Visible()) {
        r = Inflated(r, -FPen->Width());
        if (view3D) {
            ++r.Right;
            ++r.Bottom;
        }
    }
    if (view3D) r = canvas->CalcRect3D(r, StartZ);
    canvas->Frame3D(r, ApplyBright(NormalBarColor, DarkerColorQuantity),
                    ApplyDark(NormalBarColor, DarkColorQuantity), FBevelSize);
}

void TCustomBarSeries::DrawTickLines(int StartPos, int EndPos, TBarStyle BarStyle) {
    if (!FTickLines->Visible()) return;
    TChartAxis* axis = FYMandatory ? FGetVertAxis : FGetHorizAxis;
    if (!axis) return;
    FParent->Canvas()->AssignVisiblePen(FTickLines);
    for (int t : axis->Tick)
        if (t > StartPos && t < EndPos) DrawTickLine(t, BarStyle);
}

void TCustomBarSeries::DrawTickLine(int, TBarStyle) {}

void TCustomBarSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) {
    PrepareBarPen(ValueIndex);
    BrushStyle = FBrush->Style();
    BackColor = FBrush->Color() == clTeeColor ? FParent->Color() : FBrush->Color();
}

void TCustomBarSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
    TChartSeries::DrawLegendShape(ValueIndex, Rect);
}

// ---- click test ----------------------------------------------------------------------------------

int TCustomBarSeries::Clicked(int X, int Y) {
    if (FFirstVisibleIndex < 0 || FLastVisibleIndex < 0) return -1;
    const TPoint p = Point(X, Y);
    const int last = std::min(FLastVisibleIndex, Count() - 1);
    for (int i = FFirstVisibleIndex; i <= last; ++i)
        if (InternalClicked(i, p)) return i;
    return -1;
}

bool TCustomBarSeries::InternalClicked(int, const TPoint&) {
    return false;
}

// ---- gallery -------------------------------------------------------------------------------------

void TCustomBarSeries::PrepareForGallery(bool IsEnabled) {
    TChartSeries::PrepareForGallery(IsEnabled);
    FBarWidthPercent = 85;
    FBarStyle = bsRectGradient;
    FGradient->SetVisible(true);
    SetMultiBar(mbNone);
    FDarkPen = 130;
}

namespace {
// X values other than 0, 1, 2, ... at the point indexes.
bool hasNonSequentialX(TChartSeries* Series) {
    TChartValueList* x = Series->XValues();
    for (int i = 0; i < x->Count(); ++i)
        if (x->Value(i) != i) return true;
    return false;
}
} // namespace

void TCustomBarSeries::AddSampleValues(int NumValues, bool OnlyMandatory) {
    bool otherHasX = false;
    if (TCustomAxisPanel* chart = ParentChart())
        for (int i = 0; i < chart->SeriesCount() && !otherHasX; ++i) {
            TChartSeries* s = chart->GetSeries(i);
            otherHasX = s != this && s->ClassType() == ClassType() && hasNonSequentialX(s);
        }
    TChartSeries::AddSampleValues(NumValues, otherHasX ? OnlyMandatory : true);
}

int TCustomBarSeries::NumSampleValues() {
    if (FParent)
        for (int i = 0; i < FParent->SeriesCount(); ++i) {
            TChartSeries* s = FParent->Series(i);
            if (s != this && s->InheritsFrom(TCustomBarSeries::StaticClass()) && s->Count() > 0)
                return s->Count();
        }
    return 6;
}

void TCustomBarSeries::CreateSubGallery(TChartSubGalleryProc AddSubChart) {
    TChartSeries::CreateSubGallery(AddSubChart);
    for (const String* text :
         {&TeeMsg_Colors, &TeeMsg_Pyramid, &TeeMsg_Ellipse, &TeeMsg_InvPyramid, &TeeMsg_Gradient})
        AddSubChart(*text);
    if (SubGalleryStack())
        for (const String* text : {&TeeMsg_Stack, &TeeMsg_Stack100, &TeeMsg_SelfStack})
            AddSubChart(*text);
    AddSubChart(TeeMsg_Sides);
    AddSubChart(TeeMsg_SideAll);
}

void TCustomBarSeries::SetSubGallery(TChartSeries* ASeries, int Index) {
    auto* bar = static_cast<TCustomBarSeries*>(ASeries);
    switch (Index) {
    case 0:
        return;
    case 1:
        ASeries->SetColorEachPoint(true);
        return;
    case 2:
        bar->SetBarStyle(bsPyramid);
        return;
    case 3:
        bar->SetBarStyle(bsEllipse);
        return;
    case 4:
        bar->SetBarStyle(bsInvPyramid);
        return;
    case 5:
        bar->SetBarStyle(bsRectGradient);
        return;
    default:
        break;
    }
    TCustomAxisPanel* chart = ASeries->ParentChart();
    if (chart && chart->SeriesCount() == 1) {
        ASeries->FillSampleValues(2);
        auto* other = static_cast<TCustomBarSeries*>(ASeries->ClassType()->CreateComponent(ASeries->Owner()));
        other->SetName(TeeGetUniqueName(ASeries->Owner(), QStringLiteral("Series")));
        other->SetTitle(String());
        chart->AddSeries(other);
        other->FillSampleValues(2);
        other->Marks()->SetVisible(false);
        other->SetBarWidthPercent(bar->BarWidthPercent());
        ASeries->Marks()->SetVisible(false);
        SetSubGallery(other, Index);
    }
    if (!SubGalleryStack()) Index += 3;
    switch (Index) {
    case 6:
        bar->SetMultiBar(mbStacked);
        break;
    case 7:
        bar->SetMultiBar(mbStacked100);
        break;
    case 8:
        bar->SetMultiBar(mbSelfStack);
        break;
    case 9:
        bar->SetMultiBar(mbSide);
        break;
    case 10:
        bar->SetMultiBar(mbSideAll);
        break;
    default:
        TChartSeries::SetSubGallery(ASeries, Index);
        break;
    }
}

// ---- TBarSeries ----------------------------------------------------------------------------------

int TBarSeries::ValuePos(double Value) {
    return CalcYPosValue(Value);
}

void TBarSeries::CalcHorizMargins(int& LeftMargin, int& RightMargin) {
    TCustomBarSeries::CalcHorizMargins(LeftMargin, RightMargin);
    InternalApplyBarMargin(LeftMargin, RightMargin);
}

void TBarSeries::CalcVerticalMargins(int& TopMargin, int& BottomMargin) {
    TCustomBarSeries::CalcVerticalMargins(TopMargin, BottomMargin);
    AddMarksMargins(BottomMargin, TopMargin);
}

int TBarSeries::InternalCalcMarkLength(int) {
    return FParent->Canvas()->FontHeight();
}

double TBarSeries::MaxYValue() {
    return MaxMandatoryValue(TCustomBarSeries::MaxYValue());
}

double TBarSeries::MinYValue() {
    return MinMandatoryValue(TCustomBarSeries::MinYValue());
}

double TBarSeries::MinXValue() {
    return BaseMinValue();
}

double TBarSeries::MaxXValue() {
    return BaseMaxValue();
}

int TBarSeries::CalcXPos(int ValueIndex) {
    return BaseBarPos(ValueIndex);
}

int TBarSeries::CalcYPos(int ValueIndex) {
    return ValueEndPos(ValueIndex);
}

int TBarSeries::GetOriginPos(int ValueIndex) {
    return OriginPos(ValueIndex);
}

TRect TBarSeries::CalcBarBounds(int ValueIndex) {
    TRect r;
    r.Left = CalcXPos(ValueIndex);
    if (FBarWidthPercent == 100 && FCustomBarSize == 0 && FMultiBar != mbSelfStack) {
        const int pw = FPen->Visible() ? std::max(1, FPen->Width()) : 0;
        if (FGetHorizAxis->Inverted())
            r.Right = ValueIndex > 0 ? CalcXPos(ValueIndex - 1) : r.Left + IBarSize + pw;
        else
            r.Right = ValueIndex < Count() - 1 ? CalcXPos(ValueIndex + 1) + 1 - pw / 2
                                               : r.Left + IBarSize + 1 - pw / 2;
    } else {
        r.Right = r.Left + IBarSize + 1;
    }
    r.Top = CalcYPos(ValueIndex);
    r.Bottom = GetOriginPos(ValueIndex);
    if (!FPen->Visible()) {
        if (r.Bottom > r.Top)
            ++r.Bottom;
        else
            ++r.Top;
        ++r.Right;
    }
    return r;
}

void TBarSeries::CalcSelectionPos(int ValueIndex, int& X, int& Y) {
    TCustomBarSeries::CalcSelectionPos(ValueIndex, X, Y);
    X += IBarSize / 2;
}

bool TBarSeries::DrawSeriesForward(int ValueIndex) {
    if (!StacksBars()) return TCustomBarSeries::DrawSeriesForward(ValueIndex);
    return !FGetVertAxis->Inverted();
}

bool TBarSeries::MoreSameZOrder() {
    return FMultiBar != mbSideAll && TCustomBarSeries::MoreSameZOrder();
}

void TBarSeries::DrawTickLine(int Pos, TBarStyle BarStyle) {
    TCanvas3D* canvas = FParent->Canvas();
    const int l = FBarBounds.Left, r = FBarBounds.Right, t = FBarBounds.Top, b = FBarBounds.Bottom;
    switch (BarStyle) {
    case bsRectangle:
    case bsRectGradient:
    case bsBevel:
        canvas->HorizLine3D(l, r, Pos, StartZ);
        if (FParent->View3D()) {
            if (!TeeCull(Projected(canvas, r, b, StartZ), Projected(canvas, r, b, EndZ),
                         Projected(canvas, r, t, EndZ)))
                canvas->ZLine3D(r, Pos, StartZ, EndZ);
            else if (TeeCull(Projected(canvas, l, b, StartZ), Projected(canvas, l, b, EndZ),
                             Projected(canvas, l, t, EndZ)))
                canvas->ZLine3D(l, Pos, StartZ, EndZ);
        }
        break;
    case bsArrow: {
        const int q = (r - l) / 4;
        canvas->HorizLine3D(l + q, r - q, Pos, MiddleZ);
        break;
    }
    default:
        break;
    }
}

void TBarSeries::DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) {
    const int distance = MarksCalloutDistance();
    int length = FMarks->ArrowLength() + distance;
    if (GetOriginPos(ValueIndex) < APosition->ArrowFrom.Y) {
        // A bar below its origin: the mark goes under it.
        APosition->ArrowFrom.Y += distance;
        length = -length - APosition->Height;
    } else {
        APosition->ArrowFrom.Y -= distance;
    }
    const int h = IBarSize / 2;
    APosition->LeftTop = Point(APosition->LeftTop.X + h, APosition->LeftTop.Y - length);
    APosition->ArrowTo = Point(APosition->ArrowTo.X + h, APosition->ArrowTo.Y - length);
    APosition->ArrowFrom.X += h;
    if (FAutoMarkPosition) FMarks->AntiOverlap(FFirstVisibleIndex, ValueIndex, APosition);
    TCustomBarSeries::DrawMark(ValueIndex, St, APosition);
}

bool TBarSeries::InternalClicked(int ValueIndex, const TPoint& P) {
    TCanvas3D* canvas = FParent->Canvas();
    const bool view3D = FParent->View3D();
    const int x0 = CalcXPos(ValueIndex), x1 = x0 + IBarSize;
    if (!view3D && (P.X < x0 || P.X > x1)) return false;
    int y = CalcYPos(ValueIndex), o = GetOriginPos(ValueIndex);
    if (y > o) std::swap(y, o);
    switch (FBarStyle) {
    case bsPyramid:
    case bsCone:
    case bsInvPyramid:
    case bsInvCone: {
        const bool upward = FBarStyle == bsPyramid || FBarStyle == bsCone;
        const int apexY = upward ? y : o, baseY = upward ? o : y;
        if (!view3D) return PointInTriangle(P, x0, x1, apexY, baseY);
        const std::array<TPoint, 3> poly = {Projected(canvas, x0, baseY, StartZ),
                                            Projected(canvas, x1, baseY, StartZ),
                                            Projected(canvas, x0 + IBarSize / 2, apexY, MiddleZ)};
        return PointInPolygon(P, poly);
    }
    default:
        break;
    }
    TPoint p = P;
    if (view3D) {
        // Back from the front face's projection to the bar's own plane.
        const TPoint shifted = Projected(canvas, x0, y, StartZ);
        p = Point(P.X - (shifted.X - x0), P.Y - (shifted.Y - y));
        if (p.X < x0 || p.X > x1) return false;
    }
    if (FBarStyle == bsEllipse) return PointInEllipse(p, x0, y, x1, o);
    return p.Y >= y && p.Y <= o;
}

// ---- THorizBarSeries -----------------------------------------------------------------------------

int THorizBarSeries::ValuePos(double Value) {
    return CalcXPosValue(Value);
}

void THorizBarSeries::CalcVerticalMargins(int& TopMargin, int& BottomMargin) {
    TCustomBarSeries::CalcVerticalMargins(TopMargin, BottomMargin);
    InternalApplyBarMargin(TopMargin, BottomMargin);
}

void THorizBarSeries::CalcHorizMargins(int& LeftMargin, int& RightMargin) {
    TCustomBarSeries::CalcHorizMargins(LeftMargin, RightMargin);
    AddMarksMargins(LeftMargin, RightMargin);
}

int THorizBarSeries::InternalCalcMarkLength(int ValueIndex) {
    if (ValueIndex == -1) return MaxMarkWidth();
    return FParent->Canvas()->TextWidth(GetMarkText(ValueIndex));
}

double THorizBarSeries::MaxXValue() {
    return MaxMandatoryValue(TCustomBarSeries::MaxXValue());
}

double THorizBarSeries::MinXValue() {
    return MinMandatoryValue(TCustomBarSeries::MinXValue());
}

double THorizBarSeries::MinYValue() {
    return BaseMinValue();
}

double THorizBarSeries::MaxYValue() {
    return BaseMaxValue();
}

int THorizBarSeries::CalcYPos(int ValueIndex) {
    return BaseBarPos(ValueIndex);
}

int THorizBarSeries::CalcXPos(int ValueIndex) {
    return ValueEndPos(ValueIndex);
}

int THorizBarSeries::GetOriginPos(int ValueIndex) {
    return OriginPos(ValueIndex);
}

TRect THorizBarSeries::CalcBarBounds(int ValueIndex) {
    TRect r;
    r.Top = CalcYPos(ValueIndex);
    if (FBarWidthPercent == 100 && FCustomBarSize == 0 && FMultiBar != mbSelfStack) {
        const int pw = FPen->Visible() ? FPen->Width() : 0;
        if (FGetVertAxis->Inverted())
            r.Bottom = ValueIndex < Count() - 1 ? CalcYPos(ValueIndex + 1) : r.Top + IBarSize - pw;
        else
            r.Bottom = ValueIndex > 0 ? CalcYPos(ValueIndex - 1) : r.Top + IBarSize - pw;
    } else {
        r.Bottom = r.Top + IBarSize - 1;
    }
    r.Right = CalcXPos(ValueIndex);
    r.Left = GetOriginPos(ValueIndex);
    if (!FPen->Visible()) {
        if (r.Left >= r.Right) {
            ++r.Left;
            --r.Right;
        } else {
            ++r.Right;
        }
        ++r.Bottom;
    }
    return r;
}

void THorizBarSeries::CalcSelectionPos(int ValueIndex, int& X, int& Y) {
    TCustomBarSeries::CalcSelectionPos(ValueIndex, X, Y);
    Y += IBarSize / 2;
}

bool THorizBarSeries::DrawSeriesForward(int ValueIndex) {
    switch (FMultiBar) {
    case mbNone:
        return TCustomBarSeries::DrawSeriesForward(ValueIndex);
    case mbSide:
    case mbSideAll:
        return false;
    default:
        return !FGetHorizAxis->Inverted();
    }
}

void THorizBarSeries::DrawTickLine(int Pos, TBarStyle BarStyle) {
    TCanvas3D* canvas = FParent->Canvas();
    const int l = FBarBounds.Left, r = FBarBounds.Right, t = FBarBounds.Top, b = FBarBounds.Bottom;
    switch (BarStyle) {
    case bsRectangle:
    case bsRectGradient:
    case bsBevel:
        canvas->VertLine3D(Pos, t, b, StartZ);
        if (FParent->View3D()) {
            if (!TeeCull(Projected(canvas, r, t, StartZ), Projected(canvas, r, t, EndZ),
                         Projected(canvas, l, t, EndZ)))
                canvas->ZLine3D(Pos, t, StartZ, EndZ);
            else if (TeeCull(Projected(canvas, r, b, StartZ), Projected(canvas, r, b, EndZ),
                             Projected(canvas, l, b, EndZ)))
                canvas->ZLine3D(Pos, b, StartZ, EndZ);
        }
        break;
    case bsArrow: {
        const int q = (b - t) / 4;
        canvas->VertLine3D(Pos, t + q, b - q, MiddleZ);
        break;
    }
    default:
        break;
    }
}

void THorizBarSeries::DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition) {
    const int distance = MarksCalloutDistance();
    int length = FMarks->ArrowLength() + distance;
    const bool leftOfOrigin = APosition->ArrowFrom.X < GetOriginPos(ValueIndex);
    if (leftOfOrigin) length = -length - APosition->Width;
    const int h = IBarSize / 2;
    APosition->LeftTop = Point(APosition->LeftTop.X + length + APosition->Width / 2,
                               APosition->LeftTop.Y + h + APosition->Height / 2);
    APosition->ArrowTo = Point(APosition->ArrowTo.X + length, APosition->ArrowTo.Y + h);
    APosition->ArrowFrom =
        Point(APosition->ArrowFrom.X + (leftOfOrigin ? -distance : distance), APosition->ArrowFrom.Y + h);
    TCustomBarSeries::DrawMark(ValueIndex, St, APosition);
}

bool THorizBarSeries::InternalClicked(int ValueIndex, const TPoint& P) {
    TCanvas3D* canvas = FParent->Canvas();
    const bool view3D = FParent->View3D();
    const int y0 = CalcYPos(ValueIndex), y1 = y0 + IBarSize;
    if (!view3D && (P.Y < y0 || P.Y > y1)) return false;
    int x = CalcXPos(ValueIndex), o = GetOriginPos(ValueIndex);
    // Ordered so that the origin is the left end.
    if (o > x) std::swap(x, o);
    switch (FBarStyle) {
    case bsPyramid:
    case bsCone:
    case bsInvPyramid:
    case bsInvCone: {
        const bool outward = FBarStyle == bsPyramid || FBarStyle == bsCone;
        const int apexX = outward ? x : o, baseX = outward ? o : x;
        if (!view3D) return PointInHorizTriangle(P, y0, y1, apexX, baseX);
        const std::array<TPoint, 3> poly = {Projected(canvas, baseX, y0, StartZ),
                                            Projected(canvas, baseX, y1, StartZ),
                                            Projected(canvas, apexX, y0 + IBarSize / 2, MiddleZ)};
        return PointInPolygon(P, poly);
    }
    default:
        break;
    }
    TPoint p = P;
    if (view3D) {
        const TPoint shifted = Projected(canvas, o, y0, StartZ);
        p = Point(P.X - (shifted.X - o), P.Y - (shifted.Y - y0));
        if (p.Y < y0 || p.Y > y1) return false;
    }
    if (FBarStyle == bsEllipse) return PointInEllipse(p, o, y0, x, y1);
    return p.X >= o && p.X <= x;
}
