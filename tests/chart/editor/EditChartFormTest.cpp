// The chart editor form through its entry points: defaults from an empty registry, the page
// each entry opens in tab and tree mode, tree nodes, series commands, groups and the Data
// page.
#include "EditorBaseTestSupport.h"

#include "chart/editor/ChartListBox.h"
#include "chart/editor/EditChart.h"
#include "chart/editor/EditChartForm.h"
#include "chart/editor/FormTeeAxis.h"
#include "chart/editor/FormTeeGeneral.h"
#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/FormTeeTitle.h"
#include "chart/editor/FormTeeTools.h"
#include "chart/editor/TeeExport.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/series/SeriesGroups.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/grid/ChartGrid.h"
#include "chart/series/LineSeries.h"
#include "chart/tools/DragPointTool.h"
#include "platform/classes/Registry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckLst.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Menus.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Printer.h"
#include "platform/controls/Screen.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/TreeView.h"

#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

using namespace editortest;

namespace {

class EditChartFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        SetRegistryFileName(dir.filePath(QStringLiteral("registry.ini")));
        // The print preview page asks for a printer: one PDF printer, for this test only.
        const QString pdf = dir.filePath(QStringLiteral("print.pdf"));
        oldPrinters = SetPrinterSource([pdf] {
            return std::vector<TPrinterTarget>{{QStringLiteral("PDF"), pdf}};
        });
        SetPrinter(new TPrinter);
        form = new TForm(nullptr, 0);
        form->SetClientSize(400, 300);
        chart = new TChart(form);
        chart->SetName(QStringLiteral("Chart1"));
        chart->SetParent(form);
        chart->SetBounds(0, 0, 400, 300);
        AddSeries(2);
    }
    void TearDown() override {
        delete form;
        SetRegistryFileName(QString());
        SetPrinterSource(oldPrinters);
        SetPrinter(new TPrinter);
    }
    void AddSeries(int Count) {
        for (int i = 0; i < Count; ++i) {
            auto* s = new TLineSeries(form);
            s->SetParentChart(chart);
            s->AddXY(i, i * 2, String(), clTeeColor);
            s->AddXY(i + 1, i * 3, String(), clTeeColor);
        }
    }
    // Runs an entry point; while the editor is shown (after Before set it up), Check looks
    // at it. Returns whether the editor was shown.
    bool Run(const std::function<void()>& Entry, const std::function<void(TChartEditForm&)>& Check,
             const std::function<void(TChartEditForm&)>& Before = nullptr) {
        bool shown = false;
        ModalHook hook([&](TCustomForm* f) {
            auto* editor = dynamic_cast<TChartEditForm*>(f);
            if (!editor) return int(mrCancel);
            if (Before) Before(*editor);
            editor->Show();
            Application->ProcessMessages();
            shown = true;
            Check(*editor);
            editor->Hide();
            return int(mrCancel);
        });
        Entry();
        return shown;
    }
    static void SetTreeMode(bool On) { TeeSaveBoolOption(QStringLiteral("TreeMode"), On); }
    static TTreeNode* Node(TChartEditForm& E, const String& Text) {
        for (int i = 0; i < E.Tree->Items()->Count(); ++i)
            if (E.Tree->Items()->Item(i)->Text() == Text) return E.Tree->Items()->Item(i);
        return nullptr;
    }
    static String SelectedNode(TChartEditForm& E) {
        return E.Tree->Selected() ? E.Tree->Selected()->Text() : String();
    }

    QTemporaryDir dir;
    TPrinterSource oldPrinters;
    TForm* form = nullptr;
    TChart* chart = nullptr;
};

