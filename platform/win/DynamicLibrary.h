// Loading libraries by name, as the system probes for optional Windows functions. Nothing is
// loaded dynamically: a table names the libraries whose services this layer provides, and
// LoadLibrary answers a handle for those only. GetProcAddress answers the functions the
// layers put in the table (RegisterLibraryProc), so a probe finds exactly what can be called.
#pragma once

#include "platform/win/WinTypes.h"

using HMODULE = void*;
using FARPROC = void (*)();

inline constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
inline constexpr DWORD ERROR_PROC_NOT_FOUND = 127;

inline constexpr UINT SEM_FAILCRITICALERRORS = 0x0001;
inline constexpr UINT SEM_NOGPFAULTERRORBOX = 0x0002;
inline constexpr UINT SEM_NOALIGNMENTFAULTEXCEPT = 0x0004;
inline constexpr UINT SEM_NOOPENFILEERRORBOX = 0x8000;

// A handle for a library the layer stands in for, by its file name in any case, with or
// without ".dll" and a folder: "msimg32" (AlphaBlend), "gdi32" (device-context colours,
// fonts from memory), "shell32", and "mapi32" while mail can be sent (MailSender()).
// Null with ERROR_MOD_NOT_FOUND for any other name.
HMODULE LoadLibraryA(const char* fileName);
HMODULE LoadLibraryW(const String& fileName);
// The function registered under name for the library; null with ERROR_PROC_NOT_FOUND when
// none is ("DllGetVersion" of any library, for one), ERROR_INVALID_HANDLE for a bad handle.
FARPROC GetProcAddress(HMODULE module, const char* procName);
BOOL FreeLibrary(HMODULE module);
// Stores the process's error mode and returns the previous one; there are no error boxes to
// suppress here.
UINT SetErrorMode(UINT mode);

// Puts a function of a provided library in the table GetProcAddress answers from
// (library as LoadLibrary takes it; null address removes the entry). False for a library
// that is not provided.
bool RegisterLibraryProc(const char* library, const char* procName, FARPROC address);
