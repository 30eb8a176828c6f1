#include "device/bluetooth/OrvoTuningBtDevice.h"

#include "device/AppMessage.h"
#include "device/Utils.h"
#include "device/bluetooth/BtReceiver.h"
#include "device/bluetooth/Serial.h"
#include "i18n/Gettext.h"
#include "platform/classes/SyncObjs.h"
#include "platform/classes/Thread.h"
#include "platform/controls/ControlTypes.h"
#include "platform/rtl/StrUtils.h"
#include "platform/win/BluetoothLookup.h"

#include <atomic>
#include <utility>

namespace {
using Bytes = std::vector<unsigned char>;

// The name every tuning box is paired under.
const char* const BoxName = "ChipTuning";
constexpr int PortSpeed = 115200;
constexpr unsigned long PortQueueBytes = 8192;
// After a read that timed out, the reply to it may still come, after the retry's purge and
// just before the retry's own reply (the box answers requests in order). The retry therefore
// looks this long past the frame it read for a second one, and takes that one as its reply.
constexpr unsigned LateReplySettleMs = 500;

std::atomic<IBtDeviceChoiceDialog*> g_choiceDialog{nullptr};

unsigned char Cmd(ChipTuningCommand cmd) {
    return static_cast<unsigned char>(cmd);
}
} // namespace

TCriticalSection& BtTransactLock() {
    // The initialisation of a local static is thread-safe: two first users cannot make two
    // locks, and the lock lives until the program ends.
    static TCriticalSection lock;
    return lock;
}

IBtDeviceChoiceDialog* SetBtDeviceChoiceDialog(IBtDeviceChoiceDialog* dialog) {
    return g_choiceDialog.exchange(dialog);
}

int FindComPort(const String& idPart, String& port) {
    String found;
    if (!BluetoothLookup().FindPort(UpperCase(idPart), found) || found.isEmpty()) return -1;
    port = found;
    return 0;
}

bool DiscoverBtDevices(const String& name, std::vector<BTCOM>& out) {
    out.clear();
    for (const TBluetoothDevice& device : BluetoothLookup().FindPairedDevices(name)) {
        if (device.Name != name) continue;
        String address = device.Address;
        address.remove(u':').remove(u'(').remove(u')');
        String port;
        if (FindComPort(address, port) != 0) {
            Trace([&] { return "Bluetooth device without a port skipped: " + StringToAnsi(address); });
            continue;
        }
        out.push_back({port, address, String()});
    }
    return !out.empty();
}

TOrvoTuningBtDevice::TOrvoTuningBtDevice() : serial(new CSerial) {}

TOrvoTuningBtDevice::~TOrvoTuningBtDevice() {
    delete serial;
}

int TOrvoTuningBtDevice::Transact(unsigned char cmd, Bytes request, Bytes* reply, bool retry) {
    TCriticalSectionLock guard(BtTransactLock());
    // Tested under the lock, so a call on another thread cannot see a count half-way through
    // an exchange.
    if (readFailures >= 2) {
        DebugTrace("Send command ignored. Max number of errors exceeded.");
        return -4;
    }
    TBtReceiver receiver(serial);
    const int attempts = retry ? 2 : 1;
    int result = -1;
    bool lateReplyOwed = false;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        CBtFrame tx;
        tx.header.command = cmd;
        tx.data = request;
        CBtFrame rx;
        if (int r = receiver.SendFrame(tx); r != 0) {
            Trace([&] { return Sprintf("Command %02X not sent: %d", cmd, r); });
            result = -1;
            continue;
        }
        if (int r = receiver.ReadFrame(tx, rx); r != 0) {
            lateReplyOwed = lateReplyOwed || r == 3;
            ++readFailures;
            Trace([&] {
                return Sprintf("Command %02X: no valid reply (%d), %d failed reads", cmd, r, readFailures);
            });
            result = -3;
            continue;
        }
        readFailures = 0;
        if (lateReplyOwed) {
            lateReplyOwed = false;
            CBtFrame next;
            if (receiver.ReadFrameWithin(tx, next, LateReplySettleMs) == 0) {
                Trace(
                    [&] { return Sprintf("Command %02X: late reply of the earlier attempt dropped", cmd); });
                rx = std::move(next);
            }
        }
        if (rx.header.command != rsSuccess) {
            Trace([&] { return Sprintf("Command %02X refused with status %02X", cmd, rx.header.command); });
            result = -2;
            continue;
        }
        if (reply) *reply = std::move(rx.data);
        return 0;
    }
    return result;
}

