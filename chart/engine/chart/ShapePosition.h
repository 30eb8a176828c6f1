// TTeeCustomShapePosition: a framed shape that its owner places by itself (beside the
// plotting box) until the program gives it a position of its own.
#pragma once

#include "chart/engine/panel/TeeShape.h"

class TTeeCustomShapePosition : public TTeeCustomShape {
    ORVO_CLASS(TTeeCustomShapePosition, TTeeCustomShape)
public:
    explicit TTeeCustomShapePosition(TCustomTeePanel* Panel = nullptr) : TTeeCustomShape(Panel) {}
    // CustomPosition and, when it is set, Left and Top; then the shape.
    void Assign(TPersistent* Source) override;

    bool CustomPosition() const { return FCustomPosition; }
    void SetCustomPosition(bool Value);
    bool IsCustomStored() const { return FCustomPosition != DefaultCustom; }
    // The left and top edges of the bounds. Setting either moves the shape (its size kept)
    // and switches CustomPosition on.
    int Left() const { return ShapeBounds.Left; }
    void SetLeft(int Value);
    int Top() const { return ShapeBounds.Top; }
    void SetTop(int Value);
    // Left and Top are stored only for a shape placed by the program.
    bool IsPosStored() const { return FCustomPosition; }

    // The value of CustomPosition that streams leave out.
    bool DefaultCustom = false;

protected:
    bool FCustomPosition = false;
};
