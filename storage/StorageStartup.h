#pragma once
// Start-up of the settings storage and its support units: the drag cursors of the screen.

class TLibraryStartup;

TLibraryStartup& StorageStartup();
void InitializeStorage();
void FinalizeStorage();
