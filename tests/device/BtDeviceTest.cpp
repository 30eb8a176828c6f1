// The Bluetooth device's commands over a pseudo-terminal against the simulated box: results,
// retries, refusal after failed reads, and the chunked map transfer.
#include "BtDeviceTestSupport.h"
#include "device/bluetooth/BtReceiver.h"

#include <atomic>
#include <functional>
#include <thread>

using devtest::Bytes;

namespace {

class BtDeviceTest : public devtest::BtBoxesFixture {
protected:
    void SetUp() override {
        BtBoxesFixture::SetUp();
        target = &AddBox();
        ASSERT_TRUE(Device().Open());
        target->box.ClearLog();
    }
    sim::Box& Box() { return target->box; }
    // Makes the next n exchanges (or every one, n = -1) of a command go wrong.
    void Fault(std::optional<std::uint8_t> cmd, const sim::FaultAction& action, int times = -1) {
        sim::FaultRule rule;
        rule.command = cmd;
        rule.times = times;
        rule.action = action;
        Box().AddFault(rule);
    }
    // Makes the exchange n places after the last one so far go wrong.
    void FaultAt(unsigned ahead, const sim::FaultAction& action) {
        sim::FaultRule rule;
        rule.exchange = Box().Exchanges() + ahead;
        rule.action = action;
        Box().AddFault(rule);
    }
    std::size_t CountRequests(std::uint8_t cmd) {
        std::size_t n = 0;
        for (const sim::Bytes& r : Box().Requests())
            n += r.size() > 3 && r[3] == cmd;
        return n;
    }
    static sim::FaultAction Status(std::uint8_t status) {
        sim::FaultAction a;
        a.status = status;
        return a;
    }
    static sim::FaultAction Silent() {
        sim::FaultAction a;
        a.noReply = true;
        return a;
    }
    devtest::TDeclaredBox* target = nullptr;
};

TEST_F(BtDeviceTest, CommandsReachTheBoxAndFoldTheirReplies) {
    TOrvoTuningBtDevice& dev = Device();
    Box().SetTuningOff(true);
    EXPECT_TRUE(dev.GetTuning());
    dev.SetTuning(false);
    EXPECT_FALSE(Box().TuningOff());
    EXPECT_FALSE(dev.GetTuning());

    dev.ActivateMap(0x103); // only the low byte goes out
    EXPECT_EQ(Box().ActiveMap(), 3);
    EXPECT_EQ(dev.GetActiveMap(), 3);

    dev.SetTriggeredInput(true);
    EXPECT_EQ(Box().TriggeredInput(), 1);
    Box().SetTriggeredInput(0x80);
    EXPECT_EQ(dev.GetTriggeredInput(), 0x80);

    Box().SetLiveCodes(0x07FF, 0x0800);
    Bytes voltages;
    ASSERT_EQ(dev.ReadVoltages(&voltages), 0);
    EXPECT_EQ(voltages, (Bytes{0xFF, 0x07, 0x00, 0x08}));

    const std::vector<sim::Bytes> requests = Box().Requests();
    ASSERT_GE(requests.size(), 3u);
    EXPECT_EQ(requests[1], (sim::Bytes{0xAA, 0x06, 0x00, 0x04, 0x00, 0xB4})); // SetTuning(on)
    EXPECT_EQ(requests[3], (sim::Bytes{0xAA, 0x06, 0x00, 0x09, 0x03, 0xBC})); // ActivateMap 3
}

// Each operation against a box that refuses with 0x45: the number of attempts says whether it
// retries; the fallback value and the one message each failing setter shows.
TEST_F(BtDeviceTest, FailingCommandsRetryWhereDueAndFallBack) {
    struct Case {
        const char* name;
        std::uint8_t cmd;
        std::size_t attempts;
        std::function<void(TOrvoTuningBtDevice&)> call;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"GetTuning", 0x05, 1, [](auto& d) { EXPECT_FALSE(d.GetTuning()); }, nullptr},
        {"SetTuning", 0x04, 2, [](auto& d) { d.SetTuning(true); }, "Failed to turn on/off tuning."},
        {"ReadVoltages", 0x03, 1,
         [](auto& d) {
             Bytes out{7};
             EXPECT_EQ(d.ReadVoltages(&out), -2);
             EXPECT_EQ(out, Bytes{7});
         },
         nullptr},
        {"GetActiveMap", 0x0C, 1, [](auto& d) { EXPECT_EQ(d.GetActiveMap(), 1); }, nullptr},
        {"ActivateMap", 0x09, 2, [](auto& d) { d.ActivateMap(2); }, "Failed to activate map."},
        {"GetTriggeredInput", 0xB1, 1, [](auto& d) { EXPECT_EQ(d.GetTriggeredInput(), 0); }, nullptr},
        {"SetTriggeredInput", 0x0B, 2, [](auto& d) { d.SetTriggeredInput(true); },
         "Failed to set triggered input."},
        {"Identify", 0x90, 2,
         [](auto& d) {
             Bytes reply{7};
             EXPECT_EQ(d.Transact(0x90, {}, &reply, true), -2);
             EXPECT_EQ(reply, Bytes{7});
         },
         nullptr},
    };
    Box().SetTriggeredInput(5);
    Box().SetActiveMap(4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Box().ClearFaults();
        Box().ClearLog();
        Fault(c.cmd, Status(0x45));
        devtest::MessageCapture messages;
        c.call(Device());
        EXPECT_EQ(CountRequests(c.cmd), c.attempts);
        EXPECT_EQ(Device().readFailures, 0); // a frame arrived each time
        if (c.message) {
            ASSERT_EQ(messages.texts.size(), 1u);
            EXPECT_EQ(messages.texts[0], c.message);
            EXPECT_EQ(messages.flags[0], 0u);
        } else {
            EXPECT_TRUE(messages.texts.empty());
        }
    }
}

