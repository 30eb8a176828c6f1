#include "chart/editor/BrushDialog.h"

#include "PropertyDialogsFixture.h"

#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Image.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PictureDialogs.h"
#include "platform/graphics/Bitmap.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dialogs_test;

namespace {

// Rows 1 to 4 of each pattern; rows 5 to 16 repeat them. A 0 bit is black.
const std::array<std::array<uint16_t, 4>, 12> PatternRows = {{
    {0xAAAA, 0x0000, 0xAAAA, 0x0000},
    {0x5555, 0xAAAA, 0x5555, 0xAAAA},
    {0xFFFF, 0xAAAA, 0xFFFF, 0xAAAA},
    {0xFFFF, 0xBBBB, 0xFFFF, 0xEEEE},
    {0x7777, 0xFFFF, 0xFFFF, 0xFFFF},
    {0xEFBE, 0xD75D, 0xBAEB, 0x7DF7},
    {0xBBBB, 0xBBBB, 0xBBBB, 0xBBBB},
    {0xFFFF, 0x0000, 0xFFFF, 0xFFFF},
    {0xDDDD, 0xEEEE, 0x7777, 0xBBBB},
    {0xBBBB, 0x7777, 0xEEEE, 0xDDDD},
    {0xBBBB, 0x0000, 0xBBBB, 0xBBBB},
    {0xBBBB, 0x5555, 0xEEEE, 0x5555},
}};

TEST(BrushPatterns, TheTwelvePatternBitmapsHoldExactlyTheirBits) {
    for (int n = 0; n < 12; ++n) {
        TBitmap b;
        GetTeeBrush(n, &b);
        ASSERT_EQ(b.Width(), 16) << n;
        ASSERT_EQ(b.Height(), 16) << n;
        EXPECT_EQ(b.PixelFormat(), pf1bit) << n;
        EXPECT_EQ(b.TransparentMode(), tmFixed);
        EXPECT_EQ(b.TransparentColor(), TColor(0xFFFFFF));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const bool white = (PatternRows[n][y % 4] >> (15 - x)) & 1;
                ASSERT_EQ(ColorToRGB(b.Canvas()->Pixels(x, y)), white ? TColor(0xFFFFFF) : TColor(0))
                    << "TeeBrush" << n + 1 << " at " << x << "," << y;
            }
    }
}

struct BrushFixture : ::testing::Test {
    TChartBrush brush;
    // Opens the dialog on the brush, drives it, answers as the test's buttons leave it.
    bool Edit(const std::function<void(TBrushDialog*)>& Drive) {
        ModalDriver driver([&](TCustomForm* f) { Drive(static_cast<TBrushDialog*>(f)); });
        return EditChartBrush(nullptr, &brush);
    }
};

TEST_F(BrushFixture, ListsTwentySevenLinesAndAHatchLineSetsTheStyleWithoutPicture) {
    brush.SetStyle(bsCross);
    Edit([](TBrushDialog* d) {
        EXPECT_EQ(d->Caption(), QStringLiteral("Pattern Color Editor"));
        ASSERT_EQ(d->LStyle->Items()->Count(), 27);
        EXPECT_EQ(d->LStyle->Items()->Strings(10), QStringLiteral("Fill 40%"));
        EXPECT_EQ(d->LStyle->Items()->Strings(26), QStringLiteral("Snow"));
        EXPECT_EQ(d->LStyle->ItemIndex(), int(bsCross));
        EXPECT_EQ(d->Button1->Caption(), TeeMsg_BrowseImage);
        Screenshot(d, "brush-dialog");
        for (int line = 0; line < 27; ++line) {
            d->LStyle->SetItemIndex(line);
            d->LStyleClick(d->LStyle);
            const bool picture = d->TheBrush->HasImage() && d->TheBrush->Image()->Graphic();
            EXPECT_EQ(picture, line >= 8) << line;
            if (line < 8) {
                EXPECT_EQ(d->TheBrush->Style(), TBrushStyle(line));
            }
            EXPECT_EQ(d->Button1->Caption(), line >= 8 ? TeeMsg_ClearImage : TeeMsg_BrowseImage) << line;
            // The colour buttons go with every style but "None".
            EXPECT_EQ(d->BColor->Enabled(), d->TheBrush->Style() != bsClear) << line;
        }
        d->BOK->Click();
    });
}

