#include "chart/editor/FormTeeLegend.h"

#include "chart/editor/ButtonPen.h"
#include "chart/editor/CustomShapeEditor.h"
#include "chart/editor/StringsEditor.h"
#include "chart/editor/SymbolEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/UpDown.h"

ORVO_IMPLEMENT_CLASS(TFormTeeLegend, TForm)

ORVO_PUBLISHED(TFormTeeLegend) {
    using S = TFormTeeLegend;
#define F(name) P.Field(#name, &S::name)
    F(PageControl1);
    F(TabStyle);
    F(CBShow);
    F(CBInverted);
    F(LLegendStyle);
    F(CBLegendStyle);
    F(LLegStyle);
    F(CBLegStyle);
    F(BDivLines);
    F(LVertSpacing);
    F(EVertSpacing);
    F(UDVertSpacing);
    F(CBFontColor);
    F(CBCheckBoxes);
    F(TabPosition);
    F(RGPosition);
    F(CBResizeChart);
    F(LTopPos);
    F(SETopPos);
    F(UDTopPos);
    F(LMargin);
    F(SEMargin);
    F(UDMargin);
    F(CBCustPos);
    F(LCustLeft);
    F(ECustLeft);
    F(UDCustLeft);
    F(LCustTop);
    F(ECustTop);
    F(UDCustTop);
    F(CBPosPercent);
    F(TabSymbol);
    F(TabTitle);
    F(PageControlTitle);
    F(TabTitleOptions);
    F(LText);
    F(MemoText);
    F(LTextAlign);
    F(CBTextAlign);
    F(CBTitleVisible);
    F(Button1);
#undef F
#define M(name) P.Method(#name, &S::name)
    M(FormShow);
    M(PageControl1Change);
    M(PageControlTitleChange);
    M(CBShowClick);
    M(CBInvertedClick);
    M(CBLegendStyleChange);
    M(CBLegStyleChange);
    M(EVertSpacingChange);
    M(CBFontColorClick);
    M(CBCheckBoxesChange);
    M(RGPositionClick);
    M(CBResizeChartClick);
    M(SETopPosChange);
    M(SEMarginChange);
    M(CBCustPosClick);
    M(ECustLeftChange);
    M(ECustTopChange);
    M(CBPosPercentClick);
    M(MemoTextChange);
    M(CBTextAlignChange);
    M(CBTitleVisibleClick);
    M(Button1Click);
#undef M
}

TFormTeeLegend::TFormTeeLegend(TComponent* AOwner) : TForm(AOwner) {}

TFormTeeLegend::TFormTeeLegend(TComponent* AOwner, TCustomChartLegend* Legend)
    : TForm(AOwner), FLegend(Legend) {}

TFormTeeLegend::~TFormTeeLegend() {
    // The shape editors sit in the page controls and go with them; they must not call back.
    if (ITeeObject) ITeeObject->RemoveFreeNotification(this);
    if (ITitleObject) ITitleObject->RemoveFreeNotification(this);
}

void TFormTeeLegend::AfterConstruction() {
    TForm::AfterConstruction();
    PageControl1->SetActivePage(TabStyle);
    if (FLegend) SetLegend(FLegend);
}

void TFormTeeLegend::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == ITeeObject) ITeeObject = nullptr;
    if (AComponent == ITitleObject) ITitleObject = nullptr;
    if (AComponent == FSymbolEditor) FSymbolEditor = nullptr;
}

void TFormTeeLegend::SetLegend(TCustomChartLegend* Legend) {
    FLegend = Legend;
    if (!PageControl1) return;
    if (FLegend) {
        if (!ITeeObject) {
            ITeeObject = InsertTeeObjectForm(PageControl1, FLegend);
            ITeeObject->FreeNotification(this);
        } else {
            ITeeObject->RefreshControls(FLegend);
        }
        if (!ITitleObject) {
            ITitleObject = InsertTeeObjectForm(PageControlTitle, FLegend->Title());
            ITitleObject->FreeNotification(this);
        } else {
            ITitleObject->RefreshControls(FLegend->Title());
        }
        // The page opens on its own first tabs, not on the inserted ones.
        PageControl1->SetActivePage(TabStyle);
        PageControlTitle->SetActivePage(TabTitleOptions);
    }
    if (Showing()) RefreshControls();
}

