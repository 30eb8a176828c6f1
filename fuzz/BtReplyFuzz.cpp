// Feeds arbitrary bytes to the Bluetooth reply reader as a port would deliver them: in pieces
// that arrive over time on the fake clock, optionally followed by the port's read error. The
// same bytes then answer a whole exchange with a second attempt. The reader must end within
// its limit, store a reply only when it reports success, and never read outside its buffers.
//
// Input: byte 0 the piece size (1..16), byte 1 the pause between pieces in ms (times 8),
// byte 2 bit 0 whether the port fails once the bytes are used up; the rest is the stream.
#include "device/Frame.h"
#include "device/bluetooth/BtReceiver.h"
#include "device/bluetooth/OrvoTuningBtDevice.h"
#include "device/bluetooth/Serial.h"
#include "platform/win/Clock.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// A port whose input is the fuzzed stream, released piece by piece as the clock moves on.
class TFuzzPort : public CSerial {
public:
    TFuzzPort(const std::uint8_t* data, std::size_t size, std::size_t piece, UInt64 pauseMs, bool failAtEnd,
              TFakeClock& clock)
        : stream_(data, data + size), piece_(piece), pauseMs_(pauseMs), failAtEnd_(failAtEnd), clock_(clock),
          start_(clock.Milliseconds()) {}

    using CSerial::Write;
    long Write(const void*, unsigned int size, unsigned long* written, void*, unsigned long) override {
        if (written) *written = size;
        return 0;
    }
    long Read(void* data, unsigned int size, unsigned long* read, void*, unsigned long) override {
        unsigned long local = 0;
        if (!read) read = &local;
        // Everything whose time has come is readable.
        const UInt64 elapsed = clock_.Milliseconds() - start_;
        const std::size_t pieces = pauseMs_ ? std::size_t(elapsed / pauseMs_) + 1 : stream_.size();
        const std::size_t arrived = std::min(stream_.size(), pieces * piece_);
        const std::size_t n = std::min<std::size_t>(size, arrived - at_);
        if (n) std::memcpy(data, stream_.data() + at_, n);
        at_ += n;
        *read = static_cast<unsigned long>(n);
        if (n == 0 && failAtEnd_ && at_ == stream_.size()) return long(ERROR_GEN_FAILURE);
        return 0;
    }

private:
    std::vector<std::uint8_t> stream_;
    std::size_t piece_;
    UInt64 pauseMs_;
    bool failAtEnd_;
    TFakeClock& clock_;
    UInt64 start_;
    std::size_t at_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3 || size > 8192) return 0;
    const std::size_t piece = (data[0] & 0x0F) + 1u;
    const UInt64 pauseMs = UInt64(data[1]) * 8;
    const bool failAtEnd = data[2] & 1;
    data += 3;
    size -= 3;

    TFakeClock clock(1000);
    TClockOverride use(&clock);
    {
        TFuzzPort port(data, size, piece, pauseMs, failAtEnd, clock);
        TBtReceiver receiver(&port);
        CBtFrame request;
        request.header.command = 0x08;
        request.data = {1, 1, 0};
        CBtFrame reply;
        reply.data = {0x5A};
        const UInt64 start = clock.Milliseconds();
        const int r = receiver.ReadFrame(request, reply);
        if (clock.Milliseconds() - start > TBtReceiver::ReadTimeoutMs + 16) std::abort();
        if (r != 0 && reply.data != std::vector<unsigned char>{0x5A}) std::abort();
        if (r == 0 && reply.data.size() + 5 != reply.header.length) std::abort();
    }
    {
        TOrvoTuningBtDevice device;
        delete device.serial;
        device.serial = new TFuzzPort(data, size, piece, pauseMs, failAtEnd, clock);
        std::vector<unsigned char> reply{0x5A};
        const int r = device.Transact(0x0C, {}, &reply, true);
        if (r != 0 && reply != std::vector<unsigned char>{0x5A}) std::abort();
    }
    return 0;
}
