#include "chart/editor/CircledSeriesEditor.h"

#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/CircledSeries.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/IntText.h"

ORVO_IMPLEMENT_CLASS(TCircledSeriesEditor, TForm)

ORVO_PUBLISHED(TCircledSeriesEditor) {
    using T = TCircledSeriesEditor;
    P.Field("PageControl1", &T::PageControl1);
    P.Field("TabOptions", &T::TabOptions);
    P.Field("TabRadius", &T::TabRadius);
    P.Field("TabShadow", &T::TabShadow);
    P.Field("CBCircled", &T::CBCircled);
    P.Field("CB3D", &T::CB3D);
    P.Field("Label1", &T::Label1);
    P.Field("Edit1", &T::Edit1);
    P.Field("UDRot", &T::UDRot);
    P.Field("BBack", &T::BBack);
    P.Field("CBTransp", &T::CBTransp);
    P.Field("BGradient", &T::BGradient);
    P.Field("Label2", &T::Label2);
    P.Field("Edit2", &T::Edit2);
    P.Field("UDX", &T::UDX);
    P.Field("CBAutoXR", &T::CBAutoXR);
    P.Field("Label3", &T::Label3);
    P.Field("Edit3", &T::Edit3);
    P.Field("UDY", &T::UDY);
    P.Field("CBAutoYR", &T::CBAutoYR);
    P.Method("FormShow", &T::FormShow);
    P.Method("CBCircledClick", &T::CBCircledClick);
    P.Method("CB3DClick", &T::CB3DClick);
    P.Method("Edit1Change", &T::Edit1Change);
    P.Method("BBackClick", &T::BBackClick);
    P.Method("CBTranspClick", &T::CBTranspClick);
    P.Method("BGradientClick", &T::BGradientClick);
    P.Method("Edit2Change", &T::Edit2Change);
    P.Method("CBAutoXRClick", &T::CBAutoXRClick);
    P.Method("Edit3Change", &T::Edit3Change);
    P.Method("CBAutoYRClick", &T::CBAutoYRClick);
}

TCircledSeriesEditor::TCircledSeriesEditor(TComponent* AOwner) : TForm(AOwner) {}

TCircledSeriesEditor::~TCircledSeriesEditor() {
    // The shadow editor has no owner: it goes with this form unless its tab went first.
    if (FShadowEditor) {
        FShadowEditor->RemoveFreeNotification(this);
        FreeObject(FShadowEditor);
        FShadowEditor = nullptr;
    }
}

void TCircledSeriesEditor::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FShadowEditor) FShadowEditor = nullptr;
}

bool InsertSeriesEditorTab(TCustomForm* AForm, TCustomForm* AEditor, const String& ATabName, TObject* ATag) {
    auto* OwnTab = AForm ? dynamic_cast<TTabSheet*>(AForm->Parent()) : nullptr;
    TPageControl* Pages = OwnTab ? OwnTab->PageControl() : nullptr;
    if (!Pages) return false;
    auto* Tab = new TTabSheet(Pages);
    Tab->SetPageControl(Pages);
    Tab->SetCaption(ATabName);
    AddFormTo(AEditor, Tab, ATag);
    return true;
}

TCircledSeriesEditor* TCircledSeriesEditor::CreateForm(TCustomForm* AForm, TCircledSeries* ASeries) {
    auto* Editor = new TCircledSeriesEditor(nullptr);
    Editor->AfterConstruction();
    Editor->SetAlign(alClient);
    if (!InsertSeriesEditorTab(AForm, Editor, TeeMsg_GalleryCircled, ASeries)) {
        FreeObject(Editor);
        return nullptr;
    }
    return Editor;
}

