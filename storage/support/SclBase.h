// The exception classes of the SCL support units and their character move.
#pragma once

#include "platform/rtl/Exception.h"

ORVO_DECLARE_EXCEPTION(ESclError, Exception)
ORVO_DECLARE_EXCEPTION(ESclInternalError, ESclError)

// The default character of the system's 8-bit code page, read when the program starts;
// start-up fails with ESclInternalError when the code page cannot tell it.
char AnsiReplacementChar();

// Copies Count characters of Source from the 0-based FromIndex into Dest at the 0-based
// ToIndex. Dest must be long enough; a range outside either text copies nothing.
void MoveChars(const String& Source, int FromIndex, String& Dest, int ToIndex, int Count);
