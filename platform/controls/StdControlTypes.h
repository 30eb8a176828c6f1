// Small types shared by the standard controls: text alignment and layout, bevel cuts,
// border styles and check-box states, with their type information for form resources.
#pragma once

#include "platform/classes/TypInfo.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/Font.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
ORVO_DECLARE_ENUM_TYPE(TAlignment)
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
ORVO_DECLARE_ENUM_TYPE(TVerticalAlignment)
enum TTextLayout { tlTop, tlCenter, tlBottom };
ORVO_DECLARE_ENUM_TYPE(TTextLayout)
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
ORVO_DECLARE_ENUM_TYPE(TBevelCut)
using TBevelWidth = int;
// The border of a control: bsNone or bsSingle of the form border styles.
using TBorderStyle = TFormBorderStyle;
enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
ORVO_DECLARE_ENUM_TYPE(TCheckBoxState)

class TCanvas;
// Draws a bevel of Width pixels on the edges of R (raised: light top-left, dark
// bottom-right; lowered: the other way) and shrinks R by it. bvNone and bvSpace draw
// nothing but bvSpace still takes the room.
void DrawBevel(TCanvas* Canvas, TRect& R, TBevelCut Cut, int Width);
// Text drawn in R with the control's font, aligned; "&" marks an accelerator unless
// NoPrefix. Returns the height the text took.
int DrawControlText(TCanvas* Canvas, const TRect& R, const String& Text, TAlignment Alignment,
                    TTextLayout Layout, bool WordWrap, bool NoPrefix = false);
// Whether Key (in either case) is the accelerator of Text: the character after the first
// single "&" ("&&" stands for a literal ampersand).
bool IsAccelChar(QChar Key, const String& Text);

// A push button's face and frame in R: filled with the button colour, a dark line round it
// when Framed (the default or focused button), then raised edges, or flat dark ones when
// Pressed. R becomes the area inside the frame.
void DrawPushButtonFrame(TCanvas* Canvas, TRect& R, bool Framed, bool Pressed);
// A push button's focus rectangle, two pixels inside R (the area inside its frame).
void DrawPushButtonFocus(TCanvas* Canvas, const TRect& R);

// The members every standard control publishes (position, alignment, look, hints and the
// mouse events); windowed controls add their tab stop and keys.
template <class T> void PublishControlBasics(TPublisher<T>& P) {
    P.Property("Align", &T::Align, &T::SetAlign).Default(alNone);
    P.Property("Anchors", &T::Anchors, &T::SetAnchors).Default(TAnchors{akLeft, akTop});
    P.Property("Enabled", &T::Enabled, &T::SetEnabled).Default(true);
    P.Property("Font", &T::Font, &T::SetFont);
    P.Property("ParentFont", &T::ParentFont, &T::SetParentFont).Default(true);
    P.Property("ParentColor", &T::ParentColor, &T::SetParentColor);
    P.Property("Hint", &T::Hint, &T::SetHint);
    P.Property("ShowHint", &T::ShowHint, &T::SetShowHint)
        .Default(false)
        .Stored([](T* c) { return !c->ParentShowHint(); });
    P.Property("ParentShowHint", &T::ParentShowHint, &T::SetParentShowHint).Default(true);
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
    P.Property("OnClick", &T::OnClick);
    P.Property("OnDblClick", &T::OnDblClick);
    P.Property("OnMouseDown", &T::OnMouseDown);
    P.Property("OnMouseMove", &T::OnMouseMove);
    P.Property("OnMouseUp", &T::OnMouseUp);
}
template <class T> void PublishWinControlBasics(TPublisher<T>& P) {
    PublishControlBasics(P);
    P.Property("TabOrder", &T::TabOrder, &T::SetTabOrder).Default(-1);
    P.Property("TabStop", &T::TabStop, &T::SetTabStop);
    P.Property("OnEnter", &T::OnEnter);
    P.Property("OnExit", &T::OnExit);
    P.Property("OnKeyDown", &T::OnKeyDown);
    P.Property("OnKeyPress", &T::OnKeyPress);
    P.Property("OnKeyUp", &T::OnKeyUp);
}
