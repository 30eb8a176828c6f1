#include "platform/rtl/FloatText.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ResStrings.h"

#include <QVarLengthArray>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr int kMaxDigits = 18; // significant decimal digits of an Extended

// A value as decimal digits: Value = 0.D1D2...Dn x 10^Exponent, no trailing zeros.
// Count 0 means the value (after rounding) is zero; Negative is then false.
struct Decimal {
    int Exponent = 0;
    int Count = 0;
    bool Negative = false;
    char Digits[kMaxDigits + 2] = {};
};

enum class Special { None, NaN, PosInf, NegInf };

Special Classify(Extended v) {
    if (std::isnan(v)) return Special::NaN;
    if (std::isinf(v)) return v < 0 ? Special::NegInf : Special::PosInf;
    return Special::None;
}

// Rounds |v| to at most Precision significant digits and at most Decimals digits after the
// decimal point. The digits come from a correctly rounded 18-digit expansion, rounded
// again half away from zero, as the runtime's decimal conversion did.
void ToDecimal(Extended v, int precision, int decimals, Decimal& d) {
    d = Decimal();
    char buf[64];
    const bool isDouble = static_cast<Extended>(static_cast<double>(v)) == v;
    const Extended mag = std::fabs(v);
    std::to_chars_result r =
        isDouble ? std::to_chars(buf, buf + sizeof buf, static_cast<double>(mag),
                                 std::chars_format::scientific, kMaxDigits - 1)
                 : std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::scientific, kMaxDigits - 1);
    // buf = "d.ddddddddddddddddde[+-]xx"
    char digits[kMaxDigits];
    digits[0] = buf[0];
    std::copy(buf + 2, buf + 1 + kMaxDigits, digits + 1);
    const char* e = buf + 1 + kMaxDigits; // at 'e'
    int exp10 = 0;
    std::from_chars(e + 2, r.ptr, exp10);
    if (e[1] == '-') exp10 = -exp10;
    if (digits[0] == '0') return; // zero
    int exponent = exp10 + 1;

    const long long keepLong = std::min<long long>(precision, static_cast<long long>(exponent) + decimals);
    int keep = static_cast<int>(keepLong);
    if (keep < 0) return;
    if (keep == 0) {
        if (digits[0] < '5') return;
        d.Digits[0] = '1';
        d.Count = 1;
        d.Exponent = exponent + 1;
        d.Negative = v < 0;
        return;
    }
    std::copy(digits, digits + keep, d.Digits);
    if (keep < kMaxDigits && digits[keep] >= '5') {
        int i = keep - 1;
        while (i >= 0 && d.Digits[i] == '9')
            d.Digits[i--] = '0';
        if (i >= 0) {
            ++d.Digits[i];
        } else {
            d.Digits[0] = '1';
            keep = 1;
            ++exponent;
        }
    }
    while (keep > 0 && d.Digits[keep - 1] == '0')
        --keep;
    if (keep == 0) return;
    d.Count = keep;
    d.Exponent = exponent;
    d.Negative = v < 0;
}

// A small text buffer on the stack for one number.
struct Buf {
    char16_t Chars[96];
    int Len = 0;
    void Put(char16_t c) { Chars[Len++] = c; }
    void Put(QChar c) { Chars[Len++] = c.unicode(); }
    void PutExponent(int value, int minDigits) {
        char tmp[12];
        auto r = std::to_chars(tmp, tmp + sizeof tmp, value);
        for (int n = static_cast<int>(r.ptr - tmp); n < minDigits; ++n)
            Put(u'0');
        for (const char* p = tmp; p < r.ptr; ++p)
            Put(char16_t(*p));
    }
};

char16_t DigitAt(const Decimal& d, int exponent, int pos) {
    const int idx = exponent - 1 - pos;
    return idx >= 0 && idx < d.Count ? char16_t(d.Digits[idx]) : u'0';
}

void AppendSpecial(String& out, Special s) {
    out += s == Special::NaN      ? QLatin1String("NAN")
           : s == Special::PosInf ? QLatin1String("INF")
                                  : QLatin1String("-INF");
}

