// The thread base of the extended components: a thread with a name that it gives itself
// for debuggers and for an optional process-wide naming hook.
#pragma once

#include "platform/classes/Thread.h"

// Called with the 8-bit name and the thread id whenever a thread names itself; unset by
// default.
using TThreadNamingProc = void (*)(const AnsiString& ThreadName, TThreadID ThreadID);
extern TThreadNamingProc ThreadNamingHook;

class TXcCustomThread : public TThread {
    ORVO_CLASS(TXcCustomThread, TThread)
public:
    explicit TXcCustomThread(bool CreateSuspended) : TThread(CreateSuspended) {}

    // The name followed by " {ClassName}", or the class name alone when no name is set.
    virtual String ThreadName() const;
    virtual void SetThreadName(const String& Value);
    // Names a thread (the id 0xFFFFFFFF: this thread object's own thread).
    virtual void NameThread(const AnsiString& AThreadName, TThreadID AThreadID = 0xFFFFFFFFu);

private:
    String FThreadName;
};
