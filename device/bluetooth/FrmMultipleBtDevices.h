// TfrmMultipleBtDevices: the dialog in which the user chooses one of several tuning boxes that
// answered over Bluetooth. Made once at start-up into frmMultipleBtDevices; while it exists it
// is the device-choice dialog that the Bluetooth open asks (on the user-interface thread).
#pragma once

#include "device/bluetooth/OrvoTuningBtDevice.h"
#include "platform/controls/CustomForm.h"

#include <vector>

class TBevel;
class TButton;
class TComboBoxEx;
class TLabel;

class TfrmMultipleBtDevices : public TForm, public IBtDeviceChoiceDialog {
    ORVO_CLASS(TfrmMultipleBtDevices, TForm)
public:
    // Installs the form as the device-choice dialog; its controls come from its resource.
    explicit TfrmMultipleBtDevices(TComponent* AOwner);
    // Removes the form as the device-choice dialog when it is the one installed.
    ~TfrmMultipleBtDevices() override;

    TBevel* Bevel1 = nullptr;
    TLabel* lblBtDeviceSelect = nullptr;
    TButton* OKBtn = nullptr;
    TButton* CancelBtn = nullptr;
    TComboBoxEx* cbBtDeviceSelect = nullptr;

    // One line of cbBtDeviceSelect per box, in order, the first one selected.
    void FillDevices(const std::vector<String>& items) override;
    // The form's own modal loop (or the modal hook): mrOk when the user chose OK.
    int ShowModal() override;
    // The line selected in cbBtDeviceSelect, -1 for none.
    int ChosenIndex() override;
};

extern TfrmMultipleBtDevices* frmMultipleBtDevices;
