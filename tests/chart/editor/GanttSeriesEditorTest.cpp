#include "chart/editor/GanttSeriesEditor.h"
#include "chart/editor/BubbleSeriesEditor.h"

#include "EditorBaseTestSupport.h"
#include "SeriesEditorsTestSupport.h"

#include "chart/editor/ButtonPen.h"
#include "chart/editor/SeriesPointerEditor.h"
#include "chart/engine/series/SeriesPointer.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/BubbleSeries.h"
#include "chart/series/GanttSeries.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/UpDown.h"

#include <gtest/gtest.h>

namespace {

using GanttEditor = SeriesEditorFixture;

TEST_F(GanttEditor, ControlsChangeTheSeriesAtOnce) {
    auto* gantt = new TGanttSeries(form);
    gantt->AddSampleValues(5);
    gantt->SetColorEachPoint(false);
    auto* e = Edit<TGanttSeriesEditor>(gantt);
    ASSERT_NE(e, nullptr);
    editortest::Screenshot(form, "gantt-series-editor");
    EXPECT_EQ(e->BConnLines->Pen(), gantt->ConnectingPen());
    e->SEPointVertSize->SetText(QStringLiteral("14"));
    EXPECT_EQ(gantt->Pointer()->VertSize(), 14);
    EXPECT_EQ(e->UDPointVertSize->Min(), 1);
    EXPECT_EQ(e->UDPointVertSize->Max(), 1000);
    e->Edit1->SetText(QStringLiteral("40"));
    EXPECT_EQ(gantt->Transparency(), 40);
    EXPECT_TRUE(e->BColor->Enabled());
    e->CBColorEach->SetChecked(true);
    EXPECT_TRUE(gantt->ColorEachPoint());
    EXPECT_FALSE(e->BColor->Enabled());
    e->CBColorEach->SetChecked(false);
    EXPECT_TRUE(e->BColor->Enabled());
}

TEST_F(GanttEditor, PointerTabIsInsertedOnceWithoutSizeOptions) {
    auto* gantt = new TGanttSeries(form);
    auto* e = Edit<TGanttSeriesEditor>(gantt);
    ASSERT_NE(e, nullptr);
    ASSERT_NE(e->PointerForm, nullptr);
    ASSERT_EQ(page->InsertedTabs().size(), 1u);
    TTabSheet* tab = page->InsertedTabs()[0];
    EXPECT_EQ(tab->Caption(), QStringLiteral("Gantt"));
    EXPECT_EQ(e->PointerForm->Parent(), tab);
    EXPECT_FALSE(e->PointerForm->SEPointHorizSize->Visible());
    EXPECT_FALSE(e->PointerForm->SEPointVertSize->Visible());
    TSeriesPointerEditor* pointer = e->PointerForm;
    ShowAgain(e);
    EXPECT_EQ(page->InsertedTabs().size(), 1u);
    EXPECT_EQ(e->PointerForm, pointer);
    Visit(tab);
    EXPECT_EQ(pointer->Pointer(), gantt->Pointer());
    editortest::Screenshot(form, "gantt-series-editor-pointer");
}

using BubbleEditor = SeriesEditorFixture;

TEST_F(BubbleEditor, IsThePointerEditorWithoutVisible) {
    auto* bubble = new TBubbleSeries(form);
    bubble->AddSampleValues(5);
    auto* e = Edit<TBubbleSeriesEditor>(bubble);
    ASSERT_NE(e, nullptr);
    editortest::Screenshot(form, "bubble-series-editor");
    EXPECT_FALSE(e->CBDrawPoint->Visible());
    EXPECT_TRUE(e->CBStyle->Visible());
    EXPECT_EQ(e->Pointer(), bubble->Pointer());
}

} // namespace
