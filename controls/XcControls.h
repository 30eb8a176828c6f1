// Registers the extended controls and the worker-thread component with the class registry,
// so that form resources can name them.
#pragma once

void RegisterXcControls();
