#include "tracks/stop_request.h"

void StopRequest::Request() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requested_ = true;
  }
  requestedChanged_.notify_all();
}

bool StopRequest::Requested() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requested_;
}

bool StopRequest::WaitFor(std::chrono::milliseconds timeout) const {
  std::unique_lock<std::mutex> lock(mutex_);
  // The predicate absorbs spurious wake-ups and a request made before the wait.
  return requestedChanged_.wait_for(lock, timeout, [this] { return requested_; });
}
