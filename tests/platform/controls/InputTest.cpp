// Mouse and key routing: window-less children by hit test, capture, double click, wheel,
// enter and leave, key events with the form's preview, and the dialog keys.
#include "ControlFixture.h"

#include "platform/controls/Mouse.h"

#include <QEvent>
#include <gtest/gtest.h>

#include <memory>

namespace {
struct Free {
    void operator()(TObject* o) const { FreeObject(o); }
};

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