void LayoutGeneral(Buf& b, const Decimal& d, int precision, int expDigits, QChar sep) {
    if (d.Count == 0) {
        b.Put(u'0');
        return;
    }
    if (d.Negative) b.Put(u'-');
    if (d.Exponent > precision || d.Exponent < -3) {
        b.Put(char16_t(d.Digits[0]));
        if (d.Count > 1) {
            b.Put(sep);
            for (int i = 1; i < d.Count; ++i)
                b.Put(char16_t(d.Digits[i]));
        }
        b.Put(u'E');
        const int e = d.Exponent - 1;
        if (e < 0) b.Put(u'-');
        b.PutExponent(e < 0 ? -e : e, expDigits);
    } else if (d.Exponent <= 0) {
        b.Put(u'0');
        b.Put(sep);
        for (int i = d.Exponent; i < 0; ++i)
            b.Put(u'0');
        for (int i = 0; i < d.Count; ++i)
            b.Put(char16_t(d.Digits[i]));
    } else {
        for (int pos = d.Exponent - 1; pos >= 0; --pos)
            b.Put(DigitAt(d, d.Exponent, pos));
        if (d.Count > d.Exponent) {
            b.Put(sep);
            for (int i = d.Exponent; i < d.Count; ++i)
                b.Put(char16_t(d.Digits[i]));
        }
    }
}

void LayoutExponent(Buf& b, const Decimal& d, int precision, int expDigits, QChar sep) {
    if (d.Negative) b.Put(u'-');
    b.Put(d.Count > 0 ? char16_t(d.Digits[0]) : u'0');
    if (precision > 1) {
        b.Put(sep);
        for (int i = 1; i < precision; ++i)
            b.Put(i < d.Count ? char16_t(d.Digits[i]) : u'0');
    }
    b.Put(u'E');
    const int e = d.Count > 0 ? d.Exponent - 1 : 0;
    b.Put(e < 0 ? u'-' : u'+');
    b.PutExponent(e < 0 ? -e : e, expDigits);
}

// The unsigned digits of the fixed forms, grouped by three when thousands is set.
void LayoutFixedDigits(Buf& b, const Decimal& d, int decimals, bool thousands, const TFormatSettings& fs) {
    const int exponent = d.Count > 0 ? d.Exponent : 0;
    if (exponent <= 0) {
        b.Put(u'0');
    } else {
        for (int pos = exponent - 1; pos >= 0; --pos) {
            b.Put(DigitAt(d, exponent, pos));
            if (thousands && pos > 0 && pos % 3 == 0) b.Put(fs.ThousandSeparator);
        }
    }
    if (decimals > 0) {
        b.Put(fs.DecimalSeparator);
        for (int pos = -1; pos >= -decimals; --pos)
            b.Put(DigitAt(d, exponent, pos));
    }
}

} // namespace

namespace platform::detail {

void AppendFloatText(String& out, Extended value, TFloatFormat format, int precision, int digits,
                     const TFormatSettings& fs) {
    const Special special = Classify(value);
    if (special != Special::None) {
        AppendSpecial(out, special);
        return;
    }
    precision = std::clamp(precision, 1, kMaxDigits);
    Decimal d;
    Buf b;
    switch (format) {
    case ffExponent:
        ToDecimal(value, precision, 9999, d);
        LayoutExponent(b, d, precision, std::clamp(digits, 0, 4), fs.DecimalSeparator);
        break;
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
        digits = std::clamp(digits, 0, kMaxDigits);
        ToDecimal(value, precision, digits, d);
        if (d.Count > 0 && d.Exponent > precision) {
            LayoutGeneral(b, d, precision, std::clamp(digits, 0, 4), fs.DecimalSeparator);
            break;
        }
        if (format == ffCurrency) {
            Buf number;
            LayoutFixedDigits(number, d, digits, true, fs);
            for (const char* p =
                     CurrencyPattern(d.Negative, d.Negative ? fs.NegCurrFormat : fs.CurrencyFormat);
                 *p; ++p) {
                if (*p == '$')
                    out += fs.CurrencyString;
                else if (*p == '1')
                    out.append(reinterpret_cast<const QChar*>(number.Chars), number.Len);
                else
                    out += QChar(char16_t(*p));
            }
            return;
        }
        if (d.Negative) b.Put(u'-');
        LayoutFixedDigits(b, d, digits, format == ffNumber, fs);
        break;
    }
    case ffGeneral:
    default:
        ToDecimal(value, precision, 9999, d);
        LayoutGeneral(b, d, precision, std::clamp(digits, 0, 4), fs.DecimalSeparator);
        break;
    }
    out.append(reinterpret_cast<const QChar*>(b.Chars), b.Len);
}

} // namespace platform::detail

