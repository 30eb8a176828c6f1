// Bluetooth serial links without a terminal: the serial port profile's channel read from
// service records, the port of an unbound device, and the comm functions over a connected
// socket (a Unix socket pair stands in for the RFCOMM socket).
#include "platform/win/Rfcomm.h"
#include "platform/win/BluetoothLookup.h"
#include "platform/win/Comm.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <future>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

// Service-record data elements, as a device sends them.
Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts)
        for (std::uint8_t b : p)
            out.push_back(b);
    return out;
}
Bytes U8(std::uint8_t v) {
    return {0x08, v};
}
Bytes U16(std::uint16_t v) {
    return {0x09, std::uint8_t(v >> 8), std::uint8_t(v)};
}
Bytes Uuid16(std::uint16_t v) {
    return {0x19, std::uint8_t(v >> 8), std::uint8_t(v)};
}
// A 16-bit UUID in its 128-bit form on the Bluetooth base UUID.
Bytes Uuid128(std::uint16_t v) {
    return {0x1C,
            0,
            0,
            std::uint8_t(v >> 8),
            std::uint8_t(v),
            0x00,
            0x00,
            0x10,
            0x00,
            0x80,
            0x00,
            0x00,
            0x80,
            0x5F,
            0x9B,
            0x34,
            0xFB};
}
Bytes Seq(std::initializer_list<Bytes> items) {
    const Bytes body = Cat(items);
    return Cat({Bytes{0x35, std::uint8_t(body.size())}, body});
}
Bytes Text(const std::string& s) {
    return Cat({Bytes{0x25, std::uint8_t(s.size())}, Bytes(s.begin(), s.end())});
}

// A record of a service: its handle, classes, protocols (L2CAP, then RFCOMM with channel
// unless channel is empty), profile and name, in the order devices send them.
Bytes Record(Bytes serviceClass, Bytes rfcomm, Bytes channel) {
    Bytes protocols =
        channel.empty() ? Seq({Seq({Uuid16(0x0100)})}) : Seq({Seq({Uuid16(0x0100)}), Seq({rfcomm, channel})});
    return Seq({U16(0x0000), Bytes{0x0A, 0x00, 0x01, 0x00, 0x05}, U16(0x0001), Seq({serviceClass}),
                U16(0x0004), protocols, U16(0x0005), Seq({Uuid16(0x1002)}), U16(0x0009),
                Seq({Seq({serviceClass, U16(0x0102)})}), U16(0x0100), Text("Serial Port")});
}

