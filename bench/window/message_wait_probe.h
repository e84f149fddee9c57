#pragma once
// How long the window leaves a message waiting while it works: a thread of
// its own sends WM_NULL to the window every 10 ms and keeps the longest time
// a SendMessageW took to return.

#include <windows.h>

#include <atomic>

#include "platform/handles.h"
#include "window_bench.h"

class MessageWaitProbe {
 public:
  explicit MessageWaitProbe(HWND window);
  MessageWaitProbe(const MessageWaitProbe&) = delete;
  MessageWaitProbe& operator=(const MessageWaitProbe&) = delete;
  ~MessageWaitProbe();

  // Ends the sending, running this thread's messages until the last one has
  // returned. Only the window's own thread may call it.
  void Stop();

  double LongestMilliseconds() const { return longest_; }
  // When the longest wait began, counted from the probe's start.
  double LongestAtMilliseconds() const { return longestAt_; }
  int Sent() const { return sent_; }

 private:
  static DWORD WINAPI Run(void* self);
  void Send();

  HWND window_;
  window_bench::Clock::time_point start_;
  std::atomic<bool> stopping_{false};
  // Written by the probe's thread only, read after it ended.
  double longest_ = 0;
  double longestAt_ = 0;
  int sent_ = 0;
  UniqueHandle thread_;
};
