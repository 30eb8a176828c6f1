#include "platform/win/Beep.h"
#include "platform/win/BluetoothLookup.h"
#include "platform/win/Folders.h"
#include "platform/win/KeyState.h"
#include "platform/win/LastError.h"
#include "platform/win/LocalMachineRegistry.h"
#include "platform/win/Locale.h"
#include "platform/win/MessageBox.h"
#include "platform/win/Process.h"
#include "platform/win/Shell.h"
#include "platform/win/TempFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets environment variables for the lifetime of the object.
class TEnv {
public:
    void Set(const char* name, const QByteArray& value) {
        if (!saved_.count(name)) saved_[name] = {qEnvironmentVariableIsSet(name), qgetenv(name)};
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~TEnv() {
        for (auto& [name, old] : saved_) {
            if (old.first)
                qputenv(name.c_str(), old.second);
            else
                qunsetenv(name.c_str());
        }
    }

private:
    std::map<std::string, std::pair<bool, QByteArray>> saved_;
};

TEST(MessageBoxHook, CapturesBoxesAndRestoresTheDefault) {
    struct Seen {
        String text, caption;
        unsigned flags;
    };
    std::vector<Seen> seen;
    TMessageBoxHook previous = SetMessageBoxHook([&](void*, const String& t, const String& c, unsigned f) {
        seen.push_back({t, c, f});
        return IDNO;
    });
    EXPECT_EQ(MessageBox(nullptr, "Overwrite?", "Serial library", MB_YESNO | MB_ICONQUESTION), IDNO);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Overwrite?");
    EXPECT_EQ(seen[0].caption, "Serial library");
    EXPECT_EQ(seen[0].flags, MB_YESNO | MB_ICONQUESTION);
    SetMessageBoxHook(previous);
    // The default answers OK without user interaction.
    EXPECT_EQ(MessageBox(nullptr, "text on stderr", "caption", MB_OKCANCEL), IDOK);

    SetApplicationTitle("ORVO Tuning");
    EXPECT_EQ(ApplicationTitle(), "ORVO Tuning");
}

TEST(Bluetooth, AddressesAreNormalisedToTwelveDigits) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"(00:11:22:AA:BB:CC)", "001122AABBCC"},
        {"00:11:22:aa:bb:cc", "001122AABBCC"},
        {"001122aabbcc", "001122AABBCC"},
        {"00:11:22:AA:BB", ""},
        {"00:11:22:AA:BB:CG", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalizeBluetoothAddress(c.in), c.out) << c.in;
}

TEST(Bluetooth, FakeLookupMatchesNamesExactlyAndMapsPorts) {
    TFakeBluetoothLookup fake;
    fake.AddDevice("ChipTuning", "00:11:22:AA:BB:CC", "/dev/pts/7");
    fake.AddDevice("chiptuning", "00:11:22:AA:BB:CD", "/dev/pts/8");
    fake.AddDevice("ChipTuning", "00:11:22:AA:BB:CE", ""); // paired, no terminal bound
    IBluetoothLookup* previous = SetBluetoothLookup(&fake);
    std::vector<TBluetoothDevice> found = BluetoothLookup().FindPairedDevices("ChipTuning");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].Address, "001122AABBCC");
    String port;
    EXPECT_TRUE(BluetoothLookup().FindPort("001122aabbcc", port));
    EXPECT_EQ(port, "/dev/pts/7");
    EXPECT_FALSE(BluetoothLookup().FindPort(found[1].Address, port));
    SetBluetoothLookup(previous);
    EXPECT_NE(&BluetoothLookup(), static_cast<IBluetoothLookup*>(&fake));
}

// Captures the messages of one logging category.
class TTraceCapture {
public:
    explicit TTraceCapture(const char* category) {
        category_ = category;
        lines_ = &lines;
        previous_ = qInstallMessageHandler(&Handler);
    }
    ~TTraceCapture() {
        qInstallMessageHandler(previous_);
        lines_ = nullptr;
    }
    QStringList lines;

private:
    static void Handler(QtMsgType, const QMessageLogContext& ctx, const QString& msg) {
        if (lines_ && ctx.category && category_ == ctx.category) lines_->append(msg);
    }
    static inline QStringList* lines_ = nullptr;
    static inline QByteArray category_;
    QtMessageHandler previous_;
};

