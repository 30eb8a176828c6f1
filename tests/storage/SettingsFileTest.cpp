// The settings file as the tuning application keeps it: a storage without owner, a custom
// full path, flushed when destroyed, read and written only through the in-memory INI's
// own typed operations.
#include "platform/classes/MemIniFile.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FormatSettings.h"
#include "storage/XcAppIniFileStorage.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct TCoeffs {
    double CoeffA = 1.0;
    double CoeffB = 0.0;
    int Type = 0;
};

// One run of the program: the storage set up as at start-up, the values loaded, changed by
// the caller, saved into the in-memory INI, and the file written when the run ends.
class TSettingsRun {
public:
    explicit TSettingsRun(const String& FileName)
        : storage_(std::make_unique<TXcAppIniFileStorage>(nullptr)) {
        storage_->SetLocation(flCustom);
        storage_->SetFileName(FileName);
        storage_->SetFlushOnDestroy(true);
    }

    void Load() {
        TMemIniFile* ini = storage_->IniFile();
        for (int i = 0; i < 2; ++i) {
            Coeffs[i].CoeffA = ini->ReadFloat("Pressure", QStringLiteral("CoeffA%1").arg(i), 1.0);
            Coeffs[i].CoeffB = ini->ReadFloat("Pressure", QStringLiteral("CoeffB%1").arg(i), 0.0);
            Coeffs[i].Type = ini->ReadInteger("Pressure", QStringLiteral("Type%1").arg(i), 0);
        }
        Language = ini->ReadString("GUI", "Language", Language);
    }

    void Save() {
        TMemIniFile* ini = storage_->IniFile();
        for (int i = 0; i < 2; ++i) {
            ini->WriteFloat("Pressure", QStringLiteral("CoeffA%1").arg(i), Coeffs[i].CoeffA);
            ini->WriteFloat("Pressure", QStringLiteral("CoeffB%1").arg(i), Coeffs[i].CoeffB);
            ini->WriteInteger("Pressure", QStringLiteral("Type%1").arg(i), Coeffs[i].Type);
        }
        ini->WriteString("GUI", "Language", Language);
    }

    // The end of the run: deleting the storage writes the file.
    void End() { storage_.reset(); }

    TXcAppIniFileStorage* Storage() const { return storage_.get(); }

    TCoeffs Coeffs[2];
    String Language = QStringLiteral("en");

private:
    std::unique_ptr<TXcAppIniFileStorage> storage_;
};

// Installs number formats with the given decimal separator for the test's lifetime.
class TDecimalSeparator {
public:
    explicit TDecimalSeparator(QChar Separator) {
        Separator_ = Separator;
        previous_ = SetFormatSettingsSource([] {
            TFormatSettings s = TFormatSettings::Invariant();
            s.DecimalSeparator = Separator_;
            s.ThousandSeparator = Separator_ == u',' ? u'.' : u',';
            return s;
        });
        GetFormatSettings();
    }
    ~TDecimalSeparator() {
        SetFormatSettingsSource(previous_);
        GetFormatSettings();
    }

private:
    static inline QChar Separator_;
    TFormatSettingsSource previous_;
};

TEST(SettingsFile, FirstRunStartsEmptyAndWritesPressureBeforeGuiIntoNewFolders) {
    TDecimalSeparator point(u'.');
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/Abcdef/Abcdef.ini");
    TSettingsRun run(file);
    EXPECT_EQ(run.Storage()->FullFileName(), file);
    run.Load();
    EXPECT_EQ(run.Coeffs[0].CoeffA, 1.0);
    EXPECT_EQ(run.Coeffs[1].CoeffB, 0.0);
    EXPECT_EQ(run.Coeffs[1].Type, 0);
    EXPECT_EQ(run.Language, "en");
    run.Save();
    EXPECT_FALSE(FileExists(file)); // nothing is written while the program runs
    run.End();
    EXPECT_EQ(FileBytes(file), kDefaultSettingsFile);
}

TEST(SettingsFile, ValuesChangedInOneRunAreReadByTheNext) {
    TDecimalSeparator point(u'.');
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/Abcdef/Abcdef.ini");
    {
        TSettingsRun run(file);
        run.Load();
        run.Coeffs[0] = {250.0, -12.5, 1};
        run.Coeffs[1] = {1.0 / 3.0, 0.1, 0};
        run.Language = QStringLiteral("pl");
        run.Save();
    }
    TSettingsRun next(file);
    next.Load();
    EXPECT_EQ(next.Coeffs[0].CoeffA, 250.0);
    EXPECT_EQ(next.Coeffs[0].CoeffB, -12.5);
    EXPECT_EQ(next.Coeffs[0].Type, 1);
    EXPECT_NEAR(next.Coeffs[1].CoeffA, 1.0 / 3.0, 1e-15); // 15 significant digits
    EXPECT_EQ(next.Coeffs[1].CoeffB, 0.1);
    EXPECT_EQ(next.Language, "pl");
    EXPECT_TRUE(FileBytes(file).contains("CoeffA1=0.333333333333333\n"));
}

