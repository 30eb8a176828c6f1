// TControlCanvas: the canvas of a control. It draws on the control's backing image (a
// window-less control draws on its parent's, moved to its position and clipped to its
// bounds). Drawing outside a paint pass goes into the image and schedules a repaint of
// the window, as drawing on a window did.
#pragma once

#include "platform/controls/ControlTypes.h"
#include "platform/graphics/Canvas.h"

#include <functional>

class TControl;

class TControlCanvas : public TCanvas {
    ORVO_CLASS(TControlCanvas, TCanvas)
public:
    TControlCanvas();
    ~TControlCanvas() override;

    TControl* Control() const { return FControl; }
    void SetControl(TControl* AControl);
    // Lets go of the device context (it is made again on the next drawing call).
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    TControl* FControl = nullptr;
    HDC FDC = nullptr;
};

namespace platform::detail {
// A paint pass on a control's canvas: the canvas is locked and draws on DC, State carries
// csCustomPaint while Paint runs; afterwards (also when Paint throws) the canvas lets go of
// DC and is unlocked again.
void PaintOnContext(TControlCanvas* Canvas, HDC DC, TControlState& State, const std::function<void()>& Paint);
} // namespace platform::detail
