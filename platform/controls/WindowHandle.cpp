#include "platform/controls/WindowHandle.h"

#include "platform/controls/Application.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/ExceptionGuard.h"
#include "platform/controls/Mouse.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/DeviceContext.h"
#include "platform/win/Clock.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <mutex>
#include <unordered_set>

namespace platform::detail {

namespace {

std::mutex& liveLock() {
    static std::mutex m;
    return m;
}
std::unordered_set<const void*>& liveHandles() {
    static std::unordered_set<const void*> s;
    return s;
}

struct KeyMap {
    int qt;
    Word vk;
};
constexpr KeyMap kKeys[] = {
    {Qt::Key_Backspace, VK_BACK},
    {Qt::Key_Tab, VK_TAB},
    {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Return, VK_RETURN},
    {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},
    {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL},
    {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},
    {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},
    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE},
    {Qt::Key_Help, VK_HELP},
    {Qt::Key_Meta, VK_LWIN},
    {Qt::Key_Menu, VK_APPS},
    {Qt::Key_NumLock, VK_NUMLOCK},
    {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Asterisk, VK_MULTIPLY},
    {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Comma, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},
    {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2},
    {Qt::Key_Semicolon, VK_OEM_1},
    {Qt::Key_QuoteLeft, VK_OEM_3},
    {Qt::Key_BracketLeft, VK_OEM_4},
    {Qt::Key_Backslash, VK_OEM_5},
    {Qt::Key_BracketRight, VK_OEM_6},
    {Qt::Key_Apostrophe, VK_OEM_7},
};

TMouseButton buttonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

// The control that gets a mouse event at P (client coordinates of the window's control):
// the capturing window-less child, else the topmost enabled window-less child there, else
// the control itself. P comes back in the target's client coordinates.
TControl* mouseTarget(TWinControl* c, QPoint& p) {
    TControl* capture = Mouse->Capture();
    if (capture && capture != c && capture->Parent() == c && !Is<TWinControl>(capture)) {
        p -= QPoint(capture->Left(), capture->Top());
        return capture;
    }
    if (capture == c) return c;
    TControl* hit = c->ControlAtPos(TPoint{p.x(), p.y()}, false, false);
    if (hit && !Is<TWinControl>(hit)) {
        p -= QPoint(hit->Left(), hit->Top());
        return hit;
    }
    return c;
}

void setHover(WindowHandle* h, TControl* now) {
    if (h->Hover == now) return;
    TControl* old = h->Hover;
    h->Hover = now;
    if (old) old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
    if (now) now->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(now));
}

// Set while TakeQueuedMouseMessages drains Qt's queue: matching mouse events of that
// window become messages instead of input.
struct MouseTake {
    WindowHandle* handle;
    UINT first;
    UINT last;
    std::vector<MSG>* out;
};
MouseTake* g_take = nullptr;

UINT mouseMessageOf(QEvent::Type type, Qt::MouseButton button) {
    if (type == QEvent::MouseMove) return WM_MOUSEMOVE;
    const int k = button == Qt::RightButton ? 1 : button == Qt::MiddleButton ? 2 : 0;
    const UINT down = k == 0 ? WM_LBUTTONDOWN : k == 1 ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    if (type == QEvent::MouseButtonRelease) return down + 1;
    if (type == QEvent::MouseButtonDblClick) return down + 2;
    return down;
}

WPARAM mouseKeysOf(const QMouseEvent* e) {
    WPARAM k = 0;
    Qt::MouseButtons b = e->buttons();
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) b |= e->button();
    if (b & Qt::LeftButton) k |= MK_LBUTTON;
    if (b & Qt::RightButton) k |= MK_RBUTTON;
    if (b & Qt::MiddleButton) k |= MK_MBUTTON;
    if (e->modifiers() & Qt::ShiftModifier) k |= MK_SHIFT;
    if (e->modifiers() & Qt::ControlModifier) k |= MK_CONTROL;
    return k;
}

class InputFilter : public QObject {
public:
    InputFilter(TWinControl* control, QObject* parent) : QObject(parent), control_(control) {}
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool key(QKeyEvent* e, QObject* watched);
    TWinControl* control_;
};

