#include "chart/engine/texts/TeeConst.h"
#include "platform/rtl/Format.h"

#include <gtest/gtest.h>

TEST(TeeConst, EnglishTextsAndComposedChartFileTexts) {
    EXPECT_EQ(TeeMsg_InvalidTeeFile, "Invalid Chart in *.tee file");
    EXPECT_EQ(TeeMsg_DefValueFormat, "#,##0.###");
    EXPECT_EQ(TeeMsg_GalleryHorizBar, QStringLiteral("Horizontal\rBar"));
    EXPECT_EQ(Format(TeeMsg_SeriesDelete, {5, 3}), "Series Delete: ValueIndex 5 out of bounds (0 to 3).");

    TeeMsg_TeeExtension = "xyz";
    TeeMsg_Default = "Standard";
    TeeLanguageCanUpper = false;
    TeeSetEnglish();
    EXPECT_EQ(TeeMsg_WrongTeeFileFormat, "Wrong *.xyz file format");
    EXPECT_EQ(TeeMsg_EmptyTeeFile, "Empty *.xyz file");
    EXPECT_EQ(TeeMsg_Default, "Default");
    EXPECT_TRUE(TeeLanguageCanUpper);
    TeeMsg_TeeExtension = "tee";
    TeeSetEnglish();
    EXPECT_EQ(TeeMsg_InvalidTeeFile, "Invalid Chart in *.tee file");
}

TEST(TeeConst, TextsWithLineBreaksQuotesSymbolsAndPercentSigns) {
    const struct {
        const String& text;
        QString want;
    } cases[] = {
        {TeeMsg_DefaultPercentOf2, QStringLiteral("%s\rof %s")},
        {TeeMsg_NumericGauge, QStringLiteral("Numeric\rGauge")},
        {TeeMsg_MarksTipDesc, QStringLiteral("Displays \"tips\" or \"hints\" when the end-user moves or "
                                             "clicks the mouse over a series point.")},
        {TeeCommanMsg_Rotating, QStringLiteral("Rotation: %d° Elevation: %d°")},
        {TeeCommanMsg_Zooming, QStringLiteral("Zoom: %d %%")},
        {TeeMsg_DefPercentFormat, QStringLiteral("##0.## %")},
        {TeeMsg_DateTimeFormat, QStringLiteral("DateTime For&mat:")},
        {TeePolarDegreeSymbol, QStringLiteral("°")},
        {tcDControls, QStringLiteral("Data Controls")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, c.want);
    EXPECT_EQ(Format(TeeCommanMsg_Zooming, {150}), "Zoom: 150 %");
}

TEST(TeeConst, BothUnitsKeepTheirOwnTextOfASharedName) {
    EXPECT_EQ(TeeMsg_PeriodRange, "Period range");
    EXPECT_EQ(Teeproco::TeeMsg_PeriodRange, "Period must be >= 0");
    EXPECT_EQ(TeeMsg_AntiAlias, "Antialias");
    EXPECT_EQ(Teeproco::TeeMsg_AntiAlias, "Anti-Alias");
    Teeproco::TeeMsg_AntiAlias = "x";
    TeeMsg_AntiAlias = "y";
    TeeSetProConstants();
    EXPECT_EQ(Teeproco::TeeMsg_AntiAlias, "Anti-Alias");
    EXPECT_EQ(TeeMsg_AntiAlias, "y"); // the base unit's text is not the tool unit's
    TeeSetConstants();
    EXPECT_EQ(TeeMsg_AntiAlias, "Antialias");
}
