// The system Bluetooth lookup against a BlueZ service on a private system bus: a dbus-daemon
// of our own and python3-dbusmock's BlueZ template, with adapters and boxes added through the
// mock's own interface. Also a hung service and a hung bus: the lookup keeps to its limit.
#include "platform/win/BluetoothLookup.h"

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

// A private system bus with the BlueZ mock on it, shared by the tests of this suite.
class TMockBlueZ {
public:
    // Empty when it runs; else why it could not be started.
    QString Start() {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty()) return QStringLiteral("dbus-daemon is not installed");
        if (QProcess::execute(QStringLiteral("/usr/bin/python3"),
                              {QStringLiteral("-c"), QStringLiteral("import dbusmock")}) != 0)
            return QStringLiteral("python3-dbusmock is not installed");
        if (!dir_.isValid()) return QStringLiteral("no temporary folder");
        address_ = "unix:path=" + QFile::encodeName(dir_.filePath(QStringLiteral("system_bus_socket")));
        bus_.start(daemon,
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                    QStringLiteral("--address=") + QString::fromLatin1(address_),
                    QStringLiteral("--print-address")});
        if (!bus_.waitForStarted(5000) || !bus_.waitForReadyRead(5000))
            return QStringLiteral("dbus-daemon did not start");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), QString::fromLatin1(address_));
        mock_.setProcessEnvironment(env);
        mock_.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                     QStringLiteral("--template"), QStringLiteral("bluez5")});
        if (!mock_.waitForStarted(5000)) return QStringLiteral("the BlueZ mock did not start");
        QDBusConnection bus = Bus();
        const auto start = Clock::now();
        while (!bus.interface()->isServiceRegistered(QStringLiteral("org.bluez")))
            if (MsSince(start) > 15000)
                return QStringLiteral("the BlueZ mock did not appear on the bus");
            else
                QThread::msleep(20);
        return QString();
    }
    ~TMockBlueZ() {
        for (QProcess* p : {&mock_, &bus_}) {
            if (p->state() == QProcess::NotRunning) continue;
            ::kill(pid_t(p->processId()), SIGCONT);
            p->kill();
            p->waitForFinished(5000);
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("orvo-test-mock"));
    }
    QDBusConnection Bus() {
        return QDBusConnection::connectToBus(QString::fromLatin1(address_), QStringLiteral("orvo-test-mock"));
    }
    // Calls a method of the mock's control interface; the error text, empty on success.
    QString Mock(const QString& method, const QVariantList& args) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(QStringLiteral("org.bluez"), QStringLiteral("/org/bluez"),
                                           QStringLiteral("org.bluez.Mock"), method);
        call.setArguments(args);
        QDBusMessage reply = Bus().call(call, QDBus::Block, 5000);
        return reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString();
    }
    void AddBox(const QString& adapter, const QString& address, const QString& name, bool paired) {
        EXPECT_EQ(Mock(QStringLiteral("AddDevice"), {adapter, address, name}), QString());
        if (paired) {
            EXPECT_EQ(Mock(QStringLiteral("PairDevice"), {adapter, address, 0x1F00}), QString());
        }
    }
    // Stops or resumes the daemon of the bus or the BlueZ service, as a hung process.
    void Hang(bool bus, bool hung) {
        ::kill(pid_t((bus ? bus_ : mock_).processId()), hung ? SIGSTOP : SIGCONT);
    }
    const QByteArray& Address() const { return address_; }

private:
    QTemporaryDir dir_;
    QByteArray address_;
    QProcess bus_;
    QProcess mock_;
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
