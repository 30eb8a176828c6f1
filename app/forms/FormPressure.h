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
    void AfterConstruction() override;

    // Handlers named in the form resource.
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

    // The scaling this window edits (not owned: an entry of the settings object).
    TApplicationSettings::COEFFS* Coeffs = nullptr;

    // Made with the window: the pressure frame, filling the client area.
    TFramePressure* FramePressure1 = nullptr;
    // From the form resource.
    TPanel* Panel1 = nullptr;
    TButton* OK = nullptr;
    TButton* Cancel = nullptr;
};
