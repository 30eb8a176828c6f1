// A fake of the libusb 0.1 functions the device link calls, served by simulated boxes. Linked
// into test programs in place of the real library. Replies keep their transfer boundaries:
// a transfer travels as 64-byte packets, and a bulk read of n bytes ends at n bytes or at a
// short packet; a packet larger than the room left fails the read with -EOVERFLOW, as the
// Linux usbfs does. A read with nothing queued times out at once (no real waiting).
#pragma once

#include "tests/sim/SimBox.h"

#include <string>
#include <vector>

namespace sim {

// One device on a simulated bus.
struct FakeUsbDevice {
    int vendor = 0x1234;
    int product = 0x4321;
    Box* box = nullptr;     // the box that answers its transfers (null: none)
    bool openFails = false; // usb_open gives null
    int configResult = 0;   // usb_set_configuration result
    int claimResult = 0;    // usb_claim_interface result
};

// One call the fake received, for tests to check order and arguments.
struct FakeUsbCall {
    std::string function; // "usb_open", "usb_resetep", ...
    int device = -1;      // index of the device in the set-up order, -1 for none
    int arg = 0;          // endpoint, configuration, interface, size or time-out
    int timeout = 0;
};

class FakeUsb {
public:
    // Replaces the buses: each inner vector is one bus, in bus order. Clears the log and every
    // queued reply; handles of the previous set-up count as closed from then on.
    static void SetBuses(const std::vector<std::vector<FakeUsbDevice>>& buses);
    // Shortcut: one bus with one box.
    static void SetSingleBox(Box& box);
    static std::vector<FakeUsbCall> Calls();
    static std::vector<FakeUsbCall> Calls(const std::string& function);
    static void ClearCalls();
    // Handles opened and not yet closed.
    static int OpenHandles();
    // Reply transfers queued and not yet read.
    static std::size_t PendingTransfers();
    // Removes a device (index in set-up order) from the bus, as when it is unplugged: once the
    // transfers already queued for it are read, every call on its handles fails with -ENODEV
    // (a fault with hangUp does the same after its reply). It stays listed until SetBuses.
    static void Unplug(int device);
};

} // namespace sim
