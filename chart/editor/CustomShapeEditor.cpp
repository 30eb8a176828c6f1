#include "chart/editor/CustomShapeEditor.h"

#include "chart/editor/BackImageEditor.h"
#include "chart/editor/BrushDialog.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/TeeFontEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/panel/TeeShape.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/IntText.h"

#include <memory>

ORVO_IMPLEMENT_CLASS(TFormTeeShape, TForm)

ORVO_PUBLISHED(TFormTeeShape) {
    using T = TFormTeeShape;
    P.Field("PC1", &T::PC1);
    P.Field("TabFormat", &T::TabFormat);
    P.Field("Label1", &T::Label1);
    P.Field("BBackColor", &T::BBackColor);
    P.Field("Button6", &T::Button6);
    P.Field("CBTransparent", &T::CBTransparent);
    P.Field("EShadowTransp", &T::EShadowTransp);
    P.Field("UDTransp", &T::UDTransp);
    P.Field("TabBorder", &T::TabBorder);
    P.Field("Label2", &T::Label2);
    P.Field("Label3", &T::Label3);
    P.Field("Label4", &T::Label4);
    P.Field("Button4", &T::Button4);
    P.Field("CBBevel", &T::CBBevel);
    P.Field("EBevWidth", &T::EBevWidth);
    P.Field("UDBevW", &T::UDBevW);
    P.Field("CBRound", &T::CBRound);
    P.Field("ERoundSize", &T::ERoundSize);
    P.Field("UDRound", &T::UDRound);
    P.Field("TabText", &T::TabText);
    P.Field("TabGradient", &T::TabGradient);
    P.Field("TabShadow", &T::TabShadow);
    P.Field("TabPicture", &T::TabPicture);
    P.Method("FormShow", &T::FormShow);
    P.Method("PC1PageChange", &T::PC1PageChange);
    P.Method("Button6Click", &T::Button6Click);
    P.Method("CBTransparentClick", &T::CBTransparentClick);
    P.Method("EShadowTranspChange", &T::EShadowTranspChange);
    P.Method("CBBevelChange", &T::CBBevelChange);
    P.Method("EBevWidthChange", &T::EBevWidthChange);
    P.Method("CBRoundClick", &T::CBRoundClick);
    P.Method("ERoundSizeChange", &T::ERoundSizeChange);
}

TFormTeeShape::TFormTeeShape(TComponent* AOwner) : TForm(AOwner) {}

TFormTeeShape::~TFormTeeShape() {
    // The editors inserted without owner go with this form, unless their page (lent to a
    // host's page control) went first: then their free notification has cleared them.
    for (TCustomForm* Inserted :
         {static_cast<TCustomForm*>(FFontEditor), static_cast<TCustomForm*>(FGradientEditor),
          static_cast<TCustomForm*>(FShadowEditor), static_cast<TCustomForm*>(FImageEditor)})
        if (Inserted) {
            Inserted->RemoveFreeNotification(this);
            FreeObject(Inserted);
        }
}

void TFormTeeShape::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FFontEditor) FFontEditor = nullptr;
    if (AComponent == FGradientEditor) FGradientEditor = nullptr;
    if (AComponent == FShadowEditor) FShadowEditor = nullptr;
    if (AComponent == FImageEditor) FImageEditor = nullptr;
}

TFormTeeShape* TFormTeeShape::CreateForm(TComponent* AOwner, TTeeCustomShape* Shape, TWinControl* Parent) {
    auto* Form = new TFormTeeShape(AOwner);
    Form->AfterConstruction();
    PositionToCenter(Form);
    Form->TheShape = Shape;
    if (Parent) {
        Form->SetBorderStyle(bsNone);
        Form->SetParent(Parent);
        TeeTranslateControl(Form);
        Form->SetAlign(alClient);
        Form->Show();
    }
    return Form;
}

void TFormTeeShape::FormShow(TObject*) {
    PC1->SetActivePage(TabFormat);
    if (TheShape) RefreshControls(TheShape);
    TeeTranslateControl(this);
}

void TFormTeeShape::EnableBevel() {
    const bool On = TheShape && TheShape->Bevel() != bvNone;
    EBevWidth->SetEnabled(On);
    UDBevW->SetEnabled(On);
}

void TFormTeeShape::EnableRound() {
    UDRound->SetEnabled(CBRound->Checked());
    ERoundSize->SetEnabled(UDRound->Enabled());
}

void TFormTeeShape::RefreshControls(TTeeCustomShape* Shape) {
    CreatingForm = true;
    TheShape = Shape;
    CBRound->SetChecked(Shape->ShapeStyle() == fosRoundRectangle);
    UDRound->SetPosition(Shape->RoundSize());
    CBTransparent->SetChecked(Shape->Transparent());
    CBBevel->SetItemIndex(int(Shape->Bevel()));
    UDBevW->SetPosition(Shape->BevelWidth());
    UDTransp->SetPosition(Shape->Transparency());
    if (FGradientEditor) FGradientEditor->RefreshGradient(Shape->Gradient());
    if (FFontEditor) FFontEditor->RefreshControls(Shape->Font());
    if (FShadowEditor) FShadowEditor->RefreshControls(Shape->Shadow());
    if (FImageEditor) FImageEditor->RefreshControls(Shape->Picture());
    Button4->LinkPen(Shape->Frame());
    BBackColor->LinkProperty(Shape, QStringLiteral("Color"));
    EnableBevel();
    EnableRound();
    CreatingForm = false;
}

