// The process-wide catalogue cache and the catalogues embedded in the program file.
//
// A packaging step may append catalogues to the program file and write the position of
// their table after a marker compiled into the program (see FileLocator.cpp). The locator
// reads that table once at start-up; afterwards a catalogue name below the program's
// folder may be served from the program file instead of the disk. Loaded catalogues are
// shared: every domain that resolves to the same file and offset holds the same TMoFile.
#pragma once

#include "platform/classes/Object.h"

#include <QStringList>
#include <functional>

class TMoFile;
class TStringList;
class TMultiReadExclusiveWriteSynchronizer;

// A callback taking one line of the debug log (8-bit text).
using TDebugLogger = std::function<void(const AnsiString& Line)>;

// Where an embedded catalogue lies in the program file.
class TEmbeddedFileInfo : public TObject {
    ORVO_CLASS(TEmbeddedFileInfo, TObject)
public:
    Int64 Offset = 0;
    Int64 Size = 0;
};

class TFileLocator : public TObject {
    ORVO_CLASS(TFileLocator, TObject)
public:
    TFileLocator();
    ~TFileLocator() override;

    // Reads the table of embedded catalogues named by the marker in the running program.
    void Analyze();
    // Reads the table at TablePosition of ProgramFile (0: nothing is embedded). Malformed
    // records end the scan silently; the records read before stay.
    void AnalyzeFile(const String& ProgramFile, UInt64 TablePosition);

    // True when Filename, without a leading BaseDirectory (ASCII case ignored), is the name
    // of an embedded catalogue. The disk is not looked at.
    bool FileExists(const String& Filename) const;
    // The shared catalogue of that name, loaded on first use; the caller becomes a user.
    TMoFile* GetMoFile(const String& Filename, const TDebugLogger& DebugLogger);
    // Drops one user; the last one frees the catalogue. moFile is cleared in any case.
    void ReleaseMoFile(TMoFile*& moFile);

    // The program's folder with a trailing delimiter; set only when catalogues are embedded.
    const String& BaseDirectory() const { return FBaseDirectory; }
    // The relative names of the embedded catalogues ("locale/de/LC_MESSAGES/default.mo").
    QStringList EmbeddedNames() const;
    // Number of catalogues loaded at the moment.
    int LoadedCount() const;

private:
    // The relative name of an embedded catalogue, or "" when Filename is not one.
    String EmbeddedName(const String& Filename) const;

    String FBaseDirectory;
    String FProgramFile;
    TStringList* FileList;
    TStringList* MoFiles;
    TMultiReadExclusiveWriteSynchronizer* MoFilesCS;
};

// The process-wide locator, made by the engine's start-up.
extern TFileLocator* FileLocator;

// The marker that precedes the embedded table's position in the program file.
inline constexpr const char* EmbeddedCatalogueMarker = "6637DB2E-62E1-4A60-AC19-C23867046A89";
