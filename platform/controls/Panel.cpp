#include "platform/controls/Panel.h"

#include "platform/graphics/Canvas.h"

ORVO_IMPLEMENT_CLASS(TCustomPanel, TCustomControl)
ORVO_IMPLEMENT_CLASS(TPanel, TCustomPanel)

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents,  csSetCaption,
                     csOpaque,          csDoubleClicks, csReplicatable, csParentBackground};
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
    SetParentColor(false);
}

void TCustomPanel::Changed() {
    Realign();
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    Invalidate();
}
void TCustomPanel::SetVerticalAlignment(TVerticalAlignment Value) {
    FVerticalAlignment = Value;
    Invalidate();
}
void TCustomPanel::SetBevelInner(TBevelCut Value) {
    FBevelInner = Value;
    Changed();
}
void TCustomPanel::SetBevelOuter(TBevelCut Value) {
    FBevelOuter = Value;
    Changed();
}
void TCustomPanel::SetBevelWidth(TBevelWidth Value) {
    FBevelWidth = Value < 1 ? 1 : Value;
    Changed();
}
void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
    FBorderStyle = Value == bsNone ? bsNone : bsSingle;
    if (HandleAllocated())
        SetWindowStyle(FBorderStyle == bsSingle ? WindowStyle() | WS_BORDER : WindowStyle() & ~WS_BORDER);
    Changed();
}
void TCustomPanel::SetShowCaption(bool Value) {
    FShowCaption = Value;
    Invalidate();
}

void TCustomPanel::SetPanelColor(TColor Value) {
    SetColor(Value);
    const DWORD ex =
        Value == clNone ? WindowExStyle() | WS_EX_TRANSPARENT : WindowExStyle() & ~WS_EX_TRANSPARENT;
    if (ex != WindowExStyle()) SetWindowExStyle(ex);
    Invalidate();
}

void TCustomPanel::SetTextValue(const String& Value) {
    TCustomControl::SetTextValue(Value);
    Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    if (FBorderStyle == bsSingle) Params.Style |= WS_BORDER;
    if (Color() == clNone) Params.ExStyle |= WS_EX_TRANSPARENT;
    Params.WindowClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TCustomPanel::AdjustClientRect(TRect& Rect) {
    TCustomControl::AdjustClientRect(Rect);
    int inset = BorderWidth();
    if (FBorderStyle == bsSingle) inset += 1;
    if (FBevelOuter != bvNone) inset += FBevelWidth;
    if (FBevelInner != bvNone) inset += FBevelWidth;
    Rect = ::Rect(Rect.Left + inset, Rect.Top + inset, Rect.Right - inset, Rect.Bottom - inset);
}

void TCustomPanel::EraseBackground(HDC DC) {
    // A transparent panel shows what its parent painted.
    if (Color() == clNone) return;
    TCustomControl::EraseBackground(DC);
}

void TCustomPanel::Paint() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    if (FBorderStyle == bsSingle) {
        c->Brush()->SetColor(clWindowFrame);
        c->FrameRect(r);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
    DrawBevel(c, r, FBevelOuter, FBevelWidth);
    if (Color() != clNone) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(Color());
        c->FrameRect(Rect(r.Left, r.Top, r.Right, r.Bottom));
        const int bw = BorderWidth();
        for (int i = 1; i < bw; ++i)
            c->FrameRect(Rect(r.Left + i, r.Top + i, r.Right - i, r.Bottom - i));
    }
    r = Rect(r.Left + BorderWidth(), r.Top + BorderWidth(), r.Right - BorderWidth(),
             r.Bottom - BorderWidth());
    DrawBevel(c, r, FBevelInner, FBevelWidth);
    if (!FShowCaption || !ControlStyle().Contains(csSetCaption) || Caption().isEmpty()) return;
    c->SetFont(Font());
    c->Brush()->SetStyle(bsClear);
    const TTextLayout layout = FVerticalAlignment == taAlignTop      ? tlTop
                               : FVerticalAlignment == taAlignBottom ? tlBottom
                                                                     : tlCenter;
    DrawControlText(c, r, Caption(), FAlignment, layout, false);
}

ORVO_PUBLISHED(TPanel) {
    PublishWinControlBasics(P);
    P.Property("Alignment", &TPanel::Alignment, &TPanel::SetAlignment).Default(taCenter);
    P.Property("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner).Default(bvNone);
    P.Property("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).Default(bvRaised);
    P.Property("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1);
    P.Property("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0);
    P.Property("BorderStyle", &TPanel::BorderStyle, &TPanel::SetBorderStyle).Default(bsNone);
    P.Property("Caption", &TPanel::Caption, &TPanel::SetCaption);
    P.Property("Color", &TPanel::PanelColor, &TPanel::SetPanelColor)
        .Type(TypeInfoTColor())
        .Default(clBtnFace);
    P.Property("DoubleBuffered", &TPanel::DoubleBuffered, &TPanel::SetDoubleBuffered);
    P.Property("FullRepaint", &TPanel::FullRepaint, &TPanel::SetFullRepaint).Default(true);
    P.Property("Locked", &TPanel::Locked, &TPanel::SetLocked).Default(false);
    P.Property("ParentBackground", &TPanel::ParentBackground, &TPanel::SetParentBackground);
    P.Property("ShowCaption", &TPanel::ShowCaption, &TPanel::SetShowCaption).Default(true);
    P.Property("VerticalAlignment", &TPanel::VerticalAlignment, &TPanel::SetVerticalAlignment)
        .Default(taVerticalCenter);
    P.Property("OnResize", &TPanel::OnResize);
}
