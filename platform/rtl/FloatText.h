// Floating-point numbers as text and back, in the runtime's formats: the general form of
// FloatToStr (15 significant digits), FloatToStrF's fixed, number, currency and exponent
// forms, FormatFloat's format strings, and the strict StrToFloat grammar. Every function
// uses the global FormatSettings unless it is given settings of its own. No text ever
// shows "-0": a value whose shown digits are all zero prints without its sign.
#pragma once

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Types.h"

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// FloatToStrF(Value, ffGeneral, 15, 0): "0.333333333333333", "1E15", "1E-5", "NAN", "INF".
String FloatToStr(Extended Value, const TFormatSettings& Settings = FormatSettings);

// Precision = significant digits (1..18); Digits = decimals for ffFixed, ffNumber and
// ffCurrency (0..18), minimum exponent digits for ffGeneral and ffExponent (0..4).
// ffFixed, ffNumber and ffCurrency switch to the general form when the value has more
// integer digits than Precision.
String FloatToStrF(Extended Value, TFloatFormat Format, int Precision, int Digits,
                   const TFormatSettings& Settings = FormatSettings);

// The runtime's format strings: up to three sections "positive;negative;zero", '0' and
// '#' digit placeholders, '.' decimal point, ',' thousands grouping, "E+0"-style
// exponents, quoted literal text. Digits are rounded half away from zero. Never raises:
// unknown characters are literal. An empty format or |Value| >= 1E18 gives FloatToStr.
String FormatFloat(const String& Format, Extended Value, const TFormatSettings& Settings = FormatSettings);

// The strict grammar: blanks around, optional sign, digits with only the settings'
// decimal separator, optional exponent. Anything else ("1,000", "INF", "") raises
// EConvertError "'<text>' is not a valid floating point value".
Extended StrToFloat(const String& S, const TFormatSettings& Settings = FormatSettings);
Extended StrToFloatDef(const String& S, Extended Default, const TFormatSettings& Settings = FormatSettings);
bool TryStrToFloat(const String& S, Extended& Value, const TFormatSettings& Settings = FormatSettings);
bool TryStrToFloat(const String& S, double& Value, const TFormatSettings& Settings = FormatSettings);
bool TextToFloat(const String& S, Extended& Value, const TFormatSettings& Settings = FormatSettings);
bool TextToFloat(const String& S, double& Value, const TFormatSettings& Settings = FormatSettings);

namespace platform::detail {
// Appends FloatToStrF's text to Out (for Format, which builds one text from many parts).
void AppendFloatText(String& Out, Extended Value, TFloatFormat Format, int Precision, int Digits,
                     const TFormatSettings& Settings);
} // namespace platform::detail
