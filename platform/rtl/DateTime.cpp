#include "platform/rtl/DateTime.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ResStrings.h"

#include <cmath>
#include <ctime>

namespace {

// Days from 1970-01-01 to the civil date (proleptic Gregorian), and back.
Int64 DaysFromCivil(Int64 y, unsigned m, unsigned d) {
    y -= m <= 2;
    const Int64 era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<Int64>(doe) - 719468;
}

void CivilFromDays(Int64 z, Int64& y, unsigned& m, unsigned& d) {
    z += 719468;
    const Int64 era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<Int64>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

constexpr Int64 kUnixToDateTime = 25569; // 1970-01-01 as TDateTime
constexpr Int64 kMinDay = -693593;       // 0001-01-01
constexpr Int64 kMaxDay = 2958465;       // 9999-12-31

// A value split as the runtime did: rounded to the millisecond, whole days toward zero,
// the time of day from the magnitude of the fraction. Valid is false for values outside
// the years 1..9999 (and for NaN).
struct TimeStamp {
    Int64 Day = 0;
    int MSec = 0;
    bool Valid = false;
};

TimeStamp Split(TDateTime v) {
    TimeStamp t;
    if (!(std::fabs(v) < double(kMaxDay + 2))) return t;
    const Int64 total = static_cast<Int64>(std::nearbyint(v * MSecsPerDay));
    t.Day = total / MSecsPerDay;
    t.MSec = static_cast<int>((total < 0 ? -total : total) % MSecsPerDay);
    t.Valid = t.Day >= kMinDay && t.Day <= kMaxDay;
    return t;
}

TDateTime Combine(TDateTime date, TDateTime time) {
    return date < 0 ? date - time : date + time;
}

TDateTime SystemClock() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    const time_t secs = ts.tv_sec;
    tm local{};
    localtime_r(&secs, &local);
    const TDateTime date =
        double(DaysFromCivil(local.tm_year + 1900, unsigned(local.tm_mon + 1), unsigned(local.tm_mday)) +
               kUnixToDateTime);
    const double ms =
        ((local.tm_hour * 60.0 + local.tm_min) * 60.0 + local.tm_sec) * 1000.0 + double(ts.tv_nsec / 1000000);
    return date + ms / MSecsPerDay;
}

TClockSource gClock = nullptr;

} // namespace

bool IsLeapYear(Word Year) {
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

Word DaysInAMonth(Word Year, Word Month) {
    if (Month < 1 || Month > 12) return 0;
    return MonthDays[IsLeapYear(Year)][Month - 1];
}

Word DaysInMonth(TDateTime Value) {
    Word y, m, d;
    DecodeDate(Value, y, m, d);
    return DaysInAMonth(y, m);
}

bool TryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Value) {
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInAMonth(Year, Month))
        return false;
    Value = double(DaysFromCivil(Year, Month, Day) + kUnixToDateTime);
    return true;
}

bool TryEncodeTime(Word Hour, Word Min, Word Sec, Word MSec, TDateTime& Value) {
    if (Hour >= 24 || Min >= 60 || Sec >= 60 || MSec >= 1000) return false;
    Value = (((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec) / double(MSecsPerDay);
    return true;
}

TDateTime EncodeDate(Word Year, Word Month, Word Day) {
    TDateTime v;
    if (!TryEncodeDate(Year, Month, Day, v))
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return v;
}

TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec) {
    TDateTime v;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, v))
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return v;
}

void DecodeDate(TDateTime Value, Word& Year, Word& Month, Word& Day) {
    const TimeStamp t = Split(Value);
    if (!t.Valid) {
        Year = Month = Day = 0;
        return;
    }
    Int64 y;
    unsigned m, d;
    CivilFromDays(t.Day - kUnixToDateTime, y, m, d);
    Year = Word(y);
    Month = Word(m);
    Day = Word(d);
}

void DecodeTime(TDateTime Value, Word& Hour, Word& Min, Word& Sec, Word& MSec) {
    const TimeStamp t = Split(Value);
    int ms = t.Valid ? t.MSec : 0;
    MSec = Word(ms % 1000);
    ms /= 1000;
    Sec = Word(ms % 60);
    ms /= 60;
    Min = Word(ms % 60);
    Hour = Word(ms / 60);
}

int DayOfWeek(TDateTime Value) {
    const TimeStamp t = Split(Value);
    // 1899-12-30 (day 0) was a Saturday.
    const Int64 r = ((t.Day + 6) % 7 + 7) % 7;
    return static_cast<int>(r) + 1;
}