String FloatToStr(Extended Value, const TFormatSettings& Settings) {
    String out;
    out.reserve(24);
    platform::detail::AppendFloatText(out, Value, ffGeneral, 15, 0, Settings);
    return out;
}

String FloatToStrF(Extended Value, TFloatFormat Format, int Precision, int Digits,
                   const TFormatSettings& Settings) {
    String out;
    out.reserve(32);
    platform::detail::AppendFloatText(out, Value, Format, Precision, Digits, Settings);
    return out;
}

// ---------------------------------------------------------------------------------------
// FormatFloat

namespace {

struct Section {
    qsizetype Begin = 0, End = 0;
    bool empty() const { return Begin == End; }
};

qsizetype SkipQuoted(const String& f, qsizetype i, qsizetype end) {
    const QChar q = f[i];
    ++i;
    while (i < end && f[i] != q)
        ++i;
    return i < end ? i + 1 : end;
}

// What a section asks for, from one scan of its characters.
struct Layout {
    int Before = 0; // digit placeholders before the decimal point
    int MinInt = 0; // integer digits always shown (from the leftmost '0')
    int After = 0;  // placeholders after the decimal point
    int MinDec = 0; // decimals always shown (up to the rightmost '0')
    bool Point = false;
    bool Thousands = false;
    bool Scientific = false;
};

bool IsExponentAt(const String& f, qsizetype i, qsizetype end) {
    return (f[i] == u'E' || f[i] == u'e') && i + 1 < end && (f[i + 1] == u'+' || f[i + 1] == u'-');
}

Layout ScanSection(const String& f, Section s) {
    Layout l;
    int firstZero = -1;
    for (qsizetype i = s.Begin; i < s.End;) {
        const QChar c = f[i];
        if (c == u'"' || c == u'\'') {
            i = SkipQuoted(f, i, s.End);
            continue;
        }
        if (c == u'0' || c == u'#') {
            if (!l.Point) {
                if (c == u'0' && firstZero < 0) firstZero = l.Before;
                ++l.Before;
            } else {
                ++l.After;
                if (c == u'0') l.MinDec = l.After;
            }
        } else if (c == u'.') {
            l.Point = true;
        } else if (c == u',') {
            l.Thousands = true;
        } else if (!l.Scientific && IsExponentAt(f, i, s.End)) {
            l.Scientific = true;
            i += 2;
            while (i < s.End && (f[i] == u'0' || f[i] == u'#'))
                ++i;
            continue;
        }
        ++i;
    }
    if (firstZero >= 0) l.MinInt = l.Before - firstZero;
    return l;
}

void RoundForSection(Extended v, const Layout& l, Decimal& d) {
    if (l.Scientific)
        ToDecimal(v, std::clamp(l.Before + l.After, 1, 15), 9999, d);
    else
        ToDecimal(v, 15, l.After, d);
}

void EmitSection(String& out, const String& f, Section s, const Layout& l, const Decimal& d, bool sign,
                 const TFormatSettings& fs) {
    // The decimal exponent the placeholders are laid out against.
    int exponent = d.Count > 0 ? d.Exponent : 0;
    int shownExponent = 0;
    if (l.Scientific && d.Count > 0) {
        shownExponent = d.Exponent - l.Before;
        exponent = l.Before;
    }
    const int nInt = std::max(std::max(exponent, 0), l.MinInt);
    const int nDec = std::max(l.MinDec, std::min(l.After, std::max(0, d.Count - exponent)));

    auto putInt = [&](int pos) {
        out += QChar(DigitAt(d, exponent, pos));
        if (l.Thousands && pos > 0 && pos % 3 == 0) out += fs.ThousandSeparator;
    };

    if (sign) out += u'-';
    int intSeen = 0, decSeen = 0;
    bool pointSeen = false;
    bool exponentDone = false;
    for (qsizetype i = s.Begin; i < s.End;) {
        const QChar c = f[i];
        if (c == u'"' || c == u'\'') {
            qsizetype j = i + 1;
            while (j < s.End && f[j] != c)
                ++j;
            out.append(f.constData() + i + 1, j - i - 1);
            i = j < s.End ? j + 1 : s.End;
            continue;
        }
        if ((c == u'0' || c == u'#') && !pointSeen) {
            const int pos = l.Before - 1 - intSeen;
            if (intSeen == 0)
                for (int p = nInt - 1; p >= l.Before; --p)
                    putInt(p);
            if (pos < nInt) putInt(pos);
            ++intSeen;
        } else if (c == u'0' || c == u'#') {
            if (decSeen < nDec) out += QChar(DigitAt(d, exponent, -(decSeen + 1)));
            ++decSeen;
        } else if (c == u'.' && !pointSeen) {
            pointSeen = true;
            if (l.Before == 0)
                for (int p = nInt - 1; p >= 0; --p)
                    putInt(p);
            if (nDec > 0) out += fs.DecimalSeparator;
        } else if (c == u',') {
            // grouping flag only
        } else if (!exponentDone && l.Scientific && IsExponentAt(f, i, s.End)) {
            exponentDone = true;
            out += c;
            const bool plus = f[i + 1] == u'+';
            if (shownExponent < 0)
                out += u'-';
            else if (plus)
                out += u'+';
            i += 2;
            int minDigits = 0;
            while (i < s.End && (f[i] == u'0' || f[i] == u'#')) {
                if (f[i] == u'0') ++minDigits;
                ++i;
            }
            const int e = shownExponent < 0 ? -shownExponent : shownExponent;
            char tmp[12];
            auto r = std::to_chars(tmp, tmp + sizeof tmp, e);
            for (int n = static_cast<int>(r.ptr - tmp); n < std::min(std::max(minDigits, 1), 4); ++n)
                out += u'0';
            for (const char* p = tmp; p < r.ptr; ++p)
                out += QChar(char16_t(*p));
            continue;
        } else {
            out += c;
        }
        ++i;
    }
}

} // namespace

