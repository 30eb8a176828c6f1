#include "chart/gauges/CircularGauge.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/TeeShape.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/series/CircledSeries.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/SysMath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

ORVO_IMPLEMENT_CLASS(TGaugeHand, TGaugeSeriesPointer)
ORVO_IMPLEMENT_CLASS(TCircularGauge, TCustomGaugeMinMax)

// The declared defaults are the values the constructor gives, so that a hand streamed with
// them reloads as it was.
ORVO_PUBLISHED(TGaugeHand) {
    using S = TGaugeHand;
    P.Property("Distance", &S::Distance, &S::SetDistance).Default(30);
    P.Property("Offset", &S::Offset, &S::SetOffset).Default(80);
}

ORVO_PUBLISHED(TCircularGauge) {
    using S = TCircularGauge;
    P.Property("Center", &S::Center, &S::SetCenter);
    P.Property("Circled", &S::Circled, &S::SetCircled).Default(true);
    P.Property("EndPoint", &S::EndPoint, &S::SetEndPoint);
    P.Property("Hand", &S::Hand, &S::SetHand);
    P.Property("LabelsInside", &S::LabelsInside, &S::SetLabelsInside).Default(true);
    P.Property("MinorTickDistance", &S::MinorTickDistance, &S::SetMinorTickDistance).Default(3);
    P.Property("RotateLabels", &S::RotateLabels, &S::SetRotateLabels).Default(true);
    P.Property("RotationAngle", &S::RotationAngle, &S::SetRotationAngle);
    P.Property("TotalAngle", &S::TotalAngle, &S::SetTotalAngle);
}

namespace {
constexpr double Rad = std::numbers::pi / 180.0;
int RoundInt(double v) {
    return int(Round(v));
}
} // namespace

// ---- hand ------------------------------------------------------------------------------------

TGaugeHand::TGaugeHand(TChartSeries* AOwner) : TGaugeSeriesPointer(AOwner) {
    SetGaugeStyle(gpHand);
    ChangeHorizSize(5);
    ChangeVertSize(30);
    Brush()->SetStyle(bsSolid);
    Brush()->SetColor(clBlack);
    auto* gauge = dynamic_cast<TCustomGauge*>(AOwner);
    Pen()->SetColor(gauge ? gauge->GetPaletteColor(12) : TColor(0x003C73C8));
    Pen()->SetVisible(false);
    Pen()->SetWidth(1);
    Gradient()->SetVisible(true);
    Gradient()->SetEndColor(gauge ? gauge->GetPaletteColor(13) : clRed);
    Gradient()->SetMidColor(gauge ? gauge->GetPaletteColor(14) : TColor(0x003C73C8));
    Gradient()->SetStartColor(gauge ? gauge->GetPaletteColor(15) : TColor(0x000A3296));
    Gradient()->SetDirection(gdLeftRight);
    Shadow()->SetColor(clBlack);
    Shadow()->SetSize(5);
    Shadow()->SetVisible(true);
    SetVisible(true);
}

void TGaugeHand::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TGaugeHand*>(Source)) {
        FDistance = s->FDistance;
        FOffset = s->FOffset;
    }
    TGaugeSeriesPointer::Assign(Source);
}

void TGaugeHand::DrawHand(TCanvas3D* ACanvas, TPoint M, int Off, double AngleDegrees) {
    const double t = AngleDegrees * Rad;
    const double c = std::cos(t);
    const double s = std::sin(t);
    auto at = [&](double a, double b) {
        return TPoint{M.X - RoundInt(a * c + b * s), M.Y + RoundInt(-a * s + b * c)};
    };
    const int w = HorizSize();
    const int l = VertSize();
    auto pentagon = [&](int dx, int dy) {
        return std::array<TPoint, 5>{at(-w + dx, -Off + dy), at(w + dx, -Off + dy),
                                     at(w - 2 + dx, l - 2 + dy), at(dx, l + dy), at(-w + 2 + dx, l - 2 + dy)};
    };
    if (Shadow()->Visible() && Shadow()->Size() != 0) {
        const auto shadow = pentagon(Shadow()->HorizSize(), Shadow()->VertSize());
        ACanvas->Pen()->SetStyle(psClear);
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(Shadow()->Color());
        ACanvas->Polygon(shadow);
    }
    const auto body = pentagon(0, 0);
    PrepareCanvas(ACanvas, Brush()->Color());
    if (Gradient()->Visible()) {
        ACanvas->PolygonGradient(body, Gradient());
        ACanvas->Brush()->SetStyle(bsClear);
    }
    ACanvas->Polygon(body);
}

