// The digital fonts: start-up registers both resources for this process and sets the hook
// that adds their names to a list; finalisation releases them and clears the hook.
#include "chart/gauges/GaugeFonts.h"
#include "chart/gauges/ChartGaugesStartup.h"
#include "platform/classes/StringList.h"

#include <QFontDatabase>
#include <gtest/gtest.h>

#include <cstdint>

namespace {
// The platform's handle is its font id plus one.
QStringList Families(HANDLE_FONTRES Handle) {
    return QFontDatabase::applicationFontFamilies(int(reinterpret_cast<std::intptr_t>(Handle) - 1));
}
} // namespace

TEST(GaugeFonts, StartUpRegistersBothFontsAndFinalisationReleasesThem) {
    HANDLE_FONTRES led = GaugeFontHandle(0);
    HANDLE_FONTRES lcd = GaugeFontHandle(1);
    ASSERT_NE(led, nullptr);
    ASSERT_NE(lcd, nullptr);
    EXPECT_TRUE(Families(led).contains(QStringLiteral("DSEG7 Classic")));
    EXPECT_TRUE(Families(lcd).contains(QStringLiteral("DSEG14 Classic")));

    ASSERT_NE(TeeAddFontNames, nullptr);
    TStringList names;
    names.Add(QStringLiteral("Arial"));
    TeeAddFontNames(&names);
    ASSERT_EQ(names.Count(), 3);
    EXPECT_EQ(names.Strings(1), "Elektra");
    EXPECT_EQ(names.Strings(2), "DS-Digital");

    FinalizeChartGauges();
    EXPECT_EQ(TeeAddFontNames, nullptr);
    EXPECT_EQ(GaugeFontHandle(0), nullptr);
    EXPECT_EQ(GaugeFontHandle(1), nullptr);
    // Already released: a second release fails.
    EXPECT_FALSE(RemoveFontMemResourceEx(led));
    EXPECT_FALSE(RemoveFontMemResourceEx(lcd));

    InitializeChartGauges();
    EXPECT_NE(GaugeFontHandle(0), nullptr);
    EXPECT_NE(GaugeFontHandle(1), nullptr);
    EXPECT_NE(TeeAddFontNames, nullptr);
}
