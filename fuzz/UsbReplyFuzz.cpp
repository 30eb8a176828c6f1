// Feeds arbitrary bytes to the USB reply reader as the bus would deliver them: a series of
// bulk transfers, each read whole or refused as too large for the read. The reader must fail
// cleanly on any damaged reply, store the data only on success and never read outside them.
//
// Input: a list of transfers, each one length byte followed by that many bytes (the last one
// cut short by the end of the input).
#include "device/Frame.h"
#include "device/usb/UsbReceiver.h"

#include <usb.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

namespace {
std::deque<std::vector<std::uint8_t>> g_transfers;
int g_resets = 0;
} // namespace

// The libusb calls the receiver makes, served from the fuzzed transfers.
extern "C" {
int usb_bulk_write(usb_dev_handle*, int, const char*, int size, int) {
    return size;
}
int usb_bulk_read(usb_dev_handle*, int, char* bytes, int size, int) {
    if (g_transfers.empty()) return -ETIMEDOUT;
    std::vector<std::uint8_t> t = std::move(g_transfers.front());
    g_transfers.pop_front();
    if (t.size() > std::size_t(size)) return -EOVERFLOW;
    if (!t.empty()) std::memcpy(bytes, t.data(), t.size());
    return int(t.size());
}
int usb_resetep(usb_dev_handle*, unsigned int) {
    ++g_resets;
    return 0;
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 16384) return 0;
    g_transfers.clear();
    g_resets = 0;
    for (std::size_t at = 0; at < size;) {
        const std::size_t n = std::min<std::size_t>(data[at], size - at - 1);
        g_transfers.emplace_back(data + at + 1, data + at + 1 + n);
        at += 1 + n;
    }
    TUsbReceiver receiver(reinterpret_cast<usb_dev_handle*>(&g_resets));
    CUsbFrame request;
    request.header.command = 0x02;
    request.data = {1, 1};
    if (receiver.SendFrame(request) != 0) std::abort();
    CUsbFrame reply;
    reply.data = {0x5A};
    const int r = receiver.ReadFrame(request, reply);
    if (r != 0 && reply.data != std::vector<unsigned char>{0x5A}) std::abort();
    if (r == 0 && reply.data.size() > TUsbReceiver::MaxReplyData) std::abort();
    if (r == -2 && g_resets != 1) std::abort();
    return 0;
}
