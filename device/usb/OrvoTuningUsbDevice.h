// The tuning box over USB. It keeps no state of its own: the handle and the lock belong to the
// USB transport, so there is one USB box per process.
#pragma once

#include "device/OrvoTuningDevice.h"

class TOrvoTuningUsbDevice : public TOrvoTuningDevice {
public:
    bool Open() override;
    bool Close() override;
    bool GetTuning() override;
    void SetTuning(bool off) override;
    int SendMap(unsigned char channel, unsigned char map, std::vector<unsigned char> image) override;
    int ReadMap(unsigned char channel, unsigned char map, std::vector<unsigned char>* out) override;
    int ReadVoltages(std::vector<unsigned char>* out) override;
    int GetActiveMap() override;
    void ActivateMap(int map) override;
    int GetTriggeredInput() override;
    void SetTriggeredInput(bool on) override;
};
