// The version records of the support units this program carries only for their start-up
// registration: units that hold declarations alone, or code that runs elsewhere (the
// Base64 coder, the string and character-set tables). They are noted for the program
// while it starts, like the records of the units with code.
#pragma once

#include "storage/support/SclUnitVersioning.h"

#include <span>

std::span<const TUnitVersionInfo> RegistrationOnlyUnitVersions();
