#include "chart/engine/panel/DateTimeSteps.h"

#include "platform/classes/TypInfo.h"
#include "platform/rtl/SysMath.h"

#include <cmath>

ORVO_IMPLEMENT_ENUM_TYPE(TDateTimeStep, "dtOneMicroSecond", "dtOneMillisecond", "dtOneSecond",
                         "dtFiveSeconds", "dtTenSeconds", "dtFifteenSeconds", "dtThirtySeconds",
                         "dtOneMinute", "dtFiveMinutes", "dtTenMinutes", "dtFifteenMinutes",
                         "dtThirtyMinutes", "dtOneHour", "dtTwoHours", "dtSixHours", "dtTwelveHours",
                         "dtOneDay", "dtTwoDays", "dtThreeDays", "dtOneWeek", "dtHalfMonth", "dtOneMonth",
                         "dtTwoMonths", "dtThreeMonths", "dtFourMonths", "dtSixMonths", "dtOneYear", "dtNone")

namespace {
constexpr double kSecond = 1.0 / 86400.0;
constexpr double kMinute = 1.0 / 1440.0;
constexpr double kHour = 1.0 / 24.0;

// The span of dates the calendar functions can encode: 1 January 1 to 31 December 9999.
constexpr double kFirstDate = -693593.0;
constexpr double kEndDate = 2958466.0;
bool calendarDate(double Value) {
    return std::isfinite(Value) && Value >= kFirstDate && Value < kEndDate;
}

// Moves Month by Months (up or down), carrying into the year.
void moveMonths(int& Year, int& Month, int Months, bool Up) {
    if (Up) {
        Month += Months;
        if (Month > 12) {
            Month -= 12;
            ++Year;
        }
    } else if (Month <= Months) {
        Month = Month - Months + 12;
        --Year;
    } else {
        Month -= Months;
    }
}
} // namespace

const std::array<double, dtNone + 1> DateTimeStep = {1.0 / 86400000000.0,
                                                     1.0 / 86400000.0,
                                                     kSecond,
                                                     5 * kSecond,
                                                     10 * kSecond,
                                                     15 * kSecond,
                                                     30 * kSecond,
                                                     kMinute,
                                                     5 * kMinute,
                                                     10 * kMinute,
                                                     15 * kMinute,
                                                     30 * kMinute,
                                                     kHour,
                                                     2 * kHour,
                                                     0.25,
                                                     0.5,
                                                     1,
                                                     2,
                                                     3,
                                                     7,
                                                     15,
                                                     30,
                                                     60,
                                                     90,
                                                     120,
                                                     182,
                                                     365,
                                                     1};

int DaysInMonth(int Year, int Month) {
    if (Month < 1 || Month > 12) return 0;
    const bool leap = (Year % 4 == 0 && Year % 100 != 0) || Year % 400 == 0;
    return MonthDays[leap ? 1 : 0][Month - 1];
}

String DateTimeDefaultFormat(double Step) {
    return Step > 1 ? FormatSettings.ShortDateFormat : FormatSettings.ShortTimeFormat;
}

double NextDateTimeStep(double Step) {
    for (int t = dtSixMonths; t >= dtOneMicroSecond; --t)
        if (DateTimeStep[t] <= Step) return DateTimeStep[t + 1];
    return DateTimeStep[dtOneYear];
}

TDateTimeStep FindDateTimeStep(double Step) {
    for (int t = dtOneYear; t >= dtOneMicroSecond; --t)
        if (std::abs(DateTimeStep[t] - Step) < DateTimeStep[dtOneMicroSecond]) return TDateTimeStep(t);
    return dtNone;
}

TDateTime TeeRoundDate(TDateTime Date, TDateTimeStep Step) {
    if (Date == 0) return Date;
    if (Step >= dtHalfMonth) {
        if (!calendarDate(Date)) return Date;
        Word y, m, d;
        DecodeDate(Date, y, m, d);
        switch (Step) {
        case dtHalfMonth:
            d = d < 15 ? 1 : 15;
            break;
        case dtOneYear:
            d = 1;
            m = 1;
            break;
        case dtNone:
            break;
        default:
            d = 1;
            break;
        }
        TDateTime result;
        return TryEncodeDate(y, m, d, result) ? result : Date;
    }
    switch (Step) {
    case dtOneDay:
        return double(Round(Date));
    case dtTwoDays:
        return 2.0 * double(Round(Date / 2));
    case dtThreeDays:
        return 3.0 * double(Round(Date / 3));
    case dtOneWeek:
        return 7.0 * double(Round((Date - 2) / 7)) + 2;
    default:
        return Date;
    }
}

void TeeDateTimeIncrement(bool IsDateTime, bool Increment, double& Value, double Amount, TDateTimeStep Step) {
    const double target = Increment ? Value + Amount : Value - Amount;
    if (!IsDateTime || Step < dtHalfMonth || Step > dtOneYear || !calendarDate(Value)) {
        Value = target;
        return;
    }
    Word wy, wm, wd;
    DecodeDate(Value, wy, wm, wd);
    int year = wy, month = wm, day = wd;
    auto encode = [&]() {
        TDateTime result;
        if (year < 1 || year > 9999) return false;
        if (!TryEncodeDate(Word(year), Word(month), Word(std::min(day, DaysInMonth(year, month))), result))
            return false;
        Value = result;
        return true;
    };
    switch (Step) {
    case dtHalfMonth:
        if (Increment) {
            // Up: the first half of a month goes to its 15th, the second half to the next 1st.
            if (day < 15) {
                day = 15;
            } else {
                moveMonths(year, month, 1, true);
                day = 1;
            }
        } else if (day > 15) {
            day = 15;
        } else if (day > 1) {
            day = 1;
        } else {
            moveMonths(year, month, 1, false);
            day = 15;
        }
        break;
    case dtOneYear:
        // Whole years until the target is reached; a date out of the calendar takes the
        // target as it is.
        do {
            year += Increment ? 1 : -1;
            if (!encode()) {
                Value = target;
                return;
            }
        } while (Increment ? Value < target : Value > target);
        return;
    default: {
        static constexpr int months[] = {1, 2, 3, 4, 6};
        moveMonths(year, month, months[Step - dtOneMonth], Increment);
        day = 1;
        break;
    }
    }
    if (!encode()) Value = target;
}
