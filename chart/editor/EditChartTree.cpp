// The chart editor's tree mode: a tree of pages on the left; the chosen page's sheet (or part
// of a page) is moved onto the tree panel beside it, and put back when another is chosen.
#include "chart/editor/ChartListBox.h"
#include "chart/editor/EditChartForm.h"
#include "chart/editor/FormTeeAxis.h"
#include "chart/editor/FormTeeTools.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartWalls.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/TreeView.h"

namespace {
bool IsDesigning(const TComponent* C) {
    return C && C->ComponentState().Contains(csDesigning);
}

// What a node stands for besides sheets: the kind is found by the node's parent.
enum class TNodeKind { Sheet, Series, Axis, Title, Wall, Tool, Chart };

TNodeKind KindOf(TChartEditForm* F, TTreeNode* Node) {
    TTreeNode* parent = Node->Parent();
    if (!parent) return Node->Data() == F->SubPage ? TNodeKind::Chart : TNodeKind::Sheet;
    if (parent == F->TreeNodeSeries) return TNodeKind::Series;
    if (parent == F->TreeNodeTools) return TNodeKind::Tool;
    if (parent->Data() == F->TabAxis) return TNodeKind::Axis;
    if (parent->Data() == F->TabTitle) return TNodeKind::Title;
    if (parent->Data() == F->TabWalls) return TNodeKind::Wall;
    return TNodeKind::Sheet;
}
} // namespace

void TChartEditForm::BuildTree() {
    FBuildingTree = true;
    TreeSplitter->SetVisible(true);
    OldWidth = Width();
    SetWidth(Width() + Tree->Width() + TreeSplitter->Width());
    // Widened, the form still keeps within the work area.
    KeepInWorkArea();
    ButtonHelp->SetLeft(16);
    MainPage->SetVisible(false);
    if (!TreePanel) {
        TreePanel = new TPanel(this);
        TreePanel->SetBevelOuter(bvNone);
        TreePanel->SetAlign(alClient);
        TreePanel->SetParent(this);
    }
    Tree->Items()->Clear();
    TreeNodeSeries = nullptr;
    TreeNodeTools = nullptr;
    TreeNodeAxis = nullptr;
    if (TabSeriesList->TabVisible() || TabSeries->TabVisible()) {
        TreeNodeSeries = Tree->Items()->AddObject(nullptr, TabSeriesList->Caption(), TabSeriesList);
        FillTreeSeries();
    }
    const auto sheets = SubSheets();
    bool anyChartPage = false;
    for (std::size_t i = 1; i < sheets.size(); ++i)
        anyChartPage = anyChartPage || sheets[i]->TabVisible();
    if (anyChartPage) {
        TTreeNode* chartNode = Tree->Items()->AddObject(nullptr, TabChart->Caption(), SubPage);
        for (std::size_t i = 1; i < sheets.size(); ++i) {
            TTabSheet* sheet = sheets[i];
            if (!sheet->TabVisible()) continue;
            TTreeNode* node = Tree->Items()->AddChildObject(chartNode, sheet->Caption(), sheet);
            if (sheet == TabAxis) {
                TreeNodeAxis = node;
                FillTreeAxes();
            } else if (sheet == TabTitle) {
                Tree->Items()->AddChildObject(node, TeeMsg_Title, TheChart->Title());
                Tree->Items()->AddChildObject(node, TeeMsg_SubTitle, TheChart->SubTitle());
                Tree->Items()->AddChildObject(node, TeeMsg_SubFoot, TheChart->SubFoot());
                Tree->Items()->AddChildObject(node, TeeMsg_Foot, TheChart->Foot());
            } else if (sheet == TabWalls) {
                TChartWalls* walls = TheChart->Walls();
                Tree->Items()->AddChildObject(node, QStringLiteral("Left"), walls->Left());
                Tree->Items()->AddChildObject(node, QStringLiteral("Right"), walls->Right());
                Tree->Items()->AddChildObject(node, QStringLiteral("Bottom"), walls->Bottom());
                Tree->Items()->AddChildObject(node, QStringLiteral("Back"), walls->Back());
            }
        }
        chartNode->Expand(false);
    }
    for (TTabSheet* sheet : {TabData, TabTools, TabExport, TabPrint}) {
        if (!sheet->TabVisible()) continue;
        TTreeNode* node = Tree->Items()->AddObject(nullptr, sheet->Caption(), sheet);
        if (sheet != TabTools) continue;
        TreeNodeTools = node;
        TChartTools* tools = TheChart->Tools();
        for (int i = 0; i < tools->Count(); ++i)
            if (tools->Get(i)->ShowInEditor())
                Tree->Items()->AddChildObject(node, tools->Get(i)->Description(), tools->Get(i));
    }
    FTreeBuilt = true;
    FBuildingTree = false;
    if (TreeNodeSeries) Tree->SetSelected(TreeNodeSeries);
    if (Tree->CanFocus()) Tree->SetFocus();
}

