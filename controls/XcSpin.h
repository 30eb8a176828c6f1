// A numeric edit box with built-in up and down buttons (TXcSpinEdit), the two-part button
// it uses (TXcSpinButton) and a variant of the platform's up-down control (TXcUpDown). The
// value is an extended number shown as text; typing is filtered, the value may be clamped
// to limits, stepped with the buttons, the arrow keys and the wheel, and shown as integer,
// fixed-point, hexadecimal or by a format string.
#pragma once

#include "controls/SpinButtonBitmaps.h"
#include "controls/XcExControls.h"
#include "controls/XcExMask.h"
#include "platform/controls/UpDown.h"
#include "platform/rtl/Types.h"

class TBitmap;
class TTimer;

// The kind of number a spin edit holds. (The stream value type of the class library owns
// the name TValueType on this platform.)
enum TSpinValueType { vtInteger, vtFloat, vtHex };
ORVO_DECLARE_ENUM_TYPE(TSpinValueType)
enum TSpinButtonKind { bkStandard, bkDiagonal, bkClassic };
ORVO_DECLARE_ENUM_TYPE(TSpinButtonKind)
enum TXcCheckOption { coCheckOnChange, coCheckOnExit, coCropBeyondLimit };
ORVO_DECLARE_ENUM_TYPE(TXcCheckOption)
using TXcCheckOptions = Set<TXcCheckOption>;
ORVO_DECLARE_SET_TYPE(TXcCheckOptions)
ORVO_DECLARE_ENUM_TYPE(TXcSpinButtonStyle)

// The two halves of a spin button: split along the diagonal (sbsDefault) or into upper and
// lower halves (sbsClassic). Held down, a half clicks at once, again after InitRepeatPause
// and then every RepeatPause while the mouse stays on it.
class TXcSpinButton : public TXcExGraphicControl {
    ORVO_CLASS(TXcSpinButton, TXcExGraphicControl)
public:
    explicit TXcSpinButton(TComponent* AOwner);
    ~TXcSpinButton() override;

    TXcSpinButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TXcSpinButtonStyle Value);
    TBitmap* UpGlyph() const { return FUpGlyph; }
    void SetUpGlyph(TBitmap* Value);
    TBitmap* DownGlyph() const { return FDownGlyph; }
    void SetDownGlyph(TBitmap* Value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    int InitRepeatPause() const { return FInitRepeatPause; }
    void SetInitRepeatPause(int Value) { FInitRepeatPause = Value; }
    int RepeatPause() const { return FRepeatPause; }
    void SetRepeatPause(int Value) { FRepeatPause = Value; }
    TSpinButtonState Down() const { return FDown; }
    void SetDown(TSpinButtonState Value);
    // Whether the point lies in the lower (bottom) half.
    bool InBottomHalf(int X, int Y) const;
    // The shared image set the button drew with last (null before its first paint).
    TSpinButtonBitmaps* Bitmaps() const { return FBitmaps; }

    TNotifyEvent OnTopClick;
    TNotifyEvent OnBottomClick;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void TopClick();
    void BottomClick();
    void TimerExpired(TObject* Sender);
    void ReleaseBitmaps();

    TXcSpinButtonStyle FButtonStyle = sbsDefault;
    TBitmap* FUpGlyph;
    TBitmap* FDownGlyph;
    TWinControl* FFocusControl = nullptr;
    int FInitRepeatPause = 400;
    int FRepeatPause = 100;
    TSpinButtonState FDown = sbNotDown;
    TSpinButtonState FLastDown = sbNotDown;
    bool FDragging = false;
    TTimer* FRepeatTimer = nullptr;
    TSpinButtonBitmaps* FBitmaps = nullptr;
    bool FMouseInTopBtn = false;
    bool FMouseInBottomBtn = false;
};

// The platform's up-down control as the spin edit's standard buttons: each thumb step
// clicks btNext or btPrev and the position goes back to 0.
class TXcUpDown : public TCustomUpDown {
    ORVO_CLASS(TXcUpDown, TCustomUpDown)
public:
    explicit TXcUpDown(TComponent* AOwner);
    TUDClickEvent OnSpinClick;

protected:
    void Click(TUDBtnType Button) override;
};

class TXcCustomSpinEdit : public TXcExCustomMaskEdit {
    ORVO_CLASS(TXcCustomSpinEdit, TXcExCustomMaskEdit)
public:
    explicit TXcCustomSpinEdit(TComponent* AOwner);
    ~TXcCustomSpinEdit() override;

