#include "platform/rtl/FileUtils.h"

#include "platform/rtl/StrUtils.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform::detail {

struct FoundEntry {
    String Name;
    int Attr = 0;
    Int64 Size = 0;
};

struct SearchState {
    std::vector<FoundEntry> Entries;
    std::size_t Next = 0;
};

String NativeFileName(const String& FileName) {
    String s = FileName;
    s.replace(u'\\', u'/');
    return s;
}

namespace {

constexpr int kErrorFileNotFound = 2;
constexpr int kErrorPathNotFound = 3;
constexpr int kErrorNoMoreFiles = 18;

bool IsDelimiter(QChar c) {
    return c == u'/' || c == u'\\';
}

// Index of the last character of s that is one of the delimiters (and, with point, a "."),
// or -1.
qsizetype LastDelimiter(const String& s, bool point) {
    for (qsizetype i = s.size() - 1; i >= 0; --i)
        if (IsDelimiter(s[i]) || (point && s[i] == u'.')) return i;
    return -1;
}

AnsiString OsName(const String& FileName) {
    return StringToAnsi(NativeFileName(FileName));
}

bool StatOf(const AnsiString& name, struct stat& st) {
    return !name.empty() && (::stat(name.c_str(), &st) == 0 || ::lstat(name.c_str(), &st) == 0);
}

int AttrOf(const struct stat& st, const String& name) {
    int attr = 0;
    if (S_ISDIR(st.st_mode))
        attr |= faDirectory;
    else if (!S_ISREG(st.st_mode))
        attr |= faSysFile;
    if (!(st.st_mode & S_IWUSR)) attr |= faReadOnly;
    if (name.startsWith(u'.') && name != u"." && name != u"..") attr |= faHidden;
    return attr;
}

// Windows wildcard match: "*" any run of characters, "?" exactly one.
bool MatchesMask(QStringView name, QStringView mask) {
    qsizetype n = 0, m = 0, starMask = -1, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == u'?' || mask[m] == name[n])) {
            ++n, ++m;
        } else if (m < mask.size() && mask[m] == u'*') {
            starMask = m++;
            starName = n;
        } else if (starMask >= 0) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

void FillRecord(TSearchRec& F) {
    const FoundEntry& e = F.FindHandle->Entries[F.FindHandle->Next++];
    F.Name = e.Name;
    F.Attr = e.Attr;
    F.Size = e.Size;
}

} // namespace
} // namespace platform::detail

using namespace platform::detail;

// ---- Names ------------------------------------------------------------------------------

String IncludeTrailingPathDelimiter(const String& s) {
    if (!s.isEmpty() && IsDelimiter(s.back())) return s;
    return s + QChar(PathDelim);
}

String ExcludeTrailingPathDelimiter(const String& s) {
    if (!s.isEmpty() && IsDelimiter(s.back())) return s.left(s.size() - 1);
    return s;
}

String ExtractFilePath(const String& FileName) {
    return FileName.left(LastDelimiter(FileName, false) + 1);
}

String ExtractFileDir(const String& FileName) {
    qsizetype i = LastDelimiter(FileName, false);
    // Drop the delimiter itself unless it is the first character (the root) or one of a run.
    if (i > 0 && !IsDelimiter(FileName[i - 1])) --i;
    return FileName.left(i + 1);
}

String ExtractFileName(const String& FileName) {
    return FileName.mid(LastDelimiter(FileName, false) + 1);
}

String ExtractFileExt(const String& FileName) {
    const qsizetype i = LastDelimiter(FileName, true);
    return i >= 0 && FileName[i] == u'.' ? FileName.mid(i) : String();
}

String ChangeFileExt(const String& FileName, const String& Extension) {
    const qsizetype i = LastDelimiter(FileName, true);
    const qsizetype end = i >= 0 && FileName[i] == u'.' ? i : FileName.size();
    return FileName.left(end) + Extension;
}

// ---- The file system --------------------------------------------------------------------

String GetCurrentDir() {
    std::vector<char> buf(256);
    while (::getcwd(buf.data(), buf.size()) == nullptr) {
        if (errno != ERANGE) return String();
        buf.resize(buf.size() * 2);
    }
    return AnsiToString(buf.data());
}

