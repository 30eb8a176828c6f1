// One text domain in one language: finds, opens, checks and closes the domain's catalogue
// and looks message ids up in it.
//
// Catalogues are read from <Directory>/<language>/LC_MESSAGES/<Domain>.mo, where a
// language such as de_AT falls back to its first two letters (de). The language folder is
// found whatever the case of its name on disk.
#pragma once

#include "i18n/FileLocator.h"
#include "platform/classes/Object.h"

#include <QHash>
#include <vector>

class TMoFile;
class TStrings;

class TDomain : public TObject {
    ORVO_CLASS(TDomain, TObject)
public:
    TDomain();
    ~TDomain() override;

    // The folder holding the language folders, with a trailing delimiter. Writing it
    // forgets a specific file name and closes the catalogue.
    String Directory() const { return vDirectory; }
    void SetDirectory(const String& Dir);
    // Closes the catalogue; the next lookup opens the one of LangCode.
    void SetLanguageCode(const String& LangCode);
    // Reads exactly this file from now on, whatever the language.
    void SetFilename(const String& Filename);

    // The translation of msgid (UTF-8 bytes), or msgid. Found tells which.
    AnsiString gettext(const AnsiString& msgid, bool& Found);
    AnsiString gettext(const AnsiString& msgid);
    // The translation of a UTF-16 text as the engine hands it out: looked up without CR,
    // returned with CR LF line ends; the text itself (so normalised) when the catalogue
    // lacks it. Found tells which. Results are remembered per text until the catalogue is
    // unloaded or reloaded, which every change of language, folder or file does first.
    String TranslateText(const String& szMsgId, bool& Found);
    // The forms of the translation of singular and plural, normalised as TranslateText
    // normalises: the catalogue's forms when it has the pair (Found true), else the two ids.
    // The reference stays valid until the next call on this domain. Remembered like
    // TranslateText's results, keyed by the singular.
    struct TPluralForms {
        String Plural;
        std::vector<String> Forms;
        bool Found = false;
    };
    const TPluralForms& TranslatePlural(const String& singular, const String& plural);
    // The value of one header line of the catalogue ("Content-Type"), "" when absent.
    String GetTranslationProperty(const String& PropertyName);
    // The codes (in lower case) of the languages for which this domain has a catalogue.
    void GetListOfLanguages(TStrings* List);

    void LoadCatalogue();
    void UnloadCatalogue();

    bool Enabled() const { return FEnabled; }
    bool OpenHasFailedBefore() const { return FOpenHasFailedBefore; }
    bool IsOpen() const { return moFile != nullptr; }

    String Domain;
    TDebugLogger DebugLogger;

private:
    // TranslateText without the remembered results.
    String TranslateUncached(const String& szMsgId, bool& Found);
    void ForgetTexts();
    // The catalogue file for Lang, or "" when neither the locator nor the disk has it.
    String CatalogueFile(const String& Lang) const;

    struct TCachedText {
        String Text;
        bool Found = false;
    };

    bool FEnabled = true;
    String vDirectory;
    TMoFile* moFile = nullptr;
    String SpecificFilename;
    String curlang;
    bool FOpenHasFailedBefore = false;
    // Results of TranslateText by UTF-16 id; they depend only on the catalogue state above.
    QHash<String, TCachedText> TextCache;
    QHash<String, TPluralForms> PluralCache;
    TPluralForms UncachedForms;
};
