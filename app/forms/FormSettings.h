// TFormSettings: the triggered-input dialog, one check box with OK and Cancel. It has no logic
// of its own: the tools column fills the check box from the box, shows the dialog and sends
// the choice. Made once at start-up into FormSettings and reused, so the check box keeps its
// last state between openings.
#pragma once

#include "platform/controls/CustomForm.h"

class TBevel;
class TButton;
class TCheckBox;

class TFormSettings : public TForm {
    ORVO_CLASS(TFormSettings, TForm)
public:
    explicit TFormSettings(TComponent* AOwner);
    ~TFormSettings() override;

    // From the form resource.
    TBevel* Bevel1 = nullptr;
    TButton* OKBtn = nullptr;
    TButton* CancelBtn = nullptr;
    TCheckBox* chbTriggeredInputActive = nullptr;
};

extern TFormSettings* FormSettings;
