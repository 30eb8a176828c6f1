#include "chart/editor/GradientEditor.h"
#include "chart/editor/TeeGalleryPanel.h"
#include "chart/engine/chart/ChartWalls.h"

#include "PropertyDialogsFixture.h"

#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/TrackBar.h"
#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

using namespace dialogs_test;

namespace {

struct GradientFixture : ::testing::Test {
    GradientFixture() : gradient(Method(this, &GradientFixture::Changed)) {}
    void Changed(TObject*) { ++changes; }
    bool Edit(const std::function<void(TTeeGradientEditor*)>& Drive, bool OnlyStart = false) {
        ModalDriver driver([&](TCustomForm* f) { Drive(static_cast<TTeeGradientEditor*>(f)); });
        return EditTeeGradient(nullptr, &gradient, OnlyStart);
    }
    static void ClickPreset(TTeeGradientEditor* e, const char* Name) {
        e->Gallery->SetItemIndex(e->Gallery->Items()->IndexOf(QString::fromUtf8(Name)));
        e->GalleryClick(e->Gallery);
    }
    TTeeGradient gradient;
    int changes = 0;
};

TEST_F(GradientFixture, TheSeventeenPresetsGiveTheirColoursDirectionAndBalance) {
    struct Expected {
        const char* name;
        uint32_t start, middle, end;
        int balance;
        TGradientDirection direction;
    };
    const Expected table[] = {
        {"Caribe Sun", 0xDDDFD2, 0xF50A97, 0x0B80F4, 50, gdTopBottom},
        {"Business", 0xC0C0C0, 0xFFFFFF, 0x808080, 50, gdTopBottom},
        {"Hot", 0x0000FF, 0x1FFFFFFF, 0x00FFFF, 50, gdTopBottom},
        {"Ace", 0x000000, 0xFF8080, 0x000000, 74, gdBottomTop},
        {"Farm", 0x006AD5, 0xFFFFFF, 0x0062C4, 4, gdBottomTop},
        {"Sea", 0xFFFF80, 0xFF8080, 0x800000, 55, gdBottomTop},
        {"Night", 0xFFFFFF, 0x800040, 0x000000, 40, gdTopBottom},
        {"Space", 0xA50320, 0x800040, 0xFFFFFF, 50, gdFromTopLeft},
        {"Golf", 0x159902, 0xC0C0C0, 0xD9F986, 50, gdTopBottom},
        {"Funky", 0xBD3881, 0x87607A, 0x52EB85, 50, gdTopBottom},
        {"Sunset", 0xB85A06, 0xA7D8AF, 0x001042, 50, gdTopBottom},
        {"Rainbow", 0xA11EE8, 0x0F8355, 0xDD011A, 50, gdTopBottom},
        {"Pastel", 0x247489, 0x9491F6, 0xFD8B9D, 50, gdTopBottom},
        {"Tropical", 0x9A414B, 0x732FF3, 0x20D761, 50, gdTopBottom},
        {"Sea 2", 0x4C031C, 0xBACBE1, 0x291EF9, 50, gdTopBottom},
        {"Desert", 0x265FB7, 0xCE7185, 0x604457, 50, gdTopBottom},
        {"Clear day", 0xFFF3EA, 0xE0E6E9, 0xCEDBFF, 50, gdTopBottom},
    };
    gradient.SetVisible(true);
    Edit([&](TTeeGradientEditor* e) {
        ASSERT_EQ(e->Gallery->Items()->Count(), 17);
        // Alphabetical: "Ace" first, and a click applies the preset the line names.
        EXPECT_EQ(e->Gallery->Items()->Strings(0), QStringLiteral("Ace"));
        e->Gallery->SetItemIndex(0);
        e->GalleryClick(e->Gallery);
        EXPECT_EQ(gradient.Balance(), 74);
        EXPECT_EQ(gradient.Direction(), gdBottomTop);
        for (const Expected& x : table) {
            ClickPreset(e, x.name);
            EXPECT_EQ(uint32_t(gradient.StartColor()), x.start) << x.name;
            EXPECT_EQ(uint32_t(gradient.MidColor()), x.middle) << x.name;
            EXPECT_EQ(uint32_t(gradient.EndColor()), x.end) << x.name;
            EXPECT_EQ(gradient.Balance(), x.balance) << x.name;
            EXPECT_EQ(gradient.Direction(), x.direction) << x.name;
            EXPECT_EQ(e->CBDirection->ItemIndex(), int(x.direction)) << x.name;
            EXPECT_EQ(e->Preview->Gradient()->StartColor(), gradient.StartColor()) << x.name;
        }
        EXPECT_EQ(e->LabelBalance->Caption(), QStringLiteral("50 %"));
        e->BOK->Click();
    });
}

TEST_F(GradientFixture, RadialEnablesTheOffsetsAndDisablesTheMiddleColour) {
    gradient.SetVisible(true);
    Edit([](TTeeGradientEditor* e) {
        EXPECT_EQ(e->PageControl1->ActivePage(), e->TabColors);
        Screenshot(e, "gradient-editor");
        e->CBDirection->SetItemIndex(int(gdRadial));
        e->CBDirectionChange(e->CBDirection);
        EXPECT_EQ(e->TheGradient->Direction(), gdRadial);
        EXPECT_TRUE(e->TrackBar1->Enabled());
        EXPECT_TRUE(e->TrackBar2->Enabled());
        EXPECT_FALSE(e->CBMid->Enabled());
        EXPECT_FALSE(e->BMid->Enabled());
        e->TrackBar1->SetPosition(-120);
        EXPECT_EQ(e->TheGradient->RadialX(), -120);
        EXPECT_EQ(e->LRadialX->Caption(), QStringLiteral("-120"));
        e->CBDirection->SetItemIndex(int(gdTopBottom));
        e->CBDirectionChange(e->CBDirection);
        EXPECT_FALSE(e->TrackBar1->Enabled());
        EXPECT_TRUE(e->CBMid->Enabled());
        EXPECT_TRUE(e->BMid->Enabled());
        e->BOK->Click();
    });
}

TEST_F(GradientFixture, HotKeepsNoMiddleAndBusinessGivesAWhiteMiddle) {
    gradient.SetVisible(true);
    Edit([](TTeeGradientEditor* e) {
        ClickPreset(e, "Hot");
        EXPECT_TRUE(e->CBMid->Checked());
        EXPECT_EQ(e->TheGradient->MidColor(), clNone);
        ClickPreset(e, "Business");
        EXPECT_FALSE(e->CBMid->Checked());
        EXPECT_EQ(e->TheGradient->MidColor(), TColor(0xFFFFFF));
        e->CBMid->SetChecked(true);
        EXPECT_EQ(e->TheGradient->MidColor(), clNone);
        e->CBMid->SetChecked(false);
        EXPECT_EQ(e->TheGradient->MidColor(), TColor(0xFFFFFF));
        e->BOK->Click();
    });
}

TEST_F(GradientFixture, OnlyStartHidesEndAndSwapAndKeepsTheColoursEnabled) {
    gradient.SetVisible(false);
    Edit(
        [](TTeeGradientEditor* e) {
            EXPECT_FALSE(e->BEnd->Visible());
            EXPECT_FALSE(e->BSwap->Visible());
            EXPECT_TRUE(e->BStart->Enabled());
            EXPECT_TRUE(e->BMid->Enabled());
            EXPECT_TRUE(e->CBMid->Enabled());
            e->BOK->Click();
        },
        true);
    Edit([](TTeeGradientEditor* e) {
        EXPECT_TRUE(e->BEnd->Visible());
        EXPECT_FALSE(e->BStart->Enabled());
        EXPECT_FALSE(e->Gallery->Enabled());
        e->CBVisible->SetChecked(true);
        EXPECT_TRUE(e->BStart->Enabled());
        e->BOK->Click();
    });
    EXPECT_TRUE(gradient.Visible());
}

TEST_F(GradientFixture, CancelGivesBackTheGradientAndTellsOnlyWhenSomethingChanged) {
    gradient.SetVisible(true);
    gradient.SetStartColor(clRed);
    changes = 0;
    EXPECT_FALSE(Edit([](TTeeGradientEditor* e) { e->BCancel->Click(); }));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(gradient.StartColor(), clRed);

    EXPECT_FALSE(Edit([](TTeeGradientEditor* e) {
        ClickPreset(e, "Golf");
        e->BSwapClick(e->BSwap);
        e->BCancel->Click();
    }));
    EXPECT_EQ(gradient.StartColor(), clRed);
    EXPECT_EQ(gradient.Balance(), 50);
    EXPECT_GE(changes, 1);
}

TEST(GradientButton, AHiddenGradientIsFramedGreyAndAVisibleOneBlack) {
    for (bool visible : {false, true}) {
        TTeeGradient g;
        g.SetVisible(visible);
        g.SetStartColor(clYellow);
        g.SetEndColor(clYellow);
        std::unique_ptr<TForm> host(new TForm(nullptr));
        host->AfterConstruction();
        auto* button = new TButtonGradient(host.get());
        button->SetParent(host.get());
        button->SetBounds(0, 0, 100, 25);
        button->LinkGradient(&g);
        TBitmap bitmap;
        bitmap.SetSize(100, 25);
        TTeeCanvas3D canvas;
        canvas.SetUseBuffer(false);
        canvas.SetCanvas(bitmap.Canvas());
        button->DrawSymbol(&canvas);
        const TRect r = button->SymbolRectangle();
        EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels(r.Left, (r.Top + r.Bottom) / 2)),
                  visible ? TColor(0) : TColor(0x808080));
        EXPECT_EQ(ColorToRGB(bitmap.Canvas()->Pixels((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2)),
                  TColor(0x00FFFF));
    }
}

