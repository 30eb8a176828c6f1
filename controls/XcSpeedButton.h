// TXcSpeedButton: a window-less push button that acts alone or as one of a group (same
// non-zero GroupIndex on the same parent; at most one down), with a caption, a glyph strip
// of up to five images (up, disabled, down, exclusive, inactive), a flat look, hot tracking
// (own font, colours and glyph while the mouse is over it), auto-repeat clicks and a
// drop-down menu.
#pragma once

#include "controls/XcExControls.h"
#include "controls/XcHotTrackPersistent.h"
#include "platform/classes/Interfaces.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/StdControlTypes.h"
#include "storage/support/XcWinUtils.h"

#include <array>
#include <memory>

class TBitmap;
class TFont;
class TTimer;
class TPopupMenu;
class TCustomImageList;
class TXcGlyphList;

enum TXcButtonState { rbsUp, rbsDisabled, rbsDown, rbsExclusive, rbsInactive };
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
ORVO_DECLARE_ENUM_TYPE(TButtonStyle)
enum TXcDropDownMenuPos { dmpBottom, dmpRight };
ORVO_DECLARE_ENUM_TYPE(TXcDropDownMenuPos)
ORVO_DECLARE_ENUM_TYPE(TXcTrackFontOption)
ORVO_DECLARE_SET_TYPE(TXcTrackFontOptions)
using TXcNumGlyphs = int;

// Draws the classic frame of a speed button in Rect and steps Rect inside it.
void DrawSpeedButtonFrame(TCanvas* Canvas, TRect& Rect, bool IsDown, TColor Color, TButtonStyle Style,
                          bool Flat);

// A button's glyph strip and the images made from it for each state, and the layout of
// glyph and caption.
class TXcxButtonGlyph : public TObject {
    ORVO_CLASS(TXcxButtonGlyph, TObject)
public:
    TXcxButtonGlyph();
    ~TXcxButtonGlyph() override;

    TBitmap* Glyph() const { return FGlyph; }
    void SetGlyph(TBitmap* Value);
    TXcNumGlyphs NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(TXcNumGlyphs Value);
    TAlignment Alignment = taCenter;
    bool GrayNewStyle() const { return FGrayNewStyle; }
    void SetGrayNewStyle(bool Value);
    bool WordWrap = false;
    TNotifyEvent OnChange;
    // Drops the images made for the states.
    void Invalidate();
    // The image of one state (null without a glyph); owned by the glyph.
    TBitmap* GlyphImageForState(TXcButtonState State);
    // The glyph's size (one part of the strip), 0 x 0 without one.
    TPoint GlyphSize() const;

    // Lays out and draws glyph, caption and popup mark in Client; TextBounds receives the
    // caption's rectangle.
    void Draw(TCanvas* Canvas, const TRect& Client, TRect& TextBounds, TXcButtonState State, bool PopupMark,
              int Spacing, int Margin, TButtonLayout Layout, const String& Caption, TPoint Offset);
    // As Draw, with the image ImageIndex of Images in place of the glyph when both are given
    // and the index lies in the list.
    void DrawEx(TCanvas* Canvas, const TRect& Client, TRect& TextBounds, TXcButtonState State, bool PopupMark,
                int Spacing, int Margin, TButtonLayout Layout, const String& Caption, TPoint Offset,
                TCustomImageList* Images, int ImageIndex);
    // The glyph's image for the state, from the shared glyph list of its size.
    void DrawButtonGlyph(TCanvas* Canvas, TPoint GlyphPos, TXcButtonState State);
    void DrawButtonImage(TCanvas* Canvas, TPoint GlyphPos, TCustomImageList* Images, int ImageIndex,
                         TXcButtonState State);
    // The caption on a clear background; disabled, embossed in the highlight and shadow
    // colours.
    void DrawButtonText(TCanvas* Canvas, const String& Caption, const TRect& TextBounds,
                        TXcButtonState State);
    // The 7-pixel down-pointing mark of a drop-down menu at (X, Y).
    void DrawPopupMark(TCanvas* Canvas, int X, int Y, TXcButtonState State);
    // The index of the state's image in GlyphList (made there on first use), -1 without a
    // glyph.
    int StateImageIndex(TXcButtonState State);
    TXcGlyphList* GlyphList() const { return FGlyphList; }

private:
    void GlyphChanged(TObject* Sender);
    TBitmap* FGlyph;
    TXcNumGlyphs FNumGlyphs = 1;
    bool FGrayNewStyle = true;
    std::array<std::unique_ptr<TBitmap>, 5> FImages;
    std::array<int, 5> FIndexes;
    TXcGlyphList* FGlyphList = nullptr;
};

