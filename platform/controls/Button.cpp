#include "platform/controls/Button.h"

#include "platform/controls/CustomForm.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/win/KeyState.h"

ORVO_IMPLEMENT_CLASS(TButtonControl, TCustomControl)
ORVO_IMPLEMENT_CLASS(TButton, TButtonControl)

namespace {
constexpr Word KeySpace = VK_SPACE;
constexpr Word KeyReturn = VK_RETURN;
constexpr Word KeyEscape = VK_ESCAPE;
} // namespace

// ---- TButtonControl ----------------------------------------------------------------------------

TButtonControl::TButtonControl(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = {csSetCaption, csDoubleClicks, csClickEvents, csCaptureMouse};
    SetTabStop(true);
}

bool TButtonControl::IsAccel(QChar Key) const {
    return IsAccelChar(Key, Caption());
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Enabled()) {
        if (CanFocus() && !Focused()) SetFocus();
        FTracking = true;
        FPressed = true;
        Invalidate();
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TButtonControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (FTracking) {
        // Dragged out, the button comes up; back in, it goes down again.
        const bool inside = ClientRect().Contains(Point(X, Y));
        if (inside != FPressed) {
            FPressed = inside;
            Invalidate();
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TButtonControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && FTracking) {
        FTracking = false;
        FPressed = false;
        Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TButtonControl::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == KeySpace && !FSpaceDown) {
        FSpaceDown = true;
        FPressed = true;
        Invalidate();
    }
}

void TButtonControl::KeyUp(Word& Key, TShiftState Shift) {
    TCustomControl::KeyUp(Key, Shift);
    if (Key == KeySpace && FSpaceDown) {
        FSpaceDown = false;
        FPressed = false;
        Invalidate();
        Click();
    }
}

void TButtonControl::SetTextValue(const String& Value) {
    TCustomControl::SetTextValue(Value);
    Invalidate();
}

void TButtonControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_BUTTON;
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(QChar(char16_t(Message.WParam))) && CanFocus()) {
            Click();
            Message.Result = 1;
            return;
        }
        break;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}

// ---- TButton -----------------------------------------------------------------------------------

TButton::TButton(TComponent* AOwner)
    : TButtonControl(AOwner), FImageChangeLink(std::make_unique<TChangeLink>()) {
    SetBounds(0, 0, 75, 25);
    FImageChangeLink->OnChange = TNotifyEvent([this](TObject*) { Invalidate(); });
}

// The change link leaves its list as it goes.
TButton::~TButton() = default;

void TButton::Click() {
    // The form's result first: an OnClick handler may read or change it.
    if (FModalResult != mrNone)
        if (TCustomForm* form = ::GetParentForm(this)) form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::SetDefault(bool Value) {
    FDefault = Value;
    Invalidate();
}

void TButton::SetImageIndex(int Value) {
    FImageIndex = Value;
    Invalidate();
}

void TButton::SetImages(TCustomImageList* Value) {
    if (Value == FImages) return;
    if (FImages) FImages->UnRegisterChanges(FImageChangeLink.get());
    FImages = Value;
    if (FImages) {
        FImages->RegisterChanges(FImageChangeLink.get());
        FImages->FreeNotification(this);
    }
    Invalidate();
}

void TButton::Notification(TComponent* AComponent, TOperation Operation) {
    TButtonControl::Notification(AComponent, Operation);
    // A list being destroyed has already let go of the change link.
    if (Operation == opRemove && AComponent == FImages) {
        FImages = nullptr;
        Invalidate();
    }
}

void TButton::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_DIALOGKEY) {
        const Word key = Word(Message.WParam);
        // Enter clicks the default button unless another button has the focus (that one
        // takes its own Enter); Escape clicks the cancel button.
        bool activeDefault = false;
        if (key == KeyReturn && FDefault) {
            HWND focus = GetFocus();
            TWinControl* focused = FindControl(focus);
            activeDefault = !dynamic_cast<TButtonControl*>(focused) || focused == this;
        }
        if ((activeDefault || (key == KeyEscape && FCancel)) && Visible() && Enabled() && Showing()) {
            Click();
            Message.Result = 1;
            return;
        }
    }
    TButtonControl::Dispatch(Message);
}

void TButton::Paint() {
    TCanvas* c = Canvas();
    TRect r = ClientRect();
    DrawPushButtonFrame(c, r, FDefault || Focused(), Pressed());
    c->SetFont(Font());
    if (!Enabled()) c->Font()->SetColor(clGrayText);
    c->Brush()->SetStyle(bsClear);
    TRect text = r;
    if (Pressed()) text = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    if (FImages && FImageIndex >= 0 && FImageIndex < FImages->Count())
        FImages->Draw(c, text.Left + (text.Width() - FImages->Width()) / 2,
                      text.Top + (text.Height() - FImages->Height()) / 2, FImageIndex, Enabled());
    else
        DrawControlText(c, text, Caption(), taCenter, tlCenter, false);
    if (Focused()) DrawPushButtonFocus(c, r);
}

ORVO_PUBLISHED(TButton) {
    PublishWinControlBasics(P);
    P.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
    P.Property("Caption", &TButton::Caption, &TButton::SetCaption);
    P.Property("Default", &TButton::Default, &TButton::SetDefault).Default(false);
    P.Property("ImageIndex", &TButton::ImageIndex, &TButton::SetImageIndex).Default(-1);
    P.Property("Images", &TButton::Images, &TButton::SetImages);
    P.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(0);
    P.Property("TabStop", &TButton::TabStop, &TButton::SetTabStop).Default(true);
}
