// The chart editors' small controls and helpers: the colour dialog with its kept custom
// colours, the symbol buttons, the flat combo box and the library probes.
#include "chart/engine/canvas/CanvasGeometry.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/EditColor.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/engine/widgets/TeeLibrary.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Free {
    void operator()(TObject* o) const { FreeObject(o); }
};

// Answers every colour dialog for the life of the object: OK with Chosen and one custom
// colour, or cancel. Remembers what the dialog was given.
struct ColorAnswer {
    explicit ColorAnswer(bool Ok, TColor Chosen = clBlack) {
        previous = SetCommonDialogHook([this, Ok, Chosen](TCommonDialog* d) {
            auto* dlg = static_cast<TColorDialog*>(d);
            ++shown;
            startColor = dlg->Color();
            givenCustom = dlg->CustomColors()->Text();
            if (!Ok) return false;
            dlg->SetColor(Chosen);
            dlg->CustomColors()->Add(QStringLiteral("ColorA=%1").arg(shown));
            return true;
        });
    }
    ~ColorAnswer() { SetCommonDialogHook(previous); }
    TCommonDialogHook previous;
    int shown = 0;
    TColor startColor = clNone;
    String givenCustom;
};

struct ShownForm : ::testing::Test {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    void SetUp() override {
        form->SetClientSize(200, 100);
        form->Show();
    }
    template <class C> C* make(int w, int h) {
        auto* c = new C(form.get());
        c->SetParent(form.get());
        c->SetBounds(0, 0, w, h);
        return c;
    }
};

} // namespace

TEST(EditColor, OkReturnsTheChoiceAndKeepsCustomColoursCancelKeepsTheColour) {
    {
        ColorAnswer answer(true, clRed);
        EXPECT_EQ(EditColor(nullptr, clBlue), clRed);
        EXPECT_EQ(answer.startColor, clBlue);
        ASSERT_NE(TeeCustomEditColors, nullptr);
        EXPECT_EQ(TeeCustomEditColors->Count(), 1);
        // The next dialog starts with the colours the user defined before.
        EXPECT_EQ(EditColor(nullptr, clBlue), clRed);
        EXPECT_TRUE(answer.givenCustom.contains(QStringLiteral("ColorA=1")));
    }
    {
        ColorAnswer answer(false);
        const int kept = TeeCustomEditColors->Count();
        EXPECT_EQ(EditColor(nullptr, clGreen), clGreen);
        EXPECT_EQ(TeeCustomEditColors->Count(), kept);
    }
}

TEST(EditColor, DialogReportsAChangeOnlyForAnotherColour) {
    struct Case {
        bool ok;
        TColor chosen;
        bool changed;
        TColor after;
    } cases[] = {{true, clLime, true, clLime}, {true, clNavy, false, clNavy}, {false, clLime, false, clNavy}};
    for (const Case& c : cases) {
        ColorAnswer answer(c.ok, c.chosen);
        TColor color = clNavy;
        EXPECT_EQ(EditColorDialog(nullptr, color), c.changed);
        EXPECT_EQ(color, c.after);
    }
}

TEST(TeeLibrary, LoadsProvidedLibrariesAndRestoresTheErrorMode) {
    const UINT before = SetErrorMode(SEM_FAILCRITICALERRORS);
    HMODULE msimg = TeeLoadLibrary(QStringLiteral("msimg32.dll"));
    EXPECT_NE(msimg, nullptr);
    EXPECT_EQ(TeeLoadLibrary(QStringLiteral("nosuchlibrary.dll")), nullptr);
    EXPECT_EQ(SetErrorMode(before), SEM_FAILCRITICALERRORS);
    TeeFreeLibrary(msimg);
    TeeFreeLibrary(nullptr);
}