int TFormTeeLegend::EditValue(TEdit* Edit, TUpDown* UpDown) const {
    bool ok = false;
    const int v = Edit->Text().trimmed().toInt(&ok);
    return ok ? v : UpDown->Position();
}

void TFormTeeLegend::FormShow(TObject*) {
    RefreshControls();
    CreatingForm = false;
    TeeTranslateControl(this);
}

void TFormTeeLegend::RefreshControls() {
    if (!FLegend) return;
    const bool old = CreatingForm;
    CreatingForm = true;
    UDTopPos->SetPosition(FLegend->TopPos());
    CBCustPos->SetChecked(FLegend->CustomPosition());
    CBPosPercent->SetChecked(FLegend->PositionUnits() == muPercent);
    RefreshPositions();
    CBFontColor->SetChecked(FLegend->FontSeriesColor());
    CBResizeChart->SetChecked(FLegend->ResizeChart());
    CBLegendStyle->SetItemIndex(int(FLegend->LegendStyle()));
    CBLegStyle->SetItemIndex(int(FLegend->TextStyle()));
    CBShow->SetChecked(FLegend->Visible());
    CBInverted->SetChecked(FLegend->Inverted());
    CBCheckBoxes->SetItemIndex(!FLegend->CheckBoxes() ? 0 : FLegend->CheckBoxesStyle() == cbsRadio ? 2 : 1);
    RGPosition->SetItemIndex(int(FLegend->Alignment()));
    UDVertSpacing->SetPosition(FLegend->VertSpacing());
    BDivLines->LinkPen(FLegend->DividingLines());
    UDMargin->SetPosition(FLegend->Vertical() ? FLegend->HorizMargin() : FLegend->VertMargin());
    EnablePositionControls();
    // One symbol editor for the page's life: a new one on every show would stack on the
    // old one in the Symbols tab.
    if (!FSymbolEditor) {
        FSymbolEditor = new TSymbolEditor(this);
        FSymbolEditor->AfterConstruction();
        FSymbolEditor->FreeNotification(this);
        AddFormTo(FSymbolEditor, TabSymbol, FLegend->Symbol());
    } else {
        FSymbolEditor->SetTag(reinterpret_cast<NativeInt>(FLegend->Symbol()));
    }
    FSymbolEditor->RefreshSymbol(FLegend->Symbol());
    MemoText->Lines()->Assign(FLegend->Title()->Text());
    CBTextAlign->SetItemIndex(TeeAlignmentRow(FLegend->Title()->TextAlignment()));
    CBTitleVisible->SetChecked(FLegend->Title()->Visible());
    if (ITeeObject) ITeeObject->RefreshControls(FLegend);
    if (ITitleObject) ITitleObject->RefreshControls(FLegend->Title());
    CreatingForm = old;
}

void TFormTeeLegend::RefreshPositions() {
    const bool old = CreatingForm;
    CreatingForm = true;
    if (FLegend->PositionUnits() == muPixels) {
        UDCustLeft->SetPosition(FLegend->Left());
        UDCustTop->SetPosition(FLegend->Top());
    } else {
        UDCustLeft->SetPosition(FLegend->LeftPercent());
        UDCustTop->SetPosition(FLegend->TopPercent());
    }
    CreatingForm = old;
}

void TFormTeeLegend::EnablePositionControls() {
    const bool custom = FLegend && FLegend->CustomPosition();
    for (TControl* c :
         std::initializer_list<TControl*>{ECustLeft, UDCustLeft, ECustTop, UDCustTop, CBPosPercent})
        c->SetEnabled(custom);
    for (TControl* c :
         std::initializer_list<TControl*>{CBResizeChart, SEMargin, UDMargin, SETopPos, UDTopPos})
        c->SetEnabled(!custom);
}

void TFormTeeLegend::PageControl1Change(TObject*) {
    if (ITeeObject) ITeeObject->PC1Change(PageControl1);
}

void TFormTeeLegend::PageControlTitleChange(TObject*) {
    if (ITitleObject) ITitleObject->PC1Change(PageControlTitle);
}

void TFormTeeLegend::CBShowClick(TObject*) {
    if (FLegend && !CreatingForm) FLegend->SetVisible(CBShow->Checked());
}

void TFormTeeLegend::CBInvertedClick(TObject*) {
    if (FLegend && !CreatingForm) FLegend->SetInverted(CBInverted->Checked());
}

