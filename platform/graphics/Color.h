// Colours: TColor is 0x00BBGGRR; negative values (high byte 0xFF) name system colours,
// resolved through a fixed table by ColorToRGB. clNone and clDefault are markers, not
// colours. The identifier functions read and write the "clRed" names, decimal numbers
// and "$" hexadecimal values of stored properties.
#pragma once

#include "platform/graphics/GdiTypes.h"

#include <cstdint>

using TColor = std::int32_t;
using TColorRef = COLORREF;

inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);

inline constexpr TColor clScrollBar = clSystemColor | 0;
inline constexpr TColor clBackground = clSystemColor | 1;
inline constexpr TColor clActiveCaption = clSystemColor | 2;
inline constexpr TColor clInactiveCaption = clSystemColor | 3;
inline constexpr TColor clMenu = clSystemColor | 4;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowFrame = clSystemColor | 6;
inline constexpr TColor clMenuText = clSystemColor | 7;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clCaptionText = clSystemColor | 9;
inline constexpr TColor clActiveBorder = clSystemColor | 10;
inline constexpr TColor clInactiveBorder = clSystemColor | 11;
inline constexpr TColor clAppWorkSpace = clSystemColor | 12;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clInactiveCaptionText = clSystemColor | 19;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DDkShadow = clSystemColor | 21;
inline constexpr TColor cl3DLight = clSystemColor | 22;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;
inline constexpr TColor clHotLight = clSystemColor | 26;
inline constexpr TColor clGradientActiveCaption = clSystemColor | 27;
inline constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
inline constexpr TColor clMenuHighlight = clSystemColor | 29;
inline constexpr TColor clMenuBar = clSystemColor | 30;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clLtGray = 0xC0C0C0;
inline constexpr TColor clDkGray = 0x808080;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

constexpr COLORREF RGB(Byte r, Byte g, Byte b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr Byte GetRValue(COLORREF c) {
    return Byte(c & 0xFF);
}
constexpr Byte GetGValue(COLORREF c) {
    return Byte((c >> 8) & 0xFF);
}
constexpr Byte GetBValue(COLORREF c) {
    return Byte((c >> 16) & 0xFF);
}
// The palette-relative form of a colour (bit 0x02000000); on a true-colour device the
// same colour.
constexpr COLORREF PaletteRGB(Byte r, Byte g, Byte b) {
    return 0x02000000u | RGB(r, g, b);
}
constexpr COLORREF PALETTERGB(Byte r, Byte g, Byte b) {
    return PaletteRGB(r, g, b);
}

// The RGB value of a system colour index (COLOR_BTNFACE = 15 ...) from the fixed table.
COLORREF GetSysColor(int Index);
// A system colour becomes its RGB value; every other value comes back unchanged.
TColor ColorToRGB(TColor Color);

// "clRed" style identifiers of the named and system colours.
bool ColorToIdent(int Color, String& Ident);
bool IdentToColor(const String& Ident, int& Color);
// The identifier when there is one, else "$" and eight hexadecimal digits.
String ColorToString(TColor Color);
// An identifier, a decimal number or a "$" hexadecimal number; raises EConvertError.
TColor StringToColor(const String& S);

// Calls Proc with every colour identifier.
void GetColorValues(void (*Proc)(const String& S, void* Data), void* Data);
