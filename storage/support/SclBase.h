// The exception classes of the SCL support units and their character move.
#pragma once

#include "platform/rtl/Exception.h"

ORVO_DECLARE_EXCEPTION(ESclError, Exception)
ORVO_DECLARE_EXCEPTION(ESclInternalError, ESclError)

// Copies Count characters of Source from the 0-based FromIndex into Dest at the 0-based
// ToIndex. Dest must be long enough; a range outside either text copies nothing.
void MoveChars(const String& Source, int FromIndex, String& Dest, int ToIndex, int Count);
