#include "i18n/GettextInstance.h"

#include "i18n/ComponentTranslation.h"
#include "i18n/Domain.h"
#include "i18n/GettextExceptions.h"
#include "i18n/ResourceTextTranslation.h"
#include "i18n/Utf8.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/SyncObjs.h"
#include "platform/classes/Thread.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/ResStrings.h"
#include "platform/win/Locale.h"
#include "platform/win/Process.h"

#include <QStringDecoder>

ORVO_IMPLEMENT_CLASS(TGettextInstance, TObject)

namespace {

// Beyond this size the in-memory debug log stops growing.
constexpr Int64 kMaxMemoryLog = 1000000;

} // namespace

TGettextInstance::TGettextInstance() {
    FCreatorThread = GetCurrentThreadId();
    DesignTimeCodePage = 0;
    curGetPluralForm = GetPluralForm2EN;
    Enabled = true;
    curmsgdomain = QStringLiteral("default");

    DomainList = new TStringList();
    DomainsCS = new TCriticalSection();
    TP_IgnoreList = new TStringList();
    TP_IgnoreList->SetSorted(true);
    TP_GlobalClassHandling = new TObjectList();
    TP_ClassHandling = new TObjectList();
    DebugLogCS = new TMultiReadExclusiveWriteSynchronizer();
    DebugLog = new TMemoryStream();

    FDefaultDomainDirectory = IncludeTrailingPathDelimiter(ProgramFolder()) + QStringLiteral("locale");
    UseLanguage(String());
    bindtextdomain(QStringLiteral("default"), FDefaultDomainDirectory);
    textdomain(QStringLiteral("default"));

    TP_GlobalIgnoreClassProperty(TComponent::StaticClass(), QStringLiteral("Name"));
    TP_GlobalIgnoreClassProperty(TCollection::StaticClass(), QStringLiteral("PropName"));
}

TGettextInstance::~TGettextInstance() {
    delete TP_IgnoreList;
    delete TP_ClassHandling;
    delete TP_GlobalClassHandling;
    for (int i = 0; i < DomainList->Count(); ++i)
        delete DomainList->Objects(i);
    delete DomainList;
    delete DomainsCS;
    delete DebugLog;
    delete DebugLogCS;
}

// ---- lookups -------------------------------------------------------------------------------

TDomain* TGettextInstance::DomainByName(const String& name, const String& directory, const String& language) {
    TCriticalSectionLock lock(DomainsCS);
    return DomainByNameLocked(name, directory, language);
}

TDomain* TGettextInstance::DomainByNameLocked(const String& name, const String& directory,
                                              const String& language) {
    if (LastDomain && name == LastDomainName) return LastDomain;
    TDomain* d;
    const int i = DomainList->IndexOf(name);
    if (i >= 0) {
        d = static_cast<TDomain*>(DomainList->Objects(i));
    } else {
        d = new TDomain();
        d->DebugLogger = [this](const AnsiString& line) { WriteDebugLine(line); };
        d->Domain = name;
        d->SetDirectory(directory);
        d->SetLanguageCode(language);
        DomainList->AddObject(name, d);
    }
    LastDomain = d;
    LastDomainName = name;
    return d;
}

String TGettextInstance::Lookup(const String* szDomain, const String& szMsgId, bool& Found) {
    Found = false;
    if (!Enabled) return szMsgId;
    TCriticalSectionLock lock(DomainsCS);
    TDomain* domain =
        DomainByNameLocked(szDomain ? *szDomain : curmsgdomain, FDefaultDomainDirectory, curlang);
    return domain->TranslateText(szMsgId, Found);
}

String TGettextInstance::PluralLookup(const String* szDomain, const String& singular, const String& plural,
                                      Int64 Number) {
    if (!Enabled) return GetPluralForm2EN(Number) == 0 ? singular : plural;
    TCriticalSectionLock lock(DomainsCS);
    TDomain* domain =
        DomainByNameLocked(szDomain ? *szDomain : curmsgdomain, FDefaultDomainDirectory, curlang);
    const TDomain::TPluralForms& forms = domain->TranslatePlural(singular, plural);
    // Only a translation found in the catalogue follows the language's rule; the ids
    // themselves have the English forms. A form beyond the catalogue's gives its last one.
    const int index = forms.Found ? curGetPluralForm(Number) : GetPluralForm2EN(Number);
    const std::size_t i = index < 0 ? 0 : std::min(std::size_t(index), forms.Forms.size() - 1);
    return forms.Forms[i];
}

