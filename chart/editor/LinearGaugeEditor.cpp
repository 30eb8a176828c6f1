#include "chart/editor/LinearGaugeEditor.h"

#include "chart/editor/ButtonPen.h"
#include "chart/editor/CustomShapeEditor.h"
#include "chart/editor/FormTeeAxis.h"
#include "chart/editor/TeeFontEditor.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/gauges/CustomGauge.h"
#include "chart/gauges/LinearGauge.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/FloatText.h"

#include <cmath>

ORVO_IMPLEMENT_CLASS(TLinearGaugeEditor, TNumericGaugeEditor)

ORVO_PUBLISHED(TLinearGaugeEditor) {
    using S = TLinearGaugeEditor;
    P.Field("BValueArea", &S::BValueArea);
    P.Field("BMaxIndicator", &S::BMaxIndicator);
    P.Field("BLinearHand", &S::BLinearHand);
    P.Field("TabAxis", &S::TabAxis);
    P.Field("PageAxis", &S::PageAxis);
    P.Field("TabTicks", &S::TabTicks);
    P.Field("Label4", &S::Label4);
    P.Field("Label5", &S::Label5);
    P.Field("EMax", &S::EMax);
    P.Field("EMin", &S::EMin);
    P.Field("Button1", &S::Button1);
    P.Field("ETicks", &S::ETicks);
    P.Field("UDTicks", &S::UDTicks);
    P.Field("Label6", &S::Label6);
    P.Field("ETicksDist", &S::ETicksDist);
    P.Field("UDTicksDist", &S::UDTicksDist);
    P.Field("Button2", &S::Button2);
    P.Field("Label7", &S::Label7);
    P.Field("EMinor", &S::EMinor);
    P.Field("UDMinorCount", &S::UDMinorCount);
    P.Field("Label8", &S::Label8);
    P.Field("Edit2", &S::Edit2);
    P.Field("UDMinorSize", &S::UDMinorSize);
    P.Field("BAxis", &S::BAxis);
    P.Field("TabLabels", &S::TabLabels);
    P.Field("Label9", &S::Label9);
    P.Field("EFormat", &S::EFormat);
    P.Field("Button6", &S::Button6);
    P.Field("CBLabels", &S::CBLabels);
    P.Field("TabTitle", &S::TabTitle);
    P.Field("TabGreen", &S::TabGreen);
    P.Field("Label10", &S::Label10);
    P.Field("EStartGreen", &S::EStartGreen);
    P.Field("UDStartGreen", &S::UDStartGreen);
    P.Field("Label11", &S::Label11);
    P.Field("EEndGreen", &S::EEndGreen);
    P.Field("UDEndGreen", &S::UDEndGreen);
    P.Field("BGreen", &S::BGreen);
    P.Field("CBGreenVisible", &S::CBGreenVisible);
    P.Field("TabRed", &S::TabRed);
    P.Field("Label12", &S::Label12);
    P.Field("EStartRed", &S::EStartRed);
    P.Field("UDStartRed", &S::UDStartRed);
    P.Field("Label13", &S::Label13);
    P.Field("EEndRed", &S::EEndRed);
    P.Field("UDEndRed", &S::UDEndRed);
    P.Field("BRed", &S::BRed);
    P.Field("CBRedVisible", &S::CBRedVisible);
    P.Method("BValueAreaClick", &S::BValueAreaClick);
    P.Method("BMaxIndicatorClick", &S::BMaxIndicatorClick);
    P.Method("BLinearHandClick", &S::BLinearHandClick);
    P.Method("EMaxChange", &S::EMaxChange);
    P.Method("EMinChange", &S::EMinChange);
    P.Method("Button1Click", &S::Button1Click);
    P.Method("ETicksChange", &S::ETicksChange);
    P.Method("ETicksDistChange", &S::ETicksDistChange);
    P.Method("Button2Click", &S::Button2Click);
    P.Method("EMinorChange", &S::EMinorChange);
    P.Method("Edit2Change", &S::Edit2Change);
    P.Method("EFormatChange", &S::EFormatChange);
    P.Method("Button6Click", &S::Button6Click);
    P.Method("CBLabelsClick", &S::CBLabelsClick);
    P.Method("EStartGreenChange", &S::EStartGreenChange);
    P.Method("EEndGreenChange", &S::EEndGreenChange);
    P.Method("BGreenClick", &S::BGreenClick);
    P.Method("CBGreenVisibleClick", &S::CBGreenVisibleClick);
    P.Method("EStartRedChange", &S::EStartRedChange);
    P.Method("EEndRedChange", &S::EEndRedChange);
    P.Method("BRedClick", &S::BRedClick);
    P.Method("CBRedVisibleClick", &S::CBRedVisibleClick);
}

