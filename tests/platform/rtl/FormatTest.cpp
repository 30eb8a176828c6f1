#include "platform/rtl/Format.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/FloatText.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

class FormatTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = FormatSettings;
        FormatSettings = TFormatSettings::Invariant();
    }
    void TearDown() override { FormatSettings = saved_; }
    TFormatSettings saved_;
};

TEST_F(FormatTest, Integers) {
    EXPECT_EQ(Format("%d", {5}), "5");
    EXPECT_EQ(Format("%d of %d", {3, 10}), "3 of 10");
    EXPECT_EQ(Format("%5d|", {42}), "   42|");
    EXPECT_EQ(Format("%-5d|", {42}), "42   |");
    EXPECT_EQ(Format("%.3d", {-5}), "-005");
    EXPECT_EQ(Format("%6.3d", {-5}), "  -005");
    EXPECT_EQ(Format("%d", {Int64(9000000000)}), "9000000000");
    EXPECT_EQ(Format("%d", {std::numeric_limits<int>::min()}), "-2147483648");
    EXPECT_EQ(Format("%d", {std::size_t(7)}), "7");
    EXPECT_EQ(Format("%d", {4000000000u}), "4000000000");
    EXPECT_EQ(Format("%u", {-1}), "4294967295");
    EXPECT_EQ(Format("%u", {Int64(-1)}), "18446744073709551615");
    EXPECT_EQ(Format("%D", {12}), "12");
}

TEST_F(FormatTest, HexadecimalIsUpperCase) {
    EXPECT_EQ(Format("%x", {255}), "FF");
    EXPECT_EQ(Format("%X", {255}), "FF");
    EXPECT_EQ(Format("%.2x", {10}), "0A");
    EXPECT_EQ(Format("%.8x", {0xABC}), "00000ABC");
    EXPECT_EQ(Format("%.4x", {0x12345}), "12345");
    EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
    EXPECT_EQ(Format("%x", {Int64(-1)}), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Format("#%.2x%.2x%.2x", {255, 8, 0}), "#FF0800");
    int dummy = 0;
    const QString p = Format("%p", {static_cast<const void*>(&dummy)});
    EXPECT_EQ(p.size(), 16);
    EXPECT_EQ(p, p.toUpper());
    EXPECT_EQ(Format("%p", {nullptr}), "0000000000000000");
}

TEST_F(FormatTest, Strings) {
    const QString name = "ten";
    const AnsiString ansi = "\xc3\xa9t\xc3\xa9";
    EXPECT_EQ(Format("%d of %s", {3, name}), "3 of ten");
    EXPECT_EQ(Format("%s", {"literal"}), "literal");
    EXPECT_EQ(Format("%s", {ansi}), QString::fromUtf8("\xc3\xa9t\xc3\xa9"));
    EXPECT_EQ(Format("%s", {u"wide"}), "wide");
    EXPECT_EQ(Format("%s%s", {'a', QChar(u'b')}), "ab");
    EXPECT_EQ(Format("%.2s", {"abc"}), "ab");
    EXPECT_EQ(Format("%5s|", {"ab"}), "   ab|");
    EXPECT_EQ(Format("%-5s|", {"ab"}), "ab   |");
    EXPECT_EQ(Format("%5.1s|", {"ab"}), "    a|");
    EXPECT_EQ(Format("%s", {QString()}), "");
    EXPECT_EQ(Format("100%% of %s", {"it"}), "100% of it");
    EXPECT_EQ(Format("no specifiers", {}), "no specifiers");
    EXPECT_EQ(Format("%s", {"x", "extra arguments are ignored"}), "x");
    // Argument text is never taken as a format.
    EXPECT_EQ(Format("%s", {"%d %s"}), "%d %s");
}

TEST_F(FormatTest, IndexesWidthsAndStars) {
    EXPECT_EQ(Format("%1:s %0:s", {"a", "b"}), "b a");
    EXPECT_EQ(Format("%0:s %s", {"a", "b"}), "a b"); // counting goes on after an index
    EXPECT_EQ(Format("%1:s %s %0:s", {"a", "b", "c"}), "b c a");
    EXPECT_EQ(Format("Value must be between %0:g and %1:g", {1.5, 10.0}), "Value must be between 1.5 and 10");
    EXPECT_EQ(Format("%*d|", {5, 42}), "   42|");
    EXPECT_EQ(Format("%-*d|", {5, 42}), "42   |");
    EXPECT_EQ(Format("%*d|", {-5, 42}), "42   |");
    EXPECT_EQ(Format("%.*f", {1, 2.25}), "2.3");
    EXPECT_EQ(Format("%*:s", {1, "a", "b"}), "a"); // a '*' index
    EXPECT_EQ(Format("%1:5s|", {"a", "b"}), "    b|");
}

