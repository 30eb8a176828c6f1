#include "platform/win/Clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace {

TEST(Clock, FakeClockRunsATwoSecondDeadlineWithoutWaiting) {
    TFakeClock fake(1000);
    TClockOverride use(&fake);
    std::vector<UInt64> seen;
    fake.OnAdvance = [&](UInt64 now) { seen.push_back(now); };

    auto realStart = std::chrono::steady_clock::now();
    DWORD start = GetTickCount();
    int polls = 0;
    while (GetTickCount() - start < 2000) {
        Sleep(0); // a busy poll still reaches its deadline
        ++polls;
    }
    EXPECT_EQ(polls, 2000);
    Sleep(250);
    EXPECT_EQ(GetTickCount64(), 3250u);
    EXPECT_EQ(seen.back(), 3250u);
    EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(1));
}

TEST(Clock, TickCountWrapsAndUnsignedDifferencesStayRight) {
    TFakeClock fake(0xFFFFFFF0ull);
    TClockOverride use(&fake);
    DWORD start = GetTickCount();
    fake.Advance(0x20);
    EXPECT_EQ(GetTickCount(), 0x10u);
    EXPECT_EQ(DWORD(GetTickCount() - start), 0x20u);
    EXPECT_EQ(GetTickCount64(), 0x100000010ull);
}

TEST(Clock, OverrideIsRestoredAndTheSystemClockMoves) {
    IClock* before = CurrentClock();
    {
        TFakeClock fake;
        TClockOverride use(&fake);
        EXPECT_EQ(CurrentClock(), &fake);
    }
    EXPECT_EQ(CurrentClock(), before);
    UInt64 a = GetTickCount64();
    Sleep(5);
    EXPECT_GE(GetTickCount64() - a, 4u);
}

} // namespace
