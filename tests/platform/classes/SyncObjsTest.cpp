#include "platform/classes/SyncObjs.h"

#include "Watchdog.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {
// Answers whether the work on another thread finished within the time.
bool finishesWithin(std::future<void>& f, std::chrono::milliseconds ms) {
    return f.wait_for(ms) == std::future_status::ready;
}
bool tryEnterElsewhere(TCriticalSection& cs) {
    return std::async(std::launch::async,
                      [&] {
                          const bool got = cs.TryEnter();
                          if (got) cs.Leave();
                          return got;
                      })
        .get();
}
} // namespace

TEST(CriticalSection, OwnerReentersAndOthersWaitUntilEveryEnterIsLeft) {
    Watchdog dog;
    TCriticalSection cs;
    cs.Enter();
    cs.Acquire();
    EXPECT_TRUE(cs.TryEnter());
    EXPECT_FALSE(tryEnterElsewhere(cs));
    cs.Leave();
    cs.Release();
    EXPECT_FALSE(tryEnterElsewhere(cs));
    cs.Leave();
    EXPECT_TRUE(tryEnterElsewhere(cs));
}

TEST(CriticalSection, ScopedLockHoldsUntilItsScopeEndsExceptionsIncluded) {
    Watchdog dog;
    TCriticalSection cs;
    {
        TCriticalSectionLock lock(cs);
        EXPECT_FALSE(tryEnterElsewhere(cs));
    }
    EXPECT_TRUE(tryEnterElsewhere(cs));
    try {
        TCriticalSectionLock lock(&cs);
        throw 1;
    } catch (int) {
    }
    EXPECT_TRUE(tryEnterElsewhere(cs));
}

TEST(MultiReadExclusiveWrite, WriterReentersAndReadsInsideItsWrite) {
    Watchdog dog;
    TMultiReadExclusiveWriteSynchronizer lock;
    EXPECT_TRUE(lock.BeginWrite());
    EXPECT_TRUE(lock.BeginWrite()); // re-entry must not deadlock
    lock.BeginRead();               // nor a read inside the write
    lock.EndRead();
    lock.EndWrite();
    // Still held once: a reader elsewhere waits.
    std::atomic<bool> read{false};
    auto reader = std::async(std::launch::async, [&] {
        lock.BeginRead();
        read = true;
        lock.EndRead();
    });
    EXPECT_FALSE(finishesWithin(reader, 50ms));
    EXPECT_FALSE(read);
    lock.EndWrite();
    ASSERT_TRUE(finishesWithin(reader, 5s));
    EXPECT_TRUE(read);
}

TEST(MultiReadExclusiveWrite, ReadersShareAndKeepWritersOut) {
    Watchdog dog;
    TMultiReadExclusiveWriteSynchronizer lock;
    lock.BeginRead();
    auto otherReader = std::async(std::launch::async, [&] {
        lock.BeginRead();
        lock.EndRead();
    });
    ASSERT_TRUE(finishesWithin(otherReader, 5s));
    auto writer = std::async(std::launch::async, [&] {
        lock.BeginWrite();
        lock.EndWrite();
    });
    EXPECT_FALSE(finishesWithin(writer, 50ms));
    // A thread that already reads may read again while a writer waits.
    lock.BeginRead();
    lock.EndRead();
    lock.EndRead();
    ASSERT_TRUE(finishesWithin(writer, 5s));
}

TEST(MultiReadExclusiveWrite, AReadBegunInsideAWriteOutlivesIt) {
    Watchdog dog;
    TMultiReadExclusiveWriteSynchronizer lock;
    lock.BeginWrite();
    lock.BeginRead();
    lock.EndWrite();
    auto writer = std::async(std::launch::async, [&] {
        lock.BeginWrite();
        lock.EndWrite();
    });
    EXPECT_FALSE(finishesWithin(writer, 50ms));
    lock.EndRead();
    ASSERT_TRUE(finishesWithin(writer, 5s));
}

