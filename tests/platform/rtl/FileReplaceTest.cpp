#include "platform/rtl/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class TKind { Regular, Folder, Link, HardLinked };

struct TOldCopyCase {
    const char* Name;
    TKind Kind;
    int AgeSeconds;
    bool Removed; // by a save of a.map that cleans its folder
};

bool Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Sets the time of last change of path (not following a link) to AgeSeconds ago.
bool Age(const QString& path, int AgeSeconds) {
    timespec times[2];
    ::clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec -= AgeSeconds;
    times[1] = times[0];
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

} // namespace

// Copies that saves of earlier versions left beside the file (its name, a dot and six letters
// or digits) go with the next save that cleans the folder, once they have stood for a minute;
// younger ones may be a save of a running earlier version, and other names, other kinds of
// file and copies with a second link stay.
TEST(FileReplace, OldStyleCopiesBesideTheFileGoOnceTheyHaveStoodAMinute) {
    const TOldCopyCase cases[] = {
        {"a.map.Ab3dE9", TKind::Regular, 120, true},
        {"a.map.zzzzzz", TKind::Regular, 61, true},
        {"a.map.QWERTY", TKind::Regular, 3600 * 24, true},
        {"a.map.Ab3dE8", TKind::Regular, 10, false},   // may be a save in progress
        {"a.map.Ab3dE", TKind::Regular, 120, false},   // five characters
        {"a.map.Ab3dE9x", TKind::Regular, 120, false}, // seven
        {"a.map.Ab-dE9", TKind::Regular, 120, false},  // not a letter or digit
        {"a.map.Ab3dE9.bak", TKind::Regular, 120, false},
        {"b.map.Ab3dE9", TKind::Regular, 120, false}, // the copy of another file
        {"xa.map.Ab3dE9", TKind::Regular, 120, false},
        {"a.mapAAb3dE9", TKind::Regular, 120, false},
        {"a.map.Folder", TKind::Folder, 120, false},
        {"a.map.Linked", TKind::Link, 120, false},
        {"a.map.Hardln", TKind::HardLinked, 120, false},
    };
    for (const bool cleansFolder : {false, true}) {
        SCOPED_TRACE(cleansFolder ? "save that cleans its folder" : "save that cleans its own copies");
        QTemporaryDir dir;
        const QString folder = dir.path() + u'/';
        ASSERT_TRUE(Put(folder + "a.map", "old"));
        ASSERT_TRUE(Put(folder + "elsewhere", "target"));
        for (const TOldCopyCase& c : cases) {
            const QString path = folder + QString::fromLatin1(c.Name);
            switch (c.Kind) {
            case TKind::Regular:
                ASSERT_TRUE(Put(path, QByteArray(1030, 'x')));
                break;
            case TKind::Folder:
                ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromLatin1(c.Name)));
                break;
            case TKind::Link:
                ASSERT_TRUE(QFile::link(folder + "elsewhere", path));
                break;
            case TKind::HardLinked:
                ASSERT_TRUE(Put(path, "kept"));
                ASSERT_EQ(::link(QFile::encodeName(path).constData(),
                                 QFile::encodeName(folder + "second-link").constData()),
                          0);
                break;
            }
            ASSERT_TRUE(Age(path, c.AgeSeconds)) << c.Name;
        }
        ASSERT_EQ(ReplaceFileContents(folder + "a.map", "new",
                                      cleansFolder ? TStaleTemporaries::OfFolder : TStaleTemporaries::OfFile),
                  0);
        QFile saved(folder + "a.map");
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll(), "new");
        for (const TOldCopyCase& c : cases)
            EXPECT_EQ(QFileInfo(folder + QString::fromLatin1(c.Name)).exists() ||
                          QFileInfo(folder + QString::fromLatin1(c.Name)).isSymLink(),
                      !(c.Removed && cleansFolder))
                << c.Name;
        EXPECT_TRUE(QFileInfo::exists(folder + "elsewhere"));
    }
}
