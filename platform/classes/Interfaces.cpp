#include "platform/classes/Interfaces.h"

ORVO_IMPLEMENT_CLASS(TInterfacedObject, TObject)

HResult TInterfacedObject::QueryInterface(const TGUID& IID, void** Obj) {
    if (IID == IID_IInterface) {
        IInterface* self = this;
        self->_AddRef();
        *Obj = self;
        return S_OK;
    }
    *Obj = nullptr;
    return E_NOINTERFACE;
}

int TInterfacedObject::_AddRef() {
    return ++FRefCount;
}

int TInterfacedObject::_Release() {
    const int count = --FRefCount;
    if (count == 0) FreeObject(this);
    return count;
}

bool Supports(IInterface* Instance, const TGUID& IID, void** Intf) {
    if (!Instance) {
        if (Intf) *Intf = nullptr;
        return false;
    }
    void* found = nullptr;
    const bool ok = Instance->QueryInterface(IID, &found) == S_OK && found;
    if (Intf) {
        *Intf = ok ? found : nullptr;
    } else if (ok) {
        // Only the answer was wanted: give back the reference the query took (the count
        // belongs to the object, whichever of its interfaces took it).
        Instance->_Release();
    }
    return ok;
}
