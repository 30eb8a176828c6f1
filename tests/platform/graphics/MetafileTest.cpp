// Metafiles record drawing and play it back scaled; icons read and write .ico files and
// take part in the picture registry.
#include "GraphicsTestSupport.h"

#include "platform/classes/Streams.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Metafile.h"

#include <QTemporaryDir>

using namespace platform::detail;

TEST(Metafile, RecordsAndPlaysBackScaled) {
    TMetafile meta;
    EXPECT_TRUE(meta.Empty());
    meta.SetWidth(20);
    meta.SetHeight(10);
    {
        TMetafileCanvas mc(&meta, nullptr);
        mc.Brush()->SetColor(clRed);
        mc.FillRect(Rect(0, 0, 10, 10));
        mc.Brush()->SetColor(clBlue);
        mc.FillRect(Rect(10, 0, 20, 10));
    }
    ASSERT_FALSE(meta.Empty());
    EXPECT_EQ(meta.Width(), 20);
    EXPECT_EQ(meta.Height(), 10);

    DrawingSurface s(50, 30);
    s.C()->Draw(2, 3, &meta);
    EXPECT_EQ(s.InkBox(), Rect(2, 3, 22, 13));
    EXPECT_EQ(s.At(2, 3), clRed);
    EXPECT_EQ(s.At(21, 12), clBlue);

    DrawingSurface big(50, 30);
    big.C()->StretchDraw(Rect(0, 0, 40, 20), &meta);
    EXPECT_EQ(big.InkBox(), Rect(0, 0, 40, 20));
    EXPECT_EQ(big.At(19, 19), clRed);
    EXPECT_EQ(big.At(21, 0), clBlue);

    // Without a size set, the frame is the extent of the drawing.
    TMetafile autoSized;
    {
        TMetafileCanvas mc(&autoSized, nullptr);
        mc.Brush()->SetColor(clRed);
        mc.FillRect(Rect(0, 0, 12, 7));
    }
    EXPECT_EQ(autoSized.Width(), 12);
    EXPECT_EQ(autoSized.Height(), 7);
}

TEST(Metafile, StreamRoundTripAndDamagedData) {
    TMetafile meta;
    meta.SetWidth(16);
    meta.SetHeight(8);
    {
        TMetafileCanvas mc(&meta, nullptr);
        mc.Brush()->SetColor(clGreen);
        mc.FillRect(Rect(0, 0, 8, 8));
    }
    TMemoryStream ms;
    meta.SaveToStream(&ms);
    ms.SetPosition(0);
    TMetafile back;
    back.LoadFromStream(&ms);
    EXPECT_EQ(back.Width(), 16);
    EXPECT_EQ(back.Height(), 8);
    DrawingSurface s(20, 10);
    s.C()->Draw(0, 0, &back);
    EXPECT_EQ(s.InkBox(), Rect(0, 0, 8, 8));

    TMemoryStream junk;
    junk.WriteBuffer("not a picture", 13);
    junk.SetPosition(0);
    EXPECT_THROW(back.LoadFromStream(&junk), EInvalidGraphic);
    EXPECT_EQ(back.Width(), 16) << "a failed load keeps the picture";
}

TEST(Icon, FileRoundTripSizeChoiceAndRegistry) {
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(0);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            img.setPixel(x, y, qRgb(0, 0, 255));
    const QByteArray file = WriteIconFile(img, false, {});
    bool isCursor = true;
    TPoint hot{9, 9};
    const QImage back = ReadIconFile(file, {32, 32}, isCursor, hot);
    ASSERT_FALSE(back.isNull());
    EXPECT_FALSE(isCursor);
    EXPECT_EQ(back.size(), QSize(16, 16));
    EXPECT_EQ(back.pixel(5, 5), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(back.pixel(1, 1)), 0);

    // Damaged directories and images are refused, whatever their lengths claim.
    for (int cut : {0, 5, 21, 40, 100, int(file.size()) - 1}) {
        bool c = false;
        TPoint h;
        EXPECT_TRUE(ReadIconFile(file.left(cut), {32, 32}, c, h).isNull()) << cut;
    }
    QByteArray lying = file;
    lying[14] = char(0xFF); // an image offset far beyond the end
    bool c = false;
    TPoint h;
    EXPECT_TRUE(ReadIconFile(lying, {32, 32}, c, h).isNull());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blue.ico"));
    {
        TIcon icon;
        icon.SetHandle(NewIcon(img, {}, true));
        icon.SaveToFile(path);
        EXPECT_THROW(icon.SetWidth(20), EInvalidGraphicOperation);
    }
    TPicture pic;
    pic.LoadFromFile(path);
    ASSERT_NE(dynamic_cast<TIcon*>(pic.Graphic()), nullptr);
    EXPECT_EQ(pic.Width(), 16);
    DrawingSurface s(30, 30);
    s.C()->Brush()->SetColor(clRed);
    s.C()->FillRect(Rect(0, 0, 30, 30));
    s.C()->Draw(2, 2, pic.Graphic());
    EXPECT_EQ(s.At(7, 7), clBlue);
    EXPECT_EQ(s.At(3, 3), clRed) << "transparent pixels let the ground show";
    EXPECT_TRUE(GraphicFilter(TIcon::StaticClass()).contains(QStringLiteral("*.ico")));
}
