// Mouse and key routing: window-less children by hit test, capture, double click, wheel,
// enter and leave, key events with the form's preview, and the dialog keys.
#include "ControlFixture.h"

#include "platform/controls/Mouse.h"
#include "platform/controls/Screen.h"
#include "platform/win/Clock.h"

#include <QEvent>
#include <QPalette>
#include <QToolTip>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
// A shown form with a windowed box and a window-less spot on it.
struct MouseFixture : ::testing::Test {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    TTestBox* box = nullptr;
    TTestSpot* spot = nullptr;
    void SetUp() override {
        RegisterFixtureClasses();
        form->SetClientSize(300, 200);
        box = new TTestBox(form.get());
        box->SetName(QStringLiteral("Box"));
        box->SetBounds(10, 10, 200, 150);
        box->SetParent(form.get());
        spot = new TTestSpot(form.get());
        spot->SetName(QStringLiteral("Spot"));
        spot->SetBounds(50, 40, 30, 20);
        spot->SetParent(box);
        form->Show();
        Log().clear();
    }
    void TearDown() override { Mouse->SetCapture(nullptr); }
};
} // namespace

TEST_F(MouseFixture, WindowlessChildGetsMouseByHitTestWithCapture) {
    int clicks = 0;
    spot->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
    SendMouse(box, QEvent::MouseButtonPress, 55, 45);
    // Captured: the move and the release outside the spot still go to it.
    SendMouse(box, QEvent::MouseMove, 150, 100);
    SendMouse(box, QEvent::MouseButtonRelease, 150, 100);
    EXPECT_EQ(Log(), QStringList({QStringLiteral("Spot.Down 0 5,5 "), QStringLiteral("Spot.Move 100,60"),
                                  QStringLiteral("Spot.Up 100,60")}));
    EXPECT_EQ(clicks, 0); // released outside: no click
    Log().clear();
    SendMouse(box, QEvent::MouseButtonPress, 5, 5);
    SendMouse(box, QEvent::MouseButtonRelease, 6, 6);
    EXPECT_EQ(Log(), QStringList({QStringLiteral("Box.Down 0 5,5 "), QStringLiteral("Box.Up 6,6")}));
    SendMouse(box, QEvent::MouseButtonPress, 55, 45);
    SendMouse(box, QEvent::MouseButtonRelease, 56, 46);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Mouse->Capture(), nullptr);
}

TEST_F(MouseFixture, DoubleClickGivesSsDoubleThenDblClick) {
    QStringList events;
    spot->OnClick = TNotifyEvent([&](TObject*) { Log() << QStringLiteral("Click"); });
    spot->OnDblClick = TNotifyEvent([&](TObject*) { Log() << QStringLiteral("DblClick"); });
    SendMouse(box, QEvent::MouseButtonPress, 55, 45);
    SendMouse(box, QEvent::MouseButtonRelease, 55, 45);
    SendMouse(box, QEvent::MouseButtonDblClick, 55, 45);
    SendMouse(box, QEvent::MouseButtonRelease, 55, 45);
    EXPECT_EQ(Log(), QStringList({QStringLiteral("Spot.Down 0 5,5 "), QStringLiteral("Click"),
                                  QStringLiteral("Spot.Up 5,5"), QStringLiteral("Spot.Down 0 5,5 D"),
                                  QStringLiteral("DblClick"), QStringLiteral("Spot.Up 5,5")}));
    // Without csDoubleClicks the second press is a plain press and clicks again.
    TControlStyle s = spot->ControlStyle();
    spot->SetControlStyle(s >> csDoubleClicks);
    Log().clear();
    SendMouse(box, QEvent::MouseButtonDblClick, 55, 45);
    SendMouse(box, QEvent::MouseButtonRelease, 55, 45);
    EXPECT_EQ(Log(), QStringList({QStringLiteral("Spot.Down 0 5,5 "), QStringLiteral("Click"),
                                  QStringLiteral("Spot.Up 5,5")}));
}

