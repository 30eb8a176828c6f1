#include "platform/controls/Bevel.h"

#include "platform/graphics/Canvas.h"

ORVO_IMPLEMENT_CLASS(TBevel, TGraphicControl)
ORVO_IMPLEMENT_ENUM_TYPE(TBevelShape, "bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine",
                         "bsRightLine", "bsSpacer")
ORVO_IMPLEMENT_ENUM_TYPE(TBevelStyle, "bsLowered", "bsRaised")

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle = FControlStyle + TControlStyle{csReplicatable};
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
    FShape = Value;
    Invalidate();
}
void TBevel::SetStyle(TBevelStyle Value) {
    FStyle = Value;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas* c = Canvas();
    const TColor first = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = Width(), h = Height();
    auto line = [c](TColor color, int x1, int y1, int x2, int y2) {
        c->Pen()->SetColor(color);
        c->Pen()->SetWidth(1);
        c->MoveTo(x1, y1);
        c->LineTo(x2, y2);
    };
    TRect r = Rect(0, 0, w, h);
    switch (FShape) {
    case bsBox:
        Frame3D(c, r, first, second, 1);
        break;
    case bsFrame: {
        // Two nested frames, one of each colour, give the etched look.
        TRect outer = Rect(0, 0, w - 1, h - 1);
        Frame3D(c, outer, first, first, 1);
        TRect inner = Rect(1, 1, w, h);
        Frame3D(c, inner, second, second, 1);
        break;
    }
    case bsTopLine:
        line(first, 0, 0, w, 0);
        line(second, 0, 1, w, 1);
        break;
    case bsBottomLine:
        line(first, 0, h - 2, w, h - 2);
        line(second, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        line(first, 0, 0, 0, h);
        line(second, 1, 0, 1, h);
        break;
    case bsRightLine:
        line(first, w - 2, 0, w - 2, h);
        line(second, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}

ORVO_PUBLISHED(TBevel) {
    PublishControlBasics(P);
    P.Property("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox);
    P.Property("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered);
}
