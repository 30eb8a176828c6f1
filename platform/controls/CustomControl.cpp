#include "platform/controls/CustomControl.h"

#include "platform/controls/ControlCanvas.h"

ORVO_IMPLEMENT_CLASS(TCustomControl, TWinControl)

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {
    auto* canvas = new TControlCanvas();
    canvas->SetControl(this);
    FCanvas = canvas;
}

TCustomControl::~TCustomControl() {
    delete FCanvas;
    FCanvas = nullptr;
}

void TCustomControl::PaintWindow(HDC DC) {
    platform::detail::PaintOnContext(static_cast<TControlCanvas*>(FCanvas), DC, FControlState,
                                     [this] { Paint(); });
}
