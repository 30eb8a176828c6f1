// Streams: the abstract TStream with buffered reads and writes, copying and 64-bit
// positions; file streams over POSIX descriptors; growable memory streams.
#pragma once

#include "platform/classes/Object.h"

#include <vector>

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// Open modes of TFileStream. The low two bits choose the access; fmCreate creates the
// file or truncates it. The share flags are accepted and ignored: the files the system
// opens are not shared with other programs.
inline constexpr Word fmCreate = 0xFF00;
inline constexpr Word fmOpenRead = 0x0000;
inline constexpr Word fmOpenWrite = 0x0001;
inline constexpr Word fmOpenReadWrite = 0x0002;
inline constexpr Word fmShareCompat = 0x0000;
inline constexpr Word fmShareExclusive = 0x0010;
inline constexpr Word fmShareDenyWrite = 0x0020;
inline constexpr Word fmShareDenyRead = 0x0030;
inline constexpr Word fmShareDenyNone = 0x0040;

class TStream : public TObject {
    ORVO_CLASS(TStream, TObject)
public:
    // Reads up to Count bytes at the position and returns how many were read (0 at the end).
    virtual int Read(void* Buffer, int Count) = 0;
    // Writes up to Count bytes at the position and returns how many were written.
    virtual int Write(const void* Buffer, int Count) = 0;
    // Moves the position and returns the new one.
    virtual Int64 Seek(Int64 Offset, TSeekOrigin Origin) = 0;

    // Read and Write that transfer exactly Count bytes or raise EReadError / EWriteError.
    void ReadBuffer(void* Buffer, int Count);
    void WriteBuffer(const void* Buffer, int Count);

    // Copies Count bytes from Source's position into this stream; Count 0 (or below)
    // copies the whole of Source from its start. Returns the number of bytes copied.
    Int64 CopyFrom(TStream* Source, Int64 Count);

    Int64 Position() { return Seek(0, soCurrent); }
    void SetPosition(Int64 Pos) { Seek(Pos, soBeginning); }
    virtual Int64 Size();
    // Changes the size; the base stream cannot be resized and does nothing.
    virtual void SetSize(Int64 NewSize);
};

// A stream over an open POSIX file descriptor, which it does not own.
class THandleStream : public TStream {
    ORVO_CLASS(THandleStream, TStream)
public:
    explicit THandleStream(int AHandle);

    int Read(void* Buffer, int Count) override;
    int Write(const void* Buffer, int Count) override;
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
    void SetSize(Int64 NewSize) override;

    int Handle() const { return handle_; }

protected:
    int handle_ = -1;
};

// A stream over a named file, opened or created by the constructor and closed by the
// destructor. Failure raises EFCreateError (fmCreate) or EFOpenError. A file opened for
// reading only must be a regular file: a FIFO, a device or a socket raises EFOpenError at
// once instead of waiting for a writer or reading without end.
class TFileStream : public THandleStream {
    ORVO_CLASS(TFileStream, THandleStream)
public:
    TFileStream(const String& AFileName, Word Mode);
    ~TFileStream() override;

    const String& FileName() const { return fileName_; }

private:
    String fileName_;
};

// A stream over a block of memory that belongs to the derived class.
class TCustomMemoryStream : public TStream {
    ORVO_CLASS(TCustomMemoryStream, TStream)
public:
    int Read(void* Buffer, int Count) override;
    Int64 Seek(Int64 Offset, TSeekOrigin Origin) override;
    Int64 Size() override { return size_; }

    // The first byte of the data (nullptr while the stream holds no memory).
    void* Memory() const { return memory_; }

    void SaveToStream(TStream* Stream);
    void SaveToFile(const String& FileName);

protected:
    void SetPointer(void* Ptr, Int64 Size);

    void* memory_ = nullptr;
    Int64 size_ = 0;
    Int64 position_ = 0;
};

// A memory stream that owns its memory and grows as it is written.
class TMemoryStream : public TCustomMemoryStream {
    ORVO_CLASS(TMemoryStream, TCustomMemoryStream)
public:
    TMemoryStream() = default;

    int Write(const void* Buffer, int Count) override;
    // Sets the size; bytes added are zero. A position past the new end moves to the end.
    void SetSize(Int64 NewSize) override;
    // Frees the memory; size and position become 0.
    void Clear();

    // Replaces the contents with the whole of Stream (read from its start) and sets the
    // position to 0.
    void LoadFromStream(TStream* Stream);
    void LoadFromFile(const String& FileName);

private:
    void Reserve(Int64 NewSize);

    std::vector<Byte> data_;
};
