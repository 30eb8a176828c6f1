#include "app/forms/ChipTuningChartGrid.h"

#include "platform/controls/WinControl.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Color.h"

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

TColor ReadableTextColor(TColor Back, TColor Text) {
    const TColor rgb = ColorToRGB(Back);
    const int r = int(rgb) & 0xFF, g = (int(rgb) >> 8) & 0xFF, b = (int(rgb) >> 16) & 0xFF;
    // Perceived brightness (ITU-R BT.601 weights) below the middle: the cell is dark.
    const bool dark = r * 299 + g * 587 + b * 114 < 128 * 1000;
    return dark ? clWhite : Text;
}

void TChipTuningChartGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    const bool value = !AState.Contains(gdFixed) && ACol != LabelsColumn() && ACol != ColorsColumn();
    if (!value || (!Series() && !Chart())) {
        TChartGridBase::DrawCell(ACol, ARow, ARect, AState);
        return;
    }
    // The grid painted the cell's background (its colour, or the highlight when selected).
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(AState.Contains(gdSelected) ? TColor(clHighlightText)
                                                         : ReadableTextColor(Color(), Font()->Color()));
    const String text = GetEditText(ACol, ARow);
    canvas->TextOut(ARect.Right - 2 - canvas->TextWidth(text), ARect.Top + 2, text);
}

void TChipTuningChartGrid::ScrollBarsChanged() {
    TChartGridBase::ScrollBarsChanged();
    if (OnScrollBarsChange) OnScrollBarsChange(this);
}
