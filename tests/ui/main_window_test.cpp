// The main window's handling of the workers' reports.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <atomic>
#include <iterator>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/wide.h"
#include "support/loopback_http.h"
#include "support/main_window_fixture.h"
#include "ui/controls/btn_delete_empty.h"
#include "ui/controls/btn_list_file.h"
#include "ui/controls/btn_process.h"
#include "ui/controls/btn_set_work_dir.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/progress_bar.h"
#include "ui/framework/win_text.h"
#include "ui/listing/found_item.h"
#include "ui/state/progress.h"
#include "ui/state/window_messages.h"
#include "update/update_check.h"
#include "update/update_query.h"

namespace {

using MainWindowReports = MainWindowTest;

// A real handle that the handler under test should close.
HANDLE DuplicateOfThisThread() {
  HANDLE copy = nullptr;
  DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &copy, 0, FALSE,
                  DUPLICATE_SAME_ACCESS);
  return copy;
}

bool IsClosed(HANDLE handle) {
  DWORD flags = 0;
  return !GetHandleInformation(handle, &flags);
}

TEST_F(MainWindowReports, FoundItemsShowTheLatestPathAndAddTheirFilesAsRowsInOrder) {
  struct Case {
    const char* what;
    std::vector<std::u16string> files;
    std::u16string latest;
    int rows;
  };
  const Case cases[] = {
      {"a folder", {}, u"C:\\音乐\\专辑", 0},
      {"a file", {u"C:\\音乐\\专辑\\a.mp3"}, u"C:\\音乐\\专辑\\a.mp3", 1},
      {"another folder", {}, u"C:\\音乐\\其他", 1},
      {"files and a folder met after them",
       {u"C:\\音乐\\其他\\c.mp3", u"C:\\音乐\\其他\\b.mp3"},
       u"C:\\音乐\\其他\\子",
       3},
      {"a path with format signs", {u"C:\\100%\\%s %d %%.mp3"}, u"C:\\100%\\%s %d %%.mp3", 4},
  };
  CCorvaneList& list = *State().listFile;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::u16string expected = u"正在请求文件: " + c.latest;
    ASSERT_TRUE(PostFoundItem(State().mainWindow,
                              std::make_unique<FoundItem>(FoundItem{c.files, c.latest})));
    ASSERT_TRUE(PumpUntil([&] { return StatusText() == expected; }));
    ASSERT_EQ(list.GetItemCount(), c.rows);
    EXPECT_EQ(State().filesFound, static_cast<unsigned>(c.rows));
    // The batch's files, in its order, after the rows before them.
    const int first = c.rows - static_cast<int>(c.files.size());
    for (int i = 0; i < static_cast<int>(c.files.size()); ++i) {
      EXPECT_EQ(list.GetItemText(first + i, 0), c.files[static_cast<std::size_t>(i)]);
      EXPECT_EQ(list.GetItemText(first + i, 1), u"");
      EXPECT_EQ(list.GetItemText(first + i, 2), u"");
    }
  }
}

TEST_F(MainWindowReports, UpdateCheckedClosesTheHandleAndOnlyOneEndsTheProgram) {
  struct Case {
    WPARAM outOfDate;
    bool quits;
  };
  for (const Case& c : {Case{0, false}, Case{2, false}, Case{1, true}}) {
    SCOPED_TRACE(c.outOfDate);
    const HANDLE thread = DuplicateOfThisThread();
    SlotOf(Worker::Update).thread.reset(thread);
    EXPECT_EQ(SendMessageW(State().mainWindow, WM_UPDATE_CHECKED, c.outOfDate, 0), 0);
    EXPECT_FALSE(SlotOf(Worker::Update).thread);
    EXPECT_TRUE(IsClosed(thread));
    PumpPending();
    EXPECT_EQ(QuitCode().has_value(), c.quits);
    if (c.quits) {
      EXPECT_EQ(*QuitCode(), 0u);
    }
    // The quit comes from WM_DESTROY's handling; the window itself stays.
    EXPECT_TRUE(IsWindow(State().mainWindow));
  }
}

