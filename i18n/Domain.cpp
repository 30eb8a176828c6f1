#include "i18n/Domain.h"

#include "i18n/MoFile.h"
#include "i18n/Utf8.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/win/MessageBox.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringTokenizer>
#include <string>

ORVO_IMPLEMENT_CLASS(TDomain, TObject)

namespace {

const QString kMessages = QStringLiteral("LC_MESSAGES");

// Beyond this many remembered texts a domain forgets them all and starts again, so that
// ids built at run time (with numbers or names in them) cannot grow the memory without end.
constexpr qsizetype kMaxCachedTexts = 16384;

// The entry of folder whose name equals name without regard to case; the exact name is
// preferred when it exists.
String folderEntryIgnoringCase(const String& folder, const String& name) {
    const QDir dir(folder);
    if (dir.exists(name)) return name;
    const QStringList entries = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0) return e;
    return String();
}

} // namespace

TDomain::TDomain() = default;

TDomain::~TDomain() {
    UnloadCatalogue();
}

void TDomain::SetDirectory(const String& Dir) {
    vDirectory = Dir.isEmpty() ? Dir : IncludeTrailingPathDelimiter(Dir);
    SpecificFilename.clear();
    UnloadCatalogue();
}

void TDomain::SetLanguageCode(const String& LangCode) {
    UnloadCatalogue();
    curlang = LangCode;
}

void TDomain::SetFilename(const String& Filename) {
    UnloadCatalogue();
    vDirectory.clear();
    SpecificFilename = Filename;
}

String TDomain::CatalogueFile(const String& Lang) const {
    if (Lang.isEmpty() || vDirectory.isEmpty()) return String();
    const String relative =
        Lang + QLatin1Char('/') + kMessages + QLatin1Char('/') + Domain + QStringLiteral(".mo");
    const String name = vDirectory + relative;
    if (FileLocator && FileLocator->FileExists(name)) return name;
    if (::FileExists(name)) return name;
    // The language list gives folder names in lower case; find "pt_BR" for "pt_br".
    const String folder = folderEntryIgnoringCase(vDirectory, Lang);
    if (folder.isEmpty() || folder == Lang) return String();
    const String found = vDirectory + folder + QLatin1Char('/') + kMessages + QLatin1Char('/') + Domain +
                         QStringLiteral(".mo");
    return ::FileExists(found) ? found : String();
}

void TDomain::LoadCatalogue() {
    if (moFile || FOpenHasFailedBefore || !FEnabled) return;
    ForgetTexts();
    String filename = SpecificFilename;
    if (filename.isEmpty()) {
        filename = CatalogueFile(curlang);
        if (filename.isEmpty() && curlang.size() > 2) filename = CatalogueFile(curlang.left(2));
    } else if (!((FileLocator && FileLocator->FileExists(filename)) || ::FileExists(filename))) {
        filename.clear();
    }
    if (filename.isEmpty()) {
        FOpenHasFailedBefore = true;
        return;
    }
    if (!FileLocator) {
        FOpenHasFailedBefore = true;
        return;
    }
    // A catalogue that cannot be read or checked (damaged, not a catalogue, not a regular
    // file) is reported once in a box, and the domain returns every id unchanged until its
    // language, folder or file changes: the program goes on untranslated instead of failing
    // at whatever asked for the first text. While the catalogue loads, the domain counts as
    // failed, so that the texts of the load's own errors, which are translated too, come back
    // untranslated instead of loading the catalogue again.
    FOpenHasFailedBefore = true;
    try {
        moFile = FileLocator->GetMoFile(filename, DebugLogger);
        FOpenHasFailedBefore = false;
        const String contentType = GetTranslationProperty(QStringLiteral("Content-Type"));
        if (!contentType.toUpper().contains(QStringLiteral("CHARSET=UTF-8"))) {
            FileLocator->ReleaseMoFile(moFile);
            FEnabled = false;
            MessageBox(
                nullptr,
                QStringLiteral("The translation for the language code %1 (in %2) does not have charset=utf-8 "
                               "in its Content-Type. Translations are turned off.")
                    .arg(curlang, filename),
                QStringLiteral("Localization problem"), MB_OK);
        }
    } catch (const Exception& e) {
        if (moFile) FileLocator->ReleaseMoFile(moFile);
        FOpenHasFailedBefore = true;
        MessageBox(nullptr,
                   QStringLiteral("The translation for the language code %1 could not be read.\n%2\n"
                                  "Translations are turned off.")
                       .arg(curlang, e.Message),
                   QStringLiteral("Localization problem"), MB_OK);
    } catch (...) {
        if (moFile) FileLocator->ReleaseMoFile(moFile);
        FOpenHasFailedBefore = true;
        throw;
    }
}