namespace {
// The edit's text as a number; false when it is not one.
bool EditNumber(TEdit* Edit, double& Value) {
    return TryStrToFloat(Edit->Text().trimmed(), Value);
}

bool EditInteger(TEdit* Edit, int& Value) {
    bool ok = false;
    Value = Edit->Text().trimmed().toInt(&ok);
    return ok;
}
} // namespace

TLinearGaugeEditor::TLinearGaugeEditor(TComponent* AOwner) : TNumericGaugeEditor(AOwner) {}

TLinearGaugeEditor::~TLinearGaugeEditor() {
    // The axis page's title pages sit in "Title": they go back before the page is freed.
    if (FAxisPage && FAxisPage->PageTitle && FAxisPage->TabTitle)
        FAxisPage->PageTitle->SetParent(FAxisPage->TabTitle);
    delete FAxisPage;
    FAxisPage = nullptr;
}

TCustomGaugeMinMax* TLinearGaugeEditor::MinMaxGauge() const {
    return dynamic_cast<TCustomGaugeMinMax*>(Gauge);
}

void TLinearGaugeEditor::FormShow(TObject* Sender) {
    TNumericGaugeEditor::FormShow(Sender);
    TCustomGaugeMinMax* g = MinMaxGauge();
    if (!g) return;
    TChartAxis* axis = g->Axis();
    Filling = true;
    if (axis) BAxis->LinkPen(axis->Axis());
    UDStartGreen->SetPosition(int(std::lround(g->GreenLine()->StartValue())));
    UDEndGreen->SetPosition(int(std::lround(g->GreenLine()->EndValue())));
    UDStartRed->SetPosition(int(std::lround(g->RedLine()->StartValue())));
    UDEndRed->SetPosition(int(std::lround(g->RedLine()->EndValue())));
    EMax->SetText(FloatToStr(g->Maximum()));
    EMin->SetText(FloatToStr(g->Minimum()));
    EFormat->SetText(g->ValueFormat());
    if (axis) {
        CBLabels->SetChecked(axis->Labels());
        // The axis page is made once; later shows only point it at the axis again.
        if (!FAxisPage) {
            FAxisPage = new TFormTeeAxis(this, axis);
            FAxisPage->AfterConstruction();
            FAxisPage->PageTitle->SetParent(TabTitle);
            FAxisPage->PageTitle->SetAlign(alClient);
            FAxisPage->PageAxis->SetActivePage(FAxisPage->TabTitle);
            FAxisPage->PageAxisChange(FAxisPage);
            TeeTranslateControl(FAxisPage);
        } else {
            FAxisPage->TheAxis = axis;
            FAxisPage->PageAxisChange(FAxisPage);
        }
        UDMinorCount->SetPosition(axis->MinorTickCount());
    }
    UDMinorSize->SetPosition(g->MinorTicks()->Size());
    UDTicks->SetPosition(g->Ticks()->VertSize());
    UDTicksDist->SetPosition(g->MinorTickDistance());
    CBGreenVisible->SetChecked(g->GreenLine()->Visible());
    CBRedVisible->SetChecked(g->RedLine()->Visible());
    Filling = false;
}

void TLinearGaugeEditor::EditPointer(TSeriesPointer* Pointer) {
    (void)Pointer;
}

void TLinearGaugeEditor::BValueAreaClick(TObject*) {
    if (auto* g = dynamic_cast<TLinearGauge*>(Gauge)) EditTeeCustomShape(this, g->ValueArea());
}

void TLinearGaugeEditor::BMaxIndicatorClick(TObject*) {
    if (auto* g = dynamic_cast<TLinearGauge*>(Gauge)) EditPointer(g->MaxValueIndicator());
}

void TLinearGaugeEditor::BLinearHandClick(TObject*) {
    if (TCustomGaugeMinMax* g = MinMaxGauge()) EditPointer(g->Hand());
}

void TLinearGaugeEditor::EMaxChange(TObject*) {
    double v = 0;
    if (CanEdit() && MinMaxGauge() && EditNumber(EMax, v)) MinMaxGauge()->SetMaximum(v);
}

