#include "storage/support/SclSysInfo.h"

#include "platform/rtl/StrUtils.h"
#include "storage/support/SclUnitVersioning.h"

#include <unistd.h>

namespace {
const TUnitVersionInfo UnitVersioning =
    SCL_UNIT_VERSION(u"scl/source/windows/SclSysInfo.pas", u"3442",
                     u"2010-12-15 17:33:04 +0100 (Wed, 15 Dec 2010)", u"SCL\\source\\windows");
const TUnitRevisionNote note(UnitVersioning);

DWORD SystemFigure(int name) {
    const long v = ::sysconf(name);
    return v > 0 ? DWORD(v) : 0;
}
} // namespace

int WindowsVersionClass() {
    return 0;
}

bool ReadNativeSystemInfo(SYSTEM_INFO& Info) {
    Info = SYSTEM_INFO();
#if defined(__x86_64__)
    Info.wProcessorArchitecture = PROCESSOR_ARCHITECTURE_AMD64;
#elif defined(__i386__)
    Info.wProcessorArchitecture = PROCESSOR_ARCHITECTURE_INTEL;
#elif defined(__aarch64__)
    Info.wProcessorArchitecture = PROCESSOR_ARCHITECTURE_ARM64;
#elif defined(__arm__)
    Info.wProcessorArchitecture = PROCESSOR_ARCHITECTURE_ARM;
#endif
    Info.dwPageSize = SystemFigure(_SC_PAGESIZE);
    // Memory is mapped page by page here, so the granularity of an allocation is a page.
    Info.dwAllocationGranularity = Info.dwPageSize;
    Info.dwNumberOfProcessors = SystemFigure(_SC_NPROCESSORS_ONLN);
    return true;
}

unsigned LocaleAnsiCodePage(LCID) {
    return GetACP();
}
