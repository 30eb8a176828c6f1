#include "storage/support/SclSysUtils.h"

#include "platform/win/LastError.h"
#include "storage/support/SclUnitVersioning.h"

#include <atomic>
#include <cstring>

ORVO_IMPLEMENT_CLASS(TSclIntfCriticalSection, TObject)

namespace {

const TUnitVersionInfo UnitVersioning =
    SCL_UNIT_VERSION(u"scl/source/common/SclSysUtils.pas", u"3438",
                     u"2010-12-10 21:05:37 +0100 (Fri, 10 Dec 2010)", u"SCL\\source\\common");
const TUnitRevisionNote note(UnitVersioning);

struct SharedBlockItem {
    String Name;
    void* Memory = nullptr;
    int References = 0;
    SharedBlockItem* Next = nullptr;
};

SharedBlockItem* sharedBlockList = nullptr; // guarded by the list lock

// The list's lock, made on first use. A thread that loses the race to install its lock
// frees it. The lock is never freed, so a block released while the program ends (by the
// end of another unit) still finds it.
constinit std::atomic<TSclIntfCriticalSection*> listLock{nullptr};

TSclIntfCriticalSection* ListLock() {
    TSclIntfCriticalSection* lock = listLock.load(std::memory_order_acquire);
    if (lock) return lock;
    auto* made = new TSclIntfCriticalSection;
    if (listLock.compare_exchange_strong(lock, made, std::memory_order_acq_rel)) return made;
    delete made;
    return lock;
}

} // namespace

TSclIntfCriticalSection::TSclIntfCriticalSection() : FCriticalSection(new TCriticalSection) {}

TSclIntfCriticalSection::~TSclIntfCriticalSection() {
    delete FCriticalSection;
}

HResult TSclIntfCriticalSection::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IID_IInterface) {
        *Obj = static_cast<IInterface*>(this);
        _AddRef();
        return S_OK;
    }
    *Obj = nullptr;
    return E_NOINTERFACE;
}

int TSclIntfCriticalSection::_AddRef() {
    FCriticalSection->Enter();
    return 0;
}

int TSclIntfCriticalSection::_Release() {
    FCriticalSection->Leave();
    return 0;
}

DWORD MapSharedBlock(void*& p, const String& Name, DWORD Size, DWORD) {
    p = nullptr;
    TInterfacePtr<IInterface> guard(ListLock());

    for (SharedBlockItem* item = sharedBlockList; item; item = item->Next)
        if (item->Name.compare(Name, Qt::CaseInsensitive) == 0) {
            ++item->References;
            p = item->Memory;
            return ERROR_ALREADY_EXISTS;
        }

    bool existed = false;
    void* memory = OpenSharedBlock(Name, 0, &existed);
    if (!memory) {
        if (Size == 0)
            throw ESharedMemError(QStringLiteral("The MMF named \"%1\" cannot be created empty").arg(Name));
        memory = OpenSharedBlock(Name, Size, &existed);
    }
    auto* item = new SharedBlockItem{Name, memory, 1, sharedBlockList};
    sharedBlockList = item;
    p = memory;
    return existed ? ERROR_ALREADY_EXISTS : 0;
}

bool ReleaseSharedBlock(void*& p) {
    if (!p) return true;
    TInterfacePtr<IInterface> guard(ListLock());
    for (SharedBlockItem** link = &sharedBlockList; *link; link = &(*link)->Next) {
        SharedBlockItem* item = *link;
        if (item->Memory != p) continue;
        if (item->References < 2) {
            CloseSharedBlock(item->Memory);
            *link = item->Next;
            delete item;
        } else {
            --item->References;
        }
        p = nullptr;
        return true;
    }
    return false;
}

String GuidToText(const TGUID& Guid) {
    auto hex = [](unsigned v, int digits) { return QStringLiteral("%1").arg(v, digits, 16, QChar(u'0')); };
    String s = u'{' + hex(Guid.D1, 8) + u'-' + hex(Guid.D2, 4) + u'-' + hex(Guid.D3, 4) + u'-' +
               hex(Guid.D4[0], 2) + hex(Guid.D4[1], 2) + u'-';
    for (int i = 2; i < 8; ++i)
        s += hex(Guid.D4[i], 2);
    return s + u'}';
}

void ZeroFill(void* P, NativeInt Size) {
    if (P && Size > 0) std::memset(P, 0, std::size_t(Size));
}

void FreeModuleHandle(HMODULE& Module) {
    if (Module) FreeLibrary(Module);
    Module = nullptr;
}