void TCircledSeriesEditor::FormShow(TObject*) {
    Circled = dynamic_cast<TCircledSeries*>(TeeFormTagObject(this));
    if (!Circled) return;
    CreatingForm = true;
    CBCircled->SetChecked(Circled->Circled());
    TCustomAxisPanel* Chart = Circled->ParentChart();
    CB3D->SetChecked(Chart && Chart->View3D());
    CB3D->SetEnabled(Chart != nullptr);
    UDRot->SetPosition(Circled->RotationAngle());
    UDX->SetPosition(Circled->CustomXRadius());
    CBAutoXR->SetChecked(Circled->CustomXRadius() == 0);
    UDY->SetPosition(Circled->CustomYRadius());
    CBAutoYR->SetChecked(Circled->CustomYRadius() == 0);
    CBTransp->SetChecked(!Circled->HasBackColor());
    CBTransp->SetEnabled(!CBTransp->Checked());
    BBack->SetSymbolColor(Circled->CircleBackColor());
    BGradient->LinkGradient(Circled->CircleGradient());
    // The shadow editor is made once; a later show (every visit of an embedded form shows
    // it again) only refreshes it.
    if (!FShadowEditor) {
        FShadowEditor = InsertTeeShadowEditor(TabShadow);
        FShadowEditor->FreeNotification(this);
    }
    FShadowEditor->RefreshControls(Circled->Shadow());
    CreatingForm = false;
}

void TCircledSeriesEditor::CBCircledClick(TObject*) {
    if (CanEdit()) Circled->SetCircled(CBCircled->Checked());
}

void TCircledSeriesEditor::CB3DClick(TObject*) {
    if (CanEdit() && Circled->ParentChart()) Circled->ParentChart()->SetView3D(CB3D->Checked());
}

void TCircledSeriesEditor::Edit1Change(TObject*) {
    int V = 0;
    if (CanEdit() && Showing() && TryStrToInt(Edit1->Text().trimmed(), V)) Circled->SetRotationAngle(V);
}

void TCircledSeriesEditor::BBackClick(TObject*) {
    if (!Circled) return;
    Circled->SetCircleBackColor(BBack->SymbolColor());
    CBTransp->SetChecked(false);
    CBTransp->SetEnabled(true);
}

void TCircledSeriesEditor::CBTranspClick(TObject*) {
    if (!CanEdit() || !CBTransp->Checked()) return;
    Circled->SetCircleBackColor(clTeeColor);
    Circled->CircleGradient()->SetVisible(false);
    BBack->SetSymbolColor(clTeeColor);
    BBack->Repaint();
    BGradient->Repaint();
    CBTransp->SetEnabled(false);
}

void TCircledSeriesEditor::BGradientClick(TObject*) {
    if (!Circled || !Circled->CircleGradient()->Visible()) return;
    CBTransp->SetChecked(false);
    CBTransp->SetEnabled(true);
}

void TCircledSeriesEditor::RadiusChange(TEdit* Edit, TCheckBox* Auto, bool IsX) {
    int V = 0;
    if (!CanEdit() || !TryStrToInt(Edit->Text().trimmed(), V)) return;
    if (IsX)
        Circled->SetCustomXRadius(V);
    else
        Circled->SetCustomYRadius(V);
    const bool WasCreating = CreatingForm;
    CreatingForm = true;
    Auto->SetChecked(V == 0);
    CreatingForm = WasCreating;
}

void TCircledSeriesEditor::AutoRadiusClick(TCheckBox* Auto, TUpDown* UpDown, bool IsX) {
    if (!CanEdit() || !Auto->Checked()) return;
    if (IsX)
        Circled->SetCustomXRadius(0);
    else
        Circled->SetCustomYRadius(0);
    UpDown->SetPosition(0);
}

void TCircledSeriesEditor::Edit2Change(TObject*) {
    RadiusChange(Edit2, CBAutoXR, true);
}

void TCircledSeriesEditor::CBAutoXRClick(TObject*) {
    AutoRadiusClick(CBAutoXR, UDX, true);
}

void TCircledSeriesEditor::Edit3Change(TObject*) {
    RadiusChange(Edit3, CBAutoYR, false);
}

void TCircledSeriesEditor::CBAutoYRClick(TObject*) {
    AutoRadiusClick(CBAutoYR, UDY, false);
}
