// Image lists: strips split into images, masks and mask colours, drawing enabled and
// disabled, and the change notifications.
#include "GraphicsTestSupport.h"

#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/ResourceStream.h"
#include "platform/classes/Streams.h"
#include "platform/graphics/ImageList.h"

namespace {
// A strip of Count 4 x 4 images: image i is a 2 x 2 square of Colours[i] at its top-left
// on a fuchsia ground.
std::unique_ptr<TBitmap> Strip(std::initializer_list<TColor> Colours, int Width = 4) {
    auto b = std::make_unique<TBitmap>(Width * int(Colours.size()), 4);
    b->Canvas()->Brush()->SetColor(clFuchsia);
    b->Canvas()->FillRect(Rect(0, 0, b->Width(), 4));
    int i = 0;
    for (TColor c : Colours) {
        b->Canvas()->Brush()->SetColor(c);
        b->Canvas()->FillRect(Rect(i * Width, 0, i * Width + 2, 2));
        ++i;
    }
    return b;
}
} // namespace

TEST(ImageList, StripsMasksAndMaskColours) {
    TImageList list(4, 4);
    auto strip = Strip({clRed, clBlue, clLime});
    EXPECT_EQ(list.AddMasked(strip.get(), clFuchsia), 0);
    EXPECT_EQ(list.Count(), 3);

    DrawingSurface s(20, 10);
    s.C()->Brush()->SetColor(clYellow);
    s.C()->FillRect(Rect(0, 0, 20, 10));
    for (int i = 0; i < 3; ++i)
        list.Draw(s.C(), i * 5, 0, i);
    EXPECT_EQ(s.At(0, 0), clRed);
    EXPECT_EQ(s.At(6, 1), clBlue);
    EXPECT_EQ(s.At(10, 0), clLime);
    EXPECT_EQ(s.At(3, 3), clYellow) << "the mask colour lets the ground show";

    // A mask bitmap: white = transparent. Without a mask every pixel shows.
    auto img = Strip({clRed});
    TBitmap mask(4, 4);
    mask.Canvas()->Brush()->SetColor(clBlack);
    mask.Canvas()->FillRect(Rect(0, 0, 1, 4));
    EXPECT_EQ(list.Add(img.get(), &mask), 3);
    EXPECT_EQ(list.Add(img.get(), nullptr), 4);
    DrawingSurface t(10, 5);
    t.C()->Brush()->SetColor(clYellow);
    t.C()->FillRect(Rect(0, 0, 10, 5));
    list.Draw(t.C(), 0, 0, 3);
    list.Draw(t.C(), 5, 0, 4);
    EXPECT_EQ(t.At(0, 0), clRed);
    EXPECT_EQ(t.At(1, 0), clYellow) << "masked out";
    EXPECT_EQ(t.At(0, 3), clFuchsia) << "black mask pixel shows the image";
    EXPECT_EQ(t.At(8, 3), clFuchsia);

    // ILD_MASK: black where the image shows.
    DrawingSurface m(5, 5);
    ASSERT_TRUE(ImageList_Draw(list.Handle(), 0, m.DC(), 0, 0, ILD_MASK));
    EXPECT_EQ(m.At(0, 0), clBlack);
    EXPECT_EQ(m.At(3, 3), clWhite);
    int w = 0, h = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list.Handle(), &w, &h));
    EXPECT_EQ(w, 4);
    EXPECT_EQ(h, 4);

    // Unmasked lists draw whole rectangles.
    list.SetMasked(false);
    DrawingSurface u(5, 5);
    list.Draw(u.C(), 0, 0, 0);
    EXPECT_EQ(u.At(3, 3), clFuchsia);
}

TEST(ImageList, ReplaceDeleteClearAndBadIndexes) {
    TImageList list(4, 4);
    auto strip = Strip({clRed, clBlue, clLime});
    list.Add(strip.get(), nullptr);
    auto black = Strip({clBlack});
    list.Replace(1, black.get(), nullptr);
    TBitmap out;
    ASSERT_TRUE(list.GetBitmap(1, &out));
    EXPECT_EQ(out.Width(), 4);
    EXPECT_EQ(out.Height(), 4);
    EXPECT_EQ(out.Canvas()->Pixels(0, 0), clBlack);

    list.Delete(0);
    ASSERT_EQ(list.Count(), 2);
    ASSERT_TRUE(list.GetBitmap(1, &out));
    EXPECT_EQ(out.Canvas()->Pixels(0, 0), clLime) << "later images move up";
    EXPECT_FALSE(list.GetBitmap(2, &out));
    EXPECT_THROW(list.Delete(2), EInvalidOperation);
    EXPECT_THROW(list.Delete(-2), EInvalidOperation);
    EXPECT_THROW(list.Replace(5, black.get(), nullptr), EInvalidOperation);
    DrawingSurface s;
    list.Draw(s.C(), 0, 0, 7);
    EXPECT_EQ(s.InkCount(), 0) << "an index outside the list draws nothing";

    list.Delete(-1);
    EXPECT_EQ(list.Count(), 0);
    list.Add(strip.get(), nullptr);
    list.SetWidth(6);
    EXPECT_EQ(list.Count(), 0) << "resizing empties the list";
    // A bitmap narrower than one image still makes one image.
    EXPECT_EQ(list.Add(black.get(), nullptr), 0);
    EXPECT_EQ(list.Count(), 1);
}

