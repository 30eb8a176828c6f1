// The serial port class on a pseudo-terminal.
#include "DeviceTestSupport.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <thread>

using devtest::Bytes;

namespace {

TEST(SerialClosed, OperationsReportInvalidHandleAndTheirFailureValues) {
    CSerial serial;
    EXPECT_EQ(serial.Close(), 0);
    EXPECT_EQ(serial.lastError, 0u);

    struct Case {
        const char* name;
        std::function<long(CSerial&)> call;
        long result;
    };
    const std::vector<Case> cases = {
        {"Setup",
         [](CSerial& s) {
             return s.Setup(CSerial::EBaud115200, CSerial::EData8, CSerial::EParNone, CSerial::EStop1);
         },
         6},
        {"Purge", [](CSerial& s) { return s.Purge(); }, 6},
        {"Break", [](CSerial& s) { return s.Break(); }, 6},
        {"SetMask", [](CSerial& s) { return s.SetMask(EV_RXCHAR); }, 6},
        {"SetEventChar", [](CSerial& s) { return s.SetEventChar('\n', true); }, 6},
        {"SetupHandshaking", [](CSerial& s) { return s.SetupHandshaking(CSerial::EHandshakeOff); }, 6},
        {"SetupReadTimeouts",
         [](CSerial& s) { return s.SetupReadTimeouts(CSerial::EReadTimeoutNonblocking); }, 6},
        {"SetDtrRts", [](CSerial& s) { return s.SetDtrRts(true, true); }, 6},
        {"WaitEvent", [](CSerial& s) { return s.WaitEvent(nullptr, INFINITE); }, 6},
        {"Write", [](CSerial& s) { return s.Write("x", nullptr, nullptr, INFINITE); }, 6},
        {"Read",
         [](CSerial& s) {
             char c;
             unsigned long n = 99;
             long r = s.Read(&c, 1, &n, nullptr, INFINITE);
             return n == 0 ? r : -100;
         },
         6},
        {"GetBaudrate", [](CSerial& s) { return long(s.GetBaudrate()); }, -1},
        {"GetDataBits", [](CSerial& s) { return long(s.GetDataBits()); }, -1},
        {"GetParity", [](CSerial& s) { return long(s.GetParity()); }, -1},
        {"GetStopBits", [](CSerial& s) { return long(s.GetStopBits()); }, -1},
        {"GetHandshaking", [](CSerial& s) { return long(s.GetHandshaking()); }, -1},
        {"GetEventMask", [](CSerial& s) { return long(s.GetEventMask()); }, 0},
        {"GetEventChar", [](CSerial& s) { return long(s.GetEventChar()); }, 0},
        {"GetError", [](CSerial& s) { return long(s.GetError()); }, 0},
        {"GetCTS", [](CSerial& s) { return long(s.GetCTS()); }, 0},
        {"GetDSR", [](CSerial& s) { return long(s.GetDSR()); }, 0},
        {"GetRing", [](CSerial& s) { return long(s.GetRing()); }, 0},
        {"GetRLSD", [](CSerial& s) { return long(s.GetRLSD()); }, 0},
        {"Write data", [](CSerial& s) { return s.Write("xy", 2, nullptr, nullptr, INFINITE); }, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        serial.lastError = 0;
        EXPECT_EQ(c.call(serial), c.result);
        EXPECT_EQ(serial.lastError, 6u);
    }
    EXPECT_EQ(serial.portHandle, nullptr);
}

class SerialTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(serial.Open(pty.SlavePath().c_str(), 8192, 8192, false), 0); }
    sim::PtyPair pty;
    CSerial serial;
};

TEST_F(SerialTest, OpensOnceAndSetsTheEventMaskAndNonBlockingReads) {
    EXPECT_NE(serial.portHandle, nullptr);
    EXPECT_EQ(serial.GetEventMask(), static_cast<unsigned long>(EV_BREAK | EV_ERR | EV_RXCHAR));
    COMMTIMEOUTS t;
    ASSERT_TRUE(GetCommTimeouts(serial.portHandle, &t));
    EXPECT_EQ(t.ReadIntervalTimeout, MAXDWORD);
    EXPECT_EQ(t.ReadTotalTimeoutMultiplier, 0u);
    EXPECT_EQ(t.ReadTotalTimeoutConstant, 0u);

    HANDLE before = serial.portHandle;
    EXPECT_EQ(serial.Open(pty.SlavePath().c_str(), 0, 0, false), 1247);
    EXPECT_EQ(serial.lastError, 1247u);
    EXPECT_EQ(serial.portHandle, before);
    EXPECT_EQ(serial.Close(), 0);
    EXPECT_EQ(serial.portHandle, nullptr);
    // Reopening after a close works, and the Windows-style name opens the same device.
    EXPECT_EQ(serial.Open(("\\\\.\\" + pty.SlavePath()).c_str(), 0, 0, false), 0);
}

