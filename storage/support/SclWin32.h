// The exception that carries the calling thread's last operating-system error.
#pragma once

#include "storage/support/SclBase.h"

// "Win32 error: <system text> (<code>)" CR LF "<message>", with the code and its text kept.
class ESclWin32Error : public ESclError {
public:
    explicit ESclWin32Error(const String& Msg);
    const char* ClassName() const override { return "ESclWin32Error"; }

    DWORD LastError = 0;
    String LastErrorMsg;
};

ORVO_DECLARE_EXCEPTION(ESclMutexError, ESclWin32Error)
