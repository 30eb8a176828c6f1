#include "chart/engine/widgets/ComboFlat.h"

#include "chart/engine/canvas/CanvasGeometry.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Messages.h"
#include "platform/controls/Screen.h"
#include "platform/controls/StdControlTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/win/Locale.h"

ORVO_IMPLEMENT_CLASS(TComboFlat, TComboBox)

TComboFlat::TComboFlat(TComponent* AOwner) : TComboBox(AOwner) {
    SetHeight(21);
    SetItemHeight(13);
    SetStyle(csDropDownList);
    if (IsJapaneseLocale()) {
        Font()->SetName(GetDefaultFontName);
        Font()->SetSize(GetDefaultFontSize);
    }
}

void TComboFlat::Add(const String& Item) {
    Items()->Add(Item);
}

String TComboFlat::CurrentItem() const {
    const int i = ItemIndex();
    return i < 0 ? String() : Items()->Strings(i);
}

TObject* TComboFlat::SelectedObject() const {
    const int i = ItemIndex();
    return i < 0 ? nullptr : Items()->Objects(i);
}

int TComboFlat::DropDownWidth() {
    return int(Perform(CB_GETDROPPEDWIDTH));
}

void TComboFlat::SetDropDownWidth(int Value) {
    Perform(CB_SETDROPPEDWIDTH, WPARAM(Value));
}

void TComboFlat::SetInside(bool Value) {
    FInside = Value;
    Invalidate();
}

void TComboFlat::Paint() {
    TComboBox::Paint();
    if (FInside || Focused()) return;
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(clBtnFace);
    c->Rectangle(r);
    c->Rectangle(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1));
    // The drop-down button: framed in the window colour, with a line just inside its
    // right edge.
    const TRect button{r.Right - (GetSystemMetrics(SM_CXSIZE) + 2), r.Top + 1, r.Right - 1, r.Bottom - 1};
    c->Pen()->SetColor(clWindow);
    c->Rectangle(button);
    c->MoveTo(button.Right - 2, button.Top);
    c->LineTo(button.Right - 2, button.Bottom);
}

void TComboFlat::Dispatch(TMessage& Message) {
    TComboBox::Dispatch(Message);
    if (Message.Msg == CM_MOUSEENTER)
        SetInside(true);
    else if (Message.Msg == CM_MOUSELEAVE)
        SetInside(false);
}

void TComboFlat::DoEnter() {
    TComboBox::DoEnter();
    SetInside(false);
}

void TComboFlat::DoExit() {
    TComboBox::DoExit();
    SetInside(false);
}

ORVO_PUBLISHED(TComboFlat) {
    P.Property("ItemHeight", &TComboFlat::ItemHeight, &TComboFlat::SetItemHeight).Default(13);
    P.Property("ItemIndex", &TComboFlat::ItemIndex, &TComboFlat::SetItemIndex).Default(-1);
    P.Property("Style", &TComboFlat::Style, &TComboFlat::SetStyle).Default(csDropDownList);
    P.Property("DropDownWidth", &TComboFlat::DropDownWidth, &TComboFlat::SetDropDownWidth)
        .Stored([](TComboFlat* c) { return c->Parent() && c->DropDownWidth() != c->Width(); });
}
