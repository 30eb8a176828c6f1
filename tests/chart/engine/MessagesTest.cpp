#include "chart/engine/TeeConst.h"
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
