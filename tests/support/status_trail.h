#pragma once
// Every status bar text set while it lives, also by workers (a worker waits
// while its text is set on the main thread), with the states of the command
// controls at that moment. Each text is handed to onText as it comes, before
// the status bar shows it.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/handles.h"
#include "support/control_state_probe.h"

class StatusTrail {
 public:
  struct Entry {
    std::u16string text;
    ControlStates states;
  };
  explicit StatusTrail(std::function<void(const std::u16string&)> onText = {});
  StatusTrail(const StatusTrail&) = delete;
  StatusTrail& operator=(const StatusTrail&) = delete;
  ~StatusTrail();

  const std::vector<Entry>& entries() const { return entries_; }
  std::vector<std::u16string> Texts() const;
  // The texts that start with prefix, the prefix taken off.
  std::vector<std::u16string> After(const std::u16string& prefix) const;
  int Count(const std::u16string& text) const;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  struct HookTraits {
    static bool IsSet(HHOOK hook) { return hook != nullptr; }
    static void Free(HHOOK hook) { UnhookWindowsHookEx(hook); }
  };

  std::function<void(const std::u16string&)> onText_;
  UniqueResource<HHOOK, HookTraits> hook_;
  std::vector<Entry> entries_;
};
