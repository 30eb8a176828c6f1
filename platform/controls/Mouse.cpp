#include "platform/controls/Mouse.h"

#include "platform/controls/Control.h"

#include <QCursor>

namespace {
TMouse theMouse;
}

TMouse* Mouse = &theMouse;

TPoint TMouse::CursorPos() const {
    const QPoint p = QCursor::pos();
    return TPoint{p.x(), p.y()};
}

void TMouse::SetCursorPos(const TPoint& Value) {
    QCursor::setPos(Value.X, Value.Y);
}

bool TMouse::IsDragging() const {
    return platform::detail::DragActive();
}

void TMouse::SetCapture(TControl* Value) {
    if (FCapture == Value) return;
    TControl* old = FCapture;
    FCapture = Value;
    if (old) old->Perform(CM_CANCELMODE);
}
