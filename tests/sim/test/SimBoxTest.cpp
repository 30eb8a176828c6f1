// The simulated box's answers to malformed requests, its fault rules and its two front ends'
// transfer rules, which the device and acceptance tests rely on.
#include "tests/sim/FakeUsb.h"
#include "tests/sim/PtyBox.h"

#include <gtest/gtest.h>
#include <usb.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

using sim::Bytes;

// Status and data of the single reply piece of a Bluetooth exchange.
std::pair<int, Bytes> AskBt(sim::Box& box, const Bytes& frame) {
    sim::ReplyPlan plan = box.Exchange(sim::Transport::Bt, frame.data(), frame.size());
    if (plan.pieces.size() != 1) return {-1, {}};
    const Bytes& r = plan.pieces[0].bytes;
    return {r[3], Bytes(r.begin() + 4, r.end() - 1)};
}

TEST(SimBox, AnswersMalformedRequestsWithTheirStatus) {
    struct Case {
        const char* name;
        Bytes frame;
        int status;
    };
    Bytes goodCommit = sim::EncodeBt(0xAA, 0x07, {1, 2});
    Bytes badSum = sim::EncodeBt(0xAA, 0x05, {});
    badSum.back() ^= 1;
    Bytes badLength = sim::EncodeBt(0xAA, 0x05, {});
    badLength[1] = 6;
    const std::vector<Case> cases = {
        {"bad sync", sim::EncodeBt(0xAB, 0x05, {}), 0xFF},
        {"bad checksum", badSum, 0xFF},
        {"length field not the frame's", badLength, 0xFF},
        {"too short", {0xAA, 0x04}, 0xFF},
        {"unknown command", sim::EncodeBt(0xAA, 0x0A, {}), 0x3F},
        {"data where none belongs", sim::EncodeBt(0xAA, 0x05, {0}), 0x45},
        {"map 0", sim::EncodeBt(0xAA, 0x08, {0, 1, 0}), 0x45},
        {"map 5", sim::EncodeBt(0xAA, 0x09, {5}), 0x45},
        {"channel 3", sim::EncodeBt(0xAA, 0x08, {1, 3, 0}), 0x45},
        {"chunk 4", sim::EncodeBt(0xAA, 0x08, {1, 1, 4}), 0x45},
        {"flag 2", sim::EncodeBt(0xAA, 0x04, {2}), 0x45},
        {"commit without chunks", goodCommit, 0x45},
        {"good request", sim::EncodeBt(0xAA, 0x0C, {}), 0x01},
    };
    sim::Box box;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AskBt(box, c.frame).first, c.status);
    }
}

TEST(SimBox, CommitAppliesFourBufferedChunks) {
    sim::Box box;
    const Bytes before = box.Map(1, 2);
    for (std::uint8_t k = 0; k < 3; ++k) {
        Bytes chunk{k};
        chunk.resize(257, std::uint8_t(0x30 + k));
        ASSERT_EQ(AskBt(box, sim::EncodeBt(0xAA, 0x06, chunk)).first, 0x01);
    }
    EXPECT_EQ(AskBt(box, sim::EncodeBt(0xAA, 0x07, {2, 1})).first, 0x45);
    EXPECT_EQ(box.Map(1, 2), before);
    Bytes last{3};
    last.resize(257, 0x33);
    ASSERT_EQ(AskBt(box, sim::EncodeBt(0xAA, 0x06, last)).first, 0x01);
    EXPECT_EQ(AskBt(box, sim::EncodeBt(0xAA, 0x07, {2, 1})).first, 0x01);
    const Bytes map = box.Map(1, 2);
    EXPECT_EQ(map[0], 0x30);
    EXPECT_EQ(map[1023], 0x33);
    EXPECT_EQ(box.PendingChunks(), 0u);
}

TEST(SimBox, FaultRulesMatchCommandExchangeAndCount) {
    sim::Box box;
    sim::FaultRule third;
    third.exchange = 3;
    third.action.status = 0x45;
    box.AddFault(third);
    sim::FaultRule twice;
    twice.command = 0x05;
    twice.times = 2;
    twice.action.noReply = true;
    box.AddFault(twice);
    const Bytes get = sim::EncodeBt(0xAA, 0x05, {});
    const Bytes other = sim::EncodeBt(0xAA, 0x0C, {});
    EXPECT_EQ(AskBt(box, other).first, 0x01); // 1
    EXPECT_EQ(AskBt(box, get).first, -1);     // 2: no reply
    EXPECT_EQ(AskBt(box, other).first, 0x45); // 3
    EXPECT_EQ(AskBt(box, get).first, -1);     // 4: no reply, last time
    EXPECT_EQ(AskBt(box, get).first, 0x01);   // 5
    EXPECT_EQ(box.Exchanges(), 5u);
}

