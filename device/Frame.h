// Frames of the tuning-box protocol: one request or one reply, made of a header, a run of
// data bytes and a footer. Two transports, two layouts:
//   USB:       length(2, LE) command(1) data(n)               length = 3 + n
//   Bluetooth: sync(1) length(2, LE) command(1) data(n) sum(1) length = 5 + n
// In a reply the command byte carries the status (ReplyStatus). The records hold the field
// values; the receivers lay them out byte by byte, so no packing is assumed.
#pragma once

#include <cstdint>
#include <vector>

// The fields both headers share: the whole frame's length (header and footer included) and the
// command byte of a request or the status byte of a reply.
struct CFrameHeaderBodyChipTuning {
    std::uint16_t length = 0;
    std::uint8_t command = 0;
};

// USB header, 3 bytes: length, command.
template <class Body> struct CFrameHeaderChipTuning : Body {};

// Bluetooth header, 4 bytes: sync, length, command.
template <class Body> struct CFrameHeaderBtChipTuning : Body { std::uint8_t sync = 0; };

// USB footer: no bytes.
struct CFrameFooterChipTuning {};

// Bluetooth footer, 1 byte: the sum of all preceding bytes modulo 256.
struct CFrameFooterBtChipTuning {
    std::uint8_t checksum = 0;
};

template <class Header, class Footer> struct CFrame {
    Header header;
    std::vector<unsigned char> data;
    Footer footer;
};

using CUsbFrame = CFrame<CFrameHeaderChipTuning<CFrameHeaderBodyChipTuning>, CFrameFooterChipTuning>;
using CBtFrame = CFrame<CFrameHeaderBtChipTuning<CFrameHeaderBodyChipTuning>, CFrameFooterBtChipTuning>;

// The status byte of a reply. Only rsSuccess counts as success; any value not listed is an
// unknown status.
enum ReplyStatus : std::uint8_t {
    rsSuccess = 0x01,
    rsUnknownCommand = 0x3F,
    rsInvalidParameter = 0x45,
    rsInvalidFrame = 0xFF,
};

// Sync bytes of the Bluetooth frames.
inline constexpr std::uint8_t BtRequestSync = 0xAA;
inline constexpr std::uint8_t BtReplySync = 0xBB;
