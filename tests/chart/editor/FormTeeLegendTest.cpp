// The Legend page: every control writes into the legend at once; the custom position locks
// and unlocks its controls; the check-box combo; the title's lines; one symbol editor for the
// page's life.
#include "EditorPagesTestSupport.h"

#include "chart/editor/CustomShapeEditor.h"
#include "chart/editor/FormTeeLegend.h"
#include "chart/editor/SymbolEditor.h"
#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/series/LineSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/UpDown.h"

class LegendPage : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        auto* series = new TLineSeries(form);
        series->SetParentChart(chart);
        series->AddXY(0, 1);
        series->AddXY(1, 2);
    }
    void ShowPage() {
        page = new TFormTeeLegend(form, chart->Legend());
        page->AfterConstruction();
        page->SetParent(form);
        page->SetBounds(300, 0, 450, 260);
        page->Show();
    }
    // A choice in a combo as the user makes it: the item, then the change event.
    static void Choose(TComboFlat* Combo, int Index) {
        Combo->SetItemIndex(Index);
        Combo->OnChange(Combo);
    }
    TCustomChartLegend* Legend() { return chart->Legend(); }

    TFormTeeLegend* page = nullptr;
};

TEST_F(LegendPage, StyleControlsWriteTheLegendAtOnce) {
    Legend()->SetTextStyle(ltsRightPercent);
    Legend()->SetLegendStyle(lsValues);
    ShowPage();
    EditorScreenshot(page, "legend-page");
    EXPECT_EQ(page->PageControl1->ActivePage(), page->TabStyle);
    EXPECT_EQ(page->CBLegStyle->ItemIndex(), int(ltsRightPercent));
    EXPECT_EQ(page->CBLegendStyle->ItemIndex(), int(lsValues));
    EXPECT_TRUE(page->CBShow->Checked());

    Choose(page->CBLegStyle, 9);
    EXPECT_EQ(Legend()->TextStyle(), ltsXAndPercent);
    Choose(page->CBLegendStyle, 4);
    EXPECT_EQ(Legend()->LegendStyle(), lsSeriesGroups);
    page->CBInverted->SetChecked(true);
    EXPECT_TRUE(Legend()->Inverted());
    page->CBFontColor->SetChecked(true);
    EXPECT_TRUE(Legend()->FontSeriesColor());
    page->EVertSpacing->SetText(QStringLiteral("7"));
    EXPECT_EQ(Legend()->VertSpacing(), 7);
    page->CBShow->SetChecked(false);
    EXPECT_FALSE(Legend()->Visible());
}

TEST_F(LegendPage, PositionRadioAndMarginFollowTheLegendsOrientation) {
    Legend()->SetHorizMargin(11);
    Legend()->SetVertMargin(22);
    ShowPage();
    EXPECT_EQ(page->RGPosition->ItemIndex(), int(laRight));
    EXPECT_EQ(page->UDMargin->Position(), 11) << "a vertical legend shows its horizontal margin";
    page->SEMargin->SetText(QStringLiteral("15"));
    EXPECT_EQ(Legend()->HorizMargin(), 15);

    page->RGPosition->SetItemIndex(int(laBottom));
    EXPECT_EQ(Legend()->Alignment(), laBottom);
    EXPECT_EQ(page->SEMargin->Text(), QStringLiteral("15")) << "the margin box keeps the value it had";
    page->SEMargin->SetText(QStringLiteral("30"));
    EXPECT_EQ(Legend()->VertMargin(), 30);
    EXPECT_EQ(Legend()->HorizMargin(), 15);

    page->SETopPos->SetText(QStringLiteral("40"));
    EXPECT_EQ(Legend()->TopPos(), 40);
}

TEST_F(LegendPage, CustomPositionLocksResizeMarginAndOffset) {
    ASSERT_TRUE(Legend()->ResizeChart());
    ShowPage();
    page->PageControl1->SetActivePage(page->TabPosition);
    EXPECT_FALSE(page->ECustLeft->Enabled());
    EXPECT_FALSE(page->CBPosPercent->Enabled());

    page->CBCustPos->SetChecked(true);
    EditorScreenshot(page, "legend-page-position");
    EXPECT_TRUE(Legend()->CustomPosition());
    EXPECT_FALSE(Legend()->ResizeChart());
    EXPECT_FALSE(page->CBResizeChart->Checked());
    for (TControl* c : {static_cast<TControl*>(page->CBResizeChart), static_cast<TControl*>(page->SEMargin),
                        static_cast<TControl*>(page->UDMargin), static_cast<TControl*>(page->SETopPos),
                        static_cast<TControl*>(page->UDTopPos)})
        EXPECT_FALSE(c->Enabled()) << c->Name().toStdString();
    for (TControl* c : {static_cast<TControl*>(page->ECustLeft), static_cast<TControl*>(page->UDCustLeft),
                        static_cast<TControl*>(page->ECustTop), static_cast<TControl*>(page->UDCustTop),
                        static_cast<TControl*>(page->CBPosPercent)})
        EXPECT_TRUE(c->Enabled()) << c->Name().toStdString();

    // Pixels move the legend; percent stores the percent position.
    ASSERT_EQ(Legend()->PositionUnits(), muPixels);
    page->ECustLeft->SetText(QStringLiteral("25"));
    page->ECustTop->SetText(QStringLiteral("35"));
    EXPECT_EQ(Legend()->Left(), 25);
    EXPECT_EQ(Legend()->Top(), 35);
    Legend()->SetLeftPercent(12);
    page->CBPosPercent->SetChecked(true);
    EXPECT_EQ(Legend()->PositionUnits(), muPercent);
    EXPECT_EQ(page->UDCustLeft->Position(), 12) << "the boxes show the percent position";
    page->ECustTop->SetText(QStringLiteral("45"));
    EXPECT_EQ(Legend()->TopPercent(), 45);
    EXPECT_EQ(Legend()->Top(), 35);

    page->CBCustPos->SetChecked(false);
    EXPECT_FALSE(Legend()->CustomPosition());
    EXPECT_TRUE(page->CBResizeChart->Enabled());
    EXPECT_TRUE(page->SEMargin->Enabled());
    EXPECT_TRUE(page->SETopPos->Enabled());
    EXPECT_FALSE(page->ECustLeft->Enabled());
    EXPECT_FALSE(page->CBResizeChart->Checked()) << "turning custom off leaves Resize Chart unchecked";
    EXPECT_FALSE(Legend()->ResizeChart());
}

