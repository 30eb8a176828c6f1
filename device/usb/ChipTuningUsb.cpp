#include "device/usb/ChipTuningUsb.h"

#include "device/Utils.h"
#include "device/usb/UsbReceiver.h"
#include "platform/classes/SyncObjs.h"

#include <usb.h>

usb_dev_handle* UsbDeviceHandle = nullptr;

namespace {
// Serialises whole exchanges (and open and close) on the endpoints. Made on first use; the
// initialisation of a local static is thread-safe, so two first users cannot make two locks.
TCriticalSection& UsbTransactLock() {
    static TCriticalSection lock;
    return lock;
}

int lastTransactResult = -1; // under UsbTransactLock

int Transact(unsigned char cmd, std::vector<unsigned char> request, std::vector<unsigned char>* reply) {
    if (!UsbDeviceHandle) {
        Trace([&] { return Sprintf("USB command %02X: no device open", cmd); });
        return -1;
    }
    TUsbReceiver receiver(UsbDeviceHandle);
    CUsbFrame tx;
    tx.header.command = cmd;
    tx.data = std::move(request);
    CUsbFrame rx;
    if (int r = receiver.SendFrame(tx); r != 0) {
        Trace([&] { return Sprintf("USB command %02X: send failed (%d)", cmd, r); });
        return -1;
    }
    if (int r = receiver.ReadFrame(tx, rx); r != 0) {
        Trace([&] { return Sprintf("USB command %02X: read failed (%d)", cmd, r); });
        return -1;
    }
    if (reply) *reply = std::move(rx.data);
    return 0;
}
} // namespace

void UsbInit() {
    usb_init();
    usb_find_busses();
    usb_find_devices();
}

bool UsbOpen() {
    UsbInit();
    TCriticalSectionLock guard(UsbTransactLock());
    if (UsbDeviceHandle) {
        // Reopening over a live handle would leak it and keep the interface claimed.
        usb_close(UsbDeviceHandle);
        UsbDeviceHandle = nullptr;
    }
    for (usb_bus* bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device* dev = bus->devices; dev; dev = dev->next) {
            if (dev->descriptor.idVendor != UsbVendorId || dev->descriptor.idProduct != UsbProductId)
                continue;
            usb_dev_handle* handle = usb_open(dev);
            if (!handle) {
                DebugTrace("USB: usb_open failed");
                continue;
            }
            usb_resetep(handle, TUsbReceiver::InEndpoint);
            usb_resetep(handle, TUsbReceiver::OutEndpoint);
            if (usb_set_configuration(handle, 1) < 0) {
                DebugTrace("USB: configuration 1 refused");
                usb_close(handle);
                continue;
            }
            if (usb_claim_interface(handle, 0) < 0) {
                DebugTrace("USB: interface 0 refused");
                usb_close(handle);
                continue;
            }
            UsbDeviceHandle = handle;
            return true;
        }
    }
    return false;
}

bool UsbClose() {
    TCriticalSectionLock guard(UsbTransactLock());
    if (!UsbDeviceHandle) return false;
    const int result = usb_close(UsbDeviceHandle);
    UsbDeviceHandle = nullptr;
    return result >= 0;
}

int UsbTransact(unsigned char cmd, std::vector<unsigned char> request, std::vector<unsigned char>* reply) {
    TCriticalSectionLock guard(UsbTransactLock());
    lastTransactResult = Transact(cmd, std::move(request), reply);
    return lastTransactResult;
}

int UsbLastTransactResult() {
    TCriticalSectionLock guard(UsbTransactLock());
    return lastTransactResult;
}
