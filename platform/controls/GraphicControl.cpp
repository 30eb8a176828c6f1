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

void TGraphicControl::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_PAINT && Message.WParam) {
        PaintOn(reinterpret_cast<HDC>(Message.WParam));
        return;
    }
    TControl::Dispatch(Message);
}