TEST(GradientButton, OpensAStartOnlyEditorOnItsGradientAndRunsTheClickEventAfterOK) {
    struct Clicks {
        int count = 0;
        void Clicked(TObject*) { ++count; }
    } clicks;
    std::unique_ptr<TForm> host(new TForm(nullptr));
    host->AfterConstruction();
    auto* button = new TButtonGradient(host.get());
    button->SetParent(host.get());
    button->OnClick = Method(&clicks, &Clicks::Clicked);
    button->Click();
    EXPECT_EQ(clicks.count, 1); // no gradient: only the event

    TTeeGradient g;
    button->LinkGradient(&g);
    button->OnlyStart = true;
    for (TModalResult answer : {mrCancel, mrOk}) {
        ModalDriver driver([&](TCustomForm* f) {
            auto* e = static_cast<TTeeGradientEditor*>(f);
            EXPECT_EQ(e->Owner(), button);
            EXPECT_EQ(button->FEditor, e);
            EXPECT_EQ(e->TheGradient, &g);
            EXPECT_FALSE(e->BEnd->Visible());
            EXPECT_TRUE(e->CBVisible->Visible());
            e->SetModalResult(answer);
        });
        button->Click();
        EXPECT_EQ(driver.Shown, 1);
        EXPECT_FALSE(button->FEditor);
    }
    EXPECT_EQ(clicks.count, 2);
}

