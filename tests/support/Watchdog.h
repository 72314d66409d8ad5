#pragma once
// Watchdog: ends the test program with a message when the scope it guards has not finished in
// time, so that a hang fails the run instead of stopping it.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>

namespace test_support {

class Watchdog {
public:
    Watchdog(const char* what, std::chrono::seconds limit)
        : thread_([finished = finished_.get_future(), what, limit] {
              if (finished.wait_for(limit) == std::future_status::ready)
                  return;
              std::fprintf(stderr, "Watchdog: '%s' hung for %lld s\n", what, static_cast<long long>(limit.count()));
              std::fflush(stderr);
              std::_Exit(3);
          })
    {
    }
    ~Watchdog()
    {
        finished_.set_value();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::promise<void> finished_;
    std::thread thread_;  // declared after the promise, whose future it takes
};

}  // namespace test_support
