// Fixtures shared by the device tests: the simulated box on the fake USB bus and on a
// pseudo-terminal, a port opened the way the Bluetooth device opens it, and captured message
// boxes.
#pragma once

#include "device/bluetooth/Serial.h"
#include "platform/win/Clock.h"
#include "platform/win/Comm.h"
#include "platform/win/MessageBox.h"
#include "tests/sim/FakeUsb.h"
#include "tests/sim/PtyBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace devtest {

using Bytes = std::vector<unsigned char>;

// Records every message box and answers OK.
class MessageCapture {
public:
    MessageCapture() {
        previous_ =
            SetMessageBoxHook([this](void*, const String& text, const String& caption, unsigned flags) {
                texts.push_back(text);
                captions.push_back(caption);
                this->flags.push_back(flags);
                return IDOK;
            });
    }
    ~MessageCapture() { SetMessageBoxHook(previous_); }
    std::vector<String> texts;
    std::vector<String> captions;
    std::vector<unsigned> flags;

private:
    TMessageBoxHook previous_;
};

// A clock that moves on by a step each time it is read, for loops that test the time without
// sleeping (the send loop of the Bluetooth receiver).
class SteppingClock : public IClock {
public:
    explicit SteppingClock(UInt64 step) : step_(step) {}
    UInt64 Milliseconds() override { return now_ += step_; }
    void Sleep(DWORD ms) override { now_ += ms; }

private:
    UInt64 step_;
    UInt64 now_ = 1000;
};

// Opens a port as the Bluetooth device does: queues of 8192, 115200-8-N-1, purge, reads that
// return at once, writes of at most 5 ms per byte.
inline long OpenLikeBluetooth(CSerial& serial, const std::string& name) {
    if (long r = serial.Open(name.c_str(), 8192, 8192, false); r != 0) return r;
    if (long r = serial.Setup(CSerial::EBaud115200, CSerial::EData8, CSerial::EParNone, CSerial::EStop1);
        r != 0) {
        serial.Close();
        return r;
    }
    serial.Purge();
    COMMTIMEOUTS t;
    t.ReadIntervalTimeout = MAXDWORD;
    t.WriteTotalTimeoutMultiplier = 5;
    if (!SetCommTimeouts(serial.portHandle, &t)) {
        serial.Close();
        return long(GetLastError());
    }
    return 0;
}

// The box served over a pseudo-terminal, with a port opened on it.
class PtyFixture : public ::testing::Test {
protected:
    void SetUp() override {
        server = std::make_unique<sim::PtyBox>(box);
        ASSERT_EQ(OpenLikeBluetooth(serial, server->PortName()), 0);
    }
    void TearDown() override {
        serial.Close();
        server.reset();
    }
    sim::Box box;
    std::unique_ptr<sim::PtyBox> server;
    CSerial serial;
};

} // namespace devtest
