#include "platform/controls/ScrollBar.h"

#include "platform/controls/Screen.h"
#include "platform/controls/StdControlTypes.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TScrollBar, TCustomControl)
ORVO_IMPLEMENT_ENUM_TYPE(TScrollCode, "scLineUp", "scLineDown", "scPageUp", "scPageDown", "scPosition",
                         "scTrack", "scTop", "scBottom", "scEndScroll")
ORVO_IMPLEMENT_EVENT_TYPE(TScrollEvent)

namespace platform::detail {

namespace {
constexpr int MinThumb = 8;
}

ScrollBarLayout LayoutScrollBar(const TRect& R, bool Horizontal, int Min, int Max, int PageSize,
                                int Position) {
    ScrollBarLayout l;
    l.Horizontal = Horizontal;
    l.Bar = R;
    l.Min = Min;
    l.MaxPos = std::max(Min, PageSize > 0 ? Max - PageSize + 1 : Max);
    const int length = Horizontal ? R.Width() : R.Height();
    const int thick = Horizontal ? R.Height() : R.Width();
    // Arrows are square unless the bar is too short for two of them.
    const int arrow = std::max(0, std::min(thick, length / 2));
    if (Horizontal) {
        l.First = Rect(R.Left, R.Top, R.Left + arrow, R.Bottom);
        l.Last = Rect(R.Right - arrow, R.Top, R.Right, R.Bottom);
        l.Track = Rect(l.First.Right, R.Top, l.Last.Left, R.Bottom);
    } else {
        l.First = Rect(R.Left, R.Top, R.Right, R.Top + arrow);
        l.Last = Rect(R.Left, R.Bottom - arrow, R.Right, R.Bottom);
        l.Track = Rect(R.Left, l.First.Bottom, R.Right, l.Last.Top);
    }
    const int track = Horizontal ? l.Track.Width() : l.Track.Height();
    const int span = Max - Min + 1;
    int thumb = PageSize > 0 && span > 0 ? int(Int64(track) * PageSize / span) : thick;
    thumb = std::clamp(thumb, std::min(MinThumb, track), track);
    if (track < MinThumb || Max <= Min) {
        l.Thumb = Rect(0, 0, 0, 0); // no room, or nothing to scroll
        return l;
    }
    const int room = track - thumb;
    const int range = l.MaxPos - Min;
    const int offset = range > 0 ? int(Int64(std::clamp(Position, Min, l.MaxPos) - Min) * room / range) : 0;
    if (Horizontal)
        l.Thumb = Rect(l.Track.Left + offset, R.Top, l.Track.Left + offset + thumb, R.Bottom);
    else
        l.Thumb = Rect(R.Left, l.Track.Top + offset, R.Right, l.Track.Top + offset + thumb);
    return l;
}

int ScrollBarLayout::HitTest(const TPoint& P) const {
    if (!Bar.Contains(P)) return -1;
    if (First.Contains(P)) return SB_LINEUP;
    if (Last.Contains(P)) return SB_LINEDOWN;
    if (!Thumb.IsEmpty() && Thumb.Contains(P)) return SB_THUMBTRACK;
    if (Thumb.IsEmpty()) return -1;
    const int at = Horizontal ? P.X : P.Y;
    return at < Start(Thumb) ? SB_PAGEUP : SB_PAGEDOWN;
}

int ScrollBarLayout::PositionAt(int Offset) const {
    const int track = Horizontal ? Track.Width() : Track.Height();
    const int thumb = Horizontal ? Thumb.Width() : Thumb.Height();
    const int room = track - thumb;
    if (room <= 0) return Min;
    const int range = MaxPos - Min;
    // Rounded to the nearest position, so that the thumb lands where it was dropped.
    const Int64 v = (Int64(std::clamp(Offset, 0, room)) * range * 2 + room) / (2 * Int64(room));
    return Min + int(v);
}

void DrawArrow(TCanvas* Canvas, const TRect& R, int Direction, bool Enabled) {
    const int size = std::max(2, std::min(R.Width(), R.Height()) / 4);
    const int cx = R.Left + R.Width() / 2, cy = R.Top + R.Height() / 2;
    std::vector<TPoint> pts;
    switch (Direction) {
    case 0: // left
        pts = {TPoint{cx - size / 2 - 1, cy}, TPoint{cx + size / 2, cy - size},
               TPoint{cx + size / 2, cy + size}};
        break;
    case 1: // up
        pts = {TPoint{cx, cy - size / 2 - 1}, TPoint{cx - size, cy + size / 2},
               TPoint{cx + size, cy + size / 2}};
        break;
    case 2: // right
        pts = {TPoint{cx + size / 2 + 1, cy}, TPoint{cx - size / 2, cy - size},
               TPoint{cx - size / 2, cy + size}};
        break;
    default: // down
        pts = {TPoint{cx, cy + size / 2 + 1}, TPoint{cx - size, cy - size / 2},
               TPoint{cx + size, cy - size / 2}};
        break;
    }
    const TColor color = Enabled ? clBtnText : clGrayText;
    Canvas->Pen()->SetColor(color);
    Canvas->Pen()->SetWidth(1);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(color);
    Canvas->Polygon(pts);
}

namespace {
void paintButton(TCanvas* c, TRect r, bool pressed) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(r);
    if (r.IsEmpty()) return;
    if (pressed) {
        Frame3D(c, r, clBtnShadow, clBtnShadow, 1);
    } else {
        Frame3D(c, r, clBtnFace, cl3DDkShadow, 1);
        Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
    }
}
} // namespace

