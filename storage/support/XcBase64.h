// Plain Base64 without line breaks, used to make safe object names from arbitrary text.
#pragma once

#include "platform/rtl/Types.h"

// The standard alphabet with "=" padding; the empty text gives the empty text.
AnsiString Base64Encode(const AnsiString& Text);
