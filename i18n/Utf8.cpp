#include "i18n/Utf8.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/StrUtils.h"

#include <algorithm>

namespace {

[[noreturn]] void invalidSequence() {
    throw Exception(QStringLiteral("Invalid byte sequence encountered in utf-8 string"));
}

[[noreturn]] void unexpectedEnd() {
    throw Exception(
        QStringLiteral("Utf-8 string terminated unexpectedly in the middle of a multibyte sequence"));
}

char* put3(char* out, unsigned c) {
    *out++ = char(0xE0 | (c >> 12));
    *out++ = char(0x80 | ((c >> 6) & 0x3F));
    *out++ = char(0x80 | (c & 0x3F));
    return out;
}

char16_t asciiLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

bool sameIgnoringAsciiCase(const QChar* a, const QChar* b, qsizetype n) {
    for (qsizetype i = 0; i < n; ++i)
        if (asciiLower(a[i].unicode()) != asciiLower(b[i].unicode())) return false;
    return true;
}

} // namespace

// Both conversions write into a buffer sized for the longest possible result and cut it
// to the length written: one UTF-16 unit gives at most 3 bytes (a pair gives 4 for 2 units),
// and one byte gives at most one UTF-16 unit (4 bytes give 2 units).
AnsiString Utf8EncodeText(const String& Text) {
    const qsizetype n = Text.size();
    AnsiString out(std::size_t(n) * 3, '\0');
    char* o = out.data();
    const char16_t* s = reinterpret_cast<const char16_t*>(Text.constData());
    for (qsizetype i = 0; i < n; ++i) {
        const unsigned c = s[i];
        if (c < 0x80) {
            *o++ = char(c);
        } else if (c < 0x800) {
            *o++ = char(0xC0 | (c >> 6));
            *o++ = char(0x80 | (c & 0x3F));
        } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            const unsigned cp = 0x10000 + ((c - 0xD800) << 10) + (unsigned(s[i + 1]) - 0xDC00);
            ++i;
            *o++ = char(0xF0 | (cp >> 18));
            *o++ = char(0x80 | ((cp >> 12) & 0x3F));
            *o++ = char(0x80 | ((cp >> 6) & 0x3F));
            *o++ = char(0x80 | (cp & 0x3F));
        } else {
            o = put3(o, c);
        }
    }
    out.resize(std::size_t(o - out.data()));
    return out;
}

String Utf8DecodeText(const AnsiString& Bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(Bytes.data());
    const std::size_t n = Bytes.size();
    String out(qsizetype(n), Qt::Uninitialized);
    char16_t* o = reinterpret_cast<char16_t*>(out.data());
    char16_t* const begin = o;
    std::size_t i = 0;
    while (i < n) {
        const unsigned b = p[i++];
        if (b < 0x80) {
            *o++ = char16_t(b);
            continue;
        }
        int more;
        unsigned cp;
        unsigned minimum;
        if (b >= 0xC0 && b <= 0xDF) {
            more = 1;
            cp = b & 0x1F;
            minimum = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            more = 2;
            cp = b & 0x0F;
            minimum = 0x800;
        } else if (b >= 0xF0 && b <= 0xF7) {
            more = 3;
            cp = b & 0x07;
            minimum = 0x10000;
        } else {
            // A continuation byte outside a sequence, or a lead byte of the obsolete
            // 5- and 6-byte forms, or 0xFE/0xFF.
            invalidSequence();
        }
        for (int k = 0; k < more; ++k) {
            if (i >= n) unexpectedEnd();
            const unsigned c = p[i++];
            if ((c & 0xC0) != 0x80) invalidSequence();
            cp = (cp << 6) | (c & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF) invalidSequence();
        if (cp >= 0x10000) {
            cp -= 0x10000;
            *o++ = char16_t(0xD800 + (cp >> 10));
            *o++ = char16_t(0xDC00 + (cp & 0x3FF));
        } else {
            *o++ = char16_t(cp);
        }
    }
    out.truncate(qsizetype(o - begin));
    return out;
}

AnsiString RemoveCarriageReturns(const AnsiString& Bytes) {
    if (Bytes.find('\r') == AnsiString::npos) return Bytes;
    AnsiString out;
    out.reserve(Bytes.size());
    for (char c : Bytes)
        if (c != '\r') out += c;
    return out;
}

AnsiString LfToCrLf(const AnsiString& Bytes) {
    if (Bytes.find('\n', 1) == AnsiString::npos) return Bytes;
    AnsiString out;
    out.reserve(Bytes.size() + 8);
    for (std::size_t i = 0; i < Bytes.size(); ++i) {
        const char c = Bytes[i];
        if (c == '\n' && i > 0 && Bytes[i - 1] != '\r') out += '\r';
        out += c;
    }
    return out;
}

AnsiString TrimUtf8(const AnsiString& Bytes, int Start, int Length) {
    const std::size_t first = std::size_t(std::max(Start, 1) - 1);
    if (first >= Bytes.size() || Length <= 0) return AnsiString();
    return Trim(Bytes.substr(first, std::size_t(Length)));
}

bool StartsWithExact(const String& Text, const String& Part) {
    return Text.startsWith(Part, Qt::CaseSensitive);
}

bool StartsWithIgnoringAsciiCase(const String& Text, const String& Part) {
    return Part.size() <= Text.size() &&
           sameIgnoringAsciiCase(Text.constData(), Part.constData(), Part.size());
}

bool EndsWithExact(const String& Text, const String& Part) {
    return Text.endsWith(Part, Qt::CaseSensitive);
}

bool EndsWithIgnoringAsciiCase(const String& Text, const String& Part) {
    return Part.size() <= Text.size() && sameIgnoringAsciiCase(Text.constData() + (Text.size() - Part.size()),
                                                               Part.constData(), Part.size());
}
