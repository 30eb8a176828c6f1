// The user's locale as the system reads it: the language from the environment and the
// system locale, and the number and date conventions. Every input goes through one
// replaceable provider, so tests decide what the "system" says.
#pragma once

#include "platform/rtl/Types.h"

class ILocaleProvider {
public:
    virtual ~ILocaleProvider() = default;
    // An environment variable; empty when unset.
    virtual String Environment(const char* name) = 0;
    // The system locale's name, "language_COUNTRY" ("de_DE").
    virtual String SystemLocaleName() = 0;
    virtual QChar DecimalSeparator() = 0;
    virtual QChar ThousandSeparator() = 0;
    // Date and time formats in the runtime's notation ("dd/mm/yyyy", "hh:nn:ss").
    virtual String ShortDateFormat() = 0;
    virtual String LongTimeFormat() = 0;
};

// Installs the provider (nullptr restores the system's); the caller keeps ownership.
// Returns the previous one.
ILocaleProvider* SetLocaleProvider(ILocaleProvider* provider);
ILocaleProvider& LocaleProvider();

// LANG up to its first "." ("de_DE.UTF-8" -> "de_DE"); empty when unset.
String LanguageFromEnvironment();
// The language of the user's locale: LC_ALL, else LC_MESSAGES (each up to its first "."),
// else the system locale's name.
String LanguageFromLocale();
// True when the user's language is Japanese.
bool IsJapaneseLocale();

// A date or time format of Qt's notation in the runtime's (minutes "n", AM/PM "AMPM"), as
// the runtime's format settings convert it.
String RuntimeDateTimeFormat(const String& qtFormat);
