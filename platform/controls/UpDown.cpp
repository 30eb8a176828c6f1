#include "platform/controls/UpDown.h"

#include "platform/controls/CustomForm.h"
#include "platform/controls/StdControlTypes.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/IntText.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TCustomUpDown, TCustomControl)
ORVO_IMPLEMENT_CLASS(TUpDown, TCustomUpDown)
ORVO_IMPLEMENT_ENUM_TYPE(TUDAlignButton, "udLeft", "udRight")
ORVO_IMPLEMENT_ENUM_TYPE(TUDOrientation, "udHorizontal", "udVertical")
ORVO_IMPLEMENT_ENUM_TYPE(TUDBtnType, "btNext", "btPrev")
ORVO_IMPLEMENT_EVENT_TYPE(TUDClickEvent)

TCustomUpDown::TCustomUpDown(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = FControlStyle - TControlStyle{csDoubleClicks, csSetCaption, csClickEvents};
    SetBounds(0, 0, 17, 25);
}

void TCustomUpDown::SetMin(int Value) {
    FMin = Value;
    if (!ComponentState().Contains(csLoading)) SetPosition(FPosition);
}

void TCustomUpDown::SetMax(int Value) {
    FMax = Value;
    if (!ComponentState().Contains(csLoading)) SetPosition(FPosition);
}

void TCustomUpDown::SetPosition(int Value) {
    if (!ComponentState().Contains(csLoading)) Value = std::clamp(Value, Lowest(), Highest());
    FPosition = Value;
    UpdateAssociate();
}

void TCustomUpDown::Loaded() {
    TCustomControl::Loaded();
    FPosition = std::clamp(FPosition, Lowest(), Highest());
    PlaceBesideAssociate();
    UpdateAssociate();
}

void TCustomUpDown::SetOrientation(TUDOrientation Value) {
    if (FOrientation == Value) return;
    FOrientation = Value;
    if (!ComponentState().Contains(csLoading) && !FAssociate) SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TCustomUpDown::SetAlignButton(TUDAlignButton Value) {
    FAlignButton = Value;
    PlaceBesideAssociate();
}

void TCustomUpDown::SetThousands(bool Value) {
    FThousands = Value;
    UpdateAssociate();
}

void TCustomUpDown::SetAssociate(TWinControl* Value) {
    if (Value == FAssociate) return;
    if (FAssociate) FAssociate->RemoveFreeNotification(this);
    FAssociate = Value == this ? nullptr : Value;
    if (!FAssociate) return;
    FAssociate->FreeNotification(this);
    PlaceBesideAssociate();
    UpdateAssociate();
}

void TCustomUpDown::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAssociate) FAssociate = nullptr;
}

String TCustomUpDown::PositionText(int Value) const {
    String digits = String::number(qAbs(Int64(Value)));
    const QChar sep = FormatSettings.ThousandSeparator;
    if (FThousands && !sep.isNull())
        for (int i = int(digits.size()) - 3; i > 0; i -= 3)
            digits.insert(i, sep);
    return Value < 0 ? QStringLiteral("-") + digits : digits;
}

void TCustomUpDown::UpdateAssociate() {
    if (FAssociate && !ComponentState().Contains(csLoading)) FAssociate->SetText(PositionText(FPosition));
}

void TCustomUpDown::PlaceBesideAssociate() {
    if (!FAssociate || ComponentState().Contains(csLoading)) return;
    if (FAssociate->Parent() != Parent()) return;
    const int left =
        FAlignButton == udRight ? FAssociate->Left() + FAssociate->Width() : FAssociate->Left() - Width();
    SetBounds(left, FAssociate->Top(), Width(), FAssociate->Height());
}

TRect TCustomUpDown::ButtonRect(TUDBtnType Button) const {
    const TRect c = ClientRect();
    if (FOrientation == udVertical) {
        const int mid = c.Height() / 2;
        return Button == btNext ? Rect(0, 0, c.Width(), mid) : Rect(0, mid, c.Width(), c.Height());
    }
    const int mid = c.Width() / 2;
    return Button == btNext ? Rect(mid, 0, c.Width(), c.Height()) : Rect(0, 0, mid, c.Height());
}

