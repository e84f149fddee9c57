#pragma once
// The window's taskbar button, as the window leaves it: every call in place
// of the shell's taskbar list, in order. With failing set, each call fails
// as it does where there is no taskbar, and the button shows nothing.

#include <windows.h>

#include <vector>

#include "ui/framework/taskbar_button.h"

class TaskbarTrail final : public TaskbarButton {
 public:
  struct Value {
    ULONGLONG done;
    ULONGLONG total;
  };

  void Renew() override;
  HRESULT SetProgressValue(HWND window, ULONGLONG done, ULONGLONG total) override;
  HRESULT SetProgressState(HWND window, TBPFLAG state) override;

  // What the button shows after the calls so far that worked.
  TBPFLAG ShownState() const { return state_; }
  // Every value set since the last Forget, and every state.
  const std::vector<Value>& values() const { return values_; }
  const std::vector<TBPFLAG>& states() const { return states_; }
  int renewals() const { return renewals_; }
  void Forget();

  bool failing = false;

 private:
  TBPFLAG state_ = TBPF_NOPROGRESS;
  std::vector<Value> values_;
  std::vector<TBPFLAG> states_;
  int renewals_ = 0;
};

// The values set since trail's last Forget rise to total, each within it,
// and the last is total; the button shows no progress now, and the window's
// bar is hidden with the status text across the whole status bar.
void ExpectCountedToTheEndThenGone(const TaskbarTrail& trail, ULONGLONG total);
// The window's bar shows, in the status bar's right part.
bool ProgressBarShown();
// The window's bar is hidden and the status text has the whole status bar.
bool ProgressBarGone();
