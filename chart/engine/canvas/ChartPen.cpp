#include "chart/engine/canvas/ChartPen.h"

#include "platform/classes/TypInfo.h"

ORVO_IMPLEMENT_CLASS(TChartPen, TPen)
ORVO_IMPLEMENT_CLASS(TChartHiddenPen, TChartPen)
ORVO_IMPLEMENT_CLASS(TDottedGrayPen, TChartPen)
ORVO_IMPLEMENT_CLASS(TDarkGrayPen, TChartPen)
ORVO_IMPLEMENT_CLASS(TWhitePen, TChartPen)

TChartPen::TChartPen(TNotifyEvent OnChangeEvent) {
    OnChange = OnChangeEvent;
}

void TChartPen::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TChartPen*>(Source)) {
        FVisible = p->FVisible;
        FSmallDots = p->FSmallDots;
        FSmallSpace = p->FSmallSpace;
        FEndStyle = p->FEndStyle;
    }
    TPen::Assign(Source);
}

void TChartPen::SetEndStyle(TPenEndStyle Value) {
    if (FEndStyle == Value) return;
    FEndStyle = Value;
    Changed();
}

void TChartPen::SetSmallDots(bool Value) {
    if (FSmallDots == Value) return;
    FSmallDots = Value;
    Changed();
}

void TChartPen::SetSmallSpace(int Value) {
    if (FSmallSpace == Value) return;
    FSmallSpace = Value;
    Changed();
}

void TChartPen::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    Changed();
}

TChartHiddenPen::TChartHiddenPen(TNotifyEvent OnChangeEvent) : TChartPen(OnChangeEvent) {
    DefaultVisible = false;
    SetVisible(false);
}

TDottedGrayPen::TDottedGrayPen(TNotifyEvent OnChangeEvent) : TChartPen(OnChangeEvent) {
    SetColor(clGray);
    SetStyle(psDot);
}

TDarkGrayPen::TDarkGrayPen(TNotifyEvent OnChangeEvent) : TChartPen(OnChangeEvent) {
    SetColor(clGray);
}

TWhitePen::TWhitePen(TNotifyEvent OnChangeEvent) : TChartPen(OnChangeEvent) {
    SetColor(clWhite);
}

namespace {

template <class T> void publishPen(TPublisher<T>& P, TColor color, TPenStyle style) {
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor()).Default(color);
    P.Property("EndStyle", &T::EndStyle, &T::SetEndStyle).Stored(&T::IsEndStored);
    P.Property("Mode", &T::Mode, &T::SetMode).Default(pmCopy);
    P.Property("SmallDots", &T::SmallDots, &T::SetSmallDots).Default(false);
    P.Property("SmallSpace", &T::SmallSpace, &T::SetSmallSpace).Default(0);
    P.Property("Style", &T::Style, &T::SetStyle).Default(style);
    P.Property("Visible", &T::Visible, &T::SetVisible).Stored(&T::IsVisibleStored);
    P.Property("Width", &T::Width, &T::SetWidth).Default(1);
}

} // namespace

ORVO_PUBLISHED(TChartPen) {
    publishPen(P, clBlack, psSolid);
}
ORVO_PUBLISHED(TChartHiddenPen) {
    publishPen(P, clBlack, psSolid);
}
ORVO_PUBLISHED(TDottedGrayPen) {
    publishPen(P, clGray, psDot);
}
ORVO_PUBLISHED(TDarkGrayPen) {
    publishPen(P, clGray, psSolid);
}
ORVO_PUBLISHED(TWhitePen) {
    publishPen(P, clWhite, psSolid);
    P.Property("Visible", &TWhitePen::Visible, &TWhitePen::SetVisible).Stored(true);
}
