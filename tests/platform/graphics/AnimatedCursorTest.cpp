// Animated cursor files: the RIFF container read into frames and steps, the cursor it
// gives (the frame of the first step), and the damaged files that give none.
#include "GraphicsTestSupport.h"

#include "platform/graphics/Cursor.h"

#include <QCursor>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

using namespace platform::detail;

namespace {

QImage Filled(QRgb colour) {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(colour);
    return img;
}

void Put32(QByteArray& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

QByteArray Chunk(const char* tag, const QByteArray& data) {
    QByteArray c(tag, 4);
    Put32(c, std::uint32_t(data.size()));
    c.append(data);
    if (data.size() & 1) c.append('\0');
    return c;
}

QByteArray Words(std::initializer_list<std::uint32_t> values) {
    QByteArray b;
    for (std::uint32_t v : values)
        Put32(b, v);
    return b;
}

// The parts of an animated cursor, each changeable by a test before it is put together.
struct AniParts {
    std::uint32_t frames = 2, steps = 3, rate = 6, flags = 3;
    QByteArray rates = Words({10, 20, 30});
    QByteArray sequence = Words({1, 0, 1});
    std::vector<QByteArray> frameFiles = {WriteIconFile(Filled(qRgb(255, 0, 0)), true, {2, 3}),
                                          WriteIconFile(Filled(qRgb(0, 0, 255)), true, {7, 9})};
    bool withHeader = true;

    QByteArray Bytes() const {
        QByteArray body("ACON");
        body.append(Chunk("LIST", QByteArray("INFO") + Chunk("INAM", "spinner")));
        if (withHeader) body.append(Chunk("anih", Words({36, frames, steps, 0, 0, 0, 0, rate, flags})));
        if (!rates.isNull()) body.append(Chunk("rate", rates));
        if (!sequence.isNull()) body.append(Chunk("seq ", sequence));
        QByteArray list("fram");
        for (const QByteArray& f : frameFiles)
            list.append(Chunk("icon", f));
        body.append(Chunk("LIST", list));
        return Chunk("RIFF", body);
    }
};

} // namespace

TEST(AnimatedCursor, FramesAndStepsComeFromTheSequenceAndRates) {
    TAnimatedCursorFile file;
    ASSERT_TRUE(ReadAnimatedCursorFile(AniParts().Bytes(), file));
    ASSERT_EQ(file.Frames.size(), 2u);
    EXPECT_EQ(file.Frames[0].Image.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(file.Frames[1].HotSpot, Point(7, 9));
    ASSERT_EQ(file.Steps.size(), 3u);
    const int frames[] = {1, 0, 1}, jiffies[] = {10, 20, 30};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(file.Steps[i].Frame, frames[i]) << i;
        EXPECT_EQ(file.Steps[i].Jiffies, jiffies[i]) << i;
    }

    // Without sequence and rates: the frames in order, each for the header's rate.
    AniParts plain;
    plain.steps = 2;
    plain.flags = 1;
    plain.rates = {};
    plain.sequence = {};
    ASSERT_TRUE(ReadAnimatedCursorFile(plain.Bytes(), file));
    ASSERT_EQ(file.Steps.size(), 2u);
    EXPECT_EQ(file.Steps[1].Frame, 1);
    EXPECT_EQ(file.Steps[1].Jiffies, 6);
}

TEST(AnimatedCursor, FileShowsTheFrameOfTheFirstStep) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("busy.ani"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(AniParts().Bytes());
    }
    HCURSOR h = LoadCursorFromFile(path);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(IconImage(h).pixel(5, 5), qRgb(0, 0, 255)) << "the sequence starts with frame 1";
    const QCursor q = ToQCursor(h);
    EXPECT_EQ(q.shape(), Qt::BitmapCursor);
    EXPECT_EQ(q.hotSpot(), QPoint(7, 9));
    DestroyCursor(h);
}

TEST(AnimatedCursor, DamagedFilesGiveNoCursor) {
    const std::pair<const char*, std::function<QByteArray()>> cases[] = {
        {"cut short", [] { return AniParts().Bytes().chopped(40); }},
        {"RIFF size past the end",
         [] {
             QByteArray b = AniParts().Bytes();
             b[4] = char(0xFF);
             return b;
         }},
        {"another form type",
         [] {
             QByteArray b = AniParts().Bytes();
             b.replace(8, 4, "WAVE");
             return b;
         }},
        {"no header",
         [] {
             AniParts p;
             p.withHeader = false;
             return p.Bytes();
         }},
        {"more frames in the header than in the list",
         [] {
             AniParts p;
             p.frames = 3;
             return p.Bytes();
         }},
        {"a step names a missing frame",
         [] {
             AniParts p;
             p.sequence = Words({1, 0, 2});
             return p.Bytes();
         }},
        {"rates of another length",
         [] {
             AniParts p;
             p.rates = Words({10, 20});
             return p.Bytes();
         }},
        {"steps without a sequence differ from the frames",
         [] {
             AniParts p;
             p.sequence = {};
             return p.Bytes();
         }},
        {"raw bitmap frames",
         [] {
             AniParts p;
             p.flags = 2;
             return p.Bytes();
         }},
        {"a frame that does not decode",
         [] {
             AniParts p;
             p.frameFiles[1] = p.frameFiles[1].left(60);
             return p.Bytes();
         }},
        {"no frames",
         [] {
             AniParts p;
             p.frameFiles.clear();
             p.frames = 0;
             return p.Bytes();
         }},
    };
    for (const auto& [name, bytes] : cases) {
        TAnimatedCursorFile file;
        const QByteArray data = bytes();
        EXPECT_FALSE(ReadAnimatedCursorFile(data, file)) << name;
        EXPECT_TRUE(file.Frames.empty() && file.Steps.empty()) << name;
        EXPECT_EQ(CursorFromFileBytes(data), nullptr) << name;
    }
}
