#include "platform/win/DynamicLibrary.h"

#include "platform/rtl/FileUtils.h"
#include "platform/win/LastError.h"
#include "platform/win/Shell.h"

#include <QMutex>
#include <QMutexLocker>
#include <atomic>
#include <cstdint>
#include <iterator>
#include <map>
#include <utility>

namespace platform::detail {
namespace {

// The libraries the layer provides; a handle is 1 + the index in this table, so it is never
// null and never a real address.
struct TLibrary {
    const char* name;
    bool (*available)();
};

bool Always() {
    return true;
}

bool MailAvailable() {
    return MailSender().Available();
}

constexpr TLibrary kLibraries[] = {
    {"msimg32", Always},
    {"gdi32", Always},
    {"shell32", Always},
    {"mapi32", MailAvailable},
};
constexpr std::intptr_t kLibraryCount = std::intptr_t(std::size(kLibraries));

QMutex g_lock;
std::map<std::pair<int, QByteArray>, FARPROC> g_procs;
std::atomic<UINT> g_errorMode{0};

// The table index of a library name ("C:\Windows\System32\GDI32.DLL" -> gdi32), or -1.
int LibraryIndex(const String& fileName) {
    String name = ExtractFileName(fileName).toLower();
    if (name.endsWith(QLatin1String(".dll"))) name.chop(4);
    for (int i = 0; i < int(kLibraryCount); ++i)
        if (name == QLatin1String(kLibraries[i].name)) return i;
    return -1;
}

int IndexOfHandle(HMODULE module) {
    auto h = reinterpret_cast<std::intptr_t>(module);
    return h >= 1 && h <= kLibraryCount ? int(h - 1) : -1;
}

} // namespace
} // namespace platform::detail

using namespace platform::detail;

HMODULE LoadLibraryW(const String& fileName) {
    int i = LibraryIndex(fileName);
    if (i < 0 || !kLibraries[i].available()) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    SetLastError(ERROR_SUCCESS);
    return reinterpret_cast<HMODULE>(std::intptr_t(i + 1));
}

HMODULE LoadLibraryA(const char* fileName) {
    return LoadLibraryW(fileName ? String::fromUtf8(fileName) : String());
}

FARPROC GetProcAddress(HMODULE module, const char* procName) {
    int i = IndexOfHandle(module);
    if (i < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (procName) {
        QMutexLocker lock(&g_lock);
        auto it = g_procs.find({i, QByteArray(procName)});
        if (it != g_procs.end()) {
            SetLastError(ERROR_SUCCESS);
            return it->second;
        }
    }
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
}

BOOL FreeLibrary(HMODULE module) {
    if (IndexOfHandle(module) < 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

UINT SetErrorMode(UINT mode) {
    return g_errorMode.exchange(mode);
}

bool RegisterLibraryProc(const char* library, const char* procName, FARPROC address) {
    int i = library ? LibraryIndex(String::fromUtf8(library)) : -1;
    if (i < 0 || !procName) return false;
    QMutexLocker lock(&g_lock);
    if (address)
        g_procs[{i, QByteArray(procName)}] = address;
    else
        g_procs.erase({i, QByteArray(procName)});
    return true;
}
