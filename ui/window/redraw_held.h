#pragma once
// A window that changes many times in one handler is drawn once, after it:
// under Wine every change of a list cell with redraw on costs as much again
// for invalidating the cell.

#include <windows.h>

class RedrawHeld {
 public:
  explicit RedrawHeld(HWND window) : window_(window) {
    SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
  }
  RedrawHeld(const RedrawHeld&) = delete;
  RedrawHeld& operator=(const RedrawHeld&) = delete;
  ~RedrawHeld() {
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    // What the documentation of WM_SETREDRAW asks for, children included.
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
  }

 private:
  HWND window_;
};
