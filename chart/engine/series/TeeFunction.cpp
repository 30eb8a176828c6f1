#include "chart/engine/series/TeeFunction.h"

ORVO_IMPLEMENT_CLASS(TTeeFunction, TComponent)

TTeeFunction::TTeeFunction(TComponent* AOwner) : TComponent(AOwner) {}