TEST_F(BtDeviceTest, EmptyRepliesGiveTheGettersDefaults) {
    sim::FaultAction empty;
    empty.dataSize = 0;
    Fault(std::nullopt, empty);
    Box().SetTuningOff(true);
    Box().SetActiveMap(3);
    Box().SetTriggeredInput(1);
    EXPECT_FALSE(Device().GetTuning());
    EXPECT_EQ(Device().GetActiveMap(), 1);
    EXPECT_EQ(Device().GetTriggeredInput(), 0);
}

// A clock for a lost reply that does not depend on how fast the box and the device run. Time
// moves only while the device rightly waits: from the moment the box has taken in the request
// it will not answer until the device's read of that reply has run out, and again once the
// second attempt's reply has been read. In between (the retry on its way to the box, its reply
// on its way back) Sleep returns at once and the clock stands still, so the retry's reply is
// never late however loaded the machine. Should the clock stand still for a few real seconds
// (a reply that never comes, a read that waits longer than it should), it runs freely from then
// on: every wait then ends at once and the test fails within seconds instead of hanging.
class TLostReplyClock : public IClock {
public:
    TLostReplyClock(sim::Box& box, TOrvoTuningBtDevice& device, unsigned lostExchange)
        : box_(box), device_(device), lostExchange_(lostExchange) {}
    UInt64 Milliseconds() override { return now_; }
    void Sleep(DWORD ms) override {
        const unsigned taken = box_.Exchanges();
        const bool waitingForLostReply = taken >= lostExchange_ && now_ < start_ + TBtReceiver::ReadTimeoutMs;
        const bool retryAnswered = taken > lostExchange_ && device_.readFailures == 0;
        const auto real = std::chrono::steady_clock::now();
        if (real - stillSince_ > std::chrono::seconds(5)) runningFreely_ = true;
        if (waitingForLostReply || retryAnswered || runningFreely_) {
            now_ += ms == 0 ? 1 : ms;
            stillSince_ = real;
        } else {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    }

private:
    static constexpr UInt64 start_ = 1000000;
    sim::Box& box_;
    TOrvoTuningBtDevice& device_;
    unsigned lostExchange_;
    std::atomic<UInt64> now_{start_};
    std::chrono::steady_clock::time_point stillSince_ = std::chrono::steady_clock::now();
    bool runningFreely_ = false;
};

TEST_F(BtDeviceTest, SecondAttemptRescuesALostReply) {
    Fault(0x04, Silent(), 1);
    TLostReplyClock clock(Box(), Device(), Box().Exchanges() + 1);
    TClockOverride useLostReplyClock(&clock);
    devtest::MessageCapture messages;
    const UInt64 start = clock.Milliseconds();
    Device().SetTuning(true);
    EXPECT_TRUE(Box().TuningOff());
    EXPECT_EQ(CountRequests(0x04), 2u);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Device().readFailures, 0);
    // The lost reply is given up when the read's 2000 ms have run out, not later; the retry
    // then looks 500 ms past its reply for the late one.
    EXPECT_GE(clock.Milliseconds() - start, 2500u);
    EXPECT_LT(clock.Milliseconds() - start, 2600u);
}

