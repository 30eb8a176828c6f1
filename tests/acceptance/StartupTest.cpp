// Start-up and the settings file: the first run with a box on USB (caption, window, the first
// ticks of the connection, the tools column's poll, the file a normal exit writes), an existing
// file in German with a catalogue made by msgfmt, and hand-edited values.
#include "tests/acceptance/AcceptanceHarness.h"
#include "tests/support/Fifo.h"
#include "tests/support/TestFiles.h"

#include "app/ApplicationSettings.h"
#include "app/forms/ChipTuningForm.h"
#include "app/forms/FrameTools.h"
#include "controls/SBPro.h"
#include "controls/XcSpeedButton.h"
#include "device/usb/ChipTuningUsb.h"
#include "i18n/Gettext.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/Panel.h"
#include "platform/graphics/Font.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <memory>

namespace acceptance {
namespace {

using Cmds = std::vector<int>;

TEST_F(TTool, FirstRunOverUsbConnectsPollsAndWritesTheSettingsAtExit) {
    sim::Box& box = UsbBox();
    ASSERT_TRUE(SettingsFile().isEmpty());
    RunProgram([&] {
        EXPECT_EQ(Window()->Caption(), QStringLiteral("ORVO Tuning 1.2.0.16"));
        EXPECT_EQ(Window()->WindowState(), wsMaximized);
        EXPECT_TRUE(Window()->Visible());
        EXPECT_EQ(Application->Title(), QStringLiteral("ORVO Tuning"));
        ASSERT_NE(Tools(), nullptr);
        EXPECT_EQ(Tools()->Parent(), Window()->PanelChart);
        if (Window()->FrameChartLeft && Window()->FrameChartRight) {
            EXPECT_LT(Window()->FrameChartLeft->Frame()->Left(), Tools()->Left());
            EXPECT_LT(Tools()->Left(), Window()->FrameChartRight->Frame()->Left());
        }
        EXPECT_EQ(State(), ConnectRequested);
        EXPECT_EQ(StatusPanel()->Color(), clBtnFace);

        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("Connecting..."));
        EXPECT_EQ(StatusPanel()->Color(), clYellow);
        EXPECT_EQ(StatusPanel()->Font()->Color(), clBlack);
        EXPECT_EQ(State(), Opened);
        // The open itself sends nothing.
        EXPECT_EQ(box.Requests().size(), 0u);
        Tick();
        EXPECT_EQ(State(), Connected);
        if (Window()->FrameChartLeft && Window()->FrameChartRight) {
            // Map 1 of both channels for the left editor, then for the right one; on the
            // wire the map goes first, the channel second.
            const std::vector<sim::Bytes> reads = box.Requests();
            ASSERT_EQ(reads.size(), 4u);
            const int expected[4][2] = {{1, 1}, {1, 2}, {1, 1}, {1, 2}};
            for (std::size_t i = 0; i < 4; ++i) {
                ASSERT_GE(reads[i].size(), 5u);
                EXPECT_EQ(reads[i][2], 0x02);
                EXPECT_EQ(reads[i][3], expected[i][0]);
                EXPECT_EQ(reads[i][4], expected[i][1]);
            }
        }
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("Connected"));
        EXPECT_EQ(StatusPanel()->Color(), clGreen);
        EXPECT_EQ(StatusPanel()->Font()->Color(), clYellow);

        box.ClearLog();
        ASSERT_TRUE(TickUntil([&] { return !MessagePanelText().isEmpty(); }, 1200));
        EXPECT_EQ(MessagePanelText(), QStringLiteral("Tuning is ON --- Active: Map 1"));
        // The poll: tuning flag, then active map (the editors' voltage reads aside).
        Cmds sent = Commands(box, sim::Transport::Usb);
        sent.erase(std::remove(sent.begin(), sent.end(), 0x03), sent.end());
        ASSERT_GE(sent.size(), 2u);
        EXPECT_EQ(Cmds(sent.end() - 2, sent.end()), (Cmds{0x05, 0x0C}));
        EXPECT_EQ(DownButtons(), QStringList({"1", "T"}));
        Screenshot(Window(), "main-window");
        EXPECT_TRUE(MessageTexts().isEmpty());
    });
    // A normal exit: the window disconnected first, then the settings were written.
    EXPECT_EQ(SettingsFile(), kDefaultSettingsFile);
    EXPECT_EQ(UsbDeviceHandle, nullptr);
}

