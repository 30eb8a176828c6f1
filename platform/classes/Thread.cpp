#include "platform/classes/Thread.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <memory>
#include <mutex>
#include <pthread.h>
#include <unistd.h>

ORVO_IMPLEMENT_CLASS(TThread, TObject)

namespace platform::detail {
namespace {

struct SyncCall {
    TThreadMethod Method;
    TThread* Thread = nullptr;
    bool Synchronous = false;
    bool Done = false;
    std::exception_ptr Error;
};

// The process-wide queue of calls for the user-interface thread. Its condition variable
// is signalled when a call is queued, when a synchronised call is done and when a
// thread ends, so that every kind of waiter can use it.
struct SyncState {
    std::mutex m;
    std::condition_variable cv;
    std::deque<std::shared_ptr<SyncCall>> calls;
};

SyncState& syncState() {
    static SyncState* state = new SyncState; // lives until the process ends
    return *state;
}

// Receives the wake-up events on the application's thread and runs the waiting calls.
class SyncWaker : public QObject {
public:
    static QEvent::Type eventType() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    std::atomic<bool> posted{false};

protected:
    bool event(QEvent* e) override {
        if (e->type() != eventType()) return QObject::event(e);
        posted = false;
        try {
            CheckSynchronize(0);
        } catch (...) {
            if (ApplicationHandleException.Assigned()) {
                ApplicationHandleException(nullptr);
            } else {
                try {
                    throw;
                } catch (const std::exception& x) {
                    std::fprintf(stderr, "Exception in a queued call: %s\n", x.what());
                } catch (...) {
                    std::fprintf(stderr, "Exception in a queued call\n");
                }
            }
        }
        return true;
    }
};

SyncWaker* syncWaker() {
    static std::once_flag once;
    static SyncWaker* waker = nullptr;
    std::call_once(once, [] {
        auto* w = new SyncWaker;
        if (auto* app = QCoreApplication::instance()) w->moveToThread(app->thread());
        waker = w;
    });
    return waker;
}

void postWake() {
    if (!QCoreApplication::instance()) return; // no event loop to wake
    SyncWaker* w = syncWaker();
    if (!w->posted.exchange(true)) QCoreApplication::postEvent(w, new QEvent(SyncWaker::eventType()));
}

void removeQueuedCalls(TThread* thread) {
    SyncState& s = syncState();
    std::lock_guard lock(s.m);
    std::erase_if(s.calls, [&](const auto& c) { return !c->Synchronous && c->Thread == thread; });
}

} // namespace
} // namespace platform::detail

using platform::detail::syncState;

TThreadID GetCurrentThreadId() {
    return static_cast<TThreadID>(::gettid());
}

// Initialised before main runs, on the thread that starts the program.
const TThreadID MainThreadID = GetCurrentThreadId();

TNotifyEvent WakeMainThread = TNotifyEvent([](TObject*) { platform::detail::postWake(); });
TNotifyEvent ApplicationHandleException;

bool CheckSynchronize(int Timeout) {
    if (GetCurrentThreadId() != MainThreadID)
        throw EThread(QStringLiteral("CheckSynchronize called from thread $%1, which is NOT the main thread")
                          .arg(GetCurrentThreadId(), 0, 16)
                          .toUpper());
    auto& s = syncState();
    std::size_t count;
    {
        std::unique_lock lock(s.m);
        if (Timeout > 0)
            s.cv.wait_for(lock, std::chrono::milliseconds(Timeout), [&] { return !s.calls.empty(); });
        count = s.calls.size();
    }
    // Only the calls present now: a call that queues another does not keep this loop going.
    bool ran = false;
    for (; count > 0; --count) {
        std::shared_ptr<platform::detail::SyncCall> call;
        {
            std::lock_guard lock(s.m);
            if (s.calls.empty()) break;
            call = std::move(s.calls.front());
            s.calls.pop_front();
        }
        ran = true;
        if (call->Synchronous) {
            try {
                call->Method();
            } catch (...) {
                call->Error = std::current_exception();
            }
            {
                std::lock_guard lock(s.m);
                call->Done = true;
            }
            s.cv.notify_all();
        } else {
            call->Method();
        }
    }
    return ran;
}

bool SynchronizeRequestsPending() {
    auto& s = syncState();
    std::lock_guard lock(s.m);
    return !s.calls.empty();
}

// ---- TThread

TThread::TThread(bool CreateSuspended)
    : suspendCount_(CreateSuspended ? 1 : 0), createSuspended_(CreateSuspended) {}

TThread::~TThread() {
    if (started_ && !ended_ && GetCurrentThreadId() != threadId_) {
        Terminate();
        WaitForEnd();
    }
    platform::detail::removeQueuedCalls(this);
    if (thread_.joinable()) {
        // A FreeOnTerminate thread deletes itself on its own thread and cannot join itself.
        if (thread_.get_id() == std::this_thread::get_id())
            thread_.detach();
        else
            thread_.join();
    }
}

void TThread::AfterConstruction() {
    if (!createSuspended_) StartThread();
}

void TThread::BeforeDestruction() {
    // Stop the thread while the whole object still exists: Execute is a method of the
    // derived class, whose part is gone by the time ~TThread runs.
    if (started_ && !ended_ && GetCurrentThreadId() != threadId_) {
        Terminate();
        WaitForEnd();
    }
}

