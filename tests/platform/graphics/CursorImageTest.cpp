// The pictures of the stock cursors (from the desktop's cursor theme or built in), drawn as any
// cursor is drawn, and the reader of the theme's X cursor files, damaged ones included.
#include "GraphicsTestSupport.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Cursor.h"
#include "platform/graphics/CursorTheme.h"

#include <QByteArray>
#include <QImage>
#include <QtEndian>

#include <vector>

using namespace platform::detail;

namespace {
void put32(QByteArray& Out, quint32 Value) {
    char b[4];
    qToLittleEndian(Value, b);
    Out.append(b, 4);
}

// An X cursor file with one square image per size: opaque black on the diagonal, hot spot
// at a quarter of the size.
QByteArray Xcursor(const std::vector<int>& Sizes) {
    QByteArray head, chunks;
    head.append("Xcur", 4);
    put32(head, 16);
    put32(head, 0x10000);
    put32(head, quint32(Sizes.size()));
    quint32 position = 16 + 12 * quint32(Sizes.size());
    for (int s : Sizes) {
        QByteArray chunk;
        for (quint32 v :
             {36u, 0xFFFD0002u, quint32(s), 1u, quint32(s), quint32(s), quint32(s / 4), quint32(s / 4), 0u})
            put32(chunk, v);
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x)
                put32(chunk, x == y ? 0xFF000000u : 0u);
        put32(head, 0xFFFD0002u);
        put32(head, quint32(s));
        put32(head, position);
        position += quint32(chunk.size());
        chunks += chunk;
    }
    return head + chunks;
}
} // namespace

TEST(CursorImage, EveryStockCursorButNoneHasAPicture) {
    for (TCursor id = crDefault; id >= crSizeAll; --id) {
        SCOPED_TRACE(id);
        const QImage& image = IconImage(StockCursor(id));
        if (id == crNone) {
            EXPECT_TRUE(image.isNull());
            continue;
        }
        ASSERT_FALSE(image.isNull());
        EXPECT_GE(image.width(), 16);
        EXPECT_LE(image.width(), 64);
        const TPoint hot = IconHotSpot(StockCursor(id));
        EXPECT_TRUE(hot.X >= 0 && hot.X <= image.width() && hot.Y >= 0 && hot.Y <= image.height());
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) > 128) ++opaque;
        EXPECT_GT(opaque, 10);
    }
    // Drawn like any cursor, the arrow leaves pixels on a white bitmap.
    TBitmap bitmap(32, 32);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(TRect{0, 0, 32, 32});
    DrawIconEx(bitmap.Canvas()->Handle(), 0, 0, StockCursor(crArrow), 0, 0, 0, nullptr,
               DI_NORMAL | DI_DEFAULTSIZE);
    int drawn = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (bitmap.Canvas()->Pixels(x, y) != clWhite) ++drawn;
    EXPECT_GT(drawn, 10);
}

TEST(CursorImage, XcursorFilesGiveTheSizeClosestToTheOneWanted) {
    TPoint hot;
    QImage image = ReadXcursorFile(Xcursor({16, 24, 48}), 32, hot);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 24);
    EXPECT_EQ(hot.X, 6);
    EXPECT_EQ(hot.Y, 6);
    EXPECT_EQ(qAlpha(image.pixel(5, 5)), 255);
    EXPECT_EQ(qAlpha(image.pixel(5, 6)), 0);
    image = ReadXcursorFile(Xcursor({16, 32}), 32, hot);
    EXPECT_EQ(image.width(), 32);
}

TEST(CursorImage, DamagedXcursorFilesReadAsNothing) {
    const QByteArray good = Xcursor({8});
    struct Case {
        const char* what;
        QByteArray data;
    };
    auto patched = [&](int At, quint32 Value) {
        QByteArray d = good;
        qToLittleEndian(Value, d.data() + At);
        return d;
    };
    const Case cases[] = {
        {"empty", QByteArray()},
        {"short header", good.left(12)},
        {"wrong magic", patched(0, 0x12345678)},
        {"huge table", patched(12, 0x7FFFFFFF)},
        {"header past end", patched(4, 0x10000)},
        {"chunk past end", patched(16 + 8, 0xFFFFFF00)},
        {"chunk of another type", patched(28 + 4, 0xFFFE0001)},
        {"zero width", patched(28 + 16, 0)},
        {"huge height", patched(28 + 20, 0x7FFF)},
        {"hot spot outside", patched(28 + 24, 9)},
        {"pixels cut short", good.left(good.size() - 4)},
        {"chunk header past end", patched(28, 0xFFFFFFF0)},
    };
    for (const Case& c : cases) {
        TPoint hot{-1, -1};
        EXPECT_TRUE(ReadXcursorFile(c.data, 32, hot).isNull()) << c.what;
        EXPECT_EQ(hot.X, -1) << c.what;
    }
    TPoint hot;
    EXPECT_FALSE(ReadXcursorFile(good, 32, hot).isNull());
}
