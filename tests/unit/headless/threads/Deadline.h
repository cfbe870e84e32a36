#pragma once
// A test that would wait for ever fails instead: past its deadline the test
// program ends with a message naming the test, so that the run goes on.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

class Deadline {
public:
    explicit Deadline(std::chrono::seconds limit = std::chrono::seconds(20))
        : watch_([this, limit] {
              std::unique_lock hold(mutex_);
              if (changed_.wait_for(hold, limit, [this] { return met_; })) return;
              const auto* test = testing::UnitTest::GetInstance()->current_test_info();
              std::fprintf(stderr, "%s.%s hangs\n", test ? test->test_suite_name() : "?", test ? test->name() : "?");
              std::_Exit(EXIT_FAILURE);
          }) {}
    ~Deadline() {
        {
            std::lock_guard hold(mutex_);
            met_ = true;
        }
        changed_.notify_all();
        watch_.join();
    }
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool met_ = false;
    std::thread watch_;
};
