// Version information. The program carries a version block in the Windows VS_VERSIONINFO
// layout, built into it at compile time; the version functions answer that block for the
// program's own file (by full path or by its bare file name) and "no version information"
// for any other file.
#pragma once

#include "platform/win/WinTypes.h"

#include <vector>

struct VS_FIXEDFILEINFO {
    DWORD dwSignature;
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};

inline constexpr DWORD VS_FFI_SIGNATURE = 0xFEEF04BDu;
inline constexpr DWORD ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;
inline constexpr DWORD ERROR_RESOURCE_DATA_NOT_FOUND = 1812;

// The program's version block exactly as stored (UTF-16 keys and texts, 32-bit aligned).
const std::vector<Byte>& ProgramVersionBlock();

// Size of the buffer GetFileVersionInfo needs for the file; 0 when it has no version
// information (ERROR_RESOURCE_TYPE_NOT_FOUND) or does not exist (ERROR_FILE_NOT_FOUND).
DWORD GetFileVersionInfoSizeA(const char* fileName, DWORD* handle);
DWORD GetFileVersionInfoSizeW(const String& fileName, DWORD* handle);
// Copies the version information into data (at most len bytes).
BOOL GetFileVersionInfoA(const char* fileName, DWORD handle, DWORD len, void* data);
BOOL GetFileVersionInfoW(const String& fileName, DWORD handle, DWORD len, void* data);
// Looks a value up in a block read by GetFileVersionInfo: "\" gives the VS_FIXEDFILEINFO,
// "\VarFileInfo\Translation" the language/code-page pairs (length in bytes),
// "\StringFileInfo\041504E2\FileVersion" a text (length in characters with the terminator;
// 8-bit for the A form, UTF-16 char16_t for the W form).
BOOL VerQueryValueA(const void* block, const char* subBlock, void** buffer, UINT* len);
BOOL VerQueryValueW(const void* block, const String& subBlock, void** buffer, UINT* len);
