// The built program itself, as a separate process on the offscreen platform: BlueZ is
// python3-dbusmock's BlueZ service on a private system bus with one paired box, whose port is
// a pseudo-terminal served by the simulated box. Seen from the box's side, the program
// identifies the box, reads and polls it; SIGTERM (what a desktop sends at log-out) makes it
// disconnect and end normally, its settings file written.
#include "app/forms/ChipTuningForm.h"
#include "tests/sim/PtyBox.h"
#include "tests/support/MockBlueZ.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <set>

namespace {

using Clock = std::chrono::steady_clock;

std::set<int> CommandsSeen(const sim::Box& box) {
    std::set<int> seen;
    for (const sim::Bytes& r : box.Requests())
        if (r.size() > 3) seen.insert(r[3]);
    return seen;
}

TEST(Program, ConnectsOverBluetoothPollsTheBoxAndEndsOnSigterm) {
    TMockBlueZ bluez;
    if (const QString why = bluez.Start(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    const QString address = QStringLiteral("00:11:22:AA:BB:01");
    ASSERT_EQ(bluez.Mock(QStringLiteral("AddAdapter"), {QStringLiteral("hci0"), QStringLiteral("desk")}),
              QString());
    ASSERT_EQ(bluez.Mock(QStringLiteral("AddDevice"),
                         {QStringLiteral("hci0"), address, QStringLiteral("ChipTuning")}),
              QString());
    ASSERT_EQ(bluez.Mock(QStringLiteral("PairDevice"), {QStringLiteral("hci0"), address, 0x1F00}), QString());

    sim::Box box;
    sim::PtyBox server(box);
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), QString::fromLatin1(bluez.Address()));
    env.insert(QStringLiteral("ORVO_RFCOMM_PORTS"),
               address + QStringLiteral("=") + QString::fromStdString(server.Path()));
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(ORVO_TUNING_PROGRAM), {});
    ASSERT_TRUE(program.waitForStarted(10000));

    // Identified, then polled for the tuning flag and the active map (after the map reads
    // and with the voltage reads of the curve editors when the program has them).
    std::set<int> wanted{0x90, 0x05, 0x0C};
    if (ChipTuningParts().CreateEditor) wanted.insert({0x08, 0x03});
    const auto start = Clock::now();
    std::set<int> seen;
    while (Clock::now() - start < std::chrono::seconds(30)) {
        seen = CommandsSeen(box);
        if (std::includes(seen.begin(), seen.end(), wanted.begin(), wanted.end())) break;
        QThread::msleep(50);
    }
    EXPECT_TRUE(std::includes(seen.begin(), seen.end(), wanted.begin(), wanted.end()));
    EXPECT_EQ(program.state(), QProcess::Running);

    ::kill(pid_t(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(15000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    // After the exit the box hears nothing more.
    const unsigned exchanges = box.Exchanges();
    QThread::msleep(300);
    EXPECT_EQ(box.Exchanges(), exchanges);
    QFile settings(config.filePath(QStringLiteral("orvo-tuning/orvo-tuning.ini")));
    QStringList files;
    for (QDirIterator it(config.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next();
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly)) << files.join(u' ').toStdString();
    EXPECT_TRUE(settings.readAll().contains("[GUI]\nLanguage=en\n"));
}

} // namespace