// ---- gauge -----------------------------------------------------------------------------------

TCircularGauge::TCircularGauge(TComponent* AOwner) : TCustomGaugeMinMax(AOwner) {
    FFace->SetShapeStyle(fosEllipse);
    FGreenLine->SetStartValue(0);
    FGreenLine->SetEndValue(70);
    FRedLine->SetStartValue(80);
    FRedLine->SetEndValue(100);
    FMinorTickDistance = 3;
    FFrame->SetCircled(true);
    FFrame->DefaultCircled = true;

    FCenter = new TGaugeSeriesPointer(this);
    FCenter->SetGaugeStyle(gpCenter);
    FCenter->ChangeStyle(psCircle);
    FCenter->ChangeHorizSize(16);
    FCenter->ChangeVertSize(16);
    FCenter->Gradient()->SetVisible(true);
    FCenter->Pen()->SetVisible(false);
    FCenter->Shadow()->SetSize(2);
    FCenter->Shadow()->SetVisible(true);

    FEndPoint = new TSeriesPointer(this);
    FEndPoint->ChangeStyle(psCircle);
    FEndPoint->Brush()->SetColor(clWhite);
    FEndPoint->SetVisible(true);

    FCircularHand = new TGaugeHand(this);
}

TCircularGauge::~TCircularGauge() {
    delete FCircularHand;
    delete FEndPoint;
    delete FCenter;
}

void TCircularGauge::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TCircularGauge*>(Source)) {
        FCenter->Assign(s->FCenter);
        FEndPoint->Assign(s->FEndPoint);
        FCircularHand->Assign(s->FCircularHand);
        FLabelsInside = s->FLabelsInside;
        FRotateLabels = s->FRotateLabels;
        FTotalAngle = s->FTotalAngle;
        FCircled = s->FCircled;
        FRotationAngle = s->FRotationAngle;
    }
    inherited::Assign(Source);
    FFrame->DefaultCircled = true;
}

String TCircularGauge::GetEditorClass() {
    return QStringLiteral("TCircularGaugeEditor");
}

void TCircularGauge::SetParentChart(TCustomAxisPanel* Value) {
    inherited::SetParentChart(Value);
    for (TSeriesPointer* p :
         {static_cast<TSeriesPointer*>(FCircularHand), static_cast<TSeriesPointer*>(FCenter), FEndPoint})
        if (p) p->SetParent(Value);
    if (Value) {
        if (TChartAxis* axis = Axis()) {
            axis->Title()->SetCaption(String());
            axis->SetIncrement(10);
        }
    }
}

bool TCircularGauge::UseAxis() {
    return false;
}

TChartAxis* TCircularGauge::Axis() {
    return GetHorizAxis();
}

void TCircularGauge::PrepareForGallery(bool IsEnabled) {
    inherited::PrepareForGallery(IsEnabled);
    if (TChartAxis* axis = ParentChart() ? Axis() : nullptr) axis->SetVisible(false);
    FCenter->ChangeHorizSize(3);
    FCenter->ChangeVertSize(3);
    FCircularHand->ChangeHorizSize(2);
    FCircularHand->SetDistance(100);
    FRedLine->ChangeVertSize(5);
    SetValue(72);
}

// ---- geometry --------------------------------------------------------------------------------

void TCircularGauge::CalcRadii(const TRect& R) {
    FXRadius = (R.Right - R.Left) / 2;
    FYRadius = (R.Bottom - R.Top) / 2;
    FCenterPoint = TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}

double TCircularGauge::CalcValue(double AValue) const {
    return (AValue - FMinimum) * FAngleStep + FStartAngle;
}

