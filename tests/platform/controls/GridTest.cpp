// The string grid on a shown form: in-place editing driven by real key events (every
// keystroke reaches SetEditText, Escape puts the old text back, Enter keeps the new one),
// the moving keys, refused selections, scrolling and the vertical scroll bar style.
#include "ControlFixture.h"

#include "platform/controls/Grids.h"

#include <QEvent>
#include <gtest/gtest.h>

#include <memory>

namespace {
struct GridFixture : ::testing::Test {
    std::unique_ptr<TForm, Free> form{new TForm(nullptr, 0)};
    TStringGrid* grid = nullptr;
    QStringList edits;
    void SetUp() override {
        form->SetClientSize(400, 300);
        grid = new TStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(0, 0, 300, 200);
        grid->SetOptions(grid->Options() + TGridOptions{goEditing, goTabs});
        grid->SetCells(1, 1, QStringLiteral("old"));
        grid->OnSetEditText = TSetEditEvent([this](TObject*, int c, int r, const String& v) {
            edits << QStringLiteral("%1,%2=%3").arg(c).arg(r).arg(v);
        });
        form->Show();
        grid->SetFocus();
    }
    // Keys go where the focus is: the in-place editor while it shows.
    TWinControl* target() const {
        return grid->EditorMode() && grid->InplaceEditor() ? static_cast<TWinControl*>(grid->InplaceEditor())
                                                           : grid;
    }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier, const QString& text = QString()) {
        SendKey(target(), k, m, text);
    }
    void type(const QString& s) {
        for (QChar ch : s)
            key(Qt::Key_A + (ch.toUpper().unicode() - 'A'), Qt::NoModifier, String(ch));
    }
    TGridCoord cur() const { return TGridCoord{grid->Col(), grid->Row()}; }
};
} // namespace

TEST_F(GridFixture, TypingStartsEditingAndEveryKeystrokeReachesTheCell) {
    type(QStringLiteral("ab"));
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(edits, QStringList({QStringLiteral("1,1=a"), QStringLiteral("1,1=ab")}));
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("ab"));
    key(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("a"));
    // Enter ends editing and keeps the text; nothing more is written.
    key(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("a"));
    EXPECT_EQ(edits.size(), 3);
}

TEST_F(GridFixture, EscapePutsBackTheTextTheCellHadWhenEditingBegan) {
    key(Qt::Key_F2);
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), QStringLiteral("old"));
    EXPECT_TRUE(edits.isEmpty()); // showing the editor writes nothing
    key(Qt::Key_End);
    type(QStringLiteral("er"));
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("older"));
    key(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("old"));
    EXPECT_EQ(edits.last(), QStringLiteral("1,1=old"));
}

TEST_F(GridFixture, DeleteGoesToTheEditorAndMovingEndsEditing) {
    key(Qt::Key_F2); // the whole text is selected
    key(Qt::Key_Delete);
    EXPECT_EQ(grid->Cells(1, 1), QString());
    key(Qt::Key_Down);
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(cur().Y, 2);
    EXPECT_EQ(grid->Cells(1, 1), QString());
}

TEST_F(GridFixture, KeysMoveTheCurrentCell) {
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        int col, row;
    };
    // Start at 1,1 in a 5 x 5 grid with one fixed row and column.
    const Case cases[] = {
        {Qt::Key_Right, Qt::NoModifier, 2, 1},      {Qt::Key_Down, Qt::NoModifier, 2, 2},
        {Qt::Key_End, Qt::NoModifier, 4, 2},        {Qt::Key_Tab, Qt::NoModifier, 1, 3},
        {Qt::Key_Backtab, Qt::ShiftModifier, 4, 2}, {Qt::Key_Home, Qt::NoModifier, 1, 2},
        {Qt::Key_End, Qt::ControlModifier, 4, 4},   {Qt::Key_Home, Qt::ControlModifier, 1, 1},
        {Qt::Key_Left, Qt::NoModifier, 1, 1},       {Qt::Key_Up, Qt::NoModifier, 1, 1},
    };
    for (const Case& c : cases) {
        key(c.key, c.mods);
        EXPECT_EQ(cur().X, c.col) << "key " << c.key;
        EXPECT_EQ(cur().Y, c.row) << "key " << c.key;
    }
}

TEST_F(GridFixture, ShiftArrowsExtendTheSelectionFromTheAnchor) {
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 2, 2}));
    key(Qt::Key_Right);
    EXPECT_EQ(grid->Selection(), (TGridRect{3, 2, 3, 2}));
}

TEST_F(GridFixture, RefusedCellKeepsTheCurrentCellAndOnKeyDownComesFirst) {
    grid->OnSelectCell = TSelectCellEvent([](TObject*, int c, int, bool& can) { can = c != 2; });
    key(Qt::Key_Right);
    EXPECT_EQ(cur().X, 1);
    EXPECT_THROW(grid->SetCol(7), EInvalidGridOperation);
    // A handler that takes the key stops the grid's own move.
    grid->OnKeyDown = TKeyEvent([](TObject*, Word& k, TShiftState) {
        if (k == VK_DOWN) k = 0;
    });
    key(Qt::Key_Down);
    EXPECT_EQ(cur().Y, 1);
}

TEST_F(GridFixture, VerticalScrollBarFollowsTheRowsAndCtrlUpMovesOnlyTheView) {
    EXPECT_EQ(GetWindowLong(grid->Handle(), GWL_STYLE) & LONG(WS_VSCROLL), 0);
    grid->SetRowCount(40);
    EXPECT_NE(GetWindowLong(grid->Handle(), GWL_STYLE) & LONG(WS_VSCROLL), 0);
    key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(cur().Y, 39);
    EXPECT_GT(grid->TopRow(), 1);
    const int top = grid->TopRow();
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(grid->TopRow(), top - 1);
    EXPECT_EQ(cur().Y, 39);
    grid->SetRowCount(3);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(GetWindowLong(grid->Handle(), GWL_STYLE) & LONG(WS_VSCROLL), 0);
    // The width of every column with its line.
    grid->SetDefaultColWidth(80);
    EXPECT_EQ(grid->GridWidth(), 5 * 81);
}

TEST_F(GridFixture, MouseSelectsACellAndAClickOnTheCurrentCellEdits) {
    const TRect r = grid->CellRect(3, 2);
    ASSERT_GT(r.Width(), 0);
    SendMouse(grid, QEvent::MouseButtonPress, r.Left + 3, r.Top + 3);
    SendMouse(grid, QEvent::MouseButtonRelease, r.Left + 3, r.Top + 3);
    EXPECT_EQ(cur().X, 3);
    EXPECT_EQ(cur().Y, 2);
    EXPECT_FALSE(grid->EditorMode());
    SendMouse(grid, QEvent::MouseButtonPress, r.Left + 3, r.Top + 3);
    SendMouse(grid, QEvent::MouseButtonRelease, r.Left + 3, r.Top + 3);
    EXPECT_TRUE(grid->EditorMode());
    // A grid without goEditing never shows the editor.
    grid->SetOptions(grid->Options() - TGridOptions{goEditing});
    EXPECT_FALSE(grid->EditorMode());
    key(Qt::Key_F2);
    type(QStringLiteral("x"));
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(3, 2), QString());
}
