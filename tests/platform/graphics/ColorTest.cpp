#include "platform/graphics/Color.h"
#include "platform/classes/TypInfo.h"

#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

TEST(Color, ColorToRGBResolvesSystemColoursOnly) {
    const struct {
        TColor in;
        TColor out;
    } cases[] = {
        {clBtnFace, 0xF0F0F0},    {clBtnShadow, 0xA0A0A0},   {clBtnHighlight, 0xFFFFFF},
        {cl3DDkShadow, 0x696969}, {clWindowFrame, 0x646464}, {clInfoBk, 0xE1FFFF},
        {clInfoText, 0},          {clHighlight, 0xD77800},   {clRed, clRed},
        {clNone, clNone},         {clDefault, clDefault},    {0x123456, 0x123456},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColorToRGB(c.in), c.out) << std::hex << c.in;
}

TEST(Color, ChannelsOfRGB) {
    const COLORREF c = RGB(1, 2, 3);
    EXPECT_EQ(c, 0x030201u);
    EXPECT_EQ(GetRValue(c), 1);
    EXPECT_EQ(GetGValue(c), 2);
    EXPECT_EQ(GetBValue(c), 3);
}

TEST(Color, StringConversionsBothWays) {
    const struct {
        const char* text;
        TColor value;
        const char* back;
    } cases[] = {
        {"clRed", clRed, "clRed"},
        {"CLBTNFACE", clBtnFace, "clBtnFace"},
        {"clNone", clNone, "clNone"},
        {"$00123456", 0x123456, "$00123456"},
        {"255", clRed, "clRed"},
        {"$FF00000F", clBtnFace, "clBtnFace"},
        {"-16777201", clBtnFace, "clBtnFace"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StringToColor(QString::fromLatin1(c.text)), c.value) << c.text;
        EXPECT_EQ(ColorToString(c.value), QString::fromLatin1(c.back)) << c.text;
    }
    EXPECT_THROW(StringToColor(QStringLiteral("clPlaid")), EConvertError);
    EXPECT_THROW(StringToColor(QStringLiteral("$1FFFFFFFF")), EConvertError);
}

TEST(Color, IdentifiersAreRegisteredForStreaming) {
    const TIdentToInt toInt = FindIdentToInt(TypeInfoTColor());
    const TIntToIdent toIdent = FindIntToIdent(TypeInfoTColor());
    ASSERT_TRUE(toInt && toIdent);
    int v = 0;
    EXPECT_TRUE(toInt(QStringLiteral("clBtnFace"), v));
    EXPECT_EQ(v, clBtnFace);
    String s;
    EXPECT_TRUE(toIdent(clInfoBk, s));
    EXPECT_EQ(s, QStringLiteral("clInfoBk"));
    EXPECT_FALSE(toIdent(0x123456, s));
}
