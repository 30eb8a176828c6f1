// Timers on a fake clock: due timers fire once each in order of due time, no backlog,
// enabling a running timer changes nothing, a new interval or a new start restarts.
#include "platform/controls/Timer.h"

#include "platform/controls/Application.h"
#include "platform/win/Clock.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <memory>

namespace {
struct VirtualTime : ::testing::Test {
    TFakeClock clock{1000};
    TClockOverride use{&clock};
    QStringList fired;
    std::vector<std::unique_ptr<TTimer>> timers;

    TTimer* make(const char* name, Cardinal interval) {
        auto t = std::make_unique<TTimer>(nullptr);
        t->SetName(QLatin1String(name));
        t->SetInterval(interval);
        TTimer* raw = t.get();
        t->SetOnTimer(TNotifyEvent([this, raw](TObject*) { fired << raw->Name(); }));
        timers.push_back(std::move(t));
        return raw;
    }
    QStringList advance(UInt64 ms) {
        fired.clear();
        clock.Advance(ms);
        Application->ProcessMessages();
        return fired;
    }
};
} // namespace

TEST_F(VirtualTime, DueTimersFireOnceInOrderOfDueTime) {
    make("Slow", 1000);
    make("State", 200);
    make("Volt", 50);
    make("Volt2", 50);
    EXPECT_EQ(advance(49), QStringList());
    EXPECT_EQ(advance(1), QStringList({"Volt", "Volt2"}));
    EXPECT_EQ(advance(150), QStringList({"Volt", "Volt2", "State"}));
    // A late check fires each due timer once; the next tick is an interval after it.
    EXPECT_EQ(advance(1000), QStringList({"Volt", "Volt2", "State", "Slow"}));
    EXPECT_EQ(advance(49), QStringList());
    EXPECT_EQ(advance(1), QStringList({"Volt", "Volt2"}));
}

TEST_F(VirtualTime, EnablingARunningTimerChangesNothingRestartingDoes) {
    TTimer* t = make("Send", 1000);
    advance(600);
    t->SetEnabled(true);
    EXPECT_EQ(advance(400), QStringList{"Send"});
    advance(600);
    t->SetEnabled(false);
    t->SetEnabled(true);
    EXPECT_EQ(advance(400), QStringList());
    EXPECT_EQ(advance(600), QStringList{"Send"});
    advance(500);
    t->SetInterval(300);
    EXPECT_EQ(advance(299), QStringList());
    EXPECT_EQ(advance(1), QStringList{"Send"});
}

TEST_F(VirtualTime, ZeroIntervalOrNoHandlerNeverFires) {
    TTimer* zero = make("Zero", 0);
    auto silent = std::make_unique<TTimer>(nullptr);
    silent->SetInterval(10);
    EXPECT_FALSE(zero->Running());
    EXPECT_FALSE(silent->Running());
    EXPECT_EQ(advance(5000), QStringList());
}

TEST_F(VirtualTime, AHandlerThatStopsAnotherDueTimerKeepsItFromFiring) {
    TTimer* b = nullptr;
    TTimer a(nullptr);
    a.SetInterval(100);
    a.SetOnTimer(TNotifyEvent([&](TObject*) {
        fired << QStringLiteral("A");
        b->SetEnabled(false);
    }));
    b = make("B", 100);
    EXPECT_EQ(advance(100), QStringList{"A"});
}

TEST_F(VirtualTime, AnExceptionInOnTimerGoesToTheApplication) {
    QStringList seen;
    Application->OnException = TExceptionEvent([&](TObject*, Exception* E) { seen << E->Message; });
    TTimer* t = make("Bad", 10);
    t->SetOnTimer(TNotifyEvent([](TObject*) { throw EConvertError(QStringLiteral("bad tick")); }));
    advance(10);
    Application->OnException = nullptr;
    EXPECT_EQ(seen, QStringList{"bad tick"});
    EXPECT_TRUE(t->Running());
}
