// The Tools page: the curve editor's two tools listed with the drag-point tool's editor
// below, the cursor tool without one, deleting, adding through the gallery, moving tools
// past hidden ones, the series tool and anti-alias editors, and the anti-alias editor's
// filters putting the chart back.
#include "EditorBaseTestSupport.h"
#include "EditorPagesTestSupport.h"

#include "chart/editor/AntiAliasEditor.h"
#include "chart/editor/DragPointToolEdit.h"
#include "chart/editor/FormTeeTools.h"
#include "chart/editor/SeriesToolEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/editor/TeeToolsGallery.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/series/LineSeries.h"
#include "chart/tools/AntiAliasTool.h"
#include "chart/tools/ChartImageTool.h"
#include "chart/tools/CursorTool.h"
#include "chart/tools/DragPointTool.h"
#include "chart/tools/RotateTool.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/TabControl.h"

#include <memory>
#include <stdexcept>

namespace {
// Records, when a watched component goes, whether the page still had an editor form.
class TFreeWatcher : public TComponent {
public:
    TFreeWatcher(TComponent* Watched, TFormTeeTools* Page) : TComponent(nullptr), page(Page) {
        Watched->FreeNotification(this);
    }
    TFormTeeTools* page;
    int freed = 0;
    bool editorGoneFirst = false;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation != opRemove) return;
        ++freed;
        editorGoneFirst = page->ToolEditor() == nullptr && page->PanelToolEditor->ControlCount() == 0;
    }
};
} // namespace

class ToolsPage : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        series = new TLineSeries(form);
        series->SetName(QStringLiteral("Series1"));
        series->SetParentChart(chart);
        series->SetCursor(2020);
        for (int i = 0; i < 5; ++i)
            series->AddXY(i, i);
        drag = new TDragPointTool(form);
        drag->SetName(QStringLiteral("ChartTool1"));
        drag->SetDragStyle(dsY);
        drag->SetSeries(series);
        drag->SetParentChart(chart);
        cursor = new TCursorTool(form);
        cursor->SetName(QStringLiteral("ChartTool2"));
        cursor->SetParentChart(chart);
    }
    void ShowPage(TCustomAxisPanel* Chart = nullptr) {
        page = new TFormTeeTools(form);
        page->AfterConstruction();
        page->Tools = (Chart ? Chart : chart)->Tools();
        host = new TPanel(form);
        host->SetParent(form);
        host->SetBounds(300, 0, 440, 300);
        page->SetAlign(alClient);
        AddFormTo(page, host);
    }
    void Select(int Index) {
        page->LBTools->SetItemIndex(Index);
        page->LBToolsClick(page->LBTools);
    }
    TStrings* Lines() { return page->LBTools->Items(); }

    TLineSeries* series = nullptr;
    TDragPointTool* drag = nullptr;
    TCursorTool* cursor = nullptr;
    TFormTeeTools* page = nullptr;
    TPanel* host = nullptr;
};

