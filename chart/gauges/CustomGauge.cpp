#include "chart/gauges/CustomGauge.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/TeeShape.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/rtl/SysMath.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_ENUM_TYPE(TGaugePointerStyles, "gpHand", "gpCenter", "gpTick", "gpMinorTick", "gpColorLine")
ORVO_IMPLEMENT_CLASS(TFrameBrush, TChartBrush)
ORVO_IMPLEMENT_CLASS(TFramedBorder, TPersistent)
ORVO_IMPLEMENT_CLASS(TGaugeSeriesPointer, TSeriesPointer)
ORVO_IMPLEMENT_CLASS(TGaugePointerRange, TGaugeSeriesPointer)
ORVO_IMPLEMENT_CLASS(TCustomGauge, TChartSeries)
ORVO_IMPLEMENT_CLASS(TCustomGaugeMinMax, TCustomGauge)

ORVO_PUBLISHED(TFrameBrush) {
    using S = TFrameBrush;
    P.Property("Gradient", &S::Gradient, &S::SetGradient);
}

ORVO_PUBLISHED(TFramedBorder) {
    using S = TFramedBorder;
    P.Property("Brush", &S::Brush, &S::SetBrush);
    P.Property("Circled", &S::Circled, &S::SetCircled).Stored(&S::IsCircledStored);
    P.Property("InnerBrush", &S::InnerBrush, &S::SetInnerBrush);
    P.Property("MiddleBrush", &S::MiddleBrush, &S::SetMiddleBrush);
    P.Property("OuterBrush", &S::OuterBrush, &S::SetOuterBrush);
    P.Property("Shadow", &S::Shadow, &S::SetShadow);
    P.Property("Visible", &S::Visible, &S::SetVisible).Default(true);
    P.Property("Width", &S::Width, &S::SetWidth).Default(10);
}

ORVO_PUBLISHED(TGaugeSeriesPointer) {
    using S = TGaugeSeriesPointer;
    P.Property("GaugeStyle", &S::GaugeStyle, &S::SetGaugeStyle).Default(gpHand);
}

ORVO_PUBLISHED(TGaugePointerRange) {
    using S = TGaugePointerRange;
    P.Property("EndValue", &S::EndValue, &S::SetEndValue);
    P.Property("StartValue", &S::StartValue, &S::SetStartValue);
}

ORVO_PUBLISHED(TCustomGauge) {
    using S = TCustomGauge;
    P.Property("Face", &S::Face, &S::SetFace);
    P.Property("Frame", &S::Frame, &S::SetFrame);
    P.Property("OnChange", &S::OnChange);
}

ORVO_PUBLISHED(TCustomGaugeMinMax) {
    using S = TCustomGaugeMinMax;
    P.Property("GreenLine", &S::GreenLine, &S::SetGreenLine);
    P.Property("Maximum", &S::Maximum, &S::SetMaximum);
    P.Property("Minimum", &S::Minimum, &S::SetMinimum);
    P.Property("MinorTicks", &S::MinorTicks, &S::SetMinorTicks);
    P.Property("RedLine", &S::RedLine, &S::SetRedLine);
    P.Property("Ticks", &S::Ticks, &S::SetTicks);
}

const std::vector<TColor>& DefaultGaugePalette() {
    static const std::vector<TColor> palette{
        TColor(0x00282828), TColor(0x00323232), TColor(0x00646464), TColor(0x000F0F0F), TColor(0x00484848),
        TColor(0x000F0F0F), TColor(0x00282864), TColor(0x1FFFFFFF), TColor(0x00646464), TColor(0x00646464),
        TColor(0x1FFFFFFF), TColor(0x001EC81E), TColor(0x003C73C8), TColor(0x000000FF), TColor(0x003C73C8),
        TColor(0x000A3296), TColor(0x00828282), TColor(0x00828282), TColor(0x1FFFFFFF), TColor(0x001E1E1E),
        TColor(0x00646464), TColor(0x00646464), TColor(0x00646464), TColor(0x00646464)};
    return palette;
}

namespace {
int RoundInt(double v) {
    return int(Round(v));
}

TRect Shrunk(const TRect& R, int By) {
    return TRect{R.Left + By, R.Top + By, R.Right - By, R.Bottom - By};
}

// A gradient's colours from three palette entries; the "no colour" entry leaves out the
// middle colour.
void SetGradientColors(TCustomTeeGradient* G, TColor Start, TColor Mid, TColor End) {
    G->SetStartColor(Start);
    G->SetMidColor(Mid);
    G->SetEndColor(End);
}
} // namespace

