#include "storage/XcAppIniFileStorage.h"

#include "platform/classes/MemIniFile.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/IntText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/SysMath.h"
#include "storage/support/XcStrUtils.h"

#include <QDebug>

ORVO_IMPLEMENT_CLASS(TXcAppIniStorageOptions, TXcAppStorageOptions)
ORVO_IMPLEMENT_CLASS(TXcCustomAppIniStorage, TXcCustomAppMemoryFileStorage)
ORVO_IMPLEMENT_CLASS(TXcAppIniFileStorage, TXcCustomAppIniStorage)

ORVO_PUBLISHED(TXcAppIniStorageOptions) {
    using T = TXcAppIniStorageOptions;
    P.Property("ReplaceCRLF", &T::ReplaceCRLF, &T::SetReplaceCRLF).Default(false);
    P.Property("PreserveLeadingTrailingBlanks", &T::PreserveLeadingTrailingBlanks,
               &T::SetPreserveLeadingTrailingBlanks)
        .Default(false);
    P.Property("FloatAsString", &T::FloatAsString, &T::SetFloatAsString).Default(false);
}

ORVO_PUBLISHED(TXcAppIniFileStorage) {
    using T = TXcAppIniFileStorage;
    P.Property("AutoFlush", &T::AutoFlush, &T::SetAutoFlush).Default(false);
    P.Property("AutoReload", &T::AutoReload, &T::SetAutoReload).Default(false);
    P.Property("FileName", &T::FileName, &T::SetFileName);
    P.Property("FlushOnDestroy", &T::FlushOnDestroy, &T::SetFlushOnDestroy).Default(true);
    P.Property("Location", &T::Location, &T::SetLocation).Default(flExeFile);
    P.Property("DefaultSection", &T::DefaultSection, &T::SetDefaultSection);
    P.Property("SubStorages", &T::SubStorages, &T::SetSubStorages);
    P.Property("OnGetFileName", &T::OnGetFileName, &T::SetOnGetFileName);
    P.Property("SynchronizeFlushReload", &T::SynchronizeFlushReload, &T::SetSynchronizeFlushReload)
        .Default(false);
    P.Property(
         "ReadOnly", [](T* t) { return t->ReadOnly(); }, &T::SetReadOnly)
        .Default(false);
}

namespace {
String EscapeLineBreaks(const String& s) {
    if (!s.contains(u'\r') && !s.contains(u'\n')) return s;
    String out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\r') {
            out += QStringLiteral("\\n");
            if (i + 1 < s.size() && s[i + 1] == u'\n') ++i;
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else {
            out += c;
        }
    }
    return out;
}

String UnescapeLineBreaks(const String& s) {
    String out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'\\' && i + 1 < s.size() && (s[i + 1] == u'\\' || s[i + 1] == u'n')) {
            out += s[i + 1] == u'n' ? QString::fromLatin1(sLineBreak) : QStringLiteral("\\");
            ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

String QuoteBlanks(const String& s) {
    if (s.isEmpty()) return s;
    const bool blanks = s.front() == u' ' || s.back() == u' ';
    const bool quoted = s.front() == u'"' && s.back() == u'"';
    return blanks || quoted ? u'"' + s + u'"' : s;
}

String UnquoteBlanks(const String& s) {
    if (s.size() >= 2 && s.front() == u'"' && s.back() == u'"') return s.mid(1, s.size() - 2);
    return s;
}

bool SectionBelow(const String& Section, const String& Path) {
    return Section.size() > Path.size() && Section[Path.size()] == u'\\' &&
           Section.startsWith(Path, Qt::CaseInsensitive);
}
} // namespace

void TXcAppIniStorageOptions::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TXcAppIniStorageOptions*>(Source); s && s != this) {
        FReplaceCRLF = s->FReplaceCRLF;
        FPreserveLeadingTrailingBlanks = s->FPreserveLeadingTrailingBlanks;
    }
    TXcAppStorageOptions::Assign(Source);
}

