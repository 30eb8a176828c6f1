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
    auto* canvas = static_cast<TControlCanvas*>(FCanvas);
    canvas->FreeHandle();
    canvas->Lock();
    FCanvas->SetHandle(DC);
    FControlState << csCustomPaint;
    try {
        Paint();
    } catch (...) {
        FControlState >> csCustomPaint;
        FCanvas->SetHandle(nullptr);
        canvas->Unlock();
        throw;
    }
    FControlState >> csCustomPaint;
    FCanvas->SetHandle(nullptr);
    canvas->Unlock();
}