TEST_F(EditChartFixture, EmptyRegistryOpensInTreeModeWidenedByTheTree) {
    ASSERT_TRUE(
        Run([&] { EditChart(form, chart); },
            [&](TChartEditForm& E) {
                EXPECT_TRUE(E.Tree->Visible());
                EXPECT_TRUE(E.TreeSplitter->Visible());
                EXPECT_FALSE(E.MainPage->Visible());
                EXPECT_EQ(E.OldWidth, TeeDefaultEditorWidth());
                EXPECT_EQ(E.Width(), 414 + E.Tree->Width() + E.TreeSplitter->Width());
                EXPECT_EQ(E.Height(), 347 + GetSystemMetrics(SM_CYSIZE) - 18);
                EXPECT_EQ(E.Tree->Width(), 126);
                EXPECT_FALSE(E.PanelGroups->Visible());
                EXPECT_FALSE(E.EditorOptions.Contains(ceGroups));
                EXPECT_EQ(E.Caption(), QStringLiteral("Editing Chart1"));
                EXPECT_EQ(SelectedNode(E), QStringLiteral("Series"));
                // Root nodes: the series, the chart pages, then the main pages after "Series".
                QStringList roots;
                for (TTreeNode* n = E.Tree->Items()->GetFirstNode(); n; n = n->GetNextSibling())
                    roots << n->Text();
                EXPECT_EQ(roots, QStringList({"Series", "Chart", "Data", "Tools", "Export", "Print"}));
                ASSERT_TRUE(Node(E, QStringLiteral("Axis")));
                EXPECT_EQ(Node(E, QStringLiteral("Axis"))->Count(), 6);
                EXPECT_EQ(Node(E, QStringLiteral("Titles"))->Count(), 4);
                EXPECT_EQ(Node(E, QStringLiteral("Walls"))->Count(), 4);
            }));
    // Destruction keeps the tree width and the groups switch.
    EXPECT_EQ(TeeReadIntegerOption(QStringLiteral("TreeWidth"), -1), 126);
    EXPECT_FALSE(TeeReadBoolOption(QStringLiteral("SeriesGroups"), true));
}

// Which page an entry opens, in tab mode (main and sub page) and in tree mode (the node).
struct PageCase {
    const char* name;
    int index;
    TChartEditorHiddenTabs hidden;
    const char* mainCaption;
    const char* subCaption; // empty: not a chart page
    const char* node;
};

TEST_F(EditChartFixture, EditChartPageOpensTheNearestVisiblePage) {
    const TChartEditorHiddenTabs allChart{cetMain,  cetGeneral, cetAxis,  cetTitles, cetLegend,
                                          cetPanel, cetPaging,  cetWalls, cet3D};
    TChartEditorHiddenTabs allChartAndData = allChart;
    allChartAndData << cetSeriesData;
    const PageCase cases[] = {
        {"panel", cetPanel, {}, "Chart", "Panel", "Panel"},
        {"panel hidden opens paging", cetPanel, {cetPanel}, "Chart", "Paging", "Paging"},
        {"3D and before hidden opens walls", cet3D, {cet3D}, "Chart", "Walls", "Walls"},
        {"no chart page opens data", cetPanel, allChart, "Data", "", "Data"},
        {"no chart page nor data opens tools", cetGeneral, allChartAndData, "Tools", "", "Tools"},
        {"data", cetSeriesData, {}, "Data", "", "Data"},
        {"print", cetPrintPreview, {}, "Print", "", "Print"},
    };
    for (bool tree : {false, true}) {
        SetTreeMode(tree);
        for (const PageCase& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (tree ? " (tree)" : " (tabs)"));
            const TChartEditorHiddenTabs hidden = c.hidden;
            ASSERT_TRUE(Run(
                [&] { EditChartPage(form, chart, c.index); },
                [&](TChartEditForm& E) {
                    if (tree) {
                        // The chosen page is beside the tree.
                        EXPECT_EQ(SelectedNode(E), QString::fromUtf8(c.node));
                        ASSERT_EQ(E.TreePanel->ControlCount(), 1);
                        EXPECT_EQ(E.TreePanel->Controls(0)->Caption(), QString::fromUtf8(c.node));
                    } else {
                        EXPECT_EQ(E.MainPage->ActivePage()->Caption(), QString::fromUtf8(c.mainCaption));
                        if (*c.subCaption) {
                            EXPECT_EQ(E.SubPage->ActivePage()->Caption(), QString::fromUtf8(c.subCaption));
                        }
                        EXPECT_TRUE(E.MainPage->ActivePage()->Showing());
                    }
                },
                [&](TChartEditForm& E) { E.TheHiddenTabs = hidden; }));
        }
    }
}

TEST_F(EditChartFixture, ChartTabHiddenWhenAllItsSubTabsAre) {
    SetTreeMode(false);
    ASSERT_TRUE(Run([&] { EditChart(form, chart); },
                    [&](TChartEditForm& E) {
                        EXPECT_FALSE(E.TabChart->TabVisible());
                        EXPECT_TRUE(E.TabData->TabVisible());
                    },
                    [&](TChartEditForm& E) {
                        E.TheHiddenTabs =
                            TChartEditorHiddenTabs{cetMain,  cetGeneral, cetAxis,  cetTitles, cetLegend,
                                                   cetPanel, cetPaging,  cetWalls, cet3D};
                    }));
}