// With retry the second attempt follows any failure, and its result is the call's; the count of
// failed reads follows the last frame read or missed.
TEST_F(BtDeviceTest, RetriedCallGivesTheResultOfItsLastAttempt) {
    sim::FaultAction badSum;
    badSum.badChecksum = true;
    const sim::FaultAction ok;
    struct Case {
        const char* name;
        sim::FaultAction first, second;
        int result;
        int readFailures;
    };
    const std::vector<Case> cases = {
        {"no frame, then refused", badSum, Status(0x45), -2, 0},
        {"refused, then no frame", Status(0x45), badSum, -3, 1},
        {"no frame twice", badSum, badSum, -3, 2},
        {"no frame, then success", badSum, ok, 0, 0},
        {"unknown command, then success", Status(0x3F), ok, 0, 0},
        {"invalid frame, then unknown status", Status(0xFF), Status(0x77), -2, 0},
    };
    Box().SetTuningOff(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Box().ClearFaults();
        Box().ClearLog();
        Device().readFailures = 0;
        FaultAt(1, c.first);
        FaultAt(2, c.second);
        Bytes reply{9};
        EXPECT_EQ(Device().Transact(0x05, {}, &reply, true), c.result);
        EXPECT_EQ(CountRequests(0x05), 2u);
        EXPECT_EQ(Device().readFailures, c.readFailures);
        EXPECT_EQ(reply, c.result == 0 ? Bytes{1} : Bytes{9});
    }
}

TEST_F(BtDeviceTest, TwoFailedReadsRefuseEveryCommandUntilTheNextOpen) {
    TOrvoTuningBtDevice& dev = Device();
    Fault(std::nullopt, Silent());
    Bytes reply{9};
    EXPECT_EQ(dev.Transact(0x04, {1}, &reply, true), -3);
    EXPECT_EQ(dev.readFailures, 2);
    EXPECT_EQ(reply, Bytes{9});
    EXPECT_EQ(Box().Requests().size(), 2u);

    // Refused at once, nothing written.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(dev.Transact(0x05, {}, &reply, false), -4);
    EXPECT_EQ(dev.GetActiveMap(), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_EQ(Box().Requests().size(), 2u);

    Box().ClearFaults();
    ASSERT_TRUE(dev.Open());
    EXPECT_EQ(dev.readFailures, 0);
    Box().SetActiveMap(2);
    EXPECT_EQ(dev.GetActiveMap(), 2);
}

TEST_F(BtDeviceTest, OnlyReadsInARowCountTowardsRefusal) {
    TOrvoTuningBtDevice& dev = Device();
    Bytes reply;
    // A failed read, a good reply, a failed read: never two in a row.
    Fault(0x05, Silent(), 1);
    EXPECT_EQ(dev.Transact(0x05, {}, &reply, false), -3);
    EXPECT_EQ(dev.readFailures, 1);
    EXPECT_EQ(dev.Transact(0x0C, {}, &reply, false), 0);
    EXPECT_EQ(dev.readFailures, 0);
    Fault(0x05, Silent(), 1);
    EXPECT_EQ(dev.Transact(0x05, {}, &reply, false), -3);
    EXPECT_EQ(dev.Transact(0x0C, {}, &reply, false), 0);

    // A checksum mismatch is a failed read too.
    sim::FaultAction bad;
    bad.badChecksum = true;
    Fault(0x05, bad, 1);
    EXPECT_EQ(dev.Transact(0x05, {}, &reply, false), -3);
    EXPECT_EQ(dev.readFailures, 1);

    // Send failures leave the count alone.
    ASSERT_TRUE(dev.Close());
    EXPECT_EQ(dev.Transact(0x05, {}, &reply, true), -1);
    EXPECT_EQ(dev.readFailures, 1);
}

TEST_F(BtDeviceTest, MapGoesOutInFourChunksAndACommit) {
    sim::Bytes image(1024);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    ASSERT_EQ(Device().SendMap(2, 3, Bytes(image.begin(), image.end())), 0);
    EXPECT_EQ(Box().Map(2, 3), image);
    const std::vector<sim::Bytes> requests = Box().Requests();
    ASSERT_EQ(requests.size(), 5u);
    for (unsigned k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        ASSERT_EQ(requests[k].size(), 262u);
        EXPECT_EQ(requests[k][3], 0x06);
        EXPECT_EQ(requests[k][4], k);
        EXPECT_TRUE(std::equal(requests[k].begin() + 5, requests[k].end() - 1, image.begin() + 256 * k));
    }
    EXPECT_EQ(requests[4], (sim::Bytes{0xAA, 0x07, 0x00, 0x07, 0x03, 0x02, 0xBD})); // map first

    Bytes back{1, 2, 3};
    ASSERT_EQ(Device().ReadMap(2, 3, &back), 0);
    EXPECT_EQ(back, Bytes(image.begin(), image.end()));
    EXPECT_EQ(CountRequests(0x08), 4u);
}

TEST_F(BtDeviceTest, FailedChunkStopsTheWriteBeforeTheCommit) {
    const sim::Bytes before = Box().Map(1, 1);
    // Chunk 2 fails on both attempts (exchanges 3 and 4 from now).
    FaultAt(3, Status(0x45));
    FaultAt(4, Status(0x45));
    EXPECT_EQ(Device().SendMap(1, 1, Bytes(1024, 0x5A)), -2);
    const std::vector<sim::Bytes> requests = Box().Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[2][4], 2);
    EXPECT_EQ(requests[3][4], 2);
    EXPECT_EQ(CountRequests(0x07), 0u);
    EXPECT_EQ(Box().Map(1, 1), before);
}

