// The root of the object model: TObject with class names, parent classes and class
// references (metaclasses) that can create instances through a virtual constructor.
#pragma once

#include "platform/rtl/Exception.h"
#include "platform/rtl/Types.h"

#include <type_traits>

class TObject;
class TComponent;
class TCollection;
struct TTypeInfo;

// One descriptor per class: name, parent and the factories of its virtual constructors.
// The type information of published properties hangs off TypeInfo (filled by the
// class's own registration).
struct TMetaClass {
    const char* Name = "";
    const TMetaClass* Parent = nullptr;
    TObject* (*CreatePlain)() = nullptr;                       // Create
    TObject* (*CreateComponent)(TComponent* AOwner) = nullptr; // Create(AOwner)
    TObject* (*CreateItem)(TCollection* Collection) = nullptr; // Create(Collection)
    mutable TTypeInfo* TypeInfo = nullptr;

    String ClassName() const { return QString::fromLatin1(Name); }
    bool InheritsFrom(const TMetaClass* cls) const;
    bool ClassNameIs(const String& name) const;
};
using TClass = const TMetaClass*;

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject();

    static TClass StaticClass();
    virtual TClass ClassType() const { return StaticClass(); }

    String ClassName() const { return ClassType()->ClassName(); }
    TClass ClassParent() const { return ClassType()->Parent; }
    bool ClassNameIs(const String& name) const { return ClassType()->ClassNameIs(name); }
    bool InheritsFrom(TClass cls) const { return ClassType()->InheritsFrom(cls); }

    // Called after the most-derived constructor and before destruction by the
    // code that creates or frees a component (forms run OnCreate here).
    virtual void AfterConstruction() {}
    virtual void BeforeDestruction() {}
};

// Deletes obj (null-safe), running BeforeDestruction first.
void FreeObject(TObject* obj);
template <class T> void FreeAndNil(T*& obj) {
    T* o = obj;
    obj = nullptr;
    FreeObject(o);
}

// The "is" and "as" operators; a failed "as" raises EInvalidCast.
template <class T> bool Is(const TObject* obj) {
    return dynamic_cast<const T*>(obj) != nullptr;
}
template <class T> T* As(TObject* obj) {
    if (!obj) return nullptr;
    if (T* t = dynamic_cast<T*>(obj)) return t;
    throw EInvalidCast::CreateRes(&SInvalidCast);
}

namespace platform::detail {
template <class T> TObject* createPlain() {
    if constexpr (std::is_default_constructible_v<T> && !std::is_abstract_v<T>) {
        T* t = new T();
        t->AfterConstruction();
        return t;
    } else {
        return nullptr;
    }
}
template <class T> TObject* createComponent(TComponent* owner) {
    if constexpr (std::is_constructible_v<T, TComponent*> && !std::is_abstract_v<T>) {
        T* t = new T(owner);
        t->AfterConstruction();
        return t;
    } else {
        (void)owner;
        return nullptr;
    }
}
template <class T> TObject* createItem(TCollection* c) {
    if constexpr (std::is_constructible_v<T, TCollection*> && !std::is_abstract_v<T>) {
        T* t = new T(c);
        t->AfterConstruction();
        return t;
    } else {
        (void)c;
        return nullptr;
    }
}
template <class T> constexpr auto plainFactory() {
    if constexpr (std::is_default_constructible_v<T> && !std::is_abstract_v<T>)
        return &createPlain<T>;
    else
        return static_cast<TObject* (*)()>(nullptr);
}
template <class T> constexpr auto componentFactory() {
    if constexpr (std::is_constructible_v<T, TComponent*> && !std::is_abstract_v<T>)
        return &createComponent<T>;
    else
        return static_cast<TObject* (*)(TComponent*)>(nullptr);
}
template <class T> constexpr auto itemFactory() {
    if constexpr (std::is_constructible_v<T, TCollection*> && !std::is_abstract_v<T>)
        return &createItem<T>;
    else
        return static_cast<TObject* (*)(TCollection*)>(nullptr);
}
} // namespace platform::detail

// In a class body: declares the class's metaclass accessors.
#define ORVO_CLASS(Name, Parent)                                                                             \
public:                                                                                                      \
    using inherited = Parent;                                                                                \
    static TClass StaticClass();                                                                             \
    TClass ClassType() const override {                                                                      \
        return StaticClass();                                                                                \
    }                                                                                                        \
                                                                                                             \
private:

// In the class's .cpp: defines the metaclass (name, parent, factories).
#define ORVO_IMPLEMENT_CLASS(Name, Parent)                                                                   \
    TClass Name::StaticClass() {                                                                             \
        static const TMetaClass meta{#Name,                                                                  \
                                     Parent::StaticClass(),                                                  \
                                     platform::detail::plainFactory<Name>(),                                 \
                                     platform::detail::componentFactory<Name>(),                             \
                                     platform::detail::itemFactory<Name>(),                                  \
                                     nullptr};                                                               \
        return &meta;                                                                                        \
    }
