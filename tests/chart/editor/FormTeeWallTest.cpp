// The Walls page: one tab per wall, every control writing into the wall shown, the common
// size for all four walls, the controls only some walls have, and the picture and gradient
// dialogs.
#include "EditorPagesTestSupport.h"

#include "chart/editor/BackImageEditor.h"
#include "chart/editor/FormTeeWall.h"
#include "chart/editor/GradientEditor.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/ChartWalls.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/TabControl.h"
#include "platform/controls/UpDown.h"

class WallPage : public EditorPageFixture {
protected:
    void ShowPage(TCustomChartWall* Wall) {
        page = new TFormTeeWall(form, Wall);
        page->AfterConstruction();
        page->SetParent(form);
        page->Show();
    }
    void SelectTab(int Index) {
        page->TabSubWalls->SetTabIndex(Index);
        page->TabSubWallsChange(page->TabSubWalls);
    }
    TChartWalls* Walls() { return chart->Walls(); }

    TFormTeeWall* page = nullptr;
};

TEST_F(WallPage, EachTabShowsItsWallsOwnControls) {
    ShowPage(Walls()->Back());
    EditorScreenshot(page, "wall-page-back");
    ASSERT_EQ(page->TabSubWalls->Tabs()->Count(), 4);
    EXPECT_EQ(page->TabSubWalls->TabIndex(), 3);
    struct Case {
        const char* Tab;
        TCustomChartWall* Wall;
        bool AutoHide, Shadow;
    } const cases[] = {
        {"Left", Walls()->Left(), true, false},
        {"Right", Walls()->Right(), true, false},
        {"Bottom", Walls()->Bottom(), false, false},
        {"Back", Walls()->Back(), true, true},
    };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(cases[i].Tab);
        EXPECT_EQ(page->TabSubWalls->Tabs()->Strings(i), QString::fromLatin1(cases[i].Tab));
        SelectTab(i);
        EXPECT_EQ(page->TheWall, cases[i].Wall);
        EXPECT_EQ(page->CBAutoHide->Visible(), cases[i].AutoHide);
        EXPECT_EQ(page->BShadow->Visible(), cases[i].Shadow);
        EXPECT_EQ(page->BWallColor->Instance, cases[i].Wall);
    }
    SelectTab(2);
    EditorScreenshot(page, "wall-page-bottom");
}

TEST_F(WallPage, ControlsWriteTheWallShown) {
    ShowPage(Walls()->Left());
    ASSERT_EQ(Walls()->Left()->Size(), 0);
    EXPECT_FALSE(page->CBDark3D->Enabled()) << "no dark 3-D for a wall without size";
    page->SEWallSize->SetText(QStringLiteral("8"));
    EXPECT_EQ(Walls()->Left()->Size(), 8);
    EXPECT_TRUE(page->CBDark3D->Enabled());
    page->CBDark3D->SetChecked(false);
    EXPECT_FALSE(Walls()->Left()->Dark3D());
    page->Edit1->SetText(QStringLiteral("40"));
    EXPECT_EQ(Walls()->Left()->Transparency(), 40);
    page->Edit2->SetText(QStringLiteral("10"));
    page->Edit3->SetText(QStringLiteral("90"));
    EXPECT_EQ(Walls()->Left()->StartPosition(), 10);
    EXPECT_EQ(Walls()->Left()->EndPosition(), 90);
    page->CBTransp->SetChecked(!Walls()->Left()->Transparent());
    EXPECT_EQ(Walls()->Left()->Transparent(), page->CBTransp->Checked());
    page->CBVisible->SetChecked(false);
    EXPECT_FALSE(Walls()->Left()->Visible());
    page->CBAutoHide->SetChecked(true);
    EXPECT_TRUE(Walls()->Left()->AutoHide());
    page->CBView3dWalls->SetChecked(false);
    EXPECT_FALSE(chart->View3DWalls());

    // The other walls were left alone; switching shows their own values.
    EXPECT_EQ(Walls()->Right()->StartPosition(), 0);
    SelectTab(1);
    EXPECT_EQ(page->SEWallSize->Text(), QStringLiteral("0"));
    EXPECT_EQ(Walls()->Left()->Size(), 8) << "filling the controls for another wall writes nothing back";
    EXPECT_EQ(Walls()->Right()->Size(), 0);
}

TEST_F(WallPage, CommonSizeSetsAllFourWalls) {
    ShowPage(Walls()->Bottom());
    page->EAllSize->SetText(QStringLiteral("12"));
    for (TCustomChartWall* w :
         {static_cast<TCustomChartWall*>(Walls()->Left()), static_cast<TCustomChartWall*>(Walls()->Right()),
          static_cast<TCustomChartWall*>(Walls()->Bottom()), static_cast<TCustomChartWall*>(Walls()->Back())})
        EXPECT_EQ(w->Size(), 12);
    EXPECT_EQ(page->UDWallSize->Position(), 12);
    EXPECT_EQ(page->SEWallSize->Text(), QStringLiteral("12"));
    EXPECT_TRUE(page->CBDark3D->Enabled());
}

TEST_F(WallPage, GradientCoversTheWallAndPictureDialogHidesStyleAndPosition) {
    TDialogsAnswered dialogs;
    ShowPage(Walls()->Back());
    Walls()->Back()->SetTransparent(true);
    page->RefreshControls(Walls()->Back());
    ASSERT_TRUE(page->CBTransp->Checked());
    Walls()->Back()->Gradient()->SetVisible(true);
    dialogs.OnModal = [](TCustomForm*) { return int(mrOk); };
    page->BGradient->Click();
    EXPECT_FALSE(Walls()->Back()->Transparent());
    EXPECT_FALSE(page->CBTransp->Checked());

    bool styleShown = true, positionShown = true, buttonsShown = false;
    dialogs.OnModal = [&](TCustomForm* f) {
        if (auto* editor = dynamic_cast<TBackImageEditor*>(f)) {
            styleShown = editor->RGBitmap->Visible();
            positionShown = editor->GBPosition->Visible();
            buttonsShown = editor->PanelButtons->Visible();
            EXPECT_EQ(editor->Image, Walls()->Back()->Picture());
        }
        return int(mrCancel);
    };
    page->BImage->Click();
    EXPECT_FALSE(styleShown);
    EXPECT_FALSE(positionShown);
    EXPECT_TRUE(buttonsShown);
}
