// The translation engine's process-wide face: the default translation instance and the
// free functions that act on it. The engine starts before the program's own code runs
// (when this library's start-up object is initialised) and shuts down after it.
#pragma once

#include "i18n/GettextInstance.h"
#include "platform/rtl/Types.h"

class TComponent;

// The translation instance of the program; made at start-up, freed at shutdown.
extern TGettextInstance* DefaultTranslator;

// The translation of msgid in the current language, or msgid itself when there is none.
String gettext(const String& msgid);
String dgettext(const String& szDomain, const String& msgid);
String ngettext(const String& singular, const String& plural, Int64 Number);
String dngettext(const String& szDomain, const String& singular, const String& plural, Int64 Number);
// Chooses the language ("de", "pt_BR"); an empty code takes it from the environment.
void UseLanguage(const String& LanguageCode);
// Translates a component and everything it owns once (an empty domain: the current one).
void TranslateComponent(TComponent* AnObject, const String& TextDomain = String());
void RetranslateComponent(TComponent* AnObject, const String& TextDomain = String());

// The engine's start-up and shutdown, in their fixed order. Both run once on their own;
// they are public so that a test can restart the engine with another program folder.
void StartGettextEngine();
void StopGettextEngine();
