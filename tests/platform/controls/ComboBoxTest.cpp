// Combo boxes: selection by code and by the user with the events each fires, the dropped
// list, the edit part, the items kept in step with the selection, owner drawing, the
// window the item changes need, and a choice dialog filled and read back around
// ShowModal.
#include "ControlFixture.h"

#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/StandardControls.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {
// A dialog that offers a choice of lines in a drop-down list.
class TChoiceDialog : public TForm {
    ORVO_CLASS(TChoiceDialog, TForm)
public:
    explicit TChoiceDialog(TComponent* AOwner) : TForm(AOwner) {}
    TComboBoxEx* cbChoice = nullptr;
    TComboBox* cbSorted = nullptr;
    TButton* OKBtn = nullptr;
    TButton* CancelBtn = nullptr;
};

struct ComboFixture : ::testing::Test {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    QStringList log;
    TComboBox* make(TComboBoxStyle Style) {
        auto* c = new TComboBox(form.get());
        c->SetName(QStringLiteral("Combo1"));
        c->SetParent(form.get());
        c->SetStyle(Style);
        c->SetBounds(10, 10, 120, 21);
        for (const char* s : {"alpha", "beta", "gamma", "delta"})
            c->Items()->Add(QString::fromLatin1(s));
        c->OnChange = TNotifyEvent([this](TObject*) { log << QStringLiteral("Change"); });
        c->OnClick = TNotifyEvent([this](TObject*) { log << QStringLiteral("Click"); });
        c->OnDropDown = TNotifyEvent([this](TObject*) { log << QStringLiteral("DropDown"); });
        c->OnCloseUp = TNotifyEvent([this](TObject*) { log << QStringLiteral("CloseUp"); });
        return c;
    }
    void SetUp() override {
        form->SetClientSize(300, 200);
        form->Show();
    }
    static QWidget* popup() { return QApplication::activePopupWidget(); }
    static void mouseOnPopup(int Type, int Y) {
        QWidget* p = popup();
        ASSERT_NE(p, nullptr);
        const QPointF local(5, Y);
        QMouseEvent e(QEvent::Type(Type), local, local, p->mapToGlobal(local), Qt::LeftButton,
                      Type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(p, &e);
    }
    static void keyOnPopup(int Key) {
        QKeyEvent e(QEvent::KeyPress, Key, Qt::NoModifier);
        QCoreApplication::sendEvent(popup(), &e);
    }
};
} // namespace

ORVO_IMPLEMENT_CLASS(TChoiceDialog, TForm)
ORVO_PUBLISHED(TChoiceDialog) {
    P.Field("cbChoice", &TChoiceDialog::cbChoice);
    P.Field("cbSorted", &TChoiceDialog::cbSorted);
    P.Field("OKBtn", &TChoiceDialog::OKBtn);
    P.Field("CancelBtn", &TChoiceDialog::CancelBtn);
}

