#include "platform/rtl/SysMath.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <limits>
#include <set>

namespace {

using namespace Qt::Literals::StringLiterals;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr Int64 kMax = std::numeric_limits<Int64>::max();
constexpr Int64 kMin = std::numeric_limits<Int64>::min();

TEST(SysMathRound, TiesToEvenAndSaturation) {
    struct Case {
        double x;
        Int64 round, trunc;
    } cases[] = {
        {2.5, 2, 2},
        {3.5, 4, 3},
        {-2.5, -2, -2},
        {-3.5, -4, -3},
        {0.5, 0, 0},
        {1.5, 2, 1},
        {150.4, 150, 150},
        {-0.4, 0, 0},
        {2.5000000000000004, 3, 2},
        {4503599627370497.0, 4503599627370497, 4503599627370497}, // 2**52 + 1: already integral
        {kNan, 0, 0},
        {kInf, kMax, kMax},
        {-kInf, kMin, kMin},
        {1e19, kMax, kMax},
        {-1e19, kMin, kMin},
        {9223372036854775808.0, kMax, kMax}, // 2**63
        {-9223372036854775808.0, kMin, kMin},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Round(c.x), c.round) << c.x;
        EXPECT_EQ(Trunc(c.x), c.trunc) << c.x;
        EXPECT_EQ(Round(Extended(c.x)), c.round) << c.x;
        EXPECT_EQ(Trunc(Extended(c.x)), c.trunc) << c.x;
    }
    // Float arguments round as doubles, not through an integer overload.
    EXPECT_EQ(Round(2.5f), 2);
}

TEST(SysMathRound, CeilFloorIntFracAndCheckedInt) {
    EXPECT_EQ(Ceil(1.2), 2);
    EXPECT_EQ(Ceil(-1.2), -1);
    EXPECT_EQ(Floor(-1.2), -2);
    EXPECT_EQ(Floor(kNan), 0);
    EXPECT_EQ(Ceil(kInf), kMax);
    EXPECT_EQ(Int(-2.5), -2.0);
    EXPECT_EQ(Frac(-2.5), -0.5);
    EXPECT_EQ(Frac(3.0), 0.0);

    struct Case {
        double x;
        int expected;
    } cases[] = {{1.9, 1},         {-1.9, -1},     {kNan, 0},      {kInf, INT_MAX},
                 {-kInf, INT_MIN}, {3e9, INT_MAX}, {-3e9, INT_MIN}};
    for (const Case& c : cases)
        EXPECT_EQ(CheckedInt(c.x), c.expected) << c.x;
    EXPECT_EQ(CheckedInt(Int64(1) << 40), INT_MAX);
    EXPECT_EQ(CheckedInt(-(Int64(1) << 40)), INT_MIN);
    EXPECT_EQ(CheckedInt(Round(kInf)), INT_MAX);
}

TEST(SysMathRoutines, PowersLogsAndMinMax) {
    EXPECT_EQ(IntPower(2.0L, 10), 1024.0L);
    EXPECT_EQ(IntPower(2.0L, -2), 0.25L);
    EXPECT_EQ(IntPower(0.0L, 0), 1.0L);
    EXPECT_EQ(IntPower(-3.0L, 3), -27.0L);
    EXPECT_EQ(IntPower(2.0L, INT_MIN), 0.0L);
    EXPECT_EQ(Power(0.0, 0.0), 1.0);
    EXPECT_TRUE(IsNan(Power(-8.0, 1.0 / 3.0)));
    EXPECT_NEAR(double(LogN(10.0L, 1000.0L)), 3.0, 1e-15);
    EXPECT_NEAR(double(LogN(2.0L, 8.0L)), 3.0, 1e-15);
    EXPECT_FALSE(IsInfinite(1e4000L)); // finite in Extended, infinite as a double
    EXPECT_FALSE(IsInfinite(std::numeric_limits<double>::max()));
    EXPECT_EQ(Sqr(-3), 9);
    EXPECT_EQ(Sqr(1.5), 2.25);
    double s = 0, c = 0;
    SinCos(double(Pi()) / 2, s, c);
    EXPECT_DOUBLE_EQ(s, 1.0);
    EXPECT_NEAR(c, 0.0, 1e-16);
    EXPECT_DOUBLE_EQ(ArcTan2(1.0, -1.0), 3 * double(Pi()) / 4);
    EXPECT_EQ(Min(3, 2.5), 2.5);
    EXPECT_EQ(Max(-1, -2), -1);
    EXPECT_EQ(Max(Int64(1) << 40, 7), Int64(1) << 40);
}