// ---- frame brush -----------------------------------------------------------------------------

TFrameBrush::TFrameBrush(TNotifyEvent OnChange) : TChartBrush(OnChange) {
    FGradient = new TTeeGradient(OnChange);
}

TFrameBrush::~TFrameBrush() {
    delete FGradient;
}

void TFrameBrush::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TFrameBrush*>(Source)) FGradient->Assign(s->FGradient);
    TChartBrush::Assign(Source);
}

void TFrameBrush::SetGradient(TTeeGradient* Value) {
    FGradient->Assign(Value);
}

// ---- framed border ---------------------------------------------------------------------------

TFramedBorder::TFramedBorder(TCustomGauge* Owner) : FOwner(Owner) {
    const TNotifyEvent changed(this, &TFramedBorder::Changed);
    FBrush = new TFrameBrush(changed);
    FInnerBrush = new TFrameBrush(changed);
    FMiddleBrush = new TFrameBrush(changed);
    FOuterBrush = new TFrameBrush(changed);
    FShadow = new TTeeShadow(changed);
    // The area inside the rings keeps the chart brush's defaults (solid, the default colour),
    // so the scale's labels and ticks never stand on the inner ring of their own colour.
    ApplyPalette();
}

TFramedBorder::~TFramedBorder() {
    delete FShadow;
    delete FOuterBrush;
    delete FMiddleBrush;
    delete FInnerBrush;
    delete FBrush;
}

void TFramedBorder::Changed(TObject*) {
    if (FOwner) FOwner->Repaint();
}

void TFramedBorder::Assign(TPersistent* Source) {
    auto* s = dynamic_cast<TFramedBorder*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    FBrush->Assign(s->FBrush);
    FCircled = s->FCircled;
    FInnerBrush->Assign(s->FInnerBrush);
    FMiddleBrush->Assign(s->FMiddleBrush);
    FOuterBrush->Assign(s->FOuterBrush);
    FShadow->Assign(s->FShadow);
    FVisible = s->FVisible;
    FWidth = s->FWidth;
    Changed();
}

void TFramedBorder::ApplyPalette() {
    // The palette gives each ring its back colour and gradient end colour; the ring's own
    // colour stays as the user set it.
    TFrameBrush* rings[] = {FOuterBrush, FMiddleBrush, FInnerBrush};
    for (int i = 0; i < 3; ++i) {
        const TColor c = FOwner ? FOwner->GetPaletteColor(i) : TColor(0);
        rings[i]->SetBackColor(c);
        rings[i]->Gradient()->SetEndColor(c);
    }
}

void TFramedBorder::SetCircled(bool Value) {
    if (StoreIfChanged(FCircled, Value)) Changed();
}
void TFramedBorder::SetShadow(TTeeShadow* Value) {
    FShadow->Assign(Value);
}
void TFramedBorder::SetVisible(bool Value) {
    if (StoreIfChanged(FVisible, Value)) Changed();
}
void TFramedBorder::SetWidth(int Value) {
    if (StoreIfChanged(FWidth, Value)) Changed();
}

int TFramedBorder::CalcWidth(const TRect& Rect) const {
    const int side = std::min(Rect.Right - Rect.Left, Rect.Bottom - Rect.Top);
    return RoundInt(side * FWidth * 0.01);
}

void TFramedBorder::PaintBrush(TFrameBrush* ABrush, const TRect& Rect) {
    TCanvas3D* canvas = FOwner->ParentChart()->Canvas();
    if (ABrush->Gradient()->Visible()) {
        if (FCircled) canvas->ClipEllipse(Rect, false);
        ABrush->Gradient()->Draw(canvas, Rect);
        if (FCircled) canvas->UnClipRectangle();
    } else if (ABrush->Style() != bsClear) {
        // A solid ring left at the default colour shows its palette colour (its back colour);
        // the default colour itself would fill it black.
        const bool usePalette =
            ABrush->Style() == bsSolid && ABrush->Color() == clDefault && ABrush->BackColor() != clNone;
        canvas->AssignBrush(ABrush, usePalette ? ABrush->BackColor() : ABrush->Color(), ABrush->BackColor());
        canvas->Pen()->SetStyle(psClear);
        if (FCircled)
            canvas->Ellipse(Rect);
        else
            canvas->Rectangle(Rect);
    }
}