// ---- TXcCustomAppIniStorage -------------------------------------------------------------

TXcCustomAppIniStorage::TXcCustomAppIniStorage(TComponent* AOwner) : TXcCustomAppMemoryFileStorage(AOwner) {
    FIniFile = new TMemIniFile(Name());
}

TXcCustomAppIniStorage::~TXcCustomAppIniStorage() {
    delete FIniFile;
    FIniFile = nullptr;
}

TXcAppStorageOptionsClass TXcCustomAppIniStorage::StorageOptionsClass() const {
    return TXcAppIniStorageOptions::StaticClass();
}

void TXcCustomAppIniStorage::ReportError(const String& Text) {
    if (OnError) OnError(this, Text);
}

void TXcCustomAppIniStorage::SplitValuePath(const String& Path, String& FolderPath, String& ValueName) {
    TXcCustomAppMemoryFileStorage::SplitValuePath(Path, FolderPath, ValueName);
    if (FolderPath.isEmpty()) FolderPath = FDefaultSection;
}

String TXcCustomAppIniStorage::SectionOfPath(const String& KeyPath) const {
    String section = KeyPath;
    if (section.isEmpty() || section.startsWith(u'.')) section = FDefaultSection + section;
    if (section.isEmpty() || section.startsWith(u'.'))
        throw EXCLAppStorageError(QStringLiteral("TXcAppIniFileStorage.ReadValue: Section undefined"));
    return section;
}

unsigned TXcCustomAppIniStorage::Encoding() const {
    return FIniFile ? FIniFile->Encoding() : 0;
}

void TXcCustomAppIniStorage::SetEncoding(unsigned CodePage) {
    if (FIniFile) FIniFile->SetEncoding(CodePage);
}

bool TXcCustomAppIniStorage::ValueExists(const String& Section, const String& Key) {
    return FIniFile && FIniFile->ValueExists(Section, Key);
}

void TXcCustomAppIniStorage::FlushAfterChange() {
    if (AutoFlush() && !IsUpdating()) Flush();
}

String TXcCustomAppIniStorage::ReadValue(const String& KeyPath, const String& ValueName) {
    if (!FIniFile) return String();
    ReloadIfNeeded();
    String v = FIniFile->ReadString(SectionOfPath(KeyPath), ValueName, String());
    if (StorageOptions()->ReplaceCRLF()) v = UnescapeLineBreaks(v);
    if (StorageOptions()->PreserveLeadingTrailingBlanks()) v = UnquoteBlanks(v);
    return v;
}

void TXcCustomAppIniStorage::WriteValue(const String& KeyPath, const String& ValueName, const String& Value) {
    if (!FIniFile) return;
    ReloadIfNeeded();
    String v = Value;
    if (StorageOptions()->ReplaceCRLF()) v = EscapeLineBreaks(v);
    if (StorageOptions()->PreserveLeadingTrailingBlanks()) v = QuoteBlanks(v);
    FIniFile->WriteString(SectionOfPath(KeyPath), ValueName, v);
    FlushAfterChange();
}

void TXcCustomAppIniStorage::RemoveValue(const String& KeyPath, const String& ValueName) {
    if (!FIniFile) return;
    ReloadIfNeeded();
    const String section = SectionOfPath(KeyPath);
    bool removed = false;
    if (FIniFile->ValueExists(section, ValueName)) {
        FIniFile->DeleteKey(section, ValueName);
        removed = true;
    } else if (FIniFile->SectionExists(section + u'\\' + ValueName)) {
        FIniFile->EraseSection(section + u'\\' + ValueName);
        removed = true;
    }
    if (removed) FlushAfterChange();
}

String TXcCustomAppIniStorage::AsString() {
    if (!FIniFile) return String();
    TStringList lines;
    FIniFile->GetStrings(&lines);
    return lines.Text();
}

void TXcCustomAppIniStorage::SetAsString(const String& Value) {
    if (!FIniFile) return;
    TStringList lines;
    lines.SetText(Value);
    FIniFile->SetStrings(&lines);
}

