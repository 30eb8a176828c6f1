#include "platform/controls/Grids.h"

#include "platform/controls/Screen.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Gdi.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TInplaceEdit, TCustomMaskEdit)
ORVO_IMPLEMENT_CLASS(TCustomGrid, TCustomControl)
ORVO_IMPLEMENT_CLASS(TCustomDrawGrid, TCustomGrid)
ORVO_IMPLEMENT_CLASS(TDrawGrid, TCustomDrawGrid)
ORVO_IMPLEMENT_CLASS(TStringGrid, TDrawGrid)
ORVO_IMPLEMENT_ENUM_TYPE(TGridOption, "goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine",
                         "goRangeSelect", "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving",
                         "goColMoving", "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor",
                         "goThumbTracking")
ORVO_IMPLEMENT_SET_TYPE(TGridOptions, TGridOption)
ORVO_IMPLEMENT_EVENT_TYPE(TSelectCellEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TDrawCellEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TGetEditEvent)
ORVO_IMPLEMENT_EVENT_TYPE(TSetEditEvent)

namespace {
int scrollBarSize() {
    return GetSystemMetrics(SM_CXVSCROLL);
}
// The distance from a grid line within which the mouse sizes a column or row.
constexpr int SizingMargin = 3;
} // namespace

// ---- TInplaceEdit ------------------------------------------------------------------------------

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {
    SetBorderStyle(bsNone);
    SetAutoSize(false);
    SetAutoSelect(false);
    SetTabStop(false);
    SetVisible(false);
    SetParentColor(false);
}

void TInplaceEdit::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        // Every key stays with the editor (Enter and Escape end editing); Tab too when
        // the grid moves with it.
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTALLKEYS;
        if (FGrid && FGrid->Options().Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
        return;
    }
    TCustomMaskEdit::Dispatch(Message);
}

void TInplaceEdit::Change() {
    TCustomMaskEdit::Change();
    if (FGrid) FGrid->UpdateText();
}

bool TInplaceEdit::EditCanModify() {
    return TCustomMaskEdit::EditCanModify() && (!FGrid || FGrid->CanEditModify());
}

void TInplaceEdit::KeyDown(Word& Key, TShiftState Shift) {
    if (!FGrid) {
        TCustomMaskEdit::KeyDown(Key, Shift);
        return;
    }
    const bool ctrl = Shift.Contains(ssCtrl);
    switch (Key) {
    case VK_ESCAPE:
        FGrid->StopEdit(true);
        Key = 0;
        return;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
        // Moving to another cell is the grid's business (it ends the editing).
        FGrid->KeyDown(Key, Shift);
        Key = 0;
        return;
    case VK_TAB:
        if (FGrid->Options().Contains(goTabs)) {
            FGrid->KeyDown(Key, Shift);
            Key = 0;
            return;
        }
        break;
    case VK_HOME:
    case VK_END:
        if (ctrl) {
            FGrid->KeyDown(Key, Shift);
            Key = 0;
            return;
        }
        break;
    case VK_LEFT:
        if (FGrid->Options().Contains(goAlwaysShowEditor) && SelLength() == 0 && CaretPos() == 0) {
            FGrid->KeyDown(Key, Shift);
            Key = 0;
            return;
        }
        break;
    case VK_RIGHT:
        if (FGrid->Options().Contains(goAlwaysShowEditor) && SelLength() == 0 &&
            CaretPos() == int(EditText().size())) {
            FGrid->KeyDown(Key, Shift);
            Key = 0;
            return;
        }
        break;
    default:
        break;
    }
    TCustomMaskEdit::KeyDown(Key, Shift);
}

void TInplaceEdit::KeyPress(QChar& Key) {
    if (FGrid) {
        if (Key == QLatin1Char('\r')) {
            // Enter ends editing and keeps the text.
            if (!FGrid->Options().Contains(goAlwaysShowEditor))
                FGrid->StopEdit(false);
            else
                SelectAll();
            Key = QChar();
            return;
        }
        if (Key == QLatin1Char('\t') || Key == QChar(u'\x1b')) {
            Key = QChar();
            return;
        }
    }
    TCustomMaskEdit::KeyPress(Key);
}

void TInplaceEdit::DoExit() {
    if (FGrid) FGrid->UpdateText();
    TCustomMaskEdit::DoExit();
}

// ---- TCustomGrid: dimensions -------------------------------------------------------------------

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks, csClickEvents};
    FOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    FColWidths.assign(5, FDefaultColWidth);
    FRowHeights.assign(5, FDefaultRowHeight);
    FCurrent = FAnchor = FTopLeft = TGridCoord{1, 1};
    SetBounds(0, 0, 320, 120);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
}

TCustomGrid::~TCustomGrid() {
    if (FInplaceEdit) FInplaceEdit->FGrid = nullptr;
}

void TCustomGrid::CheckCoord(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
}

