#include "chart/editor/StackBarSeriesEditor.h"

#include "chart/series/BarSeries.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/FloatText.h"

ORVO_IMPLEMENT_CLASS(TStackBarSeriesEditor, TForm)

ORVO_PUBLISHED(TStackBarSeriesEditor) {
    using S = TStackBarSeriesEditor;
    P.Field("RGMultiBar", &S::RGMultiBar);
    P.Field("LGroup", &S::LGroup);
    P.Field("EGroup", &S::EGroup);
    P.Field("UDGroup", &S::UDGroup);
    P.Field("CBYOrigin", &S::CBYOrigin);
    P.Field("EYOrigin", &S::EYOrigin);
    P.Method("FormShow", &S::FormShow);
    P.Method("RGMultiBarClick", &S::RGMultiBarClick);
    P.Method("EGroupChange", &S::EGroupChange);
    P.Method("CBYOriginClick", &S::CBYOriginClick);
    P.Method("EYOriginChange", &S::EYOriginChange);
}

TStackBarSeriesEditor::TStackBarSeriesEditor(TComponent* AOwner) : TForm(AOwner) {
    SetAlign(alClient);
}

void TStackBarSeriesEditor::FormShow(TObject*) {
    Bar = dynamic_cast<TCustomBarSeries*>(reinterpret_cast<TObject*>(Tag()));
    if (!Bar) return;
    CreatingForm = true;
    CBYOrigin->SetChecked(Bar->UseYOrigin());
    EYOrigin->SetEnabled(Bar->UseYOrigin());
    EYOrigin->SetText(FloatToStr(Bar->YOrigin()));
    RGMultiBar->SetItemIndex(int(Bar->MultiBar()));
    UDGroup->SetPosition(Bar->StackGroup());
    EnableGroup();
    CreatingForm = false;
}

void TStackBarSeriesEditor::EnableGroup() {
    const int multi = RGMultiBar->ItemIndex();
    const bool stacked = multi == mbStacked || multi == mbStacked100;
    LGroup->SetEnabled(stacked);
    EGroup->SetEnabled(stacked);
    UDGroup->SetEnabled(stacked);
}

void TStackBarSeriesEditor::RGMultiBarClick(TObject*) {
    if (CreatingForm || !Bar || RGMultiBar->ItemIndex() < 0) return;
    Bar->SetMultiBar(TMultiBar(RGMultiBar->ItemIndex()));
    EnableGroup();
}

void TStackBarSeriesEditor::EGroupChange(TObject*) {
    if (CreatingForm || !Bar || !Showing()) return;
    bool ok = false;
    const int group = EGroup->Text().trimmed().toInt(&ok);
    if (ok) Bar->SetStackGroup(group);
}

void TStackBarSeriesEditor::CBYOriginClick(TObject*) {
    if (CreatingForm || !Bar) return;
    Bar->SetUseYOrigin(CBYOrigin->Checked());
    EYOrigin->SetEnabled(CBYOrigin->Checked());
    if (CBYOrigin->Checked() && EYOrigin->CanFocus()) EYOrigin->SetFocus();
}

void TStackBarSeriesEditor::EYOriginChange(TObject*) {
    if (CreatingForm || !Bar) return;
    // While the text is no number (a lone minus sign on the way to a negative origin, say)
    // the origin stays as it was.
    double origin = Bar->YOrigin();
    if (TryStrToFloat(EYOrigin->Text().trimmed(), origin)) Bar->SetYOrigin(origin);
}
