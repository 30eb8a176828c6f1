#include "platform/rtl/FormatSettings.h"

#include <QLocale>
#include <cstdlib>

namespace platform::detail {
// Layout of a currency amount: '$' stands for the currency string, '1' for the digits.
const char* CurrencyPattern(bool negative, int format) {
    static const char* const positive[4] = {"$1", "1$", "$ 1", "1 $"};
    static const char* const negative_[16] = {"($1)", "-$1",  "$-1",   "$1-",  "(1$)", "-1$",
                                              "1-$",  "1$-",  "-1 $",  "-$ 1", "1 $-", "$ 1-",
                                              "$ -1", "1- $", "($ 1)", "(1 $)"};
    if (negative) return negative_[format >= 0 && format < 16 ? format : 0];
    return positive[format >= 0 && format < 4 ? format : 0];
}

String QtToRuntimeFormat(const String& qt) {
    String out;
    out.reserve(qt.size() + 4);
    const qsizetype n = qt.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = qt[i];
        qsizetype run = 1;
        while (i + run < n && qt[i + run] == c)
            ++run;
        switch (c.unicode()) {
        case u'd':
        case u'y':
        case u's':
        case u'z':
            out += String(run, c);
            break;
        case u'M':
            out += String(run, u'm');
            break;
        case u'h':
        case u'H':
            out += String(run, u'h');
            break;
        case u'm':
            out += String(run, u'n');
            break;
        case u'A':
        case u'a':
            // "AP"/"ap" or a lone "A"/"a": the locale's AM/PM strings.
            out += QStringLiteral("AMPM");
            if (i + 1 < n && (qt[i + 1] == u'P' || qt[i + 1] == u'p')) run = 2;
            break;
        case u't':
            while (out.endsWith(u' '))
                out.chop(1);
            break;
        case u'\'': {
            // Quoted text; '' is a literal quote.
            if (i + 1 < n && qt[i + 1] == u'\'') {
                out += QStringLiteral("\"'\"");
                run = 2;
                break;
            }
            qsizetype j = i + 1;
            String lit;
            while (j < n) {
                if (qt[j] == u'\'') {
                    if (j + 1 < n && qt[j + 1] == u'\'') {
                        lit += u'\'';
                        j += 2;
                        continue;
                    }
                    break;
                }
                lit += qt[j++];
            }
            out += u'"' + lit + u'"';
            run = j + 1 - i;
            break;
        }
        default:
            if (c.isLetter())
                out += u'"' + String(run, c) + u'"';
            else
                out += String(run, c);
        }
        i += run;
    }
    return out.trimmed();
}
} // namespace platform::detail

namespace {

const char* const kEnglishLongMonths[12] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
const char* const kEnglishLongDays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};

// The first separator character of a date or time pattern (outside quotes).
QChar FirstSeparator(const String& fmt, QChar fallback) {
    bool quoted = false;
    for (QChar c : fmt) {
        if (c == u'\'') quoted = !quoted;
        if (quoted || c == u'\'' || c.isLetterOrNumber() || c.isSpace()) continue;
        return c;
    }
    return fallback;
}

// Whitespace variants to ' ', the locale's minus to '-', the symbol to '$', digits to '1'.
String NormaliseCurrencyText(const QLocale& loc, String text, const String& symbol) {
    if (!symbol.isEmpty()) text.replace(symbol, QStringLiteral("$"));
    text.replace(loc.negativeSign(), QStringLiteral("-"));
    String out;
    for (QChar c : text) {
        if (c.isSpace())
            out += u' ';
        else if (c.isDigit())
            out += u'1';
        else
            out += c;
    }
    return out;
}

int MatchCurrencyPattern(const String& text, bool negative, int count, int fallback) {
    for (int f = 0; f < count; ++f)
        if (text == QLatin1String(platform::detail::CurrencyPattern(negative, f))) return f;
    return fallback;
}

bool IsPosixLocaleName(const char* category) {
    const char* name = std::getenv("LC_ALL");
    if (!name || !*name) name = std::getenv(category);
    if (!name || !*name) name = std::getenv("LANG");
    if (!name || !*name) return true;
    const QByteArray n(name);
    return n == "C" || n == "POSIX" || n.startsWith("C.");
}

