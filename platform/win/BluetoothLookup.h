// Finding tuning boxes over Bluetooth: the paired devices of a name and the serial port of a
// device's address. The system lookup asks BlueZ over the D-Bus system bus; the port is the
// RFCOMM terminal bound to the address when there is one (`rfcomm bind`), else the device's
// own link "rfcomm:<address>", which opening connects (platform/win/Rfcomm.h), so every paired
// device has a port as it has on Windows. Tests install a fake that declares boxes served on
// pseudo-terminals or sockets. Nothing here binds terminals itself.
#pragma once

#include "platform/rtl/Types.h"

#include <map>
#include <vector>

struct TBluetoothDevice {
    String Name;
    // The address as twelve upper-case hexadecimal digits without separators ("001122AABBCC").
    String Address;
};

class IBluetoothLookup {
public:
    virtual ~IBluetoothLookup() = default;
    // The paired devices whose name equals name exactly (case-sensitive).
    virtual std::vector<TBluetoothDevice> FindPairedDevices(const String& name) = 0;
    // The port of the device with the given address (twelve digits, any case); false when
    // it has none.
    virtual bool FindPort(const String& address, String& port) = 0;
};

// The lookup the device link uses; SetBluetoothLookup(nullptr) restores the system lookup.
// The system lookup takes port overrides from the environment variable ORVO_RFCOMM_PORTS
// ("001122AABBCC=/dev/pts/7;..."), read once on first use.
// The caller keeps ownership of an installed lookup. Returns the previous one.
IBluetoothLookup& BluetoothLookup();
IBluetoothLookup* SetBluetoothLookup(IBluetoothLookup* lookup);

// Twelve upper-case hexadecimal digits from an address in any of the usual spellings
// ("00:11:22:aa:bb:cc", "(00:11:22:AA:BB:CC)", "001122AABBCC"); empty when it is none.
String NormalizeBluetoothAddress(const String& address);

// BlueZ and the kernel's RFCOMM terminals. Without a system bus or BlueZ the lookup finds
// nothing and traces why. The whole lookup, reaching the bus included, gives up after
// timeoutMs, so a hung bus daemon never holds up the open (or the close waiting for it).
// A device paired with several adapters is listed once. FindPort answers the bound terminal
// when there is one, else "rfcomm:" and the address; false only for a malformed address.
class TBlueZLookup : public IBluetoothLookup {
public:
    explicit TBlueZLookup(int timeoutMs = 1500) : timeoutMs_(timeoutMs) {}
    std::vector<TBluetoothDevice> FindPairedDevices(const String& name) override;
    bool FindPort(const String& address, String& port) override;
    // A port for an address that takes precedence over the kernel's list (systems that bind
    // terminals elsewhere).
    void SetPortOverride(const String& address, const String& port);

private:
    int timeoutMs_;
    std::map<String, String> overrides_;
};

// A lookup answering from a table, for tests: each box has a name, an address and the port
// (usually a pseudo-terminal) it is served on; an empty port means "paired, but no terminal".
class TFakeBluetoothLookup : public IBluetoothLookup {
public:
    void AddDevice(const String& name, const String& address, const String& port);
    std::vector<TBluetoothDevice> FindPairedDevices(const String& name) override;
    bool FindPort(const String& address, String& port) override;

private:
    struct TEntry {
        TBluetoothDevice device;
        String port;
    };
    std::vector<TEntry> entries_;
};
