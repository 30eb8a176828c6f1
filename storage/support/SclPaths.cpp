#include "storage/support/SclPaths.h"

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/StrUtils.h"
#include "platform/win/Process.h"

namespace {
bool IsServerChar(QChar c) {
    return (c.unicode() < 128 && c.isLetterOrNumber()) || c == u'-' || c == u'.' || c == u'_';
}

// A share name: a non-empty run up to the next "\" or the end, free of the characters a
// share name cannot hold.
bool IsShareName(const String& s, int from) {
    static const String forbidden = QStringLiteral("\"'*+,/:;<=>?[]|");
    int i = from;
    while (i < s.size() && s[i] != u'\\') {
        if (forbidden.contains(s[i])) return false;
        ++i;
    }
    return i > from;
}
} // namespace

String AppendPathDelimiter(const String& Path) {
    return IncludeTrailingPathDelimiter(Path);
}

String DropPathDelimiter(const String& Path) {
    return ExcludeTrailingPathDelimiter(Path);
}

String AddFileExtension(const String& Path, const String& Ext) {
    if (Path.isEmpty() || Ext.isEmpty()) return Path;
    const String dotted = Ext.startsWith(u'.') ? Ext : u'.' + Ext;
    if (SameText(ExtractFileExt(Path), dotted)) return Path;
    String base = Path;
    if (base.endsWith(u'.')) base.chop(1);
    return base + dotted;
}

bool IsDriveLetter(QChar C) {
    return (C >= u'a' && C <= u'z') || (C >= u'A' && C <= u'Z');
}

bool HasDevicePrefix(const String& Path) {
    return Path.startsWith(QStringLiteral("\\\\.\\"));
}

bool IsUncPath(const String& Path) {
    if (!Path.startsWith(QStringLiteral("\\\\"))) return false;
    static const String longPrefix = QStringLiteral("\\\\?\\UNC\\");
    if (Path.startsWith(longPrefix, Qt::CaseInsensitive)) return IsShareName(Path, int(longPrefix.size()));
    int i = 2;
    while (i < Path.size() && IsServerChar(Path[i]))
        ++i;
    if (i == 2 || i >= Path.size() || Path[i] != u'\\') return false;
    return IsShareName(Path, i + 1);
}

bool IsAbsolutePath(const String& Path) {
    if (Path.isEmpty()) return false;
    if (Path.startsWith(u'/')) return true;
    if (IsUncPath(Path)) return true;
    int i = HasDevicePrefix(Path) ? 4 : 0;
    return Path.size() >= i + 3 && IsDriveLetter(Path[i]) && Path[i + 1] == u':' && Path[i + 2] == u'\\';
}

bool RegularFileExists(const String& FileName) {
    if (FileName.isEmpty()) return false;
    const int attr = FileGetAttr(FileName);
    return attr != -1 && (attr & faDirectory) == 0;
}

String ModuleFilePath(void* Module) {
    return GetModuleFileName(Module);
}
