#include "storage/support/SclShell.h"

#include "platform/win/Folders.h"
#include "storage/support/SclUnitVersioning.h"

namespace {
const TUnitVersionInfo UnitVersioning =
    SCL_UNIT_VERSION(u"scl/source/windows/SclShell.pas", u"3302",
                     u"2010-08-16 09:52:11 +0200 (Mon, 16 Aug 2010)", u"SCL\\source\\windows");
const TUnitRevisionNote note(UnitVersioning);

constexpr int kMaxPath = 260;
} // namespace

String SpecialFolderPath(int Folder) {
    String path;
    switch (Folder) {
    case CSIDL_APPDATA:
        path = UserAppDataFolder();
        break;
    case CSIDL_LOCAL_APPDATA:
        path = LocalAppDataFolder();
        break;
    case CSIDL_WINDOWS:
        path = WindowsFolder();
        break;
    default:
        return String();
    }
    // A path the shell's buffer cannot hold has no answer rather than a cut one.
    return path.size() < kMaxPath ? path : String();
}
