#include "platform/classes/Interfaces.h"

#include <gtest/gtest.h>

namespace {
class IListener : public virtual IInterface {
public:
    virtual void Changed() = 0;
};
inline constexpr TGUID IID_IListener{0x8E6579C3, 0x1111, 0x2222, {1, 2, 3, 4, 5, 6, 7, 8}};

class TListener : public TInterfacedObject, public IListener {
    ORVO_CLASS(TListener, TInterfacedObject)
public:
    explicit TListener(bool* alive) : alive_(alive) { *alive_ = true; }
    ~TListener() override { *alive_ = false; }
    void Changed() override { ++calls; }
    HResult QueryInterface(const TGUID& IID, void** Obj) override {
        if (IID == IID_IListener) {
            IListener* self = this;
            self->_AddRef();
            *Obj = self;
            return S_OK;
        }
        return TInterfacedObject::QueryInterface(IID, Obj);
    }
    int calls = 0;

private:
    bool* alive_;
};
ORVO_IMPLEMENT_CLASS(TListener, TInterfacedObject)
} // namespace

TEST(Interfaces, CountedReferencesKeepTheObjectAliveUntilTheLastGoes) {
    bool alive = false;
    TInterfacePtr<IListener> keep(new TListener(&alive));
    {
        TInterfacePtr<IListener> copy = keep;
        TInterfacePtr<IInterface> base(keep.get());
        copy->Changed();
        EXPECT_EQ(static_cast<TListener*>(keep.get())->RefCount(), 3);
    }
    EXPECT_TRUE(alive);
    // A listener that drops the last outside reference while being called stays valid
    // through the caller's own reference.
    TInterfacePtr<IListener> during = keep;
    keep.reset();
    during->Changed();
    EXPECT_TRUE(alive);
    during = nullptr;
    EXPECT_FALSE(alive);
}

TEST(Interfaces, SupportsByClassAndByGuid) {
    bool alive = false;
    auto* obj = new TListener(&alive);
    TInterfacePtr<IListener> hold(obj);
    IListener* intf = nullptr;
    EXPECT_TRUE(Supports<IListener>(static_cast<TObject*>(obj), intf));
    EXPECT_EQ(intf, hold.get());
    TObject plain;
    EXPECT_FALSE(Supports<IListener>(&plain));

    void* found = nullptr;
    EXPECT_TRUE(Supports(hold.get(), IID_IListener, &found));
    EXPECT_EQ(found, static_cast<void*>(hold.get()));
    static_cast<IListener*>(found)->_Release();
    EXPECT_TRUE(Supports(hold.get(), IID_IInterface));
    EXPECT_FALSE(Supports(hold.get(), TGUID{1, 2, 3, {}}, &found));
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(obj->RefCount(), 1) << "queries give back what they took";
}
