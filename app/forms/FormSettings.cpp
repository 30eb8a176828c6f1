#include "app/forms/FormSettings.h"

#include "platform/controls/Bevel.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"

TFormSettings* FormSettings = nullptr;

ORVO_IMPLEMENT_CLASS(TFormSettings, TForm)

ORVO_PUBLISHED(TFormSettings) {
    P.Field("Bevel1", &TFormSettings::Bevel1);
    P.Field("OKBtn", &TFormSettings::OKBtn);
    P.Field("CancelBtn", &TFormSettings::CancelBtn);
    P.Field("chbTriggeredInputActive", &TFormSettings::chbTriggeredInputActive);
}

TFormSettings::TFormSettings(TComponent* AOwner) : TForm(AOwner) {}

TFormSettings::~TFormSettings() {
    if (FormSettings == this) FormSettings = nullptr;
}
