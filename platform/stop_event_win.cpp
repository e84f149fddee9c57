#include <windows.h>

#include <atomic>

#include "platform/handles.h"
#include "platform/stop_event.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

// The system's wake-ups come late: by about a millisecond under Wine, by up
// to a clock tick on Windows without a high-resolution timer. The last
// stretch before the deadline is yielded away instead of slept.
constexpr std::chrono::microseconds kYieldedTail{1500};

HANDLE CreatePreciseTimer() {
  HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                        TIMER_ALL_ACCESS);
  // Older systems know no high-resolution timer; an ordinary one still beats a wait's timeout.
  if (timer == nullptr) timer = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
  return timer;
}

}  // namespace

struct StopEvent::Waitable {
  // Tested for every step of a worker: cheaper than asking the system.
  std::atomic<bool> raised{false};
  const UniqueHandle event{CreateEventW(nullptr, TRUE, FALSE, nullptr)};  // manual reset: stays set
  const UniqueHandle timer{CreatePreciseTimer()};

  // Sleeps for about span unless the event is set first; true when it was.
  bool Sleep(Clock::duration span) const {
    if (!event) {
      ::Sleep(1);  // no event to wake on: short naps, the flag tested between them
      return raised;
    }
    if (timer) {
      LARGE_INTEGER due;
      // Negative: relative, in units of 100 ns.
      const auto nanoseconds = std::chrono::duration_cast<std::chrono::nanoseconds>(span).count();
      due.QuadPart = -static_cast<LONGLONG>(nanoseconds / 100);
      if (SetWaitableTimer(timer.get(), &due, 0, nullptr, nullptr, FALSE)) {
        const HANDLE both[] = {event.get(), timer.get()};
        return WaitForMultipleObjects(2, both, FALSE, INFINITE) == WAIT_OBJECT_0;
      }
    }
    const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(span).count();
    return WaitForSingleObject(event.get(), static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
  }
};

StopEvent::StopEvent() : waitable_(std::make_unique<Waitable>()) {}
StopEvent::~StopEvent() = default;

void StopEvent::Raise() {
  waitable_->raised = true;
  if (waitable_->event) SetEvent(waitable_->event.get());
}

bool StopEvent::Raised() const { return waitable_->raised; }

bool StopEvent::WaitUntil(Clock::time_point deadline) const {
  const Clock::time_point sleepUntil = deadline - kYieldedTail;
  for (Clock::time_point now = Clock::now(); now < sleepUntil; now = Clock::now()) {
    if (Raised() || waitable_->Sleep(sleepUntil - now)) return true;
  }
  while (Clock::now() < deadline) {
    if (Raised()) return true;
    SwitchToThread();
  }
  return Raised();
}

}  // namespace platform
