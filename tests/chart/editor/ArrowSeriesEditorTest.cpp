#include "chart/editor/ArrowSeriesEditor.h"

#include "EditorBaseTestSupport.h"
#include "SeriesEditorsTestSupport.h"

#include "chart/editor/ButtonPen.h"
#include "chart/engine/series/SeriesPointer.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/ArrowSeries.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/UpDown.h"

#include <gtest/gtest.h>

namespace {

using ArrowEditor = SeriesEditorFixture;

TEST_F(ArrowEditor, ControlsChangeTheArrowsAtOnce) {
    auto* arrow = new TArrowSeries(form);
    arrow->AddSampleValues(5);
    arrow->SetColorEachPoint(false);
    auto* e = Edit<TArrowSeriesEditor>(arrow);
    ASSERT_NE(e, nullptr);
    editortest::Screenshot(form, "arrow-series-editor");
    EXPECT_EQ(e->LPercent->Caption(), QStringLiteral("50%"));
    EXPECT_EQ(e->BPen->Pen(), arrow->Pointer()->Pen());
    EXPECT_TRUE(e->BArrowColor->Enabled());

    e->SBPercent->SetPosition(75);
    EXPECT_EQ(arrow->Percent(), 75);
    EXPECT_EQ(e->LPercent->Caption(), QStringLiteral("75%"));

    e->SEArrowWidth->SetText(QStringLiteral("9"));
    EXPECT_EQ(arrow->ArrowWidth(), 9);
    e->SEArrowHeight->SetText(QStringLiteral("12"));
    EXPECT_EQ(arrow->ArrowHeight(), 12);
    EXPECT_EQ(e->UDArrowWidth->Min(), 1);

    arrow->Pointer()->SetColor(TColor(0x0000FF));
    e->CBColorEach->SetChecked(true);
    EXPECT_TRUE(arrow->ColorEachPoint());
    EXPECT_EQ(arrow->Pointer()->Color(), clTeeColor);
    EXPECT_FALSE(e->BArrowColor->Enabled());
    e->CBColorEach->SetChecked(false);
    EXPECT_FALSE(arrow->ColorEachPoint());
    EXPECT_TRUE(e->BArrowColor->Enabled());
}

TEST_F(ArrowEditor, PatternOpensTheBrushDialogOnThePointersBrush) {
    auto* arrow = new TArrowSeries(form);
    auto* e = Edit<TArrowSeriesEditor>(arrow);
    ASSERT_NE(e, nullptr);
    int shown = 0;
    editortest::ModalHook hook([&](TCustomForm*) {
        ++shown;
        return int(mrCancel);
    });
    e->BBrush->Click();
    EXPECT_EQ(shown, 1);
}

} // namespace
