// The whole tool as a user meets it: the program's own start-up (WinMain) on the offscreen
// platform, run with a fresh application object, a temporary configuration folder and the
// virtual clock, against simulated boxes on the fake USB bus and on pseudo-terminals found
// through the Bluetooth lookup. The scenario runs inside the program's message loop; message
// boxes, modal forms and file dialogs are recorded and answered; input goes through the
// platform's messages on the shown windows. After the loop ends the program's shutdown runs
// as it does at a normal exit, and the test reads what it left behind.
#pragma once

#include "platform/rtl/Types.h"
#include "platform/win/BluetoothLookup.h"
#include "platform/win/Clock.h"
#include "tests/sim/FakeUsb.h"
#include "tests/sim/PtyBox.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TApplication;
class TChipTuningForm;
class TControl;
class TCustomForm;
class TCommonDialog;
class TFrameTools;
class TStatusPanelPro;

namespace acceptance {

// Virtual time that the test moves, and that the device link's waits move too: a Sleep of
// the device's read loop passes ms of virtual time and a tenth of it in real time, so that
// replies of the boxes (served in real time on their own threads) arrive within the virtual
// time-outs while those time-outs cost a tenth of their length.
class TAcceptanceClock : public TFakeClock {
public:
    TAcceptanceClock() : TFakeClock(1000000) {}
    void Sleep(DWORD ms) override;
};

// One simulated box on a pseudo-terminal, declared to the Bluetooth lookup.
struct TBtBox {
    explicit TBtBox(sim::WirePacing pacing = {}) : server(box, pacing) {}
    sim::Box box;
    sim::PtyBox server;
    String address;
    // The line the device-choice dialog shows for it.
    String Line(const char* label = "") const;
};

// A message box the user saw.
struct TShownMessage {
    String text;
    String caption;
};

// The command bytes of the requests a box received, in order (USB or Bluetooth framing).
std::vector<int> Commands(const sim::Box& box, sim::Transport transport);
// A map image as the box holds it: each entry's code from a function of its index.
sim::Bytes MapOf(const std::function<std::uint16_t(int)>& code);

class TTool : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs the program's start-up, then body inside its message loop, then its shutdown.
    // When body leaves the program running, the window is closed as a user closes it
    // (ticks until the loop ends; the loop is ended outright if it does not).
    void RunProgram(const std::function<void()>& body);

    // The box on the USB bus (none until called).
    sim::Box& UsbBox();
    // A box that answers over Bluetooth (several may be declared).
    TBtBox& AddBtBox(sim::WirePacing pacing = {});

    // One tick of the connection timer: the virtual clock moves 200 ms and the program
    // handles what became due.
    void Tick(int ms = 200);
    // Ticks until cond holds (at most maxMs of virtual time); whether it held.
    bool TickUntil(const std::function<bool()>& cond, int maxMs = 10000);
    // Handles the program's messages in real time (the virtual clock moved only by the device
    // link's waits) until cond holds or realMs pass; for what another thread finishes.
    bool WaitUntil(const std::function<bool()>& cond, int realMs = 10000);
    // Connects and waits for the first status poll of the tools column; false when it did not.
    bool ConnectAndPoll();

    // The program's windows and controls.
    TChipTuningForm* Window();
    TFrameTools* Tools();
    int State();
    TStatusPanelPro* StatusPanel();
    String StatusText();
    String MessagePanelText();
    // Clicks through the control's mouse messages, at a point of its client area.
    void Click(TControl* control, int x = -1, int y = -1);
    void ClickStatusPanel();
    // The down map buttons and whether tuning shows on: "1", "2", ..., "T".
    QStringList DownButtons();

    // Writes the settings file before start-up.
    void WriteSettings(const QByteArray& text);
    // The settings file as the program left it (empty when there is none).
    QByteArray SettingsFile();
    String SettingsPath();

    // Writes a PNG of a form into the folder $ORVO_SCREENSHOTS names (nothing when unset).
    void Screenshot(TCustomForm* form, const char* name);

    TAcceptanceClock clock;
    // What the user saw: message boxes, modal forms (by class name) and file dialogs.
    std::vector<TShownMessage> messages;
    // Called while a message box is up (after it is recorded), as the user would act then; a
    // real box runs the application's messages meanwhile, so whatever it posts is handled
    // before the box returns.
    std::function<void(const TShownMessage&)> onMessage;
    QStringList modals;
    // Answers a modal form; by default Cancel.
    std::function<int(TCustomForm*)> onModal;
    // Answers a file dialog with a file name; empty: cancelled.
    std::function<String(TCommonDialog*)> onFileDialog;
    QStringList MessageTexts() const;

    TFakeBluetoothLookup lookup;
    std::deque<std::unique_ptr<TBtBox>> btBoxes;
    std::unique_ptr<sim::Box> usbBox;
    QTemporaryDir config;

private:
    void InstallHooks();
    void EndProgram();

    std::unique_ptr<TClockOverride> useClock_;
    IBluetoothLookup* previousLookup_ = nullptr;
    TApplication* previousApplication_ = nullptr;
    QByteArray previousConfig_;
    bool hadConfig_ = false;
    bool ran_ = false;
};

// The same scenarios over each transport.
enum class Link { Usb, Bluetooth };
std::string LinkName(const ::testing::TestParamInfo<Link>& info);

class TToolOverLink : public TTool, public ::testing::WithParamInterface<Link> {
protected:
    // Declares the one box of the scenario on the parameter's transport (a USB test has no
    // Bluetooth box and the other way round).
    sim::Box& Box();
    sim::Transport Transport() const {
        return GetParam() == Link::Usb ? sim::Transport::Usb : sim::Transport::Bt;
    }
    std::vector<int> BoxCommands() { return Commands(Box(), Transport()); }

private:
    sim::Box* box_ = nullptr;
};

} // namespace acceptance
