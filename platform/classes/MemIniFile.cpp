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
#include <fcntl.h>
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
            for (const IniKey& key : section.Keys)
                out += key.Name + u'=' + key.Value + u'\n';
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
    qsizetype skip = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    // TStrings splits the text at CR LF, LF and CR.
    TStringList lines;
    lines.SetText(QString::fromUtf8(bytes.constData() + skip, bytes.size() - skip));
    d_->Parse(lines);
}

void TMemIniFile::Clear() {
    d_->Clear();
}

void TMemIniFile::Rename(const String& FileName, bool Reload) {
    fileName_ = FileName;
    if (Reload) LoadValues();
}

void TMemIniFile::GetStrings(TStrings* List) const {
    List->BeginUpdate();
    for (const IniSection& section : d_->Sections) {
        List->Add(u'[' + section.Name + u']');
        for (const IniKey& key : section.Keys)
            List->Add(key.Name + u'=' + key.Value);
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
    if (!writeAll(fd, d_->Text().toUtf8()) || ::fsync(fd) != 0) err = errno;
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
}
