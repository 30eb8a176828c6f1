// TBevel: a window-less frame, box or line, lowered or raised.
#pragma once

#include "platform/controls/GraphicControl.h"
#include "platform/controls/StdControlTypes.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
ORVO_DECLARE_ENUM_TYPE(TBevelShape)
enum TBevelStyle { bsLowered, bsRaised };
ORVO_DECLARE_ENUM_TYPE(TBevelStyle)

class TBevel : public TGraphicControl {
    ORVO_CLASS(TBevel, TGraphicControl)
public:
    explicit TBevel(TComponent* AOwner);

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape Value);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle Value);

protected:
    void Paint() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};
