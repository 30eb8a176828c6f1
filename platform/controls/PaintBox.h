// TPaintBox: a window-less area whose owner draws it: OnPaint runs whenever the area is
// painted, with the canvas set to the box's font and colour.
#pragma once

#include "platform/controls/GraphicControl.h"

class TPaintBox : public TGraphicControl {
    ORVO_CLASS(TPaintBox, TGraphicControl)
public:
    explicit TPaintBox(TComponent* AOwner);

    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};
