// The version information of the program behind a window or a module, the file of the
// process that owns a window, and the display names of version-block languages.
#pragma once

#include "platform/win/WinTypes.h"
#include "storage/support/SclFileVersionInfo.h"

#include <memory>

// The program file of the process that owns the window. Every window here belongs to this
// process, so a window gives the program's file; a zero handle raises ESclError
// "The window with handle %d is not valid".
String WindowProcessFileName(HWND Window);

// The version information of the program that owns the window.
std::unique_ptr<TSclFileVersionInfo> FileVersionInfoOfWindow(HWND Window);
// The version information of a loaded module (0: the program); a handle that names no
// module raises ESclError "The Module with handle %d is not valid".
std::unique_ptr<TSclFileVersionInfo> FileVersionInfoOfModule(void* Module);

// The English display name of a Windows language id ("English (United States)",
// "Polish (Poland)"), "Language Neutral" for 0, "" for an id this system does not know.
String VersionLanguageName(Word LangId);
