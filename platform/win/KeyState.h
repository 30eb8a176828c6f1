// The state of the mouse buttons and modifier keys, from the user-interface thread's latest
// input event (synthetic events in tests count too).
#pragma once

#include "platform/win/WinTypes.h"

inline constexpr int VK_LBUTTON = 0x01;
inline constexpr int VK_RBUTTON = 0x02;
inline constexpr int VK_MBUTTON = 0x04;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_MENU = 0x12;

// Negative (high bit set) when the key or button is down; 0 otherwise, and for keys whose
// state is not tracked.
short GetKeyState(int virtualKey);