TEST(SettingsFile, ASecondRunKeepsKeysWhereTheyAreAndAppendsNewOnes) {
    TDecimalSeparator point(u'.');
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/Abcdef.ini");
    PutFile(file, "; written by hand\r\n"
                  "[GUI]\r\n"
                  "  Language = de  \r\n"
                  "\r\n"
                  "[Pressure]\r\n"
                  "Type1=0x1\r\n"
                  "CoeffA0=abc\r\n"
                  "CoeffB0=2,5\r\n"
                  "CoeffB1=-0.75\r\n");
    TSettingsRun run(file);
    run.Load();
    EXPECT_EQ(run.Language, "de");
    EXPECT_EQ(run.Coeffs[1].Type, 1);
    EXPECT_EQ(run.Coeffs[0].CoeffA, 1.0);
    EXPECT_EQ(run.Coeffs[0].CoeffB, 2.5);
    EXPECT_EQ(run.Coeffs[1].CoeffB, -0.75);
    EXPECT_EQ(run.Coeffs[0].Type, 0);
    run.Save();
    run.End();
    EXPECT_EQ(FileBytes(file), QByteArray("[GUI]\n"
                                          "Language=de\n"
                                          "\n"
                                          "[Pressure]\n"
                                          "Type1=1\n"
                                          "CoeffA0=1\n"
                                          "CoeffB0=2.5\n"
                                          "CoeffB1=-0.75\n"
                                          "Type0=0\n"
                                          "CoeffA1=1\n"
                                          "\n"));
}

TEST(SettingsFile, MissingPressureSectionGivesTheScalingDefaults) {
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/Abcdef.ini");
    PutFile(file, "[GUI]\nLanguage=de\n");
    TSettingsRun run(file);
    run.Coeffs[0] = {7.0, 7.0, 7};
    run.Load();
    EXPECT_EQ(run.Coeffs[0].CoeffA, 1.0);
    EXPECT_EQ(run.Coeffs[0].CoeffB, 0.0);
    EXPECT_EQ(run.Coeffs[0].Type, 0);
    EXPECT_EQ(run.Language, "de");
    run.Storage()->SetFlushOnDestroy(false);
}

TEST(SettingsFile, IntegerTextsReadAsDecimalOrHexOrTheDefault) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"0x1", 1}, {"0X1f", 31}, {"12", 12}, {"-3", -3}, {"abc", 5}, {"", 5}, {"0x", 5}, {"1.5", 5},
    };
    QTemporaryDir dir;
    TSettingsRun run(dir.path() + QStringLiteral("/Abcdef.ini"));
    run.Storage()->SetFlushOnDestroy(false);
    for (const auto& c : cases) {
        run.Storage()->IniFile()->WriteString("Pressure", "Type1", c.text);
        EXPECT_EQ(run.Storage()->IniFile()->ReadInteger("Pressure", "Type1", 5), c.expected) << c.text;
    }
}

TEST(SettingsFile, FloatTextsReadWithEitherSeparatorUnderEitherLocale) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"2.5", 2.5}, {"2,5", 2.5}, {"-0.125", -0.125}, {"1E3", 1000.0}, {"7", 7.0}, {"abc", 9.0}, {"", 9.0},
    };
    QTemporaryDir dir;
    for (QChar separator : {QChar(u'.'), QChar(u',')}) {
        TDecimalSeparator locale(separator);
        TSettingsRun run(dir.path() + QStringLiteral("/Abcdef.ini"));
        run.Storage()->SetFlushOnDestroy(false);
        for (const auto& c : cases) {
            run.Storage()->IniFile()->WriteString("Pressure", "CoeffA0", c.text);
            EXPECT_EQ(run.Storage()->IniFile()->ReadFloat("Pressure", "CoeffA0", 9.0), c.expected)
                << c.text << " with " << separator.toLatin1();
        }
    }
}

TEST(SettingsFile, AFileWrittenUnderACommaLocaleReadsUnderAPointLocale) {
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/Abcdef.ini");
    {
        TDecimalSeparator comma(u',');
        TSettingsRun run(file);
        run.Load();
        run.Coeffs[1].CoeffA = 2.5;
        run.Save();
    }
    EXPECT_TRUE(FileBytes(file).contains("CoeffA1=2,5\n"));
    TDecimalSeparator point(u'.');
    TSettingsRun next(file);
    next.Load();
    EXPECT_EQ(next.Coeffs[1].CoeffA, 2.5);
    next.Storage()->SetFlushOnDestroy(false);
}

