#pragma once
// Posts a worker's closing message to the main window when the worker's
// procedure is left, by whatever path, so the handle it keeps is always closed.

#include <windows.h>

#include "ui/window/main_window_state.h"

class ClosingMessage {
 public:
  explicit ClosingMessage(UINT message) : message_(message) {}
  ClosingMessage(const ClosingMessage&) = delete;
  ClosingMessage& operator=(const ClosingMessage&) = delete;
  ~ClosingMessage() { PostMessageW(State().mainWindow, message_, wParam_, 0); }

  void SetWParam(WPARAM wParam) { wParam_ = wParam; }

 private:
  UINT message_;
  WPARAM wParam_ = 0;
};
