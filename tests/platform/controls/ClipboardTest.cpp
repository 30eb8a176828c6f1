#include "platform/controls/Clipboard.h"

#include "platform/graphics/Bitmap.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TBitmap* RedCross(int w, int h) {
    auto* b = new TBitmap(w, h);
    b->Canvas()->Pen()->SetColor(clRed);
    b->Canvas()->MoveTo(0, 0);
    b->Canvas()->LineTo(w, h);
    return b;
}

TEST(Clipboard, TextRoundTripsAndReplacesAPicture) {
    std::unique_ptr<TBitmap> bmp(RedCross(8, 6));
    Clipboard()->Assign(bmp.get());
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
    Clipboard()->SetAsText(QStringLiteral("0.50\t1.25\r\n"));
    EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("0.50\t1.25\r\n"));
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_FALSE(Clipboard()->HasFormat(CF_BITMAP));
}

TEST(Clipboard, BitmapGoesOnTheClipboardAndComesBackPixelForPixel) {
    std::unique_ptr<TBitmap> src(RedCross(6, 6));
    Clipboard()->Assign(src.get());
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
    TBitmap dst;
    dst.Assign(Clipboard());
    ASSERT_EQ(dst.Width(), 6);
    ASSERT_EQ(dst.Height(), 6);
    EXPECT_EQ(dst.Canvas()->Pixels(2, 2), clRed);
    EXPECT_EQ(dst.Canvas()->Pixels(5, 1), clWhite);
}

TEST(Clipboard, OpenAndCloseMakeOneContentOfTextAndPicture) {
    std::unique_ptr<TBitmap> bmp(RedCross(4, 4));
    Clipboard()->Open();
    Clipboard()->SetAsText(QStringLiteral("both"));
    Clipboard()->Assign(bmp.get());
    Clipboard()->Close();
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
    EXPECT_EQ(Clipboard()->FormatCount(), 2);
}

TEST(Clipboard, WhatCannotBeConvertedRaisesEConvertError) {
    Clipboard()->SetAsText(QStringLiteral("no picture"));
    TBitmap dst;
    EXPECT_THROW(dst.Assign(Clipboard()), EConvertError);
    TClipboard other;
    EXPECT_THROW(Clipboard()->Assign(&other), EConvertError);
}

} // namespace
