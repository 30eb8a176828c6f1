// Threads: TThread with Synchronize and Queue through a process-wide queue of calls that
// the user-interface (main) thread runs, WaitFor, FreeOnTerminate and OnTerminate on the
// user-interface thread; thread ids and naming.
#pragma once

#include "platform/classes/Event.h"
#include "platform/classes/Object.h"

#include <atomic>
#include <exception>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>

using TThreadID = DWORD;
// A method run on the user-interface thread by Synchronize or Queue.
using TThreadMethod = TEvent<>;

enum TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// The kernel id of the calling thread.
TThreadID GetCurrentThreadId();
// The id of the user-interface thread: the thread that started the program.
extern const TThreadID MainThreadID;

// Runs the synchronised and queued calls that are waiting, on the user-interface thread.
// With Timeout > 0 it first waits up to Timeout milliseconds for a call to arrive.
// Answers whether it ran any. Called on another thread it raises EThread. An exception
// of a queued call passes to the caller (the other calls stay queued).
bool CheckSynchronize(int Timeout = 0);
// Whether calls are waiting for CheckSynchronize (the application's message loop waits
// for "a user-interface event or a synchronise request").
bool SynchronizeRequestsPending();

// Called (on the thread that queues) whenever a call is queued for the user-interface
// thread, with the queuing thread object as Sender (nullptr for none). The default posts
// an event to the application's thread whose handler runs CheckSynchronize, so Qt's
// event loop serves the calls. Set it before threads start.
extern TNotifyEvent WakeMainThread;
// Called inside a catch block when a queued call that the default wake-up handler ran
// raised; the exception is std::current_exception(). Unassigned: the exception is
// reported on standard error.
extern TNotifyEvent ApplicationHandleException;

class TThread : public TObject {
    ORVO_CLASS(TThread, TObject)
public:
    // A thread created running starts in AfterConstruction, once the most-derived
    // constructor has finished (FreeObject and the class factories call it; code that
    // uses new directly calls it too). A thread created suspended starts with Resume
    // or Start.
    explicit TThread(bool CreateSuspended);
    // Terminates a running thread and waits for it; a thread that never started is
    // destroyed without running Execute.
    ~TThread() override;

    void AfterConstruction() override;
    void BeforeDestruction() override;

    // Counts one suspension down; the thread starts when the count reaches 0.
    void Resume();
    // Starts a thread that was created suspended; raises EThread when it started already.
    void Start();
    // Counts a suspension up. A running thread cannot be suspended on this platform:
    // raises EThread.
    void Suspend();
    bool Suspended() const { return suspendCount_ > 0; }
    void SetSuspended(bool Value);

    // Asks Execute to end: sets Terminated, nothing more.
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    bool Finished() const { return finished_; }

    // Waits until the thread has ended (including its OnTerminate) and answers its
    // ReturnValue. On the user-interface thread it runs synchronised calls meanwhile.
    // Raises EThread for a FreeOnTerminate thread and when a thread waits for itself.
    DWORD WaitFor();

    TThreadPriority Priority() const { return priority_; }
    // Accepted and kept; the scheduler's priorities are not changed.
    void SetPriority(TThreadPriority Value) { priority_ = Value; }
    TThreadID ThreadID() const { return threadId_; }
    int ReturnValue() const { return returnValue_; }
    void SetReturnValue(int Value) { returnValue_ = Value; }
    bool FreeOnTerminate() const { return freeOnTerminate_; }
    void SetFreeOnTerminate(bool Value) { freeOnTerminate_ = Value; }
    // The exception that left Execute, if any.
    std::exception_ptr FatalException() const { return fatalException_; }

    // Runs on the user-interface thread after Execute returned, while the worker waits.
    TNotifyEvent OnTerminate;

    // Runs Method on the user-interface thread and waits for it; an exception it raises
    // is raised again here. On the user-interface thread Method runs directly.
    void Synchronize(TThreadMethod Method) { Synchronize(this, std::move(Method)); }
    static void Synchronize(TThread* AThread, TThreadMethod Method);
    // Queues Method for the user-interface thread and returns at once (on the
    // user-interface thread it runs directly). Calls queued by a thread object that is
    // destroyed before they ran are dropped.
    void Queue(TThreadMethod Method) { Queue(this, std::move(Method)); }
    static void Queue(TThread* AThread, TThreadMethod Method);

    // Runs F on the user-interface thread, waits, and answers its result (dialogs that a
    // worker needs answered).
    template <class F> static auto SynchronizeResult(F&& Fn) -> std::invoke_result_t<F&> {
        using R = std::invoke_result_t<F&>;
        if constexpr (std::is_void_v<R>) {
            Synchronize(nullptr, TThreadMethod([&] { Fn(); }));
        } else {
            std::optional<R> result;
            Synchronize(nullptr, TThreadMethod([&] { result.emplace(Fn()); }));
            return std::move(*result);
        }
    }

    // Names a thread for debuggers and system tools (the first 15 bytes of Name). The id
    // 0xFFFFFFFF (or the calling thread's id) names the calling thread.
    static void NameThreadForDebugging(const AnsiString& Name, TThreadID AThreadID = 0xFFFFFFFFu);

protected:
    virtual void Execute() = 0;
    // Runs OnTerminate through Synchronize.
    virtual void DoTerminate();

private:
    void ThreadMain(bool* IdPublished);
    void CallOnTerminate();
    void StartThread();
    void WaitForEnd();

    std::thread thread_;
    std::atomic<TThreadID> threadId_{0};
    std::atomic<int> suspendCount_{0};
    std::atomic<bool> started_{false}; // the thread was released to run Execute
    std::atomic<bool> terminated_{false};
    std::atomic<bool> finished_{false}; // Execute returned
    std::atomic<bool> ended_{false};    // the thread's end handling is done
    bool createSuspended_;
    bool freeOnTerminate_ = false;
    TThreadPriority priority_ = tpNormal;
    int returnValue_ = 0;
    std::exception_ptr fatalException_;
};
