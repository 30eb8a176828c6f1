// TCustomControl: a windowed control that paints itself on its Canvas. The canvas draws on
// the window's backing image, so painting outside Paint (cursor lines, XOR rectangles)
// stays on screen until the next repaint.
#pragma once

#include "platform/controls/WinControl.h"

class TCustomControl : public TWinControl {
    ORVO_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    TCanvas* Canvas() const { return FCanvas; }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC DC) override;

private:
    TCanvas* FCanvas;
};
