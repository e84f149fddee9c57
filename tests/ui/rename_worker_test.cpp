// The rename worker run through "开始重命名!" on real files; its undo is in
// undo_test.cpp.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/injected_moves.h"
#include "platform/text.h"
#include "support/control_state_probe.h"
#include "support/renaming_fixture.h"
#include "support/tagged_files.h"
#include "tracks/name_style.h"
#include "ui/controls/btn_delete_empty.h"
#include "ui/controls/btn_process.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/controls/list_menu.h"
#include "ui/framework/win_text.h"
#include "ui/renaming/file_moves.h"

namespace {

using Names = std::vector<std::u16string>;

}  // namespace

void RenameWorker::RenameTheTableTwice(const platform::FileSystem& fileSystem,
                                       std::size_t leastProgress) {
  struct Row {
    std::u16string file;
    std::u16string title;
    std::u16string artist;
    std::u16string status;
    std::u16string finalName;
  };
  const std::vector<Row> rows = {
      {u"a.mp3", u"Song", u"Band", u"已修改", u"Song - Band.mp3"},
      {u"Named - Band.mp3", u"Named", u"Band", u"已修改", u"Named - Band.mp3"},
      {u"1.mp3", u"Same", u"Band", u"已修改", u"Same - Band.mp3"},
      // Among the others' rows, as a sort by title leaves a library.
      {u"sub\\1.mp3", u"Same", u"Band", u"已修改", u"sub\\Same - Band.mp3"},
      {u"2.mp3", u"Same", u"Band", u"已拷贝", u"Same - Band - 拷贝 (1).mp3"},
      {u"3.mp3", u"Same", u"Band", u"已拷贝", u"Same - Band - 拷贝 (2).mp3"},
      {u"e.mp3", u"Taken", u"Band", u"已拷贝", u"Taken - Band - 拷贝 (1).mp3"},
      {u"song - case.mp3", u"Song", u"Case", u"已修改", u"Song - Case.mp3"},
      {u"100% %s.mp3", u"%s %d", u"100%", u"已修改", u"%s %d - 100%.mp3"},
      // Tag texts that would name another folder, or no file at all, are
      // made fit for a name: their forbidden characters full-width.
      {u"b.mp3", u"AC/DC", u"Band", u"已修改", u"AC／DC - Band.mp3"},
      {u"c.mp3", u"..\\x", u"Band", u"已修改", u"..＼x - Band.mp3"},
      {u"d.mp3", u"Colon: here", u"Band", u"已修改", u"Colon： here - Band.mp3"},
  };
  for (const Row& row : rows) AddTrack(row.file, row.title, row.artist);
  // Listed but gone from the disk since.
  AddTrack(u"gone.mp3", u"Gone", u"Band");
  std::filesystem::remove(std::filesystem::path(folder.Path(u"gone.mp3")));
  // A row the tag reading has not reached is left as it is.
  AddUntaggedRow(u"untagged.mp3");
  // Taken, but not by a listed file.
  folder.Write(u"Taken - Band.mp3", ContentOf(u"Taken - Band.mp3"));
  const int untaggedRow = static_cast<int>(rows.size()) + 1;

  Names expectedOnDisk = {u"untagged.mp3", u"Taken - Band.mp3", u"sub"};
  for (const Row& row : rows) {
    if (row.finalName.find(u'\\') == std::u16string::npos) expectedOnDisk.push_back(row.finalName);
  }
  std::sort(expectedOnDisk.begin(), expectedOnDisk.end());

  const FileSystemInUse inUse(fileSystem);
  for (int run = 1; run <= 2; ++run) {
    SCOPED_TRACE(run);
    StatusTrail shown;
    ClickProcess();
    ASSERT_TRUE(WaitForRenamingOver());
    std::size_t moved = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      SCOPED_TRACE(platform::Utf16ToUtf8(rows[i].file));
      const int row = static_cast<int>(i);
      EXPECT_EQ(Cell(row, 0), folder.Path(rows[i].finalName));
      EXPECT_EQ(Cell(row, 2), rows[i].status);
      EXPECT_EQ(folder.Read(rows[i].finalName), ContentOf(rows[i].file));
      if (rows[i].file != rows[i].finalName) ++moved;
    }
    // The undo record holds each move this run made, and only those.
    EXPECT_EQ(State().lastRenaming.Count(), run == 1 ? moved : 0u);
    EXPECT_EQ(Cell(untaggedRow - 1, 0), folder.Path(u"gone.mp3"));
    EXPECT_EQ(Cell(untaggedRow - 1, 2), u"未修改");
    EXPECT_EQ(Cell(untaggedRow, 0), folder.Path(u"untagged.mp3"));
    EXPECT_EQ(Cell(untaggedRow, 2), u"未修改");
    EXPECT_EQ(folder.Names(), expectedOnDisk);

    // Progress names the file in progress: the first row's first, then
    // later rows only, each by its path as it was when the row came up.
    std::vector<std::u16string> names;
    for (const Row& row : rows) names.push_back(run == 1 ? row.file : row.finalName);
    names.push_back(u"gone.mp3");
    names.push_back(u"untagged.mp3");
    std::size_t next = 0;
    std::size_t shownCount = 0;
    for (const std::u16string& text : shown.Texts()) {
      if (text.rfind(u"正在重命名文件: ", 0) != 0) continue;
      while (next < names.size() && text != u"正在重命名文件: " + folder.Path(names[next])) ++next;
      ASSERT_LT(next, names.size()) << platform::Utf16ToUtf8(text);
      if (shownCount++ == 0) {
        EXPECT_EQ(next, 0u);
      }
    }
    EXPECT_GE(shownCount, run == 1 ? leastProgress : 1u);
    EXPECT_EQ(StatusText(), u"共尝试重命名 14 个MP3文件, 成功重命名 12 个MP3文件.");
  }
  // A key release afterwards judges each row by where its file is now.
  SendMessageW(State().editNameStyle->hwnd, WM_KEYUP, VK_SHIFT, 0xC0000001);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(platform::Utf16ToUtf8(rows[i].file));
    EXPECT_EQ(Cell(static_cast<int>(i), 2), rows[i].status == u"已修改" ? u"已修改" : u"未修改");
  }
}

