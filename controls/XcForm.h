// TXcForm: the form class of the extended controls (the worker thread's progress dialog is
// one). A form that must not take the focus (IsFocusable False) is not activated by a
// click, and ShowNoActivate shows a form without taking the focus from the active one.
#pragma once

#include "controls/XcExForms.h"

class TXcForm : public TXcExForm {
    ORVO_CLASS(TXcForm, TXcExForm)
public:
    // Reads the form resource of the class; TXcForm itself has none and reads nothing. A
    // derived class without resource raises EResNotFound "Resource %s not found".
    explicit TXcForm(TComponent* AOwner);
    // CreateNew: a form without resource.
    TXcForm(TComponent* AOwner, int Dummy);

    void AfterConstruction() override;

    bool IsFocusable() const { return FIsFocusable; }
    void SetIsFocusable(bool Value) { FIsFocusable = Value; }

    // Handles the WM_ENABLE messages still queued (a window enabled again by a modal form
    // closed just before), then shows the form modally.
    int ShowModal() override;
    // Shows the form without activating, moving or sizing it; with CallActivate the form's
    // activate handling (OnActivate) runs first.
    void ShowNoActivate(bool CallActivate);

    void Dispatch(TMessage& Message) override;

private:
    bool FIsFocusable = true;
};
