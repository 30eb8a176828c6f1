#include "platform/rtl/DateTime.h"

#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

TFormatSettings English() {
    return TFormatSettings::Invariant();
}

TFormatSettings GermanStyle() {
    TFormatSettings fs = TFormatSettings::Invariant();
    fs.DateSeparator = u'.';
    fs.ShortDateFormat = "dd/mm/yyyy";
    fs.DecimalSeparator = u',';
    return fs;
}

TFormatSettings IsoStyle() {
    TFormatSettings fs = TFormatSettings::Invariant();
    fs.DateSeparator = u'-';
    fs.ShortDateFormat = "yyyy/mm/dd";
    return fs;
}

// 2024-06-15 10:30 for every test that reads the clock.
TDateTime FixedClock() {
    return 45458.4375;
}

class DateTimeClock : public ::testing::Test {
protected:
    void SetUp() override { previous_ = SetClockSource(&FixedClock); }
    void TearDown() override { SetClockSource(previous_); }
    TClockSource previous_ = nullptr;
};

TEST(DateTime, EncodeAndDecodeDates) {
    struct Case {
        Word y, m, d;
        double value;
        int weekDay;
    } cases[] = {
        {1899, 12, 30, 0, 7},  {1900, 1, 1, 2, 2},         {2000, 1, 1, 36526, 7}, {2024, 2, 29, 45351, 5},
        {1, 1, 1, -693593, 2}, {9999, 12, 31, 2958465, 6}, {1899, 12, 29, -1, 6},  {2024, 6, 15, 45458, 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeDate(c.y, c.m, c.d), c.value) << c.y << "-" << c.m << "-" << c.d;
        Word y, m, d;
        DecodeDate(c.value, y, m, d);
        EXPECT_EQ(y, c.y);
        EXPECT_EQ(m, c.m);
        EXPECT_EQ(d, c.d);
        EXPECT_EQ(DayOfWeek(c.value), c.weekDay) << c.value;
    }
    for (auto [y, m, d] :
         {std::tuple{2023, 2, 29}, {0, 1, 1}, {2000, 13, 1}, {2000, 1, 0}, {10000, 1, 1}, {1900, 2, 29}}) {
        EXPECT_THROW(EncodeDate(Word(y), Word(m), Word(d)), EConvertError) << y << "-" << m << "-" << d;
    }
    try {
        EncodeDate(2023, 2, 29);
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "Invalid argument to date encode");
    }
}

TEST(DateTime, EncodeAndDecodeTimes) {
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    for (auto [h, n, s, ms] : {std::tuple{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}})
        EXPECT_THROW(EncodeTime(Word(h), Word(n), Word(s), Word(ms)), EConvertError);

    Word h, n, s, ms;
    DecodeTime(EncodeTime(23, 59, 59, 999), h, n, s, ms);
    EXPECT_EQ((std::tuple{h, n, s, ms}), (std::tuple<Word, Word, Word, Word>{23, 59, 59, 999}));
    // 1899-12-29 06:00: whole days count toward zero, the time from the fraction's magnitude.
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ(h, 6);
    Word y, m, d;
    DecodeDate(-1.25, y, m, d);
    EXPECT_EQ(d, 29);
    // A value a hair below midnight rounds to the next day in both halves.
    DecodeDate(0.99999999999, y, m, d);
    DecodeTime(0.99999999999, h, n, s, ms);
    EXPECT_EQ(d, 31);
    EXPECT_EQ((std::tuple{h, n, s, ms}), (std::tuple<Word, Word, Word, Word>{0, 0, 0, 0}));
    // Values outside the calendar decode to zeros instead of garbage.
    DecodeDate(std::nan(""), y, m, d);
    EXPECT_EQ((std::tuple{y, m, d}), (std::tuple<Word, Word, Word>{0, 0, 0}));
    DecodeDate(1e12, y, m, d);
    EXPECT_EQ(y, 0);
}

TEST(DateTime, CalendarHelpers) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(DaysInAMonth(2024, 2), 29);
    EXPECT_EQ(DaysInAMonth(2023, 2), 28);
    EXPECT_EQ(DaysInAMonth(2023, 13), 0);
    EXPECT_EQ(DaysInMonth(EncodeDate(2023, 4, 10)), 30);
    EXPECT_EQ(MonthDays[1][1], 29);
}

TEST_F(DateTimeClock, NowDateAndTimeReadTheReplaceableClock) {
    EXPECT_EQ(Now(), 45458.4375);
    EXPECT_EQ(Date(), 45458.0);
    EXPECT_EQ(Time(), 0.4375);
}

TEST(DateTime, SystemClockIsLocalTime) {
    const TClockSource previous = SetClockSource(nullptr);
    const TDateTime now = Now();
    SetClockSource(previous);
    EXPECT_GT(now, EncodeDate(2020, 1, 1));
    EXPECT_LT(now, EncodeDate(2200, 1, 1));
}

