// The tools column on the virtual clock: the one-second poll (only while connected, and never
// turning a failed read into the box's state), the tuning and map buttons, the triggered-input
// dialog, copy, swap and clear between the curve editors, and both curves saved to and loaded
// from one map file.
#include "AppTestSupport.h"
#include "ToolsFrameTestSupport.h"
#include "app/MapFile.h"
#include "app/forms/ChipTuningForm.h"
#include "app/forms/FormSettings.h"
#include "app/forms/FrameTools.h"
#include "controls/XcSpeedButton.h"
#include "device/bluetooth/OrvoTuningBtDevice.h"
#include "device/usb/ChipTuningUsb.h"
#include "device/usb/OrvoTuningUsbDevice.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Messages.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/ImageList.h"
#include "platform/win/Clock.h"
#include "platform/win/MessageBox.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

using namespace toolstest;

class TFakeHost : public IToolsHost {
public:
    int ConnectionState() override { return State; }
    TOrvoTuningDevice* CurrentDevice() override { return Device; }
    IToolsCurveEditor* FrameChartLeft() override { return Left; }
    IToolsCurveEditor* FrameChartRight() override { return Right; }
    void SetStatusMessage(const String& text) override { Messages << text; }
    int State = Connected;
    TOrvoTuningDevice* Device = nullptr;
    IToolsCurveEditor* Left = nullptr;
    IToolsCurveEditor* Right = nullptr;
    QStringList Messages;
};

LPARAM At(int x, int y) {
    return LPARAM((x & 0xFFFF) | ((y & 0xFFFF) << 16));
}
void Click(TControl* c) {
    c->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    c->Perform(WM_LBUTTONUP, 0, At(10, 10));
}

CurvePoints Ramp(int step) {
    CurvePoints c(CurveLength);
    for (int i = 0; i < CurveLength; ++i)
        c[std::size_t(i)] = i % 7 == 0 ? CurveNoPoint : std::uint16_t((i * step) % 4096);
    return c;
}

class ToolsFrame : public ::testing::Test {
protected:
    void SetUp() override {
        UsbClose();
        previousBox_ = SetMessageBoxHook([this](void*, const String& text, const String&, unsigned) {
            Shown << text;
            return IDOK;
        });
        previousModal_ =
            SetShowModalHook([this](TCustomForm* form) { return OnModal ? OnModal(form) : mrCancel; });
        previousDialog_ = SetCommonDialogHook([this](TCommonDialog* dialog) {
            if (ChosenFile.isEmpty()) return false;
            static_cast<TOpenDialog*>(dialog)->SetFileName(ChosenFile);
            return true;
        });
        FormSettings = new TFormSettings(nullptr);
        FormSettings->AfterConstruction();
        form_ = new TForm(nullptr, 0);
        form_->SetClientSize(300, 700);
        frame = new TFrameTools(nullptr);
        frame->AfterConstruction();
        frame->SetHost(&host);
        frame->SetParent(form_);
        form_->Show();
        host.Device = &box;
        host.Left = &left;
        host.Right = &right;
    }
    void TearDown() override {
        FreeObject(form_);
        FreeObject(FormSettings);
        SetCommonDialogHook(previousDialog_);
        SetShowModalHook(previousModal_);
        SetMessageBoxHook(previousBox_);
    }
    // Moves the virtual clock on and fires the timers that are due.
    void Wait(int ms) {
        clock.Advance(UInt64(ms));
        CheckTimers();
    }
    QStringList DownButtons() {
        QStringList down;
        for (TXcSpeedButton* b :
             {frame->btnMap1, frame->btnMap2, frame->btnMap3, frame->btnMap4, frame->btnTuningOn})
            if (b->Down()) down << b->Name();
        return down;
    }

