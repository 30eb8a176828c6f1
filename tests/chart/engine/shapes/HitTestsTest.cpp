// The hit tests against lines, polygons, triangles and ellipses, at their edges and for
// degenerate shapes, and the crossing of two segments.
#include "chart/engine/panel/HitTests.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

struct LineCase {
    TPoint p;
    int x0, y0, x1, y1, tolerance;
    bool expected;
};

TEST(HitTests, PointInLine) {
    const LineCase cases[] = {
        {{5, 5}, 0, 0, 10, 10, 0, true},    // on the diagonal
        {{5, 7}, 0, 0, 10, 10, 0, false},   // 1.41 away
        {{5, 6}, 0, 0, 10, 10, 0, true},    // 0.71 away
        {{5, 7}, 0, 0, 10, 10, 1, true},    // within the tolerance + 1
        {{0, 0}, 0, 0, 10, 10, -5, true},   // an end point, whatever the tolerance
        {{10, 10}, 0, 0, 10, 10, -5, true}, // the other end point
        {{12, 10}, 0, 0, 10, 10, 0, false}, // beyond the end: 2 from it
        {{11, 10}, 0, 0, 10, 10, 0, true},  // beyond the end: 1 from it
        {{-1, 0}, 0, 0, 10, 10, 0, true},   // before the start: 1 from it
        {{3, 4}, 0, 0, 0, 0, 4, true},      // a one-point segment: 5 from it
        {{3, 4}, 0, 0, 0, 0, 3, false},
        {{50, 1}, 0, 0, 100, 0, 0, true}, // horizontal
        {{50, 2}, 0, 0, 100, 0, 0, false},
        {{0, INT_MAX}, 0, INT_MIN, 0, INT_MAX, 0, true}, // no overflow at the int limits
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(PointInLine(c.p, c.x0, c.y0, c.x1, c.y1, c.tolerance), c.expected)
            << c.p.X << "," << c.p.Y << " on " << c.x0 << "," << c.y0 << "-" << c.x1 << "," << c.y1;
    EXPECT_TRUE(PointInLine(TPoint{5, 6}, TPoint{0, 0}, TPoint{10, 10}));
    EXPECT_TRUE(PointInLine(TPoint{5, 7}, TPoint{0, 0}, TPoint{10, 10}, 1));
}

TEST(HitTests, PointInPolygon) {
    const std::vector<TPoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    struct {
        TPoint p;
        bool expected;
    } const cases[] = {
        {{5, 5}, true},   {{0, 0}, true},   // the top-left corner counts (half-open spans)
        {{0, 5}, true},   {{10, 5}, false}, // the left edge is in, the right edge out
        {{5, 0}, true},   {{5, 10}, false}, // the top edge is in, the bottom edge out
        {{-1, 5}, false}, {{5, 11}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PointInPolygon(c.p, square), c.expected) << c.p.X << "," << c.p.Y;

    EXPECT_FALSE(PointInPolygon({0, 0}, square, -1));
    EXPECT_FALSE(PointInPolygon({0, 0}, std::span<const TPoint>{}, 3)); // High past the points
    // A single point and a flat polygon hold nothing.
    EXPECT_FALSE(PointInPolygon({0, 0}, square, 0));
    const std::vector<TPoint> flat{{0, 0}, {10, 0}, {20, 0}};
    EXPECT_FALSE(PointInPolygon({5, 0}, flat));
    // Even-odd: the centre of a five-pointed star is outside.
    const std::vector<TPoint> star{{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    EXPECT_FALSE(PointInPolygon({50, 45}, star));
    EXPECT_TRUE(PointInPolygon({50, 10}, star));
}

TEST(HitTests, Triangles) {
    // Upright: base (0, 10)-(10, 10), apex (5, 0).
    EXPECT_TRUE(PointInTriangle({5, 5}, 0, 10, 0, 10));
    EXPECT_FALSE(PointInTriangle({1, 2}, 0, 10, 0, 10));
    EXPECT_FALSE(PointInTriangle({5, 10}, 0, 10, 0, 10)); // the base edge is out
    // The apex halves truncate toward zero: (-3 + 0) / 2 is -1.
    EXPECT_TRUE(PointInTriangle({-1, 1}, -3, 0, 0, 10));
    // Sideways: (10, 0), (0, 5), (10, 10).
    EXPECT_TRUE(PointInHorizTriangle({7, 5}, 0, 10, 0, 10));
    EXPECT_FALSE(PointInHorizTriangle({2, 1}, 0, 10, 0, 10));
    EXPECT_TRUE(PointInTriangle({2, 2}, TPoint{0, 0}, TPoint{10, 0}, TPoint{0, 10}));
    EXPECT_FALSE(PointInTriangle({8, 8}, TPoint{0, 0}, TPoint{10, 0}, TPoint{0, 10}));
    // Degenerate: all three corners on one line.
    EXPECT_FALSE(PointInTriangle({5, 5}, 5, 5, 0, 10));
}

TEST(HitTests, PointInEllipse) {
    const TRect r{0, 0, 20, 10}; // centre (10, 5), radii 10 and 5
    struct {
        TPoint p;
        bool expected;
    } const cases[] = {
        {{10, 5}, true},  {{0, 5}, true},  {{20, 5}, true},  {{10, 0}, true},
        {{10, 10}, true}, {{1, 1}, false}, {{21, 5}, false}, {{10, 11}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PointInEllipse(c.p, r), c.expected) << c.p.X << "," << c.p.Y;
    EXPECT_FALSE(PointInEllipse({5, 5}, TRect{5, 0, 5, 10})); // zero width
    EXPECT_FALSE(PointInEllipse({5, 5}, TRect{0, 5, 10, 5})); // zero height
    EXPECT_FALSE(PointInEllipse({0, 0}, TRect{0, 0, 1, 1}));  // radii halve to 0
    EXPECT_TRUE(PointInEllipse({0, 0}, TRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}));
}

TEST(HitTests, CrossingLines) {
    double x = 0, y = 0;
    EXPECT_TRUE(CrossingLines(0, 0, 10, 10, 0, 10, 10, 0, x, y));
    EXPECT_DOUBLE_EQ(x, 5);
    EXPECT_DOUBLE_EQ(y, 5);
    // The lines cross at (15, 15), beyond both segments.
    EXPECT_FALSE(CrossingLines(0, 0, 10, 10, 0, 30, 10, 20, x, y));
    EXPECT_DOUBLE_EQ(x, 15);
    EXPECT_DOUBLE_EQ(y, 15);
    // Parallel: no crossing; X is the first segment's end.
    EXPECT_FALSE(CrossingLines(0, 0, 10, 0, 0, 5, 10, 5, x, y));
    EXPECT_DOUBLE_EQ(x, 10);
    // Segments that share an end point cross.
    EXPECT_TRUE(CrossingLines(0, 0, 10, 0, 10, 0, 10, 10, x, y));
    // A vertical segment still answers whether they cross.
    EXPECT_TRUE(CrossingLines(5, -5, 5, 5, 0, 0, 10, 0, x, y));
}

} // namespace
