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

// Holds a critical section for the life of a scope.
class SectionLock {
public:
    explicit SectionLock(TCriticalSection* cs) : cs_(cs) { cs_->Enter(); }
    ~SectionLock() { cs_->Leave(); }
    SectionLock(const SectionLock&) = delete;
    SectionLock& operator=(const SectionLock&) = delete;

private:
    TCriticalSection* cs_;
};

// Beyond this size the in-memory debug log stops growing.
constexpr Int64 kMaxMemoryLog = 1000000;

const QChar kNul(u'\0');

// The part of r that is form index of a NUL-separated list, or the last form.
String pluralForm(String r, int index) {
    while (index > 0) {
        const qsizetype nul = r.indexOf(kNul);
        if (nul < 0) break;
        r.remove(0, nul + 1);
        --index;
    }
    const qsizetype nul = r.indexOf(kNul);
    return nul < 0 ? r : r.left(nul);
}

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
    SectionLock lock(DomainsCS);
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

String TGettextInstance::Lookup(const String* szDomain, const String& szMsgId, bool& Found,
                                TGetPluralForm* Rule) {
    Found = false;
    if (!Enabled) return szMsgId;
    SectionLock lock(DomainsCS);
    if (Rule) *Rule = curGetPluralForm;
    TDomain* domain =
        DomainByNameLocked(szDomain ? *szDomain : curmsgdomain, FDefaultDomainDirectory, curlang);
    return domain->TranslateText(szMsgId, Found);
}

String TGettextInstance::PluralLookup(const String* szDomain, const String& singular, const String& plural,
                                      Int64 Number) {
    bool found;
    TGetPluralForm rule = GetPluralForm2EN;
    const String r = Lookup(szDomain, singular + kNul + plural, found, &rule);
    // Only a translation found in the catalogue follows the language's rule; the id itself
    // has the English forms.
    return pluralForm(r, found ? rule(Number) : GetPluralForm2EN(Number));
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
        SectionLock lock(DomainsCS);
        curmsgdomain = szDomain;
    }
    DomainChanged(szDomain);
}

String TGettextInstance::getcurrenttextdomain() const {
    SectionLock lock(DomainsCS);
    return curmsgdomain;
}

void TGettextInstance::bindtextdomain(const String& szDomain, const String& szDirectory) {
    {
        SectionLock lock(DomainsCS);
        DomainByNameLocked(szDomain, FDefaultDomainDirectory, curlang)->SetDirectory(szDirectory);
    }
    DomainDirectoryChanged(szDomain, szDirectory);
}

void TGettextInstance::bindtextdomainToFile(const String& szDomain, const String& Filename) {
    SectionLock lock(DomainsCS);
    DomainByNameLocked(szDomain, FDefaultDomainDirectory, curlang)->SetFilename(Filename);
}

void TGettextInstance::UseLanguage(String LanguageCode) {
    if (LanguageCode.isEmpty()) {
        LanguageCode = LanguageFromEnvironment();
        if (LanguageCode.isEmpty()) LanguageCode = LanguageFromLocale();
        const qsizetype dot = LanguageCode.indexOf(QLatin1Char('.'));
        if (dot >= 0) LanguageCode.truncate(dot);
    }
    {
        SectionLock lock(DomainsCS);
        curlang = LanguageCode;
        for (int i = 0; i < DomainList->Count(); ++i)
            static_cast<TDomain*>(DomainList->Objects(i))->SetLanguageCode(curlang);
        curGetPluralForm = PluralRuleForLanguage(curlang);
    }
    LanguageChanged(LanguageCode);
}

String TGettextInstance::GetCurrentLanguage() const {
    SectionLock lock(DomainsCS);
    return curlang;
}

String TGettextInstance::GetTranslationProperty(const String& PropertyName) {
    SectionLock lock(DomainsCS);
    return DomainByNameLocked(curmsgdomain, FDefaultDomainDirectory, curlang)
        ->GetTranslationProperty(PropertyName);
}

String TGettextInstance::GetTranslatorNameAndEmail() {
    return GetTranslationProperty(QStringLiteral("LAST-TRANSLATOR"));
}

void TGettextInstance::GetListOfLanguages(const String& domain, TStrings* List) {
    SectionLock lock(DomainsCS);
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