namespace {

TEST_F(RenameWorker, WritesEachRowsOutcomeAndPathAndLeavesRenamedFilesAloneOnASecondRun) {
  RenameTheTableTwice(platform::SystemFileSystem(), 1);
}

// Moves slow enough that the worker hands its outcomes back several times
// in a run (each hand-over may name the file in progress): the rows, the
// undo record and the summary come out as they do when they all arrive at
// once.
TEST_F(RenameWorker, GivesTheSameOutcomesWhenTheyReachTheWindowInSeveralBatches) {
  const test_support::InjectedMoves slow(
      [](unsigned, const std::u16string&, const std::u16string&) {
        Sleep(static_cast<DWORD>(kHandOverInterval.count() / 3));
        return test_support::InjectedMove::None;
      });
  RenameTheTableTwice(slow, 2);
}

TEST_F(RenameWorker, NeverTriesADeviceNameNorClaimsAMoveThatDidNotHappenAndMovesLongPathsWhole) {
  struct Row {
    std::u16string title;
    std::u16string status;
    std::u16string finalName;  // in the row's own folder
  };
  // The file lies just past 259 units already, so a longer path is no worse;
  // its folder within them, where the C++ library under Wine lists it.
  const std::u16string deep(262 - (folder.Path(u"x").size() - 1) - 9, u'd');
  const std::vector<Row> rows = {
      {u"Nul", u"未修改", u"1.mp3"},
      {u"CON", u"未修改", u"2.mp3"},
      {u"aux", u"未修改", u"3.mp3"},
      {u"COM1", u"未修改", u"4.mp3"},
      {u"lpt5", u"未修改", u"5.mp3"},
      {u"PRN.live", u"未修改", u"6.mp3"},
      {u"nul.remix", u"未修改", u"7.mp3"},
      {u"COM\u00B9", u"未修改", u"8.mp3"},
      {u"Console", u"已修改", u"Console.mp3"},
      {u"COM10", u"已修改", u"COM10.mp3"},
      {u"Null Island", u"已修改", u"Null Island.mp3"},
      {u"nul-remix", u"已修改", u"nul-remix.mp3"},
      {u"Auxiliary", u"已修改", u"Auxiliary.mp3"},
      {u"CONCERT", u"已修改", u"CONCERT.mp3"},
      // The move reports success and changes nothing.
      {u"Claimed", u"未修改", u"15.mp3"},
      // The move reports success and leaves the file under a name cut short.
      {u"Cut", u"未修改", u"Cu"},
      // Longer than Linux keeps a name (under Wine): never tried.
      {std::u16string(100, u'歌'), u"未修改", u"17.mp3"},
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string number = std::to_string(i + 1);
    AddTrack(std::u16string(number.begin(), number.end()) + u".mp3", rows[i].title, u"Band");
  }
  // Past the 259 units of a cell: moved whole, or not at all.
  ASSERT_GT(folder.Path(deep + u"/long.mp3").size(), 259u);
  const std::u16string longName = std::u16string(60, u'N');
  AddTrack(deep + u"/long.mp3", longName, u"Band");
  ASSERT_GT(folder.Path(deep + u"/" + longName + u".mp3").size(), 259u);
  SetStyle(u"%title%");

  std::vector<std::u16string> targets;
  {
    const test_support::InjectedMoves moves([&targets](unsigned, const std::u16string& from,
                                                       const std::u16string& to) {
      targets.push_back(to);
      if (FileNamePart(to) == u"Cut.mp3") {
        std::filesystem::rename(std::filesystem::path(from),
                                std::filesystem::path(from).parent_path() / "Cu");
        return test_support::InjectedMove::ReportMovedUnchanged;
      }
      return FileNamePart(to) == u"Claimed.mp3" ? test_support::InjectedMove::ReportMovedUnchanged
                                                : test_support::InjectedMove::None;
    });
    const FileSystemInUse injected(moves);
    ClickProcess();
    ASSERT_TRUE(WaitForRenamingOver());
  }
  Names onDisk;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(platform::Utf16ToUtf8(rows[i].title));
    const int row = static_cast<int>(i);
    EXPECT_EQ(Cell(row, 0), folder.Path(rows[i].finalName));
    EXPECT_EQ(Cell(row, 2), rows[i].status);
    EXPECT_EQ(folder.Read(rows[i].finalName), ContentOf(listedNames[i]));
    onDisk.push_back(rows[i].finalName);
  }
  // Only the look-alikes and the claimed name were tried, each once: no
  // device name, and no copy name for one.
  Names tried;
  for (const char16_t* name : {u"Console.mp3", u"COM10.mp3", u"Null Island.mp3", u"nul-remix.mp3",
                               u"Auxiliary.mp3", u"CONCERT.mp3", u"Claimed.mp3", u"Cut.mp3"}) {
    tried.push_back(folder.Path(name));
  }
  tried.push_back(folder.Path(deep + u"/" + longName + u".mp3"));
  EXPECT_EQ(targets, tried);
  onDisk.push_back(deep);
  std::sort(onDisk.begin(), onDisk.end());
  EXPECT_EQ(folder.Names(), onDisk);