String TGettextInstance::dgettext(const String& szDomain, const String& szMsgId) {
    bool found;
    return Lookup(&szDomain, szMsgId, found);
}

String TGettextInstance::dgettext(const String& szDomain, const AnsiString& szMsgId) {
    return dgettext(szDomain, ansi2wide(szMsgId));
}

String TGettextInstance::gettext(const String& szMsgId) {
    bool found;
    return Lookup(nullptr, szMsgId, found);
}

String TGettextInstance::gettext(const AnsiString& szMsgId) {
    return gettext(ansi2wide(szMsgId));
}

String TGettextInstance::dngettext(const String& szDomain, const String& singular, const String& plural,
                                   Int64 Number) {
    return PluralLookup(&szDomain, singular, plural, Number);
}

String TGettextInstance::dngettext(const String& szDomain, const AnsiString& singular,
                                   const AnsiString& plural, Int64 Number) {
    return dngettext(szDomain, ansi2wide(singular), ansi2wide(plural), Number);
}

String TGettextInstance::ngettext(const String& singular, const String& plural, Int64 Number) {
    return PluralLookup(nullptr, singular, plural, Number);
}

String TGettextInstance::ngettext(const AnsiString& singular, const AnsiString& plural, Int64 Number) {
    return ngettext(ansi2wide(singular), ansi2wide(plural), Number);
}

// ---- domains and languages -----------------------------------------------------------------

void TGettextInstance::textdomain(const String& szDomain) {
    {
        TCriticalSectionLock lock(DomainsCS);
        curmsgdomain = szDomain;
    }
    DomainChanged(szDomain);
}

String TGettextInstance::getcurrenttextdomain() const {
    TCriticalSectionLock lock(DomainsCS);
    return curmsgdomain;
}

void TGettextInstance::bindtextdomain(const String& szDomain, const String& szDirectory) {
    {
        TCriticalSectionLock lock(DomainsCS);
        DomainByNameLocked(szDomain, FDefaultDomainDirectory, curlang)->SetDirectory(szDirectory);
    }
    DomainDirectoryChanged(szDomain, szDirectory);
}

void TGettextInstance::bindtextdomainToFile(const String& szDomain, const String& Filename) {
    TCriticalSectionLock lock(DomainsCS);
    DomainByNameLocked(szDomain, FDefaultDomainDirectory, curlang)->SetFilename(Filename);
}

void TGettextInstance::UseLanguage(String LanguageCode) {
    if (LanguageCode.isEmpty()) {
        // The user's choice for messages in the POSIX order: LC_ALL overrides everything,
        // LC_MESSAGES the base that LANG gives; the system's locale when none is set.
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
            LanguageCode = LocaleProvider().Environment(name);
            if (!LanguageCode.isEmpty()) break;
        }
        if (LanguageCode.isEmpty()) LanguageCode = LanguageFromLocale();
        const qsizetype dot = LanguageCode.indexOf(QLatin1Char('.'));
        if (dot >= 0) LanguageCode.truncate(dot);
    }
    {
        TCriticalSectionLock lock(DomainsCS);
        curlang = LanguageCode;
        for (int i = 0; i < DomainList->Count(); ++i)
            static_cast<TDomain*>(DomainList->Objects(i))->SetLanguageCode(curlang);
        curGetPluralForm = PluralRuleForLanguage(curlang);
    }
    LanguageChanged(LanguageCode);
}

String TGettextInstance::GetCurrentLanguage() const {
    TCriticalSectionLock lock(DomainsCS);
    return curlang;
}

String TGettextInstance::GetTranslationProperty(const String& PropertyName) {
    TCriticalSectionLock lock(DomainsCS);
    return DomainByNameLocked(curmsgdomain, FDefaultDomainDirectory, curlang)
        ->GetTranslationProperty(PropertyName);
}

