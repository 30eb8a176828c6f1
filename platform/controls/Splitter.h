// TSplitter: a window-less bar between aligned controls. Dragging it resizes the control
// aligned the same way on its near side (the one it touches): live with rsUpdate, on
// release with the other styles. The new size is kept within MinSize and the room the
// other aligned controls leave; OnCanResize may change or refuse it, and with AutoSnap a
// size down at MinSize snaps the control closed. OnMoved follows every applied change.
#pragma once

#include "platform/controls/GraphicControl.h"

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };
ORVO_DECLARE_ENUM_TYPE(TResizeStyle)

using TCanResizeEvent = TEvent<TObject*, int&, bool&>;
ORVO_DECLARE_EVENT_TYPE(TCanResizeEvent)

class TSplitter : public TGraphicControl {
    ORVO_CLASS(TSplitter, TGraphicControl)
public:
    explicit TSplitter(TComponent* AOwner);

    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = std::max(1, Value); }
    bool AutoSnap() const { return FAutoSnap; }
    void SetAutoSnap(bool Value) { FAutoSnap = Value; }
    bool Beveled() const { return FBeveled; }
    void SetBeveled(bool Value);
    TResizeStyle ResizeStyle() const { return FResizeStyle; }
    void SetResizeStyle(TResizeStyle Value) { FResizeStyle = Value; }

    TCanResizeEvent OnCanResize;
    TNotifyEvent OnMoved;

protected:
    virtual bool CanResize(int& NewSize);
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    // The control the splitter resizes: aligned as it is and touching its near edge.
    TControl* FindControl() const;
    bool Horizontal() const { return Align() == alTop || Align() == alBottom; }
    int SizeOf(TControl* C) const;
    void ApplySize();

    int FMinSize = 30;
    bool FAutoSnap = true;
    bool FBeveled = false;
    TResizeStyle FResizeStyle = rsPattern;
    TControl* FControl = nullptr;
    TPoint FDownPos;
    int FMaxSize = 0;
    int FNewSize = 0;
    int FOldSize = 0;
};
