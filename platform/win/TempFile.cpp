#include "platform/win/TempFile.h"

#include "platform/win/Folders.h"
#include "platform/win/LastError.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

String CreateTempFile(const String& prefix, const String& extension) {
    QByteArray path = (TempPath() + prefix + QLatin1String("XXXXXX") + extension).toLocal8Bit();
    // mkstemps creates the file with mode 0600 and never reuses an existing name.
    int fd = ::mkstemps(path.data(), int(extension.toLocal8Bit().size()));
    if (fd < 0) {
        SetLastError(WinErrorFromErrno(errno));
        return String();
    }
    ::close(fd);
    SetLastError(ERROR_SUCCESS);
    return String::fromLocal8Bit(path);
}