TEST_F(EditChartFixture, ChartRectPartOpensTheFirstPage) {
    for (bool tree : {false, true}) {
        SetTreeMode(tree);
        TChartClickedPart part;
        part.Part = cpChartRect;
        int index = -2;
        ASSERT_TRUE(Run([&] { EditChartPart(form, chart, part); },
                        [&](TChartEditForm& E) {
                            index = E.TheActivePageIndex;
                            EXPECT_TRUE(E.TabSeriesList->Showing());
                            EXPECT_TRUE(E.LBSeries->Showing());
                            EXPECT_EQ(E.LBSeries->ItemIndex(), 0);
                            if (tree) {
                                EXPECT_EQ(SelectedNode(E), QStringLiteral("Series"));
                            }
                        }));
        EXPECT_EQ(index, 0);
    }
}

TEST_F(EditChartFixture, ToolEntrySelectsTheToolAndShowsItsEditor) {
    auto* tool = new TDragPointTool(form);
    tool->SetParentChart(chart);
    tool->SetSeries(chart->Series(0));
    for (bool tree : {false, true}) {
        SetTreeMode(tree);
        SCOPED_TRACE(tree ? "tree" : "tabs");
        ASSERT_TRUE(Run([&] { EditChartTool(form, tool); },
                        [&](TChartEditForm& E) {
                            ASSERT_TRUE(E.ToolsPage());
                            EXPECT_EQ(E.ToolsPage()->CurrentTool(), tool);
                            ASSERT_TRUE(E.ToolsPage()->ToolEditor());
                            EXPECT_TRUE(E.ToolsPage()->ToolEditor()->Showing());
                            EXPECT_EQ(E.TheTool, nullptr);
                            if (tree) {
                                EXPECT_EQ(SelectedNode(E), QStringLiteral("Tools"));
                            } else {
                                EXPECT_EQ(E.MainPage->ActivePage(), E.TabTools);
                            }
                        }));
    }
}

TEST_F(EditChartFixture, SeriesNodeExpandedUpToTenSeries) {
    for (const auto& [totalSeries, expandedNode] : {std::pair{10, true}, std::pair{11, false}}) {
        const int total = totalSeries;
        const bool expanded = expandedNode;
        while (chart->SeriesCount() < total)
            AddSeries(1);
        ASSERT_TRUE(Run([&] { EditChart(form, chart); },
                        [&](TChartEditForm& E) {
                            ASSERT_TRUE(E.TreeNodeSeries);
                            EXPECT_EQ(E.TreeNodeSeries->Count(), total);
                            EXPECT_EQ(E.TreeNodeSeries->Expanded(), expanded) << total;
                        }));
    }
}

TEST_F(EditChartFixture, TreeAxisNodesFollowCustomAxesAddedAndDeleted) {
    ASSERT_TRUE(Run([&] { EditChart(form, chart); },
                    [&](TChartEditForm& E) {
                        TTreeNode* axisNode = Node(E, QStringLiteral("Axis"));
                        ASSERT_TRUE(axisNode);
                        E.Tree->SetSelected(axisNode->GetFirstChild());
                        ASSERT_TRUE(E.AxisPage());
                        E.AxisPage()->BAddClick(nullptr);
                        ASSERT_EQ(axisNode->Count(), 7);
                        TTreeNode* custom = axisNode->GetLastChild();
                        EXPECT_EQ(custom->Text(), QStringLiteral("Custom 0"));
                        EXPECT_EQ(custom->Data(), chart->CustomAxes()->Get(0));
                        E.Tree->SetSelected(custom);
                        EXPECT_EQ(E.AxisPage()->TheAxis, chart->CustomAxes()->Get(0));
                        E.AxisPage()->BDeleteClick(nullptr);
                        EXPECT_EQ(chart->CustomAxes()->Count(), 0);
                        EXPECT_EQ(axisNode->Count(), 6);
                        // Choosing the remaining nodes touches only live axes.
                        for (TTreeNode* n = axisNode->GetFirstChild(); n; n = n->GetNextSibling())
                            E.Tree->SetSelected(n);
                    }));
}

