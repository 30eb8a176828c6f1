// TWinControl: a control with a window. The window (Handle) is our window object wrapping
// a QWidget, made on demand; a subclass supplies its own widget through CreateWidget
// (an edit wraps a QLineEdit). A windowed control holds child controls in z-order, lays
// them out by Align and Anchors, paints its window-less children, routes mouse events to
// them by hit test and keys to itself, its form and its dialog-key chain.
#pragma once

#include "platform/controls/Control.h"

#include <vector>

class QWidget;
class TCanvas;

namespace platform::detail {
class WindowHandle;
}

// Window styles (the ones the system's code reads or sets).
inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_HSCROLL = 0x00100000;
inline constexpr DWORD WS_VSCROLL = 0x00200000;
inline constexpr DWORD WS_DLGFRAME = 0x00400000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
inline constexpr DWORD WS_EX_TOPMOST = 0x00000008;
inline constexpr DWORD WS_EX_TRANSPARENT = 0x00000020;
inline constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080;
inline constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000;
inline constexpr DWORD CS_VREDRAW = 0x0001;
inline constexpr DWORD CS_HREDRAW = 0x0002;
inline constexpr DWORD CS_DBLCLKS = 0x0008;
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_CENTER = 0x0001;
inline constexpr DWORD ES_RIGHT = 0x0002;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr int GWL_STYLE = -16;
inline constexpr int GWL_EXSTYLE = -20;

// What CreateParams fills in before the window is made.
struct TCreateParams {
    String Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    String WinClassName;
    DWORD WindowClassStyle = 0;
};

class TWinControl : public TControl {
    ORVO_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    void BeforeDestruction() override;
    // The parented constructor: a control of class T without owner whose window lives in
    // ParentWindow (the window of another control). Whoever then makes it a child control
    // (Parent) has it destroyed with that parent.
    template <class T> static T* CreateParented(HWND ParentWindow) {
        T* instance = new T(nullptr);
        try {
            instance->AfterConstruction();
            instance->SetParentWindow(ParentWindow);
        } catch (...) {
            FreeObject(instance);
            throw;
        }
        return instance;
    }
    // The same for a class known at run time (through its registered factory).
    static TWinControl* CreateParented(TClass AClass, HWND ParentWindow);

    // ---- window ----
    // Our window object; made (with the parents' windows) when first asked for.
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Makes the window; raises EInvalidOperation "Control '%s' has no parent window" when
    // the control has no parent and is not a top-level window.
    void HandleNeeded();
    void DestroyHandle();
    void RecreateWnd();
    HWND ParentWindow() const { return FParentWindow; }
    void SetParentWindow(HWND Value);
    // The widget of the window (nullptr before the handle exists).
    QWidget* Widget() const;
    // The window style bits as CreateParams gave them plus the ones changed since.
    DWORD WindowStyle() const { return FStyle; }
    DWORD WindowExStyle() const { return FExStyle; }
    void SetWindowStyle(DWORD Value);
    void SetWindowExStyle(DWORD Value);
    // Whether the control is the top-level window of its widget tree.
    virtual bool IsTopLevel() const { return false; }
    // Without a parent control the window's real place on the screen: a top-level window's
    // client area lies inside its frame, which Left and Top include.
    TPoint ClientOrigin() const override;

