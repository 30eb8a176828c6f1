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

TEST(PictureLoader, MetafileFrameWithinTheLimits) {
    TMetafile meta;
    meta.SetWidth(10);
    meta.SetHeight(10);
    {
        TMetafileCanvas mc(&meta, nullptr);
        mc.FillRect(Rect(0, 0, 10, 10));
    }
    const QByteArray file = Save(meta);
    TMetafile back;
    Load(back, file);
    EXPECT_EQ(back.Width(), 10);
    for (qint32 side : {16385, -1}) {
        QByteArray bad = file;
        std::memcpy(bad.data(), &side, 4);
        EXPECT_THROW(Load(back, bad), EInvalidGraphic) << side;
    }
    QByteArray many = file;
    const qint32 w = 16384, h = 16384; // the largest frame: 2^28 pixels
    std::memcpy(many.data(), &w, 4);
    std::memcpy(many.data() + 4, &h, 4);
    Load(back, many);
    EXPECT_EQ(back.Width(), 16384);
}
