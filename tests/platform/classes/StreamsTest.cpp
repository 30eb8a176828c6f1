#include "platform/classes/Streams.h"
#include "tests/support/Fifo.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
std::string readAll(TStream& s) {
    std::string out(static_cast<std::size_t>(s.Size() - s.Position()), '\0');
    s.ReadBuffer(out.data(), static_cast<int>(out.size()));
    return out;
}

void writeText(TStream& s, const std::string& text) {
    s.WriteBuffer(text.data(), static_cast<int>(text.size()));
}

QByteArray fileBytes(const QString& name) {
    QFile f(name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}
} // namespace

TEST(MemoryStream, SeekOriginsAndPositions) {
    TMemoryStream m;
    writeText(m, "0123456789");
    struct Case {
        Int64 offset;
        TSeekOrigin origin;
        Int64 expected;
    };
    m.SetPosition(4);
    for (const Case& c :
         {Case{2, soBeginning, 2}, Case{3, soCurrent, 5}, Case{-1, soCurrent, 4}, Case{0, soEnd, 10},
          Case{-3, soEnd, 7}, Case{5'000'000'000LL, soBeginning, 5'000'000'000LL}}) {
        EXPECT_EQ(m.Seek(c.offset, c.origin), c.expected) << c.offset << " from " << c.origin;
        EXPECT_EQ(m.Position(), c.expected);
    }
    // Past the end nothing is read, and the size is unchanged.
    char b = 'x';
    EXPECT_EQ(m.Read(&b, 1), 0);
    EXPECT_EQ(m.Size(), 10);
}

TEST(MemoryStream, ShortReadRaisesAndPartialReadReportsCount) {
    TMemoryStream m;
    writeText(m, "abc");
    m.SetPosition(1);
    char buf[8] = {};
    EXPECT_THROW(m.ReadBuffer(buf, 3), EReadError);
    m.SetPosition(1);
    EXPECT_EQ(m.Read(buf, 8), 2);
    EXPECT_EQ(std::string(buf, 2), "bc");
    m.SetPosition(0);
    m.ReadBuffer(buf, 0); // nothing asked, nothing raised
    EXPECT_EQ(m.Position(), 0);
}

TEST(MemoryStream, WritingPastTheEndFillsTheGapWithZeros) {
    TMemoryStream m;
    writeText(m, "ab");
    m.SetSize(1); // shrink: the old byte must not come back
    m.SetPosition(4);
    writeText(m, "Z");
    ASSERT_EQ(m.Size(), 5);
    EXPECT_EQ(std::memcmp(m.Memory(), "a\0\0\0Z", 5), 0);
}

TEST(MemoryStream, SetSizeMovesAPositionBeyondTheNewEndAndClearFreesAll) {
    TMemoryStream m;
    writeText(m, "0123456789");
    m.SetSize(4);
    EXPECT_EQ(m.Position(), 4);
    m.SetPosition(2);
    m.SetSize(8);
    EXPECT_EQ(m.Position(), 2);
    EXPECT_EQ(std::memcmp(m.Memory(), "0123\0\0\0\0", 8), 0);
    m.Clear();
    EXPECT_EQ(m.Size(), 0);
    EXPECT_EQ(m.Position(), 0);
    EXPECT_EQ(m.Memory(), nullptr);
}

TEST(MemoryStream, LargeWritesInSmallPiecesKeepTheirBytes) {
    TMemoryStream m;
    for (int i = 0; i < 100000; ++i) {
        const Byte b = static_cast<Byte>(i * 7);
        m.WriteBuffer(&b, 1);
    }
    ASSERT_EQ(m.Size(), 100000);
    const auto* p = static_cast<const Byte*>(m.Memory());
    for (int i = 0; i < 100000; i += 9973)
        EXPECT_EQ(p[i], static_cast<Byte>(i * 7));
}

