// The device-choice dialog again, with each box on its own link.
#define ORVO_BT_OVER_LINK
#include "../BtDialogTest.cpp"
