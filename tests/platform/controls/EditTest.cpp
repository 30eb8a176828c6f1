// The one-line edit, the mask edit and the memo driven by key events on a shown form.
#include "ControlFixture.h"

#include "platform/classes/StringList.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/Edit.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
struct EditFixture : ::testing::Test {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    int changes = 0;
    template <class E> E* make() {
        auto* e = new E(form.get());
        e->SetParent(form.get());
        e->OnChange = TNotifyEvent([this](TObject*) { ++changes; });
        return e;
    }
    void SetUp() override {
        form->SetClientSize(300, 200);
        form->Show();
    }
    static void type(TWinControl* c, const QString& s) {
        for (QChar ch : s)
            SendKey(c, 0, Qt::NoModifier, String(ch));
    }
};
} // namespace

TEST_F(EditFixture, TypingMaxLengthReadOnlyAndChangeByCode) {
    auto* e = make<TEdit>();
    e->SetMaxLength(4);
    type(e, QStringLiteral("12345"));
    EXPECT_EQ(e->Text(), QStringLiteral("1234"));
    EXPECT_TRUE(e->Modified());
    EXPECT_EQ(changes, 4);
    SendKey(e, Qt::Key_Left);
    SendKey(e, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    EXPECT_EQ(e->Text(), QStringLiteral("124"));
    // Undo takes the last edit back, a second undo redoes it.
    e->Perform(EM_UNDO);
    EXPECT_EQ(e->Text(), QStringLiteral("1234"));
    e->Perform(WM_UNDO);
    EXPECT_EQ(e->Text(), QStringLiteral("124"));
    // Set by code: OnChange fires, the edit is not modified any more.
    changes = 0;
    e->SetText(QStringLiteral("abc"));
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(e->Modified());
    e->SetReadOnly(true);
    type(e, QStringLiteral("x"));
    EXPECT_EQ(e->Text(), QStringLiteral("abc"));
}

TEST_F(EditFixture, ClipboardCommandsAndAlignmentStyle) {
    auto* e = make<TEdit>();
    e->SetText(QStringLiteral("hello world"));
    e->SetSelStart(0);
    e->SetSelLength(5);
    e->Perform(WM_CUT);
    EXPECT_EQ(e->Text(), QStringLiteral(" world"));
    EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("hello"));
    e->SetSelStart(6);
    e->Perform(WM_PASTE);
    EXPECT_EQ(e->Text(), QStringLiteral(" worldhello"));
    e->SetAlignment(taRightJustify);
    EXPECT_EQ(GetWindowLong(e->Handle(), GWL_STYLE) & LONG(ES_RIGHT), LONG(ES_RIGHT));
    EXPECT_EQ(e->Alignment(), taRightJustify);
}

TEST_F(EditFixture, MaskEditTakesOnlyWhatTheSlotTakes) {
    auto* m = make<TMaskEdit>();
    m->SetEditMask(QStringLiteral("00:00;0;_"));
    EXPECT_EQ(m->EditText(), QStringLiteral("__:__"));
    m->SetSelStart(0);
    type(m, QStringLiteral("1a2"));
    EXPECT_EQ(m->EditText(), QStringLiteral("12:__"));
    type(m, QStringLiteral("34"));
    EXPECT_EQ(m->EditText(), QStringLiteral("12:34"));
    EXPECT_EQ(m->Text(), QStringLiteral("1234")); // literals not saved
}

TEST_F(EditFixture, MemoLinesFollowTheText) {
    auto* memo = make<TMemo>();
    memo->Lines()->Add(QStringLiteral("one"));
    memo->Lines()->Add(QStringLiteral("two"));
    EXPECT_EQ(memo->Text(), QStringLiteral("one\r\ntwo"));
    EXPECT_TRUE(memo->Lines()->ClassNameIs(QStringLiteral("TMemoStrings")));
    memo->SetSelStart(int(memo->Text().size()));
    SendKey(memo, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    type(memo, QStringLiteral("3"));
    ASSERT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Strings(2), QStringLiteral("3"));
    SendKey(memo, Qt::Key_Up);
    EXPECT_EQ(memo->CaretPosition().Y, 1);
}
