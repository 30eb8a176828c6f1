// TButton: a push button. A click sets the form's ModalResult to the button's own when it
// has one; Enter clicks the form's Default button and Escape its Cancel button (the
// CM_DIALOGKEY the form passes round). With Images and an ImageIndex inside the list the
// button shows that picture centred instead of its caption.
#pragma once

#include "platform/controls/CustomControl.h"
#include "platform/controls/StdControlTypes.h"

#include <memory>

class TCustomImageList;
class TChangeLink;

class TButtonControl : public TCustomControl {
    ORVO_CLASS(TButtonControl, TCustomControl)
public:
    explicit TButtonControl(TComponent* AOwner);

protected:
    // Whether the control is drawn pressed (the left button held inside it, or Space).
    bool Pressed() const { return FPressed; }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void SetTextValue(const String& Value) override;
    void Dispatch(TMessage& Message) override;
    // Whether Key is the accelerator ("&x") of the caption.
    bool IsAccel(QChar Key) const;

private:
    bool FPressed = false;
    bool FTracking = false;
    bool FSpaceDown = false;
};

class TButton : public TButtonControl {
    ORVO_CLASS(TButton, TButtonControl)
public:
    explicit TButton(TComponent* AOwner);
    ~TButton() override;

    void Click() override;
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
    int FImageIndex = -1;
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TChangeLink> FImageChangeLink;
};
