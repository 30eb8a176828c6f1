// TChipTuningChartGrid: the curve editor's point grid. It shows the points of the series of the
// page shown (point number and correction) and hands the keys that edit points, and every
// change of its selection, to the editor as posted window messages; it never inserts or
// appends rows of its own.
#pragma once

#include "chart/grid/ChartGrid.h"
#include "platform/controls/Messages.h"

// Posted by the grid to its parent window (the curve editor).
inline constexpr UINT WM_CHART_SELECT = WM_USER + 100; // wParam column, lParam row being selected
inline constexpr UINT WM_CHART_UP = WM_USER + 101;     // wParam 1 with Shift: raise the selection
inline constexpr UINT WM_CHART_DOWN = WM_USER + 102;   // wParam 1 with Shift: lower the selection
inline constexpr UINT WM_CHART_DELETE = WM_USER + 103; // delete the selected points

using TChartGridBase = TChartGrid;

class TChipTuningChartGrid : public TChartGridBase {
    ORVO_CLASS(TChipTuningChartGrid, TChartGridBase)
public:
    explicit TChipTuningChartGrid(TComponent* AOwner);
    // No owner: the parent control destroys it.
    static TChipTuningChartGrid* CreateParented(TWinControl* ParentControl);

    // The key handling that the editor's messages stand in for (also reached by tests).
    void KeyDown(Word& Key, TShiftState Shift) override;

    // Fired whenever the grid's vertical or horizontal scroll bar comes or goes, so that the
    // editor can widen the grid by the bar (its value column never hides under it).
    TNotifyEvent OnScrollBarsChange;

protected:
    // Tells the parent of every cell being selected, then the grid's own rule.
    bool SelectCell(int ACol, int ARow) override;
    // Value cells: the text in a colour that reads on the cell (light on the dark cells, the
    // highlight text colour on the selection); header and fixed cells as the chart grid draws
    // them.
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void ScrollBarsChanged() override;
};

// The colour of text that reads on a cell of colour Back: white on dark colours, else Text.
TColor ReadableTextColor(TColor Back, TColor Text);