// The box stores the map on the commit and uses its chunks up, so the retry of a commit whose
// reply was spoiled is refused: the whole map goes once more, and the send reports what the
// box now holds. A commit that keeps failing ends after that one more pass.
TEST_F(BtDeviceTest, SpoiledCommitReplySendsTheWholeMapOnceMore) {
    sim::FaultAction badSum;
    badSum.badChecksum = true;
    struct Case {
        const char* name;
        int spoiledCommits; // replies to commits spoiled (-1: every one)
        int result;
        std::size_t chunks, commits;
        bool stored;
    };
    const Case cases[] = {
        {"first commit reply spoiled", 1, 0, 8, 3, true},
        // Two failed reads in a row: the link counts as lost and refuses the further pass.
        {"the commit's retry spoiled too", 2, -4, 4, 2, true},
    };
    std::uint8_t fill = 0x30;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Box().ClearFaults();
        Box().ClearLog();
        Device().readFailures = 0;
        Fault(0x07, badSum, c.spoiledCommits);
        const sim::Bytes image(1024, ++fill);
        EXPECT_EQ(Device().SendMap(1, 2, Bytes(image.begin(), image.end())), c.result);
        EXPECT_EQ(CountRequests(0x06), c.chunks);
        EXPECT_EQ(CountRequests(0x07), c.commits);
        EXPECT_EQ(Box().Map(1, 2) == image, c.stored);
    }
    // A commit refused outright (the box took the chunks but will not store them) is also
    // tried with the whole map once more, then reported.
    Box().ClearFaults();
    Box().ClearLog();
    Device().readFailures = 0;
    Fault(0x07, Status(0x45));
    EXPECT_EQ(Device().SendMap(1, 2, Bytes(1024, 0x11)), -2);
    EXPECT_EQ(CountRequests(0x06), 8u);
    EXPECT_EQ(CountRequests(0x07), 4u);
}

TEST_F(BtDeviceTest, ImageOfTheWrongSizeIsNotSent) {
    for (std::size_t size : {0u, 1023u, 1025u}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(Device().SendMap(1, 1, Bytes(size, 1)), -1);
    }
    EXPECT_TRUE(Box().Requests().empty());
}

