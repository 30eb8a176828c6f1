// The format settings of number, currency, date and time texts, and the global record
// that the conversion functions use when they get none of their own.
#pragma once

#include "platform/rtl/Types.h"

struct TFormatSettings {
    Byte CurrencyFormat = 0; // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    Byte NegCurrFormat = 0;  // 0 "($1)" ... 15 "(1 $)"
    QChar ThousandSeparator = u',';
    QChar DecimalSeparator = u'.';
    Byte CurrencyDecimals = 2;
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QChar ListSeparator = u',';
    String CurrencyString;
    String ShortDateFormat;
    String LongDateFormat;
    String TimeAMString;
    String TimePMString;
    String ShortTimeFormat;
    String LongTimeFormat;
    String ShortMonthNames[12]; // [0] = January
    String LongMonthNames[12];
    String ShortDayNames[7]; // [0] = Sunday
    String LongDayNames[7];
    Word TwoDigitYearCenturyWindow = 50;

    // The settings of the user's locale (through the replaceable source, see
    // SetFormatSettingsSource).
    static TFormatSettings Create();
    // The settings of a named locale ("de_DE", "fr_FR", "en_US", "C").
    static TFormatSettings Create(const String& LocaleName);
    // The settings of a Windows locale identifier; every identifier (LOCALE_SYSTEM_DEFAULT,
    // LOCALE_USER_DEFAULT, ...) gives the user's locale on this platform.
    static TFormatSettings Create(DWORD Locale);
    // Fixed, locale-independent settings: "." and ",", "MM/dd/yyyy", "hh:nn:ss", English names.
    static TFormatSettings Invariant();
};

// The settings every conversion without an explicit settings argument uses; read from
// the user's locale at start-up and again by GetFormatSettings.
extern TFormatSettings FormatSettings;

// Where TFormatSettings::Create() takes the user's settings from. The default reads the
// locale of the environment (LC_ALL, LC_NUMERIC, LC_TIME, LANG); tests install a
// source that gives fixed settings. Returns the previous source; nullptr restores the
// default.
using TFormatSettingsSource = TFormatSettings (*)();
TFormatSettingsSource SetFormatSettingsSource(TFormatSettingsSource Source);

// Reloads the global FormatSettings from the current source.
void GetFormatSettings();

// The decimal and thousands separators of the global settings.
QChar CurrentDecimalSeparator();
QChar CurrentThousandSeparator();

namespace platform::detail {
// The layout of a currency amount for CurrencyFormat (negative false) or NegCurrFormat
// (negative true): '$' stands for the currency string and '1' for the digits.
const char* CurrencyPattern(bool negative, int format);

// Qt's date and time patterns ("dd.MM.yy", "h:mm AP") in the runtime's tokens
// ("dd.mm.yy", "h:nn AMPM"). Literal letters are quoted so that they stay literal, and
// the time-zone token, which the runtime lacks, is dropped with the blank before it.
String QtToRuntimeFormat(const String& qt);
} // namespace platform::detail
