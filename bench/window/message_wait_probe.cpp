#include "message_wait_probe.h"

#include "support/main_window_fixture.h"

using window_bench::Clock;
using window_bench::Milliseconds;

namespace {

constexpr auto kInterval = std::chrono::milliseconds(10);

}  // namespace

MessageWaitProbe::MessageWaitProbe(HWND window) : window_(window), start_(Clock::now()) {
  thread_.reset(CreateThread(nullptr, 0, Run, this, 0, nullptr));
}

MessageWaitProbe::~MessageWaitProbe() { Stop(); }

DWORD WINAPI MessageWaitProbe::Run(void* self) {
  static_cast<MessageWaitProbe*>(self)->Send();
  return 0;
}

void MessageWaitProbe::Send() {
  while (!stopping_) {
    const Clock::time_point sent = Clock::now();
    SendMessageW(window_, WM_NULL, 0, 0);
    const double waited = Milliseconds(Clock::now() - sent);
    ++sent_;
    if (waited > longest_) {
      longest_ = waited;
      longestAt_ = Milliseconds(sent - start_);
    }
    const Clock::duration left = sent + kInterval - Clock::now();
    if (left > Clock::duration::zero()) {
      Sleep(static_cast<DWORD>(std::chrono::ceil<std::chrono::milliseconds>(left).count()));
    }
  }
}

void MessageWaitProbe::Stop() {
  if (!thread_) return;
  stopping_ = true;
  const HANDLE thread = thread_.get();
  PumpUntil([thread] { return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, INFINITE);
  thread_.reset();
}
