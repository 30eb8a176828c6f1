#include "platform/win/Comm.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <future>
#include <poll.h>
#include <string>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

// A pseudo-terminal: the test holds the master side, the code under test opens the slave
// by its path, as it would open a serial device.
class TPty {
public:
    TPty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return;
        slave = ::ptsname(master);
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        // Keep the slave side open once so that closing the port does not hang up the master.
    }
    ~TPty() { CloseMaster(); }
    void CloseMaster() {
        if (master >= 0) ::close(master);
        master = -1;
    }
    void Send(const std::string& bytes) const {
        ASSERT_EQ(::write(master, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    // Reads what the port wrote, waiting up to timeoutMs for the first bytes.
    std::string Receive(int timeoutMs = 1000) const {
        std::string out;
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, timeoutMs) <= 0) return out;
        char buf[4096];
        for (;;) {
            ssize_t n = ::read(master, buf, sizeof buf);
            if (n <= 0) break;
            out.append(buf, size_t(n));
        }
        return out;
    }

    int master = -1;
    std::string slave;
};

HANDLE OpenPort(const std::string& name, DWORD share = 0) {
    return CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING, 0, nullptr);
}

class CommTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GE(pty.master, 0);
        port = OpenPort("\\\\.\\" + pty.slave);
        ASSERT_NE(port, INVALID_HANDLE_VALUE) << GetLastError();
    }
    void TearDown() override {
        if (port != INVALID_HANDLE_VALUE) CloseHandle(port);
    }
    void SetTimeouts(DWORD interval, DWORD multiplier, DWORD constant, DWORD wmult = 0, DWORD wconst = 0) {
        COMMTIMEOUTS t{interval, multiplier, constant, wmult, wconst};
        ASSERT_TRUE(SetCommTimeouts(port, &t));
    }
    // Reads with the current time-outs until want bytes came or a second passed.
    std::string ReadAvailable(size_t want) {
        std::string out;
        auto start = Clock::now();
        while (out.size() < want && MsSince(start) < 1000) {
            char buf[64];
            DWORD n = 0;
            EXPECT_TRUE(ReadFile(port, buf, sizeof buf, &n, nullptr));
            out.append(buf, n);
            if (n == 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return out;
    }

    TPty pty;
    HANDLE port = INVALID_HANDLE_VALUE;
};

TEST_F(CommTest, LineSettingsReachTheTerminalAndReadBack) {
    DCB dcb;
    ASSERT_TRUE(GetCommState(port, &dcb));
    dcb.BaudRate = CBR_115200;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.EvtChar = 0x7E;
    ASSERT_TRUE(SetCommState(port, &dcb)) << GetLastError();

    termios tio{};
    ASSERT_EQ(::tcgetattr(platform::detail::CommDescriptor(port), &tio), 0);
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B115200));
    EXPECT_EQ(cfgetispeed(&tio), speed_t(B115200));
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u); // raw mode from the open
    EXPECT_NE(tio.c_cflag & CREAD, 0u);

    DCB back;
    ASSERT_TRUE(GetCommState(port, &back));
    EXPECT_EQ(back.BaudRate, 115200u);
    EXPECT_EQ(back.ByteSize, 8);
    EXPECT_EQ(back.Parity, NOPARITY);
    EXPECT_EQ(back.StopBits, ONESTOPBIT);
    EXPECT_EQ(back.EvtChar, 0x7E);

    // Other settings map to their terminal flags and read back. (A pseudo-terminal forces
    // 8 data bits without parity, so only the settings it keeps are checked here.)
    dcb.BaudRate = CBR_9600;
    dcb.StopBits = TWOSTOPBITS;
    dcb.fOutX = 1;
    dcb.fInX = 1;
    ASSERT_TRUE(SetCommState(port, &dcb));
    ASSERT_EQ(::tcgetattr(platform::detail::CommDescriptor(port), &tio), 0);
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B9600));
    EXPECT_NE(tio.c_cflag & CSTOPB, 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), tcflag_t(IXON | IXOFF));
    ASSERT_TRUE(GetCommState(port, &back));
    EXPECT_EQ(back.BaudRate, 9600u);
    EXPECT_EQ(back.StopBits, TWOSTOPBITS);
    EXPECT_EQ(back.fOutX, 1u);
    EXPECT_EQ(back.fInX, 1u);
}