// Series commands follow the options and the series' style.
TEST_F(EditChartFixture, SeriesCommandsFollowOptionsAndStyle) {
    struct Case {
        const char* name;
        TChartEditorOptions options;
        TChartSeriesStyle style;
        bool add, del, title, change, clone, moveVisible;
    };
    const TChartEditorOptions all{ceAdd, ceDelete, ceChange, ceClone, ceTitle, ceOrderSeries};
    const Case cases[] = {
        {"everything", all, {}, true, true, true, true, true, true},
        {"no options", {}, {}, false, false, false, false, false, false},
        {"template", all, {tssIsTemplate}, true, false, true, true, false, true},
        {"deny delete", all, {tssDenyDelete}, true, false, true, true, true, true},
        {"deny change", all, {tssDenyChangeType}, true, true, true, false, true, true},
        {"deny clone", all, {tssDenyClone}, true, true, true, true, false, true},
    };
    SetTreeMode(false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        chart->Series(0)->SetStyle(c.style);
        ASSERT_TRUE(Run([&] { EditChart(form, chart); },
                        [&](TChartEditForm& E) {
                            E.LBSeries->SetItemIndex(0);
                            E.RefreshButtons();
                            EXPECT_EQ(E.BAddSeries->Enabled(), c.add);
                            EXPECT_EQ(E.BDeleteSeries->Enabled(), c.del);
                            EXPECT_EQ(E.BRenameSeries->Enabled(), c.title);
                            EXPECT_EQ(E.BChangeTypeSeries->Enabled(), c.change);
                            EXPECT_EQ(E.BCloneSeries->Enabled(), c.clone);
                            EXPECT_EQ(E.BMoveDown->Visible(), c.moveVisible);
                            EXPECT_EQ(E.LBSeries->AllowDeleteSeries(), c.del);
                            // The first series cannot move up, the second can.
                            EXPECT_FALSE(E.BMoveUP->Enabled());
                            EXPECT_EQ(E.BMoveDown->Enabled(), c.moveVisible || !c.moveVisible);
                        },
                        [&](TChartEditForm& E) { E.EditorOptions = c.options; }));
    }
}

TEST_F(EditChartFixture, GroupNameAskedAgainWhenEmptyAndCancelAddsNothing) {
    SetTreeMode(false);
    TeeSaveBoolOption(QStringLiteral("SeriesGroups"), true);
    std::vector<String> answers;
    std::vector<bool> oks;
    int asked = 0;
    TInputQueryHook previous = SetInputQueryHook([&](const String&, const String& Prompt, String& Value) {
        EXPECT_EQ(Prompt, QStringLiteral("Group name:"));
        const std::size_t i = std::size_t(asked++);
        Value = answers[i];
        return bool(oks[i]);
    });
    ASSERT_TRUE(Run([&] { EditChart(form, chart); },
                    [&](TChartEditForm& E) {
                        EXPECT_TRUE(E.PanelGroups->Visible());
                        EXPECT_TRUE(E.BAddGroup->Visible());
                        ASSERT_EQ(E.Groups->Items()->Count(), 1); // "(all)"
                        // Empty, blank, then a name: asked three times, one group added and selected.
                        answers = {String(), QStringLiteral("  "), QStringLiteral("Pressure")};
                        oks = {true, true, true};
                        E.BAddGroupClick(nullptr);
                        EXPECT_EQ(asked, 3);
                        ASSERT_EQ(chart->SeriesGroups()->Count(), 1);
                        EXPECT_EQ(E.Groups->Items()->Count(), 2);
                        EXPECT_EQ(E.Groups->ItemIndex(), 1);
                        EXPECT_TRUE(E.BDeleteGroup->Enabled());
                        // Empty, then Cancel: nothing added.
                        asked = 0;
                        answers = {String(), QStringLiteral("x")};
                        oks = {true, false};
                        E.BAddGroupClick(nullptr);
                        EXPECT_EQ(asked, 2);
                        EXPECT_EQ(chart->SeriesGroups()->Count(), 1);
                        // Dropping the first series on the group row adds it to the group.
                        E.Groups->SetItemIndex(0);
                        E.GroupsClick(nullptr);
                        E.LBSeries->SetItemIndex(0);
                        const TRect r = E.Groups->ItemRect(1);
                        bool accept = false;
                        E.GroupsDragOver(E.Groups, E.LBSeries, r.Left + 2, r.Top + 2, dsDragMove, accept);
                        EXPECT_TRUE(accept);
                        E.GroupsDragDrop(E.Groups, E.LBSeries, r.Left + 2, r.Top + 2);
                        TSeriesGroup* group = chart->SeriesGroups()->Get(0);
                        ASSERT_EQ(group->Series()->Count(), 1);
                        EXPECT_EQ(group->Series()->Get(0), chart->Series(0));
                        EXPECT_EQ(E.Groups->ItemIndex(), 1);
                        // Now in the group: a second drop is refused.
                        E.LBSeries->SetItemIndex(0);
                        E.GroupsDragOver(E.Groups, E.LBSeries, r.Left + 2, r.Top + 2, dsDragMove, accept);
                        EXPECT_FALSE(accept);
                    }));
    SetInputQueryHook(previous);
    EXPECT_TRUE(TeeReadBoolOption(QStringLiteral("SeriesGroups"), false));
}

