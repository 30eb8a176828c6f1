#include "platform/controls/TrackBar.h"

#include "platform/controls/StdControlTypes.h"
#include "platform/graphics/Canvas.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TTrackBar, TCustomControl)
ORVO_IMPLEMENT_ENUM_TYPE(TTrackBarOrientation, "trHorizontal", "trVertical")
ORVO_IMPLEMENT_ENUM_TYPE(TTickMark, "tmBottomRight", "tmTopLeft", "tmBoth")
ORVO_IMPLEMENT_ENUM_TYPE(TTickStyle, "tsNone", "tsAuto", "tsManual")

namespace {
// The thumb is ThumbLength along the channel and ThumbWidth across it; the channel ends
// half a thumb in from the control's edges so the thumb stays inside at both ends.
constexpr int ThumbLength = 11;
constexpr int ThumbWidth = 20;
constexpr int Margin = 8;
} // namespace

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = FControlStyle - TControlStyle{csDoubleClicks, csSetCaption, csClickEvents};
    SetBounds(0, 0, 150, 45);
    SetTabStop(true);
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
    if (FOrientation == Value) return;
    FOrientation = Value;
    if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TTrackBar::SetMin(int Value) {
    FMin = Value;
    if (ComponentState().Contains(csLoading)) return;
    if (FMax < FMin) FMax = FMin;
    SetPosition(FPosition);
    Invalidate();
}

void TTrackBar::SetMax(int Value) {
    FMax = Value;
    if (ComponentState().Contains(csLoading)) return;
    if (FMin > FMax) FMin = FMax;
    SetPosition(FPosition);
    Invalidate();
}

void TTrackBar::SetPosition(int Value) {
    if (!ComponentState().Contains(csLoading)) Value = std::clamp(Value, FMin, FMax);
    if (Value == FPosition) return;
    FPosition = Value;
    Invalidate();
    if (!ComponentState().Contains(csLoading)) Changed();
}

void TTrackBar::Loaded() {
    TCustomControl::Loaded();
    if (FMax < FMin) FMax = FMin;
    FPosition = std::clamp(FPosition, FMin, FMax);
}

void TTrackBar::SetFrequency(int Value) {
    FFrequency = Value;
    Invalidate();
}
void TTrackBar::SetTickMarks(TTickMark Value) {
    FTickMarks = Value;
    Invalidate();
}
void TTrackBar::SetTickStyle(TTickStyle Value) {
    FTickStyle = Value;
    Invalidate();
}

void TTrackBar::Changed() {
    if (OnChange) OnChange(this);
}

TRect TTrackBar::ChannelRect() const {
    const TRect c = ClientRect();
    const bool horz = FOrientation == trHorizontal;
    const int across = horz ? c.Height() : c.Width();
    // Ticks on one side push the channel to the other; on both sides it stays centred.
    int mid = across / 2;
    if (FTickStyle != tsNone && FTickMarks == tmBottomRight) mid = std::min(mid, Margin + ThumbWidth / 2);
    if (FTickStyle != tsNone && FTickMarks == tmTopLeft)
        mid = std::max(mid, across - Margin - ThumbWidth / 2);
    if (horz) return Rect(c.Left + Margin, mid - 2, c.Right - Margin, mid + 2);
    return Rect(mid - 2, c.Top + Margin, mid + 2, c.Bottom - Margin);
}

int TTrackBar::PixelOf(int Pos) const {
    const TRect ch = ChannelRect();
    const bool horz = FOrientation == trHorizontal;
    const int start = (horz ? ch.Left : ch.Top) + ThumbLength / 2;
    const int length = std::max(0, (horz ? ch.Width() : ch.Height()) - ThumbLength);
    if (FMax <= FMin) return start;
    return start + int(Int64(std::clamp(Pos, FMin, FMax) - FMin) * length / (FMax - FMin));
}

int TTrackBar::PositionAt(int Pixel) const {
    const TRect ch = ChannelRect();
    const bool horz = FOrientation == trHorizontal;
    const int start = (horz ? ch.Left : ch.Top) + ThumbLength / 2;
    const int length = std::max(0, (horz ? ch.Width() : ch.Height()) - ThumbLength);
    if (length == 0 || FMax <= FMin) return FMin;
    const Int64 off = std::clamp(Pixel - start, 0, length);
    return FMin + int((off * (FMax - FMin) * 2 + length) / (2 * Int64(length)));
}