TEST_F(CommTest, UnsupportedLineSettingsAreRefusedAndLeaveTheLineAsItWas) {
    DCB good;
    ASSERT_TRUE(GetCommState(port, &good));
    good.BaudRate = CBR_115200;
    good.ByteSize = 8;
    good.Parity = NOPARITY;
    good.StopBits = ONESTOPBIT;
    ASSERT_TRUE(SetCommState(port, &good));

    struct Case {
        const char* what;
        DWORD rate;
        Byte size, parity, stop;
    } cases[] = {
        {"rate without a terminal speed", CBR_14400, 8, NOPARITY, ONESTOPBIT},
        {"rate zero", 0, 8, NOPARITY, ONESTOPBIT},
        {"one and a half stop bits", CBR_9600, 8, NOPARITY, ONE5STOPBITS},
        {"nine data bits", CBR_9600, 9, NOPARITY, ONESTOPBIT},
        {"four data bits", CBR_9600, 4, NOPARITY, ONESTOPBIT},
        {"unknown parity", CBR_9600, 8, 5, ONESTOPBIT},
    };
    for (const Case& c : cases) {
        DCB dcb = good;
        dcb.BaudRate = c.rate;
        dcb.ByteSize = c.size;
        dcb.Parity = c.parity;
        dcb.StopBits = c.stop;
        SetLastError(0);
        EXPECT_FALSE(SetCommState(port, &dcb)) << c.what;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << c.what;
        DCB back;
        ASSERT_TRUE(GetCommState(port, &back));
        EXPECT_EQ(back.BaudRate, 115200u) << c.what;
        EXPECT_EQ(back.ByteSize, 8) << c.what;
    }
}

TEST_F(CommTest, ImmediateReadReturnsWhatHasArrived) {
    SetTimeouts(MAXDWORD, 0, 0);
    COMMTIMEOUTS t;
    ASSERT_TRUE(GetCommTimeouts(port, &t));
    EXPECT_EQ(t.ReadIntervalTimeout, MAXDWORD);

    char buf[16];
    DWORD n = 99;
    auto start = Clock::now();
    ASSERT_TRUE(ReadFile(port, buf, sizeof buf, &n, nullptr));
    EXPECT_EQ(n, 0u);
    EXPECT_LT(MsSince(start), 50);

    pty.Send("abc");
    EXPECT_EQ(ReadAvailable(3), "abc");
}

TEST_F(CommTest, TotalReadTimeoutEndsWithFewerBytes) {
    SetTimeouts(0, 0, 60);
    pty.Send("xy");
    char buf[8];
    DWORD n = 0;
    auto start = Clock::now();
    ASSERT_TRUE(ReadFile(port, buf, sizeof buf, &n, nullptr));
    long long elapsed = MsSince(start);
    EXPECT_EQ(std::string(buf, n), "xy");
    EXPECT_GE(elapsed, 50);
    EXPECT_LT(elapsed, 1000);
}

TEST_F(CommTest, ReadWithoutTimeoutsWaitsForTheFullCount) {
    SetTimeouts(0, 0, 0);
    std::thread sender([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        pty.Send("12");
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        pty.Send("34");
    });
    char buf[4];
    DWORD n = 0;
    EXPECT_TRUE(ReadFile(port, buf, 4, &n, nullptr));
    sender.join();
    EXPECT_EQ(std::string(buf, n), "1234");
}

