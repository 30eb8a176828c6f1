#include "chart/gauges/GaugeFonts.h"

#include "platform/classes/ResourceStream.h"
#include "platform/classes/StringList.h"

#include <array>

TTeeAddFontNamesProc TeeAddFontNames = nullptr;

namespace {
constexpr std::array<const char*, 2> FontResources{"TEELEDFONT", "TEELCDFONT"};
std::array<HANDLE_FONTRES, 2> FontHandles{};

void AddDigitalFontNames(TStrings* Names) {
    if (!Names) return;
    Names->Add(QStringLiteral("Elektra"));
    Names->Add(QStringLiteral("DS-Digital"));
}
} // namespace

void RegisterGaugeFonts() {
    TeeAddFontNames = nullptr;
    bool any = false;
    for (std::size_t i = 0; i < FontResources.size(); ++i) {
        if (FontHandles[i]) {
            any = true;
            continue;
        }
        const TResourceEntry* entry = FindResource(0, QString::fromLatin1(FontResources[i]), RT_RCDATA);
        if (!entry || !entry->Data || entry->Size == 0) continue;
        DWORD count = 0;
        FontHandles[i] = AddFontMemResourceEx(entry->Data, DWORD(entry->Size), nullptr, &count);
        any = any || FontHandles[i] != nullptr;
    }
    if (any) TeeAddFontNames = &AddDigitalFontNames;
}

void UnregisterGaugeFonts() {
    TeeAddFontNames = nullptr;
    for (HANDLE_FONTRES& h : FontHandles) {
        if (h) RemoveFontMemResourceEx(h);
        h = nullptr;
    }
}

HANDLE_FONTRES GaugeFontHandle(int Index) {
    return Index >= 0 && Index < int(FontHandles.size()) ? FontHandles[std::size_t(Index)] : nullptr;
}
