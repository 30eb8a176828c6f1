// The splitter: dragging resizes the aligned control it touches, within MinSize and the
// room the other aligned controls leave, live with rsUpdate or on release otherwise.
#include "ControlFixture.h"

#include "platform/controls/Splitter.h"

#include <QEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {
struct SplitterCase {
    TAlign Align;
    TResizeStyle Style;
    int Drag;         // pixels towards the side the control grows to
    int Expected;     // the control's size after the release
    int MovesApplied; // OnMoved calls during the drag and release
};

class SplitterDrag : public ::testing::TestWithParam<SplitterCase> {};
} // namespace

TEST_P(SplitterDrag, ResizesTheNeighbourWithinItsLimits) {
    const SplitterCase k = GetParam();
    std::unique_ptr<TForm, Free> form(new TForm(nullptr, 0));
    form->SetClientSize(400, 300);
    auto* other = new TTestBox(form.get()); // takes the rest
    other->SetParent(form.get());
    other->SetAlign(alClient);
    auto* pane = new TTestBox(form.get());
    pane->SetParent(form.get());
    const bool horizontal = k.Align == alTop || k.Align == alBottom;
    pane->SetBounds(0, 0, 100, 100);
    pane->SetAlign(k.Align);
    auto* split = new TSplitter(form.get());
    split->SetParent(form.get());
    split->SetAlign(k.Align);
    if (horizontal) split->SetHeight(6);
    // Placed on the far side of the pane, so the layout puts it next to it.
    if (k.Align == alLeft) split->SetLeft(150);
    if (k.Align == alTop) split->SetTop(150);
    if (k.Align == alRight) split->SetLeft(0);
    if (k.Align == alBottom) split->SetTop(0);
    split->SetResizeStyle(k.Style);
    int moved = 0;
    split->OnMoved = TNotifyEvent([&](TObject*) { ++moved; });
    form->Show();

    auto size = [&] { return horizontal ? pane->Height() : pane->Width(); };
    ASSERT_EQ(size(), 100);
    // Drag in two steps through the form (the splitter has no window of its own).
    const int sign = (k.Align == alLeft || k.Align == alTop) ? 1 : -1;
    const TPoint start = Point(split->Left() + 1, split->Top() + 1);
    auto at = [&](int d) {
        // Coordinates follow the splitter when it moved live.
        const int dx = horizontal ? 0 : sign * d, dy = horizontal ? sign * d : 0;
        return Point(start.X + dx, start.Y + dy);
    };
    SendMouse(form.get(), QEvent::MouseButtonPress, start.X, start.Y);
    SendMouse(form.get(), QEvent::MouseMove, at(k.Drag / 2).X, at(k.Drag / 2).Y);
    // Live with rsUpdate, untouched until the release otherwise.
    EXPECT_EQ(size() != 100, k.Style == rsUpdate);
    SendMouse(form.get(), QEvent::MouseMove, at(k.Drag).X, at(k.Drag).Y);
    SendMouse(form.get(), QEvent::MouseButtonRelease, at(k.Drag).X, at(k.Drag).Y);
    EXPECT_EQ(size(), k.Expected);
    EXPECT_EQ(moved, k.MovesApplied);
    // The splitter stays next to the pane.
    if (k.Align == alLeft) {
        EXPECT_EQ(split->Left(), pane->Width());
    }
}

INSTANTIATE_TEST_SUITE_P(Splitter, SplitterDrag,
                         ::testing::Values(SplitterCase{alLeft, rsUpdate, 60, 160, 2},
                                           SplitterCase{alLeft, rsPattern, 60, 160, 1},
                                           SplitterCase{alRight, rsUpdate, 40, 140, 2},
                                           SplitterCase{alTop, rsUpdate, -40, 60, 2},
                                           SplitterCase{alBottom, rsUpdate, 30, 130, 2},
                                           // Below MinSize (30) the pane snaps closed.
                                           SplitterCase{alLeft, rsUpdate, -80, 0, 2},
                                           // No more than the room the client control would keep at MinSize.
                                           SplitterCase{alLeft, rsUpdate, 500, 400 - 3 - 30, 2}));

TEST(Splitter, CanResizeRefusesAndMinSizeHoldsWithoutSnap) {
    std::unique_ptr<TForm, Free> form(new TForm(nullptr, 0));
    form->SetClientSize(400, 300);
    auto* pane = new TTestBox(form.get());
    pane->SetParent(form.get());
    pane->SetBounds(0, 0, 100, 100);
    pane->SetAlign(alLeft);
    auto* split = new TSplitter(form.get());
    split->SetParent(form.get());
    split->SetLeft(150);
    split->SetResizeStyle(rsUpdate);
    split->SetAutoSnap(false);
    split->SetMinSize(50);
    bool refuse = true;
    split->OnCanResize = TCanResizeEvent([&](TObject*, int& NewSize, bool& Accept) {
        Accept = !refuse;
        if (NewSize > 120) NewSize = 120;
    });
    form->Show();
    SendMouse(form.get(), QEvent::MouseButtonPress, 101, 10);
    SendMouse(form.get(), QEvent::MouseMove, 141, 10);
    EXPECT_EQ(pane->Width(), 100);
    refuse = false;
    SendMouse(form.get(), QEvent::MouseMove, 161, 10);
    EXPECT_EQ(pane->Width(), 120);
    SendMouse(form.get(), QEvent::MouseMove, 10, 10);
    SendMouse(form.get(), QEvent::MouseButtonRelease, 10, 10);
    EXPECT_EQ(pane->Width(), 50);
}
