#include "chart/editor/ShadowEditor.h"
#include "chart/editor/MarginsEditor.h"

#include "PropertyDialogsFixture.h"

#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/pictures/BitmapFilters.h"
#include "chart/engine/series/Margins.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"

#include <gtest/gtest.h>

using namespace dialogs_test;

namespace {

TEST(ShadowEditor, SmoothEnablesBlurAndClipAndEveryChangeIsKept) {
    TTeeShadow shadow;
    shadow.SetHorizSize(3);
    shadow.SetVisible(true);
    ModalDriver driver([](TCustomForm* f) {
        auto* e = static_cast<TTeeShadowEditor*>(f);
        EXPECT_TRUE(e->BOK->Visible());
        EXPECT_EQ(e->Edit1->Text(), QStringLiteral("3"));
        Screenshot(e, "shadow-editor");
        EXPECT_TRUE(e->TBBlur->Enabled());
        e->CBSmooth->SetChecked(false);
        EXPECT_FALSE(e->Shadow->Smooth());
        EXPECT_FALSE(e->TBBlur->Enabled());
        EXPECT_FALSE(e->CBClip->Enabled());
        e->CBSmooth->SetChecked(true);
        EXPECT_TRUE(e->CBClip->Enabled());
        e->Edit1->SetText(QStringLiteral("7"));
        e->EVertSize->SetText(QStringLiteral("-"));
        e->EVertSize->SetText(QStringLiteral("-4"));
        e->CBVisible->SetChecked(false);
        EXPECT_FALSE(e->Edit1->Enabled());
        e->BOK->Click();
    });
    EditTeeShadow(nullptr, &shadow);
    EXPECT_EQ(shadow.HorizSize(), 7);
    EXPECT_EQ(shadow.VertSize(), -4);
    EXPECT_FALSE(shadow.Visible());
    EXPECT_TRUE(shadow.Smooth());
}

TEST(ShadowEditor, TheLightnessBarKeepsHueAndSaturation) {
    TTeeShadow shadow;
    shadow.SetColor(TColor(0x3050C0));
    Word h0, l0, s0;
    ColorToHLS(shadow.Color(), h0, l0, s0);
    ModalDriver driver([&](TCustomForm* f) {
        auto* e = static_cast<TTeeShadowEditor*>(f);
        EXPECT_EQ(e->TBColor->Position(), int(l0));
        e->TBColor->SetPosition(200);
        e->BOK->Click();
    });
    EditTeeShadow(nullptr, &shadow);
    Word h, l, s;
    ColorToHLS(shadow.Color(), h, l, s);
    EXPECT_NE(shadow.Color(), TColor(0x3050C0));
    EXPECT_NEAR(h, h0, 2);
    EXPECT_NEAR(s, s0, 2);
    EXPECT_NEAR(l, 200, 2);
}

TEST(ShadowEditor, InsertedWithoutOKAndRefreshingDoesNotTouchTheShadow) {
    std::unique_ptr<TForm> host(new TForm(nullptr));
    host->AfterConstruction();
    host->SetBounds(0, 0, 400, 300);
    TTeeShadow shadow;
    shadow.SetColor(TColor(0x123456));
    TTeeShadowEditor* e = InsertTeeShadowEditor(host.get());
    EXPECT_EQ(e->Parent(), host.get());
    EXPECT_FALSE(e->BOK->Visible());
    e->RefreshControls(&shadow);
    e->CreatingForm = false;
    e->RefreshControls(&shadow);
    EXPECT_EQ(shadow.Color(), TColor(0x123456));
}

TEST(MarginsEditor, ShowsTheMarginsAndTheirUnitsAndWritesEdits) {
    std::unique_ptr<TForm> host(new TForm(nullptr));
    host->AfterConstruction();
    host->SetBounds(0, 0, 400, 300);
    TMargins margins;
    margins.SetLeft(10);
    margins.SetTop(5);
    margins.SetRight(10);
    margins.SetBottom(5);
    margins.SetUnits(maPercentFont);
    auto* e = new TMarginsEditor(host.get());
    e->AfterConstruction();
    AddFormTo(e, host.get(), &margins);
    host->Show();
    EXPECT_EQ(e->Margins, &margins);
    EXPECT_EQ(e->ELeft->Text(), QStringLiteral("10"));
    EXPECT_EQ(e->ETop->Text(), QStringLiteral("5"));
    EXPECT_EQ(e->ERight->Text(), QStringLiteral("10"));
    EXPECT_EQ(e->EBottom->Text(), QStringLiteral("5"));
    EXPECT_EQ(e->RGUnits->ItemIndex(), 0);
    EXPECT_EQ(e->RGUnits->Items()->Strings(0), QStringLiteral("Percent &Font"));
    Screenshot(host.get(), "margins-editor");
    e->ETop->SetText(QStringLiteral("12"));
    e->RGUnits->SetItemIndex(2);
    EXPECT_EQ(margins.Top(), 12);
    EXPECT_EQ(margins.Units(), maPixels);
    host->Hide();
}

} // namespace
