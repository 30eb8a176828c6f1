#include "platform/rtl/SysError.h"

#include "platform/rtl/Exception.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ResStrings.h"

#include <cerrno>
#include <cstring>

namespace platform::detail {

DWORD OSErrorFromErrno(int Errno) {
    switch (Errno) {
    case 0:
        return 0;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return 2;
    case EACCES:
    case EPERM:
    case EBUSY:
    case EWOULDBLOCK: // a lock held by another process
        return 5;
    case EBADF:
        return 6;
    case ENOMEM:
        return 8;
    case EINVAL:
        return 87;
    case ENOTTY:
        return 1;
    default:
        return 31;
    }
}

const char* OSErrorText(DWORD ErrorCode) {
    struct Entry {
        DWORD code;
        const char* text;
    };
    static constexpr Entry kTexts[] = {
        {0, "The operation completed successfully."},
        {1, "Incorrect function."},
        {2, "The system cannot find the file specified."},
        {3, "The system cannot find the path specified."},
        {5, "Access is denied."},
        {6, "The handle is invalid."},
        {8, "Not enough memory resources are available to process this command."},
        {18, "There are no more files."},
        {31, "A device attached to the system is not functioning."},
        {32, "The process cannot access the file because it is being used by another process."},
        {50, "The request is not supported."},
        {87, "The parameter is incorrect."},
        {121, "The semaphore timeout period has expired."},
        {122, "The data area passed to a system call is too small."},
        {183, "Cannot create a file when that file already exists."},
        {259, "No more data is available."},
        {995,
         "The I/O operation has been aborted because of either a thread exit or an application request."},
        {997, "Overlapped I/O operation is in progress."},
        {1247, "An attempt was made to perform an initialization operation when initialization has already "
               "been completed."},
        {1460, "This operation returned because the timeout period expired."},
        {0x80070057u, "The parameter is incorrect."},
    };
    for (const Entry& e : kTexts)
        if (e.code == ErrorCode) return e.text;
    return nullptr;
}

String ErrnoText(int Errno) {
    char buf[256];
    // The GNU strerror_r returns the text, which may or may not be in buf.
    return QString::fromLocal8Bit(strerror_r(Errno, buf, sizeof buf));
}

} // namespace platform::detail

String SysErrorMessage(DWORD ErrorCode) {
    const char* text = platform::detail::OSErrorText(ErrorCode);
    if (!text) return String();
    // The table's texts end with a point, which this function leaves out.
    String message = String::fromLatin1(text);
    if (message.endsWith(u'.')) message.chop(1);
    return message;
}

void RaiseLastOSError(DWORD LastError) {
    if (LastError == 0) {
        EOSError e(LoadResString(&SUnkOSError));
        throw e;
    }
    EOSError e(Format(LoadResString(&SOSError), {static_cast<int>(LastError), SysErrorMessage(LastError)}));
    e.ErrorCode = LastError;
    throw e;
}

void RaiseLastOSError() {
    RaiseLastOSError(platform::detail::OSErrorFromErrno(errno));
}

void Assert(bool Condition, const String& Message, const char* File, int Line) {
    if (Condition) return;
    const String text = Message.isEmpty() ? LoadResString(&SAssertionFailed) : Message;
    throw EAssertionFailed(Format(LoadResString(&SAssertError), {text, File, Line}));
}