TEST(MultiReadExclusiveWrite, AReaderMayAskToWrite) {
    Watchdog dog;
    TMultiReadExclusiveWriteSynchronizer lock;
    lock.BeginRead();
    EXPECT_TRUE(lock.BeginWrite()); // nobody else wrote meanwhile
    lock.EndWrite();
    lock.EndRead();
    // Fully released: another thread can write.
    auto writer = std::async(std::launch::async, [&] {
        lock.BeginWrite();
        lock.EndWrite();
    });
    ASSERT_TRUE(finishesWithin(writer, 5s));
}

TEST(SimpleEvent, ManualAndAutomaticReset) {
    Watchdog dog;
    TSimpleEvent manual;
    EXPECT_EQ(manual.WaitFor(10), wrTimeout);
    std::thread setter([&] { manual.SetEvent(); });
    EXPECT_EQ(manual.WaitFor(5000), wrSignaled);
    setter.join();
    EXPECT_EQ(manual.WaitFor(0), wrSignaled); // stays set
    manual.ResetEvent();
    EXPECT_EQ(manual.WaitFor(0), wrTimeout);

    TSimpleEvent automatic(false, true);
    EXPECT_EQ(automatic.WaitFor(0), wrSignaled);
    EXPECT_EQ(automatic.WaitFor(0), wrTimeout); // released one waiter and reset itself
}

class NamedMutexTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        saved = qgetenv("XDG_RUNTIME_DIR");
        hadSaved = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
    }
    void TearDown() override {
        if (hadSaved)
            qputenv("XDG_RUNTIME_DIR", saved);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    }
    // Opens one of the mutex's files as another process would (its own open file).
    int openAsOtherProcess(const char* fileName) {
        return ::open((dir.path() + '/' + QString::fromLatin1(fileName)).toLocal8Bit().constData(),
                      O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    }
    DWORD waitElsewhere(TNamedMutex& m, DWORD timeout) {
        return std::async(std::launch::async,
                          [&] {
                              const DWORD r = m.WaitFor(timeout);
                              if (r == WAIT_OBJECT_0) m.Release();
                              return r;
                          })
            .get();
    }
    QTemporaryDir dir;
    QByteArray saved;
    bool hadSaved = false;
};

TEST_F(NamedMutexTest, TwoHandlesOfOneNameShareOwnership) {
    Watchdog dog;
    // Names may hold "/" and "+" (Base64 of a file name).
    TNamedMutex first(QStringLiteral("Sync/a+b=="));
    EXPECT_FALSE(first.Existed());
    TNamedMutex second(QStringLiteral("Sync/a+b=="));
    EXPECT_TRUE(second.Existed());

    ASSERT_EQ(first.WaitFor(0), WAIT_OBJECT_0);
    EXPECT_EQ(first.WaitFor(0), WAIT_OBJECT_0);  // the owner re-enters
    EXPECT_EQ(second.WaitFor(0), WAIT_OBJECT_0); // through either handle
    EXPECT_EQ(waitElsewhere(second, 30), WAIT_TIMEOUT);
    EXPECT_FALSE(std::async(std::launch::async, [&] { return first.Release(); }).get()); // not the owner
    EXPECT_TRUE(first.Release());
    EXPECT_TRUE(second.Release());
    EXPECT_EQ(waitElsewhere(second, 30), WAIT_TIMEOUT);
    EXPECT_TRUE(first.Release());
    EXPECT_FALSE(first.Release()); // no ownership left
    EXPECT_EQ(waitElsewhere(second, 5000), WAIT_OBJECT_0);
}

TEST_F(NamedMutexTest, AWaiterGetsTheMutexWhenTheOwnerReleasesIt) {
    Watchdog dog;
    TNamedMutex m(QStringLiteral("handover"), true); // created, so owned at once
    auto waiter = std::async(std::launch::async, [&] {
        const DWORD r = m.WaitFor(5000);
        if (r == WAIT_OBJECT_0) m.Release();
        return r;
    });
    EXPECT_NE(waiter.wait_for(50ms), std::future_status::ready);
    m.Release();
    EXPECT_EQ(waiter.get(), WAIT_OBJECT_0);
}

