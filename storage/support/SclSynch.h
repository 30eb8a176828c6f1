// Synchronisation objects: the waitable object base, named mutexes (on the platform's
// named mutexes, shared with other processes), and a plain critical section with a
// race-free lazy creation.
#pragma once

#include "platform/classes/Object.h"
#include "platform/classes/SyncObjs.h"
#include "platform/win/WinTypes.h"
#include "storage/support/SclWin32.h"

#include <memory>

// Scoped, as the class library's own wait results use the same names.
enum class TSclWaitResult { wrAbandoned, wrError, wrIoCompletion, wrSignaled, wrTimeout };

// A kernel object to wait for. Its handle is the platform's named mutex, owned by this
// object: destroying the object closes it.
class TSclDispatcherObject : public TObject {
    ORVO_CLASS(TSclDispatcherObject, TObject)
public:
    TSclDispatcherObject() = default;
    ~TSclDispatcherObject() override;

    // Wraps an existing handle (and takes it over); Existed is true, Name empty.
    void Attach(TNamedMutex* AHandle);

    // TimeOut in milliseconds; INFINITE (0xFFFFFFFF) waits without limit.
    TSclWaitResult WaitFor(DWORD TimeOut);
    TSclWaitResult WaitForever() { return WaitFor(INFINITE); }
    // No asynchronous calls are queued to threads here, so an alertable wait never ends
    // with TSclWaitResult::wrIoCompletion.
    TSclWaitResult WaitAlertable(DWORD TimeOut) { return WaitFor(TimeOut); }
    // Signals Obj (a mutex is signalled by releasing it), then waits for this object.
    TSclWaitResult SignalAndWait(TSclDispatcherObject* Obj, DWORD TimeOut, bool Alertable);

    bool Existed() const { return FExisted; }
    TNamedMutex* Handle() const { return FHandle.get(); }
    const String& Name() const { return FName; }

protected:
    virtual bool Signal() { return false; }

    bool FExisted = false;
    std::unique_ptr<TNamedMutex> FHandle;
    String FName;
};

class TSclMutex : public TSclDispatcherObject {
    ORVO_CLASS(TSclMutex, TSclDispatcherObject)
public:
    // Creates the mutex, or opens it when it exists (Existed then answers true). An empty
    // name gives a mutex of its own that nothing else can open. SecAttr is not used.
    // Raises ESclMutexError "Failed to create mutex".
    TSclMutex(void* SecAttr, bool InitialOwner, const String& Name);
    // Opens an existing mutex; raises ESclMutexError "Failed to open mutex" when there is
    // none of that name. Access and Inheritable are not used.
    static TSclMutex* Open(DWORD Access, bool Inheritable, const String& Name);

    // True when the calling thread now owns the mutex, also when its previous owner ended
    // without releasing it (an abandoned mutex is owned by the waiter all the same).
    bool Acquire(DWORD TimeOut = INFINITE);
    bool Release();

protected:
    bool Signal() override { return Release(); }

private:
    TSclMutex() = default;
};

// One critical section; the owning thread may enter it again.
class TSclCriticalSection : public TObject {
    ORVO_CLASS(TSclCriticalSection, TObject)
public:
    TSclCriticalSection() = default;
    void Enter() { FSection.lock(); }
    void Leave() { FSection.unlock(); }

    // Makes a section and installs it in CS when CS is empty (another thread's section
    // wins a race, and the spare one is freed), then enters CS.
    static void CreateAndEnter(TSclCriticalSection*& CS);

private:
    std::recursive_mutex FSection;
};
