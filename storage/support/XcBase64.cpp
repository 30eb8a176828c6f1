#include "storage/support/XcBase64.h"

#include "storage/support/SclMime.h"

AnsiString Base64Encode(const AnsiString& Text) {
    AnsiString out((Text.size() + 2) / 3 * 4, '\0');
    EncodeBase64Rest(Text.data(), Text.size(), out.data());
    return out;
}
