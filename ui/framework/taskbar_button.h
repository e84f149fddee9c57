#pragma once
// The window's button on the taskbar, which can show how far long work has
// come. Behind an interface so that a test sees what the window shows there
// without a shell; the program's own asks the shell's taskbar list.

#include <windows.h>

#include <shobjidl.h>

class TaskbarButton {
 public:
  TaskbarButton() = default;
  TaskbarButton(const TaskbarButton&) = delete;
  TaskbarButton& operator=(const TaskbarButton&) = delete;
  virtual ~TaskbarButton() = default;

  // The taskbar made the window's button anew (it started, or Explorer
  // restarted): whatever was shown on the old one is gone.
  virtual void Renew() = 0;
  // As ITaskbarList3's members of the same names. A failure only tells; the
  // caller goes on as if the call had worked.
  virtual HRESULT SetProgressValue(HWND window, ULONGLONG done, ULONGLONG total) = 0;
  virtual HRESULT SetProgressState(HWND window, TBPFLAG state) = 0;
};

// The shell's taskbar list, for the window thread, which has COM. Made at
// the first call; where there is none (no shell, COM not there) every call
// fails at once, without asking again until the next Renew.
TaskbarButton& ShellTaskbarButton();