TEST(DateTime, FormatDateTimeTokens) {
    const TDateTime v = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
    const TDateTime midnightHalf = EncodeDate(2024, 3, 5) + EncodeTime(0, 30, 0, 0);
    struct Case {
        const char* format;
        TDateTime value;
        const char* text;
    } cases[] = {
        {"yyyy-mm-dd hh:nn:ss.zzz", v, "2024-03-05 14:07:09.045"},
        {"d/m/yy", v, "5/3/24"},
        {"y", v, "24"},
        {"dddd, mmmm d", v, "Tuesday, March 5"},
        {"ddd mmm", v, "Tue Mar"},
        {"MM", v, "03"},            // tokens ignore case
        {"hh:mm", v, "14:07"},      // m after h is minutes
        {"h \"h\" m", v, "14 h 7"}, // also across literal text
        {"mm hh mm", v, "03 14 07"},
        {"h:nn am/pm", v, "2:07 pm"},
        {"h:nn AM/PM", v, "2:07 PM"},
        {"h a/p", v, "2 p"},
        {"hh ampm", v, "02 PM"},
        {"h am/pm", midnightHalf, "12 am"},
        {"z zzz", v, "45 045"},
        {"c", v, "03/05/2024 14:07:09"},
        {"c", EncodeDate(2024, 3, 5), "03/05/2024"},
        {"", v, "03/05/2024 14:07:09"},
        {"ddddd", v, "03/05/2024"},
        {"dddddd", v, "Tuesday, 05 March 2024"},
        {"t", v, "14:07"},
        {"tt", v, "14:07:09"},
        {"\"Day\" d", v, "Day 5"},
        {"'at' hh", v, "at 14"},
        {"dd_mm_yyyy", v, "05_03_2024"},
        {"hh_nn_ss", v, "14_07_09"},
        {"x q", v, "x q"},
    };
    const TFormatSettings fs = English();
    for (const Case& c : cases)
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.format), c.value, fs), QString::fromUtf8(c.text))
            << c.format;

    TFormatSettings seps = English();
    seps.DateSeparator = u'-';
    seps.TimeSeparator = u'.';
    EXPECT_EQ(FormatDateTime("yyyy/mm/dd hh:nn", v, seps), "2024-03-05 14.07");

    String s = "old";
    DateTimeToString(s, "yyyy", v, fs);
    EXPECT_EQ(s, "2024");
    EXPECT_EQ(DateTimeToStr(v, fs), "03/05/2024 14:07:09");
    EXPECT_EQ(DateToStr(v, fs), "03/05/2024");
    EXPECT_EQ(TimeToStr(v, fs), "14:07:09");

    // A short date format that names itself must not recurse without end.
    TFormatSettings loop = English();
    loop.ShortDateFormat = "ddddd";
    EXPECT_EQ(FormatDateTime("ddddd", v, loop), "");
}

TEST_F(DateTimeClock, StrToDate) {
    struct Case {
        const char* text;
        const TFormatSettings* fs;
        Word y, m, d;
    };
    const TFormatSettings en = English(), de = GermanStyle(), iso = IsoStyle();
    const Case cases[] = {
        {"03/05/2024", &en, 2024, 3, 5}, {" 3/5/2024 ", &en, 2024, 3, 5},  {"3 / 5 / 2024", &en, 2024, 3, 5},
        {"3/5", &en, 2024, 3, 5},        {"3/5/24", &en, 2024, 3, 5},      {"3/5/80", &en, 1980, 3, 5},
        {"3/5/60", &en, 2060, 3, 5},     {"3/5/0024", &en, 24, 3, 5},      {"05.03.2024", &de, 2024, 3, 5},
        {"5.3", &de, 2024, 3, 5},        {"2024-03-05", &iso, 2024, 3, 5},
    };
    for (const Case& c : cases) {
        Word y, m, d;
        DecodeDate(StrToDate(c.text, *c.fs), y, m, d);
        EXPECT_EQ((std::tuple{y, m, d}), (std::tuple{c.y, c.m, c.d})) << c.text;
    }
    for (const char* bad :
         {"", "2024", "13/5/2024", "2/30/2024", "3/5/2024x", "3-5-2024", "3/5/", "/5/2024", "3/5/12345"}) {
        TDateTime v = 7;
        EXPECT_FALSE(TryStrToDate(bad, v, en)) << bad;
        EXPECT_EQ(v, 7);
        EXPECT_THROW(StrToDate(bad, en), EConvertError) << bad;
    }
    try {
        StrToDate("3-5-2024", en);
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "'3-5-2024' is not a valid date");
    }
}