namespace {
TSeriesGroup* AddGroup(TChart* Chart, const char* Name, std::initializer_list<int> Series) {
    TSeriesGroup* group = Chart->SeriesGroups()->Add();
    group->SetName(QString::fromLatin1(Name));
    for (int i : Series)
        group->Add(Chart->Series(i));
    return group;
}
QList<TCheckBoxState> GroupStates(TChartEditForm& E) {
    QList<TCheckBoxState> states;
    for (int i = 0; i < E.Groups->Count(); ++i)
        states << E.Groups->State(i);
    return states;
}
// A click on the check box of a groups row, as the user makes it.
void ClickGroupBox(TChartEditForm& E, int Row) {
    const TRect r = E.Groups->ItemRect(Row);
    Click(E.Groups, r.Left + 5, (r.Top + r.Bottom) / 2);
}
} // namespace

TEST_F(EditChartFixture, GroupRowsShowWhetherTheirSeriesAreActive) {
    SetTreeMode(false);
    TeeSaveBoolOption(QStringLiteral("SeriesGroups"), true);
    AddSeries(2);
    chart->Series(3)->SetActive(false);
    AddGroup(chart, "On", {0, 1});
    AddGroup(chart, "Off", {3});
    AddGroup(chart, "Mixed", {2, 3});
    ASSERT_TRUE(Run(
        [&] { EditChart(form, chart); },
        [&](TChartEditForm& E) {
            EXPECT_EQ(E.Groups->Items()->CommaText(), QStringLiteral("(all),On,Off,Mixed"));
            EXPECT_EQ(GroupStates(E), QList<TCheckBoxState>({cbUnchecked, cbChecked, cbUnchecked, cbGrayed}));
            EXPECT_EQ(E.Groups->ItemIndex(), 0);
            chart->Series(3)->SetActive(true);
            E.FillGroups();
            EXPECT_EQ(GroupStates(E), QList<TCheckBoxState>({cbChecked, cbChecked, cbChecked, cbChecked}));
        }));
}

TEST_F(EditChartFixture, CheckingAGroupsRowSwitchesItsSeriesAndAllFollows) {
    SetTreeMode(false);
    TeeSaveBoolOption(QStringLiteral("SeriesGroups"), true);
    TSeriesGroup* a = AddGroup(chart, "A", {0});
    AddGroup(chart, "B", {1});
    AddGroup(chart, "Both", {0, 1});
    auto active = [&] { return QList<bool>({chart->Series(0)->Active(), chart->Series(1)->Active()}); };
    ASSERT_TRUE(Run(
        [&] { EditChart(form, chart); },
        [&](TChartEditForm& E) {
            ASSERT_EQ(GroupStates(E), QList<TCheckBoxState>({cbChecked, cbChecked, cbChecked, cbChecked}));
            ClickGroupBox(E, 0); // "(all)" off
            EXPECT_EQ(active(), QList<bool>({false, false}));
            EXPECT_EQ(GroupStates(E),
                      QList<TCheckBoxState>({cbUnchecked, cbUnchecked, cbUnchecked, cbUnchecked}));
            ClickGroupBox(E, 1); // "A" on
            EXPECT_EQ(active(), QList<bool>({true, false}));
            EXPECT_EQ(GroupStates(E), QList<TCheckBoxState>({cbUnchecked, cbChecked, cbUnchecked, cbGrayed}));
            EXPECT_EQ(E.Groups->ItemIndex(), 1);
            EXPECT_EQ(E.LBSeries->Group(), a);
            ClickGroupBox(E, 2); // "B" on: every series is active again
            EXPECT_EQ(active(), QList<bool>({true, true}));
            EXPECT_EQ(GroupStates(E), QList<TCheckBoxState>({cbChecked, cbChecked, cbChecked, cbChecked}));
            ClickGroupBox(E, 3); // "Both" off
            EXPECT_EQ(active(), QList<bool>({false, false}));
            // A box taken to grey leaves the group's series as they are; the refill then
            // shows them as they are.
            E.Groups->SetAllowGrayed(true);
            ClickGroupBox(E, 3);
            EXPECT_EQ(active(), QList<bool>({false, false}));
            EXPECT_EQ(E.Groups->State(3), cbUnchecked);
        }));
}

