// Tree views: nodes added, found and deleted; selection by code and by the user with its
// OnChanging refusal; expanding and collapsing by keys and by the button; the selection drawn
// only while focused under HideSelection. And context help: F1 walks up to the nearest
// control with a help context; without a help viewer nothing is shown.
#include "ControlFixture.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/Help.h"
#include "platform/controls/Panel.h"
#include "platform/controls/StandardControls.h"
#include "platform/controls/TreeView.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct TreeFixture : ShownFormTest<300, 240> {
    TTreeView* tree = nullptr;
    TTreeNode* series = nullptr;
    TTreeNode* chart = nullptr;
    TTreeNode* tools = nullptr;
    QStringList events;
    int objects[4] = {};

    void SetUp() override {
        ShownFormTest::SetUp();
        tree = make<TTreeView>(10, 10, 200, 200);
        TTreeNodes* items = tree->Items();
        series = items->AddObject(nullptr, "Series", &objects[0]);
        items->AddChildObject(series, "Series1", &objects[1]);
        items->AddChildObject(series, "Series2", &objects[2]);
        chart = items->Add(nullptr, "Chart");
        items->AddChild(items->AddChild(chart, "Axis"), "Left Axis");
        items->AddChild(chart, "Titles");
        tools = items->Add(series, "Tools");
        tree->OnChange = TTVChangedEvent([this](TObject*, TTreeNode* Node) {
            events << "change " + (Node ? Node->Text() : QString("-"));
        });
        tree->OnChanging = TTVChangingEvent([this](TObject*, TTreeNode* Node, bool& Allow) {
            events << "changing " + Node->Text();
            Allow = Node->Text() != "Titles";
        });
    }
    // The middle of a node's text in client coordinates.
    TPoint textPoint(TTreeNode* Node) {
        const TRect r = tree->NodeRect(Node);
        return Point(tree->Indent() * (Node->Level() + 1) + 12, (r.Top + r.Bottom) / 2);
    }
    QStringList shownTexts() {
        QStringList texts;
        for (int i = 0; i < tree->Items()->Count(); ++i)
            if (tree->Items()->Item(i)->IsVisible()) texts << tree->Items()->Item(i)->Text();
        return texts;
    }
};

} // namespace

TEST_F(TreeFixture, NodesAreAddedFoundAndDeletedWithTheirChildren) {
    TTreeNodes* items = tree->Items();
    EXPECT_EQ(items->Count(), 8);
    EXPECT_EQ(items->GetFirstNode(), series);
    EXPECT_EQ(series->getNextSibling(), chart);
    EXPECT_EQ(chart->getNextSibling(), tools);
    EXPECT_EQ(tools->getNextSibling(), nullptr);
    EXPECT_EQ(tools->getPrevSibling(), chart);
    ASSERT_EQ(series->Count(), 2);
    EXPECT_EQ(series->Item(1)->Text(), "Series2");
    EXPECT_EQ(series->Item(1)->Data(), &objects[2]);
    EXPECT_EQ(series->Item(1)->Parent(), series);
    EXPECT_EQ(series->getFirstChild()->Data(), &objects[1]);
    EXPECT_EQ(chart->Item(0)->Item(0)->Level(), 2);
    EXPECT_EQ(chart->Item(0)->Item(0)->AbsoluteIndex(), 5);
    EXPECT_EQ(items->Item(5)->Text(), "Left Axis");
    EXPECT_THROW(series->Item(2), EListError);
    EXPECT_THROW(items->Item(8), EListError);

    // First places, and insertion before a sibling.
    items->AddChildFirst(series, "Series0");
    items->Insert(chart, "Data");
    items->AddFirst(chart, "Top");
    EXPECT_EQ(series->Item(0)->Text(), "Series0");
    EXPECT_EQ(items->GetFirstNode()->Text(), "Top");
    EXPECT_EQ(chart->getPrevSibling()->Text(), "Data");

    // Deleting a node takes its children; the selection inside moves to the next sibling,
    // then the previous one, then the parent, and OnChange tells each move.
    TTreeNode* leftAxis = chart->Item(0)->Item(0);
    tree->SetSelected(leftAxis);
    EXPECT_TRUE(leftAxis->Selected());
    EXPECT_TRUE(chart->Expanded()); // made visible
    events.clear();
    chart->Item(0)->Delete();
    EXPECT_EQ(tree->Selected()->Text(), "Titles");
    chart->Item(0)->Delete();
    EXPECT_EQ(tree->Selected(), chart);
    chart->Delete();
    EXPECT_EQ(tree->Selected(), tools);
    EXPECT_EQ(events, QStringList({"change Titles", "change Chart", "change Tools"}));
    EXPECT_EQ(items->Count(), 7);
    items->Clear();
    EXPECT_EQ(items->Count(), 0);
    EXPECT_EQ(tree->Selected(), nullptr);
    EXPECT_EQ(events.back(), "change -");
}

