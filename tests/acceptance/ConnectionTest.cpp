// The link as the user meets it: Bluetooth when no box is on USB (one box, several boxes and
// the device-choice dialog, no box at all), disconnecting and connecting again by clicks on
// the status panel, and closing the window while connected, while the Bluetooth open runs
// and while disconnected.
#include "tests/acceptance/AcceptanceHarness.h"

#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameTools.h"
#include "controls/SBPro.h"
#include "device/bluetooth/FrmMultipleBtDevices.h"
#include "device/usb/ChipTuningUsb.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Application.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/Font.h"

#include <algorithm>

namespace acceptance {
namespace {

using Cmds = std::vector<int>;

bool Contains(const Cmds& cmds, int cmd) {
    return std::find(cmds.begin(), cmds.end(), cmd) != cmds.end();
}

TEST_F(TTool, WithoutAUsbBoxTheBluetoothBoxIsFoundAndConnected) {
    TBtBox& bt = AddBtBox();
    RunProgram([&] {
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("Connecting..."));
        ASSERT_TRUE(ConnectAndPoll());
        EXPECT_EQ(Window()->CurrentDevice, Window()->BtDevice);
        EXPECT_EQ(StatusText(), QStringLiteral("Connected"));
        EXPECT_EQ(MessagePanelText(), QStringLiteral("Tuning is ON --- Active: Map 1"));
        const Cmds sent = Commands(bt.box, sim::Transport::Bt);
        ASSERT_FALSE(sent.empty());
        // Identified first, then polled.
        EXPECT_EQ(sent.front(), 0x90);
        EXPECT_TRUE(Contains(sent, 0x05));
        EXPECT_TRUE(Contains(sent, 0x0C));
        EXPECT_TRUE(modals.isEmpty());
    });
}

// Several boxes answer: the user chooses in the dialog; boot-loader boxes are marked.
TEST_F(TTool, SeveralBluetoothBoxesAreOfferedAndTheChosenOneIsConnected) {
    TBtBox& first = AddBtBox();
    TBtBox& boot = AddBtBox();
    boot.box.SetIdentity("ChipTuning BOOTLOADER");
    QStringList lines;
    onModal = [&](TCustomForm* form) {
        auto* dialog = dynamic_cast<TfrmMultipleBtDevices*>(form);
        if (!dialog) return int(mrCancel);
        for (int i = 0; i < dialog->cbBtDeviceSelect->Items()->Count(); ++i)
            lines << dialog->cbBtDeviceSelect->Items()->Strings(i);
        dialog->cbBtDeviceSelect->SetItemIndex(1);
        return int(mrOk);
    };
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        EXPECT_EQ(modals, QStringList({"TfrmMultipleBtDevices"}));
        EXPECT_EQ(lines, QStringList({first.Line(), boot.Line("BOOTLOADER")}));
        first.box.ClearLog();
        boot.box.ClearLog();
        Tick(1000);
        EXPECT_TRUE(Contains(Commands(boot.box, sim::Transport::Bt), 0x05));
        EXPECT_EQ(first.box.Requests().size(), 0u);
    });
}

TEST_F(TTool, CancellingTheDeviceChoiceLeavesNoConnection) {
    AddBtBox();
    AddBtBox();
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(WaitUntil([&] { return State() == Disconnected; }));
        Tick();
        EXPECT_EQ(modals, QStringList({"TfrmMultipleBtDevices"}));
        EXPECT_EQ(StatusText(), QStringLiteral("No connection"));
        EXPECT_EQ(StatusPanel()->Color(), clRed);
    });
}

