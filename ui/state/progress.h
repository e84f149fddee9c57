#pragma once
// How far long work has come, shown twice: on a bar in the status bar's
// right part and on the window's taskbar button. The tag reading, the
// renaming and the undo know their counts; the scan does not, so it shows on
// the taskbar only, as work under way. Window thread only.

#include <windows.h>

#include <cstdint>

struct ShownProgress {
  enum class Kind { None, Uncounted, Counted };
  Kind kind = Kind::None;
  std::int64_t done = 0;
  std::int64_t total = 0;
  RECT barPlace{};  // the status bar's right part, while the bar shows
};

// done of total: the bar in the status bar's right part, the taskbar button
// at that value.
void ShowProgress(std::int64_t done, std::int64_t total);
// Work without a count: no bar in the window, the taskbar button busy.
void ShowUncountedProgress();
// Nothing runs: no bar, the status text across the whole status bar, no
// progress on the taskbar button.
void EndProgress();
// After a change of scale: the right part and the bar at the new size.
void PlaceProgress();

// What the taskbar sends when it has made the window's button; 0 when it
// could not be registered.
UINT TaskbarButtonCreatedMessage();
// On that message: the taskbar list made anew, and what is shown put on the
// new button.
void RenewTaskbarProgress();
