// The extended-control layer: thin wrappers over the class library's control classes that
// turn the component notifications (CM_ messages) and a few window messages into
// overridable handlers, add mouse-enter and mouse-leave tracking (MouseOver), a per-control
// hint colour and hint window class, and the DotNetHighlighting switch of the windowed
// wrappers.
//
// One template, TXcExLayer<Base>, holds the dispatch for every wrapper; the wrappers are the
// classes named after their base (TXcExGraphicControl, TXcExCustomControl, ...).
#pragma once

#include "platform/controls/Control.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/GraphicControl.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Gdi.h"

#include <type_traits>

class TCanvas;

// What WM_GETDLGCODE answers, as a set; dcNative stands for "answer as the base did".
enum TXcDialogCode { dcWantAllKeys, dcWantArrows, dcWantChars, dcButton, dcHasSetSel, dcWantTab, dcNative };
using TXcDialogCodes = Set<TXcDialogCode>;

// One message record that a handler passes on by pointer (the hint information).
class TStructPtrMessage : public TObject {
    ORVO_CLASS(TStructPtrMessage, TObject)
public:
    TStructPtrMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
        Msg_.Msg = Msg;
        Msg_.WParam = WParam;
        Msg_.LParam = LParam;
    }
    TMessage& Msg() { return Msg_; }

private:
    TMessage Msg_;
};

// clNone: the application's hint colour; clDefault: the colour the parent answers to a copy
// of the hint information; any other colour is used as it is.
void ResolveHintColor(THintInfo& HintInfo, TControl* Control, TColor HintColor);
// The key-data bits (Alt, Ctrl, Shift) of a shift state.
LPARAM ShiftStateToKeyFlags(TShiftState Shift);
TXcDialogCodes DialogCodesFromWindows(LRESULT Codes);
LRESULT DialogCodesToWindows(TXcDialogCodes Codes);
// Always false on this platform: no form designer runs inside the program.
bool IsDesignerMessage(TControl* Control, const TMessage& Message);

// The colour of the highlight frame of a focused control or one under the mouse.
inline constexpr TColor HighlightFrameColor = TColor(0x733800);
// Draws the two-pixel highlight frame round the control's window rectangle: both rings in
// HighlightFrameColor when InControl, else the outer one grey (0x808080) and the inner one
// in Color.
void DrawHighlightFrame(TWinControl* Control, TColor Color, bool InControl);
// The same frame drawn on a device context in R (the paint pass of the control).
void DrawHighlightFrame(HDC DC, const TRect& R, TColor Color, bool InControl);
// Redraws the frame after a message that changes it (focus, mouse enter and leave, the
// frame's own paint); after a mouse leave the ring is invalidated so that the control
// repaints its border.
void HandleHighlightMessage(TWinControl* Control, const TMessage& Message, bool InControl);

// The paint step of the highlight frame: windowed wrappers draw it after their paint pass.
template <class Base, bool Windowed = std::is_base_of_v<TWinControl, Base>>
class TXcExPaintStep : public Base {
public:
    using Base::Base;

protected:
    virtual void PaintHighlight(HDC DC) { (void)DC; }
};

template <class Base> class TXcExPaintStep<Base, true> : public Base {
public:
    using Base::Base;

protected:
    virtual void PaintHighlight(HDC DC) { (void)DC; }
    void PaintHandler(HDC DC) override {
        Base::PaintHandler(DC);
        PaintHighlight(DC);
    }
};

template <class Base> class TXcExLayer : public TXcExPaintStep<Base> {
    static constexpr bool Windowed = std::is_base_of_v<TWinControl, Base>;

public:
    // The constructors of the base (forms also have the one that reads no resource).
    template <class... Args>
    explicit TXcExLayer(TComponent* AOwner, Args... More) : TXcExPaintStep<Base>(AOwner, More...) {}

    // Published for the form designer only; never stored.
    String AboutXCL() const { return {}; }
    void SetAboutXCL(const String&) {}
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor Value) { FHintColor = Value; }
    // True between mouse enter and mouse leave.
    bool MouseOver() const { return FMouseOver; }
    // The hint window class for this control's hints (null: the application's).
    TClass HintWindowClass = nullptr;
    bool DotNetHighlighting() const { return FDotNetHighlighting; }
    void SetDotNetHighlighting(bool Value) {
        if (Value == FDotNetHighlighting) return;
        FDotNetHighlighting = Value;
        this->Invalidate();
    }

    TNotifyEvent OnParentColorChanged;

    void Dispatch(TMessage& Message) override {
        if (IsDesignerMessage(this, Message)) return;
        DispatchLayer(Message);
        if constexpr (Windowed) {
            if (FDotNetHighlighting && !this->ComponentState().Contains(csDesigning)) {
                switch (Message.Msg) {
                case WM_SETFOCUS:
                case WM_KILLFOCUS:
                case WM_NCPAINT:
                case CM_MOUSEENTER:
                case CM_MOUSELEAVE:
                    HandleHighlightMessage(this, Message, InHighlight());
                    break;
                default:
                    break;
                }
            }
        }
    }

