#pragma once
// A watchdog for tests that wait on a worker: a hang fails with a message instead of stopping
// the run.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace speed_button_test {

// Ends the test program with a message when the guarded scope does not finish in time.
class Watchdog {
public:
    Watchdog(const char* what, std::chrono::seconds limit)
        : thread_([this, what, limit] {
              std::unique_lock lock(mutex_);
              if (!finished_.wait_for(lock, limit, [this] { return isDone_; })) {
                  std::fprintf(stderr, "Watchdog: '%s' hung for %lld s\n", what,
                               static_cast<long long>(limit.count()));
                  std::_Exit(3);
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            isDone_ = true;
        }
        finished_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool isDone_ = false;
    std::thread thread_;
};

}  // namespace speed_button_test