TEST_F(CommTest, ReadAndWaitEndWhenAnotherThreadClosesThePort) {
    SetTimeouts(0, 0, 0);
    ASSERT_TRUE(SetCommMask(port, EV_RXCHAR));
    BOOL readOk = TRUE, waitOk = TRUE;
    DWORD readError = 0, waitError = 0;
    std::thread reader([&] {
        char buf[4];
        DWORD n = 0;
        readOk = ReadFile(port, buf, 4, &n, nullptr);
        readError = GetLastError();
    });
    std::thread waiter([&] {
        DWORD ev = 0;
        waitOk = WaitCommEvent(port, &ev, nullptr);
        waitError = GetLastError();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(CloseHandle(port));
    port = INVALID_HANDLE_VALUE;
    reader.join();
    waiter.join();
    EXPECT_FALSE(readOk);
    EXPECT_EQ(readError, ERROR_INVALID_HANDLE);
    EXPECT_FALSE(waitOk);
    EXPECT_EQ(waitError, ERROR_INVALID_HANDLE);
}

TEST_F(CommTest, WriteReachesThePeerAndTimesOutWithFewerBytesWritten) {
    SetTimeouts(MAXDWORD, 0, 0, 0, 0);
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(port, "hello", 5, &written, nullptr));
    EXPECT_EQ(written, 5u);
    EXPECT_EQ(pty.Receive(), "hello");

    // Nobody reads the master side: the terminal's queue fills, and the total write time-out
    // (here the constant, with a multiplier of zero) ends the call successfully but short.
    SetTimeouts(MAXDWORD, 0, 0, 0, 80);
    std::vector<char> big(1 << 20, 'z');
    auto start = Clock::now();
    ASSERT_TRUE(WriteFile(port, big.data(), DWORD(big.size()), &written, nullptr));
    long long elapsed = MsSince(start);
    EXPECT_GT(written, 0u);
    EXPECT_LT(written, big.size());
    EXPECT_GE(elapsed, 70);
    EXPECT_LT(elapsed, 2000);
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);

    // Fill what room is left: the terminal takes smaller pieces after refusing larger ones,
    // so go down to single bytes until nothing goes through.
    SetTimeouts(MAXDWORD, 0, 0, 0, 5);
    for (DWORD piece : {4096u, 256u, 16u, 1u}) {
        for (int i = 0; i < 5000; ++i) {
            ASSERT_TRUE(WriteFile(port, big.data(), piece, &written, nullptr));
            if (written == 0) break;
        }
        ASSERT_EQ(written, 0u) << piece;
    }
    // The queue is full now. With a multiplier the time-out grows with the bytes asked for:
    // 2 ms per byte for 40 bytes gives up after about 80 ms, and twice the bytes take about
    // twice as long.
    struct Case {
        DWORD bytes;
        long long atLeast;
    } perByte[] = {{40, 70}, {80, 150}};
    for (const Case& c : perByte) {
        SetTimeouts(MAXDWORD, 0, 0, 2, 0);
        start = Clock::now();
        // A write that ignored the time-out would never end: closing the port after a few
        // seconds releases it, and the test fails instead of hanging.
        auto write = std::async(std::launch::async,
                                [&] { return WriteFile(port, big.data(), c.bytes, &written, nullptr); });
        if (write.wait_for(std::chrono::seconds(3)) != std::future_status::ready) {
            CloseHandle(port);
            port = INVALID_HANDLE_VALUE;
            write.wait();
            FAIL() << "the write of " << c.bytes << " bytes did not time out";
        }
        ASSERT_TRUE(write.get());
        elapsed = MsSince(start);
        EXPECT_LT(written, c.bytes) << c.bytes;
        EXPECT_GE(elapsed, c.atLeast) << c.bytes;
        EXPECT_LT(elapsed, 2000) << c.bytes;
    }
}