void PaintScrollBar(TCanvas* Canvas, const ScrollBarLayout& L, bool Enabled, int Pressed) {
    TCanvas* c = Canvas;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clScrollBar);
    c->FillRect(L.Track);
    if (Pressed == SB_PAGEUP || Pressed == SB_PAGEDOWN) {
        // The part of the track being paged through shows dark.
        TRect t = L.Track;
        if (L.Horizontal)
            (Pressed == SB_PAGEUP ? t.Right : t.Left) = Pressed == SB_PAGEUP ? L.Thumb.Left : L.Thumb.Right;
        else
            (Pressed == SB_PAGEUP ? t.Bottom : t.Top) = Pressed == SB_PAGEUP ? L.Thumb.Top : L.Thumb.Bottom;
        c->Brush()->SetColor(cl3DDkShadow);
        c->FillRect(t);
    }
    paintButton(c, L.First, Pressed == SB_LINEUP);
    paintButton(c, L.Last, Pressed == SB_LINEDOWN);
    const bool active = Enabled && !L.Thumb.IsEmpty();
    DrawArrow(c, L.First, L.Horizontal ? 0 : 1, active);
    DrawArrow(c, L.Last, L.Horizontal ? 2 : 3, active);
    if (!L.Thumb.IsEmpty() && Enabled) paintButton(c, L.Thumb, false);
}

RepeatTimer::~RepeatTimer() {
    delete timer_;
}

void RepeatTimer::Start(TNotifyEvent Tick) {
    tick_ = Tick;
    if (!timer_) timer_ = new TTimer(nullptr);
    timer_->SetEnabled(false);
    timer_->SetInterval(400);
    timer_->SetOnTimer(TNotifyEvent([this](TObject* Sender) {
        if (timer_->Interval() != 100) timer_->SetInterval(100);
        if (tick_) tick_(Sender);
    }));
    timer_->SetEnabled(true);
}

void RepeatTimer::Stop() {
    if (timer_) timer_->SetEnabled(false);
}

bool DispatchHeldButton(TMessage& Message, int& Pressed, RepeatTimer& Repeat) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return true;
    case CM_ENABLEDCHANGED:
        Pressed = -1;
        Repeat.Stop();
        return false;
    default:
        return false;
    }
}

} // namespace platform::detail

using platform::detail::ScrollBarLayout;

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = FControlStyle - TControlStyle{csDoubleClicks, csSetCaption, csClickEvents};
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
    SetTabStop(true);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
    if (FKind == Value) return;
    FKind = Value;
    // Turning the bar turns its bounds too (not while loading: they come from the
    // resource as they are).
    if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

int TScrollBar::MaxPosition() const {
    return std::max(FMin, FPageSize > 0 ? FMax - FPageSize + 1 : FMax);
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
    const bool loading = ComponentState().Contains(csLoading);
    if (AMax < AMin && !loading) throw EInvalidOperation(QStringLiteral("Scrollbar property out of range"));
    const bool changed = FMin != AMin || FMax != AMax;
    FMin = AMin;
    FMax = AMax;
    if (!loading && FPageSize > FMax - FMin + 1) FPageSize = FMax - FMin + 1;
    if (!loading) APosition = std::clamp(APosition, FMin, MaxPosition());
    if (changed) Invalidate();
    if (APosition != FPosition) {
        FPosition = APosition;
        Invalidate();
        if (!loading) Change();
    }
}

void TScrollBar::SetPageSize(int Value) {
    if (Value == FPageSize) return;
    const bool loading = ComponentState().Contains(csLoading);
    if (!loading && (Value < 0 || Value > FMax - FMin + 1))
        throw EInvalidOperation(QStringLiteral("Scrollbar property out of range"));
    FPageSize = Value;
    if (!loading) SetPosition(FPosition);
    Invalidate();
}

