#include "platform/rtl/StrUtils.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::Literals::StringLiterals;

const String kEuro = QString(QChar(0x20AC));

TEST(StrUtilsConversion, AnsiRoundTripKeepsNonAsciiText) {
    const String text = u"Druck "_s + kEuro + u" \u00FC\u00DF \U0001F600"_s;
    const AnsiString bytes = StringToAnsi(text);
    EXPECT_EQ(bytes, "Druck \xE2\x82\xAC \xC3\xBC\xC3\x9F \xF0\x9F\x98\x80");
    EXPECT_EQ(AnsiToString(bytes), text);
    EXPECT_EQ(GetACP(), 65001u);
}

TEST(StrUtilsConversion, PlainConversionsReplaceWhatDoesNotConvert) {
    EXPECT_EQ(AnsiToString("a\xFF"
                           "b"),
              u"a\uFFFDb"_s);
    // A byte-order mark is text like any other and is kept.
    EXPECT_EQ(AnsiToString("\xEF\xBB\xBFx"), u"\uFEFFx"_s);
    const String lone = u"x"_s + QChar(char16_t(0xD800)) + u"y"_s;
    EXPECT_EQ(StringToAnsi(lone), "x\xEF\xBF\xBDy");
}

TEST(StrUtilsConversion, StrictUtf8RejectsInvalidSequences) {
    struct Case {
        const char* bytes;
        bool ok;
    } cases[] = {
        {"", true},
        {"plain", true},
        {"\xC3\xBC", true},
        {"\xF0\x9F\x98\x80", true},
        {"\xFF", false},             // never valid
        {"\xC3", false},             // truncated
        {"\xC0\xAF", false},         // overlong "/"
        {"\xED\xA0\x80", false},     // encoded surrogate
        {"\xF4\x90\x80\x80", false}, // above U+10FFFF
        {"\xC3\x41", false},         // bad continuation byte
    };
    for (const Case& c : cases) {
        String out = u"stale"_s;
        EXPECT_EQ(TryAnsiToString(c.bytes, CP_UTF8, out), c.ok) << c.bytes;
        if (!c.ok)
            EXPECT_TRUE(out.isEmpty());
        else
            EXPECT_EQ(out, String::fromUtf8(c.bytes));
    }
    AnsiString bytes;
    EXPECT_FALSE(TryStringToAnsi(String(QChar(char16_t(0xDC00))), CP_UTF8, bytes));
    EXPECT_TRUE(TryStringToAnsi(u"\u00FC"_s, CP_ACP, bytes));
    EXPECT_EQ(bytes, "\xC3\xBC");
}

TEST(StrUtilsConversion, Windows1252BothWays) {
    String text;
    ASSERT_TRUE(TryAnsiToString("\x80\x9F\xE4\x81", CP_WINDOWS_1252, text));
    EXPECT_EQ(text, kEuro + QChar(0x0178) + QChar(0x00E4) + QChar(0x0081));
    AnsiString back;
    ASSERT_TRUE(TryStringToAnsi(text, CP_WINDOWS_1252, back));
    EXPECT_EQ(back, "\x80\x9F\xE4\x81");
    // A character outside the code page does not convert.
    EXPECT_FALSE(TryStringToAnsi(u"\u0100"_s, CP_WINDOWS_1252, back));
    EXPECT_TRUE(back.empty());
}

TEST(StrUtilsConversion, OtherCodePagesFail) {
    String text;
    AnsiString bytes;
    EXPECT_FALSE(TryAnsiToString("abc", 932, text));
    EXPECT_FALSE(TryStringToAnsi(u"abc"_s, 1251, bytes));
    TCPInfo info;
    EXPECT_FALSE(GetCPInfo(932, info));
    ASSERT_TRUE(GetCPInfo(CP_ACP, info));
    EXPECT_EQ(info.DefaultChar[0], '?');
}

