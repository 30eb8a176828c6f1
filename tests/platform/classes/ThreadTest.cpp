#include "platform/classes/Thread.h"

#include "Watchdog.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <pthread.h>
#include <thread>

using namespace std::chrono_literals;

namespace {

// A thread whose Execute runs a function given by the test.
class TTestThread : public TThread {
    ORVO_CLASS(TTestThread, TThread)
public:
    TTestThread(bool suspended, std::function<void(TTestThread&)> body,
                std::atomic<bool>* destroyed = nullptr)
        : TThread(suspended), body_(std::move(body)), destroyed_(destroyed) {}
    ~TTestThread() override {
        if (destroyed_) *destroyed_ = true;
    }
    using TThread::Synchronize;

protected:
    void Execute() override { body_(*this); }

private:
    std::function<void(TTestThread&)> body_;
    std::atomic<bool>* destroyed_;
};
ORVO_IMPLEMENT_CLASS(TTestThread, TThread)

// Runs the user-interface side until cond holds (synchronised calls included).
bool pumpUntil(const std::function<bool()>& cond, std::chrono::milliseconds limit = 10s) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!cond()) {
        if (std::chrono::steady_clock::now() > end) return false;
        CheckSynchronize(5);
    }
    return true;
}

} // namespace

TEST(Thread, SynchronizeRunsOnTheUserInterfaceThreadWhileItWaitsInWaitFor) {
    Watchdog dog;
    std::atomic<TThreadID> ranOn{0};
    auto* t = new TTestThread(true, [&](TTestThread& self) {
        int value = 0;
        self.Synchronize([&] {
            ranOn = GetCurrentThreadId();
            value = 41;
        });
        self.SetReturnValue(value + 1);
    });
    t->Resume();
    EXPECT_FALSE(t->Suspended());
    EXPECT_NE(t->ThreadID(), 0u);
    EXPECT_NE(t->ThreadID(), MainThreadID);
    EXPECT_EQ(t->WaitFor(), 42u); // would deadlock if WaitFor did not serve the call
    EXPECT_EQ(ranOn, MainThreadID);
    EXPECT_TRUE(t->Finished());
    FreeObject(t);
}

TEST(Thread, OnTerminateRunsOnTheUserInterfaceThreadAfterExecute) {
    Watchdog dog;
    std::atomic<bool> executed{false};
    TThreadID terminateOn = 0;
    bool finishedSeen = false, executedSeen = false;
    struct Receiver : TObject {
        std::function<void(TObject*)> fn;
        void Handle(TObject* sender) { fn(sender); }
    } receiver;
    auto* t = new TTestThread(true, [&](TTestThread&) { executed = true; });
    receiver.fn = [&](TObject* sender) {
        EXPECT_EQ(sender, t);
        terminateOn = GetCurrentThreadId();
        executedSeen = executed;
        finishedSeen = t->Finished();
    };
    t->OnTerminate = Method(&receiver, &Receiver::Handle);
    t->Start();
    EXPECT_THROW(t->Start(), EThread);
    t->WaitFor();
    EXPECT_EQ(terminateOn, MainThreadID);
    EXPECT_TRUE(executedSeen);
    EXPECT_TRUE(finishedSeen);
    FreeObject(t);
}

TEST(Thread, FreeOnTerminateDeletesTheThreadAfterItsEnd) {
    Watchdog dog;
    std::atomic<bool> destroyed{false}, terminated{false};
    auto* t = new TTestThread(
        true, [](TTestThread&) {}, &destroyed);
    t->SetFreeOnTerminate(true);
    EXPECT_THROW(t->WaitFor(), EThread); // the object may vanish during the wait
    t->OnTerminate = [&](TObject*) {
        EXPECT_EQ(GetCurrentThreadId(), MainThreadID);
        EXPECT_FALSE(destroyed);
        terminated = true;
    };
    t->Resume();
    EXPECT_TRUE(pumpUntil([&] { return destroyed.load(); }));
    EXPECT_TRUE(terminated);
}

TEST(Thread, AnExceptionThatLeavesExecuteIsKeptInFatalException) {
    Watchdog dog;
    auto* t = new TTestThread(true, [](TTestThread&) { throw EConvertError(QStringLiteral("bad value")); });
    t->Resume();
    t->WaitFor();
    ASSERT_TRUE(t->FatalException());
    try {
        std::rethrow_exception(t->FatalException());
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "bad value");
    }
    FreeObject(t);

    // Objects that are not exceptions are kept too.
    auto* u = new TTestThread(true, [](TTestThread&) { throw 7; });
    u->Resume();
    u->WaitFor();
    EXPECT_TRUE(u->FatalException());
    FreeObject(u);
}

TEST(Thread, AnExceptionOfASynchronisedMethodIsRaisedInTheWorker) {
    Watchdog dog;
    std::atomic<bool> caught{false};
    auto* t = new TTestThread(true, [&](TTestThread& self) {
        try {
            self.Synchronize([] { throw EAbort(QStringLiteral("stop")); });
        } catch (const EAbort&) {
            caught = true;
        }
    });
    t->Resume();
    t->WaitFor();
    EXPECT_TRUE(caught);
    EXPECT_FALSE(t->FatalException());
    FreeObject(t);
}

