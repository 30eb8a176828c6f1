#include "chart/editor/ChartShapeEditor.h"

#include "EditorBaseTestSupport.h"
#include "SeriesEditorsTestSupport.h"

#include "chart/editor/TeeFontEditor.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/series/ChartShape.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/UpDown.h"

#include <gtest/gtest.h>

namespace {

using ChartShapeEditorTest = SeriesEditorFixture;

TChartShape* NewShape(TComponent* Owner, int Points) {
    auto* shape = new TChartShape(Owner);
    shape->Clear();
    if (Points >= 1) shape->AddXY(10, 20);
    if (Points >= 2) shape->AddXY(30.5, 40);
    return shape;
}

TEST_F(ChartShapeEditorTest, PositionBoxesShowTheCornersOnlyForTwoPoints) {
    for (int points : {0, 1, 2}) {
        SCOPED_TRACE(points);
        auto* shape = NewShape(form, points);
        auto* e = Edit<TChartShapeEditor>(shape);
        ASSERT_NE(e, nullptr);
        if (points == 2) {
            EXPECT_EQ(e->SEX0->Text(), QStringLiteral("10"));
            EXPECT_EQ(e->SEY0->Text(), QStringLiteral("20"));
            EXPECT_EQ(e->SEX1->Text(), QStringLiteral("30.5"));
            EXPECT_EQ(e->SEY1->Text(), QStringLiteral("40"));
        } else {
            for (TEdit* box : {e->SEX0, e->SEX1, e->SEY0, e->SEY1})
                EXPECT_TRUE(box->Text().isEmpty());
        }
        // Showing the editor adds no point.
        EXPECT_EQ(shape->Count(), points);
        FreeObject(e);
        FreeObject(shape);
    }
}

TEST_F(ChartShapeEditorTest, CoordinateBoxesIgnoreTextThatIsNoNumber) {
    auto* shape = NewShape(form, 2);
    auto* e = Edit<TChartShapeEditor>(shape);
    ASSERT_NE(e, nullptr);
    const struct {
        TEdit* box;
        const char* text;
        double x0, x1, y0, y1;
    } steps[] = {
        {e->SEX0, "5", 5, 30.5, 20, 40},    {e->SEX0, "", 5, 30.5, 20, 40},
        {e->SEX0, "-", 5, 30.5, 20, 40},    {e->SEX1, "x1", 5, 30.5, 20, 40},
        {e->SEX1, "60", 5, 60, 20, 40},     {e->SEY0, "-3.5", 5, 60, -3.5, 40},
        {e->SEY1, "100", 5, 60, -3.5, 100},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.text);
        EXPECT_NO_THROW(s.box->SetText(QString::fromLatin1(s.text)));
        EXPECT_DOUBLE_EQ(shape->X0(), s.x0);
        EXPECT_DOUBLE_EQ(shape->X1(), s.x1);
        EXPECT_DOUBLE_EQ(shape->Y0(), s.y0);
        EXPECT_DOUBLE_EQ(shape->Y1(), s.y1);
    }
    EXPECT_EQ(shape->Count(), 2);
    e->CBUnits->SetItemIndex(0);
    e->CBUnitsChange(e->CBUnits);
    EXPECT_EQ(shape->XYStyle(), xysPixels);
}

TEST_F(ChartShapeEditorTest, RoundRectangleOnlyForARectangleInTwoD) {
    const struct {
        bool view3D;
        int style;
        bool enabled;
    } cases[] = {{false, int(chasRectangle), true},
                 {false, int(chasCircle), false},
                 {true, int(chasRectangle), false},
                 {true, int(chasCircle), false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.view3D << " " << c.style);
        chart->SetView3D(c.view3D);
        auto* shape = NewShape(form, 2);
        shape->SetStyle(chasRectangle);
        auto* e = Edit<TChartShapeEditor>(shape);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->CBRound->Enabled(), !c.view3D);
        e->CBStyle->SetItemIndex(c.style);
        e->CBStyleChange(e->CBStyle);
        EXPECT_EQ(int(shape->Style()), c.style);
        EXPECT_EQ(e->CBRound->Enabled(), c.enabled);
        FreeObject(e);
        FreeObject(shape);
    }
}

TEST_F(ChartShapeEditorTest, StyleTextAndAlignmentChangeTheShapeAtOnce) {
    auto* shape = NewShape(form, 2);
    shape->SetAlignment(taRightJustify);
    shape->SetVertAlign(vaBottom);
    shape->Text()->Add(QStringLiteral("first"));
    shape->Font()->SetSize(14);
    auto* e = Edit<TChartShapeEditor>(shape);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->RGAlign->ItemIndex(), 2);
    EXPECT_EQ(e->RGVertAlign->ItemIndex(), 2);
    EXPECT_EQ(e->MemoText->Lines()->Text().trimmed(), QStringLiteral("first"));
    EXPECT_EQ(e->MemoText->Font()->Size(), 14);
    ASSERT_NE(e->FEditFont, nullptr);
    EXPECT_EQ(e->FEditFont->Parent(), e->TabFont);

    const struct {
        int item;
        TAlignment alignment;
    } aligns[] = {{0, taLeftJustify}, {1, taCenter}, {2, taRightJustify}};
    for (const auto& a : aligns) {
        e->RGAlign->SetItemIndex(a.item);
        e->RGAlignClick(e->RGAlign);
        EXPECT_EQ(shape->Alignment(), a.alignment);
    }
    e->RGVertAlign->SetItemIndex(0);
    e->RGVertAlignClick(e->RGVertAlign);
    EXPECT_EQ(shape->VertAlign(), vaTop);

    e->MemoText->Lines()->Clear();
    e->MemoText->Lines()->Add(QStringLiteral("one"));
    e->MemoText->Lines()->Add(QStringLiteral("two"));
    e->MemoTextChange(e->MemoText);
    ASSERT_EQ(shape->Text()->Count(), 2);
    EXPECT_EQ(shape->Text()->Strings(1), QStringLiteral("two"));

    e->CBTrans->SetChecked(true);
    EXPECT_TRUE(shape->Transparent());
    e->Edit1->SetText(QStringLiteral("30"));
    EXPECT_EQ(shape->Transparency(), 30);
    e->PageControl1->SetActivePage(e->TabText);
    editortest::Screenshot(form, "chart-shape-editor-text");
    e->PageControl1->SetActivePage(e->TabStyle);
    editortest::Screenshot(form, "chart-shape-editor");
}

} // namespace
