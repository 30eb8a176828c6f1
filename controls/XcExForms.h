// The extended-control layer over the form: the layer's handlers and events, and the
// keyboard cues of the form (focus rectangles and accelerator underlines) shown once the
// keyboard is used.
#pragma once

#include "controls/XcExControls.h"
#include "platform/controls/CustomForm.h"

// WM_CHANGEUISTATE: what to do with the flags, and the flags.
inline constexpr WPARAM UIS_SET = 1;
inline constexpr WPARAM UIS_CLEAR = 2;
inline constexpr WPARAM UIS_INITIALIZE = 3;
inline constexpr WPARAM UISF_HIDEFOCUS = 0x1;
inline constexpr WPARAM UISF_HIDEACCEL = 0x2;

class TXcExForm : public TXcExLayer<TForm> {
    ORVO_CLASS(TXcExForm, TForm)
public:
    // Reads the form resource of the class (see TCustomForm).
    explicit TXcExForm(TComponent* AOwner) : TXcExLayer<TForm>(AOwner) {}
    // CreateNew: a form without resource.
    TXcExForm(TComponent* AOwner, int Dummy) : TXcExLayer<TForm>(AOwner, Dummy) {}

    // A form being shown first asks to initialise its keyboard cues; Tab and the arrow
    // keys show the focus rectangles, Alt also the accelerator underlines.
    void Dispatch(TMessage& Message) override;

protected:
    void ShowingChanged() override;
};
