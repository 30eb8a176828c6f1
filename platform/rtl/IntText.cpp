#include "platform/rtl/IntText.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ResStrings.h"

namespace {

String DecimalText(UInt64 magnitude, bool negative) {
    char16_t buf[24];
    char16_t* end = buf + 24;
    char16_t* p = end;
    do {
        *--p = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) *--p = u'-';
    return String(reinterpret_cast<const QChar*>(p), end - p);
}

// Parses the runtime's integer grammar. bits is 32 or 64; the result is sign-extended.
bool ParseInteger(const String& s, int bits, Int64& value) {
    const QChar* p = s.constData();
    const QChar* end = p + s.size();
    while (p < end && *p == u' ')
        ++p;
    bool negative = false;
    if (p < end && (*p == u'-' || *p == u'+')) negative = *p++ == u'-';
    bool hex = false;
    if (p < end && *p == u'$') {
        hex = true;
        ++p;
    } else if (end - p >= 2 && p[0] == u'0' && (p[1] == u'x' || p[1] == u'X')) {
        hex = true;
        p += 2;
    }
    if (p == end) return false;

    const UInt64 unsignedMax = bits == 32 ? 0xFFFFFFFFull : ~UInt64(0);
    // Largest decimal magnitude: the signed maximum, one more for a negative value.
    const UInt64 signedLimit = (UInt64(1) << (bits - 1)) - (negative ? 0 : 1);
    const UInt64 limit = hex ? unsignedMax : signedLimit;
    const unsigned base = hex ? 16 : 10;
    UInt64 mag = 0;
    for (; p < end; ++p) {
        const char16_t c = p->unicode();
        unsigned d;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        else
            return false;
        if (mag > (limit - d) / base) return false;
        mag = mag * base + d;
    }
    UInt64 bitsValue = negative ? UInt64(0) - mag : mag;
    if (bits == 32)
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(bitsValue));
    else
        value = static_cast<Int64>(bitsValue);
    return true;
}

[[noreturn]] void RaiseInvalidInteger(const String& s) {
    throw EConvertError(Format(LoadResString(&SInvalidInteger), {s}));
}

} // namespace

String IntToStr(Int64 Value) {
    const bool negative = Value < 0;
    return DecimalText(negative ? UInt64(0) - UInt64(Value) : UInt64(Value), negative);
}

String UIntToStr(UInt64 Value) {
    return DecimalText(Value, false);
}

String IntToHex(UInt64 Value, int Digits) {
    static const char16_t kHex[] = u"0123456789ABCDEF";
    char16_t buf[16];
    int n = 0;
    do {
        buf[15 - n++] = kHex[Value & 15];
        Value >>= 4;
    } while (Value != 0);
    String out;
    if (Digits > n) {
        out.reserve(Digits);
        out.fill(u'0', Digits - n);
    }
    out.append(reinterpret_cast<const QChar*>(buf + 16 - n), n);
    return out;
}

bool TryStrToInt(const String& S, int& Value) {
    Int64 v;
    if (!ParseInteger(S, 32, v)) return false;
    Value = static_cast<int>(v);
    return true;
}

bool TryStrToInt64(const String& S, Int64& Value) {
    return ParseInteger(S, 64, Value);
}

int StrToInt(const String& S) {
    int v;
    if (!TryStrToInt(S, v)) RaiseInvalidInteger(S);
    return v;
}

Int64 StrToInt64(const String& S) {
    Int64 v;
    if (!TryStrToInt64(S, v)) RaiseInvalidInteger(S);
    return v;
}

int StrToIntDef(const String& S, int Default) {
    int v;
    return TryStrToInt(S, v) ? v : Default;
}

Int64 StrToInt64Def(const String& S, Int64 Default) {
    Int64 v;
    return TryStrToInt64(S, v) ? v : Default;
}
