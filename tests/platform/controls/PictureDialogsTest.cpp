#include "platform/controls/PictureDialogs.h"

#include "platform/graphics/Graphic.h"

#include <gtest/gtest.h>

namespace {

TEST(OpenPictureDialog, OffersEveryRegisteredPictureFormatAndAnswersThroughTheHook) {
    TOpenPictureDialog dlg(nullptr);
    EXPECT_EQ(dlg.Filter(), GraphicFilter(nullptr));
    std::vector<String> masks;
    for (const auto& item : dlg.FilterItems())
        masks.push_back(item.Masks);
    ASSERT_GE(masks.size(), 2u);
    // The first line takes every format at once; each format also has a line of its own.
    for (const char* ext : {"*.bmp", "*.png", "*.jpg"}) {
        EXPECT_TRUE(masks.front().contains(QLatin1String(ext))) << ext;
        EXPECT_NE(std::find(masks.begin() + 1, masks.end(), QLatin1String(ext)), masks.end()) << ext;
    }
    TCommonDialog* asked = nullptr;
    TCommonDialogHook previous = SetCommonDialogHook([&](TCommonDialog* d) {
        asked = d;
        static_cast<TOpenDialog*>(d)->SetFileName(QStringLiteral("/tmp/back.png"));
        return true;
    });
    const bool chosen = dlg.Execute();
    SetCommonDialogHook(previous);
    EXPECT_TRUE(chosen);
    EXPECT_EQ(asked, &dlg);
    EXPECT_FALSE(dlg.IsSaveDialog());
    EXPECT_EQ(dlg.FileName(), QStringLiteral("/tmp/back.png"));
}

} // namespace
