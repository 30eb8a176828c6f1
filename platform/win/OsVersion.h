// The version of "Windows" the system asks about. It runs on none, so the answers are
// constant: the NT family, version 10.0, no service pack, a workstation.
#pragma once

#include "platform/win/WinTypes.h"

inline constexpr DWORD VER_PLATFORM_WIN32s = 0;
inline constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
inline constexpr DWORD VER_PLATFORM_WIN32_NT = 2;
inline constexpr Byte VER_NT_WORKSTATION = 1;

struct OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    char szCSDVersion[128];
};

struct OSVERSIONINFOEXA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    char szCSDVersion[128];
    Word wServicePackMajor;
    Word wServicePackMinor;
    Word wSuiteMask;
    Byte wProductType;
    Byte wReserved;
};

struct OSVERSIONINFOW {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    char16_t szCSDVersion[128];
};

// Fills the record whose dwOSVersionInfoSize names its size (an OSVERSIONINFOEXA is passed
// cast to OSVERSIONINFOA*, as on Windows); any other size fails with
// ERROR_INSUFFICIENT_BUFFER, and a null record with ERROR_INVALID_PARAMETER.
BOOL GetVersionExA(OSVERSIONINFOA* info);
BOOL GetVersionExW(OSVERSIONINFOW* info);