protected:
    // Focused or under the mouse: the highlight frame shows in its colour.
    bool InHighlight() const {
        if constexpr (Windowed)
            return FMouseOver || this->Focused();
        else
            return FMouseOver;
    }
    // The frame is part of the window's paint here (there is no separate non-client pass).
    void PaintHighlight(HDC DC) override {
        if constexpr (Windowed) {
            if (FDotNetHighlighting && !this->ComponentState().Contains(csDesigning))
                DrawHighlightFrame(DC, TRect{0, 0, this->Width(), this->Height()}, this->Color(),
                                   InHighlight());
        } else {
            (void)DC;
        }
    }

private:
    void DispatchLayer(TMessage& Message) {
        switch (Message.Msg) {
        case CM_DIALOGCHAR: {
            const QChar key(char16_t(Message.WParam));
            TShiftState shift = KeyDataToShiftState(Message.LParam);
            if (Message.LParam == 0) shift = KeyboardStateToShiftState();
            Message.Result = HandleDialogChar(key, shift, String(key)) ? 1 : 0;
            return;
        }
        case CM_FOCUSCHANGED:
            HandleFocusChange(reinterpret_cast<TWinControl*>(Message.LParam));
            return;
        case CM_PARENTFONTCHANGED:
            HandleParentFontChange();
            return;
        case CM_PARENTCOLORCHANGED:
            HandleParentColorChange();
            return;
        case CM_HITTEST: {
            const int x = short(Message.LParam & 0xFFFF), y = short((Message.LParam >> 16) & 0xFFFF);
            Message.Result = HandleHitTest(x, y) ? 1 : 0;
            return;
        }
        case CM_VISIBLECHANGED:
            HandleVisibleChange();
            return;
        case CM_ENABLEDCHANGED:
            HandleEnabledChange();
            return;
        case CM_COLORCHANGED:
            HandleColorChange();
            return;
        case CM_FONTCHANGED:
            HandleFontChange();
            return;
        case CM_TEXTCHANGED:
            HandleTextChange();
            return;
        case CM_MOUSEENTER:
            HandleMouseEnter(reinterpret_cast<TControl*>(Message.LParam));
            return;
        case CM_MOUSELEAVE:
            HandleMouseLeave(reinterpret_cast<TControl*>(Message.LParam));
            return;
        case CM_PARENTSHOWHINTCHANGED:
            HandleParentShowHintChange();
            return;
        case CM_HINTSHOW:
            if (auto* info = reinterpret_cast<THintInfo*>(Message.LParam)) {
                Message.Result = HandleHintShow(*info) ? 1 : 0;
                return;
            }
            break;
        case CM_INTERFACEQUERY:
            // No class of this system implements the queried interface.
            Message.Result = 0;
            return;
        default:
            break;
        }
        if constexpr (Windowed) {
            switch (Message.Msg) {
            case CM_CURSORCHANGED:
                HandleCursorChange();
                return;
            case CM_SHOWINGCHANGED:
                HandleShowingChange();
                return;
            case CM_SHOWHINTCHANGED:
                HandleShowHintChange();
                return;
            case CM_CONTROLLISTCHANGE: {
                auto* c = reinterpret_cast<TControl*>(Message.WParam);
                if (Message.LParam != 0)
                    HandleControlListChanging(c, true);
                else
                    HandleControlListChanged(c, false);
                return;
            }
            case CM_CONTROLCHANGE: {
                auto* c = reinterpret_cast<TControl*>(Message.WParam);
                if (Message.LParam != 0)
                    HandleControlListChanged(c, true);
                else
                    HandleControlListChanging(c, false);
                return;
            }
            case WM_SETFOCUS:
                HandleSetFocus(reinterpret_cast<HWND>(Message.WParam));
                return;
            case WM_KILLFOCUS:
                HandleKillFocus(reinterpret_cast<HWND>(Message.WParam));
                return;
            case WM_ERASEBKGND:
                if (Message.WParam) {
                    TCanvas canvas;
                    const HDC dc = reinterpret_cast<HDC>(Message.WParam);
                    const int saved = SaveDC(dc);
                    canvas.SetHandle(dc);
                    const bool erased = HandleEraseBackground(&canvas, Message.LParam);
                    canvas.SetHandle(nullptr);
                    RestoreDC(dc, saved);
                    Message.Result = erased ? 1 : 0;
                    return;
                }
                break;
            case WM_GETDLGCODE: {
                Base::Dispatch(Message);
                TXcDialogCodes codes = DialogCodesFromWindows(Message.Result) + TXcDialogCodes{dcNative};
                HandleDialogCodes(codes);
                if (!codes.Contains(dcNative)) Message.Result = DialogCodesToWindows(codes);
                return;
            }
            default:
                break;
            }
        }
        Base::Dispatch(Message);
    }

