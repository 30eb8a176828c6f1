// The program's version as the caption shows it, found whatever the current folder, and the
// reading of version texts.
#include "app/DLLVersion.h"
#include "platform/win/Process.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Makes another folder the current one for a test's lifetime.
class TCurrentFolder {
public:
    explicit TCurrentFolder(const String& folder) : old_(QDir::currentPath()) { QDir::setCurrent(folder); }
    ~TCurrentFolder() { QDir::setCurrent(old_); }

private:
    String old_;
};

TEST(DLLVersion, TheProgramFindsItsOwnVersionWhateverTheCurrentFolder) {
    QTemporaryDir elsewhere;
    const String folders[] = {ProgramFolder(), elsewhere.path(), QStringLiteral("/")};
    const AnsiString name = QFileInfo(ProgramFileName()).fileName().toStdString();
    for (const String& folder : folders) {
        SCOPED_TRACE(folder.toStdString());
        TCurrentFolder current(folder);
        CDLLVersion version;
        int major = -1, minor = -1, build = -1;
        version.found = version.GetVersionInfo(name, major, minor, build);
        EXPECT_EQ(version.found, 1);
        EXPECT_EQ(major, 1);
        EXPECT_EQ(minor, 2);
        EXPECT_EQ(build, 0);
        EXPECT_EQ(version.VersionText, "1.2.0.16");
    }
}

TEST(DLLVersion, AFileWithoutVersionInformationGivesNothing) {
    for (const AnsiString name : {"no-such-program", "", "shell32"}) {
        SCOPED_TRACE(name);
        CDLLVersion version;
        int major = 7, minor = 7, build = 7;
        EXPECT_EQ(version.GetVersionInfo(name, major, minor, build), 0);
        EXPECT_EQ(major, 7);
        EXPECT_TRUE(version.VersionText.empty());
    }
}

TEST(DLLVersion, VersionTextsSplitOnPointsElseOnCommas) {
    struct Case {
        const char* text;
        bool ok;
        int major, minor, build;
    };
    const Case cases[] = {
        {"1.2.0.16", true, 1, 2, 0}, {"2, 5, 1, 0", true, 2, 5, 1},
        {"3..4.5", true, 3, 4, 5},   {"a.b.c", true, 0, 0, 0},
        {"1.2", false, 0, 0, 0},     {"", false, 0, 0, 0},
        {"1,2.3", false, 0, 0, 0},   {"9.99999999999.1", true, 9, 0x7FFFFFFF, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int major = 0, minor = 0, build = 0;
        EXPECT_EQ(CDLLVersion::ParseVersionText(c.text, major, minor, build), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(major, c.major);
        EXPECT_EQ(minor, c.minor);
        EXPECT_EQ(build, c.build);
    }
}

} // namespace
