// The resampler at every size that matters: same size, 1 and 2 pixels, strong
// reductions that reach beyond the source, and enlargements.
#include "chart/engine/pictures/SmoothStretch.h"
#include "tests/chart/engine/pictures/PixelSupport.h"

#include <gtest/gtest.h>

TEST(SmoothStretch, SameSizeWithTheTriangleFilterCopies) {
    auto src = MakeBitmap(7, 5, Coord);
    TBitmap dst;
    dst.SetSize(7, 5);
    SmoothStretch(src.get(), &dst, ssBestPerformance);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(Px(&dst, x, y), Coord(x, y));
}

TEST(SmoothStretch, SizesOfOnePixelDoNothing) {
    for (auto [sw, sh, dw, dh] :
         {std::array{1, 5, 5, 5}, {5, 1, 5, 5}, {5, 5, 1, 5}, {5, 5, 5, 1}, {0, 0, 5, 5}}) {
        auto src = SolidBitmap(sw, sh, Gray(0));
        auto dst = SolidBitmap(dw, dh, Gray(200));
        SmoothStretch(src.get(), dst.get());
        EXPECT_EQ(Px(dst.get(), 0, 0), Gray(200)) << sw << sh << dw << dh;
    }
    SmoothStretch(nullptr, nullptr);
}

TEST(SmoothStretch, StrongReductionsStayInsideTheSource) {
    // 100 to 2 pixels: the filter reaches hundreds of pixels beyond either end.
    for (auto option : {ssBestQuality, ssBestPerformance})
        for (auto [sw, sh, dw, dh] : {std::array{100, 100, 2, 2}, {100, 3, 2, 2}, {257, 2, 3, 2}}) {
            auto src = SolidBitmap(sw, sh, Gray(90));
            TBitmap dst;
            dst.SetSize(dw, dh);
            SmoothStretch(src.get(), &dst, option);
            EXPECT_EQ(dst.Width(), dw);
            const TRGB p = Px(&dst, dw - 1, dh - 1);
            EXPECT_NEAR(p.Red, 90, 6) << sw << "->" << dw;
        }
}

TEST(SmoothStretch, EnlargingKeepsTheEndsAndBlendsBetween) {
    auto src = MakeBitmap(2, 2, [](int x, int) { return Gray(x ? 200 : 0); });
    TBitmap dst;
    dst.SetSize(3, 2);
    SmoothStretch(src.get(), &dst, ssBestPerformance);
    EXPECT_EQ(Px(&dst, 0, 0), Gray(0));
    EXPECT_EQ(Px(&dst, 1, 0), Gray(100));
    EXPECT_EQ(Px(&dst, 2, 1), Gray(200));
    // The default option is the Lanczos filter; both ends stay where they were.
    TBitmap big;
    big.SetSize(9, 9);
    SmoothStretch(src.get(), &big);
    EXPECT_EQ(Px(&big, 0, 0), Gray(0));
    EXPECT_EQ(Px(&big, 8, 8), Gray(200));
    // Between two rows of the same value the weights add up to about one.
    EXPECT_NEAR(Px(&big, 8, 4).Red, 200, 3);
}

TEST(SmoothStretch, RowTableCoversEveryRow) {
    TRGBArray lines;
    auto one = MakeBitmap(4, 1, Coord);
    TeeCalcLines(lines, one.get());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0][3], Coord(3, 0));
    TBitmap empty;
    TeeCalcLines(lines, &empty);
    EXPECT_TRUE(lines.empty());
    TBitmap device;
    device.SetSize(3, 3);
    TeeCalcLines(lines, &device);
    EXPECT_EQ(device.PixelFormat(), pf24bit);
    EXPECT_EQ(lines.size(), 3u);
}
