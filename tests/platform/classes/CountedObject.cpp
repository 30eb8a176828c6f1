#include "CountedObject.h"

ORVO_IMPLEMENT_CLASS(TCounted, TObject)
