// The Bluetooth device's commands again, with each box on its own link (an "rfcomm:" port
// whose socket the simulated box serves) instead of a terminal.
#define ORVO_BT_OVER_LINK
#include "../BtDeviceTest.cpp"
