#pragma once
// A stop asked of a worker from another thread. The worker tests it between
// steps and sleeps on it, so a stop ends even a pause at once.

#include <chrono>

#include "platform/stop_event.h"

class StopRequest {
 public:
  StopRequest() = default;
  StopRequest(const StopRequest&) = delete;
  StopRequest& operator=(const StopRequest&) = delete;

  // Asks the worker to stop; wakes it if it is waiting. A request stays.
  void Request() { event_.Raise(); }
  bool Requested() const { return event_.Raised(); }

  // Waits until the deadline, and no longer than that by more than a
  // fraction of a millisecond. Returns true as soon as a stop is requested
  // (at once when one already was), false when the deadline came without
  // one. Only the worker waits on it.
  bool WaitUntil(std::chrono::steady_clock::time_point deadline) const {
    return event_.WaitUntil(deadline);
  }
  bool WaitFor(std::chrono::milliseconds timeout) const {
    return WaitUntil(std::chrono::steady_clock::now() + timeout);
  }

 private:
  platform::StopEvent event_;
};
