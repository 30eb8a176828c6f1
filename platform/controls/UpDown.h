// TCustomUpDown/TUpDown: a pair of arrow buttons that step Position between Min and Max
// by Increment, wrapping round with Wrap. Each step asks OnChanging first (it may refuse),
// then moves the position, writes it into the associated control's text, tells the
// parent with a thumb-position scroll notification and fires OnClick with the button.
// Setting Position by code does none of that but the associate's text.
#pragma once

#include "platform/controls/CustomControl.h"
#include "platform/controls/ScrollBar.h"

enum TUDAlignButton { udLeft, udRight };
ORVO_DECLARE_ENUM_TYPE(TUDAlignButton)
enum TUDOrientation { udHorizontal, udVertical };
ORVO_DECLARE_ENUM_TYPE(TUDOrientation)
enum TUDBtnType { btNext, btPrev };
ORVO_DECLARE_ENUM_TYPE(TUDBtnType)
using TUDClickEvent = TEvent<TObject*, TUDBtnType>;
// The type of TCloseQueryEvent, whose type information it shares.
using TUDChangingEvent = TCloseQueryEvent;
ORVO_DECLARE_EVENT_TYPE(TUDClickEvent)

class TCustomUpDown : public TCustomControl {
    ORVO_CLASS(TCustomUpDown, TCustomControl)
public:
    explicit TCustomUpDown(TComponent* AOwner);

    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    // Kept between Min and Max (which may be given the other way round).
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }
    bool Wrap() const { return FWrap; }
    void SetWrap(bool Value) { FWrap = Value; }
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation Value);
    TUDAlignButton AlignButton() const { return FAlignButton; }
    void SetAlignButton(TUDAlignButton Value);
    bool Thousands() const { return FThousands; }
    void SetThousands(bool Value);
    // The control beside which the buttons sit and whose text shows the position; its
    // text, when it holds a number, is where a step starts from.
    TWinControl* Associate() const { return FAssociate; }
    void SetAssociate(TWinControl* Value);

    // Runs one step as a click on the button does.
    void Step(TUDBtnType Button);

    // The buttons' halves in client coordinates.
    TRect ButtonRect(TUDBtnType Button) const;

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    virtual bool CanChange();
    virtual void Click(TUDBtnType Button);
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Loaded() override;

private:
    using TControl::Click;
    int Lowest() const { return FMin < FMax ? FMin : FMax; }
    int Highest() const { return FMin < FMax ? FMax : FMin; }
    String PositionText(int Value) const;
    void UpdateAssociate();
    void PlaceBesideAssociate();
    void RepeatTick(TObject* Sender);
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FIncrement = 1;
    bool FWrap = false;
    bool FThousands = true;
    TUDOrientation FOrientation = udVertical;
    TUDAlignButton FAlignButton = udRight;
    TWinControl* FAssociate = nullptr;
    int FPressed = -1; // the button held down (a TUDBtnType), -1 for none
    platform::detail::RepeatTimer FRepeat;
};

class TUpDown : public TCustomUpDown {
    ORVO_CLASS(TUpDown, TCustomUpDown)
public:
    explicit TUpDown(TComponent* AOwner) : TCustomUpDown(AOwner) {}
};
