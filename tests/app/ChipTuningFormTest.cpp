// The main window's connection state machine on the virtual clock, with scripted devices:
// the status panel after each tick, the device calls in order, the Bluetooth worker's result
// against what the window did meanwhile, and close requests in every state.
#include "app/forms/ChipTuningForm.h"
#include "controls/SBPro.h"
#include "controls/XcThread.h"
#include "device/OrvoTuningDevice.h"
#include "platform/controls/Application.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Font.h"
#include "platform/win/Clock.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

// The calls of both devices in order ("usb.Open", "bt.ReadMap 2 1", ...), from any thread.
struct TCallLog {
    std::mutex Lock;
    std::vector<std::string> Calls;
    void Add(const std::string& call) {
        std::lock_guard lock(Lock);
        Calls.push_back(call);
    }
    std::vector<std::string> Take() {
        std::lock_guard lock(Lock);
        std::vector<std::string> out;
        out.swap(Calls);
        return out;
    }
};

// A device whose Open answers from a script (false once the script is used up) and whose
// map reads answer from another (0 once used up). Open may be held until released.
class TScriptedDevice : public TOrvoTuningDevice {
public:
    TScriptedDevice(std::string name, TCallLog* log) : name_(std::move(name)), log_(log) {}

    bool Open() override {
        log_->Add(name_ + ".Open");
        {
            std::unique_lock lock(gate_);
            held_ = true;
            heldChanged_.notify_all();
            heldChanged_.wait(lock, [this] { return !Hold; });
            held_ = false;
        }
        if (OnOpen) OnOpen();
        return Pop(Opens, false);
    }
    bool Close() override {
        log_->Add(name_ + ".Close");
        return true;
    }
    bool GetTuning() override { return false; }
    void SetTuning(bool) override {}
    int SendMap(unsigned char, unsigned char, std::vector<unsigned char>) override { return 0; }
    int ReadMap(unsigned char channel, unsigned char map, std::vector<unsigned char>* out) override {
        log_->Add(name_ + ".ReadMap " + std::to_string(channel) + " " + std::to_string(map));
        out->assign(1024, 0);
        return Pop(Reads, 0);
    }
    int ReadVoltages(std::vector<unsigned char>*) override { return 0; }
    int GetActiveMap() override { return 1; }
    void ActivateMap(int) override {}
    int GetTriggeredInput() override { return 0; }
    void SetTriggeredInput(bool) override {}

    // Holds the next Open (on whichever thread calls it) until Release.
    void HoldOpen() {
        std::lock_guard lock(gate_);
        Hold = true;
    }
    void WaitUntilHeld() {
        std::unique_lock lock(gate_);
        heldChanged_.wait(lock, [this] { return held_; });
    }
    void Release() {
        std::lock_guard lock(gate_);
        Hold = false;
        heldChanged_.notify_all();
    }

    std::deque<bool> Opens;
    std::deque<int> Reads;
    std::function<void()> OnOpen; // runs on the opening thread after the hold

private:
    template <class T> T Pop(std::deque<T>& script, T otherwise) {
        std::lock_guard lock(gate_);
        if (script.empty()) return otherwise;
        T v = script.front();
        script.pop_front();
        return v;
    }
    std::string name_;
    TCallLog* log_;
    std::mutex gate_;
    std::condition_variable heldChanged_;
    bool Hold = false;
    bool held_ = false;
};

// A curve editor that reads map 1 of both channels through the window's current device.
class TScriptedEditor : public IChipTuningEditor {
public:
    explicit TScriptedEditor(TChipTuningForm* form) : form_(form), frame_(new TPanel(nullptr)) {}
    ~TScriptedEditor() override { FreeObject(frame_); }
    TControl* Frame() override { return frame_; }
    bool ReadMapAllChannels(int map) override {
        std::vector<unsigned char> image;
        for (unsigned char channel = 1; channel <= 2; ++channel)
            if (form_->CurrentDevice->ReadMap(channel, static_cast<unsigned char>(map), &image) != 0)
                return false;
        return true;
    }

private:
    TChipTuningForm* form_;
    TPanel* frame_;
};

