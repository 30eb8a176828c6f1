// The system Bluetooth lookup against a BlueZ service on a private system bus: a dbus-daemon
// of our own and python3-dbusmock's BlueZ template, with adapters and boxes added through the
// mock's own interface. Also a hung service and a hung bus: the lookup keeps to its limit.
#include "platform/win/BluetoothLookup.h"

#include "tests/support/MockBlueZ.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point t) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

// Sets an environment variable for a scope.
class TEnvironmentOverride {
public:
    TEnvironmentOverride(const char* name, const QByteArray& value) : name_(name) {
        had_ = qEnvironmentVariableIsSet(name);
        old_ = qgetenv(name);
        qputenv(name, value);
    }
    ~TEnvironmentOverride() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_ = false;
    QByteArray old_;
};

class BlueZLookupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        mock_ = new TMockBlueZ;
        why_ = mock_->Start();
        if (!why_.isEmpty()) return;
        // One adapter holds most boxes; a second one also knows one of them.
        mock_->Mock(QStringLiteral("AddAdapter"), {QStringLiteral("hci0"), QStringLiteral("desk")});
        mock_->Mock(QStringLiteral("AddAdapter"), {QStringLiteral("hci1"), QStringLiteral("dongle")});
        mock_->AddBox("hci0", "00:11:22:AA:BB:01", "ChipTuning", true);
        mock_->AddBox("hci0", "00:11:22:AA:BB:02", "ChipTuning", false);
        mock_->AddBox("hci0", "00:11:22:AA:BB:03", "chiptuning", true);
        mock_->AddBox("hci0", "00:11:22:AA:BB:04", "ChipTuning 2", true);
        mock_->AddBox("hci0", "00:11:22:AA:BB:05", "ChipTuning", true);
        mock_->AddBox("hci1", "00:11:22:AA:BB:05", "ChipTuning", true);
        mock_->AddBox("hci1", "00:11:22:AA:BB:06", "ChipTuning", true);
        mock_->AddBox("hci1", "00:11:22:AA:BB:07", "Headset", true);
    }
    static void TearDownTestSuite() {
        delete mock_;
        mock_ = nullptr;
    }
    void SetUp() override {
        if (!why_.isEmpty()) GTEST_SKIP() << why_.toStdString();
    }
    // Finds the paired boxes on the private bus; their addresses, sorted, and the time taken.
    static std::vector<String> Find(const String& name, long long* ms = nullptr) {
        TEnvironmentOverride bus("DBUS_SYSTEM_BUS_ADDRESS", mock_->Address());
        TBlueZLookup lookup;
        const auto start = Clock::now();
        std::vector<String> addresses;
        for (const TBluetoothDevice& d : lookup.FindPairedDevices(name)) {
            EXPECT_EQ(d.Name, name);
            addresses.push_back(d.Address);
        }
        if (ms) *ms = MsSince(start);
        std::sort(addresses.begin(), addresses.end());
        return addresses;
    }

    static TMockBlueZ* mock_;
    static QString why_;
};

TMockBlueZ* BlueZLookupTest::mock_ = nullptr;
QString BlueZLookupTest::why_;

TEST_F(BlueZLookupTest, FindsEachPairedBoxOfTheExactNameOnce) {
    EXPECT_EQ(Find("ChipTuning"), (std::vector<String>{"001122AABB01", "001122AABB05", "001122AABB06"}));
    EXPECT_EQ(Find("chiptuning"), std::vector<String>{"001122AABB03"});
    EXPECT_TRUE(Find("ChipTun").empty());
    // Every box found has a port: its own link, as no terminal is bound here.
    TBlueZLookup lookup;
    String port;
    ASSERT_TRUE(lookup.FindPort("001122AABB05", port));
    EXPECT_EQ(port, "rfcomm:001122AABB05");
}

TEST_F(BlueZLookupTest, HungServiceOrBusEndsTheLookupWithinItsLimit) {
    long long ms = 0;
    Find("ChipTuning", &ms); // a warm lookup for comparison
    EXPECT_LT(ms, 1000);
    for (bool bus : {false, true}) {
        mock_->Hang(bus, true);
        EXPECT_TRUE(Find("ChipTuning", &ms).empty()) << bus;
        mock_->Hang(bus, false);
        EXPECT_LT(ms, 1500 + 500) << (bus ? "hung bus" : "hung BlueZ");
    }
    // Both resumed, the boxes are found again.
    EXPECT_EQ(Find("ChipTuning").size(), 3u);
}

TEST(BlueZLookupWithoutBus, FindsNothingAtOnce) {
    TEnvironmentOverride bus("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/orvo/system_bus_socket");
    TBlueZLookup lookup;
    const auto start = Clock::now();
    EXPECT_TRUE(lookup.FindPairedDevices("ChipTuning").empty());
    EXPECT_LT(MsSince(start), 500);
}

} // namespace
