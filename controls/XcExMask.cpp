#include "controls/XcExMask.h"

#include "platform/win/Beep.h"

ORVO_IMPLEMENT_CLASS(TXcExCustomMaskEdit, TCustomMaskEdit)
ORVO_IMPLEMENT_ENUM_TYPE(TXcClipboardCommand, "caCopy", "caCut", "caPaste", "caClear", "caUndo")
ORVO_IMPLEMENT_SET_TYPE(TXcClipboardCommands, TXcClipboardCommand)

void TXcExCustomMaskEdit::Dispatch(TMessage& Message) {
    TXcClipboardCommand needed;
    switch (Message.Msg) {
    case WM_CUT:
        needed = caCut;
        break;
    case WM_COPY:
        needed = caCopy;
        break;
    case WM_PASTE:
        needed = caPaste;
        break;
    case WM_CLEAR:
        needed = caClear;
        break;
    case WM_UNDO:
    case EM_UNDO:
        needed = caUndo;
        break;
    default:
        TXcExLayer<TCustomMaskEdit>::Dispatch(Message);
        return;
    }
    if (!FClipboardCommands.Contains(needed)) {
        Message.Result = 1;
        return;
    }
    TXcExLayer<TCustomMaskEdit>::Dispatch(Message);
}

void TXcExCustomMaskEdit::BeepOnInvalidInput() {
    if (FBeepOnError) MessageBeep(0);
}
