// Service records come from whatever device answers an SDP query: the channel lookup must
// take any bytes without reading past them or recursing without end.
#include "platform/win/Rfcomm.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int channel = RfcommChannelOfRecord(data, size, SerialPortServiceClass);
    if (channel < 0 || channel > 30) __builtin_trap();
    return 0;
}
