// A full map write and read through the Bluetooth device over the pseudo-terminal link, against
// the time the same bytes take on the wire at 115200 baud (10 bits a byte: start, 8 data, stop).
// The counter "x_wire" is the measured time of one transfer divided by that wire time.
// A bare pseudo-terminal passes bytes far faster than the wire, so there x_wire only shows the
// link's own cost. The "Paced" benchmarks run the box's line at the pace of a real 115200-baud
// line in both directions, so that their x_wire is the wire time plus what the device's handling
// adds (the goal: at most 1.2); they take the bytes on the wire from the box's count of what it
// received and sent. The "ReaderCpu" benchmarks give the processor time the device and its
// reader spend per map transfer, with traces discarded (the default) and kept.
#include "device/Utils.h"
#include "device/bluetooth/OrvoTuningBtDevice.h"
#include "platform/win/BluetoothLookup.h"
#include "tests/sim/PtyBox.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <ctime>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr double BitsPerByte = 10.0;
constexpr double Baud = 115200.0;

// Frame bytes: a chunk request is sync, length, command, index, 256 bytes and sum; a reply
// without data is 5 bytes; a chunk reply 261; a commit request 7; a chunk read request 8.
constexpr double MapWriteBytes = 4 * (262 + 5) + (7 + 5);
constexpr double MapReadBytes = 4 * (8 + 261);

double WireSeconds(double bytes) {
    return bytes * BitsPerByte / Baud;
}

// One box on a pseudo-terminal, found through the lookup and opened as the program opens it.
class TBtLink {
public:
    explicit TBtLink(sim::WirePacing pacing = {}) : server(box, pacing) {
        lookup.AddDevice("ChipTuning", "00:11:22:AA:BB:CC", String::fromStdString(server.Path()));
        previous = SetBluetoothLookup(&lookup);
        ok = device.Open();
    }
    ~TBtLink() {
        device.Close();
        SetBluetoothLookup(previous);
    }
    sim::Box box;
    sim::PtyBox server;
    TFakeBluetoothLookup lookup;
    IBluetoothLookup* previous = nullptr;
    TOrvoTuningBtDevice device;
    bool ok = false;
};

template <class F> void RunAgainstWire(benchmark::State& state, double wireBytes, F&& transfer) {
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (transfer() != 0) state.SkipWithError("transfer failed");
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double wire = WireSeconds(wireBytes);
    state.counters["wire_ms"] = wire * 1000.0;
    state.counters["x_wire"] = state.iterations() ? seconds / double(state.iterations()) / wire : 0.0;
}

// x_wire against the bytes the box counted on its line during the transfers.
template <class F> void RunAgainstPacedWire(benchmark::State& state, TBtLink& link, F&& transfer) {
    double seconds = 0;
    std::uint64_t bytes = 0;
    for (auto _ : state) {
        const std::uint64_t before = link.server.WireBytes();
        const auto start = std::chrono::steady_clock::now();
        if (transfer() != 0) state.SkipWithError("transfer failed");
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        bytes += link.server.WireBytes() - before;
    }
    if (state.iterations() == 0 || bytes == 0) return;
    const double wire = WireSeconds(double(bytes) / double(state.iterations()));
    state.counters["wire_bytes"] = double(bytes) / double(state.iterations());
    state.counters["wire_ms"] = wire * 1000.0;
    state.counters["x_wire"] = seconds / double(state.iterations()) / wire;
}

Bytes TestImage() {
    Bytes image(1024);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>(i * 13);
    return image;
}

void BM_BtDeviceMapWrite(benchmark::State& state) {
    TBtLink link;
    if (!link.ok) state.SkipWithError("no box");
    const Bytes image = TestImage();
    RunAgainstWire(state, MapWriteBytes, [&] { return link.device.SendMap(1, 2, image); });
}
BENCHMARK(BM_BtDeviceMapWrite)->Unit(benchmark::kMillisecond);

void BM_BtDeviceMapRead(benchmark::State& state) {
    TBtLink link;
    if (!link.ok) state.SkipWithError("no box");
    Bytes out;
    RunAgainstWire(state, MapReadBytes, [&] { return link.device.ReadMap(1, 2, &out); });
}
BENCHMARK(BM_BtDeviceMapRead)->Unit(benchmark::kMillisecond);

// Four chunk frames and the commit, each with the box's reply, on a line paced at 115200 baud.
void BM_BtDeviceMapWritePaced(benchmark::State& state) {
    TBtLink link(sim::WirePacing{int(Baud)});
    if (!link.ok) state.SkipWithError("no box");
    const Bytes image = TestImage();
    RunAgainstPacedWire(state, link, [&] { return link.device.SendMap(1, 2, image); });
}
BENCHMARK(BM_BtDeviceMapWritePaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Four chunk reads, each with the box's reply, on a line paced at 115200 baud.
void BM_BtDeviceMapReadPaced(benchmark::State& state) {
    TBtLink link(sim::WirePacing{int(Baud)});
    if (!link.ok) state.SkipWithError("no box");
    Bytes out;
    RunAgainstPacedWire(state, link, [&] { return link.device.ReadMap(1, 2, &out); });
}
BENCHMARK(BM_BtDeviceMapReadPaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Processor time of the calling thread, where the device formats its frames and the reader
// collects the replies.
double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// A sink that keeps every trace, as a diagnostic build would: each frame is then dumped in
// hex as it was before traces were built only for a keeping sink.
void KeepTrace(const AnsiString& text) {
    benchmark::DoNotOptimize(text.data());
}

// The reader's processor time per map transfer ("cpu_us"), with the default discarding trace
// sink (argument 0) and with a keeping one (argument 1), which shows the cost of the traces.
template <class F> void RunReaderCpu(benchmark::State& state, F&& transfer) {
    TBtLink link;
    if (!link.ok) state.SkipWithError("no box");
    const TTraceSink previous = SetTraceSink(state.range(0) ? &KeepTrace : nullptr);
    double cpu = 0;
    for (auto _ : state) {
        const double start = ThreadCpuSeconds();
        if (transfer(link) != 0) state.SkipWithError("transfer failed");
        cpu += ThreadCpuSeconds() - start;
    }
    SetTraceSink(previous);
    state.counters["cpu_us"] = state.iterations() ? cpu / double(state.iterations()) * 1e6 : 0.0;
}

void BM_BtReaderCpuMapWrite(benchmark::State& state) {
    const Bytes image = TestImage();
    RunReaderCpu(state, [&](TBtLink& link) { return link.device.SendMap(1, 2, image); });
}
BENCHMARK(BM_BtReaderCpuMapWrite)->ArgName("traces_kept")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_BtReaderCpuMapRead(benchmark::State& state) {
    Bytes out;
    RunReaderCpu(state, [&](TBtLink& link) { return link.device.ReadMap(1, 2, &out); });
}
BENCHMARK(BM_BtReaderCpuMapRead)->ArgName("traces_kept")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
