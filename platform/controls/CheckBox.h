// TCheckBox and TRadioButton. A click toggles the check box (through grey when
// AllowGrayed) and checks the radio button, unchecking the radio buttons beside it;
// OnClick fires for every change of Checked, by the user or by code.
#pragma once

#include "platform/controls/Button.h"

class TCustomCheckBox : public TButtonControl {
    ORVO_CLASS(TCustomCheckBox, TButtonControl)
public:
    explicit TCustomCheckBox(TComponent* AOwner);

    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState Value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    void Click() override;

protected:
    // The user's click: the next state.
    virtual void Toggle();
    void Paint() override;
    bool FClicksDisabled = false;

private:
    TCheckBoxState FState = cbUnchecked;
    bool FAllowGrayed = false;
    TAlignment FAlignment = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
    ORVO_CLASS(TCheckBox, TCustomCheckBox)
public:
    explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}
};

class TRadioButton : public TButtonControl {
    ORVO_CLASS(TRadioButton, TButtonControl)
public:
    explicit TRadioButton(TComponent* AOwner);

    bool Checked() const { return FChecked; }
    // Checking unchecks the other radio buttons of the same parent; OnClick fires on the
    // change to checked.
    void SetChecked(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

protected:
    void Paint() override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyUp(Word& Key, TShiftState Shift) override;

private:
    bool FChecked = false;
    TAlignment FAlignment = taRightJustify;
};
