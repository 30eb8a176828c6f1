// The extended-control layer over the platform's tab control.
#pragma once

#include "controls/XcExControls.h"
#include "platform/controls/TabControl.h"

class TXcExTabControl : public TXcExLayer<TTabControl> {
    ORVO_CLASS(TXcExTabControl, TTabControl)
public:
    explicit TXcExTabControl(TComponent* AOwner) : TXcExLayer<TTabControl>(AOwner) {}
};
