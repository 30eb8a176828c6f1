// The per-thread last error of the Windows services and the Windows error codes they
// report. Linux errno values are translated through one table (WinErrorFromErrno).
#pragma once

#include "platform/win/WinTypes.h"

inline constexpr DWORD ERROR_SUCCESS = 0;
inline constexpr DWORD ERROR_INVALID_FUNCTION = 1;
inline constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
inline constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
inline constexpr DWORD ERROR_ACCESS_DENIED = 5;
inline constexpr DWORD ERROR_INVALID_HANDLE = 6;
inline constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
inline constexpr DWORD ERROR_NOT_READY = 21;
inline constexpr DWORD ERROR_WRITE_FAULT = 29;
inline constexpr DWORD ERROR_READ_FAULT = 30;
inline constexpr DWORD ERROR_GEN_FAILURE = 31;
inline constexpr DWORD ERROR_SHARING_VIOLATION = 32;
inline constexpr DWORD ERROR_NOT_SUPPORTED = 50;
inline constexpr DWORD ERROR_INVALID_PARAMETER = 87;
inline constexpr DWORD ERROR_SEM_TIMEOUT = 121;
inline constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr DWORD ERROR_ALREADY_EXISTS = 183;
inline constexpr DWORD ERROR_NO_MORE_ITEMS = 259;
inline constexpr DWORD ERROR_OPERATION_ABORTED = 995;
inline constexpr DWORD ERROR_IO_INCOMPLETE = 996;
inline constexpr DWORD ERROR_IO_PENDING = 997;
inline constexpr DWORD ERROR_ALREADY_INITIALIZED = 1247;
inline constexpr DWORD ERROR_TIMEOUT = 1460;

inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);

// The last error of the calling thread.
DWORD GetLastError();
void SetLastError(DWORD code);

// The Windows code for a Linux errno value: ENOENT/ENODEV/ENXIO -> 2, EACCES/EPERM/EBUSY/
// EWOULDBLOCK (a held lock) -> 5, EBADF -> 6, EINVAL -> 87, ENOTTY -> 1, anything else -> 31.
DWORD WinErrorFromErrno(int err);

// FormatMessageA, for system messages only (FORMAT_MESSAGE_FROM_SYSTEM): copies the text of
// the code into buffer (NUL-terminated) and returns its length, or 0 when it does not fit.
inline constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x00000200;
inline constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x00001000;
DWORD FormatMessageA(DWORD flags, const void* source, DWORD messageId, DWORD languageId, char* buffer,
                     DWORD size, void* arguments);
