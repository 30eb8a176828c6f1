#include "platform/controls/ExceptionGuard.h"

#include "platform/controls/Application.h"

#include <cstdio>

namespace platform::detail {

void HandleEscapedException() noexcept {
    try {
        Application->HandleException(nullptr, std::current_exception());
    } catch (...) {
        // The handler itself failed: there is nowhere left to report to but stderr.
        std::fputs("Exception in the exception handler\n", stderr);
    }
}

} // namespace platform::detail