TEST_F(SerialTest, SetupGivesTheLineSettingsBack) {
    ASSERT_EQ(serial.Setup(CSerial::EBaud115200, CSerial::EData8, CSerial::EParNone, CSerial::EStop1), 0);
    EXPECT_EQ(serial.GetBaudrate(), CSerial::EBaud115200);
    EXPECT_EQ(serial.GetDataBits(), CSerial::EData8);
    EXPECT_EQ(serial.GetParity(), CSerial::EParNone);
    EXPECT_EQ(serial.GetStopBits(), CSerial::EStop1);

    // A pseudo-terminal keeps the speed but always runs 8-N-1, so only the speed can change here.
    ASSERT_EQ(serial.Setup(CSerial::EBaud9600, CSerial::EData8, CSerial::EParNone, CSerial::EStop1), 0);
    EXPECT_EQ(serial.GetBaudrate(), CSerial::EBaud9600);
    // A speed the port does not know is refused.
    EXPECT_EQ(serial.Setup(static_cast<CSerial::EBaudrate>(12345), CSerial::EData8, CSerial::EParNone,
                           CSerial::EStop1),
              long(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(serial.GetBaudrate(), CSerial::EBaud9600);

    // Parity checking off: none, whatever the parity field holds.
    DCB dcb;
    ASSERT_TRUE(GetCommState(serial.portHandle, &dcb));
    dcb.fParity = 0;
    dcb.Parity = ODDPARITY;
    ASSERT_TRUE(SetCommState(serial.portHandle, &dcb));
    EXPECT_EQ(serial.GetParity(), CSerial::EParNone);
}

TEST_F(SerialTest, HandshakingRoundTripsAndRejectsUnknownValues) {
    for (CSerial::EHandshake h :
         {CSerial::EHandshakeSoftware, CSerial::EHandshakeHardware, CSerial::EHandshakeOff}) {
        SCOPED_TRACE(int(h));
        ASSERT_EQ(serial.SetupHandshaking(h), 0);
        EXPECT_EQ(serial.GetHandshaking(), h);
    }
    EXPECT_EQ(serial.SetupHandshaking(static_cast<CSerial::EHandshake>(3)), long(E_INVALIDARG));
    EXPECT_EQ(serial.lastError, DWORD(E_INVALIDARG));
}

TEST_F(SerialTest, UnknownReadTimeoutModeLeavesTheTimeoutsAlone) {
    COMMTIMEOUTS before;
    ASSERT_TRUE(GetCommTimeouts(serial.portHandle, &before));
    EXPECT_EQ(serial.SetupReadTimeouts(CSerial::EReadTimeoutUnknown), long(E_INVALIDARG));
    COMMTIMEOUTS after;
    ASSERT_TRUE(GetCommTimeouts(serial.portHandle, &after));
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);

    ASSERT_EQ(serial.SetupReadTimeouts(CSerial::EReadTimeoutBlocking), 0);
    ASSERT_TRUE(GetCommTimeouts(serial.portHandle, &after));
    EXPECT_EQ(after.ReadIntervalTimeout, 0u);
    EXPECT_EQ(after.WriteTotalTimeoutMultiplier, before.WriteTotalTimeoutMultiplier);
}

TEST_F(SerialTest, WritesReachTheOtherSideAndReadsReturnWhatHasArrived) {
    unsigned long written = 99;
    ASSERT_EQ(serial.Write("hello", &written, nullptr, INFINITE), 0);
    EXPECT_EQ(written, 5u);
    EXPECT_EQ(pty.Read(1000), (sim::Bytes{'h', 'e', 'l', 'l', 'o'}));
    written = 99;
    EXPECT_EQ(serial.Write("", &written, nullptr, INFINITE), 0);
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(serial.Write("x", nullptr, nullptr, INFINITE), 0); // no count wanted

    unsigned char buffer[16];
    unsigned long got = 99;
    ASSERT_EQ(serial.Read(buffer, sizeof buffer, &got, nullptr, INFINITE), 0);
    EXPECT_EQ(got, 0u); // nothing there: back at once

    pty.Write({1, 2, 3});
    got = 0;
    for (int i = 0; i < 200 && got == 0; ++i) {
        serial.Read(buffer, sizeof buffer, &got, nullptr, INFINITE);
        if (got == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(got, 3u); // a partial read: fewer bytes than asked for
    EXPECT_EQ(Bytes(buffer, buffer + 3), (Bytes{1, 2, 3}));
}

TEST_F(SerialTest, PurgeDropsWhatHasArrived) {
    pty.Write({9, 9, 9});
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_EQ(serial.Purge(), 0);
    unsigned char buffer[4];
    unsigned long got = 99;
    ASSERT_EQ(serial.Read(buffer, sizeof buffer, &got, nullptr, INFINITE), 0);
    EXPECT_EQ(got, 0u);
}

TEST_F(SerialTest, EventCharAndEventTypes) {
    ASSERT_EQ(serial.SetEventChar('\r', true), 0);
    EXPECT_EQ(serial.GetEventChar(), '\r');
    EXPECT_EQ(serial.GetEventMask(), static_cast<unsigned long>(EV_BREAK | EV_ERR | EV_RXCHAR | EV_RXFLAG));
    pty.Write({'a'});
    ASSERT_EQ(serial.WaitEvent(nullptr, INFINITE), 0);
    EXPECT_EQ(serial.GetEventType(), static_cast<unsigned long>(EV_RXCHAR));
    EXPECT_EQ(serial.GetEventType(), 0u); // cleared by reading it
}

TEST_F(SerialTest, EventMaskChangesOnlyWhenAsked) {
    ASSERT_EQ(serial.SetMask(EV_RXCHAR), 0);
    EXPECT_EQ(serial.GetEventMask(), static_cast<unsigned long>(EV_RXCHAR));
    ASSERT_EQ(serial.SetEventChar('\n', false), 0);
    EXPECT_EQ(serial.GetEventChar(), '\n');
    EXPECT_EQ(serial.GetEventMask(), static_cast<unsigned long>(EV_RXCHAR));
    // Events outside the mask are not reported.
    serial.lastEvent = EV_RXCHAR | EV_BREAK;
    EXPECT_EQ(serial.GetEventType(), static_cast<unsigned long>(EV_RXCHAR));
    EXPECT_EQ(serial.lastEvent, 0u);
}

// DTR and RTS as asked, every kind of flow control off.
TEST_F(SerialTest, DtrRtsLinesTurnFlowControlOff) {
    ASSERT_EQ(serial.SetupHandshaking(CSerial::EHandshakeHardware), 0);
    struct Case {
        bool dtr, rts;
        DWORD dtrControl, rtsControl;
    };
    for (const Case& c : {Case{true, false, DTR_CONTROL_ENABLE, RTS_CONTROL_DISABLE},
                          Case{false, true, DTR_CONTROL_DISABLE, RTS_CONTROL_ENABLE}}) {
        SCOPED_TRACE(c.dtr);
        ASSERT_EQ(serial.SetDtrRts(c.dtr, c.rts), 0);
        DCB dcb;
        ASSERT_TRUE(GetCommState(serial.portHandle, &dcb));
        EXPECT_EQ(dcb.fDtrControl, c.dtrControl);
        EXPECT_EQ(dcb.fRtsControl, c.rtsControl);
        EXPECT_EQ(dcb.fOutxCtsFlow, 0u);
        EXPECT_EQ(dcb.fOutxDsrFlow, 0u);
        EXPECT_EQ(dcb.fOutX, 0u);
        EXPECT_EQ(dcb.fInX, 0u);
        EXPECT_EQ(serial.GetHandshaking(), CSerial::EHandshakeOff);
    }
}

TEST_F(SerialTest, LineErrorsOfAQuietPortAreNone) {
    serial.lastError = 99;
    EXPECT_EQ(serial.GetError(), 0u);
    EXPECT_EQ(serial.lastError, 0u);
}

TEST_F(SerialTest, NullTextWritesNothing) {
    unsigned long written = 99;
    EXPECT_EQ(serial.Write(static_cast<const char*>(nullptr), &written, nullptr, INFINITE), 0);
    EXPECT_EQ(written, 0u);
}

// Overlapped records and time-outs other than INFINITE have no place in this build: the
// caller is told so in an error box and the process ends with 0x0FFFFFFF.
TEST(SerialMisuse, OverlappedRecordOrTimeoutEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const std::vector<std::pair<const char*, std::function<void(CSerial&)>>> cases = {
        {"Write with a time-out", [](CSerial& s) { s.Write("x", 1, nullptr, nullptr, 1000); }},
        {"Write text with an overlapped record",
         [](CSerial& s) {
             char record[32];
             s.Write("x", nullptr, record, INFINITE);
         }},
        {"Read with a time-out",
         [](CSerial& s) {
             char c;
             s.Read(&c, 1, nullptr, nullptr, 0);
         }},
        {"WaitEvent with an overlapped record",
         [](CSerial& s) {
             char record[32];
             s.WaitEvent(record, INFINITE);
         }},
    };
    for (const auto& [name, call] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EXIT(
            {
                SetMessageBoxHook([](void*, const String& text, const String& caption, unsigned flags) {
                    std::fprintf(stderr, "[%s|%s|%u]\n", text.toUtf8().constData(),
                                 caption.toUtf8().constData(), flags);
                    return IDOK;
                });
                CSerial serial;
                call(serial);
                std::fprintf(stderr, "returned\n");
                std::_Exit(0);
            },
            ::testing::ExitedWithCode(0x0FFFFFFF & 0xFF),
            "\\[Overlapped I/O and time-outs are not supported, when overlapped I/O is disabled\\.\\|"
            "Serial library\\|" +
                std::to_string(MB_TASKMODAL | MB_ICONERROR) + "\\]");
    }
}

TEST_F(SerialTest, BreakWaitsOnTheClock) {
    TFakeClock clock(0);
    TClockOverride use(&clock);
    EXPECT_EQ(serial.Break(), 0);
    EXPECT_EQ(clock.Milliseconds(), 100u);
}

TEST(SerialOpen, MissingDeviceFailsAndLeavesThePortClosed) {
    CSerial serial;
    EXPECT_EQ(serial.Open("/dev/no-such-port-here", 8192, 8192, false), long(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(serial.portHandle, nullptr);
    EXPECT_EQ(serial.lastError, ERROR_FILE_NOT_FOUND);
}

// A port whose event mask or read time-outs cannot be set is reported as failed, with the
// code of the first step that failed (the time-outs run after a failed mask and must not hide
// it). It must not stay open, or every later Open would be refused as "already opened".
TEST(SerialOpen, FailedMaskOrTimeoutsFailTheOpenAndClosePort) {
    class FailingSetUp : public CSerial {
    public:
        DWORD maskError = ERROR_SUCCESS;
        DWORD timeoutError = ERROR_SUCCESS;
        long SetMask(unsigned long mask) override {
            if (maskError == ERROR_SUCCESS) return CSerial::SetMask(mask);
            lastError = maskError;
            return long(lastError);
        }
        long SetupReadTimeouts(EReadTimeout mode) override {
            if (timeoutError == ERROR_SUCCESS) return CSerial::SetupReadTimeouts(mode);
            lastError = timeoutError;
            return long(lastError);
        }
    };
    const struct {
        DWORD mask;
        DWORD timeouts;
        DWORD expected;
    } cases[] = {
        {ERROR_GEN_FAILURE, ERROR_SUCCESS, ERROR_GEN_FAILURE},
        {ERROR_SUCCESS, ERROR_GEN_FAILURE, ERROR_GEN_FAILURE},
        {ERROR_INVALID_PARAMETER, ERROR_GEN_FAILURE, ERROR_INVALID_PARAMETER},
    };
    sim::PtyPair pty;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mask " << c.mask << ", time-outs " << c.timeouts);
        FailingSetUp serial;
        serial.maskError = c.mask;
        serial.timeoutError = c.timeouts;
        EXPECT_EQ(serial.Open(pty.SlavePath().c_str(), 8192, 8192, false), long(c.expected));
        EXPECT_EQ(serial.portHandle, nullptr);
        EXPECT_EQ(serial.lastError, c.expected);
        serial.maskError = serial.timeoutError = ERROR_SUCCESS;
        EXPECT_EQ(serial.Open(pty.SlavePath().c_str(), 8192, 8192, false), 0);
    }
}

TEST(SerialOpen, CheckPortTellsPresentMissingAndInUse) {
    sim::PtyPair pty;
    EXPECT_EQ(CSerial::CheckPort(pty.SlavePath().c_str()), 0);
    EXPECT_EQ(CSerial::CheckPort("/dev/no-such-port-here"), 1);
    EXPECT_EQ(CSerial::CheckPort(""), -1); // neither missing nor in use
    CSerial holder;
    ASSERT_EQ(holder.Open(pty.SlavePath().c_str(), 0, 0, false), 0);
    EXPECT_EQ(CSerial::CheckPort(pty.SlavePath().c_str()), 2);
    CSerial second;
    EXPECT_EQ(second.Open(pty.SlavePath().c_str(), 0, 0, false), long(ERROR_ACCESS_DENIED));
    EXPECT_EQ(second.portHandle, nullptr);
}

TEST(SerialOpen, DestructorClosesTheOpenPort) {
    sim::PtyPair pty;
    {
        CSerial serial;
        ASSERT_EQ(serial.Open(pty.SlavePath().c_str(), 0, 0, false), 0);
    }
    CSerial again;
    EXPECT_EQ(again.Open(pty.SlavePath().c_str(), 0, 0, false), 0);
}

} // namespace
