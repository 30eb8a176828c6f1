#include "device/usb/OrvoTuningUsbDevice.h"

#include "device/AppMessage.h"
#include "device/Utils.h"
#include "device/usb/ChipTuningUsb.h"
#include "i18n/Gettext.h"

namespace {
using Bytes = std::vector<unsigned char>;

int Transact(ChipTuningCommand cmd, Bytes request, Bytes* reply) {
    return UsbTransact(static_cast<unsigned char>(cmd), std::move(request), reply);
}
} // namespace

bool TOrvoTuningUsbDevice::Open() {
    return UsbOpen();
}

bool TOrvoTuningUsbDevice::Close() {
    return UsbClose();
}

bool TOrvoTuningUsbDevice::GetTuning() {
    if (!UsbDeviceHandle) return false;
    Bytes reply;
    if (Transact(ChipTuningCommand::GetTuning, {}, &reply) != 0) return false;
    return !reply.empty() && reply[0] != 0;
}

void TOrvoTuningUsbDevice::SetTuning(bool off) {
    if (!UsbDeviceHandle) return;
    Bytes reply;
    if (Transact(ChipTuningCommand::SetTuning, {static_cast<unsigned char>(off ? 1 : 0)}, &reply) != 0)
        ShowAppMessage(gettext("Failed to turn on/off tuning."), 0);
}

int TOrvoTuningUsbDevice::SendMap(unsigned char channel, unsigned char map,
                                  std::vector<unsigned char> image) {
    // Only a whole map image goes out: a shorter or longer one would leave the box with a
    // map that is neither the old nor the edited one.
    if (image.size() != 1024) return -1;
    Bytes request;
    request.reserve(image.size() + 2);
    request.push_back(map);
    request.push_back(channel);
    request.insert(request.end(), image.begin(), image.end());
    Bytes reply;
    return Transact(ChipTuningCommand::WriteMap, std::move(request), &reply) == 0 ? 0 : -1;
}

int TOrvoTuningUsbDevice::ReadMap(unsigned char channel, unsigned char map, std::vector<unsigned char>* out) {
    return Transact(ChipTuningCommand::ReadMap, {map, channel}, out) == 0 ? 0 : -1;
}

int TOrvoTuningUsbDevice::ReadVoltages(std::vector<unsigned char>* out) {
    return Transact(ChipTuningCommand::ReadVoltages, {}, out) == 0 ? 0 : -1;
}

int TOrvoTuningUsbDevice::GetActiveMap() {
    Bytes reply;
    if (Transact(ChipTuningCommand::GetActiveMap, {}, &reply) != 0 || reply.empty()) return 1;
    return reply[0];
}

void TOrvoTuningUsbDevice::ActivateMap(int map) {
    Bytes reply;
    if (Transact(ChipTuningCommand::ActivateMap, {LowByte(map)}, &reply) != 0)
        ShowAppMessage(gettext("Failed to activate map."), 0);
}

int TOrvoTuningUsbDevice::GetTriggeredInput() {
    if (!UsbDeviceHandle) return 0;
    Bytes reply;
    if (Transact(ChipTuningCommand::GetTriggeredInput, {}, &reply) != 0 || reply.empty()) return 0;
    return reply[0];
}

void TOrvoTuningUsbDevice::SetTriggeredInput(bool on) {
    if (!UsbDeviceHandle) return;
    Bytes reply;
    if (Transact(ChipTuningCommand::SetTriggeredInput, {static_cast<unsigned char>(on ? 1 : 0)}, &reply) != 0)
        ShowAppMessage(gettext("Failed to set triggered input."), 0);
}
