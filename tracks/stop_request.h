#pragma once
// A stop asked of a worker from another thread. The worker tests it between
// steps and sleeps on it, so a stop ends even a pause at once.

#include <chrono>
#include <condition_variable>
#include <mutex>

class StopRequest {
 public:
  StopRequest() = default;
  StopRequest(const StopRequest&) = delete;
  StopRequest& operator=(const StopRequest&) = delete;

  // Asks the worker to stop; wakes it if it is waiting. A request stays.
  void Request();
  bool Requested() const;

  // Waits up to timeout. Returns true as soon as a stop is requested (at once
  // when one already was), false when the time ran out without one.
  bool WaitFor(std::chrono::milliseconds timeout) const;

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable requestedChanged_;
  bool requested_ = false;
};
