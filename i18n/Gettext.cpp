#include "i18n/Gettext.h"

#include "i18n/FileLocator.h"
#include "i18n/ResourceTextTranslation.h"

#include <QCoreApplication>

TGettextInstance* DefaultTranslator = nullptr;
TFileLocator* FileLocator = nullptr;

String gettext(const String& msgid) {
    return DefaultTranslator ? DefaultTranslator->gettext(msgid) : msgid;
}

String dgettext(const String& szDomain, const String& msgid) {
    return DefaultTranslator ? DefaultTranslator->dgettext(szDomain, msgid) : msgid;
}

String ngettext(const String& singular, const String& plural, Int64 Number) {
    if (DefaultTranslator) return DefaultTranslator->ngettext(singular, plural, Number);
    return (Number == 1 || Number == -1) ? singular : plural;
}

String dngettext(const String& szDomain, const String& singular, const String& plural, Int64 Number) {
    if (DefaultTranslator) return DefaultTranslator->dngettext(szDomain, singular, plural, Number);
    return (Number == 1 || Number == -1) ? singular : plural;
}

void UseLanguage(const String& LanguageCode) {
    if (DefaultTranslator) DefaultTranslator->UseLanguage(LanguageCode);
}

void TranslateComponent(TComponent* AnObject, const String& TextDomain) {
    if (DefaultTranslator) DefaultTranslator->TranslateComponent(AnObject, TextDomain);
}

void RetranslateComponent(TComponent* AnObject, const String& TextDomain) {
    if (DefaultTranslator) DefaultTranslator->RetranslateComponent(AnObject, TextDomain);
}

void StartGettextEngine() {
    if (DefaultTranslator) return;
    FileLocator = new TFileLocator();
    FileLocator->Analyze();
    CreateResourceTextDomains();
    DefaultTranslator = new TGettextInstance();
    InstallResourceHooks(true);
}

void StopGettextEngine() {
    if (!DefaultTranslator) return;
    // The hook goes first, so that no resource string reaches a translator being freed.
    InstallResourceHooks(false);
    TGettextInstance* translator = DefaultTranslator;
    DefaultTranslator = nullptr;
    delete translator;
    FreeResourceTextDomains();
    delete FileLocator;
    FileLocator = nullptr;
}

namespace {
// Starts the engine during static initialisation, before main, and stops it after main
// returns.
struct EngineLifetime {
    EngineLifetime() { StartGettextEngine(); }
    ~EngineLifetime() { StopGettextEngine(); }
} engineLifetime;

// The platform's record of the translating thread may be initialised only after this
// library's start-up ran (the order of static initialisation across libraries is not
// fixed), which would lose the hook. Installing it again when the application object is
// made, on the user-interface thread, keeps resource strings translated.
void reinstallResourceHooks() {
    if (DefaultTranslator) InstallResourceHooks(true);
}
} // namespace

Q_COREAPP_STARTUP_FUNCTION(reinstallResourceHooks)
