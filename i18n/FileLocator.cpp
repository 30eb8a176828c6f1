#include "i18n/FileLocator.h"

#include "i18n/MoFile.h"
#include "i18n/Utf8.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/SyncObjs.h"
#include "platform/rtl/StrUtils.h"
#include "platform/win/Process.h"

#include <cassert>

ORVO_IMPLEMENT_CLASS(TEmbeddedFileInfo, TObject)
ORVO_IMPLEMENT_CLASS(TFileLocator, TObject)

namespace {

// The marker followed by the table's position (unsigned 64-bit, least significant byte
// first). As built the position is zero; the packaging step that appends catalogues to
// the program file patches it. Read through a volatile lvalue, so that the compiler cannot
// fold the zero into the code.
[[gnu::used]] const volatile unsigned char kEmbeddedTable[45] =
    "6637DB2E-62E1-4A60-AC19-C23867046A89\0\0\0\0\0\0\0\0";

// Longest catalogue name a record may carry.
constexpr UInt64 kMaxNameLength = 4096;

UInt64 readUInt64(TStream& s) {
    Byte b[8];
    s.ReadBuffer(b, 8);
    UInt64 v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | b[i];
    return v;
}

String trimmedName(const AnsiString& bytes) {
    const AnsiString trimmed = Trim(bytes);
    String name = String::fromUtf8(trimmed.data(), qsizetype(trimmed.size()));
    // Names are written with the other platform's delimiter.
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name;
}

} // namespace

TFileLocator::TFileLocator() {
    FileList = new TStringList(true);
    FileList->SetSorted(true);
    FileList->SetDuplicates(dupError);
    // File names on this platform are case-sensitive, so two catalogues whose names differ
    // only in case are two catalogues.
    MoFiles = new TStringList();
    MoFiles->SetCaseSensitive(true);
    MoFiles->SetSorted(true);
    MoFiles->SetDuplicates(dupError);
    MoFilesCS = new TMultiReadExclusiveWriteSynchronizer();
}

TFileLocator::~TFileLocator() {
    for (int i = 0; i < MoFiles->Count(); ++i)
        delete MoFiles->Objects(i);
    delete MoFiles;
    delete FileList;
    delete MoFilesCS;
}

void TFileLocator::Analyze() {
    UInt64 position = 0;
    for (int i = 7; i >= 0; --i)
        position = (position << 8) | kEmbeddedTable[36 + i];
    if (position != 0) AnalyzeFile(ProgramFileName(), position);
}

void TFileLocator::AnalyzeFile(const String& ProgramFile, UInt64 TablePosition) {
    if (TablePosition == 0) return;
    FBaseDirectory = ProgramFile.left(ProgramFile.lastIndexOf(QLatin1Char('/')) + 1);
    FProgramFile = ProgramFile;
    try {
        TFileStream file(ProgramFile, fmOpenRead | fmShareDenyNone);
        const UInt64 fileSize = UInt64(file.Size());
        UInt64 position = TablePosition;
        // Every record must lie after the previous one, so the chain always ends.
        while (position != 0 && position + 24 <= fileSize) {
            file.SetPosition(Int64(position));
            const UInt64 next = readUInt64(file);
            if (next == 0) break;
            const UInt64 offset = readUInt64(file);
            const UInt64 size = readUInt64(file);
            const UInt64 nameStart = position + 24;
            if (next <= nameStart || next - nameStart > kMaxNameLength || next > fileSize) break;
            if (offset > fileSize || size > fileSize - offset) break;
            AnsiString bytes(std::size_t(next - nameStart), '\0');
            file.ReadBuffer(bytes.data(), int(bytes.size()));
            auto* info = new TEmbeddedFileInfo();
            info->Offset = Int64(offset);
            info->Size = Int64(size);
            try {
                FileList->AddObject(trimmedName(bytes), info);
            } catch (...) {
                delete info;
                throw;
            }
            position = next;
        }
    } catch (const Exception&) {
        // A damaged table ends the scan; what was read stays usable.
    }
}

String TFileLocator::EmbeddedName(const String& Filename) const {
    // Only ASCII letters fold: other letters of the folder's name must match exactly.
    if (FBaseDirectory.isEmpty() || !StartsWithIgnoringAsciiCase(Filename, FBaseDirectory)) return String();
    String rest = Filename.mid(FBaseDirectory.size());
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    int index;
    return FileList->Find(rest, index) ? rest : String();
}

bool TFileLocator::FileExists(const String& Filename) const {
    return !EmbeddedName(Filename).isEmpty();
}

TMoFile* TFileLocator::GetMoFile(const String& Filename, const TDebugLogger& DebugLogger) {
    (void)DebugLogger;
    String physical = Filename;
    Int64 offset = 0, size = 0;
    const String embedded = EmbeddedName(Filename);
    if (!embedded.isEmpty()) {
        int index;
        FileList->Find(embedded, index);
        const auto* info = static_cast<const TEmbeddedFileInfo*>(FileList->Objects(index));
        physical = FProgramFile;
        offset = info->Offset;
        size = info->Size;
    }
    const String key = physical + QChar(u'\0') + QString::number(offset);
    MoFilesCS->BeginWrite();
    try {
        TMoFile* mo;
        int index;
        if (MoFiles->Find(key, index)) {
            mo = static_cast<TMoFile*>(MoFiles->Objects(index));
        } else {
            mo = new TMoFile(physical, offset, size);
            MoFiles->AddObject(key, mo);
        }
        ++mo->Users;
        MoFilesCS->EndWrite();
        return mo;
    } catch (...) {
        MoFilesCS->EndWrite();
        throw;
    }
}

void TFileLocator::ReleaseMoFile(TMoFile*& moFile) {
    assert(moFile != nullptr);
    MoFilesCS->BeginWrite();
    --moFile->Users;
    if (moFile->Users <= 0) {
        int i = MoFiles->Count() - 1;
        while (i >= 0 && MoFiles->Objects(i) != moFile)
            --i;
        assert(i >= 0);
        if (i >= 0) MoFiles->Delete(i);
        delete moFile;
    }
    MoFilesCS->EndWrite();
    moFile = nullptr;
}

QStringList TFileLocator::EmbeddedNames() const {
    QStringList names;
    for (int i = 0; i < FileList->Count(); ++i)
        names << FileList->Strings(i);
    return names;
}

int TFileLocator::LoadedCount() const {
    MoFilesCS->BeginRead();
    const int n = MoFiles->Count();
    MoFilesCS->EndRead();
    return n;
}
