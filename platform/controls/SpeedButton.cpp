#include "platform/controls/SpeedButton.h"

#include "platform/controls/StdControlTypes.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TSpeedButton, TGraphicControl)
ORVO_IMPLEMENT_ENUM_TYPE(TButtonLayout, "blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom")
ORVO_IMPLEMENT_ENUM_TYPE(TButtonState, "bsUp", "bsDisabled", "bsDown", "bsExclusive")

namespace platform::detail {

void DrawButtonFace(TCanvas* Canvas, const TRect& R, TBitmap* Glyph, int NumGlyphs, TButtonState State,
                    const String& Caption, TFont* Font, TButtonLayout Layout, int Margin, int Spacing) {
    TCanvas* c = Canvas;
    c->SetFont(Font);
    if (State == bsDisabled) c->Font()->SetColor(clGrayText);
    const bool hasGlyph = Glyph && !Glyph->Empty() && NumGlyphs > 0;
    const int gw = hasGlyph ? Glyph->Width() / NumGlyphs : 0;
    const int gh = hasGlyph ? Glyph->Height() : 0;
    TRect textBox = Rect(0, 0, R.Width(), 0);
    if (!Caption.isEmpty()) {
        c->TextHeight(QStringLiteral("Wg"));
        DrawTextW(c->Handle(), Caption, -1, &textBox, DT_CALCRECT | DT_SINGLELINE);
    }
    // Without a caption there is no text to make room for: the glyph alone is laid out.
    const int tw = Caption.isEmpty() ? 0 : textBox.Width(), th = Caption.isEmpty() ? 0 : textBox.Height();
    const bool horz = Layout == blGlyphLeft || Layout == blGlyphRight;
    const int room = horz ? R.Width() : R.Height();
    const int glyphLen = horz ? gw : gh;
    const int textLen = horz ? tw : th;
    int spacing = (glyphLen == 0 || textLen == 0) ? 0 : Spacing;
    int margin = Margin;
    if (margin < 0 && spacing < 0) {
        // Even gaps before, between and after.
        const int gap = (room - glyphLen - textLen) / 3;
        margin = gap;
        spacing = gap;
    } else if (margin < 0) {
        margin = (room - glyphLen - textLen - spacing) / 2;
    } else if (spacing < 0) {
        spacing = (room - margin - glyphLen - textLen) / 2;
    }
    // Offsets along the layout axis from the leading edge.
    int glyphAt = margin, textAt = margin + glyphLen + spacing;
    if (Layout == blGlyphRight || Layout == blGlyphBottom) {
        textAt = room - margin - glyphLen - spacing - textLen;
        glyphAt = room - margin - glyphLen;
    }
    TPoint glyphPos, textPos;
    if (horz) {
        glyphPos = TPoint{R.Left + glyphAt, R.Top + (R.Height() - gh) / 2};
        textPos = TPoint{R.Left + textAt, R.Top + (R.Height() - th) / 2};
    } else {
        glyphPos = TPoint{R.Left + (R.Width() - gw) / 2, R.Top + glyphAt};
        textPos = TPoint{R.Left + (R.Width() - tw) / 2, R.Top + textAt};
    }
    if (hasGlyph) {
        TCustomImageList list(gw, gh);
        list.AddMasked(Glyph, clDefault);
        int index = int(State);
        const bool own = index < list.Count() && index < NumGlyphs;
        if (!own) index = 0;
        list.Draw(c, glyphPos.X, glyphPos.Y, index, own || State != bsDisabled);
    }
    if (!Caption.isEmpty()) {
        c->Brush()->SetStyle(bsClear);
        TRect t = Rect(textPos.X, textPos.Y, textPos.X + tw, textPos.Y + th);
        SetBkMode(c->Handle(), TRANSPARENT);
        DrawTextW(c->Handle(), Caption, -1, &t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

} // namespace platform::detail

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle = TControlStyle{csCaptureMouse, csDoubleClicks, csReplicatable, csSetCaption};
    SetBounds(0, 0, 23, 22);
    FGlyph = new TBitmap();
    FGlyph->OnChange = TNotifyEvent(this, &TSpeedButton::GlyphChanged);
    SetParentFont(true);
}

TSpeedButton::~TSpeedButton() {
    delete FGlyph;
}

void TSpeedButton::GlyphChanged(TObject*) {
    Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* Value) {
    FGlyph->Assign(Value);
}

void TSpeedButton::SetNumGlyphs(TNumGlyphs Value) {
    if (Value < 1 || Value > 4) return;
    FNumGlyphs = Value;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
    FLayout = Value;
    Invalidate();
}
void TSpeedButton::SetMargin(int Value) {
    FMargin = std::max(-1, Value);
    Invalidate();
}
void TSpeedButton::SetSpacing(int Value) {
    FSpacing = Value;
    Invalidate();
}
void TSpeedButton::SetFlat(bool Value) {
    FFlat = Value;
    Invalidate();
}
void TSpeedButton::SetTransparent(bool Value) {
    FTransparent = Value;
    Invalidate();
}

void TSpeedButton::SetTextValue(const String& Value) {
    TGraphicControl::SetTextValue(Value);
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int Value) {
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    if (FGroupIndex == 0 && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
    }
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value) {
    if (FGroupIndex == 0) Value = false;
    if (Value == FDown) return;
    if (FDown && !FAllowAllUp) return;
    FDown = Value;
    FState = Value ? bsExclusive : bsUp;
    Invalidate();
    if (Value) UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
    if (FAllowAllUp == Value) return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TSpeedButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !Parent()) return;
    TMessage m{CM_BUTTONPRESSED, WPARAM(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
    Parent()->Broadcast(m);
}

void TSpeedButton::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_BUTTONPRESSED: {
        auto* sender = reinterpret_cast<TSpeedButton*>(Message.LParam);
        if (Message.WParam == WPARAM(FGroupIndex) && FGroupIndex != 0 && sender && sender != this) {
            if (sender->Down() && FDown) {
                FDown = false;
                FState = bsUp;
                Invalidate();
            }
            FAllowAllUp = sender->AllowAllUp();
        }
        return;
    }
    case CM_ENABLEDCHANGED:
        FState = !Enabled() ? bsDisabled : (FDown ? bsExclusive : bsUp);
        Invalidate();
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (FFlat) Invalidate();
        break;
    default:
        break;
    }
    TGraphicControl::Dispatch(Message);
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    // Dragged out the button shows as it was; back in, pressed again.
    TButtonState want = FDown ? bsExclusive : bsUp;
    if (ClientRect().Contains(TPoint{X, Y}) && !FDown) want = bsDown;
    if (want != FState) {
        FState = want;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || !FDragging) return;
    FDragging = false;
    const bool inside = ClientRect().Contains(TPoint{X, Y});
    if (FGroupIndex == 0) {
        FState = bsUp;
        Invalidate();
    } else if (inside) {
        SetDown(!FDown);
        FState = FDown ? bsExclusive : bsUp;
        Invalidate();
    } else {
        FState = FDown ? bsExclusive : bsUp;
        Invalidate();
    }
    if (inside) Click();
}

void TSpeedButton::Paint() {
    TCanvas* c = Canvas();
    const TRect client = ClientRect();
    TButtonState state = Enabled() ? FState : bsDisabled;
    if (Enabled() && FState == bsDisabled) state = FDown ? bsExclusive : bsUp;
    const bool pressed = state == bsDown || state == bsExclusive;
    if (!FTransparent || !FFlat) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(state == bsExclusive ? clBtnHighlight : clBtnFace);
        c->FillRect(client);
    }
    TRect r = client;
    if (FFlat) {
        // A flat button shows its edge only under the mouse or when down.
        if (pressed)
            Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
        else if (MouseInClient() && Enabled())
            Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
    } else if (pressed) {
        Frame3D(c, r, cl3DDkShadow, clBtnHighlight, 1);
        Frame3D(c, r, clBtnShadow, clBtnFace, 1);
    } else {
        Frame3D(c, r, clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(c, r, clBtnFace, clBtnShadow, 1);
    }
    TRect face = client;
    if (pressed) face = Rect(face.Left + 1, face.Top + 1, face.Right + 1, face.Bottom + 1);
    platform::detail::DrawButtonFace(c, face, FGlyph, FNumGlyphs, state, Caption(), Font(), FLayout, FMargin,
                                     FSpacing);
}

ORVO_PUBLISHED(TSpeedButton) {
    PublishControlBasics(P);
    P.Property("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
    P.Property("Caption", &TSpeedButton::Caption, &TSpeedButton::SetCaption);
    P.Property("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
    P.Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
    P.Property("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
    P.Property("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
    P.Property("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
    P.Property("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
    P.Property("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
    P.Property("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
    P.Property("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent).Default(true);
}
