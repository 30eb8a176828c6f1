// Map transfer over both simulated links, and what waiting for a late Bluetooth reply costs.
#include "device/bluetooth/BtReceiver.h"
#include "device/bluetooth/Serial.h"
#include "device/usb/ChipTuningUsb.h"
#include "device/usb/OrvoTuningUsbDevice.h"
#include "platform/win/Comm.h"
#include "tests/sim/FakeUsb.h"
#include "tests/sim/PtyBox.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes TestImage() {
    Bytes image(1024);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>(i * 13);
    return image;
}

void BM_UsbMapWrite(benchmark::State& state) {
    sim::Box box;
    sim::FakeUsb::SetSingleBox(box);
    TOrvoTuningUsbDevice device;
    if (!device.Open()) state.SkipWithError("no box");
    const Bytes image = TestImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(device.SendMap(1, 2, image));
    device.Close();
}
BENCHMARK(BM_UsbMapWrite);

void BM_UsbMapRead(benchmark::State& state) {
    sim::Box box;
    sim::FakeUsb::SetSingleBox(box);
    TOrvoTuningUsbDevice device;
    if (!device.Open()) state.SkipWithError("no box");
    Bytes out;
    for (auto _ : state)
        benchmark::DoNotOptimize(device.ReadMap(1, 2, &out));
    device.Close();
}
BENCHMARK(BM_UsbMapRead);

// The pseudo-terminal link, opened as the Bluetooth device opens its port.
class PtyLink {
public:
    PtyLink() : server(box) {
        ok = serial.Open(server.PortName().c_str(), 8192, 8192, false) == 0 &&
             serial.Setup(CSerial::EBaud115200, CSerial::EData8, CSerial::EParNone, CSerial::EStop1) == 0;
        COMMTIMEOUTS t;
        t.ReadIntervalTimeout = MAXDWORD;
        t.WriteTotalTimeoutMultiplier = 5;
        ok = ok && SetCommTimeouts(serial.portHandle, &t);
    }
    // One request and its reply; 0 when the box answered with success.
    int Transact(unsigned char cmd, Bytes request, Bytes* reply = nullptr) {
        TBtReceiver receiver(&serial);
        CBtFrame tx, rx;
        tx.header.command = cmd;
        tx.data = std::move(request);
        if (receiver.SendFrame(tx) != 0 || receiver.ReadFrame(tx, rx) != 0) return -1;
        if (rx.header.command != 0x01) return -2;
        if (reply) reply->insert(reply->end(), rx.data.begin(), rx.data.end());
        return 0;
    }
    sim::Box box;
    sim::PtyBox server;
    CSerial serial;
    bool ok = false;
};

void BM_PtyMapWrite(benchmark::State& state) {
    PtyLink link;
    if (!link.ok) state.SkipWithError("no port");
    const Bytes image = TestImage();
    for (auto _ : state) {
        int result = 0;
        for (unsigned char k = 0; k < 4 && result == 0; ++k) {
            Bytes chunk{k};
            chunk.insert(chunk.end(), image.begin() + 256 * k, image.begin() + 256 * (k + 1));
            result = link.Transact(0x06, std::move(chunk));
        }
        if (result == 0) result = link.Transact(0x07, {1, 2});
        if (result != 0) state.SkipWithError("map write failed");
    }
}
BENCHMARK(BM_PtyMapWrite)->Unit(benchmark::kMillisecond);

void BM_PtyMapRead(benchmark::State& state) {
    PtyLink link;
    if (!link.ok) state.SkipWithError("no port");
    for (auto _ : state) {
        Bytes out;
        for (unsigned char k = 0; k < 4; ++k)
            if (link.Transact(0x08, {1, 2, k}, &out) != 0) state.SkipWithError("map read failed");
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_PtyMapRead)->Unit(benchmark::kMillisecond);

// A reply that comes 200 ms after the request: the "CPU" column is the reader's processor time
// per wait, against the 200 ms of the "Time" column.
void BM_BtReaderLateReply(benchmark::State& state) {
    PtyLink link;
    if (!link.ok) state.SkipWithError("no port");
    sim::FaultRule late;
    late.action.delayMs = 200;
    link.box.AddFault(late);
    for (auto _ : state) {
        if (link.Transact(0x05, {}) != 0) state.SkipWithError("no reply");
    }
}
BENCHMARK(BM_BtReaderLateReply)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

BENCHMARK_MAIN();
