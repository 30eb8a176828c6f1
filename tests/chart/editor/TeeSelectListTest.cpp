// The select-list form: its controls from the form resource, the buttons enabled as the lists
// allow, moves that keep the items' order and objects, reordering, and OnChange after each.
#include "EditorBaseTestSupport.h"

#include "chart/editor/TeePenDlg.h"
#include "chart/editor/TeeSelectList.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/SpeedButton.h"
#include "platform/graphics/Bitmap.h"

using namespace editortest;

namespace {
QStringList ItemsOf(TListBox* List) {
    QStringList out;
    for (int i = 0; i < List->Items()->Count(); ++i)
        out << List->Items()->Strings(i);
    return out;
}

struct SelectListTest : ::testing::Test {
    Owned<TForm> host{new TForm(nullptr, 0)};
    TPanel* page = nullptr;
    TSelectListForm* form = nullptr;
    int changes = 0;
    void SetUp() override {
        host->SetClientSize(400, 240);
        page = new TPanel(host.get());
        page->SetParent(host.get());
        page->SetAlign(alClient);
        host->Show();
        form = static_cast<TSelectListForm*>(TSelectListForm::StaticClass()->CreateComponent(host.get()));
        form->OnChange = TNotifyEvent([this](TObject* Sender) {
            EXPECT_EQ(Sender, form);
            ++changes;
        });
    }
    void embed() { AddFormTo(form, page); }
    // Which buttons are enabled: > >> < << up down.
    QString enabled() const {
        QString s;
        for (TControl* c : std::initializer_list<TControl*>{form->BRightOne, form->BRightAll, form->BLeftOne,
                                                            form->BLeftAll, form->BMoveUP, form->BMoveDown})
            s += c->Enabled() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
};
} // namespace

TEST_F(SelectListTest, TheResourceBuildsTheControls) {
    embed();
    EXPECT_EQ(form->Align(), alClient);
    EXPECT_EQ(form->L22->Caption(), "A&vailable:");
    EXPECT_EQ(form->L23->Caption(), "&Selected: ");
    EXPECT_TRUE(form->FromList->MultiSelect());
    EXPECT_TRUE(form->ToList->MultiSelect());
    EXPECT_EQ(form->BRightOne->Caption(), ">");
    EXPECT_EQ(form->BRightAll->Caption(), ">>");
    EXPECT_EQ(form->BLeftOne->Caption(), "<");
    EXPECT_EQ(form->BLeftAll->Caption(), "<<");
    EXPECT_FALSE(form->BMoveUP->Glyph()->Empty());
    EXPECT_FALSE(form->BMoveDown->Glyph()->Empty());
    // Both lists empty: nothing to do.
    EXPECT_EQ(enabled(), "000000");
}

TEST_F(SelectListTest, MovingTwoOfThreeKeepsTheirOrderAndObjects) {
    embed();
    TObject* objects[3] = {page, host.get(), form};
    for (int i = 0; i < 3; ++i)
        form->FromList->Items()->AddObject(QStringLiteral("item%1").arg(i), objects[i]);
    form->ToList->Items()->Add(QStringLiteral("chosen"));
    form->EnableButtons();
    EXPECT_EQ(enabled(), "111100");
    form->FromList->SetSelected(2, true);
    form->FromList->SetSelected(0, true);
    Click(form->BRightOne);
    EXPECT_EQ(ItemsOf(form->ToList), QStringList({"chosen", "item0", "item2"}));
    EXPECT_EQ(form->ToList->Items()->Objects(2), form);
    EXPECT_EQ(ItemsOf(form->FromList), QStringList({"item1"}));
    EXPECT_EQ(changes, 1);
    Click(form->BRightAll);
    EXPECT_EQ(ItemsOf(form->ToList), QStringList({"chosen", "item0", "item2", "item1"}));
    EXPECT_EQ(form->FromList->Items()->Count(), 0);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(enabled().left(4), "0011");
    form->ToList->SetSelected(1, true);
    Click(form->BLeftOne);
    EXPECT_EQ(ItemsOf(form->FromList), QStringList({"item0"}));
    Click(form->BLeftAll);
    EXPECT_EQ(ItemsOf(form->FromList), QStringList({"item0", "chosen", "item2", "item1"}));
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(enabled(), "110000");
}

TEST_F(SelectListTest, UpAndDownStopAtTheEnds) {
    embed();
    for (const char* s : {"a", "b", "c"})
        form->ToList->Items()->Add(QString::fromLatin1(s));
    form->ToList->SetItemIndex(0);
    Click(form->ToList, 5, 5);
    EXPECT_EQ(enabled().right(2), "01");
    Click(form->BMoveDown);
    EXPECT_EQ(ItemsOf(form->ToList), QStringList({"b", "a", "c"}));
    EXPECT_EQ(form->ToList->ItemIndex(), 1);
    EXPECT_EQ(enabled().right(2), "11");
    Click(form->BMoveDown);
    EXPECT_EQ(ItemsOf(form->ToList), QStringList({"b", "c", "a"}));
    EXPECT_EQ(enabled().right(2), "10");
    Click(form->BMoveDown); // disabled: nothing
    EXPECT_EQ(ItemsOf(form->ToList), QStringList({"b", "c", "a"}));
    Click(form->BMoveUP);
    Click(form->BMoveUP);
    EXPECT_EQ(ItemsOf(form->ToList), QStringList({"a", "b", "c"}));
    EXPECT_EQ(enabled().right(2), "01");
    EXPECT_EQ(changes, 4);
}

TEST_F(SelectListTest, DoubleClicksMoveTheItemUnderTheMouse) {
    embed();
    for (const char* s : {"a", "b"})
        form->FromList->Items()->Add(QString::fromLatin1(s));
    DoubleClick(form->FromList, 5, form->FromList->ItemRect(1).Top + 3);
    EXPECT_EQ(ItemsOf(form->ToList), QStringList({"b"}));
    EXPECT_EQ(form->ToList->ItemIndex(), 0);
    DoubleClick(form->ToList, 5, 5);
    EXPECT_EQ(ItemsOf(form->FromList), QStringList({"a", "b"}));
    EXPECT_EQ(changes, 2);
}
