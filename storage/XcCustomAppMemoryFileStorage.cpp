#include "storage/XcCustomAppMemoryFileStorage.h"

#include "platform/rtl/FileUtils.h"
#include "platform/win/Folders.h"
#include "platform/win/Process.h"
#include "storage/support/SclPaths.h"
#include "storage/support/XcTranslateString.h"

ORVO_IMPLEMENT_CLASS(TXcCustomAppMemoryFileStorage, TXcCustomAppStorage)
ORVO_IMPLEMENT_ENUM_TYPE(TFileLocation, "flCustom", "flWindows", "flTemp", "flExeFile", "flUserFolder")

namespace {
String InFolder(const String& Folder, const String& Name) {
    return AppendPathDelimiter(Folder) + Name;
}
} // namespace

String TXcCustomAppMemoryFileStorage::CustomFullFileName(const String& Name) {
    String result = Name;
    if (FOnGetFileName) FOnGetFileName(this, result);
    return result;
}

void TXcCustomAppMemoryFileStorage::UpdateFullFileName() {
    if (FFileName.isEmpty() && FLocation != flCustom) {
        FFullFileName.clear();
    } else {
        const String name = ActiveTranslateStringEngine()->TranslateString(FFileName);
        const String file = ExtractFileName(name);
        switch (FLocation) {
        case flCustom:
            FFullFileName = CustomFullFileName(name);
            break;
        case flWindows:
            FFullFileName = InFolder(WindowsFolder(), file);
            break;
        case flTemp:
            FFullFileName = InFolder(TempFolder(), file);
            break;
        case flExeFile:
            FFullFileName = InFolder(ProgramFolder(), file);
            break;
        case flUserFolder:
            FFullFileName = InFolder(UserAppDataFolder(), IsAbsolutePath(name) ? file : name);
            break;
        }
    }
    RecomputePhysicalReadOnly();
}

void TXcCustomAppMemoryFileStorage::RecomputePhysicalReadOnly() {
    FPhysicalReadOnly = false;
    if (FFullFileName.isEmpty()) return;
    const int attr = FileGetAttr(FFullFileName);
    FPhysicalReadOnly = attr != -1 && (attr & faDirectory) == 0 && (attr & faReadOnly) != 0;
}

void TXcCustomAppMemoryFileStorage::SetFileName(const String& Value) {
    if (Value == FFileName) return;
    if (!LoadingOrUpdating()) Flush();
    FFileName = ExtractFileExt(Value).isEmpty() ? AddFileExtension(Value, StorageFileExtension()) : Value;
    UpdateFullFileName();
    if (!LoadingOrUpdating()) Reload();
}

void TXcCustomAppMemoryFileStorage::SetLocation(TFileLocation Value) {
    if (Value == FLocation) return;
    if (!LoadingOrUpdating()) Flush();
    FLocation = Value;
    UpdateFullFileName();
    if (!LoadingOrUpdating()) Reload();
}

void TXcCustomAppMemoryFileStorage::SetOnGetFileName(const TXcAppStorageGetFileNameEvent& Value) {
    if (!LoadingOrUpdating()) Flush();
    FOnGetFileName = Value;
    UpdateFullFileName();
    if (!LoadingOrUpdating()) Reload();
}

bool TXcCustomAppMemoryFileStorage::ReloadNeeded() {
    if (IsUpdating()) return false;
    return !FFileLoaded || AutoReload();
}

void TXcCustomAppMemoryFileStorage::Reload() {
    if (IsUpdating() || Designing()) return;
    FFileLoaded = true;
    RecomputePhysicalReadOnly();
}