// ---- the primitives ---------------------------------------------------------------------

bool TXcCustomAppIniStorage::StoreValueStored(const String& Path) {
    String folder, name;
    SplitValuePath(Path, folder, name);
    ReloadIfNeeded();
    return ValueExists(SectionOfPath(folder), name);
}

void TXcCustomAppIniStorage::StoreDeleteValue(const String& Path) {
    String folder, name;
    SplitValuePath(Path, folder, name);
    RemoveValue(folder, name);
}

bool TXcCustomAppIniStorage::StorePathExists(const String& Path) {
    if (!FIniFile) return false;
    ReloadIfNeeded();
    String p = Path;
    if (p.startsWith(u'\\')) p.remove(0, 1);
    return FIniFile->SectionExists(p);
}

bool TXcCustomAppIniStorage::ReadStoredText(const String& Path, String& Text) {
    String folder, name;
    SplitValuePath(Path, folder, name);
    ReloadIfNeeded();
    if (!ValueExists(SectionOfPath(folder), name)) return false;
    Text = ReadValue(folder, name);
    return true;
}

void TXcCustomAppIniStorage::WriteStoredText(const String& Path, const String& Text) {
    String folder, name;
    SplitValuePath(Path, folder, name);
    WriteValue(folder, name, Text);
}

int TXcCustomAppIniStorage::StoreReadInteger(const String& Path, int Default) {
    String t;
    if (!ReadStoredText(Path, t)) return Default;
    return t.isEmpty() ? 0 : StrToInt(t);
}

void TXcCustomAppIniStorage::StoreWriteInteger(const String& Path, int Value) {
    WriteStoredText(Path, IntToStr(Value));
}

Extended TXcCustomAppIniStorage::StoreReadFloat(const String& Path, Extended Default) {
    String t;
    if (!ReadStoredText(Path, t)) return Default;
    Extended v = 0;
    if (HexToExtended(t, v)) return v;
    // A value written in text form, or edited by hand, is read as a number when it is
    // one; anything else gives the default instead of an error.
    if (TryStrToFloat(t, v)) return v;
    return Default;
}

void TXcCustomAppIniStorage::StoreWriteFloat(const String& Path, Extended Value) {
    WriteStoredText(Path, ExtendedToHex(Value));
}

String TXcCustomAppIniStorage::StoreReadString(const String& Path, const String& Default) {
    String t;
    return ReadStoredText(Path, t) ? t : Default;
}

void TXcCustomAppIniStorage::StoreWriteString(const String& Path, const String& Value) {
    WriteStoredText(Path, Value);
}

int TXcCustomAppIniStorage::StoreReadBinary(const String& Path, void* Buf, int BufSize) {
    String t;
    if (!ReadStoredText(Path, t)) return 0;
    return HexTextToBuffer(t, Buf, BufSize);
}

void TXcCustomAppIniStorage::StoreWriteBinary(const String& Path, const void* Buf, int BufSize) {
    WriteStoredText(Path, BufferToHexText(Buf, BufSize));
}

void TXcCustomAppIniStorage::StoreEnumValues(const String& Path, TStrings* Strings, bool ReportListAsValue) {
    Strings->Clear();
    if (!FIniFile) return;
    ReloadIfNeeded();
    String section = AbsolutePath(Path);
    if (section.isEmpty()) section = FDefaultSection;
    TStringList keys;
    FIniFile->ReadSection(section, &keys);
    const bool isList = ReportListAsValue && keys.IndexOf(QStringLiteral("Count")) >= 0;
    bool listAdded = false;
    for (int i = 0; i < keys.Count(); ++i) {
        const String k = keys[i];
        if (isList && (SameText(k, QStringLiteral("Count")) || IsListItemName(k))) {
            if (!listAdded) Strings->Add(String());
            listAdded = true;
            continue;
        }
        Strings->Add(k);
    }
}