String FormatFloat(const String& Format, Extended Value, const TFormatSettings& Settings) {
    const Special special = Classify(Value);
    if (special != Special::None) {
        String out;
        AppendSpecial(out, special);
        return out;
    }
    if (Format.isEmpty() || std::fabs(Value) >= 1e18L) return FloatToStr(Value, Settings);

    Section sections[3];
    int count = 0;
    {
        qsizetype start = 0;
        const qsizetype n = Format.size();
        for (qsizetype i = 0; i < n && count < 2;) {
            const QChar c = Format[i];
            if (c == u'"' || c == u'\'') {
                i = SkipQuoted(Format, i, n);
                continue;
            }
            if (c == u';') {
                sections[count++] = {start, i};
                start = i + 1;
            }
            ++i;
        }
        // The last section runs to the next ';' or the end.
        qsizetype end = start;
        while (end < n && Format[end] != u';') {
            if (Format[end] == u'"' || Format[end] == u'\'')
                end = SkipQuoted(Format, end, n);
            else
                ++end;
        }
        sections[count++] = {start, end};
    }

    auto pick = [&](int index) { return index < count && !sections[index].empty() ? index : 0; };
    int index = Value == 0 ? pick(2) : Value < 0 ? pick(1) : 0;
    Layout layout = ScanSection(Format, sections[index]);
    Decimal d;
    RoundForSection(Value, layout, d);
    if (d.Count == 0 && Value != 0) {
        // Rounds to zero: shown as zero, never as "-0".
        index = pick(2);
        layout = ScanSection(Format, sections[index]);
        RoundForSection(0, layout, d);
    }
    String out;
    out.reserve(Format.size() + 24);
    EmitSection(out, Format, sections[index], layout, d, d.Negative && index == 0, Settings);
    return out;
}

// ---------------------------------------------------------------------------------------
// Text to float

