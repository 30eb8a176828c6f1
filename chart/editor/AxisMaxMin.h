// TAxisMaxMin: the dialog that asks for one end of an axis' range, as a number or, on a
// date-time axis, as a date and a time. TeeShowIncorrect tells the user why a typed value
// was refused.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TEdit;
class TLabel;

class TAxisMaxMin : public TForm {
    ORVO_CLASS(TAxisMaxMin, TForm)
public:
    explicit TAxisMaxMin(TComponent* AOwner);

    bool IsDateTime = false;
    // The value shown, and the one typed after OK.
    double MaxMin = 0;

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void BOkClick(TObject* Sender);

    // From the form resource.
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* EMaximum = nullptr;
    TEdit* EMinimum = nullptr;
    TButton* BOk = nullptr;
    TButton* BCancel = nullptr;
};

// "Incorrect value. Reason: <Reason>" in a plain message box.
void TeeShowIncorrect(const String& Reason);