TFormatSettings FromLocale(const QLocale& loc, bool posixDates) {
    TFormatSettings fs = TFormatSettings::Invariant();
    if (loc.language() == QLocale::C && loc.decimalPoint() == QLatin1String(".")) return fs;

    const String dp = loc.decimalPoint();
    const String gs = loc.groupSeparator();
    if (!dp.isEmpty()) fs.DecimalSeparator = dp[0];
    if (!gs.isEmpty()) fs.ThousandSeparator = gs[0];
    fs.ListSeparator = fs.DecimalSeparator == u',' ? u';' : u',';

    fs.CurrencyString = loc.currencySymbol();
    if (!fs.CurrencyString.isEmpty()) {
        const String one = loc.toCurrencyString(1.0);
        const qsizetype sep = one.indexOf(fs.DecimalSeparator);
        int decimals = 0;
        if (sep >= 0)
            for (qsizetype i = sep + 1; i < one.size() && one[i].isDigit(); ++i)
                ++decimals;
        fs.CurrencyDecimals = Byte(decimals);
        const String pos =
            NormaliseCurrencyText(loc, loc.toCurrencyString(1.0, fs.CurrencyString, 0), fs.CurrencyString);
        const String neg =
            NormaliseCurrencyText(loc, loc.toCurrencyString(-1.0, fs.CurrencyString, 0), fs.CurrencyString);
        fs.CurrencyFormat = Byte(MatchCurrencyPattern(pos, false, 4, 0));
        fs.NegCurrFormat = Byte(MatchCurrencyPattern(neg, true, 16, 1));
    }

    if (!posixDates) {
        const String sd = loc.dateFormat(QLocale::ShortFormat);
        const String st = loc.timeFormat(QLocale::ShortFormat);
        fs.DateSeparator = FirstSeparator(sd, u'/');
        fs.TimeSeparator = FirstSeparator(st, u':');
        fs.ShortDateFormat = platform::detail::QtToRuntimeFormat(sd);
        fs.LongDateFormat = platform::detail::QtToRuntimeFormat(loc.dateFormat(QLocale::LongFormat));
        fs.ShortTimeFormat = platform::detail::QtToRuntimeFormat(st);
        fs.LongTimeFormat = platform::detail::QtToRuntimeFormat(loc.timeFormat(QLocale::LongFormat));
        fs.TimeAMString = loc.amText();
        fs.TimePMString = loc.pmText();
        for (int m = 0; m < 12; ++m) {
            fs.ShortMonthNames[m] = loc.monthName(m + 1, QLocale::ShortFormat);
            fs.LongMonthNames[m] = loc.monthName(m + 1, QLocale::LongFormat);
        }
        for (int d = 0; d < 7; ++d) {
            const int qtDay = d == 0 ? 7 : d; // Qt counts from Monday = 1 to Sunday = 7
            fs.ShortDayNames[d] = loc.dayName(qtDay, QLocale::ShortFormat);
            fs.LongDayNames[d] = loc.dayName(qtDay, QLocale::LongFormat);
        }
    }
    return fs;
}

TFormatSettings SystemSettings() {
    return FromLocale(QLocale::system(), IsPosixLocaleName("LC_TIME"));
}

TFormatSettingsSource gSource = nullptr;

} // namespace

TFormatSettings TFormatSettings::Invariant() {
    TFormatSettings fs;
    fs.CurrencyString = QString(QChar(0x00A4));
    fs.ShortDateFormat = QStringLiteral("MM/dd/yyyy");
    fs.LongDateFormat = QStringLiteral("dddd, dd MMMMM yyyy");
    fs.ShortTimeFormat = QStringLiteral("hh:nn");
    fs.LongTimeFormat = QStringLiteral("hh:nn:ss");
    fs.TimeAMString = QStringLiteral("AM");
    fs.TimePMString = QStringLiteral("PM");
    for (int m = 0; m < 12; ++m) {
        fs.LongMonthNames[m] = QLatin1String(kEnglishLongMonths[m]);
        fs.ShortMonthNames[m] = fs.LongMonthNames[m].left(3);
    }
    for (int d = 0; d < 7; ++d) {
        fs.LongDayNames[d] = QLatin1String(kEnglishLongDays[d]);
        fs.ShortDayNames[d] = fs.LongDayNames[d].left(3);
    }
    return fs;
}

TFormatSettings TFormatSettings::Create() {
    return gSource ? gSource() : SystemSettings();
}

TFormatSettings TFormatSettings::Create(const String& LocaleName) {
    if (LocaleName == QLatin1String("C") || LocaleName == QLatin1String("POSIX")) return Invariant();
    return FromLocale(QLocale(LocaleName), false);
}

TFormatSettings TFormatSettings::Create(DWORD) {
    return Create();
}

TFormatSettings FormatSettings = TFormatSettings::Create();

TFormatSettingsSource SetFormatSettingsSource(TFormatSettingsSource Source) {
    TFormatSettingsSource previous = gSource;
    gSource = Source;
    return previous;
}

void GetFormatSettings() {
    FormatSettings = TFormatSettings::Create();
}

QChar CurrentDecimalSeparator() {
    return FormatSettings.DecimalSeparator;
}
QChar CurrentThousandSeparator() {
    return FormatSettings.ThousandSeparator;
}
