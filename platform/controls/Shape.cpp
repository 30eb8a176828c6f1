#include "platform/controls/Shape.h"

#include "platform/controls/StdControlTypes.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TShape, TGraphicControl)
ORVO_IMPLEMENT_ENUM_TYPE(TShapeType, "stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse",
                         "stCircle")

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle = FControlStyle + TControlStyle{csReplicatable};
    SetBounds(0, 0, 65, 65);
    FPen = new TPen();
    FPen->OnChange = TNotifyEvent(this, &TShape::StyleChanged);
    FBrush = new TBrush();
    FBrush->OnChange = TNotifyEvent(this, &TShape::StyleChanged);
}

TShape::~TShape() {
    delete FPen;
    delete FBrush;
}

void TShape::SetShape(TShapeType Value) {
    if (FShape == Value) return;
    FShape = Value;
    Invalidate();
}

void TShape::SetPen(TPen* Value) {
    FPen->Assign(Value);
}

void TShape::SetBrush(TBrush* Value) {
    FBrush->Assign(Value);
}

void TShape::StyleChanged(TObject*) {
    Invalidate();
}

void TShape::Paint() {
    TCanvas* c = Canvas();
    c->SetPen(FPen);
    c->SetBrush(FBrush);
    // A pen of width w is centred on the outline: start half of it in, so that all of it
    // lies inside the control.
    const int pw = FPen->Width();
    int x = pw / 2;
    int y = x;
    int w = Width() - pw + 1;
    int h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
        if (w < h) {
            y += (h - w) / 2;
            h = w;
        } else {
            x += (w - h) / 2;
            w = h;
        }
    }
    switch (FShape) {
    case stRectangle:
    case stSquare:
        c->Rectangle(x, y, x + w, y + h);
        break;
    case stRoundRect:
    case stRoundSquare: {
        const int corner = std::min(w, h) / 4;
        c->RoundRect(x, y, x + w, y + h, corner, corner);
        break;
    }
    case stEllipse:
    case stCircle:
        c->Ellipse(x, y, x + w, y + h);
        break;
    }
}

ORVO_PUBLISHED(TShape) {
    PublishControlBasics(P);
    P.Property("Brush", &TShape::Brush, &TShape::SetBrush);
    P.Property("Pen", &TShape::Pen, &TShape::SetPen);
    P.Property("Shape", &TShape::Shape, &TShape::SetShape).Default(stRectangle);
}
