// MessageBox and the process-wide application title. Every message box goes through one
// replaceable hook: the user-interface layer installs a real dialog at start-up, tests install
// a function that records the box and answers it. Until then the text goes to standard error
// and the answer is IDOK.
#pragma once

#include "platform/win/WinTypes.h"

#include <functional>

// Buttons.
inline constexpr unsigned MB_OK = 0x00000000;
inline constexpr unsigned MB_OKCANCEL = 0x00000001;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x00000002;
inline constexpr unsigned MB_YESNOCANCEL = 0x00000003;
inline constexpr unsigned MB_YESNO = 0x00000004;
inline constexpr unsigned MB_RETRYCANCEL = 0x00000005;
inline constexpr unsigned MB_TYPEMASK = 0x0000000F;
// Icons.
inline constexpr unsigned MB_ICONHAND = 0x00000010;
inline constexpr unsigned MB_ICONERROR = MB_ICONHAND;
inline constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
inline constexpr unsigned MB_ICONQUESTION = 0x00000020;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x00000030;
inline constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr unsigned MB_ICONASTERISK = 0x00000040;
inline constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr unsigned MB_ICONMASK = 0x000000F0;
// Default button.
inline constexpr unsigned MB_DEFBUTTON1 = 0x00000000;
inline constexpr unsigned MB_DEFBUTTON2 = 0x00000100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x00000200;
inline constexpr unsigned MB_DEFMASK = 0x00000F00;
// Modality and placement.
inline constexpr unsigned MB_APPLMODAL = 0x00000000;
inline constexpr unsigned MB_SYSTEMMODAL = 0x00001000;
inline constexpr unsigned MB_TASKMODAL = 0x00002000;
inline constexpr unsigned MB_SETFOREGROUND = 0x00010000;
inline constexpr unsigned MB_TOPMOST = 0x00040000;

// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

using TMessageBoxHook =
    std::function<int(void* hwnd, const String& text, const String& caption, unsigned flags)>;

// Shows a message box and returns the button chosen (ID...).
int MessageBox(void* hwnd, const String& text, const String& caption, unsigned flags);

// Installs the hook every message box goes through (an empty hook restores the default,
// which writes the box to standard error and answers IDOK); returns the previous hook.
TMessageBoxHook SetMessageBoxHook(TMessageBoxHook hook);

// The process-wide application title; the application object sets it at start-up.
String ApplicationTitle();
void SetApplicationTitle(const String& title);
