// The Titles page: the title combo switches the title edited, the controls write into it at
// once, the alignment is kept across reopening, the text follows the memo and the custom
// position unlocks the position boxes.
#include "EditorPagesTestSupport.h"

#include "chart/editor/CustomShapeEditor.h"
#include "chart/editor/FormTeeTitle.h"
#include "chart/engine/chart/ChartTitles.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/UpDown.h"

class TitlePage : public EditorPageFixture {
protected:
    void ShowPage(TChartTitle* Title) {
        delete page;
        page = new TFormTeeTitle(form, Title, chart);
        page->AfterConstruction();
        page->SetParent(form);
        page->Show();
    }
    static void Choose(TComboFlat* Combo, int Index) {
        Combo->SetItemIndex(Index);
        Combo->OnChange(Combo);
    }

    TFormTeeTitle* page = nullptr;
};

TEST_F(TitlePage, OpensOnTheTitleGivenAndSwitchesWithTheCombo) {
    chart->Title()->SetCaption(QStringLiteral("Main"));
    chart->Foot()->SetCaption(QStringLiteral("Bottom line"));
    ShowPage(chart->SubFoot());
    EXPECT_EQ(page->CBTitles->ItemIndex(), 2);
    EXPECT_EQ(page->PageControl1->ActivePage(), page->TabStyle);
    ASSERT_NE(page->ITeeObject, nullptr);
    EXPECT_EQ(page->ITeeObject->TheShape, chart->SubFoot());

    Choose(page->CBTitles, 3);
    EXPECT_EQ(page->TheTitle, chart->Foot());
    EXPECT_EQ(page->MText->Lines()->Strings(0), QStringLiteral("Bottom line"));
    EXPECT_EQ(page->ITeeObject->TheShape, chart->Foot()) << "the shape tabs follow the title";
    Choose(page->CBTitles, 0);
    EditorScreenshot(page, "title-page");
    EXPECT_EQ(page->MText->Lines()->Strings(0), QStringLiteral("Main"));

    page->CBVisible->SetChecked(false);
    EXPECT_FALSE(chart->Title()->Visible());
    page->CBAdjust->SetChecked(false);
    EXPECT_FALSE(chart->Title()->AdjustFrame());
    EXPECT_TRUE(chart->Foot()->AdjustFrame());
    page->Edit1->SetText(QStringLiteral("12"));
    EXPECT_EQ(chart->Title()->VertMargin(), 12);
}

TEST_F(TitlePage, CenterIsKeptOnReopening) {
    chart->Title()->SetAlignment(taLeftJustify);
    ShowPage(chart->Title());
    EXPECT_EQ(page->CBAlign->Text(), QStringLiteral("Left"));
    Choose(page->CBAlign, 2);
    EXPECT_EQ(chart->Title()->Alignment(), taRightJustify);
    Choose(page->CBAlign, 1);
    EXPECT_EQ(chart->Title()->Alignment(), taCenter);
    ShowPage(chart->Title());
    EXPECT_EQ(page->CBAlign->Text(), QStringLiteral("Center"));
}

TEST_F(TitlePage, MemoLinesBecomeTheTitlesText) {
    ShowPage(chart->Title());
    page->MText->SetText(QStringLiteral("Engine speed\r\nand load"));
    ASSERT_EQ(chart->Title()->Text()->Count(), 2);
    EXPECT_EQ(chart->Title()->Text()->Strings(1), QStringLiteral("and load"));
    // Filling the memo from another title leaves both titles alone.
    chart->SubTitle()->SetCaption(QStringLiteral("Sub"));
    Choose(page->CBTitles, 1);
    EXPECT_EQ(chart->Title()->Text()->Count(), 2);
    EXPECT_EQ(chart->SubTitle()->Text()->Count(), 1);
}

TEST_F(TitlePage, CustomPositionUnlocksAndMovesTheTitle) {
    chart->Title()->SetCaption(QStringLiteral("Main"));
    ShowPage(chart->Title());
    chart->Draw();
    page->PageControl1->SetActivePage(page->TabPosition);
    EXPECT_FALSE(page->ECustLeft->Enabled());
    page->ECustLeft->SetText(QStringLiteral("40"));
    EXPECT_FALSE(chart->Title()->CustomPosition()) << "the boxes act only for a custom position";

    page->CBCustPos->SetChecked(true);
    EditorScreenshot(page, "title-page-position");
    EXPECT_TRUE(chart->Title()->CustomPosition());
    EXPECT_TRUE(page->ECustLeft->Enabled());
    EXPECT_TRUE(page->UDCustTop->Enabled());
    EXPECT_EQ(page->UDCustLeft->Position(), chart->Title()->Left()) << "the boxes show where the title is";
    page->ECustLeft->SetText(QStringLiteral("40"));
    page->ECustTop->SetText(QStringLiteral("25"));
    EXPECT_EQ(chart->Title()->Left(), 40);
    EXPECT_EQ(chart->Title()->Top(), 25);

    page->CBCustPos->SetChecked(false);
    EXPECT_FALSE(chart->Title()->CustomPosition());
    EXPECT_FALSE(page->ECustTop->Enabled());
}
