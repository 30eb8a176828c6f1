#include "device/bluetooth/FrmMultipleBtDevices.h"

#include "platform/controls/Bevel.h"
#include "platform/controls/Button.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"

TfrmMultipleBtDevices* frmMultipleBtDevices = nullptr;

ORVO_IMPLEMENT_CLASS(TfrmMultipleBtDevices, TForm)

ORVO_PUBLISHED(TfrmMultipleBtDevices) {
    P.Field("Bevel1", &TfrmMultipleBtDevices::Bevel1);
    P.Field("lblBtDeviceSelect", &TfrmMultipleBtDevices::lblBtDeviceSelect);
    P.Field("OKBtn", &TfrmMultipleBtDevices::OKBtn);
    P.Field("CancelBtn", &TfrmMultipleBtDevices::CancelBtn);
    P.Field("cbBtDeviceSelect", &TfrmMultipleBtDevices::cbBtDeviceSelect);
}

TfrmMultipleBtDevices::TfrmMultipleBtDevices(TComponent* AOwner) : TForm(AOwner) {
    SetBtDeviceChoiceDialog(this);
}

TfrmMultipleBtDevices::~TfrmMultipleBtDevices() {
    // Another dialog installed since stays installed.
    IBtDeviceChoiceDialog* installed = SetBtDeviceChoiceDialog(nullptr);
    if (installed != this) SetBtDeviceChoiceDialog(installed);
}

void TfrmMultipleBtDevices::FillDevices(const std::vector<String>& items) {
    // The controls exist once the resource has been read.
    AfterConstruction();
    cbBtDeviceSelect->Clear();
    for (const String& item : items)
        cbBtDeviceSelect->AddItem(item, nullptr);
    cbBtDeviceSelect->SetItemIndex(0);
}

int TfrmMultipleBtDevices::ShowModal() {
    return TForm::ShowModal();
}

int TfrmMultipleBtDevices::ChosenIndex() {
    return cbBtDeviceSelect ? cbBtDeviceSelect->ItemIndex() : -1;
}
