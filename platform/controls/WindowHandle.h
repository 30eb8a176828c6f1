// The window object behind a windowed control's Handle: the control's QWidget, its
// backing image and the translation of Qt's events into the control's input methods and
// messages. Internal to the controls; the standard controls use AttachInput on the inner
// widgets of the Qt widgets they wrap.
#pragma once

#include "platform/controls/WinControl.h"

#include <QCursor>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <vector>

class TControlCanvas;

namespace platform::detail {

class WindowHandle {
public:
    WindowHandle(TWinControl* Control, QWidget* Widget, bool PaintsItself);
    ~WindowHandle();
    WindowHandle(const WindowHandle&) = delete;
    WindowHandle& operator=(const WindowHandle&) = delete;

    // The live window object of a handle; nullptr for a destroyed or foreign one.
    // Thread-safe.
    static WindowHandle* FromHwnd(HWND Handle);
    static bool IsLive(HWND Handle);

    TWinControl* Control() const { return control_; }
    QWidget* Widget() const { return widget_; }
    void SetWidget(QWidget* Widget) { widget_ = Widget; }
    bool PaintsItself() const { return paints_; }

    // The backing image in the control's client size (made or resized on demand).
    QImage* Backing();
    // Marks the image stale (the next paint event repaints the control into it) and
    // schedules a paint event.
    void Invalidate(const TRect* R);
    // Schedules a paint event that only shows the image (drawing outside a paint pass).
    void ScheduleShow();
    // Paints the control into the image when it is stale; then draws it on the widget.
    void PaintEvent(QWidget* Target, const QRect& Rect);
    // Paints now, outside the event loop (Repaint).
    void PaintNow();

    // The graphic child under the mouse (for enter and leave).
    TControl* Hover = nullptr;
    // Wheel angle not yet delivered (less than a notch).
    int WheelRemainder = 0;
    // Set while a key event is re-sent with a changed character.
    bool Resending = false;
    // Shows the cursor of the control under the mouse: Over (a window-less child) when it
    // has a cursor of its own, else the control's. A wrapped Qt widget keeps its own
    // cursor (an edit's I-beam) for crDefault.
    void ApplyCursor(TControl* Over);
    // Canvases drawing on the image outside a paint pass; let go before it changes.
    std::vector<TControlCanvas*> Canvases;
    void ReleaseCanvases();

private:
    TWinControl* control_;
    QPointer<QWidget> widget_;
    bool paints_;
    bool stale_ = true;
    QImage backing_;
    // The cursor handle last given to the widget (null: the widget's own).
    HCURSOR shownCursor_ = nullptr;
    bool cursorApplied_ = false;
    bool nativeCursorKnown_ = false;
    bool hasNativeCursor_ = false;
    QCursor nativeCursor_;
};

// The default widget of a windowed control: paints the backing image.
class ControlWidget : public QWidget {
public:
    ControlWidget(WindowHandle* Handle, QWidget* Parent);
    void Detach() { handle_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* Event) override;
    // The control took its input in the event filter; nothing goes on to the parent
    // widget (which would take it for its own).
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void keyReleaseEvent(QKeyEvent* Event) override;

private:
    WindowHandle* handle_;
};

// Routes Qt's input, focus and window events of Widget to Control.
void AttachInput(QWidget* Widget, TWinControl* Control);

// Takes the mouse button and move events that Qt holds queued (posted, not yet
// delivered) for the window of Handle and its inner widgets, as the messages
// (WM_LBUTTONDOWN ...) they stand for, in queue order, when they lie in First..Last.
// Other events queued for those widgets are delivered now. Input that the window system
// has not yet handed to Qt is out of reach and arrives later as usual.
std::vector<MSG> TakeQueuedMouseMessages(WindowHandle* Handle, UINT First, UINT Last);

// The virtual-key code of a Qt key (0 for none) and the shift state of modifiers and
// buttons.
Word VirtualKeyOf(int QtKey);
TShiftState ShiftStateOf(int Modifiers, int Buttons);

} // namespace platform::detail
