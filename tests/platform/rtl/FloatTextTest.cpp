#include "platform/rtl/FloatText.h"

#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

// Readable failure output for texts.
static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

TFormatSettings English() {
    return TFormatSettings::Invariant();
}

TFormatSettings German() {
    TFormatSettings fs = TFormatSettings::Invariant();
    fs.DecimalSeparator = u',';
    fs.ThousandSeparator = u'.';
    return fs;
}

TFormatSettings French() {
    TFormatSettings fs = German();
    fs.ThousandSeparator = QChar(0x202F);
    return fs;
}

// Functions without a settings argument use the global record; pin it for each test.
class FloatTextGlobal : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = FormatSettings;
        FormatSettings = English();
    }
    void TearDown() override { FormatSettings = saved_; }
    TFormatSettings saved_;
};

TEST_F(FloatTextGlobal, FloatToStrGivesFifteenDigitsAndTheRuntimeLayout) {
    struct Case {
        long double value;
        const char* text;
    } cases[] = {
        {0.0L, "0"},
        {-0.0L, "0"},
        {1.0L, "1"},
        {-2.0L, "-2"},
        {1.5L, "1.5"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {1.0L / 3.0L, "0.333333333333333"},
        {0.1 + 0.2, "0.3"},
        {100.0L, "100"},
        {12345.678, "12345.678"},
        {123456789012345.0, "123456789012345"},
        {1e14, "100000000000000"},
        {1e15, "1E15"},
        {999999999999999.9, "1E15"}, // rounds up into the exponent form
        {1.5e20, "1.5E20"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00001, "1E-5"},
        {1e-6, "1E-6"},
        {-1.5e-7, "-1.5E-7"},
        {3.141592653589793, "3.14159265358979"},
        {1000000000000005.0, "1.00000000000001E15"}, // a tie at the 16th digit rounds away from zero
        {-1000000000000005.0, "-1.00000000000001E15"},
        {-1e-300, "-1E-300"},
        {kNan, "NAN"},
        {kInf, "INF"},
        {-kInf, "-INF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FloatToStr(c.value), QString::fromUtf8(c.text)) << c.text;
}

TEST(FloatText, FloatToStrUsesTheSettingsDecimalSeparator) {
    EXPECT_EQ(FloatToStr(1.5, German()), "1,5");
    EXPECT_EQ(FloatToStr(-1.5e20, German()), "-1,5E20");
    EXPECT_EQ(FloatToStr(0.0001, French()), "0,0001");
    EXPECT_EQ(FloatToStr(1234567.5, German()), "1234567,5"); // no grouping in the general form
}

TEST(FloatText, FloatToStrF) {
    TFormatSettings currency = English();
    currency.CurrencyString = "$";
    currency.CurrencyFormat = 0;
    currency.NegCurrFormat = 0;
    const TFormatSettings german = German();
    TFormatSettings euro = German();
    euro.CurrencyString = QString::fromUtf8("€");
    euro.CurrencyFormat = 3;
    euro.NegCurrFormat = 8;

    struct Case {
        long double value;
        TFloatFormat format;
        int precision, digits;
        const TFormatSettings* fs;
        const char* text;
    } cases[] = {
        {2.5, ffFixed, 4, 2, nullptr, "2.50"},
        {-0.3, ffFixed, 4, 2, nullptr, "-0.30"},
        {-0.001, ffFixed, 4, 2, nullptr, "0.00"}, // all digits zero: no sign
        {-0.004999, ffFixed, 15, 2, nullptr, "0.00"},
        {0.5, ffFixed, 15, 2, nullptr, "0.50"},
        {2000, ffFixed, 15, 1, nullptr, "2000.0"},
        {0.125, ffFixed, 15, 2, nullptr, "0.13"}, // exact tie, away from zero
        {-0.125, ffFixed, 15, 2, nullptr, "-0.13"},
        {2.675, ffFixed, 15, 2, nullptr, "2.67"},    // the binary value lies below the tie
        {123.456, ffFixed, 4, 2, nullptr, "123.50"}, // only 4 significant digits
        {9.999, ffFixed, 15, 2, nullptr, "10.00"},
        {1234.5, ffFixed, 15, 0, nullptr, "1235"},
        {0.3, ffFixed, 15, 0, nullptr, "0"},
        {1234.5, ffNumber, 15, 2, nullptr, "1,234.50"},
        {-1234567.891, ffNumber, 15, 2, nullptr, "-1,234,567.89"},
        {123.0, ffNumber, 15, 0, nullptr, "123"},
        {1234.5, ffNumber, 15, 2, &german, "1.234,50"},
        {1234.5, ffExponent, 4, 2, nullptr, "1.235E+03"},
        {-0.00012345, ffExponent, 3, 0, nullptr, "-1.23E-4"},
        {0, ffExponent, 3, 2, nullptr, "0.00E+00"},
        {1e100, ffExponent, 2, 3, nullptr, "1.0E+100"},
        {1.5e20, ffGeneral, 15, 0, nullptr, "1.5E20"},
        {1.5e-20, ffGeneral, 15, 3, nullptr, "1.5E-020"},
        {1234.5678, ffGeneral, 6, 0, nullptr, "1234.57"},
        {1234.5, ffCurrency, 15, 2, &currency, "$1,234.50"},
        {-1234.5, ffCurrency, 15, 2, &currency, "($1,234.50)"},
        {-0.001, ffCurrency, 15, 2, &currency, "$0.00"},
        {1234.5, ffCurrency, 15, 2, &euro, "1.234,50 €"},
        {-1.5, ffCurrency, 15, 2, &euro, "-1,50 €"},
        {kNan, ffFixed, 15, 2, nullptr, "NAN"},
        {-kInf, ffNumber, 15, 2, nullptr, "-INF"},
    };
    const TFormatSettings english = English();
    for (const Case& c : cases)
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits, c.fs ? *c.fs : english),
                  QString::fromUtf8(c.text))
            << c.text;
}

TEST(FloatText, FixedFormsSwitchToTheExponentFormBeyondThePrecision) {
    const QString text = FloatToStrF(12345.678, ffFixed, 4, 2, English());
    EXPECT_TRUE(text.contains(u'E')) << text.toStdString();
    EXPECT_EQ(StrToFloat(text, English()), 12350.0L);
}

TEST(FloatText, FormatFloat) {
    struct Case {
        const char* format;
        long double value;
        const char* text;
    } cases[] = {
        // The default value format of axis labels, grid cells and gauges.
        {"#,##0.###", 1234.5, "1,234.5"},
        {"#,##0.###", 2000, "2,000"},
        {"#,##0.###", 0.4, "0.4"},
        {"#,##0.###", 4, "4"},
        {"#,##0.###", -2, "-2"},
        {"#,##0.###", 0.1, "0.1"},
        {"#,##0.###", -6.4e-16, "0"},
        {"#,##0.###", 0.0005, "0.001"},
        {"#,##0.###", 1234567, "1,234,567"},
        {"#,##0.###", -1234567.25, "-1,234,567.25"},
        {"#,##0", 999.5, "1,000"},
        // Rounding is half away from zero on the decimal digits.
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"0", 0.5, "1"},
        {"0", 0.4, "0"},
        {"0", -0.4, "0"},
        {"0.#", 0.25, "0.3"},
        {"0.#", 0.04, "0"},
        {"0.#", 1, "1"},
        {"0.00", 1, "1.00"},
        {"0.000", 1.0 / 3.0, "0.333"},
        {"0000", 12, "0012"},
        {"#.#", 0, ""},
        {"#.#", 0.5, ".5"},
        {"0.###############", 0.1, "0.1"}, // at most 15 significant digits
        // Sections.
        {"#,##0.00;(#,##0.00)", -1234.5, "(1,234.50)"},
        {"#,##0.00;(#,##0.00)", 1234.5, "1,234.50"},
        {"#,##0.00;(#,##0.00);Zero", 0, "Zero"},
        {"#,##0.00;(#,##0.00);Zero", -0.001, "Zero"},
        {"#,##0.00;(#,##0.00);Zero", 5, "5.00"},
        {"#,##0.00;(#,##0.00)", -0.001, "0.00"},
        {"0.00;;Zero", -1, "-1.00"},
        {"0.00;;Zero", 0, "Zero"},
        {"0.00;-0.0;", 0, "0.00"},
        {"pos;neg;zero;ignored", -3, "neg"},
        // Literals: '%' does not scale, quoted text is copied, ';' inside quotes.
        {"##0.## %", 50, "50 %"},
        {"0.0%", 12.34, "12.3%"},
        {"\"Value: \"0.0", 3, "Value: 3.0"},
        {"'a;b'0", 5, "a;b5"},
        {"0 \"#0.\"", 7, "7 #0."},
        {"0 \"unterminated", 7, "7 unterminated"},
        {"0 \xc2\xb0", 7, "7 \xc2\xb0"},
        // Exponents.
        {"0.00E+00", 1234.5, "1.23E+03"},
        {"0.00E+00", 0.00012345, "1.23E-04"},
        {"0.00E+00", 0, "0.00E+00"},
        {"0.00E+00", -1234.5, "-1.23E+03"},
        {"0.00E-00", 1234.5, "1.23E03"},
        {"00e-0", 1234, "12e2"},
        {"00e-0", 0.5, "50e-2"},
        {"#.0 \"x10\" E+0", 1234, "1.2 x10 E+3"},
        {"0.0E+0", 9.96, "1.0E+1"},
        // Empty formats and huge values fall back to the general form.
        {"", 1.5, "1.5"},
        {"0", 1e18, "1E18"},
        {"0", kNan, "NAN"},
        {"0.00", -kInf, "-INF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFloat(QString::fromUtf8(c.format), c.value, English()), QString::fromUtf8(c.text))
            << c.format << " of " << double(c.value);
}

TEST(FloatText, FormatFloatMapsSeparatorsPerLocale) {
    EXPECT_EQ(FormatFloat("#,##0.###", 1234.5, German()), "1.234,5");
    EXPECT_EQ(FormatFloat("#,##0.00;(#,##0.00)", -1234.5, German()), "(1.234,50)");
    const QString fr = FormatFloat("#,##0.###", 1234567.5, French());
    EXPECT_EQ(fr, QString::fromUtf8("1\u202F234\u202F567,5"));
}

TEST_F(FloatTextGlobal, StrToFloatAcceptsTheStrictGrammar) {
    struct Case {
        const char* text;
        long double value;
    } cases[] = {
        {"1.5", 1.5L},     {" 1.5 ", 1.5L}, {"\t2\r\n", 2.0L}, {"-1.5E3", -1500.0L}, {"+2", 2.0L},
        {".5", 0.5L},      {"5.", 5.0L},    {"1e-5", 1e-5L},   {"1E+2", 100.0L},     {"0", 0.0L},
        {"1e-5000", 0.0L}, {"007", 7.0L},   {"0.1", 0.1L},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StrToFloat(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_EQ(StrToFloat("1,5", German()), 1.5L);
    EXPECT_EQ(StrToFloat("-2,25e1", German()), -22.5L);
}

TEST_F(FloatTextGlobal, StrToFloatRejectsEverythingElse) {
    const char* english[] = {"",   " ",   "1,000", "INF", "NAN",  "-INF",   "1.5x",  "--1",    "e5",
                             "1e", "1e+", "1.2.3", ".",   "0x10", "1e5000", "1 000", "1.5 e3", "$1"};
    for (const char* t : english) {
        Extended v = 42;
        EXPECT_FALSE(TryStrToFloat(QString::fromUtf8(t), v)) << t;
        EXPECT_EQ(v, 42) << "the value must stay untouched on failure: " << t;
        EXPECT_THROW(StrToFloat(QString::fromUtf8(t)), EConvertError) << t;
    }
    // With "," as the separator a "." is a stray character, and thousands separators are refused.
    for (const char* t : {"1.5", "1.000", "1.000,5"})
        EXPECT_THROW(StrToFloat(t, German()), EConvertError) << t;
    // Digits of other scripts are not digits here.
    EXPECT_THROW(StrToFloat(QString::fromUtf8("\u0663")), EConvertError);

    try {
        StrToFloat("1,000");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "'1,000' is not a valid floating point value");
    }
    EXPECT_EQ(StrToFloatDef("abc", 1.0L), 1.0L);
    EXPECT_EQ(StrToFloatDef("2.5", 1.0L), 2.5L);
}

TEST(FloatText, DoubleParsingIsCorrectlyRoundedForDouble) {
    // Parsed straight to double, not through Extended (which could round twice).
    double d = 0;
    ASSERT_TRUE(TryStrToFloat("0.1", d, English()));
    EXPECT_EQ(d, 0.1);
    ASSERT_TRUE(TryStrToFloat("9007199254740993", d, English())); // 2^53 + 1: a tie in double
    EXPECT_EQ(d, 9007199254740992.0);
    EXPECT_FALSE(TryStrToFloat("1e400", d, English())); // beyond double, though not beyond Extended
    ASSERT_TRUE(TextToFloat("2,5", d, German()));
    EXPECT_EQ(d, 2.5);
    Extended e = 0;
    ASSERT_TRUE(TextToFloat("0.1", e, English()));
    EXPECT_EQ(e, 0.1L);
}

TEST(FloatText, GeneralTextReadsBackUnderEachLocale) {
    for (const TFormatSettings& fs : {English(), German(), French()}) {
        for (double v : {0.25, -1234.5, 1.5e20, 1e-5, 2.0 / 3.0, 123456789012345.0}) {
            const QString text = FloatToStr(v, fs);
            EXPECT_EQ(FloatToStr(StrToFloat(text, fs), fs), text);
        }
    }
}

} // namespace
