// TControl: a visible component with a position in its parent, alignment and anchors,
// visibility, enabling, colour and font inherited from the parent, mouse events and a
// window procedure. Window-less controls (TGraphicControl) are painted and fed with mouse
// events by their windowed parent; TWinControl adds the window.
#pragma once

#include "platform/classes/Component.h"
#include "platform/controls/ControlTypes.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Color.h"

class TWinControl;
class TCustomForm;
class TFont;
class TSizeConstraints;
class TPopupMenu;
class TBasicAction;
class TControlActionLink;

using TWndMethod = TEvent<TMessage&>;

// Dragging one control onto another within the program: dmAutomatic starts a drag when the
// left button goes down on the control; dmManual leaves it to the control (BeginDrag).
enum TDragMode { dmManual, dmAutomatic };
ORVO_DECLARE_ENUM_TYPE(TDragMode)
// What a target is told while a drag passes over it.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
ORVO_DECLARE_ENUM_TYPE(TDragState)
// Sender is the control under the mouse, Source the dragged control; X, Y in the sender's
// client coordinates; the handler sets Accept.
using TDragOverEvent = TEvent<TObject*, TObject*, int, int, TDragState, bool&>;
ORVO_DECLARE_EVENT_TYPE(TDragOverEvent)
// Sender is the target, Source the dragged control.
using TDragDropEvent = TEvent<TObject*, TObject*, int, int>;
ORVO_DECLARE_EVENT_TYPE(TDragDropEvent)
// Sender is the dragged control, Target the control that took it (null when none did).
using TEndDragEvent = TDragDropEvent;

class TControl : public TComponent {
    ORVO_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    void BeforeDestruction() override;

    void SetName(const String& Value) override;

    // ---- tree ----
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    // The form this control sits on (through its parents), or nullptr.
    TCustomForm* GetParentForm() const;

    // ---- geometry ----
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    // Moves and sizes the control (the size clamped by Constraints), realigns its parent
    // and children and calls Resize when the size changed.
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    // The client area in client coordinates (origin 0, 0).
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int Value);
    void SetClientHeight(int Value);
    void SetClientSize(int AWidth, int AHeight);
    // The screen position of the client area's origin.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(const TPoint& P) const;
    TPoint ScreenToClient(const TPoint& P) const;
    // A point in this control's client coordinates in Parent's (and back).
    TPoint ClientToParent(const TPoint& P, TWinControl* AParent = nullptr) const;
    TPoint ParentToClient(const TPoint& P, TWinControl* AParent = nullptr) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value);
    TSizeConstraints* Constraints() const { return FConstraints; }
    void SetConstraints(TSizeConstraints* Value);
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool Value);

    // ---- appearance ----
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a shown top-level window visible.
    virtual bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);
    TFont* Font() const { return FFont; }
    void SetFont(TFont* Value);
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    String Hint() const { return FHint; }
    void SetHint(const String& Value) { FHint = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);
    // The popup menu (a TPopupMenu: the menu unit completes the type where it is used).
    template <class M = TPopupMenu> M* PopupMenu() const { return static_cast<M*>(FPopupMenu); }
    template <class M = TPopupMenu> void SetPopupMenu(M* Value) { SetPopupMenuComponent(Value); }
    TComponent* PopupMenuComponent() const { return FPopupMenu; }
    void SetPopupMenuComponent(TComponent* Value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool Value);
    bool UseRightToLeftAlignment() const;
    bool UseRightToLeftReading() const;
    bool UseRightToLeftScrollBar() const;
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value) { FHelpContext = Value; }

    // The caption or text (one string: controls with csSetCaption follow their name
    // while the text still equals it).
    String Caption() const { return GetText(); }
    void SetCaption(const String& Value) { SetText(Value); }
    String Text() const { return GetText(); }
    void SetText(const String& Value);
    virtual String GetText() const { return FText; }
    int GetTextLen() const { return GetText().size(); }

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState Value) { FControlState = Value; }

    // ---- painting ----
    // Marks the control for repainting at the next paint pass.
    virtual void Invalidate();
    // Paints the control now.
    virtual void Repaint();
    void Refresh() { Repaint(); }
    virtual void Update();
    void BringToFront();
    void SendToBack();
    void SetZOrder(bool TopMost);

    // ---- messages ----
    // Sends a message to the window procedure directly and returns its result.
    LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    // The window procedure: WindowProc points at WndProc unless replaced.
    TWndMethod WindowProc;
    virtual void WndProc(TMessage& Message);
    // Routes a message to its handler; unknown ones go to DefaultHandler.
    virtual void Dispatch(TMessage& Message);
    virtual void DefaultHandler(TMessage& Message);

    // ---- mouse ----
    bool MouseCapture() const;
    void SetMouseCapture(bool Value);
    // Whether the mouse is over the control (between CM_MOUSEENTER and CM_MOUSELEAVE).
    bool MouseInClient() const { return FMouseInClient; }

    // Input as the window glue delivers it (coordinates in this control's client area).
    // These run the dispatch the class library does: capture, click, double click.
    void HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void HandleMouseMove(TShiftState Shift, int X, int Y);
    void HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // WheelDelta in multiples of WHEEL_DELTA, MousePos in screen coordinates; true when
    // this control or a parent handled it.
    bool HandleMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);

    // ---- scaling ----
    virtual void ChangeScale(int M, int D);

    // Events.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TContextPopupEvent OnContextPopup;
    TNotifyEvent OnCanResize;

    virtual void Click();
    virtual void DblClick();

    // ---- drag and drop ----
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode Value) { FDragMode = Value; }
    // The cursor over a target that accepts the control (crNoDrop elsewhere).
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor Value) { FDragCursor = Value; }
    // Starts dragging the control: at once, or once the mouse moved Threshold pixels from
    // where the button went down (the system's threshold when negative). The left button's
    // release drops it on the control under the mouse; Escape cancels.
    void BeginDrag(bool Immediate, int Threshold = -1);
    // Ends the drag of this control: dropped on the current target when Drop and the target
    // accepts, else cancelled; then OnEndDrag.
    void EndDrag(bool Drop);
    // Whether this control is being dragged (from BeginDrag until the drag ends).
    bool Dragging() const;
    // Asked while a drag passes over the control; by default only a control with OnDragOver
    // accepts, as its handler decides.
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    // The drop of an accepted drag: OnDragDrop.
    virtual void DragDrop(TObject* Source, int X, int Y);

    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TEndDragEvent OnEndDrag;

    // ---- action ----
    // The action the control follows (caption, enabling, hint, visibility) and that a
    // click executes when OnClick is not a handler of its own.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);
    TControlActionLink* ActionLink() const { return FActionLink; }

