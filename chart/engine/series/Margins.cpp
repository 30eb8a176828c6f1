#include "chart/engine/series/Margins.h"

#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/panel/TeeShape.h"
#include "platform/rtl/SysMath.h"

ORVO_IMPLEMENT_ENUM_TYPE(TMarginUnits, "maPercentFont", "maPercentSize", "maPixels")
ORVO_IMPLEMENT_CLASS(TMargins, TPersistent)

ORVO_PUBLISHED(TMargins) {
    using S = TMargins;
    P.Property("Left", &S::Left, &S::SetLeft).Stored(&S::IsLeftStored);
    P.Property("Top", &S::Top, &S::SetTop).Stored(&S::IsTopStored);
    P.Property("Right", &S::Right, &S::SetRight).Stored(&S::IsRightStored);
    P.Property("Bottom", &S::Bottom, &S::SetBottom).Stored(&S::IsBottomStored);
    P.Property("Units", &S::Units, &S::SetUnits).Default(maPercentFont);
}

TMargins::TMargins(TTeeCustomShapeBrushPen* Parent) : FParent(Parent) {}

void TMargins::Assign(TPersistent* Source) {
    if (auto* src = dynamic_cast<TMargins*>(Source)) {
        FLeft = src->FLeft;
        FTop = src->FTop;
        FRight = src->FRight;
        FBottom = src->FBottom;
        FUnits = src->FUnits;
    } else {
        inherited::Assign(Source);
    }
}

void TMargins::Changed() {
    if (FParent) FParent->Repaint();
}

void TMargins::SetMargin(int& Field, int Value) {
    if (Field == Value) return;
    Field = Value;
    Changed();
}

void TMargins::SetUnits(TMarginUnits Value) {
    if (FUnits == Value) return;
    FUnits = Value;
    Changed();
}

void TMargins::Calculate(int Width, int Height, int FontSize) {
    // Each margin within the pixel limit, so that the sums HorizSize and VertSize stay in int.
    auto r = [](double v) { return ClampPx(Round(v)); };
    switch (FUnits) {
    case maPercentFont: {
        const double f = 0.02 * FontSize;
        FSize = Rect(r(FLeft * f), r(FTop * f), r(FRight * f), r(FBottom * f));
        break;
    }
    case maPercentSize:
        FSize = Rect(r(FLeft * 0.01 * Width), r(FTop * 0.01 * Height), r(FRight * 0.01 * Width),
                     r(FBottom * 0.01 * Height));
        break;
    case maPixels:
        FSize = Rect(ClampPx(FLeft), ClampPx(FTop), ClampPx(FRight), ClampPx(FBottom));
        break;
    }
}
