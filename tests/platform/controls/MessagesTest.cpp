// The message queue: Perform is direct, posted messages come after the input already
// queued and in posting order, PeekMessage takes them out, a window gone drops its
// messages, and WM_CLOSE posted from a timer ends the application's loop when allowed.
#include "ControlFixture.h"

#include "platform/controls/Timer.h"

#include <QEvent>
#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {
struct Shown : ::testing::Test {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    TTestBox* box = nullptr;
    void SetUp() override {
        box = new TTestBox(form.get());
        box->SetName(QStringLiteral("Box"));
        box->SetBounds(0, 0, 100, 100);
        box->SetParent(form.get());
        form->Show();
        Application->ProcessMessages();
        Log().clear();
    }
};
} // namespace

TEST_F(Shown, PerformIsDirectAndPostedMessagesFollowQueuedInputInOrder) {
    box->Perform(WM_USER + 100, 1, 0);
    EXPECT_EQ(Log(), QStringList{QStringLiteral("Box.User 1")});
    Log().clear();
    PostMouse(box, QEvent::MouseButtonPress, 3, 4);
    PostMessage(box->Handle(), WM_USER + 100, 2, 0);
    PostMessage(box->Handle(), WM_USER + 100, 3, 0);
    EXPECT_TRUE(Log().isEmpty());
    Application->ProcessMessages();
    EXPECT_EQ(Log(), QStringList({QStringLiteral("Box.Down 0 3,4 "), QStringLiteral("Box.User 2"),
                                  QStringLiteral("Box.User 3")}));
}

TEST_F(Shown, PeekMessageRemovesAndDispatchDelivers) {
    PostMessage(box->Handle(), WM_USER + 100, 7, 0);
    PostMessage(box->Handle(), WM_USER + 100, 8, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, box->Handle(), WM_USER + 100, WM_USER + 100, PM_NOREMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    ASSERT_TRUE(PeekMessage(&msg, box->Handle(), WM_USER + 100, WM_USER + 100, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_FALSE(PeekMessage(&msg, box->Handle(), WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, PM_REMOVE));
    Application->ProcessMessages();
    EXPECT_EQ(Log(), QStringList{QStringLiteral("Box.User 8")});
    Log().clear();
    DispatchMessage(&msg);
    EXPECT_EQ(Log(), QStringList{QStringLiteral("Box.User 7")});
}

TEST_F(Shown, MessagesForAWindowDestroyedMeanwhileAreDropped) {
    HWND h = box->Handle();
    PostMessage(h, WM_USER + 100, 1, 0);
    FreeObject(box);
    Application->ProcessMessages();
    EXPECT_TRUE(Log().isEmpty());
    EXPECT_EQ(SendMessage(h, WM_USER + 100, 1, 0), 0);
    EXPECT_FALSE(PostMessage(h, WM_USER + 100, 1, 0));
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(Shown, MessagesPostedFromAnotherThreadArriveInOrder) {
    HWND h = box->Handle();
    std::thread t([h] {
        for (int i = 0; i < 50; ++i)
            PostMessage(h, WM_USER + 100, WPARAM(i), 0);
    });
    t.join();
    Application->ProcessMessages();
    ASSERT_EQ(Log().size(), 50);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(Log()[i], QStringLiteral("Box.User %1").arg(i));
}

TEST(ApplicationLoop, CloseFromATimerTickEndsTheLoopOnceAllowed) {
    auto* form = new TForm(nullptr, 0);
    auto* timer = new TTimer(form);
    int ticks = 0, queries = 0;
    timer->SetInterval(5);
    timer->SetOnTimer(TNotifyEvent([&](TObject*) {
        if (++ticks == 3) timer->SetEnabled(false);
        PostMessage(form->Handle(), WM_CLOSE, 0, 0);
    }));
    form->OnCloseQuery = TCloseQueryEvent([&](TObject*, bool& CanClose) {
        ++queries;
        CanClose = ticks >= 3;
    });
    Application->SetMainForm(form);
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(queries, 3);
    Application->SetMainForm(nullptr);
    Application->ResetTerminated();
    FreeObject(form);
}

TEST(ApplicationLoop, QuitMessageEndsTheLoop) {
    PostQuitMessage(0);
    while (!Application->Terminated())
        Application->HandleMessage();
    Application->ResetTerminated();
}
