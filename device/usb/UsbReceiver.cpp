#include "device/usb/UsbReceiver.h"

#include "device/Utils.h"

#include <usb.h>

#include <array>

std::vector<unsigned char> TUsbReceiver::makePacket(Frame& frame) {
    const std::size_t n = frame.data.size();
    frame.header.length = static_cast<std::uint16_t>(n + 3);
    std::vector<unsigned char> packet;
    packet.reserve(n + 3);
    packet.push_back(LowByte(frame.header.length));
    packet.push_back(HighByte(frame.header.length));
    packet.push_back(frame.header.command);
    packet.insert(packet.end(), frame.data.begin(), frame.data.end());
    return packet;
}

int TUsbReceiver::SendFrame(Frame& frame) {
    std::vector<unsigned char> packet = makePacket(frame);
    Trace([&] { return "TX: [" + HexDump(packet.data(), packet.size(), '$') + "]"; });
    // libusb dereferences the handle: without an open box nothing can be sent.
    if (!handle) return -1;
    const int written = usb_bulk_write(handle, OutEndpoint, reinterpret_cast<const char*>(packet.data()),
                                       static_cast<int>(packet.size()), WriteTimeoutMs);
    return written == static_cast<int>(packet.size()) ? 0 : -1;
}

int TUsbReceiver::ReadFrame(const Frame& request, Frame& reply) {
    (void)request;
    if (!handle) return -1;
    unsigned char header[3];
    int got = usb_bulk_read(handle, InEndpoint, reinterpret_cast<char*>(header), 3, ReadTimeoutMs);
    if (got != 3) {
        Trace([&] { return Sprintf("USB header read failed: %d", got); });
        usb_resetep(handle, InEndpoint);
        return -1;
    }
    const std::uint16_t length = static_cast<std::uint16_t>(header[0] | (header[1] << 8));
    // In 16 bits, as on the wire: a length below 3 wraps to a large count.
    const std::uint16_t n = static_cast<std::uint16_t>(length - 3);
    if (n > MaxReplyData) {
        Trace([&] { return Sprintf("USB reply too long: %u data bytes", unsigned(n)); });
        usb_resetep(handle, InEndpoint);
        return -2;
    }
    std::array<unsigned char, MaxReplyData> data;
    if (n > 0) {
        got = usb_bulk_read(handle, InEndpoint, reinterpret_cast<char*>(data.data()), n, ReadTimeoutMs);
        if (got != n) {
            Trace([&] { return Sprintf("USB data read failed: %d of %u bytes", got, unsigned(n)); });
            usb_resetep(handle, InEndpoint);
            return -2;
        }
    }
    Trace([&] {
        return Sprintf("RX: [%s%s]", HexDump(header, 3, '$').c_str(), HexDump(data.data(), n, '$').c_str());
    });
    if (header[2] != rsSuccess) return -1;
    reply.data.assign(data.begin(), data.begin() + n);
    return 0;
}