TEST(Thread, SuspensionCountsAndASuspendedThreadDoesNotRun) {
    Watchdog dog;
    std::atomic<bool> ran{false}, destroyed{false};
    auto* t = new TTestThread(
        true, [&](TTestThread&) { ran = true; }, &destroyed);
    EXPECT_TRUE(t->Suspended());
    t->Suspend(); // count 2
    t->Resume();
    EXPECT_TRUE(t->Suspended());
    std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(ran);
    t->SetSuspended(false);
    t->WaitFor();
    EXPECT_TRUE(ran);
    EXPECT_THROW(t->Suspend(), EThread); // started threads cannot be suspended here
    FreeObject(t);

    // A thread destroyed before it ever ran does not run.
    ran = false;
    FreeObject(new TTestThread(true, [&](TTestThread&) { ran = true; }));
    EXPECT_FALSE(ran);
}

TEST(Thread, CreatedRunningStartsAfterConstructionAndDestructionStopsIt) {
    Watchdog dog;
    std::atomic<int> loops{0};
    TObject* made = nullptr;
    {
        auto* t = new TTestThread(false, [&](TTestThread& self) {
            while (!self.Terminated()) {
                ++loops;
                std::this_thread::sleep_for(1ms);
            }
        });
        t->AfterConstruction();
        made = t;
    }
    EXPECT_TRUE(pumpUntil([&] { return loops > 0; }));
    FreeObject(made); // terminates and waits while the object is whole
    const int after = loops;
    std::this_thread::sleep_for(10ms);
    EXPECT_EQ(loops, after);
}

TEST(Thread, QueuedCallsRunInOrderAndThoseOfADestroyedThreadAreDropped) {
    Watchdog dog;
    std::vector<int> order;
    std::atomic<bool> queued{false};
    auto* t = new TTestThread(true, [&](TTestThread& self) {
        for (int i = 1; i <= 3; ++i)
            self.Queue([&order, i] { order.push_back(i); });
        queued = true;
    });
    t->Resume();
    // Wait for the worker without running the queue (WaitFor would run it).
    while (!queued)
        std::this_thread::sleep_for(1ms);
    while (!t->Finished())
        std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(SynchronizeRequestsPending());
    CheckSynchronize(0);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    FreeObject(t);

    queued = false;
    auto* u = new TTestThread(true, [&](TTestThread& self) {
        self.Queue([&] { order.push_back(99); });
        queued = true;
    });
    u->Resume();
    // Until it has ended, freeing it waits for it and runs the queue while it waits; a wait
    // off the user-interface thread leaves the queue alone.
    std::thread([u] { u->WaitFor(); }).join();
    ASSERT_TRUE(queued);
    FreeObject(u); // its queued call refers to it: dropped
    CheckSynchronize(0);
    EXPECT_EQ(order.size(), 3u);
    EXPECT_FALSE(SynchronizeRequestsPending());
}

TEST(Thread, SynchronizeResultReturnsTheValueFromTheUserInterfaceThread) {
    Watchdog dog;
    std::atomic<int> answer{0};
    auto* t = new TTestThread(true, [&](TTestThread&) {
        answer = TThread::SynchronizeResult([] { return GetCurrentThreadId() == MainThreadID ? 6 : -1; });
    });
    t->Resume();
    t->WaitFor();
    EXPECT_EQ(answer, 6);
    FreeObject(t);
    // On the user-interface thread it runs directly.
    EXPECT_EQ(TThread::SynchronizeResult([] { return String("direct"); }), "direct");
}

TEST(Thread, TheEventLoopServesSynchroniseRequestsThroughWakeMainThread) {
    Watchdog dog;
    std::atomic<bool> done{false};
    bool ran = false;
    auto* t = new TTestThread(true, [&](TTestThread& self) {
        self.Synchronize([&] { ran = true; });
        done = true;
    });
    t->Resume();
    // Only Qt's event loop runs here, as in the application's message loop.
    const auto end = std::chrono::steady_clock::now() + 10s;
    while (!done && std::chrono::steady_clock::now() < end)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_TRUE(done);
    EXPECT_TRUE(ran);
    t->WaitFor();
    FreeObject(t);
}

TEST(Thread, CheckSynchronizeBelongsToTheUserInterfaceThread) {
    Watchdog dog;
    std::atomic<bool> raised{false};
    auto* t = new TTestThread(true, [&](TTestThread&) {
        try {
            CheckSynchronize(0);
        } catch (const EThread&) {
            raised = true;
        }
    });
    t->Resume();
    t->WaitFor();
    EXPECT_TRUE(raised);
    FreeObject(t);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(CheckSynchronize(30)); // waits for a call, then answers that none ran
    EXPECT_GE(std::chrono::steady_clock::now() - start, 25ms);
}

TEST(Thread, NameThreadForDebuggingKeepsTheFirstFifteenBytes) {
    Watchdog dog;
    char name[32] = {};
    std::atomic<TThreadID> id{0};
    std::mutex m;
    std::condition_variable cv;
    bool named = false, stop = false;
    std::thread worker([&] {
        TThread::NameThreadForDebugging("BtOpenThread {TXcBaseThread}");
        pthread_getname_np(pthread_self(), name, sizeof name);
        id = GetCurrentThreadId();
        std::unique_lock lock(m);
        cv.notify_all();
        cv.wait(lock, [&] { return named; });
        pthread_getname_np(pthread_self(), name, sizeof name);
        stop = true;
        cv.notify_all();
    });
    {
        std::unique_lock lock(m);
        cv.wait(lock, [&] { return id != 0u; });
        EXPECT_STREQ(name, "BtOpenThread {T");
        // Another thread named through its id; a multi-byte character is not split.
        TThread::NameThreadForDebugging("Gerät-Öffnen-Strang", id);
        named = true;
        cv.notify_all();
        cv.wait(lock, [&] { return stop; });
    }
    worker.join();
    EXPECT_STREQ(name, "Gerät-Öffnen-");
}
