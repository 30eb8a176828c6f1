// TScrollBar: a stand-alone scroll bar with a range, a position and the steps of its
// arrows and track. A user action first goes to OnScroll with its scroll code and the
// position it leads to (which the handler may change), then moves the position;
// OnChange fires on every change of the position, by the user or by code.
#pragma once

#include "platform/controls/CustomControl.h"
#include "platform/controls/ScrollingWinControl.h"

// The codes of scroll notifications (WM_HSCROLL, WM_VSCROLL).
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINELEFT = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_LINERIGHT = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGELEFT = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_PAGERIGHT = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_LEFT = 6;
inline constexpr int SB_BOTTOM = 7;
inline constexpr int SB_RIGHT = 7;
inline constexpr int SB_ENDSCROLL = 8;

enum TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};
ORVO_DECLARE_ENUM_TYPE(TScrollCode)
using TScrollEvent = TEvent<TObject*, TScrollCode, int&>;
ORVO_DECLARE_EVENT_TYPE(TScrollEvent)

class TTimer;

namespace platform::detail {

// The parts of a painted scroll bar in R: two arrow buttons at the ends, the track
// between them and the thumb on the track.
struct ScrollBarLayout {
    bool Horizontal = true;
    TRect Bar, First, Last, Track, Thumb;
    int Min = 0;
    int MaxPos = 0; // the largest position (Max less the page)
    // The scroll code of a point (SB_LINEUP ... SB_PAGEDOWN), SB_THUMBTRACK on the thumb
    // and -1 outside the bar.
    int HitTest(const TPoint& P) const;
    // The position the thumb shows when its leading edge is at Offset pixels into the track.
    int PositionAt(int Offset) const;
    int Start(const TRect& R) const { return Horizontal ? R.Left : R.Top; }
};
ScrollBarLayout LayoutScrollBar(const TRect& R, bool Horizontal, int Min, int Max, int PageSize,
                                int Position);
// Paints the bar; Pressed is the code of the part held down (-1: none).
void PaintScrollBar(TCanvas* Canvas, const ScrollBarLayout& L, bool Enabled, int Pressed);
// Draws a small filled arrow in R pointing left, up, right or down (0..3).
void DrawArrow(TCanvas* Canvas, const TRect& R, int Direction, bool Enabled);

// Repeats a held scroll-bar or up-down button: first after 400 ms, then every 100 ms.
class RepeatTimer {
public:
    RepeatTimer() = default;
    ~RepeatTimer();
    RepeatTimer(const RepeatTimer&) = delete;
    RepeatTimer& operator=(const RepeatTimer&) = delete;
    void Start(TNotifyEvent Tick);
    void Stop();

private:
    TTimer* timer_ = nullptr;
    TNotifyEvent tick_;
};

// The messages that scroll bars and up-down buttons answer alike: they want the arrow keys,
// and a disabled control lets go of its held button (Pressed becomes -1) and stops its
// Repeat. True when Message is answered and goes no further.
bool DispatchHeldButton(TMessage& Message, int& Pressed, RepeatTimer& Repeat);

} // namespace platform::detail

class TScrollBar : public TCustomControl {
    ORVO_CLASS(TScrollBar, TCustomControl)
public:
    explicit TScrollBar(TComponent* AOwner);

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind Value);
    int Min() const { return FMin; }
    void SetMin(int Value) { SetParams(FPosition, Value, FMax); }
    int Max() const { return FMax; }
    void SetMax(int Value) { SetParams(FPosition, FMin, Value); }
    int Position() const { return FPosition; }
    void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
    int PageSize() const { return FPageSize; }
    // Raises EInvalidOperation when the page is larger than the range.
    void SetPageSize(int Value);
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value) { FSmallChange = Value; }
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int Value) { FLargeChange = Value; }
    // Sets the range and the position at once; the position is kept within Min and
    // Max less the page. Raises EInvalidOperation when Max is below Min (not while the
    // control is read from its resource: Loaded checks then).
    void SetParams(int APosition, int AMin, int AMax);

    // Runs a scroll action as the user's input does: OnScroll, then the new position.
    void DoScroll(TScrollCode ScrollCode, int ThumbPos = 0);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    virtual void Change();
    virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;
    void Loaded() override;

private:
    platform::detail::ScrollBarLayout Layout() const;
    void RepeatTick(TObject* Sender);
    int MaxPosition() const;
    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FPageSize = 0;
    int FSmallChange = 1;
    int FLargeChange = 1;
    // The part held down (an SB_ code) and, while the thumb is dragged, the distance of
    // the mouse from the thumb's leading edge.
    int FPressed = -1;
    int FGrab = 0;
    TPoint FMousePos;
    platform::detail::RepeatTimer FRepeat;
};