    virtual Extended GetValue() = 0;
    virtual void SetValue(Extended NewValue) = 0;
    Extended Value() { return GetValue(); }
    int AsInteger() { return int(GetValue()); }
    void SetAsInteger(int Value) { SetValue(Value); }
    TSpinValueType ValueType() const { return FValueType; }
    virtual void SetValueType(TSpinValueType Value);
    Byte Decimal() const { return FDecimal; }
    void SetDecimal(Byte Value);
    Extended Increment() const { return FIncrement; }
    void SetIncrement(Extended Value) { FIncrement = Value; }
    Extended MinValue() const { return FMinValue; }
    void SetMinValue(Extended Value);
    Extended MaxValue() const { return FMaxValue; }
    void SetMaxValue(Extended Value);
    bool CheckMinValue() const { return FCheckMinValue; }
    void SetCheckMinValue(bool Value);
    bool CheckMaxValue() const { return FCheckMaxValue; }
    void SetCheckMaxValue(bool Value);
    TXcCheckOptions CheckOptions() const { return FCheckOptions; }
    void SetCheckOptions(TXcCheckOptions Value) { FCheckOptions = Value; }
    bool Thousands() const { return FThousands; }
    void SetThousands(bool Value);
    String DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const String& Value);
    bool ArrowKeys() const { return FArrowKeys; }
    void SetArrowKeys(bool Value) { FArrowKeys = Value; }
    TSpinButtonKind ButtonKind() const { return FButtonKind; }
    void SetButtonKind(TSpinButtonKind Value);
    bool ShowButton() const { return FShowButton; }
    void SetShowButton(bool Value);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }

    // Limits: the stored-in-form rules of the check flags.
    bool CheckMinValueStored() const;
    bool CheckMaxValueStored() const;
    Extended ClampToLimits(Extended X) const;
    // The clamped value; raises ERangeError "Value must be between %0:g and %1:g" when asked
    // and the value lies outside an applying limit.
    Extended ValidateLimits(Extended X, bool RaiseOnError) const;
    bool HasLimits() const { return FMinValue != 0 || FMaxValue != 0; }

    virtual void StepUp();
    virtual void StepDown();
    virtual String DefaultDisplayFormat() const { return QStringLiteral(",0.##"); }

    // The spin button (null with bkStandard or without buttons) and the up-down.
    TXcSpinButton* Button() const { return FButton; }
    TXcUpDown* UpDown() const { return FUpDown; }

    TNotifyEvent OnTopClick;
    TNotifyEvent OnBottomClick;

    void Dispatch(TMessage& Message) override;

protected:
    virtual void ApplyEditFormat();
    virtual bool AcceptsChar(QChar Key);
    void Change() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoEnter() override;
    void DoExit() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
    void Loaded() override;
    void HandleBoundsChange() override;
    void HandleEnabledChange() override;
    void CreateHandle() override;

    bool FChanging = false;
    bool FIsNegative = false;
    bool FFocused = false;

private:
    void RebuildButtons();
    void PlaceButtons();
    void SetFocusedState(bool Value);
    void UpDownClick(TObject* Sender, TUDBtnType Button);
    void Step(bool Up);
    int ButtonAreaWidth() const;

    Extended FOldValue = 0;
    TSpinValueType FValueType = vtInteger;
    Byte FDecimal = 2;
    Extended FIncrement = 1;
    Extended FMinValue = 0;
    Extended FMaxValue = 0;
    bool FCheckMinValue = false;
    bool FCheckMaxValue = false;
    bool FLCheckMinValue = true;
    bool FLCheckMaxValue = true;
    TXcCheckOptions FCheckOptions{coCheckOnChange, coCheckOnExit, coCropBeyondLimit};
    bool FThousands = false;
    String FDisplayFormat;
    bool FArrowKeys = true;
    TSpinButtonKind FButtonKind = bkDiagonal;
    bool FShowButton = true;
    bool FEditorEnabled = true;
    TXcSpinButton* FButton = nullptr;
    TCustomControl* FBtnWindow = nullptr;
    TXcUpDown* FUpDown = nullptr;
};

class TXcSpinEdit : public TXcCustomSpinEdit {
    ORVO_CLASS(TXcSpinEdit, TXcCustomSpinEdit)
public:
    explicit TXcSpinEdit(TComponent* AOwner);
    Extended GetValue() override;
    void SetValue(Extended NewValue) override;
};

// The width of the spin buttons: the system's vertical scroll-bar width, at most 15.
int SpinButtonWidth();
