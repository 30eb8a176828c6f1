#include "chart/editor/StringsEditor.h"

#include "PropertyDialogsFixture.h"

#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/Clipboard.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Edit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace dialogs_test;

namespace {

class DialogAnswer {
public:
    explicit DialogAnswer(TCommonDialogHook Hook) : previous_(SetCommonDialogHook(std::move(Hook))) {}
    ~DialogAnswer() { SetCommonDialogHook(previous_); }

private:
    TCommonDialogHook previous_;
};

TEST(StringsEditor, CopyTakesTheSelectionOrElseTheWholeText) {
    String text = QStringLiteral("first\r\nsecond");
    ModalDriver driver([](TCustomForm* f) {
        auto* e = static_cast<TStringsEditor*>(f);
        Screenshot(e, "strings-editor");
        e->Memo1->SetSelLength(0);
        e->BCopy->Click();
        EXPECT_EQ(Clipboard()->AsText(), e->Memo1->Text());
        e->Memo1->SetSelStart(0);
        e->Memo1->SetSelLength(5);
        e->BCopy->Click();
        EXPECT_EQ(Clipboard()->AsText(), QStringLiteral("first"));
        e->BOK->Click();
    });
    EXPECT_TRUE(TeeEditStrings(nullptr, text));
    EXPECT_TRUE(text.startsWith(QStringLiteral("first")));
}

TEST(StringsEditor, ReadOnlyNeverChangesTheListEvenOnOK) {
    TStringList lines;
    lines.Add(QStringLiteral("kept"));
    ModalDriver driver([](TCustomForm* f) {
        auto* e = static_cast<TStringsEditor*>(f);
        EXPECT_TRUE(e->Memo1->ReadOnly());
        e->Memo1->Lines()->Add(QStringLiteral("typed by code"));
        e->BOK->Click();
    });
    EXPECT_TRUE(TeeEditStrings(nullptr, &lines, true));
    ASSERT_EQ(lines.Count(), 1);
    EXPECT_EQ(lines.Strings(0), QStringLiteral("kept"));
}

TEST(StringsEditor, OKGivesTheEditedLinesAndCancelOrEscapeKeepsTheList) {
    struct Case {
        int answer; // mrOk, mrCancel, or 0 for the Esc key
        int linesAfter;
    };
    for (const Case c : {Case{mrOk, 2}, Case{mrCancel, 1}, Case{0, 1}}) {
        TStringList lines;
        lines.Add(QStringLiteral("one"));
        ModalDriver driver([c](TCustomForm* f) {
            auto* e = static_cast<TStringsEditor*>(f);
            e->Memo1->Lines()->Add(QStringLiteral("two"));
            if (c.answer == mrOk) {
                e->BOK->Click();
            } else if (c.answer == mrCancel) {
                e->BCancel->Click();
            } else {
                Word key = 0x1B;
                e->OnKeyDown(e, key, TShiftState{});
            }
        });
        EXPECT_EQ(TeeEditStrings(nullptr, &lines), c.answer == mrOk);
        EXPECT_EQ(lines.Count(), c.linesAfter) << c.answer;
    }
}

TEST(StringsEditor, LoadsAndSavesTextFilesThroughTheFileDialogs) {
    QTemporaryDir dir;
    const String source = dir.filePath(QStringLiteral("in.txt"));
    const String target = dir.filePath(QStringLiteral("out.txt"));
    {
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alpha\r\nbeta\r\n");
    }
    {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old contents\r\n");
    }
    std::vector<String> titles;
    DialogAnswer files([&](TCommonDialog* d) {
        auto* o = static_cast<TOpenDialog*>(d);
        titles.push_back(o->Title());
        EXPECT_EQ(o->Filter(), QStringLiteral("Text File|*.txt"));
        o->SetFileName(o->IsSaveDialog() ? target : source);
        return true;
    });
    ModalDriver driver([](TCustomForm* f) {
        auto* e = static_cast<TStringsEditor*>(f);
        e->BLoad->Click();
        EXPECT_EQ(e->Memo1->Lines()->Count(), 2);
        e->Memo1->Lines()->Add(QStringLiteral("gamma"));
        e->BSave->Click();
        e->BCancel->Click();
    });
    TStringList lines;
    EXPECT_FALSE(TeeEditStrings(nullptr, &lines));
    EXPECT_EQ(titles,
              (std::vector<String>{QStringLiteral("Select text file"), QStringLiteral("Save as text file")}));
    TStringList saved;
    saved.LoadFromFile(target);
    ASSERT_EQ(saved.Count(), 3);
    EXPECT_EQ(saved.Strings(2), QStringLiteral("gamma"));
    // Nothing but the two files is left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

} // namespace