// No box anywhere: "No connection", and the tool does not try again by itself.
TEST_F(TTool, NoBoxGivesNoConnectionAndNoRetry) {
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(WaitUntil([&] { return State() == Disconnected; }));
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("No connection"));
        EXPECT_EQ(StatusPanel()->Color(), clRed);
        EXPECT_EQ(StatusPanel()->Font()->Color(), clBlack);
        const std::size_t opens =
            sim::FakeUsb::Calls("usb_open").size() + sim::FakeUsb::Calls("usb_find_busses").size();
        for (int i = 0; i < 25; ++i)
            Tick();
        EXPECT_EQ(State(), Disconnected);
        EXPECT_EQ(sim::FakeUsb::Calls("usb_open").size() + sim::FakeUsb::Calls("usb_find_busses").size(),
                  opens);
        EXPECT_EQ(StatusText(), QStringLiteral("No connection"));
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
}

class ConnectionOverLink : public TToolOverLink {};

TEST_P(ConnectionOverLink, ClicksOnTheStatusPanelDisconnectAndConnectAgain) {
    sim::Box& box = Box();
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        // A click during "Connected" disconnects.
        ClickStatusPanel();
        EXPECT_EQ(State(), DisconnectRequested);
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("Disconnecting..."));
        EXPECT_EQ(State(), Disconnected);
        if (GetParam() == Link::Usb) {
            EXPECT_EQ(UsbDeviceHandle, nullptr);
        }
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("No connection"));
        // While disconnected nothing goes to the box, whatever time passes.
        box.ClearLog();
        for (int i = 0; i < 20; ++i)
            Tick();
        EXPECT_EQ(box.Requests().size(), 0u);
        EXPECT_EQ(State(), Disconnected);
        // A second click connects again.
        ClickStatusPanel();
        EXPECT_EQ(State(), ConnectRequested);
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("Connecting..."));
        ASSERT_TRUE(WaitUntil([&] { return State() != ConnectRequested; }));
        ASSERT_TRUE(TickUntil([&] { return StatusText() == QStringLiteral("Connected"); }, 1000));
        box.ClearLog();
        Tick(1000);
        EXPECT_TRUE(Contains(BoxCommands(), 0x05));
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
}

// Closing while connected: the close is refused, the link is closed on the next tick and the
// window then closes without a second request; the settings are written.
TEST_P(ConnectionOverLink, ClosingWhileConnectedDisconnectsThenCloses) {
    sim::Box& box = Box();
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        Window()->Close();
        EXPECT_FALSE(Application->Terminated());
        EXPECT_TRUE(Window()->Visible());
        EXPECT_EQ(State(), CloseRequested);
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("Disconnecting..."));
        EXPECT_TRUE(Application->Terminated());
        EXPECT_EQ(State(), Disconnected);
        box.ClearLog();
    });
    EXPECT_EQ(box.Requests().size(), 0u);
    EXPECT_EQ(UsbDeviceHandle, nullptr);
    EXPECT_TRUE(SettingsFile().contains("Language=en"));
}

INSTANTIATE_TEST_SUITE_P(Links, ConnectionOverLink, ::testing::Values(Link::Usb, Link::Bluetooth), LinkName);

// Closing while the Bluetooth open still runs: the tick waits for the worker, closes the
// device and the window; the worker's own result does not keep the window open.
TEST_F(TTool, ClosingDuringTheBluetoothOpenWaitsForItAndCloses) {
    TBtBox& bt = AddBtBox();
    // The identification's reply comes late (in real time), so the open is still running.
    sim::FaultRule slow;
    slow.command = 0x90;
    slow.times = 1;
    slow.action.delayMs = 100;
    bt.box.AddFault(slow);
    RunProgram([&] {
        Tick();
        ASSERT_EQ(State(), ConnectRequested);
        Window()->Close();
        EXPECT_EQ(State(), CloseRequested);
        Tick();
        EXPECT_TRUE(Application->Terminated());
        EXPECT_EQ(State(), Disconnected);
    });
    EXPECT_TRUE(SettingsFile().contains("Language=en"));
}

TEST_F(TTool, ClosingWhileDisconnectedClosesAtOnce) {
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(WaitUntil([&] { return State() == Disconnected; }));
        Window()->Close();
        EXPECT_TRUE(Application->Terminated());
    });
    EXPECT_FALSE(SettingsFile().isEmpty());
}

} // namespace
} // namespace acceptance
