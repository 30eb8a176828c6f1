// The USB receiver: one bulk write per request, and per reply a 3-byte header transfer followed
// by a data transfer, through libusb 0.1.
#pragma once

#include "device/Receiver.h"

struct usb_dev_handle;

template <class Header, class Footer> class CUsbReceiver;

template <>
class CUsbReceiver<CFrameHeaderChipTuning<CFrameHeaderBodyChipTuning>, CFrameFooterChipTuning>
    : public CReceiver<CFrameHeaderChipTuning<CFrameHeaderBodyChipTuning>, CFrameFooterChipTuning> {
public:
    // Endpoints, time-outs and the receive buffer's size.
    static constexpr int OutEndpoint = 0x02;
    static constexpr int InEndpoint = 0x81;
    static constexpr int WriteTimeoutMs = 1000;
    static constexpr int ReadTimeoutMs = 500;
    static constexpr unsigned MaxReplyData = 2048;

    // The handle of the open box; not owned.
    explicit CUsbReceiver(usb_dev_handle* handle) : handle(handle) {}

    std::vector<unsigned char> makePacket(Frame& frame) override;
    // 0 success; -1 header not read or status other than success; -2 data announced above
    // 2048 bytes, or fewer data bytes than announced. Header and data failures reset the
    // in endpoint. Only the reply's data is filled, and only on success.
    int ReadFrame(const Frame& request, Frame& reply) override;
    // 0 when the whole frame was written, else -1.
    int SendFrame(Frame& frame) override;

    usb_dev_handle* handle;
};

using TUsbReceiver = CUsbReceiver<CFrameHeaderChipTuning<CFrameHeaderBodyChipTuning>, CFrameFooterChipTuning>;