void TFormTeeLegend::CBLegendStyleChange(TObject*) {
    if (FLegend && !CreatingForm && CBLegendStyle->ItemIndex() >= 0)
        FLegend->SetLegendStyle(TLegendStyle(CBLegendStyle->ItemIndex()));
}

void TFormTeeLegend::CBLegStyleChange(TObject*) {
    if (FLegend && !CreatingForm && CBLegStyle->ItemIndex() >= 0)
        FLegend->SetTextStyle(TLegendTextStyle(CBLegStyle->ItemIndex()));
}

void TFormTeeLegend::EVertSpacingChange(TObject*) {
    if (FLegend && !CreatingForm) FLegend->SetVertSpacing(EditValue(EVertSpacing, UDVertSpacing));
}

void TFormTeeLegend::CBFontColorClick(TObject*) {
    if (FLegend && !CreatingForm) FLegend->SetFontSeriesColor(CBFontColor->Checked());
}

void TFormTeeLegend::CBCheckBoxesChange(TObject*) {
    if (!FLegend || CreatingForm) return;
    const int index = CBCheckBoxes->ItemIndex();
    FLegend->SetCheckBoxes(index > 0);
    if (FLegend->CheckBoxes()) FLegend->SetCheckBoxesStyle(index == 1 ? cbsCheck : cbsRadio);
}

void TFormTeeLegend::RGPositionClick(TObject*) {
    if (FLegend && !CreatingForm && RGPosition->ItemIndex() >= 0)
        FLegend->SetAlignment(TLegendAlignment(RGPosition->ItemIndex()));
}

void TFormTeeLegend::CBResizeChartClick(TObject*) {
    if (FLegend && !CreatingForm) FLegend->SetResizeChart(CBResizeChart->Checked());
}

void TFormTeeLegend::SETopPosChange(TObject*) {
    if (FLegend && !CreatingForm) FLegend->SetTopPos(EditValue(SETopPos, UDTopPos));
}

void TFormTeeLegend::SEMarginChange(TObject*) {
    if (!FLegend || CreatingForm) return;
    const int v = EditValue(SEMargin, UDMargin);
    if (FLegend->Vertical())
        FLegend->SetHorizMargin(v);
    else
        FLegend->SetVertMargin(v);
}

void TFormTeeLegend::CBCustPosClick(TObject*) {
    if (!FLegend || CreatingForm) return;
    FLegend->SetCustomPosition(CBCustPos->Checked());
    if (FLegend->CustomPosition()) {
        FLegend->SetResizeChart(false);
        const bool old = CreatingForm;
        CreatingForm = true;
        CBResizeChart->SetChecked(false);
        CreatingForm = old;
    }
    RefreshPositions();
    EnablePositionControls();
}

void TFormTeeLegend::ECustLeftChange(TObject*) {
    if (!FLegend || CreatingForm || !FLegend->CustomPosition()) return;
    const int v = EditValue(ECustLeft, UDCustLeft);
    if (FLegend->PositionUnits() == muPixels)
        FLegend->SetLeft(v);
    else
        FLegend->SetLeftPercent(v);
}

void TFormTeeLegend::ECustTopChange(TObject*) {
    if (!FLegend || CreatingForm || !FLegend->CustomPosition()) return;
    const int v = EditValue(ECustTop, UDCustTop);
    if (FLegend->PositionUnits() == muPixels)
        FLegend->SetTop(v);
    else
        FLegend->SetTopPercent(v);
}

void TFormTeeLegend::CBPosPercentClick(TObject*) {
    if (!FLegend || CreatingForm) return;
    FLegend->SetPositionUnits(CBPosPercent->Checked() ? muPercent : muPixels);
    RefreshPositions();
}

// The title takes the memo's text split into lines at every line end (carriage return,
// line feed or both).
void TFormTeeLegend::MemoTextChange(TObject*) {
    if (FLegend && !CreatingForm) FLegend->Title()->Text()->SetText(MemoText->Text());
}

void TFormTeeLegend::CBTextAlignChange(TObject*) {
    TAlignment value;
    if (FLegend && !CreatingForm && TeeRowAlignment(CBTextAlign->ItemIndex(), value))
        FLegend->Title()->SetTextAlignment(value);
}

void TFormTeeLegend::CBTitleVisibleClick(TObject*) {
    if (FLegend && !CreatingForm) FLegend->Title()->SetVisible(CBTitleVisible->Checked());
}

void TFormTeeLegend::Button1Click(TObject*) {
    TeeEditStrings(this, MemoText->Lines());
}