String TGettextInstance::GetTranslatorNameAndEmail() {
    return GetTranslationProperty(QStringLiteral("LAST-TRANSLATOR"));
}

void TGettextInstance::GetListOfLanguages(const String& domain, TStrings* List) {
    TCriticalSectionLock lock(DomainsCS);
    DomainByNameLocked(domain, FDefaultDomainDirectory, curlang)->GetListOfLanguages(List);
}

void TGettextInstance::LanguageChanged(const String&) {}
void TGettextInstance::DomainChanged(const String&) {}
void TGettextInstance::DomainDirectoryChanged(const String&, const String&) {}

// ---- 8-bit texts ---------------------------------------------------------------------------

String TGettextInstance::ansi2wide(const AnsiString& s) const {
    if (DesignTimeCodePage == 0 || DesignTimeCodePage == 65001) return String::fromStdString(s);
    if (s.empty()) return String();
    QStringDecoder decoder;
    if (DesignTimeCodePage == 28591)
        decoder = QStringDecoder(QStringConverter::Latin1);
    else
        decoder = QStringDecoder(QByteArray("windows-") + QByteArray::number(DesignTimeCodePage));
    String result;
    if (decoder.isValid()) result = decoder.decode(QByteArrayView(s.data(), qsizetype(s.size())));
    if (result.isEmpty() || decoder.hasError())
        throw EGGAnsi2WideConvError(QStringLiteral("Cannot convert AnsiString to UnicodeString:\r\n") +
                                    String::fromLatin1(s.data(), qsizetype(s.size())));
    return result;
}

// ---- resource strings ----------------------------------------------------------------------

String TGettextInstance::LoadResString(const TResStringRec* ResStringRec) {
    if (ResStringRec == nullptr || ResStringRec->Text == nullptr) return String();
    const String text = String::fromUtf8(ResStringRec->Text);
    if (GetCurrentThreadId() != FCreatorThread) return text;
    return TranslateResourceText(text);
}

// ---- debug log -----------------------------------------------------------------------------

void TGettextInstance::DebugLogToFile(const String& Filename, bool append) {
    DebugLogCS->BeginWrite();
    try {
        if (!(append && FileExists(Filename))) delete new TFileStream(Filename, fmCreate);
        auto* file = new TFileStream(Filename, fmOpenWrite | fmShareDenyWrite);
        try {
            if (append) file->Seek(0, soEnd);
            if (file->Position() != 0) {
                const AnsiString rule = "\r\n" + AnsiString(75, '=') + "\r\n";
                file->WriteBuffer(rule.data(), int(rule.size()));
            }
            if (auto* memory = dynamic_cast<TMemoryStream*>(DebugLog)) {
                if (memory->Size() > 0) file->WriteBuffer(memory->Memory(), int(memory->Size()));
            }
        } catch (...) {
            delete file;
            throw;
        }
        delete DebugLog;
        DebugLog = file;
    } catch (...) {
        DebugLogCS->EndWrite();
        throw;
    }
    DebugLogCS->EndWrite();
}

void TGettextInstance::DebugLogPause(bool PauseEnabled) {
    DebugLogCS->BeginWrite();
    DebugLogOutputPaused = PauseEnabled;
    DebugLogCS->EndWrite();
}

void TGettextInstance::WriteDebugLine(const AnsiString& Line) {
    DebugLogCS->BeginWrite();
    try {
        if (!DebugLogOutputPaused) {
            bool discard = true;
            if (OnDebugLine.Assigned())
                OnDebugLine(this, Line, discard);
            else
                discard = false;
            if (!discard && DebugLog) {
                AnsiString text = Line + "\r\n";
                if (Is<TMemoryStream>(DebugLog) && DebugLog->Position() > kMaxMemoryLog) {
                    text = "\r\n\r\nThe debug log was halted because its memory use grew too much.\r\n"
                           "Give a file name with DebugLogToFile to keep the whole log.\r\n\r\n";
                    DebugLogOutputPaused = true;
                }
                DebugLog->WriteBuffer(text.data(), int(text.size()));
            }
        }
    } catch (...) {
        DebugLogCS->EndWrite();
        throw;
    }
    DebugLogCS->EndWrite();
}
