#include "platform/win/OsVersion.h"

#include "platform/win/LastError.h"

#include <cstring>

namespace platform::detail {
namespace {

constexpr DWORD kMajor = 10, kMinor = 0, kBuild = 0;

template <typename T> void FillCommon(T& info) {
    info.dwMajorVersion = kMajor;
    info.dwMinorVersion = kMinor;
    info.dwBuildNumber = kBuild;
    info.dwPlatformId = VER_PLATFORM_WIN32_NT;
    std::memset(info.szCSDVersion, 0, sizeof info.szCSDVersion);
}

} // namespace
} // namespace platform::detail

using namespace platform::detail;

BOOL GetVersionExA(OSVERSIONINFOA* info) {
    if (!info) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (info->dwOSVersionInfoSize == sizeof(OSVERSIONINFOA)) {
        FillCommon(*info);
    } else if (info->dwOSVersionInfoSize == sizeof(OSVERSIONINFOEXA)) {
        auto* ex = reinterpret_cast<OSVERSIONINFOEXA*>(info);
        FillCommon(*ex);
        ex->wServicePackMajor = 0;
        ex->wServicePackMinor = 0;
        ex->wSuiteMask = 0;
        ex->wProductType = VER_NT_WORKSTATION;
        ex->wReserved = 0;
    } else {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL GetVersionExW(OSVERSIONINFOW* info) {
    if (!info) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOW)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    FillCommon(*info);
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}
