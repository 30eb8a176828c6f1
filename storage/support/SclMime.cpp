#include "storage/support/SclMime.h"

namespace {
const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kLineBytes = 57;
constexpr std::size_t kLineChars = 76;

int SextetOf(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}
} // namespace

std::ptrdiff_t Base64EncodedLength(std::ptrdiff_t n) {
    if (n <= 0) return n;
    return 4 * ((n + 2) / 3) + 2 * ((n - 1) / 57);
}

std::ptrdiff_t Base64DecodedLength(std::ptrdiff_t n) {
    return 3 * ((n + 3) / 4);
}

void EncodeBase64Rest(const void* Input, std::size_t Count, char* Output) {
    const auto* p = static_cast<const unsigned char*>(Input);
    std::size_t i = 0;
    for (; i + 3 <= Count; i += 3) {
        *Output++ = kAlphabet[p[i] >> 2];
        *Output++ = kAlphabet[((p[i] & 3) << 4) | (p[i + 1] >> 4)];
        *Output++ = kAlphabet[((p[i + 1] & 15) << 2) | (p[i + 2] >> 6)];
        *Output++ = kAlphabet[p[i + 2] & 63];
    }
    if (Count - i == 1) {
        *Output++ = kAlphabet[p[i] >> 2];
        *Output++ = kAlphabet[(p[i] & 3) << 4];
        *Output++ = '=';
        *Output++ = '=';
    } else if (Count - i == 2) {
        *Output++ = kAlphabet[p[i] >> 2];
        *Output++ = kAlphabet[((p[i] & 3) << 4) | (p[i + 1] >> 4)];
        *Output++ = kAlphabet[(p[i + 1] & 15) << 2];
        *Output++ = '=';
    }
}

void EncodeBase64FullLines(const void* Input, std::size_t Count, char* Output) {
    const auto* p = static_cast<const unsigned char*>(Input);
    const std::size_t lines = Count / kLineBytes;
    for (std::size_t l = 0; l < lines; ++l) {
        EncodeBase64Rest(p + l * kLineBytes, kLineBytes, Output);
        Output += kLineChars;
        // Every line but the very last of the whole text is followed by CR LF; when
        // a partial line follows, the break before it belongs here too.
        if (l + 1 < lines || Count % kLineBytes != 0) {
            *Output++ = '\r';
            *Output++ = '\n';
        }
    }
}

void EncodeBase64Buffer(const void* Input, std::size_t Count, char* Output) {
    EncodeBase64FullLines(Input, Count, Output);
    const std::size_t full = Count / kLineBytes;
    EncodeBase64Rest(static_cast<const unsigned char*>(Input) + full * kLineBytes, Count % kLineBytes,
                     Output + (kLineChars + 2) * full);
}

std::size_t DecodeBase64Partial(const char* Input, std::size_t Length, Byte* Output, int& Pending,
                                DWORD& Carry) {
    std::size_t written = 0;
    for (std::size_t i = 0; i < Length; ++i) {
        const int v = SextetOf(static_cast<unsigned char>(Input[i]));
        if (v < 0) continue;
        Carry = (Carry << 6) | DWORD(v);
        if (Pending == 1) {
            Output[written++] = Byte(Carry >> 16);
            Output[written++] = Byte(Carry >> 8);
            Output[written++] = Byte(Carry);
            Carry = 0;
            Pending = 4;
        } else {
            --Pending;
        }
    }
    return written;
}

std::size_t DecodeBase64Finish(Byte* Output, DWORD Carry, int Pending) {
    if (Pending == 1) {
        Output[0] = Byte(Carry >> 10);
        Output[1] = Byte(Carry >> 2);
        return 2;
    }
    if (Pending == 2) {
        Output[0] = Byte(Carry >> 4);
        return 1;
    }
    return 0;
}

AnsiString EncodeBase64Text(const AnsiString& Text) {
    if (Text.empty()) return AnsiString();
    AnsiString out(std::size_t(Base64EncodedLength(std::ptrdiff_t(Text.size()))), '\0');
    EncodeBase64Buffer(Text.data(), Text.size(), out.data());
    return out;
}

AnsiString DecodeBase64Text(const AnsiString& Text) {
    if (Text.empty()) return AnsiString();
    AnsiString out(std::size_t(Base64DecodedLength(std::ptrdiff_t(Text.size()))) + 2, '\0');
    int pending = 4;
    DWORD carry = 0;
    auto* o = reinterpret_cast<Byte*>(out.data());
    std::size_t n = DecodeBase64Partial(Text.data(), Text.size(), o, pending, carry);
    n += DecodeBase64Finish(o + n, carry, pending);
    out.resize(n);
    return out;
}