    TFakeClock clock{1000};
    TClockOverride useClock{&clock};
    TScriptedBtDevice box;
    TFakeEditor left{100};
    TFakeEditor right{200};
    TFakeHost host;
    TFrameTools* frame = nullptr;
    QStringList Shown;
    std::function<int(TCustomForm*)> OnModal;
    String ChosenFile;

private:
    TForm* form_ = nullptr;
    TMessageBoxHook previousBox_;
    TShowModalHook previousModal_;
    TCommonDialogHook previousDialog_;
};

TEST_F(ToolsFrame, ResourceBuildsTheColumn) {
    EXPECT_EQ(frame->Width(), 75);
    EXPECT_TRUE(frame->AutoSize());
    EXPECT_TRUE(frame->btnMap1->Down());
    EXPECT_FALSE(frame->btnMap4->Visible());
    EXPECT_FALSE(frame->btnPressure->Visible());
    EXPECT_FALSE(frame->btnEdit->Visible());
    EXPECT_EQ(frame->btnMap3->Tag(), 3);
    EXPECT_EQ(frame->btnMap2->GroupIndex(), 2);
    EXPECT_EQ(frame->btnTuningOn->GroupIndex(), 1);
    EXPECT_EQ(frame->btnTuningOn->Caption(), "Tuning On");
    EXPECT_EQ(frame->btnMoveL2R2L->Hint(), "Swap Channels");
    EXPECT_EQ(frame->BypassTimer->Interval(), 1000u);
    ASSERT_EQ(frame->ImageList1->Count(), 7);
    EXPECT_EQ(frame->ImageList1->Width(), 32);
    const std::pair<TButton*, int> pictures[] = {
        {frame->btnMoveR2L, 0}, {frame->btnMoveL2R, 1},   {frame->btnLoad, 2},    {frame->btnSave, 3},
        {frame->btnClear, 4},   {frame->btnMoveL2R2L, 5}, {frame->btnSettings, 6}};
    for (auto [button, index] : pictures) {
        EXPECT_EQ(button->ImageIndex(), index) << button->Name().toStdString();
        EXPECT_EQ(button->Images(), frame->ImageList1);
        EXPECT_EQ(button->Width(), 75);
        EXPECT_EQ(button->Height(), 40);
    }
    // Top to bottom as the column lists them (the hidden ones keep their places).
    EXPECT_LT(frame->btnTuningOn->Top(), frame->btnSettings->Top());
    EXPECT_LT(frame->btnSave->Top(), frame->btnClear->Top());
    EXPECT_LT(frame->btnMoveL2R->Top(), frame->btnMoveR2L->Top());
}

TEST_F(ToolsFrame, PollShowsTheBoxEachSecondOnlyWhileConnected) {
    for (int state :
         {ConnectRequested, Disconnected, Opened, ConnectionError, DisconnectRequested, CloseRequested}) {
        host.State = state;
        Wait(1000);
    }
    EXPECT_TRUE(box.Calls.isEmpty());
    EXPECT_TRUE(host.Messages.isEmpty());

    host.State = Connected;
    box.BoxState(true, 3);
    Wait(1000);
    EXPECT_EQ(box.Calls, QStringList({"05", "0C"}));
    EXPECT_EQ(DownButtons(), QStringList({"btnMap3"}));
    EXPECT_EQ(host.Messages.value(0), "Tuning is OFF --- Active: Map 3");

    // Map 4: the hidden button goes down and every visible one is up.
    box.BoxState(false, 4);
    Wait(999);
    EXPECT_EQ(host.Messages.size(), 1);
    Wait(1);
    EXPECT_EQ(DownButtons(), QStringList({"btnMap4", "btnTuningOn"}));
    EXPECT_EQ(host.Messages.value(1), "Tuning is ON --- Active: Map 4");

    // A map the tool has no button for leaves all four up.
    box.BoxState(false, 7);
    Wait(1000);
    EXPECT_EQ(DownButtons(), QStringList({"btnTuningOn"}));
    EXPECT_EQ(host.Messages.value(2), "Tuning is ON --- Active: Map 7");

    // After a disconnect the message keeps its last text.
    host.State = Disconnected;
    Wait(3000);
    EXPECT_EQ(host.Messages.size(), 3);
}

