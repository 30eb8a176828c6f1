#include "chart/editor/TeeSelectList.h"

#include "chart/editor/TeePenDlg.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Panel.h"
#include "platform/controls/SpeedButton.h"
#include "platform/graphics/Bitmap.h"

ORVO_IMPLEMENT_CLASS(TSelectListForm, TForm)

ORVO_PUBLISHED(TSelectListForm) {
    using S = TSelectListForm;
    P.Field("PanelFrom", &S::PanelFrom);
    P.Field("L22", &S::L22);
    P.Field("FromList", &S::FromList);
    P.Field("PanelButtons", &S::PanelButtons);
    P.Field("BRightOne", &S::BRightOne);
    P.Field("BRightAll", &S::BRightAll);
    P.Field("BLeftOne", &S::BLeftOne);
    P.Field("BLeftAll", &S::BLeftAll);
    P.Field("PanelTo", &S::PanelTo);
    P.Field("L23", &S::L23);
    P.Field("ToList", &S::ToList);
    P.Field("BMoveUP", &S::BMoveUP);
    P.Field("BMoveDown", &S::BMoveDown);
    P.Method("FormCreate", &S::FormCreate);
    P.Method("FormShow", &S::FormShow);
    P.Method("BRightOneClick", &S::BRightOneClick);
    P.Method("BRightAllClick", &S::BRightAllClick);
    P.Method("BLeftOneClick", &S::BLeftOneClick);
    P.Method("BLeftAllClick", &S::BLeftAllClick);
    P.Method("BMoveUPClick", &S::BMoveUPClick);
    P.Method("BMoveDownClick", &S::BMoveDownClick);
    P.Method("FromListDblClick", &S::FromListDblClick);
    P.Method("ToListDblClick", &S::ToListDblClick);
    P.Method("ListClick", &S::ListClick);
}

TSelectListForm::TSelectListForm(TComponent* AOwner) : TForm(AOwner) {}

void TSelectListForm::FormCreate(TObject*) {
    SetAlign(alClient);
    TeeLoadArrowBitmaps(BMoveUP->Glyph(), BMoveDown->Glyph());
    EnableButtons();
}

void TSelectListForm::EnableButtons() {
    const bool canChoose = FromList->Items()->Count() > 0;
    const bool chosen = ToList->Items()->Count() > 0;
    BRightOne->SetEnabled(canChoose);
    BRightAll->SetEnabled(canChoose);
    BLeftOne->SetEnabled(chosen);
    BLeftAll->SetEnabled(chosen);
    const int current = ToList->ItemIndex();
    BMoveUP->SetEnabled(current > 0);
    BMoveDown->SetEnabled(current >= 0 && current < ToList->Items()->Count() - 1);
}

void TSelectListForm::Changed() {
    EnableButtons();
    if (OnChange) OnChange(this);
}

void TSelectListForm::BRightOneClick(TObject*) {
    MoveList(FromList, ToList);
    if (FromList->Items()->Count() == 0 && ToList->CanFocus()) ToList->SetFocus();
    Changed();
}

void TSelectListForm::BRightAllClick(TObject*) {
    MoveListAll(FromList->Items(), ToList->Items());
    Changed();
}

void TSelectListForm::BLeftOneClick(TObject*) {
    MoveList(ToList, FromList);
    Changed();
}

void TSelectListForm::BLeftAllClick(TObject*) {
    MoveListAll(ToList->Items(), FromList->Items());
    Changed();
}

void TSelectListForm::Exchange(int Delta) {
    const int current = ToList->ItemIndex();
    const int other = current + Delta;
    if (current < 0 || other < 0 || other >= ToList->Items()->Count()) return;
    ToList->Items()->Exchange(current, other);
    if (ToList->MultiSelect()) ToList->ClearSelection();
    ToList->SetItemIndex(other);
    if (ToList->MultiSelect()) ToList->SetSelected(other, true);
    if (ToList->CanFocus()) ToList->SetFocus();
    Changed();
}

void TSelectListForm::BMoveUPClick(TObject*) {
    Exchange(-1);
}

void TSelectListForm::BMoveDownClick(TObject*) {
    Exchange(1);
}

void TSelectListForm::FromListDblClick(TObject*) {
    MoveList(FromList, ToList);
    const int last = ToList->Items()->Count() - 1;
    if (last >= 0) {
        if (ToList->MultiSelect()) ToList->ClearSelection();
        ToList->SetItemIndex(last);
        if (ToList->MultiSelect()) ToList->SetSelected(last, true);
    }
    Changed();
}

void TSelectListForm::ToListDblClick(TObject*) {
    MoveList(ToList, FromList);
    Changed();
}

void TSelectListForm::ListClick(TObject*) {
    EnableButtons();
}

void TSelectListForm::FormShow(TObject*) {
    EnableButtons();
    if (FromList->Items()->Count() > 0) {
        if (FromList->CanFocus()) FromList->SetFocus();
    } else if (ToList->CanFocus()) {
        ToList->SetFocus();
    }
}
