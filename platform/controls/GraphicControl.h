// TGraphicControl: a control without a window. Its parent paints it after its own
// background in z-order and routes the mouse to it by hit test.
#pragma once

#include "platform/controls/Control.h"

class TCanvas;

class TGraphicControl : public TControl {
    ORVO_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    TCanvas* Canvas() const { return FCanvas; }

protected:
    virtual void Paint() {}
    void PaintOn(HDC DC) override;
    void Dispatch(TMessage& Message) override;

private:
    TCanvas* FCanvas;
};
