#include "platform/win/VersionInfo.h"

#include "platform/win/LastError.h"
#include "platform/win/Process.h"

#include <QFileInfo>
#include <cstring>
#include <string>
#include <utility>

namespace platform::detail {
namespace {

// The program's version: FileVersion 1.2.0.16, language 0x0415 with code page 0x04E2.
constexpr Word kMajor = 1, kMinor = 2, kRelease = 0, kBuild = 16;
constexpr Word kLanguage = 0x0415, kCodePage = 0x04E2;
const char16_t* const kStrings[][2] = {
    {u"FileVersion", u"1.2.0.16"},
    {u"ProductVersion", u"1.2.0.16"},
    {u"ProductName", u"ORVO Tuning"},
    {u"OriginalFilename", u"orvo-tuning"},
};

// Writes the nodes of a VS_VERSIONINFO block: each node is its length, the length of its
// value, its type (1 text, 0 binary), its UTF-16 key, padding to 32 bits, the value,
// padding, then its children.
class TBlockWriter {
public:
    std::vector<Byte> bytes;

    std::size_t Begin(const char16_t* key, Word valueLength, Word type) {
        std::size_t start = bytes.size();
        PutWord(0);
        PutWord(valueLength);
        PutWord(type);
        PutText(key);
        return start;
    }
    // A NUL-terminated UTF-16 text, padded to 32 bits.
    void PutText(const char16_t* text) {
        for (const char16_t* t = text; *t; ++t)
            PutWord(*t);
        PutWord(0);
        Align();
    }
    void PutDword(DWORD d) {
        PutWord(Word(d & 0xFFFF));
        PutWord(Word(d >> 16));
    }
    void End(std::size_t start) {
        Word length = Word(bytes.size() - start);
        bytes[start] = Byte(length & 0xFF);
        bytes[start + 1] = Byte(length >> 8);
        Align();
    }

private:
    void PutWord(Word w) {
        bytes.push_back(Byte(w & 0xFF));
        bytes.push_back(Byte(w >> 8));
    }
    void Align() {
        while (bytes.size() % 4)
            bytes.push_back(0);
    }
};

std::vector<Byte> BuildProgramBlock() {
    TBlockWriter w;
    std::size_t root = w.Begin(u"VS_VERSION_INFO", sizeof(VS_FIXEDFILEINFO), 0);
    const DWORD fixed[] = {VS_FFI_SIGNATURE,
                           0x00010000,
                           DWORD(kMajor) << 16 | kMinor,
                           DWORD(kRelease) << 16 | kBuild,
                           DWORD(kMajor) << 16 | kMinor,
                           DWORD(kRelease) << 16 | kBuild,
                           0x3F,
                           0,
                           0x00040004 /* VOS_NT_WINDOWS32 */,
                           1 /* VFT_APP */,
                           0,
                           0,
                           0};
    for (DWORD d : fixed)
        w.PutDword(d);

    std::size_t sfi = w.Begin(u"StringFileInfo", 0, 1);
    char16_t tableKey[9];
    const char16_t* hex = u"0123456789ABCDEF";
    DWORD langCp = DWORD(kLanguage) << 16 | kCodePage;
    for (int i = 0; i < 8; ++i)
        tableKey[i] = hex[(langCp >> (28 - 4 * i)) & 0xF];
    tableKey[8] = 0;
    std::size_t table = w.Begin(tableKey, 0, 1);
    for (const auto& s : kStrings) {
        std::size_t str = w.Begin(s[0], Word(std::char_traits<char16_t>::length(s[1]) + 1), 1);
        w.PutText(s[1]);
        w.End(str);
    }
    w.End(table);
    w.End(sfi);

    std::size_t vfi = w.Begin(u"VarFileInfo", 0, 1);
    std::size_t var = w.Begin(u"Translation", 4, 0);
    w.PutDword(DWORD(kCodePage) << 16 | kLanguage);
    w.End(var);
    w.End(vfi);
    w.End(root);
    return w.bytes;
}

// True when fileName names the program's own file: its full path, a path to the same
// file, or its bare file name.
bool IsProgramFile(const String& fileName) {
    if (fileName.isEmpty()) return false;
    QFileInfo program(ProgramFileName());
    if (!fileName.contains(u'/')) return fileName == program.fileName();
    QFileInfo other(fileName);
    return other.exists() && other.canonicalFilePath() == program.canonicalFilePath();
}

// Sets the last error for a file without our version information.
void NoVersionInfo(const String& fileName) {
    SetLastError(!fileName.isEmpty() && QFileInfo::exists(fileName) ? ERROR_RESOURCE_TYPE_NOT_FOUND
                                                                    : ERROR_FILE_NOT_FOUND);
}

Word ReadWord(const Byte* p) {
    return Word(p[0] | p[1] << 8);
}

struct TNode {
    std::size_t start = 0, end = 0, value = 0, children = 0;
    Word valueLength = 0, type = 0;
    String key;
};

std::size_t Aligned(std::size_t n) {
    return (n + 3) & ~std::size_t(3);
}

// Reads the node at offset start of a block of size bytes; false when it does not fit.
bool ReadNode(const Byte* block, std::size_t size, std::size_t start, TNode& node) {
    if (start + 6 > size) return false;
    Word length = ReadWord(block + start);
    if (length < 6 || start + length > size) return false;
    node.start = start;
    node.end = start + length;
    node.valueLength = ReadWord(block + start + 2);
    node.type = ReadWord(block + start + 4);
    node.key.clear();
    std::size_t p = start + 6;
    for (;; p += 2) {
        if (p + 2 > node.end) return false;
        Word c = ReadWord(block + p);
        if (!c) break;
        node.key += QChar(c);
    }
    node.value = Aligned(p + 2);
    std::size_t valueBytes = node.type == 1 ? std::size_t(node.valueLength) * 2 : node.valueLength;
    node.children = Aligned(node.value + valueBytes);
    return node.value + valueBytes <= node.end;
}

// The block's own size is its root node's length; the 8-bit copies of its texts follow it.
std::size_t BlockSize(const void* block) {
    return ReadWord(static_cast<const Byte*>(block));
}

bool Query(const void* block, const String& subBlock, bool ansi, void** buffer, UINT* len) {
    if (!block || !buffer || !len) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    const Byte* bytes = static_cast<const Byte*>(block);
    std::size_t size = BlockSize(block);
    TNode node;
    if (!ReadNode(bytes, size, 0, node)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return false;
    }
    const QStringList parts = subBlock.split(u'\\', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        bool found = false;
        for (std::size_t child = node.children; child < node.end;) {
            TNode c;
            if (!ReadNode(bytes, node.end, child, c)) break;
            if (c.key.compare(part, Qt::CaseInsensitive) == 0) {
                node = c;
                found = true;
                break;
            }
            child = Aligned(c.end);
        }
        if (!found) {
            SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
            return false;
        }
    }
    if (node.valueLength == 0) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return false;
    }
    // Texts of the A form are 8-bit copies in the second half of the buffer, at half the
    // offset of the UTF-16 text (the texts are ASCII, so each copy fits its slot).
    std::size_t at = node.type == 1 && ansi ? size + node.value / 2 : node.value;
    *buffer = const_cast<Byte*>(bytes + at);
    *len = node.valueLength;
    SetLastError(ERROR_SUCCESS);
    return true;
}

} // namespace
} // namespace platform::detail