using Calls = std::vector<std::string>;

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = ChipTuningParts();
        ChipTuningParts().CreateUsbDevice = [this] { return usb = new TScriptedDevice("usb", &log); };
        ChipTuningParts().CreateBtDevice = [this] { return bt = new TScriptedDevice("bt", &log); };
        ChipTuningParts().CreateEditor = [](TChipTuningForm* form, int) { return new TScriptedEditor(form); };
        ChipTuningParts().CreateTools = [](TChipTuningForm*) -> TControl* {
            auto* tools = new TPanel(nullptr);
            tools->SetWidth(75);
            return tools;
        };
        form = new TChipTuningForm(nullptr);
        form->AfterConstruction();
        form->OnClose = TCloseEvent([this](TObject*, TCloseAction& action) {
            ++closes;
            action = caHide;
        });
    }
    void TearDown() override {
        usb->Release();
        bt->Release();
        FreeAndNil(form);
        ChipTuningParts() = saved_;
        Application->ProcessMessages();
    }

    // One tick of the connection timer, and the messages it left (a posted close).
    void Tick() {
        clock.Advance(200);
        ASSERT_EQ(CheckTimers(), 1);
        Application->ProcessMessages();
    }
    void WaitWorker() { form->BtOpenThread->WaitFor(); }
    TStatusPanelPro* Status() {
        return form->StatusBarPro1->Panels()->GetByName(QStringLiteral("PanelStatus"));
    }
    void ExpectStatus(const char* text, TColor color, TColor fontColor) {
        EXPECT_EQ(Status()->Text(), QString::fromUtf8(text));
        EXPECT_EQ(Status()->Color(), color);
        EXPECT_EQ(Status()->Font()->Color(), fontColor);
    }
    // Connected over USB, the calls so far taken.
    void ConnectOverUsb() {
        usb->Opens = {true};
        Tick();
        Tick();
        Tick();
        ASSERT_EQ(form->ConnectionState, Connected);
        log.Take();
    }

    TFakeClock clock;
    TClockOverride clockOverride{&clock};
    TCallLog log;
    TScriptedDevice* usb = nullptr;
    TScriptedDevice* bt = nullptr;
    TChipTuningForm* form = nullptr;
    int closes = 0;

private:
    TChipTuningParts saved_;
};

TEST_F(MainWindow, BuildsItsFormAndStartsConnecting) {
    EXPECT_EQ(form->ConnectionState, ConnectRequested);
    EXPECT_EQ(form->CurrentDevice, form->UsbDevice);
    EXPECT_EQ(form->TimerConnectionStatus->Interval(), 200u);
    EXPECT_TRUE(form->TimerConnectionStatus->Enabled());
    ASSERT_EQ(form->StatusBarPro1->Panels()->Count(), 2);
    EXPECT_EQ(Status()->Width(), 200);
    EXPECT_EQ(Status()->Color(), clBtnFace);
    EXPECT_EQ(Status()->Font()->Name(), QStringLiteral("Segoe UI Semibold"));
    TStatusPanelPro* msgs = form->StatusBarPro1->Panels()->GetByName(QStringLiteral("PanelMsgs"));
    ASSERT_NE(msgs, nullptr);
    EXPECT_EQ(msgs->Color(), TColor(0x00FFFBF0));
    form->SetStatusMessage(QStringLiteral("Tuning on"));
    EXPECT_EQ(msgs->Text(), QStringLiteral("Tuning on"));
    EXPECT_EQ(form->WindowState(), wsMaximized);
    EXPECT_EQ(log.Take(), Calls{});
}

TEST_F(MainWindow, ConnectsOverUsbAndReadsBothEditorsMaps) {
    usb->Opens = {true};
    Tick();
    ExpectStatus("Connecting...", clYellow, clBlack);
    EXPECT_EQ(form->ConnectionState, Opened);
    EXPECT_EQ(log.Take(), Calls{"usb.Open"});
    Tick();
    // The map reads leave the panel as it was.
    ExpectStatus("Connecting...", clYellow, clBlack);
    EXPECT_EQ(form->ConnectionState, Connected);
    EXPECT_EQ(log.Take(),
              (Calls{"usb.ReadMap 1 1", "usb.ReadMap 2 1", "usb.ReadMap 1 1", "usb.ReadMap 2 1"}));
    Tick();
    ExpectStatus("Connected", clGreen, clYellow);
    Tick();
    ExpectStatus("Connected", clGreen, clYellow);
    EXPECT_EQ(log.Take(), Calls{});
}