TEST_F(ToolsFrame, FailedPollLeavesButtonsAndMessageAsTheyWere) {
    box.BoxState(true, 3);
    Wait(1000);
    ASSERT_EQ(DownButtons(), QStringList({"btnMap3"}));
    // Unfolded, the failure would read as "tuning on, map 1".
    box.Silent = true;
    Wait(1000);
    EXPECT_EQ(DownButtons(), QStringList({"btnMap3"}));
    EXPECT_EQ(host.Messages, QStringList({"Tuning is OFF --- Active: Map 3"}));
    EXPECT_TRUE(Shown.isEmpty());
    // The poll goes on and follows the box again once it answers.
    box.Silent = false;
    box.BoxState(false, 2);
    Wait(1000);
    EXPECT_EQ(DownButtons(), QStringList({"btnMap2", "btnTuningOn"}));

    // Over USB with no box open every exchange fails.
    TOrvoTuningUsbDevice usb;
    host.Device = &usb;
    Wait(1000);
    EXPECT_EQ(DownButtons(), QStringList({"btnMap2", "btnTuningOn"}));
    EXPECT_EQ(host.Messages.size(), 2);
}

TEST_F(ToolsFrame, TuningButtonSwitchesTuning) {
    Click(frame->btnTuningOn);
    EXPECT_TRUE(frame->btnTuningOn->Down());
    Click(frame->btnTuningOn);
    EXPECT_FALSE(frame->btnTuningOn->Down());
    // Down: tuning on (not off); up: tuning off.
    EXPECT_EQ(box.Calls, QStringList({"04 0", "04 1"}));
    EXPECT_TRUE(Shown.isEmpty());

    box.Silent = true;
    Click(frame->btnTuningOn);
    EXPECT_EQ(Shown, QStringList({"Failed to turn on/off tuning."}));

    // Not connected: the button changes its look only.
    box.Calls.clear();
    host.State = Disconnected;
    Click(frame->btnTuningOn);
    EXPECT_FALSE(frame->btnTuningOn->Down());
    EXPECT_TRUE(box.Calls.isEmpty());
}

TEST_F(ToolsFrame, MapButtonsActAsOneGroup) {
    Click(frame->btnMap2);
    EXPECT_EQ(DownButtons(), QStringList({"btnMap2"}));
    // A click on the down button releases it and still activates its map.
    Click(frame->btnMap2);
    EXPECT_TRUE(DownButtons().isEmpty());
    EXPECT_EQ(box.Calls, QStringList({"09 2", "09 2"}));
    // Press, leave, release: nothing.
    frame->btnMap3->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    frame->btnMap3->Perform(WM_MOUSEMOVE, MK_LBUTTON, At(200, 10));
    frame->btnMap3->Perform(WM_LBUTTONUP, 0, At(200, 10));
    EXPECT_TRUE(DownButtons().isEmpty());
    EXPECT_EQ(box.Calls.size(), 2);
    // A click in code on a control that is no speed button sends nothing.
    frame->btnMapClick(frame->btnSave);
    EXPECT_EQ(box.Calls.size(), 2);

    box.Silent = true;
    Click(frame->btnMap1);
    EXPECT_EQ(Shown, QStringList({"Failed to activate map."}));

    // Disconnected: the buttons move, nothing is sent; the next poll while connected puts
    // them back in line with the box.
    box.Silent = false;
    box.Calls.clear();
    host.State = Disconnected;
    Click(frame->btnMap2);
    EXPECT_EQ(DownButtons(), QStringList({"btnMap2"}));
    EXPECT_TRUE(box.Calls.isEmpty());
    host.State = Connected;
    box.BoxState(true, 1);
    Wait(1000);
    EXPECT_EQ(DownButtons(), QStringList({"btnMap1"}));
}

