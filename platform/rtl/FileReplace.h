// Replacing a file's contents so that the file is always whole: the old contents or the new,
// never a mix, whatever happens to the writer in between.
#pragma once

#include "platform/rtl/Types.h"

#include <QByteArray>

// Which temporary files that dead writers left a successful write removes: those of the
// file written, or those of every file in its folder.
enum class TStaleTemporaries { OfFile, OfFolder };

// Writes Bytes to a temporary file beside FileName (FileName + ".tmp-<process id>-<n>"),
// flushes it to disk and renames it over FileName; the rename is flushed as well. Through a
// symbolic link the link stays and its target gets the new contents; the permissions of the
// file replaced are kept. A folder (EISDIR) and a file its owner may not write (EACCES) stay
// as they are, as they would when written in place. Returns 0, or the errno of the failure,
// after which FileName is as it was and no temporary file is left. After a successful write
// the temporary files (named as above) that writers which died before their rename left are
// removed: only those of processes that no longer run, and only regular files. With OfFolder,
// so are the copies that saves of earlier versions left beside FileName (its name, a dot and
// six letters or digits) once they have stood unchanged for a minute: regular files of this
// user with no other link only.
int ReplaceFileContents(const String& FileName, const QByteArray& Bytes,
                        TStaleTemporaries Stale = TStaleTemporaries::OfFile);
