#include "platform/classes/MemIniFile.h"

#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/IntText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/SysError.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

ORVO_IMPLEMENT_CLASS(TCustomIniFile, TObject)
ORVO_IMPLEMENT_CLASS(TMemIniFile, TCustomIniFile)

// ---- TCustomIniFile

bool TCustomIniFile::SectionExists(const String& Section) {
    TStringList keys;
    ReadSection(Section, &keys);
    return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const String& Section, const String& Ident) {
    TStringList keys;
    ReadSection(Section, &keys);
    return keys.IndexOf(Ident) >= 0;
}

int TCustomIniFile::ReadInteger(const String& Section, const String& Ident, int Default) {
    String text = ReadString(Section, Ident, String());
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X'))
        text = QLatin1Char('$') + text.mid(2);
    return StrToIntDef(text, Default);
}

void TCustomIniFile::WriteInteger(const String& Section, const String& Ident, int Value) {
    WriteString(Section, Ident, IntToStr(Value));
}

bool TCustomIniFile::ReadBool(const String& Section, const String& Ident, bool Default) {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const String& Section, const String& Ident, bool Value) {
    WriteString(Section, Ident, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

double TCustomIniFile::ReadFloat(const String& Section, const String& Ident, double Default) {
    const String text = ReadString(Section, Ident, String());
    if (text.isEmpty()) return Default;
    double value = 0;
    if (TryStrToFloat(text, value, FormatSettings)) return value;
    // FloatToStr never writes thousands separators, so "." and "," can only be decimal
    // separators: a value written under another locale reads back unchanged.
    for (QChar separator : {QChar(u'.'), QChar(u',')}) {
        if (separator == FormatSettings.DecimalSeparator) continue;
        TFormatSettings other = FormatSettings;
        other.DecimalSeparator = separator;
        if (TryStrToFloat(text, value, other)) return value;
    }
    return Default;
}

void TCustomIniFile::WriteFloat(const String& Section, const String& Ident, double Value) {
    WriteString(Section, Ident, FloatToStr(Value));
}

// ---- TMemIniFile

namespace {

String fold(const String& name) {
    return name.toCaseFolded();
}

struct IniKey {
    String Name;
    String Value;
};

struct IniSection {
    String Name;
    std::vector<IniKey> Keys;
    QHash<String, std::size_t> Index; // folded name -> the first key of that name

    const IniKey* Find(const String& name) const {
        auto it = Index.constFind(fold(name));
        return it == Index.cend() ? nullptr : &Keys[*it];
    }
    // Whether Keys[i] is the key that reads of its name find (the first of that name); a
    // later key of the same name is not written to the file.
    bool IsRead(std::size_t i) const { return Index.value(fold(Keys[i].Name)) == i; }
    void Reindex() {
        Index.clear();
        for (std::size_t i = 0; i < Keys.size(); ++i) {
            const String key = fold(Keys[i].Name);
            if (!Index.contains(key)) Index.insert(key, i);
        }
    }
};

[[noreturn]] void raiseCreateError(const String& fileName, int err) {
    const String shown = fileName.isEmpty() ? fileName : QFileInfo(fileName).absoluteFilePath();
    throw EFCreateError::CreateResFmt(&SFCreateErrorEx, {shown, platform::detail::ErrnoText(err)});
}

// A byte of the file that is not part of valid UTF-8 stands in memory for the character
// U+DC00 + byte (U+DC80 to U+DCFF), which valid UTF-8 never gives, and goes back to the file
// as that byte: a hand-edited file in an 8-bit code page keeps its bytes.
constexpr char16_t kByteEscape = 0xDC00;

bool isByteEscape(char16_t u) {
    return u >= kByteEscape + 0x80 && u <= kByteEscape + 0xFF;
}

String decodeUtf8KeepingBytes(const char* p, qsizetype n) {
    String out;
    out.reserve(n);
    qsizetype i = 0;
    while (i < n) {
        const auto b = static_cast<unsigned char>(p[i]);
        if (b < 0x80) {
            out.append(QChar(char16_t(b)));
            ++i;
            continue;
        }
        int length = 0;
        char32_t cp = 0, least = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2, cp = b & 0x1F, least = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3, cp = b & 0x0F, least = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4, cp = b & 0x07, least = 0x10000;
        }
        bool ok = length > 0 && i + length <= n;
        for (int k = 1; ok && k < length; ++k) {
            const auto c = static_cast<unsigned char>(p[i + k]);
            ok = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        // Over-long forms, surrogates and values beyond U+10FFFF are not valid UTF-8.
        ok = ok && cp >= least && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        if (!ok) {
            out.append(QChar(char16_t(kByteEscape + b)));
            ++i;
        } else if (cp >= 0x10000) {
            out.append(QChar(QChar::highSurrogate(cp)));
            out.append(QChar(QChar::lowSurrogate(cp)));
            i += length;
        } else {
            out.append(QChar(char16_t(cp)));
            i += length;
        }
    }
    return out;
}

QByteArray encodeUtf8KeepingBytes(const String& s) {
    QByteArray out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t u = s[i].unicode();
        if (isByteEscape(char16_t(u))) {
            out.append(char(u - kByteEscape));
            continue;
        }
        if (QChar::isHighSurrogate(u) && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            u = QChar::surrogateToUcs4(char16_t(u), s[i + 1].unicode());
            ++i;
        } else if (QChar::isSurrogate(u)) {
            u = 0xFFFD; // a lone surrogate has no UTF-8 form
        }
        if (u < 0x80) {
            out.append(char(u));
        } else if (u < 0x800) {
            out.append(char(0xC0 | (u >> 6)));
            out.append(char(0x80 | (u & 0x3F)));
        } else if (u < 0x10000) {
            out.append(char(0xE0 | (u >> 12)));
            out.append(char(0x80 | ((u >> 6) & 0x3F)));
            out.append(char(0x80 | (u & 0x3F)));
        } else {
            out.append(char(0xF0 | (u >> 18)));
            out.append(char(0x80 | ((u >> 12) & 0x3F)));
            out.append(char(0x80 | ((u >> 6) & 0x3F)));
            out.append(char(0x80 | (u & 0x3F)));
        }
    }
    return out;
}

// The text in code page 1252, bytes kept as above; false when it holds a character that the
// code page cannot hold.
bool encodeCp1252KeepingBytes(const String& s, QByteArray& out) {
    qsizetype runStart = 0;
    auto flushRun = [&](qsizetype end) {
        if (end == runStart) return true;
        AnsiString part;
        if (!TryStringToAnsi(s.mid(runStart, end - runStart), CP_WINDOWS_1252, part)) return false;
        out.append(part.data(), qsizetype(part.size()));
        return true;
    };
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (!isByteEscape(s[i].unicode())) continue;
        if (!flushRun(i)) return false;
        out.append(char(s[i].unicode() - kByteEscape));
        runStart = i + 1;
    }
    return flushRun(s.size());
}

// Whether name is base + ".tmp-" + process id + "-" + number, the name UpdateFile gives its
// temporary file; Pid is the process id.
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

// Removes the temporary files of path that writers left when they died between writing and
// renaming them. A file of a process that still runs may be a write in progress and stays;
// so do those of this process (another thread may be writing) and every other name.
void removeStaleTemporaries(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
    const QByteArray base = path.mid(slash + 1);
    DIR* dir = ::opendir(folder.constData());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        pid_t pid = 0;
        if (!isTemporaryOf(entry->d_name, base, pid) || pid == ::getpid()) continue;
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

struct TMemIniFile::Data {
    std::vector<IniSection> Sections;
    QHash<String, std::size_t> Index; // folded name -> section

    IniSection* Find(const String& name) {
        auto it = Index.constFind(fold(name));
        return it == Index.cend() ? nullptr : &Sections[*it];
    }
    std::size_t FindOrAdd(const String& name) {
        auto it = Index.constFind(fold(name));
        if (it != Index.cend()) return *it;
        Sections.push_back(IniSection{name, {}, {}});
        Index.insert(fold(name), Sections.size() - 1);
        return Sections.size() - 1;
    }
    void Reindex() {
        Index.clear();
        for (std::size_t i = 0; i < Sections.size(); ++i)
            Index.insert(fold(Sections[i].Name), i);
    }
    void Clear() {
        Sections.clear();
        Index.clear();
    }
    void Parse(const TStrings& lines) {
        Clear();
        std::size_t current = SIZE_MAX;
        for (int i = 0; i < lines.Count(); ++i) {
            const String s = Trim(lines.Strings(i));
            if (s.isEmpty() || s[0] == u';') continue;
            if (s.size() >= 2 && s[0] == u'[' && s[s.size() - 1] == u']') {
                current = FindOrAdd(s.mid(1, s.size() - 2));
                continue;
            }
            if (current == SIZE_MAX) continue;
            const qsizetype eq = s.indexOf(u'=');
            if (eq < 0) continue;
            IniSection& section = Sections[current];
            const String name = Trim(s.left(eq));
            const String key = fold(name);
            if (!section.Index.contains(key)) section.Index.insert(key, section.Keys.size());
            section.Keys.push_back({name, Trim(s.mid(eq + 1))});
        }
    }
    String Text() const {
        String out;
        for (const IniSection& section : Sections) {
            out += u'[' + section.Name + QStringLiteral("]\n");
            for (std::size_t i = 0; i < section.Keys.size(); ++i)
                if (section.IsRead(i)) out += section.Keys[i].Name + u'=' + section.Keys[i].Value + u'\n';
            out += u'\n';
        }
        return out;
    }
};

TMemIniFile::TMemIniFile(const String& FileName) : TCustomIniFile(FileName), d_(std::make_unique<Data>()) {
    LoadValues();
}

TMemIniFile::~TMemIniFile() = default;

void TMemIniFile::LoadValues() {
    if (fileName_.isEmpty() || !FileExists(fileName_)) {
        d_->Clear();
        return;
    }
    TFileStream file(fileName_, fmOpenRead | fmShareDenyWrite);
    QByteArray bytes(static_cast<qsizetype>(file.Size()), '\0');
    file.ReadBuffer(bytes.data(), static_cast<int>(bytes.size()));
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    String text;
    if (encoding_ == CP_WINDOWS_1252 && !bom)
        TryAnsiToString(AnsiString(bytes.constData(), std::size_t(bytes.size())), CP_WINDOWS_1252, text);
    else
        text = decodeUtf8KeepingBytes(bytes.constData() + (bom ? 3 : 0), bytes.size() - (bom ? 3 : 0));
    // TStrings splits the text at CR LF, LF and CR.
    TStringList lines;
    lines.SetText(text);
    d_->Parse(lines);
}

void TMemIniFile::Clear() {
    d_->Clear();
}

void TMemIniFile::SetEncoding(unsigned CodePage) {
    if (CodePage != CP_ACP && CodePage != CP_UTF8 && CodePage != CP_WINDOWS_1252)
        throw Exception(QStringLiteral("Code page %1 is not supported for INI files").arg(CodePage));
    encoding_ = CodePage;
}

void TMemIniFile::Rename(const String& FileName, bool Reload) {
    fileName_ = FileName;
    if (Reload) LoadValues();
}

void TMemIniFile::GetStrings(TStrings* List) const {
    List->BeginUpdate();
    for (const IniSection& section : d_->Sections) {
        List->Add(u'[' + section.Name + u']');
        for (std::size_t i = 0; i < section.Keys.size(); ++i)
            if (section.IsRead(i)) List->Add(section.Keys[i].Name + u'=' + section.Keys[i].Value);
        List->Add(String());
    }
    List->EndUpdate();
}

void TMemIniFile::SetStrings(TStrings* List) {
    d_->Parse(*List);
}

bool TMemIniFile::SectionExists(const String& Section) {
    return d_->Find(Section) != nullptr;
}

bool TMemIniFile::ValueExists(const String& Section, const String& Ident) {
    const IniSection* s = d_->Find(Section);
    return s && s->Find(Ident);
}

String TMemIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
    const IniSection* s = d_->Find(Section);
    const IniKey* k = s ? s->Find(Ident) : nullptr;
    return k ? k->Value : Default;
}

void TMemIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
    IniSection& s = d_->Sections[d_->FindOrAdd(Section)];
    const String key = fold(Ident);
    auto it = s.Index.constFind(key);
    if (it != s.Index.cend()) {
        s.Keys[*it] = {Ident, Value};
    } else {
        s.Index.insert(key, s.Keys.size());
        s.Keys.push_back({Ident, Value});
    }
}