TEST(Bluetooth, SystemLookupFindsNothingQuicklyWithoutBlueZAndSaysSo) {
    TEnv env;
    // A system bus address where nothing listens, so the test does not depend on the machine.
    QTemporaryDir dir;
    env.Set("DBUS_SYSTEM_BUS_ADDRESS", ("unix:path=" + dir.path() + "/no-bus").toUtf8());
    TTraceCapture trace("orvo.platform.bluetooth");
    TBlueZLookup lookup(500);
    auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(lookup.FindPairedDevices("ChipTuning").empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    ASSERT_FALSE(trace.lines.isEmpty());
    EXPECT_TRUE(trace.lines.join('\n').contains("no device found")) << trace.lines.join('\n').toStdString();

    String port;
    lookup.SetPortOverride("00:11:22:AA:BB:CC", "/dev/ttyS9");
    EXPECT_TRUE(lookup.FindPort("001122AABBCC", port));
    EXPECT_EQ(port, "/dev/ttyS9");
    // No terminal is bound here: the device's own link.
    EXPECT_TRUE(lookup.FindPort("0011220A0B0C", port));
    EXPECT_EQ(port, "rfcomm:0011220A0B0C");
}

TEST(Locale, LanguageFromTheEnvironmentAndTheLocale) {
    struct TFakeLocale : ILocaleProvider {
        std::map<std::string, String> env;
        String Environment(const char* name) override { return env.count(name) ? env[name] : String(); }
        String SystemLocaleName() override { return "pl_PL"; }
        QChar DecimalSeparator() override { return u','; }
        QChar ThousandSeparator() override { return u' '; }
        String ShortDateFormat() override { return "dd.mm.yyyy"; }
        String LongTimeFormat() override { return "hh:nn:ss"; }
    } fake;
    ILocaleProvider* previous = SetLocaleProvider(&fake);
    fake.env["LANG"] = "de_DE.UTF-8";
    EXPECT_EQ(LanguageFromEnvironment(), "de_DE");
    EXPECT_EQ(LanguageFromLocale(), "pl_PL"); // LC_ALL and LC_MESSAGES unset: the system locale
    fake.env["LC_MESSAGES"] = "fr_FR.UTF-8";
    EXPECT_EQ(LanguageFromLocale(), "fr_FR");
    fake.env["LC_ALL"] = "ja_JP.eucJP";
    EXPECT_EQ(LanguageFromLocale(), "ja_JP");
    EXPECT_TRUE(IsJapaneseLocale());
    fake.env.erase("LANG");
    EXPECT_EQ(LanguageFromEnvironment(), "");
    SetLocaleProvider(previous);
}

TEST(Locale, QtFormatsBecomeRuntimeFormats) {
    struct Case {
        const char* qt;
        const char* runtime;
    } cases[] = {
        {"dd/MM/yyyy", "dd/mm/yyyy"}, {"HH:mm:ss", "hh:nn:ss"},   {"h:mm:ss AP", "h:nn:ss AMPM"},
        {"d.M.yy", "d.m.yy"},         {"HH:mm:ss t", "hh:nn:ss"}, {"d 'de' MMMM", "d \"de\" mmmm"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RuntimeDateTimeFormat(c.qt), c.runtime) << c.qt;
}

TEST(Folders, XdgFoldersAndTheMissingHome) {
    TEnv env;
    QTemporaryDir dir;
    env.Set("XDG_CONFIG_HOME", (dir.path() + "/cfg/").toUtf8());
    EXPECT_EQ(LocalAppDataFolder(), dir.path() + "/cfg");
    EXPECT_TRUE(QFileInfo(dir.path() + "/cfg").isDir());

    env.Set("XDG_CONFIG_HOME", QByteArray());
    env.Set("HOME", dir.path().toUtf8());
    EXPECT_EQ(UserAppDataFolder(), dir.path() + "/.config");

    env.Set("XDG_CONFIG_DIRS", "/opt/xdg:/etc/xdg");
    EXPECT_EQ(WindowsFolder(), "/opt/xdg");
    env.Set("XDG_CONFIG_DIRS", QByteArray());
    EXPECT_EQ(WindowsFolder(), "/etc/xdg");

    env.Set("TMPDIR", (dir.path() + "/").toUtf8());
    EXPECT_EQ(TempFolder(), dir.path());
    EXPECT_EQ(TempPath(), dir.path() + "/");
    env.Set("TMPDIR", QByteArray());
    EXPECT_EQ(TempFolder(), "/tmp");
    EXPECT_EQ(CurrentFolder(), QDir::currentPath());
}

TEST(Folders, SettingsFolderThatCannotBeHadIsNoneAndTraced) {
    TEnv env;
    QTemporaryDir dir;
    // A relative XDG_CONFIG_HOME does not count: the home's folder is used.
    env.Set("HOME", dir.path().toUtf8());
    env.Set("XDG_CONFIG_HOME", "relative/cfg");
    EXPECT_EQ(UserAppDataFolder(), dir.path() + "/.config");
    EXPECT_EQ(LocalAppDataFolder(), dir.path() + "/.config");

    // A folder below a plain file cannot be created, not even by root: no folder, so the
    // settings stay in memory, and the trace says so.
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    env.Set("XDG_CONFIG_HOME", (dir.path() + "/file/cfg").toUtf8());
    TTraceCapture trace("orvo.platform.folders");
    EXPECT_EQ(LocalAppDataFolder(), "");
    EXPECT_TRUE(trace.lines.join('\n').contains("kept in memory")) << trace.lines.join('\n').toStdString();
    // The folder's name itself is still known, for the callers that only show it.
    EXPECT_EQ(UserAppDataFolder(), dir.path() + "/file/cfg");
}

TEST(Folders, CreateDirectoryReportsWindowsCodes) {
    QTemporaryDir dir;
    QByteArray sub = (dir.path() + "/new").toUtf8();
    EXPECT_TRUE(CreateDirectoryA(sub.constData(), nullptr));
    EXPECT_FALSE(CreateDirectoryA(sub.constData(), nullptr));
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_FALSE(CreateDirectoryA((dir.path() + "/a/b").toUtf8().constData(), nullptr));
    EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
}

TEST(Process, ProgramFileAndModuleName) {
    String real = ProgramFileName();
    EXPECT_TRUE(QFileInfo(real).isExecutable());
    EXPECT_EQ(QFileInfo(real).fileName(), "test_platform_win");
    EXPECT_EQ(ProgramFolder(), QFileInfo(real).absolutePath());
    char buf[4096];
    DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
    EXPECT_EQ(String::fromUtf8(buf, int(n)), real);
    char small[5];
    EXPECT_EQ(GetModuleFileNameA(nullptr, small, sizeof small), 5u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(small[4], '\0');

    SetProgramFileName("/opt/orvo/orvo-tuning");
    EXPECT_EQ(ProgramFileName(), "/opt/orvo/orvo-tuning");
    EXPECT_EQ(GetModuleFileName(nullptr), "/opt/orvo/orvo-tuning");
    SetProgramFileName(String());
    EXPECT_EQ(ProgramFileName(), real);
    EXPECT_GT(GetCurrentProcessId(), 0u);
}

TEST(Process, FileOfAnotherProcess) {
    EXPECT_EQ(ProcessFileName(GetCurrentProcessId()), ProgramFileName());

    String sleep = QStandardPaths::findExecutable("sleep");
    ASSERT_FALSE(sleep.isEmpty());
    QProcess child;
    child.start(sleep, {"5"});
    ASSERT_TRUE(child.waitForStarted(5000));
    String file = ProcessFileName(DWORD(child.processId()));
    child.kill();
    child.waitForFinished(5000);
    EXPECT_EQ(file, QFileInfo(sleep).canonicalFilePath());
    EXPECT_EQ(GetLastError(), ERROR_SUCCESS);

    // No such process: the largest process id Linux allows is far below this one.
    for (DWORD pid : {0u, 0x7FFFFFF0u}) {
        SetLastError(0);
        EXPECT_EQ(ProcessFileName(pid), "") << pid;
        EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << pid;
    }
}

TEST(KeyState, FollowsTheLatestInputEvent) {
    QWidget w;
    w.resize(50, 50);
    w.show();
    EXPECT_EQ(GetKeyState(VK_LBUTTON), 0);
    QTest::mousePress(&w, Qt::LeftButton, Qt::ControlModifier, QPoint(10, 10));
    EXPECT_LT(GetKeyState(VK_LBUTTON), 0);
    EXPECT_LT(GetKeyState(VK_CONTROL), 0);
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
    QTest::mouseRelease(&w, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(GetKeyState(VK_LBUTTON), 0);
    EXPECT_EQ(GetKeyState(VK_CONTROL), 0);

    // Each button and modifier reads as its own key, and only while its event says so.
    struct Case {
        Qt::MouseButton button;
        Qt::KeyboardModifiers mods;
        int down[2];
        int up[3];
    } cases[] = {
        {Qt::RightButton, Qt::ShiftModifier, {VK_RBUTTON, VK_SHIFT}, {VK_LBUTTON, VK_MBUTTON, VK_MENU}},
        {Qt::MiddleButton, Qt::AltModifier, {VK_MBUTTON, VK_MENU}, {VK_RBUTTON, VK_SHIFT, VK_CONTROL}},
    };
    for (const Case& c : cases) {
        QTest::mousePress(&w, c.button, c.mods, QPoint(20, 20));
        for (int key : c.down)
            EXPECT_LT(GetKeyState(key), 0) << key;
        for (int key : c.up)
            EXPECT_EQ(GetKeyState(key), 0) << key;
        QTest::mouseRelease(&w, c.button, Qt::NoModifier, QPoint(20, 20));
        for (int key : c.down)
            EXPECT_EQ(GetKeyState(key), 0) << key;
    }
}

TEST(Beep, HookCountsBeeps) {
    int beeps = 0;
    TBeepHook previous = SetBeepHook([&](UINT) { ++beeps; });
    MessageBeep(0);
    Beep(440, 100);
    EXPECT_EQ(beeps, 2);
    SetBeepHook(previous);
}

TEST(TempFiles, UniquePrivateFiles) {
    TEnv env;
    QTemporaryDir dir;
    env.Set("TMPDIR", dir.path().toUtf8());
    String a = CreateTempFile("chart-", ".tee");
    String b = CreateTempFile("chart-", ".tee");
    ASSERT_FALSE(a.isEmpty());
    EXPECT_NE(a, b);
    EXPECT_TRUE(a.startsWith(dir.path() + "/chart-"));
    EXPECT_TRUE(a.endsWith(".tee"));
    struct stat st {};
    ASSERT_EQ(::stat(a.toUtf8().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    env.Set("TMPDIR", (dir.path() + "/missing").toUtf8());
    EXPECT_TRUE(CreateTempFile("x", "").isEmpty());
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST(Mail, AttachmentKeepsItsNameInAPrivateFolderUntilTheProgramEnds) {
    TEnv env;
    QTemporaryDir tmp;
    env.Set("TMPDIR", tmp.path().toUtf8());
    TFakeMailSender fake;
    IMailSender* previous = SetMailSender(&fake);
    for (int result : {MAIL_SUCCESS, MAIL_USER_ABORT, MAIL_FAILURE}) {
        fake.Result = result;
        EXPECT_EQ(SendFileByMail("Chart", "/somewhere/VorUvivi.csv", "DATA"), result);
        ASSERT_FALSE(fake.Sent.empty());
        const TFakeMailSender::TMail& mail = fake.Sent.back();
        EXPECT_EQ(mail.Subject, "Chart");
        EXPECT_EQ(mail.Content, "DATA");
        const QFileInfo file(mail.Attachment);
        EXPECT_EQ(file.fileName(), "VorUvivi.csv");
        EXPECT_EQ(file.absolutePath(), QFileInfo(tmp.path()).absoluteFilePath() + "/" + file.dir().dirName());
        // The mail program may read it after the sender returned: still there, whatever
        // the result, in a folder nobody else can enter.
        EXPECT_TRUE(file.exists());
        struct stat st {};
        ASSERT_EQ(::stat(file.absolutePath().toUtf8().constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0700u);
    }
    // Each sending has its own folder, so the same name never meets an older file.
    const QStringList folders = PendingMailAttachmentFolders();
    EXPECT_EQ(folders.size(), 3);
    EXPECT_EQ(QSet<QString>(folders.begin(), folders.end()).size(), 3);
    RemoveMailAttachments();
    for (const QString& folder : folders)
        EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_TRUE(PendingMailAttachmentFolders().isEmpty());

    fake.IsAvailable = false;
    size_t sent = fake.Sent.size();
    EXPECT_EQ(SendFileByMail("Chart", "chart.tee", "DATA"), MAIL_FAILURE);
    EXPECT_EQ(fake.Sent.size(), sent);
    // No temporary folder: nothing is sent, nothing is left.
    fake.IsAvailable = true;
    env.Set("TMPDIR", (tmp.path() + "/missing").toUtf8());
    EXPECT_EQ(SendFileByMail("Chart", "chart.tee", "DATA"), MAIL_FAILURE);
    EXPECT_EQ(fake.Sent.size(), sent);
    SetMailSender(previous);
}

// The attachments' folders go when the program ends: a child process sends one and
// exits normally; the parent finds the folder gone.
TEST(Mail, AttachmentFoldersGoAtExit) {
    const QString record = QDir::tempPath() + QStringLiteral("/orvo-mail-exit-%1.txt");
    const QString mine = record.arg(::getpid());
    QFile::remove(mine);
    EXPECT_EXIT(
        {
            TFakeMailSender fake;
            SetMailSender(&fake);
            SendFileByMail("Chart", "VorUvivi.csv", "DATA");
            QFile f(record.arg(::getppid()));
            if (f.open(QIODevice::WriteOnly)) f.write(fake.Sent.back().Attachment.toUtf8());
            f.close();
            SetMailSender(nullptr);
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
    QFile f(mine);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString attachment = QString::fromUtf8(f.readAll());
    f.close();
    QFile::remove(mine);
    EXPECT_TRUE(attachment.endsWith("/VorUvivi.csv"));
    EXPECT_FALSE(QFileInfo::exists(attachment));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(attachment).absolutePath()));
}

// xdg-email's status reaches the caller as the error number; a command-line error (1) is
// a failure, not a cancelled message.
TEST(Mail, XdgEmailStatusIsTheResult) {
    TEnv env;
    QTemporaryDir bin;
    env.Set("TMPDIR", bin.path().toUtf8());
    const QString stub = bin.path() + "/xdg-email";
    env.Set("PATH", bin.path().toUtf8());
    TXdgMailSender xdg;
    EXPECT_FALSE(xdg.Available());
    for (auto [status, expected] :
         std::vector<std::pair<int, int>>{{0, MAIL_SUCCESS}, {1, MAIL_FAILURE}, {4, 4}}) {
        QFile f(stub);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(status).toUtf8());
        f.close();
        f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_TRUE(xdg.Available());
        EXPECT_EQ(xdg.Send("Chart", stub), expected) << status;
    }
}

TEST(Shell, OpenGoesThroughTheHook) {
    QStringList opened;
    TShellOpenHook previous = SetShellOpenHook([&](const String& t) {
        opened << t;
        return true;
    });
    EXPECT_TRUE(ShellOpen("mailto:someone@example.com"));
    EXPECT_EQ(opened, QStringList{"mailto:someone@example.com"});
    SetShellOpenHook(previous);
}

TEST(LocalMachineRegistry, AnswersEmpty) {
    String value = "untouched";
    EXPECT_FALSE(
        ReadLocalMachineString("SOFTWARE\\Ririvi Software\\RorOraza Doz\\Help", "HelpFolder", value));
    EXPECT_EQ(value, "untouched");
}

} // namespace
