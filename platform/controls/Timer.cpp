#include "platform/controls/Timer.h"

#include "platform/classes/TypInfo.h"
#include "platform/controls/ExceptionGuard.h"
#include "platform/win/Clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <functional>
#include <vector>

ORVO_IMPLEMENT_CLASS(TTimer, TComponent)

ORVO_PUBLISHED(TTimer) {
    P.Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
    P.Property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
    P.Property("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
}

namespace {
// Wakes the user-interface thread's loop when a fake clock moves, so that a loop blocked
// in HandleMessage fires the timers that became due (from whatever thread the clock was
// advanced). The clock's own callback, when it had one, still runs first.
const QEvent::Type kClockMoved = QEvent::Type(QEvent::registerEventType());
std::atomic<bool> g_wakePending{false};

class ClockWaker : public QObject {
public:
    bool event(QEvent* e) override;
};

ClockWaker* waker() {
    static ClockWaker* w = [] {
        auto* obj = new ClockWaker();
        obj->moveToThread(QCoreApplication::instance()->thread());
        return obj;
    }();
    return w;
}

struct WakeOnAdvance {
    std::function<void(UInt64)> previous;
    void operator()(UInt64 now) const {
        if (previous) previous(now);
        if (!g_wakePending.exchange(true)) QCoreApplication::postEvent(waker(), new QEvent(kClockMoved));
    }
};
} // namespace

// The running timers of the user-interface thread. On the system clock one QTimer wakes
// the event loop when the next timer is due; on a fake clock the timers fire when the
// loops (or the test) check them, and a move of the clock wakes the loop.
class TimerService {
public:
    static TimerService& Instance() {
        static TimerService s;
        return s;
    }

    void Start(TTimer* t) {
        const UInt64 now = GetTickCount64();
        t->FDue = now + t->FInterval;
        t->FSequence = ++sequence_;
        if (!t->FRunning) {
            t->FRunning = true;
            running_.push_back(t);
        }
        Schedule();
    }

    void Stop(TTimer* t) {
        if (!t->FRunning) return;
        t->FRunning = false;
        running_.erase(std::remove(running_.begin(), running_.end(), t), running_.end());
        Schedule();
    }

    int Check() {
        const UInt64 now = GetTickCount64();
        std::vector<TTimer*> due;
        for (TTimer* t : running_)
            if (t->FDue <= now) due.push_back(t);
        std::sort(due.begin(), due.end(), [](const TTimer* a, const TTimer* b) {
            return a->FDue != b->FDue ? a->FDue < b->FDue : a->FSequence < b->FSequence;
        });
        int fired = 0;
        for (TTimer* t : due) {
            // An earlier handler may have stopped, restarted or freed this timer.
            if (std::find(running_.begin(), running_.end(), t) == running_.end() || t->FDue > now) continue;
            t->FDue = now + t->FInterval;
            ++fired;
            platform::detail::Guarded([t] { t->Timer(); });
        }
        Schedule();
        return fired;
    }

    Int64 NextDue() const {
        if (running_.empty()) return -1;
        UInt64 next = running_.front()->FDue;
        for (TTimer* t : running_)
            next = std::min(next, t->FDue);
        const UInt64 now = GetTickCount64();
        return next <= now ? 0 : Int64(next - now);
    }

private:
    void Schedule() {
        if (!QCoreApplication::instance()) return;
        if (!wake_) {
            wake_ = new QTimer();
            wake_->setSingleShot(true);
            wake_->setTimerType(Qt::PreciseTimer);
            QObject::connect(wake_, &QTimer::timeout, [this] { Check(); });
        }
        const Int64 next = NextDue();
        if (auto* fake = dynamic_cast<TFakeClock*>(CurrentClock())) {
            wake_->stop();
            // Hooked once per clock; a callback a test installs later is wrapped again at
            // the next start or stop of a timer.
            if (next >= 0 && !fake->OnAdvance.target<WakeOnAdvance>()) {
                waker();
                fake->OnAdvance = WakeOnAdvance{std::move(fake->OnAdvance)};
            }
            return;
        }
        if (next < 0) {
            wake_->stop();
            return;
        }
        wake_->start(int(std::min<Int64>(next, 0x7FFFFFFF)));
    }

    std::vector<TTimer*> running_;
    UInt64 sequence_ = 0;
    QTimer* wake_ = nullptr;
};

bool ClockWaker::event(QEvent* e) {
    if (e->type() != kClockMoved) return QObject::event(e);
    g_wakePending = false;
    TimerService::Instance().Check();
    return true;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
    TimerService::Instance().Stop(this);
}

void TTimer::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(Cardinal Value) {
    if (FInterval == Value) return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
    FOnTimer = Value;
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    TimerService& s = TimerService::Instance();
    s.Stop(this);
    if (FEnabled && FInterval > 0 && FOnTimer.Assigned() && !ComponentState().Contains(csDestroying))
        s.Start(this);
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::Timer() {
    if (FOnTimer) FOnTimer(this);
}

int CheckTimers() {
    return TimerService::Instance().Check();
}

Int64 NextTimerDue() {
    return TimerService::Instance().NextDue();
}
