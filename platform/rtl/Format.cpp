#include "platform/rtl/Format.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/ResStrings.h"

#include <algorithm>
#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>

namespace {

// Beyond this a width or precision is certainly a broken format, not a layout.
constexpr int kMaxFieldSize = 1 << 20;

[[noreturn]] void RaiseInvalidFormat(const String& fmt) {
    // The format is put in by hand: formatting the message with Format could fail again
    // (a broken translation) and recurse.
    String text = LoadResString(&SInvalidFormat);
    qsizetype at = text.indexOf(QLatin1String("%s"));
    qsizetype len = 2;
    if (at < 0) {
        at = text.indexOf(QLatin1String("%0:s"));
        len = 4;
    }
    if (at < 0) {
        text = QString::fromUtf8(SInvalidFormat.Text);
        at = text.indexOf(QLatin1String("%s"));
        len = 2;
    }
    throw EConvertError(text.replace(at, len, fmt));
}

// Appends the digits of v in the given base (upper case), at least minDigits of them.
void AppendUnsigned(String& out, UInt64 v, unsigned base, int minDigits) {
    static const char16_t kDigits[] = u"0123456789ABCDEF";
    char16_t buf[64];
    int n = 0;
    do {
        buf[63 - n++] = kDigits[v % base];
        v /= base;
    } while (v != 0);
    for (int i = n; i < minDigits; ++i)
        out += u'0';
    out.append(reinterpret_cast<const QChar*>(buf + 64 - n), n);
}

class Formatter {
public:
    Formatter(const String& fmt, std::span<const TVarRec> args, const TFormatSettings& fs)
        : fmt_(fmt), args_(args), fs_(fs) {}

    String Run() {
        String out;
        out.reserve(fmt_.size() + 16 * qsizetype(args_.size()));
        const QChar* f = fmt_.constData();
        const qsizetype n = fmt_.size();
        qsizetype i = 0;
        while (i < n) {
            qsizetype lit = i;
            while (lit < n && f[lit] != u'%')
                ++lit;
            if (lit > i) out.append(f + i, lit - i);
            i = lit;
            if (i >= n) break;
            ++i; // past '%'
            if (i < n && f[i] == u'%') {
                out += u'%';
                ++i;
                continue;
            }
            i = Spec(out, i);
        }
        return out;
    }

private:
    const TVarRec& NextArg() {
        if (next_ < 0 || next_ >= static_cast<int>(args_.size())) RaiseInvalidFormat(fmt_);
        return args_[next_++];
    }

    // Reads digits or '*' at i; returns false (i unchanged) when there is neither.
    bool Number(qsizetype& i, int& value) {
        const qsizetype n = fmt_.size();
        if (i < n && fmt_[i] == u'*') {
            const TVarRec& a = NextArg();
            if (a.Kind != TVarRec::vtInteger && a.Kind != TVarRec::vtInt64) RaiseInvalidFormat(fmt_);
            if (a.I > kMaxFieldSize || a.I < -kMaxFieldSize) RaiseInvalidFormat(fmt_);
            value = static_cast<int>(a.I);
            ++i;
            return true;
        }
        if (i >= n || fmt_[i] < u'0' || fmt_[i] > u'9') return false;
        int v = 0;
        while (i < n && fmt_[i] >= u'0' && fmt_[i] <= u'9') {
            v = v * 10 + (fmt_[i].unicode() - u'0');
            if (v > kMaxFieldSize) RaiseInvalidFormat(fmt_);
            ++i;
        }
        value = v;
        return true;
    }

    // One specifier after its '%': [index ':'] ['-'] [width] ['.' precision] type.
    qsizetype Spec(String& out, qsizetype i) {
        const qsizetype n = fmt_.size();
        bool left = false;
        int width = -1, precision = -1;
        const qsizetype start = i;
        const int savedNext = next_;
        int value;
        if (Number(i, value)) {
            if (i < n && fmt_[i] == u':') {
                next_ = value;
                ++i;
            } else {
                // Not an index: read it again as the width (a '*' must not consume twice).
                i = start;
                next_ = savedNext;
            }
        }
        if (i < n && fmt_[i] == u'-') {
            left = true;
            ++i;
        }
        if (Number(i, value)) {
            width = value;
            if (width < 0) {
                left = true;
                width = -width;
            }
        }
        if (i < n && fmt_[i] == u'.') {
            ++i;
            if (!Number(i, value)) value = 0;
            precision = value < 0 ? -1 : value;
        }
        if (i >= n) RaiseInvalidFormat(fmt_);
        const char16_t type = fmt_[i].toUpper().unicode();
        ++i;

        const TVarRec& a = NextArg();
        const qsizetype before = out.size();
        switch (type) {
        case u'D':
            Integer(out, a, precision);
            break;
        case u'U':
            Unsigned(out, a, 10, precision);
            break;
        case u'X':
            Unsigned(out, a, 16, precision);
            break;
        case u'S':
            Text(out, a, precision);
            break;
        case u'P':
            if (a.Kind != TVarRec::vtPointer && a.Kind != TVarRec::vtPChar && a.Kind != TVarRec::vtPWideChar)
                RaiseInvalidFormat(fmt_);
            AppendUnsigned(out, reinterpret_cast<UInt64>(a.P), 16, int(2 * sizeof(void*)));
            break;
        case u'E':
            Float(out, a, ffExponent, precision < 0 ? 15 : precision, 3);
            break;
        case u'F':
            Float(out, a, ffFixed, 18, precision < 0 ? 2 : precision);
            break;
        case u'G':
            Float(out, a, ffGeneral, precision < 0 ? 15 : precision, 0);
            break;
        case u'N':
            Float(out, a, ffNumber, 18, precision < 0 ? 2 : precision);
            break;
        case u'M':
            Float(out, a, ffCurrency, 18, precision < 0 ? fs_.CurrencyDecimals : precision);
            break;
        default:
            RaiseInvalidFormat(fmt_);
        }
        const qsizetype len = out.size() - before;
        if (width > len) {
            if (left)
                out.append(String(width - len, u' '));
            else
                out.insert(before, String(width - len, u' '));
        }
        return i;
    }

