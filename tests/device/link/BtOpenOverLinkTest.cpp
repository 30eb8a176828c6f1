// Discovery, port lookup and the two-pass open again, with each box on its own link.
#define ORVO_BT_OVER_LINK
#include "../BtOpenTest.cpp"