    // ---- children ----
    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int Index) const;
    const std::vector<TControl*>& ControlList() const { return FControls; }
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(TControl* Control) const;
    // The topmost visible child at a point of the client area (window-less ones first
    // when AllowWinControls is false); nullptr when none.
    TControl* ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls = false) const;
    TWinControl* FindChildControl(const String& ControlName) const;
    void Broadcast(TMessage& Message);
    void NotifyControls(UINT Msg);
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

    // ---- layout ----
    void DisableAlign();
    void EnableAlign();
    void Realign();
    bool AlignDisabled() const { return FAlignLevel > 0; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // ---- focus ----
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value);
    int TabOrder() const;
    void SetTabOrder(int Value);
    virtual bool CanFocus() const;
    virtual void SetFocus();
    virtual bool Focused() const;
    // The children that take the focus, in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    // The next (or previous) control in tab order after CurControl; nullptr when none.
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                 bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    // ---- appearance ----
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
    bool ParentBackground() const { return FControlStyle.Contains(csParentBackground); }
    void SetParentBackground(bool Value);
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value) { FCtl3D = Value; }
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool Value) { FParentCtl3D = Value; }
    bool Showing() const override;
    void SetVisible(bool Value) override;
    void SetEnabled(bool Value) override;
    String GetText() const override;

    // ---- painting ----
    void Invalidate() override;
    void InvalidateRect(const TRect* R, bool Erase);
    void Repaint() override;
    void Update() override;
    // Paints the window-less children on DC (client coordinates) in z-order, starting at
    // First (nullptr: all).
    void PaintControls(HDC DC, TControl* First);
    // Paints the control and its children on DC at X, Y.
    void PaintTo(HDC DC, int X, int Y);
    void PaintTo(TCanvas* Canvas, int X, int Y);

    // ---- keys ----
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // Input as the window glue delivers it. Each returns true when the key was consumed
    // (Key set to 0, a dialog key handled); the glue then keeps it from the widget.
    bool HandleKeyDown(Word& Key, TShiftState Shift);
    bool HandleKeyPress(QChar& Key);
    bool HandleKeyUp(Word& Key, TShiftState Shift);

    void DefaultHandler(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;

protected:
    // Fills Params before the window is made; subclasses add their styles.
    virtual void CreateParams(TCreateParams& Params);
    // Makes the widget of the window. The base makes a plain widget that paints the
    // control (background, Paint of a custom control, window-less children); a control
    // that wraps a Qt widget returns its own, which the glue parents, places and feeds.
    virtual QWidget* CreateWidget();
    // Makes the window (CreateParams, CreateWidget) and then the children's windows.
    virtual void CreateWnd();
    // Called after the window was made, before its children's.
    virtual void CreateHandle() {}
    virtual void DestroyWnd();
    // Whether the default widget paints the control (false for wrapped Qt widgets).
    virtual bool PaintsItself() const { return true; }
    // The paint pass of the default widget: background, then PaintWindow, then the
    // window-less children.
    virtual void PaintHandler(HDC DC);
    virtual void PaintWindow(HDC DC);
    // Erases the background with Color (WM_ERASEBKGND).
    virtual void EraseBackground(HDC DC);

    virtual void AlignControls(TControl* AControl, TRect& Rect);
    virtual void AdjustClientRect(TRect& Rect);
    void AlignControl(TControl* AControl);
    virtual void ControlsAligned() {}
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;

    virtual bool DoKeyDown(Word& Key, TShiftState Shift);
    virtual bool DoKeyPress(QChar& Key);
    virtual bool DoKeyUp(Word& Key, TShiftState Shift);
    virtual void KeyDown(Word& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(Word& Key, TShiftState Shift);
    // Whether a key that would be a dialog key (Tab, arrows, Enter, Escape) is wanted by
    // the control itself (WM_GETDLGCODE).
    bool WantsKey(Word Key);
    virtual void DoEnter();
    virtual void DoExit();

    void SetTextValue(const String& Value) override;
    void BoundsChanged() override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void SetChildOrder(TComponent* Child, int Order) override;
    void ReadState(TReader* Reader) override;

    // The window's Qt text (wrapped widgets keep their own text).
    virtual void WidgetTextChanged(const String& Value) { (void)Value; }
    // Told when the window was shown or hidden.
    virtual void ShowingChanged();
    void UpdateShowing();

    // Helpers for the window glue.
    friend class platform::detail::WindowHandle;
    friend class TControl;
    friend class TCustomForm;

    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;

private:
    void Insert(TControl* AControl);
    void Remove(TControl* AControl);
    void UpdateWidgetGeometry();
    void UpdateStacking();
    void UpdateWidgetState();
    void CreateChildHandles();
    void UpdateTabOrder(int Value);
    void DoAlign(TAlign AAlign, TRect& Rect, TControl* AControl);

    platform::detail::WindowHandle* FHandle = nullptr;
    HWND FParentWindow = nullptr;
    DWORD FStyle = 0;
    DWORD FExStyle = 0;
    int FAlignLevel = 0;
    int FBorderWidth = 0;
    bool FTabStop = false;
    bool FDoubleBuffered = false;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    bool FShowingState = false;
    bool FReadingAlign = false;
};

// Window functions over the window objects.
LONG GetWindowLong(HWND hWnd, int Index);
LONG SetWindowLong(HWND hWnd, int Index, LONG NewLong);
BOOL IsWindow(HWND hWnd);
BOOL IsWindowVisible(HWND hWnd);
BOOL IsWindowEnabled(HWND hWnd);
BOOL EnableWindow(HWND hWnd, BOOL Enable);
BOOL IsChild(HWND Parent, HWND hWnd);
HWND GetParent(HWND hWnd);
HWND GetFocus();
HWND SetFocus(HWND hWnd);
HWND GetActiveWindow();
HWND GetCapture();
BOOL ReleaseCapture();
BOOL GetClientRect(HWND hWnd, TRect* Rect);
BOOL GetWindowRect(HWND hWnd, TRect* Rect);
BOOL InvalidateRect(HWND hWnd, const TRect* Rect, BOOL Erase);
BOOL UpdateWindow(HWND hWnd);
BOOL ClientToScreen(HWND hWnd, TPoint* Point);
BOOL ScreenToClient(HWND hWnd, TPoint* Point);
// The control of a window, nullptr for none (FindControl of the class library).
TWinControl* FindControl(HWND hWnd);
// The control (window-less ones included) under a screen point, disabled ones included
// when AllowDisabled.
TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled);
