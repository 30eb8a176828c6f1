#include "chart/gauges/LinearGauge.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/TeeShape.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/SysMath.h"

#include <algorithm>
#include <array>
#include <cmath>

ORVO_IMPLEMENT_CLASS(TLinearGauge, TCustomGaugeMinMax)

ORVO_PUBLISHED(TLinearGauge) {
    using S = TLinearGauge;
    P.Property("Horizontal", &S::Horizontal, &S::SetHorizontal).Default(true);
    P.Property("MaxValueIndicator", &S::MaxValueIndicator, &S::SetMaxValueIndicator);
    P.Property("UseValueColorPalette", &S::UseValueColorPalette, &S::SetUseValueColorPalette).Default(false);
    P.Property("ValueArea", &S::ValueArea, &S::SetValueArea);
}

namespace {
int RoundInt(double v) {
    return int(Round(v));
}
} // namespace

TLinearGauge::TLinearGauge(TComponent* AOwner) : TCustomGaugeMinMax(AOwner) {
    FMaxValueIndicator = new TGaugeSeriesPointer(this);
    FMaxValueIndicator->ChangeStyle(psTriangle);
    FMaxValueIndicator->Brush()->SetColor(clRed);
    FMaxValueIndicator->ChangeVertSize(5);
    FMaxValueIndicator->Change3D(false);
    FMaxValueIndicator->SetVisible(true);

    FValueArea = new TTeeShape(nullptr);
    FValueArea->SetTransparent(true);
    FValueArea->DefaultTransparent = true;

    FRedLine->SetStartValue(80);
    FRedLine->SetEndValue(100);
    FGreenLine->SetStartValue(0);
    FGreenLine->SetEndValue(40);
    // The value starts where the gauge base starts it; only the gallery fills sample values.
}

TLinearGauge::~TLinearGauge() {
    delete FValueArea;
    delete FMaxValueIndicator;
}

void TLinearGauge::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TLinearGauge*>(Source)) {
        FHorizontal = s->FHorizontal;
        FMaxValueIndicator->Assign(s->FMaxValueIndicator);
        FUseValueColorPalette = s->FUseValueColorPalette;
        FValueArea->Assign(s->FValueArea);
        FValueArea->DefaultTransparent = true;
    }
    inherited::Assign(Source);
}

String TLinearGauge::GetEditorClass() {
    return QStringLiteral("TLinearGaugeEditor");
}

void TLinearGauge::SetParentChart(TCustomAxisPanel* Value) {
    inherited::SetParentChart(Value);
    if (FMaxValueIndicator) FMaxValueIndicator->SetParent(Value);
    if (FValueArea) FValueArea->SetParent(Value);
}

void TLinearGauge::SetValueArea(TTeeShape* Value) {
    FValueArea->Assign(Value);
    Repaint();
}

void TLinearGauge::CreateSubGallery(TChartSubGalleryProc AddSubChart) {
    inherited::CreateSubGallery(AddSubChart);
    AddSubChart(TeeMsg_LinearGaugeVertical);
}

void TLinearGauge::SetSubGallery(TChartSeries* ASeries, int Index) {
    if (auto* gauge = dynamic_cast<TLinearGauge*>(ASeries)) gauge->SetHorizontal(Index == 0);
}

bool TLinearGauge::UseAxis() {
    return false;
}

TChartAxis* TLinearGauge::Axis() {
    return FHorizontal ? GetHorizAxis() : GetVertAxis();
}

void TLinearGauge::PrepareForGallery(bool IsEnabled) {
    inherited::PrepareForGallery(IsEnabled);
    if (TChartAxis* axis = ParentChart() ? Axis() : nullptr) {
        axis->SetLabels(false);
        axis->Title()->SetVisible(false);
    }
    SetValue(RandomValue(100));
}

void TLinearGauge::SetValue(double AValue) {
    if (AValue > FHighestValue) FHighestValue = AValue;
    inherited::SetValue(AValue);
}

void TLinearGauge::SetValues() {
    CalcOrigRect();
    INewRect = IOrigRect;
    inherited::SetValues();
}

// ---- geometry --------------------------------------------------------------------------------

void TLinearGauge::CalcAxisRect() {
    const TRect& r = INewRect;
    const int thick = FTicks->VertSize();
    if (FHorizontal) {
        const int c = RoundInt(0.8 * (r.Right - r.Left));
        const int left = (r.Left + r.Right) / 2 - c / 2;
        const int top = (r.Top + r.Bottom) / 2 - thick / 2;
        FAxisRect = TRect{left, top, left + c, top + thick};
    } else {
        const int c = RoundInt(0.8 * (r.Bottom - r.Top));
        const int top = (r.Top + r.Bottom) / 2 - c / 2;
        const int left = (r.Left + r.Right) / 2 - thick / 2;
        FAxisRect = TRect{left, top, left + thick, top + c};
    }
}

