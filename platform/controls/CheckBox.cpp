#include "platform/controls/CheckBox.h"

#include "platform/graphics/Canvas.h"

ORVO_IMPLEMENT_CLASS(TCustomCheckBox, TButtonControl)
ORVO_IMPLEMENT_CLASS(TCheckBox, TCustomCheckBox)
ORVO_IMPLEMENT_CLASS(TRadioButton, TButtonControl)

namespace {

// The 13-pixel box or circle, then the caption beside it (right of it unless the control
// is left-aligned).
TRect drawMark(TCanvas* c, const TRect& client, TAlignment alignment, bool round, bool enabled) {
    const int size = 13;
    const int top = (client.Height() - size) / 2;
    const int left = alignment == taLeftJustify ? client.Right - size : 0;
    const TRect box = Bounds(left, top, size, size);
    c->Pen()->SetColor(clBtnShadow);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(enabled ? clWindow : clBtnFace);
    if (round)
        c->Ellipse(box);
    else
        c->Rectangle(box);
    return box;
}

void drawCaption(TCanvas* c, const TRect& client, const TRect& box, TAlignment alignment, const String& text,
                 TFont* font, bool enabled) {
    TRect r = client;
    if (alignment == taLeftJustify)
        r.Right = box.Left - 4;
    else
        r.Left = box.Right + 4;
    c->SetFont(font);
    if (!enabled) c->Font()->SetColor(clGrayText);
    c->Brush()->SetStyle(bsClear);
    DrawControlText(c, r, text, taLeftJustify, tlCenter, false);
}

} // namespace

// ---- TCustomCheckBox ---------------------------------------------------------------------------

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
    SetBounds(0, 0, 97, 17);
    FControlStyle = FControlStyle - TControlStyle{csDoubleClicks};
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
    if (FState == Value) return;
    FState = Value;
    Invalidate();
    // Every change of the state is a click, also one made by code (not while loading).
    if (!FClicksDisabled && !ComponentState().Contains(csLoading)) TButtonControl::Click();
}

void TCustomCheckBox::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    Invalidate();
}

void TCustomCheckBox::Toggle() {
    switch (FState) {
    case cbUnchecked:
        SetState(FAllowGrayed ? cbGrayed : cbChecked);
        break;
    case cbChecked:
        SetState(cbUnchecked);
        break;
    case cbGrayed:
        SetState(cbChecked);
        break;
    }
}

// A click of the user toggles; the OnClick comes from the change of state.
void TCustomCheckBox::Click() {
    Toggle();
}

void TCustomCheckBox::Paint() {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(client);
    const TRect box = drawMark(c, client, FAlignment, false, Enabled());
    if (FState != cbUnchecked) {
        c->Pen()->SetColor(FState == cbGrayed ? clGrayText : clWindowText);
        c->Pen()->SetWidth(2);
        c->MoveTo(box.Left + 3, box.Top + 6);
        c->LineTo(box.Left + 5, box.Top + 9);
        c->LineTo(box.Left + 10, box.Top + 3);
        c->Pen()->SetWidth(1);
    }
    drawCaption(c, client, box, FAlignment, Caption(), Font(), Enabled());
    if (Focused()) c->DrawFocusRect(client);
}

ORVO_PUBLISHED(TCheckBox) {
    PublishWinControlBasics(P);
    P.Property("Alignment", &TCheckBox::Alignment, &TCheckBox::SetAlignment).Default(taRightJustify);
    P.Property("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed).Default(false);
    P.Property("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption);
    P.Property("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Default(false);
    P.Property("Color", &TCheckBox::Color, &TCheckBox::SetColor).Type(TypeInfoTColor());
    P.Property("State", &TCheckBox::State, &TCheckBox::SetState).Default(cbUnchecked);
    P.Property("TabStop", &TCheckBox::TabStop, &TCheckBox::SetTabStop).Default(true);
}

// ---- TRadioButton ------------------------------------------------------------------------------

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    Invalidate();
    if (!Value) return;
    if (TWinControl* parent = Parent())
        for (TControl* c : parent->ControlList())
            if (auto* rb = dynamic_cast<TRadioButton*>(c); rb && rb != this) rb->SetChecked(false);
    if (!ComponentState().Contains(csLoading)) Click();
}

void TRadioButton::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    Invalidate();
}

void TRadioButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // A release inside checks the button (its OnClick comes with the check); the base
    // click then does not fire a second time.
    const bool check = Button == mbLeft && Pressed() && ClientRect().Contains(Point(X, Y));
    const TControlStyle style = FControlStyle;
    if (check) FControlStyle = FControlStyle - TControlStyle{csClickEvents};
    TButtonControl::MouseUp(Button, Shift, X, Y);
    FControlStyle = style;
    if (check) SetChecked(true);
}

void TRadioButton::KeyUp(Word& Key, TShiftState Shift) {
    if (Key == VK_SPACE) {
        Word k = Key;
        TCustomControl::KeyUp(k, Shift);
        SetChecked(true);
        return;
    }
    TButtonControl::KeyUp(Key, Shift);
}

void TRadioButton::Paint() {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(client);
    const TRect box = drawMark(c, client, FAlignment, true, Enabled());
    if (FChecked) {
        c->Brush()->SetColor(clWindowText);
        c->Pen()->SetColor(clWindowText);
        c->Ellipse(box.Left + 4, box.Top + 4, box.Right - 4, box.Bottom - 4);
    }
    drawCaption(c, client, box, FAlignment, Caption(), Font(), Enabled());
    if (Focused()) c->DrawFocusRect(client);
}

ORVO_PUBLISHED(TRadioButton) {
    PublishWinControlBasics(P);
    P.Property("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment).Default(taRightJustify);
    P.Property("Caption", &TRadioButton::Caption, &TRadioButton::SetCaption);
    P.Property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(false);
    P.Property("Color", &TRadioButton::Color, &TRadioButton::SetColor).Type(TypeInfoTColor());
}
