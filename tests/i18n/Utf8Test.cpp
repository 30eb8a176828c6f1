#include "i18n/Utf8.h"
#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8, EncodesAndDecodesEveryPlane) {
    const struct {
        const char16_t* text;
        const char* bytes;
    } cases[] = {
        {u"", ""},
        {u"A", "A"},
        {u"\u00fc", "\xC3\xBC"},
        {u"\u20ac", "\xE2\x82\xAC"},
        {u"\U0001D11E", "\xF0\x9D\x84\x9E"},
        {u"a\U0010FFFFb", "a\xF4\x8F\xBF\xBF"
                          "b"},
    };
    for (const auto& c : cases) {
        const String text = String::fromUtf16(c.text);
        EXPECT_EQ(Utf8EncodeText(text), AnsiString(c.bytes)) << c.bytes;
        EXPECT_EQ(Utf8DecodeText(c.bytes), text) << c.bytes;
    }
}

TEST(Utf8, LoneSurrogateSurvivesARoundTrip) {
    const String lone(QChar(char16_t(0xD800)));
    EXPECT_EQ(Utf8EncodeText(lone), AnsiString("\xED\xA0\x80"));
    EXPECT_EQ(Utf8DecodeText(Utf8EncodeText(lone)), lone);
}

TEST(Utf8, RejectsMalformedBytes) {
    const struct {
        const char* bytes;
        const char* message;
    } cases[] = {
        {"\x80", "Invalid byte sequence encountered in utf-8 string"},
        {"a\xFF", "Invalid byte sequence encountered in utf-8 string"},
        {"\xC3\x41", "Invalid byte sequence encountered in utf-8 string"},
        {"\xC0\xAF", "Invalid byte sequence encountered in utf-8 string"},         // overlong "/"
        {"\xE0\x80\xAF", "Invalid byte sequence encountered in utf-8 string"},     // overlong
        {"\xF0\x80\x80\xAF", "Invalid byte sequence encountered in utf-8 string"}, // overlong
        {"\xF4\x90\x80\x80", "Invalid byte sequence encountered in utf-8 string"}, // above U+10FFFF
        {"\xF8\x88\x80\x80\x80", "Invalid byte sequence encountered in utf-8 string"},
        {"\xFC\x84\x80\x80\x80\x80", "Invalid byte sequence encountered in utf-8 string"},
        {"ab\xE2\x82", "Utf-8 string terminated unexpectedly in the middle of a multibyte sequence"},
    };
    for (const auto& c : cases) {
        try {
            Utf8DecodeText(c.bytes);
            ADD_FAILURE() << "no exception for " << c.bytes;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, QString::fromLatin1(c.message));
        }
    }
}

TEST(Utf8, LineEndsAndTrimming) {
    EXPECT_EQ(LfToCrLf("a\nb"), "a\r\nb");
    EXPECT_EQ(LfToCrLf("a\r\nb"), "a\r\nb");
    EXPECT_EQ(LfToCrLf("\nb\n"), "\nb\r\n");
    EXPECT_EQ(RemoveCarriageReturns("a\r\nb\r"), "a\nb");
    EXPECT_EQ(TrimUtf8("  text/plain \t", 1, 100), "text/plain");
    EXPECT_EQ(TrimUtf8("abcdef", 0, 3), "abc");
    EXPECT_EQ(TrimUtf8("abcdef", 3, 2), "cd");
    EXPECT_EQ(TrimUtf8("   ", 1, 3), "");
    EXPECT_EQ(TrimUtf8("abc", 5, 3), "");
}

TEST(Utf8, PrefixAndSuffixTests) {
    EXPECT_TRUE(
        StartsWithIgnoringAsciiCase(QStringLiteral("Content-Type: x"), QStringLiteral("content-type: ")));
    EXPECT_FALSE(StartsWithExact(QStringLiteral("Content-Type: x"), QStringLiteral("content-type: ")));
    EXPECT_TRUE(EndsWithIgnoringAsciiCase(QStringLiteral("/A/LC_MESSAGES/Default.MO"),
                                          QStringLiteral("/lc_messages/default.mo")));
    EXPECT_FALSE(EndsWithIgnoringAsciiCase(QStringLiteral("mo"), QStringLiteral("x.mo")));
    // Only ASCII letters fold.
    EXPECT_FALSE(StartsWithIgnoringAsciiCase(QStringLiteral("\u00dc"), QStringLiteral("\u00fc")));
}

} // namespace
