#include "platform/controls/Label.h"

#include "platform/controls/WinControl.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Gdi.h"

ORVO_IMPLEMENT_CLASS(TCustomLabel, TGraphicControl)
ORVO_IMPLEMENT_CLASS(TLabel, TCustomLabel)

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle = FControlStyle + TControlStyle{csOpaque, csReplicatable};
    SetBounds(0, 0, 65, 17);
    TControl::SetAutoSize(true);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    Invalidate();
}
void TCustomLabel::SetLayout(TTextLayout Value) {
    FLayout = Value;
    Invalidate();
}
void TCustomLabel::SetTransparent(bool Value) {
    FControlStyle = Value ? FControlStyle - TControlStyle{csOpaque} : FControlStyle + TControlStyle{csOpaque};
    Invalidate();
}
void TCustomLabel::SetWordWrap(bool Value) {
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}
void TCustomLabel::SetShowAccelChar(bool Value) {
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}
void TCustomLabel::SetAutoSize(bool Value) {
    TGraphicControl::SetAutoSize(Value);
    AdjustBounds();
}
void TCustomLabel::SetFocusControl(TWinControl* Value) {
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}
void TCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TCustomLabel::SetTextValue(const String& Value) {
    TGraphicControl::SetTextValue(Value);
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TCustomLabel::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_FONTCHANGED) {
        TGraphicControl::Dispatch(Message);
        AdjustBounds();
        return;
    }
    if (Message.Msg == CM_DIALOGCHAR && FFocusControl && Enabled() && FShowAccelChar) {
        // "&x" in the caption: the key moves the focus to FocusControl.
        if (IsAccelChar(QChar(char16_t(Message.WParam)), Caption()) && FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            Message.Result = 1;
            return;
        }
    }
    TGraphicControl::Dispatch(Message);
}

void TCustomLabel::AdjustBounds() {
    if (ComponentState().Contains(csLoading) || !AutoSize()) return;
    TBitmap measure(1, 1);
    TCanvas* c = measure.Canvas();
    c->SetFont(Font());
    c->TextHeight(QStringLiteral("Wg"));
    TRect r = Rect(0, 0, FWordWrap ? Width() : 0, 0);
    String text = Caption();
    if (text.isEmpty() || (FShowAccelChar && text == QStringLiteral("&"))) text = QStringLiteral(" ");
    UINT flags =
        DT_CALCRECT | DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0) | (FShowAccelChar ? 0 : DT_NOPREFIX);
    DrawTextW(c->Handle(), text, -1, &r, flags);
    int left = Left();
    // A right-aligned label keeps its right edge, a centred one its centre.
    if (!FWordWrap) {
        if (FAlignment == taRightJustify)
            left += Width() - r.Width();
        else if (FAlignment == taCenter)
            left += (Width() - r.Width()) / 2;
    }
    SetBounds(left, Top(), r.Width(), r.Height());
}

void TCustomLabel::Paint() {
    TCanvas* c = Canvas();
    const TRect r = ClientRect();
    if (!Transparent()) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(Color());
        c->FillRect(r);
    }
    c->Brush()->SetStyle(bsClear);
    c->SetFont(Font());
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    DrawControlText(c, r, Caption(), FAlignment, FLayout, FWordWrap, !FShowAccelChar);
}

ORVO_PUBLISHED(TLabel) {
    PublishControlBasics(P);
    P.Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify);
    P.Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
    P.Property("Caption", &TLabel::Caption, &TLabel::SetCaption);
    P.Property("Color", &TLabel::Color, &TLabel::SetColor).Type(TypeInfoTColor());
    P.Property("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
    P.Property("Layout", &TLabel::Layout, &TLabel::SetLayout).Default(tlTop);
    P.Property("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true);
    P.Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false);
    P.Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false);
}
