#include "platform/win/Clock.h"

#include <chrono>
#include <thread>

namespace platform::detail {
namespace {

class TSystemClock : public IClock {
public:
    UInt64 Milliseconds() override {
        using namespace std::chrono;
        // The monotonic clock counts from boot, as the Windows tick count does.
        return UInt64(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    void Sleep(DWORD ms) override {
        if (ms == 0)
            std::this_thread::yield();
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
};

TSystemClock& SystemClock() {
    static TSystemClock clock;
    return clock;
}

std::atomic<IClock*> g_clock{nullptr};

} // namespace
} // namespace platform::detail

IClock* SetClock(IClock* clock) {
    IClock* previous = platform::detail::g_clock.exchange(clock);
    return previous ? previous : &platform::detail::SystemClock();
}

IClock* CurrentClock() {
    IClock* c = platform::detail::g_clock.load();
    return c ? c : &platform::detail::SystemClock();
}

bool SystemClockInUse() {
    return platform::detail::g_clock.load() == nullptr;
}

DWORD GetTickCount() {
    return static_cast<DWORD>(CurrentClock()->Milliseconds());
}

UInt64 GetTickCount64() {
    return CurrentClock()->Milliseconds();
}

void Sleep(DWORD ms) {
    CurrentClock()->Sleep(ms);
}

void TFakeClock::Sleep(DWORD ms) {
    Advance(ms == 0 ? SleepZeroStep : ms);
}

void TFakeClock::Advance(UInt64 ms) {
    UInt64 now = now_.fetch_add(ms) + ms;
    if (OnAdvance) OnAdvance(now);
}