bool TOrvoTuningBtDevice::Close() {
    if (!serial->portHandle) return false;
    SetCommTimeouts(serial->portHandle, &savedTimeouts);
    serial->Close();
    return true;
}

void TOrvoTuningBtDevice::DropPort() {
    serial->Close();
}

bool TOrvoTuningBtDevice::OpenPort(const BTCOM& entry) {
    const AnsiString name = "\\\\.\\" + StringToAnsi(entry.port);
    Trace([&] { return Sprintf("Opening communication port: [%s] speed: [%d]", name.c_str(), PortSpeed); });
    if (long r = serial->Open(name.c_str(), PortQueueBytes, PortQueueBytes, false); r != 0) {
        TraceSystemError(DWORD(r), "Unable to open port [" + name + "]");
        return false;
    }
    if (long r = serial->Setup(CSerial::EBaud115200, CSerial::EData8, CSerial::EParNone, CSerial::EStop1);
        r != 0) {
        Trace([&] {
            return Sprintf("Unable to set up port: [%s] speed: [%d]: %ld", name.c_str(), PortSpeed, r);
        });
        DropPort();
        return false;
    }
    serial->Purge();
    GetCommTimeouts(serial->portHandle, &savedTimeouts);
    // A read returns at once with whatever has arrived; a write may take 5 ms per byte.
    COMMTIMEOUTS timeouts;
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = 5;
    timeouts.WriteTotalTimeoutConstant = 0;
    if (!SetCommTimeouts(serial->portHandle, &timeouts)) {
        Trace([&] { return Sprintf("Unable to set the time-outs of port: [%s]", name.c_str()); });
        DropPort();
        return false;
    }
    {
        // A new box starts with a clean count: the failures of one silent box must not make
        // the next box, or this box reopened, refuse every command.
        TCriticalSectionLock guard(BtTransactLock());
        readFailures = 0;
    }
    Trace([&] { return Sprintf("Port opened: [%s] speed: [%d]", name.c_str(), PortSpeed); });
    return true;
}

int TOrvoTuningBtDevice::ChooseDevice(const std::vector<String>& items) {
    // The dialog belongs to the user-interface thread: the worker hands the lines over and
    // waits for the answer there.
    return TThread::SynchronizeResult([&]() -> int {
        IBtDeviceChoiceDialog* dialog = g_choiceDialog.load();
        if (!dialog) {
            DebugTrace("No device-choice dialog: the choice counts as cancelled");
            return -1;
        }
        dialog->FillDevices(items);
        if (dialog->ShowModal() != mrOk) return -1;
        const int index = dialog->ChosenIndex();
        return index >= 0 && std::size_t(index) < items.size() ? index : -1;
    });
}

bool TOrvoTuningBtDevice::Open() {
    // A port left open by an earlier connection would make every open below fail.
    if (serial->portHandle) Close();
    {
        TCriticalSectionLock guard(BtTransactLock());
        readFailures = 0;
    }
    // Whatever leaves Open early by an exception leaves no port open behind it.
    struct TPortGuard {
        TOrvoTuningBtDevice* device;
        bool keep = false;
        ~TPortGuard() {
            if (!keep) device->DropPort();
        }
    } portGuard{this};

    std::vector<BTCOM> discovered;
    if (!DiscoverBtDevices(BoxName, discovered)) {
        DebugTrace("No Bluetooth box found");
        return false;
    }

    // Pass 0: identify every box.
    std::vector<BTCOM> responders;
    for (const BTCOM& entry : discovered) {
        if (!OpenPort(entry)) continue;
        Bytes reply;
        if (Transact(Cmd(ChipTuningCommand::Identify), {}, &reply, true) != 0 || reply.empty()) {
            Trace([&] { return "No identification from " + StringToAnsi(entry.port); });
            DropPort();
            continue;
        }
        const AnsiString identity = UpperCase(AnsiString(reply.begin(), reply.end()));
        const bool bootloader = identity.find("BOOTLOADER") != AnsiString::npos;
        BTCOM responder = entry;
        if (bootloader) responder.label = "BOOTLOADER";
        responders.push_back(responder);
        if (discovered.size() == 1 && !bootloader) {
            portGuard.keep = true;
            return true;
        }
        DropPort();
    }

    // Pass 1: connect to the one box that answered, or to the one the user chooses.
    if (responders.empty()) return false;
    std::vector<BTCOM> candidates;
    if (responders.size() == 1) {
        candidates = responders;
    } else {
        std::vector<String> items;
        for (const BTCOM& r : responders)
            items.push_back(r.port + ": " + r.address + " " + r.label);
        const int chosen = ChooseDevice(items);
        if (chosen < 0) return false;
        candidates.push_back(responders[std::size_t(chosen)]);
    }
    for (const BTCOM& candidate : candidates) {
        if (OpenPort(candidate)) {
            portGuard.keep = true;
            return true;
        }
    }
    return false;
}

