// The check list box: states that move with their items, the user's toggles (box click,
// Space) against clicks on the text and changes made by code, the drawn boxes, and a form
// resource that names the control.
#include "ControlFixture.h"

#include "platform/classes/StringList.h"
#include "platform/controls/CheckLst.h"
#include "platform/controls/StandardControls.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QEvent>
#include <gtest/gtest.h>

#include <memory>

namespace {
// A form whose resource holds a check list bound to a handler.
class TCheckListForm : public TForm {
    ORVO_CLASS(TCheckListForm, TForm)
public:
    explicit TCheckListForm(TComponent* AOwner) : TForm(AOwner) {}
    TCheckListBox* Checks = nullptr;
    int ClickChecks = 0;
    void ChecksClickCheck(TObject*) { ++ClickChecks; }
};

struct CheckListFixture : ShownFormTest<300, 200> {
    int checks = 0;
    TCheckListBox* list() {
        auto* l = make<TCheckListBox>(10, 10, 150, 120);
        for (const char* s : {"one", "two", "three", "four", "five"})
            l->Items()->Add(QString::fromLatin1(s));
        l->OnClickCheck = TNotifyEvent([this](TObject*) { ++checks; });
        return l;
    }
    static QList<TCheckBoxState> states(TCheckListBox* l) {
        QList<TCheckBoxState> s;
        for (int i = 0; i < l->Count(); ++i)
            s << l->State(i);
        return s;
    }
    // Clicks row Index at X pixels from the rows' left edge.
    static void clickRow(TCheckListBox* l, int Index, int X) {
        const TRect r = l->ItemRect(Index);
        click(l, r.Left + X, (r.Top + r.Bottom) / 2);
    }
};
} // namespace

ORVO_IMPLEMENT_CLASS(TCheckListForm, TForm)
ORVO_PUBLISHED(TCheckListForm) {
    P.Field("Checks", &TCheckListForm::Checks);
    P.Method("ChecksClickCheck", &TCheckListForm::ChecksClickCheck);
}

TEST_F(CheckListFixture, StatesMoveWithTheirItemsAndCodeFiresNothing) {
    TCheckListBox* l = list();
    l->SetChecked(1, true);
    l->SetState(3, cbGrayed);
    EXPECT_EQ(states(l), QList<TCheckBoxState>({cbUnchecked, cbChecked, cbUnchecked, cbGrayed, cbUnchecked}));

    l->Items()->Insert(0, QStringLiteral("zero")); // a new item starts unchecked
    EXPECT_EQ(states(l), QList<TCheckBoxState>(
                             {cbUnchecked, cbUnchecked, cbChecked, cbUnchecked, cbGrayed, cbUnchecked}));
    l->Items()->Delete(3); // "three"
    l->Items()->Exchange(1, 3);
    EXPECT_EQ(l->Items()->CommaText(), QStringLiteral("zero,four,two,one,five"));
    EXPECT_EQ(states(l), QList<TCheckBoxState>({cbUnchecked, cbGrayed, cbChecked, cbUnchecked, cbUnchecked}));
    l->Items()->SetStrings(2, QStringLiteral("TWO")); // renaming keeps the state
    EXPECT_TRUE(l->Checked(2));

    l->Clear();
    l->Items()->Add(QStringLiteral("again"));
    EXPECT_EQ(l->State(0), cbUnchecked);
    EXPECT_THROW(l->State(1), EListError);
    EXPECT_EQ(checks, 0);
}

TEST_F(CheckListFixture, UserTogglesCycleAndFireOnClickCheck) {
    enum Input { BoxClick, TextClick, Space };
    struct Case {
        const char* name;
        Input input;
        bool allowGrayed;
        TCheckBoxState before, after;
        bool enabled = true;
    };
    const Case cases[] = {
        {"box click checks", BoxClick, false, cbUnchecked, cbChecked},
        {"box click unchecks", BoxClick, false, cbChecked, cbUnchecked},
        {"grayed follows unchecked when allowed", BoxClick, true, cbUnchecked, cbGrayed},
        {"checked follows grayed", BoxClick, true, cbGrayed, cbChecked},
        {"grayed set by code checks", BoxClick, false, cbGrayed, cbChecked},
        {"space checks", Space, false, cbUnchecked, cbChecked},
        {"space unchecks with grayed allowed", Space, true, cbChecked, cbUnchecked},
        {"text click only selects", TextClick, false, cbUnchecked, cbUnchecked},
        {"disabled item stays", BoxClick, false, cbChecked, cbChecked, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        checks = 0;
        TCheckListBox* l = list();
        l->SetAllowGrayed(c.allowGrayed);
        l->SetState(2, c.before);
        l->SetItemEnabled(2, c.enabled);
        switch (c.input) {
        case BoxClick:
            clickRow(l, 2, 5);
            break;
        case TextClick:
            clickRow(l, 2, 40);
            break;
        case Space:
            l->SetFocus();
            l->SetItemIndex(2);
            SendKey(l, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            break;
        }
        EXPECT_EQ(l->ItemIndex(), 2);
        EXPECT_EQ(l->State(2), c.after);
        EXPECT_EQ(checks, c.before != c.after ? 1 : 0);
        // Only the current item changes.
        EXPECT_EQ(l->State(1), cbUnchecked);
        FreeObject(l);
    }
}

TEST_F(CheckListFixture, BoxesDrawFrameTickAndGreySquare) {
    TCheckListBox* l = list();
    l->SetChecked(0, true);
    l->SetState(1, cbGrayed);
    TBitmap image(l->Width(), l->Height());
    l->PaintTo(image.Canvas(), 0, 0);
    const TColor white = ColorToRGB(clWindow), grey = ColorToRGB(clGrayText), ink = ColorToRGB(clWindowText);
    // In the check column of a row: how many pixels have a colour, and the box's centre.
    auto count = [&](int Index, TColor Colour) {
        const TRect r = l->ItemRect(Index);
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Left + 16; ++x)
                n += image.Canvas()->Pixels(x, y) == Colour;
        return n;
    };
    auto centre = [&](int Index) {
        const TRect r = l->ItemRect(Index);
        return image.Canvas()->Pixels(r.Left + 7, (r.Top + r.Bottom) / 2);
    };
    const int frame = count(2, ink);
    EXPECT_GE(frame, 4 * 8); // a square frame of at least 9 pixels a side
    EXPECT_EQ(centre(2), white);
    EXPECT_GT(count(0, ink), frame + 5); // the tick
    EXPECT_EQ(count(1, ink), frame);
    EXPECT_EQ(centre(1), grey);
    EXPECT_GE(count(1, grey), 3 * 3);
}

TEST(CheckListForm, ResourceSetsAllowGrayedAndBindsOnClickCheck) {
    RegisterStandardControls();
    std::unique_ptr<TCheckListForm, Free> f(MakeForm<TCheckListForm>());
    ASSERT_NE(f->Checks, nullptr);
    EXPECT_TRUE(f->Checks->AllowGrayed());
    EXPECT_EQ(f->Checks->Items()->CommaText(), QStringLiteral("Boost,Timing"));
    EXPECT_FALSE(f->Checks->Checked(1));
    f->Show();
    const TRect r = f->Checks->ItemRect(1);
    SendMouse(f->Checks, QEvent::MouseButtonPress, r.Left + 5, r.Top + 4);
    SendMouse(f->Checks, QEvent::MouseButtonRelease, r.Left + 5, r.Top + 4);
    EXPECT_EQ(f->Checks->State(1), cbGrayed) << "grayed allowed";
    EXPECT_EQ(f->ClickChecks, 1);
}
