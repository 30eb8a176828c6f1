// Layout of a form read from its resource: the alignment order among siblings, anchors,
// constraints and OnResize after layout; resized windows drawn again; inherited colour and font.
#include "ControlFixture.h"

#include "platform/controls/Panel.h"
#include "platform/controls/SizeConstraints.h"
#include "platform/graphics/Font.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
struct FormDeleter {
    void operator()(TObject* o) const { FreeObject(o); }
};
template <class T> using FormPtr = std::unique_ptr<T, FormDeleter>;

void expectBounds(TControl* c, int l, int t, int w, int h) {
    SCOPED_TRACE(c->Name().toStdString());
    EXPECT_EQ(c->Left(), l);
    EXPECT_EQ(c->Top(), t);
    EXPECT_EQ(c->Width(), w);
    EXPECT_EQ(c->Height(), h);
}
} // namespace

TEST(Layout, AlignOrderFollowsPositionNotZOrder) {
    FormPtr<TLayoutForm> f(MakeForm<TLayoutForm>());
    ASSERT_NE(f->Client1, nullptr);
    EXPECT_EQ(f->ClientWidth(), 400);
    EXPECT_EQ(f->ClientHeight(), 300);
    // Tops stack by Top, bottoms lowest edge first, lefts by Left, the client fills the rest.
    expectBounds(f->Top1, 0, 0, 400, 25);
    expectBounds(f->Top2, 0, 25, 400, 15);
    expectBounds(f->Bottom1, 0, 280, 400, 20);
    expectBounds(f->Bottom2, 0, 270, 400, 10);
    expectBounds(f->Left1, 0, 40, 30, 230);
    expectBounds(f->Mid1, 30, 40, 40, 230);
    expectBounds(f->Right1, 70, 40, 50, 230);
    expectBounds(f->Client1, 120, 40, 280, 230);
}

TEST(Layout, ResizeRealignsAnchorsAndConstraintsThenOnResize) {
    FormPtr<TLayoutForm> f(MakeForm<TLayoutForm>());
    f->SetClientSize(500, 400);
    expectBounds(f->Client1, 120, 40, 380, 330);
    expectBounds(f->Bottom1, 0, 380, 500, 20);
    // Right and bottom anchors keep the distances to those edges.
    expectBounds(f->Corner, 450, 360, 40, 30);
    // Left and right anchors stretch, up to the constraint.
    expectBounds(f->Stretch, 10, 100, 350, 20);
    EXPECT_EQ(f->ClientWidthAtResize, 380);
    f->SetClientSize(350, 300);
    expectBounds(f->Corner, 300, 260, 40, 30);
    expectBounds(f->Stretch, 10, 100, 250, 20);
}

TEST(Layout, EqualPositionsKeepZOrderAndHiddenControlsGiveUpTheirPlace) {
    FormPtr<TForm> f(new TForm(nullptr, 0));
    f->SetClientSize(300, 100);
    std::vector<TTestBox*> boxes;
    for (int i = 0; i < 3; ++i) {
        auto* b = new TTestBox(f.get());
        b->SetName(QStringLiteral("B%1").arg(i));
        b->SetBounds(0, 0, 20 + i, 10);
        b->SetParent(f.get());
        boxes.push_back(b);
    }
    f->DisableAlign();
    for (TTestBox* b : boxes)
        b->SetAlign(alLeft);
    f->EnableAlign();
    EXPECT_EQ(boxes[0]->Left(), 0);
    EXPECT_EQ(boxes[1]->Left(), 20);
    EXPECT_EQ(boxes[2]->Left(), 41);
    boxes[1]->SetVisible(false);
    EXPECT_EQ(boxes[2]->Left(), 20);
}