void TFramedBorder::Draw(const TRect& Rect) {
    if (!FOwner || !FOwner->ParentChart()) return;
    TCanvas3D* canvas = FOwner->ParentChart()->Canvas();
    if (FShadow->Visible() && FShadow->Size() != 0) {
        if (FCircled)
            FShadow->DrawEllipse(canvas, Rect, 0);
        else
            FShadow->Draw(canvas, Rect);
    }
    canvas->Pen()->SetStyle(psClear);
    TRect r = Rect;
    PaintBrush(FOuterBrush, r);
    const double s = CalcWidth(Rect) * 0.1;
    r = Shrunk(r, RoundInt(s));
    PaintBrush(FMiddleBrush, r);
    r = Shrunk(r, RoundInt(7 * s));
    PaintBrush(FInnerBrush, r);
    r = Shrunk(r, RoundInt(2 * s));
    PaintBrush(FBrush, r);
}

// ---- gauge pointers --------------------------------------------------------------------------

void TGaugeSeriesPointer::SetValues(int X, int Y, int HalfHeight, int HalfWidth) {
    PXMinus = X - HalfWidth;
    PXPlus = X + HalfWidth;
    PYMinus = Y - HalfHeight;
    PYPlus = Y + HalfHeight;
    PXMinusSmall = PXMinus + 2;
    PXPlusSmall = PXPlus - 2;
    PYMinusSmall = PYMinus + 2 * HalfWidth;
    PYPlusSmall = PYPlus - 2 * HalfWidth;
    Angle = std::atan2(double(Shadow()->HorizSize()), double(Shadow()->VertSize())) * 180.0 /
                3.14159265358979323846 +
            90;
}

void TGaugeSeriesPointer::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TGaugeSeriesPointer*>(Source)) FGaugeStyle = s->FGaugeStyle;
    TSeriesPointer::Assign(Source);
}

void TGaugePointerRange::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TGaugePointerRange*>(Source)) {
        FStartValue = s->FStartValue;
        FEndValue = s->FEndValue;
    }
    TGaugeSeriesPointer::Assign(Source);
}

// ---- gauge -----------------------------------------------------------------------------------

TCustomGauge::TCustomGauge(TComponent* AOwner) : TChartSeries(AOwner) {
    SetShowInLegend(false);
    SetCalcVisiblePoints(false);
    FFrame = new TFramedBorder(this);
    FFace = new TTeeShape(nullptr);
    FFace->Gradient()->SetVisible(true);
    FFace->Gradient()->SetDirection(gdBottomTop);
    FFace->Brush()->SetColor(clWhite);
    FFace->Shadow()->SetVisible(false);
    FFace->Shadow()->DefaultVisible = false;
    // A new gauge shows the bottom of its range until it is given a value.
    Add(0);
}

TCustomGauge::~TCustomGauge() {
    delete FFace;
    FFace = nullptr;
    delete FFrame;
    FFrame = nullptr;
}

void TCustomGauge::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TCustomGauge*>(Source)) {
        FFace->Assign(s->FFace);
        FFrame->Assign(s->FFrame);
        SetValue(s->Value());
        IValueSet = s->IValueSet;
    }
    inherited::Assign(Source);
    FFrame->DefaultCircled = false;
}

void TCustomGauge::SetFace(TTeeShape* Value) {
    FFace->Assign(Value);
}

void TCustomGauge::SetParentChart(TCustomAxisPanel* Value) {
    inherited::SetParentChart(Value);
    FFace->SetParent(Value);
}

double TCustomGauge::Value() const {
    return Count() > 0 ? MandatoryValueList()->Value(0) : 0;
}

void TCustomGauge::SetValue(double AValue) {
    IValueSet = true;
    if (Count() == 0) {
        Add(AValue);
    } else {
        if (MandatoryValueList()->Value(0) == AValue) return;
        SetYValue(0, AValue);
        Repaint();
    }
    if (OnChange.Assigned()) OnChange(this);
}

TColor TCustomGauge::GetPaletteColor(int Index) const {
    if (!FPalette.empty()) return FPalette[size_t(std::clamp(Index, 0, int(FPalette.size()) - 1))];
    if (ParentChart()) return ParentChart()->GetDefaultColor(Index);
    return TColor(0);
}

void TCustomGauge::SetGaugePalette(const std::vector<TColor>& Colors, int LastIndex) {
    FPalette.assign(Colors.begin(), Colors.begin() + std::clamp(LastIndex + 1, 0, int(Colors.size())));
    SetGradientColors(FFace->Gradient(), GetPaletteColor(3), GetPaletteColor(4), GetPaletteColor(5));
    FFrame->ApplyPalette();
}