void TThread::StartThread() {
    bool expected = false;
    if (!started_.compare_exchange_strong(expected, true)) return;
    auto& s = syncState();
    bool idPublished = false;
    std::unique_lock lock(s.m);
    // The new thread waits for the lock, so thread_ is set before it can end.
    thread_ = std::thread([this, &idPublished] { ThreadMain(&idPublished); });
    // Wait for the id, so that ThreadID is valid once Resume or Start returns. Only the
    // local flag is read here: a FreeOnTerminate thread may be gone already.
    s.cv.wait(lock, [&] { return idPublished; });
}

void TThread::ThreadMain(bool* IdPublished) {
    auto& s = syncState();
    {
        std::lock_guard lock(s.m);
        threadId_ = GetCurrentThreadId();
        *IdPublished = true;
    }
    s.cv.notify_all();
    try {
        if (!terminated_) Execute();
    } catch (...) {
        fatalException_ = std::current_exception();
    }
    finished_ = true;
    const bool freeThread = freeOnTerminate_;
    try {
        DoTerminate();
    } catch (...) {
        if (!fatalException_) fatalException_ = std::current_exception();
    }
    {
        std::lock_guard lock(s.m);
        ended_ = true;
    }
    s.cv.notify_all();
    if (freeThread) FreeObject(this);
}

void TThread::Resume() {
    int count = suspendCount_.load();
    while (count > 0 && !suspendCount_.compare_exchange_weak(count, count - 1)) {
    }
    if (count == 1) StartThread();
}

void TThread::Start() {
    if (started_) throw EThread::CreateRes(&SThreadStartError);
    suspendCount_ = 0;
    StartThread();
}

void TThread::Suspend() {
    if (started_) throw EThread(QStringLiteral("Cannot suspend a running thread"));
    ++suspendCount_;
}

void TThread::SetSuspended(bool Value) {
    if (Value == Suspended()) return;
    if (Value)
        Suspend();
    else
        Resume();
}

DWORD TThread::WaitFor() {
    if (freeOnTerminate_) throw EThread(QStringLiteral("Cannot call WaitFor on a FreeOnTerminate thread"));
    if (started_ && GetCurrentThreadId() == threadId_)
        throw EThread(QStringLiteral("A thread cannot wait for itself"));
    WaitForEnd();
    return static_cast<DWORD>(returnValue_);
}

void TThread::WaitForEnd() {
    auto& s = syncState();
    if (GetCurrentThreadId() == MainThreadID) {
        // The thread may need the user-interface thread (Synchronize, OnTerminate) before
        // it can end: run those calls while waiting.
        for (;;) {
            {
                std::unique_lock lock(s.m);
                s.cv.wait(lock, [&] { return ended_ || !s.calls.empty(); });
                if (ended_) return;
            }
            CheckSynchronize(0);
        }
    }
    std::unique_lock lock(s.m);
    s.cv.wait(lock, [&] { return ended_.load(); });
}

void TThread::DoTerminate() {
    if (OnTerminate.Assigned()) Synchronize(Method(this, &TThread::CallOnTerminate));
}

void TThread::CallOnTerminate() {
    OnTerminate(this);
}

namespace {
// Puts a call on the user-interface thread's queue and wakes that thread.
std::shared_ptr<platform::detail::SyncCall> postCall(TThread* thread, TThreadMethod method,
                                                     bool synchronous) {
    auto call = std::make_shared<platform::detail::SyncCall>();
    call->Method = std::move(method);
    call->Thread = thread;
    call->Synchronous = synchronous;
    auto& s = syncState();
    {
        std::lock_guard lock(s.m);
        s.calls.push_back(call);
    }
    s.cv.notify_all();
    WakeMainThread(thread);
    return call;
}
} // namespace

void TThread::Synchronize(TThread* AThread, TThreadMethod Method) {
    if (GetCurrentThreadId() == MainThreadID) {
        Method();
        return;
    }
    auto call = postCall(AThread, std::move(Method), true);
    {
        auto& s = syncState();
        std::unique_lock lock(s.m);
        s.cv.wait(lock, [&] { return call->Done; });
    }
    if (call->Error) std::rethrow_exception(call->Error);
}

void TThread::Queue(TThread* AThread, TThreadMethod Method) {
    if (GetCurrentThreadId() == MainThreadID) {
        Method();
        return;
    }
    postCall(AThread, std::move(Method), false);
}

void TThread::NameThreadForDebugging(const AnsiString& Name, TThreadID AThreadID) {
    // The kernel keeps 15 bytes; cut before a partial UTF-8 sequence.
    std::size_t n = std::min<std::size_t>(Name.size(), 15);
    if (n < Name.size())
        while (n > 0 && (static_cast<unsigned char>(Name[n]) & 0xC0) == 0x80)
            --n;
    const std::string cut = Name.substr(0, n);
    if (AThreadID == 0xFFFFFFFFu || AThreadID == GetCurrentThreadId()) {
        pthread_setname_np(pthread_self(), cut.c_str());
        return;
    }
    QFile comm(QStringLiteral("/proc/self/task/%1/comm").arg(AThreadID));
    if (comm.open(QIODevice::WriteOnly)) comm.write(cut.data(), static_cast<qint64>(cut.size()));
}
