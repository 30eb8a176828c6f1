#include "controls/XcSpin.h"

#include "platform/classes/TypInfo.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/IntText.h"
#include "platform/rtl/SysMath.h"
#include "storage/support/XcGraphUtils.h"
#include "storage/support/XcStrUtils.h"

#include <algorithm>
#include <cmath>
#include <memory>

ORVO_IMPLEMENT_CLASS(TXcSpinButton, TXcExGraphicControl)
ORVO_IMPLEMENT_CLASS(TXcUpDown, TCustomUpDown)
ORVO_IMPLEMENT_CLASS(TXcCustomSpinEdit, TXcExCustomMaskEdit)
ORVO_IMPLEMENT_CLASS(TXcSpinEdit, TXcCustomSpinEdit)
ORVO_IMPLEMENT_ENUM_TYPE(TSpinValueType, "vtInteger", "vtFloat", "vtHex")
ORVO_IMPLEMENT_ENUM_TYPE(TSpinButtonKind, "bkStandard", "bkDiagonal", "bkClassic")
ORVO_IMPLEMENT_ENUM_TYPE(TXcCheckOption, "coCheckOnChange", "coCheckOnExit", "coCropBeyondLimit")
ORVO_IMPLEMENT_SET_TYPE(TXcCheckOptions, TXcCheckOption)
ORVO_IMPLEMENT_ENUM_TYPE(TXcSpinButtonStyle, "sbsDefault", "sbsClassic")

int SpinButtonWidth() {
    return std::min(GetSystemMetrics(SM_CXVSCROLL), 15);
}

// ---- TXcSpinButton -------------------------------------------------------------------------

TXcSpinButton::TXcSpinButton(TComponent* AOwner)
    : TXcExGraphicControl(AOwner), FUpGlyph(new TBitmap), FDownGlyph(new TBitmap) {
    FControlStyle = FControlStyle - TControlStyle{csClickEvents, csDoubleClicks};
    SetBounds(0, 0, 20, 20);
    TSpinButtonBitmapsManager::NeedInstance()->AddClient();
}

TXcSpinButton::~TXcSpinButton() {
    ReleaseBitmaps();
    if (TSpinButtonBitmapsManager* manager = TSpinButtonBitmapsManager::Instance()) manager->RemoveClient();
    delete FUpGlyph;
    delete FDownGlyph;
}

void TXcSpinButton::SetButtonStyle(TXcSpinButtonStyle Value) {
    if (Value == FButtonStyle) return;
    FButtonStyle = Value;
    ReleaseBitmaps();
    Invalidate();
}

void TXcSpinButton::SetUpGlyph(TBitmap* Value) {
    FUpGlyph->Assign(Value);
    ReleaseBitmaps();
    Invalidate();
}

void TXcSpinButton::SetDownGlyph(TBitmap* Value) {
    FDownGlyph->Assign(Value);
    ReleaseBitmaps();
    Invalidate();
}

void TXcSpinButton::SetFocusControl(TWinControl* Value) {
    if (Value == FFocusControl) return;
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TXcSpinButton::Notification(TComponent* AComponent, TOperation Operation) {
    TXcExGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TXcSpinButton::SetDown(TSpinButtonState Value) {
    if (Value == FDown) return;
    FDown = Value;
    Invalidate();
}

bool TXcSpinButton::InBottomHalf(int X, int Y) const {
    const int w = std::max(1, Width()), h = Height();
    if (FButtonStyle == sbsClassic) return Y > h / 2;
    return Y > h - h * X / w;
}

void TXcSpinButton::TopClick() {
    if (OnTopClick) OnTopClick(this);
}

void TXcSpinButton::BottomClick() {
    if (OnBottomClick) OnBottomClick(this);
}

void TXcSpinButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TXcExGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    if (FDown == sbNotDown) {
        FLastDown = InBottomHalf(X, Y) ? sbBottomDown : sbTopDown;
        SetDown(FLastDown);
        if (FLastDown == sbBottomDown)
            BottomClick();
        else
            TopClick();
        if (!MouseCapture()) SetDown(sbNotDown);
        if (!FRepeatTimer) {
            FRepeatTimer = new TTimer(this);
            FRepeatTimer->SetOnTimer(TNotifyEvent(this, &TXcSpinButton::TimerExpired));
        }
        FRepeatTimer->SetEnabled(false);
        FRepeatTimer->SetInterval(Cardinal(FInitRepeatPause));
        FRepeatTimer->SetEnabled(true);
    }
    FDragging = true;
}

void TXcSpinButton::MouseMove(TShiftState Shift, int X, int Y) {
    TXcExGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    const bool inside = X >= 0 && X < Width() && Y >= 0 && Y < Height();
    TSpinButtonState now = sbNotDown;
    if (inside) {
        const TSpinButtonState half = InBottomHalf(X, Y) ? sbBottomDown : sbTopDown;
        // Back on the half pressed last presses it again; the other half releases it.
        now = half == FLastDown ? half : sbNotDown;
    }
    SetDown(now);
}

void TXcSpinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TXcExGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    if (FRepeatTimer) FRepeatTimer->SetEnabled(false);
    if (X >= 0 && X < Width() && Y >= 0 && Y < Height()) SetDown(sbNotDown);
    SetDown(sbNotDown);
}