int TCircularGauge::CalcDistance(double P) {
    if (P <= 0) return 0;
    const int r = std::min(FXRadius, FYRadius);
    int result = RoundInt(P * r * 0.01);
    TChartAxis* axis = ParentChart() ? Axis() : nullptr;
    if (axis && axis->Visible()) result -= axis->TickLength();
    return result;
}

TPoint TCircularGauge::CalcPoint(TPoint P, double RY, double RX, double AngleRadians) {
    return TPoint{P.X - RoundInt(std::cos(AngleRadians) * RX), P.Y - RoundInt(std::sin(AngleRadians) * RY)};
}

double TCircularGauge::CalcAngleFromLength(TPoint P, double L) const {
    const double r = FCircled ? FXRadius : std::hypot(P.X - FCenterPoint.X, P.Y - FCenterPoint.Y);
    const double d = 2 * r * r;
    if (d == 0) return 0;
    return std::acos(std::clamp((d - L * L) / d, -1.0, 1.0));
}

TPoint TCircularGauge::PointAlongHand(int B, double AngleDegrees) const {
    const double t = AngleDegrees * Rad;
    return TPoint{FCenterPoint.X - RoundInt(B * std::sin(t)), FCenterPoint.Y + RoundInt(B * std::cos(t))};
}

int TCircularGauge::CircleXCenter() const {
    return ParentChart() ? (ParentChart()->ChartRect.Left + ParentChart()->ChartRect.Right) / 2 : 0;
}

int TCircularGauge::CircleYCenter() const {
    return ParentChart() ? (ParentChart()->ChartRect.Top + ParentChart()->ChartRect.Bottom) / 2 : 0;
}

void TCircularGauge::SetValues() {
    inherited::SetValues();
    FStartAngle = (360 - FTotalAngle) * 0.5 + FRotationAngle;
    // An empty range has no scale: every value stands at the start angle.
    FAngleStep = IRange == 0 ? 0 : FTotalAngle / IRange;
    CalcRadii(INewRect);
}

void TCircularGauge::DoBeforeDrawValues() {
    inherited::DoBeforeDrawValues();
    CalcRadii(INewRect);
}

void TCircularGauge::CalcOrigRect() {
    inherited::CalcOrigRect();
    if (!FCircled || !ParentChart()) return;
    CalcRadii(IOrigRect);
    TCircledSeries::AdjustScreenRatio(ParentChart()->Canvas(), FXRadius, FYRadius, IOrigRect);
    CalcRadii(IOrigRect);
}

// ---- drawing ---------------------------------------------------------------------------------

int TCircularGauge::LabelRoom() {
    TChartAxis* axis = Axis();
    if (!axis || !axis->Labels()) return 0;
    TCanvas3D* canvas = ParentChart()->Canvas();
    canvas->AssignFont(axis->LabelsFont());
    if (FRotateLabels) return canvas->FontHeight();
    return canvas->TextWidth(FormatFloat(axis->AxisValuesFormat(), FMaximum));
}

