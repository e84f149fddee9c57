// The main thread and the workers meeting: a stop clicked while the worker
// waits inside a SendMessageW to the window, and commands sent straight to
// the buttons while the folder browser is open.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <cstdio>
#include <functional>
#include <string>
#include <utility>

#include "platform/injected_moves.h"
#include "support/renaming_fixture.h"
#include "support/status_trail.h"
#include "ui/controls/btn_delete_empty.h"
#include "ui/controls/btn_list_file.h"
#include "ui/controls/btn_set_work_dir.h"
#include "ui/controls/list_file.h"
#include "ui/framework/edit.h"
#include "ui/framework/win_text.h"
#include "ui/renaming/file_moves.h"

namespace {

using WorkersMeetingTheWindow = RenamingTest;

// True while a message that another thread sent waits for this thread.
bool ASendWaits() { return (HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) != 0; }

// Waits, carrying out nothing, until the worker blocks in a send to this
// thread. The bound only keeps a broken worker from hanging the test.
bool WaitUntilTheWorkerBlocksInASend() {
  for (int round = 0; round < 4000; ++round) {
    if (ASendWaits()) return true;
    Sleep(5);
  }
  return false;
}

// Carries out the waiting sends only; posted messages stay queued.
void CarryOutSends() {
  MSG ignored;
  PeekMessageW(&ignored, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

// Ends the test run if the main thread stays inside a call past the bound,
// as it does when a stop waits for a worker that waits for it.
class DeadlockWatch {
 public:
  explicit DeadlockWatch(const char* what)
      : what_(what),
        done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
        thread_(CreateThread(nullptr, 0, Watch, this, 0, nullptr)) {}
  DeadlockWatch(const DeadlockWatch&) = delete;
  DeadlockWatch& operator=(const DeadlockWatch&) = delete;
  ~DeadlockWatch() {
    SetEvent(done_.get());
    WaitForSingleObject(thread_.get(), INFINITE);
  }

 private:
  static DWORD WINAPI Watch(void* self) {
    auto* watch = static_cast<DeadlockWatch*>(self);
    if (WaitForSingleObject(watch->done_.get(), 60000) == WAIT_TIMEOUT) {
      std::fprintf(stderr,
                   "FAILED: %s never returned: the main thread and the worker wait for "
                   "each other\n",
                   watch->what_);
      std::fflush(stderr);
      TerminateProcess(GetCurrentProcess(), 2);
    }
    return 0;
  }

  const char* what_;
  UniqueHandle done_;
  UniqueHandle thread_;
};

TEST_F(WorkersMeetingTheWindow, AStopCarriesOutTheSendOfAWorkerWaitingInsideOne) {
  for (const char16_t* name : {u"a.mp3", u"b.mp3", u"c.mp3"}) {
    AddTrack(name, std::u16string(u"New ") + name[0], u"Band");
  }
  // Each move outlasts the worker's hand-over interval, so it hands in
  // every file on its own.
  const test_support::InjectedMoves slow(
      [](unsigned, const std::u16string&, const std::u16string&) {
        Sleep(static_cast<DWORD>(kHandOverInterval.count() * 3 / 2));
        return test_support::InjectedMove::None;
      });
  const FileSystemInUse inUse(slow);
  ClickProcess();
  // Let the worker through its sends, one at a time, until row 0 shows its
  // outcome; its next send is for the row it is in then, row 1.
  while (Cell(0, 2) != u"已修改") {
    ASSERT_TRUE(WaitUntilTheWorkerBlocksInASend());
    CarryOutSends();
  }
  ASSERT_TRUE(WaitUntilTheWorkerBlocksInASend());
  {
    const DeadlockWatch watch("the stop of a worker blocked in SendMessageW");
    ClickProcess();
  }
  EXPECT_FALSE(SlotOf(Worker::Renaming).thread);
  EXPECT_EQ(StatusText(), u"操作被中断!");
  EXPECT_EQ(CurrentControlStates(), RenamingOver());
  // Row 1, the row the worker was in, finished while the stop waited for it;
  // row 2 was never tried.
  for (const auto& [row, name] : {std::pair{0, u"New a - Band.mp3"}, {1, u"New b - Band.mp3"}}) {
    EXPECT_EQ(Cell(row, 0), folder.Path(name)) << row;
    EXPECT_EQ(Cell(row, 2), u"已修改") << row;
  }
  EXPECT_EQ(Cell(2, 0), folder.Path(listedNames[2]));
  EXPECT_EQ(Cell(2, 2), u"未修改");
  ExpectRowsMatchDisk();
  PumpPending();
  EXPECT_FALSE(SlotOf(Worker::Lyrics).thread);
  EXPECT_EQ(StatusText(), u"操作被中断!");
}

// The folder browser stand-in: runs a command while "open", then answers.
struct BrowserScript {
  HWND owner = nullptr;
  std::function<void()> whileOpen;
  std::u16string answer;
};
BrowserScript script;

PIDLIST_ABSOLUTE WINAPI ScriptedBrowser(LPBROWSEINFOW info) {
  script.owner = info->hwndOwner;
  if (script.whileOpen) script.whileOpen();
  return ILCreateFromPathW(Wide(script.answer));
}

class CommandsWhileTheBrowserIsOpen : public RenamingTest {
 protected:
  void SetUp() override {
    RenamingTest::SetUp();
    script = {};
    State().browseForFolder = ScriptedBrowser;
  }
  void TearDown() override {
    State().browseForFolder = SHBrowseForFolderW;
    RenamingTest::TearDown();
  }
  void ClickSetWorkDir() { SendMessageW(State().btnSetWorkDir->hwnd, BM_CLICK, 0, 0); }

  test_support::TempFolder chosen;
};

TEST_F(CommandsWhileTheBrowserIsOpen, ARenamingStartedMeanwhileRunsAloneAndLosesNothing) {
  AddTrack(u"a.mp3", u"Song", u"Band");
  AddTrack(u"b.mp3", u"Other", u"Band");
  chosen.Write(u"x.mp3", ContentOf(u"x.mp3"));
  SetText(State().editWorkDir->hwnd, folder.Path());
  script.whileOpen = [this] { ClickProcess(); };
  script.answer = chosen.Path();
  StatusTrail shown;
  ClickSetWorkDir();

  const MainWindowState& s = State();
  EXPECT_EQ(script.owner, s.mainWindow) << "the browser is modal";
  EXPECT_TRUE(SlotOf(Worker::Renaming).thread);
  EXPECT_FALSE(SlotOf(Worker::Scan).thread);
  EXPECT_EQ(CurrentControlStates(), RenamingRuns());
  EXPECT_EQ(TextOf(s.editWorkDir->hwnd), folder.Path());
  {
    // A delete or clear that reaches the button meanwhile takes no row from
    // under the worker, whatever the answer.
    MessageBoxAnswers yes(IDYES);
    s.btnDeleteEmpty->OnClick();
    EXPECT_TRUE(yes.shown().empty());
  }
  EXPECT_EQ(SendMessageW(s.listFile->hwnd, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(Tracks().Size(), 2u);
  ASSERT_TRUE(WaitForRenamingOver());
  EXPECT_EQ(CurrentControlStates(), RenamingOver());
  EXPECT_EQ(StatusText(), u"共尝试重命名 2 个MP3文件, 成功重命名 2 个MP3文件.");
  EXPECT_EQ(Cell(0, 2), u"已修改");
  EXPECT_EQ(Cell(1, 2), u"已修改");
  ExpectRowsMatchDisk();
  for (const std::u16string& text : shown.Texts()) {
    EXPECT_NE(text, u"正在刷新文件列表中...");
  }
}

TEST_F(CommandsWhileTheBrowserIsOpen, ARefreshStartedMeanwhileIsTheOnlyOne) {
  folder.Write(u"a.mp3", ContentOf(u"a.mp3"));
  folder.Write(u"b.mp3", ContentOf(u"b.mp3"));
  chosen.Write(u"x.mp3", ContentOf(u"x.mp3"));
  const MainWindowState& s = State();
  SetText(s.editWorkDir->hwnd, folder.Path());
  HANDLE scanStartedMeanwhile = nullptr;
  script.whileOpen = [&] {
    SendMessageW(s.btnListFile->hwnd, BM_CLICK, 0, 0);
    scanStartedMeanwhile = SlotOf(Worker::Scan).thread.get();
  };
  script.answer = chosen.Path();
  StatusTrail shown;
  ClickSetWorkDir();

  ASSERT_NE(scanStartedMeanwhile, nullptr);
  EXPECT_EQ(SlotOf(Worker::Scan).thread.get(), scanStartedMeanwhile);
  EXPECT_EQ(TextOf(s.editWorkDir->hwnd), folder.Path());
  EXPECT_EQ(CurrentControlStates(), RefreshStarted());
  ASSERT_TRUE(
      PumpUntil([&s] { return !SlotOf(Worker::Scan).thread && !SlotOf(Worker::Tags).thread; }));
  // Neither file has a tag, so "开始重命名!" stays off.
  EXPECT_EQ(CurrentControlStates(), TagReadingEnded(false));
  EXPECT_EQ(StatusText(), u"共找到 2 个MP3文件, 成功读取 0 个ID3标签.");
  int refreshes = 0;
  for (const std::u16string& text : shown.Texts()) refreshes += text == u"正在刷新文件列表中...";
  EXPECT_EQ(refreshes, 1);
}

}  // namespace
