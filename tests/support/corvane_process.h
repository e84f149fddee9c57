#pragma once
// Corvane.exe started as a user starts it, for tests that drive it from
// outside. The executable's path relative to the test comes from
// CORVANE_EXE_FROM_TEST, set by the build.

#include <windows.h>

#include <optional>

class CorvaneProcess {
 public:
  CorvaneProcess();
  CorvaneProcess(const CorvaneProcess&) = delete;
  CorvaneProcess& operator=(const CorvaneProcess&) = delete;
  // Ends the process if a failed test left it running.
  ~CorvaneProcess();

  bool started() const { return process_.hProcess != nullptr; }
  HANDLE handle() const { return process_.hProcess; }
  DWORD id() const { return process_.dwProcessId; }

  // The visible top-level window of class and title "Corvane", once it shows.
  HWND WaitForMainWindow();
  // Closes the main window and waits for the process; its exit code, or
  // nothing when it did not end.
  std::optional<DWORD> CloseAndWait(HWND mainWindow);

 private:
  PROCESS_INFORMATION process_{};
};

// Polls condition every 50 ms until it holds; false when it does not within
// maxMilliseconds, a bound that only keeps a broken run from hanging.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD maxMilliseconds = 60000) {
  for (DWORD waited = 0; waited < maxMilliseconds; waited += 50) {
    if (condition()) return true;
    Sleep(50);
  }
  return condition();
}
