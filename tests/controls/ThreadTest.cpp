// The worker-thread component with real threads.
#include "controls/XcThread.h"

#include "controls/XcThreadDialogForm.h"

#include "platform/controls/Application.h"
#include "platform/controls/Timer.h"
#include "platform/win/MessageBox.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>

namespace {
struct Free {
    void operator()(TObject* o) const { FreeObject(o); }
};

// Records what the component reports, from whichever thread it runs on.
struct Recorder : TObject {
    std::mutex lock;
    QStringList log;
    std::atomic<TThreadID> executeThread{0};
    std::atomic<int> runs{0};
    std::atomic<bool> sawTerminated{false};
    std::atomic<bool> release{true};
    void add(const QString& s) {
        std::lock_guard g(lock);
        log << s;
    }
    void Execute(TObject* Sender, void* Params) {
        executeThread = GetCurrentThreadId();
        sawTerminated = static_cast<TXcBaseThread*>(Sender)->Terminated();
        while (!release)
            std::this_thread::yield();
        ++runs;
        add(QStringLiteral("execute %1").arg(Params ? *static_cast<int*>(Params) : -1));
    }
    void Raise(TObject*, void*) { throw EConvertError(QStringLiteral("bad value")); }
    void Finish(TObject* Sender) {
        add(QStringLiteral("finish ") + (dynamic_cast<TXcBaseThread*>(Sender) ? "thread" : "?"));
    }
    void FinishAll(TObject* Sender) {
        add(QStringLiteral("finishall ") + (dynamic_cast<TXcThread*>(Sender) ? "component" : "?"));
    }
    void Tick(TObject*) { ++ticks; }
    std::atomic<int> ticks{0};
};

// Ends the test program with a failure when a test has not finished within its limit: a
// wait that never returns (a broken WaitFor, a thread that never ends) fails in seconds
// instead of hanging until the runner's time-out.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds Limit) : FThread([this, Limit] { Watch(Limit); }) {}
    ~Watchdog() {
        {
            std::lock_guard g(FLock);
            FDone = true;
        }
        FWake.notify_all();
        FThread.join();
    }

private:
    void Watch(std::chrono::seconds Limit) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::unique_lock l(FLock);
        if (FWake.wait_for(l, Limit, [this] { return FDone; })) return;
        std::fprintf(stderr, "[  FAILED  ] %s.%s did not finish within %lld s\n",
                     info ? info->test_suite_name() : "?", info ? info->name() : "?",
                     static_cast<long long>(Limit.count()));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    std::mutex FLock;
    std::condition_variable FWake;
    bool FDone = false;
    std::thread FThread;
};

struct ThreadFixture : ::testing::Test {
    // First member: it outlives the component, whose destructor waits for its threads.
    Watchdog watchdog{std::chrono::seconds(10)};
    Recorder rec;
    std::unique_ptr<TXcThread, Free> comp{new TXcThread(nullptr)};
    void SetUp() override {
        comp->SetName(QStringLiteral("BtOpenThread"));
        comp->OnExecute = TXcNotifyParamsEvent(&rec, &Recorder::Execute);
        comp->OnFinish = TNotifyEvent(&rec, &Recorder::Finish);
        comp->OnFinishAll = TNotifyEvent(&rec, &Recorder::FinishAll);
    }
};
} // namespace

TEST_F(ThreadFixture, RunsOffTheUserInterfaceThreadAndReportsTheEndInOrder) {
    int param = 7;
    const TXcThreadHandle h = comp->Execute(&param);
    ASSERT_TRUE(h);
    EXPECT_EQ(comp->Count(), 1);
    comp->WaitFor();
    EXPECT_TRUE(h.Finished());
    EXPECT_EQ(h.Thread(), nullptr); // freed itself: the handle no longer hands it out
    EXPECT_NE(rec.executeThread.load(), 0u);
    EXPECT_NE(rec.executeThread.load(), GetCurrentThreadId());
    EXPECT_EQ(rec.log, QStringList({"execute 7", "finish thread", "finishall component"}));
    EXPECT_EQ(comp->Count(), 0);
    EXPECT_FALSE(comp->OneThreadIsRunning());
}

