#include "controls/XcExForms.h"

ORVO_IMPLEMENT_CLASS(TXcExForm, TForm)

namespace {
constexpr WPARAM VK_ALT = 0x12; // VK_MENU
}

void TXcExForm::ShowingChanged() {
    if (Showing()) Perform(WM_CHANGEUISTATE, UIS_INITIALIZE, 0);
    TXcExLayer<TForm>::ShowingChanged();
}

void TXcExForm::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_DIALOGKEY:
        switch (Message.WParam) {
        case VK_TAB:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            Perform(WM_CHANGEUISTATE, UIS_CLEAR | (UISF_HIDEFOCUS << 16), 0);
            break;
        case VK_ALT:
            Perform(WM_CHANGEUISTATE, UIS_CLEAR | ((UISF_HIDEFOCUS | UISF_HIDEACCEL) << 16), 0);
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
    TXcExLayer<TForm>::Dispatch(Message);
}