TEST_F(FormatTest, Floats) {
    struct Case {
        const char* format;
        long double value;
        const char* text;
    } cases[] = {
        {"%g", 0.5, "0.5"},
        {"%g", 1.0 / 3.0, "0.333333333333333"},
        {"%g", 1e20, "1E20"},
        {"%g", 1e-5, "1E-5"},
        {"%g", -0.0, "0"},
        {"%g", 100.0, "100"},
        {"%.3g", 1234.5, "1.23E3"},
        {"%.3g", 0.5, "0.5"},
        {"%f", 1.5, "1.50"},
        {"%5.1f", 3.14159, "  3.1"},
        {"%-6.1f|", 3.14159, "3.1   |"},
        {"%.0f", 2.5, "3"},
        {"%.1f", -0.04, "0.0"},
        {"%.2f", 1e16, "10000000000000000.00"},
        {"%e", 1234.5, "1.23450000000000E+003"},
        {"%.3e", 1234.5, "1.23E+003"},
        {"%n", 1234567.891, "1,234,567.89"},
        {"%.0n", 1234.5, "1,235"},
        {"%g", std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {"%8.2f|", -std::numeric_limits<double>::infinity(), "    -INF|"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.format, {c.value}), QString::fromUtf8(c.text))
            << c.format << " " << double(c.value);
    EXPECT_EQ(Format("%g", {1.5f}), "1.5"); // float arguments promote
}

TEST_F(FormatTest, FloatsFollowTheSettings) {
    TFormatSettings de = TFormatSettings::Invariant();
    de.DecimalSeparator = u',';
    de.ThousandSeparator = u'.';
    de.CurrencyString = QString::fromUtf8("€");
    de.CurrencyFormat = 3;
    de.NegCurrFormat = 8;
    EXPECT_EQ(Format("%g", {1.5}, de), "1,5");
    EXPECT_EQ(Format("%n", {1234.5}, de), "1.234,50");
    EXPECT_EQ(Format("%m", {-1234.5}, de), QString::fromUtf8("-1.234,50 €"));
    EXPECT_EQ(Format("%.0m", {2.0}, de), QString::fromUtf8("2 €"));
    // The global settings serve when none are given.
    FormatSettings = de;
    EXPECT_EQ(Format("%.1f", {0.25}), "0,3");
}

TEST_F(FormatTest, MismatchesRaise) {
    struct Case {
        const char* format;
        std::initializer_list<TVarRec> args;
    };
    const Case cases[] = {
        {"%d", {"x"}}, {"%s", {1}},       {"%d", {}},          {"%d %d", {1}},
        {"%f", {1}},   {"%d", {1.5}},     {"%q", {1}},         {"%", {1}},
        {"%5", {1}},   {"%2:d", {1}},     {"%*d", {"x", 1}},   {"%x", {2.0}},
        {"%p", {1}},   {"%s", {nullptr}}, {"%99999999d", {1}}, {"%.99999999s", {"a"}},
    };
    for (const Case& c : cases)
        EXPECT_THROW(Format(c.format, c.args), EConvertError) << c.format;
    try {
        Format("%d", {"x"});
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "Format '%d' invalid or incompatible with argument");
    }
}

TEST_F(FormatTest, ArgumentArraysBuiltAtRunTime) {
    std::vector<TVarRec> args;
    const QString a = "a";
    args.emplace_back(1);
    args.emplace_back(a);
    EXPECT_EQ(Format("%d%s", args), "1a");
}

TEST(Sprintf, HasCSemantics) {
    EXPECT_EQ(Sprintf("%x", 255), "ff");
    EXPECT_EQ(Sprintf("%X", 255), "FF");
    EXPECT_EQ(Sprintf("%02X", 5), "05");
    EXPECT_EQ(Sprintf("%i", 7), "7");
    EXPECT_EQ(Sprintf("%c%02X", 'A', 10), "A0A");
    EXPECT_EQ(Sprintf("CoeffA%d", 1), "CoeffA1");
    EXPECT_EQ(Sprintf("%.1f", 2.25), "2.2"); // C rounds the binary value to even
    EXPECT_EQ(Sprintf("Port opened: [%s] speed: [%d]\n", "/dev/ttyS0", 9600),
              "Port opened: [/dev/ttyS0] speed: [9600]\n");
    const std::string longText(1000, 'z');
    EXPECT_EQ(Sprintf("<%s>", longText.c_str()), "<" + longText + ">");
    EXPECT_EQ(Sprintf("%s", ""), "");
}

} // namespace
