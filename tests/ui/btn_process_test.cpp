// "开始重命名!" and "停止": the refusal, the control states of start, stop and
// end, and stops that come at awkward moments.

#include <gtest/gtest.h>
#include <windows.h>

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/injected_moves.h"
#include "platform/text.h"
#include "support/renaming_fixture.h"
#include "tracks/name_style.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/renaming/file_moves.h"
#include "ui/state/rows.h"
#include "ui/state/window_messages.h"

namespace {

using RenameButton = RenamingTest;

bool RenameDoneQueued() {
  MSG message;
  return PeekMessageW(&message, State().mainWindow, WM_RENAME_DONE, WM_RENAME_DONE, PM_NOREMOVE) !=
         FALSE;
}

void HandleQueuedRenameDone() {
  MSG message;
  ASSERT_TRUE(
      PeekMessageW(&message, State().mainWindow, WM_RENAME_DONE, WM_RENAME_DONE, PM_REMOVE));
  DispatchMessageW(&message);
}

TEST_F(RenameButton, RefusesAStyleWithAForbiddenCharacterOrNoPlaceholderAndChangesNothingElse) {
  AddTrack(u"a.mp3", u"Song", u"Band");
  ShowRowStatus(0, u"已修改");
  SetStatusText(u"before");
  const ControlStates before = CurrentControlStates();
  std::vector<std::pair<std::u16string, std::u16string>> refused;  // style, message
  for (char16_t forbidden : kForbiddenNameChars) {
    refused.emplace_back(u"%title%" + std::u16string(1, forbidden) + u"%artist%",
                         ForbiddenCharsMessage());
  }
  refused.emplace_back(u"abc:", ForbiddenCharsMessage());
  // Each would give every file one name and take its own away.
  for (const std::u16string style : {u"", u"   ", u"abc", u"%TITLE%", u"%foo%", u"%title"}) {
    refused.emplace_back(style, NoPlaceholderMessage());
  }
  for (const auto& [style, message] : refused) {
    SCOPED_TRACE(platform::Utf16ToUtf8(style));
    SetStyle(style);
    MessageBoxAnswers answers(IDOK);
    ClickProcess();
    ASSERT_EQ(answers.shown().size(), 1u);
    EXPECT_EQ(answers.shown()[0].caption, u"错误");
    EXPECT_EQ(answers.shown()[0].text, message);
    EXPECT_EQ(CurrentControlStates(), before);
    EXPECT_EQ(TextOf(State().editNameStyle->hwnd), style);
    EXPECT_EQ(StatusText(), u"before");
    EXPECT_EQ(Cell(0, 2), u"已修改");
    EXPECT_FALSE(SlotOf(Worker::Renaming).thread);
    EXPECT_EQ(folder.Names(), std::vector<std::u16string>{u"a.mp3"});
  }
}

TEST_F(RenameButton, StartMarksEveryRowUnchangedAndTheEndGivesTheControlsBackWithOrWithoutLyrics) {
  MainWindowState& s = State();
  AddTrack(u"a.mp3", u"Song", u"Band");
  AddTrack(u"Named - Band.mp3", u"Named", u"Band");
  for (bool lyrics : {true, false}) {
    SCOPED_TRACE(lyrics);
    SendMessageW(s.checkLyrics->hwnd, BM_SETCHECK, lyrics ? BST_CHECKED : BST_UNCHECKED, 0);
    ShowRowStatus(0, u"已修改");
    ShowRowStatus(1, u"");

    ClickProcess();
    // Nothing of the worker's has been carried out yet: no message was run.
    EXPECT_EQ(CurrentControlStates(), RenamingRuns());
    EXPECT_EQ(StatusText(), u"正在重命名中...");
    EXPECT_EQ(Cell(0, 2), u"未修改");
    EXPECT_EQ(Cell(1, 2), u"未修改");
    ASSERT_TRUE(SlotOf(Worker::Renaming).thread);

    ASSERT_TRUE(WaitForThreadKeepingPostedMessages(SlotOf(Worker::Renaming).thread.get()));
    ASSERT_TRUE(RenameDoneQueued());
    HandleQueuedRenameDone();
    EXPECT_FALSE(SlotOf(Worker::Renaming).thread);
    const std::u16string summary = u"共尝试重命名 2 个MP3文件, 成功重命名 2 个MP3文件.";
    if (lyrics) {
      ASSERT_TRUE(SlotOf(Worker::Lyrics).thread);
      EXPECT_EQ(CurrentControlStates(), RenamingRuns());
      // "停止" during the lyrics stage: nothing to stop, nothing shown.
      ClickProcess();
      EXPECT_TRUE(SlotOf(Worker::Lyrics).thread);
      EXPECT_EQ(CurrentControlStates(), RenamingRuns());
      EXPECT_EQ(StatusText(), summary);
    }
    ASSERT_TRUE(WaitForRenamingOver());
    EXPECT_EQ(CurrentControlStates(), RenamingOver());
    EXPECT_EQ(StatusText(), summary);
    EXPECT_EQ(Cell(0, 2), u"已修改");
    EXPECT_EQ(Cell(1, 2), u"已修改");
  }
}

TEST_F(RenameButton, StopLetsTheCurrentRowFinishAndLeavesTheRestUnchanged) {
  for (const char16_t* name : {u"a.mp3", u"b.mp3", u"c.mp3", u"d.mp3", u"e.mp3"}) {
    AddTrack(name, std::u16string(u"New ") + name[0], u"Band");
  }
  // The stop arrives while row 2 is under way, before its file is moved.
  const test_support::InjectedMoves stopAtRowTwo(
      [&](unsigned, const std::u16string& from, const std::u16string&) {
        if (from == folder.Path(u"c.mp3")) SlotOf(Worker::Renaming).run.stop->Request();
        return test_support::InjectedMove::None;
      });
  const FileSystemInUse inUse(stopAtRowTwo);
  ClickProcess();
  ASSERT_TRUE(PumpUntil([this] { return Cell(2, 2) == u"已修改"; }));
  ClickProcess();
  EXPECT_FALSE(SlotOf(Worker::Renaming).thread);
  EXPECT_EQ(StatusText(), u"操作被中断!");
  EXPECT_EQ(CurrentControlStates(), RenamingOver());
  EXPECT_EQ(taskbar.ShownState(), TBPF_NOPROGRESS);
  EXPECT_TRUE(ProgressBarGone());
  ASSERT_FALSE(taskbar.values().empty());
  EXPECT_EQ(taskbar.values().back().done, 3u) << "rows 0 to 2 were tried";
  EXPECT_EQ(taskbar.values().back().total, 5u);
  PumpPending();
  EXPECT_FALSE(SlotOf(Worker::Lyrics).thread) << "no lyrics stage after a stop";
  EXPECT_EQ(StatusText(), u"操作被中断!");

  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(Cell(row, 0),
              folder.Path(u"New " + listedNames[static_cast<std::size_t>(row)].substr(0, 1) +
                          u" - Band.mp3"))
        << row;
  }
  for (int row = 3; row < 5; ++row) {
    EXPECT_EQ(Cell(row, 2), u"未修改") << row;
    EXPECT_EQ(Cell(row, 0), folder.Path(listedNames[static_cast<std::size_t>(row)])) << row;
  }
  ExpectRowsMatchDisk();
}

