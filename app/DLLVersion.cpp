#include "app/DLLVersion.h"

#include "platform/rtl/FileUtils.h"
#include "platform/win/DynamicLibrary.h"
#include "platform/win/Folders.h"
#include "platform/win/Process.h"
#include "platform/win/VersionInfo.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The record a module's DllGetVersion fills (the Windows DLLVERSIONINFO layout).
struct DLLVERSIONINFO {
    DWORD cbSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformID;
};
using DLLGETVERSIONPROC = long (*)(DLLVERSIONINFO*);

// The language id used for a version block without exactly one translation. This platform
// has no Windows language ids for its users; untranslated programs use US English.
constexpr unsigned kDefaultLanguage = 0x0409;

// A decimal number at the start of text (after blanks), saturated; 0 without digits.
int LeadingNumber(const AnsiString& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value < 1000000000000LL) value = value * 10 + (text[i] - '0');
    return value > 0x7FFFFFFF ? 0x7FFFFFFF : int(value);
}

std::vector<AnsiString> SplitSkippingEmpty(const AnsiString& text, char separator) {
    std::vector<AnsiString> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == AnsiString::npos) end = text.size();
        if (end > start) parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The FileVersion text of a version block read by GetFileVersionInfoA; false when it has none.
bool FileVersionText(const std::vector<char>& block, AnsiString& text) {
    void* value = nullptr;
    UINT length = 0;
    char key[64];
    if (VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &value, &length) && length == 4) {
        const auto* b = static_cast<const unsigned char*>(value);
        std::snprintf(key, sizeof key, "\\StringFileInfo\\%02X%02X%02X%02X\\FileVersion", b[1], b[0], b[3],
                      b[2]);
    } else {
        std::snprintf(key, sizeof key, "\\StringFileInfo\\%04X04B0\\FileVersion", kDefaultLanguage);
    }
    if (!VerQueryValueA(block.data(), key, &value, &length) || !value) return false;
    const char* chars = static_cast<const char*>(value);
    // The reported length counts the terminator; a long text is cut to 250 characters.
    std::size_t n = length >= 256 ? 250 : std::strlen(chars);
    if (n > length) n = length;
    text.assign(chars, n);
    return true;
}

} // namespace

bool CDLLVersion::ParseVersionText(const AnsiString& text, int& major, int& minor, int& build) {
    std::vector<AnsiString> parts = SplitSkippingEmpty(text, '.');
    if (parts.size() < 3) parts = SplitSkippingEmpty(text, ',');
    if (parts.size() < 3) return false;
    major = LeadingNumber(parts[0]);
    minor = LeadingNumber(parts[1]);
    build = LeadingNumber(parts[2]);
    return true;
}

bool CDLLVersion::FromModuleExport(const AnsiString& name, int& major, int& minor, int& build) {
    HMODULE module = LoadLibraryA(name.c_str());
    if (!module) return false;
    bool ok = false;
    if (auto proc = reinterpret_cast<DLLGETVERSIONPROC>(GetProcAddress(module, "DllGetVersion"))) {
        DLLVERSIONINFO info{};
        info.cbSize = sizeof info;
        if (proc(&info) >= 0) {
            major = int(info.dwMajorVersion);
            minor = int(info.dwMinorVersion);
            build = int(info.dwBuildNumber);
            ok = true;
        }
    }
    FreeLibrary(module);
    return ok;
}

bool CDLLVersion::FromFile(const AnsiString& path, int& major, int& minor, int& build) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0) return false;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), handle, size, block.data())) return false;
    AnsiString text;
    if (!FileVersionText(block, text)) return false;
    VersionText = text;
    return ParseVersionText(text, major, minor, build);
}

int CDLLVersion::GetVersionInfo(const AnsiString& name, int& major, int& minor, int& build) {
    if (FromModuleExport(name, major, minor, build)) return 1;
    // The running program's folder comes first, so that the program's own file is found
    // wherever it was started from. A folder that cannot be obtained is passed over.
    const String folders[] = {ProgramFolder(), WindowsFolder(), CurrentFolder(), QStringLiteral("/")};
    for (const String& folder : folders) {
        if (folder.isEmpty()) continue;
        const AnsiString path = IncludeTrailingPathDelimiter(folder).toStdString() + name;
        if (FromFile(path, major, minor, build)) return 1;
    }
    return 0;
}