void TScrollBar::Loaded() {
    TCustomControl::Loaded();
    // The resource may have given the range in any order: put it right now.
    if (FMax < FMin) FMax = FMin;
    FPageSize = std::clamp(FPageSize, 0, FMax - FMin + 1);
    FPosition = std::clamp(FPosition, FMin, MaxPosition());
}

void TScrollBar::Change() {
    if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos) {
    if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
}

void TScrollBar::DoScroll(TScrollCode ScrollCode, int ThumbPos) {
    int pos = FPosition;
    switch (ScrollCode) {
    case scLineUp:
        pos -= FSmallChange;
        break;
    case scLineDown:
        pos += FSmallChange;
        break;
    case scPageUp:
        pos -= FLargeChange;
        break;
    case scPageDown:
        pos += FLargeChange;
        break;
    case scPosition:
    case scTrack:
        pos = ThumbPos;
        break;
    case scTop:
        pos = FMin;
        break;
    case scBottom:
        pos = FMax;
        break;
    case scEndScroll:
        break;
    }
    // The handler sees where the action leads within the range, and may move it.
    pos = std::clamp(pos, FMin, MaxPosition());
    Scroll(ScrollCode, pos);
    SetPosition(pos);
}

ScrollBarLayout TScrollBar::Layout() const {
    return platform::detail::LayoutScrollBar(ClientRect(), FKind == sbHorizontal, FMin, FMax, FPageSize,
                                             FPosition);
}

void TScrollBar::Paint() {
    platform::detail::PaintScrollBar(Canvas(), Layout(), Enabled(), FPressed);
    if (Focused() && TabStop()) {
        const ScrollBarLayout l = Layout();
        if (!l.Thumb.IsEmpty()) {
            TRect r = l.Thumb;
            r = Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
            Canvas()->DrawFocusRect(r);
        }
    }
}

void TScrollBar::RepeatTick(TObject*) {
    if (FPressed < 0 || FPressed == SB_THUMBTRACK) return;
    // The track repeats only while the mouse stays on the same side of the thumb.
    const ScrollBarLayout l = Layout();
    if (l.HitTest(FMousePos) != FPressed) return;
    DoScroll(TScrollCode(FPressed));
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (CanFocus() && TabStop()) SetFocus();
    const ScrollBarLayout l = Layout();
    const int code = l.HitTest(TPoint{X, Y});
    if (code < 0) return;
    FPressed = code;
    FMousePos = TPoint{X, Y};
    if (code == SB_THUMBTRACK) {
        FGrab = (FKind == sbHorizontal ? X : Y) - l.Start(l.Thumb);
    } else {
        DoScroll(TScrollCode(code));
        FRepeat.Start(TNotifyEvent(this, &TScrollBar::RepeatTick));
    }
    Invalidate();
}

void TScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    FMousePos = TPoint{X, Y};
    if (FPressed != SB_THUMBTRACK) return;
    const ScrollBarLayout l = Layout();
    const int pos = l.PositionAt((FKind == sbHorizontal ? X : Y) - FGrab - l.Start(l.Track));
    if (pos != FPosition) DoScroll(scTrack, pos);
}

void TScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || FPressed < 0) return;
    const int pressed = FPressed;
    FPressed = -1;
    FRepeat.Stop();
    if (pressed == SB_THUMBTRACK) DoScroll(scPosition, FPosition);
    DoScroll(scEndScroll);
    Invalidate();
}

void TScrollBar::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    int code = -1;
    switch (Key) {
    case VK_LEFT:
    case VK_UP:
        code = scLineUp;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        code = scLineDown;
        break;
    case VK_PRIOR:
        code = scPageUp;
        break;
    case VK_NEXT:
        code = scPageDown;
        break;
    case VK_HOME:
        code = scTop;
        break;
    case VK_END:
        code = scBottom;
        break;
    default:
        return;
    }
    DoScroll(TScrollCode(code));
    DoScroll(scEndScroll);
    Key = 0;
}

void TScrollBar::Dispatch(TMessage& Message) {
    if (platform::detail::DispatchHeldButton(Message, FPressed, FRepeat)) return;
    TCustomControl::Dispatch(Message);
}

ORVO_PUBLISHED(TScrollBar) {
    PublishWinControlBasics(P);
    P.Property("Kind", &TScrollBar::Kind, &TScrollBar::SetKind).Default(sbHorizontal);
    P.Property("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(1);
    P.Property("Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(100);
    P.Property("Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(0);
    P.Property("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize).Default(0);
    P.Property("Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(0);
    P.Property("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(1);
    P.Property("TabStop", &TScrollBar::TabStop, &TScrollBar::SetTabStop).Default(true);
    P.Property("OnChange", &TScrollBar::OnChange);
    P.Property("OnScroll", &TScrollBar::OnScroll);
}
