// The message box of the device link and the tuning application.
#pragma once

#include "platform/rtl/Types.h"

// Shows text in a modal message box captioned with the application title and returns the
// button pressed. Flags as for MessageBox; 0 gives one OK button.
int ShowAppMessage(const String& text, unsigned flags);
