// A named pipe (FIFO) where a file is expected, for the tests that a program never waits on
// one. Should the code under test open it and wait for a writer after all, a guard opens the
// pipe itself after a few seconds, so that the wait ends and the test fails (Released())
// instead of hanging the test program.
#pragma once

#include "platform/rtl/Types.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

class TFifoGuard {
public:
    // Makes the FIFO (and its folder); Made() tells whether that worked.
    explicit TFifoGuard(const String& name, std::chrono::seconds limit = std::chrono::seconds(5))
        : path_(QFile::encodeName(name)) {
        QDir().mkpath(QFileInfo(name).absolutePath());
        made_ = ::mkfifo(path_.constData(), 0600) == 0;
        if (!made_) return;
        thread_ = std::thread([this, limit] {
            std::unique_lock lock(m_);
            if (cv_.wait_for(lock, limit, [&] { return done_; })) return;
            // Someone waits for a writer: become one, then go, so that a reader sees the end.
            released_ = true;
            const int fd = ::open(path_.constData(), O_RDWR | O_CLOEXEC);
            if (fd >= 0) {
                lock.unlock();
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                ::close(fd);
            }
        });
    }
    ~TFifoGuard() {
        if (thread_.joinable()) {
            {
                std::lock_guard lock(m_);
                done_ = true;
            }
            cv_.notify_all();
            thread_.join();
        }
        if (made_) ::unlink(path_.constData());
    }
    TFifoGuard(const TFifoGuard&) = delete;
    TFifoGuard& operator=(const TFifoGuard&) = delete;

    bool Made() const { return made_; }
    // Whether something waited on the FIFO until the guard ended the wait.
    bool Released() const { return released_; }
    // Whether the FIFO is still there, still a FIFO.
    bool StillAFifo() const {
        struct stat st;
        return ::lstat(path_.constData(), &st) == 0 && S_ISFIFO(st.st_mode);
    }

private:
    QByteArray path_;
    bool made_ = false;
    std::atomic<bool> released_{false};
    std::mutex m_;
    std::condition_variable cv_;
    bool done_ = false;
    std::thread thread_;
};