TEST_F(ToolsPage, DragPointToolShowsItsEditorAndEachChoiceChangesTheTool) {
    ShowPage();
    ASSERT_EQ(Lines()->Count(), 2);
    EXPECT_EQ(Lines()->Objects(0), drag);
    EXPECT_EQ(Lines()->Objects(1), cursor);
    EXPECT_EQ(Lines()->Strings(0), drag->Description());

    Select(0);
    auto* editor = dynamic_cast<TDragPointToolEdit*>(page->ToolEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Parent(), page->PanelToolEditor);
    EXPECT_EQ(editor->CBSeries->Text(), QStringLiteral("Series1"));
    EXPECT_EQ(editor->RGStyle->Items()->Strings(editor->RGStyle->ItemIndex()), QStringLiteral("&Y"));
    EXPECT_EQ(editor->CBCursor->Text(), QStringLiteral("TeeHand"));
    EXPECT_TRUE(editor->CBCursor->Enabled());
    EXPECT_TRUE(page->CBActive->Checked());
    EXPECT_TRUE(page->BClone->Enabled());
    EXPECT_FALSE(page->BClone->Glyph()->Empty()) << "the clone button shows a picture";
    EditorScreenshot(page, "tools-page-drag-point");

    editor->RGStyle->SetItemIndex(0);
    EXPECT_EQ(drag->DragStyle(), dsX);
    editor->RGStyle->SetItemIndex(2);
    EXPECT_EQ(drag->DragStyle(), dsBoth);
    editor->CBCursor->SetItemIndex(editor->CBCursor->Items()->IndexOf(QStringLiteral("Cross")));
    editor->CBCursorChange(editor->CBCursor);
    EXPECT_EQ(series->Cursor(), crCross);
    editor->CBSeries->SetItemIndex(0);
    editor->CBSeriesChange(editor->CBSeries);
    EXPECT_EQ(drag->Series(), nullptr) << "(none)";
    EXPECT_FALSE(editor->CBCursor->Enabled());
    page->CBActive->SetChecked(false);
    EXPECT_FALSE(drag->Active());

    // The cursor tool names an editor nobody registered: the panel stays empty.
    Select(1);
    EXPECT_EQ(page->ToolEditor(), nullptr);
    EXPECT_EQ(page->PanelToolEditor->ControlCount(), 0);
    EXPECT_FALSE(page->BMoveDown->Enabled());
    EXPECT_TRUE(page->BMoveUp->Enabled());
}

TEST_F(ToolsPage, ClipAndAntiAliasToolsShowTheirEditorsWhichChangeTheTool) {
    auto* clip = new TClipSeriesTool(form);
    clip->SetParentChart(chart);
    auto* anti = new TAntiAliasTool(form);
    anti->SetParentChart(chart);
    ShowPage();
    ASSERT_EQ(Lines()->Count(), 4);

    // The clip tool names the series tool editor itself.
    Select(2);
    ASSERT_NE(page->ToolEditor(), nullptr);
    EXPECT_EQ(page->ToolEditor()->ClassType(), TSeriesToolEditor::StaticClass());
    auto* seriesEditor = static_cast<TSeriesToolEditor*>(page->ToolEditor());
    EXPECT_EQ(seriesEditor->Parent(), page->PanelToolEditor);
    TStrings* names = seriesEditor->CBSeries->Items();
    ASSERT_EQ(names->Count(), 2);
    EXPECT_EQ(names->Strings(0), QStringLiteral("(none)"));
    EXPECT_EQ(names->Objects(1), series);
    EXPECT_EQ(seriesEditor->CBSeries->ItemIndex(), 0) << "the tool has no series yet";
    EXPECT_TRUE(seriesEditor->CBSeries->Enabled());
    EditorScreenshot(page, "tools-page-series-tool");
    editortest::SendKey(seriesEditor->CBSeries, Qt::Key_Down);
    EXPECT_EQ(clip->Series(), series);
    editortest::SendKey(seriesEditor->CBSeries, Qt::Key_Up);
    EXPECT_EQ(clip->Series(), nullptr);

    Select(3);
    auto* antiEditor = dynamic_cast<TAntiAliasEditor*>(page->ToolEditor());
    ASSERT_NE(antiEditor, nullptr);
    EXPECT_EQ(antiEditor->Parent(), page->PanelToolEditor);
    EXPECT_TRUE(antiEditor->CBAnti->Checked());
    EditorScreenshot(page, "tools-page-anti-alias");
    editortest::Click(antiEditor->CBAnti);
    EXPECT_FALSE(anti->AntiAlias());
    editortest::Click(antiEditor->CBAnti);
    EXPECT_TRUE(anti->AntiAlias());
}