void TMemIniFile::ReadSection(const String& Section, TStrings* Strings) {
    Strings->BeginUpdate();
    Strings->Clear();
    if (const IniSection* s = d_->Find(Section))
        for (const IniKey& key : s->Keys)
            Strings->Add(key.Name);
    Strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings* Strings) {
    Strings->BeginUpdate();
    Strings->Clear();
    for (const IniSection& section : d_->Sections)
        Strings->Add(section.Name);
    Strings->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
    Strings->BeginUpdate();
    Strings->Clear();
    if (const IniSection* s = d_->Find(Section))
        for (const IniKey& key : s->Keys)
            Strings->Add(key.Name + u'=' + key.Value);
    Strings->EndUpdate();
}

void TMemIniFile::EraseSection(const String& Section) {
    auto it = d_->Index.constFind(fold(Section));
    if (it == d_->Index.cend()) return;
    d_->Sections.erase(d_->Sections.begin() + static_cast<std::ptrdiff_t>(*it));
    d_->Reindex();
}

void TMemIniFile::DeleteKey(const String& Section, const String& Ident) {
    IniSection* s = d_->Find(Section);
    if (!s) return;
    auto it = s->Index.constFind(fold(Ident));
    if (it == s->Index.cend()) return;
    s->Keys.erase(s->Keys.begin() + static_cast<std::ptrdiff_t>(*it));
    s->Reindex();
}