TEST_F(TTool, HandEditedSettingsReadAsTheyShouldAndAreWrittenBackCleaned) {
    WriteSettings("[Pressure]\n"
                  "CoeffA0=abc\n"
                  "Type1=0x1\n"
                  "[GUI]\n"
                  "Language=en\n");
    RunProgram([&] {
        ASSERT_NE(ApplicationSettings, nullptr);
        EXPECT_EQ(ApplicationSettings->Coeffs()[0].CoeffA, 1.0);
        EXPECT_EQ(ApplicationSettings->Coeffs()[1].Type, 1);
        // No box: the program stays disconnected until closed.
        Tick();
        ASSERT_TRUE(WaitUntil([&] { return State() == Disconnected; }));
    });
    const QByteArray file = SettingsFile();
    EXPECT_TRUE(file.startsWith("[Pressure]\nCoeffA0=1\nType1=1\nCoeffB0=0\n")) << file.toStdString();
    EXPECT_TRUE(file.contains("[GUI]\nLanguage=en\n"));
}

// A German catalogue beside the program, made by msgfmt from the texts the tool shows.
class GermanCatalogue {
public:
    GermanCatalogue() {
        const QString msgfmt = QStandardPaths::findExecutable(QStringLiteral("msgfmt"));
        if (msgfmt.isEmpty()) {
            why = "msgfmt is not installed";
            return;
        }
        folder = QCoreApplication::applicationDirPath() + QStringLiteral("/locale/de/LC_MESSAGES");
        QDir().mkpath(folder);
        const QString po = folder + QStringLiteral("/default.po");
        QFile f(po);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            why = "cannot write the catalogue";
            return;
        }
        f.write("msgid \"\"\n"
                "msgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                "msgid \"Connecting...\"\nmsgstr \"Verbinde...\"\n\n"
                "msgid \"No connection\"\nmsgstr \"Keine Verbindung\"\n\n"
                "msgid \"Tuning On\"\nmsgstr \"Tuning an\"\n\n"
                "msgid \"Set Map 2\"\nmsgstr \"Kennfeld 2 setzen\"\n\n"
                "msgid \"Swap Channels\"\nmsgstr \"Kanäle tauschen\"\n");
        f.close();
        if (QProcess::execute(msgfmt, {QStringLiteral("-o"), folder + QStringLiteral("/default.mo"), po}) !=
            0)
            why = "msgfmt failed";
    }
    ~GermanCatalogue() {
        if (!folder.isEmpty())
            QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/locale")).removeRecursively();
    }
    std::string why;

private:
    QString folder;
};

TEST_F(TTool, LanguageFromTheSettingsFileShowsTheCataloguesTexts) {
    GermanCatalogue catalogue;
    if (!catalogue.why.empty()) GTEST_SKIP() << catalogue.why;
    WriteSettings("[GUI]\nLanguage=de\n");
    RunProgram([&] {
        EXPECT_EQ(ApplicationSettings->Language, QStringLiteral("de"));
        // Texts of the forms and the connection's messages.
        EXPECT_EQ(Tools()->btnTuningOn->Caption(), QStringLiteral("Tuning an"));
        EXPECT_EQ(Tools()->btnMap2->Caption(), QStringLiteral("Kennfeld 2 setzen"));
        EXPECT_EQ(Tools()->btnMoveL2R2L->Hint(), QStringLiteral("Kanäle tauschen"));
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("Verbinde..."));
        ASSERT_TRUE(WaitUntil([&] { return State() == Disconnected; }));
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("Keine Verbindung"));
        // A text the catalogue lacks stays English.
        EXPECT_EQ(Tools()->btnMap1->Caption(), QStringLiteral("Set Map 1"));
    });
    EXPECT_TRUE(SettingsFile().contains("[GUI]\nLanguage=de\n"));
    // The next test runs in English again.
    UseLanguage(QStringLiteral("en"));
}

