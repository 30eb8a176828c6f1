// A storage held in memory and backed by one file: where the file lies (Location,
// FileName with path macros, OnGetFileName) and whether it is read-only.
#pragma once

#include "storage/XcCustomAppStorage.h"

enum TFileLocation { flCustom, flWindows, flTemp, flExeFile, flUserFolder };
ORVO_DECLARE_ENUM_TYPE(TFileLocation)

// Sender and the file name (in and out).
using TXcAppStorageGetFileNameEvent = TEvent<TObject*, String&>;

class TXcCustomAppMemoryFileStorage : public TXcCustomAppStorage {
    ORVO_CLASS(TXcCustomAppMemoryFileStorage, TXcCustomAppStorage)
public:
    explicit TXcCustomAppMemoryFileStorage(TComponent* AOwner) : TXcCustomAppStorage(AOwner) {}

    const String& FileName() const { return FFileName; }
    // Flushes the old file, takes the name (adding the storage's extension when it has
    // none) and loads the new file; neither while loading or updating.
    void SetFileName(const String& Value);
    TFileLocation Location() const { return FLocation; }
    void SetLocation(TFileLocation Value);
    const TXcAppStorageGetFileNameEvent& OnGetFileName() const { return FOnGetFileName; }
    void SetOnGetFileName(const TXcAppStorageGetFileNameEvent& Value);
    // The resolved path; empty when there is no file.
    const String& FullFileName() const { return FFullFileName; }

    bool StorePhysicalReadOnly() override { return FPhysicalReadOnly; }
    bool ReloadNeeded() override;
    void Reload() override;

    virtual String AsString() = 0;
    virtual void SetAsString(const String& Value) = 0;

protected:
    virtual String StorageFileExtension() const { return String(); }
    virtual String CustomFullFileName(const String& Name);
    void UpdateFullFileName();
    bool LoadingOrUpdating() const { return ComponentState().Contains(csLoading) || IsUpdating(); }

    bool FFileLoaded = false;
    bool FPhysicalReadOnly = false;

private:
    void RecomputePhysicalReadOnly();

    String FFileName;
    String FFullFileName;
    TFileLocation FLocation = flExeFile;
    TXcAppStorageGetFileNameEvent FOnGetFileName;
};
