#include "device/OrvoTuningDevice.h"

TOrvoTuningDevice::~TOrvoTuningDevice() = default;
