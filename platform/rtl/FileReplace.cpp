#include "platform/rtl/FileReplace.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// Whether name is base + ".tmp-" + process id + "-" + number, the name of a temporary file
// of base; Pid is the process id.
bool isTemporaryOf(const char* name, const QByteArray& base, pid_t& Pid) {
    const QByteArray prefix = base + ".tmp-";
    if (std::strncmp(name, prefix.constData(), std::size_t(prefix.size())) != 0) return false;
    const char* p = name + prefix.size();
    long long pid = 0;
    int digits = 0;
    for (; *p >= '0' && *p <= '9' && digits < 10; ++p, ++digits)
        pid = pid * 10 + (*p - '0');
    if (digits == 0 || *p != '-' || pid <= 0 || pid > INT_MAX) return false;
    ++p;
    if (*p == '\0') return false;
    for (; *p; ++p)
        if (*p < '0' || *p > '9') return false;
    Pid = pid_t(pid);
    return true;
}

// Whether name is the name of a temporary file of some file: <base>.tmp-<pid>-<n>.
bool isTemporary(const char* name, pid_t& Pid) {
    const char* marker = nullptr;
    for (const char* p = std::strstr(name, ".tmp-"); p; p = std::strstr(p + 1, ".tmp-"))
        marker = p;
    return marker && marker != name && isTemporaryOf(name, QByteArray(name, marker - name), Pid);
}

// Whether name is base + "." + six letters or digits: the name of a temporary copy that saves
// of earlier versions wrote beside base and renamed over it.
bool isOldCopyOf(const char* name, const QByteArray& base) {
    if (std::strncmp(name, base.constData(), std::size_t(base.size())) != 0 || name[base.size()] != '.')
        return false;
    const char* p = name + base.size() + 1;
    int n = 0;
    for (; (*p >= 'A' && *p <= 'Z') || (*p >= 'a' && *p <= 'z') || (*p >= '0' && *p <= '9'); ++p)
        ++n;
    return n == 6 && *p == '\0';
}

// How long an old-style copy must have stood unchanged before it counts as left behind.
constexpr time_t kOldCopyAgeSeconds = 60;

// Removes the temporary files of path (with WholeFolder: of any file in its folder) that
// writers left when they died between writing and renaming them. A file of a process that
// still runs may be a write in progress and stays; so do those of this process (another
// thread may be writing) and every other name.
//
// With WholeFolder, also the copies beside path that saves of earlier versions left (path's
// name, a dot and six letters or digits): those name no process, so a copy counts as left
// behind when it has not changed for a minute. A save writes its few kilobytes and renames
// them within a second; an earlier version's save that stood still for a minute finds its
// copy gone at its rename and reports the failure, with the file itself untouched. Only
// regular files of this user with no other link are removed.
void removeStaleTemporaries(const QByteArray& path, bool WholeFolder) {
    const QByteArray folder = folderOf(path);
    const QByteArray base = path.mid(path.lastIndexOf('/') + 1);
    DIR* dir = ::opendir(folder.constData());
    if (!dir) return;
    const time_t now = ::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        if (WholeFolder && isOldCopyOf(entry->d_name, base)) {
            const QByteArray full = folder + '/' + entry->d_name;
            struct stat st;
            if (::lstat(full.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1 &&
                st.st_uid == ::geteuid() && st.st_mtime <= now - kOldCopyAgeSeconds)
                ::unlink(full.constData());
            continue;
        }
        pid_t pid = 0;
        const bool temporary =
            WholeFolder ? isTemporary(entry->d_name, pid) : isTemporaryOf(entry->d_name, base, pid);
        if (!temporary || pid == ::getpid()) continue;
        if (::kill(pid, 0) == 0 || errno != ESRCH) continue;
        const QByteArray full = folder + '/' + entry->d_name;
        struct stat st;
        if (::lstat(full.constData(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(full.constData());
    }
    ::closedir(dir);
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<std::size_t>(left));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

} // namespace

int ReplaceFileContents(const String& FileName, const QByteArray& Bytes, TStaleTemporaries Stale) {
    if (FileName.isEmpty()) return ENOENT;
    QByteArray path = QFile::encodeName(FileName);
    if (char* real = ::realpath(path.constData(), nullptr)) {
        path = real;
        std::free(real);
    }
    struct stat st;
    const bool exists = ::stat(path.constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return EISDIR;
    if (exists && !(st.st_mode & S_IWUSR)) return EACCES;

    static std::atomic<unsigned> serial{0};
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = path + ".tmp-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(serial++);
        do {
            fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0 && errno != EEXIST) return errno;
    }
    if (fd < 0) return EEXIST;

    int err = 0;
    if (exists) ::fchmod(fd, st.st_mode & 07777); // keep the permissions of the file it replaces
    if (!writeAll(fd, Bytes) || ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.constData(), path.constData()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.constData());
        return err;
    }
    // Make the rename itself durable.
    const int dirFd = ::open(folderOf(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    removeStaleTemporaries(path, Stale == TStaleTemporaries::OfFolder);
    return 0;
}