void TXcSpinButton::TimerExpired(TObject*) {
    FRepeatTimer->SetInterval(Cardinal(FRepeatPause));
    if (FDown == sbNotDown || !MouseCapture()) return;
    try {
        if (FDown == sbBottomDown)
            BottomClick();
        else
            TopClick();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

void TXcSpinButton::ReleaseBitmaps() {
    if (!FBitmaps) return;
    TSpinButtonBitmaps* old = FBitmaps;
    FBitmaps = nullptr;
    old->RemoveClient();
}

void TXcSpinButton::Paint() {
    if (!Enabled()) FDragging = false;
    const bool custom = !FUpGlyph->Empty() || !FDownGlyph->Empty();
    // The set of the current look; a set of another size or look is let go.
    if (FBitmaps && FBitmaps->CompareWith(Width(), Height(), custom, FButtonStyle) != 0) ReleaseBitmaps();
    if (!FBitmaps) {
        FBitmaps =
            TSpinButtonBitmapsManager::NeedInstance()->WantButtons(Width(), Height(), custom, FButtonStyle);
        FBitmaps->AddClient();
    }
    TCanvas* c = Canvas();
    FBitmaps->Draw(c, FDown, FMouseInBottomBtn, FMouseInTopBtn, Enabled());
    if (custom) FBitmaps->DrawGlyphs(c, FDown, FDownGlyph, FUpGlyph, Enabled());
}

// ---- TXcUpDown -----------------------------------------------------------------------------

TXcUpDown::TXcUpDown(TComponent* AOwner) : TCustomUpDown(AOwner) {
    SetOrientation(udVertical);
    SetMin(-1);
    SetMax(1);
    SetPosition(0);
}

void TXcUpDown::Click(TUDBtnType Button) {
    if (OnSpinClick) OnSpinClick(this, Button);
    SetPosition(0);
}

// ---- TXcCustomSpinEdit ---------------------------------------------------------------------

TXcCustomSpinEdit::TXcCustomSpinEdit(TComponent* AOwner) : TXcExCustomMaskEdit(AOwner) {
    FControlStyle = FControlStyle - TControlStyle{csSetCaption};
    RebuildButtons();
}

TXcCustomSpinEdit::~TXcCustomSpinEdit() {
    FChanging = true;
}

void TXcCustomSpinEdit::RebuildButtons() {
    if (ComponentState().Contains(csDestroying)) return;
    if (FUpDown) {
        FUpDown->OnSpinClick = TUDClickEvent();
        FreeObject(FUpDown);
        FUpDown = nullptr;
    }
    if (FBtnWindow) {
        FreeObject(FBtnWindow);
        FBtnWindow = nullptr;
        FButton = nullptr;
    }
    if (!FShowButton) return;
    if (FButtonKind == bkStandard) {
        FUpDown = new TXcUpDown(this);
        FUpDown->SetParent(this);
        FUpDown->SetWidth(SpinButtonWidth());
        FUpDown->SetAlign(UseRightToLeftAlignment() ? alLeft : alRight);
        FUpDown->OnSpinClick = TUDClickEvent(this, &TXcCustomSpinEdit::UpDownClick);
    } else {
        FBtnWindow = new TCustomControl(this);
        FBtnWindow->SetParent(this);
        FButton = new TXcSpinButton(this);
        FButton->SetParent(FBtnWindow);
        FButton->SetButtonStyle(FButtonKind == bkClassic ? sbsClassic : sbsDefault);
        FButton->SetFocusControl(this);
        FButton->OnTopClick = TNotifyEvent([this](TObject*) { StepUp(); });
        FButton->OnBottomClick = TNotifyEvent([this](TObject*) { StepDown(); });
    }
    PlaceButtons();
}

void TXcCustomSpinEdit::UpDownClick(TObject*, TUDBtnType Button) {
    if (TabStop() && CanFocus() && !Focused()) SetFocus();
    if (Button == btNext)
        StepUp();
    else
        StepDown();
}

int TXcCustomSpinEdit::ButtonAreaWidth() const {
    if (!FShowButton) return 0;
    if (FUpDown) return FUpDown->Width();
    if (FButton) return FButton->Width();
    return SpinButtonWidth();
}

void TXcCustomSpinEdit::PlaceButtons() {
    if (!FBtnWindow || !FButton) return;
    const int w = Width(), h = Height();
    if (FButtonKind == bkClassic)
        FBtnWindow->SetBounds(w - SpinButtonWidth() - 4, 0, SpinButtonWidth(), std::max(0, h - 4));
    else
        FBtnWindow->SetBounds(std::max(0, w - h), 0, std::max(0, h - 4), std::max(0, h - 4));
    FButton->SetBounds(1, 1, std::max(0, FBtnWindow->Width() - 1), std::max(0, FBtnWindow->Height() - 1));
    Perform(EM_SETMARGINS, EC_RIGHTMARGIN, LPARAM(ButtonAreaWidth() << 16));
}

void TXcCustomSpinEdit::HandleBoundsChange() {
    PlaceButtons();
}

void TXcCustomSpinEdit::CreateHandle() {
    TXcExCustomMaskEdit::CreateHandle();
    PlaceButtons();
}

void TXcCustomSpinEdit::HandleEnabledChange() {
    TXcExCustomMaskEdit::HandleEnabledChange();
    if (FUpDown) FUpDown->SetEnabled(Enabled());
    if (FButton) FButton->SetEnabled(Enabled());
}

void TXcCustomSpinEdit::SetShowButton(bool Value) {
    if (Value == FShowButton) return;
    FShowButton = Value;
    RebuildButtons();
}

void TXcCustomSpinEdit::SetButtonKind(TSpinButtonKind Value) {
    if (Value == FButtonKind) return;
    FButtonKind = Value;
    RebuildButtons();
}

Extended TXcCustomSpinEdit::ClampToLimits(Extended X) const {
    Extended result = X;
    if (FCheckMinValue && X < FMinValue) result = FMinValue;
    if (FCheckMaxValue && X > FMaxValue) result = FMaxValue;
    return result;
}

Extended TXcCustomSpinEdit::ValidateLimits(Extended X, bool RaiseOnError) const {
    const Extended result = ClampToLimits(X);
    if ((FCheckMinValue || FCheckMaxValue) && RaiseOnError && result != X)
        throw ERangeError(
            Format(QStringLiteral("Value must be between %0:g and %1:g"), {FMinValue, FMaxValue}));
    return result;
}

bool TXcCustomSpinEdit::CheckMinValueStored() const {
    return FMinValue == 0 && FCheckMinValue != (FMaxValue != 0);
}

bool TXcCustomSpinEdit::CheckMaxValueStored() const {
    return FMaxValue == 0 && FCheckMaxValue != (FMinValue != 0);
}

void TXcCustomSpinEdit::SetCheckMinValue(bool Value) {
    FCheckMinValue = FMinValue != 0 ? true : Value;
    if (ComponentState().Contains(csLoading)) FLCheckMinValue = false;
    SetValue(GetValue());
}

void TXcCustomSpinEdit::SetCheckMaxValue(bool Value) {
    FCheckMaxValue = FMaxValue != 0 ? true : Value;
    if (ComponentState().Contains(csLoading)) FLCheckMaxValue = false;
    SetValue(GetValue());
}

void TXcCustomSpinEdit::SetMinValue(Extended Value) {
    if (Value == FMinValue) return;
    const bool crossedZero = (Value == 0) != (FMinValue == 0);
    const bool maxAtDefault = !CheckMaxValueStored();
    FMinValue = Value;
    if (crossedZero && FLCheckMinValue) {
        FCheckMinValue = HasLimits();
        if (maxAtDefault && FLCheckMaxValue) FCheckMaxValue = HasLimits() || FMaxValue != 0;
    }
    SetValue(GetValue());
}

void TXcCustomSpinEdit::SetMaxValue(Extended Value) {
    if (Value == FMaxValue) return;
    const bool crossedZero = (Value == 0) != (FMaxValue == 0);
    const bool minAtDefault = !CheckMinValueStored();
    FMaxValue = Value;
    if (crossedZero && FLCheckMaxValue) {
        FCheckMaxValue = HasLimits();
        if (minAtDefault && FLCheckMinValue) FCheckMinValue = HasLimits() || FMinValue != 0;
    }
    SetValue(GetValue());
}

void TXcCustomSpinEdit::SetValueType(TSpinValueType Value) {
    if (Value == FValueType) return;
    const Extended v = GetValue();
    FValueType = Value;
    if (Value != vtFloat) {
        FIncrement = Round(FIncrement);
        if (FIncrement == 0) FIncrement = 1;
    }
    if (Value == vtHex) FThousands = false;
    SetValue(v);
}

void TXcCustomSpinEdit::SetDecimal(Byte Value) {
    if (Value == FDecimal) return;
    const Extended v = GetValue();
    FDecimal = Value;
    SetValue(v);
}

void TXcCustomSpinEdit::SetThousands(bool Value) {
    if (FValueType == vtHex || Value == FThousands) return;
    const Extended v = GetValue();
    FThousands = Value;
    SetValue(v);
}

void TXcCustomSpinEdit::SetDisplayFormat(const String& Value) {
    FDisplayFormat = Value;
    Invalidate();
}

void TXcCustomSpinEdit::ApplyEditFormat() {
    if (!FFocused || FValueType != vtFloat || FDisplayFormat.isEmpty()) return;
    const bool modified = Modified();
    String format = QStringLiteral("0");
    if (FDecimal > 0) format += u'.' + String(FDecimal, u'0');
    const bool saved = FChanging;
    FChanging = true;
    SetText(FormatFloat(format, GetValue()));
    FChanging = saved;
    SetModified(modified);
}

void TXcCustomSpinEdit::SetFocusedState(bool Value) {
    if (Value == FFocused) return;
    FFocused = Value;
    Invalidate();
    ApplyEditFormat();
}

void TXcCustomSpinEdit::Change() {
    if (FChanging) return;
    FChanging = true;
    const int caret = SelStart();
    const String oldText = Text();
    FIsNegative = Text().startsWith(u'-');
    if (!ComponentState().Contains(csDesigning) && FCheckOptions.Contains(coCheckOnChange)) {
        Extended v = 0;
        try {
            v = ClampToLimits(GetValue());
        } catch (...) {
            v = FMinValue;
        }
        SetValue(v);
    }
    FChanging = false;
    FIsNegative = false;
    SetSelStart(std::min(caret, int(Text().size())));
    const Extended now = GetValue();
    if (now != FOldValue) {
        if (FThousands && SelStart() == caret) {
            const QChar sep = CurrentThousandSeparator();
            const int before = int(Text().left(caret).count(sep)) - int(oldText.left(caret).count(sep));
            SetSelStart(std::clamp(caret + before, 0, int(Text().size())));
        }
        TXcExCustomMaskEdit::Change();
        FOldValue = now;
    }
}

void TXcCustomSpinEdit::DoExit() {
    SetFocusedState(false);
    if (!ComponentState().Contains(csDesigning) && FCheckOptions.Contains(coCheckOnExit)) {
        try {
            const Extended v = ValidateLimits(GetValue(), !FCheckOptions.Contains(coCropBeyondLimit));
            SetValue(v);
        } catch (...) {
            SetFocusedState(true);
            SelectAll();
            if (CanFocus()) SetFocus();
            throw;
        }
    }
    TXcExCustomMaskEdit::DoExit();
}

void TXcCustomSpinEdit::DoEnter() {
    SetFocusedState(true);
    if (AutoSelect() && !(GetKeyState(VK_LBUTTON) & 0x8000)) SelectAll();
    TXcExCustomMaskEdit::DoEnter();
}

void TXcCustomSpinEdit::Step(bool Up) {
    if (ReadOnly()) {
        BeepOnInvalidInput();
        return;
    }
    const String before = Text();
    {
        const bool saved = FChanging;
        FChanging = true;
        SetValue(GetValue() + (Up ? FIncrement : -FIncrement));
        FChanging = saved;
    }
    if (Text().compare(before, Qt::CaseInsensitive) != 0) {
        SetModified(true);
        Change();
    }
    if (Up) {
        if (OnTopClick) OnTopClick(this);
    } else if (OnBottomClick) {
        OnBottomClick(this);
    }
}

void TXcCustomSpinEdit::StepUp() {
    Step(true);
}

void TXcCustomSpinEdit::StepDown() {
    Step(false);
}

void TXcCustomSpinEdit::KeyDown(Word& Key, TShiftState Shift) {
    TXcExCustomMaskEdit::KeyDown(Key, Shift);
    if (FArrowKeys && (Key == VK_UP || Key == VK_DOWN)) {
        if (Key == VK_UP)
            StepUp();
        else
            StepDown();
        Key = 0;
        return;
    }
    const QChar sep = CurrentDecimalSeparator();
    const String t = Text();
    const int caret = SelStart();
    if (Key == VK_DELETE && SelLength() == 0 && caret < t.size() && t[caret] == sep) Key = VK_RIGHT;
    if (Key == VK_BACK && SelLength() == 0 && caret > 0 && t[caret - 1] == sep) Key = VK_LEFT;
}

bool TXcCustomSpinEdit::AcceptsChar(QChar Key) {
    if (Key.unicode() < 32) return FEditorEnabled || Key != QChar(u'\b');
    if (!FEditorEnabled) return false;
    const QChar dec = CurrentDecimalSeparator();
    const String t = Text();
    String allowed = QStringLiteral("+-0123456789");
    if (FValueType == vtFloat) {
        if (!t.contains(dec)) {
            allowed += dec;
            if (!(FThousands && CurrentThousandSeparator() == u'.')) allowed += u'.';
        }
        if (!t.contains(u'E', Qt::CaseInsensitive)) allowed += QStringLiteral("Ee");
    } else if (FValueType == vtHex) {
        allowed += QStringLiteral("ABCDEFabcdef");
    }
    return allowed.contains(Key);
}

void TXcCustomSpinEdit::KeyPress(QChar& Key) {
    const QChar dec = CurrentDecimalSeparator();
    if (Key == u'.' && !(FThousands && CurrentThousandSeparator() == u'.')) Key = dec;
    if (FValueType == vtFloat && Key == dec) {
        const int at = int(Text().indexOf(dec));
        if (at >= 0) {
            // A second separator only moves the caret behind the first.
            SetSelStart(at + 1);
            SetSelLength(0);
            Key = QChar();
            return;
        }
    }
    if (!AcceptsChar(Key)) {
        Key = QChar();
        BeepOnInvalidInput();
        return;
    }
    const QChar typed = Key;
    TXcExCustomMaskEdit::KeyPress(Key);
    if (typed == u'\r' || typed == u'\x1b') {
        if (TCustomForm* form = ::GetParentForm(this))
            form->Perform(CM_DIALOGKEY, typed == u'\r' ? VK_RETURN : VK_ESCAPE, 0);
        if (typed == u'\r') Key = QChar();
    }
}

bool TXcCustomSpinEdit::DoMouseWheel(TShiftState, int WheelDelta, TPoint) {
    if (WheelDelta <= 0)
        StepDown();
    else
        StepUp();
    return true;
}

void TXcCustomSpinEdit::Dispatch(TMessage& Message) {
    if ((Message.Msg == WM_CUT || Message.Msg == WM_PASTE) && (!FEditorEnabled || ReadOnly())) {
        Message.Result = 1;
        return;
    }
    TXcExCustomMaskEdit::Dispatch(Message);
}

void TXcCustomSpinEdit::Loaded() {
    TXcExCustomMaskEdit::Loaded();
    FLCheckMinValue = true;
    FLCheckMaxValue = true;
    FOldValue = GetValue();
}

// ---- TXcSpinEdit ---------------------------------------------------------------------------

TXcSpinEdit::TXcSpinEdit(TComponent* AOwner) : TXcCustomSpinEdit(AOwner) {
    FChanging = true;
    SetText(QStringLiteral("0"));
    FChanging = false;
}

Extended TXcSpinEdit::GetValue() {
    const QChar dec = CurrentDecimalSeparator(), sep = CurrentThousandSeparator();
    auto withoutSeparators = [&](const String& s) { return sep != dec ? StripChar(s, sep) : s; };
    try {
        Extended v = 0;
        switch (ValueType()) {
        case vtFloat:
            if (!DisplayFormat().isEmpty()) {
                if (TextToFloat(TextToNumberText(Text()), v)) return v;
            } else if (TextToFloat(withoutSeparators(Text()), v)) {
                return v;
            }
            return MinValue();
        case vtHex: {
            Int64 i = 0;
            if (TryStrToInt64(QStringLiteral("$") + Text(), i)) return Extended(i);
            return Round(MinValue());
        }
        case vtInteger: {
            Int64 i = 0;
            if (TryStrToInt64(withoutSeparators(Text()), i)) return Extended(i);
            return Round(MinValue());
        }
        }
    } catch (...) {
    }
    return ValueType() == vtFloat ? MinValue() : Extended(Round(MinValue()));
}

void TXcSpinEdit::SetValue(Extended NewValue) {
    const bool modified = Modified();
    const Extended v = ClampToLimits(NewValue);
    String text;
    switch (ValueType()) {
    case vtFloat:
        if (!DisplayFormat().isEmpty())
            text = FormatFloat(DisplayFormat(), v);
        else
            text = FloatToStrF(v, Thousands() ? ffNumber : ffFixed, 15, Decimal());
        break;
    case vtHex:
        text = IntToHex(Int64(Round(v)), 1);
        break;
    case vtInteger:
        text = FloatToStrF(v, Thousands() ? ffNumber : ffFixed, 15, 0);
        break;
    }
    if (FIsNegative && !text.isEmpty() && !text.startsWith(u'-')) text.prepend(u'-');
    const bool saved = FChanging;
    FChanging = true;
    SetText(text);
    FChanging = saved;
    ApplyEditFormat();
    SetModified(modified);
}

// ---- published -----------------------------------------------------------------------------

ORVO_PUBLISHED(TXcSpinButton) {
    PublishControlBasics(P);
    P.Property("ButtonStyle", &TXcSpinButton::ButtonStyle, &TXcSpinButton::SetButtonStyle)
        .Default(sbsDefault);
    P.Property("UpGlyph", &TXcSpinButton::UpGlyph, &TXcSpinButton::SetUpGlyph).Stored([](TXcSpinButton* b) {
        return !b->UpGlyph()->Empty();
    });
    P.Property("DownGlyph", &TXcSpinButton::DownGlyph, &TXcSpinButton::SetDownGlyph)
        .Stored([](TXcSpinButton* b) { return !b->DownGlyph()->Empty(); });
    P.Property("FocusControl", &TXcSpinButton::FocusControl, &TXcSpinButton::SetFocusControl);
    P.Property("InitRepeatPause", &TXcSpinButton::InitRepeatPause, &TXcSpinButton::SetInitRepeatPause)
        .Default(400);
    P.Property("RepeatPause", &TXcSpinButton::RepeatPause, &TXcSpinButton::SetRepeatPause).Default(100);
    P.Property("OnTopClick", &TXcSpinButton::OnTopClick);
    P.Property("OnBottomClick", &TXcSpinButton::OnBottomClick);
}

ORVO_PUBLISHED(TXcSpinEdit) {
    PublishWinControlBasics(P);
    P.Property("DotNetHighlighting", &TXcSpinEdit::DotNetHighlighting, &TXcSpinEdit::SetDotNetHighlighting)
        .Default(false);
    P.Property("AboutXCL", &TXcSpinEdit::AboutXCL, &TXcSpinEdit::SetAboutXCL).Stored(false);
    P.Property("ClipboardCommands", &TXcSpinEdit::ClipboardCommands, &TXcSpinEdit::SetClipboardCommands)
        .Default(TXcClipboardCommands{caCopy, caCut, caPaste, caClear, caUndo});
    P.Property("BeepOnError", &TXcSpinEdit::BeepOnError, &TXcSpinEdit::SetBeepOnError).Default(true);
    P.Property("Alignment", &TXcSpinEdit::Alignment, &TXcSpinEdit::SetAlignment).Default(taLeftJustify);
    P.Property("ArrowKeys", &TXcSpinEdit::ArrowKeys, &TXcSpinEdit::SetArrowKeys).Default(true);
    P.Property("AutoSelect", &TXcSpinEdit::AutoSelect, &TXcSpinEdit::SetAutoSelect).Default(true);
    P.Property("BorderStyle", &TXcSpinEdit::BorderStyle, &TXcSpinEdit::SetBorderStyle).Default(bsSingle);
    P.Property("ButtonKind", &TXcSpinEdit::ButtonKind, &TXcSpinEdit::SetButtonKind).Default(bkDiagonal);
    P.Property("Color", &TXcSpinEdit::Color, &TXcSpinEdit::SetColor).Type(TypeInfoTColor());
    P.Property("Decimal", &TXcSpinEdit::Decimal, &TXcSpinEdit::SetDecimal).Default(2);
    P.Property("DisplayFormat", &TXcSpinEdit::DisplayFormat, &TXcSpinEdit::SetDisplayFormat)
        .Stored([](TXcSpinEdit* e) { return e->DisplayFormat() != e->DefaultDisplayFormat(); });
    P.Property("EditorEnabled", &TXcSpinEdit::EditorEnabled, &TXcSpinEdit::SetEditorEnabled).Default(true);
    P.Property("Increment", &TXcSpinEdit::Increment, &TXcSpinEdit::SetIncrement).Stored([](TXcSpinEdit* e) {
        return e->Increment() != 1;
    });
    P.Property("MaxLength", &TXcSpinEdit::MaxLength, &TXcSpinEdit::SetMaxLength).Default(0);
    P.Property("MaxValue", &TXcSpinEdit::MaxValue, &TXcSpinEdit::SetMaxValue).Stored([](TXcSpinEdit* e) {
        return e->MaxValue() != 0;
    });
    P.Property("MinValue", &TXcSpinEdit::MinValue, &TXcSpinEdit::SetMinValue).Stored([](TXcSpinEdit* e) {
        return e->MinValue() != 0;
    });
    P.Property("CheckMinValue", &TXcSpinEdit::CheckMinValue, &TXcSpinEdit::SetCheckMinValue)
        .Stored(&TXcSpinEdit::CheckMinValueStored);
    P.Property("CheckMaxValue", &TXcSpinEdit::CheckMaxValue, &TXcSpinEdit::SetCheckMaxValue)
        .Stored(&TXcSpinEdit::CheckMaxValueStored);
    P.Property("CheckOptions", &TXcSpinEdit::CheckOptions, &TXcSpinEdit::SetCheckOptions)
        .Default(TXcCheckOptions{coCheckOnChange, coCheckOnExit, coCropBeyondLimit});
    P.Property("ReadOnly", &TXcSpinEdit::ReadOnly, &TXcSpinEdit::SetReadOnly).Default(false);
    P.Property("ShowButton", &TXcSpinEdit::ShowButton, &TXcSpinEdit::SetShowButton).Default(true);
    P.Property("Thousands", &TXcSpinEdit::Thousands, &TXcSpinEdit::SetThousands).Default(false);
    P.Property("ValueType", &TXcSpinEdit::ValueType, &TXcSpinEdit::SetValueType).Default(vtInteger);
    P.Property("Value", &TXcSpinEdit::Value, &TXcSpinEdit::SetValue).Stored([](TXcSpinEdit* e) {
        return e->Value() != 0;
    });
    P.Property("OnChange", &TXcSpinEdit::OnChange);
    P.Property("OnTopClick", &TXcSpinEdit::OnTopClick);
    P.Property("OnBottomClick", &TXcSpinEdit::OnBottomClick);
    P.Property("OnMouseWheelDown", &TXcSpinEdit::OnMouseWheelDown);
    P.Property("OnMouseWheelUp", &TXcSpinEdit::OnMouseWheelUp);
}