void TXcCustomAppIniStorage::StoreEnumFolders(const String& Path, TStrings* Strings, bool ReportListAsValue) {
    Strings->Clear();
    if (!FIniFile) return;
    ReloadIfNeeded();
    const String path = AbsolutePath(Path);
    TStringList sections;
    FIniFile->ReadSections(&sections);
    for (int i = 0; i < sections.Count(); ++i) {
        String s = sections[i];
        if (!path.isEmpty()) {
            if (!SectionBelow(s, path)) continue;
            if (ReportListAsValue && FIniFile->ValueExists(s, QStringLiteral("Count"))) continue;
            s = s.mid(path.size() + 1);
        } else if (ReportListAsValue && FIniFile->ValueExists(s, QStringLiteral("Count"))) {
            continue;
        }
        const String folder = s.section(u'\\', 0, 0);
        if (path.isEmpty() && SameText(folder, FDefaultSection)) continue;
        if (!folder.isEmpty() && Strings->IndexOf(folder) < 0) Strings->Add(folder);
    }
}

bool TXcCustomAppIniStorage::StoreIsFolder(const String& Path, bool ListIsValue) {
    if (!FIniFile) return false;
    ReloadIfNeeded();
    String section = AbsolutePath(Path);
    if (section.isEmpty()) section = FDefaultSection;
    if (!FIniFile->SectionExists(section)) {
        TStringList sections;
        FIniFile->ReadSections(&sections);
        for (int i = 0; i < sections.Count(); ++i)
            if (SectionBelow(sections[i], section)) return true;
        return false;
    }
    if (!ListIsValue || !FIniFile->ValueExists(section, QStringLiteral("Count"))) return true;
    TStringList names;
    StoreEnumValues(u'\\' + section, &names, true);
    if (names.Count() < 2) return false;
    for (int i = 0; i < names.Count(); ++i)
        if (SameText(names[i], QStringLiteral("Count")) || IsListItemName(names[i])) return false;
    return true;
}

void TXcCustomAppIniStorage::StoreDeleteSubTree(const String& Path) {
    if (!FIniFile) return;
    if (AutoReload() && !IsUpdating()) Reload();
    const String path = AbsolutePath(Path);
    TStringList sections;
    FIniFile->ReadSections(&sections);
    for (int i = 0; i < sections.Count(); ++i) {
        const String s = sections[i];
        if (path.isEmpty() || SameText(s, path) || SectionBelow(s, path)) FIniFile->EraseSection(s);
    }
    FlushAfterChange();
}

// ---- TXcAppIniFileStorage ---------------------------------------------------------------

TXcAppIniFileStorage::TXcAppIniFileStorage(TComponent* AOwner) : TXcCustomAppIniStorage(AOwner) {}

TXcAppIniFileStorage::~TXcAppIniFileStorage() {
    if (FlushOnDestroy()) Flush();
}

void TXcAppIniFileStorage::Flush() {
    if (FullFileName().isEmpty() || ReadOnly() || Designing() || !IniFile()) return;
    auto write = [this] {
        ForceDirectories(ExtractFileDir(FullFileName()));
        IniFile()->Rename(FullFileName(), false);
        IniFile()->UpdateFile();
    };
    try {
        if (SynchronizeFlushReload())
            Synchronize(FullFileName(), TNotifyEvent([&](TObject*) { write(); }));
        else
            write();
    } catch (const Exception& e) {
        // The values stay in memory; the failure must not go unnoticed.
        qWarning().noquote()
            << QStringLiteral("Settings file %1 not written: %2").arg(FullFileName(), e.Message);
        ReportError(e.Message);
    }
}

void TXcAppIniFileStorage::Reload() {
    if (IsUpdating() || Designing() || !IniFile()) return;
    TXcCustomAppMemoryFileStorage::Reload();
    auto load = [this] {
        if (!FileExists(FullFileName()))
            IniFile()->Clear();
        else
            IniFile()->Rename(FullFileName(), true);
    };
    if (SynchronizeFlushReload())
        Synchronize(FullFileName(), TNotifyEvent([&](TObject*) { load(); }));
    else
        load();
}
