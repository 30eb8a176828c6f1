#include "storage/support/SclSynch.h"

#include "platform/rtl/Exception.h"
#include "platform/win/LastError.h"
#include "platform/win/Process.h"
#include "storage/support/SclUnitVersioning.h"

#include <atomic>

ORVO_IMPLEMENT_CLASS(TSclDispatcherObject, TObject)
ORVO_IMPLEMENT_CLASS(TSclMutex, TSclDispatcherObject)
ORVO_IMPLEMENT_CLASS(TSclCriticalSection, TObject)

namespace {

const TUnitVersionInfo UnitVersioning =
    SCL_UNIT_VERSION(u"scl/source/windows/SclSynch.pas", u"3391",
                     u"2010-10-20 14:26:40 +0200 (Wed, 20 Oct 2010)", u"SCL\\source\\windows");
const TUnitRevisionNote note(UnitVersioning);

TSclWaitResult WaitResultOf(DWORD code) {
    switch (code) {
    case WAIT_OBJECT_0:
        return TSclWaitResult::wrSignaled;
    case WAIT_ABANDONED:
        return TSclWaitResult::wrAbandoned;
    case WAIT_IO_COMPLETION:
        return TSclWaitResult::wrIoCompletion;
    case WAIT_TIMEOUT:
        return TSclWaitResult::wrTimeout;
    default:
        return TSclWaitResult::wrError;
    }
}

// A name of its own for a mutex created without one.
String PrivateMutexName() {
    static std::atomic<unsigned> serial{0};
    return QStringLiteral("SclPrivateMutex_%1_%2").arg(GetCurrentProcessId()).arg(++serial);
}

} // namespace

TSclDispatcherObject::~TSclDispatcherObject() = default;

void TSclDispatcherObject::Attach(TNamedMutex* AHandle) {
    FHandle.reset(AHandle);
    FExisted = true;
    FName.clear();
}

TSclWaitResult TSclDispatcherObject::WaitFor(DWORD TimeOut) {
    if (!FHandle) {
        SetLastError(ERROR_INVALID_HANDLE);
        return TSclWaitResult::wrError;
    }
    return WaitResultOf(FHandle->WaitFor(TimeOut));
}

TSclWaitResult TSclDispatcherObject::SignalAndWait(TSclDispatcherObject* Obj, DWORD TimeOut, bool) {
    if (!Obj || !Obj->Signal()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return TSclWaitResult::wrError;
    }
    return WaitFor(TimeOut);
}

TSclMutex::TSclMutex(void*, bool InitialOwner, const String& Name) {
    FName = Name;
    try {
        FHandle = std::make_unique<TNamedMutex>(Name.isEmpty() ? PrivateMutexName() : Name, InitialOwner);
    } catch (const EOSError& e) {
        SetLastError(WinErrorFromErrno(int(e.ErrorCode)));
        throw ESclMutexError(QStringLiteral("Failed to create mutex"));
    }
    FExisted = FHandle->Existed();
}

TSclMutex* TSclMutex::Open(DWORD, bool, const String& Name) {
    std::unique_ptr<TNamedMutex> handle;
    try {
        if (!Name.isEmpty()) handle.reset(TNamedMutex::Open(Name));
        if (!handle) SetLastError(ERROR_FILE_NOT_FOUND);
    } catch (const EOSError& e) {
        SetLastError(WinErrorFromErrno(int(e.ErrorCode)));
    }
    if (!handle) throw ESclMutexError(QStringLiteral("Failed to open mutex"));
    auto* mutex = new TSclMutex;
    mutex->FHandle = std::move(handle);
    mutex->FExisted = true;
    mutex->FName = Name;
    return mutex;
}

bool TSclMutex::Acquire(DWORD TimeOut) {
    const TSclWaitResult r = WaitFor(TimeOut);
    return r == TSclWaitResult::wrSignaled || r == TSclWaitResult::wrAbandoned;
}

bool TSclMutex::Release() {
    return FHandle && FHandle->Release();
}

void TSclCriticalSection::CreateAndEnter(TSclCriticalSection*& CS) {
    std::atomic_ref<TSclCriticalSection*> slot(CS);
    if (!slot.load(std::memory_order_acquire)) {
        auto* made = new TSclCriticalSection;
        TSclCriticalSection* expected = nullptr;
        if (!slot.compare_exchange_strong(expected, made, std::memory_order_acq_rel)) delete made;
    }
    slot.load(std::memory_order_acquire)->Enter();
}
