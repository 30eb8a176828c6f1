#include "platform/win/Folders.h"

#include "platform/win/LastError.h"

#include <QDir>
#include <QLoggingCategory>
#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
Q_LOGGING_CATEGORY(lcFolders, "orvo.platform.folders")

String WithoutTrailingDelimiter(String path) {
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

String HomeFolder() {
    String home = qEnvironmentVariable("HOME");
    if (!home.isEmpty()) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && *pw->pw_dir)
        return String::fromLocal8Bit(pw->pw_dir);
    return String();
}
} // namespace

String UserAppDataFolder() {
    // A relative XDG_CONFIG_HOME is invalid by the XDG rules and ignored; honouring it would
    // put the settings wherever the program happened to be started.
    String config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.startsWith(u'/')) return WithoutTrailingDelimiter(config);
    String home = HomeFolder();
    return home.isEmpty() ? String() : WithoutTrailingDelimiter(home) + QLatin1String("/.config");
}

String LocalAppDataFolder() {
    String folder = UserAppDataFolder();
    if (folder.isEmpty()) {
        qCInfo(lcFolders) << "No home folder: settings are kept in memory only";
        return folder;
    }
    // A folder that cannot be created cannot hold settings either: answer none, as the
    // Windows call with its create flag fails, so the settings stay in memory.
    if (!QDir().mkpath(folder)) {
        qCInfo(lcFolders) << "Cannot create the settings folder" << folder
                          << "- settings are kept in memory only";
        return String();
    }
    return folder;
}

String WindowsFolder() {
    String dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    String first = dirs.section(u':', 0, 0);
    return first.isEmpty() ? QStringLiteral("/etc/xdg") : WithoutTrailingDelimiter(first);
}

String TempFolder() {
    String tmp = qEnvironmentVariable("TMPDIR");
    return tmp.isEmpty() ? QStringLiteral("/tmp") : WithoutTrailingDelimiter(tmp);
}

String TempPath() {
    String t = TempFolder();
    return t.endsWith(u'/') ? t : t + u'/';
}

String CurrentFolder() {
    return QDir::currentPath();
}

BOOL CreateDirectoryA(const char* path, void*) {
    if (!path || !*path) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    if (::mkdir(path, 0777) == 0) {
        SetLastError(ERROR_SUCCESS);
        return TRUE;
    }
    SetLastError(errno == EEXIST   ? ERROR_ALREADY_EXISTS
                 : errno == ENOENT ? ERROR_PATH_NOT_FOUND
                                   : WinErrorFromErrno(errno));
    return FALSE;
}
