#include "storage/support/XcBase64.h"

AnsiString Base64Encode(const AnsiString& Text) {
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    AnsiString out;
    out.reserve((Text.size() + 2) / 3 * 4);
    const auto* p = reinterpret_cast<const unsigned char*>(Text.data());
    std::size_t n = Text.size(), i = 0;
    for (; i + 3 <= n; i += 3) {
        const unsigned v = (p[i] << 16) | (p[i + 1] << 8) | p[i + 2];
        out += alphabet[(v >> 18) & 63];
        out += alphabet[(v >> 12) & 63];
        out += alphabet[(v >> 6) & 63];
        out += alphabet[v & 63];
    }
    if (n - i == 1) {
        const unsigned v = p[i] << 16;
        out += alphabet[(v >> 18) & 63];
        out += alphabet[(v >> 12) & 63];
        out += "==";
    } else if (n - i == 2) {
        const unsigned v = (p[i] << 16) | (p[i + 1] << 8);
        out += alphabet[(v >> 18) & 63];
        out += alphabet[(v >> 12) & 63];
        out += alphabet[(v >> 6) & 63];
        out += '=';
    }
    return out;
}