TEST_F(ToolsPage, DeletingSelectsTheNewLastOrThePreviousAndFreesTheEditorFirst) {
    auto* third = new TRotateTool(form);
    third->SetParentChart(chart);
    ShowPage();
    TDialogsAnswered dialogs;
    dialogs.Answer = mrYes;
    TFreeWatcher watch(drag, page);
    Select(0);
    ASSERT_NE(page->ToolEditor(), nullptr);
    const String name = drag->Description();
    page->BDelete->Click();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0], QStringLiteral("Delete ") + name + QStringLiteral(" ?"));
    EXPECT_EQ(watch.freed, 1);
    EXPECT_TRUE(watch.editorGoneFirst) << "the editor form goes before the tool it edits";
    ASSERT_EQ(Lines()->Count(), 2);
    EXPECT_EQ(page->LBTools->ItemIndex(), 1) << "the new last line";
    EXPECT_EQ(page->CurrentTool(), third);

    // Three again; deleting the third selects the second.
    auto* more = new TRotateTool(form);
    more->SetParentChart(chart);
    page->Reload();
    ASSERT_EQ(Lines()->Count(), 3);
    Select(2);
    page->BDelete->Click();
    EXPECT_EQ(page->LBTools->ItemIndex(), 1);
    EXPECT_EQ(page->CurrentTool(), third);

    // No keeps the tool.
    dialogs.Answer = mrNo;
    page->BDelete->Click();
    EXPECT_EQ(Lines()->Count(), 2);
}

TEST_F(ToolsPage, AddedToolIsNamedAndOwnedLikeTheOthers) {
    ShowPage();
    TDialogsAnswered dialogs;
    int added = 0;
    struct TAddedCounter : TObject {
        int* count;
        void Added(TObject*) { ++*count; }
    } counter;
    counter.count = &added;
    page->OnAdded = TNotifyEvent(&counter, &TAddedCounter::Added);
    const auto chooseRotate = [](TCustomForm* f) {
        auto* g = static_cast<TTeeToolsGallery*>(f);
        f->Show();
        g->TabControl1->SetTabIndex(2);
        g->TabControl1Change(g->TabControl1);
        const int i = g->LBTool->Items()->IndexOf(TRotateTool(nullptr).Description());
        EXPECT_GE(i, 0);
        g->LBTool->SetItemIndex(i);
        g->LBToolClick(g->LBTool);
        EXPECT_TRUE(g->BOk->Enabled());
        EXPECT_FALSE(g->MemoDesc->Lines()->Text().isEmpty());
        return int(mrOk);
    };
    dialogs.OnModal = chooseRotate;
    page->BAdd->Click();
    ASSERT_EQ(chart->Tools()->Count(), 3);
    TTeeCustomTool* tool = chart->Tools()->Get(2);
    EXPECT_TRUE(tool->InheritsFrom(TRotateTool::StaticClass()));
    EXPECT_EQ(tool->Owner(), form) << "the chart's owner holds the other tools";
    EXPECT_EQ(tool->Name(), QStringLiteral("ChartTool3")) << "ChartTool1 and 2 are taken";
    EXPECT_EQ(added, 1);
    EXPECT_EQ(page->CurrentTool(), tool);

    // Cancel adds nothing.
    dialogs.OnModal = [](TCustomForm*) { return int(mrCancel); };
    page->BAdd->Click();
    EXPECT_EQ(chart->Tools()->Count(), 3);
}

TEST_F(ToolsPage, ToolAddedToAChartWithoutOwnerIsOwnedByTheChart) {
    std::unique_ptr<TChart> lone(new TChart(nullptr));
    lone->SetParent(form);
    lone->SetBounds(0, 0, 100, 100);
    ShowPage(lone.get());
    TDialogsAnswered dialogs;
    dialogs.OnModal = [](TCustomForm* f) {
        auto* g = static_cast<TTeeToolsGallery*>(f);
        f->Show();
        g->LBTool->SetItemIndex(0);
        return int(mrOk);
    };
    page->BAdd->Click();
    ASSERT_EQ(lone->Tools()->Count(), 1);
    EXPECT_EQ(lone->Tools()->Get(0)->Owner(), lone.get());
    EXPECT_EQ(lone->Tools()->Get(0)->Name(), QStringLiteral("ChartTool1"));
    delete page;
}