TEST_F(ToolsFrame, SettingsDialogShowsAndSetsTheTriggeredInput) {
    TCheckBox* check = FormSettings->chbTriggeredInputActive;
    box.BoxState(false, 1, true);
    bool shownChecked = false;
    OnModal = [&](TCustomForm* form) {
        EXPECT_EQ(form, FormSettings);
        shownChecked = check->Checked();
        check->SetChecked(false);
        return mrOk;
    };
    Click(frame->btnSettings);
    EXPECT_TRUE(shownChecked);
    EXPECT_EQ(box.Calls, QStringList({"B1", "0B 0"}));

    // Cancel: nothing is set.
    box.Calls.clear();
    OnModal = [&](TCustomForm*) {
        check->SetChecked(false);
        return mrCancel;
    };
    Click(frame->btnSettings);
    EXPECT_EQ(box.Calls, QStringList({"B1"}));

    // The link lost while the dialog is open: the choice is dropped without a message.
    box.Calls.clear();
    OnModal = [&](TCustomForm*) {
        host.State = DisconnectRequested;
        return mrOk;
    };
    Click(frame->btnSettings);
    EXPECT_EQ(box.Calls, QStringList({"B1"}));
    EXPECT_TRUE(Shown.isEmpty());

    // Not connected, or a read that fails: the check box keeps its last state.
    for (bool connected : {false, true}) {
        host.State = connected ? Connected : Disconnected;
        box.Silent = connected;
        check->SetChecked(true);
        OnModal = [&](TCustomForm*) {
            shownChecked = check->Checked();
            return mrCancel;
        };
        Click(frame->btnSettings);
        EXPECT_TRUE(shownChecked) << connected;
    }
    box.Silent = true;
    OnModal = [&](TCustomForm*) { return mrOk; };
    Click(frame->btnSettings);
    EXPECT_EQ(Shown, QStringList({"Failed to set triggered input."}));
}

TEST_F(ToolsFrame, CopySwapAndClearActOnBothEditors) {
    const CurvePoints a = left.Shown, b = right.Shown;
    frame->btnMoveL2R->Click();
    EXPECT_EQ(right.Shown, a);
    EXPECT_EQ(left.Log, QStringList({"get"}));
    EXPECT_EQ(right.Log, QStringList({"set"}));

    right.Shown = b;
    frame->btnMoveR2L->Click();
    EXPECT_EQ(left.Shown, b);

    left.Shown = a;
    left.Log.clear();
    right.Log.clear();
    frame->btnMoveL2R2L->Click();
    EXPECT_EQ(left.Shown, b);
    EXPECT_EQ(right.Shown, a);
    EXPECT_EQ(left.Log, QStringList({"get", "set"}));
    EXPECT_EQ(right.Log, QStringList({"get", "set"}));

    // An editor without a channel gives nothing to copy or swap.
    left.Log.clear();
    right.Log.clear();
    left.HasChannel = false;
    frame->btnMoveL2R->Click();
    frame->btnMoveL2R2L->Click();
    EXPECT_TRUE(right.Log.isEmpty());

    frame->btnClear->Click();
    EXPECT_EQ(left.Log.last(), "clear");
    EXPECT_EQ(right.Log.last(), "clear");
}

