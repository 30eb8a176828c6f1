#include "storage/support/XcCustomThread.h"

ORVO_IMPLEMENT_CLASS(TXcCustomThread, TThread)

TThreadNamingProc ThreadNamingHook = nullptr;

String TXcCustomThread::ThreadName() const {
    if (FThreadName.isEmpty()) return ClassName();
    return FThreadName + QStringLiteral(" {") + ClassName() + u'}';
}

void TXcCustomThread::SetThreadName(const String& Value) {
    FThreadName = Value;
}

void TXcCustomThread::NameThread(const AnsiString& AThreadName, TThreadID AThreadID) {
    const TThreadID id = AThreadID == 0xFFFFFFFFu ? ThreadID() : AThreadID;
    TThread::NameThreadForDebugging(AThreadName, id);
    if (ThreadNamingHook) ThreadNamingHook(AThreadName, id);
}
