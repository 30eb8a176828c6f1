// Path routines: absolute and UNC paths, delimiters, extensions, file existence. Paths on
// disk use "/", but "\" is accepted as a delimiter wherever a name is taken apart, and the
// drive-letter and UNC forms are recognised as text.
#pragma once

#include "platform/rtl/Types.h"

// path + "/" unless it already ends with a delimiter ("" gives "/").
String AppendPathDelimiter(const String& Path);
// path without one trailing delimiter.
String DropPathDelimiter(const String& Path);
// Appends Ext (a point is put in front when it has none) when both are non-empty and the
// path's extension differs from it, letter case ignored; a trailing point of the path is
// dropped first, so "name." gets "name.ini".
String AddFileExtension(const String& Path, const String& Ext);
// True for "/..." and for the forms "C:\x", "\\.\C:\x" and UNC paths.
bool IsAbsolutePath(const String& Path);
bool IsUncPath(const String& Path);
bool HasDevicePrefix(const String& Path);
bool IsDriveLetter(QChar C);
// The name is not empty, the entry exists and is not a folder.
bool RegularFileExists(const String& FileName);
// The file of a loaded module (0: the program).
String ModuleFilePath(void* Module);
