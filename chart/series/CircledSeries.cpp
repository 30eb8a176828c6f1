#include "chart/series/CircledSeries.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/series/SeriesMarks.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/SysMath.h"

#include <cmath>
#include <numbers>

ORVO_IMPLEMENT_CLASS(TCircledShadow, TTeeShadow)
ORVO_IMPLEMENT_CLASS(TCircledSeries, TChartSeries)

ORVO_PUBLISHED(TCircledSeries) {
    using S = TCircledSeries;
    P.Property("Circled", &S::Circled, &S::SetCircled).Default(false);
    P.Property("CustomXRadius", &S::CustomXRadius, &S::SetCustomXRadius).Default(0);
    P.Property("CustomYRadius", &S::CustomYRadius, &S::SetCustomYRadius).Default(0);
    P.Property("Shadow", &S::Shadow, &S::SetShadow);
}

namespace {
constexpr TColor CircledShadowColor = TColor(0xA0A0A0);
constexpr double TwoPi = 2 * std::numbers::pi;
} // namespace

TCircledShadow::TCircledShadow(TNotifyEvent AOnChange) : TTeeShadow(AOnChange) {
    InitValues(CircledShadowColor, 3);
}

// ---- construction ----------------------------------------------------------------------------

TCircledSeries::TCircledSeries(TComponent* AOwner) : TChartSeries(AOwner) {
    SetCalcVisiblePoints(false);
    XValues()->SetName(TeeMsg_ValuesAngle);
    FCircleGradient = new TTeeGradient(changedEvent());
    FShadow = new TCircledShadow(changedEvent());
}

TCircledSeries::~TCircledSeries() {
    delete FShadow;
    FShadow = nullptr;
    delete FCircleGradient;
    FCircleGradient = nullptr;
    SetParentProperties(true);
    delete IBack3D;
    IBack3D = nullptr;
}

void TCircledSeries::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TCircledSeries*>(Source)) {
        FCircled = s->FCircled;
        SetRotationAngle(s->FRotationAngle);
        FCustomXRadius = s->FCustomXRadius;
        FCustomYRadius = s->FCustomYRadius;
        FCircleBackColor = s->FCircleBackColor;
        FCircleGradient->Assign(s->FCircleGradient);
        FShadow->Assign(s->FShadow);
    }
    inherited::Assign(Source);
}

// ---- 3-D options -----------------------------------------------------------------------------

void TCircledSeries::InitCustom3DOptions() {}

void TCircledSeries::SetParentProperties(bool EnableParent) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || chart->ComponentState().Contains(csDestroying) || !chart->View3DOptions()) return;
    const bool destroying = ComponentState().Contains(csDestroying);
    if ((!EnableParent || (Active() && !destroying)) && !IBack3D) {
        IBack3D = new TView3DOptions(nullptr);
        IBack3D->Assign(chart->View3DOptions());
        InitCustom3DOptions();
    } else if (EnableParent && IBack3D) {
        chart->View3DOptions()->Assign(IBack3D);
        delete IBack3D;
        IBack3D = nullptr;
    }
}

void TCircledSeries::SetActive(bool Value) {
    inherited::SetActive(Value);
    SetParentProperties(!Active());
}

void TCircledSeries::SetParentChart(TCustomAxisPanel* Value) {
    inherited::SetParentChart(Value);
    if (Value) SetParentProperties(false);
}

void TCircledSeries::Removed() {
    SetParentProperties(true);
    inherited::Removed();
}

// ---- properties ------------------------------------------------------------------------------

void TCircledSeries::SetCircled(bool Value) {
    SetBooleanProperty(FCircled, Value);
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        auto* s = dynamic_cast<TCircledSeries*>(chart->GetSeries(i));
        if (!s || !InheritsFrom(s->ClassType())) continue;
        s->SetBooleanProperty(s->FCircled, Value);
        if (!s->ComponentState().Contains(csLoading)) {
            s->FCustomXRadius = 0;
            s->FCustomYRadius = 0;
        }
    }
}

void TCircledSeries::SetSameClassRadius(bool IsX, int Value) {
    SetIntegerProperty(IsX ? FCustomXRadius : FCustomYRadius, Value);
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        auto* s = dynamic_cast<TCircledSeries*>(chart->GetSeries(i));
        if (s && s != this && InheritsFrom(s->ClassType()))
            s->SetIntegerProperty(IsX ? s->FCustomXRadius : s->FCustomYRadius, Value);
    }
}

