// The two digital fonts the gauges draw with, carried by the program as raw data resources
// ("TEELEDFONT", family "DS-Digital"; "TEELCDFONT", family "Elektra") and made available to
// this process while the gauges library runs, and the hook through which font dialogs add
// their names to a list.
#pragma once

#include "platform/graphics/FontFamilies.h"

class TStrings;

using TTeeAddFontNamesProc = void (*)(TStrings* Names);

// Adds the digital fonts' names to a list; null while the fonts are not registered.
extern TTeeAddFontNamesProc TeeAddFontNames;

// Registers both font resources privately and sets the hook (the hook stays clear when the
// platform cannot add fonts from memory).
void RegisterGaugeFonts();
// Clears the hook and releases the fonts registered.
void UnregisterGaugeFonts();

// The handle of the registered "TEELEDFONT" (0) or "TEELCDFONT" (1); null when not registered.
HANDLE_FONTRES GaugeFontHandle(int Index);
