// Picture loaders fed damaged files: every header form read by its own layout, sizes
// beyond the tool's limits or beyond what the data holds refused with EInvalidGraphic
// before anything is allocated, data that ends early reported as damage.
#include "GraphicsTestSupport.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/PngImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QPainter>
#include <QPicture>

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(text);
}

void Load(TGraphic& g, const QByteArray& bytes) {
    TMemoryStream s;
    s.WriteBuffer(bytes.constData(), int(bytes.size()));
    s.SetPosition(0);
    g.LoadFromStream(&s);
}

QByteArray Save(TGraphic& g) {
    TMemoryStream s;
    g.SaveToStream(&s);
    return QByteArray(static_cast<const char*>(s.Memory()), int(s.Size()));
}

// A picture with detail in every block, so that its compressed data has some length.
TBitmap* Noise(TBitmap& b, int w, int h) {
    b.SetPixelFormat(pf24bit);
    b.SetSize(w, h);
    unsigned seed = 7;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed = seed * 1103515245u + 12345u;
            b.Canvas()->SetPixels(x, y, TColor(seed >> 8 & 0xFFFFFF));
        }
    return &b;
}

void PutBe16(QByteArray& b, int at, int v) {
    b[at] = char(v >> 8);
    b[at + 1] = char(v);
}
void PutBe32(QByteArray& b, int at, quint32 v) {
    PutBe16(b, at, int(v >> 16));
    PutBe16(b, at + 2, int(v & 0xFFFF));
}

// The CRC that closes a PNG chunk (over its type and data).
quint32 Crc32(const QByteArray& bytes) {
    quint32 c = 0xFFFFFFFFu;
    for (char byte : bytes) {
        c ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
}

QByteArray PngOf(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(qRgb(0, 128, 255));
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return bytes;
}

// An icon file of one entry (entrySide x entrySide) that holds Image.
QByteArray IconHolding(const QByteArray& image, int entrySide) {
    QByteArray b(22, '\0');
    b[2] = 1;                      // icon
    b[4] = 1;                      // one entry
    b[6] = char(entrySide & 0xFF); // 0 stands for 256
    b[7] = char(entrySide & 0xFF);
    const quint32 size = quint32(image.size()), offset = 22;
    for (int i = 0; i < 4; ++i) {
        b[14 + i] = char(size >> (8 * i));
        b[18 + i] = char(offset >> (8 * i));
    }
    return b + image;
}

} // namespace

TEST(PictureLoader, BmpReadsTheShortOs2HeaderByItsOwnLayout) {
    // A 16-byte header holds size, 32-bit width and height, planes and depth only. This
    // one puts 16-bit sizes where the 32-bit ones belong: 262148 pixels wide.
    TBitmap b;
    EXPECT_THROW(
        Load(b, Hex("424d4e000000000000001e000000100000000400040001001800000000007f7f7f7f7f7f7f7f7f7f7f7f7f7f"
                    "7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f7f")),
        EInvalidGraphic);
    // The same picture with the header as the format has it: 4 x 4 pixels at 24 bits.
    const QByteArray file =
        Hex("424d4e000000000000001e00000010000000040000000400000001001800") + QByteArray(48, char(0x7f));
    Load(b, file);
    ASSERT_EQ(b.Width(), 4);
    ASSERT_EQ(b.Height(), 4);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), TColor(RGB(0x7f, 0x7f, 0x7f)));
    EXPECT_EQ(b.Canvas()->Pixels(3, 3), TColor(RGB(0x7f, 0x7f, 0x7f)));
}

TEST(PictureLoader, BmpRefusesDepthsAndSizesTheFormatOrTheFileCannotHave) {
    TBitmap src(5, 3);
    src.SetPixelFormat(pf24bit);
    const QByteArray good = Save(src);
    struct Case {
        const char* what;
        int at; // byte offset of a 16 or 32-bit field
        quint32 value;
        int bytes;
    };
    const Case cases[] = {
        {"bit depth 0", 28, 0, 2},
        {"bit depth 2", 28, 2, 2},
        {"bit depth 64", 28, 64, 2},
        {"bit depth 65535", 28, 0xFFFF, 2},
        {"RLE8 at 24 bits", 30, 1, 4},
        {"unknown compression", 30, 9, 4},
        {"width beyond the side limit", 18, 16385, 4},
        {"height beyond the side limit", 22, 16385, 4},
        {"most negative height", 22, 0x80000000u, 4},
        {"more pixels than the file holds", 22, 3000, 4},
        {"pixels past the end of the file", 10, 0x7FFFFFF0u, 4},
    };
    for (const Case& c : cases) {
        QByteArray bad = good;
        for (int i = 0; i < c.bytes; ++i)
            bad[c.at + i] = char(c.value >> (8 * i));
        TBitmap b;
        EXPECT_THROW(Load(b, bad), EInvalidGraphic) << c.what;
    }
    // A 54-byte file whose header asks for gigabytes, and one cut inside its header.
    TBitmap b;
    EXPECT_THROW(
        Load(b, Hex("424d36000000000000003600000028000000030000000600030101000020000000000000000000000000"
                    "000000000000000000000000000000")),
        EInvalidGraphic);
    EXPECT_THROW(Load(b, good.left(20)), EInvalidGraphic);
}

