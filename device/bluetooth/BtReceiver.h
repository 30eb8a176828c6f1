// The Bluetooth receiver: frames with a sync byte and an 8-bit sum, over a serial port that
// returns at once from a read with whatever has arrived.
#pragma once

#include "device/Receiver.h"

class CSerial;

template <class Header, class Footer> class CBtReceiver;

template <>
class CBtReceiver<CFrameHeaderBtChipTuning<CFrameHeaderBodyChipTuning>, CFrameFooterBtChipTuning>
    : public CReceiver<CFrameHeaderBtChipTuning<CFrameHeaderBodyChipTuning>, CFrameFooterBtChipTuning> {
public:
    // Overall limits of one send and one read, in milliseconds of GetTickCount.
    static constexpr unsigned SendTimeoutMs = 5000;
    static constexpr unsigned ReadTimeoutMs = 2000;

    // The open port; not owned.
    explicit CBtReceiver(CSerial* serial) : serial(serial) {}

    std::vector<unsigned char> makePacket(Frame& frame) override;
    // 0 success; 2 checksum mismatch; 3 no complete frame within 2000 ms of the start of the
    // read. The reply is searched in blocks of four bytes: a block that does not begin with the
    // reply sync is dropped whole. The status byte is not judged here. A port that reports a
    // read error (its link is gone) ends the read at once with 3.
    int ReadFrame(const Frame& request, Frame& reply) override;
    // ReadFrame with its own limit in milliseconds.
    int ReadFrameWithin(const Frame& request, Frame& reply, unsigned limitMs);
    // Empties both queues of the port, then writes until every byte is out. 0 sent; 3 write
    // error; 1 not all bytes out within 5000 ms.
    int SendFrame(Frame& frame) override;

    CSerial* serial;
};

using TBtReceiver =
    CBtReceiver<CFrameHeaderBtChipTuning<CFrameHeaderBodyChipTuning>, CFrameFooterBtChipTuning>;
