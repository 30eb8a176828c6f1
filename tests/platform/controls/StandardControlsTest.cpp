// The standard controls the tool's windows are built from, on a shown form: page control
// and tab strip selection (by code silently, by the user with OnChanging and OnChange),
// pages with hidden tabs and sheets moving between page controls, the radio group's
// clamped ItemIndex, the check box's state cycle, a button's modal result and picture, the label's
// automatic size and a synchronous Refresh.
#include "ControlFixture.h"

#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RadioGroup.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"

#include <QEvent>
#include <gtest/gtest.h>

#include <memory>

namespace {
struct StdControls : ShownFormTest<400, 300> {
    TTabSheet* sheet(TPageControl* pc, const char* caption) {
        auto* s = new TTabSheet(form.get());
        s->SetCaption(QString::fromLatin1(caption));
        s->SetPageControl(pc);
        return s;
    }
    void watch(TCustomTabControl* tc, bool allow = true) {
        tc->OnChanging = TTabChangingEvent([this, allow](TObject*, bool& Allow) {
            log << QStringLiteral("Changing");
            Allow = allow;
        });
        tc->OnChange = TNotifyEvent([this](TObject*) { log << QStringLiteral("Change"); });
    }
    void clickTab(TCustomTabControl* tc, int tab) {
        const TRect r = tc->TabRect(tab);
        click(tc, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
};
} // namespace

// ---- page control and tab control --------------------------------------------------------------

TEST_F(StdControls, PageIndexCountsHiddenPagesAndHidingTheActiveTabMovesOnSilently) {
    auto* pc = make<TPageControl>(10, 10, 300, 200);
    TTabSheet* a = sheet(pc, "A");
    TTabSheet* b = sheet(pc, "B");
    TTabSheet* c = sheet(pc, "C");
    watch(pc);
    EXPECT_EQ(pc->ActivePage(), a);

    b->SetTabVisible(false);
    pc->SetActivePage(c);
    EXPECT_EQ(pc->ActivePageIndex(), 2);
    EXPECT_EQ(c->PageIndex(), 2);
    EXPECT_EQ(c->TabIndex(), 1);
    EXPECT_EQ(b->TabIndex(), -1);
    EXPECT_EQ(pc->Tabs()->Count(), 2);
    EXPECT_TRUE(c->Visible());
    EXPECT_FALSE(a->Visible());

    // The next page with a visible tab after C wraps round to A; B keeps its hidden tab.
    c->SetTabVisible(false);
    EXPECT_EQ(pc->ActivePage(), a);
    EXPECT_EQ(pc->TabIndex(), 0);
    EXPECT_TRUE(a->Visible());
    EXPECT_FALSE(c->Visible());

    pc->SetActivePageIndex(1);
    EXPECT_EQ(pc->ActivePage(), b);
    EXPECT_TRUE(log.isEmpty()) << log.join(QLatin1Char(' ')).toStdString();
}

TEST_F(StdControls, TabClicksAskOnChangingThenChangeThePageBeforeOnChange) {
    auto* pc = make<TPageControl>(10, 10, 300, 200);
    TTabSheet* a = sheet(pc, "First");
    TTabSheet* b = sheet(pc, "Second");
    TPageControl* seenIn = nullptr;
    pc->OnChange = TNotifyEvent([&](TObject*) {
        log << QStringLiteral("Change");
        seenIn = pc;
        EXPECT_EQ(pc->ActivePage(), b);
    });
    pc->OnChanging = TTabChangingEvent([&](TObject*, bool& Allow) {
        log << QStringLiteral("Changing");
        Allow = log.size() > 1;
    });

    clickTab(pc, 1);
    EXPECT_EQ(pc->ActivePage(), a);
    EXPECT_EQ(log, QStringList{QStringLiteral("Changing")});

    clickTab(pc, 1);
    EXPECT_EQ(pc->ActivePage(), b);
    EXPECT_EQ(seenIn, pc);
    EXPECT_EQ(
        log, QStringList({QStringLiteral("Changing"), QStringLiteral("Changing"), QStringLiteral("Change")}));

    // A click on the tab already selected changes nothing.
    log.clear();
    clickTab(pc, 1);
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(StdControls, TabIndexFromCodeFiresNothingAndIgnoresIndexesOutOfRange) {
    auto* tc = make<TTabControl>(10, 10, 300, 100);
    tc->Tabs()->Add(QStringLiteral("One"));
    tc->Tabs()->Add(QStringLiteral("Two"));
    watch(tc);
    struct Case {
        int set;
        int expect;
    };
    for (const Case& k : {Case{1, 1}, Case{5, 1}, Case{-2, 1}, Case{-1, -1}, Case{0, 0}}) {
        tc->SetTabIndex(k.set);
        EXPECT_EQ(tc->TabIndex(), k.expect) << "set " << k.set;
    }
    EXPECT_TRUE(log.isEmpty());
    clickTab(tc, 1);
    EXPECT_EQ(tc->TabIndex(), 1);
    EXPECT_EQ(log, QStringList({QStringLiteral("Changing"), QStringLiteral("Change")}));
}

TEST_F(StdControls, SheetMovesToAnotherPageControlAndTheOldOneActivatesTheNext) {
    auto* left = make<TPageControl>(0, 0, 190, 200);
    auto* right = make<TPageControl>(200, 0, 190, 200);
    TTabSheet* a = sheet(left, "A");
    TTabSheet* b = sheet(left, "B");
    auto* onA = make<TTestBox>(5, 5, 20, 20, a);
    watch(left);
    watch(right);

    a->SetPageControl(right);
    EXPECT_EQ(a->PageControl(), right);
    EXPECT_EQ(a->Parent(), right);
    EXPECT_EQ(onA->Parent(), a);
    EXPECT_EQ(left->PageCount(), 1);
    EXPECT_EQ(left->ActivePage(), b);
    EXPECT_EQ(right->PageCount(), 1);
    EXPECT_EQ(right->Pages(0), a);
    EXPECT_EQ(right->ActivePage(), a);
    EXPECT_EQ(right->Tabs()->Strings(0), QStringLiteral("A"));
    // The sheet fills its new control's display area.
    EXPECT_EQ(a->BoundsRect(), right->DisplayRect());

    a->SetPageControl(nullptr);
    EXPECT_EQ(right->PageCount(), 0);
    EXPECT_EQ(right->ActivePage(), nullptr);
    EXPECT_EQ(right->ActivePageIndex(), -1);
    EXPECT_TRUE(log.isEmpty());
    FreeObject(a);
}

// ---- radio group, check box, button --------------------------------------------------------------

TEST_F(StdControls, RadioGroupClampsItemIndexAndClicksOnlyOnAChange) {
    auto* rg = make<TRadioGroup>(10, 10, 150, 80);
    rg->Items()->Add(QStringLiteral("Bar"));
    rg->Items()->Add(QStringLiteral("PSI"));
    int clicks = 0;
    rg->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
    EXPECT_EQ(rg->ItemIndex(), -1);
    struct Case {
        int set;
        int expect;
        int clicks;
    };
    for (const Case& k : {Case{0, 0, 1}, Case{7, 1, 2}, Case{1, 1, 2}, Case{-5, -1, 3}, Case{-1, -1, 3}}) {
        rg->SetItemIndex(k.set);
        EXPECT_EQ(rg->ItemIndex(), k.expect) << "set " << k.set;
        EXPECT_EQ(clicks, k.clicks) << "set " << k.set;
        for (int i = 0; i < rg->ButtonCount(); ++i)
            EXPECT_EQ(rg->Buttons(i)->Checked(), i == k.expect) << "set " << k.set << " button " << i;
    }

    // The user's click on a button selects its item once.
    TRadioButton* psi = rg->Buttons(1);
    click(psi, 5, psi->Height() / 2);
    EXPECT_EQ(rg->ItemIndex(), 1);
    EXPECT_EQ(clicks, 4);
    EXPECT_FALSE(rg->Buttons(0)->Checked());
}

TEST_F(StdControls, CheckBoxClicksCycleTheStateAndEveryChangeIsAClick) {
    struct Case {
        bool allowGrayed;
        TCheckBoxState after[3];
    };
    for (const Case& k :
         {Case{false, {cbChecked, cbUnchecked, cbChecked}}, Case{true, {cbGrayed, cbChecked, cbUnchecked}}}) {
        auto* cb = make<TCheckBox>(10, 10, 100, 17);
        cb->SetAllowGrayed(k.allowGrayed);
        int clicks = 0;
        cb->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
        for (int i = 0; i < 3; ++i) {
            click(cb, 5, 8);
            EXPECT_EQ(cb->State(), k.after[i]) << "grayed allowed " << k.allowGrayed << " click " << i;
            EXPECT_EQ(clicks, i + 1);
        }
        cb->SetState(cb->State());
        EXPECT_EQ(clicks, 3);
        cb->SetChecked(!cb->Checked());
        EXPECT_EQ(clicks, 4);
        FreeObject(cb);
    }
}

TEST_F(StdControls, ButtonClickGivesTheFormItsModalResultBeforeOnClick) {
    auto* ok = make<TButton>(10, 10, 75, 25);
    ok->SetModalResult(mrOk);
    TModalResult seen = mrNone;
    ok->OnClick = TNotifyEvent([&](TObject*) { seen = form->ModalResult(); });
    click(ok, 10, 10);
    EXPECT_EQ(seen, mrOk);
    EXPECT_EQ(form->ModalResult(), mrOk);

    // A press dragged off the button before release is no click.
    form->SetModalResult(mrNone);
    seen = mrCancel;
    SendMouse(ok, QEvent::MouseButtonPress, 10, 10);
    SendMouse(ok, QEvent::MouseButtonRelease, 200, 10);
    EXPECT_EQ(seen, mrCancel);
    EXPECT_EQ(form->ModalResult(), mrNone);
}

TEST_F(StdControls, ButtonShowsItsPictureCentredAndForgetsAFreedList) {
    form->SetColor(clWhite);
    auto* b = make<TButton>(0, 0, 40, 30);
    b->SetCaption(QStringLiteral("Open"));
    auto* list = new TImageList(form.get());
    list->SetSize(8, 8);
    TBitmap red(8, 8);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(Rect(0, 0, 8, 8));
    list->Add(&red, nullptr);
    b->SetImages(list);
    const auto redAt = [&](int x, int y) {
        TBitmap bmp(40, 30);
        b->PaintTo(bmp.Canvas(), 0, 0);
        return ColorToRGB(bmp.Canvas()->Pixels(x, y)) == ColorToRGB(clRed);
    };
    struct Case {
        int index;
        bool centre, beside;
    };
    // The picture covers 16..23 x 11..18; an index outside the list shows the caption.
    for (const Case& k : {Case{0, true, false}, Case{1, false, false}, Case{-1, false, false}}) {
        b->SetImageIndex(k.index);
        EXPECT_EQ(redAt(16, 11), k.centre) << "index " << k.index;
        EXPECT_EQ(redAt(23, 18), k.centre) << "index " << k.index;
        EXPECT_EQ(redAt(15, 11) || redAt(24, 18) || redAt(16, 10) || redAt(23, 19), k.beside)
            << "index " << k.index;
    }
    b->SetImageIndex(0);
    FreeObject(list);
    EXPECT_EQ(b->Images(), nullptr);
    EXPECT_FALSE(redAt(20, 15));
}

// ---- label and painting ------------------------------------------------------------------------

TEST_F(StdControls, AutoSizedLabelFitsEachLineOfItsCaption) {
    auto* one = new TLabel(form.get());
    one->SetParent(form.get());
    one->SetCaption(QStringLiteral("Device"));
    auto* two = new TLabel(form.get());
    two->SetParent(form.get());
    two->SetCaption(QStringLiteral("Device\r\nDevice"));
    EXPECT_GT(one->Width(), 0);
    EXPECT_EQ(two->Width(), one->Width());
    EXPECT_EQ(two->Height(), 2 * one->Height());

    two->SetAutoSize(false);
    two->SetCaption(QStringLiteral("x"));
    EXPECT_EQ(two->Width(), one->Width());
}

TEST_F(StdControls, RefreshPaintsBeforeItReturns) {
    auto* box = make<TTestBox>(10, 10, 50, 50);
    Application->ProcessMessages();
    const int before = box->Paints;
    box->Refresh();
    EXPECT_EQ(box->Paints, before + 1);

    // A window-less control is refreshed through the parent that paints it.
    auto* spot = new TTestSpot(form.get());
    spot->SetParent(box);
    spot->SetBounds(5, 5, 10, 10);
    spot->Refresh();
    EXPECT_EQ(box->Paints, before + 2);
}
