// The translation engine as the program sees it: the current language and text domain,
// one TDomain per text domain, the plural rule of the language, the component translation
// rules and the optional debug log.
#pragma once

#include "i18n/PluralRules.h"
#include "platform/classes/Event.h"
#include "platform/classes/Object.h"

#include <vector>

class TComponent;
class TCriticalSection;
class TDomain;
class TExecutable;
class TMultiReadExclusiveWriteSynchronizer;
class TObjectList;
class TStream;
class TStrings;
class TStringList;
struct TPropInfo;
struct TResStringRec;

// Sees each debug-log line first; a line it leaves Discard set on is dropped.
using TOnDebugLine = TEvent<TObject* /*Sender*/, const AnsiString& /*Line*/, bool& /*Discard*/>;
// A handler that a whole-class rule calls in place of walking the object.
using TTranslator = TEvent<TObject*>;

class TGettextInstance : public TObject {
    ORVO_CLASS(TGettextInstance, TObject)
public:
    TGettextInstance();
    ~TGettextInstance() override;

    // ---- lookups: the current domain (gettext) or a named one (dgettext) ----
    // Text ids; 8-bit ids are converted by ansi2wide first. A literal is taken as text.
    String gettext(const String& szMsgId);
    String gettext(const AnsiString& szMsgId);
    String gettext(const char* szMsgId) { return gettext(String::fromUtf8(szMsgId)); }
    String dgettext(const String& szDomain, const String& szMsgId);
    String dgettext(const String& szDomain, const AnsiString& szMsgId);
    String dgettext(const String& szDomain, const char* szMsgId) {
        return dgettext(szDomain, String::fromUtf8(szMsgId));
    }
    // The form of the translation of singular/plural that Number needs.
    String ngettext(const String& singular, const String& plural, Int64 Number);
    String ngettext(const AnsiString& singular, const AnsiString& plural, Int64 Number);
    String dngettext(const String& szDomain, const String& singular, const String& plural, Int64 Number);
    String dngettext(const String& szDomain, const AnsiString& singular, const AnsiString& plural,
                     Int64 Number);

    // ---- domains and languages ----
    void textdomain(const String& szDomain);
    String getcurrenttextdomain() const;
    // The domain (made if new) reads its catalogues below szDirectory.
    void bindtextdomain(const String& szDomain, const String& szDirectory);
    // The domain reads exactly that file, whatever the language.
    void bindtextdomainToFile(const String& szDomain, const String& Filename);
    // An empty code takes LC_ALL, else LC_MESSAGES, else LANG (cut at "."), else the
    // system's locale.
    void UseLanguage(String LanguageCode);
    String GetCurrentLanguage() const;
    String GetTranslationProperty(const String& PropertyName);
    String GetTranslatorNameAndEmail();
    void GetListOfLanguages(const String& domain, TStrings* List);
    // The domain of that name, made on first use with the given folder and language.
    TDomain* DomainByName(const String& name, const String& directory, const String& language);
    String DefaultDomainDirectory() const { return FDefaultDomainDirectory; }

    String ansi2wide(const AnsiString& s) const;

    // ---- resource strings ----
    // The text of Rec, translated when called on the thread that created this instance.
    String LoadResString(const TResStringRec* ResStringRec);

    // ---- debug log ----
    void DebugLogToFile(const String& Filename, bool append = false);
    void DebugLogPause(bool PauseEnabled);
    void WriteDebugLine(const AnsiString& Line);
    TOnDebugLine OnDebugLine;

    // ---- component translation ----
    // Translates a component once; a second call in another language shows an error box.
    void TranslateComponent(TComponent* AnObject, const String& TextDomain = String());
    // Switches an already translated component to the current language.
    void RetranslateComponent(TComponent* AnObject, const String& TextDomain = String());
    // Translates an object and everything reachable from it, without marker.
    void TranslateProperties(TObject* AnObject, String TextDomain = String());
    void TP_Ignore(TObject* AnObject, const String& Name);
    void TP_IgnoreClass(TClass IgnClass);
    void TP_IgnoreClassProperty(TClass IgnClass, const String& PropertyName);
    void TP_GlobalIgnoreClass(TClass IgnClass);
    void TP_GlobalIgnoreClassProperty(TClass IgnClass, const String& PropertyName);
    void TP_GlobalHandleClass(TClass HClass, TTranslator Handler);
    void TranslateOneProperty(TObject* AnObject, const TPropInfo* PropInfo, TStrings* TodoList,
                              const String& TextDomain);
    void TranslateLines(TStrings* sl, const String& TextDomain);
    TExecutable* NewRetranslator();

    bool Enabled = true;
    // Code page of 8-bit ids; 0: the system's (UTF-8).
    int DesignTimeCodePage = 0;
    DWORD CreatorThread() const { return FCreatorThread; }

protected:
    virtual void LanguageChanged(const String& LanguageCode);
    virtual void DomainChanged(const String& TextDomain);
    virtual void DomainDirectoryChanged(const String& TextDomain, const String& Directory);

private:
    // The translation of szMsgId in the domain szDomain (nullptr: the current domain);
    // Found tells whether the catalogue had it. Taken under one hold of DomainsCS.
    String Lookup(const String* szDomain, const String& szMsgId, bool& Found);
    // The form for Number of the translation of singular/plural in szDomain (nullptr: the
    // current domain); the domain, its forms and the language's plural rule are taken under
    // one hold of DomainsCS.
    String PluralLookup(const String* szDomain, const String& singular, const String& plural, Int64 Number);
    // DomainByName for a caller that holds DomainsCS.
    TDomain* DomainByNameLocked(const String& name, const String& directory, const String& language);

    DWORD FCreatorThread = 0;
    String curlang;
    TGetPluralForm curGetPluralForm = GetPluralForm2EN;
    String curmsgdomain;
    String FDefaultDomainDirectory;
    TStringList* DomainList = nullptr;
    // The domain the last DomainByName answered and the name it was asked by; domains are
    // only ever added, so the same name finds the same domain again.
    TDomain* LastDomain = nullptr;
    String LastDomainName;
    // Guards the domains, the language and the current domain: lookups may come from
    // worker threads while the user interface changes the language.
    TCriticalSection* DomainsCS = nullptr;

    TStringList* TP_IgnoreList = nullptr;
    TObjectList* TP_ClassHandling = nullptr;
    TObjectList* TP_GlobalClassHandling = nullptr;
    TExecutable* TP_Retranslator = nullptr;

    TMultiReadExclusiveWriteSynchronizer* DebugLogCS = nullptr;
    TStream* DebugLog = nullptr;
    bool DebugLogOutputPaused = false;
};
