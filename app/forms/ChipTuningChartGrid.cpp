#include "app/forms/ChipTuningChartGrid.h"

#include "platform/controls/WinControl.h"

ORVO_IMPLEMENT_CLASS(TChipTuningChartGrid, TChartGridBase)
ORVO_PUBLISHED(TChipTuningChartGrid) {}

TChipTuningChartGrid::TChipTuningChartGrid(TComponent* AOwner) : TChartGridBase(AOwner) {}

TChipTuningChartGrid* TChipTuningChartGrid::CreateParented(TWinControl* ParentControl) {
    auto* grid = new TChipTuningChartGrid(nullptr);
    grid->SetParent(ParentControl);
    return grid;
}

bool TChipTuningChartGrid::SelectCell(int ACol, int ARow) {
    // Before the editor has a window (while it is still being built) there is nobody to tell.
    if (Parent() && Parent()->HandleAllocated())
        PostMessage(Parent()->Handle(), WM_CHART_SELECT, WPARAM(ACol), LPARAM(ARow));
    return TChartGridBase::SelectCell(ACol, ARow);
}

void TChipTuningChartGrid::KeyDown(Word& Key, TShiftState Shift) {
    // Rows belong to the curve's points: a row inserted here would be a point nobody placed.
    if (Key == VK_INSERT) {
        Key = 0;
        return;
    }
    if (Shift.Contains(ssCtrl) || Shift.Contains(ssAlt)) {
        TChartGridBase::KeyDown(Key, Shift);
        return;
    }
    const WPARAM shift = Shift.Contains(ssShift) ? 1 : 0;
    HWND parent = Parent() && Parent()->HandleAllocated() ? Parent()->Handle() : HWND();
    switch (Key) {
    case VK_UP:
        if (parent) PostMessage(parent, WM_CHART_UP, shift, 0);
        Key = 0;
        return;
    case VK_DOWN:
        if (parent) PostMessage(parent, WM_CHART_DOWN, shift, 0);
        Key = 0;
        return;
    case VK_DELETE:
        if (parent) PostMessage(parent, WM_CHART_DELETE, 0, 0);
        Key = 0;
        return;
    default:
        TChartGridBase::KeyDown(Key, Shift);
    }
}
