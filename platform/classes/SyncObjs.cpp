#include "platform/classes/SyncObjs.h"

#include "platform/rtl/SysError.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QHash>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

ORVO_IMPLEMENT_CLASS(TCriticalSection, TObject)
ORVO_IMPLEMENT_CLASS(TMultiReadExclusiveWriteSynchronizer, TObject)
ORVO_IMPLEMENT_CLASS(TSimpleEvent, TObject)
ORVO_IMPLEMENT_CLASS(TNamedMutex, TObject)

using Clock = std::chrono::steady_clock;

// ---- TMultiReadExclusiveWriteSynchronizer

void TMultiReadExclusiveWriteSynchronizer::BeginRead() {
    const auto me = std::this_thread::get_id();
    std::unique_lock lock(mutex_);
    if (writer_ == me) {
        ++writerReads_;
        return;
    }
    auto it = readers_.find(me);
    if (it == readers_.end()) {
        // A new reader lets waiting writers go first; a thread that already reads does
        // not wait for them, which would deadlock.
        cv_.wait(lock, [&] { return writeDepth_ == 0 && waitingWriters_ == 0; });
        it = readers_.emplace(me, 0).first;
    }
    ++it->second;
    ++readCount_;
}

void TMultiReadExclusiveWriteSynchronizer::EndRead() {
    const auto me = std::this_thread::get_id();
    std::unique_lock lock(mutex_);
    if (writer_ == me && writerReads_ > 0) {
        --writerReads_;
        return;
    }
    auto it = readers_.find(me);
    if (it == readers_.end()) return; // not reading: nothing to end
    --readCount_;
    if (--it->second == 0) readers_.erase(it);
    if (readCount_ == 0) cv_.notify_all();
}

bool TMultiReadExclusiveWriteSynchronizer::BeginWrite() {
    const auto me = std::this_thread::get_id();
    std::unique_lock lock(mutex_);
    if (writer_ == me) {
        ++writeDepth_;
        return true;
    }
    // A reader that asks to write gives up its reads while it waits and gets them back
    // as reads inside the write.
    int ownReads = 0;
    if (auto it = readers_.find(me); it != readers_.end()) {
        ownReads = it->second;
        readCount_ -= ownReads;
        readers_.erase(it);
        if (readCount_ == 0) cv_.notify_all();
    }
    const unsigned serial = writeSerial_;
    ++waitingWriters_;
    cv_.wait(lock, [&] { return writeDepth_ == 0 && readCount_ == 0; });
    --waitingWriters_;
    writer_ = me;
    writeDepth_ = 1;
    writerReads_ = ownReads;
    ++writeSerial_;
    return writeSerial_ == serial + 1;
}

void TMultiReadExclusiveWriteSynchronizer::EndWrite() {
    const auto me = std::this_thread::get_id();
    std::unique_lock lock(mutex_);
    if (writer_ != me || writeDepth_ == 0) return; // not the writer: nothing to end
    if (--writeDepth_ > 0) return;
    writer_ = std::thread::id();
    if (writerReads_ > 0) {
        // Reads begun inside the write outlive it as ordinary reads.
        readers_[me] = writerReads_;
        readCount_ += writerReads_;
        writerReads_ = 0;
    }
    cv_.notify_all();
}

// ---- TSimpleEvent

TSimpleEvent::TSimpleEvent(bool ManualReset, bool InitialState)
    : manualReset_(ManualReset), signaled_(InitialState) {}

void TSimpleEvent::SetEvent() {
    {
        std::lock_guard lock(mutex_);
        signaled_ = true;
    }
    if (manualReset_)
        cv_.notify_all();
    else
        cv_.notify_one();
}

void TSimpleEvent::ResetEvent() {
    std::lock_guard lock(mutex_);
    signaled_ = false;
}