TEST(SettingsFile, AReadOnlyFileIsNotOverwrittenNorReported) {
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/Abcdef.ini");
    const QByteArray before("[GUI]\nLanguage=de\n");
    PutFile(file, before);
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    String reported;
    {
        TSettingsRun run(file);
        run.Storage()->OnError = TXcAppStorageErrorEvent([&](TObject*, const String& v) { reported = v; });
        EXPECT_TRUE(run.Storage()->ReadOnly());
        run.Load();
        EXPECT_EQ(run.Language, "de");
        run.Language = QStringLiteral("fr");
        run.Save();
    }
    EXPECT_EQ(FileBytes(file), before);
    EXPECT_TRUE(reported.isEmpty());
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
}

TEST(SettingsFile, AnUnwritablePlaceReportsThroughTheErrorEvent) {
    QTemporaryDir dir;
    // A regular file where a folder should be, and a folder where the file should be:
    // neither can be written, whoever runs the test.
    const String blocker = dir.path() + QStringLiteral("/blocker");
    PutFile(blocker, "x");
    const String folderInTheWay = dir.path() + QStringLiteral("/Abcdef.ini");
    ASSERT_TRUE(QDir().mkpath(folderInTheWay));
    for (const String& file : {blocker + QStringLiteral("/Abcdef/Abcdef.ini"), folderInTheWay}) {
        String reported;
        TObject* sender = nullptr;
        {
            TSettingsRun run(file);
            run.Storage()->OnError = TXcAppStorageErrorEvent([&](TObject* s, const String& v) {
                sender = s;
                reported = v;
            });
            run.Load();
            run.Language = QStringLiteral("de");
            run.Save();
            TXcAppIniFileStorage* storage = run.Storage();
            run.End();
            EXPECT_EQ(sender, storage) << file.toStdString();
        }
        EXPECT_FALSE(reported.isEmpty()) << file.toStdString();
        EXPECT_TRUE(reported.contains(QStringLiteral("Abcdef"))) << reported.toStdString();
    }
    // The application leaves the event unassigned: the failure then ends the run quietly.
    TSettingsRun quiet(folderInTheWay);
    quiet.Load();
    quiet.Save();
    EXPECT_NO_THROW(quiet.End());
    EXPECT_TRUE(QFileInfo(folderInTheWay).isDir());
}

// The file exactly as a run of the program writes it, with Note as an extra key of Pressure.
QByteArray CanonicalFile(const QByteArray& note) {
    return "[Pressure]\nCoeffA0=1\nCoeffB0=0\nType0=0\nCoeffA1=1\nCoeffB1=0\nType1=0\nNote=" + note +
           "\n\n[GUI]\nLanguage=en\n\n";
}

// A hand-edited file in an 8-bit code page, or with broken UTF-8, keeps its bytes through a
// run with the default encoding; valid UTF-8 reads as text.
TEST(SettingsFile, BytesThatAreNotUtf8SurviveARunWithTheDefaultEncoding) {
    TDecimalSeparator point(u'.');
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/Abcdef.ini");
    // Latin-1 sharp s, valid UTF-8 e acute, a lone continuation byte, a cut sequence, an
    // over-long slash, an encoded surrogate, a byte that never starts UTF-8, a valid four-byte
    // character and a four-byte value beyond U+10FFFF.
    const QByteArray note =
        "Stra\xDF"
        "e Caf\xC3\xA9 \x80 \xE2\x82 \xC0\xAF \xED\xA0\x80 \xFF \xF0\x9F\x98\x80 \xF4\x90\x80\x80";
    for (unsigned encoding : {0u, 65001u}) {
        PutFile(file, CanonicalFile(note));
        TSettingsRun run(file);
        run.Storage()->SetEncoding(encoding);
        run.Load();
        const String read = run.Storage()->IniFile()->ReadString("Pressure", "Note", String());
        EXPECT_TRUE(read.startsWith(QStringLiteral("Stra") + QChar(0xDCDF) + QStringLiteral("e Caf\u00e9 ")))
            << encoding;
        EXPECT_TRUE(read.contains(QStringLiteral(" \U0001F600 "))) << encoding;
        run.Save();
        run.End();
        EXPECT_EQ(FileBytes(file), CanonicalFile(note)) << encoding;
    }
}

