// The program's start-up and shutdown: settings and language first, then the application
// object and the forms, the message loop, and the settings written after it.
#pragma once

// Runs the tool: returns when the main window has closed (or start-up failed, which the
// application object has shown). Reads no command line; returns 0.
int WinMain();

// Whether Qt can show windows here; when it cannot, Problem gets one line that says so and
// how to run the tool on the offscreen platform. Call before the Qt application object exists.
bool DisplayAvailable(const char* ProgramName, char* Problem, unsigned ProblemSize);
