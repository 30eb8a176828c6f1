#include "platform/win/KeyState.h"

#include <QGuiApplication>

short GetKeyState(int virtualKey) {
    constexpr short kDown = short(0x8000);
    if (!qGuiApp) return 0;
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    const Qt::KeyboardModifiers mods = QGuiApplication::keyboardModifiers();
    bool down = false;
    switch (virtualKey) {
    case VK_LBUTTON:
        down = buttons & Qt::LeftButton;
        break;
    case VK_RBUTTON:
        down = buttons & Qt::RightButton;
        break;
    case VK_MBUTTON:
        down = buttons & Qt::MiddleButton;
        break;
    case VK_SHIFT:
        down = mods & Qt::ShiftModifier;
        break;
    case VK_CONTROL:
        down = mods & Qt::ControlModifier;
        break;
    case VK_MENU:
        down = mods & Qt::AltModifier;
        break;
    default:
        break;
    }
    return down ? kDown : 0;
}
