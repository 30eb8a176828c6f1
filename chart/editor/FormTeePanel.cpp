#include "chart/editor/FormTeePanel.h"

#include "chart/editor/BackImageEditor.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/UpDown.h"

ORVO_IMPLEMENT_CLASS(TFormTeePanel, TForm)

ORVO_PUBLISHED(TFormTeePanel) {
    using S = TFormTeePanel;
#define F(name) P.Field(#name, &S::name)
    F(PageControl1);
    F(TabColor);
    F(BPanelColor);
    F(CBColorDef);
    F(CBImageInside);
    F(TabBorders);
    F(LPanelBor);
    F(SEPanelBor);
    F(UDPanelBor);
    F(LPanelWi);
    F(SEPanelWi);
    F(UDPanelWi);
    F(LRound);
    F(ERound);
    F(UDRound);
    F(LInner);
    F(CBInner);
    F(LOuter);
    F(CBOuter);
    F(BBorder);
    F(TabMargins);
    F(SETopMa);
    F(UDTopMa);
    F(SELeftMa);
    F(UDLeftMa);
    F(SEBotMa);
    F(UDBotMa);
    F(SERightMa);
    F(UDRightMa);
    F(LMarUnits);
    F(CBMarUnits);
    F(TabGradient);
    F(TabShadow);
    F(TabImage);
#undef F
#define M(name) P.Method(#name, &S::name)
    M(FormShow);
    M(PageControl1Change);
    M(BPanelColorClick);
    M(CBColorDefClick);
    M(CBImageInsideClick);
    M(SEPanelBorChange);
    M(SEPanelWiChange);
    M(ERoundChange);
    M(CBInnerChange);
    M(CBOuterChange);
    M(SETopMaChange);
    M(SELeftMaChange);
    M(SEBotMaChange);
    M(SERightMaChange);
    M(CBMarUnitsChange);
#undef M
}

TFormTeePanel::TFormTeePanel(TComponent* AOwner) : TForm(AOwner) {}

TFormTeePanel::TFormTeePanel(TComponent* AOwner, TCustomTeePanelExtended* Panel)
    : TForm(AOwner), ThePanel(Panel) {}

void TFormTeePanel::AfterConstruction() {
    TForm::AfterConstruction();
    PageControl1->SetActivePage(TabColor);
}

TFormTeePanel* TFormTeePanel::InsertAt(TComponent* AOwner, TWinControl* Parent,
                                       TCustomTeePanelExtended* Panel) {
    auto* page = new TFormTeePanel(AOwner, Panel);
    page->AfterConstruction();
    page->SetAlign(alClient);
    TeeTranslateControl(page);
    AddFormTo(page, Parent);
    return page;
}

void TFormTeePanel::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FGradientEditor) FGradientEditor = nullptr;
}

int TFormTeePanel::EditValue(TEdit* Edit, TUpDown* UpDown) const {
    bool ok = false;
    const int v = Edit->Text().trimmed().toInt(&ok);
    return ok ? v : UpDown->Position();
}

TUpDown* TFormTeePanel::MarginUpDown(int Index) const {
    switch (Index) {
    case 0:
        return UDLeftMa;
    case 1:
        return UDTopMa;
    case 2:
        return UDRightMa;
    default:
        return UDBotMa;
    }
}

void TFormTeePanel::FormShow(TObject*) {
    if (!ThePanel) return;
    FFilling = true;
    CBInner->SetItemIndex(int(ThePanel->BevelInner()));
    CBOuter->SetItemIndex(int(ThePanel->BevelOuter()));
    BBorder->LinkPen(ThePanel->Border());
    UDRound->SetPosition(ThePanel->BorderRound());
    UDPanelWi->SetPosition(ThePanel->BevelWidth());
    UDPanelBor->SetPosition(ThePanel->BorderWidth());
    CBImageInside->SetChecked(ThePanel->BackImageInside());
    CBMarUnits->SetItemIndex(ThePanel->MarginUnits() == muPercent ? 0 : 1);
    // The ranges first, so that pixel margins are not clamped into the percent range.
    SetMarginRanges();
    UDTopMa->SetPosition(ThePanel->MarginTop());
    UDLeftMa->SetPosition(ThePanel->MarginLeft());
    UDBotMa->SetPosition(ThePanel->MarginBottom());
    UDRightMa->SetPosition(ThePanel->MarginRight());
    FFilling = false;
    RefreshColorDefault();
    BPanelColor->LinkProperty(ThePanel, QStringLiteral("Color"));
    if (FGradientEditor) FGradientEditor->SetVisible(true);
    PageControl1->SetActivePage(TabColor);
}

void TFormTeePanel::SetMarginRanges() {
    const bool pixels = ThePanel && ThePanel->MarginUnits() == muPixels;
    for (TUpDown* u : {UDTopMa, UDLeftMa, UDBotMa, UDRightMa}) {
        u->SetMin(pixels ? -2000 : 0);
        u->SetMax(pixels ? 2000 : 100);
    }
}

