// Reading a file's version block (the VS_VERSIONINFO layout) and its string values by name.
#pragma once

#include "platform/classes/Object.h"
#include "platform/win/VersionInfo.h"
#include "storage/support/SclBase.h"

#include <memory>
#include <vector>

class TStringList;
class TStrings;

ORVO_DECLARE_EXCEPTION(ESclFileVersionInfoError, ESclError)

enum TFileFlag { ffDebug, ffInfoInferred, ffPatched, ffPreRelease, ffPrivateBuild, ffSpecialBuild };
using TFileFlags = Set<TFileFlag>;

struct TLangIdRec {
    Word LangId = 0;
    Word CodePage = 0;
};

class TSclFileVersionInfo : public TObject {
    ORVO_CLASS(TSclFileVersionInfo, TObject)
public:
    // The version information of a file: "The file %s does not exist" or "File contains
    // no version information" when there is none.
    explicit TSclFileVersionInfo(const String& FileName);
    // Parses a copy of version-block bytes the caller already has.
    TSclFileVersionInfo(const void* VersionInfoData, int Size);
    ~TSclFileVersionInfo() override;

    String Comments() const { return Value(QStringLiteral("Comments")); }
    String CompanyName() const { return Value(QStringLiteral("CompanyName")); }
    String FileDescription() const { return Value(QStringLiteral("FileDescription")); }
    String FileVersion() const { return Value(QStringLiteral("FileVersion")); }
    String InternalName() const { return Value(QStringLiteral("InternalName")); }
    String LegalCopyright() const { return Value(QStringLiteral("LegalCopyright")); }
    String LegalTradeMarks() const { return Value(QStringLiteral("LegalTradeMarks")); }
    String OriginalFilename() const { return Value(QStringLiteral("OriginalFilename")); }
    String PrivateBuild() const { return Value(QStringLiteral("PrivateBuild")); }
    String ProductName() const { return Value(QStringLiteral("ProductName")); }
    String ProductVersion() const { return Value(QStringLiteral("ProductVersion")); }
    String SpecialBuild() const { return Value(QStringLiteral("SpecialBuild")); }

    // Any key of the current language; raises for an empty or absent key.
    String GetCustomFieldValue(const String& FieldName) const;

    String FileVersionMajor() const { return VersionPart(FileVersion(), 0); }
    String FileVersionMinor() const { return VersionPart(FileVersion(), 1); }
    String FileVersionRelease() const { return VersionPart(FileVersion(), 2); }
    String FileVersionBuild() const { return VersionPart(FileVersion(), 3); }
    String ProductVersionMajor() const { return VersionPart(ProductVersion(), 0); }
    String ProductVersionMinor() const { return VersionPart(ProductVersion(), 1); }
    String ProductVersionRelease() const { return VersionPart(ProductVersion(), 2); }
    String ProductVersionBuild() const { return VersionPart(ProductVersion(), 3); }

    String BinFileVersion() const;
    String BinProductVersion() const;
    DWORD FileOS() const { return FFixedInfo.dwFileOS; }
    DWORD FileType() const { return FFixedInfo.dwFileType; }
    DWORD FileSubType() const { return FFixedInfo.dwFileSubtype; }
    VS_FIXEDFILEINFO FixedInfo() const { return FFixedInfo; }
    TFileFlags FileFlags() const { return FFileFlags; }

    TStrings* Items() const;
    int LanguageCount() const { return int(FLanguages.size()); }
    int TranslationCount() const { return int(FTranslations.size()); }
    TLangIdRec Languages(int Index) const { return FLanguages.at(std::size_t(Index)); }
    TLangIdRec Translations(int Index) const { return FTranslations.at(std::size_t(Index)); }
    int LanguageIndex() const { return FLanguageIndex; }
    void SetLanguageIndex(int Value);
    bool TranslationMatchesLanguages(bool Exact = true) const;

    static String VersionLanguageId(const TLangIdRec& LangIdRec);
    static bool FileHasVersionInfo(const String& FileName);

private:
    void ExtractData();
    void ExtractFlags();
    void CreateItemsForLanguage();
    String Value(const String& Key) const;
    static String VersionPart(const String& Version, int Index);

    std::vector<Byte> FBuffer;
    VS_FIXEDFILEINFO FFixedInfo{};
    TFileFlags FFileFlags;
    std::unique_ptr<TStringList> FItemList; // name=value of every language
    std::vector<int> FItemLanguage;         // the language index of each line of FItemList
    std::unique_ptr<TStringList> FItems;    // name=value of the current language
    std::vector<TLangIdRec> FLanguages;
    std::vector<TLangIdRec> FTranslations;
    int FLanguageIndex = 0;
};

// The 52-byte fixed block of a file's version information; false when it has none.
bool ReadFixedFileInfo(const String& FileName, VS_FIXEDFILEINFO& FixedInfo);
