// Operating-system errors and assertions. Error codes are the Windows codes the system's
// callers test; the layer's services produce them from the errors of Linux.
#pragma once

#include "platform/rtl/Types.h"

// The text of a Windows error code, without its final point ("The system cannot find the
// file specified"); "" for a code the layer does not produce.
String SysErrorMessage(DWORD ErrorCode);

// Raises EOSError for LastError: "System Error.  Code: <code>.\n<text>", with ErrorCode set;
// a LastError of 0 gives "A call to an OS function failed".
[[noreturn]] void RaiseLastOSError(DWORD LastError);
// The same for the error of the last failed call of this thread (errno).
[[noreturn]] void RaiseLastOSError();

// Raises EAssertionFailed "<Message> (<file>, line <n>)" when Condition is false; an empty
// Message reads "Assertion failed".
// The caller's file and line come from the compiler's built-ins, which every supported
// compiler has (std::source_location is missing from some).
void Assert(bool Condition, const String& Message = String(), const char* File = __builtin_FILE(),
            int Line = __builtin_LINE());

namespace platform::detail {
// The Windows error code for an errno value: 2 for a missing file or device, 5 for a denied,
// busy or locked one, 6 for a bad handle, 8 for lack of memory, 87 for an invalid argument,
// 1 for an operation the device does not support, 31 for any other failure; 0 stays 0.
DWORD OSErrorFromErrno(int Errno);

// The system message of a Windows error code, with its final point ("Access is denied."), or
// nullptr for a code the layer does not produce. The one table of texts, for SysErrorMessage
// and for the Windows services' FormatMessageA.
const char* OSErrorText(DWORD ErrorCode);

// The C library's own text for an errno value, in the locale's language (thread-safe).
String ErrnoText(int Errno);
} // namespace platform::detail
