// The local machine's registry. Linux has none: every value is absent.
#pragma once

#include "platform/rtl/Types.h"

// Reads a text value under HKEY_LOCAL_MACHINE; always false, value untouched.
bool ReadLocalMachineString(const String& key, const String& name, String& value);
