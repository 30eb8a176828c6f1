#include "platform/classes/MemIniFile.h"

#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/rtl/FileReplace.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/IntText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/SysError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdint>
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

// Names compare without regard to case, as their case-folded forms compare. A file may hold
// a million sections, so the indexes below keep no folded copy of a name: the fold is taken
// on the fly, at once for ASCII and through a folded copy only for other names.
bool isAscii(QStringView s) {
    for (const QChar c : s)
        if (c.unicode() >= 0x80) return false;
    return true;
}

char16_t asciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

std::uint32_t foldHash(QStringView s) {
    std::uint32_t h = 2166136261u;
    auto mix = [&h](char16_t c) { h = (h ^ c) * 16777619u; };
    if (isAscii(s)) {
        for (const QChar c : s)
            mix(asciiLower(c.unicode()));
    } else {
        for (const QChar c : s.toString().toCaseFolded())
            mix(c.unicode());
    }
    return h;
}

bool foldEqual(QStringView a, QStringView b) {
    if (isAscii(a) && isAscii(b)) {
        if (a.size() != b.size()) return false;
        for (qsizetype i = 0; i < a.size(); ++i)
            if (asciiLower(a[i].unicode()) != asciiLower(b[i].unicode())) return false;
        return true;
    }
    return a.toString().toCaseFolded() == b.toString().toCaseFolded();
}

// The positions of named items (sections of the file, keys of a section), found by name
// without regard to case: open addressing over the items' positions and hashes, 16 bytes
// per item at most. NameOf(i) gives the name of item i.
class TFoldIndex {
public:
    static constexpr std::size_t npos = SIZE_MAX;

    template <class NameOf> std::size_t Find(QStringView name, const NameOf& nameOf) const {
        if (slots_.empty()) return npos;
        const std::uint32_t hash = foldHash(name);
        for (std::size_t i = hash & mask();; i = (i + 1) & mask()) {
            const TSlot& slot = slots_[i];
            if (slot.Item == 0) return npos;
            if (slot.Hash == hash && foldEqual(nameOf(slot.Item - 1), name)) return slot.Item - 1;
        }
    }
    // Adds item, whose name the index does not hold yet.
    template <class NameOf> void Add(std::size_t item, const NameOf& nameOf) {
        if ((count_ + 1) * 2 > slots_.size()) Grow();
        Place(std::uint32_t(item), foldHash(nameOf(item)));
        ++count_;
    }
    // Indexes items 0 to n - 1; of several of one name, the first.
    template <class NameOf> void Build(std::size_t n, const NameOf& nameOf) {
        Clear();
        for (std::size_t i = 0; i < n; ++i)
            if (Find(nameOf(i), nameOf) == npos) Add(i, nameOf);
    }
    void Clear() {
        slots_.clear();
        count_ = 0;
    }

private:
    struct TSlot {
        std::uint32_t Item = 0; // position + 1; 0: empty
        std::uint32_t Hash = 0;
    };
    std::size_t mask() const { return slots_.size() - 1; }
    void Place(std::uint32_t item, std::uint32_t hash) {
        std::size_t i = hash & mask();
        while (slots_[i].Item != 0)
            i = (i + 1) & mask();
        slots_[i] = {item + 1, hash};
    }
    void Grow() {
        std::vector<TSlot> old = std::move(slots_);
        slots_.assign(old.empty() ? 16 : old.size() * 2, TSlot{});
        for (const TSlot& slot : old)
            if (slot.Item != 0) Place(slot.Item - 1, slot.Hash);
    }

    std::vector<TSlot> slots_;
    std::size_t count_ = 0;
};

struct IniKey {
    String Name;
    String Value;
};

// A section's keys are searched one by one up to this many; beyond, through an index.
constexpr std::size_t kKeysWithoutIndex = 8;

struct IniSection {
    String Name;
    std::vector<IniKey> Keys;
    std::unique_ptr<TFoldIndex> Index; // the first key of each name, once there are many keys

    auto keyName() const {
        return [this](std::size_t i) { return QStringView(Keys[i].Name); };
    }

    // The position of the first key of that name, or npos.
    std::size_t FindKey(QStringView name) const {
        if (Index) return Index->Find(name, keyName());
        for (std::size_t i = 0; i < Keys.size(); ++i)
            if (foldEqual(Keys[i].Name, name)) return i;
        return TFoldIndex::npos;
    }
    const IniKey* Find(QStringView name) const {
        const std::size_t i = FindKey(name);
        return i == TFoldIndex::npos ? nullptr : &Keys[i];
    }
    // Appends a key; a later key of a name already there is kept but never read.
    void AddKey(String name, String value) {
        const bool first = !Index || Index->Find(name, keyName()) == TFoldIndex::npos;
        Keys.push_back({std::move(name), std::move(value)});
        if (Index) {
            if (first) Index->Add(Keys.size() - 1, keyName());
        } else if (Keys.size() > kKeysWithoutIndex) {
            Reindex();
        }
    }
    // Whether Keys[i] is the key that reads of its name find (the first of that name); a
    // later key of the same name is not written to the file.
    bool IsRead(std::size_t i) const { return FindKey(Keys[i].Name) == i; }
    void Reindex() {
        if (Keys.size() <= kKeysWithoutIndex) {
            Index.reset();
            return;
        }
        if (!Index) Index = std::make_unique<TFoldIndex>();
        Index->Build(Keys.size(), keyName());
    }
};