    void Integer(String& out, const TVarRec& a, int precision) {
        UInt64 mag;
        bool negative = false;
        if (a.Kind == TVarRec::vtInteger || a.Kind == TVarRec::vtInt64) {
            negative = a.I < 0;
            mag = negative ? UInt64(0) - UInt64(a.I) : UInt64(a.I);
        } else if (a.Kind == TVarRec::vtUInt64) {
            mag = a.U;
        } else {
            RaiseInvalidFormat(fmt_);
        }
        if (negative) out += u'-';
        AppendUnsigned(out, mag, 10, precision);
    }

    void Unsigned(String& out, const TVarRec& a, unsigned base, int precision) {
        UInt64 v;
        if (a.Kind == TVarRec::vtInteger)
            v = static_cast<std::uint32_t>(a.I); // the 32-bit pattern of a negative int
        else if (a.Kind == TVarRec::vtInt64 || a.Kind == TVarRec::vtUInt64)
            v = a.U;
        else
            RaiseInvalidFormat(fmt_);
        AppendUnsigned(out, v, base, precision);
    }

    void Text(String& out, const TVarRec& a, int precision) {
        const qsizetype before = out.size();
        switch (a.Kind) {
        case TVarRec::vtString:
            out += *a.S;
            break;
        case TVarRec::vtPChar:
            if (a.PC) out += QString::fromUtf8(a.PC);
            break;
        case TVarRec::vtPWideChar:
            if (a.PW) out += QString::fromUtf16(a.PW);
            break;
        case TVarRec::vtAnsiString:
            out += QString::fromUtf8(a.AS->data(), qsizetype(a.AS->size()));
            break;
        case TVarRec::vtChar:
            out += QChar(a.C);
            break;
        default:
            RaiseInvalidFormat(fmt_);
        }
        if (precision >= 0 && out.size() - before > precision) out.truncate(before + precision);
    }

    void Float(String& out, const TVarRec& a, TFloatFormat format, int precision, int digits) {
        if (a.Kind != TVarRec::vtExtended) RaiseInvalidFormat(fmt_);
        platform::detail::AppendFloatText(out, a.E, format, precision, digits, fs_);
    }

    const String& fmt_;
    std::span<const TVarRec> args_;
    const TFormatSettings& fs_;
    int next_ = 0;
};

} // namespace

String Format(const String& Fmt, std::span<const TVarRec> Args, const TFormatSettings& Settings) {
    return Formatter(Fmt, Args, Settings).Run();
}

String Format(const String& Fmt, std::initializer_list<TVarRec> Args) {
    return Formatter(Fmt, std::span<const TVarRec>(Args.begin(), Args.size()), FormatSettings).Run();
}

String Format(const String& Fmt, std::initializer_list<TVarRec> Args, const TFormatSettings& Settings) {
    return Formatter(Fmt, std::span<const TVarRec>(Args.begin(), Args.size()), Settings).Run();
}

AnsiString Sprintf(const char* Fmt, ...) {
    // C semantics independent of the process locale, which the application object sets
    // from the environment: the text must not change with LC_NUMERIC.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const locale_t previous = uselocale(cLocale);
    char small[256];
    va_list ap;
    va_start(ap, Fmt);
    const int n = std::vsnprintf(small, sizeof small, Fmt, ap);
    va_end(ap);
    AnsiString result;
    if (n < 0) {
        // An encoding error: nothing sensible to show.
    } else if (n < static_cast<int>(sizeof small)) {
        result.assign(small, std::size_t(n));
    } else {
        result.resize(std::size_t(n));
        va_start(ap, Fmt);
        std::vsnprintf(result.data(), std::size_t(n) + 1, Fmt, ap);
        va_end(ap);
    }
    uselocale(previous);
    return result;
}
