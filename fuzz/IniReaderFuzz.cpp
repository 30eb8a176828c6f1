// Feeds arbitrary bytes to the settings storage's INI reader and reads every value back.
#include "platform/classes/MemIniFile.h"
#include "platform/classes/StringList.h"
#include "storage/XcAppIniFileStorage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TXcAppIniFileStorage storage(nullptr);
    storage.SetFlushOnDestroy(false);
    storage.SetAsString(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    TStringList sections, keys;
    storage.IniFile()->ReadSections(&sections);
    for (int i = 0; i < sections.Count(); ++i) {
        storage.IniFile()->ReadSection(sections[i], &keys);
        for (int k = 0; k < keys.Count(); ++k)
            storage.IniFile()->ReadString(sections[i], keys[k], QString());
    }
    (void)storage.AsString();
    return 0;
}
