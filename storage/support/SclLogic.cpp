#include "storage/support/SclLogic.h"

#include "storage/support/SclUnitVersioning.h"

namespace {
const TUnitVersionInfo UnitVersioning =
    SCL_UNIT_VERSION(u"scl/source/common/SclLogic.pas", u"2921",
                     u"2009-08-09 15:08:29 +0200 (Sun, 09 Aug 2009)", u"SCL\\source\\common");
const TUnitRevisionNote note(UnitVersioning);
} // namespace

void SetBufferBit(void* Buffer, int N) {
    if (!Buffer || N < 0) return;
    static_cast<DWORD*>(Buffer)[N / 32] |= DWORD(1) << (N % 32);
}

bool TestBufferBit(const void* Buffer, int N) {
    if (!Buffer || N < 0) return false;
    return (static_cast<const DWORD*>(Buffer)[N / 32] >> (N % 32)) & 1;
}
