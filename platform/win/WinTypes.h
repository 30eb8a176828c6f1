// The basic Windows types and constants the system's code is written against: handles,
// the 32-bit BOOL, LONG and the special DWORD values.
#pragma once

#include "platform/rtl/Types.h"

#include <cstdint>

using HANDLE = void*;
using HWND = void*;
using BOOL = int;
using LONG = std::int32_t;
using UINT = unsigned int;
using HRESULT = std::int32_t;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));

inline constexpr DWORD MAXDWORD = 0xFFFFFFFFu;
inline constexpr DWORD INFINITE = 0xFFFFFFFFu;