TEST(Stream, CopyFrom) {
    TMemoryStream src;
    writeText(src, "hello world");
    {
        // Count 0 copies the whole source from its start, wherever its position was.
        TMemoryStream dst;
        src.SetPosition(6);
        EXPECT_EQ(dst.CopyFrom(&src, 0), 11);
        dst.SetPosition(0);
        EXPECT_EQ(readAll(dst), "hello world");
    }
    {
        // A count copies from the source's position.
        TMemoryStream dst;
        src.SetPosition(6);
        EXPECT_EQ(dst.CopyFrom(&src, 3), 3);
        EXPECT_EQ(src.Position(), 9);
        dst.SetPosition(0);
        EXPECT_EQ(readAll(dst), "wor");
    }
    {
        // More than the source holds raises.
        TMemoryStream dst;
        src.SetPosition(8);
        EXPECT_THROW(dst.CopyFrom(&src, 5), EReadError);
    }
    {
        // Larger than the copy buffer.
        TMemoryStream big, dst;
        std::string data(200'000, '\0');
        for (std::size_t i = 0; i < data.size(); ++i)
            data[i] = static_cast<char>(i % 251);
        writeText(big, data);
        EXPECT_EQ(dst.CopyFrom(&big, 0), 200'000);
        dst.SetPosition(0);
        EXPECT_EQ(readAll(dst), data);
    }
}

class FileStreamTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(FileStreamTest, CreateTruncatesAndOpenModesAllowWhatTheySay) {
    const QString f = path("data.bin");
    {
        TFileStream s(f, fmCreate);
        writeText(s, "0123456789");
    }
    {
        TFileStream s(f, fmCreate | fmShareExclusive); // truncates
        writeText(s, "ab");
    }
    EXPECT_EQ(fileBytes(f), "ab");
    {
        TFileStream s(f, fmOpenRead | fmShareDenyNone);
        EXPECT_EQ(readAll(s), "ab");
        EXPECT_THROW(writeText(s, "x"), EWriteError);
    }
    {
        TFileStream s(f, fmOpenWrite | fmShareDenyWrite); // no truncation
        s.Seek(0, soEnd);
        writeText(s, "cd");
        char c;
        s.SetPosition(0);
        EXPECT_EQ(s.Read(&c, 1), 0); // write-only
    }
    {
        TFileStream s(f, fmOpenReadWrite);
        s.SetPosition(1);
        writeText(s, "X");
        s.SetPosition(0);
        EXPECT_EQ(readAll(s), "aXcd");
        s.SetSize(2);
        EXPECT_EQ(s.Size(), 2);
        EXPECT_EQ(s.Position(), 2);
    }
    EXPECT_EQ(fileBytes(f), "aX");
}

TEST_F(FileStreamTest, FailuresRaiseOpenAndCreateErrorsNamingTheFile) {
    try {
        TFileStream s(path("missing.bin"), fmOpenRead);
        FAIL() << "opened a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_TRUE(
            e.Message.startsWith(QStringLiteral("Cannot open file \"") + path("missing.bin") + "\". "))
            << e.Message.toStdString();
    }
    try {
        TFileStream s(path("no/such/folder/x.bin"), fmCreate);
        FAIL() << "created a file in a missing folder";
    } catch (const EFCreateError& e) {
        EXPECT_TRUE(e.Message.startsWith(QStringLiteral("Cannot create file \""))) << e.Message.toStdString();
    }
    // A folder is not a file, although Linux opens one for reading.
    EXPECT_THROW(TFileStream(dir.path(), fmOpenRead), EFOpenError);
    EXPECT_THROW(TFileStream(QString(), fmOpenRead), EFOpenError);
}

// Opened for reading, only a regular file is a file: a FIFO would wait for a writer and a
// device may never end, so both are refused at once; writing to them is the caller's choice.
TEST_F(FileStreamTest, ReadingRefusesWhatIsNotARegularFileWithoutWaiting) {
    TFifoGuard fifo(path("pipe"));
    ASSERT_TRUE(fifo.Made());
    for (const QString& name : {path("pipe"), QStringLiteral("/dev/null"), QStringLiteral("/dev/zero")}) {
        SCOPED_TRACE(name.toStdString());
        try {
            TFileStream s(name, fmOpenRead | fmShareDenyWrite);
            ADD_FAILURE() << "opened for reading";
        } catch (const EFOpenError& e) {
            EXPECT_TRUE(e.Message.startsWith(QStringLiteral("Cannot open file \"") + name + "\". "))
                << e.Message.toStdString();
        }
    }
    EXPECT_FALSE(fifo.Released());
    EXPECT_NO_THROW(TFileStream(QStringLiteral("/dev/null"), fmOpenWrite));
    // A link counts as what it leads to.
    ASSERT_TRUE(QFile::link(path("pipe"), path("link-to-pipe")));
    EXPECT_THROW(TFileStream(path("link-to-pipe"), fmOpenRead), EFOpenError);
    {
        TFileStream s(path("plain.bin"), fmCreate);
        writeText(s, "plain");
    }
    ASSERT_TRUE(QFile::link(path("plain.bin"), path("link-to-plain")));
    TFileStream s(path("link-to-plain"), fmOpenRead);
    EXPECT_EQ(readAll(s), "plain");
}

TEST_F(FileStreamTest, PositionsBeyondFourGigabytes) {
    const QString f = path("sparse.bin");
    TFileStream s(f, fmCreate);
    const Int64 far = 5'000'000'000LL;
    ASSERT_EQ(s.Seek(far, soBeginning), far);
    writeText(s, "z");
    EXPECT_EQ(s.Size(), far + 1);
    EXPECT_EQ(s.Seek(-1, soEnd), far);
    char c = 0;
    s.ReadBuffer(&c, 1);
    EXPECT_EQ(c, 'z');
}

TEST_F(FileStreamTest, MemoryStreamFileRoundTripAndLoadFromStreamStartsAtZero) {
    TMemoryStream m;
    writeText(m, std::string("bin\0ary", 7));
    m.SaveToFile(path("m.bin"));
    TMemoryStream back;
    back.LoadFromFile(path("m.bin"));
    EXPECT_EQ(back.Size(), 7);
    EXPECT_EQ(back.Position(), 0);
    EXPECT_EQ(std::memcmp(back.Memory(), "bin\0ary", 7), 0);

    m.SetPosition(5);
    TMemoryStream again;
    again.LoadFromStream(&m);
    EXPECT_EQ(readAll(again), std::string("bin\0ary", 7));
    EXPECT_THROW(back.LoadFromFile(path("none.bin")), EFOpenError);
}
