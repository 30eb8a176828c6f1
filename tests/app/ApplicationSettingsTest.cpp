// The settings file as the program keeps it: its place under the configuration folder, the
// first run, hand-edited values, other locales, and the files and folders it cannot use.
#include "app/ApplicationSettings.h"
#include "AppTestSupport.h"
#include "platform/controls/Application.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/win/MessageBox.h"
#include "tests/support/Fifo.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Number formats with "," as decimal separator (and "." for thousands) for a test's lifetime.
class TCommaLocale {
public:
    TCommaLocale() {
        previous_ = SetFormatSettingsSource([] {
            TFormatSettings s = TFormatSettings::Invariant();
            s.DecimalSeparator = u',';
            s.ThousandSeparator = u'.';
            return s;
        });
        GetFormatSettings();
    }
    ~TCommaLocale() {
        SetFormatSettingsSource(previous_);
        GetFormatSettings();
    }

private:
    TFormatSettingsSource previous_;
};

// Counts the message boxes shown and keeps the last text.
class TMessageBoxes {
public:
    TMessageBoxes() {
        old_ = SetMessageBoxHook([this](void*, const String& text, const String&, unsigned) {
            ++Count;
            Text = text;
            return IDOK;
        });
    }
    ~TMessageBoxes() { SetMessageBoxHook(old_); }

    int Count = 0;
    String Text;

private:
    TMessageBoxHook old_;
};

// A configuration folder of the test's own; the settings file lies in <folder>/<title>/.
class ApplicationSettingsTest : public ::testing::Test {
protected:
    ApplicationSettingsTest() : xdg_("XDG_CONFIG_HOME", QFile::encodeName(dir_.path() + "/config")) {}

    String Title() const { return Application->Title(); }
    String SettingsFile() const { return dir_.path() + "/config/" + Title() + "/" + Title() + ".ini"; }

    // One run of the program: made, loaded, changed by the caller, saved and deleted.
    template <class Change> void Run(Change change) {
        auto settings = std::make_unique<TApplicationSettings>();
        settings->LoadSettings();
        change(*settings);
        settings->SaveSettings();
    }

    QTemporaryDir dir_;
    TEnvOverride xdg_;
};

TEST_F(ApplicationSettingsTest, FirstRunWritesEveryKeyWithItsDefaultPressureBeforeGui) {
    TApplicationSettings settings;
    EXPECT_EQ(settings.IniFilePath(), SettingsFile());
    settings.LoadSettings();
    ASSERT_EQ(settings.Coeffs().size(), 2u);
    EXPECT_EQ(settings.Language, "en");
    settings.SaveSettings();
    EXPECT_FALSE(QFile::exists(SettingsFile())); // nothing is written while the program runs
    EXPECT_TRUE(settings.ReadProblem().isEmpty());
    EXPECT_FALSE(settings.ReportReadProblem());
}

TEST_F(ApplicationSettingsTest, DeletingTheSettingsWritesTheFile) {
    Run([](TApplicationSettings&) {});
    EXPECT_EQ(FileBytes(SettingsFile()), kDefaultSettingsFile);
}

TEST_F(ApplicationSettingsTest, ChangedValuesSurviveTheNextRunAndKeepTheirAddresses) {
    Run([](TApplicationSettings& s) {
        TApplicationSettings::COEFFS* first = &s.Coeffs()[0];
        s.Coeffs()[1] = {250.5, -12.25, 1};
        s.Language = QStringLiteral("pl");
        EXPECT_EQ(first, &s.Coeffs()[0]);
    });
    {
        TApplicationSettings s;
        s.LoadSettings();
        EXPECT_EQ(s.Coeffs()[0].CoeffA, 1.0);
        EXPECT_EQ(s.Coeffs()[1].CoeffA, 250.5);
        EXPECT_EQ(s.Coeffs()[1].CoeffB, -12.25);
        EXPECT_EQ(s.Coeffs()[1].Type, 1);
        EXPECT_EQ(s.Language, "pl");
    }
}

TEST_F(ApplicationSettingsTest, HandEditedValuesReadAsNumbersOrFallBackToTheirDefaults) {
    ASSERT_TRUE(PutFile(SettingsFile(), "[Pressure]\n"
                                        "CoeffA0=abc\n"
                                        "CoeffB0=2,5\n"
                                        "Type0=\n"
                                        "CoeffA1= 1.5e2 \n"
                                        "CoeffB1=inf\n"
                                        "Type1=0x1\n"
                                        "[GUI]\n"
                                        "Language=de\n"));
    Run([](TApplicationSettings& s) {
        EXPECT_EQ(s.Coeffs()[0].CoeffA, 1.0); // not a number
        EXPECT_EQ(s.Coeffs()[0].CoeffB, 2.5); // a comma decimal
        EXPECT_EQ(s.Coeffs()[0].Type, 0);     // empty
        EXPECT_EQ(s.Coeffs()[1].CoeffA, 150.0);
        EXPECT_EQ(s.Coeffs()[1].CoeffB, 0.0); // not finite
        EXPECT_EQ(s.Coeffs()[1].Type, 1);     // hexadecimal
        EXPECT_EQ(s.Language, "de");
    });
    // Written back as read: the unconvertible value as its default.
    EXPECT_TRUE(
        FileBytes(SettingsFile()).startsWith("[Pressure]\nCoeffA0=1\nCoeffB0=2.5\nType0=0\nCoeffA1=150\n"));
}