protected:
    // Takes what the action shows; with CheckDefaults only where the control still has
    // its default (an empty caption, enabled, no hint, visible, no OnClick).
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);
    // The link a new action gets (subclasses link more of their state).
    virtual TControlActionLink* CreateActionLink();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    virtual void DoContextPopup(TPoint MousePos, bool& Handled);
    // The end of a drag of this control: OnEndDrag.
    virtual void DoEndDrag(TObject* Target, int X, int Y);
    virtual void Resize();
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DefineProperties(TFiler* Filer) override;

    // Called with the size asked for; may change it (AutoSize, fixed sizes).
    virtual bool CanAutoSize(int& NewWidth, int& NewHeight);
    virtual void AdjustSize();
    // Asks the parent to realign, with this control as the one that changed.
    void RequestAlign();
    // Changes of state told to the control itself.
    virtual void VisibleChanging() {}
    // The real change of text (the control's own storage; TWinControl pushes it to the
    // window).
    virtual void SetTextValue(const String& Value) { FText = Value; }
    // Gives the window glue a chance to follow a change of bounds.
    virtual void BoundsChanged() {}
    // Paints the control on a device context (for window-less controls: the parent's
    // paint pass). The base does nothing.
    virtual void PaintOn(HDC DC) { (void)DC; }
    // Whether a point in client coordinates hits the control (CM_HITTEST).
    virtual bool HitTest(int X, int Y);

    void FontChanged(TObject* Sender);
    void ConstraintsChanged(TObject* Sender);
    void UpdateAnchorRules();

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState FControlState;
    bool FMouseInClient = false;

    friend class TWinControl;
    friend class TGraphicControl;

private:
    void WMContextMenu(TMessage& Message);
    void ParentFontChanged();
    void ParentColorChanged();
    void ParentShowHintChanged();
    void ParentBiDiModeChanged();

    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    // What the anchors keep: the bounds and the parent's client size when the control
    // was last placed by code (not by its parent's layout).
    TRect FAnchorRect;
    TPoint FOriginalParentSize;
    TSizeConstraints* FConstraints;
    bool FAutoSize = false;
    bool FVisible = true;
    bool FEnabled = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    TFont* FFont;
    bool FParentFont = true;
    TCursor FCursor = crDefault;
    String FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TComponent* FPopupMenu = nullptr;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    int FHelpContext = 0;
    String FText;
    TControlActionLink* FActionLink = nullptr;
    TDragMode FDragMode = dmManual;
    TCursor FDragCursor = crDrag;
    void DoActionChange(TObject* Sender);
};

// What CM_HINTSHOW hands the control whose hint is about to show (LParam points at it).
// The control may change the text, colour, position and the area the hint stays for, or
// answer non-zero to show no hint.
struct THintInfo {
    TControl* HintControl = nullptr;
    // The class of the hint window (null: the standard one).
    TClass HintWindowClass = nullptr;
    // Where the hint shows, in screen coordinates.
    TPoint HintPos;
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    // The area of HintControl (client coordinates) over which the hint stays.
    TRect CursorRect;
    // The mouse position in HintControl's client coordinates.
    TPoint CursorPos;
    int ReshowTimeout = 0;
    // Milliseconds the hint stays (HintHidePause).
    int HideTimeout = 0;
    String HintStr;
    void* HintData = nullptr;
};
using PHintInfo = THintInfo*;

// The parts of a hint "short|long": the tooltip text and the text for status displays
// (the whole hint when it has no bar).
String GetShortHint(const String& Hint);
String GetLongHint(const String& Hint);

// Shows a control's popup menu at a screen point as a right click does; true when a menu
// showed. The menu unit installs it, so that controls need not know the menu classes;
// null while no menu unit is linked.
using TShowPopupMenuProc = bool (*)(TControl* Control, const TPoint& ScreenPos);
extern TShowPopupMenuProc ShowPopupMenuProc;

// Finds the form of a control (nullptr when it has none).
TCustomForm* GetParentForm(TControl* Control, bool TopForm = true);
namespace platform::detail {
// Whether a drag has started (the mouse moved far enough) and not ended.
bool DragActive();
} // namespace platform::detail

// The shift state of the current modifier keys and mouse buttons.
TShiftState KeysToShiftState(WPARAM Keys);
