#include "chart/editor/SymbolEditor.h"

#include "chart/editor/ButtonPen.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/IntText.h"

ORVO_IMPLEMENT_CLASS(TSymbolEditor, TForm)

ORVO_PUBLISHED(TSymbolEditor) {
    using T = TSymbolEditor;
    P.Field("Label1", &T::Label1);
    P.Field("Label2", &T::Label2);
    P.Field("Label3", &T::Label3);
    P.Field("SEColWi", &T::SEColWi);
    P.Field("UDColWi", &T::UDColWi);
    P.Field("CBColWUnits", &T::CBColWUnits);
    P.Field("CBSymbolPos", &T::CBSymbolPos);
    P.Field("CBContinuous", &T::CBContinuous);
    P.Field("CBVisible", &T::CBVisible);
    P.Field("CBSquared", &T::CBSquared);
    P.Field("CBSymPen", &T::CBSymPen);
    P.Field("BSymPen", &T::BSymPen);
    P.Field("BSymGradient", &T::BSymGradient);
    P.Field("Button1", &T::Button1);
    P.Method("FormShow", &T::FormShow);
    P.Method("SEColWiChange", &T::SEColWiChange);
    P.Method("CBColWUnitsChange", &T::CBColWUnitsChange);
    P.Method("CBSymbolPosChange", &T::CBSymbolPosChange);
    P.Method("CBContinuousClick", &T::CBContinuousClick);
    P.Method("CBVisibleClick", &T::CBVisibleClick);
    P.Method("CBSquaredClick", &T::CBSquaredClick);
    P.Method("CBSymPenClick", &T::CBSymPenClick);
    P.Method("Button1Click", &T::Button1Click);
}

TSymbolEditor::TSymbolEditor(TComponent* AOwner) : TForm(AOwner) {}

void TSymbolEditor::FormShow(TObject*) {
    if (auto* S = reinterpret_cast<TLegendSymbol*>(Tag())) RefreshSymbol(S);
    CreatingForm = false;
    TeeTranslateControl(this);
}

void TSymbolEditor::EnableWidth() {
    const bool On = Symbol && !Symbol->Squared();
    SEColWi->SetEnabled(On);
    UDColWi->SetEnabled(On);
}

void TSymbolEditor::RefreshSymbol(TLegendSymbol* ASymbol) {
    Symbol = ASymbol;
    if (!Symbol) return;
    FRefreshing = true;
    UDColWi->SetPosition(Symbol->Width());
    CBColWUnits->SetItemIndex(int(Symbol->WidthUnits()));
    CBSymbolPos->SetItemIndex(int(Symbol->Position()));
    CBContinuous->SetChecked(Symbol->Continuous());
    CBSquared->SetChecked(Symbol->Squared());
    CBVisible->SetChecked(Symbol->Visible());
    CBSymPen->SetChecked(Symbol->DefaultPen());
    BSymPen->SetEnabled(!Symbol->DefaultPen());
    BSymPen->LinkPen(Symbol->Pen());
    BSymGradient->OnlyStart = true;
    BSymGradient->LinkGradient(Symbol->Gradient());
    EnableWidth();
    FRefreshing = false;
}

void TSymbolEditor::SEColWiChange(TObject*) {
    int V = 0;
    if (Symbol && !CreatingForm && !FRefreshing && TryStrToInt(SEColWi->Text().trimmed(), V))
        Symbol->SetWidth(V);
}

void TSymbolEditor::CBColWUnitsChange(TObject*) {
    if (Symbol && CBColWUnits->ItemIndex() >= 0)
        Symbol->SetWidthUnits(TLegendSymbolSize(CBColWUnits->ItemIndex()));
}

void TSymbolEditor::CBSymbolPosChange(TObject*) {
    if (Symbol && CBSymbolPos->ItemIndex() >= 0)
        Symbol->SetPosition(TLegendSymbolPosition(CBSymbolPos->ItemIndex()));
}

void TSymbolEditor::CBContinuousClick(TObject*) {
    if (Symbol && !FRefreshing) Symbol->SetContinuous(CBContinuous->Checked());
}

void TSymbolEditor::CBVisibleClick(TObject*) {
    if (Symbol && !FRefreshing) Symbol->SetVisible(CBVisible->Checked());
}

void TSymbolEditor::CBSquaredClick(TObject*) {
    if (!Symbol || FRefreshing) return;
    Symbol->SetSquared(CBSquared->Checked());
    EnableWidth();
}

void TSymbolEditor::CBSymPenClick(TObject*) {
    if (!Symbol || FRefreshing) return;
    Symbol->SetDefaultPen(CBSymPen->Checked());
    BSymPen->SetEnabled(!CBSymPen->Checked());
}

void TSymbolEditor::Button1Click(TObject*) {
    if (Symbol) EditTeeShadow(this, Symbol->Shadow());
}