TEST_F(TreeFixture, KeysMoveExpandAndCollapseAndOnChangingMayRefuse) {
    tree->SetFocus();
    tree->SetSelected(series);
    events.clear();
    struct TStep {
        int Key;
        const char* Selected;
        QStringList Shown;
    };
    const QStringList roots{"Series", "Chart", "Tools"};
    const QStringList seriesOpen{"Series", "Series1", "Series2", "Chart", "Tools"};
    const TStep steps[] = {
        {Qt::Key_Right, "Series", seriesOpen},  // expands
        {Qt::Key_Right, "Series1", seriesOpen}, // into the first child
        {Qt::Key_Down, "Series2", seriesOpen},
        {Qt::Key_Left, "Series", seriesOpen}, // to the parent
        {Qt::Key_Left, "Series", roots},      // collapses
        {Qt::Key_End, "Tools", roots},
        {Qt::Key_Up, "Chart", roots},
        {Qt::Key_Plus, "Chart", {"Series", "Chart", "Axis", "Titles", "Tools"}},
        {Qt::Key_Down, "Axis", {"Series", "Chart", "Axis", "Titles", "Tools"}},
        {Qt::Key_Down, "Axis", {"Series", "Chart", "Axis", "Titles", "Tools"}}, // "Titles" refused
        {Qt::Key_Home, "Series", {"Series", "Chart", "Axis", "Titles", "Tools"}},
    };
    for (const TStep& step : steps) {
        if (step.Key == Qt::Key_Plus)
            SendKey(tree, step.Key, Qt::NoModifier, QStringLiteral("+"));
        else
            SendKey(tree, step.Key);
        ASSERT_NE(tree->Selected(), nullptr);
        EXPECT_EQ(tree->Selected()->Text(), step.Selected) << step.Key;
        EXPECT_EQ(shownTexts(), step.Shown) << step.Key;
    }
    EXPECT_EQ(events, QStringList({"changing Series1", "change Series1", "changing Series2", "change Series2",
                                   "changing Series", "change Series", "changing Tools", "change Tools",
                                   "changing Chart", "change Chart", "changing Axis", "change Axis",
                                   "changing Titles", "changing Series", "change Series"}));
    // Collapsing a node moves a selection inside it to the node.
    tree->SetSelected(chart->Item(0));
    chart->Collapse(false);
    EXPECT_EQ(tree->Selected(), chart);
    // OnExpanding may keep a node as it is.
    tree->OnExpanding = TTVExpandingEvent([](TObject*, TTreeNode*, bool& Allow) { Allow = false; });
    series->Expand(false);
    EXPECT_FALSE(series->Expanded());
}

TEST_F(TreeFixture, ClicksSelectTextsAndToggleButtons) {
    click(tree, textPoint(chart).X, textPoint(chart).Y);
    EXPECT_EQ(tree->Selected(), chart);
    EXPECT_TRUE(tree->Focused());
    // The button left of the text expands and collapses without selecting.
    const TRect row = tree->NodeRect(series);
    click(tree, 2 + tree->Indent() / 2, (row.Top + row.Bottom) / 2);
    EXPECT_TRUE(series->Expanded());
    EXPECT_EQ(tree->Selected(), chart);
    click(tree, textPoint(series->Item(1)).X, textPoint(series->Item(1)).Y);
    EXPECT_EQ(tree->Selected(), series->Item(1));
    click(tree, 2 + tree->Indent() / 2, (row.Top + row.Bottom) / 2);
    EXPECT_FALSE(series->Expanded());
    EXPECT_EQ(tree->Selected(), series);
    // Below the last row: nothing changes.
    click(tree, 60, 190);
    EXPECT_EQ(tree->Selected(), series);
    EXPECT_EQ(tree->GetNodeAt(60, 190), nullptr);
    EXPECT_EQ(tree->GetNodeAt(textPoint(tools).X, textPoint(tools).Y), tools);
}