TEST_F(MainWindow, AFailedMapReadIsAConnectionErrorThatStays) {
    struct Case {
        std::deque<int> reads;
        Calls calls;
    };
    const Case cases[] = {
        {{-1}, {"usb.ReadMap 1 1"}},
        {{0, 0, 0, -3}, {"usb.ReadMap 1 1", "usb.ReadMap 2 1", "usb.ReadMap 1 1", "usb.ReadMap 2 1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.calls.size());
        form->ConnectionState = ConnectRequested;
        usb->Opens = {true};
        usb->Reads = c.reads;
        Tick();
        log.Take();
        Tick();
        EXPECT_EQ(form->ConnectionState, ConnectionError);
        EXPECT_EQ(log.Take(), c.calls);
        Tick();
        Tick();
        ExpectStatus("Connection error", clRed, clYellow);
        EXPECT_EQ(log.Take(), Calls{});
    }
}

TEST_F(MainWindow, FallsBackToBluetoothOnTheWorker) {
    usb->Opens = {false};
    bt->Opens = {true};
    Tick();
    ExpectStatus("Connecting...", clYellow, clBlack);
    WaitWorker();
    EXPECT_EQ(form->ConnectionState, Opened);
    EXPECT_EQ(form->CurrentDevice, form->BtDevice);
    EXPECT_EQ(log.Take(), (Calls{"usb.Open", "bt.Open"}));
    Tick();
    EXPECT_EQ(form->ConnectionState, Connected);
    EXPECT_EQ(log.Take(), (Calls{"bt.ReadMap 1 1", "bt.ReadMap 2 1", "bt.ReadMap 1 1", "bt.ReadMap 2 1"}));
}

TEST_F(MainWindow, RetriesUsbWhileBluetoothOpensAndShowsNoConnectionWhenBothFail) {
    bt->HoldOpen();
    Tick();
    bt->WaitUntilHeld();
    Tick();
    Tick();
    // One worker only; USB on every tick.
    EXPECT_EQ(log.Take(), (Calls{"usb.Open", "bt.Open", "usb.Open", "usb.Open"}));
    form->PanelStatusClick(nullptr);
    EXPECT_EQ(form->ConnectionState, ConnectRequested);
    bt->Release();
    WaitWorker();
    EXPECT_EQ(form->ConnectionState, Disconnected);
    Tick();
    ExpectStatus("No connection", clRed, clBlack);
    Tick();
    ExpectStatus("No connection", clRed, clBlack);
    EXPECT_EQ(log.Take(), Calls{});
}

TEST_F(MainWindow, ClicksOnTheStatusPanelInEachState) {
    const struct {
        int from, to;
    } cases[] = {
        {ConnectRequested, ConnectRequested},   {Disconnected, ConnectRequested},
        {Opened, DisconnectRequested},          {Connected, DisconnectRequested},
        {ConnectionError, DisconnectRequested}, {DisconnectRequested, DisconnectRequested},
        {CloseRequested, CloseRequested},
    };
    for (const auto& c : cases) {
        form->ConnectionState = c.from;
        Status()->OnClick(Status());
        EXPECT_EQ(form->ConnectionState, c.to) << "from " << c.from;
    }
}

TEST_F(MainWindow, CloseRequestsInEachState) {
    for (int state = ConnectRequested; state <= CloseRequested; ++state) {
        form->ConnectionState = state;
        bool canClose = state != Disconnected;
        form->FormCloseQuery(form, canClose);
        EXPECT_EQ(canClose, state == Disconnected) << "state " << state;
        EXPECT_EQ(form->ConnectionState, state == Disconnected ? Disconnected : CloseRequested);
    }
}

TEST_F(MainWindow, DisconnectsOnAClickAndStaysDisconnected) {
    ConnectOverUsb();
    form->PanelStatusClick(nullptr);
    Tick();
    ExpectStatus("Disconnecting...", clYellow, clBlack);
    EXPECT_EQ(form->ConnectionState, Disconnected);
    EXPECT_EQ(log.Take(), Calls{"usb.Close"});
    EXPECT_EQ(closes, 0);
    Tick();
    ExpectStatus("No connection", clRed, clBlack);
    // A second click connects again.
    form->PanelStatusClick(nullptr);
    usb->Opens = {true};
    Tick();
    EXPECT_EQ(form->ConnectionState, Opened);
    EXPECT_EQ(log.Take(), Calls{"usb.Open"});
}

TEST_F(MainWindow, FailedVoltageReadsDisconnectWithoutReconnecting) {
    ConnectOverUsb();
    form->SetConnectionState(DisconnectRequested);
    Tick();
    Tick();
    Tick();
    ExpectStatus("No connection", clRed, clBlack);
    EXPECT_EQ(log.Take(), Calls{"usb.Close"});
}

TEST_F(MainWindow, ClosingWhileConnectedDisconnectsThenCloses) {
    ConnectOverUsb();
    form->Close();
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(form->ConnectionState, CloseRequested);
    Tick();
    ExpectStatus("Disconnecting...", clYellow, clBlack);
    EXPECT_EQ(log.Take(), Calls{"usb.Close"});
    EXPECT_EQ(closes, 1);
}

TEST_F(MainWindow, ClosingWhileBluetoothOpensWaitsForTheWorkerAndClosesItsLink) {
    bt->Opens = {true};
    bt->HoldOpen();
    Tick();
    bt->WaitUntilHeld();
    form->Close();
    EXPECT_EQ(form->ConnectionState, CloseRequested);
    // The worker ends during the tick's wait; its link is closed and the window closes.
    QMetaObject::invokeMethod(
        qApp, [this] { bt->Release(); }, Qt::QueuedConnection);
    Tick();
    EXPECT_EQ(form->ConnectionState, Disconnected);
    EXPECT_EQ(log.Take(), (Calls{"usb.Open", "bt.Open", "bt.Close", "bt.Close"}));
    EXPECT_EQ(closes, 1);
}

// The worker opened Bluetooth after USB had won on a later tick: the window stays on USB and
// the Bluetooth link is closed, whatever the worker's result.
TEST_F(MainWindow, UsbOpenedWhileTheWorkerRanKeepsUsbAndClosesBluetooth) {
    for (bool btOpens : {true, false}) {
        SCOPED_TRACE(btOpens);
        form->ConnectionState = ConnectRequested;
        usb->Opens = {false, true};
        bt->Opens = {btOpens};
        bt->HoldOpen();
        Tick();
        bt->WaitUntilHeld();
        Tick();
        EXPECT_EQ(form->ConnectionState, Opened);
        EXPECT_EQ(form->CurrentDevice, form->UsbDevice);
        bt->Release();
        WaitWorker();
        EXPECT_EQ(form->ConnectionState, Opened);
        EXPECT_EQ(form->CurrentDevice, form->UsbDevice);
        Tick();
        EXPECT_EQ(form->ConnectionState, Connected);
        Calls expected{"usb.Open", "bt.Open", "usb.Open"};
        if (btOpens) expected.push_back("bt.Close");
        for (int i = 0; i < 2; ++i) {
            expected.push_back("usb.ReadMap 1 1");
            expected.push_back("usb.ReadMap 2 1");
        }
        EXPECT_EQ(log.Take(), expected);
        Tick();
        ExpectStatus("Connected", clGreen, clYellow);
    }
}

// A close asked while a disconnect waits for the worker is honoured once the wait is over.
TEST_F(MainWindow, ACloseDuringADisconnectsWaitClosesTheWindow) {
    usb->Opens = {false, true};
    bt->HoldOpen();
    Tick();
    bt->WaitUntilHeld();
    Tick();
    Tick();
    ASSERT_EQ(form->ConnectionState, Connected);
    form->PanelStatusClick(nullptr);
    // The user closes the window while the tick waits; then the worker ends.
    QMetaObject::invokeMethod(
        qApp,
        [this] {
            form->Close();
            bt->Release();
        },
        Qt::QueuedConnection);
    Tick();
    EXPECT_EQ(form->ConnectionState, Disconnected);
    EXPECT_EQ(closes, 1);
}

TEST_F(MainWindow, EditorsShareTheWidthLeftByTheToolsColumn) {
    form->SetClientWidth(1000);
    form->FormResize(form);
    EXPECT_EQ(form->FrameChartLeft->Frame()->Width(), 462);
    EXPECT_EQ(form->FrameChartRight->Frame()->Width(), 462);
    EXPECT_EQ(form->FrameChartLeft->Frame()->Parent(), form->PanelChart);
    EXPECT_LT(form->FrameChartLeft->Frame()->Left(), form->FrameTools->Left());
    EXPECT_LT(form->FrameTools->Left(), form->FrameChartRight->Frame()->Left());
}

TEST(MainWindowCaption, IsTheTitleAndTheProgramsVersion) {
    EXPECT_EQ(MainWindowCaption(), QStringLiteral("ORVO Tuning 1.2.0.16"));
}

} // namespace