void TCircledSeries::SetCustomXRadius(int Value) {
    SetSameClassRadius(true, Value);
}

void TCircledSeries::SetCustomYRadius(int Value) {
    SetSameClassRadius(false, Value);
}

void TCircledSeries::SetRotationAngle(int Value) {
    int v = Value % 360;
    if (v < 0) v += 360;
    SetIntegerProperty(FRotationAngle, v);
    IRotDegree = FRotationAngle * std::numbers::pi / 180.0;
}

void TCircledSeries::Rotate(int Angle) {
    SetRotationAngle(Angle + FRotationAngle);
}

void TCircledSeries::SetShadow(TCircledShadow* Value) {
    FShadow->Assign(Value);
}

void TCircledSeries::SetCircleGradient(TTeeGradient* Value) {
    FCircleGradient->Assign(Value);
}

// ---- geometry --------------------------------------------------------------------------------

void TCircledSeries::AngleToPos(double Angle, double AXRadius, double AYRadius, int& X, int& Y) {
    const double a = Angle + IRotDegree;
    X = FCircleXCenter + int(Round(std::cos(a) * AXRadius));
    Y = FCircleYCenter - int(Round(std::sin(a) * AYRadius));
}

double TCircledSeries::PointToAngle(int X, int Y) {
    double result;
    if (X == FCircleXCenter)
        result = Y > FCircleYCenter ? -std::numbers::pi / 2 : std::numbers::pi / 2;
    else if (FXRadius == 0 || FYRadius == 0)
        result = 0;
    else
        result = std::atan2(double(FCircleYCenter - Y) / FYRadius, double(X - FCircleXCenter) / FXRadius);
    if (result < 0) result += TwoPi;
    result -= IRotDegree;
    if (result < 0) result += TwoPi;
    return result;
}

double TCircledSeries::PointToRadius(int X, int Y) {
    TChartAxis* axis = GetVertAxis();
    const double range = axis ? axis->Maximum() - axis->Minimum() : 0;
    if (range == 0 || FXRadius == 0 || FYRadius == 0) return 0;
    const double dx = range * (X - FCircleXCenter) / FXRadius;
    const double dy = range * (Y - FCircleYCenter) / FYRadius;
    return std::hypot(dx, dy) + axis->Minimum();
}

void TCircledSeries::AdjustScreenRatio(TTeeCanvas* ACanvas, int AXRadius, int AYRadius, TRect& R) {
    const int screenHeight = Screen->Height();
    double ratio = screenHeight > 0 ? double(Screen->Width()) / screenHeight : 1.0;
    if (ACanvas && ACanvas->ReferenceCanvas()) {
        const double physical = ScreenRatio(ACanvas->ReferenceCanvas());
        if (physical != 0) ratio /= physical;
    }
    if (ratio <= 0) return;
    const int t = int(Round(AYRadius * ratio));
    if (AXRadius > t) {
        const int d = AXRadius - t;
        R.Left += d;
        R.Right -= d;
    } else {
        const int d = AYRadius - int(Round(AXRadius / ratio));
        R.Top += d;
        R.Bottom -= d;
    }
}

void TCircledSeries::SetCircleRect(const TRect& Value) {
    FCircleRect = Value;
    AdjustCircleRect();
}

void TCircledSeries::AdjustCircleRect() {
    if ((FCircleRect.Right - FCircleRect.Left) % 2 != 0) --FCircleRect.Right;
    if ((FCircleRect.Bottom - FCircleRect.Top) % 2 != 0) --FCircleRect.Bottom;
    if (FCircleRect.Right - FCircleRect.Left < 4) FCircleRect.Right = FCircleRect.Left + 4;
    if (FCircleRect.Bottom - FCircleRect.Top < 4) FCircleRect.Bottom = FCircleRect.Top + 4;
    FCircleWidth = FCircleRect.Right - FCircleRect.Left;
    FCircleHeight = FCircleRect.Bottom - FCircleRect.Top;
    FCircleXCenter = (FCircleRect.Left + FCircleRect.Right) / 2;
    FCircleYCenter = (FCircleRect.Top + FCircleRect.Bottom) / 2;
}

