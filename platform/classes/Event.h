// Event handlers ("method pointers"): a comparable delegate of an object and one of its
// member functions, with an "assigned" test. A delegate made from a callable (for tests
// and glue code) compares equal only to its own copies.
#pragma once

#include <cstring>
#include <functional>
#include <memory>
#include <type_traits>

class TObject;

// The untyped form of a handler, as the type information passes it around.
struct TMethod {
    void* Data = nullptr;                       // the object
    alignas(void*) unsigned char Code[16] = {}; // the member function pointer's bytes
    void* Thunk = nullptr;                      // the typed caller
    std::shared_ptr<void> Callable;             // a delegate made from a callable

    bool Assigned() const { return Thunk != nullptr || Callable != nullptr; }
    bool operator==(const TMethod& o) const {
        return Data == o.Data && Thunk == o.Thunk && Callable == o.Callable &&
               std::memcmp(Code, o.Code, sizeof Code) == 0;
    }
};

template <class... Args> class TEvent {
public:
    using Thunk = void (*)(void* obj, const unsigned char* code, Args... args);

    TEvent() = default;
    TEvent(std::nullptr_t) {}

    template <class T, class R> TEvent(T* obj, R (T::*method)(Args...)) {
        static_assert(sizeof(method) <= sizeof(m_.Code), "member function pointer too large");
        using M = R (T::*)(Args...);
        m_.Data = static_cast<void*>(obj);
        std::memcpy(m_.Code, &method, sizeof method);
        m_.Thunk =
            reinterpret_cast<void*>(static_cast<Thunk>([](void* o, const unsigned char* code, Args... a) {
                M mp;
                std::memcpy(&mp, code, sizeof mp);
                (static_cast<T*>(o)->*mp)(std::forward<Args>(a)...);
            }));
    }

    // A delegate that calls f; equal only to its copies.
    template <class F, class = std::enable_if_t<std::is_invocable_v<F&, Args...> &&
                                                !std::is_same_v<std::decay_t<F>, TEvent> &&
                                                !std::is_same_v<std::decay_t<F>, std::nullptr_t>>>
    TEvent(F f) {
        m_.Callable = std::make_shared<std::function<void(Args...)>>(std::move(f));
    }

    static TEvent FromMethod(const TMethod& m) {
        TEvent e;
        e.m_ = m;
        return e;
    }
    const TMethod& ToMethod() const { return m_; }

    bool Assigned() const { return m_.Assigned(); }
    explicit operator bool() const { return Assigned(); }
    void* Object() const { return m_.Data; }

    void operator()(Args... args) const {
        if (m_.Thunk) {
            reinterpret_cast<Thunk>(m_.Thunk)(m_.Data, m_.Code, std::forward<Args>(args)...);
        } else if (m_.Callable) {
            (*static_cast<std::function<void(Args...)>*>(m_.Callable.get()))(std::forward<Args>(args)...);
        }
    }

    bool operator==(const TEvent& o) const { return m_ == o.m_; }
    bool operator==(std::nullptr_t) const { return !Assigned(); }

private:
    TMethod m_;
};

// Binds a member function of obj as a handler: Method(this, &TForm1::Button1Click).
template <class T, class R, class... Args> TEvent<Args...> Method(T* obj, R (T::*m)(Args...)) {
    return TEvent<Args...>(obj, m);
}

using TNotifyEvent = TEvent<TObject*>;