bool InputFilter::key(QKeyEvent* e, QObject* watched) {
    auto* h = WindowHandle::FromHwnd(control_->HandleAllocated() ? control_->Handle() : nullptr);
    if (h && h->Resending) return false;
    const TShiftState shift = ShiftStateOf(int(e->modifiers()), int(QApplication::mouseButtons()));
    Word vk = VirtualKeyOf(e->key());
    bool consumed = false;
    if (e->type() == QEvent::KeyRelease) {
        if (vk) consumed = control_->HandleKeyUp(vk, shift);
        return consumed;
    }
    if (vk) consumed = control_->HandleKeyDown(vk, shift);
    // A dialog key that was handled makes no character; a key consumed by KeyDown still
    // sends its character to KeyPress, as the character message was already made.
    if (consumed && vk != 0) return true;
    String text = e->text();
    if (text.isEmpty() || (text.size() == 1 && text[0].unicode() == 0x7F)) return consumed;
    String changed;
    for (QChar ch : text) {
        QChar k = ch;
        if (control_->HandleKeyPress(k)) continue;
        changed += k;
    }
    if (changed == text && !consumed) return false;
    if (!changed.isEmpty() && h) {
        // Only the character (possibly changed by the handler) reaches the widget.
        QKeyEvent copy(e->type(), consumed ? int(Qt::Key_unknown) : e->key(), e->modifiers(), changed,
                       e->isAutoRepeat(), ushort(e->count()));
        h->Resending = true;
        QCoreApplication::sendEvent(watched, &copy);
        h->Resending = false;
    }
    return true;
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
    bool eat = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        auto* e = static_cast<QMouseEvent*>(event);
        Guarded([&] {
            auto* w = static_cast<QWidget*>(watched);
            QPoint p = e->position().toPoint();
            if (QWidget* own = control_->Widget(); own && own != w) p = w->mapTo(own, p);
            const QPoint ownPos = p;
            if (g_take && control_->HandleAllocated() &&
                g_take->handle == WindowHandle::FromHwnd(control_->Handle())) {
                const UINT msg = mouseMessageOf(event->type(), e->button());
                if (msg >= g_take->first && msg <= g_take->last) {
                    const QPoint g = e->globalPosition().toPoint();
                    g_take->out->push_back(MSG{control_->Handle(), msg, mouseKeysOf(e),
                                               LPARAM((ownPos.x() & 0xFFFF) | ((ownPos.y() & 0xFFFF) << 16)),
                                               GetTickCount(), TPoint{g.x(), g.y()}});
                    eat = true;
                    return;
                }
            }
            TShiftState shift = ShiftStateOf(int(e->modifiers()), int(e->buttons()));
            TControl* t = mouseTarget(control_, p);
            if (event->type() == QEvent::MouseMove) {
                if (!Mouse->Capture() && control_->HandleAllocated())
                    if (auto* h = WindowHandle::FromHwnd(control_->Handle())) {
                        setHover(h, t == control_ ? nullptr : t);
                        h->ApplyCursor(h->Hover);
                    }
                // Hints come from disabled window-less children too.
                TControl* hinted = control_;
                if (TControl* child = control_->ControlAtPos(TPoint{ownPos.x(), ownPos.y()}, true, false))
                    hinted = child;
                const QPoint global = e->globalPosition().toPoint();
                Application->HintMouseMessage(hinted, TPoint{global.x(), global.y()});
                t->HandleMouseMove(shift, p.x(), p.y());
            } else if (event->type() == QEvent::MouseButtonRelease) {
                const QPointer<QObject> alive(watched);
                t->HandleMouseUp(buttonOf(e->button()), shift, p.x(), p.y());
                // Releasing the right button asks for the context menu once the control
                // has seen the release; the window passes it to the child under the mouse.
                if (e->button() == Qt::RightButton && alive && control_->HandleAllocated()) {
                    const QPoint g = e->globalPosition().toPoint();
                    control_->Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(control_->Handle()),
                                      LPARAM((g.x() & 0xFFFF) | ((g.y() & 0xFFFF) << 16)));
                }
            } else {
                Application->CancelHint();
                if (event->type() == QEvent::MouseButtonDblClick) shift << ssDouble;
                t->HandleMouseDown(buttonOf(e->button()), shift, p.x(), p.y());
            }
        });
        break;
    }
    case QEvent::Wheel: {
        auto* e = static_cast<QWheelEvent*>(event);
        Guarded([&] {
            if (!control_->HandleAllocated()) return;
            auto* h = WindowHandle::FromHwnd(control_->Handle());
            if (!h) return;
            int dy = e->angleDelta().y();
            if (dy == 0) dy = e->angleDelta().x();
            h->WheelRemainder += dy;
            const int notches = h->WheelRemainder / WHEEL_DELTA;
            if (notches == 0) return;
            h->WheelRemainder -= notches * WHEEL_DELTA;
            QPoint p = e->position().toPoint();
            TControl* t = mouseTarget(control_, p);
            const QPoint g = e->globalPosition().toPoint();
            eat = t->HandleMouseWheel(ShiftStateOf(int(e->modifiers()), int(e->buttons())),
                                      notches * WHEEL_DELTA, TPoint{g.x(), g.y()});
        });
        if (eat) e->accept();
        break;
    }
    case QEvent::Enter:
        Guarded([&] { control_->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control_)); });
        break;
    case QEvent::Leave:
        Guarded([&] {
            if (control_->HandleAllocated())
                if (auto* h = WindowHandle::FromHwnd(control_->Handle())) setHover(h, nullptr);
            // The hint itself appearing under the mouse is no leaving.
            QWidget* under = QApplication::widgetAt(QCursor::pos());
            if (!under || under->window()->windowType() != Qt::ToolTip)
                Application->HintMouseMessage(nullptr, TPoint{});
            control_->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(control_));
        });
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        Guarded([&] {
            if (event->type() == QEvent::KeyPress) Application->CancelHint();
            eat = key(static_cast<QKeyEvent*>(event), watched);
        });
        break;
    case QEvent::ShortcutOverride: {
        // Tab and the dialog keys are ours, not Qt's focus chain.
        auto* e = static_cast<QKeyEvent*>(event);
        if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) e->accept();
        break;
    }
    case QEvent::FocusIn:
        Guarded([&] {
            if (TCustomForm* f = GetParentForm(control_)) f->SetFocusedControl(control_);
        });
        break;
    case QEvent::Resize:
    case QEvent::Move:
        if (watched == control_->Widget() && control_->IsTopLevel())
            Guarded([&] {
                QWidget* w = control_->Widget();
                const QRect g = w->geometry();
                if (g.x() != control_->Left() || g.y() != control_->Top() || g.width() != control_->Width() ||
                    g.height() != control_->Height())
                    control_->SetBounds(g.x(), g.y(), g.width(), g.height());
            });
        break;
    case QEvent::Close:
        if (watched == control_->Widget() && control_->IsTopLevel()) {
            auto* e = static_cast<QCloseEvent*>(event);
            if (!e->spontaneous()) break;
            // The window manager's close button: the form decides (OnCloseQuery, OnClose).
            e->ignore();
            Guarded([&] { control_->Perform(WM_CLOSE); });
            eat = true;
        }
        break;
    default:
        break;
    }
    return eat;
}

} // namespace

