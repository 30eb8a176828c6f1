#include "platform/rtl/StrUtils.h"

#include <QStringDecoder>

#include <algorithm>

namespace platform::detail {
namespace {

// Characters of Windows-1252 in 0x80..0x9F. The five bytes the code page leaves undefined
// map to the C1 control of the same value, as the system's own conversion does, so every
// byte converts and converts back.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool DecodeCp1252(const AnsiString& s, String& out) {
    out.resize(qsizetype(s.size()));
    QChar* d = out.data();
    for (unsigned char c : s)
        *d++ = QChar(c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : char16_t(c));
    return true;
}

bool EncodeCp1252(const String& s, AnsiString& out) {
    out.clear();
    out.reserve(std::size_t(s.size()));
    for (QChar ch : s) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.push_back(char(u));
            continue;
        }
        const auto* hit = std::find(std::begin(kCp1252High), std::end(kCp1252High), u);
        if (hit == std::end(kCp1252High)) return false;
        out.push_back(char(0x80 + (hit - std::begin(kCp1252High))));
    }
    return true;
}

// Strict UTF-8: rejects truncated and overlong sequences, encoded surrogates and values
// above U+10FFFF.
bool DecodeUtf8Strict(const AnsiString& s, String& out) {
    out.clear();
    out.reserve(qsizetype(s.size()));
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        const unsigned char c = *p++;
        if (c < 0x80) {
            out.append(QChar(char16_t(c)));
            continue;
        }
        int extra;
        char32_t cp;
        char32_t min;
        if ((c & 0xE0) == 0xC0) {
            extra = 1, cp = c & 0x1F, min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, cp = c & 0x0F, min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, cp = c & 0x07, min = 0x10000;
        } else {
            return false;
        }
        if (end - p < extra) return false;
        for (int i = 0; i < extra; ++i) {
            const unsigned char t = *p++;
            if ((t & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        if (cp >= 0x10000) {
            out.append(QChar(QChar::highSurrogate(cp)));
            out.append(QChar(QChar::lowSurrogate(cp)));
        } else {
            out.append(QChar(char16_t(cp)));
        }
    }
    return true;
}

// Unpaired surrogates make the conversion fail (strict) or become U+FFFD (lenient).
bool EncodeUtf8(const String& s, AnsiString& out, bool strict) {
    out.clear();
    out.reserve(std::size_t(s.size()));
    const auto put = [&out](char32_t cp) {
        if (cp < 0x80) {
            out.push_back(char(cp));
        } else if (cp < 0x800) {
            out.push_back(char(0xC0 | (cp >> 6)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | (cp >> 12)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (cp >> 18)));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    };
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = s[i];
        if (!ch.isSurrogate()) {
            put(ch.unicode());
        } else if (ch.isHighSurrogate() && i + 1 < n && s[i + 1].isLowSurrogate()) {
            put(QChar::surrogateToUcs4(ch, s[i + 1]));
            ++i;
        } else if (strict) {
            out.clear();
            return false;
        } else {
            put(0xFFFD);
        }
    }
    return true;
}

bool IsBlank(QChar c) {
    return c.unicode() <= 0x20;
}

char16_t AsciiUpper(char16_t c) {
    return c >= 'a' && c <= 'z' ? char16_t(c - 32) : c;
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

} // namespace
} // namespace platform::detail

using namespace platform::detail;

// ---- Code pages -------------------------------------------------------------------------

unsigned GetACP() {
    return CP_UTF8;
}

bool GetCPInfo(unsigned CodePage, TCPInfo& Info) {
    Info = TCPInfo();
    if (CodePage == CP_ACP || CodePage == CP_UTF8) {
        Info.MaxCharSize = 4;
        return true;
    }
    return CodePage == CP_WINDOWS_1252;
}

String AnsiToString(const AnsiString& s) {
    // A leading byte-order mark is kept as U+FEFF, like every other character.
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(s.data(), qsizetype(s.size())));
}

AnsiString StringToAnsi(const String& s) {
    AnsiString out;
    EncodeUtf8(s, out, false);
    return out;
}

bool TryAnsiToString(const AnsiString& s, unsigned CodePage, String& Result) {
    bool ok = false;
    if (CodePage == CP_ACP || CodePage == CP_UTF8)
        ok = DecodeUtf8Strict(s, Result);
    else if (CodePage == CP_WINDOWS_1252)
        ok = DecodeCp1252(s, Result);
    if (!ok) Result.clear();
    return ok;
}

bool TryStringToAnsi(const String& s, unsigned CodePage, AnsiString& Result) {
    bool ok = false;
    if (CodePage == CP_ACP || CodePage == CP_UTF8)
        ok = EncodeUtf8(s, Result, true);
    else if (CodePage == CP_WINDOWS_1252)
        ok = EncodeCp1252(s, Result);
    if (!ok) Result.clear();
    return ok;
}