TEST_F(MouseFixture, WheelComesInWholeNotchesAndBubblesToTheParent) {
    std::vector<int> deltas;
    int downs = 0;
    box->OnMouseWheel =
        TMouseWheelEvent([&](TObject*, TShiftState, int d, TPoint, bool&) { deltas.push_back(d); });
    form->OnMouseWheelDown = TMouseWheelUpDownEvent([&](TObject*, TShiftState, TPoint, bool& handled) {
        ++downs;
        handled = true;
    });
    SendWheel(box, 20, 20, 60);
    EXPECT_TRUE(deltas.empty()); // half a notch waits for the rest
    SendWheel(box, 20, 20, 60);
    SendWheel(box, 20, 20, -240);
    EXPECT_EQ(deltas, (std::vector<int>{120, -240}));
    // The box left the notch unhandled; its form took the downward one.
    EXPECT_EQ(downs, 1);
}

TEST_F(MouseFixture, EnterAndLeaveForWindowlessChildren) {
    SendMouse(box, QEvent::MouseMove, 5, 5);
    SendMouse(box, QEvent::MouseMove, 55, 45);
    SendMouse(box, QEvent::MouseMove, 5, 5);
    QStringList filtered;
    for (const QString& s : Log())
        if (s.contains(QStringLiteral("Enter")) || s.contains(QStringLiteral("Leave"))) filtered << s;
    EXPECT_EQ(filtered, QStringList({QStringLiteral("Spot.Enter"), QStringLiteral("Spot.Leave")}));
    EXPECT_FALSE(spot->MouseInClient());
}

TEST_F(MouseFixture, DisabledWindowlessChildLetsThePressThrough) {
    spot->SetEnabled(false);
    SendMouse(box, QEvent::MouseButtonPress, 55, 45);
    SendMouse(box, QEvent::MouseButtonRelease, 55, 45);
    EXPECT_EQ(Log().front(), QStringLiteral("Box.Down 0 55,45 "));
}

namespace {
struct KeyFixture : ::testing::Test {
    std::unique_ptr<TKeyForm, Free> form;
    void SetUp() override {
        form.reset(MakeForm<TKeyForm>());
        form->Show();
        Log().clear();
    }
};
} // namespace