std::vector<MSG> TakeQueuedMouseMessages(WindowHandle* Handle, UINT First, UINT Last) {
    std::vector<MSG> out;
    if (!Handle || !Handle->Widget()) return out;
    std::vector<QPointer<QWidget>> widgets{Handle->Widget()};
    for (QWidget* w : Handle->Widget()->findChildren<QWidget*>())
        widgets.emplace_back(w);
    MouseTake take{Handle, First, Last, &out};
    MouseTake* outer = g_take;
    g_take = &take;
    for (const QPointer<QWidget>& w : widgets)
        if (w && WindowHandle::FromHwnd(Handle)) QCoreApplication::sendPostedEvents(w, 0);
    g_take = outer;
    return out;
}

Word VirtualKeyOf(int QtKey) {
    if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) return Word(QtKey);
    if (QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z) return Word(QtKey);
    if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F24) return Word(VK_F1 + (QtKey - Qt::Key_F1));
    for (const KeyMap& k : kKeys)
        if (k.qt == QtKey) return k.vk;
    return 0;
}

TShiftState ShiftStateOf(int Modifiers, int Buttons) {
    TShiftState s;
    if (Modifiers & Qt::ShiftModifier) s << ssShift;
    if (Modifiers & Qt::ControlModifier) s << ssCtrl;
    if (Modifiers & Qt::AltModifier) s << ssAlt;
    if (Buttons & Qt::LeftButton) s << ssLeft;
    if (Buttons & Qt::RightButton) s << ssRight;
    if (Buttons & Qt::MiddleButton) s << ssMiddle;
    return s;
}

void AttachInput(QWidget* Widget, TWinControl* Control) {
    Widget->installEventFilter(new InputFilter(Control, Widget));
    Widget->setMouseTracking(true);
}

