#include "chart/editor/TeeFontEditor.h"

#include "PropertyDialogsFixture.h"

#include "chart/editor/BackImageEditor.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/gauges/GaugeFonts.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/Screen.h"
#include "platform/controls/UpDown.h"

#include <gtest/gtest.h>

using namespace dialogs_test;

namespace {

int addFontNamesCalls = 0;
void AddTestFontNames(TStrings* Names) {
    ++addFontNamesCalls;
    Names->Add(QStringLiteral("Segments Of Our Own"));
}

struct FontNamesHook {
    FontNamesHook() : previous(TeeAddFontNames) {
        TeeAddFontNames = &AddTestFontNames;
        addFontNamesCalls = 0;
    }
    ~FontNamesHook() { TeeAddFontNames = previous; }
    TTeeAddFontNamesProc previous;
};

TEST(FontEditor, EditsStylesNameSizeAndSpacingAndCancelGivesTheFontBack) {
    FontNamesHook hook;
    TTeeFont font;
    const String installed =
        Screen->Fonts()->Count() > 0 ? Screen->Fonts()->Strings(0) : QStringLiteral("Sans");
    font.SetName(installed);
    font.SetSize(10);
    ModalDriver driver([&](TCustomForm* f) {
        auto* e = static_cast<TTeeFontEditor*>(f);
        EXPECT_TRUE(e->PanelButtons->Visible());
        EXPECT_EQ(addFontNamesCalls, 1);
        EXPECT_GE(e->CBName->Items()->IndexOf(QStringLiteral("Segments Of Our Own")), 0);
        EXPECT_EQ(e->CBName->Text(), installed);
        EXPECT_EQ(e->ESize->Text(), QStringLiteral("10"));
        Screenshot(e, "font-editor");
        e->CBBold->SetChecked(true);
        e->CBStrike->SetChecked(true);
        EXPECT_TRUE(font.Style().Contains(fsBold));
        EXPECT_TRUE(font.Style().Contains(fsStrikeOut));
        e->ESize->SetText(QStringLiteral("14"));
        EXPECT_EQ(font.Size(), 14);
        e->EInter->SetText(QStringLiteral("-3"));
        EXPECT_EQ(font.InterCharSize(), -3);
        e->CBName->SetItemIndex(e->CBName->Items()->IndexOf(QStringLiteral("Segments Of Our Own")));
        e->CBName->OnChange(e->CBName);
        EXPECT_EQ(font.Name(), QStringLiteral("Segments Of Our Own"));
        e->BCancel->Click();
    });
    EXPECT_FALSE(EditTeeFontEx(nullptr, &font));
    EXPECT_EQ(font.Name(), installed);
    EXPECT_EQ(font.Size(), 10);
    EXPECT_EQ(font.InterCharSize(), 0);
    EXPECT_FALSE(font.Style().Contains(fsBold));
}

TEST(FontEditor, ANameNotInstalledShowsNoneAndSizeWaitsForTheFormToShow) {
    TTeeFont font;
    font.SetName(QStringLiteral("No Such Face 123"));
    std::unique_ptr<TForm> host(new TForm(nullptr));
    host->AfterConstruction();
    host->SetBounds(0, 0, 400, 300);
    TTeeFontEditor* e = InsertTeeFontEditor(host.get());
    EXPECT_FALSE(e->PanelButtons->Visible());
    e->RefreshControls(&font);
    EXPECT_EQ(e->CBName->ItemIndex(), -1);
    // Not showing: typing a size changes nothing yet.
    e->ESize->SetText(QStringLiteral("30"));
    EXPECT_NE(font.Size(), 30);
    host->Show();
    e->ESize->SetText(QStringLiteral("31"));
    EXPECT_EQ(font.Size(), 31);
    host->Hide();
    FreeObject(e);
}

TEST(FontEditor, TheEffectTabsGetTheirEditorsOnFirstVisitAndAreFreedInEitherOrder) {
    for (bool hostFirst : {false, true}) {
        TTeeFont font;
        font.Shadow()->SetHorizSize(6);
        std::unique_ptr<TForm> host(new TForm(nullptr));
        host->AfterConstruction();
        host->SetBounds(0, 0, 420, 320);
        auto* pages = new TPageControl(host.get());
        pages->SetParent(host.get());
        pages->SetAlign(alClient);
        auto* tab = new TTabSheet(host.get());
        tab->SetPageControl(pages);
        host->Show();
        TTeeFontEditor* e = InsertTeeFontEditor(tab);
        e->RefreshControls(&font);
        EXPECT_FALSE(e->FShadowEditor);
        for (TTabSheet* t : {e->TabShadow, e->TabGradient, e->TabPicture}) {
            e->PageControl1->SetActivePage(t);
            e->PageControl1Change(e->PageControl1);
        }
        ASSERT_TRUE(e->FShadowEditor && e->FGradientEditor && e->FPicEditor);
        EXPECT_EQ(e->FShadowEditor->Shadow, font.Shadow());
        EXPECT_EQ(e->FGradientEditor->TheGradient, font.Gradient());
        EXPECT_FALSE(e->FPicEditor->RGBitmap->Visible());
        EXPECT_FALSE(e->FPicEditor->GBPosition->Visible());
        host->Hide();
        if (hostFirst) {
            host.reset(); // the tab takes the font editor and what it inserted
        } else {
            FreeObject(e);
            EXPECT_EQ(tab->ControlCount(), 0);
        }
    }
}

} // namespace