int TLinearGauge::ScaleLength() const {
    return FHorizontal ? FAxisRect.Right - FAxisRect.Left : FAxisRect.Bottom - FAxisRect.Top;
}

int TLinearGauge::ValueOffset(double AValue) const {
    const double range = FMaximum - FMinimum;
    if (range == 0) return 0;
    return RoundInt((AValue - FMinimum) * ScaleLength() / range);
}

// ---- drawing ---------------------------------------------------------------------------------

void TLinearGauge::DrawAllValues() {
    if (!ParentChart()) return;
    if (!FHorizontal) {
        FMaxValueIndicator->ChangeStyle(psLeftTriangle);
        FFace->Gradient()->SetDirection(gdRightLeft);
    }
    inherited::DrawAllValues();
    if (!FMaxValueIndicator->Visible()) return;
    const int off = ValueOffset(FHighestValue);
    FMaxValueIndicator->PrepareCanvas(ParentChart()->Canvas(), FMaxValueIndicator->Brush()->Color());
    if (FHorizontal)
        FMaxValueIndicator->Draw(FAxisRect.Left + off, FAxisRect.Bottom);
    else
        FMaxValueIndicator->Draw(FAxisRect.Right, FAxisRect.Bottom - off);
}

void TLinearGauge::DrawBand(TGaugePointerRange* Band, int PenWidth) {
    if (!Band->Visible()) return;
    const int a = ValueOffset(Band->StartValue());
    const int b = ValueOffset(Band->EndValue());
    const int size = Band->VertSize();
    TRect r;
    if (FHorizontal) {
        const int top = FAxisRect.Bottom + PenWidth;
        r = TRect{FAxisRect.Left + std::min(a, b), top, FAxisRect.Left + std::max(a, b), top + size};
    } else {
        const int left = FAxisRect.Right + PenWidth;
        r = TRect{left, FAxisRect.Bottom - std::max(a, b), left + size, FAxisRect.Bottom - std::min(a, b)};
    }
    TCanvas3D* canvas = ParentChart()->Canvas();
    Band->PrepareCanvas(canvas, Band->Brush()->Color());
    if (Band->Gradient()->Visible()) {
        Band->Gradient()->SetDirection(FHorizontal ? gdLeftRight : gdBottomTop);
        Band->Gradient()->Draw(canvas, r);
        canvas->Brush()->SetStyle(bsClear);
    }
    canvas->Rectangle(r);
}

