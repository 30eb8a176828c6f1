// What the curve editors do to the state of the link, over each transport: a map read that
// fails at connect ("Read operation failed.", "Connection error", two clicks to recover) and
// voltage reads that fail (three in a row end the link, a success in between keeps it).
#include "tests/acceptance/AcceptanceHarness.h"

#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameChart.h"
#include "controls/SBPro.h"
#include "platform/controls/Application.h"
#include "platform/graphics/Font.h"

#include <signal.h>

namespace acceptance {
namespace {

class LinkState : public TToolOverLink {
protected:
    void SetUp() override {
        TToolOverLink::SetUp();
        if (!ChipTuningParts().CreateEditor) GTEST_SKIP() << "the program has no curve editors";
    }
    static sim::FaultRule On(std::uint8_t command, const sim::FaultAction& action, int times = -1) {
        sim::FaultRule rule;
        rule.command = command;
        rule.action = action;
        rule.times = times;
        return rule;
    }
    // Ticks of 50 ms, one voltage read per editor each, until cond holds (at most 20).
    bool TickUntil50(const std::function<bool()>& cond) {
        for (int i = 0; i < 20 && !cond(); ++i)
            Tick(50);
        return cond();
    }
    std::uint8_t ReadMapCommand() const { return GetParam() == Link::Usb ? 0x02 : 0x08; }
    void CloseDuringTheMapReads(bool signal);
};

void LinkState::CloseDuringTheMapReads(bool signal) {
    sim::Box& box = Box();
    sim::FaultAction refused;
    refused.status = sim::StatusInvalidParameter;
    box.AddFault(On(ReadMapCommand(), refused));
    int asked = 0;
    onMessage = [&](const TShownMessage&) {
        if (asked++ > 0) return;
        if (!signal) {
            Window()->Close();
            return;
        }
        // A log-out's SIGTERM: the program's own handler turns it into a close of the window.
        struct sigaction current {};
        ASSERT_EQ(::sigaction(SIGTERM, nullptr, &current), 0);
        ASSERT_NE(current.sa_handler, SIG_DFL) << "no SIGTERM handler while the program runs";
        ::raise(SIGTERM);
        WaitUntil([&] { return State() == CloseRequested; }, 5000);
    };
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(WaitUntil([&] { return State() != ConnectRequested; }));
        ASSERT_EQ(State(), Opened);
        Tick();
        // The left editor reads no further once the close is asked: one box.
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(State(), CloseRequested);
        EXPECT_FALSE(Application->Terminated());
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("Disconnecting..."));
        EXPECT_EQ(State(), Disconnected);
        EXPECT_TRUE(Application->Terminated());
    });
    EXPECT_EQ(MessageTexts(), QStringList{"Read operation failed."});
    EXPECT_TRUE(SettingsFile().contains("Language=en"));
}

TEST_P(LinkState, AFailedMapReadAtConnectIsAConnectionErrorClearedByTwoClicks) {
    sim::Box& box = Box();
    sim::FaultAction refused;
    refused.status = sim::StatusInvalidParameter;
    box.AddFault(On(ReadMapCommand(), refused));
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(WaitUntil([&] { return State() != ConnectRequested; }));
        ASSERT_TRUE(TickUntil([&] { return State() != Opened; }, 1000));
        EXPECT_EQ(State(), ConnectionError);
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("Connection error"));
        EXPECT_EQ(StatusPanel()->Color(), clRed);
        EXPECT_EQ(StatusPanel()->Font()->Color(), clYellow);
        // The left editor reads both its channels whatever the first gave, one message per
        // failed read; the right editor is not read.
        const QStringList failed{"Read operation failed.", "Read operation failed."};
        EXPECT_EQ(MessageTexts(), failed);
        // It stays so: nothing reconnects by itself, nothing more is read.
        box.ClearLog();
        for (int i = 0; i < 10; ++i)
            Tick();
        EXPECT_EQ(State(), ConnectionError);
        EXPECT_EQ(box.Requests().size(), 0u);
        // Disconnect, then connect again.
        box.ClearFaults();
        ClickStatusPanel();
        Tick();
        EXPECT_EQ(State(), Disconnected);
        ClickStatusPanel();
        Tick();
        ASSERT_TRUE(WaitUntil([&] { return State() != ConnectRequested; }));
        EXPECT_TRUE(TickUntil([&] { return StatusText() == QStringLiteral("Connected"); }, 1000));
        EXPECT_EQ(MessageTexts(), failed);
    });
}

// A close asked while a failed map read's message box is up (the box runs the application's
// messages) is carried out once the reads end: the link is closed on the next tick and the
// window closes, the settings written. Through the window's close and through SIGTERM.
TEST_P(LinkState, AWindowCloseDuringTheMapReadsIsCarriedOutOnceTheyEnd) {
    CloseDuringTheMapReads(false);
}

TEST_P(LinkState, ASigtermDuringTheMapReadsIsCarriedOutOnceTheyEnd) {
    CloseDuringTheMapReads(true);
}

TEST_P(LinkState, ThreeFailedVoltageReadsInARowEndTheLinkASuccessInBetweenKeepsIt) {
    sim::Box& box = Box();
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        TFrameChart* left = dynamic_cast<TFrameChart*>(Window()->FrameChartLeft);
        TFrameChart* right = dynamic_cast<TFrameChart*>(Window()->FrameChartRight);
        ASSERT_TRUE(left && right);
        // Refused reads (a reply with an error status, which the link itself takes as a
        // good exchange): two in a row on each editor, a success, two more.
        sim::FaultAction refused;
        refused.status = sim::StatusInvalidParameter;
        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round);
            box.AddFault(On(0x03, refused, 4));
            ASSERT_TRUE(TickUntil50([&] { return left->failedReads == 2 && right->failedReads == 2; }));
            EXPECT_EQ(State(), Connected);
            ASSERT_TRUE(TickUntil50([&] { return left->failedReads == 0 && right->failedReads == 0; }));
            EXPECT_EQ(State(), Connected);
        }
        // Then silence: the third failure in a row ends the link.
        sim::FaultAction silent;
        silent.noReply = true;
        box.AddFault(On(0x03, silent));
        ASSERT_TRUE(TickUntil([&] { return State() == Disconnected; }, 15000));
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("No connection"));
        // Not reconnected by itself.
        box.ClearFaults();
        for (int i = 0; i < 10; ++i)
            Tick();
        EXPECT_EQ(State(), Disconnected);
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
}

INSTANTIATE_TEST_SUITE_P(Links, LinkState, ::testing::Values(Link::Usb, Link::Bluetooth), LinkName);

} // namespace
} // namespace acceptance
