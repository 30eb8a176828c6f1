// A receiver lays a request frame out as bytes, sends it over its transport and reads one reply
// frame back. It is built on the stack for one exchange and holds nothing between exchanges;
// the transaction above it holds the transport's lock and judges the reply's status.
#pragma once

#include "device/Frame.h"

#include <vector>

template <class Header, class Footer> class CReceiver {
public:
    using Frame = CFrame<Header, Footer>;

    // Writes the frame's derived header fields (length, sync) and footer and returns the
    // frame's bytes. The caller has set the header's command and the data.
    virtual std::vector<unsigned char> makePacket(Frame& frame) = 0;
    // Reads one reply frame into reply; 0 on success. The request frame is not used.
    virtual int ReadFrame(const Frame& request, Frame& reply) = 0;
    // Sends one request frame; 0 on success.
    virtual int SendFrame(Frame& frame) = 0;

    virtual ~CReceiver() = default;
};
