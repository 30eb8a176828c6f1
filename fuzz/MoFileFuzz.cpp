// Feeds arbitrary bytes to the catalogue loader and its lookup: a damaged catalogue must
// be rejected with EGGIOError, and a lookup in an accepted one must stay inside it. The same
// bytes are then a catalogue file on disk that a translation domain opens: the file read, the
// header parse (its Content-Type charset and plural forms) and the lookups through the domain.
#include "i18n/Domain.h"
#include "i18n/FileLocator.h"
#include "i18n/GettextExceptions.h"
#include "i18n/MoFile.h"
#include "i18n/Utf8.h"
#include "platform/rtl/Exception.h"
#include "platform/win/MessageBox.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {
const std::string& FilePath() {
    static const std::string path = "/tmp/fuzz_i18n_mofile_" + std::to_string(::getpid()) + ".mo";
    return path;
}

// The catalogue read from a file by a domain, as the tool reads its translations.
void ThroughDomain(const std::uint8_t* data, std::size_t size) {
    if (FILE* f = std::fopen(FilePath().c_str(), "wb")) {
        if (size) std::fwrite(data, 1, size, f);
        std::fclose(f);
    } else {
        return;
    }
    // A catalogue without charset=utf-8 is reported in a message box; nobody is there to see it.
    static const bool quiet =
        (SetMessageBoxHook([](void*, const String&, const String&, unsigned) { return IDOK; }), true);
    (void)quiet;
    // One locator for the whole run, as the engine has; it lives until the process ends.
    if (!FileLocator) FileLocator = new TFileLocator();
    TDomain domain;
    domain.Domain = QStringLiteral("default");
    domain.SetFilename(String::fromStdString(FilePath()));
    // A catalogue that cannot be read, or whose header is not text, is reported once by an
    // error of this system's own; the domain then stays closed.
    try {
        domain.LoadCatalogue();
    } catch (const Exception&) {
        return;
    }
    (void)domain.GetTranslationProperty(QStringLiteral("Content-Type"));
    (void)domain.GetTranslationProperty(QStringLiteral("Plural-Forms"));
    bool found;
    // A translation that is not UTF-8 raises the decoder's error, as in the lookup above.
    try {
        (void)domain.TranslateText(QStringLiteral("Hello"), found);
        (void)domain.TranslatePlural(QStringLiteral("%d map"), QStringLiteral("%d maps"));
    } catch (const Exception&) {
    }
    // A part of the file read on its own, as a catalogue embedded in a larger file is.
    try {
        TMoFile part(String::fromStdString(FilePath()), Int64(size / 4), Int64(size / 2));
        (void)part.gettext(AnsiString(), found);
    } catch (const EGGIOError&) {
    }
}
} // namespace

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
    ThroughDomain(data, size);
    return 0;
}