int TCustomGauge::Clicked(int X, int Y) {
    return PointInRect(IOrigRect, X, Y) ? 0 : -1;
}

void TCustomGauge::AddSampleValues(int NumValues, bool OnlyMandatory) {
    (void)NumValues;
    (void)OnlyMandatory;
    SetValue(RandomValue(100));
}

void TCustomGauge::CalcOrigRect() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    IOrigRect = chart->ChartRect;
    TTeeShadow* shadow = FFrame->Shadow();
    if (FFrame->Visible() && shadow->Visible()) {
        if (shadow->HorizSize() > 0)
            IOrigRect.Right -= shadow->HorizSize();
        else
            IOrigRect.Left -= shadow->HorizSize();
        if (shadow->VertSize() > 0)
            IOrigRect.Bottom -= shadow->VertSize();
        else
            IOrigRect.Top -= shadow->VertSize();
    }
    int n = 0;
    int k = 0;
    for (int i = 0; i < chart->SeriesCount(); ++i) {
        TChartSeries* s = chart->GetSeries(i);
        if (!s->Active() || !dynamic_cast<TCustomGauge*>(s)) continue;
        if (s == this) k = n;
        ++n;
    }
    if (n == 0) return;
    const int a = (IOrigRect.Bottom - IOrigRect.Top) / n;
    int top = IOrigRect.Top;
    if (n > 1) top += a * k;
    IOrigRect = TRect{IOrigRect.Left, top, IOrigRect.Right, top + a - 3};
}

void TCustomGauge::SetValues() {
    if (FFrame->Visible()) INewRect = Shrunk(INewRect, FFrame->CalcWidth(INewRect));
}

void TCustomGauge::DrawFace() {
    TCustomAxisPanel* chart = ParentChart();
    TCanvas3D* canvas = chart->Canvas();
    if (FFace->Pen()->Visible()) {
        INewRect.Right -= FFace->Pen()->Width();
        INewRect.Bottom -= FFace->Pen()->Width();
    }
    if (FFrame->Circled()) canvas->ClipEllipse(INewRect, false);
    FFace->DrawRectRotated(chart, INewRect, 0, 0);
    if (FFrame->Circled()) canvas->UnClipRectangle();
}

void TCustomGauge::DrawAllValues() {
    if (!ParentChart()) return;
    CalcOrigRect();
    INewRect = IOrigRect;
    SetValues();
    if (FFrame->Visible()) FFrame->Draw(IOrigRect);
    DrawFace();
}

// ---- min-max gauge ---------------------------------------------------------------------------

TCustomGaugeMinMax::TCustomGaugeMinMax(TComponent* AOwner) : TCustomGauge(AOwner) {
    const std::vector<TColor>& palette = DefaultGaugePalette();
    SetGaugePalette(palette, int(palette.size()) - 1);

    auto band = [&](int Start, int Mid, int End) {
        auto* p = new TGaugePointerRange(this);
        p->SetGaugeStyle(gpColorLine);
        p->ChangeVertSize(5);
        p->Brush()->SetStyle(bsSolid);
        p->Brush()->SetColor(GetPaletteColor(End));
        p->Gradient()->SetVisible(true);
        p->Gradient()->SetDirection(FHorizontal ? gdLeftRight : gdBottomTop);
        SetGradientColors(p->Gradient(), GetPaletteColor(Start), GetPaletteColor(Mid), GetPaletteColor(End));
        return p;
    };
    FGreenLine = band(9, 10, 11);
    FRedLine = band(6, 7, 8);

    FMinorTicks = new TGaugeSeriesPointer(this);
    FMinorTicks->SetGaugeStyle(gpMinorTick);
    FMinorTicks->Brush()->SetColor(clNone);
    FMinorTicks->ChangeHorizSize(1);
    FMinorTicks->ChangeVertSize(1);
    FMinorTicks->Pen()->SetColor(GetPaletteColor(23));

    FTicks = new TGaugeSeriesPointer(this);
    FTicks->SetGaugeStyle(gpTick);
    FTicks->Brush()->SetStyle(bsClear);
    FTicks->ChangeVertSize(10);
    FTicks->Pen()->SetColor(GetPaletteColor(22));

    FHand = new TGaugeSeriesPointer(this);
    FHand->SetGaugeStyle(gpHand);
    FHand->Brush()->SetColor(clRed);
    FHand->SetTransparency(70);
    FHand->Pen()->SetColor(GetPaletteColor(12));

    SetCalcVisiblePoints(false);
    SetShowInLegend(false);
}