TEST_F(KeyFixture, TabMovesFocusInTabOrderSkippingControlsWithoutTabStop) {
    // The first control in tab order got the focus on show.
    EXPECT_EQ(form->ActiveControl(), form->Edit1);
    SendKey(form->Edit1, Qt::Key_Tab);
    EXPECT_EQ(form->ActiveControl(), form->Edit3);
    SendKey(form->Edit3, Qt::Key_Tab);
    EXPECT_EQ(form->ActiveControl(), form->Edit2);
    SendKey(form->Edit2, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(form->ActiveControl(), form->Edit3);
    EXPECT_TRUE(form->Edit3->Focused());
    // A handled dialog key makes no KeyDown or KeyPress.
    for (const QString& s : Log())
        EXPECT_FALSE(s.contains(QStringLiteral("Key")));
}

TEST_F(KeyFixture, EnterAndEscapeClickDefaultAndCancelUnlessTheControlWantsThem) {
    SendKey(form->Edit1, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    SendKey(form->Edit1, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_EQ(Log(), QStringList({QStringLiteral("OkClick"), QStringLiteral("CancelClick")}));
    Log().clear();
    form->Edit1->DlgCode = DLGC_WANTALLKEYS;
    SendKey(form->Edit1, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(Log(), QStringList({QStringLiteral("Edit1.KeyDown 13 "), QStringLiteral("Edit1.KeyPress 13")}));
}

TEST_F(KeyFixture, DialogKeysGoUpTheParentsBeforeTheForm) {
    form->Group->TakesDialogKey = VK_TAB;
    SendKey(form->Edit1, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Log(), QStringList({QStringLiteral("Group.DialogKey 9")}));
    EXPECT_EQ(form->ActiveControl(), form->Edit1);
}

TEST_F(KeyFixture, KeyPreviewRunsTheFormFirstAndZeroKeyStopsTheControl) {
    form->SetKeyPreview(true);
    form->OnKeyDown = TKeyEvent([](TObject*, Word& Key, TShiftState) {
        Log() << QStringLiteral("Form.KeyDown %1").arg(Key);
        if (Key == 'X') Key = 0;
    });
    form->Edit1->OnKeyPress = TKeyPressEvent([](TObject*, QChar& Key) {
        if (Key == u'q') Key = QChar();
    });
    SendKey(form->Edit1, Qt::Key_A, Qt::ShiftModifier, QStringLiteral("A"));
    SendKey(form->Edit1, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    SendKey(form->Edit1, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
    EXPECT_EQ(Log(),
              QStringList({QStringLiteral("Form.KeyDown 65"), QStringLiteral("Edit1.KeyDown 65 S"),
                           QStringLiteral("Edit1.KeyPress 65"), QStringLiteral("Form.KeyDown 88"),
                           QStringLiteral("Edit1.KeyPress 120"), QStringLiteral("Form.KeyDown 81"),
                           QStringLiteral("Edit1.KeyDown 81 "), QStringLiteral("Edit1.KeyPress 113")}));
}

TEST_F(KeyFixture, FocusSkipsHiddenControlsAndLeavesAHiddenOne) {
    form->Edit3->SetFocus();
    EXPECT_EQ(form->ActiveControl(), form->Edit3);
    form->Edit3->SetVisible(false);
    EXPECT_NE(form->ActiveControl(), form->Edit3);
    EXPECT_FALSE(form->Edit3->CanFocus());
    form->Edit1->SetFocus();
    SendKey(form->Edit1, Qt::Key_Tab);
    EXPECT_EQ(form->ActiveControl(), form->Edit2);
}

TEST_F(MouseFixture, CursorsShowThroughTheScreenTableWithoutInheritingTheParents) {
    HCURSOR custom = LoadCursor(0, IDC_CROSS);
    Screen->SetCursors(2020, custom);
    EXPECT_EQ(Screen->Cursors(2020), custom);
    // Unknown ids give the default cursor; stock ids their stock shape.
    EXPECT_EQ(Screen->Cursors(777), Screen->Cursors(crDefault));
    EXPECT_EQ(Screen->Cursors(crHourGlass), LoadCursor(0, IDC_WAIT));
    form->SetCursor(crHourGlass);
    struct Case {
        TCursor cursor;
        Qt::CursorShape shape;
    };
    const Case cases[] = {
        {crHandPoint, Qt::PointingHandCursor},
        {2020, Qt::CrossCursor},
        {crSizeWE, Qt::SizeHorCursor},
        // crDefault is the arrow, not the hourglass of the form behind.
        {crDefault, Qt::ArrowCursor},
    };
    for (const Case& c : cases) {
        box->SetCursor(c.cursor);
        EXPECT_EQ(box->Widget()->cursor().shape(), c.shape) << c.cursor;
    }
    EXPECT_EQ(form->Widget()->cursor().shape(), Qt::WaitCursor);
    // A window-less child's cursor shows while the mouse is over it.
    spot->SetCursor(crHSplit);
    SendMouse(box, QEvent::MouseMove, 55, 45);
    EXPECT_EQ(box->Widget()->cursor().shape(), Qt::SplitHCursor);
    spot->SetCursor(crVSplit);
    EXPECT_EQ(box->Widget()->cursor().shape(), Qt::SplitVCursor);
    SendMouse(box, QEvent::MouseMove, 5, 5);
    EXPECT_EQ(box->Widget()->cursor().shape(), Qt::ArrowCursor);
    Screen->SetCursors(2020, nullptr);
}

TEST_F(MouseFixture, PeekMessageRemovesTheClicksQtHoldsQueued) {
    PostMouse(box, QEvent::MouseButtonPress, 3, 4);
    PostMouse(box, QEvent::MouseButtonRelease, 3, 4);
    PostMessage(box->Handle(), WM_USER + 100, 1, 0);
    MSG msg;
    // Looking leaves the press in place; removing takes press and release in order.
    ASSERT_TRUE(PeekMessage(&msg, box->Handle(), WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, PM_NOREMOVE));
    EXPECT_EQ(msg.message, WM_LBUTTONDOWN);
    std::vector<UINT> removed;
    while (PeekMessage(&msg, box->Handle(), WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, PM_REMOVE)) {
        removed.push_back(msg.message);
        EXPECT_EQ(msg.lParam, LPARAM(3 | (4 << 16)));
    }
    EXPECT_EQ(removed, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    Application->ProcessMessages();
    EXPECT_EQ(Log(), QStringList{QStringLiteral("Box.User 1")});
    // A press that was only looked at is still delivered.
    Log().clear();
    PostMouse(box, QEvent::MouseButtonPress, 7, 8);
    ASSERT_TRUE(PeekMessage(&msg, box->Handle(), 0, 0, PM_NOREMOVE));
    Application->ProcessMessages();
    ASSERT_FALSE(Log().isEmpty());
    EXPECT_EQ(Log().front(), QStringLiteral("Box.Down 0 7,8 "));
}

namespace {
// A box that rewrites or refuses its hint (CM_HINTSHOW).
struct HintBox : TTestBox {
    explicit HintBox(TComponent* AOwner) : TTestBox(AOwner) {}
    bool Refuse = false;
    THintInfo Seen;
    void Dispatch(TMessage& Message) override {
        if (Message.Msg == CM_HINTSHOW) {
            auto* info = reinterpret_cast<THintInfo*>(Message.LParam);
            Seen = *info;
            info->HintStr += QStringLiteral("!");
            info->HintColor = clYellow;
            Message.Result = Refuse ? 1 : 0;
            return;
        }
        TTestBox::Dispatch(Message);
    }
};

struct HintFixture : MouseFixture {
    TFakeClock clock{1000};
    TClockOverride use{&clock};
    HintBox* hinted = nullptr;
    void SetUp() override {
        MouseFixture::SetUp();
        hinted = new HintBox(form.get());
        hinted->SetName(QStringLiteral("Hinted"));
        hinted->SetBounds(220, 10, 60, 60);
        hinted->SetParent(form.get());
        hinted->SetHint(QStringLiteral("Settings|Open the settings"));
        form->SetShowHint(true);
        box->SetHint(QStringLiteral("Box tip"));
        // The spot has no hint of its own: it shows its parent's.
        Application->ProcessMessages();
    }
    void TearDown() override {
        Application->CancelHint();
        MouseFixture::TearDown();
    }
    void wait(UInt64 ms) {
        clock.Advance(ms);
        Application->ProcessMessages();
    }
    QString tip() const { return QToolTip::isVisible() ? QToolTip::text() : QString(); }
};
} // namespace

TEST_F(HintFixture, HintShowsAfterThePauseAndHidesAfterTheHidePause) {
    SendMouse(hinted, QEvent::MouseMove, 10, 10);
    EXPECT_EQ(Application->Hint(), QStringLiteral("Open the settings"));
    wait(Application->HintPause() - 1);
    EXPECT_EQ(tip(), QString());
    wait(1);
    EXPECT_EQ(tip(), QStringLiteral("Settings!"));
    EXPECT_EQ(hinted->Seen.HintStr, QStringLiteral("Settings"));
    EXPECT_EQ(hinted->Seen.HintColor, Application->HintColor());
    EXPECT_EQ(hinted->Seen.HideTimeout, Application->HintHidePause());
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(255, 255, 0));
    // Moving within the control keeps it; after the hide pause it stays hidden there.
    SendMouse(hinted, QEvent::MouseMove, 12, 12);
    wait(Application->HintHidePause());
    EXPECT_EQ(tip(), QString());
    SendMouse(hinted, QEvent::MouseMove, 14, 14);
    wait(Application->HintPause());
    EXPECT_EQ(tip(), QString());
}

TEST_F(HintFixture, OtherControlsRefusalsPressesAndShowHintOff) {
    // A window-less child without hint shows its parent's after the pause.
    SendMouse(box, QEvent::MouseMove, 55, 45);
    wait(Application->HintPause());
    EXPECT_EQ(tip(), QStringLiteral("Box tip"));
    // The next control's hint follows after the short pause while one shows.
    SendMouse(hinted, QEvent::MouseMove, 10, 10);
    EXPECT_EQ(tip(), QString());
    wait(Application->HintShortPause());
    EXPECT_EQ(tip(), QStringLiteral("Settings!"));
    // A press hides it; the hint comes back only after a new full pause.
    SendMouse(hinted, QEvent::MouseButtonPress, 10, 10);
    SendMouse(hinted, QEvent::MouseButtonRelease, 10, 10);
    EXPECT_EQ(tip(), QString());
    SendMouse(hinted, QEvent::MouseMove, 11, 11);
    wait(Application->HintShortPause());
    EXPECT_EQ(tip(), QString());
    wait(Application->HintPause());
    EXPECT_EQ(tip(), QStringLiteral("Settings!"));
    Application->CancelHint();
    // Refused by the control, or hints off for the control or the program: none.
    hinted->Refuse = true;
    SendMouse(hinted, QEvent::MouseMove, 20, 20);
    wait(Application->HintPause());
    EXPECT_EQ(tip(), QString());
    hinted->Refuse = false;
    Application->CancelHint();
    hinted->SetShowHint(false);
    SendMouse(hinted, QEvent::MouseMove, 21, 21);
    wait(Application->HintPause());
    EXPECT_EQ(tip(), QString());
    hinted->SetParentShowHint(true);
    Application->SetShowHint(false);
    SendMouse(hinted, QEvent::MouseMove, 22, 22);
    wait(Application->HintPause());
    EXPECT_EQ(tip(), QString());
    Application->SetShowHint(true);
}

TEST_F(HintFixture, ActivateHintShowsTheHintAtAPointAtOnce) {
    Application->ActivateHint(hinted->ClientToScreen(TPoint{5, 5}));
    EXPECT_EQ(tip(), QStringLiteral("Settings!"));
    EXPECT_EQ(hinted->Seen.CursorPos, (TPoint{5, 5}));
    // A control freed while its hint shows takes the hint with it.
    FreeObject(hinted);
    EXPECT_EQ(tip(), QString());
    wait(Application->HintHidePause());
}

TEST_F(KeyFixture, KeyPreviewGivesTheFormKeyUpFirstAndZeroKeyStopsTheControl) {
    form->Edit1->OnKeyUp = TKeyEvent(
        [](TObject*, Word& Key, TShiftState) { Log() << QStringLiteral("Edit1.KeyUp %1").arg(Key); });
    form->OnKeyUp = TKeyEvent([](TObject*, Word& Key, TShiftState) {
        Log() << QStringLiteral("Form.KeyUp %1").arg(Key);
        if (Key == 'X') Key = 0;
    });
    // Without preview the form hears nothing of its controls' keys.
    SendKey(form->Edit1, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    form->SetKeyPreview(true);
    SendKey(form->Edit1, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    SendKey(form->Edit1, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QStringList ups;
    for (const QString& s : Log())
        if (s.contains(QStringLiteral("KeyUp"))) ups << s;
    EXPECT_EQ(ups, QStringList({QStringLiteral("Edit1.KeyUp 65"), QStringLiteral("Form.KeyUp 65"),
                                QStringLiteral("Edit1.KeyUp 65"), QStringLiteral("Form.KeyUp 88")}));
}