// With code page 1252 the file reads and writes as that code page; a text it cannot hold is
// reported and the file stays as it was.
TEST(SettingsFile, Cp1252EncodingReadsAndWritesThatCodePage) {
    TDecimalSeparator point(u'.');
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/Abcdef.ini");
    PutFile(file, CanonicalFile("Stra\xDF"
                                "e \x80"));
    String reported;
    {
        TSettingsRun run(file);
        run.Storage()->SetEncoding(1252);
        run.Storage()->Reload();
        run.Storage()->OnError = TXcAppStorageErrorEvent([&](TObject*, const String& v) { reported = v; });
        run.Load();
        EXPECT_EQ(run.Storage()->IniFile()->ReadString("Pressure", "Note", String()),
                  QStringLiteral("Stra\u00dfe \u20ac"));
        run.Language = QStringLiteral("\u0142"); // not in code page 1252
        run.Save();
        run.Storage()->Flush();
        EXPECT_FALSE(reported.isEmpty());
        EXPECT_EQ(FileBytes(file), CanonicalFile("Stra\xDF"
                                                 "e \x80"));
        run.Language = QStringLiteral("\u00e9");
        run.Save();
    }
    EXPECT_TRUE(FileBytes(file).contains("\nNote=Stra\xDF"
                                         "e \x80\n"));
    EXPECT_TRUE(FileBytes(file).contains("\nLanguage=\xE9\n"));

    TXcAppIniFileStorage storage(nullptr);
    EXPECT_THROW(storage.SetEncoding(1250), Exception);
    EXPECT_EQ(storage.Encoding(), 0u);
}

// A key written twice by hand: the tool uses the first, and the file it writes holds that one
// key once, so what the file shows is what the tool uses.
TEST(SettingsFile, ADuplicateKeyIsWrittenOnce) {
    TDecimalSeparator point(u'.');
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/Abcdef.ini");
    PutFile(file, "[GUI]\nLanguage=de\nLANGUAGE=fr\nTheme=dark\n");
    TSettingsRun run(file);
    run.Load();
    EXPECT_EQ(run.Language, "de");
    run.Language = QStringLiteral("pl");
    run.Save();
    EXPECT_EQ(run.Storage()->AsString().count(QStringLiteral("anguage=")), 1);
    run.End();
    const QByteArray written = FileBytes(file);
    EXPECT_TRUE(written.startsWith("[GUI]\nLanguage=pl\nTheme=dark\n\n")) << written.toStdString();
    EXPECT_FALSE(written.contains("fr"));
}

// A writer killed between writing its temporary file and renaming it leaves the file behind;
// the next successful write removes such files of dead writers, and nothing else.
TEST(SettingsFile, TheNextWriteRemovesTemporaryFilesOfDeadWriters) {
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/Abcdef.ini");
    const pid_t dead = fork();
    if (dead == 0) _exit(0);
    ASSERT_GT(dead, 0);
    ASSERT_EQ(waitpid(dead, nullptr, 0), dead);
    const QByteArray deadPid = QByteArray::number(dead);
    const QByteArray ownPid = QByteArray::number(getpid());
    const QByteArray parentPid = QByteArray::number(getppid());
    const QList<QByteArray> stale = {"Abcdef.ini.tmp-" + deadPid + "-0", "Abcdef.ini.tmp-" + deadPid + "-17"};
    const QList<QByteArray> kept = {
        "Abcdef.ini.tmp-" + parentPid + "-3", // a writer that still runs
        "Abcdef.ini.tmp-" + ownPid + "-99",   // this process may be writing in another thread
        "Abcdef.ini.tmp-" + deadPid + "-x",
        "Abcdef.ini.tmp-" + deadPid,
        "Abcdef.ini.tmp--1",
        "Other.ini.tmp-" + deadPid + "-0",
        "Abcdef.ini.bak",
        "xAbcdef.ini.tmp-" + deadPid + "-0",
    };
    for (const QByteArray& name : stale + kept)
        PutFile(dir.path() + u'/' + QString::fromLatin1(name), "half");
    // A folder of that name is not a temporary file.
    const String folder =
        dir.path() + QStringLiteral("/Abcdef.ini.tmp-") + QString::fromLatin1(deadPid) + QStringLiteral("-5");
    ASSERT_TRUE(QDir().mkpath(folder));
    {
        TSettingsRun run(file);
        run.Load();
        run.Save();
    }
    EXPECT_TRUE(FileExists(file));
    for (const QByteArray& name : stale)
        EXPECT_FALSE(QFileInfo::exists(dir.path() + u'/' + QString::fromLatin1(name))) << name.toStdString();
    for (const QByteArray& name : kept)
        EXPECT_TRUE(QFileInfo::exists(dir.path() + u'/' + QString::fromLatin1(name))) << name.toStdString();
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

} // namespace