TEST_F(ShownForm, TeeButtonSymbolRectangleAndLink) {
    auto* b = make<TTeeButton>(75, 25);
    EXPECT_EQ(b->SymbolRectangle(), (TRect{56, 7, 69, 19}));
    b->SetBounds(0, 0, 40, 10);
    EXPECT_EQ(b->SymbolRectangle(), (TRect{21, 4, 34, 8}));

    TFont font;
    b->LinkProperty(&font, QStringLiteral("Color"));
    EXPECT_EQ(b->Instance, &font);
    ASSERT_NE(b->Info, nullptr);
    const PPropInfo info = b->Info;
    // No instance: the previous property information stays.
    b->LinkProperty(nullptr, QStringLiteral("Name"));
    EXPECT_EQ(b->Instance, nullptr);
    EXPECT_EQ(b->Info, info);
    b->LinkProperty(&font, String());
    EXPECT_EQ(b->Info, nullptr);
}

TEST_F(ShownForm, ButtonColorReadsAndWritesItsSource) {
    auto* b = make<TButtonColor>(75, 25);
    b->SetSymbolColor(clRed);
    EXPECT_EQ(b->SymbolColor(), clRed);

    TFont font;
    font.SetColor(clBtnFace);
    b->LinkProperty(&font, QStringLiteral("Color"));
    EXPECT_EQ(b->SymbolColor(), ColorToRGB(clBtnFace)) << "a system colour is shown as RGB";
    b->SetSymbolColor(clTeal);
    EXPECT_EQ(font.Color(), clTeal);

    b->GetColorProc = [] { return clFuchsia; };
    EXPECT_EQ(b->SymbolColor(), clFuchsia);
}

TEST_F(ShownForm, ButtonColorClickPicksAColourAndClicksOnlyOnAChange) {
    auto* b = make<TButtonColor>(75, 25);
    b->SetSymbolColor(clRed);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    {
        ColorAnswer same(true, clRed);
        b->Click();
    }
    EXPECT_EQ(clicks, 0);
    {
        ColorAnswer other(true, clBlue);
        b->Click();
        EXPECT_EQ(other.startColor, clRed);
    }
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b->SymbolColor(), clBlue);
}

TEST_F(ShownForm, ButtonColorPaintsItsSymbol) {
    auto* b = make<TButtonColor>(75, 25);
    b->SetSymbolColor(clRed);
    TBitmap image(75, 25);
    b->PaintTo(image.Canvas(), 0, 0);
    EXPECT_EQ(image.Canvas()->Pixels(62, 13), clRed);
    EXPECT_NE(image.Canvas()->Pixels(30, 13), clRed);

    b->SetSymbolColor(clNone);
    TBitmap none(75, 25);
    b->PaintTo(none.Canvas(), 0, 0);
    EXPECT_NE(none.Canvas()->Pixels(62, 13), clRed);
}

TEST_F(ShownForm, ComboFlatDefaultsItemsAndDropDownWidth) {
    auto* c = new TComboFlat(form.get());
    EXPECT_EQ(c->Height(), 21);
    EXPECT_EQ(c->Style(), csDropDownList);
    EXPECT_EQ(c->CurrentItem(), String());
    EXPECT_EQ(c->SelectedObject(), nullptr);
    c->SetParent(form.get());
    c->SetWidth(100);

    c->Add(QStringLiteral("One"));
    c->Items()->AddObject(QStringLiteral("Two"), form.get());
    c->SetItemIndex(1);
    EXPECT_EQ(c->CurrentItem(), QStringLiteral("Two"));
    EXPECT_EQ(c->SelectedObject(), form.get());

    EXPECT_EQ(c->DropDownWidth(), 100);
    c->SetDropDownWidth(160);
    EXPECT_EQ(c->DropDownWidth(), 160);
}

TEST_F(ShownForm, ComboFlatIsFlatUnlessHovered) {
    auto* c = make<TComboFlat>(100, 21);
    TBitmap flat(100, 21);
    c->PaintTo(flat.Canvas(), 0, 0);
    EXPECT_EQ(flat.Canvas()->Pixels(0, 10), ColorToRGB(clBtnFace));
    EXPECT_EQ(flat.Canvas()->Pixels(1, 10), ColorToRGB(clBtnFace));

    c->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(c->Inside());
    TBitmap hovered(100, 21);
    c->PaintTo(hovered.Canvas(), 0, 0);
    EXPECT_NE(hovered.Canvas()->Pixels(1, 10), ColorToRGB(clBtnFace));

    c->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(c->Inside());
}
