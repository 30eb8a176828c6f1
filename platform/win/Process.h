// The running program: its file, its module names, its process id.
#pragma once

#include "platform/win/WinTypes.h"

// The program file's full path (/proc/self/exe). Tests may set another path; an empty
// path restores the real one.
String ProgramFileName();
void SetProgramFileName(const String& path);
// The folder of the program file, without a trailing delimiter.
String ProgramFolder();

// The file of a module; module 0 (the only one) is the program. Copies the path into the
// buffer (truncated and terminated when too long, with ERROR_INSUFFICIENT_BUFFER) and returns
// the number of characters copied without the terminator.
DWORD GetModuleFileNameA(void* module, char* fileName, DWORD size);
String GetModuleFileName(void* module);

DWORD GetCurrentProcessId();

// The program file of a running process (/proc/<pid>/exe); this process answers
// ProgramFileName(). Empty when there is no such process (ERROR_INVALID_PARAMETER) or its
// file may not be read (ERROR_ACCESS_DENIED).
String ProcessFileName(DWORD processId);