void TDomain::UnloadCatalogue() {
    if (moFile && FileLocator) FileLocator->ReleaseMoFile(moFile);
    moFile = nullptr;
    FOpenHasFailedBefore = false;
    ForgetTexts();
}

void TDomain::ForgetTexts() {
    TextCache.clear();
    PluralCache.clear();
}

AnsiString TDomain::gettext(const AnsiString& msgid, bool& Found) {
    Found = false;
    if (!FEnabled) return msgid;
    if (!moFile && !FOpenHasFailedBefore) LoadCatalogue();
    if (!moFile) return msgid;
    return moFile->gettext(msgid, Found);
}

String TDomain::TranslateText(const String& szMsgId, bool& Found) {
    const auto cached = TextCache.constFind(szMsgId);
    if (cached != TextCache.cend()) {
        Found = cached->Found;
        return cached->Text;
    }
    const String text = TranslateUncached(szMsgId, Found);
    if (TextCache.size() >= kMaxCachedTexts) TextCache.clear();
    TextCache.insert(szMsgId, TCachedText{text, Found});
    return text;
}

const TDomain::TPluralForms& TDomain::TranslatePlural(const String& singular, const String& plural) {
    // Looked up by the singular alone, so that a call makes no new string; the plural is
    // compared after.
    const auto cached = PluralCache.constFind(singular);
    if (cached != PluralCache.cend() && cached->Plural == plural) return *cached;
    // The catalogue keys a plural entry by both ids joined by NUL, and holds its forms
    // joined the same way.
    TPluralForms forms;
    forms.Plural = plural;
    const String joined = TranslateUncached(singular + QChar(u'\0') + plural, forms.Found);
    for (const QStringView form : QStringTokenizer(joined, QChar(u'\0')))
        forms.Forms.push_back(form.toString());
    if (forms.Forms.empty()) forms.Forms.emplace_back();
    // A lookup that threw above remembered nothing, as for TranslateText. Another plural for
    // a singular already remembered is answered without replacing the first.
    if (cached != PluralCache.cend()) {
        UncachedForms = std::move(forms);
        return UncachedForms;
    }
    if (PluralCache.size() >= kMaxCachedTexts) PluralCache.clear();
    return *PluralCache.insert(singular, std::move(forms));
}

String TDomain::TranslateUncached(const String& szMsgId, bool& Found) {
    // The id is looked up without CR and the result gets CR LF line ends, as
    // RemoveCarriageReturns and LfToCrLf give them, without copying texts that have nothing
    // to change. A lookup that throws (a damaged catalogue, a text that is not valid UTF-8)
    // is not remembered, so that the next one behaves as it would have without the cache.
    AnsiString key = Utf8EncodeText(szMsgId);
    std::erase(key, '\r');
    AnsiString raw = gettext(key, Found);
    if (raw.find('\n', 1) != AnsiString::npos) raw = LfToCrLf(raw);
    return Utf8DecodeText(raw);
}

AnsiString TDomain::gettext(const AnsiString& msgid) {
    bool found;
    return gettext(msgid, found);
}

String TDomain::GetTranslationProperty(const String& PropertyName) {
    const String header = Utf8DecodeText(gettext(AnsiString()));
    const String prefix = PropertyName + QStringLiteral(": ");
    const QStringList lines = header.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (const QString& line : lines) {
        // The value without blanks and control characters (up to U+0020) at either end.
        if (StartsWithIgnoringAsciiCase(line, prefix)) return Trim(line.mid(prefix.size()));
    }
    return String();
}

void TDomain::GetListOfLanguages(TStrings* List) {
    List->Clear();
    const String tail = QLatin1Char('/') + kMessages + QLatin1Char('/') + Domain + QStringLiteral(".mo");
    if (!vDirectory.isEmpty()) {
        const QDir dir(vDirectory);
        const QStringList entries =
            dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
        for (const QString& e : entries) {
            if (!::FileExists(vDirectory + e + tail)) continue;
            const String code = e.toLower();
            if (List->IndexOf(code) < 0) List->Add(code);
        }
    }
    if (!FileLocator || FileLocator->BaseDirectory().isEmpty() || vDirectory.isEmpty()) return;
    // Embedded catalogues: every name below this domain's folder that ends in its file.
    for (const String& name : FileLocator->EmbeddedNames()) {
        const String full = FileLocator->BaseDirectory() + name;
        if (!StartsWithIgnoringAsciiCase(full, vDirectory) || !EndsWithIgnoringAsciiCase(full, tail))
            continue;
        const String code =
            full.mid(vDirectory.size(), full.size() - vDirectory.size() - tail.size()).toLower();
        if (!code.isEmpty() && List->IndexOf(code) < 0) List->Add(code);
    }
}
