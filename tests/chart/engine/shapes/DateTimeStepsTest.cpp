// The standard date-time steps: the table, the nearest and next step, rounding a date to
// a step and moving it by calendar steps in both directions.
#include "chart/engine/panel/DateTimeSteps.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TDateTime D(int y, int m, int d) {
    return EncodeDate(Word(y), Word(m), Word(d));
}

TEST(DateTimeSteps, TableAndLookups) {
    EXPECT_DOUBLE_EQ(DateTimeStep[dtOneSecond], 1.0 / 86400);
    EXPECT_DOUBLE_EQ(DateTimeStep[dtFiveMinutes], 5.0 / 1440);
    EXPECT_DOUBLE_EQ(DateTimeStep[dtSixHours], 0.25);
    EXPECT_DOUBLE_EQ(DateTimeStep[dtSixMonths], 182);
    EXPECT_DOUBLE_EQ(DateTimeStep[dtNone], 1);

    struct {
        double step;
        TDateTimeStep found;
    } const finds[] = {{7.0, dtOneWeek},
                       {8.0, dtNone},
                       {1.0 / 24, dtOneHour},
                       {365, dtOneYear},
                       {5.0 / 86400, dtFiveSeconds},
                       {1e-9, dtNone},
                       {1.0 / 86400000000.0, dtOneMicroSecond}};
    for (const auto& f : finds)
        EXPECT_EQ(FindDateTimeStep(f.step), f.found) << f.step;

    struct {
        double step, next;
    } const nexts[] = {{1.0, 2.0}, {365, 365}, {0, 365}, {1.5, 2.0}, {200, 365}, {0.5, 1.0}, {-1, 365}};
    for (const auto& n : nexts)
        EXPECT_DOUBLE_EQ(NextDateTimeStep(n.step), n.next) << n.step;
}

TEST(DateTimeSteps, DaysInMonthAndDefaultFormat) {
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 4), 30);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);

    const TFormatSettings saved = FormatSettings;
    FormatSettings.ShortDateFormat = QStringLiteral("dd.mm.yyyy");
    FormatSettings.ShortTimeFormat = QStringLiteral("hh:nn");
    EXPECT_EQ(DateTimeDefaultFormat(2), QStringLiteral("dd.mm.yyyy"));
    EXPECT_EQ(DateTimeDefaultFormat(1), QStringLiteral("hh:nn"));
    FormatSettings = saved;
}

TEST(DateTimeSteps, TeeRoundDate) {
    const TDateTime afternoon = D(2024, 3, 20) + 0.6;
    struct {
        TDateTime date;
        TDateTimeStep step;
        TDateTime expected;
    } const cases[] = {
        {10.7, dtOneDay, 11},
        {10.5, dtOneDay, 10}, // halves to even
        {11.5, dtOneDay, 12},
        {5, dtTwoDays, 4},
        {10, dtThreeDays, 9},
        {12.0, dtOneWeek, 9}, // weeks start on Mondays (day 2)
        {0, dtOneYear, 0},    // 0 stays
        {afternoon, dtOneHour, afternoon},
        {afternoon, dtHalfMonth, D(2024, 3, 15)},
        {D(2024, 3, 14) + 0.5, dtHalfMonth, D(2024, 3, 1)},
        {afternoon, dtOneMonth, D(2024, 3, 1)},
        {afternoon, dtSixMonths, D(2024, 3, 1)},
        {afternoon, dtOneYear, D(2024, 1, 1)},
        {afternoon, dtNone, D(2024, 3, 20)},
        {1e12, dtOneMonth, 1e12}, // outside the calendar: unchanged
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TeeRoundDate(c.date, c.step), c.expected) << c.date << " " << c.step;
    EXPECT_TRUE(std::isnan(TeeRoundDate(NAN, dtOneMonth)));
}

