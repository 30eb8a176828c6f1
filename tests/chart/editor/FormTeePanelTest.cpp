// The Panel page: colour and its Default box, borders and bevels, margins in percent and in
// pixels, and the sub-editors of the Gradient, Shadow and Image tabs.
#include "EditorPagesTestSupport.h"

#include "chart/editor/BackImageEditor.h"
#include "chart/editor/FormTeePanel.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/UpDown.h"

class PanelPage : public EditorPageFixture {
protected:
    void ShowPage() {
        page = TFormTeePanel::InsertAt(form, form, chart);
        page->Show();
    }
    static void Choose(TComboFlat* Combo, int Index) {
        Combo->SetItemIndex(Index);
        Combo->OnChange(Combo);
    }

    TFormTeePanel* page = nullptr;
};

TEST_F(PanelPage, ButtonFaceColourShowsDefaultCheckedAndDisabled) {
    chart->SetColor(clBtnFace);
    ShowPage();
    EditorScreenshot(page, "panel-page");
    EXPECT_EQ(page->PageControl1->ActivePage(), page->TabColor);
    EXPECT_EQ(page->BPanelColor->Instance, chart);
    EXPECT_TRUE(page->CBColorDef->Checked());
    EXPECT_FALSE(page->CBColorDef->Enabled());

    // Another colour chosen with the button frees the box; checking it restores the
    // button-face colour and locks it again.
    page->BPanelColor->SetSymbolColor(clRed);
    page->BPanelColorClick(page->BPanelColor);
    EXPECT_EQ(chart->Color(), clRed);
    EXPECT_FALSE(page->CBColorDef->Checked());
    EXPECT_TRUE(page->CBColorDef->Enabled());
    page->CBColorDef->SetChecked(true);
    EXPECT_EQ(chart->Color(), clBtnFace);
    EXPECT_FALSE(page->CBColorDef->Enabled());
}

TEST_F(PanelPage, BordersAndBevelsWriteThePanel) {
    ShowPage();
    page->PageControl1->SetActivePage(page->TabBorders);
    EditorScreenshot(page, "panel-page-borders");
    page->SEPanelBor->SetText(QStringLiteral("6"));
    EXPECT_EQ(chart->BorderWidth(), 6);
    page->SEPanelWi->SetText(QStringLiteral("3"));
    EXPECT_EQ(chart->BevelWidth(), 3);
    page->ERound->SetText(QStringLiteral("20"));
    EXPECT_EQ(chart->BorderRound(), 20);
    Choose(page->CBInner, 1);
    EXPECT_EQ(chart->BevelInner(), bvLowered);
    Choose(page->CBOuter, 0);
    EXPECT_EQ(chart->BevelOuter(), bvNone);
    page->CBImageInside->SetChecked(true);
    EXPECT_TRUE(chart->BackImage()->Inside());
}

TEST_F(PanelPage, PercentMarginsMustLeaveRoomPixelsNeedNot) {
    chart->SetMarginUnits(muPercent);
    ShowPage();
    page->PageControl1->SetActivePage(page->TabMargins);
    EditorScreenshot(page, "panel-page-margins");
    EXPECT_EQ(page->UDLeftMa->Max(), 100);
    page->SELeftMa->SetText(QStringLiteral("60"));
    EXPECT_EQ(chart->MarginLeft(), 60);
    const int right = chart->MarginRight();
    page->SERightMa->SetText(QStringLiteral("40"));
    EXPECT_EQ(chart->MarginRight(), right) << "60 and 40 reach 100: refused";
    EXPECT_EQ(page->UDRightMa->Position(), right);
    EXPECT_EQ(page->SERightMa->Text(), QString::number(right));
    page->SEBotMa->SetText(QStringLiteral("30"));
    EXPECT_EQ(chart->MarginBottom(), 30);

    Choose(page->CBMarUnits, 1);
    EXPECT_EQ(chart->MarginUnits(), muPixels);
    EXPECT_EQ(page->UDLeftMa->Min(), -2000);
    EXPECT_EQ(page->UDLeftMa->Max(), 2000);
    EXPECT_EQ(chart->MarginLeft(), 60) << "the values stay as numbers";
    page->SERightMa->SetText(QStringLiteral("40"));
    EXPECT_EQ(chart->MarginRight(), 40);
    page->SETopMa->SetText(QStringLiteral("-150"));
    EXPECT_EQ(chart->MarginTop(), -150);
}

TEST_F(PanelPage, PixelMarginsAreNotClampedByOpeningThePage) {
    chart->SetMarginUnits(muPixels);
    chart->SetMarginLeft(400);
    ShowPage();
    EXPECT_EQ(page->UDLeftMa->Position(), 400);
    EXPECT_EQ(chart->MarginLeft(), 400);
}

TEST_F(PanelPage, SubEditorsAreMadeOnTheirTabsFirstVisit) {
    ShowPage();
    for (TTabSheet* tab : {page->TabGradient, page->TabShadow, page->TabImage}) {
        page->PageControl1->SetActivePage(tab);
        page->PageControl1Change(page->PageControl1);
        EXPECT_EQ(tab->ControlCount(), 1) << tab->Caption().toStdString();
    }
    ASSERT_NE(page->GradientEditor(), nullptr);
    EXPECT_EQ(page->GradientEditor()->TheGradient, chart->Gradient());
    EXPECT_NE(dynamic_cast<TTeeShadowEditor*>(page->TabShadow->Controls(0)), nullptr);
    EXPECT_NE(dynamic_cast<TBackImageEditor*>(page->TabImage->Controls(0)), nullptr);
    page->PageControl1->SetActivePage(page->TabGradient);
    EditorScreenshot(page, "panel-page-gradient");
    // A second visit makes nothing new.
    TTeeGradientEditor* first = page->GradientEditor();
    page->PageControl1->SetActivePage(page->TabColor);
    page->PageControl1->SetActivePage(page->TabGradient);
    page->PageControl1Change(page->PageControl1);
    EXPECT_EQ(page->GradientEditor(), first);
    EXPECT_EQ(page->TabGradient->ControlCount(), 1);
}

// The gradient editor belongs to the page: freeing the page frees it, even once it has been
// taken out of its tab.
TEST_F(PanelPage, GradientEditorGoesWithThePage) {
    ShowPage();
    page->PageControl1->SetActivePage(page->TabGradient);
    page->PageControl1Change(page->PageControl1);
    ASSERT_NE(page->GradientEditor(), nullptr);
    EXPECT_EQ(page->GradientEditor()->Owner(), page);
    bool freed = false;
    page->GradientEditor()->OnDestroy = TNotifyEvent([&freed](TObject*) { freed = true; });
    page->GradientEditor()->SetParent(nullptr);
    delete page;
    EXPECT_TRUE(freed);
}
