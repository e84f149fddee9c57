#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "tracks/stop_request.h"

namespace {

// A wait that missed the request would outlast the test run's time limit.
constexpr std::chrono::hours kLongWait{1};

TEST(StopRequest, AWaitRunsOutWithoutARequest) {
  StopRequest stop;
  EXPECT_FALSE(stop.Requested());
  EXPECT_FALSE(stop.WaitFor(std::chrono::milliseconds(1)));
  EXPECT_FALSE(stop.WaitFor(std::chrono::milliseconds(0)));
}

TEST(StopRequest, AWaitEndsWithARequestMadeBeforeIt) {
  StopRequest stop;
  stop.Request();
  EXPECT_TRUE(stop.Requested());
  EXPECT_TRUE(stop.WaitFor(kLongWait));
  EXPECT_TRUE(stop.WaitFor(std::chrono::milliseconds(0)));
}

TEST(StopRequest, AWaitEndsWithARequestFromAnotherThread) {
  StopRequest stop;
  std::atomic<bool> waiting{false};
  bool stopped = false;
  std::thread worker([&] {
    waiting = true;
    stopped = stop.WaitFor(kLongWait);
  });
  // Most likely the worker is asleep by now, so the request has to wake it.
  while (!waiting) std::this_thread::yield();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  stop.Request();
  worker.join();
  EXPECT_TRUE(stopped);
}

}  // namespace
