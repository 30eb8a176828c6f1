// Warning sounds. Every beep goes through one replaceable hook, through which tests count
// beeps. Without a hook a beep is the desktop's warning sound when a widget application
// runs, else the terminal bell when standard error is a terminal.
#pragma once

#include "platform/win/WinTypes.h"

#include <functional>

inline constexpr UINT MB_BEEP_SIMPLE = 0xFFFFFFFFu;

using TBeepHook = std::function<void(UINT type)>;

BOOL MessageBeep(UINT type);
// A tone of the given frequency and length; played as the plain warning sound.
BOOL Beep(DWORD frequency, DWORD duration);

// Installs the hook (an empty one restores the default) and returns the previous one.
TBeepHook SetBeepHook(TBeepHook hook);