void TCustomGrid::SetColCount(int Value) {
    Value = std::max(1, Value);
    const int oldCols = ColCount();
    if (Value == oldCols) return;
    if (FFixedCols >= Value) FFixedCols = Value - 1;
    FColWidths.resize(std::size_t(Value), FDefaultColWidth);
    FCurrent.X = std::clamp(FCurrent.X, FFixedCols, Value - 1);
    FAnchor.X = std::clamp(FAnchor.X, FFixedCols, Value - 1);
    SizeChanged(oldCols, RowCount());
    ClampTopLeft();
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetRowCount(int Value) {
    Value = std::max(1, Value);
    const int oldRows = RowCount();
    if (Value == oldRows) return;
    if (FFixedRows >= Value) FFixedRows = Value - 1;
    FRowHeights.resize(std::size_t(Value), FDefaultRowHeight);
    FCurrent.Y = std::clamp(FCurrent.Y, FFixedRows, Value - 1);
    FAnchor.Y = std::clamp(FAnchor.Y, FFixedRows, Value - 1);
    SizeChanged(ColCount(), oldRows);
    ClampTopLeft();
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetFixedCols(int Value) {
    if (Value < 0 || Value >= ColCount())
        throw EInvalidGridOperation(QStringLiteral("Fixed column count must be less than column count"));
    FFixedCols = Value;
    FCurrent.X = std::max(FCurrent.X, Value);
    FAnchor.X = std::max(FAnchor.X, Value);
    FTopLeft.X = std::max(FTopLeft.X, Value);
    ClampTopLeft();
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetFixedRows(int Value) {
    if (Value < 0 || Value >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Fixed row count must be less than row count"));
    FFixedRows = Value;
    FCurrent.Y = std::max(FCurrent.Y, Value);
    FAnchor.Y = std::max(FAnchor.Y, Value);
    FTopLeft.Y = std::max(FTopLeft.Y, Value);
    ClampTopLeft();
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
    FDefaultColWidth = std::max(0, Value);
    std::fill(FColWidths.begin(), FColWidths.end(), FDefaultColWidth);
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
    FDefaultRowHeight = std::max(0, Value);
    std::fill(FRowHeights.begin(), FRowHeights.end(), FDefaultRowHeight);
    RowHeightsChanged();
}

int TCustomGrid::ColWidths(int Index) const {
    if (Index < 0 || Index >= ColCount()) return FDefaultColWidth;
    return FColWidths[std::size_t(Index)];
}

void TCustomGrid::SetColWidths(int Index, int Value) {
    if (Index < 0 || Index >= ColCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    FColWidths[std::size_t(Index)] = std::max(0, Value);
    ColWidthsChanged();
}

int TCustomGrid::RowHeights(int Index) const {
    if (Index < 0 || Index >= RowCount()) return FDefaultRowHeight;
    return FRowHeights[std::size_t(Index)];
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
    if (Index < 0 || Index >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    FRowHeights[std::size_t(Index)] = std::max(0, Value);
    RowHeightsChanged();
}

void TCustomGrid::ColWidthsChanged() {
    ClampTopLeft();
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::RowHeightsChanged() {
    ClampTopLeft();
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetGridLineWidth(int Value) {
    FGridLineWidth = std::max(0, Value);
    ColWidthsChanged();
}

int TCustomGrid::ColLine(int ACol) const {
    const bool on = ACol < FFixedCols ? FOptions.Contains(goFixedVertLine) : FOptions.Contains(goVertLine);
    return on ? FGridLineWidth : 0;
}

int TCustomGrid::RowLine(int ARow) const {
    const bool on = ARow < FFixedRows ? FOptions.Contains(goFixedHorzLine) : FOptions.Contains(goHorzLine);
    return on ? FGridLineWidth : 0;
}

int TCustomGrid::GridWidth() const {
    int w = 0;
    for (int i = 0; i < ColCount(); ++i)
        w += ColWidths(i) + ColLine(i);
    return w;
}

int TCustomGrid::GridHeight() const {
    int h = 0;
    for (int i = 0; i < RowCount(); ++i)
        h += RowHeights(i) + RowLine(i);
    return h;
}

void TCustomGrid::SizeChanged(int, int) {}

// ---- TCustomGrid: view and scroll bars ---------------------------------------------------------

TCustomGrid::ScrollInfo TCustomGrid::ScrollBarsShown() const {
    const TRect c = ClientRect();
    const int border = FBorderStyle == bsSingle ? 2 : 0;
    const int w = c.Width() - 2 * border, h = c.Height() - 2 * border;
    const bool canV = FScrollBars == ssVertical || FScrollBars == ssBoth;
    const bool canH = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    const int gw = GridWidth(), gh = GridHeight(), sb = scrollBarSize();
    ScrollInfo s;
    s.Vert = canV && gh > h;
    s.Horz = canH && gw > w - (s.Vert ? sb : 0);
    s.Vert = canV && gh > h - (s.Horz ? sb : 0);
    return s;
}

TRect TCustomGrid::CellArea() const {
    TRect r = ClientRect();
    if (FBorderStyle == bsSingle) r = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
    const ScrollInfo s = ScrollBarsShown();
    if (s.Vert) r.Right -= scrollBarSize();
    if (s.Horz) r.Bottom -= scrollBarSize();
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
    return r;
}

void TCustomGrid::UpdateScrollBars() {
    const ScrollInfo s = ScrollBarsShown();
    DWORD style = WindowStyle() & ~(WS_VSCROLL | WS_HSCROLL);
    if (s.Vert) style |= WS_VSCROLL;
    if (s.Horz) style |= WS_HSCROLL;
    if (style == WindowStyle()) return;
    SetWindowStyle(style);
    ScrollBarsChanged();
}

void TCustomGrid::ScrollBarsChanged() {}

void TCustomGrid::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    const ScrollInfo s = ScrollBarsShown();
    if (s.Vert) Params.Style |= WS_VSCROLL;
    if (s.Horz) Params.Style |= WS_HSCROLL;
    if (FBorderStyle == bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

int TCustomGrid::MaxTopRow() const {
    const TRect a = CellArea();
    int room = a.Height();
    for (int i = 0; i < FFixedRows; ++i)
        room -= RowHeights(i) + RowLine(i);
    int top = RowCount() - 1;
    int used = 0;
    for (int i = RowCount() - 1; i >= FFixedRows; --i) {
        used += RowHeights(i) + RowLine(i);
        if (used > room && i < RowCount() - 1) break;
        top = i;
    }
    return std::max(FFixedRows, top);
}

int TCustomGrid::MaxLeftCol() const {
    const TRect a = CellArea();
    int room = a.Width();
    for (int i = 0; i < FFixedCols; ++i)
        room -= ColWidths(i) + ColLine(i);
    int left = ColCount() - 1;
    int used = 0;
    for (int i = ColCount() - 1; i >= FFixedCols; --i) {
        used += ColWidths(i) + ColLine(i);
        if (used > room && i < ColCount() - 1) break;
        left = i;
    }
    return std::max(FFixedCols, left);
}

void TCustomGrid::ClampTopLeft() {
    const TGridCoord old = FTopLeft;
    FTopLeft.X = std::clamp(FTopLeft.X, FFixedCols, std::max(FFixedCols, MaxLeftCol()));
    FTopLeft.Y = std::clamp(FTopLeft.Y, FFixedRows, std::max(FFixedRows, MaxTopRow()));
    if (old.X != FTopLeft.X || old.Y != FTopLeft.Y) TopLeftChanged();
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop) {
    const TGridCoord old = FTopLeft;
    FTopLeft.X = std::clamp(ALeft, FFixedCols, std::max(FFixedCols, MaxLeftCol()));
    FTopLeft.Y = std::clamp(ATop, FFixedRows, std::max(FFixedRows, MaxTopRow()));
    if (old.X == FTopLeft.X && old.Y == FTopLeft.Y) return;
    UpdateEdit();
    Invalidate();
    TopLeftChanged();
}

void TCustomGrid::SetTopRow(int Value) {
    MoveTopLeft(FTopLeft.X, Value);
}

void TCustomGrid::SetLeftCol(int Value) {
    MoveTopLeft(Value, FTopLeft.Y);
}

void TCustomGrid::TopLeftChanged() {
    if (OnTopLeftChanged) OnTopLeftChanged(this);
}

int TCustomGrid::VisibleRowCount() const {
    const TRect a = CellArea();
    int y = a.Top;
    for (int i = 0; i < FFixedRows; ++i)
        y += RowHeights(i) + RowLine(i);
    int n = 0;
    for (int i = FTopLeft.Y; i < RowCount(); ++i) {
        y += RowHeights(i);
        if (y > a.Bottom) break;
        y += RowLine(i);
        ++n;
    }
    return n;
}

int TCustomGrid::VisibleColCount() const {
    const TRect a = CellArea();
    int x = a.Left;
    for (int i = 0; i < FFixedCols; ++i)
        x += ColWidths(i) + ColLine(i);
    int n = 0;
    for (int i = FTopLeft.X; i < ColCount(); ++i) {
        x += ColWidths(i);
        if (x > a.Right) break;
        x += ColLine(i);
        ++n;
    }
    return n;
}

void TCustomGrid::ScrollToCurrent() {
    int left = FTopLeft.X, top = FTopLeft.Y;
    if (FCurrent.Y >= FFixedRows) {
        if (FCurrent.Y < top)
            top = FCurrent.Y;
        else
            while (top < FCurrent.Y) {
                // Scroll until the current row is wholly in view.
                const TRect a = CellArea();
                int y = a.Top;
                for (int i = 0; i < FFixedRows; ++i)
                    y += RowHeights(i) + RowLine(i);
                for (int i = top; i <= FCurrent.Y; ++i)
                    y += RowHeights(i) + (i < FCurrent.Y ? RowLine(i) : 0);
                if (y <= a.Bottom) break;
                ++top;
            }
    }
    if (FCurrent.X >= FFixedCols && !FOptions.Contains(goRowSelect)) {
        if (FCurrent.X < left)
            left = FCurrent.X;
        else
            while (left < FCurrent.X) {
                const TRect a = CellArea();
                int x = a.Left;
                for (int i = 0; i < FFixedCols; ++i)
                    x += ColWidths(i) + ColLine(i);
                for (int i = left; i <= FCurrent.X; ++i)
                    x += ColWidths(i) + (i < FCurrent.X ? ColLine(i) : 0);
                if (x <= a.Right) break;
                ++left;
            }
    }
    MoveTopLeft(left, top);
}

// ---- TCustomGrid: geometry ---------------------------------------------------------------------

int TCustomGrid::ColLeft(int ACol) const {
    const TRect a = CellArea();
    int x = a.Left;
    if (ACol < FFixedCols) {
        for (int i = 0; i < ACol; ++i)
            x += ColWidths(i) + ColLine(i);
        return x;
    }
    if (ACol < FTopLeft.X) return -1;
    for (int i = 0; i < FFixedCols; ++i)
        x += ColWidths(i) + ColLine(i);
    for (int i = FTopLeft.X; i < ACol; ++i)
        x += ColWidths(i) + ColLine(i);
    return x;
}

int TCustomGrid::RowTop(int ARow) const {
    const TRect a = CellArea();
    int y = a.Top;
    if (ARow < FFixedRows) {
        for (int i = 0; i < ARow; ++i)
            y += RowHeights(i) + RowLine(i);
        return y;
    }
    if (ARow < FTopLeft.Y) return -1;
    for (int i = 0; i < FFixedRows; ++i)
        y += RowHeights(i) + RowLine(i);
    for (int i = FTopLeft.Y; i < ARow; ++i)
        y += RowHeights(i) + RowLine(i);
    return y;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return {};
    const TRect a = CellArea();
    const int x = ColLeft(ACol), y = RowTop(ARow);
    if (x < 0 || y < 0 || x >= a.Right || y >= a.Bottom) return {};
    return Rect(x, y, x + ColWidths(ACol), y + RowHeights(ARow));
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const {
    TGridCoord c{-1, -1};
    const TRect a = CellArea();
    if (!a.Contains(Point(X, Y))) return c;
    auto find = [](int pos, int start, int fixed, int first, int count, auto size, auto line) {
        int p = start;
        for (int i = 0; i < fixed; ++i) {
            const int next = p + size(i) + line(i);
            if (pos < next) return i;
            p = next;
        }
        for (int i = first; i < count; ++i) {
            const int next = p + size(i) + line(i);
            if (pos < next) return i;
            p = next;
        }
        return -1;
    };
    c.X = find(
        X, a.Left, FFixedCols, FTopLeft.X, ColCount(), [this](int i) { return ColWidths(i); },
        [this](int i) { return ColLine(i); });
    c.Y = find(
        Y, a.Top, FFixedRows, FTopLeft.Y, RowCount(), [this](int i) { return RowHeights(i); },
        [this](int i) { return RowLine(i); });
    if (c.X < 0 || c.Y < 0) c = TGridCoord{-1, -1};
    return c;
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    const TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
    const TRect r = CellRect(ACol, ARow);
    if (r.Width() > 0) {
        const TRect wide = Rect(r.Left, r.Top, r.Right + FGridLineWidth, r.Bottom + FGridLineWidth);
        InvalidateRect(&wide, false);
    }
}

void TCustomGrid::InvalidateRow(int ARow) {
    (void)ARow;
    Invalidate();
}

void TCustomGrid::InvalidateCol(int ACol) {
    (void)ACol;
    Invalidate();
}

// ---- TCustomGrid: current cell and selection ---------------------------------------------------

TGridRect TCustomGrid::Selection() const {
    TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y),
                std::max(FAnchor.X, FCurrent.X), std::max(FAnchor.Y, FCurrent.Y)};
    if (FOptions.Contains(goRowSelect)) {
        r.Left = FFixedCols;
        r.Right = ColCount() - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
    CheckCoord(Value.Left, Value.Top);
    CheckCoord(Value.Right, Value.Bottom);
    // The anchor at the top-left corner, the current cell at the bottom-right one.
    HideEditor();
    FAnchor = TGridCoord{Value.Left, Value.Top};
    FCurrent = TGridCoord{Value.Right, Value.Bottom};
    ScrollToCurrent();
    Invalidate();
}

bool TCustomGrid::SelectCell(int, int) {
    return true;
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
    CheckCoord(ACol, ARow);
    MoveColRow(ACol, ARow, MoveAnchor, true);
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show) {
    ACol = std::clamp(ACol, FFixedCols, ColCount() - 1);
    ARow = std::clamp(ARow, FFixedRows, RowCount() - 1);
    if (ACol == FCurrent.X && ARow == FCurrent.Y) {
        if (MoveAnchor && (FAnchor.X != ACol || FAnchor.Y != ARow)) {
            FAnchor = FCurrent;
            Invalidate();
        }
        return;
    }
    if (!SelectCell(ACol, ARow)) return;
    // Leaving the cell ends its editing (the text already went to the cell).
    const bool wasEditing = FEditorMode;
    StopEdit(false);
    FCurrent = TGridCoord{ACol, ARow};
    if (MoveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
    if (Show) ScrollToCurrent();
    Invalidate();
    if (FOptions.Contains(goAlwaysShowEditor) || (wasEditing && FOptions.Contains(goAlwaysShowEditor)))
        ShowEditor();
}

// ---- TCustomGrid: editing ----------------------------------------------------------------------

bool TCustomGrid::CanEditShow() {
    return FOptions.Contains(goEditing) && !FOptions.Contains(goRowSelect) && FCurrent.X >= FFixedCols &&
           FCurrent.Y >= FFixedRows && !ComponentState().Contains(csDesigning);
}

bool TCustomGrid::CanEditModify() {
    return FOptions.Contains(goEditing);
}

String TCustomGrid::GetEditText(int, int) {
    return String();
}

void TCustomGrid::SetEditText(int, int, const String&) {}

String TCustomGrid::GetEditMask(int, int) {
    return String();
}

TInplaceEdit* TCustomGrid::CreateEditor() {
    return new TInplaceEdit(nullptr);
}

void TCustomGrid::SetEditorMode(bool Value) {
    if (Value)
        ShowEditor();
    else
        HideEditor();
}

void TCustomGrid::ShowEditor() {
    if (!CanEditShow()) return;
    if (!FInplaceEdit) {
        // The editor has no owner: the grid, its parent, destroys it.
        FInplaceEdit = CreateEditor();
        FInplaceEdit->FGrid = this;
        FInplaceEdit->SetParent(this);
    }
    const bool wasShowing = FEditorMode && FInplacePos.X == FCurrent.X && FInplacePos.Y == FCurrent.Y;
    FEditorMode = true;
    if (!wasShowing) {
        FInplacePos = TGridCoord{-1, -1};
        const String text = GetEditText(FCurrent.X, FCurrent.Y);
        FEditStartText = text;
        FLastSentText = text;
        FInplaceEdit->SetEditMask(GetEditMask(FCurrent.X, FCurrent.Y));
        FInplaceEdit->SetText(text);
        FInplaceEdit->ClearUndo();
        FInplaceEdit->SetModified(false);
        FInplacePos = FCurrent;
        FInplaceEdit->SelectAll();
    }
    UpdateEdit();
    if (Focused() || (HandleAllocated() && FInplaceEdit->CanFocus())) {
        if (FInplaceEdit->CanFocus()) FInplaceEdit->SetFocus();
    }
    InvalidateCell(FCurrent.X, FCurrent.Y);
}

void TCustomGrid::HideEditor() {
    StopEdit(false);
}

void TCustomGrid::StopEdit(bool Cancel) {
    if (!FEditorMode) return;
    if (Cancel && FInplaceEdit && FInplacePos.X >= 0 && FInplaceEdit->EditText() != FEditStartText) {
        // Editing wrote every change into the cell already: put the old text back.
        FInplaceEdit->SetText(FEditStartText);
    }
    const bool hadFocus = FInplaceEdit && FInplaceEdit->Focused();
    FEditorMode = false;
    UpdateText();
    FInplacePos = TGridCoord{-1, -1};
    if (FInplaceEdit) FInplaceEdit->SetVisible(false);
    if (hadFocus && CanFocus()) SetFocus();
    Invalidate();
}

void TCustomGrid::UpdateText() {
    if (!FInplaceEdit || FInplacePos.X < 0 || FInplacePos.Y < 0) return;
    const String text = FInplaceEdit->EditText();
    if (text == FLastSentText) return;
    FLastSentText = text;
    SetEditText(FInplacePos.X, FInplacePos.Y, text);
}

void TCustomGrid::UpdateEdit() {
    if (!FInplaceEdit) return;
    if (!FEditorMode) {
        if (FInplaceEdit->Visible()) FInplaceEdit->SetVisible(false);
        return;
    }
    const TRect r = CellRect(FCurrent.X, FCurrent.Y);
    if (r.Width() <= 0) {
        FInplaceEdit->SetVisible(false);
        return;
    }
    FInplaceEdit->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    FInplaceEdit->SetVisible(true);
}

// ---- TCustomGrid: keys -------------------------------------------------------------------------

void TCustomGrid::KeyDown(Word& Key, TShiftState Shift) {
    // The control's OnKeyDown first; it may take the key.
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
    const bool rowSelect = FOptions.Contains(goRowSelect);

    // While editing, the editing keys belong to the editor.
    if (FEditorMode && FInplaceEdit) {
        switch (Key) {
        case VK_DELETE:
        case VK_BACK:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_HOME:
        case VK_END:
        case VK_INSERT:
        case VK_ESCAPE:
            if (!(ctrl && (Key == VK_HOME || Key == VK_END))) {
                FInplaceEdit->KeyDown(Key, Shift);
                return;
            }
            break;
        default:
            break;
        }
    }

    const int pageRows = std::max(1, VisibleRowCount());
    const int pageCols = std::max(1, VisibleColCount());
    int col = FCurrent.X, row = FCurrent.Y;
    switch (Key) {
    case VK_UP:
        if (ctrl) {
            // Ctrl+Up moves the view, not the current cell.
            SetTopRow(TopRow() - 1);
            return;
        }
        --row;
        break;
    case VK_DOWN:
        if (ctrl) {
            SetTopRow(TopRow() + 1);
            return;
        }
        ++row;
        break;
    case VK_LEFT:
        if (rowSelect) {
            SetLeftCol(LeftCol() - (ctrl ? pageCols : 1));
            return;
        }
        if (ctrl) {
            col -= pageCols;
            SetLeftCol(LeftCol() - pageCols);
        } else {
            --col;
        }
        break;
    case VK_RIGHT:
        if (rowSelect) {
            SetLeftCol(LeftCol() + (ctrl ? pageCols : 1));
            return;
        }
        if (ctrl) {
            col += pageCols;
            SetLeftCol(LeftCol() + pageCols);
        } else {
            ++col;
        }
        break;
    case VK_PRIOR:
        row -= pageRows;
        SetTopRow(TopRow() - pageRows);
        break;
    case VK_NEXT:
        row += pageRows;
        SetTopRow(TopRow() + pageRows);
        break;
    case VK_HOME:
        if (ctrl) row = FFixedRows;
        col = FFixedCols;
        break;
    case VK_END:
        if (ctrl) row = RowCount() - 1;
        col = ColCount() - 1;
        break;
    case VK_TAB:
        if (!FOptions.Contains(goTabs)) return;
        if (Shift.Contains(ssShift)) {
            if (col > FFixedCols)
                --col;
            else if (row > FFixedRows) {
                --row;
                col = ColCount() - 1;
            }
        } else {
            if (col < ColCount() - 1)
                ++col;
            else if (row < RowCount() - 1) {
                ++row;
                col = FFixedCols;
            }
        }
        MoveColRow(col, row, true, true);
        Key = 0;
        return;
    case VK_F2:
        if (FOptions.Contains(goEditing)) SetEditorMode(true);
        return;
    default:
        return;
    }
    MoveColRow(std::clamp(col, FFixedCols, ColCount() - 1), std::clamp(row, FFixedRows, RowCount() - 1),
               !extend || Key == VK_TAB, true);
}

void TCustomGrid::KeyPress(QChar& Key) {
    TCustomControl::KeyPress(Key);
    if (Key.isNull()) return;
    if (FEditorMode && FInplaceEdit) {
        // A character that reached the grid while editing goes on to the editor.
        FInplaceEdit->KeyPress(Key);
        Key = QChar();
        return;
    }
    if (FOptions.Contains(goAlwaysShowEditor)) return;
    if (Key == QLatin1Char('\r')) {
        if (FOptions.Contains(goEditing)) ShowEditor();
        Key = QChar();
        return;
    }
    if (Key.unicode() >= 32 && FOptions.Contains(goEditing) && CanEditShow()) {
        // A typed character starts editing: it replaces the cell's text.
        ShowEditor();
        if (FEditorMode && FInplaceEdit) {
            FInplaceEdit->SelectAll();
            FInplaceEdit->KeyPress(Key);
        }
        Key = QChar();
    }
}

void TCustomGrid::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        if (!FOptions.Contains(goRowSelect)) {
            if (FOptions.Contains(goTabs)) Message.Result |= DLGC_WANTTAB;
            if (FOptions.Contains(goEditing)) Message.Result |= DLGC_WANTCHARS;
        }
        return;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(Message);
        if (FInplaceEdit) FInplaceEdit->SetFont(Font());
        return;
    case WM_VSCROLL:
    case WM_HSCROLL: {
        const int code = int(Message.WParam & 0xFFFF);
        const int pos = int((Message.WParam >> 16) & 0xFFFF);
        const bool v = Message.Msg == WM_VSCROLL;
        const int cur = v ? TopRow() : LeftCol();
        const int page = std::max(1, v ? VisibleRowCount() : VisibleColCount());
        int next = cur;
        switch (code) {
        case 0:
            next = cur - 1;
            break; // line up
        case 1:
            next = cur + 1;
            break; // line down
        case 2:
            next = cur - page;
            break; // page up
        case 3:
            next = cur + page;
            break; // page down
        case 4:
        case 5:
            next = pos;
            break; // thumb
        case 6:
            next = v ? FFixedRows : FFixedCols;
            break;
        case 7:
            next = v ? MaxTopRow() : MaxLeftCol();
            break;
        default:
            break;
        }
        if (v)
            SetTopRow(next);
        else
            SetLeftCol(next);
        return;
    }
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

// ---- TCustomGrid: mouse ------------------------------------------------------------------------

bool TCustomGrid::HitScrollBar(int X, int Y) {
    const ScrollInfo s = ScrollBarsShown();
    const TRect a = CellArea();
    const int sb = scrollBarSize();
    if (s.Vert && X >= a.Right && X < a.Right + sb && Y >= a.Top && Y < a.Bottom) {
        WPARAM code = Y < a.Top + sb ? 0 : Y >= a.Bottom - sb ? 1 : Y < (a.Top + a.Bottom) / 2 ? 2 : 3;
        Perform(WM_VSCROLL, code, 0);
        return true;
    }
    if (s.Horz && Y >= a.Bottom && Y < a.Bottom + sb && X >= a.Left && X < a.Right) {
        WPARAM code = X < a.Left + sb ? 0 : X >= a.Right - sb ? 1 : X < (a.Left + a.Right) / 2 ? 2 : 3;
        Perform(WM_HSCROLL, code, 0);
        return true;
    }
    return false;
}

int TCustomGrid::SizingIndexAt(int X, int Y, bool& Col) const {
    const TGridCoord c = MouseCoord(X, Y);
    if (c.X < 0) return -1;
    if (FOptions.Contains(goColSizing) && c.Y < FFixedRows) {
        for (int i = 0; i < ColCount(); ++i) {
            const int left = ColLeft(i);
            if (left < 0) continue;
            const int right = left + ColWidths(i);
            if (std::abs(X - right) <= SizingMargin) {
                Col = true;
                return i;
            }
        }
    }
    if (FOptions.Contains(goRowSizing) && c.X < FFixedCols) {
        for (int i = 0; i < RowCount(); ++i) {
            const int top = RowTop(i);
            if (top < 0) continue;
            const int bottom = top + RowHeights(i);
            if (std::abs(Y - bottom) <= SizingMargin) {
                Col = false;
                return i;
            }
        }
    }
    return -1;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && !HitScrollBar(X, Y)) {
        if (CanFocus() && !Focused() && !(FInplaceEdit && FInplaceEdit->Focused())) SetFocus();
        bool isCol = false;
        const int sizing = SizingIndexAt(X, Y, isCol);
        const TGridCoord cell = MouseCoord(X, Y);
        if (sizing >= 0) {
            FGridState = isCol ? gsColSizing : gsRowSizing;
            FSizingIndex = sizing;
            FSizingOrigin = isCol ? X : Y;
            FSizingPos = isCol ? ColWidths(sizing) : RowHeights(sizing);
        } else if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
            const bool current = cell.X == FCurrent.X && cell.Y == FCurrent.Y;
            if (current && FOptions.Contains(goEditing) && !Shift.Contains(ssDouble) && !FEditorMode) {
                // A click on the current cell starts editing it.
                ShowEditor();
            } else {
                const bool extend = Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
                MoveColRow(cell.X, cell.Y, !extend, true);
                if (FOptions.Contains(goRangeSelect)) FGridState = gsSelecting;
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y) {
    switch (FGridState) {
    case gsSelecting: {
        const TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= FFixedCols && cell.Y >= FFixedRows) MoveColRow(cell.X, cell.Y, false, true);
        break;
    }
    case gsColSizing:
        FColWidths[std::size_t(FSizingIndex)] = std::max(0, FSizingPos + X - FSizingOrigin);
        ColWidthsChanged();
        break;
    case gsRowSizing:
        FRowHeights[std::size_t(FSizingIndex)] = std::max(0, FSizingPos + Y - FSizingOrigin);
        RowHeightsChanged();
        break;
    default:
        break;
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        FGridState = gsNormal;
        FSizingIndex = -1;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    if (FCurrent.Y < RowCount() - 1) MoveColRow(FCurrent.X, FCurrent.Y + 1, true, true);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    if (FCurrent.Y > FFixedRows) MoveColRow(FCurrent.X, FCurrent.Y - 1, true, true);
    return true;
}

void TCustomGrid::Resize() {
    ClampTopLeft();
    UpdateScrollBars();
    UpdateEdit();
    TCustomControl::Resize();
}

void TCustomGrid::Loaded() {
    TCustomControl::Loaded();
    ClampTopLeft();
    UpdateScrollBars();
}

void TCustomGrid::DoExit() {
    TCustomControl::DoExit();
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
    if (FOptions == Value) return;
    FOptions = Value;
    if (!Value.Contains(goEditing)) HideEditor();
    if (Value.Contains(goAlwaysShowEditor) && Value.Contains(goEditing)) ShowEditor();
    ClampTopLeft();
    UpdateScrollBars();
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
    FFixedColor = Value;
    Invalidate();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
    FBorderStyle = Value == bsNone ? bsNone : bsSingle;
    ClampTopLeft();
    UpdateScrollBars();
    UpdateEdit();
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
    FScrollBars = Value;
    ClampTopLeft();
    UpdateScrollBars();
    Invalidate();
}

// ---- TCustomGrid: painting ---------------------------------------------------------------------

void TCustomGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}

void TCustomGrid::Paint() {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(client);
    if (FBorderStyle == bsSingle) {
        TRect r = client;
        Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
        Frame3D(c, r, cl3DDkShadow, clBtnFace, 1);
    }
    const TRect area = CellArea();
    const TGridRect sel = Selection();
    const bool focused = Focused() || (FInplaceEdit && FInplaceEdit->Focused());
    HDC dc = c->Handle();
    SaveDC(dc);
    IntersectClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
    auto rows = [this](auto f) {
        for (int r = 0; r < FFixedRows; ++r)
            f(r);
        for (int r = FTopLeft.Y; r < RowCount(); ++r)
            if (!f(r)) break;
    };
    rows([&](int r) {
        const int y = RowTop(r);
        if (y >= area.Bottom) return false;
        const int h = RowHeights(r);
        for (int col = 0; col < ColCount(); ++col) {
            if (col >= FFixedCols && col < FTopLeft.X) continue;
            const int x = ColLeft(col);
            if (x >= area.Right) break;
            const int w = ColWidths(col);
            const TRect cell = Rect(x, y, x + w, y + h);
            const bool fixed = col < FFixedCols || r < FFixedRows;
            const bool current = col == FCurrent.X && r == FCurrent.Y;
            TGridDrawState state;
            if (fixed) state << gdFixed;
            const bool inSel =
                !fixed && col >= sel.Left && col <= sel.Right && r >= sel.Top && r <= sel.Bottom;
            if (inSel &&
                (!current || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect)))
                state << gdSelected;
            if (current && focused) state << gdFocused;
            c->Brush()->SetStyle(bsSolid);
            c->Font()->Assign(Font());
            if (FDefaultDrawing) {
                c->Brush()->SetColor(fixed                        ? FFixedColor
                                     : state.Contains(gdSelected) ? clHighlight
                                                                  : Color());
                c->FillRect(cell);
                if (state.Contains(gdSelected)) c->Font()->SetColor(clHighlightText);
            } else {
                c->Brush()->SetColor(fixed ? FFixedColor : Color());
            }
            DrawCell(col, r, cell, state);
            if (fixed && FDefaultDrawing && Ctl3D()) {
                TRect edge = cell;
                Frame3D(c, edge, clBtnHighlight, clBtnShadow, 1);
            }
            if (current && focused && FDefaultDrawing && !FEditorMode && !FOptions.Contains(goRowSelect)) {
                c->Brush()->SetStyle(bsSolid);
                c->DrawFocusRect(cell);
            }
            // The grid lines right of and below the cell.
            const int vl = ColLine(col), hl = RowLine(r);
            c->Brush()->SetStyle(bsSolid);
            c->Brush()->SetColor(fixed ? clBtnShadow : clBtnFace);
            if (vl > 0) c->FillRect(Rect(x + w, y, x + w + vl, y + h + hl));
            if (hl > 0) c->FillRect(Rect(x, y + h, x + w + vl, y + h + hl));
        }
        return true;
    });
    RestoreDC(dc, -1);
    // The scroll bars: a trough with arrows and a thumb.
    const ScrollInfo s = ScrollBarsShown();
    const int sb = scrollBarSize();
    auto drawBar = [&](const TRect& bar, bool vert, int pos, int first, int last) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clScrollBar);
        c->FillRect(bar);
        TRect a1 = vert ? Rect(bar.Left, bar.Top, bar.Right, bar.Top + sb)
                        : Rect(bar.Left, bar.Top, bar.Left + sb, bar.Bottom);
        TRect a2 = vert ? Rect(bar.Left, bar.Bottom - sb, bar.Right, bar.Bottom)
                        : Rect(bar.Right - sb, bar.Top, bar.Right, bar.Bottom);
        for (TRect a : {a1, a2}) {
            c->Brush()->SetColor(clBtnFace);
            c->FillRect(a);
            TRect e = a;
            Frame3D(c, e, clBtnHighlight, clBtnShadow, 1);
        }
        const int track = (vert ? bar.Height() : bar.Width()) - 2 * sb;
        if (track <= 0 || last <= first) return;
        const int thumb = std::max(8, track / (last - first + 1));
        const int off = (track - thumb) * (pos - first) / (last - first);
        TRect t = vert ? Rect(bar.Left, bar.Top + sb + off, bar.Right, bar.Top + sb + off + thumb)
                       : Rect(bar.Left + sb + off, bar.Top, bar.Left + sb + off + thumb, bar.Bottom);
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(t);
        Frame3D(c, t, clBtnHighlight, clBtnShadow, 1);
    };
    if (s.Vert)
        drawBar(Rect(area.Right, area.Top, area.Right + sb, area.Bottom), true, TopRow(), FFixedRows,
                MaxTopRow());
    if (s.Horz)
        drawBar(Rect(area.Left, area.Bottom, area.Right, area.Bottom + sb), false, LeftCol(), FFixedCols,
                MaxLeftCol());
    if (s.Vert && s.Horz) {
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(Rect(area.Right, area.Bottom, area.Right + sb, area.Bottom + sb));
    }
}

// ---- TCustomDrawGrid ---------------------------------------------------------------------------

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow) {
    bool can = true;
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
    return can;
}

String TCustomDrawGrid::GetEditText(int ACol, int ARow) {
    String value;
    if (OnGetEditText) OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const String& Value) {
    if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

String TCustomDrawGrid::GetEditMask(int ACol, int ARow) {
    String value;
    if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, value);
    return value;
}

// ---- TStringGrid -------------------------------------------------------------------------------

TStringGrid::Cell* TStringGrid::CellAt(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return nullptr;
    if (FCells.size() < std::size_t(RowCount())) FCells.resize(std::size_t(RowCount()));
    auto& row = FCells[std::size_t(ARow)];
    if (row.size() < std::size_t(ColCount())) row.resize(std::size_t(ColCount()));
    return &row[std::size_t(ACol)];
}

String TStringGrid::Cells(int ACol, int ARow) const {
    if (ARow < 0 || ACol < 0 || std::size_t(ARow) >= FCells.size()) return String();
    const auto& row = FCells[std::size_t(ARow)];
    return std::size_t(ACol) < row.size() ? row[std::size_t(ACol)].Text : String();
}

void TStringGrid::SetCells(int ACol, int ARow, const String& Value) {
    Cell* c = CellAt(ACol, ARow);
    if (!c) throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    if (c->Text == Value) return;
    c->Text = Value;
    InvalidateCell(ACol, ARow);
}

TObject* TStringGrid::Objects(int ACol, int ARow) const {
    if (ARow < 0 || ACol < 0 || std::size_t(ARow) >= FCells.size()) return nullptr;
    const auto& row = FCells[std::size_t(ARow)];
    return std::size_t(ACol) < row.size() ? row[std::size_t(ACol)].Object : nullptr;
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) {
    Cell* c = CellAt(ACol, ARow);
    if (!c) throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    c->Object = Value;
}

void TStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
    TDrawGrid::SizeChanged(OldColCount, OldRowCount);
    // Cells outside the new size are dropped.
    if (FCells.size() > std::size_t(RowCount())) FCells.resize(std::size_t(RowCount()));
    for (auto& row : FCells)
        if (row.size() > std::size_t(ColCount())) row.resize(std::size_t(ColCount()));
}

String TStringGrid::GetEditText(int ACol, int ARow) {
    if (OnGetEditText) return TDrawGrid::GetEditText(ACol, ARow);
    return Cells(ACol, ARow);
}

void TStringGrid::SetEditText(int ACol, int ARow, const String& Value) {
    SetCells(ACol, ARow, Value);
    TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    if (DefaultDrawing()) {
        TCanvas* c = Canvas();
        c->Brush()->SetStyle(bsClear);
        c->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
        c->Brush()->SetStyle(bsSolid);
    }
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

// ---- published ---------------------------------------------------------------------------------

namespace {
template <class T> void publishGrid(TPublisher<T>& P) {
    PublishWinControlBasics(P);
    P.Property("BorderStyle", &T::BorderStyle, &T::SetBorderStyle).Default(bsSingle);
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor()).Default(clWindow);
    P.Property("ColCount", &T::ColCount, &T::SetColCount).Default(5);
    P.Property("Ctl3D", &T::Ctl3D, &T::SetCtl3D);
    P.Property("DefaultColWidth", &T::DefaultColWidth, &T::SetDefaultColWidth).Default(64);
    P.Property("DefaultRowHeight", &T::DefaultRowHeight, &T::SetDefaultRowHeight).Default(24);
    P.Property("DefaultDrawing", &T::DefaultDrawing, &T::SetDefaultDrawing).Default(true);
    P.Property("FixedColor", &T::FixedColor, &T::SetFixedColor).Type(TypeInfoTColor()).Default(clBtnFace);
    P.Property("FixedCols", &T::FixedCols, &T::SetFixedCols).Default(1);
    P.Property("FixedRows", &T::FixedRows, &T::SetFixedRows).Default(1);
    P.Property("GridLineWidth", &T::GridLineWidth, &T::SetGridLineWidth).Default(1);
    P.Property("Options", &T::Options, &T::SetOptions)
        .Default(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect});
    P.Property("ParentCtl3D", &T::ParentCtl3D, &T::SetParentCtl3D);
    P.Property("RowCount", &T::RowCount, &T::SetRowCount).Default(5);
    P.Property("ScrollBars", &T::ScrollBars, &T::SetScrollBars).Default(ssBoth);
    P.Property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
    P.Property("OnDrawCell", &T::OnDrawCell);
    P.Property("OnGetEditMask", &T::OnGetEditMask);
    P.Property("OnGetEditText", &T::OnGetEditText);
    P.Property("OnSelectCell", &T::OnSelectCell);
    P.Property("OnSetEditText", &T::OnSetEditText);
    P.Property("OnTopLeftChanged", &T::OnTopLeftChanged);
}
} // namespace

ORVO_PUBLISHED(TDrawGrid) {
    publishGrid(P);
}

ORVO_PUBLISHED(TStringGrid) {
    publishGrid(P);
}