void TFormTeeShape::Button6Click(TObject*) {
    if (TheShape) EditChartBrush(this, TheShape->Brush());
}

void TFormTeeShape::CBTransparentClick(TObject*) {
    if (TheShape && !CreatingForm) TheShape->SetTransparent(CBTransparent->Checked());
}

void TFormTeeShape::EShadowTranspChange(TObject*) {
    int V = 0;
    if (TheShape && !CreatingForm && TryStrToInt(EShadowTransp->Text().trimmed(), V))
        TheShape->SetTransparency(V);
}

void TFormTeeShape::CBBevelChange(TObject*) {
    if (!TheShape || CBBevel->ItemIndex() < 0) return;
    TheShape->SetBevel(TBevelCut(CBBevel->ItemIndex()));
    EnableBevel();
}

void TFormTeeShape::EBevWidthChange(TObject*) {
    int V = 0;
    if (TheShape && !CreatingForm && TryStrToInt(EBevWidth->Text().trimmed(), V)) TheShape->SetBevelWidth(V);
}

void TFormTeeShape::CBRoundClick(TObject*) {
    if (!TheShape) return;
    if (!CreatingForm) TheShape->SetShapeStyle(CBRound->Checked() ? fosRoundRectangle : fosRectangle);
    EnableRound();
}

void TFormTeeShape::ERoundSizeChange(TObject*) {
    int V = 0;
    if (TheShape && !CreatingForm && TryStrToInt(ERoundSize->Text().trimmed(), V)) TheShape->SetRoundSize(V);
}

void TFormTeeShape::PC1PageChange(TObject*) {
    PC1Change(PC1);
}

void TFormTeeShape::PC1Change(TPageControl* PageControl) {
    TTabSheet* Page = PageControl ? PageControl->ActivePage() : nullptr;
    if (!Page || Page->ControlCount() > 0) return;
    if (Page == TabText) {
        FFontEditor = InsertTeeFontEditor(TabText);
        FFontEditor->FreeNotification(this);
        if (TheShape) FFontEditor->RefreshControls(TheShape->Font());
    } else if (Page == TabGradient && TheShape) {
        if (!FGradientEditor) {
            FGradientEditor = new TTeeGradientEditor(nullptr, TheShape->Gradient());
            FGradientEditor->AfterConstruction();
            FGradientEditor->FreeNotification(this);
        }
        AddFormTo(FGradientEditor, TabGradient, TheShape->Gradient());
    } else if (Page == TabShadow) {
        FShadowEditor = InsertTeeShadowEditor(TabShadow);
        FShadowEditor->FreeNotification(this);
        if (TheShape) FShadowEditor->RefreshControls(TheShape->Shadow());
    } else if (Page == TabPicture) {
        FImageEditor = InsertImageEditor(TabPicture);
        FImageEditor->FreeNotification(this);
        if (TheShape) FImageEditor->RefreshControls(TheShape->Picture());
    }
}

TFormTeeShape* InsertTeeObjectForm(TPageControl* PageControl, TTeeCustomShape* Shape) {
    auto* Form = new TFormTeeShape(nullptr);
    Form->AfterConstruction();
    Form->TheShape = Shape;
    Form->SetBorderStyle(bsNone);
    Form->SetParent(PageControl);
    Form->SetAlign(alClient);
    TeeScaleForm(Form);
    while (Form->PC1->PageCount() > 0)
        Form->PC1->Pages(0)->SetPageControl(PageControl);
    if (PageControl->PageCount() > 0) PageControl->SetActivePage(PageControl->Pages(0));
    TeeTranslateControl(Form);
    Form->RefreshControls(Shape);
    return Form;
}

void EditTeeCustomShape(TComponent* AOwner, TTeeCustomShape* Shape, bool HideTextAndShadow) {
    std::unique_ptr<TFormTeeShape> Form(new TFormTeeShape(AOwner));
    Form->AfterConstruction();
    PositionToCenter(Form.get());
    Form->TheShape = Shape;
    Form->SetBorderStyle(bsDialog);
    Form->SetHeight(Form->Height() + 30);
    auto* Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    Panel->SetHeight(34);
    Panel->SetAlign(alBottom);
    Panel->SetBevelOuter(bvNone);
    auto* OK = new TButton(Form.get());
    OK->SetParent(Panel);
    OK->SetCaption(QStringLiteral("OK"));
    OK->SetModalResult(mrOk);
    OK->SetBounds(Form->ClientWidth() - 98, 4, 75, 25);
    if (HideTextAndShadow) {
        Form->TabText->SetTabVisible(false);
        Form->TabShadow->SetTabVisible(false);
    }
    Form->ShowModal();
}
