// Settings storage in an INI file held in memory: storage folders are sections ("A\B" is
// the section named A\B), values are keys. TXcAppIniFileStorage loads the file when its
// name is set and writes it back on Flush, at the latest when it is destroyed.
#pragma once

#include "storage/XcCustomAppMemoryFileStorage.h"

class TMemIniFile;

class TXcAppIniStorageOptions : public TXcAppStorageOptions {
    ORVO_CLASS(TXcAppIniStorageOptions, TXcAppStorageOptions)
public:
    TXcAppIniStorageOptions() { SetFloatAsString(false); }
    void Assign(TPersistent* Source) override;

    // Line breaks are written as "\n" (and "\" as "\\") so a value stays on one line.
    bool ReplaceCRLF() const { return FReplaceCRLF; }
    void SetReplaceCRLF(bool Value) { FReplaceCRLF = Value; }
    // Values with blanks at their ends are written between double quotes.
    bool PreserveLeadingTrailingBlanks() const { return FPreserveLeadingTrailingBlanks; }
    void SetPreserveLeadingTrailingBlanks(bool Value) { FPreserveLeadingTrailingBlanks = Value; }

private:
    bool FReplaceCRLF = false;
    bool FPreserveLeadingTrailingBlanks = false;
};

class TXcCustomAppIniStorage : public TXcCustomAppMemoryFileStorage {
    ORVO_CLASS(TXcCustomAppIniStorage, TXcCustomAppMemoryFileStorage)
public:
    explicit TXcCustomAppIniStorage(TComponent* AOwner);
    ~TXcCustomAppIniStorage() override;

    TMemIniFile* IniFile() const { return FIniFile; }
    // The code page the file is read and written in (CP_ACP: the system's, the default;
    // CP_UTF8; CP_WINDOWS_1252). With the system's, bytes of a hand-edited file that are not
    // UTF-8 are written back unchanged. Another code page raises Exception.
    unsigned Encoding() const;
    void SetEncoding(unsigned CodePage);
    const String& DefaultSection() const { return FDefaultSection; }
    void SetDefaultSection(const String& Value) { FDefaultSection = Value; }
    TXcAppIniStorageOptions* StorageOptions() const {
        return static_cast<TXcAppIniStorageOptions*>(TXcCustomAppStorage::StorageOptions());
    }

    // The whole INI as the lines of its file / rebuilt from such lines.
    String AsString() override;
    void SetAsString(const String& Value) override;

    // Raw access to one key of the section of KeyPath.
    virtual String ReadValue(const String& KeyPath, const String& ValueName);
    virtual void WriteValue(const String& KeyPath, const String& ValueName, const String& Value);
    virtual void RemoveValue(const String& KeyPath, const String& ValueName);

    // Calls OnError with the storage and Text when it is assigned.
    void ReportError(const String& Text);

    void SplitValuePath(const String& Path, String& FolderPath, String& ValueName) override;
    void StoreEnumFolders(const String& Path, TStrings* Strings, bool ReportListAsValue = true) override;
    void StoreEnumValues(const String& Path, TStrings* Strings, bool ReportListAsValue = true) override;
    bool StoreIsFolder(const String& Path, bool ListIsValue = true) override;
    bool StorePathExists(const String& Path) override;
    bool StoreValueStored(const String& Path) override;
    void StoreDeleteValue(const String& Path) override;
    void StoreDeleteSubTree(const String& Path) override;
    int StoreReadInteger(const String& Path, int Default) override;
    void StoreWriteInteger(const String& Path, int Value) override;
    Extended StoreReadFloat(const String& Path, Extended Default) override;
    void StoreWriteFloat(const String& Path, Extended Value) override;
    String StoreReadString(const String& Path, const String& Default) override;
    void StoreWriteString(const String& Path, const String& Value) override;
    int StoreReadBinary(const String& Path, void* Buf, int BufSize) override;
    void StoreWriteBinary(const String& Path, const void* Buf, int BufSize) override;

protected:
    TXcAppStorageOptionsClass StorageOptionsClass() const override;
    String StorageFileExtension() const override { return QStringLiteral("ini"); }
    // "TXcAppIniFileStorage.ReadValue: Section undefined" when no section results.
    String SectionOfPath(const String& KeyPath) const;
    bool ValueExists(const String& Section, const String& Key);
    void FlushAfterChange();

private:
    // The text of the value at Path; false, leaving Text alone, when there is none.
    bool ReadStoredText(const String& Path, String& Text);
    // Stores Text as the value at Path.
    void WriteStoredText(const String& Path, const String& Text);

    TMemIniFile* FIniFile = nullptr;
    String FDefaultSection;
};

class TXcAppIniFileStorage : public TXcCustomAppIniStorage {
    ORVO_CLASS(TXcAppIniFileStorage, TXcCustomAppIniStorage)
public:
    explicit TXcAppIniFileStorage(TComponent* AOwner);
    // Flushes when FlushOnDestroy is set.
    ~TXcAppIniFileStorage() override;

    // Writes the INI to FullFileName, creating missing folders. Nothing for an empty name,
    // a read-only storage or while designing. A failure is traced and reported to OnError;
    // the values in memory survive.
    void Flush() override;
    void Reload() override;
};
