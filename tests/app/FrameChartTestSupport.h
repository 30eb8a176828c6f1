// Shared pieces of the curve editor's tests: a box whose map, voltage and send answers are
// scripted and logged, and a host that stands for the main window.
#pragma once

#include "app/ApplicationSettings.h"
#include "app/ChipTuningChannel.h"
#include "app/forms/FrameChart.h"
#include "device/OrvoTuningDevice.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/win/MessageBox.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <memory>

#include <deque>
#include <map>
#include <utility>
#include <vector>

namespace charttest {

using Bytes = std::vector<unsigned char>;

// The bytes of a curve as the box sends and takes them.
inline Bytes Image(const CurvePoints& curve) {
    return MapImageOfCurve(curve);
}

// A curve with points at the given indexes (output = input + correction volts).
inline CurvePoints Curve(std::initializer_list<std::pair<int, double>> points) {
    CurvePoints c(CurveLength, CurveNoPoint);
    for (auto [index, correction] : points)
        c[std::size_t(index)] = std::uint16_t(VoltToCode(IndexToVolt(index) + correction));
    return c;
}

// The neutral curve: 0 V and 5 V.
inline CurvePoints Neutral() {
    return Curve({{0, 0.0}, {511, 0.0}});
}

class TEditorBox : public TOrvoTuningDevice {
public:
    bool Open() override { return true; }
    bool Close() override { return true; }
    bool GetTuning() override { return false; }
    void SetTuning(bool off) override { Log << QStringLiteral("SetTuning %1").arg(off); }
    int SendMap(unsigned char channel, unsigned char map, Bytes image) override {
        Log << QStringLiteral("SendMap %1 %2").arg(channel).arg(map);
        const int result = Pop(SendResults);
        if (result == 0) Maps[{channel, map}] = image;
        Sent.push_back(std::move(image));
        return result;
    }
    int ReadMap(unsigned char channel, unsigned char map, Bytes* out) override {
        Log << QStringLiteral("ReadMap %1 %2").arg(channel).arg(map);
        auto it = Maps.find({channel, map});
        *out = it != Maps.end() ? it->second : Bytes(MapImageBytes, 0);
        return Pop(ReadResults);
    }
    int ReadVoltages(Bytes* out) override {
        ++VoltageReads;
        *out = Voltages;
        return Pop(VoltageResults);
    }
    int GetActiveMap() override { return 1; }
    void ActivateMap(int) override {}
    int GetTriggeredInput() override { return 0; }
    void SetTriggeredInput(bool) override {}

    // The device calls but the live-voltage reads, in order.
    QStringList Log;
    std::vector<Bytes> Sent;
    std::map<std::pair<int, int>, Bytes> Maps;
    std::deque<int> SendResults, ReadResults, VoltageResults;
    Bytes Voltages{0, 0, 0, 0};
    int VoltageReads = 0;

private:
    static int Pop(std::deque<int>& script) {
        if (script.empty()) return 0;
        const int v = script.front();
        script.pop_front();
        return v;
    }
};

class TFakeEditorHost : public IChartEditorHost {
public:
    int ConnectionState() override { return State; }
    void SetConnectionState(int state) override { State = state; }
    TOrvoTuningDevice* CurrentDevice() override { return Device; }
    int State = Connected;
    TOrvoTuningDevice* Device = nullptr;
};

// A fixture base for tests of whole editors: the application's settings, and the message
// boxes and file dialogs the user would see, recorded in Shown and answered with ChosenFile
// (none when it is empty).
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings_ = std::make_unique<TApplicationSettings>();
        ApplicationSettings = settings_.get();
        previousBox_ = SetMessageBoxHook([this](void*, const String& text, const String&, unsigned) {
            Shown << text;
            return IDOK;
        });
        previousDialog_ = SetCommonDialogHook([this](TCommonDialog* dialog) {
            if (ChosenFile.isEmpty()) return false;
            static_cast<TOpenDialog*>(dialog)->SetFileName(ChosenFile);
            return true;
        });
    }
    // After the derived fixture has freed its windows.
    void TearDown() override {
        SetCommonDialogHook(previousDialog_);
        SetMessageBoxHook(previousBox_);
        ApplicationSettings = nullptr;
    }
    QStringList Shown;
    String ChosenFile;

private:
    std::unique_ptr<TApplicationSettings> settings_;
    TMessageBoxHook previousBox_;
    TCommonDialogHook previousDialog_;
};

} // namespace charttest
