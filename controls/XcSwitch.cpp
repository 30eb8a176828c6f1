#include "controls/XcSwitch.h"

#include "platform/classes/Filer.h"
#include "platform/classes/Streams.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "storage/support/XcGraphUtils.h"
#include "storage/support/XcStrUtils.h"
#include "storage/support/XcWinUtils.h"

ORVO_IMPLEMENT_CLASS(TXcSwitch, TXcExCustomControl)
ORVO_IMPLEMENT_ENUM_TYPE(TTextPos, "tpNone", "tpLeft", "tpRight", "tpAbove", "tpBelow")

namespace {
const char16_t* const kDefaultGlyphs[2] = {u"XcSwitchOFF", u"XcSwitchON"};
} // namespace

TXcSwitch::TXcSwitch(TComponent* AOwner) : TXcExCustomControl(AOwner) {
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks};
    AddThemingStyles(this, TControlStyle{csParentBackground});
    SetBounds(Left(), Top(), 50, 60);
    for (int i = 0; i < 2; ++i) {
        FBitmaps[std::size_t(i)] = new TBitmap;
        LoadDefaultGlyph(i);
        // Hooked only now: the built-in glyphs get no disabled copy.
        FBitmaps[std::size_t(i)]->OnChange = TNotifyEvent(this, &TXcSwitch::GlyphChanged);
    }
    SetTabStop(true);
}

TXcSwitch::~TXcSwitch() {
    for (std::size_t i = 0; i < 2; ++i) {
        FBitmaps[i]->OnChange = TNotifyEvent();
        delete FDisableBitmaps[i];
        FDisableBitmaps[i] = nullptr;
        delete FBitmaps[i];
        FBitmaps[i] = nullptr;
    }
}

void TXcSwitch::LoadDefaultGlyph(int Index) {
    TBitmap* b = FBitmaps[std::size_t(Index)];
    b->Assign(nullptr);
    b->LoadFromResourceName(nullptr, QString::fromUtf16(kDefaultGlyphs[Index]));
}

TBitmap* TXcSwitch::Glyph(int Index) {
    if (ComponentState().Contains(csLoading)) FUserBitmaps |= TSwitchBitmaps(1 << Index);
    return FBitmaps[std::size_t(Index)];
}

void TXcSwitch::SetGlyph(int Index, TBitmap* Value) {
    if (Value) {
        FBitmaps[std::size_t(Index)]->Assign(Value);
        FUserBitmaps |= TSwitchBitmaps(1 << Index);
    } else {
        LoadDefaultGlyph(Index);
        FUserBitmaps &= TSwitchBitmaps(~(1 << Index));
    }
}

void TXcSwitch::GlyphChanged(TObject* Sender) {
    for (std::size_t i = 0; i < 2; ++i)
        if (Sender == FBitmaps[i]) {
            delete FDisableBitmaps[i];
            FDisableBitmaps[i] = nullptr;
            if (!FBitmaps[i]->Empty()) FDisableBitmaps[i] = MakeDisabledBitmap(FBitmaps[i], clBlack);
        }
    Invalidate();
}

void TXcSwitch::SetStateOn(bool Value) {
    if (Value == FStateOn) return;
    FStateOn = Value;
    Invalidate();
    if (Value)
        NotifyOn();
    else
        NotifyOff();
}

void TXcSwitch::NotifyOn() {
    if (OnOn) OnOn(this);
}

void TXcSwitch::NotifyOff() {
    if (OnOff) OnOff(this);
}

void TXcSwitch::SetTextPosition(TTextPos Value) {
    if (Value == FTextPosition) return;
    FTextPosition = Value;
    Invalidate();
}

void TXcSwitch::SetBorderStyle(TBorderStyle Value) {
    if (Value == FBorderStyle) return;
    FBorderStyle = Value;
    if (HandleAllocated()) RecreateWnd();
}

void TXcSwitch::SetShowFocus(bool Value) {
    if (Value == FShowFocus) return;
    FShowFocus = Value;
    if (!ComponentState().Contains(csDesigning)) Invalidate();
}

void TXcSwitch::CreateParams(TCreateParams& Params) {
    TXcExCustomControl::CreateParams(Params);
    Params.WindowClassStyle |= CS_HREDRAW | CS_VREDRAW;
    if (FBorderStyle == bsSingle) Params.Style |= WS_BORDER;
}

void TXcSwitch::DefineProperties(TFiler* Filer) {
    TXcExCustomControl::DefineProperties(Filer);
    TSwitchBitmaps ancestor = 0;
    if (auto* a = dynamic_cast<TXcSwitch*>(Filer->Ancestor())) ancestor = a->FUserBitmaps;
    Filer->DefineBinaryProperty(QStringLiteral("Data"), TStreamProc(this, &TXcSwitch::ReadData),
                                TStreamProc(this, &TXcSwitch::WriteData), FUserBitmaps != ancestor);
}

void TXcSwitch::ReadData(TStream* Stream) {
    Byte b = 0;
    Stream->ReadBuffer(&b, 1);
    // Only the two glyph bits mean anything.
    FUserBitmaps = TSwitchBitmaps(b & 3);
}

void TXcSwitch::WriteData(TStream* Stream) {
    const Byte b = FUserBitmaps;
    Stream->WriteBuffer(&b, 1);
}

void TXcSwitch::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (TabStop() && CanFocus()) SetFocus();
        ToggleSwitch();
    }
    TXcExCustomControl::MouseDown(Button, Shift, X, Y);
}