TEST_F(ToolsPage, MovingPastAHiddenToolExchangesTheTwoToolsWhereTheyAre) {
    auto* hidden = new TRotateTool(form);
    hidden->SetShowInEditor(false);
    hidden->SetParentChart(chart);
    auto* last = new TRotateTool(form);
    last->SetParentChart(chart);
    // Chart order: drag, cursor, hidden, last; the list shows drag, cursor, last.
    ShowPage();
    ASSERT_EQ(Lines()->Count(), 3);
    Select(2);
    page->BMoveUp->Click();
    EXPECT_EQ(page->LBTools->ItemIndex(), 1);
    EXPECT_EQ(Lines()->Objects(1), last);
    EXPECT_EQ(chart->Tools()->Get(1), last);
    EXPECT_EQ(chart->Tools()->Get(2), hidden) << "the hidden tool keeps its place";
    EXPECT_EQ(chart->Tools()->Get(3), cursor);
    EXPECT_LT(last->ComponentIndex(), cursor->ComponentIndex());

    page->BMoveDown->Click();
    EXPECT_EQ(chart->Tools()->Get(1), cursor);
    EXPECT_EQ(chart->Tools()->Get(3), last);
}

TEST(ToolsGallery, ClassesSortedIntoSeriesAxisAndOther) {
    TDialogsAnswered dialogs;
    std::unique_ptr<TTeeToolsGallery> g(new TTeeToolsGallery(nullptr));
    g->AfterConstruction();
    g->Show();
    ASSERT_EQ(g->TabControl1->Tabs()->Count(), 3);
    EXPECT_EQ(g->TabControl1->Tabs()->Strings(0), QStringLiteral("Series"));
    EXPECT_EQ(g->TabControl1->Tabs()->Strings(1), QStringLiteral("Axis"));
    EXPECT_EQ(g->TabControl1->Tabs()->Strings(2), QStringLiteral("Other"));
    EXPECT_FALSE(g->PanelDemos->Visible());
    EXPECT_EQ(g->Width(), 300);
    EditorScreenshot(g.get(), "tools-gallery");
    int total = 0;
    const TClass bases[] = {TTeeCustomToolSeries::StaticClass(), TTeeCustomToolAxis::StaticClass(), nullptr};
    for (int tab = 0; tab < 3; ++tab) {
        g->TabControl1->SetTabIndex(tab);
        g->TabControl1Change(g->TabControl1);
        EXPECT_FALSE(g->BOk->Enabled());
        TStrings* lines = g->LBTool->Items();
        EXPECT_GT(lines->Count(), 0) << tab;
        for (int i = 0; i < lines->Count(); ++i) {
            TClass c = g->ToolAtIndex(i);
            ASSERT_NE(c, nullptr);
            if (bases[tab]) {
                EXPECT_TRUE(c->InheritsFrom(bases[tab])) << tab << " " << c->ClassName().toStdString();
            } else {
                EXPECT_FALSE(c->InheritsFrom(bases[0]) || c->InheritsFrom(bases[1]))
                    << c->ClassName().toStdString();
            }
            if (i > 0) {
                EXPECT_LE(lines->Strings(i - 1).compare(lines->Strings(i), Qt::CaseInsensitive), 0);
            }
        }
        total += lines->Count();
    }
    EXPECT_EQ(total, TeeToolTypes()->Count());
}

namespace {
// The filters editor fails: the chart must repaint itself again and the tool be on.
class TFailingFiltersEditor : public TAntiAliasEditor {
public:
    using TAntiAliasEditor::TAntiAliasEditor;
    bool EditFilters(TBitmap*) override { throw std::runtime_error("filters editor failed"); }
};
} // namespace

TEST_F(ToolsPage, AntiAliasFiltersPutRepaintingAndTheToolBackAfterAFailure) {
    auto* tool = new TAntiAliasTool(form);
    tool->SetParentChart(chart);
    TFailingFiltersEditor* editor = new TFailingFiltersEditor(form);
    editor->AfterConstruction();
    editor->SetTag(reinterpret_cast<NativeInt>(static_cast<TObject*>(tool)));
    editor->SetParent(form);
    editor->Show();
    EXPECT_EQ(editor->CBAnti->Checked(), tool->AntiAlias());
    ASSERT_TRUE(chart->AutoRepaint());
    EXPECT_THROW(editor->Button1Click(editor->Button1), std::runtime_error);
    EXPECT_TRUE(chart->AutoRepaint());
    EXPECT_TRUE(tool->Active());
    editor->CBAnti->SetChecked(false);
    EXPECT_FALSE(tool->AntiAlias());
}
