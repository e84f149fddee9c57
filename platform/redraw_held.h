#pragma once
// A window that changes many times in one handler is drawn once, after it:
// the status bar, for one, paints every new text at once, and under Wine
// that costs more than reading a file's tags.

#include <windows.h>

class RedrawHeld {
 public:
  explicit RedrawHeld(HWND window) : window_(window) {
    if (window_ != nullptr) SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  }
  RedrawHeld(const RedrawHeld&) = delete;
  RedrawHeld& operator=(const RedrawHeld&) = delete;
  ~RedrawHeld() {
    if (window_ == nullptr) return;  // RedrawWindow would take it for the desktop
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    // What the documentation of WM_SETREDRAW asks for, children included.
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }

 private:
  HWND window_;
};
