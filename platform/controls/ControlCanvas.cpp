#include "platform/controls/ControlCanvas.h"

#include "platform/controls/GraphicControl.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/WindowHandle.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/graphics/Gdi.h"

#include <QTimer>

#include <algorithm>

using platform::detail::WindowHandle;

ORVO_IMPLEMENT_CLASS(TControlCanvas, TCanvas)

TControlCanvas::TControlCanvas() = default;

TControlCanvas::~TControlCanvas() {
    FreeHandle();
}

void TControlCanvas::SetControl(TControl* AControl) {
    if (FControl == AControl) return;
    FreeHandle();
    FControl = AControl;
}

namespace {
// The window whose image a control draws on, and the control's offset in it.
WindowHandle* windowOf(TControl* c, TPoint& offset) {
    offset = TPoint{0, 0};
    TWinControl* w = dynamic_cast<TWinControl*>(c);
    if (!w) {
        w = c->Parent();
        offset = TPoint{c->Left(), c->Top()};
    }
    if (!w) return nullptr;
    return WindowHandle::FromHwnd(w->Handle());
}
} // namespace

void TControlCanvas::CreateHandle() {
    if (!FControl) return;
    TPoint offset;
    WindowHandle* h = windowOf(FControl, offset);
    if (!h) return;
    QImage* img = h->Backing();
    FDC = new DeviceContext(img);
    if (offset.X || offset.Y) SetViewportOrgEx(FDC, offset.X, offset.Y, nullptr);
    if (!Is<TWinControl>(FControl)) IntersectClipRect(FDC, 0, 0, FControl->Width(), FControl->Height());
    SetHandle(FDC);
    h->Canvases.push_back(this);
    // What is drawn now shows at the next paint event; the context is let go once the
    // current event was handled.
    h->ScheduleShow();
    QTimer::singleShot(0, [h = HWND(h), self = this, dc = FDC] {
        if (auto* live = WindowHandle::FromHwnd(h))
            if (std::find(live->Canvases.begin(), live->Canvases.end(), self) != live->Canvases.end() &&
                self->FDC == dc)
                self->FreeHandle();
    });
}

void TControlCanvas::FreeHandle() {
    if (!FDC) return;
    HDC dc = FDC;
    FDC = nullptr;
    SetHandle(nullptr);
    if (FControl) {
        TWinControl* w = dynamic_cast<TWinControl*>(FControl);
        if (!w) w = FControl->Parent();
        if (w && w->HandleAllocated())
            if (auto* h = WindowHandle::FromHwnd(w->Handle())) {
                auto& l = h->Canvases;
                l.erase(std::remove(l.begin(), l.end(), this), l.end());
                h->ScheduleShow();
            }
    }
    delete dc;
}

void platform::detail::PaintOnContext(TControlCanvas* Canvas, HDC DC, TControlState& State,
                                      const std::function<void()>& Paint) {
    Canvas->FreeHandle();
    Canvas->Lock();
    Canvas->SetHandle(DC);
    State << csCustomPaint;
    try {
        Paint();
    } catch (...) {
        State >> csCustomPaint;
        Canvas->SetHandle(nullptr);
        Canvas->Unlock();
        throw;
    }
    State >> csCustomPaint;
    Canvas->SetHandle(nullptr);
    Canvas->Unlock();
}