bool TOrvoTuningBtDevice::GetTuning() {
    Bytes reply;
    if (Transact(Cmd(ChipTuningCommand::GetTuning), {}, &reply, false) != 0 || reply.empty()) return false;
    return reply[0] != 0;
}

void TOrvoTuningBtDevice::SetTuning(bool off) {
    Bytes reply;
    if (Transact(Cmd(ChipTuningCommand::SetTuning), {static_cast<unsigned char>(off ? 1 : 0)}, &reply,
                 true) != 0)
        ShowAppMessage(gettext("Failed to turn on/off tuning."), 0);
}

int TOrvoTuningBtDevice::SendMap(unsigned char channel, unsigned char map, Bytes image) {
    if (image.size() != MapImageBytes) {
        Trace([&] { return Sprintf("Map image of %u bytes not sent", unsigned(image.size())); });
        return -1;
    }
    // The box uses the chunks up when it commits them, so when the reply to a commit that
    // it carried out is spoiled, the repeated commit is refused although the map is stored.
    // A commit that fails after every chunk was taken sends the whole map once more before
    // the send counts as failed.
    int result = -1;
    for (int pass = 0; pass < 2; ++pass) {
        for (unsigned char k = 0; k < 4; ++k) {
            Bytes request;
            request.reserve(MapChunkBytes + 1);
            request.push_back(k);
            const auto first = image.begin() + std::ptrdiff_t(MapChunkBytes * k);
            request.insert(request.end(), first, first + std::ptrdiff_t(MapChunkBytes));
            Bytes reply;
            if (int r = Transact(Cmd(ChipTuningCommand::WriteMapChunk), std::move(request), &reply, true);
                r != 0)
                return r;
        }
        Bytes reply;
        result = Transact(Cmd(ChipTuningCommand::CommitMap), {map, channel}, &reply, true);
        if (result == 0) break;
        Trace(
            [&] { return Sprintf("Map commit failed (%d)%s", result, pass == 0 ? ": map sent again" : ""); });
    }
    return result;
}

int TOrvoTuningBtDevice::ReadMap(unsigned char channel, unsigned char map, Bytes* out) {
    out->clear();
    for (unsigned char k = 0; k < 4; ++k) {
        Bytes chunk;
        if (int r = Transact(Cmd(ChipTuningCommand::ReadMapChunk), {map, channel, k}, &chunk, true); r != 0)
            return r;
        if (chunk.size() != MapChunkBytes) {
            Trace([&] {
                return Sprintf("Map chunk %u of %u bytes refused", unsigned(k), unsigned(chunk.size()));
            });
            return -3;
        }
        out->insert(out->end(), chunk.begin(), chunk.end());
    }
    return 0;
}

int TOrvoTuningBtDevice::ReadVoltages(Bytes* out) {
    return Transact(Cmd(ChipTuningCommand::ReadVoltages), {}, out, false);
}

int TOrvoTuningBtDevice::GetActiveMap() {
    Bytes reply;
    if (Transact(Cmd(ChipTuningCommand::GetActiveMap), {}, &reply, false) != 0 || reply.empty()) return 1;
    return reply[0];
}

void TOrvoTuningBtDevice::ActivateMap(int map) {
    Bytes reply;
    if (Transact(Cmd(ChipTuningCommand::ActivateMap), {LowByte(map)}, &reply, true) != 0)
        ShowAppMessage(gettext("Failed to activate map."), 0);
}

int TOrvoTuningBtDevice::GetTriggeredInput() {
    Bytes reply;
    if (Transact(Cmd(ChipTuningCommand::GetTriggeredInput), {}, &reply, false) != 0 || reply.empty())
        return 0;
    return reply[0];
}

void TOrvoTuningBtDevice::SetTriggeredInput(bool on) {
    Bytes reply;
    if (Transact(Cmd(ChipTuningCommand::SetTriggeredInput), {static_cast<unsigned char>(on ? 1 : 0)}, &reply,
                 true) != 0)
        ShowAppMessage(gettext("Failed to set triggered input."), 0);
}
