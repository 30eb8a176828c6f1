#include "chart/editor/CircularGaugeEditor.h"

#include "chart/gauges/CircularGauge.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Timer.h"
#include "platform/controls/UpDown.h"

#include <cmath>

ORVO_IMPLEMENT_CLASS(TCircularGaugeEditor, TLinearGaugeEditor)

ORVO_PUBLISHED(TCircularGaugeEditor) {
    using S = TCircularGaugeEditor;
    P.Field("Timer1", &S::Timer1);
    P.Field("Label14", &S::Label14);
    P.Field("ETotalAngle", &S::ETotalAngle);
    P.Field("UDTotalAngle", &S::UDTotalAngle);
    P.Field("Label15", &S::Label15);
    P.Field("Edit4", &S::Edit4);
    P.Field("UDRotAngle", &S::UDRotAngle);
    P.Field("Label16", &S::Label16);
    P.Field("Edit1", &S::Edit1);
    P.Field("UDHandDist", &S::UDHandDist);
    P.Field("Label17", &S::Label17);
    P.Field("Edit3", &S::Edit3);
    P.Field("UDHandOff", &S::UDHandOff);
    P.Field("CBLabelsInside", &S::CBLabelsInside);
    P.Field("CBRotateLabels", &S::CBRotateLabels);
    P.Field("CBCircled", &S::CBCircled);
    P.Field("BHand", &S::BHand);
    P.Field("BCenter", &S::BCenter);
    P.Field("Button3", &S::Button3);
    P.Method("Timer1Timer", &S::Timer1Timer);
    P.Method("ETotalAngleChange", &S::ETotalAngleChange);
    P.Method("Edit4Change", &S::Edit4Change);
    P.Method("Edit1Change", &S::Edit1Change);
    P.Method("Edit3Change", &S::Edit3Change);
    P.Method("CBLabelsInsideClick", &S::CBLabelsInsideClick);
    P.Method("CBRotateLabelsClick", &S::CBRotateLabelsClick);
    P.Method("CBCircledClick", &S::CBCircledClick);
    P.Method("BHandClick", &S::BHandClick);
    P.Method("BCenterClick", &S::BCenterClick);
    P.Method("Button3Click", &S::Button3Click);
}

TCircularGaugeEditor::TCircularGaugeEditor(TComponent* AOwner) : TLinearGaugeEditor(AOwner) {}

TCircularGauge* TCircularGaugeEditor::CircularGauge() const {
    return dynamic_cast<TCircularGauge*>(Gauge);
}

bool TCircularGaugeEditor::EditInt(TEdit* Edit, int& Value) const {
    if (!CanEdit() || !CircularGauge()) return false;
    bool ok = false;
    Value = Edit->Text().trimmed().toInt(&ok);
    return ok;
}

void TCircularGaugeEditor::FormShow(TObject* Sender) {
    TLinearGaugeEditor::FormShow(Sender);
    if (TCircularGauge* g = CircularGauge()) {
        Filling = true;
        UDTotalAngle->SetPosition(int(std::lround(g->TotalAngle())));
        UDRotAngle->SetPosition(int(std::lround(g->RotationAngle())));
        UDHandDist->SetPosition(g->Hand()->Distance());
        UDHandOff->SetPosition(g->Hand()->Offset());
        CBLabelsInside->SetChecked(g->LabelsInside());
        CBRotateLabels->SetChecked(g->RotateLabels());
        CBCircled->SetChecked(g->Circled());
        Filling = false;
    }
    Timer1->SetEnabled(true);
}

void TCircularGaugeEditor::Timer1Timer(TObject*) {
    Timer1->SetEnabled(false);
    // The circular gauge has its own hand button; the linear gauge's extras do not apply.
    BLinearHand->SetVisible(false);
    BValueArea->SetVisible(false);
    BMaxIndicator->SetVisible(false);
}

void TCircularGaugeEditor::ETotalAngleChange(TObject*) {
    int v = 0;
    if (EditInt(ETotalAngle, v)) CircularGauge()->SetTotalAngle(v);
}

void TCircularGaugeEditor::Edit4Change(TObject*) {
    int v = 0;
    if (EditInt(Edit4, v)) CircularGauge()->SetRotationAngle(v);
}

void TCircularGaugeEditor::Edit1Change(TObject*) {
    int v = 0;
    if (EditInt(Edit1, v)) CircularGauge()->Hand()->SetDistance(v);
}

void TCircularGaugeEditor::Edit3Change(TObject*) {
    int v = 0;
    if (EditInt(Edit3, v)) CircularGauge()->Hand()->SetOffset(v);
}

void TCircularGaugeEditor::CBLabelsInsideClick(TObject*) {
    if (!Filling && CircularGauge()) CircularGauge()->SetLabelsInside(CBLabelsInside->Checked());
}

void TCircularGaugeEditor::CBRotateLabelsClick(TObject*) {
    if (!Filling && CircularGauge()) CircularGauge()->SetRotateLabels(CBRotateLabels->Checked());
}

void TCircularGaugeEditor::CBCircledClick(TObject*) {
    if (!Filling && CircularGauge()) CircularGauge()->SetCircled(CBCircled->Checked());
}

void TCircularGaugeEditor::BHandClick(TObject*) {
    if (TCircularGauge* g = CircularGauge()) EditPointer(g->Hand());
}

void TCircularGaugeEditor::BCenterClick(TObject*) {
    if (TCircularGauge* g = CircularGauge()) EditPointer(g->Center());
}

void TCircularGaugeEditor::Button3Click(TObject*) {
    if (TCircularGauge* g = CircularGauge()) EditPointer(g->EndPoint());
}