TEST_F(LegendPage, CheckBoxCombo) {
    Legend()->SetCheckBoxes(true);
    Legend()->SetCheckBoxesStyle(cbsRadio);
    ShowPage();
    EXPECT_EQ(page->CBCheckBoxes->Text(), QStringLiteral("Radio buttons"));

    Choose(page->CBCheckBoxes, 0);
    EXPECT_FALSE(Legend()->CheckBoxes());
    EXPECT_EQ(Legend()->CheckBoxesStyle(), cbsRadio) << "the style is left as it was";
    Choose(page->CBCheckBoxes, 1);
    EXPECT_TRUE(Legend()->CheckBoxes());
    EXPECT_EQ(Legend()->CheckBoxesStyle(), cbsCheck);
    Choose(page->CBCheckBoxes, 2);
    EXPECT_EQ(Legend()->CheckBoxesStyle(), cbsRadio);
}

TEST_F(LegendPage, TitleTextAlignmentAndVisibility) {
    Legend()->Title()->SetTextAlignment(taRightJustify);
    ShowPage();
    page->PageControl1->SetActivePage(page->TabTitle);
    EXPECT_EQ(page->PageControlTitle->ActivePage(), page->TabTitleOptions);
    EXPECT_EQ(page->CBTextAlign->Text(), QStringLiteral("Right"));
    EditorScreenshot(page, "legend-page-title");

    // Typed lines end with a carriage return and a line feed.
    page->MemoText->SetText(QStringLiteral("First line\r\nSecond line"));
    ASSERT_EQ(Legend()->Title()->Text()->Count(), 2);
    EXPECT_EQ(Legend()->Title()->Text()->Strings(0), QStringLiteral("First line"));
    EXPECT_EQ(Legend()->Title()->Text()->Strings(1), QStringLiteral("Second line"));
    page->MemoText->SetText(QStringLiteral("One\nTwo\rThree"));
    EXPECT_EQ(Legend()->Title()->Text()->Count(), 3) << "a line ends at either character alone";

    Choose(page->CBTextAlign, 1);
    EXPECT_EQ(Legend()->Title()->TextAlignment(), taCenter);
    Choose(page->CBTextAlign, 2);
    EXPECT_EQ(Legend()->Title()->TextAlignment(), taRightJustify);
    page->CBTitleVisible->SetChecked(!Legend()->Title()->Visible());
    EXPECT_EQ(Legend()->Title()->Visible(), page->CBTitleVisible->Checked());
}

TEST_F(LegendPage, ShapeEditorsAreInsertedForLegendAndTitle) {
    ShowPage();
    ASSERT_NE(page->ITeeObject, nullptr);
    ASSERT_NE(page->ITitleObject, nullptr);
    EXPECT_EQ(page->ITeeObject->TheShape, Legend());
    EXPECT_EQ(page->ITitleObject->TheShape, Legend()->Title());
    EXPECT_GT(page->PageControl1->PageCount(), 4);
    EXPECT_GT(page->PageControlTitle->PageCount(), 1);
    // The legend's font tab gets its editor when it is first made active.
    page->PageControl1->SetActivePage(page->ITeeObject->TabText);
    page->PageControl1Change(page->PageControl1);
    EXPECT_NE(page->ITeeObject->FFontEditor, nullptr);
}

// Showing the page again (each visit of its tab) refreshes the one symbol editor instead of
// stacking a new one on the old.
TEST_F(LegendPage, SymbolEditorIsMadeOnceAndRefreshed) {
    ShowPage();
    TSymbolEditor* first = page->SymbolEditor();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Symbol, Legend()->Symbol());
    EXPECT_EQ(page->TabSymbol->ControlCount(), 1);
    page->PageControl1->SetActivePage(page->TabSymbol);
    EditorScreenshot(page, "legend-page-symbols");

    Legend()->Symbol()->SetSquared(!Legend()->Symbol()->Squared());
    for (int visit = 0; visit < 3; ++visit) {
        page->Hide();
        page->Show();
    }
    EXPECT_EQ(page->SymbolEditor(), first);
    EXPECT_EQ(page->TabSymbol->ControlCount(), 1);
    EXPECT_EQ(first->CBSquared->Checked(), Legend()->Symbol()->Squared()) << "refreshed on the later shows";
}
