// TCustomGroupBox/TGroupBox: a captioned frame around other controls; the children sit
// below the caption.
#pragma once

#include "platform/controls/CustomControl.h"
#include "platform/controls/StdControlTypes.h"

class TCustomGroupBox : public TCustomControl {
    ORVO_CLASS(TCustomGroupBox, TCustomControl)
public:
    explicit TCustomGroupBox(TComponent* AOwner);

protected:
    void AdjustClientRect(TRect& Rect) override;
    void Paint() override;
    void SetTextValue(const String& Value) override;
    // The height of the caption line.
    int CaptionHeight() const;
};

class TGroupBox : public TCustomGroupBox {
    ORVO_CLASS(TGroupBox, TCustomGroupBox)
public:
    explicit TGroupBox(TComponent* AOwner) : TCustomGroupBox(AOwner) {}
};