TEST(DateTimeSteps, TeeDateTimeIncrement) {
    struct {
        bool up;
        TDateTime from;
        double amount;
        TDateTimeStep step;
        TDateTime expected;
    } const cases[] = {
        {false, D(2024, 1, 31), 30, dtOneMonth, D(2023, 12, 1)},
        {true, D(2024, 1, 31), 30, dtOneMonth, D(2024, 2, 1)},
        {true, D(2023, 12, 15), 60, dtTwoMonths, D(2024, 2, 1)},
        {false, D(2024, 2, 10), 90, dtThreeMonths, D(2023, 11, 1)},
        {false, D(2024, 4, 10), 120, dtFourMonths, D(2023, 12, 1)},
        {true, D(2024, 9, 3), 182, dtSixMonths, D(2025, 3, 1)},
        // Half months go up: first half to the 15th, second half to the next 1st.
        {true, D(2024, 3, 10), 15, dtHalfMonth, D(2024, 3, 15)},
        {true, D(2024, 3, 1), 15, dtHalfMonth, D(2024, 3, 15)},
        {true, D(2024, 3, 15), 15, dtHalfMonth, D(2024, 4, 1)},
        {true, D(2024, 3, 20), 15, dtHalfMonth, D(2024, 4, 1)},
        {true, D(2024, 12, 20), 15, dtHalfMonth, D(2025, 1, 1)},
        // ... and down as labels step.
        {false, D(2024, 3, 20), 15, dtHalfMonth, D(2024, 3, 15)},
        {false, D(2024, 3, 15), 15, dtHalfMonth, D(2024, 3, 1)},
        {false, D(2024, 3, 10), 15, dtHalfMonth, D(2024, 3, 1)},
        {false, D(2024, 3, 1), 15, dtHalfMonth, D(2024, 2, 15)},
        {false, D(2024, 1, 1), 15, dtHalfMonth, D(2023, 12, 15)},
        // Years repeat until the target is reached; 29 February lands on the 28th.
        {true, D(2023, 5, 10), 365, dtOneYear, D(2024, 5, 10)},
        {true, D(2023, 5, 10), 730, dtOneYear, D(2025, 5, 10)},
        {false, D(2023, 5, 10), 365, dtOneYear, D(2022, 5, 10)},
        {true, D(2024, 2, 29), 365, dtOneYear, D(2025, 2, 28)},
        // Other steps add or subtract.
        {true, D(2024, 3, 10), 1, dtOneDay, D(2024, 3, 11)},
        {false, D(2024, 3, 10), 7, dtOneWeek, D(2024, 3, 3)},
    };
    for (const auto& c : cases) {
        double v = c.from;
        TeeDateTimeIncrement(true, c.up, v, c.amount, c.step);
        EXPECT_DOUBLE_EQ(v, c.expected) << c.from << (c.up ? " up " : " down ") << c.step;
    }

    double v = 5;
    TeeDateTimeIncrement(false, true, v, 2, dtOneMonth);
    EXPECT_DOUBLE_EQ(v, 7);
    TeeDateTimeIncrement(false, false, v, 2, dtOneMonth);
    EXPECT_DOUBLE_EQ(v, 5);
    // Dates the calendar cannot hold move by the plain amount, and a huge amount of years
    // ends instead of stepping forever.
    v = 1e10;
    TeeDateTimeIncrement(true, true, v, 30, dtOneMonth);
    EXPECT_DOUBLE_EQ(v, 1e10 + 30);
    v = D(2024, 1, 1);
    TeeDateTimeIncrement(true, true, v, 1e9, dtOneYear);
    EXPECT_DOUBLE_EQ(v, D(2024, 1, 1) + 1e9);
    v = D(9999, 6, 1);
    TeeDateTimeIncrement(true, true, v, 30, dtOneMonth);
    EXPECT_DOUBLE_EQ(v, D(9999, 7, 1));
    v = D(9999, 12, 1);
    TeeDateTimeIncrement(true, true, v, 30, dtOneMonth);
    EXPECT_DOUBLE_EQ(v, D(9999, 12, 1) + 30);
}

} // namespace
