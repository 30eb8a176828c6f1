// Loading the optional platform libraries the canvas probes for at start-up.
#pragma once

#include "platform/win/DynamicLibrary.h"

// Loads FileName with the open-file error box suppressed for the call; null when the
// library is not there.
HMODULE TeeLoadLibrary(const String& FileName);
// Frees a handle TeeLoadLibrary gave; a null handle is ignored.
void TeeFreeLibrary(HMODULE Handle);