TEST(DateTime, StrToTime) {
    const TFormatSettings en = English();
    struct Case {
        const char* text;
        Word h, n, s, ms;
    } cases[] = {
        {"14:07:09", 14, 7, 9, 0},     {"2:07 PM", 14, 7, 0, 0},       {"2:07pm", 14, 7, 0, 0},
        {"12:00 AM", 0, 0, 0, 0},      {"12:30 PM", 12, 30, 0, 0},     {"10", 10, 0, 0, 0},
        {"14:07:09.5", 14, 7, 9, 500}, {"14:07:09.045", 14, 7, 9, 45}, {"AM 9:15", 9, 15, 0, 0},
    };
    for (const Case& c : cases) {
        Word h, n, s, ms;
        DecodeTime(StrToTime(c.text, en), h, n, s, ms);
        EXPECT_EQ((std::tuple{h, n, s, ms}), (std::tuple{c.h, c.n, c.s, c.ms})) << c.text;
    }
    for (const char* bad :
         {"", "25:00", "13:00 PM", "0:30 AM", "abc", "10:", "10:61", "1:2:3.4567", "10:00 XM"})
        EXPECT_THROW(StrToTime(bad, en), EConvertError) << bad;
    try {
        StrToTime("abc", en);
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "'abc' is not a valid time");
    }
}

TEST_F(DateTimeClock, StrToDateTime) {
    const TFormatSettings en = English();
    EXPECT_EQ(StrToDateTime("03/05/2024 14:07:09", en), EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0));
    EXPECT_EQ(StrToDateTime("03/05/2024", en), EncodeDate(2024, 3, 5));
    EXPECT_EQ(StrToDateTime("14:07", en), EncodeTime(14, 7, 0, 0));
    EXPECT_EQ(StrToDateTime("12/29/1899 06:00", en), -1.25); // before the epoch the time counts down
    const TDateTime v = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0);
    EXPECT_EQ(StrToDateTime(DateTimeToStr(v, en), en), v);
    for (const char* bad : {"03/05/2024 xx", "03/05/2024 25:00", "xx"}) {
        try {
            StrToDateTime(bad, en);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message, QString("'%1' is not a valid date and time").arg(bad));
        }
    }
}

TEST(FormatSettingsLocales, SeparatorsAndFormatsComeFromTheLocale) {
    const TFormatSettings de = TFormatSettings::Create("de_DE");
    EXPECT_EQ(de.DecimalSeparator, u',');
    EXPECT_EQ(de.ThousandSeparator, u'.');
    EXPECT_EQ(de.DateSeparator, u'.');
    EXPECT_EQ(de.ShortDateFormat, "dd.mm.yy");
    EXPECT_EQ(de.ShortTimeFormat, "hh:nn");
    EXPECT_EQ(de.LongTimeFormat, "hh:nn:ss"); // the time zone, unknown to the runtime, is dropped
    EXPECT_EQ(de.LongMonthNames[2], QString::fromUtf8("März"));
    EXPECT_EQ(de.LongDayNames[0], "Sonntag");

    const TFormatSettings fr = TFormatSettings::Create("fr_FR");
    EXPECT_EQ(fr.DecimalSeparator, u',');
    EXPECT_TRUE(fr.ThousandSeparator == QChar(0x202F) || fr.ThousandSeparator == QChar(0x00A0));
    EXPECT_EQ(fr.ShortDateFormat, "dd/mm/yyyy");

    const TFormatSettings us = TFormatSettings::Create("en_US");
    EXPECT_EQ(us.DecimalSeparator, u'.');
    EXPECT_EQ(us.ThousandSeparator, u',');
    EXPECT_EQ(us.ShortTimeFormat, "h:nn AMPM");
    EXPECT_EQ(us.CurrencyString, "$");
    EXPECT_EQ(FormatDateTime(us.ShortTimeFormat, EncodeTime(15, 4, 0, 0), us), "3:04 PM");

    const TFormatSettings c = TFormatSettings::Create("C");
    EXPECT_EQ(c.DecimalSeparator, u'.');
    EXPECT_EQ(c.ShortDateFormat, "MM/dd/yyyy");
}

TFormatSettings GermanSource() {
    return TFormatSettings::Create("de_DE");
}

TEST(FormatSettingsLocales, TheGlobalSettingsComeFromAReplaceableSource) {
    const TFormatSettings saved = FormatSettings;
    const TFormatSettingsSource previous = SetFormatSettingsSource(&GermanSource);
    GetFormatSettings();
    EXPECT_EQ(FormatSettings.DecimalSeparator, u',');
    EXPECT_EQ(CurrentDecimalSeparator(), u',');
    EXPECT_EQ(CurrentThousandSeparator(), u'.');
    EXPECT_EQ(TFormatSettings::Create().ShortDateFormat, "dd.mm.yy");
    SetFormatSettingsSource(previous);
    FormatSettings = saved;
}

} // namespace