TEST_F(NamedMutexTest, OwnershipAndExistenceAreSharedWithOtherProcesses) {
    Watchdog dog;
    EXPECT_EQ(TNamedMutex::Open(QStringLiteral("cross")), nullptr);
    // Another process that has the mutex open holds a shared lock on its ".open" file...
    const int otherOpen = openAsOtherProcess("orvo-mutex-cross.open");
    ASSERT_GE(otherOpen, 0);
    ASSERT_EQ(::flock(otherOpen, LOCK_SH), 0);
    {
        TNamedMutex m(QStringLiteral("cross"));
        EXPECT_TRUE(m.Existed());
        // ...and owns it with an exclusive lock on its ".lock" file.
        const int otherLock = openAsOtherProcess("orvo-mutex-cross.lock");
        ASSERT_EQ(::flock(otherLock, LOCK_EX), 0);
        EXPECT_EQ(m.WaitFor(30), WAIT_TIMEOUT);
        // When the other owner goes away (or dies) the lock is free.
        std::thread release([&] {
            std::this_thread::sleep_for(20ms);
            ::close(otherLock);
        });
        EXPECT_EQ(m.WaitFor(5000), WAIT_OBJECT_0);
        release.join();
        // While this process owns it, the other process cannot lock.
        const int probe = openAsOtherProcess("orvo-mutex-cross.lock");
        EXPECT_NE(::flock(probe, LOCK_EX | LOCK_NB), 0);
        EXPECT_TRUE(m.Release());
        EXPECT_EQ(::flock(probe, LOCK_EX | LOCK_NB), 0);
        ::close(probe);
    }
    ::close(otherOpen);
    EXPECT_EQ(TNamedMutex::Open(QStringLiteral("cross")), nullptr);
}

TEST_F(NamedMutexTest, OpenFindsAMutexOfThisProcess) {
    Watchdog dog;
    TNamedMutex m(QStringLiteral("open-me"));
    std::unique_ptr<TNamedMutex> opened(TNamedMutex::Open(QStringLiteral("open-me")));
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->Existed());
    ASSERT_EQ(opened->WaitFor(0), WAIT_OBJECT_0);
    EXPECT_EQ(waitElsewhere(m, 20), WAIT_TIMEOUT);
    opened->Release();
}

TEST(SharedBlocks, OneZeroedBlockPerNameWithCountedViews) {
    bool existed = true;
    EXPECT_EQ(OpenSharedBlock(QStringLiteral("Shm_none"), 0, &existed), nullptr);
    EXPECT_FALSE(existed);

    void* a = OpenSharedBlock(QStringLiteral("Shm_1"), 4, &existed);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(existed);
    EXPECT_EQ(*static_cast<void**>(a), nullptr); // zeroed, and room for a pointer
    *static_cast<void**>(a) = &existed;
    void* b = OpenSharedBlock(QStringLiteral("Shm_1"), 0, &existed);
    EXPECT_TRUE(existed);
    EXPECT_EQ(a, b);
    EXPECT_NE(OpenSharedBlock(QStringLiteral("shm_1"), 4), a); // names are case-sensitive
    CloseSharedBlock(OpenSharedBlock(QStringLiteral("shm_1"), 0));
    CloseSharedBlock(OpenSharedBlock(QStringLiteral("shm_1"), 0));

    EXPECT_TRUE(CloseSharedBlock(a));
    EXPECT_EQ(OpenSharedBlock(QStringLiteral("Shm_1"), 0), a); // still there
    EXPECT_TRUE(CloseSharedBlock(a));
    EXPECT_TRUE(CloseSharedBlock(b)); // the last reference frees it
    EXPECT_FALSE(CloseSharedBlock(b));
    EXPECT_EQ(OpenSharedBlock(QStringLiteral("Shm_1"), 0), nullptr);
}
