#include "platform/rtl/IntText.h"

#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>

static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

TEST(IntText, IntToStrOfEveryIntegerType) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-1), "-1");
    EXPECT_EQ(IntToStr(std::numeric_limits<int>::min()), "-2147483648");
    EXPECT_EQ(IntToStr(std::numeric_limits<Int64>::min()), "-9223372036854775808");
    EXPECT_EQ(IntToStr(std::numeric_limits<UInt64>::max()), "18446744073709551615");
    EXPECT_EQ(IntToStr(std::size_t(42)), "42");
    EXPECT_EQ(IntToStr(Word(65535)), "65535");
    EXPECT_EQ(UIntToStr(4294967295u), "4294967295");
}

TEST(IntText, IntToHexPadsAndShowsTheTypesTwosComplement) {
    EXPECT_EQ(IntToHex(255, 2), "FF");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0, 0), "0");
    EXPECT_EQ(IntToHex(0x1234, 2), "1234"); // never cut
    EXPECT_EQ(IntToHex(-1, 1), "FFFFFFFF");
    EXPECT_EQ(IntToHex(Int64(-1), 1), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(IntToHex(Byte(0xAB), 4), "00AB");
    EXPECT_EQ(IntToHex(0xDEADBEEFCAFEull, 16), "0000DEADBEEFCAFE");
}

TEST(IntText, StrToIntAcceptsDecimalAndHexadecimal) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {"123", 123},
        {"  123", 123},
        {"-123", -123},
        {"+7", 7},
        {"007", 7},
        {"0", 0},
        {"$FF", 255},
        {"$ff", 255},
        {"0x1f", 31},
        {"0X1F", 31},
        {"-$10", -16},
        {"-0x10", -16},
        {"$FFFFFFFF", -1},
        {"0x80000000", std::numeric_limits<int>::min()},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int>::min()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
        int v = 0;
        EXPECT_TRUE(TryStrToInt(c.text, v)) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
}

TEST(IntText, StrToIntRejectsWithTheRuntimesMessage) {
    const char* bad[] = {"",
                         " ",
                         "-",
                         "$",
                         "0x",
                         "12a",
                         "123 ",
                         "1.5",
                         "1e3",
                         "x10",
                         "0x-1",
                         "--1",
                         "+-1",
                         "\t1",
                         "$1G",
                         "2147483648",
                         "-2147483649",
                         "$100000000",
                         "99999999999999999999999"};
    for (const char* t : bad) {
        int v = 42;
        EXPECT_FALSE(TryStrToInt(t, v)) << t;
        EXPECT_EQ(v, 42) << t;
        EXPECT_EQ(StrToIntDef(t, -7), -7) << t;
        EXPECT_THROW(StrToInt(t), EConvertError) << t;
    }
    EXPECT_THROW(StrToInt(QString::fromUtf8("\u0663")), EConvertError); // not an ASCII digit
    try {
        StrToInt("abc");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "'abc' is not a valid integer value");
    }
}

TEST(IntText, Int64Range) {
    EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<Int64>::max());
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<Int64>::min());
    EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(StrToInt64("4294967296"), 4294967296LL);
    EXPECT_EQ(StrToInt64Def("9223372036854775808", 5), 5);
    EXPECT_EQ(StrToInt64Def("0x10000000000000000", 5), 5);
    EXPECT_THROW(StrToInt64(""), EConvertError);
    Int64 v = 0;
    EXPECT_TRUE(TryStrToInt64(" -$7FFFFFFFFFFFFFFF", v));
    EXPECT_EQ(v, -std::numeric_limits<Int64>::max());
}

} // namespace
