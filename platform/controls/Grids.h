// Grids: TCustomGrid (rows and columns of cells with fixed rows and columns at the top and
// left, a current cell, a selection, scrolling by TopRow and LeftCol and an in-place
// editor), TCustomDrawGrid/TDrawGrid (cells drawn and edited through events) and
// TStringGrid (a string per cell). The in-place editor hands its text to SetEditText on
// every change, not only when editing ends.
#pragma once

#include "platform/controls/Edit.h"
#include "platform/rtl/Exception.h"

#include <vector>

enum TGridOption {
    goFixedVertLine,
    goFixedHorzLine,
    goVertLine,
    goHorzLine,
    goRangeSelect,
    goDrawFocusSelected,
    goRowSizing,
    goColSizing,
    goRowMoving,
    goColMoving,
    goEditing,
    goTabs,
    goRowSelect,
    goAlwaysShowEditor,
    goThumbTracking
};
ORVO_DECLARE_ENUM_TYPE(TGridOption)
using TGridOptions = Set<TGridOption>;
ORVO_DECLARE_SET_TYPE(TGridOptions)

enum TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = Set<TGridDrawStateItem>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

struct TGridCoord {
    int X = 0;
    int Y = 0;
};

struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TGridRect&) const = default;
};

class TCustomGrid;

ORVO_DECLARE_EXCEPTION(EInvalidGridOperation, Exception)

using TSelectCellEvent = TEvent<TObject*, int, int, bool&>;
using TDrawCellEvent = TEvent<TObject*, int, int, const TRect&, TGridDrawState>;
using TGetEditEvent = TEvent<TObject*, int, int, String&>;
using TSetEditEvent = TEvent<TObject*, int, int, const String&>;
ORVO_DECLARE_EVENT_TYPE(TSelectCellEvent)
ORVO_DECLARE_EVENT_TYPE(TDrawCellEvent)
ORVO_DECLARE_EVENT_TYPE(TGetEditEvent)
ORVO_DECLARE_EVENT_TYPE(TSetEditEvent)

// The in-place editor: an edit without border that sits on the current cell. Its text
// goes to the grid's SetEditText on every change; the moving keys go to the grid.
class TInplaceEdit : public TCustomMaskEdit {
    ORVO_CLASS(TInplaceEdit, TCustomMaskEdit)
public:
    explicit TInplaceEdit(TComponent* AOwner);
    TCustomGrid* Grid() const { return FGrid; }
    void Dispatch(TMessage& Message) override;

protected:
    void Change() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    bool EditCanModify() override;
    void DoExit() override;

private:
    friend class TCustomGrid;
    TCustomGrid* FGrid = nullptr;
};

class TCustomGrid : public TCustomControl {
    ORVO_CLASS(TCustomGrid, TCustomControl)
public:
    explicit TCustomGrid(TComponent* AOwner);
    ~TCustomGrid() override;

    // ---- dimensions ----
    int ColCount() const { return int(FColWidths.size()); }
    void SetColCount(int Value);
    int RowCount() const { return int(FRowHeights.size()); }
    void SetRowCount(int Value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int Value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int Value);
    // Setting the default size resets every column's (row's) own size.
    int DefaultColWidth() const { return FDefaultColWidth; }
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int Value);
    int ColWidths(int Index) const;
    void SetColWidths(int Index, int Value);
    int RowHeights(int Index) const;
    void SetRowHeights(int Index, int Value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    // The width (height) of every column (row) with its grid line.
    int GridWidth() const;
    int GridHeight() const;

    // ---- current cell and selection ----
    int Col() const { return FCurrent.X; }
    void SetCol(int Value) { FocusCell(Value, FCurrent.Y, true); }
    int Row() const { return FCurrent.Y; }
    void SetRow(int Value) { FocusCell(FCurrent.X, Value, true); }
    TGridRect Selection() const;
    void SetSelection(const TGridRect& Value);

    // ---- view ----
    int TopRow() const { return FTopLeft.Y; }
    void SetTopRow(int Value);
    int LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int Value);
    // Rows (columns) wholly visible below (right of) the fixed ones.
    int VisibleRowCount() const;
    int VisibleColCount() const;

    // ---- look and behaviour ----
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions Value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool Value) { FDefaultDrawing = Value; }
    TGridState GridState() const { return FGridState; }

    // ---- editing ----
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool Value);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
    void ShowEditor();
    void HideEditor();

    // ---- geometry ----
    // The rectangle of a cell in client coordinates; empty when the cell is not in view.
    TRect CellRect(int ACol, int ARow) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    // The cell under a client point; -1, -1 outside the cells.
    TGridCoord MouseCoord(int X, int Y) const;
    // The area of the cells (the client area less the border and the scroll bars).
    TRect CellArea() const;
    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);
    void InvalidateCol(int ACol);
    void InvalidateGrid() { Invalidate(); }

    TNotifyEvent OnTopLeftChanged;

    void Dispatch(TMessage& Message) override;