TEST(StrUtilsTrim, RemovesBlanksAndControlCharacters) {
    const String s = u"\t\r\n \x01 a b\x1F \u00A0"_s;
    // U+00A0 is above U+0020 and stays.
    EXPECT_EQ(Trim(s), u"a b\x1F \u00A0"_s);
    EXPECT_EQ(Trim(u"\t a b \r\n"_s), u"a b"_s);
    EXPECT_EQ(TrimLeft(u"\x01\x02x \x03"_s), u"x \x03"_s);
    EXPECT_EQ(TrimRight(u"\x01x \x03"_s), u"\x01x"_s);
    EXPECT_EQ(Trim(u" \t\r\n"_s), String());
    EXPECT_EQ(Trim(String()), String());
    EXPECT_EQ(Trim(AnsiString("\x01 de_AT \r\n")), "de_AT");
}

TEST(StrUtilsCase, AsciiOnlyAgainstFullMapping) {
    EXPECT_EQ(UpperCase(u"abc\u00E4xyz"_s), u"ABC\u00E4XYZ"_s);
    EXPECT_EQ(LowerCase(u"ABC\u00C4XYZ"_s), u"abc\u00C4xyz"_s);
    EXPECT_EQ(AnsiUpperCase(u"abc\u00E4"_s), u"ABC\u00C4"_s);
    EXPECT_EQ(AnsiLowerCase(u"PT_BR\u00C4"_s), u"pt_br\u00E4"_s);
    EXPECT_EQ(UpperCase(AnsiString("bootloader\xC3\xA4")), "BOOTLOADER\xC3\xA4");
}

TEST(StrUtilsCompare, SignsOfTheComparisons) {
    struct Case {
        const char16_t* a;
        const char16_t* b;
        int compareStr, compareText, ansiCompareText, ansiCompareStr;
    } cases[] = {
        {u"abc", u"abc", 0, 0, 0, 0},        {u"abc", u"ABC", 1, 0, 0, -1},
        {u"ABC", u"abd", -1, -1, -1, -1},    {u"ab", u"abc", -1, -1, -1, -1},
        {u"\u00E4", u"\u00C4", 1, 1, 0, -1}, // only ASCII folds in CompareText
        {u"a_", u"aB", 1, 1, -1, -1},        // CompareText folds to upper case: '_' > 'B'
    };
    for (const Case& c : cases) {
        const String a = QString::fromUtf16(c.a), b = QString::fromUtf16(c.b);
        EXPECT_EQ(CompareStr(a, b), c.compareStr) << qPrintable(a) << " " << qPrintable(b);
        EXPECT_EQ(CompareText(a, b), c.compareText) << qPrintable(a) << " " << qPrintable(b);
        EXPECT_EQ(AnsiCompareText(a, b), c.ansiCompareText) << qPrintable(a) << " " << qPrintable(b);
        EXPECT_EQ(AnsiCompareStr(a, b), c.ansiCompareStr) << qPrintable(a) << " " << qPrintable(b);
        EXPECT_EQ(SameText(a, b), c.compareText == 0);
        EXPECT_EQ(AnsiSameText(a, b), c.ansiCompareText == 0);
    }
}

TEST(StrUtilsPositions, PosAndPosEx) {
    const String s = u"COM3 (COM3)"_s;
    EXPECT_EQ(Pos(u"(COM"_s, s), 6);
    EXPECT_EQ(Pos(u"COM"_s, s), 1);
    EXPECT_EQ(Pos(u"com"_s, s), 0);
    EXPECT_EQ(Pos(String(), s), 0);
    EXPECT_EQ(Pos(u"x"_s, String()), 0);
    EXPECT_EQ(PosEx(u"COM"_s, s, 2), 7);
    EXPECT_EQ(PosEx(u")"_s, s, 11), 11);
    EXPECT_EQ(PosEx(u"COM"_s, s, 0), 0);
    EXPECT_EQ(PosEx(u")"_s, s, 12), 0);
}