void TMemIniFile::UpdateFile() {
    if (fileName_.isEmpty()) raiseCreateError(fileName_, ENOENT);
    QByteArray path = QFile::encodeName(fileName_);
    // Through a symbolic link the link stays and its target gets the new contents.
    if (char* real = ::realpath(path.constData(), nullptr)) {
        path = real;
        std::free(real);
    }
    struct stat st;
    const bool exists = ::stat(path.constData(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) raiseCreateError(fileName_, EISDIR);
    // A file its owner may not write stays as it is, as it would when written in place.
    if (exists && !(st.st_mode & S_IWUSR)) raiseCreateError(fileName_, EACCES);

    QByteArray bytes;
    if (encoding_ == CP_WINDOWS_1252) {
        if (!encodeCp1252KeepingBytes(d_->Text(), bytes)) raiseCreateError(fileName_, EILSEQ);
    } else {
        bytes = encodeUtf8KeepingBytes(d_->Text());
    }

    static std::atomic<unsigned> serial{0};
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = path + ".tmp-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(serial++);
        do {
            fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0 && errno != EEXIST) raiseCreateError(fileName_, errno);
    }
    if (fd < 0) raiseCreateError(fileName_, EEXIST);

    int err = 0;
    if (exists) ::fchmod(fd, st.st_mode & 07777); // keep the permissions of the file it replaces
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.constData(), path.constData()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.constData());
        raiseCreateError(fileName_, err);
    }
    // Make the rename itself durable.
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    removeStaleTemporaries(path);
}