TDateTime Now() {
    return gClock ? gClock() : SystemClock();
}
TDateTime Date() {
    return std::trunc(Now());
}
TDateTime Time() {
    const TDateTime n = Now();
    return n - std::trunc(n);
}

TClockSource SetClockSource(TClockSource Source) {
    TClockSource previous = gClock;
    gClock = Source;
    return previous;
}

// ---------------------------------------------------------------------------------------
// Date-time text

namespace {

struct Parts {
    Word Year, Month, Day, Hour, Min, Sec, MSec;
    int WeekDay; // 1 = Sunday
};

void AppendNumber(String& out, int value, int minDigits) {
    char16_t buf[12];
    int n = 0;
    do {
        buf[11 - n++] = char16_t(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int i = n; i < minDigits; ++i)
        out += u'0';
    out.append(reinterpret_cast<const QChar*>(buf + 12 - n), n);
}

bool StartsWithNoCase(const String& f, qsizetype i, const char* token) {
    for (qsizetype k = 0; token[k]; ++k)
        if (i + k >= f.size() || f[i + k].toUpper() != QLatin1Char(token[k])) return false;
    return true;
}

// True when an am/pm token follows position i, so that hours count to 12.
bool UsesTwelveHours(const String& f, qsizetype i) {
    for (; i < f.size(); ++i) {
        const QChar c = f[i];
        if (c == u'"' || c == u'\'') {
            ++i;
            while (i < f.size() && f[i] != c)
                ++i;
        } else if ((c == u'a' || c == u'A') &&
                   (StartsWithNoCase(f, i, "AM/PM") || StartsWithNoCase(f, i, "A/P") ||
                    StartsWithNoCase(f, i, "AMPM"))) {
            return true;
        }
    }
    return false;
}

void AppendFormat(String& out, const String& f, const Parts& p, const TFormatSettings& fs, int depth);

void AppendNested(String& out, const String& f, const Parts& p, const TFormatSettings& fs, int depth) {
    // Nested formats (a short date format naming "c", say) stop after two levels.
    if (depth < 2) AppendFormat(out, f, p, fs, depth + 1);
}

void AppendFormat(String& out, const String& f, const Parts& p, const TFormatSettings& fs, int depth) {
    const qsizetype n = f.size();
    char16_t last = 0;
    for (qsizetype i = 0; i < n;) {
        const QChar c = f[i];
        const char16_t token = c.toUpper().unicode();
        if (c == u'"' || c == u'\'') {
            qsizetype j = i + 1;
            while (j < n && f[j] != c)
                ++j;
            out.append(f.constData() + i + 1, j - i - 1);
            i = j < n ? j + 1 : n;
            continue;
        }
        if (token < u'A' || token > u'Z') {
            if (c == u'/')
                out += fs.DateSeparator;
            else if (c == u':')
                out += fs.TimeSeparator;
            else
                out += c;
            ++i;
            continue;
        }
        qsizetype count = 1;
        while (i + count < n && f[i + count].toUpper().unicode() == token)
            ++count;
        switch (token) {
        case u'Y':
            if (count <= 2)
                AppendNumber(out, p.Year % 100, 2);
            else
                AppendNumber(out, p.Year, 4);
            break;
        case u'M':
            if (last == u'H') {
                AppendNumber(out, p.Min, count >= 2 ? 2 : 1);
            } else if (count <= 2) {
                AppendNumber(out, p.Month, int(count));
            } else if (p.Month >= 1 && p.Month <= 12) {
                out += count == 3 ? fs.ShortMonthNames[p.Month - 1] : fs.LongMonthNames[p.Month - 1];
            }
            break;
        case u'D':
            if (count <= 2)
                AppendNumber(out, p.Day, int(count));
            else if (count == 3)
                out += fs.ShortDayNames[p.WeekDay - 1];
            else if (count == 4)
                out += fs.LongDayNames[p.WeekDay - 1];
            else if (count == 5)
                AppendNested(out, fs.ShortDateFormat, p, fs, depth);
            else
                AppendNested(out, fs.LongDateFormat, p, fs, depth);
            break;
        case u'H': {
            int h = p.Hour;
            if (UsesTwelveHours(f, i + count)) {
                h %= 12;
                if (h == 0) h = 12;
            }
            AppendNumber(out, h, count >= 2 ? 2 : 1);
            break;
        }
        case u'N':
            AppendNumber(out, p.Min, count >= 2 ? 2 : 1);
            break;
        case u'S':
            AppendNumber(out, p.Sec, count >= 2 ? 2 : 1);
            break;
        case u'Z':
            AppendNumber(out, p.MSec, count >= 3 ? 3 : 1);
            break;
        case u'T':
            AppendNested(out, count == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, p, fs, depth);
            break;
        case u'C':
            AppendNested(out, fs.ShortDateFormat, p, fs, depth);
            if (p.Hour || p.Min || p.Sec || p.MSec) {
                out += u' ';
                AppendNested(out, fs.LongTimeFormat, p, fs, depth);
            }
            count = 1; // each 'c' is one token
            break;
        case u'A': {
            const bool pm = p.Hour >= 12;
            if (StartsWithNoCase(f, i, "AM/PM")) {
                out.append(f.constData() + i + (pm ? 3 : 0), 2);
                count = 5;
            } else if (StartsWithNoCase(f, i, "A/P")) {
                out += f[i + (pm ? 2 : 0)];
                count = 3;
            } else if (StartsWithNoCase(f, i, "AMPM")) {
                out += pm ? fs.TimePMString : fs.TimeAMString;
                count = 4;
            } else {
                out += c;
                count = 1;
            }
            break;
        }
        default:
            out.append(f.constData() + i, count);
            break;
        }
        last = token;
        i += count;
    }
}

Parts PartsOf(TDateTime v) {
    Parts p{};
    DecodeDate(v, p.Year, p.Month, p.Day);
    DecodeTime(v, p.Hour, p.Min, p.Sec, p.MSec);
    p.WeekDay = DayOfWeek(v);
    return p;
}

} // namespace

void DateTimeToString(String& Result, const String& Format, TDateTime Value,
                      const TFormatSettings& Settings) {
    Result.clear();
    const Parts p = PartsOf(Value);
    AppendFormat(Result, Format.isEmpty() ? QStringLiteral("C") : Format, p, Settings, 0);
}

String FormatDateTime(const String& Format, TDateTime Value, const TFormatSettings& Settings) {
    String s;
    DateTimeToString(s, Format, Value, Settings);
    return s;
}

String DateTimeToStr(TDateTime Value, const TFormatSettings& Settings) {
    return FormatDateTime(String(), Value, Settings);
}

String DateToStr(TDateTime Value, const TFormatSettings& Settings) {
    return FormatDateTime(Settings.ShortDateFormat, Value, Settings);
}

String TimeToStr(TDateTime Value, const TFormatSettings& Settings) {
    return FormatDateTime(Settings.LongTimeFormat, Value, Settings);
}

// ---------------------------------------------------------------------------------------
// Text to date-time

namespace {

class Scanner {
public:
    Scanner(const String& s) : s_(s) {}

