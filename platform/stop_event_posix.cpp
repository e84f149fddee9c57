#include <condition_variable>
#include <mutex>

#include "platform/stop_event.h"

namespace platform {

struct StopEvent::Waitable {
  std::mutex mutex;
  std::condition_variable raisedChanged;
  bool raised = false;
};

StopEvent::StopEvent() : waitable_(std::make_unique<Waitable>()) {}
StopEvent::~StopEvent() = default;

void StopEvent::Raise() {
  {
    std::lock_guard<std::mutex> lock(waitable_->mutex);
    waitable_->raised = true;
  }
  waitable_->raisedChanged.notify_all();
}

bool StopEvent::Raised() const {
  std::lock_guard<std::mutex> lock(waitable_->mutex);
  return waitable_->raised;
}

bool StopEvent::WaitUntil(std::chrono::steady_clock::time_point deadline) const {
  std::unique_lock<std::mutex> lock(waitable_->mutex);
  // The predicate absorbs spurious wake-ups and a raise made before the wait.
  return waitable_->raisedChanged.wait_until(lock, deadline, [this] { return waitable_->raised; });
}

}  // namespace platform