TWaitResult TSimpleEvent::WaitFor(DWORD Timeout) {
    std::unique_lock lock(mutex_);
    if (Timeout == 0xFFFFFFFFu) {
        cv_.wait(lock, [&] { return signaled_; });
    } else if (!cv_.wait_for(lock, std::chrono::milliseconds(Timeout), [&] { return signaled_; })) {
        return wrTimeout;
    }
    if (!manualReset_) signaled_ = false;
    return wrSignaled;
}

// ---- Named mutexes

namespace platform::detail {

int flockRetry(int fd, int op) {
    int r;
    do {
        r = ::flock(fd, op);
    } while (r != 0 && errno == EINTR);
    return r;
}

struct NamedMutexObject {
    int lockFd = -1; // held with LOCK_EX while a thread of this process owns the mutex
    int openFd = -1; // held with LOCK_SH while the mutex is open in this process
    std::mutex m;
    std::condition_variable cv;
    std::thread::id owner;
    int depth = 0;

    ~NamedMutexObject() {
        if (lockFd >= 0) ::close(lockFd);
        if (openFd >= 0) ::close(openFd);
    }
};

namespace {

struct MutexTable {
    std::mutex m;
    QHash<QString, std::weak_ptr<NamedMutexObject>> objects;
};

MutexTable& mutexTable() {
    static MutexTable* table = new MutexTable; // lives until the process ends
    return *table;
}

QByteArray lockFolder() {
    QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
    struct stat st;
    if (dir.isEmpty() || ::stat(dir.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) dir = "/tmp";
    return dir;
}

// The file name of a mutex: its UTF-8 bytes with every character outside a safe set
// written as %XX (names often hold "/", as Base64 does); a long name is cut and made
// unique by its hash.
QByteArray lockBaseName(const String& name) {
    const QByteArray utf8 = name.toUtf8();
    QByteArray out = "orvo-mutex-";
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '.' ||
            u == '_' || u == '-' || u == '+' || u == '=')
            out += c;
        else
            out += '%' + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
    }
    if (out.size() > 200)
        out = out.left(150) + '-' + QCryptographicHash::hash(utf8, QCryptographicHash::Sha1).toHex();
    return out;
}

[[noreturn]] void raiseOSError(int err, const String& name) {
    EOSError e(QStringLiteral("System Error.  Code: %1.\n%2 (mutex \"%3\")")
                   .arg(err)
                   .arg(platform::detail::ErrnoText(err), name));
    e.ErrorCode = static_cast<DWORD>(err);
    throw e;
}

int openLockFile(const QByteArray& path, const String& name) {
    int fd;
    do {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) raiseOSError(errno, name);
    return fd;
}

// Finds the mutex of this process, or opens its files. With mustExist, answers nullptr
// when neither this nor another process has it open. existed tells whether it was there.
std::shared_ptr<NamedMutexObject> findOrOpen(const String& name, bool mustExist, bool& existed) {
    MutexTable& table = mutexTable();
    std::lock_guard lock(table.m);
    if (auto found = table.objects.value(name).lock()) {
        existed = true;
        return found;
    }
    const QByteArray base = lockFolder() + '/' + lockBaseName(name);
    auto object = std::make_shared<NamedMutexObject>();
    object->openFd = openLockFile(base + ".open", name);
    // Every process that has the mutex open holds a shared lock on the ".open" file, so
    // an exclusive lock succeeds only when no other process has it.
    existed = flockRetry(object->openFd, LOCK_EX | LOCK_NB) != 0;
    if (!existed && mustExist) return nullptr; // the object closes its file
    if (flockRetry(object->openFd, LOCK_SH) != 0) raiseOSError(errno, name);
    object->lockFd = openLockFile(base + ".lock", name);
    table.objects.insert(name, object);
    return object;
}

} // namespace
} // namespace platform::detail

TNamedMutex::TNamedMutex(const String& Name, bool InitialOwner) : name_(Name) {
    object_ = platform::detail::findOrOpen(Name, false, existed_);
    if (InitialOwner && !existed_) WaitFor();
}

TNamedMutex::TNamedMutex(const String& Name, std::shared_ptr<platform::detail::NamedMutexObject> Object)
    : name_(Name), existed_(true), object_(std::move(Object)) {}

