// The file-system paths of the shell's special folders, answered from the XDG folders.
#pragma once

#include "platform/rtl/Types.h"

inline constexpr int CSIDL_APPDATA = 0x001A;
inline constexpr int CSIDL_LOCAL_APPDATA = 0x001C;
inline constexpr int CSIDL_WINDOWS = 0x0024;

// The folder's path (at most 260 characters); "" for a folder this system does not have.
String SpecialFolderPath(int Folder);