TEST_F(ThreadFixture, RefusesWithoutHandlerWhileExclusiveAndAtMaxCount) {
    comp->OnExecute = TXcNotifyParamsEvent();
    EXPECT_FALSE(comp->Execute(nullptr));
    EXPECT_EQ(comp->Count(), 0);

    comp->OnExecute = TXcNotifyParamsEvent(&rec, &Recorder::Execute);
    comp->SetRunOnCreate(false);
    ASSERT_TRUE(comp->Execute(nullptr));
    // Made but never resumed: it counts as running, so an exclusive component refuses.
    EXPECT_TRUE(comp->OneThreadIsRunning());
    EXPECT_FALSE(comp->Execute(nullptr));
    EXPECT_EQ(comp->Count(), 1);
    comp->Resume();
    comp->WaitFor();
    EXPECT_EQ(rec.runs.load(), 1);

    // A finished thread that does not free itself stays listed and counts for MaxCount.
    comp->SetFreeOnTerminate(false);
    comp->SetRunOnCreate(true);
    comp->SetMaxCount(1);
    const TXcThreadHandle h = comp->ExecuteAndWait(nullptr);
    ASSERT_TRUE(h);
    EXPECT_EQ(h.Thread(), comp->Threads(0));
    EXPECT_EQ(comp->Count(), 1);
    EXPECT_FALSE(comp->OneThreadIsRunning());
    EXPECT_EQ(rec.log.count(QStringLiteral("finishall component")), 1); // only the first
    EXPECT_FALSE(comp->Execute(nullptr));
    comp->RemoveZombie();
    EXPECT_EQ(comp->Count(), 0);
}

TEST_F(ThreadFixture, WaitForKeepsTheMessageLoopRunning) {
    rec.release = false;
    std::unique_ptr<TTimer, Free> timer{new TTimer(nullptr)};
    timer->SetInterval(5);
    timer->SetOnTimer(TNotifyEvent(&rec, &Recorder::Tick));
    ASSERT_TRUE(comp->Execute(nullptr));
    // The worker holds until the timer has ticked on this thread during the wait.
    std::thread releaser([&] {
        while (rec.ticks < 3)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        rec.release = true;
    });
    comp->WaitFor();
    releaser.join();
    EXPECT_GE(rec.ticks.load(), 3);
    EXPECT_EQ(comp->Count(), 0);
}

TEST_F(ThreadFixture, ExecuteThreadAndWaitNeverTouchesTheEndedThread) {
    // A thread that frees itself is gone right after its finish handler; the wait ends on
    // the shared flag (AddressSanitizer guards this test).
    for (int i = 0; i < 20; ++i) {
        const TXcThreadHandle h = comp->ExecuteThreadAndWait(&i);
        ASSERT_TRUE(h);
        EXPECT_TRUE(h.Finished());
        EXPECT_EQ(h.Thread(), nullptr);
    }
    EXPECT_EQ(rec.runs.load(), 20);
}

TEST_F(ThreadFixture, NamesTheThreadsAfterTheComponent) {
    static QStringList names;
    static std::mutex namesLock;
    names.clear();
    ThreadNamingHook = [](const AnsiString& Name, TThreadID) {
        std::lock_guard g(namesLock);
        names << QString::fromStdString(Name);
    };
    comp->ExecuteAndWait(nullptr);
    EXPECT_EQ(comp->CalcThreadName(0), QStringLiteral("BtOpenThread"));
    {
        std::lock_guard g(namesLock);
        EXPECT_EQ(names, QStringList({"BtOpenThread {TXcBaseThread}"}));
        names.clear();
    }
    // A second concurrent thread carries its position.
    comp->SetExclusive(false);
    comp->SetRunOnCreate(false);
    comp->SetThreadName(QStringLiteral("Opener"));
    comp->Execute(nullptr);
    comp->Execute(nullptr);
    comp->Resume();
    comp->WaitFor();
    ThreadNamingHook = nullptr;
    std::lock_guard g(namesLock);
    names.sort();
    EXPECT_EQ(names, QStringList({"Opener [1] {TXcBaseThread}", "Opener {TXcBaseThread}"}));
}

TEST_F(ThreadFixture, AnExceptionIsShownOnTheUserInterfaceThreadAndTheThreadStillFinishes) {
    QStringList boxes;
    const TThreadID ui = GetCurrentThreadId();
    TThreadID boxThread = 0;
    auto old = SetMessageBoxHook([&](void*, const String& text, const String& caption, unsigned) {
        boxes << caption + u':' + text;
        boxThread = GetCurrentThreadId();
        return IDOK;
    });
    comp->OnExecute = TXcNotifyParamsEvent(&rec, &Recorder::Raise);
    comp->ExecuteAndWait(nullptr);
    SetMessageBoxHook(old);
    EXPECT_EQ(boxes, QStringList({"Application Error:bad value"}));
    EXPECT_EQ(boxThread, ui);
    EXPECT_EQ(rec.log, QStringList({"finish thread", "finishall component"}));
}

TEST_F(ThreadFixture, TerminateResumesASuspendedThreadWithTheFlagSet) {
    comp->SetRunOnCreate(false);
    ASSERT_TRUE(comp->Execute(nullptr));
    comp->Terminate();
    comp->WaitFor();
    EXPECT_EQ(rec.runs.load(), 1);
    EXPECT_TRUE(rec.sawTerminated.load());
}

