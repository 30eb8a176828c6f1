// TCustomLabel/TLabel: window-less text. With AutoSize the label takes the size of its
// text (lines split at CR LF, or wrapped at its width with WordWrap); FocusControl gets
// the focus when the label's accelerator is pressed.
#pragma once

#include "platform/controls/GraphicControl.h"
#include "platform/controls/StdControlTypes.h"

class TCustomLabel : public TGraphicControl {
    ORVO_CLASS(TCustomLabel, TGraphicControl)
public:
    explicit TCustomLabel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool Transparent() const { return !ControlStyle().Contains(csOpaque); }
    void SetTransparent(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    void SetAutoSize(bool Value) override;

protected:
    void Paint() override;
    void SetTextValue(const String& Value) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    // Fits the bounds to the text when AutoSize (the anchored edge stays).
    void AdjustBounds();

private:
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
    ORVO_CLASS(TLabel, TCustomLabel)
public:
    explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};