void TCircledSeries::CalcRadius() {
    if (FCustomXRadius != 0) {
        FXRadius = FCustomXRadius;
        FCircleWidth = 2 * FXRadius;
    } else {
        FXRadius = FCircleWidth / 2;
    }
    if (FCustomYRadius != 0) {
        FYRadius = FCustomYRadius;
        FCircleHeight = 2 * FYRadius;
    } else {
        FYRadius = FCircleHeight / 2;
    }
    FCircleRect = TRect{FCircleXCenter - FXRadius, FCircleYCenter - FYRadius, FCircleXCenter + FXRadius,
                        FCircleYCenter + FYRadius};
}

void TCircledSeries::CheckOtherSeriesMarks() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    const int self = chart->SeriesList()->IndexOf(this);
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        auto* s = dynamic_cast<TCircledSeries*>(chart->GetSeries(i));
        if (!s || s == this || !s->Active() || !SameClass(s) || !s->Marks()->Visible()) continue;
        // A series drawn later has not computed its circle for this frame yet.
        if (i > self) s->DoBeforeDrawValues();
        FCircleRect = s->FCircleRect;
        AdjustCircleRect();
        return;
    }
}

void TCircledSeries::DoBeforeDrawValues() {
    inherited::DoBeforeDrawValues();
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    SetCircleRect(chart->ChartRect);
    TCanvas3D* canvas = chart->Canvas();
    if (Marks()->Visible() && IAdjustCircleForMarks) {
        int l = MarksCalloutLength();
        if (Marks()->Pen()->Visible()) l += 2 * Marks()->Pen()->Width();
        canvas->AssignFont(Marks()->Font());
        const int f = canvas->FontHeight();
        FCircleRect.Top += l + f;
        FCircleRect.Bottom -= l + f;
        const int w = canvas->TextWidth(QStringLiteral("W")) + chart->MaxMarkWidth() + l;
        FCircleRect.Left += w;
        FCircleRect.Right -= w;
        AdjustCircleRect();
    } else {
        CheckOtherSeriesMarks();
    }
    if (FCircled) {
        CalcRadius();
        AdjustScreenRatio(canvas, FXRadius, FYRadius, FCircleRect);
        AdjustCircleRect();
    }
    CalcRadius();
}

bool TCircledSeries::IsPointInChartRect(int ValueIndex) {
    (void)ValueIndex;
    return true;
}

bool TCircledSeries::AssociatedToAxis(TChartAxis* Axis) {
    (void)Axis;
    return true;
}

bool TCircledSeries::UseAxis() {
    return false;
}

int TCircledSeries::MarksCalloutLength() const {
    return 8;
}

int TCircledSeries::MarksCalloutDistance() const {
    return 0;
}

// ---- colours ---------------------------------------------------------------------------------

TColor TCircledSeries::CalcCircleBackColor() {
    TColor result = FCircleBackColor;
    TCustomAxisPanel* chart = ParentChart();
    if (result == clTeeColor && chart) {
        if (chart->Printing()) return clWhite;
        result = chart->GetBackColor();
    }
    return result;
}

bool TCircledSeries::HasBackColor() const {
    return FCircleBackColor != clTeeColor && FCircleBackColor != clNone;
}

void TCircledSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) {
    inherited::PrepareLegendCanvas(ValueIndex, BackColor, BrushStyle);
    BackColor = CalcCircleBackColor();
}

void TCircledSeries::DrawCircleGradient() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    if (chart->View3D() && !chart->View3DOptions()->Orthogonal()) return;
    TCanvas3D* canvas = chart->Canvas();
    const int hw = FCircleWidth / 2;
    const int hh = FCircleHeight / 2;
    TRect r{FCircleXCenter - hw, FCircleYCenter - hh, FCircleXCenter + hw, FCircleYCenter + hh};
    if (FShadow->Visible()) FShadow->DrawEllipse(canvas, r, EndZ);
    if (chart->View3D()) r = canvas->CalcRect3D(r, EndZ);
    canvas->ClipEllipse(TRect{r.Left, r.Top, r.Right + 2, r.Bottom + 2}, false);
    FCircleGradient->Draw(canvas, r);
    canvas->UnClipRectangle();
}