void TLinearGaugeEditor::EMinChange(TObject*) {
    double v = 0;
    if (CanEdit() && MinMaxGauge() && EditNumber(EMin, v)) MinMaxGauge()->SetMinimum(v);
}

void TLinearGaugeEditor::Button1Click(TObject*) {
    if (TCustomGaugeMinMax* g = MinMaxGauge()) EditPointer(g->Ticks());
}

void TLinearGaugeEditor::ETicksChange(TObject*) {
    int v = 0;
    // A pointer is at least one pixel high: smaller sizes are not taken.
    if (CanEdit() && MinMaxGauge() && EditInteger(ETicks, v) && v >= 1)
        MinMaxGauge()->Ticks()->SetVertSize(v);
}

void TLinearGaugeEditor::ETicksDistChange(TObject*) {
    int v = 0;
    if (CanEdit() && MinMaxGauge() && EditInteger(ETicksDist, v) && v >= 0)
        MinMaxGauge()->SetMinorTickDistance(v);
}

void TLinearGaugeEditor::Button2Click(TObject*) {
    if (TCustomGaugeMinMax* g = MinMaxGauge()) EditPointer(g->MinorTicks());
}

void TLinearGaugeEditor::EMinorChange(TObject*) {
    int v = 0;
    if (!CanEdit() || !MinMaxGauge() || !EditInteger(EMinor, v) || v < 0) return;
    if (TChartAxis* axis = MinMaxGauge()->Axis()) axis->SetMinorTickCount(v);
}

void TLinearGaugeEditor::Edit2Change(TObject*) {
    int v = 0;
    if (CanEdit() && MinMaxGauge() && EditInteger(Edit2, v) && v >= 1)
        MinMaxGauge()->MinorTicks()->SetSize(v);
}

void TLinearGaugeEditor::EFormatChange(TObject*) {
    if (CanEdit()) Gauge->SetValueFormat(EFormat->Text());
}

void TLinearGaugeEditor::Button6Click(TObject*) {
    TCustomGaugeMinMax* g = MinMaxGauge();
    if (TChartAxis* axis = g ? g->Axis() : nullptr) EditTeeFontEx(this, axis->LabelsFont());
}

void TLinearGaugeEditor::CBLabelsClick(TObject*) {
    TCustomGaugeMinMax* g = MinMaxGauge();
    if (Filling || !g) return;
    if (TChartAxis* axis = g->Axis()) axis->SetLabels(CBLabels->Checked());
}

void TLinearGaugeEditor::EStartGreenChange(TObject*) {
    double v = 0;
    if (CanEdit() && MinMaxGauge() && EditNumber(EStartGreen, v))
        MinMaxGauge()->GreenLine()->SetStartValue(v);
}

void TLinearGaugeEditor::EEndGreenChange(TObject*) {
    double v = 0;
    if (CanEdit() && MinMaxGauge() && EditNumber(EEndGreen, v)) MinMaxGauge()->GreenLine()->SetEndValue(v);
}

void TLinearGaugeEditor::BGreenClick(TObject*) {
    if (TCustomGaugeMinMax* g = MinMaxGauge()) EditPointer(g->GreenLine());
}

void TLinearGaugeEditor::CBGreenVisibleClick(TObject*) {
    if (!Filling && MinMaxGauge()) MinMaxGauge()->GreenLine()->SetVisible(CBGreenVisible->Checked());
}

void TLinearGaugeEditor::EStartRedChange(TObject*) {
    double v = 0;
    if (CanEdit() && MinMaxGauge() && EditNumber(EStartRed, v)) MinMaxGauge()->RedLine()->SetStartValue(v);
}

void TLinearGaugeEditor::EEndRedChange(TObject*) {
    double v = 0;
    if (CanEdit() && MinMaxGauge() && EditNumber(EEndRed, v)) MinMaxGauge()->RedLine()->SetEndValue(v);
}

void TLinearGaugeEditor::BRedClick(TObject*) {
    if (TCustomGaugeMinMax* g = MinMaxGauge()) EditPointer(g->RedLine());
}

void TLinearGaugeEditor::CBRedVisibleClick(TObject*) {
    if (!Filling && MinMaxGauge()) MinMaxGauge()->RedLine()->SetVisible(CBRedVisible->Checked());
}