TEST(Layout, ConstraintsClampTheSize) {
    FormPtr<TForm> f(new TForm(nullptr, 0));
    auto* b = new TTestBox(f.get());
    b->SetParent(f.get());
    b->Constraints()->SetMinWidth(350);
    b->Constraints()->SetMinHeight(350);
    b->SetBounds(0, 0, 100, 500);
    EXPECT_EQ(b->Width(), 350);
    EXPECT_EQ(b->Height(), 500);
    b->Constraints()->SetMaxHeight(400);
    EXPECT_EQ(b->Height(), 400);
    // A maximum below the minimum lowers the minimum.
    b->Constraints()->SetMaxWidth(200);
    EXPECT_EQ(b->Constraints()->MinWidth(), 200);
    EXPECT_EQ(b->Width(), 200);
}

TEST(Layout, ColourAndFontFollowTheParentUntilSetOwnValues) {
    FormPtr<TForm> f(new TForm(nullptr, 0));
    auto* panel = new TTestBox(f.get());
    panel->SetParent(f.get());
    auto* child = new TTestBox(f.get());
    child->SetParent(panel);
    f->SetColor(clRed);
    f->Font()->SetHeight(-20);
    EXPECT_EQ(panel->Color(), clRed);
    EXPECT_EQ(child->Color(), clRed);
    EXPECT_EQ(child->Font()->Height(), -20);
    child->SetColor(clBlue);
    child->Font()->SetHeight(-9);
    f->SetColor(clGreen);
    f->Font()->SetHeight(-30);
    EXPECT_EQ(panel->Color(), clGreen);
    EXPECT_EQ(child->Color(), clBlue);
    EXPECT_FALSE(child->ParentFont());
    EXPECT_EQ(child->Font()->Height(), -9);
    child->SetParentFont(true);
    EXPECT_EQ(child->Font()->Height(), -30);
}

TEST(Layout, ChildrenWithoutOwnerGoWithTheirParent) {
    FormPtr<TForm> f(new TForm(nullptr, 0));
    auto* frameLike = new TTestBox(nullptr);
    frameLike->SetParent(f.get());
    bool destroyed = false;
    struct Watch : TComponent {
        explicit Watch(bool* d) : TComponent(nullptr), flag(d) {}
        bool* flag;
        void Notification(TComponent*, TOperation op) override {
            if (op == opRemove) *flag = true;
        }
    } watch(&destroyed);
    frameLike->FreeNotification(&watch);
    f.reset();
    EXPECT_TRUE(destroyed);
}

namespace {
// A windowed control that counts the requests to draw it again.
class TCountingPanel : public TPanel {
public:
    using TPanel::TPanel;
    void Invalidate() override {
        ++invalidations;
        TPanel::Invalidate();
    }
    int invalidations = 0;
};
} // namespace

// A windowed control is drawn again whole after every change of its size, whether its parent's
// alignment or code resized it (a control that keeps its last picture makes it again); a move
// alone asks nothing.
TEST(Layout, ResizedWindowsAreDrawnAgain) {
    FormPtr<TForm> f(new TForm(nullptr, 0));
    f->SetClientSize(300, 200);
    auto* aligned = new TCountingPanel(f.get());
    aligned->SetParent(f.get());
    aligned->SetAlign(alClient);
    auto* placed = new TCountingPanel(f.get());
    placed->SetParent(f.get());
    placed->SetBounds(10, 10, 50, 50);
    struct Case {
        const char* what;
        std::function<void()> change;
        TCountingPanel* control;
        bool drawn;
    };
    const Case cases[] = {
        {"parent resized", [&] { f->SetClientSize(320, 220); }, aligned, true},
        {"parent resized again", [&] { f->SetClientSize(200, 150); }, aligned, true},
        {"sized by code", [&] { placed->SetWidth(70); }, placed, true},
        {"moved only", [&] { placed->SetLeft(20); }, placed, false},
    };
    for (const Case& c : cases) {
        c.control->invalidations = 0;
        c.change();
        EXPECT_EQ(c.control->invalidations > 0, c.drawn) << c.what;
    }
}