class TXcCustomSpeedButton;

// The hot-track settings of a control (its hot-track switch, font, font options and
// colours), so that one control can take another's.
class IHotTrackSettings : public virtual IInterface {
public:
    // {8F1B40FB-D8E3-46FE-A7A3-21CE4B199A8F}
    static constexpr TGUID IID{0x8F1B40FB, 0xD8E3, 0x46FE, {0xA7, 0xA3, 0x21, 0xCE, 0x4B, 0x19, 0x9A, 0x8F}};
    virtual bool GetHotTrack() = 0;
    virtual TFont* GetHotTrackFont() = 0;
    virtual TXcTrackFontOptions GetHotTrackFontOptions() = 0;
    virtual TXcHotTrackOptions* GetHotTrackOptions() = 0;
    virtual void SetHotTrack(bool Value) = 0;
    virtual void SetHotTrackFont(TFont* Value) = 0;
    virtual void SetHotTrackFontOptions(TXcTrackFontOptions Value) = 0;
    virtual void SetHotTrackOptions(TXcHotTrackOptions* Value) = 0;
    // Copies the four settings from Source (nothing when Source is this one).
    virtual void AssignHotTrackSettings(IHotTrackSettings* Source) = 0;
};

// The link of a speed button to its action: the action's checked state drives Down only
// for a group button with AllowAllUp whose Down equals the action's Checked; the group
// index follows while both are equal.
class TXcSpeedButtonActionLink : public TControlActionLink {
    ORVO_CLASS(TXcSpeedButtonActionLink, TControlActionLink)
public:
    explicit TXcSpeedButtonActionLink(TObject* AClient);
    bool IsCheckedLinked() override;
    bool IsGroupIndexLinked() override;
    void SetChecked(bool Value) override;
    void SetGroupIndex(int Value) override;

private:
    TXcCustomSpeedButton* Button() const;
};

class TXcCustomSpeedButton : public TXcExGraphicControl, public IHotTrackSettings {
    ORVO_CLASS(TXcCustomSpeedButton, TXcExGraphicControl)
public:
    // IHotTrackSettings (and IInterface); the button's life is its owner's, not counted.
    HResult QueryInterface(const TGUID& IID, void** Obj) override;
    int _AddRef() override { return -1; }
    int _Release() override { return -1; }
    bool GetHotTrack() override { return FHotTrack; }
    TFont* GetHotTrackFont() override { return FHotTrackFont; }
    TXcTrackFontOptions GetHotTrackFontOptions() override { return FHotTrackFontOptions; }
    TXcHotTrackOptions* GetHotTrackOptions() override { return FHotTrackOptions; }
    void AssignHotTrackSettings(IHotTrackSettings* Source) override;

    explicit TXcCustomSpeedButton(TComponent* AOwner);
    ~TXcCustomSpeedButton() override;

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value);
    bool AllowTimer() const { return FAllowTimer; }
    void SetAllowTimer(bool Value) { FAllowTimer = Value; }
    Word InitPause() const { return FInitPause; }
    void SetInitPause(Word Value) { FInitPause = Value; }
    Word RepeatInterval() const { return FRepeatInterval; }
    void SetRepeatInterval(Word Value) { FRepeatInterval = Value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    TButtonStyle Style() const { return FStyle; }
    void SetStyle(TButtonStyle Value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout Value);
    int Margin() const { return FMargin; }
    // -1 centres; values below -1 are refused.
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    TAlignment Alignment() const { return FGlyph->Alignment; }
    void SetAlignment(TAlignment Value);
    bool WordWrap() const { return FGlyph->WordWrap; }
    void SetWordWrap(bool Value);
    TBitmap* Glyph() const { return FGlyph->Glyph(); }
    void SetGlyph(TBitmap* Value) { FGlyph->SetGlyph(Value); }
    TXcNumGlyphs NumGlyphs() const { return FGlyph->NumGlyphs(); }
    // 1 to 5; larger values give 5.
    void SetNumGlyphs(TXcNumGlyphs Value);
    bool GrayNewStyle() const { return FGlyph->GrayNewStyle(); }
    void SetGrayNewStyle(bool Value);
    bool GrayedInactive() const { return FGrayedInactive; }
    void SetGrayedInactive(bool Value);
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* Value);
    bool MarkDropDown() const { return FMarkDropDown; }
    void SetMarkDropDown(bool Value);
    TXcDropDownMenuPos MenuPosition() const { return FMenuPosition; }
    void SetMenuPosition(TXcDropDownMenuPos Value) { FMenuPosition = Value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool Value) override;
    TFont* HotTrackFont() const { return FHotTrackFont; }
    void SetHotTrackFont(TFont* Value) override;
    TXcTrackFontOptions HotTrackFontOptions() const { return FHotTrackFontOptions; }
    void SetHotTrackFontOptions(TXcTrackFontOptions Value) override;
    TXcHotTrackOptions* HotTrackOptions() const { return FHotTrackOptions; }
    void SetHotTrackOptions(TXcHotTrackOptions* Value) override { FHotTrackOptions->Assign(Value); }
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }

    // The state the button is in (rbsUp ... rbsInactive).
    TXcButtonState State() const { return FState; }
    // Presses and releases the button in code.
    void ButtonClick();
    // Opens the drop-down menu at its place, whatever its AutoPopup says.
    bool CheckBtnMenuDropDown();
    void Click() override;
    // Re-evaluates whether the mouse is over the button.
    void UpdateTracking();
    // Where the drop-down menu opens, in client coordinates.
    TPoint DropDownMenuPoint() const;

    void Dispatch(TMessage& Message) override;

