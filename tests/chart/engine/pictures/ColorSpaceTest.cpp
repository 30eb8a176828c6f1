// RGB and hue-luminance-saturation on the 0..240 scale, both ways.
#include "chart/engine/pictures/BitmapFilters.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
TColor rgb(int r, int g, int b) {
    return TColor(r | (g << 8) | (b << 16));
}
} // namespace

TEST(ColorSpace, KnownColoursBothWays) {
    struct Case {
        TColor rgb;
        int h, l, s;
    };
    const Case cases[] = {
        {rgb(255, 0, 0), 0, 120, 240},    {rgb(0, 255, 0), 80, 120, 240},
        {rgb(0, 0, 255), 160, 120, 240},  {rgb(255, 255, 255), 160, 240, 0},
        {rgb(0, 0, 0), 160, 0, 0},        {rgb(128, 128, 128), 160, 121, 0},
        {rgb(255, 255, 0), 40, 120, 240}, {rgb(0, 255, 255), 120, 120, 240},
    };
    for (const Case& c : cases) {
        Word h, l, s;
        RGBToHLS(c.rgb, h, l, s);
        EXPECT_EQ(int(h), c.h) << std::hex << c.rgb;
        EXPECT_EQ(int(l), c.l) << std::hex << c.rgb;
        EXPECT_EQ(int(s), c.s) << std::hex << c.rgb;
    }
    EXPECT_EQ(HLSToRGB(0, 120, 240), rgb(255, 0, 0));
    EXPECT_EQ(HLSToRGB(80, 120, 240), rgb(0, 255, 0));
    EXPECT_EQ(HLSToRGB(160, 240, 0), rgb(255, 255, 255));
    EXPECT_EQ(HLSToColor(160, 0, 0), rgb(0, 0, 0));
    Word h, l, s;
    ColorToHLS(clRed, h, l, s);
    EXPECT_EQ(int(l), 120);
}

TEST(ColorSpace, EveryComponentOfTheScaleGivesChannelsInRange) {
    // Channels never wrap: a value below 0 would come back as a bright one.
    for (int H = 0; H <= 240; H += 8)
        for (int L = 0; L <= 240; L += 4)
            for (int S = 0; S <= 240; S += 4) {
                const TColor c = HLSToRGB(H, L, S);
                ASSERT_EQ(c & 0xFF000000u, 0u);
                for (int shift : {0, 8, 16}) {
                    const int ch = int((c >> shift) & 0xFF);
                    if (L <= 8) {
                        ASSERT_LE(ch, 32) << H << " " << L << " " << S;
                    }
                    if (L >= 232) {
                        ASSERT_GE(ch, 223) << H << " " << L << " " << S;
                    }
                }
            }
    // Components beyond the scale are held to it.
    EXPECT_EQ(HLSToRGB(0, 120, 300), HLSToRGB(0, 120, 240));
    EXPECT_EQ(HLSToRGB(-10, 300, 100), HLSToRGB(0, 240, 100));
}

TEST(ColorSpace, RoundTripStaysClose) {
    int worst = 0;
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 15) {
                Word h, l, s;
                RGBToHLS(rgb(r, g, b), h, l, s);
                ASSERT_LE(h, 240);
                ASSERT_LE(l, 240);
                ASSERT_LE(s, 240);
                const TColor back = HLSToRGB(h, l, s);
                const int d = std::max({std::abs(int(back & 0xFF) - r), std::abs(int((back >> 8) & 0xFF) - g),
                                        std::abs(int((back >> 16) & 0xFF) - b)});
                worst = std::max(worst, d);
            }
    // The 0..240 scale is coarser than 0..255, and hue is rounded to 1/40 of a sixth of
    // the circle: a few units of error, no more.
    EXPECT_LE(worst, 8);
}
