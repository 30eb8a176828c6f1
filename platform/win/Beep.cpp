#include "platform/win/Beep.h"

#include <QApplication>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <cstdio>
#include <unistd.h>

namespace {
QMutex g_lock;
TBeepHook g_hook;

// The desktop's warning sound when a widget application runs (asked for on its own thread,
// as the window system connection belongs to it); the terminal bell otherwise.
void DefaultBeep() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (app) {
        if (QThread::currentThread() == app->thread())
            QApplication::beep();
        else
            QMetaObject::invokeMethod(
                app, [] { QApplication::beep(); }, Qt::QueuedConnection);
    } else if (::isatty(STDERR_FILENO)) {
        std::fputc('\a', stderr);
        std::fflush(stderr);
    }
}
} // namespace

BOOL MessageBeep(UINT type) {
    TBeepHook hook;
    {
        QMutexLocker lock(&g_lock);
        hook = g_hook;
    }
    if (hook)
        hook(type);
    else
        DefaultBeep();
    return TRUE;
}

BOOL Beep(DWORD, DWORD) {
    return MessageBeep(MB_BEEP_SIMPLE);
}

TBeepHook SetBeepHook(TBeepHook hook) {
    QMutexLocker lock(&g_lock);
    std::swap(g_hook, hook);
    return hook;
}