TEST(SdpRecords, SerialPortChannelIsFoundOnlyWhereTheProfileIsOffered) {
    const Bytes spp1 = Record(Uuid16(0x1101), Uuid16(0x0003), U8(1));
    const Bytes spp7Long = Record(Uuid128(0x1101), Uuid128(0x0003), U8(7));
    const Bytes obex12 = Record(Uuid16(0x1105), Uuid16(0x0003), U8(12));
    const Bytes sppNoRfcomm = Record(Uuid16(0x1101), Uuid16(0x0003), Bytes{});
    struct Case {
        const char* what;
        std::vector<TSdpRecord> records;
        int channel;
    } cases[] = {
        {"serial port on channel 1", {spp1}, 1},
        {"serial port on channel 7, 128-bit UUIDs", {spp7Long}, 7},
        {"another service first", {obex12, spp7Long}, 7},
        {"no serial port", {obex12}, 0},
        {"no records", {}, 0},
        {"serial port without RFCOMM", {sppNoRfcomm}, 0},
        {"channel 0", {Record(Uuid16(0x1101), Uuid16(0x0003), U8(0))}, 0},
        {"channel 31", {Record(Uuid16(0x1101), Uuid16(0x0003), U8(31))}, 0},
        {"channel as a 16-bit number", {Record(Uuid16(0x1101), Uuid16(0x0003), U16(3))}, 0},
        {"a 128-bit UUID off the base",
         {Record(Uuid16(0x1101), Bytes{0x1C, 0, 0, 0, 3, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, U8(3))},
         0},
        {"truncated record", {Bytes(spp1.begin(), spp1.end() - 5)}, 0},
        {"length past the end", {Bytes{0x35, 0xFF, 0x09, 0x00}}, 0},
        {"attribute without a value", {Seq({U16(0x0001)})}, 0},
        {"attribute identifier not a 16-bit number", {Seq({U8(1), Seq({Uuid16(0x1101)})})}, 0},
        {"record not a sequence", {Uuid16(0x1101)}, 0},
        {"empty record", {Bytes{}}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RfcommChannelOfRecords(c.records, SerialPortServiceClass), c.channel) << c.what;

    // Deeply nested alternatives end the search instead of the stack.
    Bytes deep = Seq({Uuid16(0x0003), U8(4)});
    for (int i = 0; i < 20; ++i)
        deep = Seq({deep});
    EXPECT_EQ(RfcommChannelOfRecords({Seq({U16(0x0001), Seq({Uuid16(0x1101)}), U16(0x0004), deep})}, 0x1101),
              0);
    EXPECT_EQ(RfcommChannelOfRecord(nullptr, 0, 0x1101), 0);
}

// SDP answers recorded in advance, and what was asked.
class TRecordedSdp : public ISdpQuery {
public:
    bool ServiceRecords(const std::string& address, std::uint16_t serviceClass, std::vector<TSdpRecord>& out,
                        DWORD& error) override {
        asked.push_back(address);
        askedClass = serviceClass;
        out = records;
        error = failWith;
        return failWith == ERROR_SUCCESS;
    }
    std::vector<TSdpRecord> records;
    DWORD failWith = ERROR_SUCCESS;
    std::vector<std::string> asked;
    std::uint16_t askedClass = 0;
};

TEST(RfcommConnector, SystemConnectorFailsCleanlyWithoutASerialPort) {
    TRecordedSdp sdp;
    ISdpQuery* previousQuery = SetSdpQuery(&sdp);
    IRfcommConnector* previous = SetRfcommConnector(nullptr);

    sdp.records = {Record(Uuid16(0x1105), Uuid16(0x0003), U8(12))};
    EXPECT_EQ(CreateFileA("\\\\.\\rfcomm:001122aabbcc", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                          OPEN_EXISTING, 0, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(sdp.asked, std::vector<std::string>{"001122AABBCC"});
    EXPECT_EQ(sdp.askedClass, 0x1101);

    sdp.failWith = ERROR_ACCESS_DENIED;
    EXPECT_EQ(CreateFileA("rfcomm:001122AABBCC", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                          nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);

    SetRfcommConnector(previous);
    SetSdpQuery(previousQuery);
}

// Hands out one end of a fresh socket pair per connection and keeps the other, the device's.
class TPairConnector : public IRfcommConnector {
public:
    ~TPairConnector() override {
        for (int fd : devices)
            ::close(fd);
    }
    int Connect(const std::string& address, DWORD& error) override {
        asked.push_back(address);
        if (refuseWith != ERROR_SUCCESS) {
            error = refuseWith;
            return -1;
        }
        int pair[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pair) != 0) return -1;
        devices.push_back(pair[0]);
        return pair[1];
    }
    int Device() const { return devices.back(); }
    void Send(const std::string& bytes) const {
        ASSERT_EQ(::send(Device(), bytes.data(), bytes.size(), 0), ssize_t(bytes.size()));
    }
    std::string Receive() const {
        char buffer[4096];
        const ssize_t n = ::recv(Device(), buffer, sizeof buffer, MSG_DONTWAIT);
        return n > 0 ? std::string(buffer, std::size_t(n)) : std::string();
    }
    void HangUp() const { ::shutdown(Device(), SHUT_RDWR); }

    std::vector<std::string> asked;
    std::vector<int> devices;
    DWORD refuseWith = ERROR_SUCCESS;
};

HANDLE OpenLink(const std::string& name) {
    return CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

class RfcommLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = SetRfcommConnector(&connector);
        port = OpenLink("\\\\.\\rfcomm:001122AABBCC");
        ASSERT_NE(port, INVALID_HANDLE_VALUE) << GetLastError();
    }
    void TearDown() override {
        if (port != INVALID_HANDLE_VALUE) CloseHandle(port);
        SetRfcommConnector(previous_);
    }
    void SetTimeouts(DWORD interval, DWORD multiplier, DWORD constant, DWORD wmult = 0, DWORD wconst = 0) {
        COMMTIMEOUTS t{interval, multiplier, constant, wmult, wconst};
        ASSERT_TRUE(SetCommTimeouts(port, &t));
    }
    std::string Read(DWORD size) {
        std::string out(size, '\0');
        DWORD n = 0;
        EXPECT_TRUE(ReadFile(port, out.data(), size, &n, nullptr)) << GetLastError();
        out.resize(n);
        return out;
    }

    TPairConnector connector;
    HANDLE port = INVALID_HANDLE_VALUE;

private:
    IRfcommConnector* previous_ = nullptr;
};

TEST_F(RfcommLinkTest, PortNamesAndOneUserPerDevice) {
    EXPECT_EQ(connector.asked, std::vector<std::string>{"001122AABBCC"});
    // The same device again, in any spelling, is in use; the connector is not asked.
    EXPECT_EQ(OpenLink("rfcomm:001122aabbcc"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(connector.asked.size(), 1u);
    // Names that are no device's port.
    for (const char* name : {"rfcomm:", "rfcomm:001122AABBC", "rfcomm:001122AABBCCDD",
                             "rfcomm:00:11:22:AA:BB:CC", "rfcomm:001122AABBCG"}) {
        EXPECT_EQ(OpenLink(name), INVALID_HANDLE_VALUE) << name;
        EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND) << name;
    }
    EXPECT_EQ(connector.asked.size(), 1u);
    // A refused connection keeps the connector's code and leaves the device free.
    connector.refuseWith = ERROR_ACCESS_DENIED;
    EXPECT_EQ(OpenLink("rfcomm:665544332211"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    connector.refuseWith = ERROR_SUCCESS;
    HANDLE other = OpenLink("rfcomm:665544332211");
    EXPECT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(CloseHandle(other));
    // Closed, the device can be opened again at once, and the old link has ended.
    ASSERT_TRUE(CloseHandle(port));
    port = OpenLink("rfcomm:001122AABBCC");
    EXPECT_NE(port, INVALID_HANDLE_VALUE) << GetLastError();
    char c;
    EXPECT_EQ(::recv(connector.devices[0], &c, 1, MSG_DONTWAIT), 0);
}

TEST_F(RfcommLinkTest, LineSettingsQueuesAndModemLinesSucceedWithoutALine) {
    DCB dcb;
    ASSERT_TRUE(GetCommState(port, &dcb));
    EXPECT_EQ(dcb.ByteSize, 8);
    dcb.BaudRate = CBR_115200;
    dcb.Parity = EVENPARITY;
    dcb.fParity = 1;
    dcb.StopBits = TWOSTOPBITS;
    dcb.EvtChar = '\n';
    ASSERT_TRUE(SetCommState(port, &dcb));
    DCB back;
    ASSERT_TRUE(GetCommState(port, &back));
    EXPECT_EQ(back.BaudRate, CBR_115200);
    EXPECT_EQ(back.Parity, EVENPARITY);
    EXPECT_EQ(back.StopBits, TWOSTOPBITS);
    EXPECT_EQ(back.EvtChar, '\n');
    dcb.ByteSize = 9;
    EXPECT_FALSE(SetCommState(port, &dcb));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

    for (DWORD f : {SETDTR, CLRDTR, SETRTS, CLRRTS, SETBREAK, CLRBREAK, SETXON, SETXOFF})
        EXPECT_TRUE(EscapeCommFunction(port, f)) << f;
    EXPECT_FALSE(EscapeCommFunction(port, 42));

    ASSERT_TRUE(SetupComm(port, 8192, 8192));
    int size = 0;
    socklen_t length = sizeof size;
    ASSERT_EQ(::getsockopt(platform::detail::CommDescriptor(port), SOL_SOCKET, SO_RCVBUF, &size, &length), 0);
    EXPECT_GE(size, 8192);

    DWORD lines = 0;
    ASSERT_TRUE(GetCommModemStatus(port, &lines));
    EXPECT_EQ(lines, MS_CTS_ON | MS_DSR_ON | MS_RLSD_ON);
    connector.HangUp();
    ASSERT_TRUE(GetCommModemStatus(port, &lines));
    EXPECT_EQ(lines, 0u);
}

TEST_F(RfcommLinkTest, ReadsAndWritesFollowTheTimeouts) {
    // Immediate: what has arrived, at once.
    SetTimeouts(MAXDWORD, 0, 0);
    EXPECT_EQ(Read(16), "");
    connector.Send("abc");
    const auto until = Clock::now() + std::chrono::seconds(1);
    std::string got;
    while (got.size() < 3 && Clock::now() < until)
        got += Read(16);
    EXPECT_EQ(got, "abc");

    // A total time-out ends the read with fewer bytes, successfully.
    SetTimeouts(0, 0, 150);
    connector.Send("xy");
    auto start = Clock::now();
    EXPECT_EQ(Read(8), "xy");
    EXPECT_GE(MsSince(start), 140);
    EXPECT_LT(MsSince(start), 1000);

    // No time-outs: the read waits for the full count.
    SetTimeouts(0, 0, 0);
    auto pending = std::async(std::launch::async, [this] { return Read(4); });
    connector.Send("12");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    connector.Send("34");
    EXPECT_EQ(pending.get(), "1234");

    // Writes reach the device; one that finds no room ends at its time-out with fewer bytes.
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(port, "hello", 5, &written, nullptr));
    EXPECT_EQ(written, 5u);
    EXPECT_EQ(connector.Receive(), "hello");
    SetTimeouts(MAXDWORD, 0, 0, 0, 100);
    const std::string big(4 << 20, 'z');
    start = Clock::now();
    ASSERT_TRUE(WriteFile(port, big.data(), DWORD(big.size()), &written, nullptr));
    EXPECT_LT(written, big.size());
    EXPECT_GE(MsSince(start), 90);
    EXPECT_LT(MsSince(start), 2000);
}

TEST_F(RfcommLinkTest, PurgeDropsWhatHasArrived) {
    SetTimeouts(MAXDWORD, 0, 0);
    connector.Send("stale");
    COMSTAT stat;
    DWORD errors = 1;
    ASSERT_TRUE(ClearCommError(port, &errors, &stat));
    EXPECT_EQ(errors, 0u);
    EXPECT_EQ(stat.cbInQue, 5u);
    ASSERT_TRUE(PurgeComm(port, PURGE_TXCLEAR | PURGE_RXCLEAR));
    EXPECT_EQ(Read(8), "");
    connector.Send("fresh");
    EXPECT_EQ(Read(8), "fresh");
    EXPECT_FALSE(PurgeComm(port, 0x10));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(RfcommLinkTest, DeviceGoingAwayFailsReadsWritesAndWaitsAfterWhatItSent) {
    SetTimeouts(0, 0, 500);
    connector.Send("last");
    connector.HangUp();
    EXPECT_EQ(Read(8), "last");
    char buffer[8];
    DWORD n = 9;
    const auto start = Clock::now();
    EXPECT_FALSE(ReadFile(port, buffer, sizeof buffer, &n, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_GEN_FAILURE);
    EXPECT_EQ(n, 0u);
    EXPECT_LT(MsSince(start), 400); // at once, not after the time-out
    // No SIGPIPE: the write fails with the same code.
    EXPECT_FALSE(WriteFile(port, "x", 1, &n, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_GEN_FAILURE);
    ASSERT_TRUE(SetCommMask(port, EV_RXCHAR | EV_ERR));
    DWORD events = 0;
    ASSERT_TRUE(WaitCommEvent(port, &events, nullptr));
    EXPECT_EQ(events, EV_ERR);
}

TEST_F(RfcommLinkTest, CloseOnAnotherThreadEndsAWaitingRead) {
    SetTimeouts(0, 0, 0);
    auto pending = std::async(std::launch::async, [this] {
        char buffer[4];
        DWORD n = 0;
        const BOOL ok = ReadFile(port, buffer, sizeof buffer, &n, nullptr);
        return std::make_pair(ok, GetLastError());
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(CloseHandle(port));
    const auto [ok, error] = pending.get();
    port = INVALID_HANDLE_VALUE;
    EXPECT_FALSE(ok);
    EXPECT_EQ(error, ERROR_INVALID_HANDLE);
}

TEST(BlueZLookupPort, UnboundDeviceGetsItsOwnLinkAndOverridesComeFirst) {
    TBlueZLookup lookup;
    String port = "unchanged";
    EXPECT_FALSE(lookup.FindPort("not an address", port));
    EXPECT_EQ(port, "unchanged");
    ASSERT_TRUE(lookup.FindPort("00:11:22:aa:bb:cc", port));
    EXPECT_EQ(port, "rfcomm:001122AABBCC");
    lookup.SetPortOverride("001122AABBCC", "/dev/rfcomm7");
    ASSERT_TRUE(lookup.FindPort("001122aabbcc", port));
    EXPECT_EQ(port, "/dev/rfcomm7");
}

} // namespace