TEST(FakeUsb, BulkReadsKeepTransferAndPacketBoundaries) {
    sim::Box box;
    box.SetIdentity(std::string(100, 'x')); // a reply of 100 data bytes: packets of 64 and 36
    sim::FakeUsb::SetSingleBox(box);
    usb_init();
    usb_find_busses();
    usb_find_devices();
    usb_dev_handle* h = usb_open(usb_get_busses()->devices);
    ASSERT_NE(h, nullptr);
    const Bytes request = sim::EncodeUsb(0x90, {});
    char buffer[256];
    auto ask = [&] {
        return usb_bulk_write(h, 0x02, reinterpret_cast<const char*>(request.data()), int(request.size()),
                              1000);
    };

    ASSERT_EQ(ask(), 3);
    EXPECT_EQ(usb_bulk_read(h, 0x81, buffer, 3, 500), 3);
    EXPECT_EQ(usb_bulk_read(h, 0x81, buffer, 200, 500), 100); // ends at the short packet
    EXPECT_EQ(usb_bulk_read(h, 0x81, buffer, 3, 500), -ETIMEDOUT);

    ASSERT_EQ(ask(), 3);
    EXPECT_EQ(usb_bulk_read(h, 0x81, buffer, 3, 500), 3);
    EXPECT_EQ(usb_bulk_read(h, 0x81, buffer, 50, 500), -EOVERFLOW); // a 64-byte packet in 50

    sim::FaultRule one;
    one.action.oneTransfer = true;
    box.AddFault(one);
    sim::FakeUsb::SetSingleBox(box);
    h = usb_open(usb_get_busses()->devices);
    ASSERT_EQ(ask(), 3);
    EXPECT_EQ(usb_bulk_read(h, 0x81, buffer, 3, 500), -EOVERFLOW);
    usb_close(h);
}

TEST(PtyBox, AnswersGarbageOnceAndThenServesFrames) {
    sim::Box box;
    box.SetActiveMap(4);
    sim::PtyBox server(box);
    const int fd = ::open(server.Path().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    termios tio{};
    ::tcgetattr(fd, &tio);
    ::cfmakeraw(&tio);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 5; // reads wait at most 0.5 s
    ::tcsetattr(fd, TCSANOW, &tio);
    auto readAll = [&](std::size_t want) {
        Bytes got;
        std::uint8_t buffer[64];
        while (got.size() < want) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n <= 0) break;
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    };
    const Bytes garbage{0x01, 0x02, 0x03, 0x04, 0x05};
    ASSERT_EQ(::write(fd, garbage.data(), garbage.size()), ssize_t(garbage.size()));
    EXPECT_EQ(readAll(5), sim::EncodeBt(0xBB, 0xFF, {}));
    // A request written in two parts is one request.
    const Bytes request = sim::EncodeBt(0xAA, 0x0C, {});
    ASSERT_EQ(::write(fd, request.data(), 2), 2);
    ::usleep(20000);
    ASSERT_EQ(::write(fd, request.data() + 2, request.size() - 2), ssize_t(request.size() - 2));
    EXPECT_EQ(readAll(6), sim::EncodeBt(0xBB, 0x01, {4}));
    EXPECT_EQ(box.Requests().back(), request);
    ::close(fd);
}

// On a paced line a byte of the reply cannot be in before the whole request and every reply byte
// up to it have passed at 10 bits a byte; the reply is the box's usual one, and the box counts
// the bytes of both directions.
TEST(PtyBox, PacedLineCarriesBytesNoFasterThanTheWire) {
    struct Case {
        const char* name;
        Bytes request;
    };
    Bytes chunk{2};
    chunk.resize(257, 0x5A);
    const std::vector<Case> cases = {
        {"short request, long reply", sim::EncodeBt(0xAA, 0x08, {1, 1, 2})},
        {"long request, short reply", sim::EncodeBt(0xAA, 0x06, chunk)},
    };
    constexpr double ByteSeconds = 10.0 / 115200.0;
    sim::Box box;
    sim::PtyBox server(box, sim::WirePacing{115200});
    const int fd = ::open(server.Path().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    termios tio{};
    ::tcgetattr(fd, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(fd, TCSANOW, &tio);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::Box reference;
        Bytes expected;
        for (const sim::Piece& piece :
             reference.Exchange(sim::Transport::Bt, c.request.data(), c.request.size()).pieces)
            expected.insert(expected.end(), piece.bytes.begin(), piece.bytes.end());
        const std::uint64_t before = server.WireBytes();
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(::write(fd, c.request.data(), c.request.size()), ssize_t(c.request.size()));
        Bytes got;
        while (got.size() < expected.size()) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 1000) <= 0) break;
            std::uint8_t buffer[512];
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) got.insert(got.end(), buffer, buffer + n);
            const double elapsed =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            // A microsecond of slack for the line's whole-nanosecond schedule.
            EXPECT_LE(double(c.request.size() + got.size()) * ByteSeconds - 1e-6, elapsed);
        }
        EXPECT_EQ(got, expected);
        EXPECT_EQ(server.WireBytes() - before, c.request.size() + expected.size());
    }
    ::close(fd);
}

} // namespace
