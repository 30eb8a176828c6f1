// TMouse: the mouse as the controls see it: the cursor position, the control holding the
// capture, whether a drag runs; one instance, Mouse.
#pragma once

#include "platform/controls/ControlTypes.h"

class TControl;

class TMouse {
public:
    TPoint CursorPos() const;
    void SetCursorPos(const TPoint& Value);
    // The control that gets every mouse event while a button is down.
    TControl* Capture() const { return FCapture; }
    void SetCapture(TControl* Value);
    // Whether a control is being dragged.
    bool IsDragging() const;
    // Whether a control whose DragMode is dmAutomatic starts dragging on the button press.
    bool DragImmediate() const { return true; }
    bool MousePresent() const { return true; }
    int WheelScrollLines() const { return 3; }
    int DragThreshold() const { return 5; }

private:
    TControl* FCapture = nullptr;
};

extern TMouse* Mouse;
