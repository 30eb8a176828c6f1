// System information: the well-known folders (the platform's XDG answers, see
// platform/win/Folders.h: WindowsFolder, TempFolder, UserAppDataFolder), the Windows
// version class, the processor and memory figures and the locale's 8-bit code page.
#pragma once

#include "platform/win/Folders.h"
#include "platform/win/WinTypes.h"

using LCID = DWORD;

inline constexpr Word PROCESSOR_ARCHITECTURE_INTEL = 0;
inline constexpr Word PROCESSOR_ARCHITECTURE_ARM = 5;
inline constexpr Word PROCESSOR_ARCHITECTURE_AMD64 = 9;
inline constexpr Word PROCESSOR_ARCHITECTURE_ARM64 = 12;
inline constexpr Word PROCESSOR_ARCHITECTURE_UNKNOWN = 0xFFFF;

// The processor and memory figures of the machine. The processor type, level and
// revision and the active-processor mask are not known here and stay 0.
struct SYSTEM_INFO {
    Word wProcessorArchitecture = PROCESSOR_ARCHITECTURE_UNKNOWN;
    DWORD dwPageSize = 0;
    void* lpMinimumApplicationAddress = nullptr;
    void* lpMaximumApplicationAddress = nullptr;
    NativeUInt dwActiveProcessorMask = 0;
    DWORD dwNumberOfProcessors = 0;
    DWORD dwProcessorType = 0;
    DWORD dwAllocationGranularity = 0;
    Word wProcessorLevel = 0;
    Word wProcessorRevision = 0;
};

// The class of the running Windows (1 to 18, from Windows 95 to Server 2008 R2). This
// system runs on no Windows: the answer is 0, the class of every version not listed.
int WindowsVersionClass();
// Fills Info with the machine's native figures; true, as they are always available here.
bool ReadNativeSystemInfo(SYSTEM_INFO& Info);
// The locale's 8-bit code page: the system code page, UTF-8 (65001), for every locale.
unsigned LocaleAnsiCodePage(LCID Locale);