TEST_F(BrushFixture, Fill40GivesThePictureOfTheThirdPattern) {
    Edit([](TBrushDialog* d) {
        d->LStyle->SetItemIndex(10);
        d->LStyleClick(d->LStyle);
        d->BOK->Click();
    });
    ASSERT_TRUE(brush.HasImage());
    auto* got = dynamic_cast<TBitmap*>(brush.Image()->Graphic());
    ASSERT_TRUE(got);
    TBitmap third;
    GetTeeBrush(2, &third);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(ColorToRGB(got->Canvas()->Pixels(x, y)), ColorToRGB(third.Canvas()->Pixels(x, y)));
}

TEST_F(BrushFixture, CancelGivesBackTheBrushAsOpened) {
    brush.SetStyle(bsVertical);
    brush.SetColor(clRed);
    EXPECT_FALSE(Edit([](TBrushDialog* d) {
        d->LStyle->SetItemIndex(4);
        d->LStyleClick(d->LStyle);
        d->TheBrush->SetColor(clBlue);
        d->LStyle->SetItemIndex(22);
        d->LStyleClick(d->LStyle);
        d->BCancel->Click();
    }));
    EXPECT_EQ(brush.Style(), bsVertical);
    EXPECT_EQ(brush.Color(), clRed);
    EXPECT_FALSE(brush.HasImage() && brush.Image()->Graphic());
}

TEST_F(BrushFixture, TransparentFollowsTheBackColour) {
    brush.SetBackColor(clNone);
    Edit([](TBrushDialog* d) {
        EXPECT_TRUE(d->CBTransp->Checked());
        EXPECT_FALSE(d->CBTransp->Enabled());
        d->TheBrush->SetBackColor(clYellow);
        d->BBackColorClick(d->BBackColor);
        EXPECT_FALSE(d->CBTransp->Checked());
        EXPECT_TRUE(d->CBTransp->Enabled());
        d->CBTransp->SetChecked(true);
        EXPECT_EQ(d->TheBrush->BackColor(), clNone);
        EXPECT_FALSE(d->CBTransp->Enabled());
        d->BOK->Click();
    });
}

TEST_F(BrushFixture, ABrushWithAPictureOpensWithoutLineAndClearRemovesIt) {
    brush.SetStyle(bsDiagCross);
    TBitmap b;
    GetTeeBrush(0, &b);
    brush.Image()->SetGraphic(&b);
    Edit([](TBrushDialog* d) {
        EXPECT_EQ(d->LStyle->ItemIndex(), -1);
        EXPECT_EQ(d->Button1->Caption(), TeeMsg_ClearImage);
        EXPECT_TRUE(d->Image1->Picture()->Graphic());
        d->Button1->Click();
        EXPECT_EQ(d->LStyle->ItemIndex(), int(bsDiagCross));
        EXPECT_EQ(d->Button1->Caption(), TeeMsg_BrowseImage);
        EXPECT_FALSE(d->Image1->Picture()->Graphic());
        d->BOK->Click();
    });
    EXPECT_FALSE(brush.HasImage() && brush.Image()->Graphic());
}

TEST_F(BrushFixture, BrowseLoadsThePictureChosenInThePictureDialogAsABitmap) {
    QTemporaryDir dir;
    const String file = dir.filePath(QStringLiteral("fill.png"));
    {
        QImage png(5, 3, QImage::Format_RGB32);
        png.fill(Qt::green);
        ASSERT_TRUE(png.save(file, "PNG"));
    }
    bool askedForPicture = false;
    TCommonDialogHook previous = SetCommonDialogHook([&](TCommonDialog* d) {
        askedForPicture = dynamic_cast<TOpenPictureDialog*>(d) != nullptr;
        static_cast<TOpenDialog*>(d)->SetFileName(file);
        return true;
    });
    Edit([](TBrushDialog* d) {
        d->Button1->Click();
        EXPECT_EQ(d->Button1->Caption(), TeeMsg_ClearImage);
        d->BOK->Click();
    });
    SetCommonDialogHook(previous);
    EXPECT_TRUE(askedForPicture);
    ASSERT_TRUE(brush.HasImage());
    auto* got = dynamic_cast<TBitmap*>(brush.Image()->Graphic());
    ASSERT_TRUE(got);
    EXPECT_EQ(got->Width(), 5);
    EXPECT_EQ(got->Height(), 3);
}

} // namespace