TEST(GradientPreview, PaintsOnlyItsBackgroundWithItsGradient) {
    std::unique_ptr<TForm> host(new TForm(nullptr));
    host->AfterConstruction();
    auto* preview = new TPreviewGradient(host.get());
    preview->SetParent(host.get());
    preview->SetBounds(0, 0, 60, 40);
    preview->Gradient()->SetVisible(true);
    preview->Gradient()->SetDirection(gdLeftRight);
    preview->Gradient()->SetStartColor(clRed);
    preview->Gradient()->SetEndColor(clBlue);
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(60, 40);
    preview->Draw(bitmap.Canvas(), TRect{0, 0, 60, 40});
    const TColor left = ColorToRGB(bitmap.Canvas()->Pixels(3, 20));
    const TColor right = ColorToRGB(bitmap.Canvas()->Pixels(56, 20));
    // One end in the start colour, the other in the end colour (whichever way the
    // direction runs): the panel drew nothing but its gradient.
    const auto reddish = [](TColor c) { return GetRValue(c) > 200 && GetBValue(c) < 60; };
    const auto bluish = [](TColor c) { return GetBValue(c) > 200 && GetRValue(c) < 60; };
    EXPECT_TRUE((reddish(left) && bluish(right)) || (bluish(left) && reddish(right)));
}