TEST_F(ThreadFixture, DestroyingTheComponentWaitsForTheFinishHandler) {
    rec.release = false;
    ASSERT_TRUE(comp->Execute(nullptr));
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        rec.release = true;
    });
    comp.reset();
    releaser.join();
    EXPECT_EQ(rec.log, QStringList({"execute -1", "finish thread", "finishall component"}));
}

namespace {
class TTestDialogForm : public TXcCustomThreadDialogForm {
public:
    explicit TTestDialogForm(TComponent* AOwner) : TXcCustomThreadDialogForm(AOwner) {}
    int controlsMade = 0;
    int updates = 0;
    void CreateControls() override { ++controlsMade; }
    void UpdateContents() override { ++updates; }
};

class TTestThreadDialog : public TXcCustomThreadDialog {
public:
    explicit TTestThreadDialog(TComponent* AOwner) : TXcCustomThreadDialog(AOwner) {}
    int formsMade = 0;
    TXcCustomThreadDialogForm* CreateThreadDialogForm(TXcThread* ConnectedThread) override {
        ++formsMade;
        return new TTestDialogForm(ConnectedThread);
    }
};

struct DialogFixture : ThreadFixture {
    std::unique_ptr<TTestThreadDialog, Free> dialog{new TTestThreadDialog(nullptr)};
    QStringList events;
    void Created(TXcCustomThreadDialogForm* Form) {
        events << (Form ? QStringLiteral("created") : QStringLiteral("?"));
    }
    void Cancelled(TXcThread* Thread) {
        events << (Thread == comp.get() ? QStringLiteral("cancel") : QStringLiteral("?"));
    }
    void SetUp() override {
        ThreadFixture::SetUp();
        dialog->DialogOptions()->SetShowDialog(true);
        dialog->DialogOptions()->SetShowModal(false);
        comp->SetThreadDialog(dialog.get());
        comp->AfterCreateDialogForm = TXcDialogFormEvent(this, &DialogFixture::Created);
    }
    void TearDown() override {
        rec.release = true;
        comp->WaitFor();
        comp->SetThreadDialog(nullptr);
    }
};
} // namespace

TEST_F(DialogFixture, TheFormShowsWhileAThreadRunsAndClosesWhenNoneIsLeft) {
    rec.release = false;
    ASSERT_TRUE(comp->Execute(nullptr));
    auto* f = dynamic_cast<TTestDialogForm*>(comp->ThreadDialogForm());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Owner(), comp.get());
    EXPECT_EQ(f->controlsMade, 1);
    EXPECT_EQ(events, QStringList({"created"}));
    EXPECT_TRUE(f->Visible()) << "no show delay: shown at the first resume";
    EXPECT_FALSE(f->CloseQuery()) << "not closable while the thread runs";
    f->InternalTimerTick(nullptr);
    EXPECT_GE(f->updates, 1);
    // Cancel: OnPressCancel of the dialog when assigned; the form stays.
    dialog->OnPressCancel = TXcThreadEvent(static_cast<DialogFixture*>(this), &DialogFixture::Cancelled);
    f->DefaultCancelBtnClick(nullptr);
    EXPECT_EQ(events, QStringList({"created", "cancel"}));
    rec.release = true;
    comp->WaitFor();
    EXPECT_FALSE(f->Visible());
    EXPECT_TRUE(f->CloseQuery());
    // A second run uses the same form.
    comp->ExecuteAndWait(nullptr);
    EXPECT_EQ(dialog->formsMade, 1);
}

TEST_F(DialogFixture, AShowDelayCountsDownOnTheTimerTicks) {
    dialog->DialogOptions()->SetShowDelay(1000);
    rec.release = false;
    ASSERT_TRUE(comp->Execute(nullptr));
    auto* f = dynamic_cast<TTestDialogForm*>(comp->ThreadDialogForm());
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->Visible());
    f->SetInternalTimerInterval(0);
    EXPECT_EQ(f->InternalTimerInterval(), 1) << "0 or less is stored as 1";
    f->SetInternalTimerInterval(500);
    f->InternalTimerTick(nullptr);
    EXPECT_FALSE(f->Visible());
    // The delay is held while the component disables it.
    comp->DisableDialogShowDelay();
    f->InternalTimerTick(nullptr);
    EXPECT_FALSE(f->Visible());
    comp->EnableDialogShowDelay();
    f->InternalTimerTick(nullptr);
    EXPECT_TRUE(f->Visible());
    // Without a running thread a tick closes it.
    rec.release = true;
    comp->WaitFor();
    EXPECT_FALSE(f->Visible());
}

TEST(ThreadDialogForm, BelongsToAThreadComponentOnly) {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    try {
        TXcCustomThreadDialogForm f(form.get());
        ADD_FAILURE() << "made without a thread component";
    } catch (const EXCLException& e) {
        EXPECT_EQ(
            e.Message,
            QStringLiteral(
                "TXcCustomThreadDialogForm.SetConnectedThread: A thread must be a TXcThread-Component"));
    }
}
