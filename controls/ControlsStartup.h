#pragma once
// Start-up of the extended controls: the classes that form resources name.

class TLibraryStartup;

TLibraryStartup& ControlsStartup();
void InitializeControls();
void FinalizeControls();
