// Feeds arbitrary bytes to the settings storage as a settings file on disk: the file loader
// (byte-order marks, UTF-8 and its damaged forms), then every value through the storage's
// typed readers (integers, floats, date-times, hex binary, booleans, enumerations, sets),
// every section as a list, and the whole file into an object's published properties. The
// first byte also picks how values are stored as text, so both forms of each reader are
// reached. A value that cannot be converted may only raise a storage or conversion error.
#include "platform/classes/MemIniFile.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/Exception.h"
#include "storage/XcAppIniFileStorage.h"
#include "storage/XcAppStorageOptions.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {
enum TFzColor { fcRed, fcGreen, fcBlue };
ORVO_IMPLEMENT_ENUM_TYPE(TFzColor, "fcRed", "fcGreen", "fcBlue")
using TFzColors = Set<TFzColor>;
ORVO_IMPLEMENT_SET_TYPE(TFzColors, TFzColor)

// Runs one reader; a value it cannot convert may raise, nothing else may.
template <class F> void Try(F&& read) {
    try {
        read();
    } catch (const Exception&) {
    }
}

const std::string& FilePath() {
    static const std::string path = "/tmp/fuzz_ini_reader_" + std::to_string(::getpid()) + ".ini";
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > (1 << 16)) return 0;
    if (FILE* f = std::fopen(FilePath().c_str(), "wb")) {
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
    } else {
        return 0;
    }
    const unsigned flags = size ? data[0] : 0;

    TXcAppIniFileStorage storage(nullptr);
    storage.SetFlushOnDestroy(false);
    TXcAppIniStorageOptions* options = storage.StorageOptions();
    options->SetBooleanAsString(flags & 1);
    options->SetEnumerationAsString(flags & 2);
    options->SetSetAsString(flags & 4);
    options->SetDateTimeAsString(flags & 8);
    options->SetFloatAsString(flags & 16);
    options->SetDefaultIfReadConvertError(flags & 32);
    storage.SetLocation(flCustom);
    storage.SetFileName(String::fromStdString(FilePath()));
    Try([&] { storage.Reload(); });

    TStringList sections, keys, list;
    storage.IniFile()->ReadSections(&sections);
    for (int i = 0; i < sections.Count() && i < 64; ++i) {
        const String section = sections[i];
        storage.IniFile()->ReadSection(section, &keys);
        for (int k = 0; k < keys.Count() && k < 64; ++k) {
            const String path = section + u'\\' + keys[k];
            Try([&] { storage.ReadString(path); });
            Try([&] { storage.ReadInteger(path, 7); });
            Try([&] { storage.ReadFloat(path, 1.5); });
            Try([&] { storage.ReadDateTime(path, TDateTime(0)); });
            Try([&] { storage.ReadBoolean(path, true); });
            Try([&] {
                unsigned char buffer[64];
                storage.ReadBinary(path, buffer, int(sizeof buffer));
            });
            Try([&] { storage.ReadEnumeration(path, fcGreen); });
            Try([&] {
                const TFzColors none;
                TFzColors back;
                storage.ReadSet(path, TypeInfoOf(static_cast<TFzColors*>(nullptr)), &none, &back);
            });
        }
        Try([&] { storage.ReadStringList(section, &list); });
        Try([&] {
            TXcAppStorageOptions object;
            storage.ReadPersistent(section, &object);
        });
    }
    (void)storage.AsString();
    std::remove(FilePath().c_str());
    return 0;
}
