#include "platform/win/Beep.h"

#include <QMutex>
#include <QMutexLocker>
#include <cstdio>
#include <unistd.h>

namespace {
QMutex g_lock;
TBeepHook g_hook;
} // namespace

BOOL MessageBeep(UINT type) {
    TBeepHook hook;
    {
        QMutexLocker lock(&g_lock);
        hook = g_hook;
    }
    if (hook) {
        hook(type);
    } else if (::isatty(STDERR_FILENO)) {
        std::fputc('\a', stderr);
        std::fflush(stderr);
    }
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
