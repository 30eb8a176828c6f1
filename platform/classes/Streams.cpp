#include "platform/classes/Streams.h"

#include "platform/rtl/SysError.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ORVO_IMPLEMENT_CLASS(TStream, TObject)
ORVO_IMPLEMENT_CLASS(THandleStream, TStream)
ORVO_IMPLEMENT_CLASS(TFileStream, THandleStream)
ORVO_IMPLEMENT_CLASS(TCustomMemoryStream, TStream)
ORVO_IMPLEMENT_CLASS(TMemoryStream, TCustomMemoryStream)

using platform::detail::ErrnoText;

namespace {
String fullName(const String& name) {
    return name.isEmpty() ? name : QFileInfo(name).absoluteFilePath();
}
} // namespace

// ---- TStream

void TStream::ReadBuffer(void* Buffer, int Count) {
    if (Count > 0 && Read(Buffer, Count) != Count) throw EReadError::CreateRes(&SReadError);
}

void TStream::WriteBuffer(const void* Buffer, int Count) {
    if (Count > 0 && Write(Buffer, Count) != Count) throw EWriteError::CreateRes(&SWriteError);
}

Int64 TStream::CopyFrom(TStream* Source, Int64 Count) {
    if (Count <= 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    constexpr Int64 chunk = 64 * 1024;
    std::vector<Byte> buffer(static_cast<std::size_t>(std::min(Count, chunk)));
    Int64 left = Count;
    while (left > 0) {
        const int n = static_cast<int>(std::min(left, chunk));
        Source->ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return Count;
}

Int64 TStream::Size() {
    const Int64 pos = Seek(0, soCurrent);
    const Int64 size = Seek(0, soEnd);
    Seek(pos, soBeginning);
    return size;
}

void TStream::SetSize(Int64) {}

// ---- THandleStream

THandleStream::THandleStream(int AHandle) : handle_(AHandle) {}

int THandleStream::Read(void* Buffer, int Count) {
    if (Count <= 0 || handle_ < 0) return 0;
    auto* p = static_cast<char*>(Buffer);
    int done = 0;
    while (done < Count) {
        const ssize_t n = ::read(handle_, p + done, static_cast<std::size_t>(Count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break; // end of file, or an error: report what was read
        done += static_cast<int>(n);
    }
    return done;
}

int THandleStream::Write(const void* Buffer, int Count) {
    if (Count <= 0 || handle_ < 0) return 0;
    const auto* p = static_cast<const char*>(Buffer);
    int done = 0;
    while (done < Count) {
        const ssize_t n = ::write(handle_, p + done, static_cast<std::size_t>(Count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<int>(n);
    }
    return done;
}

Int64 THandleStream::Seek(Int64 Offset, TSeekOrigin Origin) {
    const int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
    const off_t r = ::lseek(handle_, static_cast<off_t>(Offset), whence);
    return static_cast<Int64>(r);
}

void THandleStream::SetSize(Int64 NewSize) {
    if (::ftruncate(handle_, static_cast<off_t>(NewSize)) != 0) {
        const int err = errno;
        EOSError e(QStringLiteral("System Error.  Code: %1.\n%2").arg(err).arg(ErrnoText(err)));
        e.ErrorCode = static_cast<DWORD>(err);
        throw e;
    }
    if (Position() > NewSize) Seek(NewSize, soBeginning);
}

// ---- TFileStream

TFileStream::TFileStream(const String& AFileName, Word Mode) : THandleStream(-1), fileName_(AFileName) {
    const QByteArray path = QFile::encodeName(AFileName);
    const bool create = (Mode & fmCreate) == fmCreate;
    int flags = O_CLOEXEC;
    if (create) {
        flags |= O_RDWR | O_CREAT | O_TRUNC;
    } else {
        switch (Mode & 3) {
        case fmOpenRead:
            flags |= O_RDONLY;
            break;
        case fmOpenWrite:
            flags |= O_WRONLY;
            break;
        case fmOpenReadWrite:
            flags |= O_RDWR;
            break;
        default:
            throw EFOpenError::CreateResFmt(&SFOpenErrorEx, {fullName(AFileName), ErrnoText(EINVAL)});
        }
    }
    int err = 0;
    if (path.isEmpty()) {
        err = ENOENT;
    } else {
        // A file opened only for reading must be a regular file: opening a FIFO waits for a
        // writer and reading a device may never end, so either would hang the caller. The
        // open itself does not wait (O_NONBLOCK), and the check follows on the handle.
        const bool readOnly = !create && (Mode & 3) == fmOpenRead;
        do {
            handle_ = ::open(path.constData(), flags | (readOnly ? O_NONBLOCK : 0), 0666);
        } while (handle_ < 0 && errno == EINTR);
        if (handle_ < 0) err = errno;
        struct stat st;
        if (handle_ >= 0 && ::fstat(handle_, &st) == 0) {
            // A folder opens for reading on Linux, but it is not a file.
            if (S_ISDIR(st.st_mode))
                err = EISDIR;
            else if (readOnly && !S_ISREG(st.st_mode))
                err = EINVAL;
            if (err != 0) {
                ::close(handle_);
                handle_ = -1;
            } else if (readOnly) {
                ::fcntl(handle_, F_SETFL, ::fcntl(handle_, F_GETFL) & ~O_NONBLOCK);
            }
        }
    }
    if (handle_ < 0) {
        if (create)
            throw EFCreateError::CreateResFmt(&SFCreateErrorEx, {fullName(AFileName), ErrnoText(err)});
        throw EFOpenError::CreateResFmt(&SFOpenErrorEx, {fullName(AFileName), ErrnoText(err)});
    }
}

TFileStream::~TFileStream() {
    if (handle_ >= 0) ::close(handle_);
}

// ---- TCustomMemoryStream

int TCustomMemoryStream::Read(void* Buffer, int Count) {
    if (Count <= 0 || position_ < 0 || position_ >= size_) return 0;
    const Int64 n = std::min<Int64>(Count, size_ - position_);
    std::memcpy(Buffer, static_cast<const Byte*>(memory_) + position_, static_cast<std::size_t>(n));
    position_ += n;
    return static_cast<int>(n);
}

Int64 TCustomMemoryStream::Seek(Int64 Offset, TSeekOrigin Origin) {
    switch (Origin) {
    case soBeginning:
        position_ = Offset;
        break;
    case soCurrent:
        position_ += Offset;
        break;
    case soEnd:
        position_ = size_ + Offset;
        break;
    }
    return position_;
}

void TCustomMemoryStream::SaveToStream(TStream* Stream) {
    Int64 done = 0;
    while (done < size_) {
        const int n = static_cast<int>(std::min<Int64>(size_ - done, 1 << 30));
        Stream->WriteBuffer(static_cast<const Byte*>(memory_) + done, n);
        done += n;
    }
}

void TCustomMemoryStream::SaveToFile(const String& FileName) {
    TFileStream file(FileName, fmCreate);
    SaveToStream(&file);
}

void TCustomMemoryStream::SetPointer(void* Ptr, Int64 Size) {
    memory_ = Ptr;
    size_ = Size;
}

// ---- TMemoryStream

void TMemoryStream::Reserve(Int64 NewSize) {
    if (NewSize <= static_cast<Int64>(data_.size())) return;
    // Grow in steps of 8 KiB, and at least by a quarter, so that a stream written in
    // small pieces is not copied on every write.
    constexpr Int64 delta = 8192;
    Int64 capacity =
        std::max<Int64>(NewSize, static_cast<Int64>(data_.size()) + static_cast<Int64>(data_.size()) / 4);
    capacity = (capacity + delta - 1) & ~(delta - 1);
    data_.resize(static_cast<std::size_t>(capacity));
    memory_ = data_.data();
}

int TMemoryStream::Write(const void* Buffer, int Count) {
    if (Count <= 0 || position_ < 0) return 0;
    const Int64 end = position_ + Count;
    if (end > size_) {
        Reserve(end);
        // A gap between the old end and the position reads as zeros.
        if (position_ > size_)
            std::memset(data_.data() + size_, 0, static_cast<std::size_t>(position_ - size_));
        size_ = end;
    }
    std::memcpy(data_.data() + position_, Buffer, static_cast<std::size_t>(Count));
    position_ = end;
    return Count;
}

void TMemoryStream::SetSize(Int64 NewSize) {
    if (NewSize < 0) NewSize = 0;
    if (NewSize > size_) {
        Reserve(NewSize);
        std::memset(data_.data() + size_, 0, static_cast<std::size_t>(NewSize - size_));
    }
    size_ = NewSize;
    if (position_ > size_) position_ = size_;
}

void TMemoryStream::Clear() {
    std::vector<Byte>().swap(data_);
    memory_ = nullptr;
    size_ = 0;
    position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
    Stream->SetPosition(0);
    const Int64 size = Stream->Size();
    SetSize(size);
    position_ = 0;
    Int64 done = 0;
    while (done < size) {
        const int n = static_cast<int>(std::min<Int64>(size - done, 1 << 30));
        Stream->ReadBuffer(data_.data() + done, n);
        done += n;
    }
}

void TMemoryStream::LoadFromFile(const String& FileName) {
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file);
}
