// INI files: the abstract TCustomIniFile with the typed reads and writes built on
// ReadString/WriteString, and TMemIniFile, which holds a whole INI file in memory and
// writes it back on UpdateFile.
#pragma once

#include "platform/classes/Object.h"

#include <memory>

class TStrings;

class TCustomIniFile : public TObject {
    ORVO_CLASS(TCustomIniFile, TObject)
public:
    explicit TCustomIniFile(const String& FileName) : fileName_(FileName) {}

    const String& FileName() const { return fileName_; }

    virtual bool SectionExists(const String& Section);
    virtual String ReadString(const String& Section, const String& Ident, const String& Default) = 0;
    virtual void WriteString(const String& Section, const String& Ident, const String& Value) = 0;
    // Decimal, or hexadecimal after "0x"/"0X" (or "$"); an empty or bad text gives Default.
    virtual int ReadInteger(const String& Section, const String& Ident, int Default);
    virtual void WriteInteger(const String& Section, const String& Ident, int Value);
    // An integer: 0 is false, anything else true. Written as "1" or "0".
    virtual bool ReadBool(const String& Section, const String& Ident, bool Default);
    virtual void WriteBool(const String& Section, const String& Ident, bool Value);
    // Accepts "." and "," as well as the locale's decimal separator, so that a file written
    // under another locale still reads; an empty or bad text gives Default.
    virtual double ReadFloat(const String& Section, const String& Ident, double Default);
    // Written as FloatToStr writes it: 15 significant digits, the locale's separator.
    virtual void WriteFloat(const String& Section, const String& Ident, double Value);
    // The key names of Section / the section names / "name=value" of every key of
    // Section; Strings is cleared first.
    virtual void ReadSection(const String& Section, TStrings* Strings) = 0;
    virtual void ReadSections(TStrings* Strings) = 0;
    virtual void ReadSectionValues(const String& Section, TStrings* Strings) = 0;
    virtual void EraseSection(const String& Section) = 0;
    virtual void DeleteKey(const String& Section, const String& Ident) = 0;
    virtual void UpdateFile() = 0;
    virtual bool ValueExists(const String& Section, const String& Ident);

protected:
    String fileName_;
};

// The INI file in memory. Section and key names compare without regard to letter case;
// sections and keys keep their order. Reading a file: lines are trimmed; empty lines and
// lines that start with ";" are skipped; "[name]" starts a section; other lines are
// name=value with the blanks around name and value removed. Lines before the first
// section and lines without "=" are ignored. A key that appears twice in a section is
// kept twice in memory, and the first one is read and replaced; the file gets one line per
// key, the one that is read. A section that appears twice is read as one. Lines are ended by
// CR LF, LF or CR; they are written with LF.
//
// The text is in the code page of Encoding. With the system's (CP_ACP, the default) or
// CP_UTF8 the file is UTF-8, and bytes that are not valid UTF-8 (a hand-edited file in an
// 8-bit code page) are kept as they are: each stands in memory for the character
// U+DC00 + byte and is written back as that byte. A UTF-8 byte-order mark is skipped.
class TMemIniFile : public TCustomIniFile {
    ORVO_CLASS(TMemIniFile, TCustomIniFile)
public:
    // Reads FileName when it exists (EFOpenError when it exists but cannot be read).
    explicit TMemIniFile(const String& FileName);
    ~TMemIniFile() override;

    void Clear();
    // The code page the file is read and written in: CP_ACP, CP_UTF8 or CP_WINDOWS_1252.
    // Another code page raises Exception and keeps the current one.
    unsigned Encoding() const { return encoding_; }
    void SetEncoding(unsigned CodePage);
    // Takes FileName as the file; with Reload, replaces the contents by that file's (or
    // empties them when the file does not exist).
    void Rename(const String& FileName, bool Reload);
    // The contents as the lines of the file / replaces the contents by such lines.
    void GetStrings(TStrings* List) const;
    void SetStrings(TStrings* List);

    bool SectionExists(const String& Section) override;
    bool ValueExists(const String& Section, const String& Ident) override;
    // The value when the key exists (even an empty one), else Default.
    String ReadString(const String& Section, const String& Ident, const String& Default) override;
    // Replaces the value in place, or appends the key to its section, or appends a new
    // section at the end.
    void WriteString(const String& Section, const String& Ident, const String& Value) override;
    void ReadSection(const String& Section, TStrings* Strings) override;
    void ReadSections(TStrings* Strings) override;
    void ReadSectionValues(const String& Section, TStrings* Strings) override;
    void EraseSection(const String& Section) override;
    void DeleteKey(const String& Section, const String& Ident) override;
    // Writes the file. A temporary file in the same folder is written, flushed to disk and
    // renamed over the file, so a failure never leaves a half-written file in place of a
    // good one. Failure raises EFCreateError; so does a file whose owner may not write it,
    // and a text that the 8-bit Encoding cannot hold. After a successful write the temporary
    // files that writers which died before their rename left beside the file are removed.
    void UpdateFile() override;

private:
    struct Data;
    void LoadValues();

    std::unique_ptr<Data> d_;
    unsigned encoding_ = 0;
};