protected:
    void Paint() override;
    virtual void PaintContent(TCanvas* Canvas, const TRect& Rect, bool PopupMark, TXcButtonState State,
                              TPoint Offset) = 0;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void HandleTextChange() override;
    bool HandleDialogChar(QChar Key, TShiftState Shift, const String& KeyText) override;
    void HandleMouseEnter(TControl* AControl) override;
    void HandleMouseLeave(TControl* AControl) override;
    void HandleEnabledChange() override;
    void HandleFontChange() override;
    void HandleVisibleChange() override;
    // An action with a group index gives it to the button (on defaults only when the
    // button has none); an action image goes into an empty Glyph (transparent 0xFF00FF).
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    TControlActionLink* CreateActionLink() override;
    // Whether the button paints its hot look (under the mouse or pressed).
    bool IsHot() const { return MouseOver() || FDragging; }
    bool PopupMark() const;

    TXcxButtonGlyph* FGlyph;
    TXcButtonState FState = rbsUp;
    bool FDragging = false;
    bool FMenuTracking = false;

private:
    void NotifyGroup();
    void FinishPress(TMouseButton Button, int X, int Y);
    void RepeatTick(TObject* Sender);
    void StopTimer();
    bool PopupDropDownMenu(bool Manual);
    void GlyphChanged(TObject* Sender);
    bool Inside(int X, int Y) const { return X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight(); }

    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FAllowTimer = false;
    Word FInitPause = 500;
    Word FRepeatInterval = 100;
    bool FFlat = false;
    bool FTransparent = false;
    TButtonStyle FStyle = bsAutoDetect;
    TButtonLayout FLayout = blGlyphTop;
    int FMargin = -1;
    int FSpacing = 1;
    bool FGrayedInactive = true;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FMarkDropDown = true;
    TXcDropDownMenuPos FMenuPosition = dmpBottom;
    TModalResult FModalResult = 0;
    bool FHotTrack = false;
    TFont* FHotTrackFont;
    TXcTrackFontOptions FHotTrackFontOptions{hoFollowFont, hoPreserveColor, hoPreserveStyle};
    TXcHotTrackOptions* FHotTrackOptions;
    bool FDoubleBuffered = true;
    TTimer* FRepeatTimer = nullptr;
};

class TXcSpeedButton : public TXcCustomSpeedButton {
    ORVO_CLASS(TXcSpeedButton, TXcCustomSpeedButton)
public:
    explicit TXcSpeedButton(TComponent* AOwner);
    ~TXcSpeedButton() override;

    TBitmap* HotTrackGlyph() const { return FHotTrackGlyph->Glyph(); }
    void SetHotTrackGlyph(TBitmap* Value) { FHotTrackGlyph->SetGlyph(Value); }

protected:
    void PaintContent(TCanvas* Canvas, const TRect& Rect, bool PopupMark, TXcButtonState State,
                      TPoint Offset) override;

private:
    TXcxButtonGlyph* FHotTrackGlyph;
};
