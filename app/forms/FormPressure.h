// TFormPressure: the pressure window of one channel. It shows the channel's live input as a
// pressure on the pressure frame's dial; each time it is shown it starts from the channel's
// stored scaling (gain, offset, pressure type) and it writes them back, in memory, when it is
// closed. Not modal; it stays on top of the main window.
#pragma once

#include "app/ApplicationSettings.h"
#include "platform/controls/CustomForm.h"

class TButton;
class TFramePressure;
class TPanel;

class TFormPressure : public TForm {
    ORVO_CLASS(TFormPressure, TForm)
public:
    explicit TFormPressure(TComponent* AOwner) : TFormPressure(AOwner, nullptr) {}
    TFormPressure(TComponent* AOwner, TApplicationSettings::COEFFS* ACoeffs);

    // Handlers named in the form resource.
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    // The scaling this window edits (not owned: an entry of the settings object).
    TApplicationSettings::COEFFS* Coeffs = nullptr;

    // From the form resource: the pressure frame, filling the client area (in this window
    // its units group is the pressure type, the dial's face is transparent and the hand a
    // little shorter), and the hidden button panel.
    TFramePressure* FramePressure1 = nullptr;
    TPanel* Panel1 = nullptr;
    TButton* OK = nullptr;
    TButton* Cancel = nullptr;
};