void TChartEditForm::FillTreeSeries() {
    if (!TreeMode() || !TreeNodeSeries) return;
    const bool wasSelected = Tree->Selected() && Tree->Selected()->Parent() == TreeNodeSeries;
    const bool wasBuilding = FBuildingTree;
    FBuildingTree = true;
    TreeNodeSeries->DeleteChildren();
    for (int i = 0; i < LBSeries->Items()->Count(); ++i) {
        TChartSeries* series = LBSeries->Series(i);
        if (series && (IsDesigning(series) || series->ShowInEditor()))
            Tree->Items()->AddChildObject(TreeNodeSeries, LBSeries->Items()->Strings(i), series);
    }
    if (TheChart && TheChart->SeriesCount() < 11)
        TreeNodeSeries->Expand(false);
    else
        TreeNodeSeries->Collapse(false);
    FBuildingTree = wasBuilding;
    if (wasSelected) Tree->SetSelected(TreeNodeSeries);
}

void TChartEditForm::FillTreeAxes() {
    if (!TreeMode() || !TreeNodeAxis || !TheChart) return;
    const bool wasSelected = Tree->Selected() && Tree->Selected()->Parent() == TreeNodeAxis;
    const bool wasBuilding = FBuildingTree;
    FBuildingTree = true;
    TreeNodeAxis->DeleteChildren();
    const std::pair<const String*, TChartAxis*> axes[] = {
        {&TeeMsg_LeftAxis, TheChart->LeftAxis()},   {&TeeMsg_RightAxis, TheChart->RightAxis()},
        {&TeeMsg_TopAxis, TheChart->TopAxis()},     {&TeeMsg_BottomAxis, TheChart->BottomAxis()},
        {&TeeMsg_DepthAxis, TheChart->DepthAxis()}, {&TeeMsg_DepthTopAxis, TheChart->DepthTopAxis()}};
    for (auto [text, axis] : axes)
        Tree->Items()->AddChildObject(TreeNodeAxis, *text, axis);
    for (int i = 0; i < TheChart->CustomAxes()->Count(); ++i)
        Tree->Items()->AddChildObject(TreeNodeAxis, TeeMsg_CustomAxesEditor + QString::number(i),
                                      TheChart->CustomAxes()->Get(i));
    FBuildingTree = wasBuilding;
    // The chosen axis may be gone: the page itself stays chosen.
    if (wasSelected) Tree->SetSelected(TreeNodeAxis);
}

TTreeNode* TChartEditForm::NodeOfObject(void* Object) const {
    for (int i = 0; i < Tree->Items()->Count(); ++i)
        if (Tree->Items()->Item(i)->Data() == Object) return Tree->Items()->Item(i);
    return nullptr;
}

void TChartEditForm::SelectNodeOf(void* Object) {
    TTreeNode* node = NodeOfObject(Object);
    if (!node) {
        // A sheet without a node of its own: shown directly.
        if (auto* sheet = static_cast<TTabSheet*>(Object); sheet && sheet->PageControl() == MainPage) {
            MainPage->SetActivePage(sheet);
            FillMainPage(sheet);
            MoveToTreePanel(sheet);
        }
        return;
    }
    if (Tree->Selected() != node) Tree->SetSelected(node);
}

void TChartEditForm::ClearTreePanel() {
    if (!TreePanel) return;
    ReturnSheets();
}

void TChartEditForm::MoveToTreePanel(TControl* Control) {
    Control->SetParent(TreePanel);
    Control->SetAlign(alClient);
    Control->SetVisible(true);
}

