// Map files byte for byte, both readers, the files they refuse, and saving that never leaves a
// half-written file.
#include "app/MapFile.h"
#include "AppTestSupport.h"
#include "tests/support/Fifo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

CurvePoints NeutralCurve() {
    CurvePoints c(CurveLength, CurveNoPoint);
    c.front() = 0;
    c.back() = 4095;
    return c;
}

CurvePoints RampCurve() {
    CurvePoints c(CurveLength);
    for (int i = 0; i < CurveLength; ++i)
        c[std::size_t(i)] = i % 5 == 0 ? CurveNoPoint : std::uint16_t(i * 8);
    return c;
}

std::vector<unsigned char> Word(unsigned w) {
    return {std::uint8_t(w & 0xFF), std::uint8_t(w >> 8)};
}
std::vector<unsigned char> Count(unsigned n) {
    return {std::uint8_t(n), std::uint8_t(n >> 8), std::uint8_t(n >> 16), std::uint8_t(n >> 24)};
}
std::vector<unsigned char> Entries(const CurvePoints& c) {
    std::vector<unsigned char> out;
    for (std::uint16_t e : c) {
        const auto w = Word(e);
        out.insert(out.end(), w.begin(), w.end());
    }
    return out;
}
std::vector<unsigned char> Join(std::initializer_list<std::vector<unsigned char>> parts) {
    std::vector<unsigned char> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(MapFile, TheFileOfAResetChannelIs1030Bytes) {
    std::vector<unsigned char> expected = {0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00};
    for (int i = 1; i < 511; ++i) {
        expected.push_back(0xFF);
        expected.push_back(0xFF);
    }
    expected.push_back(0xFF);
    expected.push_back(0x0F);
    EXPECT_EQ(MapFileBytes({NeutralCurve()}), expected);
    EXPECT_EQ(expected.size(), 1030u);
}

TEST(MapFile, BothChannelsMakeAFormatOneFileOf2058Bytes) {
    const auto bytes = MapFileBytes({NeutralCurve(), RampCurve()});
    EXPECT_EQ(bytes, Join({Word(1), Count(512), Entries(NeutralCurve()), Count(512), Entries(RampCurve())}));
    EXPECT_EQ(bytes.size(), 2058u);
    EXPECT_THROW(MapFileBytes({}), std::invalid_argument);
    EXPECT_THROW(MapFileBytes({NeutralCurve(), NeutralCurve(), NeutralCurve()}), std::invalid_argument);
}

TEST(MapFile, ReadersTakeTheCurvesTheyNeed) {
    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
        TMapFileScope scope;
        std::vector<CurvePoints> curves;
    };
    const auto one = MapFileBytes({RampCurve()});
    const auto two = MapFileBytes({RampCurve(), NeutralCurve()});
    const Case cases[] = {
        {"format 0, first curve", one, TMapFileScope::FirstCurve, {RampCurve()}},
        {"format 0, all curves", one, TMapFileScope::AllCurves, {RampCurve()}},
        {"format 1, first curve only", two, TMapFileScope::FirstCurve, {RampCurve()}},
        {"format 1, both curves", two, TMapFileScope::AllCurves, {RampCurve(), NeutralCurve()}},
        {"format 1 without its second curve, first curve only",
         std::vector<unsigned char>(two.begin(), two.begin() + 1030),
         TMapFileScope::FirstCurve,
         {RampCurve()}},
        {"format word 7, first curve",
         Join({Word(7), Count(512), Entries(RampCurve())}),
         TMapFileScope::FirstCurve,
         {RampCurve()}},
        {"trailing bytes", Join({one, {1, 2, 3}}), TMapFileScope::AllCurves, {RampCurve()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<CurvePoints> curves;
        EXPECT_TRUE(ParseMapFile(c.bytes.data(), c.bytes.size(), c.scope, curves));
        EXPECT_EQ(curves, c.curves);
    }
}

TEST(MapFile, FilesWithoutWholeValidCurvesAreRefusedAndChangeNothing) {
    const auto ramp = Entries(RampCurve());
    CurvePoints badCode = RampCurve();
    badCode[300] = 4096;
    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
        TMapFileScope scope;
    };
    const Case cases[] = {
        {"empty", {}, TMapFileScope::FirstCurve},
        {"format word only", Word(0), TMapFileScope::FirstCurve},
        {"short count", Join({Word(0), {0x00, 0x02}}), TMapFileScope::FirstCurve},
        {"short curve", Join({Word(0), Count(512), std::vector<unsigned char>(ramp.begin(), ramp.end() - 1)}),
         TMapFileScope::FirstCurve},
        {"count 0", Join({Word(0), Count(0)}), TMapFileScope::FirstCurve},
        {"count 511", Join({Word(0), Count(511), ramp}), TMapFileScope::FirstCurve},
        {"count 513", Join({Word(0), Count(513), ramp, Word(0)}), TMapFileScope::FirstCurve},
        {"count 2^32 - 1", Join({Word(0), Count(0xFFFFFFFF), ramp}), TMapFileScope::FirstCurve},
        {"count 512 + 2^16", Join({Word(0), Count(512 + 65536), ramp}), TMapFileScope::FirstCurve},
        {"code above 4095", Join({Word(0), Count(512), Entries(badCode)}), TMapFileScope::FirstCurve},
        {"format word 2", Join({Word(2), Count(512), ramp}), TMapFileScope::AllCurves},
        {"format word 7", Join({Word(7), Count(512), ramp}), TMapFileScope::AllCurves},
        {"second count 600", Join({Word(1), Count(512), ramp, Count(600), ramp}), TMapFileScope::AllCurves},
        {"second curve missing", Join({Word(1), Count(512), ramp}), TMapFileScope::AllCurves},
        {"second curve with a bad code", Join({Word(1), Count(512), ramp, Count(512), Entries(badCode)}),
         TMapFileScope::AllCurves},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<CurvePoints> curves = {NeutralCurve()};
        EXPECT_FALSE(ParseMapFile(c.bytes.data(), c.bytes.size(), c.scope, curves));
        EXPECT_EQ(curves, std::vector<CurvePoints>{NeutralCurve()});
    }
}

TEST(MapFile, SavedFilesLoadBackAndReplaceTheOldFileWhole) {
    QTemporaryDir dir;
    const String name = dir.path() + "/both.map";
    ASSERT_TRUE(SaveMapFile(name, {NeutralCurve()}));
    EXPECT_EQ(FileBytes(name).size(), 1030);
    ASSERT_TRUE(SaveMapFile(name, {RampCurve(), NeutralCurve()}));
    EXPECT_EQ(FileBytes(name).size(), 2058);
    std::vector<CurvePoints> curves;
    ASSERT_TRUE(LoadMapFile(name, TMapFileScope::AllCurves, curves));
    EXPECT_EQ(curves, (std::vector<CurvePoints>{RampCurve(), NeutralCurve()}));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("both.map")});
}