TEST_F(EditChartFixture, SelectedGroupsRowSurvivesRefillOrFallsBackToTheLast) {
    SetTreeMode(false);
    TeeSaveBoolOption(QStringLiteral("SeriesGroups"), true);
    AddGroup(chart, "A", {0});
    TSeriesGroup* b = AddGroup(chart, "B", {1});
    AddGroup(chart, "C", {});
    MessageHook yes([](const TMessageDlgRequest&) { return int(mrYes); });
    ASSERT_TRUE(Run([&] { EditChart(form, chart); },
                    [&](TChartEditForm& E) {
                        const TRect r = E.Groups->ItemRect(2);
                        Click(E.Groups, r.Left + 40, (r.Top + r.Bottom) / 2); // "B", on its text
                        EXPECT_EQ(E.LBSeries->Group(), b);
                        E.FillGroups();
                        EXPECT_EQ(E.Groups->ItemIndex(), 2);
                        EXPECT_EQ(E.LBSeries->Group(), b);
                        // "C", the last row, deleted: "B" is now the last row and selected.
                        E.Groups->SetItemIndex(3);
                        E.GroupsClick(nullptr);
                        E.BDeleteGroupClick(nullptr);
                        ASSERT_EQ(chart->SeriesGroups()->Count(), 2);
                        EXPECT_EQ(E.Groups->ItemIndex(), 2);
                        EXPECT_EQ(E.LBSeries->Group(), b);
                        EXPECT_TRUE(E.BDeleteGroup->Enabled());
                    }));
}

TEST_F(EditChartFixture, DataPageButtonsAndPopup) {
    SetTreeMode(false);
    ASSERT_TRUE(Run([&] { EditChartPage(form, chart, cetSeriesData); },
                    [&](TChartEditForm& E) {
                        EXPECT_EQ(E.ChartGrid1->Chart(), chart);
                        EXPECT_FALSE(E.SBGrid3D->Enabled());
                        E.SBGridText->SetDown(true);
                        E.SBGridTextClick(nullptr);
                        EXPECT_TRUE(E.ChartGrid1->ShowLabels());
                        E.SBGridCol->SetDown(true);
                        E.SBGridColClick(nullptr);
                        EXPECT_TRUE(E.ChartGrid1->ShowColors());
                        E.SBGridX->SetDown(true);
                        E.SBGridXClick(nullptr);
                        EXPECT_EQ(E.ChartGrid1->ShowXValues(), cgsYes);
                        // A value cell of the first series: its colour can be edited, reset is not offered
                        // for a default colour, the point can be made null.
                        E.ChartGrid1->SetCol(E.ChartGrid1->ColorsColumn());
                        E.ChartGrid1->SetRow(E.ChartGrid1->FirstRowNum());
                        E.PopupDataPopup(nullptr);
                        EXPECT_TRUE(E.EditColor1->Visible());
                        EXPECT_FALSE(E.DefaultColor1->Visible());
                        EXPECT_TRUE(E.MakeNull1->Visible());
                        E.MakeNull1Click(nullptr);
                        E.PopupDataPopup(nullptr);
                        EXPECT_TRUE(E.DefaultColor1->Visible());
                        EXPECT_FALSE(E.MakeNull1->Visible());
                        E.DefaultColor1Click(nullptr);
                        E.PopupDataPopup(nullptr);
                        EXPECT_FALSE(E.DefaultColor1->Visible());
                    }));
}

// "Show X values" is down when the first series' X values are more than 0, 1, 2 ...;
// Alt + right button on the grid switches the XYZ mode, only for a series with Z values.
TEST_F(EditChartFixture, DataPageXButtonAndQuickXYZSwitch) {
    SetTreeMode(false);
    ASSERT_TRUE(Run([&] { EditChartPage(form, chart, cetSeriesData); },
                    [&](TChartEditForm& E) {
                        EXPECT_FALSE(E.SBGridX->Down()) << "X is 0, 1";
                        EXPECT_TRUE(E.ChartGrid1->OnMouseDown) << "hooked by the form resource";
                        E.ChartGrid1MouseDown(E.ChartGrid1, mbRight, TShiftState{ssAlt}, 5, 5);
                        EXPECT_FALSE(E.ChartGrid1->Grid3DMode()) << "no Z values";
                    }));
    chart->Series(0)->XValues()->SetValue(1, 5);
    chart->Series(0)->SetHasZValues(true);
    ASSERT_TRUE(Run([&] { EditChartPage(form, chart, cetSeriesData); },
                    [&](TChartEditForm& E) {
                        EXPECT_TRUE(E.SBGridX->Down());
                        EXPECT_TRUE(E.SBGrid3D->Enabled());
                        E.ChartGrid1MouseDown(E.ChartGrid1, mbRight, TShiftState{}, 5, 5);
                        EXPECT_FALSE(E.ChartGrid1->Grid3DMode()) << "without Alt";
                        E.ChartGrid1MouseDown(E.ChartGrid1, mbLeft, TShiftState{ssAlt}, 5, 5);
                        EXPECT_FALSE(E.ChartGrid1->Grid3DMode()) << "left button";
                        E.ChartGrid1MouseDown(E.ChartGrid1, mbRight, TShiftState{ssAlt}, 5, 5);
                        EXPECT_TRUE(E.ChartGrid1->Grid3DMode());
                        EXPECT_TRUE(E.SBGrid3D->Down());
                        E.ChartGrid1MouseDown(E.ChartGrid1, mbRight, TShiftState{ssAlt}, 5, 5);
                        EXPECT_FALSE(E.ChartGrid1->Grid3DMode());
                    }));
}

