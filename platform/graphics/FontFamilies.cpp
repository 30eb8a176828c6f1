#include "platform/graphics/FontFamilies.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace {

struct Alias {
    const char* windowsName;
    const char* family;
    int weight;
};

constexpr Alias kAliases[] = {
    {"Arial", "Liberation Sans", 0},
    {"Tahoma", "Liberation Sans", 0},
    {"MS Sans Serif", "Liberation Sans", 0},
    {"Segoe UI", "Liberation Sans", 0},
    {"Segoe UI Semibold", "Liberation Sans", 600},
    {"Times New Roman", "Liberation Serif", 0},
    {"Courier New", "Liberation Mono", 0},
    {"DS-Digital", "DSEG7 Classic", 0},
    {"Elektra", "DSEG14 Classic", 0},
    {"Liberation Sans", "Liberation Sans", 0},
    {"Liberation Serif", "Liberation Serif", 0},
    {"Liberation Mono", "Liberation Mono", 0},
    {"DSEG7 Classic", "DSEG7 Classic", 0},
    {"DSEG14 Classic", "DSEG14 Classic", 0},
    {"DejaVu Sans", "DejaVu Sans", 0},
};

constexpr const char* kFallbackFamily = "DejaVu Sans";

// Ids of the fonts added from memory (user-interface thread only).
std::vector<int>& privateFonts() {
    static std::vector<int> ids;
    return ids;
}

} // namespace

TFontMapping MapFontFamily(const String& WindowsName) {
    const QString name = WindowsName.trimmed();
    for (const Alias& a : kAliases) {
        if (name.compare(QLatin1String(a.windowsName), Qt::CaseInsensitive) == 0)
            return {QString::fromLatin1(a.family), a.weight};
    }
    // Families added from memory are drawn by their own name.
    for (int id : privateFonts())
        for (const QString& f : QFontDatabase::applicationFontFamilies(id))
            if (f.compare(name, Qt::CaseInsensitive) == 0) return {f, 0};
    return {QString::fromLatin1(kFallbackFamily), 0};
}

QStringList ScreenFonts() {
    QStringList list = QFontDatabase::families();
    list.sort(Qt::CaseInsensitive);
    return list;
}

HANDLE_FONTRES AddFontMemResourceEx(const void* Data, DWORD Size, void*, DWORD* Count) {
    if (!Data || Size == 0) return nullptr;
    const int id =
        QFontDatabase::addApplicationFontFromData(QByteArray(static_cast<const char*>(Data), int(Size)));
    if (id < 0) return nullptr;
    privateFonts().push_back(id);
    if (Count) *Count = DWORD(QFontDatabase::applicationFontFamilies(id).size());
    // The handle is the font id plus one, so that a valid handle is never null.
    return reinterpret_cast<HANDLE_FONTRES>(static_cast<std::intptr_t>(id) + 1);
}

BOOL RemoveFontMemResourceEx(HANDLE_FONTRES Handle) {
    if (!Handle) return FALSE;
    const int id = int(reinterpret_cast<std::intptr_t>(Handle) - 1);
    auto& ids = privateFonts();
    const auto it = std::find(ids.begin(), ids.end(), id);
    if (it == ids.end()) return FALSE;
    ids.erase(it);
    return QFontDatabase::removeApplicationFont(id) ? TRUE : FALSE;
}
