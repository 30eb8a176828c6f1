#include "platform/controls/ControlTypes.h"

#include "platform/controls/Messages.h"
#include "platform/win/KeyState.h"

ORVO_IMPLEMENT_ENUM_TYPE(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom")
ORVO_IMPLEMENT_ENUM_TYPE(TAnchorKind, "akLeft", "akTop", "akRight", "akBottom")
ORVO_IMPLEMENT_SET_TYPE(TAnchors, TAnchorKind)
ORVO_IMPLEMENT_ENUM_TYPE(TBiDiMode, "bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                         "bdRightToLeftReadingOnly")
ORVO_IMPLEMENT_ENUM_TYPE(TMouseButton, "mbLeft", "mbRight", "mbMiddle")
ORVO_IMPLEMENT_ENUM_TYPE(TShiftStateItem, "ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle",
                         "ssDouble", "ssTouch", "ssPen", "ssCommand")
ORVO_IMPLEMENT_SET_TYPE(TShiftState, TShiftStateItem)
ORVO_IMPLEMENT_EVENT_TYPE(TMouseEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TMouseMoveEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TKeyEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TKeyPressEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TMouseWheelEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TMouseWheelUpDownEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TContextPopupEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TCloseQueryEvent)

TShiftState KeyDataToShiftState(std::intptr_t KeyData) {
    TShiftState s;
    if (KeyData & AltMask) s << ssAlt;
    if (KeyData & CtrlMask) s << ssCtrl;
    if (KeyData & ShiftMask) s << ssShift;
    return s;
}

TShiftState KeyboardStateToShiftState() {
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0) s << ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s << ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s << ssAlt;
    if (GetKeyState(VK_LBUTTON) < 0) s << ssLeft;
    if (GetKeyState(VK_RBUTTON) < 0) s << ssRight;
    if (GetKeyState(VK_MBUTTON) < 0) s << ssMiddle;
    return s;
}
