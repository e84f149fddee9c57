#include "ui/framework/progress_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <limits>

#include "ui/framework/control_registry.h"

namespace {

// The control counts in int; no list holds more rows than that.
int Steps(std::int64_t count) {
  return static_cast<int>(std::min<std::int64_t>(count, std::numeric_limits<int>::max()));
}

}  // namespace

void CreateProgressBar(CCorvaneProgressBar& bar, HWND parent) {
  bar.hwnd = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD, 0, 0, 0, 0, parent, nullptr,
                             nullptr, nullptr);
  if (bar.hwnd != nullptr) RegisterControl(bar.hwnd, &bar);
}

void CCorvaneProgressBar::Show(std::int64_t done, std::int64_t total, const RECT& place) const {
  if (hwnd == nullptr) return;
  total = std::max<std::int64_t>(total, 0);
  done = std::clamp<std::int64_t>(done, 0, total);
  SetWindowPos(hwnd, nullptr, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SendMessageW(hwnd, PBM_SETRANGE32, 0, Steps(total));
  SendMessageW(hwnd, PBM_SETPOS, static_cast<WPARAM>(Steps(done)), 0);
}

void CCorvaneProgressBar::Hide() const {
  if (hwnd != nullptr) ShowWindow(hwnd, SW_HIDE);
}
