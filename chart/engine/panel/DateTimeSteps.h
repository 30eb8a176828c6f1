// The standard date-time steps of date axes: their lengths, the nearest and the next
// standard step, rounding of a date to a step and moving a date by one step.
#pragma once

#include "platform/rtl/DateTime.h"

#include <array>

enum TDateTimeStep {
    dtOneMicroSecond,
    dtOneMillisecond,
    dtOneSecond,
    dtFiveSeconds,
    dtTenSeconds,
    dtFifteenSeconds,
    dtThirtySeconds,
    dtOneMinute,
    dtFiveMinutes,
    dtTenMinutes,
    dtFifteenMinutes,
    dtThirtyMinutes,
    dtOneHour,
    dtTwoHours,
    dtSixHours,
    dtTwelveHours,
    dtOneDay,
    dtTwoDays,
    dtThreeDays,
    dtOneWeek,
    dtHalfMonth,
    dtOneMonth,
    dtTwoMonths,
    dtThreeMonths,
    dtFourMonths,
    dtSixMonths,
    dtOneYear,
    dtNone
};
struct TTypeInfo;
const TTypeInfo* TypeInfoOf(TDateTimeStep*);

// Length of each step in days (dtNone: 1).
extern const std::array<double, dtNone + 1> DateTimeStep;

// Days of the month, leap years by the Gregorian rule; 0 for a month outside 1..12.
int DaysInMonth(int Year, int Month);
// The locale's short date format for a step above one day, else its short time format.
String DateTimeDefaultFormat(double Step);
// The first standard step longer than Step (the year's length when Step is below every step).
double NextDateTimeStep(double Step);
// The standard step within one microsecond of Step, from the longest down; dtNone when none.
TDateTimeStep FindDateTimeStep(double Step);
// Date rounded to Step: days, two and three days, weeks (from Mondays), half months,
// months and years; shorter steps leave it unchanged, as does a date of 0.
TDateTime TeeRoundDate(TDateTime Date, TDateTimeStep Step);
// Moves Value by Amount, up when Increment. Date-times stepped by half months, months or
// years move by calendar steps (month moves land on the 1st).
void TeeDateTimeIncrement(bool IsDateTime, bool Increment, double& Value, double Amount, TDateTimeStep Step);
