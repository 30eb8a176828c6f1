// Interfaces: abstract classes deriving (virtually) from IInterface, reference counting
// where an object's lifetime depends on it, and Supports to ask an object for one.
#pragma once

#include "platform/classes/Object.h"

#include <atomic>
#include <cstdint>
#include <utility>

struct TGUID {
    std::uint32_t D1 = 0;
    std::uint16_t D2 = 0;
    std::uint16_t D3 = 0;
    std::uint8_t D4[8] = {};

    friend constexpr bool operator==(const TGUID& a, const TGUID& b) {
        if (a.D1 != b.D1 || a.D2 != b.D2 || a.D3 != b.D3) return false;
        for (int i = 0; i < 8; ++i)
            if (a.D4[i] != b.D4[i]) return false;
        return true;
    }
};

using HResult = std::int32_t;
inline constexpr HResult S_OK = 0;
inline constexpr HResult E_NOINTERFACE = static_cast<HResult>(0x80004002u);

// {00000000-0000-0000-C000-000000000046}
inline constexpr TGUID IID_IInterface{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// The root of every interface. An interface derives from it virtually, so that an
// object implementing several interfaces has one IInterface.
class IInterface {
public:
    // Stores in *Obj the interface named IID (counted) and answers S_OK, else sets
    // *Obj to nullptr and answers E_NOINTERFACE.
    virtual HResult QueryInterface(const TGUID& IID, void** Obj) = 0;
    // Reference counting; an object that is not counted answers -1.
    virtual int _AddRef() = 0;
    virtual int _Release() = 0;

protected:
    virtual ~IInterface() = default;
};

// An object whose lifetime follows its counted references: the last _Release deletes it.
// It starts at zero references; an object never referenced must be deleted by its creator.
class TInterfacedObject : public TObject, public virtual IInterface {
    ORVO_CLASS(TInterfacedObject, TObject)
public:
    HResult QueryInterface(const TGUID& IID, void** Obj) override;
    int _AddRef() override;
    int _Release() override;
    int RefCount() const { return FRefCount.load(); }

private:
    std::atomic<int> FRefCount{0};
};

// A counted reference to an interface (or any class with _AddRef/_Release): holds one
// reference while it lives.
template <class I> class TInterfacePtr {
public:
    TInterfacePtr() = default;
    TInterfacePtr(std::nullptr_t) {}
    TInterfacePtr(I* p) : p_(p) {
        if (p_) p_->_AddRef();
    }
    TInterfacePtr(const TInterfacePtr& o) : TInterfacePtr(o.p_) {}
    TInterfacePtr(TInterfacePtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    ~TInterfacePtr() {
        if (p_) p_->_Release();
    }
    TInterfacePtr& operator=(TInterfacePtr o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }

    void reset(I* p = nullptr) {
        // Takes the new reference before dropping the old one (p may be kept alive by it).
        TInterfacePtr(p).swap(*this);
    }
    void swap(TInterfacePtr& o) noexcept { std::swap(p_, o.p_); }

    I* get() const { return p_; }
    I* operator->() const { return p_; }
    I& operator*() const { return *p_; }
    explicit operator bool() const { return p_ != nullptr; }
    friend bool operator==(const TInterfacePtr& a, const TInterfacePtr& b) { return a.p_ == b.p_; }
    friend bool operator==(const TInterfacePtr& a, const I* b) { return a.p_ == b; }

private:
    I* p_ = nullptr;
};

// Whether Instance implements the interface class I; Intf receives it (not counted).
template <class I> bool Supports(TObject* Instance, I*& Intf) {
    Intf = dynamic_cast<I*>(Instance);
    return Intf != nullptr;
}
template <class I> bool Supports(TObject* Instance) {
    return dynamic_cast<I*>(Instance) != nullptr;
}
// Whether the object behind Instance also implements I.
template <class I> bool Supports(IInterface* Instance, I*& Intf) {
    Intf = dynamic_cast<I*>(Instance);
    return Intf != nullptr;
}
// Asks Instance for the interface named IID; with Intf, stores it there (counted).
bool Supports(IInterface* Instance, const TGUID& IID, void** Intf = nullptr);