TCustomGaugeMinMax::~TCustomGaugeMinMax() {
    delete FHand;
    delete FTicks;
    delete FMinorTicks;
    delete FRedLine;
    delete FGreenLine;
    FHand = FTicks = FMinorTicks = nullptr;
    FRedLine = FGreenLine = nullptr;
    // The axis belongs to the chart: leave it alone when the chart is going away with us.
    TCustomAxisPanel* chart = ParentChart();
    if (chart && !chart->ComponentState().Contains(csDestroying) && chart->Axes()) {
        if (TChartAxis* axis = GetHorizAxis()) {
            axis->Title()->SetVisible(false);
            axis->Title()->SetCaption(String());
        }
    }
}

void TCustomGaugeMinMax::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TCustomGaugeMinMax*>(Source)) {
        FGreenLine->Assign(s->FGreenLine);
        FRedLine->Assign(s->FRedLine);
        FHand->Assign(s->FHand);
        FTicks->Assign(s->FTicks);
        FMinorTicks->Assign(s->FMinorTicks);
        FMaximum = s->FMaximum;
        FMinimum = s->FMinimum;
        FMinorTickDistance = s->FMinorTickDistance;
    }
    inherited::Assign(Source);
}

void TCustomGaugeMinMax::SetParentChart(TCustomAxisPanel* Value) {
    inherited::SetParentChart(Value);
    for (TSeriesPointer* p :
         {static_cast<TSeriesPointer*>(FGreenLine), static_cast<TSeriesPointer*>(FRedLine),
          static_cast<TSeriesPointer*>(FHand), static_cast<TSeriesPointer*>(FTicks),
          static_cast<TSeriesPointer*>(FMinorTicks)})
        if (p) p->SetParent(Value);
    if (Value && !IAxisDone) StyleAxis();
}

void TCustomGaugeMinMax::StyleAxis() {
    TChartAxis* axis = ParentChart() ? Axis() : nullptr;
    if (!axis) return;
    IAxisDone = true;
    axis->Axis()->SetVisible(true);
    axis->Title()->SetVisible(true);
    axis->Title()->SetCaption(QStringLiteral("Axis Title %"));
    axis->Title()->Font()->SetColor(GetPaletteColor(21));
    axis->SetLabels(true);
    TTeeFont* font = axis->LabelsFont();
    font->SetColor(GetPaletteColor(20));
    font->SetName(TeeMsg_DefaultFontName);
    font->SetSize(10);
    font->SetStyle(TFontStyles{fsBold});
}

void TCustomGaugeMinMax::SetHorizontal(bool Value) {
    if (FHorizontal == Value) return;
    FHorizontal = Value;
    if (ParentChart() && Axis()) Axis()->Title()->SetCaption(String());
    IAxisDone = false;
    StyleAxis();
    Repaint();
}

void TCustomGaugeMinMax::SetMaximum(double Value) {
    SetDoubleProperty(FMaximum, Value);
}

void TCustomGaugeMinMax::SetMinimum(double Value) {
    SetDoubleProperty(FMinimum, Value);
    if (!IValueSet && Count() > 0) MandatoryValueList()->SetValueQuiet(0, Value);
}

void TCustomGaugeMinMax::SetValues() {
    inherited::SetValues();
    IRange = FMaximum - FMinimum;
}

int TCustomGaugeMinMax::ScaleTicks(double Increment) const {
    if (IRange == 0 || !std::isfinite(IRange) || !(Increment > 0)) return -1;
    const double ticks = std::floor(IRange / Increment + 1e-9);
    // A tiny increment can make the count infinite.
    if (!(ticks >= 0 && ticks <= MaxScaleTicks)) return -1;
    return int(ticks);
}

bool TCustomGaugeMinMax::MinorTicksFit(int Ticks, int MinorCount) {
    return Ticks > 0 && MinorCount > 0 && Int64(Ticks) * MinorCount <= MaxScaleTicks;
}

void TCustomGaugeMinMax::DrawAllValues() {
    if (!ParentChart()) return;
    inherited::DrawAllValues();
    DrawAxis();
    DrawHand();
}

void TCustomGaugeMinMax::AddSampleValues(int NumValues, bool OnlyMandatory) {
    (void)NumValues;
    (void)OnlyMandatory;
    SetValue(RandomValue(int(Round(FMaximum - FMinimum))) + FMinimum);
}
