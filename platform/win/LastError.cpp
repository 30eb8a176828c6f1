#include "platform/win/LastError.h"

#include <cerrno>
#include <cstring>

namespace {
thread_local DWORD t_lastError = ERROR_SUCCESS;

struct TErrorText {
    DWORD code;
    const char* text;
};

// Texts of the codes this layer reports; used in traces only.
constexpr TErrorText kErrorTexts[] = {
    {ERROR_SUCCESS, "The operation completed successfully."},
    {ERROR_INVALID_FUNCTION, "Incorrect function."},
    {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
    {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
    {ERROR_ACCESS_DENIED, "Access is denied."},
    {ERROR_INVALID_HANDLE, "The handle is invalid."},
    {ERROR_NOT_ENOUGH_MEMORY, "Not enough memory resources are available to process this command."},
    {ERROR_GEN_FAILURE, "A device attached to the system is not functioning."},
    {ERROR_SHARING_VIOLATION,
     "The process cannot access the file because it is being used by another process."},
    {ERROR_NOT_SUPPORTED, "The request is not supported."},
    {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
    {ERROR_SEM_TIMEOUT, "The semaphore timeout period has expired."},
    {ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small."},
    {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists."},
    {ERROR_NO_MORE_ITEMS, "No more data is available."},
    {ERROR_OPERATION_ABORTED, "The I/O operation has been aborted because of either a thread exit or an "
                              "application request."},
    {ERROR_IO_PENDING, "Overlapped I/O operation is in progress."},
    {ERROR_ALREADY_INITIALIZED, "An attempt was made to perform an initialization operation when "
                                "initialization has already been completed."},
    {ERROR_TIMEOUT, "This operation returned because the timeout period expired."},
};
} // namespace

DWORD GetLastError() {
    return t_lastError;
}

void SetLastError(DWORD code) {
    t_lastError = code;
}

DWORD WinErrorFromErrno(int err) {
    switch (err) {
    case 0:
        return ERROR_SUCCESS;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EBUSY:
    case EWOULDBLOCK:
        return ERROR_ACCESS_DENIED;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    case EINVAL:
        return ERROR_INVALID_PARAMETER;
    case ENOTTY:
        return ERROR_INVALID_FUNCTION;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_GEN_FAILURE;
    }
}

DWORD FormatMessageA(DWORD flags, const void*, DWORD messageId, DWORD, char* buffer, DWORD size, void*) {
    if (!(flags & FORMAT_MESSAGE_FROM_SYSTEM) || !buffer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    for (const TErrorText& e : kErrorTexts) {
        if (e.code != messageId) continue;
        // System messages end with CR LF, as callers that trim them expect.
        std::size_t n = std::strlen(e.text);
        if (n + 3 > size) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return 0;
        }
        std::memcpy(buffer, e.text, n);
        std::memcpy(buffer + n, "\r\n", 3);
        return DWORD(n + 2);
    }
    SetLastError(317); // ERROR_MR_MID_NOT_FOUND: no text for this code
    return 0;
}