// The series page's data-source editor can refuse to be left (the user keeps editing
// unapplied changes): the editor's main page then stays where it is.
TEST_F(EditChartFixture, LeavingTheSeriesPageAsksItsSourceEditorFirst) {
    SetTreeMode(false);
    ASSERT_TRUE(Run([&] { EditSeriesDataSource(form, chart->Series(0)); },
                    [&](TChartEditForm& E) {
                        ASSERT_TRUE(E.SeriesPage());
                        auto* source = new TForm(&E, 0);
                        bool refuse = true;
                        source->OnCloseQuery =
                            TCloseQueryEvent([&refuse](TObject*, bool& CanClose) { CanClose = !refuse; });
                        E.SeriesPage()->DataSourceStyle = source;
                        bool allow = true;
                        E.MainPageChanging(E.MainPage, allow);
                        EXPECT_FALSE(allow);
                        refuse = false;
                        E.MainPageChanging(E.MainPage, allow);
                        EXPECT_TRUE(allow);
                        E.SeriesPage()->DataSourceStyle = nullptr;
                    }));
}

// Pages are translated, except the controls that hold the user's own texts.
TEST_F(EditChartFixture, CursorNamesAndTitleLinesAreNotTranslated) {
    SetTreeMode(false);
    static std::vector<std::pair<TControl*, std::vector<TControl*>>> calls;
    calls.clear();
    const TTeeTranslateHook old = TeeTranslateHook;
    TeeTranslateHook = [](TControl* Control, std::span<TControl* const> Exclude, int) {
        calls.emplace_back(Control, std::vector<TControl*>(Exclude.begin(), Exclude.end()));
    };
    // The latest call wins: a page of an earlier editor may have had the same address.
    auto excluded = [](TControl* Page) {
        for (auto it = calls.rbegin(); it != calls.rend(); ++it)
            if (it->first == Page) return it->second;
        return std::vector<TControl*>{};
    };
    ASSERT_TRUE(Run([&] { EditChartPage(form, chart, cetGeneral); },
                    [&](TChartEditForm& E) {
                        auto* page = dynamic_cast<TFormTeeGeneral*>(E.TabGeneral->Controls(0));
                        ASSERT_TRUE(page);
                        EXPECT_EQ(excluded(page), std::vector<TControl*>{page->CBCursor});
                    }));
    ASSERT_TRUE(Run([&] { EditChartPage(form, chart, cetTitles); },
                    [&](TChartEditForm& E) {
                        auto* page = dynamic_cast<TFormTeeTitle*>(E.TabTitle->Controls(0));
                        ASSERT_TRUE(page);
                        EXPECT_EQ(excluded(page), std::vector<TControl*>{page->MText});
                    }));
    TeeTranslateHook = old;
}

// Help: the button follows the help option; no help folder is registered on this system,
// so the form gets no help file and no help border icon.
TEST_F(EditChartFixture, HelpButtonFollowsTheOptionAndNoHelpFileIsFound) {
    EXPECT_EQ(GetRegistryHelpPath(QStringLiteral("TeeUser8.hlp")), String());
    for (bool help : {true, false}) {
        SCOPED_TRACE(help);
        ASSERT_TRUE(Run([&] { EditChart(form, chart); },
                        [&](TChartEditForm& E) {
                            EXPECT_TRUE(E.HelpFile().isEmpty());
                            EXPECT_FALSE(E.BorderIcons().Contains(biHelp));
                            EXPECT_EQ(E.ButtonHelp->Visible(), help);
                        },
                        [&](TChartEditForm& E) {
                            if (!help) {
                                E.EditorOptions >> ceHelp;
                                E.CheckHelpFile();
                            }
                        }));
    }
}