TEST(ComboChoiceDialog, FilledWhileHiddenAndReadBackAfterShowModal) {
    RegisterStandardControls();
    std::unique_ptr<TChoiceDialog, Free> dlg(MakeForm<TChoiceDialog>());
    TComboBoxEx* cb = dlg->cbChoice;
    ASSERT_NE(cb, nullptr);
    EXPECT_EQ(cb->Style(), csExDropDownList);
    EXPECT_EQ(cb->TabOrder(), 2);

    // Filled each time it is needed, on a dialog that has never been shown.
    auto fill = [&] {
        cb->Clear();
        cb->AddItem(QStringLiteral("COM5: 0011AABBCCDD "), nullptr);
        cb->AddItem(QStringLiteral("COM7: 0011AABBCCEE BOOTLOADER"), nullptr);
        cb->SetItemIndex(0);
    };
    fill();
    fill(); // a second fill leaves no stale lines behind
    ASSERT_EQ(cb->Items()->Count(), 2);
    EXPECT_EQ(cb->Text(), QStringLiteral("COM5: 0011AABBCCDD "));

    int changes = 0;
    cb->OnChange = TNotifyEvent([&](TObject*) { ++changes; });
    // The user moves to the second line and presses Enter: the default button answers.
    auto* timer = new TTimer(dlg.get());
    timer->SetInterval(5);
    timer->SetOnTimer(TNotifyEvent([&](TObject*) {
        timer->SetEnabled(false);
        cb->SetFocus();
        SendKey(cb, Qt::Key_Down);
        SendKey(cb, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    }));
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_EQ(cb->ItemIndex(), 1);
    EXPECT_EQ(changes, 1);

    // Refilled and cancelled with Escape: the selection made by code stays.
    fill();
    timer->SetOnTimer(TNotifyEvent([&](TObject*) {
        timer->SetEnabled(false);
        cb->SetFocus();
        SendKey(cb, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    }));
    timer->SetEnabled(true);
    EXPECT_EQ(dlg->ShowModal(), mrCancel);
    EXPECT_EQ(cb->ItemIndex(), 0);

    // Picked with the mouse in the dropped list, then OK clicked.
    fill();
    timer->SetOnTimer(TNotifyEvent([&](TObject*) {
        timer->SetEnabled(false);
        SendMouse(cb, QEvent::MouseButtonPress, 5, 5);
        SendMouse(cb, QEvent::MouseButtonRelease, 5, 5);
        const int h = cb->ItemHeight();
        if (QWidget* p = QApplication::activePopupWidget()) {
            const QPointF local(5, 1 + h + h / 2);
            QMouseEvent up(QEvent::MouseButtonRelease, local, local, p->mapToGlobal(local), Qt::LeftButton,
                           Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(p, &up);
        }
        dlg->OKBtn->Click();
    }));
    timer->SetEnabled(true);
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_EQ(cb->ItemIndex(), 1);
    EXPECT_FALSE(cb->DroppedDown());
}

TEST(ComboChoiceDialog, StoredIndexAppliesToTheSortedItemsAfterLoading) {
    RegisterStandardControls();
    std::unique_ptr<TChoiceDialog, Free> dlg(MakeForm<TChoiceDialog>());
    TComboBox* cb = dlg->cbSorted;
    ASSERT_NE(cb, nullptr);
    ASSERT_EQ(cb->Items()->Count(), 3);
    EXPECT_EQ(cb->Items()->Strings(0), QStringLiteral("Apple"));
    EXPECT_EQ(cb->Items()->Strings(2), QStringLiteral("pear"));
    EXPECT_EQ(cb->ItemIndex(), 1);
    EXPECT_EQ(cb->Text(), QStringLiteral("fig"));
}

TEST_F(ComboFixture, CodeChangesFireNothingUserSelectionFiresClickThenSelectOrChange) {
    TComboBox* c = make(csDropDownList);
    c->SetItemIndex(1);
    c->SetText(QStringLiteral("GAMMA")); // a list style selects the matching item
    EXPECT_EQ(c->ItemIndex(), 2);
    c->SetText(QStringLiteral("none of them"));
    EXPECT_EQ(c->ItemIndex(), 2);
    EXPECT_EQ(c->Text(), QStringLiteral("gamma"));
    c->SetItemIndex(9); // out of range: no selection
    EXPECT_EQ(c->ItemIndex(), -1);
    EXPECT_EQ(c->Text(), QString());
    EXPECT_TRUE(log.isEmpty());

    c->SetFocus();
    SendKey(c, Qt::Key_Down); // from no selection to the first item
    EXPECT_EQ(c->ItemIndex(), 0);
    EXPECT_EQ(log, QStringList({"Click", "Change"}));

    // With OnSelect assigned, a user selection fires it instead of OnChange.
    log.clear();
    c->OnSelect = TNotifyEvent([this](TObject*) { log << QStringLiteral("Select"); });
    SendKey(c, 0, Qt::NoModifier, QStringLiteral("d"));
    EXPECT_EQ(c->ItemIndex(), 3);
    EXPECT_EQ(log, QStringList({"Click", "Select"}));
    // At the last item Down changes nothing and fires nothing.
    log.clear();
    SendKey(c, Qt::Key_Down);
    EXPECT_EQ(c->ItemIndex(), 3);
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(ComboFixture, DroppedListPicksWithMouseAndKeysAndCancelsWithEscape) {
    TComboBox* c = make(csDropDownList);
    c->SetItemIndex(0);
    c->SetFocus();
    SendMouse(c, QEvent::MouseButtonPress, 10, 10);
    SendMouse(c, QEvent::MouseButtonRelease, 10, 10);
    ASSERT_TRUE(c->DroppedDown());
    ASSERT_NE(popup(), nullptr);
    EXPECT_EQ(popup()->width(), c->Width());
    const int h = c->ItemHeight();
    mouseOnPopup(QEvent::MouseMove, 1 + 2 * h + 1);
    mouseOnPopup(QEvent::MouseButtonRelease, 1 + 2 * h + 1);
    EXPECT_FALSE(c->DroppedDown());
    EXPECT_EQ(c->ItemIndex(), 2);
    EXPECT_EQ(log, QStringList({"DropDown", "Click", "Change", "CloseUp"}));

    // Escape closes without a pick; F4 drops, Down and Enter pick the next item.
    log.clear();
    SendKey(c, Qt::Key_F4);
    keyOnPopup(Qt::Key_Down);
    keyOnPopup(Qt::Key_Escape);
    EXPECT_EQ(c->ItemIndex(), 2);
    SendKey(c, Qt::Key_Down, Qt::AltModifier);
    keyOnPopup(Qt::Key_Down);
    keyOnPopup(Qt::Key_Return);
    EXPECT_EQ(c->ItemIndex(), 3);
    EXPECT_EQ(log, QStringList({"DropDown", "CloseUp", "DropDown", "Click", "Change", "CloseUp"}));
    EXPECT_EQ(popup(), nullptr);
}

TEST_F(ComboFixture, EditPartTypingFiresChangeAndFollowsMatchingItem) {
    TComboBox* c = make(csDropDown);
    c->SetText(QStringLiteral("beta")); // by code: no event, the matching item selected
    EXPECT_EQ(c->ItemIndex(), 1);
    EXPECT_TRUE(log.isEmpty());
    c->SetFocus(); // entering selects the whole text, so typing replaces it
    for (QChar ch : QStringLiteral("gam"))
        SendKey(c, 0, Qt::NoModifier, String(ch));
    EXPECT_EQ(c->Text(), QStringLiteral("gam"));
    EXPECT_EQ(c->ItemIndex(), -1);
    SendKey(c, 0, Qt::NoModifier, QStringLiteral("m"));
    SendKey(c, 0, Qt::NoModifier, QStringLiteral("a"));
    EXPECT_EQ(c->ItemIndex(), 2);
    SendKey(c, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    EXPECT_EQ(c->Text(), QStringLiteral("gamm"));
    EXPECT_EQ(log.count(QStringLiteral("Change")), 6);
    EXPECT_EQ(log.count(QStringLiteral("Click")), 0);
    // An arrow key selects an item and puts its text in the edit part.
    log.clear();
    SendKey(c, Qt::Key_Up);
    EXPECT_EQ(c->Text(), QStringLiteral("alpha"));
    EXPECT_EQ(log, QStringList({"Click", "Change"}));
}

// The edit part takes the editing shortcuts of an edit: select all, copy, cut, paste (one
// line of the clipboard), each change through the change event.
TEST_F(ComboFixture, EditPartTakesSelectAllCopyCutAndPaste) {
    TComboBox* c = make(csDropDown);
    c->SetFocus();
    for (QChar ch : QStringLiteral("0.00"))
        SendKey(c, 0, Qt::NoModifier, String(ch));
    SendKey(c, Qt::Key_Left);
    SendKey(c, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    SendKey(c, Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"));
    EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("0.00"));
    SendKey(c, 0, Qt::NoModifier, QStringLiteral("#"));
    EXPECT_EQ(c->Text(), QStringLiteral("#")) << "the whole text was selected";
    SendKey(c, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    EXPECT_EQ(c->Text(), QStringLiteral("#0.00"));
    Clipboard()->SetAsText(QStringLiteral("x\r\nsecond line"));
    SendKey(c, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    EXPECT_EQ(c->Text(), QStringLiteral("#0.00x"));
    log.clear();
    SendKey(c, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    SendKey(c, Qt::Key_X, Qt::ControlModifier, QStringLiteral("\x18"));
    EXPECT_EQ(c->Text(), String());
    EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("#0.00x"));
    EXPECT_EQ(log, QStringList({"Change"}));
    // A list-only combo has no edit part: Ctrl+A changes nothing.
    c->SetName(QStringLiteral("Edited"));
    TComboBox* list = make(csDropDownList);
    list->SetItemIndex(1);
    list->SetFocus();
    SendKey(list, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    EXPECT_EQ(list->Text(), QStringLiteral("beta"));
}

TEST_F(ComboFixture, ItemsKeepObjectsAndTheSelectionInStep) {
    TComboBox* c = make(csDropDownList);
    EXPECT_TRUE(c->Items()->ClassNameIs(QStringLiteral("TComboBoxStrings")));
    TObject tag;
    c->Items()->SetObjects(2, &tag);
    c->SetItemIndex(2);
    c->Items()->Insert(0, QStringLiteral("first"));
    EXPECT_EQ(c->ItemIndex(), 3);
    c->Items()->SetStrings(3, QStringLiteral("GAMMA"));
    EXPECT_EQ(c->Text(), QStringLiteral("GAMMA"));
    EXPECT_EQ(c->Items()->Objects(3), &tag);
    c->Items()->Delete(0);
    EXPECT_EQ(c->ItemIndex(), 2);
    c->Items()->Delete(2);
    EXPECT_EQ(c->ItemIndex(), -1);
    EXPECT_THROW(c->Items()->Delete(7), EListError);

    // Sorting keeps the selected item selected; later additions go to their place.
    c->SetItemIndex(1); // "beta"
    c->SetSorted(true);
    EXPECT_EQ(c->Items()->CommaText(), QStringLiteral("alpha,beta,delta"));
    EXPECT_EQ(c->ItemIndex(), 1);
    EXPECT_EQ(c->Items()->Add(QStringLiteral("Charlie")), 2);
    EXPECT_EQ(c->Text(), QStringLiteral("beta"));
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(ComboFixture, ItemChangesAndDroppedWidthNeedAParentWindow) {
    std::unique_ptr<TComboBox, Free> orphan(new TComboBox(nullptr));
    orphan->SetName(QStringLiteral("Loose"));
    try {
        orphan->Items()->Add(QStringLiteral("x"));
        FAIL() << "no error without a parent window";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message, QStringLiteral("Control 'Loose' has no parent window"));
    }
    EXPECT_EQ(orphan->Items()->Count(), 0);
    EXPECT_THROW(orphan->Perform(CB_GETDROPPEDWIDTH), EInvalidOperation);
    EXPECT_THROW(orphan->Perform(CB_SETDROPPEDWIDTH, 200), EInvalidOperation);
    // Once parented it works, and keeps its items across a new window.
    orphan->SetParent(form.get());
    orphan->AddItem(QStringLiteral("x"), nullptr);
    EXPECT_EQ(orphan->Perform(CB_SETDROPPEDWIDTH, 50), orphan->Width()); // never narrower than the box
    EXPECT_EQ(orphan->Perform(CB_SETDROPPEDWIDTH, 300), 300);
    orphan->RecreateWnd();
    EXPECT_EQ(orphan->Items()->Count(), 1);
    EXPECT_EQ(orphan->Perform(CB_GETDROPPEDWIDTH), 300);
    orphan->SetDroppedDown(true);
    ASSERT_NE(popup(), nullptr);
    EXPECT_EQ(popup()->width(), 300);
    orphan->SetDroppedDown(false);
    orphan->SetParent(nullptr);
}

TEST_F(ComboFixture, OwnerDrawnRowsAreDrawnByTheEvent) {
    TComboBox* c = make(csOwnerDrawFixed);
    c->SetItemHeight(18);
    EXPECT_EQ(c->ItemHeight(), 18);
    QStringList drawn;
    c->OnDrawItem = TDrawItemEvent([&](TWinControl* Sender, int Index, TRect Rect, TOwnerDrawState State) {
        EXPECT_EQ(Sender, c);
        drawn << QStringLiteral("%1%2%3")
                     .arg(Index)
                     .arg(State.Contains(odComboBoxEdit) ? QStringLiteral("e") : QString())
                     .arg(State.Contains(odSelected) ? QStringLiteral("s") : QString());
        if (!State.Contains(odComboBoxEdit)) {
            EXPECT_EQ(Rect.Height(), 18);
        }
        static_cast<TComboBox*>(Sender)->Canvas()->FillRect(Rect);
    });
    c->SetItemIndex(1);
    TBitmap image(c->Width(), c->Height());
    c->PaintTo(image.Canvas(), 0, 0);
    EXPECT_EQ(drawn, QStringList({"1e"}));
    drawn.clear();
    c->SetDroppedDown(true);
    ASSERT_NE(popup(), nullptr);
    popup()->grab();
    EXPECT_EQ(drawn, QStringList({"0", "1s", "2", "3"}));
    c->SetDroppedDown(false);
}
