#include "chart/editor/FiltersEditor.h"
#include "chart/editor/BackImageEditor.h"

#include "PropertyDialogsFixture.h"

#include "chart/editor/FormCreator.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/engine/pictures/BitmapFilters.h"
#include "chart/engine/pictures/TeePicture.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CheckLst.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Menus.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/UpDown.h"
#include "platform/graphics/Bitmap.h"

#include <gtest/gtest.h>

using namespace dialogs_test;

namespace {

// A 4 x 4 picture with a distinct colour in each pixel.
void FillSource(TBitmap* B) {
    B->SetPixelFormat(pf24bit);
    B->SetSize(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            B->Canvas()->SetPixels(x, y, TColor(RGB(40 * x + 20, 30 * y + 60, 90)));
}

// Answers every popup menu with its item captioned Caption.
class MenuAnswer {
public:
    explicit MenuAnswer(const String& Caption)
        : previous_(SetPopupMenuHook([Caption](TPopupMenu* Menu, int, int) -> TMenuItem* {
              for (int i = 0; i < Menu->Items()->Count(); ++i)
                  if (Menu->Items()->Items(i)->Caption() == Caption) return Menu->Items()->Items(i);
              return nullptr;
          })) {}
    ~MenuAnswer() { SetPopupMenuHook(previous_); }

private:
    TPopupMenuHook previous_;
};

void AddFilter(TFiltersEditor* e, const String& Caption) {
    MenuAnswer answer(Caption);
    e->BAdd->Click();
}

TColor PreviewPixel(TFiltersEditor* e) {
    auto* b = dynamic_cast<TBitmap*>(e->Image->BackImage()->Graphic());
    return b ? b->Canvas()->Pixels(1, 2) : clNone;
}

TColor Expected(std::initializer_list<TClass> Order) {
    TBitmap b;
    FillSource(&b);
    for (TClass c : Order)
        TTeeFilter::ApplyTo(c, &b);
    return b.Canvas()->Pixels(1, 2);
}

TEST(FiltersEditor, StartsEmptyThenAppliesAddedFiltersInListOrder) {
    TTeePicture picture;
    TBitmap source;
    FillSource(&source);
    picture.SetGraphic(&source);
    ModalDriver driver([](TCustomForm* f) {
        auto* e = static_cast<TFiltersEditor*>(f);
        e->CBScaled->SetChecked(false);
        EXPECT_EQ(e->Filters->Items()->Count(), 0);
        EXPECT_FALSE(e->PageProps->Visible());
        EXPECT_EQ(PreviewPixel(e), Expected({}));
        AddFilter(e, TeeMsg_Invert);
        AddFilter(e, TeeMsg_Brightness);
        ASSERT_EQ(e->FilterItems->Count(), 2);
        EXPECT_EQ(PreviewPixel(e),
                  Expected({TInvertFilter::StaticClass(), TBrightnessFilter::StaticClass()}));
        // The second moved up is the first applied.
        e->Filters->SetItemIndex(1);
        e->FiltersClick(e->Filters);
        e->BMoveUp->Click();
        EXPECT_TRUE(e->FilterItems->Item(0)->InheritsFrom(TBrightnessFilter::StaticClass()));
        EXPECT_EQ(e->Filters->Items()->Objects(0), e->FilterItems->Item(0));
        const TColor moved = Expected({TBrightnessFilter::StaticClass(), TInvertFilter::StaticClass()});
        EXPECT_NE(moved, Expected({TInvertFilter::StaticClass(), TBrightnessFilter::StaticClass()}));
        EXPECT_EQ(PreviewPixel(e), moved);
        // Unchecked, a filter stays in the list but is not applied.
        e->Filters->SetChecked(0, false);
        e->FiltersClickCheck(e->Filters);
        EXPECT_FALSE(e->FilterItems->Item(0)->Enabled());
        EXPECT_EQ(PreviewPixel(e), Expected({TInvertFilter::StaticClass()}));
        Screenshot(e, "filters-editor");
        e->BOK->Click();
    });
    EXPECT_TRUE(ShowFiltersEditor(nullptr, &picture));
    EXPECT_EQ(picture.Filters()->Count(), 2);
}

TEST(FiltersEditor, OptionsAndRegionPagesFollowTheFilterClass) {
    TBitmap source;
    FillSource(&source);
    TFilterItems items(nullptr);
    ModalDriver driver([](TCustomForm* f) {
        auto* e = static_cast<TFiltersEditor*>(f);
        AddFilter(e, TeeMsg_Invert); // no options, a region
        EXPECT_TRUE(e->PageProps->Visible());
        EXPECT_FALSE(e->TabOptions->TabVisible());
        EXPECT_TRUE(e->TabRegion->TabVisible());
        EXPECT_EQ(e->PageProps->ActivePage(), e->TabRegion);
        AddFilter(e, TeeMsg_Mirror); // options, no region
        EXPECT_TRUE(e->TabOptions->TabVisible());
        EXPECT_FALSE(e->TabRegion->TabVisible());
        EXPECT_GT(e->TabOptions->ControlCount(), 0);
        e->BDelete->Click();
        EXPECT_EQ(e->Filters->ItemIndex(), 0);
        EXPECT_EQ(e->FilterItems->Count(), 1);
        e->BOK->Click();
    });
    EXPECT_TRUE(ShowFiltersEditor(nullptr, &source, &items));
}

TEST(FiltersEditor, ClosingOtherwiseThanByOKStillTellsThePictureWhenItsFiltersChanged) {
    struct Listener {
        int changes = 0;
        void Changed(TObject*) { ++changes; }
    } listener;
    TTeePicture picture;
    TBitmap source;
    FillSource(&source);
    picture.SetGraphic(&source);
    picture.OnChange = Method(&listener, &Listener::Changed);
    {
        ModalDriver driver([](TCustomForm* f) { f->SetModalResult(mrCancel); });
        EXPECT_FALSE(ShowFiltersEditor(nullptr, &picture));
    }
    EXPECT_EQ(listener.changes, 0);
    {
        ModalDriver driver([](TCustomForm* f) {
            AddFilter(static_cast<TFiltersEditor*>(f), TeeMsg_Invert);
            f->SetModalResult(mrCancel);
        });
        EXPECT_FALSE(ShowFiltersEditor(nullptr, &picture));
    }
    EXPECT_EQ(picture.Filters()->Count(), 1);
    EXPECT_GE(listener.changes, 1);
}

TEST(FiltersEditor, APanelSqueezedToNothingShowsNoScaledPreview) {
    TBitmap source;
    FillSource(&source);
    TFilterItems items(nullptr);
    ModalDriver driver([](TCustomForm* f) {
        auto* e = static_cast<TFiltersEditor*>(f);
        e->Preview();
        EXPECT_TRUE(e->Image->BackImage()->Graphic());
        e->Image->SetAlign(alNone);
        e->Image->SetWidth(0);
        EXPECT_NO_THROW(e->Preview());
        EXPECT_FALSE(e->Image->BackImage()->Graphic());
        e->BOK->Click();
    });
    ShowFiltersEditor(nullptr, &source, &items);
}

TEST(PictureEditor, APlainPictureHidesStyleAndPositionAndClearingResetsBrowse) {
    TTeePicture picture;
    TBitmap source;
    FillSource(&source);
    picture.SetGraphic(&source);
    ModalDriver driver([](TCustomForm* f) {
        auto* e = static_cast<TBackImageEditor*>(f);
        EXPECT_TRUE(e->PanelButtons->Visible());
        EXPECT_FALSE(e->RGBitmap->Visible());
        EXPECT_FALSE(e->GBPosition->Visible());
        EXPECT_EQ(e->LabelSize->Caption(), QStringLiteral("4x4"));
        EXPECT_EQ(e->LabelExt->Caption(), QStringLiteral("bmp"));
        EXPECT_EQ(e->BBrowse->Caption(), TeeMsg_ClearImage);
        e->BBrowse->Click();
        EXPECT_EQ(e->BBrowse->Caption(), TeeMsg_BrowseImage);
        EXPECT_FALSE(e->LabelSize->Visible());
        EXPECT_FALSE(e->LabelExt->Visible());
        e->BOK->Click();
    });
    EXPECT_TRUE(EditTeePicture(nullptr, &picture));
    EXPECT_FALSE(picture.Graphic());
}

TEST(PictureEditor, ABackImageOnlyTakesAPositionInCustomMode) {
    TBackImage picture;
    TBitmap source;
    FillSource(&source);
    picture.SetGraphic(&source);
    picture.SetMode(pbmTile);
    ModalDriver driver([](TCustomForm* f) {
        auto* e = static_cast<TBackImageEditor*>(f);
        Screenshot(e, "picture-editor");
        EXPECT_TRUE(e->RGBitmap->Visible());
        EXPECT_EQ(e->RGBitmap->ItemIndex(), 1);
        EXPECT_FALSE(e->ELeft->Enabled());
        EXPECT_FALSE(e->UDTop->Enabled());
        e->RGBitmap->SetItemIndex(3);
        EXPECT_TRUE(e->ELeft->Enabled());
        e->ELeft->SetText(QStringLiteral("25"));
        e->BOK->Click();
    });
    EXPECT_TRUE(EditTeePicture(nullptr, &picture));
    EXPECT_EQ(picture.Mode(), pbmCustom);
    EXPECT_EQ(picture.Left(), 25);
}

} // namespace