// ---- Trimming and case ------------------------------------------------------------------

String Trim(const String& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return b == 0 && e == s.size() ? s : s.mid(b, e - b);
}

String TrimLeft(const String& s) {
    qsizetype b = 0;
    while (b < s.size() && IsBlank(s[b]))
        ++b;
    return b == 0 ? s : s.mid(b);
}

String TrimRight(const String& s) {
    qsizetype e = s.size();
    while (e > 0 && IsBlank(s[e - 1]))
        --e;
    return e == s.size() ? s : s.left(e);
}

AnsiString Trim(const AnsiString& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 0x20)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 0x20)
        --e;
    return s.substr(b, e - b);
}

String UpperCase(const String& s) {
    String r = s;
    for (QChar& c : r)
        c = QChar(AsciiUpper(c.unicode()));
    return r;
}

String LowerCase(const String& s) {
    String r = s;
    for (QChar& c : r)
        if (c.unicode() >= 'A' && c.unicode() <= 'Z') c = QChar(char16_t(c.unicode() + 32));
    return r;
}

AnsiString UpperCase(const AnsiString& s) {
    AnsiString r = s;
    for (char& c : r)
        if (c >= 'a' && c <= 'z') c = char(c - 32);
    return r;
}

AnsiString LowerCase(const AnsiString& s) {
    AnsiString r = s;
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = char(c + 32);
    return r;
}

String AnsiUpperCase(const String& s) {
    return s.toUpper();
}
String AnsiLowerCase(const String& s) {
    return s.toLower();
}

// ---- Comparison -------------------------------------------------------------------------

int CompareStr(const String& a, const String& b) {
    return Sign(QString::compare(a, b, Qt::CaseSensitive));
}

int CompareText(const String& a, const String& b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = AsciiUpper(a[i].unicode()), y = AsciiUpper(b[i].unicode());
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool SameText(const String& a, const String& b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

int AnsiCompareText(const String& a, const String& b) {
    return Sign(QString::compare(a, b, Qt::CaseInsensitive));
}

bool AnsiSameText(const String& a, const String& b) {
    return AnsiCompareText(a, b) == 0;
}

int AnsiCompareStr(const String& a, const String& b) {
    if (const int r = AnsiCompareText(a, b)) return r;
    // Equal but for case: the lower-case letter (the higher code unit) comes first.
    return -CompareStr(a, b);
}

// ---- 1-based position helpers ------------------------------------------------------------

int Pos(const String& Sub, const String& s) {
    return PosEx(Sub, s, 1);
}

int PosEx(const String& Sub, const String& s, int Offset) {
    if (Sub.isEmpty() || Offset < 1 || Offset > s.size()) return 0;
    return int(s.indexOf(Sub, Offset - 1, Qt::CaseSensitive)) + 1;
}

String Copy(const String& s, int Index, int Count) {
    if (Index < 1) Index = 1;
    if (Count < 1 || Index > s.size()) return String();
    return s.mid(Index - 1, std::min<qsizetype>(Count, s.size() - (Index - 1)));
}

void Delete(String& s, int Index, int Count) {
    if (Index < 1 || Index > s.size() || Count < 1) return;
    s.remove(Index - 1, std::min<qsizetype>(Count, s.size() - (Index - 1)));
}

void Insert(const String& Source, String& s, int Index) {
    const qsizetype at = std::clamp<qsizetype>(Index, 1, s.size() + 1) - 1;
    s.insert(at, Source);
}

// ---- Replacing and building --------------------------------------------------------------

String StringReplace(const String& s, const String& OldPattern, const String& NewPattern,
                     TReplaceFlags Flags) {
    if (OldPattern.isEmpty()) return s;
    const Qt::CaseSensitivity cs = Flags.Contains(rfIgnoreCase) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    String result;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = s.indexOf(OldPattern, from, cs);
        if (at < 0) break;
        result += QStringView(s).mid(from, at - from);
        result += NewPattern;
        from = at + OldPattern.size();
        if (!Flags.Contains(rfReplaceAll)) break;
    }
    if (from == 0) return s;
    result += QStringView(s).mid(from);
    return result;
}

String StringOfChar(QChar Ch, int Count) {
    return Count < 1 ? String() : String(Count, Ch);
}

String StripHotkey(const String& Text) {
    String r;
    r.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        if (Text[i] == u'&') {
            // "&&" stands for one "&": keep the second and step over it.
            if (i + 1 < Text.size() && Text[i + 1] == u'&') r += u'&', ++i;
            continue;
        }
        r += Text[i];
    }
    return r;
}