TEST_F(ApplicationSettingsTest, MissingPressureSectionGivesTheDefaultScalingAndKeepsTheLanguage) {
    ASSERT_TRUE(PutFile(SettingsFile(), "[GUI]\nLanguage=de\n"));
    Run([](TApplicationSettings& s) {
        EXPECT_EQ(s.Coeffs()[0].CoeffA, 1.0);
        EXPECT_EQ(s.Coeffs()[1].CoeffB, 0.0);
        EXPECT_EQ(s.Coeffs()[1].Type, 0);
        EXPECT_EQ(s.Language, "de");
    });
    // The existing section keeps its place; the new one is appended.
    EXPECT_TRUE(FileBytes(SettingsFile()).startsWith("[GUI]\nLanguage=de\n\n[Pressure]\nCoeffA0=1\n"));
}

TEST_F(ApplicationSettingsTest, DecimalsAreWrittenWithAPointUnderACommaLocaleAndReadBackUnderAny) {
    {
        TCommaLocale comma;
        Run([](TApplicationSettings& s) { s.Coeffs()[0].CoeffA = 2.5; });
        EXPECT_TRUE(FileBytes(SettingsFile()).contains("CoeffA0=2.5\n"));
    }
    TApplicationSettings s; // read back under the point locale
    s.LoadSettings();
    EXPECT_EQ(s.Coeffs()[0].CoeffA, 2.5);
}

// A path that exists but that nobody, not even the superuser, can open as a file.
void PutSocket(const String& name) {
    QDir().mkpath(QFileInfo(name).absolutePath());
    const QByteArray path = QFile::encodeName(name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(std::size_t(path.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

bool IsSocket(const String& name) {
    struct stat st;
    return ::lstat(QFile::encodeName(name).constData(), &st) == 0 && S_ISSOCK(st.st_mode);
}

// A socket cannot be opened at all; a FIFO could, but its open would wait for a writer for
// ever, before the window appears.
TEST_F(ApplicationSettingsTest, AnUnreadableFileGivesTheDefaultsIsReportedOnceAndIsNotOverwritten) {
    for (const bool fifo : {false, true}) {
        SCOPED_TRACE(fifo ? "FIFO" : "socket");
        // The socket path must stay short; the test's own folder may be long.
        QTemporaryDir shortDir(QStringLiteral("/tmp/ot-XXXXXX"));
        TEnvOverride xdg("XDG_CONFIG_HOME", QFile::encodeName(shortDir.path()));
        const String file = shortDir.path() + "/" + Title() + "/" + Title() + ".ini";
        std::unique_ptr<TFifoGuard> pipe;
        if (fifo) {
            pipe = std::make_unique<TFifoGuard>(file);
            ASSERT_TRUE(pipe->Made());
        } else {
            PutSocket(file);
        }
        TMessageBoxes boxes;
        {
            auto s = std::make_unique<TApplicationSettings>();
            s->LoadSettings();
            EXPECT_EQ(s->Coeffs()[0].CoeffA, 1.0);
            EXPECT_EQ(s->Language, "en");
            EXPECT_TRUE(s->IniFilePath().isEmpty());
            EXPECT_TRUE(s->ReadProblem().contains(file));
            EXPECT_EQ(boxes.Count, 0); // told once the application can show it
            EXPECT_TRUE(s->ReportReadProblem());
            EXPECT_FALSE(s->ReportReadProblem());
            EXPECT_EQ(boxes.Count, 1);
            EXPECT_EQ(boxes.Text, s->ReadProblem());
            s->Coeffs()[0].CoeffA = 3;
            s->SaveSettings();
        }
        if (fifo) {
            EXPECT_FALSE(pipe->Released());
            EXPECT_TRUE(pipe->StillAFifo());
        } else {
            EXPECT_TRUE(IsSocket(file));
        }
    }
}

TEST_F(ApplicationSettingsTest, WithoutAConfigurationFolderTheSettingsStayInMemory) {
    // A plain file where a folder must be: first the settings folder, then the configuration
    // folder itself.
    struct Case {
        const char* name;
        String blocker;   // the file that blocks the folder
        String configDir; // XDG_CONFIG_HOME
    };
    const String base = dir_.path() + "/blocked";
    const Case cases[] = {
        {"settings folder", base + "/a/" + Title(), base + "/a"},
        {"configuration folder", base + "/b", base + "/b/config"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(PutFile(c.blocker, "not a folder"));
        TEnvOverride xdg("XDG_CONFIG_HOME", QFile::encodeName(c.configDir));
        TMessageBoxes boxes;
        {
            TApplicationSettings s;
            s.LoadSettings();
            EXPECT_TRUE(s.IniFilePath().isEmpty());
            EXPECT_FALSE(s.ReadProblem().isEmpty());
            s.Coeffs()[1].Type = 1;
            s.SaveSettings();
            EXPECT_TRUE(s.ReportReadProblem());
        }
        EXPECT_EQ(boxes.Count, 1);
        EXPECT_EQ(FileBytes(c.blocker), QByteArray("not a folder"));
        QDirIterator files(base, {QStringLiteral("*.ini")}, QDir::Files, QDirIterator::Subdirectories);
        EXPECT_FALSE(files.hasNext());
    }
}

} // namespace
