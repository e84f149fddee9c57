#pragma once
// A flag that one thread raises once and another sleeps on, woken at once by
// the raise and otherwise at the end of its timeout, kept close to the
// requested time: the pauses of the workers add up over thousands of steps.

#include <chrono>
#include <memory>

namespace platform {

class StopEvent {
 public:
  StopEvent();
  ~StopEvent();
  StopEvent(const StopEvent&) = delete;
  StopEvent& operator=(const StopEvent&) = delete;

  // From any thread; the flag stays raised.
  void Raise();
  bool Raised() const;
  // True as soon as the flag is raised (at once when it already was), false
  // when the deadline came. One waiting thread at a time.
  bool WaitUntil(std::chrono::steady_clock::time_point deadline) const;

 private:
  struct Waitable;  // the system's objects, kept out of this header
  std::unique_ptr<Waitable> waitable_;
};

}  // namespace platform