TEST(PictureLoader, JpegClaimingAHugeSizeOrEndingEarlyIsDamaged) {
    TJPEGImage j;
    EXPECT_THROW(Load(j, Hex("ffd8ffe000104a46494600010101000500010000ffdb00430003020202890202030202020303030"
                             "300060404040404"
                             "080606050609080a090809860a0c0f0c0a0b0e0b09090d110d0e0f101011100a0c121312f6ec0f1"
                             "01010ffdb004301"
                             "030313040d0408040408100b090b101010101010101010101010100707070707070707070707070"
                             "707070707070707"
                             "101010fffffffff90500021010101010101010ffc0001108c7ceff1003012200021101031101c40"
                             "016020300062100"
                             "123015166181e1ffda000c03010002110311003f0088bf64b8d3f1c36804febb")),
                 EInvalidGraphic);

    TBitmap b;
    TJPEGImage good;
    good.Assign(Noise(b, 64, 64));
    const QByteArray file = Save(good);
    Load(j, file);
    EXPECT_EQ(j.Width(), 64);
    EXPECT_THROW(Load(j, file.left(file.size() / 2)), EInvalidGraphic) << "scan cut in half";

    const int sof = int(file.indexOf("\xFF\xC0"));
    ASSERT_GT(sof, 0);
    for (int side : {16000, 20000}) {
        QByteArray big = file;
        PutBe16(big, sof + 5, side); // height
        PutBe16(big, sof + 7, side); // width
        EXPECT_THROW(Load(j, big), EInvalidGraphic) << side;
    }
}

TEST(PictureLoader, PngHeaderMustFitTheLimitsAndTheData) {
    TPngImage p;
    const QByteArray file = PngOf(20, 10);
    Load(p, file);
    EXPECT_EQ(p.Width(), 20);
    EXPECT_EQ(p.Height(), 10);
    for (quint32 side : {16385u, 16384u, 0u}) {
        QByteArray bad = file;
        PutBe32(bad, 16, side);
        PutBe32(bad, 20, side);
        EXPECT_THROW(Load(p, bad), EInvalidGraphic) << side;
    }
    QByteArray depth = file;
    depth[24] = 3; // no colour type has 3 bits
    EXPECT_THROW(Load(p, depth), EInvalidGraphic);
    EXPECT_THROW(Load(p, file.left(30)), EInvalidGraphic);
}

TEST(PictureLoader, IconChecksAnEmbeddedPngAgainstItsEntry) {
    TIcon icon;
    Load(icon, IconHolding(PngOf(16, 16), 16));
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_EQ(qAlpha(platform::detail::IconImage(icon.Handle()).pixel(3, 3)), 255);

    QByteArray damaged = PngOf(16, 16);
    PutBe32(damaged, 16, 0x7FFF); // a damaged header that claims 32767 x 32767
    PutBe32(damaged, 20, 0x7FFF);
    EXPECT_THROW(Load(icon, IconHolding(damaged, 16)), EInvalidGraphic);
    EXPECT_THROW(Load(icon, IconHolding(PngOf(32, 32), 16)), EInvalidGraphic) << "not the entry's size";
    EXPECT_THROW(Load(icon, IconHolding(PngOf(16, 16).left(40), 16)), EInvalidGraphic) << "cut short";
}

