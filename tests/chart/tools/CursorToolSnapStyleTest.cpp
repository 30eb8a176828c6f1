// The cursor tool's snap style lives beside the platform's scroll styles (both name
// ssHorizontal and ssVertical): each keeps its own value, and the snap style still streams
// by its names.
#include "chart/tools/CursorTool.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/Edit.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(CursorToolSnapStyle, SharesNamesWithScrollStylesAndStreamsByName) {
    static_assert(ssVertical == 2 && ssHorizontal == 1, "scroll styles keep their values");
    auto cursor = std::make_unique<TCursorTool>(nullptr);
    EXPECT_EQ(cursor->SnapStyle(), TSnapStyle::ssDefault);
    EXPECT_EQ(GetEnumProp(cursor.get(), "SnapStyle"), "ssDefault");
    SetEnumProp(cursor.get(), "SnapStyle", "ssVertical");
    EXPECT_EQ(cursor->SnapStyle(), TSnapStyle::ssVertical);
    cursor->SetSnapStyle(TSnapStyle::ssHorizontal);
    EXPECT_EQ(GetEnumProp(cursor.get(), "SnapStyle"), "ssHorizontal");
}

} // namespace
