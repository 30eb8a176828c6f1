// TScrollingWinControl: a windowed control whose client area can be larger than the
// window, with scroll bars that move the children.
#pragma once

#include "platform/controls/WinControl.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
ORVO_DECLARE_ENUM_TYPE(TScrollBarKind)

class TScrollingWinControl;

// One scroll bar of a scrolling control: the range (the extent of the content) and the
// position (the scrolled distance).
class TControlScrollBar : public TPersistent {
    ORVO_CLASS(TControlScrollBar, TPersistent)
public:
    TControlScrollBar(TScrollingWinControl* AControl, TScrollBarKind AKind);
    void Assign(TPersistent* Source) override;

    TScrollBarKind Kind() const { return FKind; }
    int Range() const { return FRange; }
    void SetRange(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    // Whether the bar shows: visible and the range larger than the client extent.
    bool IsScrollBarVisible() const;
    int ScrollPos() const { return IsScrollBarVisible() ? FPosition : 0; }
    TPersistent* GetOwner() const override;

private:
    friend class TScrollingWinControl;
    TScrollingWinControl* FControl;
    TScrollBarKind FKind;
    int FRange = 0;
    int FPosition = 0;
    int FIncrement = 8;
    bool FVisible = true;
};

class TScrollingWinControl : public TWinControl {
    ORVO_CLASS(TScrollingWinControl, TWinControl)
public:
    explicit TScrollingWinControl(TComponent* AOwner);
    ~TScrollingWinControl() override;

    TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar; }
    TControlScrollBar* VertScrollBar() const { return FVertScrollBar; }
    void SetHorzScrollBar(TControlScrollBar* Value) { FHorzScrollBar->Assign(Value); }
    void SetVertScrollBar(TControlScrollBar* Value) { FVertScrollBar->Assign(Value); }
    bool AutoScroll() const { return FAutoScroll; }
    void SetAutoScroll(bool Value);
    // Scrolls so that AControl is in view.
    void ScrollInView(TControl* AControl);
    // Moves every child by DeltaX, DeltaY (the scroll bars moved the other way).
    void ScrollBy(int DeltaX, int DeltaY);

protected:
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void AdjustClientRect(TRect& Rect) override;
    void UpdateScrollBars();
    friend class TControlScrollBar;

private:
    void ScrollTo(TScrollBarKind Kind, int OldPos, int NewPos);
    TControlScrollBar* FHorzScrollBar;
    TControlScrollBar* FVertScrollBar;
    bool FAutoScroll = true;
    bool FUpdatingScrollBars = false;
};