TRect TTrackBar::ThumbRect() const {
    const TRect ch = ChannelRect();
    const int at = PixelOf(FPosition);
    if (FOrientation == trHorizontal) {
        const int mid = (ch.Top + ch.Bottom) / 2;
        return Rect(at - ThumbLength / 2, mid - ThumbWidth / 2, at - ThumbLength / 2 + ThumbLength,
                    mid + ThumbWidth / 2);
    }
    const int mid = (ch.Left + ch.Right) / 2;
    return Rect(mid - ThumbWidth / 2, at - ThumbLength / 2, mid + ThumbWidth / 2,
                at - ThumbLength / 2 + ThumbLength);
}

std::vector<int> TTrackBar::TickPositions() const {
    std::vector<int> ticks;
    if (FTickStyle == tsNone) return ticks;
    ticks.push_back(FMin);
    if (FTickStyle == tsAuto && FFrequency > 0)
        for (Int64 p = Int64(FMin) + FFrequency; p < FMax; p += FFrequency)
            ticks.push_back(int(p));
    if (FMax != FMin) ticks.push_back(FMax);
    return ticks;
}

void TTrackBar::Paint() {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(client);
    TRect ch = ChannelRect();
    Frame3D(c, ch, clBtnShadow, clBtnHighlight, 1);
    c->Brush()->SetColor(clWindow);
    c->FillRect(ch);
    const bool horz = FOrientation == trHorizontal;
    const TRect thumb = ThumbRect();
    c->Pen()->SetColor(clWindowText);
    c->Pen()->SetWidth(1);
    for (int p : TickPositions()) {
        const int at = PixelOf(p);
        const int len = p == FMin || p == FMax ? 4 : 3;
        if (FTickMarks != tmTopLeft) {
            const int from = (horz ? thumb.Bottom : thumb.Right) + 2;
            if (horz) {
                c->MoveTo(at, from);
                c->LineTo(at, from + len);
            } else {
                c->MoveTo(from, at);
                c->LineTo(from + len, at);
            }
        }
        if (FTickMarks != tmBottomRight) {
            const int from = (horz ? thumb.Top : thumb.Left) - 3;
            if (horz) {
                c->MoveTo(at, from);
                c->LineTo(at, from - len);
            } else {
                c->MoveTo(from, at);
                c->LineTo(from - len, at);
            }
        }
    }
    TRect t = thumb;
    c->Brush()->SetColor(Enabled() ? clBtnFace : clBtnShadow);
    c->FillRect(t);
    Frame3D(c, t, clBtnHighlight, cl3DDkShadow, 1);
    if (Focused()) c->DrawFocusRect(client);
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (CanFocus() && TabStop()) SetFocus();
    const bool horz = FOrientation == trHorizontal;
    const TRect thumb = ThumbRect();
    const int at = horz ? X : Y;
    if (thumb.Contains(TPoint{X, Y})) {
        FDragging = true;
        FGrab = at - PixelOf(FPosition);
        return;
    }
    // A click on either side of the thumb moves it a page that way.
    SetPosition(at < PixelOf(FPosition) ? FPosition - FPageSize : FPosition + FPageSize);
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (FDragging) SetPosition(PositionAt((FOrientation == trHorizontal ? X : Y) - FGrab));
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft) FDragging = false;
}

void TTrackBar::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT:
    case VK_UP:
        SetPosition(FPosition - FLineSize);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        SetPosition(FPosition + FLineSize);
        break;
    case VK_PRIOR:
        SetPosition(FPosition - FPageSize);
        break;
    case VK_NEXT:
        SetPosition(FPosition + FPageSize);
        break;
    case VK_HOME:
        SetPosition(FMin);
        break;
    case VK_END:
        SetPosition(FMax);
        break;
    default:
        return;
    }
    Key = 0;
}

void TTrackBar::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    TCustomControl::Dispatch(Message);
}

ORVO_PUBLISHED(TTrackBar) {
    PublishWinControlBasics(P);
    P.Property("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency).Default(1);
    P.Property("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize).Default(1);
    P.Property("Max", &TTrackBar::Max, &TTrackBar::SetMax).Default(10);
    P.Property("Min", &TTrackBar::Min, &TTrackBar::SetMin).Default(0);
    P.Property("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation).Default(trHorizontal);
    P.Property("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize).Default(2);
    P.Property("Position", &TTrackBar::Position, &TTrackBar::SetPosition).Default(0);
    P.Property("TabStop", &TTrackBar::TabStop, &TTrackBar::SetTabStop).Default(true);
    P.Property("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks).Default(tmBottomRight);
    P.Property("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle).Default(tsAuto);
    P.Property("OnChange", &TTrackBar::OnChange);
}
