#include "chart/engine/widgets/TeeLibrary.h"

HMODULE TeeLoadLibrary(const String& FileName) {
    const UINT oldMode = SetErrorMode(SEM_NOOPENFILEERRORBOX);
    HMODULE result = LoadLibraryW(FileName);
    SetErrorMode(oldMode);
    return result;
}

void TeeFreeLibrary(HMODULE Handle) {
    if (Handle) FreeLibrary(Handle);
}
