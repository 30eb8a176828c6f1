// The check list box: a list box with a check box in front of each item, for lists whose
// items are switched on and off (filters, series groups).
//
// Each item carries its own check state, which moves with the item when items are
// inserted, deleted or exchanged; new items start unchecked. The user toggles an item by
// clicking its box or pressing Space on the current item: unchecked -> (grayed, with
// AllowGrayed) -> checked -> unchecked, as a check box does, and OnClickCheck fires. Setting Checked[] or
// State[] from code fires nothing.
#pragma once

#include "platform/controls/ListBox.h"

class TCheckListBox : public TListBox {
    ORVO_CLASS(TCheckListBox, TListBox)
public:
    explicit TCheckListBox(TComponent* AOwner) : TListBox(AOwner) {}

    bool Checked(int Index) const { return State(Index) == cbChecked; }
    void SetChecked(int Index, bool Value) { SetState(Index, Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State(int Index) const;
    void SetState(int Index, TCheckBoxState Value);
    // A disabled item is drawn grey and cannot be toggled by the user.
    bool ItemEnabled(int Index) const;
    void SetItemEnabled(int Index, bool Value);
    // Whether the user's toggle passes through cbGrayed.
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }

    TNotifyEvent OnClickCheck;

protected:
    virtual void ClickCheck();
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyPress(QChar& Key) override;

private:
    // Width of the check box column at the left of each row.
    static constexpr int CheckWidth = 16;
    void ToggleState(int Index);
    bool FAllowGrayed = false;
};
