#include "platform/controls/ScrollingWinControl.h"

#include "platform/classes/TypInfo.h"

#include <algorithm>

ORVO_IMPLEMENT_ENUM_TYPE(TScrollBarKind, "sbHorizontal", "sbVertical")
ORVO_IMPLEMENT_CLASS(TControlScrollBar, TPersistent)
ORVO_IMPLEMENT_CLASS(TScrollingWinControl, TWinControl)

ORVO_PUBLISHED(TControlScrollBar) {
    P.Property("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement).Default(8);
    P.Property("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition).Default(0);
    P.Property("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange).Default(0);
    P.Property("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible).Default(true);
}

ORVO_PUBLISHED(TScrollingWinControl) {
    P.Property("AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll)
        .Default(true);
    P.Property("HorzScrollBar", &TScrollingWinControl::HorzScrollBar,
               &TScrollingWinControl::SetHorzScrollBar);
    P.Property("VertScrollBar", &TScrollingWinControl::VertScrollBar,
               &TScrollingWinControl::SetVertScrollBar);
}

TControlScrollBar::TControlScrollBar(TScrollingWinControl* AControl, TScrollBarKind AKind)
    : FControl(AControl), FKind(AKind) {}

TPersistent* TControlScrollBar::GetOwner() const {
    return FControl;
}

void TControlScrollBar::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TControlScrollBar*>(Source)) {
        FRange = s->FRange;
        FIncrement = s->FIncrement;
        FVisible = s->FVisible;
        SetPosition(s->FPosition);
        return;
    }
    TPersistent::Assign(Source);
}

bool TControlScrollBar::IsScrollBarVisible() const {
    const TRect r = FControl->ClientRect();
    const int extent = FKind == sbHorizontal ? r.Width() : r.Height();
    return FVisible && FRange > extent;
}

void TControlScrollBar::SetRange(int Value) {
    FRange = std::max(0, Value);
    FControl->UpdateScrollBars();
}

void TControlScrollBar::SetPosition(int Value) {
    const TRect r = FControl->ClientRect();
    const int extent = FKind == sbHorizontal ? r.Width() : r.Height();
    Value = std::clamp(Value, 0, std::max(0, FRange - extent));
    if (Value == FPosition) return;
    const int old = FPosition;
    FPosition = Value;
    FControl->ScrollTo(FKind, old, Value);
}

void TControlScrollBar::SetVisible(bool Value) {
    FVisible = Value;
    FControl->UpdateScrollBars();
}

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner) : TWinControl(AOwner) {
    FHorzScrollBar = new TControlScrollBar(this, sbHorizontal);
    FVertScrollBar = new TControlScrollBar(this, sbVertical);
}

TScrollingWinControl::~TScrollingWinControl() {
    delete FHorzScrollBar;
    delete FVertScrollBar;
}

void TScrollingWinControl::SetAutoScroll(bool Value) {
    if (FAutoScroll == Value) return;
    FAutoScroll = Value;
    UpdateScrollBars();
}

void TScrollingWinControl::ScrollBy(int DeltaX, int DeltaY) {
    DisableAlign();
    for (TControl* c : FControls)
        c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
    EnableAlign();
    Invalidate();
}

void TScrollingWinControl::ScrollTo(TScrollBarKind Kind, int OldPos, int NewPos) {
    if (Kind == sbHorizontal)
        ScrollBy(OldPos - NewPos, 0);
    else
        ScrollBy(0, OldPos - NewPos);
}

void TScrollingWinControl::ScrollInView(TControl* AControl) {
    if (!AControl || !ContainsControl(AControl)) return;
    const TRect c = ClientRect();
    const TPoint p = AControl->ClientToParent(TPoint{0, 0}, this);
    if (p.X < 0)
        FHorzScrollBar->SetPosition(FHorzScrollBar->Position() + p.X);
    else if (p.X + AControl->Width() > c.Width())
        FHorzScrollBar->SetPosition(FHorzScrollBar->Position() + p.X + AControl->Width() - c.Width());
    if (p.Y < 0)
        FVertScrollBar->SetPosition(FVertScrollBar->Position() + p.Y);
    else if (p.Y + AControl->Height() > c.Height())
        FVertScrollBar->SetPosition(FVertScrollBar->Position() + p.Y + AControl->Height() - c.Height());
}

void TScrollingWinControl::AdjustClientRect(TRect& Rect) {
    TWinControl::AdjustClientRect(Rect);
    Rect.Left -= FHorzScrollBar->ScrollPos();
    Rect.Top -= FVertScrollBar->ScrollPos();
}

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect) {
    TWinControl::AlignControls(AControl, Rect);
    UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars() {
    if (FUpdatingScrollBars || !FAutoScroll) return;
    FUpdatingScrollBars = true;
    int right = 0, bottom = 0;
    for (TControl* c : FControls) {
        if (!c->Visible() || c->Align() != alNone) continue;
        right = std::max(right, c->Left() + c->Width() + FHorzScrollBar->Position());
        bottom = std::max(bottom, c->Top() + c->Height() + FVertScrollBar->Position());
    }
    FHorzScrollBar->FRange = right;
    FVertScrollBar->FRange = bottom;
    DWORD style = WindowStyle() & ~(WS_HSCROLL | WS_VSCROLL);
    if (FHorzScrollBar->IsScrollBarVisible()) style |= WS_HSCROLL;
    if (FVertScrollBar->IsScrollBarVisible()) style |= WS_VSCROLL;
    SetWindowStyle(style);
    FUpdatingScrollBars = false;
}
