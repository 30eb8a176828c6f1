#include "platform/win/MessageBox.h"

#include <QMutex>
#include <QMutexLocker>
#include <cstdio>

namespace platform::detail {
namespace {

QMutex g_lock;
TMessageBoxHook g_hook;
String g_title;

int DefaultMessageBox(void*, const String& text, const String& caption, unsigned) {
    std::fprintf(stderr, "%s: %s\n", caption.toUtf8().constData(), text.toUtf8().constData());
    std::fflush(stderr);
    return IDOK;
}

} // namespace
} // namespace platform::detail

using namespace platform::detail;

int MessageBox(void* hwnd, const String& text, const String& caption, unsigned flags) {
    TMessageBoxHook hook;
    {
        QMutexLocker lock(&g_lock);
        hook = g_hook;
    }
    // The hook runs unlocked: a dialog may show further boxes or change the hook.
    return hook ? hook(hwnd, text, caption, flags) : DefaultMessageBox(hwnd, text, caption, flags);
}

TMessageBoxHook SetMessageBoxHook(TMessageBoxHook hook) {
    QMutexLocker lock(&g_lock);
    std::swap(g_hook, hook);
    return hook;
}

String ApplicationTitle() {
    QMutexLocker lock(&g_lock);
    return g_title;
}

void SetApplicationTitle(const String& title) {
    QMutexLocker lock(&g_lock);
    g_title = title;
}
