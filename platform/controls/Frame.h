// TCustomFrame and TFrame: a group of controls read from the frame's resource, placed in
// a form or another control at design time (inline in the form's resource) or at run time.
// A frame without owner is destroyed with its parent control.
#pragma once

#include "platform/controls/ScrollingWinControl.h"

class TCustomFrame : public TScrollingWinControl {
    ORVO_CLASS(TCustomFrame, TScrollingWinControl)
public:
    explicit TCustomFrame(TComponent* AOwner);
    ~TCustomFrame() override;
    // Reads the frame's resource once the object is complete (not for a frame being read
    // inline from its form's resource, whose properties come from there).
    void AfterConstruction() override;
    void SetParent(TWinControl* AParent) override;

protected:
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

private:
    bool FConstructed = false;
};

class TFrame : public TCustomFrame {
    ORVO_CLASS(TFrame, TCustomFrame)
public:
    explicit TFrame(TComponent* AOwner) : TCustomFrame(AOwner) {}
};
