#include "chart/editor/ShadowEditor.h"

#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/pictures/BitmapFilters.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/IntText.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TTeeShadowEditor, TForm)

ORVO_PUBLISHED(TTeeShadowEditor) {
    using T = TTeeShadowEditor;
    P.Field("Label1", &T::Label1);
    P.Field("Label2", &T::Label2);
    P.Field("Label3", &T::Label3);
    P.Field("Label4", &T::Label4);
    P.Field("CBVisible", &T::CBVisible);
    P.Field("GroupBox1", &T::GroupBox1);
    P.Field("Edit1", &T::Edit1);
    P.Field("UDHoriz", &T::UDHoriz);
    P.Field("EVertSize", &T::EVertSize);
    P.Field("UDVert", &T::UDVert);
    P.Field("EShadowTransp", &T::EShadowTransp);
    P.Field("UDTransp", &T::UDTransp);
    P.Field("BShadowColor", &T::BShadowColor);
    P.Field("TBColor", &T::TBColor);
    P.Field("CBSmooth", &T::CBSmooth);
    P.Field("CBClip", &T::CBClip);
    P.Field("TBBlur", &T::TBBlur);
    P.Field("BOK", &T::BOK);
    P.Method("FormShow", &T::FormShow);
    P.Method("CBVisibleClick", &T::CBVisibleClick);
    P.Method("Edit1Change", &T::Edit1Change);
    P.Method("EVertSizeChange", &T::EVertSizeChange);
    P.Method("EShadowTranspChange", &T::EShadowTranspChange);
    P.Method("BShadowColorClick", &T::BShadowColorClick);
    P.Method("TBColorChange", &T::TBColorChange);
    P.Method("CBSmoothClick", &T::CBSmoothClick);
    P.Method("CBClipClick", &T::CBClipClick);
    P.Method("TBBlurChange", &T::TBBlurChange);
}

namespace {

bool ReadInt(TEdit* Edit, int& Value) {
    return TryStrToInt(Edit->Text().trimmed(), Value);
}

} // namespace

TTeeShadowEditor::TTeeShadowEditor(TComponent* AOwner) : TForm(AOwner) {}

void TTeeShadowEditor::FormShow(TObject*) {
    if (Tag()) Shadow = reinterpret_cast<TTeeShadow*>(Tag());
    if (Shadow) RefreshControls(Shadow);
    TeeTranslateControl(this);
    CreatingForm = false;
}

void TTeeShadowEditor::EnableSizes() {
    const bool On = Shadow && Shadow->Visible();
    for (TControl* C : {static_cast<TControl*>(Edit1), static_cast<TControl*>(UDHoriz),
                        static_cast<TControl*>(EVertSize), static_cast<TControl*>(UDVert)})
        C->SetEnabled(On);
}

void TTeeShadowEditor::EnableSmooth() {
    const bool On = Shadow && Shadow->Smooth();
    TBBlur->SetEnabled(On);
    CBClip->SetEnabled(On);
}

void TTeeShadowEditor::RefreshControls(TTeeShadow* AShadow) {
    Shadow = AShadow;
    if (!Shadow) return;
    FRefreshing = true;
    UDHoriz->SetPosition(Shadow->HorizSize());
    UDVert->SetPosition(Shadow->VertSize());
    UDTransp->SetPosition(Shadow->Transparency());
    CBSmooth->SetChecked(Shadow->Smooth());
    CBVisible->SetChecked(Shadow->Visible());
    EnableSizes();
    TBBlur->SetPosition(Shadow->SmoothBlur());
    ColorToHLS(Shadow->Color(), Hue, Lum, Sat);
    TBColor->SetPosition(Lum);
    CBClip->SetChecked(Shadow->Clip());
    EnableSmooth();
    BShadowColor->LinkProperty(Shadow, QStringLiteral("Color"));
    FRefreshing = false;
}

void TTeeShadowEditor::CBVisibleClick(TObject*) {
    if (!Shadow) return;
    Shadow->SetVisible(CBVisible->Checked());
    EnableSizes();
}

void TTeeShadowEditor::CBSmoothClick(TObject*) {
    if (!Shadow) return;
    Shadow->SetSmooth(CBSmooth->Checked());
    EnableSmooth();
}

void TTeeShadowEditor::CBClipClick(TObject*) {
    if (Shadow && !FRefreshing) Shadow->SetClip(CBClip->Checked());
}

void TTeeShadowEditor::Edit1Change(TObject*) {
    int V = 0;
    if (CanEdit() && ReadInt(Edit1, V)) Shadow->SetHorizSize(V);
}

void TTeeShadowEditor::EVertSizeChange(TObject*) {
    int V = 0;
    if (CanEdit() && ReadInt(EVertSize, V)) Shadow->SetVertSize(V);
}

void TTeeShadowEditor::EShadowTranspChange(TObject*) {
    int V = 0;
    if (CanEdit() && ReadInt(EShadowTransp, V)) Shadow->SetTransparency(V);
}

void TTeeShadowEditor::TBBlurChange(TObject*) {
    if (CanEdit()) Shadow->SetSmoothBlur(TBBlur->Position());
}

void TTeeShadowEditor::TBColorChange(TObject*) {
    if (!CanEdit()) return;
    Shadow->SetColor(HLSToColor(Hue, TBColor->Position(), Sat));
    BShadowColor->Repaint();
}

void TTeeShadowEditor::BShadowColorClick(TObject*) {
    if (Shadow) ColorToHLS(Shadow->Color(), Hue, Lum, Sat);
}

void EditTeeShadow(TComponent* AOwner, TTeeShadow* AShadow) {
    std::unique_ptr<TTeeShadowEditor> Editor(TeeCreateForm<TTeeShadowEditor>(AOwner));
    Editor->Shadow = AShadow;
    Editor->BOK->SetVisible(true);
    Editor->ShowModal();
}

TTeeShadowEditor* InsertTeeShadowEditor(TWinControl* Tab) {
    auto* Editor = new TTeeShadowEditor(nullptr);
    Editor->AfterConstruction();
    Editor->BOK->SetVisible(false);
    AddFormTo(Editor, Tab);
    return Editor;
}
