// Filtered pictures and the "FilterItems" stream property.
#include "chart/engine/pictures/BitmapFilters.h"
#include "chart/engine/pictures/ImageFiltered.h"
#include "chart/engine/pictures/TeePicture.h"
#include "platform/classes/Component.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypInfo.h"
#include "platform/classes/Writer.h"
#include "tests/chart/engine/pictures/PixelSupport.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

class TPictureHolder : public TComponent {
    ORVO_CLASS(TPictureHolder, TComponent)
public:
    explicit TPictureHolder(TComponent* AOwner) : TComponent(AOwner) {}
    TTeePicture* Picture() { return &FPicture; }

private:
    TTeePicture FPicture;
};

ORVO_IMPLEMENT_CLASS(TPictureHolder, TComponent)

ORVO_PUBLISHED(TPictureHolder) {
    P.Property("Picture", &TPictureHolder::Picture);
}

QByteArray writeBinary(TComponent* root) {
    TMemoryStream m;
    {
        TWriter w(&m);
        w.WriteRootComponent(root);
    }
    return QByteArray(static_cast<const char*>(m.Memory()), qsizetype(m.Size()));
}

void readBinary(const QByteArray& bytes, TComponent* root) {
    TMemoryStream m;
    m.WriteBuffer(bytes.constData(), int(bytes.size()));
    m.SetPosition(0);
    TReader r(&m);
    r.ReadRootComponent(root);
}

QByteArray toText(const QByteArray& binary) {
    TMemoryStream in, out;
    in.WriteBuffer(binary.constData(), int(binary.size()));
    in.SetPosition(0);
    ObjectBinaryToText(&in, &out);
    return QByteArray(static_cast<const char*>(out.Memory()), qsizetype(out.Size()));
}

} // namespace

TEST(TeePicture, WithoutFiltersFilteredIsTheGraphicItself) {
    TTeePicture p;
    EXPECT_EQ(p.Filtered(), nullptr);
    auto b = SolidBitmap(3, 3, Gray(10));
    p.SetGraphic(b.get());
    EXPECT_EQ(p.Filtered(), p.Graphic());
    p.Filters(); // an empty list changes nothing
    EXPECT_EQ(p.Filtered(), p.Graphic());
}

TEST(TeePicture, FilteredAppliesEnabledFiltersToACopy) {
    TTeePicture p;
    auto b = SolidBitmap(3, 3, Gray(10));
    p.SetGraphic(b.get());
    p.Filters()->Add(TInvertFilter::StaticClass());
    TGraphic* f = p.Filtered();
    ASSERT_NE(f, p.Graphic());
    EXPECT_EQ(Px(static_cast<TBitmap*>(f), 1, 1), Gray(245));
    EXPECT_EQ(Px(p.Bitmap(), 1, 1), Gray(10));
    // Made again from the graphic at each call, not filtered twice.
    EXPECT_EQ(Px(static_cast<TBitmap*>(p.Filtered()), 1, 1), Gray(245));

    TTeePicture copy;
    copy.Assign(&p);
    ASSERT_TRUE(copy.HasFilters());
    EXPECT_EQ(copy.Filters()->Item(0)->ClassType(), TInvertFilter::StaticClass());
    TTeePicture plain;
    copy.Assign(&plain);
    EXPECT_FALSE(copy.HasFilters());
}

TEST(TeePicture, FilterItemsStreamWithClassesAndSettings) {
    TPictureHolder holder(nullptr);
    holder.SetName("Holder");
    EXPECT_EQ(toText(writeBinary(&holder)).indexOf("FilterItems"), -1);
    holder.Picture()->Filters();
    EXPECT_EQ(toText(writeBinary(&holder)).indexOf("FilterItems"), -1); // empty list: not written

    TFilterItems* list = holder.Picture()->Filters();
    auto* blur = static_cast<TBlurFilter*>(list->Add(TBlurFilter::StaticClass()));
    blur->SetAmount(3);
    blur->SetSteps(2);
    blur->SetEnabled(false);
    auto* rotate = static_cast<TRotateFilter*>(list->Add(TRotateFilter::StaticClass()));
    rotate->SetAngle(120);
    rotate->SetBackColor(clRed);
    rotate->Region()->SetLeft(4);
    list->Add(TInvertFilter::StaticClass());
    const QByteArray bytes = writeBinary(&holder);
    const QByteArray text = toText(bytes);
    EXPECT_NE(text.indexOf("Picture.FilterItems"), -1) << text.toStdString();
    EXPECT_NE(text.indexOf("TRotateFilter"), -1);

    TPictureHolder back(nullptr);
    back.Picture()->Filters()->Add(TMosaicFilter::StaticClass()); // replaced by what is read
    readBinary(bytes, &back);
    TFilterItems* got = back.Picture()->Filters();
    ASSERT_EQ(got->Count(), 3);
    auto* b2 = dynamic_cast<TBlurFilter*>(got->Item(0));
    ASSERT_NE(b2, nullptr);
    EXPECT_EQ(b2->Amount(), 3);
    EXPECT_EQ(b2->Steps(), 2);
    EXPECT_FALSE(b2->Enabled());
    EXPECT_FALSE(b2->HasRegion());
    auto* r2 = dynamic_cast<TRotateFilter*>(got->Item(1));
    ASSERT_NE(r2, nullptr);
    EXPECT_EQ(r2->Angle(), 120);
    EXPECT_EQ(r2->BackColor(), clRed);
    ASSERT_TRUE(r2->HasRegion());
    EXPECT_EQ(r2->Region()->Left(), 4);
    EXPECT_EQ(got->Item(2)->ClassType(), TInvertFilter::StaticClass());
}

TEST(TeePicture, UnknownOrForeignClassesFailToRead) {
    TPictureHolder holder(nullptr);
    holder.SetName("Holder");
    holder.Picture()->Filters()->Add(TInvertFilter::StaticClass());
    const QByteArray bytes = writeBinary(&holder);
    for (const char* name : {"TNoSuchFilter", "TPictureHolder"}) {
        QByteArray bad = bytes;
        const QByteArray from = "\x0dTInvertFilter";
        const QByteArray to = QByteArray(1, char(qstrlen(name))) + name;
        ASSERT_NE(bad.indexOf(from), -1);
        bad.replace(from, to);
        TPictureHolder back(nullptr);
        EXPECT_ANY_THROW(readBinary(bad, &back)) << name;
        EXPECT_EQ(back.Picture()->Filters()->UpdateCount(), 0);
    }
}

TEST(ImageFiltered, ShowsThePictureThroughItsFilters) {
    TImageFiltered image(nullptr);
    EXPECT_EQ(image.Filtered(), nullptr);
    auto b = SolidBitmap(4, 4, Gray(10));
    image.Picture()->SetGraphic(b.get());
    image.SetBounds(0, 0, 8, 6);
    image.SetStretch(true);
    image.Filters()->Add(TInvertFilter::StaticClass());
    std::unique_ptr<TBitmap> f(image.Filtered());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Width(), 8);
    EXPECT_EQ(f->Height(), 6);
    EXPECT_NEAR(Px(f.get(), 7, 5).Red, 245, 3);
}
