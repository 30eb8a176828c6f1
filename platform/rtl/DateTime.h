// TDateTime: days since 1899-12-30 with the time of day as the fraction. Encoding and
// decoding, the clock, and date-time texts in the runtime's format tokens.
#pragma once

#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Types.h"

inline constexpr int HoursPerDay = 24;
inline constexpr int MinsPerDay = HoursPerDay * 60;
inline constexpr int SecsPerDay = MinsPerDay * 60;
inline constexpr int MSecsPerDay = SecsPerDay * 1000;

// Days of each month, [IsLeapYear(y)][month - 1].
inline constexpr Word MonthDays[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                          {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

bool IsLeapYear(Word Year);
// Days of Month in Year (0 for a month outside 1..12).
Word DaysInAMonth(Word Year, Word Month);
// Days of the month that contains the date.
Word DaysInMonth(TDateTime Value);

// Invalid arguments raise EConvertError ("Invalid argument to date encode", "... time
// encode"). Years run from 1 to 9999.
TDateTime EncodeDate(Word Year, Word Month, Word Day);
TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec);
bool TryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Value);
bool TryEncodeTime(Word Hour, Word Min, Word Sec, Word MSec, TDateTime& Value);
// Both decode the value rounded to the millisecond.
void DecodeDate(TDateTime Value, Word& Year, Word& Month, Word& Day);
void DecodeTime(TDateTime Value, Word& Hour, Word& Min, Word& Sec, Word& MSec);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime Value);

// The current local date and time, through the replaceable clock.
TDateTime Now();
TDateTime Date();
TDateTime Time();
// Replaces the clock that Now, Date and Time read; returns the previous one. nullptr
// restores the system clock.
using TClockSource = TDateTime (*)();
TClockSource SetClockSource(TClockSource Source);

// Tokens: c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh n nn s ss z zzz t tt
// am/pm a/p ampm / : and quoted text; case-insensitive; m after h means minutes. An
// empty format is "c".
String FormatDateTime(const String& Format, TDateTime Value,
                      const TFormatSettings& Settings = FormatSettings);
void DateTimeToString(String& Result, const String& Format, TDateTime Value,
                      const TFormatSettings& Settings = FormatSettings);
String DateTimeToStr(TDateTime Value, const TFormatSettings& Settings = FormatSettings);
String DateToStr(TDateTime Value, const TFormatSettings& Settings = FormatSettings);
String TimeToStr(TDateTime Value, const TFormatSettings& Settings = FormatSettings);

// Field order from ShortDateFormat, separators from the settings; a date without a year
// is in the current year, a two-digit year is placed by TwoDigitYearCenturyWindow. Failures
// raise EConvertError "'<text>' is not a valid date" / "... time" / "... date and time".
TDateTime StrToDate(const String& S, const TFormatSettings& Settings = FormatSettings);
TDateTime StrToTime(const String& S, const TFormatSettings& Settings = FormatSettings);
TDateTime StrToDateTime(const String& S, const TFormatSettings& Settings = FormatSettings);
bool TryStrToDate(const String& S, TDateTime& Value, const TFormatSettings& Settings = FormatSettings);
bool TryStrToTime(const String& S, TDateTime& Value, const TFormatSettings& Settings = FormatSettings);
bool TryStrToDateTime(const String& S, TDateTime& Value, const TFormatSettings& Settings = FormatSettings);
