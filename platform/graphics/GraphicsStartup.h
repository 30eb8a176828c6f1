#pragma once
// Start-up of the drawing floor: the classes its forms find by name (image lists).

class TLibraryStartup;

TLibraryStartup& PlatformGraphicsStartup();
void InitializePlatformGraphics();
void FinalizePlatformGraphics();
