#include "ui/framework/status_bar.h"

#include <commctrl.h>

#include "ui/framework/control_registry.h"
#include "ui/framework/win_text.h"
#include "ui/window/main_window_state.h"

void CreateStatusBar(CCorvaneStatusBar& statusBar, HWND parent) {
  statusBar.hwnd = CreateStatusWindowW(WS_CHILD | WS_VISIBLE | WS_BORDER, nullptr, parent,
                                       kStatusBarId);
  if (statusBar.hwnd != nullptr) RegisterControl(statusBar.hwnd, &statusBar);
}

void SetStatusText(const std::u16string& text) {
  CCorvaneStatusBar* statusBar = State().statusBar;
  if (statusBar == nullptr) return;
  SendMessageW(statusBar->hwnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(text)));
}
