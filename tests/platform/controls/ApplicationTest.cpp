// The application object: its default title, the message loop serving calls synchronised
// from worker threads and timers on a fake clock, the message box and the input query
// through their hooks, and windows free of Qt's scaling.
#include "platform/controls/Application.h"

#include "platform/classes/Thread.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Timer.h"
#include "platform/win/Clock.h"
#include "platform/win/MessageBox.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QWidget>
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

namespace {
// A timer on a fake clock whose ticks are counted.
struct FakeTimer : ::testing::Test {
    TFakeClock clock{5000};
    TClockOverride use{&clock};
    TTimer timer{nullptr};
    std::atomic<int> ticks{0};
    void SetUp() override {
        timer.SetInterval(100);
        timer.SetOnTimer(TNotifyEvent([this](TObject*) { ++ticks; }));
    }
    // Unblocks a HandleMessage that failed to return, so that a fault fails the test
    // instead of hanging it.
    std::thread rescue() {
        return std::thread([this] {
            for (int i = 0; i < 200 && ticks == 0; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            TThread::Queue(nullptr, TThreadMethod([] {}));
        });
    }
};
} // namespace

TEST_F(FakeTimer, HandleMessageFiresATimerAlreadyDueWithoutWaiting) {
    clock.Advance(100);
    std::thread guard = rescue();
    Application->HandleMessage();
    EXPECT_EQ(ticks, 1);
    guard.join();
    Application->ProcessMessages();
}

TEST_F(FakeTimer, AClockMovedByAnotherThreadWakesABlockedHandleMessage) {
    // A callback the test set on the clock keeps running (taken in when a timer starts).
    std::atomic<int> own{0};
    clock.OnAdvance = [&](UInt64) { ++own; };
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    std::thread mover([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        clock.Advance(100);
    });
    std::thread guard = rescue();
    Application->HandleMessage();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(own, 1);
    mover.join();
    guard.join();
    Application->ProcessMessages();
}

TEST(Dialogs, InputQueryKeepsTheValueUnlessConfirmed) {
    struct Case {
        bool confirm;
        const char* expected;
    };
    const Case cases[] = {{true, "COM7"}, {false, "COM3"}};
    for (const Case& c : cases) {
        QString seen;
        TInputQueryHook old =
            SetInputQueryHook([&](const String& Caption, const String& Prompt, String& Value) {
                seen = Caption + u'/' + Prompt + u'/' + Value;
                Value = QStringLiteral("COM7");
                return c.confirm;
            });
        String value = QStringLiteral("COM3");
        EXPECT_EQ(InputQuery(QStringLiteral("Port"), QStringLiteral("Name:"), value), c.confirm);
        SetInputQueryHook(old);
        EXPECT_EQ(seen, QStringLiteral("Port/Name:/COM3"));
        EXPECT_EQ(value, QString::fromLatin1(c.expected));
    }
}

TEST(Application, WindowsKeepTheirPixelSizesWhateverScalingTheEnvironmentAsks) {
    // Forms are laid out in device pixels: no Qt scaling, 96 DPI for fonts.
    TForm form(nullptr, 0);
    form.SetBounds(10, 10, 300, 200);
    form.Show();
    EXPECT_EQ(form.Widget()->devicePixelRatioF(), 1.0);
    EXPECT_EQ(form.Widget()->logicalDpiY(), 96);
    EXPECT_EQ(form.Widget()->width(), 300);
    form.Hide();
    if (qEnvironmentVariableIsSet("ORVO_SCALING_PROBE")) return;
    // The same checks in a program started with a doubled scale in its environment.
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ORVO_SCALING_PROBE"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
    env.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_FONT_DPI"), QStringLiteral("192"));
    probe.setProcessEnvironment(env);
    probe.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral(
            "--gtest_filter=Application.WindowsKeepTheirPixelSizesWhateverScalingTheEnvironmentAsks")});
    ASSERT_TRUE(probe.waitForFinished(60000));
    EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardOutput().toStdString();
}
