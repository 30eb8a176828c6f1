#include "platform/controls/ScrollBox.h"

#include "platform/controls/Screen.h"
#include "platform/controls/ScrollBar.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TScrollBox, TScrollingWinControl)

using platform::detail::ScrollBarLayout;

namespace {
int barSize() {
    return GetSystemMetrics(SM_CXVSCROLL);
}

// The layout of one bar of the box: its range is the content's extent, its page the
// visible part.
ScrollBarLayout layoutOf(const TScrollBox* box, TScrollBarKind kind) {
    const TControlScrollBar* bar = kind == sbHorizontal ? box->HorzScrollBar() : box->VertScrollBar();
    const TRect c = box->ClientRect();
    const int page = kind == sbHorizontal ? c.Width() : c.Height();
    return platform::detail::LayoutScrollBar(box->ScrollBarRect(kind), kind == sbHorizontal, 0,
                                             std::max(0, bar->Range() - 1), page, bar->Position());
}
} // namespace

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    FControlStyle =
        FControlStyle + TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TBorderStyle Value) {
    FBorderStyle = Value == bsNone ? bsNone : bsSingle;
    Realign();
    Invalidate();
}

TRect TScrollBox::ScrollBarRect(TScrollBarKind Kind) const {
    const TRect c = ClientRect();
    const int b = BorderSize(), s = barSize();
    const bool horz = HorzScrollBar()->IsScrollBarVisible();
    const bool vert = VertScrollBar()->IsScrollBarVisible();
    if (Kind == sbVertical)
        return vert ? Rect(c.Right - b - s, c.Top + b, c.Right - b, c.Bottom - b - (horz ? s : 0))
                    : Rect(0, 0, 0, 0);
    return horz ? Rect(c.Left + b, c.Bottom - b - s, c.Right - b - (vert ? s : 0), c.Bottom - b)
                : Rect(0, 0, 0, 0);
}

void TScrollBox::AdjustClientRect(TRect& Rect) {
    TScrollingWinControl::AdjustClientRect(Rect);
    // Aligned children stay inside the frame and clear of the bars.
    const int b = BorderSize();
    Rect = ::Rect(Rect.Left + b, Rect.Top + b, Rect.Right - b, Rect.Bottom - b);
    if (VertScrollBar()->IsScrollBarVisible()) Rect.Right -= barSize();
    if (HorzScrollBar()->IsScrollBarVisible()) Rect.Bottom -= barSize();
}

void TScrollBox::PaintWindow(HDC DC) {
    TCanvas c;
    c.SetHandle(DC);
    TRect r = ClientRect();
    if (FBorderStyle == bsSingle) {
        Frame3D(&c, r, clBtnShadow, clBtnHighlight, 1);
        Frame3D(&c, r, cl3DDkShadow, clBtnFace, 1);
    }
    for (TScrollBarKind kind : {sbHorizontal, sbVertical}) {
        const ScrollBarLayout l = layoutOf(this, kind);
        if (l.Bar.IsEmpty()) continue;
        platform::detail::PaintScrollBar(&c, l, Enabled(), FPressedBar == int(kind) ? FPressedCode : -1);
    }
    const TRect v = ScrollBarRect(sbVertical), h = ScrollBarRect(sbHorizontal);
    if (!v.IsEmpty() && !h.IsEmpty()) {
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(clBtnFace);
        c.FillRect(Rect(v.Left, h.Top, v.Right, h.Bottom));
    }
    c.SetHandle(nullptr);
}

void TScrollBox::ScrollBar(TScrollBarKind Kind, int Code, int ThumbPos) {
    TControlScrollBar* bar = Kind == sbHorizontal ? HorzScrollBar() : VertScrollBar();
    const TRect c = ClientRect();
    const int page = std::max(1, (Kind == sbHorizontal ? c.Width() : c.Height()) - barSize());
    switch (Code) {
    case SB_LINEUP:
        bar->SetPosition(bar->Position() - bar->Increment());
        break;
    case SB_LINEDOWN:
        bar->SetPosition(bar->Position() + bar->Increment());
        break;
    case SB_PAGEUP:
        bar->SetPosition(bar->Position() - page);
        break;
    case SB_PAGEDOWN:
        bar->SetPosition(bar->Position() + page);
        break;
    case SB_THUMBTRACK:
        bar->SetPosition(ThumbPos);
        break;
    default:
        break;
    }
    Invalidate();
}

void TScrollBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Enabled())
        for (TScrollBarKind kind : {sbHorizontal, sbVertical}) {
            const ScrollBarLayout l = layoutOf(this, kind);
            const int code = l.HitTest(TPoint{X, Y});
            if (code < 0) continue;
            FPressedBar = int(kind);
            FPressedCode = code;
            if (code == SB_THUMBTRACK)
                FGrab = (kind == sbHorizontal ? X : Y) - l.Start(l.Thumb);
            else
                ScrollBar(kind, code);
            Invalidate();
            return;
        }
    TScrollingWinControl::MouseDown(Button, Shift, X, Y);
}

void TScrollBox::MouseMove(TShiftState Shift, int X, int Y) {
    if (FPressedBar >= 0 && FPressedCode == SB_THUMBTRACK) {
        const auto kind = TScrollBarKind(FPressedBar);
        const ScrollBarLayout l = layoutOf(this, kind);
        ScrollBar(kind, SB_THUMBTRACK,
                  l.PositionAt((kind == sbHorizontal ? X : Y) - FGrab - l.Start(l.Track)));
        return;
    }
    TScrollingWinControl::MouseMove(Shift, X, Y);
}

void TScrollBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && FPressedBar >= 0) {
        FPressedBar = -1;
        FPressedCode = -1;
        Invalidate();
        return;
    }
    TScrollingWinControl::MouseUp(Button, Shift, X, Y);
}

ORVO_PUBLISHED(TScrollBox) {
    PublishWinControlBasics(P);
    P.Property("BorderStyle", &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle).Default(bsSingle);
    P.Property("Color", &TScrollBox::Color, &TScrollBox::SetColor).Type(TypeInfoTColor());
}
