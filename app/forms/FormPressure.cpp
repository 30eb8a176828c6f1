#include "app/forms/FormPressure.h"

#include "app/forms/FramePressure.h"
#include "controls/XcSpin.h"
#include "i18n/Gettext.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/controls/Button.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"

ORVO_IMPLEMENT_CLASS(TFormPressure, TForm)

ORVO_PUBLISHED(TFormPressure) {
    using S = TFormPressure;
    P.Field("FramePressure1", &S::FramePressure1);
    P.Field("Panel1", &S::Panel1);
    P.Field("OK", &S::OK);
    P.Field("Cancel", &S::Cancel);
    P.Method("FormCreate", &S::FormCreate);
    P.Method("FormShow", &S::FormShow);
    P.Method("FormClose", &S::FormClose);
}

TFormPressure::TFormPressure(TComponent* AOwner, TApplicationSettings::COEFFS* ACoeffs)
    : TForm(AOwner), Coeffs(ACoeffs) {}

void TFormPressure::FormCreate(TObject*) {
    TranslateComponent(this);
}

void TFormPressure::FormShow(TObject*) {
    if (!Coeffs || !FramePressure1) return;
    TFramePressure* f = FramePressure1;
    f->Gain = Coeffs->CoeffA;
    f->Offset = Coeffs->CoeffB;
    // The spin edits show the stored line at 0 V and 5 V; filling them is not an edit, so
    // the stored gain and offset stay as they are (the pressures show only one decimal).
    f->Filling = true;
    f->ScaleVolt1->SetValue(0.0);
    f->ScaleVolt2->SetValue(5.0);
    f->ScalePress1->SetValue(f->ScaleVolt1->GetValue() * Coeffs->CoeffA + Coeffs->CoeffB);
    f->ScalePress2->SetValue(f->ScaleVolt2->GetValue() * Coeffs->CoeffA + Coeffs->CoeffB);
    f->Filling = false;
    f->PressureUnits->SetItemIndex(Coeffs->Type);
    f->PressureUnitsClick(f->PressureUnits);
}

void TFormPressure::FormClose(TObject*, TCloseAction&) {
    if (!Coeffs || !FramePressure1) return;
    Coeffs->CoeffA = FramePressure1->Gain;
    Coeffs->CoeffB = FramePressure1->Offset;
    Coeffs->Type = FramePressure1->PressureUnits->ItemIndex();
}