TEST_F(EditChartFixture, SavedPositionOffTheWorkAreaIsPulledBack) {
    const TRect area = Screen->WorkAreaRect();
    for (const auto& [savedLeft, savedTop] :
         {std::pair{int(area.Right) + 50, 10}, std::pair{10, int(area.Bottom) - 20}}) {
        const int left = savedLeft;
        const int top = savedTop;
        TeeSaveIntegerOption(QStringLiteral("Left"), left);
        TeeSaveIntegerOption(QStringLiteral("Top"), top);
        ASSERT_TRUE(Run([&] { EditChart(form, chart); },
                        [&](TChartEditForm& E) {
                            // Within the window system's frame (a few pixels the form does not place).
                            const QRect frame = E.Widget()->frameGeometry();
                            const int slackX = frame.width() - E.Widget()->width();
                            const int slackY = frame.height() - E.Widget()->height();
                            EXPECT_LE(frame.right() + 1, area.Right + 2 * slackX) << left << "," << top;
                            EXPECT_LE(frame.bottom() + 1, area.Bottom + 2 * slackY) << left << "," << top;
                            EXPECT_GE(frame.left() + slackX, area.Left);
                            EXPECT_GE(frame.top() + slackY, area.Top);
                        }));
    }
}

TEST_F(EditChartFixture, ScreenshotsOfEachPageInBothModes) {
    if (qEnvironmentVariable("ORVO_SCREENSHOTS").isEmpty()) GTEST_SKIP() << "ORVO_SCREENSHOTS not set";
    for (bool tree : {false, true}) {
        SetTreeMode(tree);
        for (int page : {int(cetMain), int(cetGeneral), int(cetAxis), int(cetTitles), int(cetLegend),
                         int(cetPanel), int(cetPaging), int(cetWalls), int(cet3D), int(cetSeriesData),
                         int(cetTools), int(cetExport), int(cetPrintPreview)}) {
            ASSERT_TRUE(Run([&] { EditChartPage(form, chart, page); },
                            [&](TChartEditForm& E) {
                                const std::string name = std::string("EditChart_") +
                                                         (tree ? "tree_" : "tabs_") + std::to_string(page);
                                Screenshot(&E, name.c_str());
                            }));
        }
    }
}

} // namespace

namespace {

TEST_F(EditChartFixture, SeriesAndExportPagesOpenInBothModes) {
    for (bool tree : {false, true}) {
        SetTreeMode(tree);
        SCOPED_TRACE(tree ? "tree" : "tabs");
        ASSERT_TRUE(Run([&] { EditSeries(form, chart->Series(1)); },
                        [&](TChartEditForm& E) {
                            ASSERT_TRUE(E.SeriesPage());
                            EXPECT_EQ(E.SeriesPage()->TheSeries, chart->Series(1));
                            EXPECT_TRUE(E.SeriesPage()->Showing());
                            if (tree) {
                                ASSERT_TRUE(E.Tree->Selected());
                                EXPECT_EQ(E.Tree->Selected()->Data(), chart->Series(1));
                            }
                        }));
        // The marks and data-source entries open the series page on their own tabs.
        ASSERT_TRUE(Run([&] { EditSeriesMarks(form, chart->Series(1), true); },
                        [&](TChartEditForm& E) {
                            ASSERT_TRUE(E.SeriesPage());
                            TFormTeeSeries& page = *E.SeriesPage();
                            EXPECT_EQ(page.TheSeries, chart->Series(1));
                            EXPECT_EQ(page.PageSeries->ActivePage(), page.TabMarks);
                            EXPECT_EQ(page.PageControlMarks->ActivePage(), page.TabSymbol);
                        }));
        ASSERT_TRUE(Run([&] { EditSeriesMarks(form, chart->Series(0), false); },
                        [&](TChartEditForm& E) {
                            ASSERT_TRUE(E.SeriesPage());
                            EXPECT_EQ(E.SeriesPage()->PageSeries->ActivePage(), E.SeriesPage()->TabMarks);
                        }));
        ASSERT_TRUE(Run([&] { EditSeriesDataSource(form, chart->Series(1)); },
                        [&](TChartEditForm& E) {
                            ASSERT_TRUE(E.SeriesPage());
                            EXPECT_EQ(E.SeriesPage()->PageSeries->ActivePage(),
                                      E.SeriesPage()->TabDataSource);
                        }));
        ASSERT_TRUE(Run([&] { EditChartPage(form, chart, cetExport); },
                        [&](TChartEditForm& E) {
                            ASSERT_TRUE(E.ExportPage());
                            EXPECT_TRUE(E.ExportPage()->Showing());
                        }));
    }
}

} // namespace
