// TSpeedButton: a window-less tool button with a glyph and a caption. Buttons of the same
// parent with the same non-zero GroupIndex act as a group: one goes down, the others come
// up; with AllowAllUp a click on the down button brings it up, without it the group always
// keeps one down. OnClick fires on a release inside after a press inside.
#pragma once

#include "platform/controls/GraphicControl.h"

class TBitmap;
class TFont;

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
ORVO_DECLARE_ENUM_TYPE(TButtonLayout)
// The look of a button: up, disabled, pressed, and down as the member of a group.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
ORVO_DECLARE_ENUM_TYPE(TButtonState)
using TNumGlyphs = int;

namespace platform::detail {
// Draws a button's glyph and caption within R. The glyph bitmap holds NumGlyphs images
// side by side (up, disabled, pressed, down); a state without its own image draws the
// first one, greyed when disabled. Its bottom-left pixel's colour is transparent. Margin
// -1 centres the pair; Spacing is the gap between glyph and caption (-1: centres the
// caption in the room the glyph leaves).
void DrawButtonFace(TCanvas* Canvas, const TRect& R, TBitmap* Glyph, int NumGlyphs, TButtonState State,
                    const String& Caption, TFont* Font, TButtonLayout Layout, int Margin, int Spacing);
} // namespace platform::detail

class TSpeedButton : public TGraphicControl {
    ORVO_CLASS(TSpeedButton, TGraphicControl)
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    // Only a button of a group can be down; a down button of a group that does not allow
    // all up refuses to come up (another one of the group going down raises it).
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    // Shared by the whole group: setting it on one button sets it on all.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    TBitmap* Glyph() const { return FGlyph; }
    void SetGlyph(TBitmap* Value);
    TNumGlyphs NumGlyphs() const { return FNumGlyphs; }
    // 1 to 4; other values are ignored.
    void SetNumGlyphs(TNumGlyphs Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // The look it is painted with now.
    TButtonState State() const { return FState; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Dispatch(TMessage& Message) override;
    void SetTextValue(const String& Value) override;

private:
    // Tells the other buttons of the group (CM_BUTTONPRESSED through the parent).
    void UpdateExclusive();
    void GlyphChanged(TObject* Sender);
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FFlat = false;
    bool FTransparent = true;
    bool FDragging = false;
    TBitmap* FGlyph;
    TNumGlyphs FNumGlyphs = 1;
    TButtonLayout FLayout = blGlyphLeft;
    int FMargin = -1;
    int FSpacing = 4;
    TButtonState FState = bsUp;
};