void TFormTeePanel::RefreshColorDefault() {
    if (!ThePanel) return;
    Changing = true;
    CBColorDef->SetChecked(ThePanel->Color() == clBtnFace);
    CBColorDef->SetEnabled(!CBColorDef->Checked());
    Changing = false;
}

void TFormTeePanel::BPanelColorClick(TObject*) {
    if (!ThePanel) return;
    ThePanel->Repaint();
    RefreshColorDefault();
}

void TFormTeePanel::CBColorDefClick(TObject*) {
    if (!ThePanel || Changing) return;
    ThePanel->SetColor(clBtnFace);
    RefreshColorDefault();
    BPanelColor->Repaint();
}

void TFormTeePanel::CBImageInsideClick(TObject*) {
    if (ThePanel && !FFilling) ThePanel->SetBackImageInside(CBImageInside->Checked());
}

void TFormTeePanel::SEPanelBorChange(TObject*) {
    if (!ThePanel || FFilling || !Showing()) return;
    const int v = EditValue(SEPanelBor, UDPanelBor);
    if (v != ThePanel->BorderWidth()) ThePanel->SetBorderWidth(v);
}

void TFormTeePanel::SEPanelWiChange(TObject*) {
    if (!ThePanel || FFilling || !Showing()) return;
    const int v = EditValue(SEPanelWi, UDPanelWi);
    if (v != ThePanel->BevelWidth()) ThePanel->SetBevelWidth(v);
}

void TFormTeePanel::ERoundChange(TObject*) {
    if (!ThePanel || FFilling || !Showing()) return;
    const int v = EditValue(ERound, UDRound);
    if (v != ThePanel->BorderRound()) ThePanel->SetBorderRound(v);
}

void TFormTeePanel::CBInnerChange(TObject*) {
    const int index = CBInner->ItemIndex();
    if (ThePanel && !FFilling && index >= 0 && TBevelCut(index) != ThePanel->BevelInner())
        ThePanel->SetBevelInner(TBevelCut(index));
}

void TFormTeePanel::CBOuterChange(TObject*) {
    const int index = CBOuter->ItemIndex();
    if (ThePanel && !FFilling && index >= 0 && TBevelCut(index) != ThePanel->BevelOuter())
        ThePanel->SetBevelOuter(TBevelCut(index));
}

// In percent two opposite margins must leave something of the chart: a value that makes
// them reach 100 is refused and the box shows the margin's value again.
void TFormTeePanel::ChangeMargin(int Index, TEdit* Edit, TUpDown* UpDown) {
    if (!ThePanel || FFilling || !Showing()) return;
    const int v = EditValue(Edit, UpDown);
    if (ThePanel->MarginUnits() == muPixels || v + ThePanel->GetMargin((Index + 2) % 4) < 100) {
        ThePanel->SetMargin(Index, v);
        return;
    }
    const int current = ThePanel->GetMargin(Index);
    FFilling = true;
    UpDown->SetPosition(current);
    FFilling = false;
    ThePanel->SetMargin(Index, current);
}

void TFormTeePanel::SETopMaChange(TObject*) {
    ChangeMargin(1, SETopMa, UDTopMa);
}

void TFormTeePanel::SELeftMaChange(TObject*) {
    ChangeMargin(0, SELeftMa, UDLeftMa);
}

void TFormTeePanel::SEBotMaChange(TObject*) {
    ChangeMargin(3, SEBotMa, UDBotMa);
}

void TFormTeePanel::SERightMaChange(TObject*) {
    ChangeMargin(2, SERightMa, UDRightMa);
}

void TFormTeePanel::CBMarUnitsChange(TObject*) {
    if (!ThePanel || FFilling || CBMarUnits->ItemIndex() < 0) return;
    ThePanel->SetMarginUnits(CBMarUnits->ItemIndex() == 0 ? muPercent : muPixels);
    // The values stay as numbers; only the ranges change.
    FFilling = true;
    SetMarginRanges();
    for (int i = 0; i < 4; ++i)
        MarginUpDown(i)->SetPosition(ThePanel->GetMargin(i));
    FFilling = false;
}

void TFormTeePanel::PageControl1Change(TObject*) {
    TTabSheet* tab = PageControl1->ActivePage();
    if (!ThePanel || !tab || tab->ControlCount() > 0) return;
    if (tab == TabGradient) {
        // Owned by the page, so it goes with it.
        if (!FGradientEditor) {
            FGradientEditor = new TTeeGradientEditor(this, ThePanel->Gradient());
            FGradientEditor->AfterConstruction();
            FGradientEditor->FreeNotification(this);
        }
        AddFormTo(FGradientEditor, TabGradient, ThePanel->Gradient());
    } else if (tab == TabShadow) {
        InsertTeeShadowEditor(TabShadow)->RefreshControls(ThePanel->Shadow());
    } else if (tab == TabImage) {
        InsertImageEditor(TabImage)->RefreshControls(ThePanel->BackImage());
    }
}