TEST(SysMathMulDiv, RoundsHalfAwayFromZeroAndRejectsZeroDivisor) {
    struct Case {
        int a, b, c, expected;
    } cases[] = {
        {10, 1, 4, 3},                        // 2.5 -> 3
        {-10, 1, 4, -3},                      // -2.5 -> -3
        {10, -1, 4, -3},                      //
        {10, 1, -4, -3},                      //
        {-10, 1, -4, 3},                      //
        {9, 1, 4, 2},                         // 2.25 -> 2
        {11, 1, 4, 3},                        // 2.75 -> 3
        {7, 1, 2, 4},                         // 3.5 -> 4, not to even
        {0, 5, 3, 0},                         //
        {5, 3, 0, -1},                        // zero divisor
        {0, 0, 0, -1},                        //
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, // the product needs 64 bits
        {INT_MAX, 2, 1, -1},                  // result beyond int
        {INT_MIN, 1, -1, -1},                 //
        {INT_MIN, 1, 1, INT_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << "*" << c.b << "/" << c.c;
}

class SysMathRandom : public ::testing::Test {
protected:
    void TearDown() override { SetRandomSource({}); }
};

TEST_F(SysMathRandom, SeedRepeatsTheSequenceAndRangesHold) {
    SetRandSeed(1234);
    EXPECT_EQ(GetRandSeed(), 1234u);
    std::vector<int> first;
    for (int i = 0; i < 50; ++i)
        first.push_back(Random(100));
    SetRandSeed(1234);
    std::set<int> seen;
    for (int i = 0; i < 50; ++i) {
        const int v = Random(100);
        EXPECT_EQ(v, first[std::size_t(i)]);
        seen.insert(v);
        EXPECT_GE(v, 0);
        EXPECT_LT(v, 100);
    }
    EXPECT_GT(seen.size(), 10u);
    for (int i = 0; i < 1000; ++i) {
        const double d = Random();
        EXPECT_GE(d, 0.0);
        EXPECT_LT(d, 1.0);
    }
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
}

TEST_F(SysMathRandom, ReplacedSourceDrivesBothForms) {
    DWORD next = 0xFFFFFFFFu;
    SetRandomSource([&next] { return next; });
    EXPECT_EQ(Random(100), 99);
    EXPECT_LT(Random(), 1.0);
    next = 0;
    EXPECT_EQ(Random(100), 0);
    EXPECT_EQ(Random(), 0.0);
    next = 0x80000000u;
    EXPECT_EQ(Random(100), 50);
    SetRandomSource({});
    SetRandSeed(7);
    const int a = Random(1000000);
    SetRandSeed(7);
    EXPECT_EQ(Random(1000000), a);
}

TEST(SysMathExtended, RawBytesAndHexRoundTrip) {
    // 1.0: mantissa 0x8000000000000000, exponent 0x3FFF, lowest-addressed byte first.
    EXPECT_EQ(ExtendedToHex(1.0L), u"0000000000000080FF3F"_s);
    EXPECT_EQ(ExtendedToHex(-2.0L), u"000000000000008000C0"_s);

    const TExtendedBytes nanPayload{0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0xFF, 0x7F};
    const TExtendedBytes denormal{0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const TExtendedBytes negativeZero{0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80};
    for (const TExtendedBytes& bytes : {nanPayload, denormal, negativeZero}) {
        EXPECT_EQ(ExtendedToBytes(BytesToExtended(bytes)), bytes);
        Extended back = 0;
        ASSERT_TRUE(HexToExtended(ExtendedToHex(BytesToExtended(bytes)), back));
        EXPECT_EQ(ExtendedToBytes(back), bytes);
    }
    for (Extended v : {0.2L, -1.0L / 3.0L, 1e4000L, std::numeric_limits<Extended>::min()}) {
        Extended back = 0;
        ASSERT_TRUE(HexToExtended(ExtendedToHex(v), back));
        EXPECT_EQ(std::memcmp(&back, &v, 10), 0);
    }
    Extended v = 5.0L;
    EXPECT_TRUE(HexToExtended(u"0000000000000080ff3f"_s, v));
    EXPECT_EQ(v, 1.0L);
    for (const char16_t* bad :
         {u"", u"0000000000000080FF3", u"0000000000000080FF3F00", u"0000000000000080FG3F"}) {
        v = 5.0L;
        EXPECT_FALSE(HexToExtended(QString::fromUtf16(bad), v)) << qPrintable(QString::fromUtf16(bad));
        EXPECT_EQ(v, 5.0L);
    }
}

} // namespace