class ToolsFrameFiles : public ToolsFrame {
protected:
    String Path(const char* name) { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(ToolsFrameFiles, SavesBothCurvesAndLoadsThemBack) {
    left.Shown = Ramp(3);
    right.Shown = Ramp(11);
    ChosenFile = Path("both.map");
    frame->btnSave->Click();
    EXPECT_TRUE(Shown.isEmpty());
    const QByteArray saved = FileBytes(ChosenFile);
    ASSERT_EQ(saved.size(), 2058);
    const Bytes expected = MapFileBytes({Ramp(3), Ramp(11)});
    EXPECT_EQ(Bytes(saved.begin(), saved.end()), expected);

    left.Shown.assign(CurveLength, 1);
    right.Shown.assign(CurveLength, 2);
    left.Log.clear();
    right.Log.clear();
    frame->btnLoad->Click();
    EXPECT_EQ(left.Shown, Ramp(3));
    EXPECT_EQ(right.Shown, Ramp(11));
    EXPECT_EQ(left.Log, QStringList({"set"}));
    EXPECT_EQ(right.Log, QStringList({"set"}));

    // A one-curve file loads into the left editor only.
    ChosenFile = Path("one.map");
    ASSERT_TRUE(SaveMapFile(ChosenFile, {Ramp(5)}));
    right.Log.clear();
    frame->btnLoad->Click();
    EXPECT_EQ(left.Shown, Ramp(5));
    EXPECT_TRUE(right.Log.isEmpty());
    EXPECT_TRUE(Shown.isEmpty());
}

TEST_F(ToolsFrameFiles, CancelledDialogsDoNothing) {
    ChosenFile.clear();
    frame->btnSave->Click();
    frame->btnLoad->Click();
    EXPECT_TRUE(Shown.isEmpty());
    EXPECT_EQ(left.Log, QStringList({"get"})) << "the curves are taken before the dialog opens";
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ToolsFrameFiles, SaveThatFailsSaysSoAndKeepsTheOldFile) {
    ChosenFile = Path("kept.map");
    const QByteArray old = QByteArray(MapFileBytes({Ramp(2)}).size(), 'x');
    ASSERT_TRUE(PutFile(ChosenFile, old));
    // An editor without a channel has no whole curve: no file that could not be read back.
    right.HasChannel = false;
    frame->btnSave->Click();
    EXPECT_EQ(Shown, QStringList({"Save operation failed!"}));
    EXPECT_EQ(FileBytes(ChosenFile), old);

    // A file that cannot be created.
    right.HasChannel = true;
    ChosenFile = Path("no-such-folder/x.map");
    frame->btnSave->Click();
    EXPECT_EQ(Shown.size(), 2);
    EXPECT_EQ(Shown.last(), "Save operation failed!");
    EXPECT_FALSE(QFile::exists(ChosenFile));
}

TEST_F(ToolsFrameFiles, BadFilesChangeAndSendNothing) {
    const Bytes a = MapFileBytes({Ramp(3)});
    const Bytes two = MapFileBytes({Ramp(3), Ramp(9)});
    auto cut = [](Bytes b, std::size_t n) {
        b.resize(n);
        return b;
    };
    auto with = [](Bytes b, std::size_t at, std::initializer_list<unsigned char> bytes) {
        for (unsigned char v : bytes)
            b[at++] = v;
        return b;
    };
    const std::pair<const char*, Bytes> cases[] = {
        {"empty", {}},
        {"format word only", cut(two, 2)},
        {"short first curve", cut(a, 1029)},
        {"short second curve", cut(two, 2057)},
        {"count 0", with(a, 2, {0, 0, 0, 0})},
        {"count 511", with(a, 2, {0xFF, 1, 0, 0})},
        {"count 513", with(a, 2, {1, 2, 0, 0})},
        {"format word 2", with(two, 0, {2, 0})},
        {"second count 600", with(two, 1030, {0x58, 2, 0, 0})},
        {"code 4096 in the second curve", with(two, 1040, {0, 0x10})},
    };
    for (const auto& [name, bytes] : cases) {
        ChosenFile = Path("bad.map");
        ASSERT_TRUE(PutFile(
            ChosenFile, QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()))));
        Shown.clear();
        frame->btnLoad->Click();
        EXPECT_EQ(Shown, QStringList({"Unsupported file format!"})) << name;
        EXPECT_TRUE(left.Log.isEmpty() && right.Log.isEmpty()) << name;
    }
    ChosenFile = Path("missing.map");
    Shown.clear();
    frame->btnLoad->Click();
    EXPECT_EQ(Shown, QStringList({"Unsupported file format!"}));
    EXPECT_TRUE(left.Log.isEmpty() && right.Log.isEmpty());
}

} // namespace
