// Number formats as the user types them: the formats are stored with "." as the decimal
// and "," as the thousands separator, and shown to the user with the separators of the
// locale (the global format settings).
#pragma once

#include "platform/rtl/Types.h"

// The stored format with the locale's separators in place of "." and ",".
String BuiltInToLocalFormat(const String& Format);
// The format typed with the locale's separators, with "." and "," in their place.
String LocalToBuiltInFormat(const String& Format);
