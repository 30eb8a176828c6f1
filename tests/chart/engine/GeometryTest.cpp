#include "chart/engine/canvas/CanvasGeometry.h"

#include <gtest/gtest.h>

TEST(CanvasGeometry, RectanglesCountEdgesAsInside) {
    const TRect r{0, 0, 10, 10};
    EXPECT_TRUE(PointInRect(r, 10, 10));
    EXPECT_TRUE(PointInRect(r, 0, 0));
    EXPECT_FALSE(PointInRect(r, 11, 5));
    EXPECT_TRUE(RectangleInRectangle(TRect{2, 2, 10, 10}, r));
    EXPECT_FALSE(RectangleInRectangle(TRect{2, 2, 11, 10}, r));
    EXPECT_EQ(OrientRectangle(TRect{10, 8, 2, 1}), (TRect{2, 1, 10, 8}));
    int x, y;
    RectCenter(TRect{-3, -3, 0, 0}, x, y);
    EXPECT_EQ((TPoint{x, y}), (TPoint{-1, -1}));
}

TEST(CanvasGeometry, PolygonBounds) {
    EXPECT_EQ(PolygonBounds({}), TeeZeroRect);
    const TPoint one[] = {{4, 7}};
    EXPECT_EQ(PolygonBounds(one), (TRect{4, 7, 4, 7}));
    EXPECT_EQ(RectFromPolygon(one, 1), (TRect{4, 7, 5, 8}));
    const TPoint tri[] = {{4, 7}, {-2, 9}, {3, 1}};
    EXPECT_EQ(PolygonBounds(tri), (TRect{-2, 1, 4, 9}));
    EXPECT_EQ(RectFromTriangle(tri), (TRect{-2, 1, 5, 10}));
}

TEST(CanvasGeometry, CullingAndContainment) {
    EXPECT_FALSE(TeeCull({0, 0}, {5, 5}, {10, 10}));
    EXPECT_NE(TeeCull({0, 0}, {10, 0}, {10, 10}), TeeCull({10, 10}, {10, 0}, {0, 0}));
    const TPoint square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const TPoint inner[] = {{2, 2}, {5, 8}};
    const TPoint outer[] = {{2, 2}, {15, 8}};
    EXPECT_TRUE(PolygonInPolygon(inner, square));
    EXPECT_FALSE(PolygonInPolygon(outer, square));
}

TEST(CanvasGeometry, PointAtDistance) {
    struct Case {
        TPoint from, to;
        int d;
        TPoint want;
    } cases[] = {
        {{0, 0}, {0, 10}, 3, {0, 7}},  // straight up toward From
        {{0, 10}, {0, 0}, 3, {0, 3}},  // straight down toward From
        {{5, 5}, {5, 5}, 4, {5, 1}},   // coincident points move up
        {{0, 0}, {10, 0}, 4, {6, 0}},  // horizontal
        {{0, 0}, {10, 10}, 5, {6, 6}}, // 5 * cos 45 = 3.54 -> 4
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointAtDistance(c.from, c.to, c.d), c.want) << c.to.X << "," << c.to.Y;
}

TEST(CanvasGeometry, DarkAndBright) {
    struct Case {
        TColor in;
        int amount;
        bool dark;
        TColor want;
    } cases[] = {
        {clWhite, 128, true, 0x7F7F7F},    {0x404040, 0x40, true, 0},
        {0x102030, 0x20, true, 0x000010},  {0x808080, 128, false, 0xFFFFFF},
        {0x10F020, 0x20, false, 0x30FF40}, {clBtnFace, 0, true, ColorToRGB(clBtnFace)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.dark ? ApplyDark(c.in, Byte(c.amount)) : ApplyBright(c.in, Byte(c.amount)), c.want)
            << std::hex << c.in;
    const TRGB rgb = RGBValue(0x112233);
    EXPECT_EQ(rgb.Red, 0x33);
    EXPECT_EQ(rgb.Blue, 0x11);
}

TEST(CanvasGeometry, ConvexHull) {
    TPointArray few = {{0, 0}, {1, 1}};
    EXPECT_FALSE(ConvexHull(few));
    TPointArray three = {{0, 0}, {5, 9}, {1, 1}};
    EXPECT_TRUE(ConvexHull(three));
    EXPECT_EQ(three, (TPointArray{{0, 0}, {5, 9}, {1, 1}}));

    TPointArray square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}};
    ASSERT_TRUE(ConvexHull(square));
    EXPECT_EQ(square, (TPointArray{{10, 10}, {0, 10}, {0, 0}, {10, 0}}));

    TPointArray inside = {{0, 10}, {10, 10}, {5, 0}, {5, 6}};
    ASSERT_TRUE(ConvexHull(inside));
    EXPECT_EQ(inside, (TPointArray{{10, 10}, {0, 10}, {5, 0}}));

    // Points far beyond ten million still find their pivot.
    TPointArray far = {{20000000, 20000010}, {20000010, 20000010}, {20000005, 20000000}};
    far.push_back({20000005, 20000006});
    ASSERT_TRUE(ConvexHull(far));
    EXPECT_EQ(far.back(), (TPoint{20000005, 20000000}));
    EXPECT_EQ(far.size(), 3u);
}

TEST(CanvasGeometry, SettingsAndRounding) {
    EXPECT_EQ(RoundPx(2.5), 2);
    EXPECT_EQ(RoundPx(3.5), 4);
    EXPECT_EQ(RoundPx(1.0 / 0.0), INT_MAX);
    const int saved = TeeNumCylinderSides;
    TeeNumCylinderSides = 0;
    EXPECT_EQ(TeeCylinderSides(), 3);
    TeeNumCylinderSides = saved;
    EXPECT_EQ(TeeCylinderSides(), 16);
}
