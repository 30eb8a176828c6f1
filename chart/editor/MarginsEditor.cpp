#include "chart/editor/MarginsEditor.h"

#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/series/Margins.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/IntText.h"

ORVO_IMPLEMENT_CLASS(TMarginsEditor, TForm)

ORVO_PUBLISHED(TMarginsEditor) {
    using T = TMarginsEditor;
    P.Field("Label1", &T::Label1);
    P.Field("Label2", &T::Label2);
    P.Field("Label3", &T::Label3);
    P.Field("Label4", &T::Label4);
    P.Field("RGUnits", &T::RGUnits);
    P.Field("ELeft", &T::ELeft);
    P.Field("UDLeft", &T::UDLeft);
    P.Field("ETop", &T::ETop);
    P.Field("UDTop", &T::UDTop);
    P.Field("ERight", &T::ERight);
    P.Field("UDRight", &T::UDRight);
    P.Field("EBottom", &T::EBottom);
    P.Field("UDBottom", &T::UDBottom);
    P.Method("FormShow", &T::FormShow);
    P.Method("RGUnitsClick", &T::RGUnitsClick);
    P.Method("ELeftChange", &T::ELeftChange);
    P.Method("ETopChange", &T::ETopChange);
    P.Method("ERightChange", &T::ERightChange);
    P.Method("EBottomChange", &T::EBottomChange);
}

TMarginsEditor::TMarginsEditor(TComponent* AOwner) : TForm(AOwner) {}

void TMarginsEditor::FormShow(TObject*) {
    if (Tag()) RefreshControls(reinterpret_cast<TMargins*>(Tag()));
    TeeTranslateControl(this);
}

void TMarginsEditor::RefreshControls(TMargins* AMargins) {
    Margins = AMargins;
    if (!Margins) return;
    RGUnits->SetItemIndex(int(Margins->Units()));
    Margins->SetUnits(TMarginUnits(RGUnits->ItemIndex()));
    UDLeft->SetPosition(Margins->Left());
    UDTop->SetPosition(Margins->Top());
    UDRight->SetPosition(Margins->Right());
    UDBottom->SetPosition(Margins->Bottom());
}

bool TMarginsEditor::EditValue(TEdit* Edit, int& Value) const {
    return Margins && Showing() && TryStrToInt(Edit->Text().trimmed(), Value);
}

void TMarginsEditor::RGUnitsClick(TObject*) {
    if (Margins && RGUnits->ItemIndex() >= 0) Margins->SetUnits(TMarginUnits(RGUnits->ItemIndex()));
}

void TMarginsEditor::ELeftChange(TObject*) {
    if (int V = 0; EditValue(ELeft, V)) Margins->SetLeft(V);
}

void TMarginsEditor::ETopChange(TObject*) {
    if (int V = 0; EditValue(ETop, V)) Margins->SetTop(V);
}

void TMarginsEditor::ERightChange(TObject*) {
    if (int V = 0; EditValue(ERight, V)) Margins->SetRight(V);
}

void TMarginsEditor::EBottomChange(TObject*) {
    if (int V = 0; EditValue(EBottom, V)) Margins->SetBottom(V);
}
