// The engine's UTF-8 routines. Catalogue contents are UTF-8 bytes (held in AnsiString);
// every translated text passes through these conversions at the edge between the
// catalogue and the UTF-16 texts of the user interface.
#pragma once

#include "platform/rtl/Types.h"

// UTF-16 text to UTF-8. A surrogate pair becomes one 4-byte sequence; a lone surrogate
// half is kept as its own 3-byte sequence, so that any text survives a round trip.
AnsiString Utf8EncodeText(const String& Text);
// Strict UTF-8 to UTF-16: characters above U+FFFF become surrogate pairs. Overlong forms,
// 5- and 6-byte forms, values above U+10FFFF, stray continuation bytes and the bytes
// 0xF8..0xFF raise Exception "Invalid byte sequence encountered in utf-8 string"; a text
// that ends inside a sequence raises "Utf-8 string terminated unexpectedly in the middle
// of a multibyte sequence".
String Utf8DecodeText(const AnsiString& Bytes);

// Bytes without any CR.
AnsiString RemoveCarriageReturns(const AnsiString& Bytes);
// Every LF not preceded by CR gets one, except an LF in the first position.
AnsiString LfToCrLf(const AnsiString& Bytes);
// The part of Bytes from Start (1-based; below 1 counts as 1) over Length bytes (cut to
// the text) without the bytes 0..32 at either end.
AnsiString TrimUtf8(const AnsiString& Bytes, int Start, int Length);

// Whether Text starts (ends) with Part: exactly, or with ASCII letters compared without
// regard to case.
bool StartsWithExact(const String& Text, const String& Part);
bool StartsWithIgnoringAsciiCase(const String& Text, const String& Part);
bool EndsWithExact(const String& Text, const String& Part);
bool EndsWithIgnoringAsciiCase(const String& Text, const String& Part);
