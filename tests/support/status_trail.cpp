#include "support/status_trail.h"

#include <commctrl.h>

#include <utility>

#include "platform/wide.h"
#include "ui/framework/status_bar.h"
#include "ui/state/main_window_state.h"

namespace {

StatusTrail* activeTrail = nullptr;

}  // namespace

StatusTrail::StatusTrail(std::function<void(const std::u16string&)> onText)
    : onText_(std::move(onText)) {
  activeTrail = this;
  hook_.reset(SetWindowsHookExW(WH_CALLWNDPROC, Hook, nullptr, GetCurrentThreadId()));
}

StatusTrail::~StatusTrail() {
  hook_.reset();
  activeTrail = nullptr;
}

LRESULT CALLBACK StatusTrail::Hook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && activeTrail != nullptr && State().statusBar != nullptr &&
      call->hwnd == State().statusBar->hwnd && call->message == SB_SETTEXTW) {
    const std::u16string text = platform::FromWide(reinterpret_cast<const wchar_t*>(call->lParam));
    activeTrail->entries_.push_back({text, CurrentControlStates()});
    if (activeTrail->onText_) activeTrail->onText_(text);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::vector<std::u16string> StatusTrail::Texts() const {
  std::vector<std::u16string> texts;
  for (const Entry& entry : entries_) texts.push_back(entry.text);
  return texts;
}

std::vector<std::u16string> StatusTrail::After(const std::u16string& prefix) const {
  std::vector<std::u16string> found;
  for (const Entry& entry : entries_) {
    if (entry.text.compare(0, prefix.size(), prefix) == 0) {
      found.push_back(entry.text.substr(prefix.size()));
    }
  }
  return found;
}

int StatusTrail::Count(const std::u16string& text) const {
  int count = 0;
  for (const Entry& entry : entries_) count += entry.text == text ? 1 : 0;
  return count;
}
