#include "tests/sim/FakeUsb.h"

#include <usb.h>

#include <cerrno>
#include <cstring>
#include <deque>
#include <memory>
#include <mutex>

struct usb_dev_handle {
    int device = -1;
    bool closed = false;
};

namespace sim {
namespace {

constexpr std::size_t MaxPacket = 64;

struct Transfer {
    int delayMs = 0;
    std::deque<Bytes> packets;
};

struct State {
    std::mutex lock;
    std::vector<std::vector<FakeUsbDevice>> config;
    // The bus list libusb hands out, rebuilt by usb_find_busses / usb_find_devices.
    std::vector<std::unique_ptr<usb_bus>> buses;
    std::vector<std::unique_ptr<struct usb_device>> devices;
    std::vector<FakeUsbDevice*> flat;
    std::vector<std::unique_ptr<usb_dev_handle>> handles;
    std::vector<std::deque<Transfer>> queues; // per device index
    std::vector<bool> unplugged;              // per device index
    std::vector<FakeUsbCall> calls;
};

State& S() {
    static State state;
    return state;
}

void Log(State& s, const char* fn, int device, int arg = 0, int timeout = 0) {
    s.calls.push_back(FakeUsbCall{fn, device, arg, timeout});
}

void Rebuild(State& s) {
    s.buses.clear();
    s.devices.clear();
    s.flat.clear();
    usb_bus* previousBus = nullptr;
    for (auto& busConfig : s.config) {
        auto bus = std::make_unique<usb_bus>();
        std::memset(bus.get(), 0, sizeof(usb_bus));
        usb_bus* rawBus = bus.get();
        if (previousBus) previousBus->next = rawBus;
        rawBus->prev = previousBus;
        previousBus = rawBus;
        struct usb_device* previousDev = nullptr;
        for (auto& devConfig : busConfig) {
            auto dev = std::make_unique<struct usb_device>();
            std::memset(dev.get(), 0, sizeof(struct usb_device));
            struct usb_device* rawDev = dev.get();
            rawDev->bus = rawBus;
            rawDev->descriptor.idVendor = std::uint16_t(devConfig.vendor);
            rawDev->descriptor.idProduct = std::uint16_t(devConfig.product);
            rawDev->devnum = std::uint8_t(s.flat.size() + 1);
            // The index of the device in set-up order travels in the Darwin pointer.
            rawDev->dev = reinterpret_cast<void*>(static_cast<std::uintptr_t>(s.flat.size()));
            if (previousDev)
                previousDev->next = rawDev;
            else
                rawBus->devices = rawDev;
            rawDev->prev = previousDev;
            previousDev = rawDev;
            s.flat.push_back(&devConfig);
            s.devices.push_back(std::move(dev));
        }
        s.buses.push_back(std::move(bus));
    }
    s.queues.assign(s.flat.size(), {});
    s.unplugged.assign(s.flat.size(), false);
}

// An unplugged device still delivers what was in flight, then answers nothing but -ENODEV.
bool Gone(State& s, int index) {
    return s.unplugged[std::size_t(index)] && s.queues[std::size_t(index)].empty();
}

int DeviceOf(State& s, usb_dev_handle* h) {
    if (!h || h->closed || h->device < 0 || std::size_t(h->device) >= s.flat.size()) return -1;
    return h->device;
}

} // namespace

void FakeUsb::SetBuses(const std::vector<std::vector<FakeUsbDevice>>& buses) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    s.config = buses;
    s.calls.clear();
    for (auto& h : s.handles)
        h->closed = true;
    Rebuild(s);
}

void FakeUsb::SetSingleBox(Box& box) {
    FakeUsbDevice dev;
    dev.box = &box;
    SetBuses({{dev}});
}

std::vector<FakeUsbCall> FakeUsb::Calls() {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    return s.calls;
}

std::vector<FakeUsbCall> FakeUsb::Calls(const std::string& function) {
    std::vector<FakeUsbCall> out;
    for (const FakeUsbCall& c : Calls())
        if (c.function == function) out.push_back(c);
    return out;
}

void FakeUsb::ClearCalls() {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    s.calls.clear();
}

int FakeUsb::OpenHandles() {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    int n = 0;
    for (auto& h : s.handles)
        n += h->closed ? 0 : 1;
    return n;
}

void FakeUsb::Unplug(int device) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    if (device >= 0 && std::size_t(device) < s.unplugged.size()) s.unplugged[std::size_t(device)] = true;
}

std::size_t FakeUsb::PendingTransfers() {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    std::size_t n = 0;
    for (auto& q : s.queues)
        n += q.size();
    return n;
}

} // namespace sim

using sim::S;
using sim::State;

extern "C" {

void usb_init(void) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    sim::Log(s, "usb_init", -1);
}

