// TTrackBar: a slider between Min and Max. The arrow keys move it by LineSize, Page Up and
// Page Down and clicks on the channel by PageSize, Home and End to the ends; the thumb
// can be dragged. OnChange fires on every change of Position, by the user or by code.
#pragma once

#include "platform/controls/CustomControl.h"

#include <vector>

enum TTrackBarOrientation { trHorizontal, trVertical };
ORVO_DECLARE_ENUM_TYPE(TTrackBarOrientation)
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
ORVO_DECLARE_ENUM_TYPE(TTickMark)
enum TTickStyle { tsNone, tsAuto, tsManual };
ORVO_DECLARE_ENUM_TYPE(TTickStyle)

class TTrackBar : public TCustomControl {
    ORVO_CLASS(TTrackBar, TCustomControl)
public:
    explicit TTrackBar(TComponent* AOwner);

    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation Value);
    // Min above Max pulls Max along (and the other way), so the range is never empty.
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    // Kept within Min..Max.
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int Value) { FLineSize = Value; }
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value) { FPageSize = Value; }
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark Value);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle Value);

    // The channel the thumb slides on and the thumb, in client coordinates.
    TRect ChannelRect() const;
    TRect ThumbRect() const;
    // The positions that carry a tick mark (every Frequency from Min, and Max; with
    // tsManual only the ends; none with tsNone).
    std::vector<int> TickPositions() const;

    TNotifyEvent OnChange;

protected:
    virtual void Changed();
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;
    void Loaded() override;

private:
    // The pixel on the channel's axis of a position, and the position nearest a pixel.
    int PixelOf(int Pos) const;
    int PositionAt(int Pixel) const;
    TTrackBarOrientation FOrientation = trHorizontal;
    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    int FLineSize = 1;
    int FPageSize = 2;
    TTickMark FTickMarks = tmBottomRight;
    TTickStyle FTickStyle = tsAuto;
    bool FDragging = false;
    int FGrab = 0;
};
