// The unit version registry: each support unit notes a version record when it starts and
// drops its module's records when it ends, so that a running program can list the unit
// revisions it contains. One registry serves the whole process; module 0 is the program.
#pragma once

#include "platform/classes/Object.h"

#include <memory>
#include <vector>

// One record per unit, constant data of the build. The texts are version-control keywords
// ("$URL: .../SclBase.pas $", "$Revision: 3344 $", "$Date: 2010-09-20 21:18:26 +0200 ... $").
struct TUnitVersionInfo {
    const char16_t* RCSfile;
    const char16_t* Revision;
    const char16_t* Date;
    const char16_t* LogPath;
    const char16_t* Extra;
    void* Data;
};

// A registered record, read with its keywords taken off.
class TUnitVersion : public TObject {
    ORVO_CLASS(TUnitVersion, TObject)
public:
    explicit TUnitVersion(const TUnitVersionInfo* Info) : FInfo(Info) {}

    // The file name of the unit's source ("$URL: x/y/SclBase.pas $" gives SclBase.pas).
    String RCSfile() const;
    String Revision() const;
    String Date() const;
    String Extra() const;
    String LogPath() const;
    void* Data() const { return FInfo->Data; }
    // Date as a date and time; 0 when it holds no date.
    TDateTime DateTime() const;
    const TUnitVersionInfo* Info() const { return FInfo; }

private:
    const TUnitVersionInfo* FInfo; // not owned
};

// The records of one module.
class TUnitVersioningModule : public TObject {
    ORVO_CLASS(TUnitVersioningModule, TObject)
public:
    explicit TUnitVersioningModule(void* Instance) : FInstance(Instance) {}
    ~TUnitVersioningModule() override;

    void* Instance() const { return FInstance; }
    int Count() const { return int(FItems.size()); }
    TUnitVersion* Items(int Index) const { return FItems.at(std::size_t(Index)).get(); }
    // Adds the record unless that very record (same address) is already held.
    void Add(const TUnitVersionInfo* Info);
    int IndexOfInfo(const TUnitVersionInfo* Info) const;

private:
    void* FInstance;
    std::vector<std::unique_ptr<TUnitVersion>> FItems;
};

// A source of version records beyond the ones the units note themselves; the base does
// nothing.
class TCustomUnitVersioningProvider : public TObject {
    ORVO_CLASS(TCustomUnitVersioningProvider, TObject)
public:
    TCustomUnitVersioningProvider() = default;
    virtual void LoadModuleUnitVersioningInfo(void* Instance);
    virtual void ReleaseModuleUnitVersioningInfo(void* Instance);
};

using TUnitVersioningProviderClass = TClass;

class TUnitVersioning : public TObject {
    ORVO_CLASS(TUnitVersioning, TObject)
public:
    TUnitVersioning();
    ~TUnitVersioning() override;

    // Records over all modules; modules no longer loaded are dropped first.
    int Count();
    int ModuleCount();
    TUnitVersioningModule* Modules(int Index) const { return FModules.at(std::size_t(Index)).get(); }
    // The Index-th record counted over all modules in order.
    TUnitVersion* Items(int Index);

    void NoteRecord(void* Instance, const TUnitVersionInfo* Info);
    // Removes the last module entry of Instance with its records, then tells the providers.
    void DropModule(void* Instance);

    // The first record whose file name equals RCSfile and whose log path equals LogPath
    // (letter case ignored; "*" matches any log path); nullptr when none.
    TUnitVersion* FindUnit(const String& RCSfile, const String& LogPath = QStringLiteral("*"));
    int IndexOf(const String& RCSfile, const String& LogPath = QStringLiteral("*"));

    // Creates one provider of ProviderClass unless one of exactly that class exists.
    void RegisterProvider(TUnitVersioningProviderClass ProviderClass);
    void LoadModuleUnitVersioningInfo(void* Instance);

private:
    void ValidateModules();

    std::vector<std::unique_ptr<TUnitVersioningModule>> FModules;
    std::vector<std::unique_ptr<TCustomUnitVersioningProvider>> FProviders;
};

// The process's registry; nullptr once it has been finalized at the program's end.
TUnitVersioning* GetUnitVersioning();
// Notes Info for the module (0: the program) when the registry is available.
void NoteUnitRevision(void* Instance, const TUnitVersionInfo* Info);
// Drops the module's records when the registry is available.
void DropModuleRevisions(void* Instance);

// Notes a unit's record for the program while the program starts and drops the program's
// records when it ends; one static instance per unit.
class TUnitRevisionNote {
public:
    explicit TUnitRevisionNote(const TUnitVersionInfo& Info) { NoteUnitRevision(nullptr, &Info); }
    ~TUnitRevisionNote() { DropModuleRevisions(nullptr); }
    TUnitRevisionNote(const TUnitRevisionNote&) = delete;
    TUnitRevisionNote& operator=(const TUnitRevisionNote&) = delete;
};

// A unit's record from its repository path, revision, date and library folder:
// SCL_UNIT_VERSION(u"scl/source/common/SclBase.pas", u"3344",
//                  u"2010-09-20 21:18:26 +0200 (Mon, 20 Sep 2010)", u"SCL\\source\\common")
#define SCL_UNIT_VERSION(Path, Rev, Date, LogPath)                                                           \
    TUnitVersionInfo {                                                                                       \
        u"$URL: " Path u" $", u"$Revision: " Rev u" $", u"$Date: " Date u" $", LogPath, u"", nullptr         \
    }
