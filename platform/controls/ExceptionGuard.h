// The guard around every call from Qt into the controls: no exception may unwind through
// Qt. An Exception goes to Application->HandleException (EAbort silently dropped); any
// other C++ exception becomes an Exception with its what() text.
#pragma once

#include <utility>

namespace platform::detail {
// Hands the exception being caught to the application. Call inside a catch block.
void HandleEscapedException() noexcept;

template <class F> bool Guarded(F&& f) noexcept {
    try {
        std::forward<F>(f)();
        return true;
    } catch (...) {
        HandleEscapedException();
        return false;
    }
}
} // namespace platform::detail
