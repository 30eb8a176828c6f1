// The window object behind a windowed control's Handle: the control's QWidget, its
// backing image and the translation of Qt's events into the control's input methods and
// messages. Internal to the controls; the standard controls use AttachInput on the inner
// widgets of the Qt widgets they wrap.
#pragma once

#include "platform/controls/WinControl.h"

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
    // Canvases drawing on the image outside a paint pass; let go before it changes.
    std::vector<TControlCanvas*> Canvases;
    void ReleaseCanvases();

private:
    TWinControl* control_;
    QPointer<QWidget> widget_;
    bool paints_;
    bool stale_ = true;
    QImage backing_;
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

// The virtual-key code of a Qt key (0 for none) and the shift state of modifiers and
// buttons.
Word VirtualKeyOf(int QtKey);
TShiftState ShiftStateOf(int Modifiers, int Buttons);

} // namespace platform::detail
