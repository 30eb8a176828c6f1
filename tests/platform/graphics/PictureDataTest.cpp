// A picture stored in a component stream as its "Data" property: the graphic's class name
// and its bytes come back as the same picture, an empty picture writes nothing, and stored
// data that names no picture format or ends early is refused without a crash.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/JpegImage.h"
#include "platform/graphics/PngImage.h"
#include "tests/platform/classes/StreamingSupport.h"

#include "platform/classes/TypInfo.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class TPictureHolder : public TComponent {
    ORVO_CLASS(TPictureHolder, TComponent)
public:
    explicit TPictureHolder(TComponent* AOwner) : TComponent(AOwner) {}
    TPicture* Picture() { return &FPicture; }
    void SetPicture(TPicture* Value) { FPicture.Assign(Value); }

private:
    TPicture FPicture;
};

} // namespace

ORVO_IMPLEMENT_CLASS(TPictureHolder, TComponent)
ORVO_PUBLISHED(TPictureHolder) {
    P.Property("Picture", &TPictureHolder::Picture, &TPictureHolder::SetPicture);
}

namespace {

void paint(TGraphic* G) {
    TBitmap b;
    b.SetSize(5, 4);
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(TRect{0, 0, 5, 4});
    b.Canvas()->SetPixels(0, 0, clRed);
    b.Canvas()->SetPixels(4, 3, clBlue);
    G->Assign(&b);
}

TEST(PictureData, EachFormatComesBackAsTheSamePicture) {
    struct Case {
        const char* name;
        std::function<TGraphic*()> make;
        bool exactPixels;
    };
    const Case cases[] = {
        {"TBitmap", [] { return new TBitmap; }, true},
        {"TPngImage", [] { return new TPngImage; }, true},
        {"TJPEGImage", [] { return new TJPEGImage; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPictureHolder holder(nullptr);
        holder.SetName(QStringLiteral("Holder"));
        std::unique_ptr<TGraphic> g(c.make());
        paint(g.get());
        holder.Picture()->SetGraphic(g.get());
        const QByteArray text = BinaryToText(WriteRoot(&holder));
        EXPECT_TRUE(text.contains("Picture.Data = {")) << text.toStdString();

        TPictureHolder back(nullptr);
        ReadRoot(TextToBinary(text), &back);
        ASSERT_NE(back.Picture()->Graphic(), nullptr);
        EXPECT_EQ(back.Picture()->Graphic()->ClassName(), QString::fromLatin1(c.name));
        EXPECT_EQ(back.Picture()->Width(), 5);
        EXPECT_EQ(back.Picture()->Height(), 4);
        if (c.exactPixels) {
            TBitmap b;
            b.Assign(back.Picture()->Graphic());
            EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
            EXPECT_EQ(b.Canvas()->Pixels(4, 3), clBlue);
            EXPECT_EQ(b.Canvas()->Pixels(2, 2), clWhite);
            // Lossless formats write the same bytes again (a JPEG image is encoded anew).
            EXPECT_EQ(BinaryToText(WriteRoot(&back)).toStdString(), text.toStdString());
        }
    }
}

TEST(PictureData, AnEmptyPictureWritesNothing) {
    TPictureHolder holder(nullptr);
    holder.SetName(QStringLiteral("Holder"));
    EXPECT_FALSE(BinaryToText(WriteRoot(&holder)).contains("Picture."));
}

// The stream bytes of a holder whose picture data is Data.
QByteArray holderWithData(const QByteArray& Data) {
    QByteArray hex = Data.toHex().toUpper();
    return TextToBinary("object Holder: TPictureHolder\r\n  Picture.Data = {" + hex + "}\r\nend\r\n");
}

QByteArray named(const char* Name) {
    QByteArray d;
    d.append(char(std::strlen(Name)));
    d.append(Name);
    return d;
}

TEST(PictureData, BadDataIsRefusedWithAnError) {
    TPictureHolder good(nullptr);
    paint(good.Picture()->Bitmap());
    TMemoryStream bmp;
    good.Picture()->Graphic()->SaveToStream(&bmp);
    const QByteArray bmpBytes(static_cast<const char*>(bmp.Memory()), qsizetype(bmp.Size()));
    auto sized = [](const QByteArray& Bytes, qint32 Size) {
        QByteArray d;
        d.append(reinterpret_cast<const char*>(&Size), 4);
        return d + Bytes;
    };
    struct Case {
        const char* what;
        QByteArray data;
    };
    const Case cases[] = {
        {"no bytes", QByteArray()},
        {"a name longer than the data", QByteArray(1, char(40)) + "TBit"},
        {"a class that is no picture format", named("TComponent") + sized(bmpBytes, qint32(bmpBytes.size()))},
        {"an unknown class", named("TNoSuchImage")},
        {"a size beyond the data", named("TBitmap") + sized(bmpBytes, qint32(bmpBytes.size()) + 100)},
        {"a negative size", named("TBitmap") + sized(bmpBytes, -5)},
        {"a cut bitmap", named("TBitmap") + sized(bmpBytes.left(30), 30)},
        {"no size", named("TBitmap") + QByteArray(2, '\0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TPictureHolder back(nullptr);
        EXPECT_THROW(ReadRoot(holderWithData(c.data), &back), Exception);
    }
}

} // namespace