TEST_F(RenameButton, StopAfterTheWorkerReportedClosesItsHandleOnceAndRunsNoLyricsStage) {
  AddTrack(u"a.mp3", u"Song", u"Band");
  ClickProcess();
  ASSERT_TRUE(WaitForThreadKeepingPostedMessages(SlotOf(Worker::Renaming).thread.get()));
  ASSERT_TRUE(RenameDoneQueued());

  ClickProcess();
  EXPECT_FALSE(SlotOf(Worker::Renaming).thread);
  EXPECT_EQ(StatusText(), u"操作被中断!");
  EXPECT_EQ(CurrentControlStates(), RenamingOver());

  HandleQueuedRenameDone();
  EXPECT_FALSE(SlotOf(Worker::Lyrics).thread);
  EXPECT_EQ(StatusText(), u"操作被中断!");
  EXPECT_EQ(CurrentControlStates(), RenamingOver());
  EXPECT_EQ(Cell(0, 0), folder.Path(u"Song - Band.mp3"));
  EXPECT_EQ(Cell(0, 2), u"已修改");
}

TEST_F(RenameButton, TheSessionsEndStopsTheRenamingBetweenTwoFilesAndEveryRowTellsTheTruth) {
  constexpr int kRows = 6;
  for (int i = 0; i < kRows; ++i) {
    const std::u16string n(1, static_cast<char16_t>(u'a' + i));
    AddTrack(n + u".mp3", u"New " + n, u"Band");
  }
  // Slow enough that the session ends while files are still to be moved.
  const test_support::InjectedMoves slow(
      [](unsigned, const std::u16string&, const std::u16string&) {
        Sleep(static_cast<DWORD>(kHandOverInterval.count() * 3 / 2));
        return test_support::InjectedMove::None;
      });
  const FileSystemInUse inUse(slow);
  const auto renamedRows = [this] {
    int renamed = 0;
    for (int row = 0; row < kRows; ++row) {
      if (Cell(row, 0) != folder.Path(listedNames[static_cast<std::size_t>(row)])) ++renamed;
    }
    return renamed;
  };
  // Asked whether it may end, and told that it does.
  for (const auto& [message, ending] : {std::pair<UINT, WPARAM>{WM_QUERYENDSESSION, 0},
                                        std::pair<UINT, WPARAM>{WM_ENDSESSION, TRUE}}) {
    SCOPED_TRACE(message);
    const int before = renamedRows();
    ClickProcess();
    ASSERT_TRUE(PumpUntil([&] { return renamedRows() > before; }));
    const LRESULT answer = SendMessageW(State().mainWindow, message, ending, ENDSESSION_LOGOFF);
    if (message == WM_QUERYENDSESSION) {
      EXPECT_EQ(answer, TRUE) << "the session may end";
    }
    EXPECT_FALSE(SlotOf(Worker::Renaming).thread) << "stopped before the handler returned";
    EXPECT_EQ(StatusText(), u"操作被中断!");
    EXPECT_EQ(CurrentControlStates(), RenamingOver());
    ExpectRowsMatchDisk();
    const int renamed = renamedRows();
    for (int row = 0; row < kRows; ++row) {
      const bool moved = Cell(row, 0) != folder.Path(listedNames[static_cast<std::size_t>(row)]);
      EXPECT_EQ(Cell(row, 2), moved ? u"已修改" : u"未修改") << row;
    }
    EXPECT_LT(renamed, kRows) << "the run ended before its last file";
    // The undo takes back what this run moved, and only that.
    EXPECT_EQ(State().lastRenaming.Count(), static_cast<std::size_t>(renamed - before));
    PumpPending();
    EXPECT_FALSE(SlotOf(Worker::Lyrics).thread) << "no lyrics stage after a stop";
  }
}

