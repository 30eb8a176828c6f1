#include "platform/win/LocalMachineRegistry.h"

bool ReadLocalMachineString(const String&, const String&, String&) {
    return false;
}
