// Two text-formatting families. Format is the runtime's own: "%d %u %x %s %g %f %e %n %m
// %p", argument indexes ("%1:s %0:s"), width, precision and '*', upper-case hexadecimal,
// the locale's decimal separator, and EConvertError for a format that does not fit its
// arguments. Sprintf is C's printf, in the C locale, for the texts written in C style
// ("%x" lower case, "%02X", "%i", "%c").
#pragma once

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Types.h"

#include <cstddef>
#include <initializer_list>
#include <span>

// One argument of Format. It refers to string arguments without copying them, so it is
// meant for argument lists that live as long as the call: Format("%d of %s", {3, name}).
class TVarRec {
public:
    enum TKind : Byte {
        vtInteger, // 32-bit signed
        vtInt64,
        vtUInt64,
        vtExtended,
        vtString,
        vtPChar,      // 8-bit text (UTF-8)
        vtPWideChar,  // UTF-16 text
        vtAnsiString, // UTF-8
        vtChar,
        vtPointer,
    };

    TVarRec(int v) : Kind(vtInteger) { I = v; }
    TVarRec(unsigned v) : Kind(vtInt64) { I = v; }
    TVarRec(long v) : Kind(vtInt64) { I = v; }
    TVarRec(long long v) : Kind(vtInt64) { I = v; }
    TVarRec(unsigned long v) : Kind(vtUInt64) { U = v; }
    TVarRec(unsigned long long v) : Kind(vtUInt64) { U = v; }
    TVarRec(double v) : Kind(vtExtended) { E = v; }
    TVarRec(long double v) : Kind(vtExtended) { E = v; }
    TVarRec(char c) : Kind(vtChar) { C = static_cast<unsigned char>(c); }
    TVarRec(QChar c) : Kind(vtChar) { C = c.unicode(); }
    TVarRec(const String& s) : Kind(vtString) { S = &s; }
    TVarRec(const char* s) : Kind(vtPChar) { PC = s; }
    TVarRec(const char16_t* s) : Kind(vtPWideChar) { PW = s; }
    TVarRec(const AnsiString& s) : Kind(vtAnsiString) { AS = &s; }
    TVarRec(const void* p) : Kind(vtPointer) { P = p; }
    TVarRec(std::nullptr_t) : Kind(vtPointer) { P = nullptr; }

    TKind Kind;
    union {
        Int64 I;
        UInt64 U;
        Extended E;
        char16_t C;
        const String* S;
        const char* PC;
        const char16_t* PW;
        const AnsiString* AS;
        const void* P;
    };
};

String Format(const String& Fmt, std::initializer_list<TVarRec> Args);
String Format(const String& Fmt, std::initializer_list<TVarRec> Args, const TFormatSettings& Settings);
String Format(const String& Fmt, std::span<const TVarRec> Args,
              const TFormatSettings& Settings = FormatSettings);

// C's snprintf semantics, always in the C locale ("." as decimal point).
AnsiString Sprintf(const char* Fmt, ...) __attribute__((format(printf, 1, 2)));
