// TXcSwitch: a two-state switch drawn as one of two bitmaps (off and on), with an optional
// caption beside, above or below. A left click, the toggle key or ToggleSwitch flips it;
// every change of state fires OnOn or OnOff.
#pragma once

#include "controls/XcExControls.h"
#include "platform/controls/Menus.h"
#include "platform/controls/StdControlTypes.h"

#include <array>

class TBitmap;
class TFiler;

enum TTextPos { tpNone, tpLeft, tpRight, tpAbove, tpBelow };
ORVO_DECLARE_ENUM_TYPE(TTextPos)
// Which glyphs the user assigned (0 = off, 1 = on).
using TSwitchBitmaps = Byte;

class TXcSwitch : public TXcExCustomControl {
    ORVO_CLASS(TXcSwitch, TXcExCustomControl)
public:
    explicit TXcSwitch(TComponent* AOwner);
    ~TXcSwitch() override;

    // Flips StateOn.
    void ToggleSwitch() { SetStateOn(!FStateOn); }
    // The palette to realise for the switch: the glyph of the current state's when
    // enabled, none otherwise. (Bitmaps here are true-colour and carry no palette.)
    HPALETTE GetPalette() const;

    bool StateOn() const { return FStateOn; }
    void SetStateOn(bool Value);
    TBitmap* Glyph(int Index);
    // A bitmap is copied; null brings back the built-in glyph.
    void SetGlyph(int Index, TBitmap* Value);
    bool GlyphStored(int Index) const { return (FUserBitmaps >> Index) & 1; }
    TBitmap* GlyphOff() { return Glyph(0); }
    void SetGlyphOff(TBitmap* Value) { SetGlyph(0, Value); }
    TBitmap* GlyphOn() { return Glyph(1); }
    void SetGlyphOn(TBitmap* Value) { SetGlyph(1, Value); }
    // The disabled look of a glyph, or null while none was made.
    TBitmap* DisabledGlyph(int Index) const { return FDisableBitmaps[std::size_t(Index)]; }
    TTextPos TextPosition() const { return FTextPosition; }
    void SetTextPosition(TTextPos Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TShortCut ToggleKey() const { return FToggleKey; }
    void SetToggleKey(TShortCut Value) { FToggleKey = Value; }
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool Value);
    TSwitchBitmaps UserBitmaps() const { return FUserBitmaps; }

    TNotifyEvent OnOn;
    TNotifyEvent OnOff;

protected:
    void DefineProperties(TFiler* Filer) override;
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void HandleTextChange() override;
    bool HandleDialogChar(QChar Key, TShiftState Shift, const String& KeyText) override;
    bool HandleEraseBackground(TCanvas* Canvas, LPARAM Param) override;
    void HandleFocusChange(TWinControl* FocusedControl) override;
    void HandleEnabledChange() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    virtual void NotifyOn();
    virtual void NotifyOff();

private:
    void GlyphChanged(TObject* Sender);
    void LoadDefaultGlyph(int Index);
    void ReadData(TStream* Stream);
    void WriteData(TStream* Stream);

    bool FActive = false;
    std::array<TBitmap*, 2> FBitmaps{};
    std::array<TBitmap*, 2> FDisableBitmaps{};
    bool FStateOn = false;
    TTextPos FTextPosition = tpNone;
    TBorderStyle FBorderStyle = bsNone;
    TShortCut FToggleKey = 32;
    bool FShowFocus = true;
    TSwitchBitmaps FUserBitmaps = 0;
};