bool TCustomUpDown::CanChange() {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TCustomUpDown::Click(TUDBtnType Button) {
    if (OnClick) OnClick(this, Button);
}

void TCustomUpDown::Step(TUDBtnType Button) {
    // The associate's text is the current value when the user typed a number into it.
    int pos = FPosition;
    if (FAssociate) {
        String text = FAssociate->Text();
        if (!FormatSettings.ThousandSeparator.isNull()) text.remove(FormatSettings.ThousandSeparator);
        int typed = 0;
        if (TryStrToInt(text.trimmed(), typed)) pos = std::clamp(typed, Lowest(), Highest());
    }
    // Next goes towards Max (also when Max is the smaller end).
    const int dir = (Button == btNext) == (FMax >= FMin) ? 1 : -1;
    Int64 next = Int64(pos) + Int64(dir) * FIncrement;
    if (next > Highest())
        next = FWrap ? Lowest() : Highest();
    else if (next < Lowest())
        next = FWrap ? Highest() : Lowest();
    if (int(next) != FPosition || pos != FPosition) {
        if (!CanChange()) return;
        FPosition = int(next);
        UpdateAssociate();
        // The thumb-position notification the parent gets from an up-down.
        if (TWinControl* parent = Parent()) {
            const UINT msg = FOrientation == udVertical ? WM_VSCROLL : WM_HSCROLL;
            const WPARAM wp = WPARAM(SB_THUMBPOSITION) | (WPARAM(Word(FPosition)) << 16);
            parent->Perform(msg, wp, HandleAllocated() ? reinterpret_cast<LPARAM>(Handle()) : 0);
        }
    }
    Click(Button);
}

void TCustomUpDown::RepeatTick(TObject*) {
    if (FPressed >= 0) Step(TUDBtnType(FPressed));
}

void TCustomUpDown::Paint() {
    TCanvas* c = Canvas();
    for (TUDBtnType b : {btNext, btPrev}) {
        TRect r = ButtonRect(b);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(r);
        TRect face = r;
        if (FPressed == int(b)) {
            Frame3D(c, face, clBtnShadow, clBtnShadow, 1);
        } else {
            Frame3D(c, face, clBtnFace, cl3DDkShadow, 1);
            Frame3D(c, face, clBtnHighlight, clBtnShadow, 1);
        }
        const int dir = FOrientation == udVertical ? (b == btNext ? 1 : 3) : (b == btNext ? 2 : 0);
        platform::detail::DrawArrow(c, r, dir, Enabled());
    }
}

void TCustomUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    for (TUDBtnType b : {btNext, btPrev})
        if (ButtonRect(b).Contains(TPoint{X, Y})) {
            FPressed = int(b);
            Invalidate();
            Step(b);
            FRepeat.Start(TNotifyEvent(this, &TCustomUpDown::RepeatTick));
            return;
        }
}

void TCustomUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft || FPressed < 0) return;
    FPressed = -1;
    FRepeat.Stop();
    Invalidate();
}

void TCustomUpDown::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_UP || Key == VK_RIGHT) {
        Step(btNext);
        Key = 0;
    } else if (Key == VK_DOWN || Key == VK_LEFT) {
        Step(btPrev);
        Key = 0;
    }
}

void TCustomUpDown::Dispatch(TMessage& Message) {
    if (platform::detail::DispatchHeldButton(Message, FPressed, FRepeat)) return;
    TCustomControl::Dispatch(Message);
}

ORVO_PUBLISHED(TUpDown) {
    PublishWinControlBasics(P);
    P.Property("AlignButton", &TUpDown::AlignButton, &TUpDown::SetAlignButton).Default(udRight);
    P.Property("Associate", &TUpDown::Associate, &TUpDown::SetAssociate);
    P.Property("Increment", &TUpDown::Increment, &TUpDown::SetIncrement).Default(1);
    P.Property("Max", &TUpDown::Max, &TUpDown::SetMax).Default(100);
    P.Property("Min", &TUpDown::Min, &TUpDown::SetMin).Default(0);
    P.Property("Orientation", &TUpDown::Orientation, &TUpDown::SetOrientation).Default(udVertical);
    P.Property("Position", &TUpDown::Position, &TUpDown::SetPosition).Default(0);
    P.Property("Thousands", &TUpDown::Thousands, &TUpDown::SetThousands).Default(true);
    P.Property("Wrap", &TUpDown::Wrap, &TUpDown::SetWrap).Default(false);
    P.Property("OnChanging", &TUpDown::OnChanging);
    P.Property("OnClick", &TUpDown::OnClick);
}
