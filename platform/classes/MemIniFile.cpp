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

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string_view>
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

// Names compare without regard to case, as their case-folded forms compare. The fold is taken
// on the fly, at once for ASCII and through a folded copy only for other names.
bool isAscii(QStringView s) {
    for (const QChar c : s)
        if (c.unicode() >= 0x80) return false;
    return true;
}

bool isAscii(std::string_view s) {
    for (const char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

char16_t asciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

constexpr std::uint32_t kHashStart = 2166136261u;

std::uint32_t mix(std::uint32_t h, char16_t c) {
    return (h ^ c) * 16777619u;
}

std::uint32_t foldHash(QStringView s) {
    std::uint32_t h = kHashStart;
    if (isAscii(s)) {
        for (const QChar c : s)
            h = mix(h, asciiLower(c.unicode()));
    } else {
        for (const QChar c : s.toString().toCaseFolded())
            h = mix(h, c.unicode());
    }
    return h;
}

// The same hash for the stored form of a name (see TIniText below).
std::uint32_t foldHash(std::string_view s) {
    if (!isAscii(s)) return foldHash(QStringView(decodeUtf8KeepingBytes(s.data(), qsizetype(s.size()))));
    std::uint32_t h = kHashStart;
    for (const char c : s)
        h = mix(h, asciiLower(char16_t(c)));
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

bool foldEqual(std::string_view a, QStringView b) {
    if (isAscii(a) && isAscii(b)) {
        if (qsizetype(a.size()) != b.size()) return false;
        for (qsizetype i = 0; i < b.size(); ++i)
            if (asciiLower(char16_t(a[std::size_t(i)])) != asciiLower(b[i].unicode())) return false;
        return true;
    }
    return foldEqual(QStringView(decodeUtf8KeepingBytes(a.data(), qsizetype(a.size()))), b);
}

bool foldEqual(std::string_view a, std::string_view b) {
    if (isAscii(a) && isAscii(b)) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
            if (asciiLower(char16_t(a[i])) != asciiLower(char16_t(b[i]))) return false;
        return true;
    }
    return foldEqual(QStringView(decodeUtf8KeepingBytes(a.data(), qsizetype(a.size()))),
                     QStringView(decodeUtf8KeepingBytes(b.data(), qsizetype(b.size()))));
}

// The positions of named items (sections of the file, keys of a section), found by name
// without regard to case: open addressing over the items' positions and hashes, 8 bytes a
// slot, at most half of the slots in use.
class TFoldIndex {
public:
    static constexpr std::size_t npos = SIZE_MAX;

    // The item of that hash for which equal(item) holds, or npos.
    template <class Equal> std::size_t Find(std::uint32_t hash, const Equal& equal) const {
        if (slots_.empty()) return npos;
        for (std::size_t i = hash & mask();; i = (i + 1) & mask()) {
            const TSlot& slot = slots_[i];
            if (slot.Item == 0) return npos;
            if (slot.Hash == hash && equal(slot.Item - 1)) return slot.Item - 1;
        }
    }
    // Adds item, whose name the index does not hold yet.
    void Add(std::size_t item, std::uint32_t hash) {
        if ((count_ + 1) * 2 > slots_.size()) Resize(std::max<std::size_t>(16, slots_.size() * 2));
        Place(std::uint32_t(item), hash);
        ++count_;
    }
    // Room for n items without growing, so that a file's sections are indexed in one table.
    void Reserve(std::size_t n) {
        std::size_t size = 16;
        while (size < n * 2)
            size *= 2;
        if (size > slots_.size()) Resize(size);
    }
    void Clear() {
        slots_.clear();
        slots_.shrink_to_fit();
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
    void Resize(std::size_t size) {
        std::vector<TSlot> old = std::move(slots_);
        slots_.assign(size, TSlot{});
        for (const TSlot& slot : old)
            if (slot.Item != 0) Place(slot.Item - 1, slot.Hash);
    }

    std::vector<TSlot> slots_;
    std::size_t count_ = 0;
};

// Where a name or value is: a span of the file's own bytes, a span of the bytes written
// since, or (for a text whose characters do not all survive the trip to UTF-8 and back) an
// entry of the table of such texts.
struct TRef {
    static constexpr std::uint32_t kAdded = 1u << 31;
    static constexpr std::uint32_t kOdd = 1u << 30;
    static constexpr std::uint32_t kLengthMask = kOdd - 1;
    std::uint32_t Offset = 0;
    std::uint32_t Length = 0; // with the flags above
};

struct TIniKey {
    TRef Name;
    TRef Value;
};

// A section's keys are searched one by one up to this many; beyond, through an index.
constexpr std::uint32_t kKeysWithoutIndex = 8;

// A section: its name and its keys, which are Capacity places of the common key array
// from First on, Count of them used.
struct TIniSection {
    TRef Name;
    std::uint32_t First = 0;
    std::uint32_t Count = 0;
    std::uint32_t Capacity = 0;
    std::uint32_t KeyIndex = 0; // 1 + the place of the section's key index; 0: none
};

} // namespace

// The contents in a few flat arrays, with no heap block per section or key. The text is
// held as the file has it: UTF-8 in which a byte that is not part of valid UTF-8 stands for
// itself (it reads as U+DC00 + byte, see above). A file's sections and keys point into the
// file's bytes, read once; names and values written later go to a second byte array.
struct TMemIniFile::Data {
    QByteArray File;
    QByteArray Added;
    std::uint64_t AddedInUse = 0;
    std::vector<String> Odd;
    std::vector<TIniKey> Keys;
    std::uint64_t KeysInUse = 0;
    std::vector<TIniSection> Sections;
    std::vector<TFoldIndex> KeyIndexes;
    std::vector<std::uint32_t> FreeKeyIndexes;
    TFoldIndex Index; // the sections by name

    // ---- texts

    std::string_view Bytes(TRef r) const {
        const QByteArray& from = (r.Length & TRef::kAdded) ? Added : File;
        return std::string_view(from.constData() + r.Offset, r.Length & TRef::kLengthMask);
    }
    String Text(TRef r) const {
        if (r.Length & TRef::kOdd) return Odd[r.Offset];
        const std::string_view b = Bytes(r);
        return decodeUtf8KeepingBytes(b.data(), qsizetype(b.size()));
    }
    std::uint32_t Hash(TRef r) const {
        return (r.Length & TRef::kOdd) ? foldHash(QStringView(Odd[r.Offset])) : foldHash(Bytes(r));
    }
    bool Equal(TRef r, QStringView name) const {
        return (r.Length & TRef::kOdd) ? foldEqual(QStringView(Odd[r.Offset]), name)
                                       : foldEqual(Bytes(r), name);
    }
    bool Equal(TRef a, TRef b) const {
        if (!((a.Length | b.Length) & TRef::kOdd)) return foldEqual(Bytes(a), Bytes(b));
        return (b.Length & TRef::kOdd) ? Equal(a, QStringView(Odd[b.Offset]))
                                       : Equal(b, QStringView(Odd[a.Offset]));
    }
    // Keeps a text written by the program.
    TRef Store(QStringView s) {
        const QByteArray bytes = encodeUtf8KeepingBytes(s.toString());
        if (decodeUtf8KeepingBytes(bytes.constData(), bytes.size()) != s ||
            Added.size() + bytes.size() >= TRef::kOdd || bytes.size() >= qsizetype(TRef::kOdd)) {
            Odd.push_back(s.toString());
            return {std::uint32_t(Odd.size() - 1), TRef::kOdd};
        }
        const TRef r{std::uint32_t(Added.size()), std::uint32_t(bytes.size()) | TRef::kAdded};
        Added.append(bytes);
        AddedInUse += std::uint64_t(bytes.size());
        return r;
    }
    // Gives back the room of texts written over, once they take most of it. Called where
    // every text in use is in a section, never between storing a text and placing it.
    void MaybeCompactAdded() {
        if (Added.size() > 65536 && std::uint64_t(Added.size()) > 2 * AddedInUse) CompactAdded();
    }
    // A text that is no longer used.
    void Drop(TRef r) {
        if (r.Length & TRef::kOdd)
            Odd[r.Offset] = String();
        else if (r.Length & TRef::kAdded)
            AddedInUse -= r.Length & TRef::kLengthMask;
    }
    // The bytes written over or deleted since are given back.
    void CompactAdded() {
        QByteArray packed;
        packed.reserve(qsizetype(AddedInUse));
        auto move = [&](TRef& r) {
            if (!(r.Length & TRef::kAdded)) return;
            const std::string_view b = Bytes(r);
            r.Offset = std::uint32_t(packed.size());
            packed.append(b.data(), qsizetype(b.size()));
        };
        for (TIniSection& section : Sections) {
            move(section.Name);
            for (std::uint32_t i = 0; i < section.Count; ++i) {
                move(Keys[section.First + i].Name);
                move(Keys[section.First + i].Value);
            }
        }
        Added = std::move(packed);
        AddedInUse = std::uint64_t(Added.size());
    }

    // ---- sections

    std::uint32_t SectionHash(std::size_t i) const { return Hash(Sections[i].Name); }
    std::size_t FindSection(QStringView name) const {
        return Index.Find(foldHash(name), [&](std::size_t i) { return Equal(Sections[i].Name, name); });
    }
    TIniSection* Find(QStringView name) {
        const std::size_t i = FindSection(name);
        return i == TFoldIndex::npos ? nullptr : &Sections[i];
    }
    // The section of that name, added at the end when there is none.
    std::size_t FindOrAdd(QStringView name) {
        const std::uint32_t hash = foldHash(name);
        const std::size_t i = Index.Find(hash, [&](std::size_t k) { return Equal(Sections[k].Name, name); });
        if (i != TFoldIndex::npos) return i;
        return AddSection(Store(name), hash);
    }
    // The same for a name already kept.
    std::size_t FindOrAdd(TRef name) {
        const std::uint32_t hash = Hash(name);
        const std::size_t i = Index.Find(hash, [&](std::size_t k) { return Equal(Sections[k].Name, name); });
        if (i != TFoldIndex::npos) return i;
        return AddSection(name, hash);
    }
    std::size_t AddSection(TRef name, std::uint32_t hash) {
        // A new section's keys start at the end of the array, where they can grow in place.
        Sections.push_back(TIniSection{name, std::uint32_t(Keys.size()), 0, 0, 0});
        Index.Add(Sections.size() - 1, hash);
        return Sections.size() - 1;
    }
    void ReindexSections() {
        Index.Clear();
        Index.Reserve(Sections.size());
        for (std::size_t i = 0; i < Sections.size(); ++i)
            Index.Add(i, SectionHash(i));
    }

    // ---- keys

    const TIniKey& Key(const TIniSection& s, std::uint32_t i) const { return Keys[s.First + i]; }
    TIniKey& Key(const TIniSection& s, std::uint32_t i) { return Keys[s.First + i]; }
    // The place in the section of the first key of that name, or npos.
    std::size_t FindKey(const TIniSection& s, QStringView name) const {
        if (s.KeyIndex)
            return KeyIndexes[s.KeyIndex - 1].Find(
                foldHash(name), [&](std::size_t i) { return Equal(Key(s, std::uint32_t(i)).Name, name); });
        for (std::uint32_t i = 0; i < s.Count; ++i)
            if (Equal(Key(s, i).Name, name)) return i;
        return TFoldIndex::npos;
    }
    std::size_t FindKey(const TIniSection& s, TRef name) const {
        if (s.KeyIndex)
            return KeyIndexes[s.KeyIndex - 1].Find(
                Hash(name), [&](std::size_t i) { return Equal(Key(s, std::uint32_t(i)).Name, name); });
        for (std::uint32_t i = 0; i < s.Count; ++i)
            if (Equal(Key(s, i).Name, name)) return i;
        return TFoldIndex::npos;
    }
    // Whether key i is the one that reads of its name find (the first of that name); a later
    // key of the same name is not written to the file.
    bool IsRead(const TIniSection& s, std::uint32_t i) const {
        if (!s.KeyIndex && s.Count <= 1) return true;
        return FindKey(s, Key(s, i).Name) == i;
    }
    // Appends a key; a later key of a name already there is kept but never read.
    void AddKey(TIniSection& s, TRef name, TRef value) {
        if (s.Count == s.Capacity) {
            if (s.First + s.Count == Keys.size() && Keys.size() < UINT32_MAX) {
                // The last run of the array grows in place.
                Keys.push_back({});
                ++s.Capacity;
            } else {
                Relocate(s, std::max<std::uint32_t>(4, s.Capacity * 2));
            }
        }
        Key(s, s.Count) = {name, value};
        ++s.Count;
        ++KeysInUse;
        if (s.KeyIndex) {
            TFoldIndex& index = KeyIndexes[s.KeyIndex - 1];
            const std::uint32_t hash = Hash(name);
            const std::size_t first =
                index.Find(hash, [&](std::size_t i) { return Equal(Key(s, std::uint32_t(i)).Name, name); });
            if (first == TFoldIndex::npos) index.Add(s.Count - 1, hash);
        } else if (s.Count > kKeysWithoutIndex) {
            ReindexKeys(s);
        }
    }
    // Moves a section's keys to the end of the array with room for capacity keys; the place
    // they leave is taken back when the array is packed.
    void Relocate(TIniSection& s, std::uint32_t capacity) {
        if (Keys.size() > 4096 && Keys.size() > 2 * KeysInUse) PackKeys();
        const std::size_t first = Keys.size();
        Keys.resize(first + capacity);
        std::copy(Keys.begin() + s.First, Keys.begin() + s.First + s.Count,
                  Keys.begin() + std::ptrdiff_t(first));
        s.First = std::uint32_t(first);
        s.Capacity = capacity;
    }
    // Every section's keys side by side again, without room to spare.
    void PackKeys() {
        std::vector<TIniKey> packed;
        packed.reserve(KeysInUse);
        for (TIniSection& section : Sections) {
            const std::uint32_t first = std::uint32_t(packed.size());
            packed.insert(packed.end(), Keys.begin() + section.First,
                          Keys.begin() + section.First + section.Count);
            section.First = first;
            section.Capacity = section.Count;
        }
        Keys = std::move(packed);
    }
    void ReindexKeys(TIniSection& s) {
        if (s.Count <= kKeysWithoutIndex) {
            ReleaseKeyIndex(s);
            return;
        }
        if (!s.KeyIndex) {
            if (!FreeKeyIndexes.empty()) {
                s.KeyIndex = FreeKeyIndexes.back();
                FreeKeyIndexes.pop_back();
            } else {
                KeyIndexes.emplace_back();
                s.KeyIndex = std::uint32_t(KeyIndexes.size());
            }
        }
        TFoldIndex& index = KeyIndexes[s.KeyIndex - 1];
        index.Clear();
        for (std::uint32_t i = 0; i < s.Count; ++i) {
            const TRef name = Key(s, i).Name;
            const std::uint32_t hash = Hash(name);
            if (index.Find(hash, [&](std::size_t k) { return Equal(Key(s, std::uint32_t(k)).Name, name); }) ==
                TFoldIndex::npos)
                index.Add(i, hash);
        }
    }
    void ReleaseKeyIndex(TIniSection& s) {
        if (!s.KeyIndex) return;
        KeyIndexes[s.KeyIndex - 1].Clear();
        FreeKeyIndexes.push_back(s.KeyIndex);
        s.KeyIndex = 0;
    }
    void DeleteKey(TIniSection& s, std::uint32_t i) {
        Drop(Key(s, i).Name);
        Drop(Key(s, i).Value);
        std::copy(Keys.begin() + s.First + i + 1, Keys.begin() + s.First + s.Count,
                  Keys.begin() + s.First + i);
        --s.Count;
        --KeysInUse;
        ReindexKeys(s);
    }
    void EraseSection(std::size_t at) {
        TIniSection& s = Sections[at];
        Drop(s.Name);
        for (std::uint32_t i = 0; i < s.Count; ++i) {
            Drop(Key(s, i).Name);
            Drop(Key(s, i).Value);
        }
        KeysInUse -= s.Count;
        ReleaseKeyIndex(s);
        Sections.erase(Sections.begin() + std::ptrdiff_t(at));
        ReindexSections();
    }

    // ---- reading and writing

    void Clear() {
        File.clear();
        File.squeeze();
        Added.clear();
        Added.squeeze();
        AddedInUse = 0;
        Odd.clear();
        Keys.clear();
        Keys.shrink_to_fit();
        KeysInUse = 0;
        Sections.clear();
        Sections.shrink_to_fit();
        KeyIndexes.clear();
        FreeKeyIndexes.clear();
        Index.Clear();
    }
    // One line given as text; current is the section that lines go to (npos before the first).
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
        const TRef name = Store(trimmed(s.left(eq)));
        AddKey(Sections[current], name, Store(trimmed(s.mid(eq + 1))));
    }
    void Parse(const TStrings& lines) {
        Clear();
        std::size_t current = TFoldIndex::npos;
        for (int i = 0; i < lines.Count(); ++i)
            ParseLine(lines.Strings(i), current);
    }
    void Parse(QStringView text) {
        Clear();
        std::size_t current = TFoldIndex::npos;
        ForEachLine(text, [&](QStringView line) { ParseLine(line, current); });
    }
    static QStringView slice(QStringView s, qsizetype at, qsizetype n) { return s.mid(at, n); }
    static std::string_view slice(std::string_view s, std::size_t at, std::size_t n) {
        return s.substr(at, n);
    }
    // Lines end at CR LF, LF or CR, as TStrings splits them.
    template <class Text, class Each> static void ForEachLine(Text text, const Each& each) {
        const auto n = text.size();
        decltype(text.size()) i = 0;
        while (i < n) {
            const auto start = i;
            while (i < n && text[i] != '\r' && text[i] != '\n')
                ++i;
            each(slice(text, start, i - start));
            if (i < n && text[i] == '\r') ++i;
            if (i < n && text[i] == '\n') ++i;
        }
    }
    // The file's bytes (UTF-8, from start on): the sections and keys point into them.
    void Parse(QByteArray bytes, qsizetype start) {
        Clear();
        if (bytes.size() >= qsizetype(TRef::kOdd)) {
            // Too large to point into: read as text instead.
            Parse(QStringView(decodeUtf8KeepingBytes(bytes.constData() + start, bytes.size() - start)));
            return;
        }
        File = std::move(bytes);
        const std::string_view text(File.constData() + start, std::size_t(File.size() - start));
        // Sections and keys are counted first, so that each array is made once at its size.
        std::size_t sections = 0, keys = 0;
        ForEachLine(text, [&](std::string_view line) {
            const std::string_view s = trimmedBytes(line);
            if (s.size() >= 2 && s.front() == '[' && s.back() == ']')
                ++sections;
            else if (!s.empty() && s.front() != ';' && s.find('=') != std::string_view::npos)
                ++keys;
        });
        Sections.reserve(sections);
        Keys.reserve(keys);
        Index.Reserve(sections);
        std::size_t current = TFoldIndex::npos;
        ForEachLine(text, [&](std::string_view line) {
            const std::string_view s = trimmedBytes(line);
            if (s.empty() || s.front() == ';') return;
            if (s.size() >= 2 && s.front() == '[' && s.back() == ']') {
                current = FindOrAdd(RefOf(s.substr(1, s.size() - 2)));
                return;
            }
            if (current == TFoldIndex::npos) return;
            const std::size_t eq = s.find('=');
            if (eq == std::string_view::npos) return;
            AddKey(Sections[current], RefOf(trimmedBytes(s.substr(0, eq))),
                   RefOf(trimmedBytes(s.substr(eq + 1))));
        });
    }
    static std::string_view trimmedBytes(std::string_view s) {
        std::size_t b = 0, e = s.size();
        while (b < e && static_cast<unsigned char>(s[b]) <= 0x20)
            ++b;
        while (e > b && static_cast<unsigned char>(s[e - 1]) <= 0x20)
            --e;
        return s.substr(b, e - b);
    }
    TRef RefOf(std::string_view inFile) const {
        return {std::uint32_t(inFile.data() - File.constData()), std::uint32_t(inFile.size())};
    }
    // The file's lines in UTF-8 (bytes kept), one line per key that is read.
    QByteArray Utf8() const {
        QByteArray out;
        out.reserve(File.size() + Added.size() + 16);
        auto put = [&](TRef r) {
            if (r.Length & TRef::kOdd) {
                out.append(encodeUtf8KeepingBytes(Odd[r.Offset]));
            } else {
                const std::string_view b = Bytes(r);
                out.append(b.data(), qsizetype(b.size()));
            }
        };
        for (const TIniSection& section : Sections) {
            out.append('[');
            put(section.Name);
            out.append("]\n");
            for (std::uint32_t i = 0; i < section.Count; ++i) {
                if (!IsRead(section, i)) continue;
                put(Key(section, i).Name);
                out.append('=');
                put(Key(section, i).Value);
                out.append('\n');
            }
            out.append('\n');
        }
        return out;
    }
    // The same lines as text.
    String Lines() const {
        String out;
        for (const TIniSection& section : Sections) {
            out += u'[' + Text(section.Name) + QStringLiteral("]\n");
            for (std::uint32_t i = 0; i < section.Count; ++i)
                if (IsRead(section, i))
                    out += Text(Key(section, i).Name) + u'=' + Text(Key(section, i).Value) + u'\n';
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
    // The file is read whole and kept as it is: sections and keys point into its bytes, so
    // time and memory grow with the file's size, whatever the number of its sections and keys.
    QByteArray bytes;
    {
        TFileStream file(fileName_, fmOpenRead | fmShareDenyWrite);
        bytes = QByteArray(static_cast<qsizetype>(file.Size()), Qt::Uninitialized);
        file.ReadBuffer(bytes.data(), static_cast<int>(bytes.size()));
    }
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    if (encoding_ == CP_WINDOWS_1252 && !bom) {
        String text;
        TryAnsiToString(AnsiString(bytes.constData(), std::size_t(bytes.size())), CP_WINDOWS_1252, text);
        d_->Parse(QStringView(text));
    } else {
        d_->Parse(std::move(bytes), bom ? 3 : 0);
    }
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
    for (const TIniSection& section : d_->Sections) {
        List->Add(u'[' + d_->Text(section.Name) + u']');
        for (std::uint32_t i = 0; i < section.Count; ++i)
            if (d_->IsRead(section, i))
                List->Add(d_->Text(d_->Key(section, i).Name) + u'=' + d_->Text(d_->Key(section, i).Value));
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
    const TIniSection* s = d_->Find(Section);
    return s && d_->FindKey(*s, QStringView(Ident)) != TFoldIndex::npos;
}

String TMemIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
    const TIniSection* s = d_->Find(Section);
    if (!s) return Default;
    const std::size_t i = d_->FindKey(*s, QStringView(Ident));
    return i == TFoldIndex::npos ? Default : d_->Text(d_->Key(*s, std::uint32_t(i)).Value);
}

void TMemIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
    d_->MaybeCompactAdded();
    const std::size_t at = d_->FindOrAdd(QStringView(Section));
    const std::size_t i = d_->FindKey(d_->Sections[at], QStringView(Ident));
    const TRef name = d_->Store(Ident);
    const TRef value = d_->Store(Value);
    TIniSection& s = d_->Sections[at];
    if (i != TFoldIndex::npos) {
        // The same name but for case: the key index stays right.
        TIniKey& key = d_->Key(s, std::uint32_t(i));
        d_->Drop(key.Name);
        d_->Drop(key.Value);
        key = {name, value};
    } else {
        d_->AddKey(s, name, value);
    }
}

void TMemIniFile::ReadSection(const String& Section, TStrings* Strings) {
    Strings->BeginUpdate();
    Strings->Clear();
    if (const TIniSection* s = d_->Find(Section))
        for (std::uint32_t i = 0; i < s->Count; ++i)
            Strings->Add(d_->Text(d_->Key(*s, i).Name));
    Strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings* Strings) {
    Strings->BeginUpdate();
    Strings->Clear();
    for (const TIniSection& section : d_->Sections)
        Strings->Add(d_->Text(section.Name));
    Strings->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
    Strings->BeginUpdate();
    Strings->Clear();
    if (const TIniSection* s = d_->Find(Section))
        for (std::uint32_t i = 0; i < s->Count; ++i)
            Strings->Add(d_->Text(d_->Key(*s, i).Name) + u'=' + d_->Text(d_->Key(*s, i).Value));
    Strings->EndUpdate();
}

void TMemIniFile::EraseSection(const String& Section) {
    const std::size_t at = d_->FindSection(Section);
    if (at != TFoldIndex::npos) d_->EraseSection(at);
}

void TMemIniFile::DeleteKey(const String& Section, const String& Ident) {
    TIniSection* s = d_->Find(Section);
    if (!s) return;
    const std::size_t i = d_->FindKey(*s, QStringView(Ident));
    if (i != TFoldIndex::npos) d_->DeleteKey(*s, std::uint32_t(i));
}

void TMemIniFile::UpdateFile() {
    if (fileName_.isEmpty()) raiseCreateError(fileName_, ENOENT);
    QByteArray bytes;
    if (encoding_ == CP_WINDOWS_1252) {
        if (!encodeCp1252KeepingBytes(d_->Lines(), bytes)) raiseCreateError(fileName_, EILSEQ);
    } else {
        bytes = d_->Utf8();
    }
    if (const int err = ReplaceFileContents(fileName_, bytes)) raiseCreateError(fileName_, err);
}
