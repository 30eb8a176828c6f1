#include "storage/support/SclFileVersionInfo.h"

#include "platform/classes/StringList.h"
#include "platform/rtl/StrUtils.h"
#include "storage/support/SclPaths.h"

#include <QStringList>
#include <cstring>

ORVO_IMPLEMENT_CLASS(TSclFileVersionInfo, TObject)

namespace {

String NoVersionInfo() {
    return QStringLiteral("File contains no version information");
}

[[noreturn]] void ParseError() {
    throw ESclFileVersionInfoError(NoVersionInfo());
}

// Walks the nodes of a version block, every read checked against the buffer's end.
class TBlockReader {
public:
    explicit TBlockReader(const std::vector<Byte>& b) : b_(b) { wide_ = b.size() >= 6 && Word16(4) < 2; }

    struct Node {
        std::size_t start = 0, end = 0; // the node's bytes
        Word valueLength = 0;
        Word type = 1;
        String key;
        std::size_t value = 0;    // where the value starts
        std::size_t children = 0; // where the first child starts
    };

    Word Word16(std::size_t at) const {
        if (at + 2 > b_.size()) ParseError();
        return Word(b_[at] | (b_[at + 1] << 8));
    }
    DWORD Dword(std::size_t at) const { return DWORD(Word16(at)) | (DWORD(Word16(at + 2)) << 16); }
    static std::size_t Align(std::size_t p) { return (p + 3) & ~std::size_t(3); }
    bool Wide() const { return wide_; }

    Node Read(std::size_t at, std::size_t limit) const {
        Node n;
        n.start = at;
        const Word length = Word16(at);
        n.end = at + length;
        if (length == 0 || n.end > limit || n.end > b_.size()) ParseError();
        n.valueLength = Word16(at + 2);
        std::size_t p = at + 4;
        if (wide_) {
            n.type = Word16(p);
            p += 2;
            for (;;) {
                const Word c = Word16(p);
                p += 2;
                if (c == 0) break;
                n.key += QChar(char16_t(c));
            }
        } else {
            for (;;) {
                if (p >= b_.size()) ParseError();
                const Byte c = b_[p++];
                if (c == 0) break;
                n.key += QChar(char16_t(c));
            }
        }
        n.value = Align(p);
        std::size_t valueBytes = n.valueLength;
        if (wide_ && n.type == 1) valueBytes *= 2;
        n.children = Align(n.value + valueBytes);
        if (n.value + valueBytes > n.end) ParseError();
        return n;
    }

    // The next child start at or after p within end, skipping zero padding; 0 when none.
    std::size_t NextChild(std::size_t p, std::size_t end) const {
        p = Align(p);
        while (p + 2 <= end) {
            if (Word16(p) != 0) return p;
            for (std::size_t i = p; i < std::min(p + 4, end); ++i)
                if (b_[i] != 0) ParseError();
            p += 4;
        }
        return 0;
    }

    String Text(std::size_t at, std::size_t chars) const {
        String s;
        for (std::size_t i = 0; i < chars; ++i) {
            const Word c = wide_ ? Word16(at + 2 * i) : (at + i < b_.size() ? b_[at + i] : (ParseError(), 0));
            if (c == 0) break;
            s += QChar(char16_t(c));
        }
        return s;
    }

