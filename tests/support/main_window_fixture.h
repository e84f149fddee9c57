#pragma once
// The harness for tests that drive Corvane's real main window in-process.
//
// Derive a fixture from MainWindowTest (or use it directly with TEST_F):
//
//   TEST_F(MainWindowTest, Something) {
//     MainWindowState& s = State();                 // the controls, counts, handles
//     SendMessageW(s.btnProcess->hwnd, BM_CLICK, 0, 0);   // act as Windows would
//     ASSERT_TRUE(PumpUntil([&] { return SlotOf(Worker::Tags).thread.get() == nullptr; }));
//     EXPECT_EQ(StatusText(), u"...");
//   }
//
// SetUp registers the class "Corvane" (once), creates the window exactly as
// the program does (WM_CREATE builds the 28 controls), shows it and waits
// until the update check has reported. The check asks a closed loopback
// port, so it answers "up to date" at once and no test leaves the machine;
// override UpdateAddressForTest() to point it at a LoopbackHttpServer. The
// window's taskbar button is `taskbar`, which records what it is shown.
//
// TearDown waits (pumping, so that SendMessageW from a worker can finish)
// for every worker whose handle State() still keeps, destroys the window,
// drops its registry entries, empties Tracks() and sets the counts to 0.
//
// PumpUntil runs the thread's messages until the condition holds; the bound
// only keeps a broken test from hanging, it is not a time being tested.
// A quit message is taken out of the queue and kept: QuitCode() tells it.
//
// MessageBoxAnswers answers every message box shown on this thread while it
// lives with the given button, and records caption and text of each.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/taskbar_trail.h"
#include "ui/state/main_window_state.h"
#include "ui/state/workers.h"

// Runs this thread's messages until condition() is true; false if it is not
// true within maxMilliseconds.
bool PumpUntil(const std::function<bool()>& condition, DWORD maxMilliseconds = 20000);
// Runs the messages that are already waiting.
void PumpPending();
// Waits for a worker's thread to end while carrying out only the messages it
// sends, so that what it posted stays queued. False if it did not end.
bool WaitForThreadKeepingPostedMessages(HANDLE thread);
// The wParam of the last quit message the pump took out, if any.
std::optional<WPARAM> QuitCode();
void ForgetQuitCode();

// A key pressed and released on target, with up to two modifiers (VK_CONTROL,
// VK_SHIFT, VK_MENU or 0) held, through the program's own message path. What
// that queued stays queued.
void PressKey(HWND target, UINT key, UINT modifier = 0, UINT secondModifier = 0);
// The key held down on target: one more press as the keyboard repeats it.
void RepeatKey(HWND target, UINT key);

std::u16string TextOf(HWND window);
std::u16string StatusText();

// A click on the file list's header of column, as the list view reports it.
void ClickHeader(int column);

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Where the window's update check asks; by default a refused loopback port.
  virtual std::u16string UpdateAddressForTest();

  TaskbarTrail taskbar;
};

// Has the scan, the renaming and the undo use fileSystem while it lives; the one in
// use before comes back after. Made and ended while no worker runs.
class FileSystemInUse {
 public:
  explicit FileSystemInUse(const platform::FileSystem& fileSystem) : previous_(State().fileSystem) {
    State().fileSystem = &fileSystem;
  }
  FileSystemInUse(const FileSystemInUse&) = delete;
  FileSystemInUse& operator=(const FileSystemInUse&) = delete;
  ~FileSystemInUse() { State().fileSystem = previous_; }

 private:
  const platform::FileSystem* previous_;
};

struct ShownMessageBox {
  std::u16string caption;
  std::u16string text;
  std::chrono::steady_clock::time_point answeredAt;  // when the answer went to the box
};

class MessageBoxAnswers {
 public:
  explicit MessageBoxAnswers(int answer);  // IDYES, IDNO, IDOK...
  MessageBoxAnswers(const MessageBoxAnswers&) = delete;
  MessageBoxAnswers& operator=(const MessageBoxAnswers&) = delete;
  ~MessageBoxAnswers();

  const std::vector<ShownMessageBox>& shown() const { return shown_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  int answer_;
  HHOOK hook_ = nullptr;
  std::vector<ShownMessageBox> shown_;
};
