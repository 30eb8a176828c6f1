#include "platform/controls/GraphicControl.h"

#include "platform/controls/ControlCanvas.h"

ORVO_IMPLEMENT_CLASS(TGraphicControl, TControl)

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {
    auto* canvas = new TControlCanvas();
    canvas->SetControl(this);
    FCanvas = canvas;
}

TGraphicControl::~TGraphicControl() {
    delete FCanvas;
}

void TGraphicControl::PaintOn(HDC DC) {
    // The parent's paint pass hands in its context, moved to this control and clipped.
    platform::detail::PaintOnContext(static_cast<TControlCanvas*>(FCanvas), DC, FControlState,
                                     [this] { Paint(); });
}

void TGraphicControl::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_PAINT && Message.WParam) {
        PaintOn(reinterpret_cast<HDC>(Message.WParam));
        return;
    }
    TControl::Dispatch(Message);
}