    // A zero-terminated UTF-16 text ending before end.
    String TextUntil(std::size_t at, std::size_t end) const {
        String s;
        for (std::size_t p = at; p + 2 <= end; p += 2) {
            const Word c = Word16(p);
            if (c == 0) break;
            s += QChar(char16_t(c));
        }
        return s;
    }

private:
    const std::vector<Byte>& b_;
    bool wide_ = true;
};

bool IsHex(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

TSclFileVersionInfo::TSclFileVersionInfo(const String& FileName)
    : FItemList(std::make_unique<TStringList>()), FItems(std::make_unique<TStringList>()) {
    if (!RegularFileExists(FileName))
        throw ESclFileVersionInfoError(QStringLiteral("The file %1 does not exist").arg(FileName));
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(FileName, &handle);
    if (size == 0) throw ESclFileVersionInfoError(NoVersionInfo());
    FBuffer.assign(size, 0);
    if (!GetFileVersionInfoW(FileName, handle, size, FBuffer.data()))
        throw ESclFileVersionInfoError(NoVersionInfo());
    ExtractData();
}

TSclFileVersionInfo::TSclFileVersionInfo(const void* VersionInfoData, int Size)
    : FItemList(std::make_unique<TStringList>()), FItems(std::make_unique<TStringList>()) {
    if (Size > 0 && VersionInfoData) {
        const Byte* p = static_cast<const Byte*>(VersionInfoData);
        FBuffer.assign(p, p + Size);
    }
    ExtractData();
}

TSclFileVersionInfo::~TSclFileVersionInfo() = default;

void TSclFileVersionInfo::ExtractData() {
    TBlockReader r(FBuffer);
    if (FBuffer.size() < 6) ParseError();
    const auto root = r.Read(0, FBuffer.size());
    if (!SameText(root.key, QStringLiteral("VS_VERSION_INFO")) ||
        root.valueLength != sizeof(VS_FIXEDFILEINFO) || r.Dword(root.value) != VS_FFI_SIGNATURE)
        ParseError();
    std::memcpy(&FFixedInfo, FBuffer.data() + root.value, sizeof FFixedInfo);

    for (std::size_t p = r.NextChild(root.children, root.end); p != 0;) {
        const auto child = r.Read(p, root.end);
        if (SameText(child.key, QStringLiteral("StringFileInfo"))) {
            for (std::size_t t = r.NextChild(child.children, child.end); t != 0;) {
                const auto table = r.Read(t, child.end);
                String id = table.key;
                id.remove(QStringLiteral("0x"), Qt::CaseInsensitive);
                String hex;
                for (QChar c : id)
                    if (IsHex(c)) hex += c;
                if (hex.size() != 8 || table.valueLength != 0) ParseError();
                TLangIdRec rec{Word(hex.left(4).toUInt(nullptr, 16)), Word(hex.mid(4).toUInt(nullptr, 16))};
                const int langIndex = int(FLanguages.size());
                FLanguages.push_back(rec);
                for (std::size_t s = r.NextChild(table.children, table.end); s != 0;) {
                    const auto str = r.Read(s, table.end);
                    String value;
                    if (str.type == 1 || !r.Wide()) {
                        value = str.valueLength == 0 ? String() : r.Text(str.value, str.valueLength);
                    } else if (str.type == 0) {
                        if (str.valueLength >= 1 && str.valueLength <= 4) {
                            DWORD v = 0;
                            for (int i = 0; i < str.valueLength; ++i)
                                v |= DWORD(FBuffer[str.value + i]) << (8 * i);
                            value = u'$' + QString::number(v, 16).toUpper().rightJustified(
                                               2 * str.valueLength, u'0');
                        } else if (str.valueLength > 4) {
                            value = r.TextUntil(str.value, str.value + str.valueLength);
                        }
                    } else {
                        ParseError();
                    }
                    FItemList->Add(str.key + u'=' + value);
                    FItemLanguage.push_back(langIndex);
                    s = r.NextChild(str.end, table.end);
                }
                t = r.NextChild(table.end, child.end);
            }
        } else if (SameText(child.key, QStringLiteral("VarFileInfo"))) {
            for (std::size_t v = r.NextChild(child.children, child.end); v != 0;) {
                const auto var = r.Read(v, child.end);
                if (SameText(var.key, QStringLiteral("Translation"))) {
                    for (std::size_t i = 0; i + 4 <= var.valueLength; i += 4)
                        FTranslations.push_back({r.Word16(var.value + i), r.Word16(var.value + i + 2)});
                }
                v = r.NextChild(var.end, child.end);
            }
        } else {
            break;
        }
        p = r.NextChild(child.end, root.end);
    }
    ExtractFlags();
    CreateItemsForLanguage();
}

void TSclFileVersionInfo::ExtractFlags() {
    const DWORD f = FFixedInfo.dwFileFlags & FFixedInfo.dwFileFlagsMask;
    FFileFlags = {};
    if (f & 0x01) FFileFlags << ffDebug;
    if (f & 0x02) FFileFlags << ffPreRelease;
    if (f & 0x04) FFileFlags << ffPatched;
    if (f & 0x08) FFileFlags << ffPrivateBuild;
    if (f & 0x10) FFileFlags << ffInfoInferred;
    if (f & 0x20) FFileFlags << ffSpecialBuild;
}

void TSclFileVersionInfo::CreateItemsForLanguage() {
    FItems->Clear();
    for (int i = 0; i < FItemList->Count(); ++i)
        if (FItemLanguage[std::size_t(i)] == FLanguageIndex) FItems->Add(FItemList->Strings(i));
}

TStrings* TSclFileVersionInfo::Items() const {
    return FItems.get();
}

String TSclFileVersionInfo::Value(const String& Key) const {
    const int i = FItems->IndexOfName(Key);
    return i < 0 ? String() : FItems->ValueFromIndex(i);
}

String TSclFileVersionInfo::GetCustomFieldValue(const String& FieldName) const {
    if (FieldName.isEmpty()) throw ESclFileVersionInfoError(QStringLiteral("No value was supplied"));
    const int i = FItems->IndexOfName(FieldName);
    if (i < 0) throw ESclFileVersionInfoError(QStringLiteral("The value %1 was not found.").arg(FieldName));
    return FItems->ValueFromIndex(i);
}

String TSclFileVersionInfo::VersionPart(const String& Version, int Index) {
    String v = Version;
    v.replace(u',', u'.');
    const QStringList parts = v.split(u'.');
    // The text before the first point, between the first and second, between the second
    // and third, and after the last one.
    String part;
    if (Index < 3)
        part = Index < parts.size() ? parts[Index] : String();
    else
        part = parts.size() > 1 ? parts.back() : String();
    return part.trimmed();
}

String TSclFileVersionInfo::BinFileVersion() const {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(FFixedInfo.dwFileVersionMS >> 16)
        .arg(FFixedInfo.dwFileVersionMS & 0xFFFF)
        .arg(FFixedInfo.dwFileVersionLS >> 16)
        .arg(FFixedInfo.dwFileVersionLS & 0xFFFF);
}

String TSclFileVersionInfo::BinProductVersion() const {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(FFixedInfo.dwProductVersionMS >> 16)
        .arg(FFixedInfo.dwProductVersionMS & 0xFFFF)
        .arg(FFixedInfo.dwProductVersionLS >> 16)
        .arg(FFixedInfo.dwProductVersionLS & 0xFFFF);
}

void TSclFileVersionInfo::SetLanguageIndex(int Value) {
    if (Value < 0 || Value >= LanguageCount())
        throw ESclFileVersionInfoError(QStringLiteral("Illegal language index"));
    if (Value == FLanguageIndex) return;
    FLanguageIndex = Value;
    CreateItemsForLanguage();
}

bool TSclFileVersionInfo::TranslationMatchesLanguages(bool Exact) const {
    for (const auto& t : FTranslations) {
        bool found = false;
        for (const auto& l : FLanguages)
            found = found || (l.LangId == t.LangId && l.CodePage == t.CodePage);
        if (!found) return false;
    }
    return FTranslations.size() == FLanguages.size() || (!Exact && !FTranslations.empty());
}

String TSclFileVersionInfo::VersionLanguageId(const TLangIdRec& LangIdRec) {
    return QStringLiteral("%1%2")
        .arg(LangIdRec.LangId, 4, 16, QChar(u'0'))
        .arg(LangIdRec.CodePage, 4, 16, QChar(u'0'));
}

bool TSclFileVersionInfo::FileHasVersionInfo(const String& FileName) {
    DWORD handle = 0;
    return GetFileVersionInfoSizeW(FileName, &handle) != 0;
}

bool ReadFixedFileInfo(const String& FileName, VS_FIXEDFILEINFO& FixedInfo) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(FileName, &handle);
    if (size == 0) return false;
    std::vector<Byte> buf(size);
    if (!GetFileVersionInfoW(FileName, handle, size, buf.data())) return false;
    void* value = nullptr;
    UINT len = 0;
    if (!VerQueryValueW(buf.data(), QStringLiteral("\\"), &value, &len) || len != sizeof(VS_FIXEDFILEINFO))
        return false;
    std::memcpy(&FixedInfo, value, sizeof FixedInfo);
    return true;
}
