// The drawing objects of a canvas (font, pen, brush): persistent values that own a
// device handle made on demand and announce every change through OnChange.
#pragma once

#include "platform/classes/Event.h"
#include "platform/classes/Persistent.h"

class TGraphicsObject : public TPersistent {
    ORVO_CLASS(TGraphicsObject, TPersistent)
public:
    TNotifyEvent OnChange;

protected:
    virtual void Changed();
};
