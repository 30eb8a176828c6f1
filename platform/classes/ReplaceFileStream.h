// A stream that replaces a file whole: what is written is kept in memory, and Commit puts it
// in place of the file in one step (temporary file beside it, flushed, renamed over it). A
// writer that fails before Commit, or a Commit that fails, leaves the file as it was and no
// temporary file behind; so does a stream destroyed without Commit.
#pragma once

#include "platform/classes/Streams.h"

class TReplaceFileStream : public TMemoryStream {
    ORVO_CLASS(TReplaceFileStream, TMemoryStream)
public:
    // Touches nothing on disk: the file is read and written only by Commit.
    explicit TReplaceFileStream(const String& AFileName);

    // Replaces the file's contents with the whole of what was written (whatever the
    // position). Failure raises EFCreateError naming the file; the file is then as it was.
    // The stream may be committed again after more writes.
    void Commit();

    const String& FileName() const { return fileName_; }

private:
    String fileName_;
};
