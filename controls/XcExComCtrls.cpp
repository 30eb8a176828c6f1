#include "controls/XcExComCtrls.h"

ORVO_IMPLEMENT_CLASS(TXcExTabControl, TTabControl)
