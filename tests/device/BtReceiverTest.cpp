// The Bluetooth receiver over a pseudo-terminal served by the simulated box.
#include "device/bluetooth/BtReceiver.h"
#include "DeviceTestSupport.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

using devtest::Bytes;

namespace {

class BtReceiverTest : public devtest::PtyFixture {
protected:
    int Exchange(unsigned char cmd, Bytes data, CBtFrame& reply) {
        TBtReceiver receiver(&serial);
        CBtFrame request;
        request.header.command = cmd;
        request.data = std::move(data);
        if (int r = receiver.SendFrame(request); r != 0) return 100 + r;
        return receiver.ReadFrame(request, reply);
    }
    void Fault(const sim::FaultAction& action) {
        sim::FaultRule rule;
        rule.action = action;
        box.AddFault(rule);
    }
    // Sends a chunk read; once the box's answer (if any) is in, reads it on a clock that stands
    // still at 5000 ms, so that the read ends by its own limit or by the port. Returns the
    // read's result; elapsed is the clock time the read took, reply keeps {9} unless stored.
    int ReadOnStandingClock(TBtReceiver& receiver, CBtFrame& request, CBtFrame& reply, UInt64& elapsed) {
        request.header.command = 0x08;
        request.data = {1, 1, 0};
        if (receiver.SendFrame(request) != 0) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        TFakeClock clock(5000);
        TClockOverride use(&clock);
        reply.data = {9};
        const int r = receiver.ReadFrame(request, reply);
        elapsed = clock.Milliseconds() - 5000;
        return r;
    }
};

TEST(BtFrameLayout, RequestsCarrySyncLengthCommandDataAndSum) {
    struct Case {
        unsigned char cmd;
        Bytes data;
        Bytes bytes;
    };
    const std::vector<Case> cases = {
        {0x05, {}, {0xAA, 0x05, 0x00, 0x05, 0xB4}},
        {0x04, {1}, {0xAA, 0x06, 0x00, 0x04, 0x01, 0xB5}},
        {0x07, {1, 2}, {0xAA, 0x07, 0x00, 0x07, 0x01, 0x02, 0xBB}},
        {0x90, {}, {0xAA, 0x05, 0x00, 0x90, 0x3F}},
    };
    TBtReceiver receiver(nullptr);
    for (const Case& c : cases) {
        CBtFrame frame;
        frame.header.command = c.cmd;
        frame.data = c.data;
        EXPECT_EQ(receiver.makePacket(frame), c.bytes);
        EXPECT_EQ(frame.header.sync, 0xAA);
        EXPECT_EQ(frame.footer.checksum, c.bytes.back());
    }
    CBtFrame chunk;
    chunk.header.command = 0x06;
    chunk.data.assign(257, 0);
    Bytes packet = receiver.makePacket(chunk);
    ASSERT_EQ(packet.size(), 262u);
    EXPECT_EQ(packet[1], 0x06);
    EXPECT_EQ(packet[2], 0x01);
}

TEST_F(BtReceiverTest, ReadsAReplyAndFillsHeaderDataAndFooter) {
    box.SetTuningOff(true);
    CBtFrame reply;
    ASSERT_EQ(Exchange(0x05, {}, reply), 0);
    EXPECT_EQ(box.Requests().back(), (sim::Bytes{0xAA, 0x05, 0x00, 0x05, 0xB4}));
    EXPECT_EQ(reply.header.sync, 0xBB);
    EXPECT_EQ(reply.header.length, 6);
    EXPECT_EQ(reply.header.command, 0x01);
    EXPECT_EQ(reply.data, Bytes{0x01});
    EXPECT_EQ(reply.footer.checksum, 0xC3);
}

TEST_F(BtReceiverTest, StatusIsNotJudgedByTheReader) {
    CBtFrame reply;
    ASSERT_EQ(Exchange(0x77, {}, reply), 0);
    EXPECT_EQ(reply.header.command, 0x3F);
    EXPECT_TRUE(reply.data.empty());
    EXPECT_EQ(reply.footer.checksum, 0xFF); // BB 05 00 3F FF
}

TEST_F(BtReceiverTest, ReplyInDelayedPiecesIsAssembled) {
    box.SetLiveCodes(0x07FF, 0x0800);
    sim::FaultAction a;
    a.delayMs = 30;
    a.split = {{1, 0}, {3, 20}, {2, 20}}; // sync; rest of header; part of the data; then the rest
    Fault(a);
    CBtFrame reply;
    ASSERT_EQ(Exchange(0x03, {}, reply), 0);
    EXPECT_EQ(reply.data, (Bytes{0xFF, 0x07, 0x00, 0x08}));
    EXPECT_EQ(reply.footer.checksum, 0xD3);
}

// On the system clock the port itself waits for a late reply; the reads that return at once,
// as the port was opened, are back after the read whether the reply came or not.
TEST_F(BtReceiverTest, WaitingOnThePortKeepsItsOwnTimeOuts) {
    COMMTIMEOUTS opened;
    ASSERT_TRUE(GetCommTimeouts(serial.portHandle, &opened));
    struct Case {
        const char* name;
        bool silent;
        int result;
    };
    const Case cases[] = {{"a reply 150 ms late", false, 0}, {"no reply within 200 ms", true, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        box.ClearFaults();
        sim::FaultAction a;
        a.delayMs = 150;
        a.noReply = c.silent;
        Fault(a);
        TBtReceiver receiver(&serial);
        CBtFrame request, reply;
        request.header.command = 0x05;
        ASSERT_EQ(receiver.SendFrame(request), 0);
        EXPECT_EQ(receiver.ReadFrameWithin(request, reply, c.silent ? 200 : 2000), c.result);
        COMMTIMEOUTS after;
        ASSERT_TRUE(GetCommTimeouts(serial.portHandle, &after));
        EXPECT_EQ(after.ReadIntervalTimeout, opened.ReadIntervalTimeout);
        EXPECT_EQ(after.ReadTotalTimeoutMultiplier, opened.ReadTotalTimeoutMultiplier);
        EXPECT_EQ(after.ReadTotalTimeoutConstant, opened.ReadTotalTimeoutConstant);
        EXPECT_EQ(after.WriteTotalTimeoutMultiplier, opened.WriteTotalTimeoutMultiplier);
    }
}

TEST_F(BtReceiverTest, BlocksNotStartingWithTheReplySyncAreDroppedWhole) {
    box.SetActiveMap(3);
    sim::FaultAction four;
    four.stray = {0x00, 0xBB, 0x06, 0x00}; // one whole block: dropped, then the reply is found
    Fault(four);
    CBtFrame reply;
    EXPECT_EQ(Exchange(0x0C, {}, reply), 0);
    EXPECT_EQ(reply.data, Bytes{3});
}

TEST_F(BtReceiverTest, ChecksumMismatchIsTwo) {
    sim::FaultAction a;
    a.badChecksum = true;
    Fault(a);
    CBtFrame reply;
    reply.data = {9};
    EXPECT_EQ(Exchange(0x05, {}, reply), 2);
    EXPECT_EQ(reply.data, Bytes{9});
}

TEST_F(BtReceiverTest, LengthFiveHasNoDataAndTheChecksumFollowsTheHeader) {
    CBtFrame reply;
    ASSERT_EQ(Exchange(0x04, {0}, reply), 0);
    EXPECT_EQ(reply.header.length, 5);
    EXPECT_TRUE(reply.data.empty());
    EXPECT_EQ(reply.footer.checksum, 0xC1); // BB 05 00 01 C1
}

// Replies that never complete end at the 2000 ms limit with 3; the fake clock makes that
// instant.
TEST_F(BtReceiverTest, IncompleteRepliesTimeOutWithThree) {
    struct Case {
        const char* name;
        sim::FaultAction action;
    };
    std::vector<Case> cases;
    {
        sim::FaultAction a;
        a.noReply = true;
        cases.push_back({"no reply", a});
    }
    {
        sim::FaultAction a;
        a.stray = {0x00};
        cases.push_back({"one stray byte shifts every block", a});
    }
    for (std::uint16_t length : {0, 1, 2, 3, 4}) {
        sim::FaultAction a;
        a.length = length;
        cases.push_back({"length below five", a});
    }
    {
        sim::FaultAction a;
        a.cutAfter = 20; // a chunk reply cut short
        cases.push_back({"short data", a});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        box.ClearFaults();
        Fault(c.action);
        TBtReceiver receiver(&serial);
        CBtFrame request, reply;
        UInt64 elapsed = 0;
        const auto realStart = std::chrono::steady_clock::now();
        EXPECT_EQ(ReadOnStandingClock(receiver, request, reply, elapsed), 3);
        EXPECT_GE(elapsed, 2000u);
        EXPECT_LT(elapsed, 2010u);
        EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(1));
        EXPECT_EQ(reply.data, Bytes{9});
    }
}

TEST_F(BtReceiverTest, DeadlineCountsFromTheStartOfTheRead) {
    // A reply that begins in time but whose end comes after the limit is not taken.
    sim::FaultAction silent;
    silent.noReply = true;
    Fault(silent);
    TFakeClock clock(0);
    TClockOverride use(&clock);
    TBtReceiver receiver(&serial);
    CBtFrame request;
    request.header.command = 0x05;
    ASSERT_EQ(receiver.SendFrame(request), 0);
    bool injected = false;
    clock.OnAdvance = [&](UInt64 now) {
        // The header arrives at 1000 ms, the rest only at 2500 ms.
        if (now == 1000) server->Inject({0xBB, 0x06, 0x00, 0x01});
        if (now == 2500) injected = true;
    };
    CBtFrame reply;
    EXPECT_EQ(receiver.ReadFrame(request, reply), 3);
    EXPECT_FALSE(injected);
}

TEST_F(BtReceiverTest, SendPurgesStaleInputFirst) {
    server->Inject({0xBB, 0x06, 0x00, 0x01, 0x07, 0xC9}); // a stale reply: active map 7
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    box.SetActiveMap(2);
    CBtFrame reply;
    ASSERT_EQ(Exchange(0x0C, {}, reply), 0);
    EXPECT_EQ(reply.data, Bytes{2});
}

TEST_F(BtReceiverTest, SendOnAClosedPortIsAWriteError) {
    serial.Close();
    TBtReceiver receiver(&serial);
    CBtFrame request;
    request.header.command = 0x05;
    EXPECT_EQ(receiver.SendFrame(request), 3);
}

// The link goes away while the box answers: before its reply, or after part of it. The port's
// read error ends the read at once instead of leaving it to the 2000 ms limit, and the next
// send is a write error.
TEST_F(BtReceiverTest, PortGoingAwayEndsTheReadAtOnce) {
    for (std::optional<std::size_t> cut : {std::optional<std::size_t>{}, std::optional<std::size_t>{6}}) {
        SCOPED_TRACE(cut ? "part of the reply" : "no reply");
        TearDown();
        SetUp();
        box.ClearFaults();
        sim::FaultAction gone;
        gone.noReply = !cut;
        gone.cutAfter = cut;
        gone.hangUp = true;
        Fault(gone);
        TBtReceiver receiver(&serial);
        CBtFrame request, reply;
        UInt64 elapsed = 0;
        EXPECT_EQ(ReadOnStandingClock(receiver, request, reply, elapsed), 3);
        EXPECT_LT(elapsed, 100u);
        EXPECT_EQ(reply.data, Bytes{9});
        EXPECT_EQ(receiver.SendFrame(request), 3);
    }
}

// A port whose write fails after part of the frame went out.
class TBreakingSerial : public CSerial {
public:
    using CSerial::Write;
    long Write(const void* data, unsigned int size, unsigned long* written, void* overlapped,
               unsigned long timeout) override {
        const unsigned int part = std::min(size, bytesBeforeError);
        bytesBeforeError -= part;
        const long r = CSerial::Write(data, part, written, overlapped, timeout);
        if (r != 0 || part == size) return r;
        lastError = ERROR_GEN_FAILURE;
        return long(lastError);
    }
    unsigned int bytesBeforeError = 0;
};

TEST(BtReceiverSend, WriteErrorAfterPartOfAFrameIsThree) {
    sim::Box box;
    sim::PtyBox server(box);
    TBreakingSerial serial;
    ASSERT_EQ(devtest::OpenLikeBluetooth(serial, server.PortName()), 0);
    for (unsigned int part : {0u, 3u, 5u}) {
        SCOPED_TRACE(part);
        serial.bytesBeforeError = part;
        TBtReceiver receiver(&serial);
        CBtFrame request;
        request.header.command = 0x04;
        request.data = {1, 0, 0};
        EXPECT_EQ(receiver.SendFrame(request), 3);
    }
    serial.Close();
}

TEST(BtReceiverSend, NotAllBytesOutWithinFiveSecondsIsOne) {
    // Nobody reads the master side, so the terminal's buffer fills and writes stop moving.
    sim::PtyPair pty;
    CSerial serial;
    ASSERT_EQ(devtest::OpenLikeBluetooth(serial, pty.SlavePath()), 0);
    COMMTIMEOUTS t;
    t.ReadIntervalTimeout = MAXDWORD;
    t.WriteTotalTimeoutConstant = 1;
    ASSERT_TRUE(SetCommTimeouts(serial.portHandle, &t));
    devtest::SteppingClock clock(50);
    TClockOverride use(&clock);
    TBtReceiver receiver(&serial);
    CBtFrame request;
    request.header.command = 0x06;
    request.data.assign(65000, 0x55);
    EXPECT_EQ(receiver.SendFrame(request), 1);
}

} // namespace
