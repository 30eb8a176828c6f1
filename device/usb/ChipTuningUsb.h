// The USB transport: finding and opening the one tuning box of the process through libusb 0.1,
// and the locked request/reply exchange every USB operation uses.
#pragma once

#include <vector>

struct usb_dev_handle;

// The handle of the open box; null while no box is open.
extern usb_dev_handle* UsbDeviceHandle;

inline constexpr int UsbVendorId = 0x1234;
inline constexpr int UsbProductId = 0x4321;

// usb_init, usb_find_busses, usb_find_devices.
void UsbInit();
// Opens the first box, in bus and device order, that opens and accepts configuration 1 and
// interface 0. A box already open is closed first; refused handles are closed. On failure
// UsbDeviceHandle stays null.
bool UsbOpen();
// Closes the open box and clears UsbDeviceHandle; false when none was open or the close failed.
bool UsbClose();
// One exchange under the transport's lock: send cmd with the request data, read one reply.
// 0 and *reply = the reply data on success; -1 on any failure (no box open included), with
// *reply unchanged. No retry.
int UsbTransact(unsigned char cmd, std::vector<unsigned char> request, std::vector<unsigned char>* reply);
// The result of the latest UsbTransact (-1 before the first): the device's getters answer a
// default value when an exchange fails, and a caller that must tell a default from the box's
// answer reads this right after the call, on the same thread.
int UsbLastTransactResult();
