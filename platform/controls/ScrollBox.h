// TScrollBox: a windowed container whose children can reach beyond it; scroll bars show
// along the right and bottom edges when they do, and move the children.
#pragma once

#include "platform/controls/ScrollingWinControl.h"
#include "platform/controls/StdControlTypes.h"

class TScrollBox : public TScrollingWinControl {
    ORVO_CLASS(TScrollBox, TScrollingWinControl)
public:
    explicit TScrollBox(TComponent* AOwner);

    TBorderStyle BorderStyle() const { return FBorderStyle; }
    // bsSingle (a sunken frame) or bsNone.
    void SetBorderStyle(TBorderStyle Value);

    // The scroll bars' rectangles in client coordinates (empty when not shown).
    TRect ScrollBarRect(TScrollBarKind Kind) const;

protected:
    void PaintWindow(HDC DC) override;
    void AdjustClientRect(TRect& Rect) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    int BorderSize() const { return FBorderStyle == bsNone ? 0 : 2; }
    // Runs a scroll code (SB_...) on a bar.
    void ScrollBar(TScrollBarKind Kind, int Code, int ThumbPos = 0);
    TBorderStyle FBorderStyle = bsSingle;
    int FPressedBar = -1; // the TScrollBarKind held, -1 for none
    int FPressedCode = -1;
    int FGrab = 0;
};
