#include "app/forms/FramePressure.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "chart/gauges/CircularGauge.h"
#include "controls/XcControls.h"
#include "controls/XcSpin.h"
#include "i18n/Gettext.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"

ORVO_IMPLEMENT_CLASS(TFramePressure, TFrame)

ORVO_PUBLISHED(TFramePressure) {
    using S = TFramePressure;
    P.Field("Panel2", &S::Panel2);
    P.Field("PressureUnits", &S::PressureUnits);
    P.Field("Chart1", &S::Chart1);
    P.Field("Series1", &S::Series1);
    P.Field("GroupBox1", &S::GroupBox1);
    P.Field("ScaleVolt1", &S::ScaleVolt1);
    P.Field("ScalePress1", &S::ScalePress1);
    P.Field("ScaleVolt2", &S::ScaleVolt2);
    P.Field("ScalePress2", &S::ScalePress2);
    P.Field("Label1", &S::Label1);
    P.Field("Label2", &S::Label2);
    P.Field("Label3", &S::Label3);
    P.Field("Label4", &S::Label4);
    P.Method("PressureUnitsClick", &S::PressureUnitsClick);
    P.Method("OnScalePointsChange", &S::OnScalePointsChange);
}

TFramePressure::TFramePressure(TComponent* AOwner) : TFrame(AOwner) {}

void TFramePressure::AfterConstruction() {
    TFrame::AfterConstruction();
    if (FTranslated) return;
    FTranslated = true;
    TranslateComponent(this);
}

void TFramePressure::SetRange(double Min, double Max) {
    Chart1->LeftAxis()->SetVisible(false);
    Chart1->RightAxis()->SetVisible(false);
    Chart1->TopAxis()->SetVisible(false);
    Series1->SetMinimum(Min);
    Series1->SetMaximum(Max);
    Chart1->BottomAxis()->SetDesiredIncrement(Series1->Maximum() * 0.1);
    Series1->GreenLine()->SetStartValue(Series1->Minimum());
    Series1->GreenLine()->SetEndValue(Series1->Maximum() * 0.7);
    Series1->RedLine()->SetStartValue(Series1->Maximum() * 0.7);
    Series1->RedLine()->SetEndValue(Series1->Maximum());
    Series1->SetCircled(true);
}

void TFramePressure::SetVoltage(double Volts) {
    Series1->SetValue(Gain * Volts + Offset);
}

void TFramePressure::PressureUnitsClick(TObject*) {
    switch (PressureUnits->ItemIndex()) {
    case 0:
        SetRange(0, 4);
        break;
    case 1:
        SetRange(0, 2000);
        break;
    default:
        break;
    }
}

void TFramePressure::OnScalePointsChange(TObject*) {
    if (Filling || !ScaleVolt1 || !ScaleVolt2 || !ScalePress1 || !ScalePress2) return;
    const double v1 = double(ScaleVolt1->GetValue());
    const double v2 = double(ScaleVolt2->GetValue());
    const double p1 = double(ScalePress1->GetValue());
    const double p2 = double(ScalePress2->GetValue());
    // Equal voltages define no line: the previous conversion stays.
    if (v2 - v1 == 0) return;
    Gain = (p2 - p1) / (v2 - v1);
    Offset = p1 - v1 * Gain;
}