TEST_F(RenameButton, ClosingTheWindowStopsTheRenamingBetweenTwoFilesThenEnds) {
  const MainWindowState& s = State();
  AddTrack(u"song - band.mp3", u"Song", u"Band");
  AddTrack(u"b.mp3", u"Other", u"Band");
  // The close comes between the two moves of the case change, as the file
  // sits under its temporary name; every move from then on is recorded.
  std::mutex lock;
  bool closed = false;
  std::vector<std::u16string> movedAfterClose;
  const test_support::InjectedMoves closeMidway(
      [&](unsigned, const std::u16string& from, const std::u16string& to) {
        const std::lock_guard<std::mutex> guard(lock);
        if (closed) movedAfterClose.push_back(std::u16string(FileNamePart(from)));
        if (!closed && FileNamePart(to).substr(0, 16) == u"~corvane-rename-") {
          closed = true;
          // The close's own stop may come only after the worker took its
          // next file; asked now, as the close will ask it.
          SlotOf(Worker::Renaming).run.stop->Request();
          PostMessageW(s.mainWindow, WM_CLOSE, 0, 0);
        }
        return test_support::InjectedMove::None;
      });
  const FileSystemInUse injected(closeMidway);
  ClickProcess();
  ASSERT_TRUE(PumpUntil([] { return QuitCode().has_value(); }));
  // The program would end here: its worker must already be gone.
  EXPECT_FALSE(SlotOf(Worker::Renaming).thread);
  EXPECT_EQ(QuitCode(), WPARAM{0});
  const std::lock_guard<std::mutex> guard(lock);
  if (!closed) GTEST_SKIP() << "this file system changed the case in one move";
  for (const std::u16string& from : movedAfterClose) {
    EXPECT_EQ(from.substr(0, 16), u"~corvane-rename-") << "only the way back from the detour";
  }
  const std::vector<std::u16string> names = folder.Names();
  EXPECT_TRUE(names == (std::vector<std::u16string>{u"Song - Band.mp3", u"b.mp3"}) ||
              names == (std::vector<std::u16string>{u"b.mp3", u"song - band.mp3"}))
      << platform::Utf16ToUtf8(names[0]);
}

}  // namespace
