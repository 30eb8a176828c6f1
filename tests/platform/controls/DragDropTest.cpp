// Dragging one control onto another: the threshold before a drag starts, the targets told as
// the mouse enters, moves over and leaves them, the cursor that says whether the target takes
// the source, the drop, Escape, automatic dragging, and a dragged control that goes away.
#include "ControlFixture.h"

#include "platform/controls/Mouse.h"
#include "platform/controls/Screen.h"

#include <QEvent>

namespace {
const char* StateName(TDragState State) {
    return State == dsDragEnter ? "enter" : State == dsDragLeave ? "leave" : "move";
}

struct DragDrop : ShownFormTest<400, 200> {
    TTestBox* source = nullptr;
    TTestBox* target = nullptr;
    TTestSpot* spot = nullptr;
    bool accept = true;
    int threshold = -1;
    void SetUp() override {
        ShownFormTest::SetUp();
        source = make<TTestBox>(10, 10, 100, 100);
        target = make<TTestBox>(200, 10, 100, 100);
        spot = make<TTestSpot>(320, 10, 40, 40);
        source->OnMouseDown = TMouseEvent([this](TObject*, TMouseButton, TShiftState, int, int) {
            log << QStringLiteral("down");
            source->BeginDrag(false, threshold);
        });
        source->OnClick = TNotifyEvent([this](TObject*) { log << QStringLiteral("click"); });
        source->OnEndDrag = TEndDragEvent([this](TObject* Sender, TObject* Target, int X, int Y) {
            EXPECT_EQ(Sender, source);
            log << QStringLiteral("end %1 %2,%3")
                       .arg(Target == target ? "target"
                            : Target         ? "other"
                                             : "none")
                       .arg(X)
                       .arg(Y);
        });
        for (TControl* c : {static_cast<TControl*>(target), static_cast<TControl*>(spot)}) {
            const QString name = c == target ? QStringLiteral("target") : QStringLiteral("spot");
            c->OnDragOver = TDragOverEvent(
                [this, name](TObject*, TObject* Source, int X, int Y, TDragState State, bool& Accept) {
                    EXPECT_EQ(Source, source);
                    log << QStringLiteral("%1 %2 %3,%4").arg(name, StateName(State)).arg(X).arg(Y);
                    Accept = accept;
                });
            c->OnDragDrop = TDragDropEvent([this, name](TObject*, TObject* Source, int X, int Y) {
                EXPECT_EQ(Source, source);
                log << QStringLiteral("%1 drop %2,%3").arg(name).arg(X).arg(Y);
            });
        }
    }
    void TearDown() override { Screen->SetCursor(crDefault); }
    // Mouse input on the source's window, in its client coordinates (the pressed window
    // keeps the mouse).
    void press(int X, int Y) { SendMouse(source, QEvent::MouseButtonPress, X, Y); }
    void move(int X, int Y) { SendMouse(source, QEvent::MouseMove, X, Y); }
    void release(int X, int Y) { SendMouse(source, QEvent::MouseButtonRelease, X, Y); }
};
} // namespace

TEST_F(DragDrop, ADragStartsPastTheThresholdAndDropsOnTheTargetThatTakesIt) {
    press(20, 20);
    EXPECT_TRUE(source->Dragging());
    EXPECT_FALSE(Mouse->IsDragging());
    move(23, 24); // less than 5 pixels each way: nothing yet
    EXPECT_FALSE(Mouse->IsDragging());
    EXPECT_EQ(log, QStringList({"down"}));
    // Over the target (its client coordinates are the source's less 190 across).
    move(200, 30);
    EXPECT_TRUE(Mouse->IsDragging());
    EXPECT_EQ(Screen->Cursor(), crDrag);
    move(210, 40);
    release(210, 40);
    EXPECT_FALSE(source->Dragging());
    EXPECT_FALSE(Mouse->IsDragging());
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(log, QStringList({"down", "target enter 10,30", "target move 20,40", "target move 20,40",
                                "target drop 20,40", "end target 20,40"}));
    EXPECT_FALSE(source->MouseCapture());
}

TEST_F(DragDrop, TargetsAreToldAsTheMouseEntersAndLeavesThemAndARefusalShowsNoDrop) {
    accept = false;
    press(20, 20);
    move(200, 30);
    EXPECT_EQ(Screen->Cursor(), crNoDrop);
    move(320, 20); // onto the window-less spot
    EXPECT_EQ(Screen->Cursor(), crNoDrop);
    accept = true;
    move(325, 20);
    EXPECT_EQ(Screen->Cursor(), crDrag);
    move(150, 150); // over the form itself, which takes nothing
    EXPECT_EQ(Screen->Cursor(), crNoDrop);
    release(150, 150);
    EXPECT_EQ(log, QStringList({"down", "target enter 10,30", "target leave 130,20", "spot enter 10,20",
                                "spot move 15,20", "spot leave -160,150", "end none 160,160"}));
}

TEST_F(DragDrop, ADropOnARefusingTargetIsACancel) {
    accept = false;
    press(20, 20);
    move(200, 30);
    release(200, 30);
    EXPECT_EQ(log, QStringList({"down", "target enter 10,30", "target move 10,30", "target leave 10,30",
                                "end none 10,30"}));
}

TEST_F(DragDrop, EscapeCancelsTheDrag) {
    press(20, 20);
    move(200, 30);
    SendKey(target, Qt::Key_Escape);
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(Screen->Cursor(), crDefault);
    release(200, 30);
    EXPECT_EQ(log, QStringList({"down", "target enter 10,30", "target leave 10,30", "end none 10,30"}));
}

TEST_F(DragDrop, AReleaseBeforeTheThresholdIsAnOrdinaryClick) {
    threshold = 10;
    press(20, 20);
    move(28, 20);
    release(28, 20);
    EXPECT_FALSE(source->Dragging());
    EXPECT_EQ(log, QStringList({"down", "click"}));
    // A drag at once needs no movement.
    log.clear();
    source->OnMouseDown =
        TMouseEvent([this](TObject*, TMouseButton, TShiftState, int, int) { source->BeginDrag(true); });
    press(20, 20);
    EXPECT_TRUE(Mouse->IsDragging());
    release(20, 20);
    EXPECT_EQ(log, QStringList({"end none 20,20"}));
}

TEST_F(DragDrop, AutomaticDragModeDragsOnThePressAndAGoneSourceEndsTheDrag) {
    source->SetDragMode(dmAutomatic);
    press(20, 20);
    // The press starts the drag instead of reaching the control.
    EXPECT_TRUE(Mouse->IsDragging());
    EXPECT_EQ(log, QStringList());
    move(200, 30);
    EXPECT_EQ(Screen->Cursor(), crDrag);
    source->OnEndDrag = nullptr;
    FreeObject(source);
    source = nullptr;
    EXPECT_FALSE(Mouse->IsDragging());
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_EQ(log, QStringList({"target enter 10,30", "target leave 10,30"}));
}
