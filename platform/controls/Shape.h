// TShape: a window-less rectangle, square, rounded rectangle or square, ellipse or circle
// drawn with its Pen and Brush. The outline lies inside the bounds whatever the pen's
// width; squares and circles take the shorter side and sit centred.
#pragma once

#include "platform/controls/GraphicControl.h"

class TPen;
class TBrush;

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
ORVO_DECLARE_ENUM_TYPE(TShapeType)

class TShape : public TGraphicControl {
    ORVO_CLASS(TShape, TGraphicControl)
public:
    explicit TShape(TComponent* AOwner);
    ~TShape() override;

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType Value);
    TPen* Pen() const { return FPen; }
    void SetPen(TPen* Value);
    TBrush* Brush() const { return FBrush; }
    void SetBrush(TBrush* Value);

protected:
    void Paint() override;

private:
    void StyleChanged(TObject* Sender);
    TShapeType FShape = stRectangle;
    TPen* FPen;
    TBrush* FBrush;
};
