#include "platform/win/LastError.h"

#include "platform/rtl/SysError.h"

#include <cstring>

namespace {
thread_local DWORD t_lastError = ERROR_SUCCESS;
} // namespace

DWORD GetLastError() {
    return t_lastError;
}

void SetLastError(DWORD code) {
    t_lastError = code;
}

DWORD WinErrorFromErrno(int err) {
    return platform::detail::OSErrorFromErrno(err);
}

DWORD FormatMessageA(DWORD flags, const void*, DWORD messageId, DWORD, char* buffer, DWORD size, void*) {
    if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || !buffer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const char* text = platform::detail::OSErrorText(messageId);
    if (!text) {
        SetLastError(317); // ERROR_MR_MID_NOT_FOUND: no text for this code
        return 0;
    }
    // System messages end with CR LF, as callers that trim them expect.
    std::size_t n = std::strlen(text);
    if (n + 3 > size) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(buffer, text, n);
    std::memcpy(buffer + n, "\r\n", 3);
    return DWORD(n + 2);
}