void TLinearGauge::DrawAxis() {
    CalcAxisRect();
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas();
    TChartAxis* axis = Axis();
    int penWidth = 0;
    if (axis && axis->Visible()) {
        // A range of 0 or below has no scale: the axis refuses a non-positive increment, so the
        // ticks and labels are left out and only the area and the bands draw.
        const bool hasScale = IRange > 0;
        if (hasScale) axis->SetIncrement(IRange * 0.1);

        canvas->AssignVisiblePen(axis->Axis());
        TRect area = FAxisRect;
        if (axis->Axis()->Visible() && axis->Axis()->Width() >= 1) {
            penWidth = axis->Axis()->Width();
            const int half = penWidth / 2;
            area = TRect{area.Left - half, area.Top - half, area.Right + half, area.Bottom + half};
        }
        FValueArea->DrawRectRotated(chart, area, 0, 0);

        const int length = ScaleLength();
        TChartAxisTitle* title = axis->Title();
        if (title->Visible() && !title->Caption().isEmpty()) {
            const int fh = canvas->FontHeight();
            if (FHorizontal)
                axis->DrawTitle(FAxisRect.Left + length / 2, FAxisRect.Bottom + fh / 2);
            else
                axis->DrawTitle(FAxisRect.Right + fh + 10, FAxisRect.Top + length / 2);
        }

        const double increment = axis->Increment();
        const int ticks = hasScale ? ScaleTicks(increment) : -1;
        const bool drawable = ticks >= 0;

        if (drawable && (axis->Ticks()->Visible() || axis->Labels())) {
            axis->SetTickLength(FTicks->VertSize());
            axis->Ticks()->Assign(FTicks->Pen());
            canvas->AssignFont(axis->LabelsFont());
            canvas->AssignVisiblePen(FTicks->Pen());
            const double step = length / IRange * increment;
            const int hw = RoundInt(FTicks->HorizSize() * 0.5);
            const int fh = canvas->FontHeight();
            for (int k = 0; k <= ticks; ++k) {
                // Each step from the end of the scale, not a running sum, so the last label
                // is the end value itself.
                const double v = FHorizontal ? FMinimum + k * increment : FMaximum - k * increment;
                const int p = RoundInt(k * step);
                if (FTicks->Visible()) {
                    FTicks->PrepareCanvas(canvas, FTicks->Brush()->Color());
                    if (FHorizontal) {
                        const int x = FAxisRect.Left + p;
                        canvas->Polygon(std::array<TPoint, 4>{
                            TPoint{x - hw, FAxisRect.Top}, TPoint{x + hw, FAxisRect.Top},
                            TPoint{x + hw, FAxisRect.Bottom}, TPoint{x - hw, FAxisRect.Bottom}});
                    } else {
                        const int y = FAxisRect.Top + p;
                        canvas->Polygon(std::array<TPoint, 4>{
                            TPoint{FAxisRect.Left, y - hw}, TPoint{FAxisRect.Right, y - hw},
                            TPoint{FAxisRect.Right, y + hw}, TPoint{FAxisRect.Left, y + hw}});
                    }
                }
                if (!axis->Labels()) continue;
                String text = FormatFloat(ValueFormat(), v);
                if (chart->OnGetAxisLabel.Assigned()) chart->OnGetAxisLabel(axis, nullptr, k, text);
                if (text.isEmpty()) continue;
                canvas->AssignFont(axis->LabelsFont());
                canvas->SetBackMode(cbmTransparent);
                const int tw = canvas->TextWidth(text);
                if (FHorizontal)
                    canvas->TextOut(FAxisRect.Left + p - RoundInt(0.6 * tw), FAxisRect.Top - fh, text);
                else
                    canvas->TextOut(FAxisRect.Left - tw - 8, FAxisRect.Top + p - fh / 2, text);
            }
        }

        const int n = axis->MinorTickCount();
        if (drawable && axis->MinorTicks()->Visible() && MinorTicksFit(ticks, n)) {
            axis->SetMinorTickLength(FHorizontal ? FMinorTicks->VertSize() : FMinorTicks->HorizSize());
            axis->MinorTicks()->Assign(FMinorTicks->Pen());
            canvas->AssignVisiblePen(FMinorTicks->Pen());
            const double major = length / IRange * increment;
            const double minor = major / (n + 1);
            const int axisPen = axis->Axis()->Visible() ? axis->Axis()->Width() : 0;
            for (int k = 0; k < ticks; ++k) {
                for (int j = 1; j <= n; ++j) {
                    const int along = RoundInt(k * major) + RoundInt(j * minor);
                    TPoint p1, p2;
                    if (FHorizontal) {
                        p1 = TPoint{FAxisRect.Left + along, FAxisRect.Top + FMinorTickDistance};
                        p2 = TPoint{p1.X, p1.Y + (FAxisRect.Bottom - FAxisRect.Top - axisPen) / 2};
                    } else {
                        p1 = TPoint{FAxisRect.Left + FMinorTickDistance, FAxisRect.Top + along};
                        p2 = TPoint{p1.X + (FAxisRect.Right - FAxisRect.Left - axisPen) / 2, p1.Y};
                    }
                    if (!FMinorTicks->Visible()) continue;
                    const TColor color = FMinorTicks->Brush()->Color();
                    FMinorTicks->PrepareCanvas(canvas, color);
                    switch (FMinorTicks->GaugeStyle()) {
                    case gpMinorTick:
                        FMinorTicks->DrawPointer(canvas, false, p2.X, p2.Y, FMinorTicks->HorizSize(),
                                                 FMinorTicks->VertSize(), color, psCircle);
                        break;
                    case gpTick: {
                        const int h = FMinorTicks->HorizSize() / 2;
                        canvas->Rectangle(p1.X - h, p1.Y, p1.X + h, p1.Y + FMinorTicks->VertSize());
                        break;
                    }
                    default:
                        FMinorTicks->DrawPointer(canvas, false, p2.X, p2.Y, FMinorTicks->HorizSize(),
                                                 FMinorTicks->VertSize(), color, FMinorTicks->Style());
                        break;
                    }
                }
            }
        }
    }
    DrawBand(FRedLine, penWidth);
    DrawBand(FGreenLine, penWidth);
}

void TLinearGauge::DrawHand() {
    if (!FHand->Visible()) return;
    FHand->Gradient()->SetVisible(FUseValueColorPalette);
    FHand->Gradient()->SetDirection(FHorizontal ? gdLeftRight : gdBottomTop);
    FHand->Change3D(false);
    // An empty range has no bar (and nothing to divide by).
    if (IRange == 0) return;
    const int b = RoundInt((Value() - FMinimum) * ScaleLength() / IRange * 0.5);
    if (b <= 0) return;
    TCanvas3D* canvas = ParentChart()->Canvas();
    const TColor color = FHand->Brush()->Color();
    FHand->PrepareCanvas(canvas, color);
    if (FHorizontal) {
        const int half = (FAxisRect.Bottom - FAxisRect.Top) / 2;
        FHand->DrawPointer(canvas, false, FAxisRect.Left + b, FAxisRect.Top + half, b, half, color,
                           psRectangle);
    } else {
        const int half = (FAxisRect.Right - FAxisRect.Left) / 2;
        FHand->DrawPointer(canvas, false, FAxisRect.Left + half, FAxisRect.Bottom - b, half, b, color,
                           psRectangle);
    }
}
