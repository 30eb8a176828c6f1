// TAxisIncrement: the dialog that asks for the desired increment between an axis' labels,
// as a number, or on a date-time axis as days and a time or one of the standard steps.
// GetIncrementText gives the text the axis page shows for an increment.
#pragma once

#include "chart/engine/panel/DateTimeSteps.h"
#include "platform/controls/CustomForm.h"

class TButton;
class TChartAxis;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TRadioGroup;

class TAxisIncrement : public TForm {
    ORVO_CLASS(TAxisIncrement, TForm)
public:
    explicit TAxisIncrement(TComponent* AOwner);

    // Shows the dialog for Axis' desired increment; on OK stores the increment (the axis
    // refuses a negative one with its exception) and the exact flag, and answers true.
    static bool ChangeIncrement(TComponent* AOwner, TChartAxis* Axis);

    bool IsDateTime = false;
    bool IsExact = false;
    double Increment = 0;
    TDateTimeStep IStep = dtNone;

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void RadioGroup1Click(TObject* Sender);
    void CBExactClick(TObject* Sender);
    void CBStepsChange(TObject* Sender);
    void BOkClick(TObject* Sender);

    // From the form resource.
    TCheckBox* CBExact = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    TComboBox* CBSteps = nullptr;
    TEdit* ECustom = nullptr;
    TLabel* LCustom = nullptr;
    TButton* BOk = nullptr;
    TButton* BCancel = nullptr;

private:
    void SetEditText();
};

// The text of an increment: on a date-time axis the standard step's name when Exact and the
// increment is one, else days and a time; on other axes the increment in Format, or as a
// plain number when the formatted text does not read back as the increment.
String GetIncrementText(TComponent* AOwner, double Increment, bool IsDateTime, bool Exact,
                        const String& Format);
// The edit text of a date-time increment: one second's time text for 0 or less, whole days
// and the fraction's time text from one day up, the time text below a day.
String DateTimeIncrementText(double Increment);
