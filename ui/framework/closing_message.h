#pragma once
// A worker's closing message, posted when the worker's procedure is left by
// whatever path (an error included), so that the handle the window keeps for
// it is always closed and its controls always come back.

#include <windows.h>

class ClosingMessage {
 public:
  ClosingMessage(HWND window, UINT message, WPARAM wParam = 0)
      : window_(window), message_(message), wParam_(wParam) {}
  ClosingMessage(const ClosingMessage&) = delete;
  ClosingMessage& operator=(const ClosingMessage&) = delete;
  ~ClosingMessage() { PostMessageW(window_, message_, wParam_, 0); }

  void SetWParam(WPARAM wParam) { wParam_ = wParam; }

 private:
  HWND window_;
  UINT message_;
  WPARAM wParam_;
};
