#include "platform/classes/ReplaceFileStream.h"

#include "platform/rtl/FileReplace.h"
#include "platform/rtl/ResStrings.h"
#include "platform/rtl/SysError.h"

#include <QByteArray>
#include <QFileInfo>

#include <cerrno>

ORVO_IMPLEMENT_CLASS(TReplaceFileStream, TMemoryStream)

TReplaceFileStream::TReplaceFileStream(const String& AFileName) : fileName_(AFileName) {}

void TReplaceFileStream::Commit() {
    const QByteArray bytes =
        QByteArray::fromRawData(static_cast<const char*>(Memory()), static_cast<qsizetype>(Size()));
    int err = fileName_.isEmpty() ? ENOENT : ReplaceFileContents(fileName_, bytes);
    if (err != 0) {
        const String shown = fileName_.isEmpty() ? fileName_ : QFileInfo(fileName_).absoluteFilePath();
        throw EFCreateError::CreateResFmt(&SFCreateErrorEx, {shown, platform::detail::ErrnoText(err)});
    }
}