int usb_find_busses(void) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    sim::Log(s, "usb_find_busses", -1);
    return int(s.config.size());
}

int usb_find_devices(void) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    sim::Log(s, "usb_find_devices", -1);
    return int(s.flat.size());
}

struct usb_bus* usb_get_busses(void) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    return s.buses.empty() ? nullptr : s.buses.front().get();
}

usb_dev_handle* usb_open(struct usb_device* dev) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    const int index = dev ? int(reinterpret_cast<std::uintptr_t>(dev->dev)) : -1;
    sim::Log(s, "usb_open", index);
    if (index < 0 || std::size_t(index) >= s.flat.size() || s.flat[index]->openFails) return nullptr;
    s.handles.push_back(std::make_unique<usb_dev_handle>());
    s.handles.back()->device = index;
    return s.handles.back().get();
}

int usb_close(usb_dev_handle* dev) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    if (!dev || dev->closed) {
        sim::Log(s, "usb_close", -1);
        return -EINVAL;
    }
    sim::Log(s, "usb_close", dev->device);
    dev->closed = true;
    return 0;
}

int usb_set_configuration(usb_dev_handle* dev, int configuration) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    const int index = sim::DeviceOf(s, dev);
    sim::Log(s, "usb_set_configuration", index, configuration);
    if (index < 0) return -EINVAL;
    return s.flat[index]->configResult;
}

int usb_claim_interface(usb_dev_handle* dev, int interface) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    const int index = sim::DeviceOf(s, dev);
    sim::Log(s, "usb_claim_interface", index, interface);
    if (index < 0) return -EINVAL;
    return s.flat[index]->claimResult;
}

int usb_resetep(usb_dev_handle* dev, unsigned int ep) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    const int index = sim::DeviceOf(s, dev);
    sim::Log(s, "usb_resetep", index, int(ep));
    if (index < 0) return -EINVAL;
    return sim::Gone(s, index) ? -ENODEV : 0;
}

int usb_bulk_write(usb_dev_handle* dev, int ep, const char* bytes, int size, int timeout) {
    State& s = S();
    std::unique_lock<std::mutex> guard(s.lock);
    const int index = sim::DeviceOf(s, dev);
    sim::Log(s, "usb_bulk_write", index, ep, timeout);
    if (index < 0) return -EINVAL;
    if (sim::Gone(s, index)) return -ENODEV;
    if (ep != 0x02) return -EPIPE;
    sim::Box* box = s.flat[index]->box;
    if (!box) return -ETIMEDOUT;
    sim::ReplyPlan plan =
        box->Exchange(sim::Transport::Usb, reinterpret_cast<const std::uint8_t*>(bytes), std::size_t(size));
    if (plan.hangUp) s.unplugged[std::size_t(index)] = true;
    if (plan.writeResult) return *plan.writeResult;
    for (sim::Piece& piece : plan.pieces) {
        sim::Transfer t;
        t.delayMs = piece.delayMs;
        for (std::size_t at = 0; at < piece.bytes.size(); at += sim::MaxPacket) {
            const std::size_t n = std::min(sim::MaxPacket, piece.bytes.size() - at);
            t.packets.emplace_back(piece.bytes.begin() + at, piece.bytes.begin() + at + n);
        }
        if (t.packets.empty()) t.packets.emplace_back(); // a zero-length transfer
        s.queues[index].push_back(std::move(t));
    }
    return size;
}

int usb_bulk_read(usb_dev_handle* dev, int ep, char* bytes, int size, int timeout) {
    State& s = S();
    std::lock_guard<std::mutex> guard(s.lock);
    const int index = sim::DeviceOf(s, dev);
    sim::Log(s, "usb_bulk_read", index, size, timeout);
    if (index < 0) return -EINVAL;
    if (sim::Gone(s, index)) return -ENODEV;
    if (ep != 0x81) return -EPIPE;
    auto& queue = s.queues[index];
    if (queue.empty()) return -ETIMEDOUT;
    if (queue.front().delayMs >= timeout) {
        // The reply is late: this read times out and the reply is still on its way.
        queue.front().delayMs -= timeout;
        return -ETIMEDOUT;
    }
    queue.front().delayMs = 0;
    int got = 0;
    while (got < size && !queue.empty()) {
        sim::Transfer& t = queue.front();
        sim::Bytes packet = std::move(t.packets.front());
        t.packets.pop_front();
        if (t.packets.empty()) queue.pop_front();
        if (packet.size() > std::size_t(size - got)) return -EOVERFLOW;
        std::memcpy(bytes + got, packet.data(), packet.size());
        got += int(packet.size());
        if (packet.size() < sim::MaxPacket) break; // a short packet ends the transfer
    }
    return got;
}

} // extern "C"
