#include "platform/win/Process.h"

#include "platform/win/LastError.h"

#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <cerrno>
#include <climits>
#include <cstring>
#include <unistd.h>

namespace {
QMutex g_lock;
String g_programOverride;

// The target of a /proc link, or empty with errno set.
String ReadProcLink(const char* link) {
    char buf[PATH_MAX];
    ssize_t n = ::readlink(link, buf, sizeof buf - 1);
    return n > 0 ? String::fromUtf8(buf, n) : String();
}

String RealProgramFileName() {
    return ReadProcLink("/proc/self/exe");
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

String ProcessFileName(DWORD processId) {
    if (processId == GetCurrentProcessId()) {
        SetLastError(ERROR_SUCCESS);
        return ProgramFileName();
    }
    const QByteArray proc = "/proc/" + QByteArray::number(processId);
    // Process 0 is no process (and has no /proc entry).
    String path = processId ? ReadProcLink(QByteArray(proc + "/exe").constData()) : String();
    if (path.isEmpty()) {
        const int err = processId ? errno : ESRCH;
        // A process that exists but whose file is hidden (another user's, a kernel thread)
        // is refused; a missing one is an invalid parameter, as OpenProcess reports it.
        const bool exists = processId && ::access(proc.constData(), F_OK) == 0;
        SetLastError(err == EACCES || err == EPERM || exists ? ERROR_ACCESS_DENIED : ERROR_INVALID_PARAMETER);
        return String();
    }
    SetLastError(ERROR_SUCCESS);
    return path;
}