TEST_F(MainWindowReports, ScanDoneStartsTheTagReadingWhoseReportClosesItsHandle) {
  SlotOf(Worker::Scan).thread.reset(DuplicateOfThisThread());
  EXPECT_EQ(SendMessageW(State().mainWindow, WM_SCAN_DONE, SlotOf(Worker::Scan).run.number, 0), 0);
  // Not IsClosed(scan): the tag thread's new handle may well reuse its value.
  EXPECT_FALSE(SlotOf(Worker::Scan).thread);
  EXPECT_TRUE(SlotOf(Worker::Tags).thread) << "started even though no file was found";
  EXPECT_TRUE(PumpUntil([] { return !SlotOf(Worker::Tags).thread; }));
}

TEST_F(MainWindowReports, RenameDoneRunsTheLyricsStageOnlyWhenItsBoxIsTicked) {
  MainWindowState& s = State();
  for (bool lyrics : {true, false}) {
    SCOPED_TRACE(lyrics);
    // The state a running renaming leaves.
    SetText(s.btnProcess->hwnd, u"停止");
    for (HWND control : {s.btnListFile->hwnd, s.btnDeleteEmpty->hwnd, s.btnSetWorkDir->hwnd,
                         s.checkSubfolders->hwnd, s.checkLyrics->hwnd}) {
      EnableWindow(control, FALSE);
    }
    s.editNameStyle->SetReadOnly(true);
    SendMessageW(s.checkLyrics->hwnd, BM_SETCHECK, lyrics ? BST_CHECKED : BST_UNCHECKED, 0);
    SlotOf(Worker::Renaming).thread.reset(DuplicateOfThisThread());
    ShowProgress(2, 2);

    SendMessageW(s.mainWindow, WM_RENAME_DONE, SlotOf(Worker::Renaming).run.number, 0);
    EXPECT_FALSE(SlotOf(Worker::Renaming).thread);
    if (lyrics) {
      EXPECT_TRUE(SlotOf(Worker::Lyrics).thread);
      EXPECT_EQ(TextOf(s.btnProcess->hwnd), u"停止") << "controls stay until the lyrics are done";
      EXPECT_FALSE(IsWindowEnabled(s.btnListFile->hwnd));
      EXPECT_TRUE(ProgressBarShown()) << "the progress stays as long as the controls";
      EXPECT_EQ(taskbar.ShownState(), TBPF_NORMAL);
      ASSERT_TRUE(PumpUntil([&s] { return !SlotOf(Worker::Lyrics).thread; }));
    } else {
      EXPECT_FALSE(SlotOf(Worker::Lyrics).thread);
    }
    EXPECT_EQ(TextOf(s.btnProcess->hwnd), u"开始重命名!");
    for (HWND control : {s.btnListFile->hwnd, s.btnDeleteEmpty->hwnd, s.btnSetWorkDir->hwnd,
                         s.checkSubfolders->hwnd, s.checkLyrics->hwnd}) {
      EXPECT_TRUE(IsWindowEnabled(control));
    }
    EXPECT_FALSE(s.editNameStyle->readOnly);
    EXPECT_FALSE(GetWindowLongPtrW(s.editNameStyle->hwnd, GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(ProgressBarGone());
    EXPECT_EQ(taskbar.ShownState(), TBPF_NOPROGRESS);
  }
}

TEST_F(MainWindowReports, ANewTaskbarButtonIsShownWhatRunsAndAFailingOneChangesNothingElse) {
  const MainWindowState& s = State();
  const UINT created = TaskbarButtonCreatedMessage();
  ASSERT_NE(created, 0u);
  struct Case {
    const char* what;
    void (*show)();
    TBPFLAG state;  // on the new button
    bool barShown;
  };
  const Case cases[] = {
      {"counted", [] { ShowProgress(3, 7); }, TBPF_NORMAL, true},
      {"without a count", ShowUncountedProgress, TBPF_INDETERMINATE, false},
      {"nothing", EndProgress, TBPF_NOPROGRESS, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const bool failing : {false, true}) {
      SCOPED_TRACE(failing ? "failing" : "working");
      taskbar.failing = failing;
      c.show();
      taskbar.Forget();
      // Explorer restarted: the button is new and shows nothing until told.
      SendMessageW(s.mainWindow, created, 0, 0);
      EXPECT_EQ(taskbar.renewals(), 1);
      EXPECT_EQ(taskbar.ShownState(), failing ? TBPF_NOPROGRESS : c.state);
      if (c.state == TBPF_NORMAL && !failing) {
        ASSERT_EQ(taskbar.values().size(), 1u);
        EXPECT_EQ(taskbar.values()[0].done, 3u);
        EXPECT_EQ(taskbar.values()[0].total, 7u);
      }
      // The window's own bar does not depend on the taskbar.
      EXPECT_TRUE(c.barShown ? ProgressBarShown() : ProgressBarGone());
      if (c.barShown) {
        EXPECT_EQ(SendMessageW(s.progressBar->hwnd, PBM_GETPOS, 0, 0), 3);
        EXPECT_EQ(SendMessageW(s.progressBar->hwnd, PBM_GETRANGE, FALSE, 0), 7);
      }
    }
    taskbar.failing = false;
    EndProgress();
  }
}

TEST_F(MainWindowReports, AClosingMessageClosesOnlyTheHandleOfTheRunItNames) {
  struct Case {
    const char* worker;
    UINT closing;
    Worker slot;
  };
  const Case cases[] = {
      {"scan", WM_SCAN_DONE, Worker::Scan},
      {"tag reading", WM_TAGS_DONE, Worker::Tags},
      {"renaming", WM_RENAME_DONE, Worker::Renaming},
      {"lyrics", WM_LYRICS_DONE, Worker::Lyrics},
  };
  MainWindowState& s = State();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.worker);
    UniqueHandle& thread = SlotOf(c.slot).thread;
    WorkerRun& run = SlotOf(c.slot).run;
    const WPARAM earlier = NewRun().number;
    run = NewRun();
    const HANDLE newer = DuplicateOfThisThread();
    thread.reset(newer);
    const std::u16string status = StatusText();

    SendMessageW(s.mainWindow, c.closing, earlier, 0);
    EXPECT_EQ(thread.get(), newer) << "an earlier run's message closed the newer handle";
    EXPECT_FALSE(IsClosed(newer));
    EXPECT_EQ(StatusText(), status);
    // A run that was asked to stop is ended by its stop, not by its message.
    run.stop->Request();
    SendMessageW(s.mainWindow, c.closing, run.number, 0);
    EXPECT_EQ(thread.get(), newer);

    run.stop = std::make_shared<StopRequest>();
    SendMessageW(s.mainWindow, c.closing, run.number, 0);
    // Not IsClosed(newer): a worker started by the handler may reuse the value.
    EXPECT_FALSE(thread);
    // What follows the scan and the renaming (tag reading, lyrics) ends by itself.
    ASSERT_TRUE(
        PumpUntil([&s] { return !SlotOf(Worker::Tags).thread && !SlotOf(Worker::Lyrics).thread; }));
  }
}

TEST_F(MainWindowReports, MessagesThatAreNotTheWindowsOwnGoToTheDefaultProcedure) {
  // WM_CLOSE is left to the default handling, which destroys the window;
  // WM_DESTROY then asks the loop to end with 0.
  SendMessageW(State().mainWindow, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(State().mainWindow));
  PumpPending();
  ASSERT_TRUE(QuitCode().has_value());
  EXPECT_EQ(*QuitCode(), 0u);
}

// The harness's own promise, which the command buttons' tests rely on.
TEST_F(MainWindowReports, MessageBoxesAreAnsweredAndRecorded) {
  MessageBoxAnswers answers(IDNO);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(MessageBoxW(State().mainWindow, L"您确定要清空文件列表吗?", L"提示",
                          MB_YESNO | MB_ICONINFORMATION),
              IDNO);
  }
  ASSERT_EQ(answers.shown().size(), 2u);
  EXPECT_EQ(answers.shown()[1].caption, u"提示");
  EXPECT_EQ(answers.shown()[1].text, u"您确定要清空文件列表吗?");
}

}  // namespace