// Lets the process write files of at most Bytes bytes until destroyed; a longer write fails
// (EFBIG) instead of raising SIGXFSZ.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t Bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = Bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(MapFile, AWriteThatStopsShortKeepsTheOldFileWhole) {
    QTemporaryDir dir;
    const String name = dir.path() + "/kept.map";
    ASSERT_TRUE(SaveMapFile(name, {NeutralCurve()}));
    const QByteArray old = FileBytes(name);
    bool saved = true;
    {
        // Room for 1000 bytes: a format-1 file (2058 bytes) is cut short.
        TFileSizeLimit limit(1000);
        saved = SaveMapFile(name, {RampCurve(), RampCurve()});
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(FileBytes(name), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.map")});
}

TEST(MapFile, FilesThatCannotBeWrittenOrReadReportFailure) {
    QTemporaryDir dir;
    std::vector<CurvePoints> curves = {RampCurve()};
    EXPECT_FALSE(LoadMapFile(dir.path() + "/missing.map", TMapFileScope::FirstCurve, curves));
    EXPECT_FALSE(LoadMapFile(dir.path(), TMapFileScope::FirstCurve, curves));
    // What is not a regular file is refused at once: a FIFO would wait for a writer, a
    // device could be read without end.
    TFifoGuard fifo(dir.path() + "/pipe.map");
    ASSERT_TRUE(fifo.Made());
    EXPECT_FALSE(LoadMapFile(dir.path() + "/pipe.map", TMapFileScope::FirstCurve, curves));
    EXPECT_FALSE(fifo.Released());
    EXPECT_FALSE(LoadMapFile(QStringLiteral("/dev/zero"), TMapFileScope::AllCurves, curves));
    EXPECT_EQ(curves, std::vector<CurvePoints>{RampCurve()});

    EXPECT_FALSE(SaveMapFile(dir.path() + "/no/such/folder/a.map", {RampCurve()}));
    // A folder in the file's place stays as it is.
    QDir(dir.path()).mkdir(QStringLiteral("taken.map"));
    EXPECT_FALSE(SaveMapFile(dir.path() + "/taken.map", {RampCurve()}));
    EXPECT_TRUE(QFileInfo(dir.path() + "/taken.map").isDir());
}

// A save killed between writing its temporary copy and renaming it leaves the copy behind;
// the next save into the folder removes the copies of savers that are gone, whichever file
// they were saving, and nothing else.
TEST(MapFile, TheNextSaveRemovesCopiesThatDeadSaversLeft) {
    QTemporaryDir dir;
    const pid_t dead = fork();
    if (dead == 0) _exit(0);
    ASSERT_GT(dead, 0);
    ASSERT_EQ(waitpid(dead, nullptr, 0), dead);
    const QByteArray deadPid = QByteArray::number(dead);
    const QByteArray ownPid = QByteArray::number(getpid());
    const QByteArray parentPid = QByteArray::number(getppid());
    const QList<QByteArray> stale = {
        "a.map.tmp-" + deadPid + "-0", "a.map.tmp-" + deadPid + "-12",
        "other.bin.tmp-" + deadPid + "-3", // another file of the folder
    };
    const QList<QByteArray> kept = {
        "a.map.tmp-" + parentPid + "-1", // a saver that still runs
        "a.map.tmp-" + ownPid + "-7",    // this process may be saving on another thread
        "a.map.tmp-" + deadPid + "-x",
        "a.map.tmp-" + deadPid,
        "a.map.tmp--1",
        ".tmp-" + deadPid + "-0",
        "a.map.bak",
        "a.map.XYZ123",
    };
    for (const QByteArray& name : stale + kept)
        ASSERT_TRUE(PutFile(dir.path() + u'/' + QString::fromLatin1(name), QByteArray(1030, 'x')));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("b.map.tmp-") + QString::fromLatin1(deadPid) + "-2"));

    ASSERT_TRUE(SaveMapFile(dir.path() + "/a.map", {NeutralCurve()}));
    std::vector<CurvePoints> curves;
    ASSERT_TRUE(LoadMapFile(dir.path() + "/a.map", TMapFileScope::AllCurves, curves));
    EXPECT_EQ(curves, std::vector<CurvePoints>{NeutralCurve()});
    for (const QByteArray& name : stale)
        EXPECT_FALSE(QFileInfo::exists(dir.path() + u'/' + QString::fromLatin1(name))) << name.toStdString();
    for (const QByteArray& name : kept)
        EXPECT_TRUE(QFileInfo::exists(dir.path() + u'/' + QString::fromLatin1(name))) << name.toStdString();
    EXPECT_TRUE(QFileInfo(dir.path() + "/b.map.tmp-" + QString::fromLatin1(deadPid) + "-2").isDir());
}

} // namespace