TEST(ImageList, DisabledImagesAreEmbossed) {
    TImageList list(4, 4);
    auto img = Strip({clBlack});
    list.AddMasked(img.get(), clFuchsia);
    DrawingSurface s(8, 8);
    s.C()->Brush()->SetColor(clRed);
    s.C()->FillRect(Rect(0, 0, 8, 8));
    list.Draw(s.C(), 1, 1, 0, false);
    // The 2 x 2 square at 1,1: shadow in place, highlight one pixel down and right.
    EXPECT_EQ(s.At(1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(s.At(2, 2), ColorToRGB(clBtnShadow));
    EXPECT_EQ(s.At(3, 3), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(s.At(3, 2), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(s.At(4, 4), clRed) << "transparent pixels stay transparent";
}

TEST(ImageList, ChangesReachTheLinksUntilTheyGo) {
    TImageList list(4, 4);
    int listChanges = 0, linkChanges = 0;
    struct Counter : TObject {
        int* n;
        void Hit(TObject*) { ++*n; }
    } listCounter, linkCounter;
    listCounter.n = &listChanges;
    linkCounter.n = &linkChanges;
    list.OnChange = Method(static_cast<Counter*>(&listCounter), &Counter::Hit);
    auto link = std::make_unique<TChangeLink>();
    link->OnChange = Method(static_cast<Counter*>(&linkCounter), &Counter::Hit);
    list.RegisterChanges(link.get());
    EXPECT_EQ(link->Sender(), &list);

    auto img = Strip({clRed});
    list.Add(img.get(), nullptr);
    EXPECT_EQ(listChanges, 1);
    EXPECT_EQ(linkChanges, 1);

    list.BeginUpdate();
    list.Add(img.get(), nullptr);
    list.Delete(0);
    EXPECT_EQ(linkChanges, 1);
    list.EndUpdate();
    EXPECT_EQ(linkChanges, 2) << "one change after the update";

    link.reset(); // unregisters itself
    list.Clear();
    EXPECT_EQ(listChanges, 3);

    // A link that outlives its list is let go.
    auto orphan = std::make_unique<TChangeLink>();
    {
        TImageList gone(4, 4);
        gone.RegisterChanges(orphan.get());
    }
    EXPECT_EQ(orphan->Sender(), nullptr);
}

TEST(ImageList, ImagesFromEmbeddedBitmapsNamedInTheFormResource) {
    // resources/TestGlyph.bmp is 3 x 2: red, lime, blue over white, black, RGB(12, 34, 56).
    // The names come before the size in the text: the images load once the list is read.
    const QByteArray text = "object ImageList1: TImageList\n"
                            "  ResourceNames.Strings = (\n"
                            "    'TestGlyph'\n"
                            "    'TESTGLYPH')\n"
                            "  Height = 2\n"
                            "  Width = 3\n"
                            "  Masked = False\n"
                            "end\n";
    TMemoryStream in, bin;
    in.WriteBuffer(text.constData(), int(text.size()));
    in.SetPosition(0);
    ObjectTextToBinary(&in, &bin);
    bin.SetPosition(0);
    TImageList list(nullptr);
    {
        TReader reader(&bin);
        reader.ReadRootComponent(&list);
    }
    ASSERT_EQ(list.Count(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(QColor(list.Image(i).pixel(0, 0)), QColor(255, 0, 0)) << i;
        EXPECT_EQ(QColor(list.Image(i).pixel(2, 1)), QColor(0x12, 0x34, 0x56)) << i;
    }
    // Changing the names later reloads; a masked list leaves out the bottom-left colour.
    list.SetMasked(true);
    list.ResourceNames()->SetText(QStringLiteral("testglyph"));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(qAlpha(list.Image(0).pixel(0, 1)), 0) << "white, the bottom-left colour, is transparent";
    EXPECT_EQ(qAlpha(list.Image(0).pixel(1, 1)), 255);
    TImageList copy(nullptr);
    copy.Assign(&list);
    EXPECT_EQ(copy.ResourceNames()->Text(), list.ResourceNames()->Text());
    EXPECT_EQ(copy.Count(), 1);
    EXPECT_THROW(list.ResourceNames()->Add(QStringLiteral("NoSuchGlyph")), EResNotFound);
}
