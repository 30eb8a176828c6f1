// The application object: its default title, the message loop serving calls synchronised
// from worker threads, and the message box through the hook.
#include "platform/controls/Application.h"

#include "platform/classes/Thread.h"
#include "platform/win/MessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

TEST(Application, HandleMessageBlocksUntilASynchronisedCallArrivesAndRunsIt) {
    std::atomic<bool> ran{false};
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        TThread::Synchronize(nullptr, TThreadMethod([&] { ran = true; }));
    });
    while (!ran)
        Application->HandleMessage();
    worker.join();
    EXPECT_TRUE(ran);
}

TEST(Application, MessageBoxGoesThroughTheHookAndTitleSetsTheProcessTitle) {
    Application->SetTitle(QStringLiteral("ORVO Tuning"));
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("ORVO Tuning"));
    QString seen;
    TMessageBoxHook old = SetMessageBoxHook([&](void*, const String& text, const String& caption, unsigned) {
        seen = caption + QStringLiteral(": ") + text;
        return IDNO;
    });
    EXPECT_EQ(Application->MessageBox(QStringLiteral("Save?"), Application->Title(), MB_YESNO), IDNO);
    SetMessageBoxHook(old);
    EXPECT_EQ(seen, QStringLiteral("ORVO Tuning: Save?"));
}
