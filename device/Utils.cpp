#include "device/Utils.h"

#include "platform/win/Clock.h"
#include "platform/win/LastError.h"

#include <atomic>

namespace {
std::atomic<TTraceSink> g_traceSink{nullptr};
} // namespace

TTraceSink SetTraceSink(TTraceSink sink) {
    return g_traceSink.exchange(sink);
}

bool TraceKept() {
    return g_traceSink.load(std::memory_order_relaxed) != nullptr;
}

void DebugTrace(const AnsiString& text) {
    if (TTraceSink sink = g_traceSink.load(std::memory_order_relaxed)) sink(text);
}

AnsiString HexDump(const void* data, std::size_t count, char separator) {
    static const char digits[] = "0123456789ABCDEF";
    const auto* bytes = static_cast<const unsigned char*>(data);
    AnsiString text(count * 3, '\0');
    char* out = text.data();
    for (std::size_t i = 0; i < count; ++i) {
        *out++ = separator;
        *out++ = digits[bytes[i] >> 4];
        *out++ = digits[bytes[i] & 0x0F];
    }
    return text;
}

void TraceSystemError(DWORD code, const AnsiString& prefix) {
    if (!TraceKept()) return;
    char message[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, message,
                   sizeof message, nullptr);
    DebugTrace(Sprintf("%s: (%d) %s\n\n", prefix.c_str(), int(code), message));
}

AnsiString TickPrefix(const AnsiString& text, bool withTick) {
    if (!withTick) return text;
    return Sprintf("%d: ", int(GetTickCount())) + text;
}

unsigned char HighByte(int v) {
    return static_cast<unsigned char>((v >> 8) & 0xFF);
}

unsigned char LowByte(int v) {
    return static_cast<unsigned char>(v & 0xFF);
}
