// Integers as text and back: decimal and hexadecimal output, and the runtime's integer
// grammar (optional leading blanks, a sign, decimal digits or "$"/"0x" hexadecimal).
#pragma once

#include "platform/rtl/Types.h"

#include <concepts>
#include <type_traits>

String IntToStr(Int64 Value);
String UIntToStr(UInt64 Value);
// Any integer type: signed types print with '-', unsigned types never.
template <std::integral T> String IntToStr(T Value) {
    if constexpr (std::is_signed_v<T>)
        return IntToStr(static_cast<Int64>(Value));
    else
        return UIntToStr(static_cast<UInt64>(Value));
}

// Upper-case hexadecimal with at least Digits digits. A negative value shows its two's
// complement in the width of its type (IntToHex(-1, 1) = "FFFFFFFF" for an int).
String IntToHex(UInt64 Value, int Digits);
template <std::integral T> String IntToHex(T Value, int Digits) {
    return IntToHex(static_cast<UInt64>(static_cast<std::make_unsigned_t<T>>(Value)), Digits);
}

// Raise EConvertError "'<text>' is not a valid integer value" for an empty text, a stray
// character or a value out of range. Hexadecimal texts may use the whole unsigned range
// and are taken as its two's complement ("$FFFFFFFF" gives -1).
int StrToInt(const String& S);
Int64 StrToInt64(const String& S);
int StrToIntDef(const String& S, int Default);
Int64 StrToInt64Def(const String& S, Int64 Default);
bool TryStrToInt(const String& S, int& Value);
bool TryStrToInt64(const String& S, Int64& Value);
