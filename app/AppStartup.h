#pragma once
// Start-up of the tuning application: every library it stands on, then the classes of its own
// forms and frames that form resources name. The program runs it before its main window.

class TLibraryStartup;

TLibraryStartup& AppStartup();
void InitializeApp();
void FinalizeApp();
