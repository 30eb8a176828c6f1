// The tools column against the box, over each transport: tuning on and off and the poll
// bringing the button back in line with the box; the map buttons as one group (map 4 leaving
// the visible buttons up, a click while disconnected sending nothing); the triggered-input
// dialog connected, disconnected and with the link lost while it is open.
#include "tests/acceptance/AcceptanceHarness.h"

#include "app/forms/ChipTuningForm.h"
#include "app/forms/FormSettings.h"
#include "app/forms/FrameTools.h"
#include "controls/XcSpeedButton.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CustomForm.h"

namespace acceptance {
namespace {

class ToolsOverLink : public TToolOverLink {};

TEST_P(ToolsOverLink, TuningButtonSwitchesTheBoxAndThePollFollowsTheBox) {
    sim::Box& box = Box();
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        ASSERT_EQ(DownButtons(), QStringList({"1", "T"}));
        // Off.
        Click(Tools()->btnTuningOn);
        EXPECT_TRUE(box.TuningOff());
        EXPECT_EQ(DownButtons(), QStringList({"1"}));
        Tick(1000);
        EXPECT_EQ(MessagePanelText(), QStringLiteral("Tuning is OFF --- Active: Map 1"));
        // On again.
        Click(Tools()->btnTuningOn);
        EXPECT_FALSE(box.TuningOff());
        Tick(1000);
        EXPECT_EQ(MessagePanelText(), QStringLiteral("Tuning is ON --- Active: Map 1"));
        // The box changes on its own (its switch): the next poll shows it.
        box.SetTuningOff(true);
        Tick(1000);
        EXPECT_EQ(DownButtons(), QStringList({"1"}));
        EXPECT_EQ(MessagePanelText(), QStringLiteral("Tuning is OFF --- Active: Map 1"));
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
}

TEST_P(ToolsOverLink, MapButtonsActAsOneGroupAndFollowTheBox) {
    sim::Box& box = Box();
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        Click(Tools()->btnMap2);
        EXPECT_EQ(box.ActiveMap(), 2);
        EXPECT_EQ(DownButtons(), QStringList({"2", "T"}));
        Tick(1000);
        EXPECT_EQ(MessagePanelText(), QStringLiteral("Tuning is ON --- Active: Map 2"));
        Click(Tools()->btnMap3);
        EXPECT_EQ(box.ActiveMap(), 3);
        EXPECT_EQ(DownButtons(), QStringList({"3", "T"}));
        // Map 4 (no visible button): the hidden button goes down, the visible ones up.
        box.SetActiveMap(4);
        Tick(1000);
        EXPECT_EQ(DownButtons(), QStringList({"4", "T"}));
        EXPECT_FALSE(Tools()->btnMap4->Visible());
        EXPECT_EQ(MessagePanelText(), QStringLiteral("Tuning is ON --- Active: Map 4"));

        // Disconnected: a click changes the button only; the poll after reconnecting puts
        // the box's map back.
        ClickStatusPanel();
        Tick();
        ASSERT_EQ(State(), Disconnected);
        box.ClearLog();
        Click(Tools()->btnMap2);
        EXPECT_EQ(DownButtons(), QStringList({"2", "T"}));
        EXPECT_EQ(box.Requests().size(), 0u);
        EXPECT_EQ(box.ActiveMap(), 4);
        ClickStatusPanel();
        Tick();
        ASSERT_TRUE(WaitUntil([&] { return State() != ConnectRequested; }));
        ASSERT_TRUE(TickUntil([&] { return State() == Connected; }, 1000));
        Tick(1000);
        EXPECT_EQ(DownButtons(), QStringList({"4", "T"}));
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
}

TEST_P(ToolsOverLink, TriggeredInputThroughTheSettingsDialog) {
    sim::Box& box = Box();
    box.SetTriggeredInput(1);
    bool shownChecked = false;
    bool check = false;
    std::function<void()> whileOpen;
    onModal = [&](TCustomForm* form) {
        if (form != FormSettings) return int(mrCancel);
        shownChecked = FormSettings->chbTriggeredInputActive->Checked();
        FormSettings->chbTriggeredInputActive->SetChecked(check);
        if (whileOpen) whileOpen();
        return int(mrOk);
    };
    RunProgram([&] {
        Tick();
        ASSERT_TRUE(ConnectAndPoll());
        // Connected: the dialog shows the box's state and sends the choice.
        Click(Tools()->btnSettings);
        EXPECT_EQ(modals, QStringList({"TFormSettings"}));
        EXPECT_TRUE(shownChecked);
        EXPECT_EQ(box.TriggeredInput(), 0);
        check = true;
        Click(Tools()->btnSettings);
        EXPECT_FALSE(shownChecked);
        EXPECT_EQ(box.TriggeredInput(), 1);

        // The link goes while the dialog is open: the choice is dropped without a word.
        check = false;
        whileOpen = [&] {
            ClickStatusPanel();
            Tick();
        };
        box.ClearLog();
        Click(Tools()->btnSettings);
        ASSERT_EQ(State(), Disconnected);
        EXPECT_EQ(box.TriggeredInput(), 1);
        whileOpen = nullptr;

        // Disconnected: the dialog still opens with its last state; nothing is sent.
        box.ClearLog();
        Click(Tools()->btnSettings);
        EXPECT_EQ(modals.size(), 4);
        EXPECT_EQ(box.Requests().size(), 0u);
        EXPECT_EQ(box.TriggeredInput(), 1);
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
}

INSTANTIATE_TEST_SUITE_P(Links, ToolsOverLink, ::testing::Values(Link::Usb, Link::Bluetooth), LinkName);

} // namespace
} // namespace acceptance