TEST_F(BtDeviceTest, FailedChunkReadKeepsTheChunksReadBefore) {
    const sim::Bytes map = Box().Map(2, 1);
    struct Case {
        const char* name;
        sim::FaultAction action;
        int result;
    };
    sim::FaultAction shortChunk;
    shortChunk.dataSize = 255;
    const std::vector<Case> cases = {
        {"refused", Status(0x45), -2},
        {"chunk of 255 bytes", shortChunk, -3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Box().ClearFaults();
        // Chunk 1 fails on both attempts (exchanges 2 and 3 from now).
        FaultAt(2, c.action);
        FaultAt(3, c.action);
        Bytes out;
        EXPECT_EQ(Device().ReadMap(2, 1, &out), c.result);
        EXPECT_EQ(out, Bytes(map.begin(), map.begin() + 256));
    }
}

TEST_F(BtDeviceTest, CloseAnswersWhetherAPortWasOpen) {
    EXPECT_TRUE(Device().Close());
    EXPECT_EQ(Device().serial->portHandle, nullptr);
    EXPECT_FALSE(Device().Close());
    TOrvoTuningBtDevice fresh;
    EXPECT_FALSE(fresh.Close());
    // Commands on a closed port fail as not sent.
    Bytes out;
    EXPECT_EQ(fresh.ReadVoltages(&out), -1);
    EXPECT_EQ(fresh.readFailures, 0);
}

// The box's link goes away while it answers a setter: the read ends on the port's error, the
// second attempt cannot be sent, and later commands fail at once; nothing waits out a limit.
TEST_F(BtDeviceTest, LinkGoingAwayMidReplyFailsAtOnce) {
    sim::FaultAction gone;
    gone.cutAfter = 3;
    gone.hangUp = true;
    Fault(0x04, gone, 1);
    devtest::MessageCapture messages;
    const UInt64 start = clock.Milliseconds();
    Device().SetTuning(true);
    EXPECT_TRUE(Box().TuningOff()); // the request was carried out
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Failed to turn on/off tuning.");
    EXPECT_EQ(Device().readFailures, 1);
    EXPECT_FALSE(Device().GetTuning());
    Bytes out{9};
    EXPECT_EQ(Device().ReadVoltages(&out), -1);
    EXPECT_EQ(out, Bytes{9});
    EXPECT_EQ(CountRequests(0x04), 1u);
    EXPECT_LT(clock.Milliseconds() - start, 2000u);
}

// The same between exchanges: the port is still held, every command fails as not sent.
TEST_F(BtDeviceTest, LinkGoneBetweenExchangesFailsWithoutWaiting) {
    target->server->HangUp();
    const UInt64 start = clock.Milliseconds();
    EXPECT_EQ(Device().GetActiveMap(), 1);
    Bytes out{9};
    EXPECT_EQ(Device().ReadMap(1, 1, &out), -1);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(Device().readFailures, 0);
    EXPECT_TRUE(Box().Requests().empty());
    EXPECT_LT(clock.Milliseconds() - start, 2000u);
}

// The first attempt's reply comes after its read gave up and after the retry's purge, just
// ahead of the retry's own reply. The retry must answer with its own reply (the later reading),
// and the next command must not find a stale reply either.
TEST_F(BtDeviceTest, LateReplyOfTheFirstAttemptIsNotTakenByTheRetry) {
    std::atomic<std::uint16_t> readings{0};
    Box().SetLiveSource([&readings] {
        const std::uint16_t n = ++readings;
        return std::pair<std::uint16_t, std::uint16_t>{n, std::uint16_t(n + 100)};
    });
    sim::FaultAction late;
    // The read's 2000 ms pass in 200 ms of real time on the fast clock.
    late.delayMs = 2600 / devtest::TScaledClock::Factor;
    FaultAt(1, late);
    Bytes reply;
    EXPECT_EQ(Device().Transact(0x03, {}, &reply, true), 0);
    EXPECT_EQ(readings.load(), 2);
    EXPECT_EQ(reply, (Bytes{2, 0, 102, 0}));
    EXPECT_EQ(Device().readFailures, 0);

    Box().SetActiveMap(3);
    EXPECT_EQ(Device().GetActiveMap(), 3);
}

// Two threads use the device at once: each whole exchange keeps the port to itself, so every
// reply is the answer to its own request.
TEST_F(BtDeviceTest, TwoThreadsAtOnceEachGetTheirOwnReplies) {
    Bytes image(1024);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<unsigned char>(i * 13 + 1);
    Box().SetMap(2, 3, image);
    Box().SetActiveMap(4);
    std::atomic<int> wrongMaps{0}, wrongActive{0};
    std::thread maps([&] {
        for (int i = 0; i < 5; ++i) {
            Bytes out;
            if (Device().ReadMap(2, 3, &out) != 0 || out != image) ++wrongMaps;
        }
    });
    for (int i = 0; i < 40; ++i)
        if (Device().GetActiveMap() != 4) ++wrongActive;
    maps.join();
    EXPECT_EQ(wrongMaps.load(), 0);
    EXPECT_EQ(wrongActive.load(), 0);
    EXPECT_EQ(Device().readFailures, 0);
}

} // namespace
