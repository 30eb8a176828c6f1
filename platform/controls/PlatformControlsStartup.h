#pragma once
// Start-up of the controls floor: the standard controls and common dialogs that form resources name.

class TLibraryStartup;

TLibraryStartup& PlatformControlsStartup();
void InitializePlatformControls();
void FinalizePlatformControls();