protected:
    // Passes a message rebuilt from its arguments to the base class's handling.
    LRESULT Inherited(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) {
        TMessage m;
        m.Msg = Msg;
        m.WParam = WParam;
        m.LParam = LParam;
        Base::Dispatch(m);
        return m.Result;
    }

    virtual void HandleTextChange() { Inherited(CM_TEXTCHANGED); }
    virtual bool HandleDialogChar(QChar Key, TShiftState Shift, const String& KeyText) {
        (void)KeyText;
        return Inherited(CM_DIALOGCHAR, Key.unicode(), ShiftStateToKeyFlags(Shift)) != 0;
    }
    virtual bool HandleHitTest(int X, int Y) {
        return Inherited(CM_HITTEST, 0, LPARAM((X & 0xFFFF) | ((Y & 0xFFFF) << 16))) != 0;
    }
    // Windowed wrappers only: told after the control moved or changed size.
    virtual void HandleBoundsChange() {}
    virtual void HandleDialogCodes(TXcDialogCodes& Codes) { (void)Codes; }
    virtual void HandleSetFocus(HWND FocusedWnd) {
        Inherited(WM_SETFOCUS, reinterpret_cast<WPARAM>(FocusedWnd));
    }
    virtual void HandleKillFocus(HWND FocusedWnd) {
        Inherited(WM_KILLFOCUS, reinterpret_cast<WPARAM>(FocusedWnd));
    }
    virtual bool HandleEraseBackground(TCanvas* Canvas, LPARAM Param) {
        return Inherited(WM_ERASEBKGND, reinterpret_cast<WPARAM>(Canvas->Handle()), Param) != 0;
    }

    virtual void HandleFocusChange(TWinControl* FocusedControl) {
        Inherited(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(FocusedControl));
    }
    virtual void HandleVisibleChange() { Inherited(CM_VISIBLECHANGED, this->Visible() ? 1 : 0); }
    virtual void HandleEnabledChange() { Inherited(CM_ENABLEDCHANGED); }
    virtual void HandleColorChange() { Inherited(CM_COLORCHANGED); }
    virtual void HandleFontChange() { Inherited(CM_FONTCHANGED); }
    virtual void HandleParentFontChange() { Inherited(CM_PARENTFONTCHANGED); }
    virtual void HandleParentColorChange() {
        Inherited(CM_PARENTCOLORCHANGED);
        if (OnParentColorChanged) OnParentColorChanged(this);
    }
    virtual void HandleParentShowHintChange() { Inherited(CM_PARENTSHOWHINTCHANGED); }
    virtual bool HandleHintShow(THintInfo& HintInfo) {
        ResolveHintColor(HintInfo, this, FHintColor);
        if (HintWindowClass) HintInfo.HintWindowClass = HintWindowClass;
        TStructPtrMessage m(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&HintInfo));
        Base::Dispatch(m.Msg());
        return m.Msg().Result != 0;
    }
    // The base fires OnMouseEnter and OnMouseLeave.
    virtual void HandleMouseEnter(TControl* AControl) {
        FMouseOver = true;
        Inherited(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(AControl));
    }
    virtual void HandleMouseLeave(TControl* AControl) {
        FMouseOver = false;
        Inherited(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(AControl));
    }
    virtual void HandleCursorChange() { Inherited(CM_CURSORCHANGED); }
    virtual void HandleShowingChange() { Inherited(CM_SHOWINGCHANGED); }
    virtual void HandleShowHintChange() { Inherited(CM_SHOWHINTCHANGED); }
    virtual void HandleControlListChanging(TControl* AControl, bool Inserting) {
        Inherited(Inserting ? CM_CONTROLLISTCHANGE : CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl),
                  Inserting ? 1 : 0);
    }
    virtual void HandleControlListChanged(TControl* AControl, bool Inserting) {
        Inherited(Inserting ? CM_CONTROLCHANGE : CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(AControl),
                  Inserting ? 1 : 0);
    }

    void BoundsChanged() override {
        Base::BoundsChanged();
        if constexpr (Windowed) HandleBoundsChange();
    }

private:
    TColor FHintColor = clDefault;
    bool FMouseOver = false;
    bool FDotNetHighlighting = false;
};

class TXcExGraphicControl : public TXcExLayer<TGraphicControl> {
    ORVO_CLASS(TXcExGraphicControl, TGraphicControl)
public:
    explicit TXcExGraphicControl(TComponent* AOwner) : TXcExLayer<TGraphicControl>(AOwner) {}
};

class TXcExCustomControl : public TXcExLayer<TCustomControl> {
    ORVO_CLASS(TXcExCustomControl, TCustomControl)
public:
    explicit TXcExCustomControl(TComponent* AOwner) : TXcExLayer<TCustomControl>(AOwner) {}
};
