// Synchronisation objects: the recursive critical section, the multi-read exclusive-write
// lock, a waitable event, named mutexes shared with other processes through lock files,
// and named shared blocks within the process.
#pragma once

#include "platform/classes/Object.h"

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

// Results of waiting for a named mutex (the values of the Windows wait functions).
inline constexpr DWORD WAIT_OBJECT_0 = 0x00000000;
inline constexpr DWORD WAIT_ABANDONED = 0x00000080;
inline constexpr DWORD WAIT_IO_COMPLETION = 0x000000C0;
inline constexpr DWORD WAIT_TIMEOUT = 0x00000102;
inline constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;

enum TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError, wrIOCompletion };

// A critical section that the owning thread may enter again (each Enter needs its Leave).
class TCriticalSection : public TObject {
    ORVO_CLASS(TCriticalSection, TObject)
public:
    TCriticalSection() = default;

    void Enter() { mutex_.lock(); }
    void Leave() { mutex_.unlock(); }
    void Acquire() { Enter(); }
    void Release() { Leave(); }
    // Enters when no other thread holds the section; never waits.
    bool TryEnter() { return mutex_.try_lock(); }

private:
    std::recursive_mutex mutex_;
};

// Holds a critical section from its construction to the end of its scope, exceptions
// included.
class TCriticalSectionLock {
public:
    explicit TCriticalSectionLock(TCriticalSection& section) : section_(section) { section_.Enter(); }
    explicit TCriticalSectionLock(TCriticalSection* section) : TCriticalSectionLock(*section) {}
    ~TCriticalSectionLock() { section_.Leave(); }
    TCriticalSectionLock(const TCriticalSectionLock&) = delete;
    TCriticalSectionLock& operator=(const TCriticalSectionLock&) = delete;

private:
    TCriticalSection& section_;
};

// Many readers or one writer. The writing thread may enter again for writing and may read
// while it writes; a reader may also ask to write, which lets its reads go while it waits
// (BeginWrite then answers false when another writer got in meanwhile). A waiting writer
// keeps new readers out, but never a thread that already reads.
class TMultiReadExclusiveWriteSynchronizer : public TObject {
    ORVO_CLASS(TMultiReadExclusiveWriteSynchronizer, TObject)
public:
    TMultiReadExclusiveWriteSynchronizer() = default;

    void BeginRead();
    void EndRead();
    // True when no other thread wrote between the call and the moment the lock was taken.
    bool BeginWrite();
    void EndWrite();

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    std::unordered_map<std::thread::id, int> readers_; // reads held by each reading thread
    int readCount_ = 0;                                // total reads held outside a write
    std::thread::id writer_;
    int writeDepth_ = 0;
    int writerReads_ = 0; // reads taken by the writer while it writes
    int waitingWriters_ = 0;
    unsigned writeSerial_ = 0;
};

// An event threads wait for. A manual-reset event stays signalled until ResetEvent; an
// automatic one releases one waiter and resets itself.
class TSimpleEvent : public TObject {
    ORVO_CLASS(TSimpleEvent, TObject)
public:
    explicit TSimpleEvent(bool ManualReset = true, bool InitialState = false);

    void SetEvent();
    void ResetEvent();
    // Timeout in milliseconds; 0xFFFFFFFF (INFINITE) waits without limit.
    TWaitResult WaitFor(DWORD Timeout = 0xFFFFFFFFu);

private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool manualReset_;
    bool signaled_;
};

namespace platform::detail {
struct NamedMutexObject;
}

// A mutex named across processes. Handles of the same name in one process share one
// object, owned by one thread at a time and re-entered by it; between processes the
// ownership is an exclusive flock on a lock file in $XDG_RUNTIME_DIR (or /tmp), which the
// kernel releases when the owning process dies (the next owner then gets WAIT_OBJECT_0).
class TNamedMutex : public TObject {
    ORVO_CLASS(TNamedMutex, TObject)
public:
    // Creates the mutex, or opens it when it exists in this or another process
    // (Existed() then answers true). With InitialOwner the calling thread takes it when
    // it was created. Raises EOSError when the lock files cannot be made.
    explicit TNamedMutex(const String& Name, bool InitialOwner = false);
    ~TNamedMutex() override;

    // Opens an existing mutex; nullptr when none of that name exists.
    static TNamedMutex* Open(const String& Name);

    bool Existed() const { return existed_; }
    const String& Name() const { return name_; }

    // Waits for ownership: WAIT_OBJECT_0 when the calling thread owns the mutex (again),
    // WAIT_TIMEOUT when Timeout milliseconds passed (0xFFFFFFFF waits without limit).
    DWORD WaitFor(DWORD Timeout = 0xFFFFFFFFu);
    // Gives up one level of ownership; false when the calling thread does not own it.
    bool Release();

private:
    TNamedMutex(const String& Name, std::shared_ptr<platform::detail::NamedMutexObject> Object);

    String name_;
    bool existed_ = false;
    std::shared_ptr<platform::detail::NamedMutexObject> object_;
};

// Named blocks of memory shared by the code of this process. The first open of a name
// creates the block with Size zero bytes (at least the size of a pointer, so a block
// meant to hold a pointer always can); later opens return the same memory and add a
// reference. Existed (when given) tells whether the block was there before.
// Returns nullptr when no block of that name exists and Size is 0.
void* OpenSharedBlock(const String& Name, std::size_t Size, bool* Existed = nullptr);
// Drops one reference to the block at View; the last one frees it. False when View is
// not a shared block.
bool CloseSharedBlock(void* View);