// The selected row is drawn in the highlight colour while the tree has the focus; without it,
// only when HideSelection is off (then in the button face colour).
TEST_F(TreeFixture, SelectionIsDrawnAsHideSelectionSays) {
    tree->SetSelected(chart);
    auto rowColour = [&] {
        TBitmap image(tree->Width(), tree->Height());
        tree->PaintTo(image.Canvas(), 0, 0);
        const TPoint p = textPoint(chart);
        return ColorToRGB(image.Canvas()->Pixels(p.X - 8, tree->NodeRect(chart).Top + 1));
    };
    struct TCase {
        bool Focused;
        bool HideSelection;
        TColor Expected;
    };
    for (const TCase& c : {TCase{true, true, clHighlight}, TCase{false, true, clWindow},
                           TCase{false, false, clBtnFace}, TCase{true, false, clHighlight}}) {
        tree->SetHideSelection(c.HideSelection);
        if (c.Focused) {
            tree->SetFocus();
        } else {
            form->SetActiveControl(nullptr);
            form->SetFocus();
        }
        EXPECT_EQ(tree->Focused(), c.Focused);
        EXPECT_EQ(rowColour(), ColorToRGB(c.Expected)) << c.Focused << c.HideSelection;
    }
}

TEST(TreeViewRegistration, FoundByNameWithItsProperties) {
    RegisterStandardControls();
    TClass cls = GetClass(QStringLiteral("TTreeView"));
    ASSERT_NE(cls, nullptr);
    for (const char* name : {"HideSelection", "ReadOnly", "ShowRoot", "ShowLines", "Indent", "OnChange",
                             "OnChanging", "Align", "TabOrder"})
        EXPECT_NE(GetPropInfo(cls, QString::fromLatin1(name)), nullptr) << name;
}

namespace {
class TRecordingViewer : public IHelpViewer {
public:
    bool ShowHelpContext(const String& HelpFile, int Context) override {
        Shown << HelpFile + ":" + QString::number(Context);
        return true;
    }
    QStringList Shown;
};

struct HelpFixture : ShownFormTest<300, 200> {
    TRecordingViewer viewer;
    IHelpViewer* previous = nullptr;
    void TearDown() override {
        SetHelpViewer(previous);
        Application->SetHelpFile(String());
    }
};
} // namespace

// F1 on a control asks for the help context of the control, else of its nearest parent that
// has one, the form last; none on the way, or no viewer (as on Linux): nothing is shown.
TEST_F(HelpFixture, F1WalksUpToTheNearestHelpContext) {
    auto* panel = make<TPanel>(10, 10, 200, 150);
    auto* inner = make<TPanel>(10, 10, 150, 100, panel);
    auto* box = make<TTestBox>(10, 10, 50, 50, inner);
    box->SetTabStop(true);
    box->SetFocus();
    Application->SetHelpFile(QStringLiteral("tool.hlp"));

    EXPECT_FALSE(Application->HelpContext(12)); // no viewer
    SendKey(box, Qt::Key_F1);
    previous = SetHelpViewer(&viewer);
    SendKey(box, Qt::Key_F1); // no context anywhere
    EXPECT_TRUE(viewer.Shown.isEmpty());

    struct TCase {
        int Form, Panel, Inner, Box;
        const char* Shown;
    };
    for (const TCase& c : {TCase{5, 0, 0, 0, "tool.hlp:5"}, TCase{5, 7, 0, 0, "tool.hlp:7"},
                           TCase{5, 7, 9, 0, "tool.hlp:9"}, TCase{5, 7, 9, 11, "tool.hlp:11"}}) {
        form->SetHelpContext(c.Form);
        panel->SetHelpContext(c.Panel);
        inner->SetHelpContext(c.Inner);
        box->SetHelpContext(c.Box);
        viewer.Shown.clear();
        SendKey(box, Qt::Key_F1);
        EXPECT_EQ(viewer.Shown, QStringList{c.Shown});
    }
    // The active form's help file comes before the program's.
    form->SetHelpFile(QStringLiteral("form.hlp"));
    viewer.Shown.clear();
    EXPECT_TRUE(ControlHelpRequest(inner));
    EXPECT_EQ(viewer.Shown, QStringList{"form.hlp:9"});
}