// Chunks are walked before decoding: one whose length runs past the data is refused, in a
// PNG file and in an icon's entry; chunks that fit, ancillary ones included, still load.
TEST(PictureLoader, PngChunksMustEndWithinTheData) {
    const QByteArray good = PngOf(16, 16);
    const int afterHeader = 33; // signature and header chunk
    // A text chunk of Length (claimed) with Body bytes and their CRC behind it, after the
    // header chunk.
    auto withText = [&](quint32 length, const QByteArray& body) {
        QByteArray chunk(8, '\0');
        PutBe32(chunk, 0, length);
        chunk.replace(4, 4, "tEXt");
        QByteArray crc(4, '\0');
        PutBe32(crc, 0, Crc32(chunk.mid(4) + body));
        return good.left(afterHeader) + chunk + body + crc + good.mid(afterHeader);
    };
    const QByteArray text("Title\0abc", 9);
    struct Case {
        const char* what;
        QByteArray file;
        bool loads;
    };
    const Case cases[] = {
        {"a text chunk that fits", withText(9, text), true},
        {"data running past the end", withText(quint32(good.size() - afterHeader) + 100, text), false},
        {"the CRC running past the end", withText(quint32(good.size() - afterHeader) + 10, text), false},
        {"length of 2 GB less one byte", withText(0x7FFFFFFF, text), false},
        {"length beyond 2 GB", withText(0x80000009, text), false},
        {"the data ends inside a chunk's length", good.left(afterHeader + 5), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TPngImage p;
        TIcon icon;
        if (c.loads) {
            Load(p, c.file);
            EXPECT_EQ(p.Width(), 16);
            Load(icon, IconHolding(c.file, 16));
            EXPECT_EQ(icon.Width(), 16);
        } else {
            EXPECT_THROW(Load(p, c.file), EInvalidGraphic);
            EXPECT_THROW(Load(icon, IconHolding(c.file, 16)), EInvalidGraphic);
        }
    }
}

// Loads File as an icon in this process with 64 MB of address space more than it maps now
// (the sanitizers reserve far more, so none is set under them), and ends the process: 0 when
// the icon was refused and the PNG decoder never spoke (its complaints go to the standard error
// stream, caught here in a file, and to Qt's log), 1 otherwise.
[[noreturn]] static void LoadIconInASmallSpaceAndExit(const QByteArray& file) {
    static std::atomic<int> decoderMessages{0};
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (text.contains(QStringLiteral("png"), Qt::CaseInsensitive)) ++decoderMessages;
    });
    std::fflush(stderr);
    FILE* caught = std::tmpfile();
    const int savedStderr = dup(STDERR_FILENO);
    if (!caught || savedStderr < 0 || dup2(fileno(caught), STDERR_FILENO) < 0) std::_Exit(2);
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    long pages = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
        std::fclose(statm);
    }
    rlimit space;
    space.rlim_cur = space.rlim_max = rlim_t(pages) * 4096 + (rlim_t(64) << 20);
    if (pages > 0) setrlimit(RLIMIT_AS, &space);
#endif
    TIcon icon;
    bool refused = false;
    try {
        Load(icon, file);
    } catch (const EInvalidGraphic&) {
        refused = true;
    }
    std::fflush(stderr);
    dup2(savedStderr, STDERR_FILENO);
    std::rewind(caught);
    char line[512];
    while (std::fgets(line, sizeof line, caught)) {
        std::fputs(line, stderr);
        if (QByteArray(line).toLower().contains("png")) ++decoderMessages;
    }
    std::fprintf(stderr, "refused %d, decoder messages %d\n", int(refused), decoderMessages.load());
    std::_Exit(refused && decoderMessages == 0 ? 0 : 1);
}

// An icon of about 1 KB whose 16 x 16 PNG has a text chunk claiming almost 2 GB: refused from
// its chunk table, without the picture being decoded (the decoder would say so, after taking
// 1.9 GB) and within a small address space. The file was found by the picture fuzz target:
// its first byte picks the loader (1, the icon), the icon file follows.
TEST(PictureLoader, IconWithADamagedPngIsRefusedBeforeDecoding) {
    QFile f(QStringLiteral(ORVO_GRAPHICS_TEST_DATA "/damaged-png-entry.ico"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray found = f.readAll();
    ASSERT_EQ(found.size(), 1043);
    ASSERT_EQ(found[0], 1);
    const QByteArray file = found.mid(1);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(LoadIconInASmallSpaceAndExit(file), ::testing::ExitedWithCode(0),
                "refused 1, decoder messages 0");
}

TEST(PictureLoader, MetafileFrameWithinTheLimits) {
    // The platform's own recording as earlier versions stored it: the frame's width and
    // height, then the recording.
    QPicture picture;
    {
        QPainter p(&picture);
        p.fillRect(0, 0, 10, 10, Qt::black);
    }
    QByteArray recording;
    {
        QBuffer buf(&recording);
        buf.open(QIODevice::WriteOnly);
        picture.save(&buf);
    }
    const auto stored = [&](qint32 w, qint32 h) {
        QByteArray b(8, '\0');
        std::memcpy(b.data(), &w, 4);
        std::memcpy(b.data() + 4, &h, 4);
        return b + recording;
    };
    TMetafile back;
    Load(back, stored(10, 10));
    EXPECT_EQ(back.Width(), 10);
    for (qint32 side : {16385, -1})
        EXPECT_THROW(Load(back, stored(side, 10)), EInvalidGraphic) << side;
    Load(back, stored(16384, 16384)); // the largest frame: 2^28 pixels
    EXPECT_EQ(back.Width(), 16384);

    // An enhanced metafile whose frame is beyond the limits.
    TMetafile meta;
    meta.SetWidth(10);
    meta.SetHeight(10);
    {
        TMetafileCanvas mc(&meta, nullptr);
        mc.FillRect(Rect(0, 0, 10, 10));
    }
    QByteArray emf = Save(meta);
    Load(back, emf);
    EXPECT_EQ(back.Width(), 10);
    const qint32 huge = 2540 * 20000 / 96; // the frame's right edge: 20000 pixels
    std::memcpy(emf.data() + 32, &huge, 4);
    std::memcpy(emf.data() + 36, &huge, 4);
    EXPECT_THROW(Load(back, emf), EInvalidGraphic);
}
