// Fixtures of the Bluetooth device tests: simulated boxes on pseudo-terminals declared through
// the fake Bluetooth lookup (or, when ORVO_BT_OVER_LINK is defined before this header, on
// their own links: "rfcomm:" ports whose sockets the simulated boxes serve), a port that records what it
// opens, a clock that runs ten times faster than real time (a read time-out of 2000 ms costs 200 ms), and
// Open run on a worker thread while the test's thread serves the user-interface calls.
#pragma once

#include "DeviceTestSupport.h"
#include "device/bluetooth/OrvoTuningBtDevice.h"
#include "platform/classes/Thread.h"
#include "platform/win/BluetoothLookup.h"
#include "platform/win/Rfcomm.h"
#include "tests/sim/SocketBox.h"

#include <chrono>
#include <deque>
#include <memory>
#include <string>
#include <thread>

namespace devtest {

// Real time, sped up: Milliseconds runs Factor times faster and Sleep waits 1/Factor of the
// time asked for, so time-outs end quickly while replies from the box still arrive in time.
class TScaledClock : public IClock {
public:
    static constexpr int Factor = 10;
    UInt64 Milliseconds() override {
        const auto elapsed = std::chrono::steady_clock::now() - start_;
        return 1000000 +
               UInt64(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count()) * Factor / 1000;
    }
    void Sleep(DWORD ms) override {
        if (ms == 0)
            std::this_thread::yield();
        else
            std::this_thread::sleep_for(std::chrono::microseconds(ms * 1000 / Factor));
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// A port that records the device names it was asked to open and the time-outs each port had
// when it was closed, and can be told to refuse its n-th open or its line set-up.
class TRecordingSerial : public CSerial {
public:
    long Open(const char* device, unsigned long inQueue, unsigned long outQueue, bool overlapped) override {
        opened.push_back(device);
        if (refuseOpen == opened.size()) {
            lastError = ERROR_ACCESS_DENIED;
            return long(lastError);
        }
        return CSerial::Open(device, inQueue, outQueue, overlapped);
    }
    long Setup(EBaudrate baudrate, EDataBits dataBits, EParity parity, EStopBits stopBits) override {
        if (refuseSetup) {
            lastError = ERROR_INVALID_PARAMETER;
            return long(lastError);
        }
        return CSerial::Setup(baudrate, dataBits, parity, stopBits);
    }
    long Close() override {
        if (portHandle) {
            COMMTIMEOUTS t;
            GetCommTimeouts(portHandle, &t);
            closedWith.push_back(t);
        }
        return CSerial::Close();
    }
    std::vector<std::string> opened;
    std::vector<COMMTIMEOUTS> closedWith;
    std::size_t refuseOpen = 0; // 1-based number of the open to refuse; 0: none
    bool refuseSetup = false;
};

#ifdef ORVO_BT_OVER_LINK
using TBoxServer = sim::SocketBox;
#else
using TBoxServer = sim::PtyBox;
#endif

// One declared Bluetooth device: a simulated box served on its own pseudo-terminal, or on the
// sockets of its own link.
struct TDeclaredBox {
    sim::Box box;
    std::unique_ptr<TBoxServer> server = std::make_unique<TBoxServer>(box);
    String address;
    // The port the lookup answers for the box: the terminal's path, or "rfcomm:" + address.
    std::string Path() const {
#ifdef ORVO_BT_OVER_LINK
        return RfcommPortPrefix + NormalizeBluetoothAddress(address).toStdString();
#else
        return server->Path();
#endif
    }
    // The name Open passes to the port (the Windows way: "\\.\" + path).
    std::string PortName() const {
        return "\\\\.\\" + Path();
    }
    // Identify answered by nothing (and every later command too).
    void Silence() {
        sim::FaultRule rule;
        rule.action.noReply = true;
        box.AddFault(rule);
    }
};

// Connects the links of declared boxes to their simulated boxes.
class TBoxConnector : public IRfcommConnector {
public:
    explicit TBoxConnector(std::deque<TDeclaredBox>& boxes) : boxes_(boxes) {}
    int Connect(const std::string& address, DWORD& error) override {
        error = ERROR_FILE_NOT_FOUND;
#ifdef ORVO_BT_OVER_LINK
        for (TDeclaredBox& b : boxes_)
            if (NormalizeBluetoothAddress(b.address).toStdString() == address) return b.server->Connect();
#else
        (void)address;
#endif
        return -1;
    }

private:
    [[maybe_unused]] std::deque<TDeclaredBox>& boxes_; // used by the link build only
};

// Several boxes declared through the fake lookup, a device with a recording port, and the fast
// clock.
class BtBoxesFixture : public ::testing::Test {
protected:
    void SetUp() override {
        previousLookup_ = SetBluetoothLookup(&lookup);
        previousConnector_ = SetRfcommConnector(&connector);
    }
    void TearDown() override {
        device.reset();
        SetRfcommConnector(previousConnector_);
        SetBluetoothLookup(previousLookup_);
    }

    // A box named "ChipTuning" (or name) with its port.
    TDeclaredBox& AddBox(const String& name = "ChipTuning") {
        boxes.emplace_back();
        TDeclaredBox& b = boxes.back();
        b.address = QStringLiteral("00:11:22:AA:BB:%1").arg(boxes.size(), 2, 10, QLatin1Char('0'));
        lookup.AddDevice(name, b.address, String::fromStdString(b.Path()));
        return b;
    }
    // The device, made on first use with a recording port.
    TOrvoTuningBtDevice& Device() {
        if (!device) {
            device = std::make_unique<TOrvoTuningBtDevice>();
            delete device->serial;
            serial = new TRecordingSerial;
            device->serial = serial;
        }
        return *device;
    }
    // Whether the device's open port is this box's: a command reaches this box.
    bool ConnectedTo(TDeclaredBox& b) {
        b.box.SetActiveMap(4);
        return Device().serial->portHandle && Device().GetActiveMap() == 4;
    }
    // No port is held open: every box's port can be opened exclusively.
    void ExpectAllPortsClosed() {
        EXPECT_EQ(Device().serial->portHandle, nullptr);
        for (const TDeclaredBox& b : boxes)
            EXPECT_EQ(CSerial::CheckPort(b.PortName().c_str()), 0) << b.PortName();
    }
    // The line a choice of boxes shows for a box: its port, its address and the label.
    static String Line(const TDeclaredBox& b, const char* label = "") {
        return String::fromStdString(b.Path()) + ": " + NormalizeBluetoothAddress(b.address) + " " + label;
    }

    TFakeBluetoothLookup lookup;
    std::deque<TDeclaredBox> boxes;
    TBoxConnector connector{boxes};
    TScaledClock clock;
    TClockOverride useClock{&clock};
    std::unique_ptr<TOrvoTuningBtDevice> device;
    TRecordingSerial* serial = nullptr;

private:
    IBluetoothLookup* previousLookup_ = nullptr;
    IRfcommConnector* previousConnector_ = nullptr;
};

// Runs Open on a worker thread; the test's (user-interface) thread serves the synchronised
// calls, the dialog among them, while it waits.
class TOpenThread : public TThread {
public:
    explicit TOpenThread(TOrvoTuningDevice& device) : TThread(true), device_(device) {}
    bool result = false;

protected:
    void Execute() override { result = device_.Open(); }

private:
    TOrvoTuningDevice& device_;
};

inline bool OpenOnWorker(TOrvoTuningDevice& device) {
    TOpenThread thread(device);
    thread.Start();
    thread.WaitFor();
    if (thread.FatalException()) std::rethrow_exception(thread.FatalException());
    return thread.result;
}

} // namespace devtest
