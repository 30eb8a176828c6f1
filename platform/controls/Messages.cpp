#include "platform/controls/Messages.h"

#include "platform/controls/Application.h"
#include "platform/controls/ExceptionGuard.h"
#include "platform/controls/WindowHandle.h"
#include "platform/win/Clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include <algorithm>
#include <deque>
#include <mutex>

using platform::detail::WindowHandle;

namespace {

struct Posted {
    UInt64 Id;
    MSG Msg;
};

std::mutex& queueLock() {
    static std::mutex m;
    return m;
}
std::deque<Posted>& queue() {
    static std::deque<Posted> q;
    return q;
}
UInt64 nextId = 1;

const QEvent::Type kPostedMessage = QEvent::Type(QEvent::registerEventType());

class PostedEvent : public QEvent {
public:
    explicit PostedEvent(UInt64 id) : QEvent(kPostedMessage), Id(id) {}
    UInt64 Id;
};

void deliver(UInt64 id) {
    MSG msg;
    {
        std::lock_guard lock(queueLock());
        auto& q = queue();
        auto it = std::find_if(q.begin(), q.end(), [id](const Posted& p) { return p.Id == id; });
        // Taken by PeekMessage in the meantime.
        if (it == q.end()) return;
        msg = it->Msg;
        q.erase(it);
    }
    if (!msg.hwnd) {
        if (msg.message == WM_QUIT) Application->Terminate();
        return;
    }
    platform::detail::Guarded([&] { SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam); });
}

// Receives one event per posted message, in the user-interface thread's event queue, so
// that posted messages keep their order with the input events queued around them.
class Dispatcher : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() != kPostedMessage) return QObject::event(e);
        deliver(static_cast<PostedEvent*>(e)->Id);
        return true;
    }
};

Dispatcher* dispatcher() {
    static Dispatcher* d = [] {
        auto* obj = new Dispatcher();
        if (QCoreApplication::instance()) obj->moveToThread(QCoreApplication::instance()->thread());
        return obj;
    }();
    return d;
}

BOOL post(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam, TPoint pt = TPoint{}) {
    if (!QCoreApplication::instance()) return FALSE;
    Dispatcher* d = dispatcher();
    UInt64 id;
    {
        std::lock_guard lock(queueLock());
        id = nextId++;
        queue().push_back(Posted{id, MSG{hWnd, Msg, wParam, lParam, GetTickCount(), pt}});
    }
    QCoreApplication::postEvent(d, new PostedEvent(id));
    return TRUE;
}

} // namespace

LRESULT SendMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    WindowHandle* h = WindowHandle::FromHwnd(hWnd);
    if (!h || !h->Control()) return 0;
    return h->Control()->Perform(Msg, wParam, lParam);
}

BOOL PostMessage(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (hWnd && !WindowHandle::IsLive(hWnd)) return FALSE;
    return post(hWnd, Msg, wParam, lParam);
}

void PostQuitMessage(int ExitCode) {
    post(nullptr, WM_QUIT, WPARAM(ExitCode), 0);
}

namespace {
// Mouse input Qt holds queued for the window joins our queue, so that PeekMessage sees
// (and can remove) the presses already waiting, as on the original platform. Only on the
// user-interface thread and for a given window.
void takeQueuedMouse(HWND hWnd, UINT First, UINT Last) {
    if (!hWnd || !QCoreApplication::instance() ||
        QThread::currentThread() != QCoreApplication::instance()->thread())
        return;
    const bool any = First == 0 && Last == 0;
    const UINT lo = any ? WM_MOUSEFIRST : std::max(First, WM_MOUSEFIRST);
    const UINT hi = any ? WM_MOUSELAST : std::min(Last, WM_MOUSELAST);
    if (lo > hi) return;
    WindowHandle* h = WindowHandle::FromHwnd(hWnd);
    if (!h) return;
    const std::vector<MSG> taken = platform::detail::TakeQueuedMouseMessages(h, lo, hi);
    for (const MSG& m : taken)
        post(m.hwnd, m.message, m.wParam, m.lParam, m.pt);
}
} // namespace

BOOL PeekMessage(MSG* lpMsg, HWND hWnd, UINT First, UINT Last, UINT RemoveMsg) {
    takeQueuedMouse(hWnd, First, Last);
    std::lock_guard lock(queueLock());
    auto& q = queue();
    for (auto it = q.begin(); it != q.end(); ++it) {
        const MSG& m = it->Msg;
        if (hWnd && m.hwnd != hWnd && m.message != WM_QUIT) continue;
        if ((First || Last) && (m.message < First || m.message > Last)) continue;
        if (lpMsg) *lpMsg = m;
        if (RemoveMsg & PM_REMOVE) q.erase(it);
        return TRUE;
    }
    return FALSE;
}

LRESULT DispatchMessage(const MSG* lpMsg) {
    if (!lpMsg) return 0;
    if (!lpMsg->hwnd) {
        if (lpMsg->message == WM_QUIT) Application->Terminate();
        return 0;
    }
    return SendMessage(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}