TEST_F(GradientFixture, TheDirectionsGalleryShowsEachDirectionAndAChoiceSetsIt) {
    gradient.SetVisible(true);
    gradient.SetDirection(gdLeftRight);
    gradient.SetStartColor(clRed);
    gradient.SetEndColor(clBlue);
    Edit([](TTeeGradientEditor* e) {
        TChartGalleryPanel* g = e->Directions;
        ASSERT_NE(g, nullptr);
        EXPECT_EQ(g->Parent(), e->TabDirections);
        EXPECT_EQ(g->NumRows(), 2);
        EXPECT_EQ(g->NumCols(), 5);
        EXPECT_FALSE(g->DisplaySub());
        ASSERT_EQ(g->Charts()->Count(), 10);
        for (int i = 0; i < 10; ++i) {
            TGalleryChart* c = g->GetChart(i);
            EXPECT_EQ(c->Hint(), e->CBDirection->Items()->Strings(i));
            EXPECT_FALSE(c->View3D());
            TTeeGradient* wall = c->BackWall()->Gradient();
            EXPECT_TRUE(wall->Visible());
            EXPECT_EQ(wall->Direction(), TGradientDirection(i));
            EXPECT_EQ(wall->StartColor(), clRed);
            EXPECT_EQ(wall->EndColor(), clBlue);
        }
        // Opening selects the gradient's own direction and changes nothing.
        EXPECT_EQ(g->SelectedChart(), g->GetChart(int(gdLeftRight)));
        EXPECT_FALSE(e->IModified);

        g->SelectChart(g->GetChart(int(gdRadial)));
        EXPECT_EQ(e->TheGradient->Direction(), gdRadial);
        EXPECT_EQ(e->CBDirection->ItemIndex(), int(gdRadial));
        EXPECT_EQ(e->Preview->Gradient()->Direction(), gdRadial);
        EXPECT_TRUE(e->TrackBar1->Enabled());
        EXPECT_FALSE(e->BMid->Enabled());
        EXPECT_TRUE(e->IModified);

        // The combo moves the gallery's selection along; new colours reach the mini charts.
        e->CBDirection->SetItemIndex(int(gdDiagonalDown));
        e->CBDirectionChange(e->CBDirection);
        EXPECT_EQ(g->SelectedChart(), g->GetChart(int(gdDiagonalDown)));
        e->BSwapClick(e->BSwap);
        EXPECT_EQ(g->GetChart(0)->BackWall()->Gradient()->StartColor(), clBlue);
        e->PageControl1->SetActivePage(e->TabDirections);
        Screenshot(e, "gradient-editor-directions");
        e->BOK->Click();
    });
    EXPECT_EQ(gradient.Direction(), gdDiagonalDown);
}

TEST(GradientEditorEmbedded, EditsItsGradientWithoutTheButtons) {
    TTeeGradient g;
    std::unique_ptr<TTeeGradientEditor> e(new TTeeGradientEditor(nullptr, &g));
    e->AfterConstruction();
    EXPECT_EQ(e->TheGradient, &g);
    EXPECT_FALSE(e->PanelButtons->Visible());
    e->Show();
    e->SBBalance->SetPosition(30);
    EXPECT_EQ(g.Balance(), 30);
    EXPECT_EQ(e->LabelBalance->Caption(), QStringLiteral("30 %"));
    e->Hide();
}

} // namespace
