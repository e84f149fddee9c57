#pragma once
// The renaming or its undo as the window thread sees it while it runs: the
// tally its summary shows, where it has come to in its files, and which
// files the worker holds but has not yet reported. Main thread only.

#include <chrono>
#include <cstdint>
#include <deque>
#include <string>

struct MovePolicy;

struct MovingRun {
  const MovePolicy* policy = nullptr;
  std::u16string style;  // as the run began
  int tried = 0;         // the files the run is to try, counted as it began
  // The policy's place in its files: the next row of a renaming, the record
  // number of the move an undo handed out last (0: none yet).
  std::uint64_t cursor = 0;
  int reported = 0;        // files whose outcome came back
  std::uint32_t done = 0;  // the files that count as renamed (or restored)
  // The last file a move left under a name nobody asked for, if any.
  std::u16string strayed;
  // The paths handed to the worker and not reported yet, in order: the first
  // one is the file in progress.
  std::deque<std::u16string> inProgress;
  // When the status bar last named the file in progress.
  std::chrono::steady_clock::time_point lastShown{};
};
