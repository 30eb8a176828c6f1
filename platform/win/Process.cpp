#include "platform/win/Process.h"

#include "platform/win/LastError.h"

#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <climits>
#include <cstring>
#include <unistd.h>

namespace {
QMutex g_lock;
String g_programOverride;

String RealProgramFileName() {
    char buf[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? String::fromUtf8(buf, n) : String();
}
} // namespace

String ProgramFileName() {
    {
        QMutexLocker lock(&g_lock);
        if (!g_programOverride.isEmpty()) return g_programOverride;
    }
    static const String real = RealProgramFileName();
    return real;
}

void SetProgramFileName(const String& path) {
    QMutexLocker lock(&g_lock);
    g_programOverride = path;
}

String ProgramFolder() {
    return QFileInfo(ProgramFileName()).absolutePath();
}

String GetModuleFileName(void* module) {
    return module ? String() : ProgramFileName();
}

DWORD GetModuleFileNameA(void* module, char* fileName, DWORD size) {
    if (module) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!fileName || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    QByteArray path = ProgramFileName().toUtf8();
    DWORD n = DWORD(path.size());
    if (n >= size) {
        std::memcpy(fileName, path.constData(), size - 1);
        fileName[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(fileName, path.constData(), n + 1);
    SetLastError(ERROR_SUCCESS);
    return n;
}

DWORD GetCurrentProcessId() {
    return DWORD(::getpid());
}
