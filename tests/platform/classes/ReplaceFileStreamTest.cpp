#include "platform/classes/ReplaceFileStream.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace {
void writeText(TStream& s, const char* text) {
    s.WriteBuffer(text, int(std::strlen(text)));
}
QStringList entries(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden);
}
} // namespace

TEST(ReplaceFileStream, CommitReplacesTheFileWhole) {
    QTemporaryDir dir;
    const QString name = dir.filePath("chart.tee");
    ASSERT_TRUE(PutFile(name, "old contents that are longer"));
    TReplaceFileStream s(name);
    writeText(s, "new");
    // Nothing reaches the file before Commit.
    EXPECT_EQ(FileBytes(name), "old contents that are longer");
    s.SetPosition(0); // the whole of what was written goes, whatever the position
    s.Commit();
    EXPECT_EQ(FileBytes(name), "new");
    EXPECT_EQ(entries(dir), QStringList{"chart.tee"});
    // An empty stream makes an empty file.
    TReplaceFileStream empty(dir.filePath("empty.txt"));
    empty.Commit();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("empty.txt")));
    EXPECT_EQ(QFileInfo(dir.filePath("empty.txt")).size(), 0);
}

TEST(ReplaceFileStream, WriterFailingBeforeCommitLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString name = dir.filePath("data.csv");
    ASSERT_TRUE(PutFile(name, "a;b\r\n"));
    try {
        TReplaceFileStream s(name);
        writeText(s, "half of a new ");
        throw std::runtime_error("writer failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(FileBytes(name), "a;b\r\n");
    EXPECT_EQ(entries(dir), QStringList{"data.csv"});
}

TEST(ReplaceFileStream, FailingCommitRaisesCreateErrorAndLeavesNoTemporary) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    struct Case {
        QString name;
        const char* why;
    };
    for (const Case& c : {Case{dir.filePath("folder"), "a folder"},
                          Case{dir.filePath("missing/x.tee"), "no folder"}, Case{QString(), "no name"}}) {
        SCOPED_TRACE(c.why);
        TReplaceFileStream s(c.name);
        writeText(s, "bytes");
        try {
            s.Commit();
            ADD_FAILURE() << "no error";
        } catch (const EFCreateError& e) {
            EXPECT_TRUE(e.Message.startsWith("Cannot create file")) << e.Message.toStdString();
        }
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("folder")).isDir());
    EXPECT_EQ(entries(dir), QStringList());
}