TNamedMutex::~TNamedMutex() = default;

TNamedMutex* TNamedMutex::Open(const String& Name) {
    bool existed = false;
    auto object = platform::detail::findOrOpen(Name, true, existed);
    return object ? new TNamedMutex(Name, std::move(object)) : nullptr;
}

DWORD TNamedMutex::WaitFor(DWORD Timeout) {
    auto& o = *object_;
    const auto me = std::this_thread::get_id();
    const bool unlimited = Timeout == 0xFFFFFFFFu;
    const auto deadline = Clock::now() + std::chrono::milliseconds(unlimited ? 0 : Timeout);
    std::unique_lock lock(o.m);
    if (o.owner == me) {
        ++o.depth;
        return WAIT_OBJECT_0;
    }
    // First the threads of this process, then the other processes.
    while (o.owner != std::thread::id()) {
        if (unlimited)
            o.cv.wait(lock);
        else if (o.cv.wait_until(lock, deadline) == std::cv_status::timeout && o.owner != std::thread::id())
            return WAIT_TIMEOUT;
    }
    o.owner = me;
    lock.unlock();
    bool got = false, failed = false;
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (platform::detail::flockRetry(o.lockFd, LOCK_EX | LOCK_NB) == 0) {
            got = true;
            break;
        }
        if (errno != EWOULDBLOCK) {
            failed = true;
            break;
        }
        // flock cannot wait with a time limit: poll, more slowly as the wait goes on.
        const auto now = Clock::now();
        if (!unlimited && now >= deadline) break;
        auto step = pause;
        if (!unlimited)
            step = std::min(step, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now) +
                                      std::chrono::milliseconds(1));
        std::this_thread::sleep_for(step);
        pause = std::min(pause * 2, std::chrono::milliseconds(20));
    }
    lock.lock();
    if (!got) {
        o.owner = std::thread::id();
        o.cv.notify_all();
        return failed ? WAIT_FAILED : WAIT_TIMEOUT;
    }
    o.depth = 1;
    return WAIT_OBJECT_0;
}

bool TNamedMutex::Release() {
    auto& o = *object_;
    std::lock_guard lock(o.m);
    if (o.owner != std::this_thread::get_id() || o.depth == 0) return false;
    if (--o.depth == 0) {
        platform::detail::flockRetry(o.lockFd, LOCK_UN);
        o.owner = std::thread::id();
        o.cv.notify_all();
    }
    return true;
}

// ---- Shared blocks

namespace {
struct SharedBlock {
    void* memory = nullptr;
    std::size_t references = 0;
};
struct SharedBlockTable {
    std::mutex m;
    QHash<QString, SharedBlock> byName;
    QHash<void*, QString> names;
};
SharedBlockTable& sharedBlocks() {
    static SharedBlockTable* table = new SharedBlockTable; // lives until the process ends
    return *table;
}
} // namespace

void* OpenSharedBlock(const String& Name, std::size_t Size, bool* Existed) {
    SharedBlockTable& t = sharedBlocks();
    std::lock_guard lock(t.m);
    auto it = t.byName.find(Name);
    if (it != t.byName.end()) {
        ++it->references;
        if (Existed) *Existed = true;
        return it->memory;
    }
    if (Existed) *Existed = false;
    if (Size == 0) return nullptr;
    void* memory = std::calloc(std::max(Size, sizeof(void*)), 1);
    if (!memory) throw EOutOfMemory(QStringLiteral("Out of memory"));
    t.byName.insert(Name, SharedBlock{memory, 1});
    t.names.insert(memory, Name);
    return memory;
}

bool CloseSharedBlock(void* View) {
    SharedBlockTable& t = sharedBlocks();
    std::lock_guard lock(t.m);
    auto n = t.names.find(View);
    if (n == t.names.end()) return false;
    auto it = t.byName.find(*n);
    if (--it->references == 0) {
        std::free(it->memory);
        t.byName.erase(it);
        t.names.erase(n);
    }
    return true;
}
