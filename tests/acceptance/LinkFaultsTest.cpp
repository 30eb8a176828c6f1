// Faults on the link, over each transport, met through the tools column: refused, corrupted,
// silent and cut replies and a box that goes away mid-transfer. The tool shows the failure's
// message once per operation, waits no longer than the link's time-outs, keeps the last state
// the box reported, and can always disconnect, reconnect and close.
#include "tests/acceptance/AcceptanceHarness.h"

#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameTools.h"
#include "controls/XcSpeedButton.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/CustomForm.h"

#include <chrono>

namespace acceptance {
namespace {

class LinkFaults : public TToolOverLink {
protected:
    // A rule for every exchange of one command.
    static sim::FaultRule On(std::uint8_t command, const sim::FaultAction& action) {
        sim::FaultRule rule;
        rule.command = command;
        rule.action = action;
        return rule;
    }
    // Clicks a control and checks how long the operation took: virtual time at most
    // maxVirtualMs (the link's time-outs), real time well under a few seconds.
    void TimedClick(TControl* control, UInt64 maxVirtualMs) {
        const UInt64 before = clock.Milliseconds();
        const auto realBefore = std::chrono::steady_clock::now();
        Click(control);
        EXPECT_LE(clock.Milliseconds() - before, maxVirtualMs);
        EXPECT_LT(std::chrono::steady_clock::now() - realBefore, std::chrono::seconds(5));
    }
    // Two attempts of 2000 ms and the look for a late reply over Bluetooth; USB fails at once.
    UInt64 Timeouts() const { return GetParam() == Link::Usb ? 50 : 2 * 2000 + 500 + 200; }
    // Disconnects and connects again with two clicks on the status panel.
    void Reconnect() {
        ClickStatusPanel();
        Tick();
        ASSERT_EQ(State(), Disconnected);
        ClickStatusPanel();
        Tick();
        ASSERT_TRUE(WaitUntil([&] { return State() != ConnectRequested; }));
        ASSERT_TRUE(TickUntil([&] { return State() == Connected; }, 1000));
    }
};

TEST_P(LinkFaults, RefusedCorruptedAndSilentRepliesShowTheirMessageOnce) {
    sim::Box& box = Box();
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());

        // Refused: the box answers with an error status.
        sim::FaultAction refused;
        refused.status = sim::StatusInvalidParameter;
        box.AddFault(On(0x04, refused));
        TimedClick(Tools()->btnTuningOn, Timeouts());
        EXPECT_EQ(MessageTexts(), QStringList({"Failed to turn on/off tuning."}));
        box.ClearFaults();
        // The box did switch (only its reply was wrong); back on for what follows.
        box.SetTuningOff(false);
        messages.clear();

        // Corrupted: over Bluetooth a wrong checksum, over USB a wrong length field.
        sim::FaultAction corrupted;
        if (GetParam() == Link::Usb)
            corrupted.length = 1;
        else
            corrupted.badChecksum = true;
        box.AddFault(On(0x09, corrupted));
        TimedClick(Tools()->btnMap2, Timeouts());
        EXPECT_EQ(MessageTexts(), QStringList({"Failed to activate map."}));
        box.ClearFaults();
        messages.clear();
        // Over Bluetooth two failed reads make the device refuse every command until the link
        // is opened again; two clicks on the status panel do that.
        Reconnect();
        Click(Tools()->btnMap3);
        EXPECT_EQ(box.ActiveMap(), 3);
        EXPECT_TRUE(MessageTexts().isEmpty());

        // Silent: the request is carried out but no reply comes.
        sim::FaultAction silent;
        silent.noReply = true;
        box.AddFault(On(0x0B, silent));
        std::function<int(TCustomForm*)> previous = onModal;
        onModal = [](TCustomForm*) { return int(mrOk); };
        TimedClick(Tools()->btnSettings, Timeouts() + 2 * 2000 + 500);
        onModal = previous;
        EXPECT_EQ(MessageTexts(), QStringList({"Failed to set triggered input."}));
        box.ClearFaults();
        messages.clear();
        Reconnect();
        Tick(1000);
        EXPECT_EQ(MessagePanelText(), QStringLiteral("Tuning is ON --- Active: Map 3"));
    });
}

// The box goes away in the middle of a reply to the poll: nothing hangs, the buttons keep the
// last state the box reported, a command shows its failure once, and the window still closes.
TEST_P(LinkFaults, ABoxThatDisappearsMidTransferNeverHoldsTheToolUp) {
    sim::Box& box = Box();
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        Click(Tools()->btnMap2);
        Tick(1000);
        ASSERT_EQ(MessagePanelText(), QStringLiteral("Tuning is ON --- Active: Map 2"));
        sim::FaultAction gone;
        gone.cutAfter = 2;
        gone.hangUp = true;
        box.AddFault(On(0x0C, gone));
        const auto realBefore = std::chrono::steady_clock::now();
        Tick(1000);
        Tick(1000);
        EXPECT_LT(std::chrono::steady_clock::now() - realBefore, std::chrono::seconds(5));
        EXPECT_TRUE(MessageTexts().isEmpty());
        if (GetParam() == Link::Bluetooth) {
            // Over Bluetooth the tool knows that the poll failed and keeps what it showed.
            EXPECT_EQ(MessagePanelText(), QStringLiteral("Tuning is ON --- Active: Map 2"));
            EXPECT_EQ(DownButtons(), QStringList({"2", "T"}));
        }
        if (Window()->FrameChartLeft) {
            // The curve editors' voltage reads fail too: the link ends without a message.
            EXPECT_TRUE(TickUntil([&] { return State() == Disconnected; }, 15000));
            EXPECT_TRUE(MessageTexts().isEmpty());
        } else {
            TimedClick(Tools()->btnMap3, Timeouts());
            EXPECT_EQ(MessageTexts(), QStringList({"Failed to activate map."}));
        }
        Window()->Close();
        EXPECT_TRUE(TickUntil([] { return Application->Terminated(); }, 1000));
    });
}

INSTANTIATE_TEST_SUITE_P(Links, LinkFaults, ::testing::Values(Link::Usb, Link::Bluetooth), LinkName);

} // namespace
} // namespace acceptance
