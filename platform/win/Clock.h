// The millisecond clock of the Windows services: GetTickCount, GetTickCount64 and Sleep all
// read one replaceable clock, so tests can run long time-outs without waiting for them.
#pragma once

#include "platform/win/WinTypes.h"

#include <atomic>
#include <functional>

class IClock {
public:
    virtual ~IClock() = default;
    // Milliseconds since an arbitrary start, monotonic.
    virtual UInt64 Milliseconds() = 0;
    // Waits ms milliseconds; 0 gives up the rest of the time slice.
    virtual void Sleep(DWORD ms) = 0;
};

// Installs the clock the functions below use (nullptr restores the system clock) and returns
// the previous one. The caller keeps ownership and keeps the clock alive while installed.
IClock* SetClock(IClock* clock);
IClock* CurrentClock();
// True when no clock is installed: time passes as the system's, so a wait on a device (which
// runs in real time) is a wait on the clock too.
bool SystemClockInUse();

// Milliseconds since the clock's start, wrapping at 2^32 as on Windows (callers subtract unsigned).
DWORD GetTickCount();
UInt64 GetTickCount64();
void Sleep(DWORD ms);

// A clock that stands still until told to move. Sleep advances it by the time asked for
// (Sleep(0) advances it by SleepZeroStep, so a loop that polls with Sleep(0) still reaches its
// deadline) and then calls OnAdvance, through which a test runs what is due at the new time.
class TFakeClock : public IClock {
public:
    explicit TFakeClock(UInt64 start = 0) : now_(start) {}
    UInt64 Milliseconds() override { return now_.load(); }
    void Sleep(DWORD ms) override;
    void Advance(UInt64 ms);
    void SetTime(UInt64 ms) { now_.store(ms); }

    DWORD SleepZeroStep = 1;
    std::function<void(UInt64 now)> OnAdvance;

private:
    std::atomic<UInt64> now_;
};

// Installs a clock for the lifetime of the object (tests).
class TClockOverride {
public:
    explicit TClockOverride(IClock* clock) : previous_(SetClock(clock)) {}
    ~TClockOverride() { SetClock(previous_); }
    TClockOverride(const TClockOverride&) = delete;
    TClockOverride& operator=(const TClockOverride&) = delete;

private:
    IClock* previous_;
};