WindowHandle::WindowHandle(TWinControl* Control, QWidget* Widget, bool PaintsItself)
    : control_(Control), widget_(Widget), paints_(PaintsItself) {
    std::lock_guard lock(liveLock());
    liveHandles().insert(this);
}

WindowHandle::~WindowHandle() {
    ReleaseCanvases();
    {
        std::lock_guard lock(liveLock());
        liveHandles().erase(this);
    }
    if (auto* cw = dynamic_cast<ControlWidget*>(widget_.data())) cw->Detach();
    delete widget_.data();
}

WindowHandle* WindowHandle::FromHwnd(HWND Handle) {
    if (!Handle) return nullptr;
    std::lock_guard lock(liveLock());
    return liveHandles().count(Handle) ? static_cast<WindowHandle*>(Handle) : nullptr;
}

bool WindowHandle::IsLive(HWND Handle) {
    return FromHwnd(Handle) != nullptr;
}

QImage* WindowHandle::Backing() {
    const TRect r = control_->ClientRect();
    const QSize want(std::max(1, r.Width()), std::max(1, r.Height()));
    if (backing_.size() != want) {
        backing_ = QImage(want, QImage::Format_RGB32);
        backing_.fill(Qt::white);
        stale_ = true;
    }
    return &backing_;
}

void WindowHandle::Invalidate(const TRect* R) {
    stale_ = true;
    if (!widget_) return;
    if (R)
        widget_->update(QRect(R->Left, R->Top, R->Width(), R->Height()));
    else
        widget_->update();
}

void WindowHandle::ScheduleShow() {
    if (widget_) widget_->update();
}

void WindowHandle::ApplyCursor(TControl* Over) {
    if (!widget_) return;
    if (!nativeCursorKnown_) {
        nativeCursorKnown_ = true;
        hasNativeCursor_ = !paints_ && widget_->testAttribute(Qt::WA_SetCursor);
        if (hasNativeCursor_) nativeCursor_ = widget_->cursor();
    }
    TCursor id = control_->Cursor();
    if (Over && Over != control_ && Over->Cursor() != crDefault) id = Over->Cursor();
    if (id == crDefault && hasNativeCursor_) {
        if (cursorApplied_ && shownCursor_ == nullptr) return;
        cursorApplied_ = true;
        shownCursor_ = nullptr;
        widget_->setCursor(nativeCursor_);
        return;
    }
    // crDefault is the default cursor itself, not the parent's: a window shows the
    // screen's default cursor unless it names another.
    HCURSOR h = Screen->Cursors(id);
    if (cursorApplied_ && h == shownCursor_) return;
    cursorApplied_ = true;
    shownCursor_ = h;
    widget_->setCursor(ToQCursor(h));
}

void WindowHandle::ReleaseCanvases() {
    const std::vector<TControlCanvas*> list = Canvases;
    for (TControlCanvas* c : list)
        c->FreeHandle();
    Canvases.clear();
}

void WindowHandle::PaintEvent(QWidget* Target, const QRect& Rect) {
    ReleaseCanvases();
    QImage* img = Backing();
    if (stale_) {
        stale_ = false;
        Guarded([&] {
            DeviceContext dc(img);
            control_->PaintHandler(&dc);
        });
    }
    QPainter p(Target);
    p.drawImage(Rect, *img, Rect);
}

void WindowHandle::PaintNow() {
    if (!widget_) return;
    stale_ = true;
    widget_->repaint();
}

ControlWidget::ControlWidget(WindowHandle* Handle, QWidget* Parent) : QWidget(Parent), handle_(Handle) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ControlWidget::paintEvent(QPaintEvent* Event) {
    if (handle_) handle_->PaintEvent(this, Event->rect());
}

void ControlWidget::mousePressEvent(QMouseEvent* Event) {
    Event->accept();
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* Event) {
    Event->accept();
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* Event) {
    Event->accept();
}

void ControlWidget::mouseMoveEvent(QMouseEvent* Event) {
    Event->accept();
}

void ControlWidget::wheelEvent(QWheelEvent* Event) {
    Event->accept();
}

void ControlWidget::keyPressEvent(QKeyEvent* Event) {
    Event->accept();
}

void ControlWidget::keyReleaseEvent(QKeyEvent* Event) {
    Event->accept();
}

} // namespace platform::detail
