#include "chart/editor/FormTeeTitle.h"

#include "chart/editor/CustomShapeEditor.h"
#include "chart/editor/StringsEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartTitles.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/UpDown.h"

ORVO_IMPLEMENT_CLASS(TFormTeeTitle, TForm)

ORVO_PUBLISHED(TFormTeeTitle) {
    using S = TFormTeeTitle;
#define F(name) P.Field(#name, &S::name)
    F(Panel1);
    F(CBTitles);
    F(PageControl1);
    F(TabStyle);
    F(CBVisible);
    F(CBAdjust);
    F(LAlign);
    F(CBAlign);
    F(LText);
    F(MText);
    F(Button1);
    F(TabPosition);
    F(CBCustPos);
    F(LCustLeft);
    F(ECustLeft);
    F(UDCustLeft);
    F(LCustTop);
    F(ECustTop);
    F(UDCustTop);
    F(LVertMargin);
    F(Edit1);
    F(UDVertMargin);
#undef F
#define M(name) P.Method(#name, &S::name)
    M(FormShow);
    M(CBTitlesChange);
    M(PageControl1Change);
    M(CBVisibleClick);
    M(CBAdjustClick);
    M(CBAlignChange);
    M(MTextChange);
    M(Button1Click);
    M(CBCustPosClick);
    M(ECustLeftChange);
    M(ECustTopChange);
    M(Edit1Change);
#undef M
}

TFormTeeTitle::TFormTeeTitle(TComponent* AOwner) : TForm(AOwner) {}

TFormTeeTitle::TFormTeeTitle(TComponent* AOwner, TChartTitle* Title, TCustomChart* Chart)
    : TForm(AOwner), TheChart(Chart), TheTitle(Title) {}

TFormTeeTitle::~TFormTeeTitle() {
    if (ITeeObject) ITeeObject->RemoveFreeNotification(this);
}

void TFormTeeTitle::AfterConstruction() {
    TForm::AfterConstruction();
    if (TheTitle) {
        ITeeObject = InsertTeeObjectForm(PageControl1, TheTitle);
        ITeeObject->FreeNotification(this);
    }
    PageControl1->SetActivePage(TabStyle);
}

void TFormTeeTitle::Notification(TComponent* AComponent, TOperation Operation) {
    TForm::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == ITeeObject) ITeeObject = nullptr;
}

int TFormTeeTitle::EditValue(TEdit* Edit, TUpDown* UpDown) const {
    bool ok = false;
    const int v = Edit->Text().trimmed().toInt(&ok);
    return ok ? v : UpDown->Position();
}

void TFormTeeTitle::FormShow(TObject*) {
    if (TheTitle) {
        int index = 3;
        if (TheChart && TheTitle == TheChart->Title())
            index = 0;
        else if (TheChart && TheTitle == TheChart->SubTitle())
            index = 1;
        else if (TheChart && TheTitle == TheChart->SubFoot())
            index = 2;
        CBTitles->SetItemIndex(index);
        RefreshControls();
    }
    CreatingForm = false;
}

void TFormTeeTitle::RefreshControls() {
    if (!TheTitle) return;
    const bool old = CreatingForm;
    CreatingForm = true;
    CBAlign->SetItemIndex(TeeAlignmentRow(TheTitle->Alignment()));
    CBVisible->SetChecked(TheTitle->Visible());
    CBAdjust->SetChecked(TheTitle->AdjustFrame());
    CBCustPos->SetChecked(TheTitle->CustomPosition());
    UDVertMargin->SetPosition(TheTitle->VertMargin());
    EnableCustomPosition();
    AssigningText = true;
    MText->Lines()->Assign(TheTitle->Text());
    AssigningText = false;
    if (ITeeObject) ITeeObject->RefreshControls(TheTitle);
    CreatingForm = old;
}

void TFormTeeTitle::EnableCustomPosition() {
    const bool old = CreatingForm;
    CreatingForm = true;
    const bool custom = TheTitle && TheTitle->CustomPosition();
    for (TControl* c : std::initializer_list<TControl*>{ECustLeft, UDCustLeft, ECustTop, UDCustTop})
        c->SetEnabled(custom);
    if (TheTitle) {
        UDCustLeft->SetPosition(TheTitle->Left());
        UDCustTop->SetPosition(TheTitle->Top());
    }
    CreatingForm = old;
}

void TFormTeeTitle::CBTitlesChange(TObject*) {
    if (!TheChart) return;
    switch (CBTitles->ItemIndex()) {
    case 0:
        TheTitle = TheChart->Title();
        break;
    case 1:
        TheTitle = TheChart->SubTitle();
        break;
    case 2:
        TheTitle = TheChart->SubFoot();
        break;
    case 3:
        TheTitle = TheChart->Foot();
        break;
    default:
        return;
    }
    RefreshControls();
}

void TFormTeeTitle::PageControl1Change(TObject*) {
    if (ITeeObject) ITeeObject->PC1Change(PageControl1);
}

void TFormTeeTitle::CBVisibleClick(TObject*) {
    if (TheTitle && !CreatingForm) TheTitle->SetVisible(CBVisible->Checked());
}

void TFormTeeTitle::CBAdjustClick(TObject*) {
    if (TheTitle && !CreatingForm) TheTitle->SetAdjustFrame(CBAdjust->Checked());
}

void TFormTeeTitle::CBAlignChange(TObject*) {
    TAlignment value;
    if (TheTitle && !CreatingForm && TeeRowAlignment(CBAlign->ItemIndex(), value)) TheTitle->SetAlignment(value);
}

// The memo's lines (ended by carriage return, line feed or both) become the title's when
// they differ from it.
void TFormTeeTitle::MTextChange(TObject*) {
    if (!TheTitle || AssigningText) return;
    TStringList lines;
    lines.SetText(MText->Text());
    if (lines.Text() != TheTitle->Text()->Text()) TheTitle->Text()->Assign(&lines);
}

void TFormTeeTitle::Button1Click(TObject*) {
    TeeEditStrings(this, MText->Lines());
}

void TFormTeeTitle::CBCustPosClick(TObject*) {
    if (!TheTitle || CreatingForm) return;
    TheTitle->SetCustomPosition(CBCustPos->Checked());
    EnableCustomPosition();
}

void TFormTeeTitle::ECustLeftChange(TObject*) {
    if (!TheTitle || CreatingForm || !TheTitle->CustomPosition()) return;
    const int v = EditValue(ECustLeft, UDCustLeft);
    if (v != TheTitle->Left()) TheTitle->SetLeft(v);
}

void TFormTeeTitle::ECustTopChange(TObject*) {
    if (!TheTitle || CreatingForm || !TheTitle->CustomPosition()) return;
    const int v = EditValue(ECustTop, UDCustTop);
    if (v != TheTitle->Top()) TheTitle->SetTop(v);
}

void TFormTeeTitle::Edit1Change(TObject*) {
    if (TheTitle && !CreatingForm && Showing()) TheTitle->SetVertMargin(EditValue(Edit1, UDVertMargin));
}
