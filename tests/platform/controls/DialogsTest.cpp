#include "platform/controls/CommonDialogs.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Installs a dialog hook for the test's lifetime and restores the previous one.
class DialogHook {
public:
    explicit DialogHook(TCommonDialogHook hook) : previous_(SetCommonDialogHook(std::move(hook))) {}
    ~DialogHook() { SetCommonDialogHook(previous_); }

private:
    TCommonDialogHook previous_;
};

TEST(CommonDialogs, TheHookSeesTheQuestionAndItsAnswerBecomesTheResult) {
    TSaveDialog dlg(nullptr);
    dlg.SetTitle(QStringLiteral("Save map"));
    dlg.SetFilter(QStringLiteral("Map files (*.map)|*.map|All files|*.*"));
    dlg.SetOptions({ofOverwritePrompt, ofHideReadOnly, ofEnableSizing});
    TCommonDialog* seen = nullptr;
    DialogHook hook([&](TCommonDialog* d) {
        seen = d;
        auto* save = dynamic_cast<TSaveDialog*>(d);
        EXPECT_TRUE(save && save->IsSaveDialog());
        EXPECT_EQ(save->Title(), QStringLiteral("Save map"));
        EXPECT_TRUE(save->Options().Contains(ofOverwritePrompt));
        save->SetFileName(QStringLiteral("/tmp/curves.map"));
        save->SetFilterIndex(2);
        return true;
    });
    EXPECT_TRUE(dlg.Execute());
    EXPECT_EQ(seen, &dlg);
    EXPECT_EQ(dlg.FileName(), QStringLiteral("/tmp/curves.map"));
    EXPECT_EQ(dlg.FilterIndex(), 2);
    ASSERT_EQ(dlg.Files()->Count(), 1);
    EXPECT_EQ(dlg.Files()->Strings(0), QStringLiteral("/tmp/curves.map"));
}

TEST(CommonDialogs, CancelReturnsFalseAndKeepsTheFileName) {
    TOpenDialog dlg(nullptr);
    dlg.SetFileName(QStringLiteral("old.map"));
    DialogHook hook([](TCommonDialog*) { return false; });
    EXPECT_FALSE(dlg.Execute());
    EXPECT_EQ(dlg.FileName(), QStringLiteral("old.map"));
}

TEST(CommonDialogs, DefaultExtensionIsAddedOnlyToNamesWithoutOne) {
    struct Case {
        const char* chosen;
        const char* expected;
    };
    const Case cases[] = {
        {"/tmp/a", "/tmp/a.map"},
        {"/tmp/a.bin", "/tmp/a.bin"},
        {"/tmp/dir.x/a", "/tmp/dir.x/a.map"},
    };
    for (const Case& c : cases) {
        TSaveDialog dlg(nullptr);
        dlg.SetDefaultExt(QStringLiteral(".map"));
        DialogHook hook([&](TCommonDialog* d) {
            static_cast<TSaveDialog*>(d)->SetFileName(QString::fromLatin1(c.chosen));
            return true;
        });
        ASSERT_TRUE(dlg.Execute());
        EXPECT_EQ(dlg.FileName(), QString::fromLatin1(c.expected)) << c.chosen;
    }
}

TEST(CommonDialogs, ShowAndCloseEventsBracketTheDialogEvenWhenItFails) {
    TColorDialog dlg(nullptr);
    std::vector<String> events;
    dlg.OnShow = [&](TObject*) { events.push_back(QStringLiteral("show")); };
    dlg.OnClose = [&](TObject*) { events.push_back(QStringLiteral("close")); };
    {
        DialogHook hook([&](TCommonDialog* d) {
            events.push_back(QStringLiteral("run"));
            static_cast<TColorDialog*>(d)->SetColor(0x00FFFBF0);
            return true;
        });
        EXPECT_TRUE(dlg.Execute());
    }
    EXPECT_EQ(dlg.Color(), 0x00FFFBF0);
    {
        DialogHook hook([](TCommonDialog*) -> bool { throw EPrinter(QStringLiteral("no printer")); });
        EXPECT_THROW(dlg.Execute(), EPrinter);
    }
    EXPECT_EQ(events,
              (std::vector<String>{QStringLiteral("show"), QStringLiteral("run"), QStringLiteral("close"),
                                   QStringLiteral("show"), QStringLiteral("close")}));
}

TEST(CommonDialogs, FilterSplitsIntoDescriptionAndMaskPairs) {
    TOpenDialog dlg(nullptr);
    EXPECT_TRUE(dlg.FilterItems().empty());
    dlg.SetFilter(QStringLiteral("Pictures|*.bmp;*.png|All|*.*|Dangling"));
    const auto items = dlg.FilterItems();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].Description, QStringLiteral("Pictures"));
    EXPECT_EQ(items[0].Masks, QStringLiteral("*.bmp;*.png"));
    EXPECT_EQ(items[2].Description, QStringLiteral("Dangling"));
    EXPECT_TRUE(items[2].Masks.isEmpty());
}

TEST(CommonDialogs, DialogsAreRegisteredWithTheirPublishedOptions) {
    RegisterCommonDialogs();
    TClass cls = GetClass(QStringLiteral("TSaveDialog"));
    ASSERT_EQ(cls, TSaveDialog::StaticClass());
    std::unique_ptr<TObject> obj(cls->CreateComponent(nullptr));
    SetSetProp(obj.get(), QStringLiteral("Options"),
               QStringLiteral("[ofOverwritePrompt,ofHideReadOnly,ofEnableSizing]"));
    auto* dlg = static_cast<TSaveDialog*>(obj.get());
    EXPECT_EQ(dlg->Options(), (TOpenOptions{ofOverwritePrompt, ofHideReadOnly, ofEnableSizing}));
    EXPECT_EQ(GetSetProp(dlg, QStringLiteral("Options"), true),
              QStringLiteral("[ofOverwritePrompt,ofHideReadOnly,ofEnableSizing]"));
    EXPECT_EQ(GetOrdProp(dlg, QStringLiteral("FilterIndex")), 1);
    EXPECT_NE(GetClass(QStringLiteral("TPrinterSetupDialog")), nullptr);
}

} // namespace
