// TFramePressure: a live input voltage shown as a pressure on a circular gauge. The user picks
// the kind of pressure (boost 0 to 4 bar or common rail 0 to 2000 bar), which sets the dial's
// range and colour bands, and two calibration points (voltage, pressure), which set the gain
// and offset of the conversion pressure = Gain x volts + Offset.
#pragma once

#include "platform/controls/Frame.h"

class TChart;
class TCircularGauge;
class TGroupBox;
class TLabel;
class TPanel;
class TRadioGroup;
class TXcSpinEdit;

class TFramePressure : public TFrame {
    ORVO_CLASS(TFramePressure, TFrame)
public:
    explicit TFramePressure(TComponent* AOwner);
    void AfterConstruction() override;

    // The dial runs from Min to Max with labels every tenth; green up to 70 %, red above.
    void SetRange(double Min, double Max);
    // Shows a voltage as pressure (not limited to the dial's range).
    void SetVoltage(double Volts);

    // Handlers named in the form resource.
    void PressureUnitsClick(TObject* Sender);
    void OnScalePointsChange(TObject* Sender);

    double Gain = 0.0;
    double Offset = 0.0;
    // While set, changes of the spin edits are the program's, not the user's: the
    // conversion is left alone.
    bool Filling = false;

    // From the form resource.
    TPanel* Panel2 = nullptr;
    TRadioGroup* PressureUnits = nullptr;
    TChart* Chart1 = nullptr;
    TCircularGauge* Series1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TXcSpinEdit* ScaleVolt1 = nullptr;
    TXcSpinEdit* ScalePress1 = nullptr;
    TXcSpinEdit* ScaleVolt2 = nullptr;
    TXcSpinEdit* ScalePress2 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;

private:
    bool FTranslated = false;
};