TEST_F(CommTest, PurgeDiscardsReceivedBytes) {
    SetTimeouts(MAXDWORD, 0, 0);
    pty.Send("stale");
    // Let the bytes reach the slave's input queue.
    pollfd p{platform::detail::CommDescriptor(port), POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 1000), 1);
    COMSTAT stat;
    DWORD errors = 1;
    ASSERT_TRUE(ClearCommError(port, &errors, &stat));
    EXPECT_EQ(errors, 0u);
    EXPECT_EQ(stat.cbInQue, 5u);

    ASSERT_TRUE(PurgeComm(port, PURGE_TXCLEAR | PURGE_RXCLEAR));
    char buf[8];
    DWORD n = 9;
    ASSERT_TRUE(ReadFile(port, buf, sizeof buf, &n, nullptr));
    EXPECT_EQ(n, 0u);
    pty.Send("fresh");
    EXPECT_EQ(ReadAvailable(5), "fresh");

    EXPECT_FALSE(PurgeComm(port, 0x10));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(CommTest, ExclusiveOpenRefusesASecondOpenUntilClosed) {
    HANDLE second = OpenPort(pty.slave);
    EXPECT_EQ(second, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    HANDLE shared = OpenPort(pty.slave, FILE_SHARE_READ | FILE_SHARE_WRITE);
    EXPECT_EQ(shared, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);

    ASSERT_TRUE(CloseHandle(port));
    port = OpenPort(pty.slave);
    EXPECT_NE(port, INVALID_HANDLE_VALUE) << GetLastError();
}

TEST_F(CommTest, EventWaitReportsArrivals) {
    ASSERT_TRUE(SetCommMask(port, EV_RXCHAR | EV_ERR | EV_BREAK));
    DWORD mask = 0;
    ASSERT_TRUE(GetCommMask(port, &mask));
    EXPECT_EQ(mask, EV_RXCHAR | EV_ERR | EV_BREAK);
    pty.Send("!");
    DWORD ev = 0;
    ASSERT_TRUE(WaitCommEvent(port, &ev, nullptr));
    EXPECT_EQ(ev, EV_RXCHAR);
}

TEST_F(CommTest, ConfigurationCallsSucceedWithoutEffect) {
    EXPECT_TRUE(SetupComm(port, 8192, 8192));
    COMMCONFIG cc;
    DWORD size = sizeof cc;
    ASSERT_TRUE(GetDefaultCommConfigA(pty.slave.c_str(), &cc, &size));
    EXPECT_TRUE(SetCommConfig(port, &cc, size));
    DWORD small = 4;
    EXPECT_FALSE(GetDefaultCommConfigA(pty.slave.c_str(), &cc, &small));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(small, sizeof(COMMCONFIG));
}

// Each code of the errno table is reached through the call that produces it.
TEST(CommErrors, EveryCodeOfTheTableIsReached) {
    // 2: no such device.
    EXPECT_EQ(OpenPort("\\\\.\\/dev/ttyNoSuchPort"), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);

    TPty pty;
    HANDLE port = OpenPort(pty.slave);
    ASSERT_NE(port, INVALID_HANDLE_VALUE);
    // 5: the port is held.
    EXPECT_EQ(OpenPort(pty.slave), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
    // 87: an unsupported setting, and overlapped I/O.
    DCB dcb;
    ASSERT_TRUE(GetCommState(port, &dcb));
    dcb.BaudRate = 12345;
    EXPECT_FALSE(SetCommState(port, &dcb));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(CreateFileA(pty.slave.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_FLAG_OVERLAPPED, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    // 31: the link dropped (the peer hung up), then reading fails.
    COMMTIMEOUTS t{MAXDWORD, 0, 0, 0, 0};
    ASSERT_TRUE(SetCommTimeouts(port, &t));
    pty.CloseMaster();
    char buf[4];
    DWORD n = 0;
    EXPECT_FALSE(ReadFile(port, buf, sizeof buf, &n, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_GEN_FAILURE);
    // 6: every call on a closed handle.
    ASSERT_TRUE(CloseHandle(port));
    EXPECT_FALSE(CloseHandle(port));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(GetCommState(port, &dcb));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(WriteFile(port, "x", 1, &n, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(PurgeComm(INVALID_HANDLE_VALUE, PURGE_RXCLEAR));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);

    // 1: a device that is not a terminal.
    HANDLE notTty = OpenPort("/dev/null");
    ASSERT_NE(notTty, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(GetCommState(notTty, &dcb));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_FUNCTION);
    EXPECT_TRUE(CloseHandle(notTty));
}

TEST(CommErrors, ErrnoTable) {
    struct Case {
        int err;
        DWORD code;
    } cases[] = {
        {0, ERROR_SUCCESS},
        {ENOENT, ERROR_FILE_NOT_FOUND},
        {ENODEV, ERROR_FILE_NOT_FOUND},
        {ENXIO, ERROR_FILE_NOT_FOUND},
        {EACCES, ERROR_ACCESS_DENIED},
        {EPERM, ERROR_ACCESS_DENIED},
        {EBUSY, ERROR_ACCESS_DENIED},
        {EWOULDBLOCK, ERROR_ACCESS_DENIED},
        {EBADF, ERROR_INVALID_HANDLE},
        {EINVAL, ERROR_INVALID_PARAMETER},
        {ENOTTY, ERROR_INVALID_FUNCTION},
        {EIO, ERROR_GEN_FAILURE},
        {EPIPE, ERROR_GEN_FAILURE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WinErrorFromErrno(c.err), c.code) << c.err;
}

TEST(CommErrors, SystemMessageTextsForTraces) {
    char buf[256];
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             ERROR_ACCESS_DENIED, 0, buf, sizeof buf, nullptr);
    EXPECT_EQ(std::string(buf, n), "Access is denied.\r\n");
    EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_ACCESS_DENIED, 0, buf, 5, nullptr),
              0u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

} // namespace
