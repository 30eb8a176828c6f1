#include "platform/controls/GroupBox.h"

#include "platform/graphics/Bitmap.h"

ORVO_IMPLEMENT_CLASS(TCustomGroupBox, TCustomControl)
ORVO_IMPLEMENT_CLASS(TGroupBox, TCustomGroupBox)

TCustomGroupBox::TCustomGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,     csSetCaption,
                     csDoubleClicks,    csReplicatable, csParentBackground};
    SetBounds(0, 0, 185, 105);
}

int TCustomGroupBox::CaptionHeight() const {
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(Font());
    return measure.Canvas()->TextHeight(QStringLiteral("0"));
}

void TCustomGroupBox::AdjustClientRect(TRect& Rect) {
    TCustomControl::AdjustClientRect(Rect);
    Rect = ::Rect(Rect.Left + 1, Rect.Top + CaptionHeight(), Rect.Right - 1, Rect.Bottom - 1);
}

void TCustomGroupBox::SetTextValue(const String& Value) {
    TCustomControl::SetTextValue(Value);
    Invalidate();
}

void TCustomGroupBox::Paint() {
    TCanvas* c = Canvas();
    c->SetFont(Font());
    const int h = c->TextHeight(QStringLiteral("0"));
    TRect frame = Rect(0, h / 2, Width(), Height());
    TRect inner = Rect(frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom);
    Frame3D(c, inner, clBtnHighlight, clBtnHighlight, 1);
    TRect outer = Rect(frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1);
    Frame3D(c, outer, clBtnShadow, clBtnShadow, 1);
    if (Caption().isEmpty()) return;
    // The caption interrupts the top line.
    const int w = c->TextWidth(Caption());
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    const TRect text = Bounds(8, 0, w + 2, h);
    c->FillRect(text);
    c->Brush()->SetStyle(bsClear);
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    DrawControlText(c, Rect(text.Left + 1, 0, text.Right + 1, h), Caption(), taLeftJustify, tlTop, false);
}

ORVO_PUBLISHED(TGroupBox) {
    PublishWinControlBasics(P);
    P.Property("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption);
    P.Property("Color", &TGroupBox::Color, &TGroupBox::SetColor).Type(TypeInfoTColor());
    P.Property("OnResize", &TGroupBox::OnResize);
}
