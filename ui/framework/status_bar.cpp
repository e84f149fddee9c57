#include "ui/framework/status_bar.h"

#include <commctrl.h>

#include <atomic>

#include "ui/framework/control_registry.h"
#include "ui/framework/win_text.h"

namespace {

// The bar made last; workers read it, so it is handed over atomically.
std::atomic<const CCorvaneStatusBar*> shownStatusBar{nullptr};

}  // namespace

void CreateStatusBar(CCorvaneStatusBar& statusBar, HWND parent) {
  statusBar.hwnd =
      CreateStatusWindowW(WS_CHILD | WS_VISIBLE | WS_BORDER, nullptr, parent, kStatusBarId);
  if (statusBar.hwnd != nullptr) RegisterControl(statusBar.hwnd, &statusBar);
  shownStatusBar = &statusBar;
}

RECT CCorvaneStatusBar::SplitOffRight(int width) const {
  RECT part{};
  RECT client{};
  if (hwnd == nullptr || !GetClientRect(hwnd, &client)) return part;
  // Part 0's text stays as it is when the parts change.
  if (width <= 0) {
    int whole = -1;
    SendMessageW(hwnd, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&whole));
    return part;
  }
  int rightEdges[] = {client.right - width, -1};
  SendMessageW(hwnd, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(rightEdges));
  SendMessageW(hwnd, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&part));
  return part;
}

void SetStatusText(const std::u16string& text) {
  const CCorvaneStatusBar* statusBar = shownStatusBar;
  if (statusBar == nullptr) return;
  SendMessageW(statusBar->hwnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(text)));
}
