#include "storage/support/SclWin32.h"

#include "platform/win/LastError.h"
#include "storage/support/SclUnitVersioning.h"

namespace {
const TUnitVersionInfo UnitVersioning =
    SCL_UNIT_VERSION(u"scl/source/windows/SclWin32.pas", u"3395",
                     u"2010-10-25 19:30:37 +0200 (Mon, 25 Oct 2010)", u"SCL\\source\\windows");
const TUnitRevisionNote note(UnitVersioning);

String SystemErrorText(DWORD code) {
    char buffer[512];
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                   0, buffer, sizeof buffer, nullptr);
    return QString::fromUtf8(buffer, int(n)).trimmed();
}
} // namespace

ESclWin32Error::ESclWin32Error(const String& Msg) : ESclError(String()) {
    LastError = GetLastError();
    LastErrorMsg = SystemErrorText(LastError);
    Message = QStringLiteral("Win32 error: %1 (%2)%3%4")
                  .arg(LastErrorMsg, QString::number(LastError), QString::fromLatin1(sLineBreak), Msg);
}
