#include "support/taskbar_trail.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "ui/framework/progress_bar.h"
#include "ui/framework/status_bar.h"
#include "ui/state/main_window_state.h"

void TaskbarTrail::Renew() {
  ++renewals_;
  // A new button shows nothing.
  state_ = TBPF_NOPROGRESS;
}

HRESULT TaskbarTrail::SetProgressValue(HWND window, ULONGLONG done, ULONGLONG total) {
  if (failing || window != ::State().mainWindow) return E_FAIL;
  values_.push_back({done, total});
  if (state_ == TBPF_NOPROGRESS || state_ == TBPF_INDETERMINATE) state_ = TBPF_NORMAL;
  return S_OK;
}

HRESULT TaskbarTrail::SetProgressState(HWND window, TBPFLAG state) {
  if (failing || window != ::State().mainWindow) return E_FAIL;
  states_.push_back(state);
  state_ = state;
  return S_OK;
}

void TaskbarTrail::Forget() {
  values_.clear();
  states_.clear();
  renewals_ = 0;
}

namespace {

bool BarVisible() { return IsWindowVisible(::State().progressBar->hwnd) != FALSE; }

LRESULT StatusParts() { return SendMessageW(::State().statusBar->hwnd, SB_GETPARTS, 0, 0); }

}  // namespace

bool ProgressBarShown() { return BarVisible() && StatusParts() == 2; }

bool ProgressBarGone() { return !BarVisible() && StatusParts() == 1; }

void ExpectCountedToTheEndThenGone(const TaskbarTrail& trail, ULONGLONG total) {
  const std::vector<TaskbarTrail::Value>& values = trail.values();
  ASSERT_FALSE(values.empty()) << "no value reached the taskbar";
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_LE(values[i].done, values[i].total) << "value " << i;
    if (i > 0) {
      EXPECT_GE(values[i].done, values[i - 1].done) << "went back at value " << i;
    }
  }
  EXPECT_EQ(values.back().done, total);
  EXPECT_EQ(values.back().total, total);
  EXPECT_EQ(trail.ShownState(), TBPF_NOPROGRESS);
  EXPECT_TRUE(ProgressBarGone());
}