void TXcSwitch::KeyDown(Word& Key, TShiftState Shift) {
    TXcExCustomControl::KeyDown(Key, Shift);
    if (Key != 0 && ShortCut(Key, Shift) == FToggleKey) {
        ToggleSwitch();
        Key = 0;
    }
}

bool TXcSwitch::HandleDialogChar(QChar Key, TShiftState Shift, const String&) {
    if (IsAccelChar(Key, Caption()) && CanFocus() && Shift.Contains(ssAlt)) {
        SetFocus();
        return true;
    }
    return false;
}

void TXcSwitch::HandleFocusChange(TWinControl* FocusedControl) {
    const bool active = FocusedControl == this;
    if (active != FActive) {
        FActive = active;
        if (FShowFocus) Invalidate();
    }
    TXcExCustomControl::HandleFocusChange(FocusedControl);
}

void TXcSwitch::HandleEnabledChange() {
    TXcExCustomControl::HandleEnabledChange();
    Invalidate();
}

void TXcSwitch::HandleTextChange() {
    TXcExCustomControl::HandleTextChange();
    Invalidate();
}

bool TXcSwitch::HandleEraseBackground(TCanvas*, LPARAM) {
    return true;
}

void TXcSwitch::Paint() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    c->SetFont(Font());
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    PaintControlBackgroundInBrushColor(this, c, r, true);
    const std::size_t state = FStateOn ? 1 : 0;
    TBitmap* b = !Enabled() && FDisableBitmaps[state] ? FDisableBitmaps[state] : FBitmaps[state];
    const int bw = b->Width(), bh = b->Height();
    int x = 0, y = 0;
    TRect t = r;
    switch (FTextPosition) {
    case tpNone:
        x = (Width() - bw) / 2;
        y = (Height() - bh) / 2;
        break;
    case tpLeft:
        x = Width() - bw;
        y = (Height() - bh) / 2;
        t.Right -= bw;
        break;
    case tpRight:
        x = 0;
        y = (Height() - bh) / 2;
        t.Left += bw;
        break;
    case tpAbove:
        x = (Width() - bw) / 2;
        y = Height() - bh;
        t.Bottom -= bh;
        break;
    case tpBelow:
        x = (Width() - bw) / 2;
        y = 0;
        t.Top += bh;
        break;
    }
    if (!b->Empty()) {
        b->SetTransparent(true);
        c->Draw(x, y, b);
    }
    if (Focused() && FShowFocus && TabStop() && !ComponentState().Contains(csDesigning))
        c->DrawFocusRect(Rect(x, y, x + bw, y + bh));
    if (FTextPosition != tpNone) {
        const int h = c->TextHeight(QStringLiteral("W"));
        t.Top = int(unsigned(t.Top + t.Bottom - h) >> 1);
        t.Bottom = t.Top + h;
        c->Brush()->SetStyle(bsClear);
        DrawTextOnCanvas(c, Caption(), int(Caption().size()), t, DT_CENTER | DT_VCENTER | DT_EXPANDTABS);
        c->Brush()->SetStyle(bsSolid);
    }
}

HPALETTE TXcSwitch::GetPalette() const {
    return Enabled() ? FBitmaps[FStateOn ? 1 : 0]->Palette() : nullptr;
}

ORVO_PUBLISHED(TXcSwitch) {
    PublishWinControlBasics(P);
    P.Property("DotNetHighlighting", &TXcSwitch::DotNetHighlighting, &TXcSwitch::SetDotNetHighlighting)
        .Default(false);
    P.Property("AboutXCL", &TXcSwitch::AboutXCL, &TXcSwitch::SetAboutXCL).Stored(false);
    P.Property("ParentBackground", &TXcSwitch::ParentBackground, &TXcSwitch::SetParentBackground);
    P.Property("Caption", &TXcSwitch::Caption, &TXcSwitch::SetCaption);
    P.Property("Color", &TXcSwitch::Color, &TXcSwitch::SetColor).Type(TypeInfoTColor());
    P.Property("Cursor", &TXcSwitch::Cursor, &TXcSwitch::SetCursor).Type(TypeInfoTCursor()).Default(0);
    P.Property("PopupMenu", &TXcSwitch::PopupMenuComponent, &TXcSwitch::SetPopupMenuComponent);
    P.Property("BorderStyle", &TXcSwitch::BorderStyle, &TXcSwitch::SetBorderStyle).Default(bsNone);
    P.Property("GlyphOff", &TXcSwitch::GlyphOff, &TXcSwitch::SetGlyphOff).Stored([](TXcSwitch* s) {
        return s->GlyphStored(0);
    });
    P.Property("GlyphOn", &TXcSwitch::GlyphOn, &TXcSwitch::SetGlyphOn).Stored([](TXcSwitch* s) {
        return s->GlyphStored(1);
    });
    P.Property("ShowFocus", &TXcSwitch::ShowFocus, &TXcSwitch::SetShowFocus).Default(true);
    P.Property("ToggleKey", &TXcSwitch::ToggleKey, &TXcSwitch::SetToggleKey).Default(32);
    P.Property("StateOn", &TXcSwitch::StateOn, &TXcSwitch::SetStateOn).Default(false);
    P.Property("TextPosition", &TXcSwitch::TextPosition, &TXcSwitch::SetTextPosition).Default(tpNone);
    P.Property("TabStop", &TXcSwitch::TabStop, &TXcSwitch::SetTabStop).Default(true);
    P.Property("OnOn", &TXcSwitch::OnOn);
    P.Property("OnOff", &TXcSwitch::OnOff);
    P.Property("OnContextPopup", &TXcSwitch::OnContextPopup);
}