void TCircularGauge::DrawBand(TGaugePointerRange* Band) {
    if (!Band->Visible() || IRange == 0) return;
    const int shrink = RoundInt(std::min(FXRadius, FYRadius) * 0.25) + LabelRoom();
    const TRect r{INewRect.Left + shrink, INewRect.Top + shrink, INewRect.Right - shrink,
                  INewRect.Bottom - shrink};
    const double start = CalcValue(Band->StartValue());
    const double end = CalcValue(Band->EndValue());
    // A band over more than the whole circle draws as the whole circle (one point per degree).
    const int sweep = int(std::min(360.0, std::fabs(double(Round(end - start)))));
    const double b = start + 90;
    const double c = b + sweep;
    const int rb = RoundInt(b);
    const int rc = RoundInt(c);
    const int n = rc - rb;
    if (n < 2) return;
    const double radius = std::min(r.Right - r.Left, r.Bottom - r.Top) / 2.0;
    const TPoint centre{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    std::vector<TPoint> points;
    points.reserve(size_t(2 * n));
    // The inner edge's distance grows without bound for a large negative band size: each point
    // within the pixel limit.
    auto at = [&centre](int e, double distance) {
        return TPoint{ClampPx(Round(centre.X + std::cos(e * Rad) * distance)),
                      ClampPx(Round(centre.Y + std::sin(e * Rad) * distance))};
    };
    for (int e = rb; e < rc; ++e)
        points.push_back(at(e, radius));
    for (int e = rc - 1; e >= rb; --e)
        points.push_back(at(e, radius * std::exp(-Band->VertSize() * 0.01 * e * Rad)));
    TCanvas3D* canvas = ParentChart()->Canvas();
    Band->PrepareCanvas(canvas, Band->Brush()->Color());
    if (Band->Gradient()->Visible()) {
        Band->Gradient()->SetAngle(RoundInt(start - 90));
        canvas->PolygonGradient(points, Band->Gradient());
    } else {
        canvas->Polygon(points);
    }
}

void TCircularGauge::DrawFace() {
    inherited::DrawFace();
    DrawBand(FRedLine);
    DrawBand(FGreenLine);
}

void TCircularGauge::DrawAxis() {
    TChartAxis* axis = Axis();
    if (!axis || !axis->Visible()) return;
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas();
    int rx = FXRadius;
    int ry = FYRadius;
    const double first = FStartAngle - 90;

    if (axis->Axis()->Visible()) {
        canvas->AssignVisiblePen(axis->Axis());
        canvas->Brush()->SetStyle(bsClear);
        // The arc's angles run counter-clockwise; the scale's points mirror them left to right.
        canvas->Arc(INewRect.Left, INewRect.Top, INewRect.Right, INewRect.Bottom, 180 - (first + FTotalAngle),
                    180 - first);
        const int half = axis->Axis()->Width() / 2 + 1;
        rx -= half;
        ry -= half;
    }

    TChartAxisTitle* title = axis->Title();
    if (title->Visible() && !title->Caption().isEmpty()) {
        canvas->AssignFont(title->Font());
        canvas->SetBackMode(cbmTransparent);
        const int tw = canvas->TextWidth(title->Caption());
        const int fh = canvas->FontHeight();
        canvas->TextOut(CircleXCenter() - RoundInt(rx / 2.5 + tw * 0.5), CircleYCenter() - RoundInt(fh * 0.5),
                        title->Caption());
    }

    const double increment = axis->Increment();
    const int ticks = ScaleTicks(increment);

    if (axis->Ticks()->Visible() || axis->Labels()) {
        axis->SetTickLength(FTicks->VertSize());
        axis->Ticks()->Assign(FTicks->Pen());
        canvas->AssignFont(axis->LabelsFont());
        canvas->AssignVisiblePen(FTicks->Pen());
        const int tick = axis->TickLength();
        const int rx1 = rx - tick;
        const int ry1 = ry - tick;
        const int fh = canvas->FontHeight();
        int labelIndex = 0;
        for (int i = 0; i <= ticks; ++i) {
            const double v = FMinimum + i * increment;
            const double A = first + (v - FMinimum) * FTotalAngle / IRange;
            const double a = A * Rad;
            const TPoint outer = CalcPoint(FCenterPoint, ry, rx, a);
            if (FTicks->Visible()) {
                const double w = FTicks->HorizSize();
                if (FTicks->GaugeStyle() == gpTick) {
                    const std::array<TPoint, 4> quad{CalcPoint(FCenterPoint, ry, rx, (A + 0.2 * w) * Rad),
                                                     CalcPoint(FCenterPoint, ry, rx, (A - 0.2 * w) * Rad),
                                                     CalcPoint(FCenterPoint, ry1, rx1, (A - 0.1 * w) * Rad),
                                                     CalcPoint(FCenterPoint, ry1, rx1, (A + 0.1 * w) * Rad)};
                    FTicks->PrepareCanvas(canvas, FTicks->Brush()->Color());
                    canvas->Polygon(quad);
                } else {
                    FTicks->PrepareCanvas(canvas, FTicks->Brush()->Color());
                    FTicks->DrawPointer(canvas, false, outer.X, outer.Y, FTicks->HorizSize(),
                                        FTicks->VertSize(), FTicks->Brush()->Color(), FTicks->Style());
                }
            }
            if (!axis->Labels()) continue;
            String text = FormatFloat(ValueFormat(), v);
            if (chart->OnGetAxisLabel.Assigned()) chart->OnGetAxisLabel(axis, nullptr, labelIndex, text);
            ++labelIndex;
            if (text.isEmpty()) continue;
            canvas->AssignFont(axis->LabelsFont());
            canvas->SetBackMode(cbmTransparent);
            const int tw = canvas->TextWidth(text);
            if (FRotateLabels) {
                const double h = CalcAngleFromLength(outer, tw) / 2;
                const TPoint p = FLabelsInside
                                     ? CalcPoint(FCenterPoint, ry1 - fh * 0.25, rx1 - fh * 0.25, a - h)
                                     : CalcPoint(FCenterPoint, ry + fh, rx + fh, a - h);
                canvas->RotateLabel(p.X, p.Y, text, 90 - A);
            } else {
                TPoint p;
                if (FLabelsInside) {
                    p = CalcPoint(FCenterPoint, ry1 - fh * 0.5, rx1 - fh * 0.5, a);
                    p.Y -= RoundInt(std::fabs(A - 90) / 180 * fh);
                } else {
                    p = CalcPoint(FCenterPoint, ry + fh, rx + fh, a);
                }
                const double B = std::fabs(A > 180 ? 360 - A : A);
                p.X -= RoundInt(B / 180 * tw);
                canvas->TextOut(p.X, p.Y, text);
            }
        }
    }

    const int k = axis->MinorTickCount();
    if (axis->MinorTicks()->Visible() && MinorTicksFit(ticks, k)) {
        axis->SetMinorTickLength(FMinorTicks->VertSize());
        axis->MinorTicks()->Assign(FMinorTicks->Pen());
        canvas->AssignVisiblePen(FMinorTicks->Pen());
        const int rx2 = rx - axis->MinorTickLength() - FMinorTickDistance;
        const int ry2 = ry - axis->MinorTickLength() - FMinorTickDistance;
        const double step = increment / (k + 1);
        for (int i = 0; i < ticks; ++i) {
            const double v = FMinimum + i * increment;
            for (int j = 1; j <= k; ++j) {
                const double A = first + (v + j * step - FMinimum) * FTotalAngle / IRange;
                const TPoint p2 = CalcPoint(FCenterPoint, ry2, rx2, A * Rad);
                if (!FMinorTicks->Visible()) continue;
                const TColor color = FMinorTicks->Brush()->Color();
                FMinorTicks->PrepareCanvas(canvas, color);
                FMinorTicks->DrawPointer(
                    canvas, false, p2.X, p2.Y, FMinorTicks->HorizSize(), FMinorTicks->VertSize(), color,
                    FMinorTicks->GaugeStyle() == gpMinorTick ? psCircle : FMinorTicks->Style());
            }
        }
    }
}

void TCircularGauge::DrawHand() {
    TCanvas3D* canvas = ParentChart()->Canvas();
    const double angle = CalcValue(Value());
    if (FCircularHand->Visible()) {
        FCircularHand->ChangeVertSize(std::max(1, CalcDistance(100 - FCircularHand->Distance())));
        FCircularHand->DrawHand(canvas, FCenterPoint, CalcDistance(FCircularHand->Offset()), angle);
    }
    if (FEndPoint->Visible()) {
        const TPoint p = PointAlongHand(CalcDistance(95), angle);
        FEndPoint->Draw(p.X, p.Y);
    }
    if (FCenter->Visible()) {
        // The cap's sizes are its whole width and height (16 x 16 is a cap 16 pixels across),
        // drawn flat in its own colours over the hand's root.
        FCenter->Gradient()->SetAngle(RoundInt(angle) + 90);
        const TColor color = FCenter->Brush()->Color();
        FCenter->PrepareCanvas(canvas, color);
        FCenter->DrawPointer(canvas, false, CircleXCenter(), CircleYCenter(), FCenter->HorizSize() / 2,
                             FCenter->VertSize() / 2, color, FCenter->Style());
    }
}
