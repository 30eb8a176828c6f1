// Tests that need BlueZ without a Bluetooth adapter: python3-dbusmock's BlueZ service on a
// private system bus.
#pragma once

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <chrono>
#include <csignal>

// A private system bus (a dbus-daemon of our own) with python3-dbusmock's BlueZ template on it;
// adapters and boxes are added through the mock's own interface.
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
        // The mock logs every call; to a file, so that no pipe of ours can fill up or close
        // under it while it is stopped and resumed.
        mock_.setStandardOutputFile(dir_.filePath(QStringLiteral("mock.log")));
        mock_.setStandardErrorFile(dir_.filePath(QStringLiteral("mock.log")), QIODevice::Append);
        mock_.start(QStringLiteral("/usr/bin/python3"),
                    {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
                     QStringLiteral("--template"), QStringLiteral("bluez5")});
        if (!mock_.waitForStarted(5000)) return QStringLiteral("the BlueZ mock did not start");
        QDBusConnection bus = Bus();
        const auto start = std::chrono::steady_clock::now();
        while (!bus.interface()->isServiceRegistered(QStringLiteral("org.bluez"))) {
            if (std::chrono::steady_clock::now() - start > std::chrono::seconds(15))
                return QStringLiteral("the BlueZ mock did not appear on the bus");
            QThread::msleep(20);
        }
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
