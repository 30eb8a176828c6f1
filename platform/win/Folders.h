// The special folders of the user and the system, after the XDG conventions. Folders
// are returned without a trailing delimiter unless said otherwise.
#pragma once

#include "platform/win/WinTypes.h"

// The user's local application-data folder: $XDG_CONFIG_HOME, else $HOME/.config, created
// when missing. Empty when no home folder can be found or the folder cannot be created
// (settings then stay in memory); that case is traced.
String LocalAppDataFolder();
// The user's application-data folder ($XDG_CONFIG_HOME when absolute, else $HOME/.config),
// not created.
String UserAppDataFolder();
// The system-wide configuration folder: the first of $XDG_CONFIG_DIRS, else /etc/xdg.
String WindowsFolder();
// The temporary folder: $TMPDIR, else /tmp.
String TempFolder();
// The temporary folder with a trailing delimiter, as GetTempPath gives it.
String TempPath();
String CurrentFolder();

// Creates one folder level; ERROR_ALREADY_EXISTS when it is there, ERROR_PATH_NOT_FOUND
// when its parent is missing.
BOOL CreateDirectoryA(const char* path, void* securityAttributes);