using namespace platform::detail;

const std::vector<Byte>& ProgramVersionBlock() {
    static const std::vector<Byte> block = BuildProgramBlock();
    return block;
}

DWORD GetFileVersionInfoSizeW(const String& fileName, DWORD* handle) {
    if (handle) *handle = 0;
    if (!IsProgramFile(fileName)) {
        NoVersionInfo(fileName);
        return 0;
    }
    SetLastError(ERROR_SUCCESS);
    // Room for the block and for the 8-bit copies of its texts, as on Windows.
    return DWORD(ProgramVersionBlock().size() * 2);
}

DWORD GetFileVersionInfoSizeA(const char* fileName, DWORD* handle) {
    return GetFileVersionInfoSizeW(fileName ? String::fromUtf8(fileName) : String(), handle);
}

BOOL GetFileVersionInfoW(const String& fileName, DWORD, DWORD len, void* data) {
    if (!data) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!IsProgramFile(fileName)) {
        NoVersionInfo(fileName);
        return FALSE;
    }
    const std::vector<Byte>& block = ProgramVersionBlock();
    std::vector<Byte> full(block.size() * 2, 0);
    std::memcpy(full.data(), block.data(), block.size());
    // The 8-bit copies of the texts.
    std::size_t size = block.size();
    for (std::size_t off = 0; off + 2 <= size; off += 2) {
        Word c = ReadWord(block.data() + off);
        full[size + off / 2] = c < 0x80 ? Byte(c) : Byte('?');
    }
    std::memcpy(data, full.data(), std::min<std::size_t>(len, full.size()));
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL GetFileVersionInfoA(const char* fileName, DWORD handle, DWORD len, void* data) {
    return GetFileVersionInfoW(fileName ? String::fromUtf8(fileName) : String(), handle, len, data);
}

BOOL VerQueryValueW(const void* block, const String& subBlock, void** buffer, UINT* len) {
    return Query(block, subBlock, false, buffer, len) ? TRUE : FALSE;
}

BOOL VerQueryValueA(const void* block, const char* subBlock, void** buffer, UINT* len) {
    return Query(block, subBlock ? String::fromUtf8(subBlock) : String(), true, buffer, len) ? TRUE : FALSE;
}
