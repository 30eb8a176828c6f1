#include "chart/editor/CustomShapeEditor.h"

#include "PropertyDialogsFixture.h"

#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/TeeFontEditor.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/panel/TeeShape.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/UpDown.h"

#include <gtest/gtest.h>

using namespace dialogs_test;

namespace {

struct HostWithTwoTabs {
    HostWithTwoTabs() : form(new TForm(nullptr)) {
        form->AfterConstruction();
        form->SetBounds(0, 0, 420, 320);
        pages = new TPageControl(form.get());
        pages->SetParent(form.get());
        pages->SetAlign(alClient);
        for (const char* caption : {"Style", "Position"}) {
            auto* tab = new TTabSheet(form.get());
            tab->SetPageControl(pages);
            tab->SetCaption(QString::fromUtf8(caption));
        }
        pages->SetActivePage(pages->Pages(1));
        form->Show();
    }
    ~HostWithTwoTabs() {
        if (form) form->Hide();
    }
    std::unique_ptr<TForm> form;
    TPageControl* pages = nullptr;
};

TEST(ShapeEditor, LendsItsSixTabsToTheHostAndEditsTheShape) {
    TTeeCustomShape shape;
    shape.SetBevel(bvNone);
    shape.SetShapeStyle(fosRoundRectangle);
    HostWithTwoTabs host;
    TFormTeeShape* e = InsertTeeObjectForm(host.pages, &shape);
    ASSERT_EQ(host.pages->PageCount(), 8);
    EXPECT_EQ(host.pages->ActivePage(), host.pages->Pages(0));
    EXPECT_EQ(host.pages->Pages(2)->Caption(), QStringLiteral("Format"));
    EXPECT_EQ(host.pages->Pages(7)->Caption(), QStringLiteral("Picture"));
    Screenshot(host.form.get(), "shape-editor");

    EXPECT_FALSE(e->EBevWidth->Enabled());
    e->CBBevel->SetItemIndex(int(bvRaised));
    e->CBBevelChange(e->CBBevel);
    EXPECT_EQ(shape.Bevel(), bvRaised);
    EXPECT_TRUE(e->EBevWidth->Enabled());

    EXPECT_TRUE(e->CBRound->Checked());
    EXPECT_TRUE(e->ERoundSize->Enabled());
    e->CBRound->SetChecked(false);
    EXPECT_EQ(shape.ShapeStyle(), fosRectangle);
    EXPECT_FALSE(e->ERoundSize->Enabled());
    EXPECT_FALSE(e->UDRound->Enabled());

    // The lent pages fill on their first visit through the host's page control.
    for (TTabSheet* t : {e->TabText, e->TabGradient, e->TabShadow, e->TabPicture}) {
        host.pages->SetActivePage(t);
        e->PC1Change(host.pages);
    }
    ASSERT_TRUE(e->FFontEditor && e->FGradientEditor && e->FShadowEditor && e->FImageEditor);
    EXPECT_EQ(e->FShadowEditor->Shadow, shape.Shadow());
    EXPECT_EQ(e->FGradientEditor->TheGradient, shape.Gradient());
    FreeObject(e);
}

TEST(ShapeEditor, TheHostAndTheEditorMayGoInEitherOrder) {
    for (bool hostFirst : {false, true}) {
        TTeeCustomShape shape;
        auto host = std::make_unique<HostWithTwoTabs>();
        TFormTeeShape* e = InsertTeeObjectForm(host->pages, &shape);
        for (TTabSheet* t : {e->TabText, e->TabGradient, e->TabShadow, e->TabPicture}) {
            host->pages->SetActivePage(t);
            e->PC1Change(host->pages);
        }
        if (hostFirst) {
            host.reset();
        } else {
            FreeObject(e);
            EXPECT_EQ(host->pages->PageCount(), 2);
        }
    }
}

TEST(ShapeEditor, TheModalEditorCanLeaveOutTextAndShadow) {
    TTeeCustomShape shape;
    for (bool hide : {false, true}) {
        ModalDriver driver([hide](TCustomForm* f) {
            auto* e = static_cast<TFormTeeShape*>(f);
            EXPECT_EQ(e->PC1->ActivePage(), e->TabFormat);
            EXPECT_EQ(e->TabText->TabVisible(), !hide);
            EXPECT_EQ(e->TabShadow->TabVisible(), !hide);
            EXPECT_TRUE(e->TabGradient->TabVisible());
            e->CBTransparent->SetChecked(true);
            f->SetModalResult(mrOk);
        });
        EditTeeCustomShape(nullptr, &shape, hide);
        EXPECT_TRUE(shape.Transparent());
        shape.SetTransparent(false);
    }
}

} // namespace
