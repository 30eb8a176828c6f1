// Windows font families mapped to the installed metric-compatible fonts through one
// fixed table, the installed family list, and private fonts loaded from memory.
#pragma once

#include "platform/graphics/GdiTypes.h"

#include <QStringList>

#include <cstddef>

struct TFontMapping {
    String Family;  // installed family drawn for the name
    int Weight = 0; // weight the name implies (0 = the font's own)
};
// "Arial", "Tahoma", "MS Sans Serif", "Segoe UI" -> Liberation Sans; "Segoe UI Semibold"
// -> Liberation Sans in a semibold weight; "Times New Roman" -> Liberation Serif;
// "Courier New" -> Liberation Mono; "DS-Digital" -> DSEG7 Classic; "Elektra" -> DSEG14
// Classic; the installed stand-ins map to themselves; anything else -> DejaVu Sans.
// Case-insensitive.
TFontMapping MapFontFamily(const String& WindowsName);

// The installed family names, sorted.
QStringList ScreenFonts();

using HANDLE_FONTRES = void*;
inline constexpr DWORD FR_PRIVATE = 0x10;
// Adds the fonts of a font file held in memory for this process; Count receives the number
// of fonts; null when the data is not a font.
HANDLE_FONTRES AddFontMemResourceEx(const void* Data, DWORD Size, void* Reserved, DWORD* Count);
BOOL RemoveFontMemResourceEx(HANDLE_FONTRES Handle);
