// Shared pieces of the tools column's tests: a Bluetooth box whose exchanges are scripted and
// a curve editor that records what the column asks of it.
#pragma once

#include "app/forms/FrameTools.h"
#include "device/bluetooth/OrvoTuningBtDevice.h"

#include <QStringList>

#include <cstdint>
#include <map>
#include <vector>

namespace toolstest {

using Bytes = std::vector<unsigned char>;

// A Bluetooth box whose exchanges are scripted: each command answers its byte, or, while
// Silent, gets no valid reply (counted as the transport counts failed reads). The device's
// own operations run on top, messages and folding included.
class TScriptedBtDevice : public TOrvoTuningBtDevice {
public:
    int Transact(unsigned char cmd, Bytes request, Bytes* reply, bool) override {
        QString call = QString::asprintf("%02X", cmd);
        for (unsigned char b : request)
            call += QString::asprintf(" %d", b);
        Calls << call;
        if (Silent) {
            ++readFailures;
            return -3;
        }
        readFailures = 0;
        if (reply) *reply = {Answers[cmd]};
        return 0;
    }
    QStringList Calls;
    bool Silent = false;
    std::map<unsigned char, unsigned char> Answers{{0x05, 0}, {0x0C, 1}, {0xB1, 0}};

    void BoxState(bool tuningOff, int map, bool triggered = false) {
        Answers[0x05] = tuningOff ? 1 : 0;
        Answers[0x0C] = std::uint8_t(map);
        Answers[0xB1] = triggered ? 1 : 0;
    }
};

// A curve editor that shows one curve and records what the tools column asks of it.
class TFakeEditor : public IToolsCurveEditor {
public:
    explicit TFakeEditor(std::uint16_t code) : Shown(CurveLength, code) {}
    bool GetActiveChannelPoints(CurvePoints& points) override {
        Log << "get";
        if (!HasChannel) return false;
        points = Shown;
        return true;
    }
    void SetActiveChannelPoints(const CurvePoints& points) override {
        Log << "set";
        Shown = points;
    }
    void btnClearClick(TObject*) override { Log << "clear"; }
    CurvePoints Shown;
    bool HasChannel = true;
    QStringList Log;
};

} // namespace toolstest
