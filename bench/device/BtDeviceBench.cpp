// A full map write and read through the Bluetooth device over the pseudo-terminal link, against
// the time the same bytes take on the wire at 115200 baud (10 bits a byte: start, 8 data, stop).
// The counter "x_wire" is the measured time of one transfer divided by that wire time.
// A bare pseudo-terminal passes bytes far faster than the wire, so there x_wire only shows the
// link's own cost. The "Paced" benchmarks run the box's line at the pace of a real 115200-baud
// line in both directions, so that their x_wire is the wire time plus what the device's handling
// adds (the goal: at most 1.02); they take the bytes on the wire from the box's count of what it
// received and sent. The "PlainClient" benchmarks are the peer on the same paced line: the same
// frames written with one write each and the replies read with poll and read on the bare
// terminal, no device, receiver or serial port in between; their x_wire is what the line itself
// costs. The "ReaderCpu" benchmarks give the processor time the device and its
// reader spend per map transfer, with traces discarded (the default) and kept.
#include "device/Utils.h"
#include "device/bluetooth/OrvoTuningBtDevice.h"
#include "platform/win/BluetoothLookup.h"
#include "tests/sim/PtyBox.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

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
template <class F> void RunAgainstPacedWire(benchmark::State& state, sim::PtyBox& server, F&& transfer) {
    double seconds = 0;
    std::uint64_t bytes = 0;
    for (auto _ : state) {
        const std::uint64_t before = server.WireBytes();
        const auto start = std::chrono::steady_clock::now();
        if (transfer() != 0) state.SkipWithError("transfer failed");
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        bytes += server.WireBytes() - before;
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
    RunAgainstPacedWire(state, link.server, [&] { return link.device.SendMap(1, 2, image); });
}
BENCHMARK(BM_BtDeviceMapWritePaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// Four chunk reads, each with the box's reply, on a line paced at 115200 baud.
void BM_BtDeviceMapReadPaced(benchmark::State& state) {
    TBtLink link(sim::WirePacing{int(Baud)});
    if (!link.ok) state.SkipWithError("no box");
    Bytes out;
    RunAgainstPacedWire(state, link.server, [&] { return link.device.ReadMap(1, 2, &out); });
}
BENCHMARK(BM_BtDeviceMapReadPaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// The plain client: the slave side of the box's terminal in raw mode, each request written in
// one call and its reply read as it comes until the length its header gives.
class TPlainClient {
public:
    explicit TPlainClient(const std::string& path) {
        fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) return;
        termios tio{};
        ::tcgetattr(fd, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(fd, TCSANOW, &tio);
    }
    ~TPlainClient() {
        if (fd >= 0) ::close(fd);
    }
    TPlainClient(const TPlainClient&) = delete;
    TPlainClient& operator=(const TPlainClient&) = delete;

    // One exchange; 0 when a reply with the success status came within a second.
    int Exchange(unsigned char command, const Bytes& data) {
        Bytes packet{0xAA, 0, 0, command};
        packet.insert(packet.end(), data.begin(), data.end());
        const std::size_t length = packet.size() + 1;
        packet[1] = static_cast<unsigned char>(length & 0xFF);
        packet[2] = static_cast<unsigned char>(length >> 8);
        unsigned sum = 0;
        for (unsigned char b : packet)
            sum += b;
        packet.push_back(static_cast<unsigned char>(sum));
        for (std::size_t at = 0; at < packet.size();) {
            const ssize_t n = ::write(fd, packet.data() + at, packet.size() - at);
            if (n <= 0) return -1;
            at += std::size_t(n);
        }
        unsigned char reply[4096];
        std::size_t got = 0, want = 4;
        while (got < want) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 1000) <= 0) return -3;
            const ssize_t n = ::read(fd, reply + got, want - got);
            if (n <= 0) continue;
            got += std::size_t(n);
            if (got >= 4 && want == 4) want = std::min<std::size_t>(reply[1] | (reply[2] << 8), sizeof reply);
        }
        return reply[0] == 0xBB && reply[3] == 0x01 ? 0 : -2;
    }

    int fd = -1;
};

// The map write of the device, frame for frame, by the plain client.
void BM_PlainClientMapWritePaced(benchmark::State& state) {
    sim::Box box;
    sim::PtyBox server(box, sim::WirePacing{int(Baud)});
    TPlainClient client(server.Path());
    if (client.fd < 0) state.SkipWithError("no terminal");
    const Bytes image = TestImage();
    RunAgainstPacedWire(state, server, [&] {
        int r = 0;
        for (unsigned char k = 0; k < 4 && r == 0; ++k) {
            Bytes request{k};
            const auto first = image.begin() + std::ptrdiff_t(256 * k);
            request.insert(request.end(), first, first + 256);
            r = client.Exchange(0x06, request);
        }
        return r == 0 ? client.Exchange(0x07, {2, 1}) : r;
    });
}
BENCHMARK(BM_PlainClientMapWritePaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// The map read of the device, frame for frame, by the plain client.
void BM_PlainClientMapReadPaced(benchmark::State& state) {
    sim::Box box;
    sim::PtyBox server(box, sim::WirePacing{int(Baud)});
    TPlainClient client(server.Path());
    if (client.fd < 0) state.SkipWithError("no terminal");
    RunAgainstPacedWire(state, server, [&] {
        int r = 0;
        for (unsigned char k = 0; k < 4 && r == 0; ++k)
            r = client.Exchange(0x08, {2, 1, k});
        return r;
    });
}
BENCHMARK(BM_PlainClientMapReadPaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

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