  const int longRow = static_cast<int>(rows.size());
  const std::u16string longPath = Cell(longRow, 0);
  EXPECT_TRUE(longPath == folder.Path(deep + u"/" + longName + u".mp3") ||
              longPath == folder.Path(deep + u"/long.mp3"))
      << platform::Utf16ToUtf8(longPath);
  const bool longMoved = longPath != folder.Path(deep + u"/long.mp3");
  EXPECT_EQ(Cell(longRow, 2), longMoved ? u"已修改" : u"未修改");
  EXPECT_EQ(folder.Names(deep), Names{std::u16string(FileNamePart(longPath))});
  EXPECT_EQ(folder.Read(deep + u"/" + std::u16string(FileNamePart(longPath))),
            ContentOf(deep + u"/long.mp3"));
  // The user learns where the file that a move cut short went.
  EXPECT_EQ(StatusText(), u"文件未能按新文件名保存, 现在的文件名: " + folder.Path(u"Cu"));
}

TEST_F(RenameWorker, SummaryCountsTheRowsTriedAndTheFilesRenamed) {
  struct Case {
    int newRows;
    unsigned filesFound;       // files without usable tags were found but not listed
    std::vector<int> deleted;  // rows the user deletes before the run
    std::u16string summary;
  };
  const Case cases[] = {
      {0, 0, {}, u"共尝试重命名 0 个MP3文件, 成功重命名 0 个MP3文件."},
      {8, 10, {}, u"共尝试重命名 8 个MP3文件, 成功重命名 8 个MP3文件."},
      // The files of the deleted rows stay where they are, already renamed.
      {0, 10, {1, 6}, u"共尝试重命名 6 个MP3文件, 成功重命名 6 个MP3文件."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(platform::Utf16ToUtf8(c.summary));
    for (int i = 0; i < c.newRows; ++i) {
      const std::u16string n(1, static_cast<char16_t>(u'a' + i));
      AddTrack(n + u".mp3", u"Title " + n, u"Band");
    }
    State().filesFound = c.filesFound;
    if (!c.deleted.empty()) {
      for (int row : c.deleted) {
        ListView_SetItemState(State().listFile->hwnd, row, LVIS_SELECTED, LVIS_SELECTED);
      }
      MessageBoxAnswers yes(IDYES);
      SendMessageW(State().btnDeleteEmpty->hwnd, BM_CLICK, 0, 0);
      ASSERT_EQ(State().listFile->GetItemCount(), 6);
    }
    taskbar.Forget();
    ClickProcess();
    ASSERT_TRUE(WaitForRenamingOver());
    EXPECT_EQ(StatusText(), c.summary);
    ExpectCountedToTheEndThenGone(taskbar,
                                  static_cast<ULONGLONG>(State().listFile->GetItemCount()));
    if (c.deleted.empty()) ExpectRowsMatchDisk();
  }
}

// Where there is no taskbar every call on the button fails; the listing, the
// renaming and the undo must not notice.
TEST_F(RenameWorker, AFailingTaskbarChangesNoTextRowOrSummaryOfAListingRenamingAndUndo) {
  for (const char16_t* name : {u"a.mp3", u"b.mp3", u"c.mp3"}) {
    folder.Write(name, Tagged(std::u16string(u"Song ") + name[0], u"Band", u"Disc"));
  }
  const MainWindowState& s = State();
  SetText(s.editWorkDir->hwnd, folder.Path());
  // Each status text as it comes, marked while the window's bar shows; then
  // each row's path and status after the renaming. Which files are named as
  // in progress depends on how long each move took, not on the taskbar.
  std::vector<std::u16string> runs[2];
  for (const bool failing : {false, true}) {
    SCOPED_TRACE(failing ? "failing" : "working");
    taskbar.failing = failing;
    taskbar.Forget();
    std::vector<std::u16string>& seen = runs[failing ? 1 : 0];
    {
      const StatusTrail trail([&seen](const std::u16string& text) {
        if (text.rfind(u"正在重命名文件: ", 0) == 0) return;
        seen.push_back(text + (ProgressBarShown() ? u" [bar]" : u""));
      });
      SendMessageW(s.btnListFile->hwnd, BM_CLICK, 0, 0);
      ASSERT_TRUE(PumpUntil([] {
        return !SlotOf(Worker::Scan).thread && !SlotOf(Worker::Tags).thread &&
               StatusText().rfind(u"共找到 ", 0) == 0;
      }));
      ClickProcess();
      ASSERT_TRUE(WaitForRenamingOver());
      for (int row = 0; row < s.listFile->GetItemCount(); ++row) {
        seen.push_back(Cell(row, 0) + u"|" + Cell(row, 2));
      }
      MessageBoxAnswers yes(IDYES);
      ASSERT_TRUE(PressCtrlZ(s.listFile->hwnd));
      ASSERT_TRUE(WaitForRenamingOver());
    }
    EXPECT_EQ(taskbar.values().empty(), failing);
    EXPECT_TRUE(ProgressBarGone());
  }
  EXPECT_TRUE(std::any_of(runs[0].begin(), runs[0].end(), [](const std::u16string& text) {
    return text.find(u" [bar]") != text.npos;
  })) << "the window's bar shows while the work runs";
  EXPECT_EQ(runs[0], runs[1]);
  EXPECT_EQ(runs[1].back(), u"共尝试恢复 3 个MP3文件, 成功恢复 3 个MP3文件.");
}

}  // namespace