    void SkipBlanks() {
        while (pos_ < s_.size() && s_[pos_] == u' ')
            ++pos_;
    }
    bool AtEnd() const { return pos_ >= s_.size(); }

    // Up to four digits; digits is how many there were.
    bool Number(int& value, int& digits) {
        SkipBlanks();
        value = 0;
        digits = 0;
        while (pos_ < s_.size() && s_[pos_] >= u'0' && s_[pos_] <= u'9') {
            if (++digits > 4) return false;
            value = value * 10 + (s_[pos_].unicode() - u'0');
            ++pos_;
        }
        return digits > 0;
    }

    bool Char(QChar c) {
        SkipBlanks();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    // Matches one of the am/pm texts (case-insensitive); 0 none, 1 am, 2 pm.
    int AmPm(const TFormatSettings& fs) {
        SkipBlanks();
        const String* texts[4] = {&fs.TimeAMString, &fs.TimePMString, nullptr, nullptr};
        static const String am = QStringLiteral("AM"), pm = QStringLiteral("PM");
        texts[2] = &am;
        texts[3] = &pm;
        for (int k = 0; k < 4; ++k) {
            const String& t = *texts[k];
            if (!t.isEmpty() && QStringView(s_).mid(pos_).startsWith(t, Qt::CaseInsensitive)) {
                pos_ += t.size();
                return k % 2 == 0 ? 1 : 2;
            }
        }
        return 0;
    }

    qsizetype pos_ = 0;

private:
    const String& s_;
};

enum class DateOrder { MDY, DMY, YMD };

DateOrder OrderOf(const String& shortDateFormat) {
    for (qsizetype i = 0; i < shortDateFormat.size(); ++i) {
        const QChar c = shortDateFormat[i];
        if (c == u'"' || c == u'\'') {
            ++i;
            while (i < shortDateFormat.size() && shortDateFormat[i] != c)
                ++i;
            continue;
        }
        switch (c.toUpper().unicode()) {
        case u'Y':
            return DateOrder::YMD;
        case u'M':
            return DateOrder::MDY;
        case u'D':
            return DateOrder::DMY;
        default:
            break;
        }
    }
    return DateOrder::MDY;
}

bool ScanDate(Scanner& sc, const TFormatSettings& fs, TDateTime& value) {
    int n1, n2, n3 = 0, l1, l2, l3 = 0;
    if (!sc.Number(n1, l1) || !sc.Char(fs.DateSeparator) || !sc.Number(n2, l2)) return false;
    const qsizetype afterTwo = sc.pos_;
    const bool three = sc.Char(fs.DateSeparator) && sc.Number(n3, l3);
    if (!three) sc.pos_ = afterTwo;
    const DateOrder order = OrderOf(fs.ShortDateFormat);
    int y, m, d, yearDigits;
    if (!three) {
        Word cy, cm, cd;
        DecodeDate(Now(), cy, cm, cd);
        y = cy;
        yearDigits = 4;
        if (order == DateOrder::DMY) {
            d = n1;
            m = n2;
        } else {
            m = n1;
            d = n2;
        }
    } else if (order == DateOrder::MDY) {
        m = n1, d = n2, y = n3, yearDigits = l3;
    } else if (order == DateOrder::DMY) {
        d = n1, m = n2, y = n3, yearDigits = l3;
    } else {
        y = n1, m = n2, d = n3, yearDigits = l1;
    }
    if (yearDigits <= 2) {
        Word cy, cm, cd;
        DecodeDate(Now(), cy, cm, cd);
        const int base = cy - fs.TwoDigitYearCenturyWindow;
        y += base / 100 * 100;
        if (fs.TwoDigitYearCenturyWindow > 0 && y < base) y += 100;
    }
    return y > 0 && y <= 9999 && m > 0 && d > 0 && TryEncodeDate(Word(y), Word(m), Word(d), value);
}

bool ScanTime(Scanner& sc, const TFormatSettings& fs, TDateTime& value) {
    int ampm = sc.AmPm(fs);
    int h, mi = 0, s = 0, ms = 0, digits;
    if (!sc.Number(h, digits)) return false;
    if (sc.Char(fs.TimeSeparator)) {
        if (!sc.Number(mi, digits)) return false;
        if (sc.Char(fs.TimeSeparator)) {
            if (!sc.Number(s, digits)) return false;
            if (sc.Char(fs.DecimalSeparator)) {
                // Fractions of a second: ".5" is 500 ms.
                if (!sc.Number(ms, digits) || digits > 3) return false;
                for (; digits < 3; ++digits)
                    ms *= 10;
            }
        }
    }
    if (ampm == 0) ampm = sc.AmPm(fs);
    if (ampm != 0) {
        if (h == 0 || h > 12) return false;
        if (ampm == 1 && h == 12) h = 0;
        if (ampm == 2 && h < 12) h += 12;
    }
    return TryEncodeTime(Word(h), Word(mi), Word(s), Word(ms), value);
}

bool Finished(Scanner& sc) {
    sc.SkipBlanks();
    return sc.AtEnd();
}

[[noreturn]] void RaiseConvert(const TResStringRec& text, const String& s) {
    throw EConvertError(Format(LoadResString(&text), {s}));
}

} // namespace

bool TryStrToDate(const String& S, TDateTime& Value, const TFormatSettings& Settings) {
    Scanner sc(S);
    TDateTime v;
    if (!ScanDate(sc, Settings, v) || !Finished(sc)) return false;
    Value = v;
    return true;
}

bool TryStrToTime(const String& S, TDateTime& Value, const TFormatSettings& Settings) {
    Scanner sc(S);
    TDateTime v;
    if (!ScanTime(sc, Settings, v) || !Finished(sc)) return false;
    Value = v;
    return true;
}

bool TryStrToDateTime(const String& S, TDateTime& Value, const TFormatSettings& Settings) {
    Scanner sc(S);
    TDateTime date, time = 0;
    if (ScanDate(sc, Settings, date) && (Finished(sc) || (ScanTime(sc, Settings, time) && Finished(sc)))) {
        Value = Combine(date, time);
        return true;
    }
    return TryStrToTime(S, Value, Settings);
}

TDateTime StrToDate(const String& S, const TFormatSettings& Settings) {
    TDateTime v;
    if (!TryStrToDate(S, v, Settings)) RaiseConvert(SInvalidDate, S);
    return v;
}

TDateTime StrToTime(const String& S, const TFormatSettings& Settings) {
    TDateTime v;
    if (!TryStrToTime(S, v, Settings)) RaiseConvert(SInvalidTime, S);
    return v;
}

TDateTime StrToDateTime(const String& S, const TFormatSettings& Settings) {
    TDateTime v;
    if (!TryStrToDateTime(S, v, Settings)) RaiseConvert(SInvalidDateTime, S);
    return v;
}