// A settings file that is a FIFO: nothing writes to it, so opening it to read would wait for
// ever before the window appears. The program starts with the defaults, says so once, and
// leaves the FIFO as it is.
TEST_F(TTool, ASettingsFileThatIsAFifoGivesTheDefaultsAndOneMessage) {
    TFifoGuard fifo(SettingsPath());
    ASSERT_TRUE(fifo.Made());
    RunProgram([&] {
        EXPECT_EQ(ApplicationSettings->Language, QStringLiteral("en"));
        EXPECT_EQ(ApplicationSettings->Coeffs()[0].CoeffA, 1.0);
        EXPECT_TRUE(Window()->Visible());
        Tick();
        ASSERT_TRUE(WaitUntil([&] { return State() == Disconnected; }));
    });
    ASSERT_EQ(MessageTexts().size(), 1);
    EXPECT_TRUE(
        MessageTexts()[0].startsWith(QStringLiteral("The settings could not be read from ") + SettingsPath()))
        << MessageTexts()[0].toStdString();
    EXPECT_FALSE(fifo.Released());
    EXPECT_TRUE(fifo.StillAFifo());
}

// The catalogue of the chosen language beside the program cannot be used: damaged, not a
// catalogue at all, or a FIFO. The program starts in English after one message.
struct TUnusableCatalogue {
    const char* name;
    QByteArray bytes; // empty: a FIFO
    const char* reason;
};

class UnusableCatalogue : public TTool, public ::testing::WithParamInterface<TUnusableCatalogue> {
protected:
    void TearDown() override {
        QDir(folder).removeRecursively();
        TTool::TearDown();
        // The next test runs in English again.
        UseLanguage(QStringLiteral("en"));
    }
    const String folder = QCoreApplication::applicationDirPath() + QStringLiteral("/locale");
    const String file = folder + QStringLiteral("/de/LC_MESSAGES/default.mo");
};

TEST_P(UnusableCatalogue, IsToldOnceAndTheProgramStartsInEnglish) {
    QDir(folder).removeRecursively();
    std::unique_ptr<TFifoGuard> fifo;
    if (GetParam().bytes.isEmpty()) {
        fifo = std::make_unique<TFifoGuard>(file);
        ASSERT_TRUE(fifo->Made());
    } else {
        ASSERT_TRUE(PutFile(file, GetParam().bytes));
    }
    WriteSettings("[GUI]\nLanguage=de\n");
    RunProgram([&] {
        EXPECT_EQ(ApplicationSettings->Language, QStringLiteral("de"));
        EXPECT_EQ(Tools()->btnTuningOn->Caption(), QStringLiteral("Tuning On"));
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("Connecting..."));
        ASSERT_TRUE(WaitUntil([&] { return State() == Disconnected; }));
        Tick();
        EXPECT_EQ(StatusText(), QStringLiteral("No connection"));
    });
    ASSERT_EQ(messages.size(), 1u) << MessageTexts().join(u'|').toStdString();
    EXPECT_EQ(messages[0].caption, QStringLiteral("Localization problem"));
    EXPECT_TRUE(messages[0].text.contains(QString::fromUtf8(GetParam().reason) + file))
        << messages[0].text.toStdString();
    EXPECT_TRUE(SettingsFile().contains("[GUI]\nLanguage=de\n"));
    if (fifo) {
        EXPECT_FALSE(fifo->Released());
    }
}

// A catalogue whose string table runs past its end: magic, revision, one string, the tables
// at 28 and 36, and an id of 4096 bytes at 0 in a file of 44.
const QByteArray kDamagedTables = QByteArray::fromHex("de120495"
                                                      "00000000"
                                                      "01000000"
                                                      "1c000000"
                                                      "24000000"
                                                      "00000000"
                                                      "00000000"
                                                      "00100000"
                                                      "00000000"
                                                      "00000000"
                                                      "00000000");

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnusableCatalogue,
    ::testing::Values(TUnusableCatalogue{"DamagedTables", kDamagedTables,
                                         "This GNU gettext mo file is damaged: "},
                      TUnusableCatalogue{"BrokenMagic", QByteArray(64, 'x'),
                                         "This file is not a valid GNU gettext mo file: "},
                      TUnusableCatalogue{"Fifo", QByteArray(), "Cannot open file \""}),
    [](const ::testing::TestParamInfo<TUnusableCatalogue>& info) { return std::string(info.param.name); });

} // namespace
} // namespace acceptance
