// List boxes: selection by code and by the user, multiple selection with Shift and Ctrl,
// sorted items, owner drawing, and the window item changes need.
#include "ControlFixture.h"

#include "platform/classes/StringList.h"
#include "platform/controls/ListBox.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {
struct ListFixture : ::testing::Test {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    int clicks = 0;
    template <class L> L* make() {
        auto* l = new L(form.get());
        l->SetParent(form.get());
        l->SetBounds(10, 10, 120, 100);
        for (const char* s : {"one", "two", "three", "four", "five"})
            l->Items()->Add(QString::fromLatin1(s));
        l->OnClick = TNotifyEvent([this](TObject*) { ++clicks; });
        return l;
    }
    void SetUp() override {
        form->SetClientSize(300, 200);
        form->Show();
    }
    // The middle of row Index in client coordinates.
    static TPoint rowPoint(TCustomListBox* l, int Index) {
        const TRect r = l->ItemRect(Index);
        return Point(r.Left + 20, (r.Top + r.Bottom) / 2);
    }
    static void click(TCustomListBox* l, int Index, Qt::KeyboardModifiers Mods = Qt::NoModifier) {
        const TPoint p = rowPoint(l, Index);
        SendMouse(l, QEvent::MouseButtonPress, p.X, p.Y, Qt::LeftButton, Mods);
        SendMouse(l, QEvent::MouseButtonRelease, p.X, p.Y, Qt::LeftButton, Mods);
    }
};
} // namespace

TEST_F(ListFixture, SingleSelectionByCodeAndByUser) {
    TListBox* l = make<TListBox>();
    EXPECT_TRUE(l->Items()->ClassNameIs(QStringLiteral("TListBoxStrings")));
    l->SetItemIndex(2);
    EXPECT_TRUE(l->Selected(2));
    l->SetItemIndex(17);
    EXPECT_EQ(l->ItemIndex(), -1);
    EXPECT_EQ(clicks, 0);

    click(l, 1);
    EXPECT_EQ(l->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    SendKey(l, Qt::Key_Down);
    SendKey(l, Qt::Key_End);
    EXPECT_EQ(l->ItemIndex(), 4);
    EXPECT_EQ(clicks, 3);
    SendKey(l, Qt::Key_Down); // nothing further down
    EXPECT_EQ(clicks, 3);
    SendKey(l, 0, Qt::NoModifier, QStringLiteral("t")); // next item starting with "t"
    EXPECT_EQ(l->ItemIndex(), 1);
    EXPECT_EQ(l->ItemAtPos(rowPoint(l, 3), true), 3);
    EXPECT_EQ(l->ItemAtPos(Point(20, 99), true), -1);
    EXPECT_EQ(l->ItemAtPos(Point(20, 99), false), 5);

    // Items inserted or deleted before the selection keep it on its item.
    l->Items()->Insert(0, QStringLiteral("zero"));
    EXPECT_EQ(l->Items()->Strings(l->ItemIndex()), QStringLiteral("two"));
    l->Items()->Delete(l->ItemIndex());
    EXPECT_EQ(l->ItemIndex(), -1);
}

TEST_F(ListFixture, MultipleSelectionWithShiftAndCtrl) {
    TListBox* l = make<TListBox>();
    l->SetMultiSelect(true);
    click(l, 1);
    click(l, 3, Qt::ShiftModifier);
    EXPECT_EQ(l->SelCount(), 3);
    click(l, 2, Qt::ControlModifier);
    EXPECT_FALSE(l->Selected(2));
    EXPECT_EQ(l->SelCount(), 2);
    EXPECT_EQ(l->ItemIndex(), 2); // the focused item
    EXPECT_EQ(clicks, 3);
    // From code: no click, and ItemIndex moves the focus without selecting.
    l->SetItemIndex(4);
    EXPECT_FALSE(l->Selected(4));
    l->SetSelected(0, true);
    l->DeleteSelected();
    EXPECT_EQ(l->Items()->CommaText(), QStringLiteral("three,five"));
    EXPECT_EQ(clicks, 3);
}

TEST_F(ListFixture, SortedItemsAndOwnerDrawnRows) {
    TListBox* l = make<TListBox>();
    l->SetItemIndex(2); // "three"
    l->SetSorted(true);
    EXPECT_EQ(l->Items()->CommaText(), QStringLiteral("five,four,one,three,two"));
    EXPECT_EQ(l->ItemIndex(), 3);
    EXPECT_EQ(l->Items()->Add(QStringLiteral("Six")), 3);

    l->SetStyle(lbOwnerDrawFixed);
    l->SetItemHeight(20);
    QStringList drawn;
    l->OnDrawItem = TDrawItemEvent([&](TWinControl*, int Index, TRect Rect, TOwnerDrawState State) {
        EXPECT_EQ(Rect.Height(), 20);
        drawn << QString::number(Index) + (State.Contains(odSelected) ? QStringLiteral("s") : QString());
    });
    l->SetTopIndex(2);
    TBitmap image(l->Width(), l->Height());
    l->PaintTo(image.Canvas(), 0, 0);
    EXPECT_EQ(drawn, QStringList({"2", "3", "4s", "5"}));
}

TEST_F(ListFixture, ItemChangesNeedAParentWindow) {
    std::unique_ptr<TListBox, Free> orphan(new TListBox(nullptr));
    orphan->SetName(QStringLiteral("Loose"));
    EXPECT_THROW(orphan->Items()->Add(QStringLiteral("x")), EInvalidOperation);
    orphan->SetParent(form.get());
    orphan->Items()->Add(QStringLiteral("x"));
    orphan->RecreateWnd();
    EXPECT_EQ(orphan->Items()->Count(), 1);
    orphan->SetParent(nullptr);
}
