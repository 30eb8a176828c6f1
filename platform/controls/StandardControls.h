// Registers the standard controls and the common dialogs with the class registry, so
// that form resources can name them.
#pragma once

void RegisterStandardControls();
