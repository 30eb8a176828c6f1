// Type information of the platform's drawing enumerations, as the chart's published
// properties stream them ("psDot", "pmXor", "bsClear").
#pragma once

#include "platform/classes/TypInfo.h"

namespace platform::detail {
PTypeInfo TypeInfoPenStyle();
PTypeInfo TypeInfoPenMode();
PTypeInfo TypeInfoBrushStyle();
} // namespace platform::detail