protected:
    // Draws a cell after its default background; the base draws nothing.
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // Whether the current cell may move to ACol, ARow.
    virtual bool SelectCell(int ACol, int ARow);
    virtual bool CanEditShow();
    virtual bool CanEditModify();
    virtual String GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const String& Value);
    virtual String GetEditMask(int ACol, int ARow);
    virtual TInplaceEdit* CreateEditor();
    virtual void TopLeftChanged();
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    // A scroll bar came or went (rows, columns, sizes or the grid's own size changed); the
    // base does nothing.
    virtual void ScrollBarsChanged();

    void Paint() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void CreateParams(TCreateParams& Params) override;
    void Resize() override;
    void Loaded() override;
    void DoExit() override;

    // Moves the current cell (asking SelectCell); MoveAnchor false extends the selection.
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    // Puts the editor's text into the cell when it changed since last given.
    void UpdateText();
    // Places the editor on the current cell (hidden when the cell is out of view).
    void UpdateEdit();
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    // Ends editing; Cancel puts back the text the cell had when editing began.
    virtual void StopEdit(bool Cancel);

    friend class TInplaceEdit;

private:
    struct ScrollInfo {
        bool Horz = false;
        bool Vert = false;
    };
    ScrollInfo ScrollBarsShown() const;
    void UpdateScrollBars();
    int MaxTopRow() const;
    int MaxLeftCol() const;
    void ClampTopLeft();
    void MoveTopLeft(int ALeft, int ATop);
    void ScrollToCurrent();
    int ColLine(int ACol) const;
    int RowLine(int ARow) const;
    // The x of a column's left edge in client coordinates (-1 when scrolled away).
    int ColLeft(int ACol) const;
    int RowTop(int ARow) const;
    bool HitScrollBar(int X, int Y);
    int SizingIndexAt(int X, int Y, bool& Col) const;
    void CheckCoord(int ACol, int ARow) const;

    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    int FGridLineWidth = 1;
    TGridCoord FCurrent;
    TGridCoord FAnchor;
    TGridCoord FTopLeft;
    TGridOptions FOptions;
    TColor FFixedColor = clBtnFace;
    TBorderStyle FBorderStyle = bsSingle;
    TScrollStyle FScrollBars = ssBoth;
    bool FDefaultDrawing = true;
    TGridState FGridState = gsNormal;
    bool FEditorMode = false;
    TInplaceEdit* FInplaceEdit = nullptr;
    TGridCoord FInplacePos{-1, -1};
    String FEditStartText;
    String FLastSentText;
    int FSizingIndex = -1;
    int FSizingPos = 0;
    int FSizingOrigin = 0;
    int FScrollDrag = 0; // 1 vertical thumb, 2 horizontal thumb
};

class TCustomDrawGrid : public TCustomGrid {
    ORVO_CLASS(TCustomDrawGrid, TCustomGrid)
public:
    explicit TCustomDrawGrid(TComponent* AOwner) : TCustomGrid(AOwner) {}

    TSelectCellEvent OnSelectCell;
    TDrawCellEvent OnDrawCell;
    TGetEditEvent OnGetEditText;
    TGetEditEvent OnGetEditMask;
    TSetEditEvent OnSetEditText;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    String GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const String& Value) override;
    String GetEditMask(int ACol, int ARow) override;
};

class TDrawGrid : public TCustomDrawGrid {
    ORVO_CLASS(TDrawGrid, TCustomDrawGrid)
public:
    explicit TDrawGrid(TComponent* AOwner) : TCustomDrawGrid(AOwner) {}
};

class TStringGrid : public TDrawGrid {
    ORVO_CLASS(TStringGrid, TDrawGrid)
public:
    explicit TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

    String Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const String& Value);
    TObject* Objects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, TObject* Value);

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    String GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const String& Value) override;
    void SizeChanged(int OldColCount, int OldRowCount) override;

private:
    struct Cell {
        String Text;
        TObject* Object = nullptr;
    };
    // Row-major, ColCount cells per row.
    std::vector<std::vector<Cell>> FCells;
    Cell* CellAt(int ACol, int ARow);
};
