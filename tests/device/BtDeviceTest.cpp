// The Bluetooth device's commands over a pseudo-terminal against the simulated box: results,
// retries, refusal after failed reads, and the chunked map transfer.
#include "BtDeviceTestSupport.h"

#include <functional>

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

TEST_F(BtDeviceTest, SecondAttemptRescuesALostReply) {
    Fault(0x04, Silent(), 1);
    devtest::MessageCapture messages;
    Device().SetTuning(true);
    EXPECT_TRUE(Box().TuningOff());
    EXPECT_EQ(CountRequests(0x04), 2u);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(Device().readFailures, 0);
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

} // namespace