namespace {

// Checks the grammar and writes the number with '.' into ascii. belowOne tells whether
// the magnitude is below 1, so that an out-of-range result can only be an underflow.
bool ScanFloat(const String& s, QChar sep, QVarLengthArray<char, 64>& ascii, bool& belowOne) {
    const QChar* p = s.constData();
    const QChar* end = p + s.size();
    while (p < end && p->unicode() <= 0x20)
        ++p;
    while (end > p && end[-1].unicode() <= 0x20)
        --end;
    if (p < end && (*p == u'+' || *p == u'-')) {
        if (*p == u'-') ascii.append('-');
        ++p;
    }
    int intDigits = 0, fracDigits = 0;
    int leadingValue = -1; // decimal exponent of the first non-zero digit, relative to the point
    int intNonZeroSeen = 0;
    for (; p < end && p->unicode() >= u'0' && p->unicode() <= u'9'; ++p) {
        ascii.append(char(p->unicode()));
        ++intDigits;
        if (p->unicode() != u'0' || intNonZeroSeen) ++intNonZeroSeen;
    }
    if (p < end && *p == sep) {
        ascii.append('.');
        ++p;
        for (; p < end && p->unicode() >= u'0' && p->unicode() <= u'9'; ++p) {
            ascii.append(char(p->unicode()));
            ++fracDigits;
            if (leadingValue < 0 && !intNonZeroSeen && p->unicode() != u'0') leadingValue = fracDigits;
        }
    }
    if (intDigits + fracDigits == 0) return false;
    long long exp10 = 0;
    if (p < end && (*p == u'e' || *p == u'E')) {
        ascii.append('e');
        ++p;
        bool negExp = false;
        if (p < end && (*p == u'+' || *p == u'-')) {
            negExp = *p == u'-';
            ascii.append(char(p->unicode()));
            ++p;
        }
        const QChar* digitsStart = p;
        for (; p < end && p->unicode() >= u'0' && p->unicode() <= u'9'; ++p) {
            ascii.append(char(p->unicode()));
            if (exp10 < 100000000) exp10 = exp10 * 10 + (p->unicode() - u'0');
        }
        if (p == digitsStart) return false;
        if (negExp) exp10 = -exp10;
    }
    if (p != end) return false;
    // Magnitude of the value: 10^(intNonZeroSeen + exp10) or 10^(exp10 - leadingValue + 1).
    const long long order = intNonZeroSeen ? intNonZeroSeen + exp10 : exp10 - leadingValue + 1;
    belowOne = order <= 0;
    return true;
}

template <class T> bool ParseFloat(const String& s, T& value, const TFormatSettings& fs) {
    QVarLengthArray<char, 64> ascii;
    bool tiny = false;
    if (!ScanFloat(s, fs.DecimalSeparator, ascii, tiny)) return false;
    T v{};
    const char* first = ascii.constData();
    const char* last = first + ascii.size();
    const auto r = std::from_chars(first, last, v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Too small to represent is zero; too large is not a valid value.
        if (!tiny) return false;
        v = *first == '-' ? -T(0) : T(0);
    } else if (r.ec != std::errc() || r.ptr != last) {
        return false;
    }
    value = v;
    return true;
}

[[noreturn]] void RaiseInvalidFloat(const String& s) {
    throw EConvertError(Format(LoadResString(&SInvalidFloat), {s}));
}

} // namespace

bool TryStrToFloat(const String& S, Extended& Value, const TFormatSettings& Settings) {
    return ParseFloat(S, Value, Settings);
}

bool TryStrToFloat(const String& S, double& Value, const TFormatSettings& Settings) {
    return ParseFloat(S, Value, Settings);
}

bool TextToFloat(const String& S, Extended& Value, const TFormatSettings& Settings) {
    return ParseFloat(S, Value, Settings);
}

bool TextToFloat(const String& S, double& Value, const TFormatSettings& Settings) {
    return ParseFloat(S, Value, Settings);
}

Extended StrToFloat(const String& S, const TFormatSettings& Settings) {
    Extended v;
    if (!ParseFloat(S, v, Settings)) RaiseInvalidFloat(S);
    return v;
}

Extended StrToFloatDef(const String& S, Extended Default, const TFormatSettings& Settings) {
    Extended v;
    return ParseFloat(S, v, Settings) ? v : Default;
}
