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

void SetStatusText(const std::u16string& text) {
  const CCorvaneStatusBar* statusBar = shownStatusBar;
  if (statusBar == nullptr) return;
  SendMessageW(statusBar->hwnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(text)));
}