// Without the blanks and control characters (up to U+0020) at either end, as Trim.
QStringView trimmed(QStringView s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b].unicode() <= 0x20)
        ++b;
    while (e > b && s[e - 1].unicode() <= 0x20)
        --e;
    return s.mid(b, e - b);
}

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
            // A run of ASCII, appended at once.
            qsizetype end = i + 1;
            while (end < n && static_cast<unsigned char>(p[end]) < 0x80)
                ++end;
            out.append(QLatin1StringView(p + i, end - i));
            i = end;
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

} // namespace

struct TMemIniFile::Data {
    std::vector<IniSection> Sections;
    TFoldIndex Index; // the sections by name

    auto sectionName() const {
        return [this](std::size_t i) { return QStringView(Sections[i].Name); };
    }
    IniSection* Find(QStringView name) {
        const std::size_t i = Index.Find(name, sectionName());
        return i == TFoldIndex::npos ? nullptr : &Sections[i];
    }
    std::size_t FindOrAdd(QStringView name) {
        const std::size_t i = Index.Find(name, sectionName());
        if (i != TFoldIndex::npos) return i;
        Sections.push_back(IniSection{name.toString(), {}, {}});
        Index.Add(Sections.size() - 1, sectionName());
        return Sections.size() - 1;
    }
    void Reindex() { Index.Build(Sections.size(), sectionName()); }
    void Clear() {
        Sections.clear();
        Index.Clear();
    }
    // One line of the file; current is the section that lines go to (npos before the first).
    void ParseLine(QStringView line, std::size_t& current) {
        const QStringView s = trimmed(line);
        if (s.isEmpty() || s[0] == u';') return;
        if (s.size() >= 2 && s[0] == u'[' && s[s.size() - 1] == u']') {
            current = FindOrAdd(s.mid(1, s.size() - 2));
            return;
        }
        if (current == TFoldIndex::npos) return;
        const qsizetype eq = s.indexOf(u'=');
        if (eq < 0) return;
        Sections[current].AddKey(trimmed(s.left(eq)).toString(), trimmed(s.mid(eq + 1)).toString());
    }
    void Parse(const TStrings& lines) {
        Clear();
        std::size_t current = TFoldIndex::npos;
        for (int i = 0; i < lines.Count(); ++i)
            ParseLine(lines.Strings(i), current);
    }
    // The text of a file: lines end at CR LF, LF or CR, as TStrings splits them.
    void Parse(QStringView text) {
        Clear();
        std::size_t current = TFoldIndex::npos;
        const qsizetype n = text.size();
        qsizetype i = 0;
        while (i < n) {
            const qsizetype start = i;
            while (i < n && text[i] != u'\r' && text[i] != u'\n')
                ++i;
            ParseLine(text.mid(start, i - start), current);
            if (i < n && text[i] == u'\r') ++i;
            if (i < n && text[i] == u'\n') ++i;
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
    // The file is read whole, decoded once and parsed in place: time and memory grow with
    // the file's size, whatever the number of its sections and keys.
    String text;
    {
        TFileStream file(fileName_, fmOpenRead | fmShareDenyWrite);
        QByteArray bytes(static_cast<qsizetype>(file.Size()), '\0');
        file.ReadBuffer(bytes.data(), static_cast<int>(bytes.size()));
        const bool bom = bytes.startsWith("\xEF\xBB\xBF");
        if (encoding_ == CP_WINDOWS_1252 && !bom)
            TryAnsiToString(AnsiString(bytes.constData(), std::size_t(bytes.size())), CP_WINDOWS_1252, text);
        else
            text = decodeUtf8KeepingBytes(bytes.constData() + (bom ? 3 : 0), bytes.size() - (bom ? 3 : 0));
    }
    d_->Parse(QStringView(text));
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
    const std::size_t i = s.FindKey(Ident);
    if (i != TFoldIndex::npos)
        s.Keys[i] = {Ident, Value}; // the same name but for case: the index stays right
    else
        s.AddKey(Ident, Value);
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
    const IniSection* s = d_->Find(Section);
    if (!s) return;
    d_->Sections.erase(d_->Sections.begin() + (s - d_->Sections.data()));
    d_->Reindex();
}

void TMemIniFile::DeleteKey(const String& Section, const String& Ident) {
    IniSection* s = d_->Find(Section);
    if (!s) return;
    const std::size_t i = s->FindKey(Ident);
    if (i == TFoldIndex::npos) return;
    s->Keys.erase(s->Keys.begin() + static_cast<std::ptrdiff_t>(i));
    s->Reindex();
}

void TMemIniFile::UpdateFile() {
    if (fileName_.isEmpty()) raiseCreateError(fileName_, ENOENT);
    QByteArray bytes;
    if (encoding_ == CP_WINDOWS_1252) {
        if (!encodeCp1252KeepingBytes(d_->Text(), bytes)) raiseCreateError(fileName_, EILSEQ);
    } else {
        bytes = encodeUtf8KeepingBytes(d_->Text());
    }
    if (const int err = ReplaceFileContents(fileName_, bytes)) raiseCreateError(fileName_, err);
}