bool FileExists(const String& FileName) {
    struct stat st;
    const AnsiString name = OsName(FileName);
    return !name.empty() && ::stat(name.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const String& Directory) {
    struct stat st;
    const AnsiString name = OsName(Directory);
    return !name.empty() && ::stat(name.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const String& Dir) {
    String dir = NativeFileName(Dir);
    while (dir.size() > 1 && dir.endsWith(u'/'))
        dir.chop(1);
    if (dir.isEmpty()) return false;
    if (DirectoryExists(dir)) return true;
    const String parent = ExtractFileDir(dir);
    if (!parent.isEmpty() && parent != dir && !ForceDirectories(parent)) return false;
    // Another process may have made it in between; what counts is that it exists.
    return CreateDir(dir) || DirectoryExists(dir);
}

bool CreateDir(const String& Dir) {
    const AnsiString name = OsName(Dir);
    return !name.empty() && ::mkdir(name.c_str(), 0777) == 0;
}

bool DeleteFile(const String& FileName) {
    const AnsiString name = OsName(FileName);
    return !name.empty() && ::unlink(name.c_str()) == 0;
}

bool RenameFile(const String& OldName, const String& NewName) {
    const AnsiString from = OsName(OldName), to = OsName(NewName);
    if (from.empty() || to.empty()) return false;
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without the no-replace rename: check, then rename.
    struct stat st;
    if (::lstat(to.c_str(), &st) == 0) return false;
    return ::rename(from.c_str(), to.c_str()) == 0;
}

int FileGetAttr(const String& FileName) {
    struct stat st;
    const String native = NativeFileName(FileName);
    if (!StatOf(StringToAnsi(native), st)) return -1;
    return AttrOf(st, ExtractFileName(ExcludeTrailingPathDelimiter(native)));
}

// ---- Listing ----------------------------------------------------------------------------

int FindFirst(const String& Path, int Attr, TSearchRec& F) {
    FindClose(F);
    const String native = NativeFileName(Path);
    const String folder = ExtractFilePath(native);
    String mask = ExtractFileName(native);
    if (mask == u"*.*") mask = QStringLiteral("*");

    const AnsiString osFolder = StringToAnsi(folder.isEmpty() ? QStringLiteral(".") : folder);
    DIR* dir = ::opendir(osFolder.c_str());
    if (dir == nullptr) return kErrorPathNotFound;

    F.ExcludeAttr = ~Attr & (faHidden | faSysFile | faVolumeID | faDirectory);
    auto state = std::make_shared<SearchState>();
    while (const dirent* d = ::readdir(dir)) {
        const String name = AnsiToString(d->d_name);
        if (mask.isEmpty() || !MatchesMask(name, mask)) continue;
        struct stat st;
        if (!StatOf(osFolder + "/" + d->d_name, st)) continue;
        const int attr = AttrOf(st, name);
        if (attr & F.ExcludeAttr) continue;
        state->Entries.push_back({name, attr, S_ISDIR(st.st_mode) ? 0 : Int64(st.st_size)});
    }
    ::closedir(dir);

    // The folder's own entries first, then the rest in ordinal order, so that a listing does
    // not depend on the order the file system keeps.
    std::sort(state->Entries.begin(), state->Entries.end(), [](const FoundEntry& a, const FoundEntry& b) {
        const int ra = a.Name == u"." ? 0 : a.Name == u".." ? 1 : 2;
        const int rb = b.Name == u"." ? 0 : b.Name == u".." ? 1 : 2;
        return ra != rb ? ra < rb : a.Name < b.Name;
    });
    if (state->Entries.empty()) return kErrorFileNotFound;
    F.FindHandle = std::move(state);
    FillRecord(F);
    return 0;
}

int FindNext(TSearchRec& F) {
    if (!F.FindHandle || F.FindHandle->Next >= F.FindHandle->Entries.size()) return kErrorNoMoreFiles;
    FillRecord(F);
    return 0;
}

void FindClose(TSearchRec& F) {
    F.FindHandle.reset();
}
