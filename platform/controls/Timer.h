// TTimer: OnTimer every Interval milliseconds while Enabled, on the clock of the Windows
// services (a test installs a fake clock and advances it). Enabling a timer that already
// runs changes nothing; disabling and enabling again, or changing the interval, restarts
// the period. A late tick is not made up for: a timer fires at most once per check of the
// due timers, and its next tick is Interval after the one that fired. Ticks come only
// while a message loop runs.
#pragma once

#include "platform/classes/Component.h"

class TTimer : public TComponent {
    ORVO_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    Cardinal Interval() const { return FInterval; }
    void SetInterval(Cardinal Value);
    TNotifyEvent OnTimer() const { return FOnTimer; }
    void SetOnTimer(TNotifyEvent Value);

    // When the timer is next due on the clock (meaningful while it runs).
    UInt64 DueTime() const { return FDue; }
    bool Running() const { return FRunning; }

protected:
    virtual void Timer();
    void Loaded() override;

private:
    friend class TimerService;
    void UpdateTimer();
    bool FEnabled = true;
    Cardinal FInterval = 1000;
    TNotifyEvent FOnTimer;
    bool FRunning = false;
    UInt64 FDue = 0;
    UInt64 FSequence = 0;
};

// Fires the timers due on the current clock, each once, in order of due time and then
// of the order they started in. The message loops call it; a test on a fake clock calls
// it (or ProcessMessages) after advancing the clock. Answers how many fired.
int CheckTimers();
// Milliseconds until the next timer is due (-1 when none runs).
Int64 NextTimerDue();
