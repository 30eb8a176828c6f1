#include "i18n/ResourceTextTranslation.h"

#include "i18n/Gettext.h"
#include "platform/classes/StringList.h"
#include "platform/classes/SyncObjs.h"
#include "platform/classes/Thread.h"
#include "platform/rtl/ResStrings.h"

TStringList* ResourceTextDomains = nullptr;
TMultiReadExclusiveWriteSynchronizer* ResourceTextDomainsLock = nullptr;

String TranslateResourceText(const String& Text) {
    if (Text.isEmpty()) return Text;
    TMultiReadExclusiveWriteSynchronizer* lock = ResourceTextDomainsLock;
    TGettextInstance* translator = DefaultTranslator;
    if (!lock || !translator || !ResourceTextDomains) return Text;
    if (GetCurrentThreadId() != translator->CreatorThread()) return Text;
    String result = Text;
    lock->BeginRead();
    try {
        for (int i = 0; i < ResourceTextDomains->Count(); ++i) {
            result = translator->dgettext(ResourceTextDomains->Strings(i), Text);
            if (result != Text) break;
        }
    } catch (...) {
        lock->EndRead();
        throw;
    }
    lock->EndRead();
    return result;
}

void CreateResourceTextDomains() {
    ResourceTextDomains = new TStringList();
    ResourceTextDomains->Add(QStringLiteral("default"));
    ResourceTextDomainsLock = new TMultiReadExclusiveWriteSynchronizer();
}

void FreeResourceTextDomains() {
    TMultiReadExclusiveWriteSynchronizer* lock = ResourceTextDomainsLock;
    ResourceTextDomainsLock = nullptr;
    delete lock;
    delete ResourceTextDomains;
    ResourceTextDomains = nullptr;
}

void InstallResourceHooks(bool enabled) {
    if (enabled)
        InstallResourceTextHook(&TranslateResourceText);
    else
        RemoveResourceTextHook();
}
