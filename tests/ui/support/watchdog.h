#pragma once
// Ends the test program when a step blocks for a minute (an open() of a
// FIFO waits for a writer forever, a lock may never be given up): a hang
// then shows as a failure naming the step, not as a stuck run.
//   { Watchdog watchdog("the settings store"); store.ReadValue(...); }
//     -> returns at once; blocked for 60 s -> "FAIL: the settings store did
//        not end within 60 s", status 1
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace spanwright::test {

class Watchdog {
public:
    explicit Watchdog(const char* step)
        : thread_([this, step] {
              std::unique_lock lock(mutex_);
              if (!ended_.wait_for(lock, std::chrono::seconds(60), [this] { return done_; })) {
                  std::fprintf(stderr, "FAIL: %s did not end within 60 s\n", step);
                  std::_Exit(1);
              }
          }) {}
    ~Watchdog() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        ended_.notify_one();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
    std::thread thread_;  // last: starts once the rest exists
};

}  // namespace spanwright::test
