// Feeds arbitrary bytes to the catalogue loader and its lookup: a damaged catalogue must
// be rejected with EGGIOError, and a lookup in an accepted one must stay inside it.
#include "i18n/GettextExceptions.h"
#include "i18n/MoFile.h"
#include "i18n/Utf8.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<Byte> bytes(data, data + size);
    try {
        TMoFile mo(bytes, QStringLiteral("fuzz.mo"));
        // Keys from the input itself, so that the fuzzer can reach matching ids.
        const std::size_t step = size / 8 + 1;
        for (std::size_t start = 0; start < size; start += step) {
            const AnsiString key(reinterpret_cast<const char*>(data) + start,
                                 std::min<std::size_t>(step, size - start));
            bool found;
            const AnsiString r = mo.gettext(key, found);
            try {
                Utf8DecodeText(LfToCrLf(r));
            } catch (const Exception&) {
            }
        }
        bool found;
        mo.gettext(AnsiString(), found);
    } catch (const EGGIOError&) {
    }
    return 0;
}