// Puts every sheet back on its page control and every borrowed inner part back on its page.
void TChartEditForm::ReturnSheets() {
    // Each back at its own place among the tabs.
    int index = 0;
    for (TTabSheet* sheet : {TabChart, TabSeries, TabData, TabTools, TabExport, TabPrint}) {
        if (sheet->Parent() != MainPage) {
            sheet->SetPageControl(MainPage);
            sheet->SetPageIndex(index);
        }
        ++index;
    }
    index = 0;
    for (TTabSheet* sheet : SubSheets()) {
        if (sheet->Parent() != SubPage) {
            sheet->SetPageControl(SubPage);
            sheet->SetPageIndex(index);
        }
        ++index;
    }
    if (SubPage->Parent() != TabChart) {
        SubPage->SetParent(TabChart);
        SubPage->SetAlign(alClient);
    }
    TabSeriesList->SetTabVisible(!TheHiddenTabs.Contains(cetMain));
    if (FAxis && FAxis->PageAxis->Parent() != FAxis) {
        FAxis->PageAxis->SetParent(FAxis);
        FAxis->PageAxis->SetAlign(alClient);
    }
    if (FTools && FTools->PanelToolEditor->Parent() != FTools) {
        FTools->PanelToolEditor->SetParent(FTools);
        FTools->PanelToolEditor->SetAlign(alClient);
    }
    if (FTools && FTools->Parent() != TabTools) FTools->SetParent(TabTools);
}

void TChartEditForm::TreeChange(TObject*, TTreeNode* Node) {
    if (FBuildingTree || !Node || !TreePanel) return;
    // Moving sheets about changes the page controls' pages: those changes must not choose
    // nodes in turn.
    FBuildingTree = true;
    struct TEndBuilding {
        bool& Flag;
        ~TEndBuilding() { Flag = false; }
    } endBuilding{FBuildingTree};
    ClearTreePanel();
    void* data = Node->Data();
    switch (KindOf(this, Node)) {
    case TNodeKind::Chart: {
        SubPage->SetParent(TreePanel);
        SubPage->SetAlign(alClient);
        TabSeriesList->SetTabVisible(false);
        FillSubPage(SubPage->ActivePage());
        return;
    }
    case TNodeKind::Sheet: {
        auto* sheet = static_cast<TTabSheet*>(data);
        if (sheet->PageControl() == MainPage) {
            MainPage->SetActivePage(sheet);
            FillMainPage(sheet);
        } else {
            SubPage->SetActivePage(sheet);
            FillSubPage(sheet);
        }
        MoveToTreePanel(sheet);
        if (sheet == TabSeriesList) {
            if (LBSeries->CanFocus()) LBSeries->SetFocus();
            LBSeries->Invalidate();
        }
        return;
    }
    case TNodeKind::Series:
        if (!SeriesPageAllowsChange()) {
            // The page keeps its series; it goes back where it was.
            MoveToTreePanel(TabSeries);
            return;
        }
        LBSeries->SetSelectedSeries(static_cast<TChartSeries*>(data));
        MainPage->SetActivePage(TabSeries);
        SetTabSeries();
        MoveToTreePanel(TabSeries);
        return;
    case TNodeKind::Tool: {
        MainPage->SetActivePage(TabTools);
        CreateToolsPage();
        if (FTools->LBTools->Items()->Count() == 0) FTools->Reload();
        for (int i = 0; i < FTools->LBTools->Items()->Count(); ++i)
            if (FTools->LBTools->Items()->Objects(i) == data) {
                FTools->LBTools->SetItemIndex(i);
                FTools->LBToolsClick(FTools->LBTools);
            }
        MoveToTreePanel(FTools->PanelToolEditor);
        return;
    }
    case TNodeKind::Axis: {
        FillSubPage(TabAxis);
        auto* axis = static_cast<TChartAxis*>(data);
        FAxis->TheAxis = axis;
        FAxis->SetAxisIndex();
        MoveToTreePanel(FAxis->PageAxis);
        return;
    }
    case TNodeKind::Title:
    case TNodeKind::Wall: {
        TTabSheet* sheet = static_cast<TTabSheet*>(Node->Parent()->Data());
        SubPage->SetActivePage(sheet);
        FillSubPage(sheet);
        MoveToTreePanel(sheet);
        return;
    }
    }
}

void TChartEditForm::AddedTool(TObject* Sender) {
    auto* tool = dynamic_cast<TTeeCustomTool*>(Sender);
    if (!TreeMode() || !TreeNodeTools || !tool) return;
    const bool wasBuilding = FBuildingTree;
    FBuildingTree = true;
    Tree->Items()->AddChildObject(TreeNodeTools, tool->Description(), tool);
    FBuildingTree = wasBuilding;
}

void TChartEditForm::DeletedTool(TObject* Sender) {
    if (!TreeMode()) return;
    if (TTreeNode* node = NodeOfObject(Sender)) {
        const bool wasBuilding = FBuildingTree;
        FBuildingTree = true;
        const bool selected = Tree->Selected() == node;
        node->Delete();
        FBuildingTree = wasBuilding;
        if (selected && TreeNodeTools) Tree->SetSelected(TreeNodeTools);
    }
}
