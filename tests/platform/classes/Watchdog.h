// Ends the test program when a test deadlocks instead of letting it hang.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit = std::chrono::seconds(20))
        : thread_([this, limit] {
              std::unique_lock lock(m_);
              if (!cv_.wait_for(lock, limit, [&] { return done_; })) {
                  std::fprintf(stderr, "deadlock: %s did not finish in time\n",
                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
                  std::_Exit(3);
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(m_);
            done_ = true;
        }
        cv_.notify_all();
        thread_.join();
    }

private:
    std::mutex m_;
    std::condition_variable cv_;
    bool done_ = false;
    std::thread thread_;
};
