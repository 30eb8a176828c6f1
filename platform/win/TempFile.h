// Temporary files: unique, private to the user, in the temporary folder.
#pragma once

#include "platform/rtl/Types.h"

// Creates a new empty file named prefix + unique part + extension (extension with its dot,
// or empty) in the temporary folder, readable and writable by the user only, and returns
// its path; empty on failure (the last error tells why).
String CreateTempFile(const String& prefix, const String& extension);
