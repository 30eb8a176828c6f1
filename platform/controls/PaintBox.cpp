#include "platform/controls/PaintBox.h"

#include "platform/controls/StdControlTypes.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"

ORVO_IMPLEMENT_CLASS(TPaintBox, TGraphicControl)

ORVO_PUBLISHED(TPaintBox) {
    P.Property("OnPaint", &TPaintBox::OnPaint);
}

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle = FControlStyle + TControlStyle{csReplicatable};
    SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    canvas->Brush()->SetColor(Color());
    if (OnPaint) OnPaint(this);
}