TEST(StrUtilsPositions, CopyClipsIndexAndCount) {
    const String s = u"Hello"_s;
    struct Case {
        int index, count;
        const char16_t* expected;
    } cases[] = {
        {1, 2, u"He"}, {0, 2, u"He"}, {-5, 2, u"He"}, {4, 10, u"lo"}, {5, 1, u"o"},
        {6, 1, u""},   {100, 1, u""}, {2, 0, u""},    {2, -1, u""},   {1, INT_MAX, u"Hello"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Copy(s, c.index, c.count), QString::fromUtf16(c.expected)) << c.index << "," << c.count;
    EXPECT_EQ(Copy(String(), 1, 1), String());
}

TEST(StrUtilsPositions, DeleteAndInsert) {
    struct DeleteCase {
        int index, count;
        const char16_t* expected;
    } deletes[] = {
        {1, 1, u"ello"},  {2, 2, u"Hlo"},   {4, 100, u"Hel"}, {5, 1, u"Hell"},
        {0, 2, u"Hello"}, {6, 1, u"Hello"}, {2, 0, u"Hello"}, {2, -3, u"Hello"},
    };
    for (const DeleteCase& c : deletes) {
        String s = u"Hello"_s;
        Delete(s, c.index, c.count);
        EXPECT_EQ(s, QString::fromUtf16(c.expected)) << c.index << "," << c.count;
    }
    struct InsertCase {
        int index;
        const char16_t* expected;
    } inserts[] = {{1, u"--abc"}, {2, u"a--bc"},  {4, u"abc--"},
                   {0, u"--abc"}, {-1, u"--abc"}, {99, u"abc--"}};
    for (const InsertCase& c : inserts) {
        String s = u"abc"_s;
        Insert(u"--"_s, s, c.index);
        EXPECT_EQ(s, QString::fromUtf16(c.expected)) << c.index;
    }
    String empty;
    Insert(u"x"_s, empty, 5);
    EXPECT_EQ(empty, u"x"_s);
}

TEST(StrUtilsReplace, FirstOnlyAllAndIgnoringCase) {
    const String s = u"00:1A:(2b):1a"_s;
    EXPECT_EQ(StringReplace(s, u":"_s, String(), {}), u"001A:(2b):1a"_s);
    EXPECT_EQ(StringReplace(s, u":"_s, String(), {rfReplaceAll}), u"001A(2b)1a"_s);
    EXPECT_EQ(StringReplace(s, u"1a"_s, u"X"_s, {rfReplaceAll}), u"00:1A:(2b):X"_s);
    EXPECT_EQ(StringReplace(s, u"1a"_s, u"X"_s, {rfIgnoreCase}), u"00:X:(2b):1a"_s);
    EXPECT_EQ(StringReplace(s, u"1a"_s, u"X"_s, {rfReplaceAll, rfIgnoreCase}), u"00:X:(2b):X"_s);
    // The replacement is not searched again.
    EXPECT_EQ(StringReplace(u"aaa"_s, u"a"_s, u"aa"_s, {rfReplaceAll}), u"aaaaaa"_s);
    EXPECT_EQ(StringReplace(s, String(), u"X"_s, {rfReplaceAll}), s);
    EXPECT_EQ(StringReplace(s, u"zz"_s, u"X"_s, {rfReplaceAll}), s);
}

TEST(StrUtilsBuild, StringOfCharAndStripHotkey) {
    EXPECT_EQ(StringOfChar(u'-', 3), u"---"_s);
    EXPECT_EQ(StringOfChar(u'-', 0), String());
    EXPECT_EQ(StringOfChar(u'-', -2), String());
    EXPECT_EQ(StripHotkey(u"&File"_s), u"File"_s);
    EXPECT_EQ(StripHotkey(u"Save && &Exit"_s), u"Save & Exit"_s);
    EXPECT_EQ(StripHotkey(u"End&"_s), u"End"_s);
    EXPECT_EQ(StripHotkey(u"&&&x"_s), u"&x"_s);
}

} // namespace
