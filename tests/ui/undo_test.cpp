// The undo of the last renaming through the real window: Ctrl+Z and the
// list's menu, on the renaming's own loop.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/injected_moves.h"
#include "platform/text.h"
#include "support/control_state_probe.h"
#include "support/renaming_fixture.h"
#include "tracks/name_style.h"
#include "ui/controls/list_file.h"
#include "ui/controls/list_menu.h"
#include "ui/framework/button.h"
#include "ui/framework/edit.h"

namespace {

using Names = std::vector<std::u16string>;

TEST_F(RenameWorker, UndoTakesEachFileBackUnlessItsOldNameIsTakenOrTheFileHasGone) {
  struct Row {
    std::u16string file;
    std::u16string title;
    std::u16string artist;
    std::u16string renamed;    // after the renaming
    std::u16string finalName;  // after the undo
    std::u16string status;     // after the undo, under the style as it reads then
  };
  const std::vector<Row> rows = {
      {u"03 晨光.mp3", u"晨光", u"乐队", u"晨光 - 乐队.mp3", u"03 晨光.mp3", u"未修改"},
      {u"1.mp3", u"Same", u"Band", u"Same - Band.mp3", u"1.mp3", u"未修改"},
      {u"2.mp3", u"Same", u"Band", u"Same - Band - 拷贝 (1).mp3", u"2.mp3", u"未修改"},
      {u"song - case.mp3", u"Song", u"Case", u"Song - Case.mp3", u"song - case.mp3", u"未修改"},
      {u"Named - Band.mp3", u"Named", u"Band", u"Named - Band.mp3", u"Named - Band.mp3", u"已修改"},
      // Its old name taken meanwhile.
      {u"taken.mp3", u"Taken", u"Band", u"Taken - Band.mp3", u"Taken - Band.mp3", u"已修改"},
      // Moved away meanwhile: the row keeps naming where the renaming put it.
      {u"gone.mp3", u"Gone", u"Band", u"Gone - Band.mp3", u"Gone - Band.mp3", u"已修改"},
  };
  for (const Row& row : rows) AddTrack(row.file, row.title, row.artist);
  ClickProcess();
  ASSERT_TRUE(WaitForRenamingOver());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    ASSERT_EQ(Cell(static_cast<int>(i), 0), folder.Path(rows[i].renamed));
  }
  ExpectCountedToTheEndThenGone(taskbar, 7);
  taskbar.Forget();
  folder.Write(u"taken.mp3", ContentOf(u"newcomer"));
  std::filesystem::rename(std::filesystem::path(folder.Path(u"Gone - Band.mp3")),
                          std::filesystem::path(folder.Path(u"elsewhere.mp3")));

  const MainWindowState& s = State();
  MessageBoxAnswers yes(IDYES);
  ASSERT_TRUE(PressCtrlZ(s.listFile->hwnd));
  ASSERT_EQ(yes.shown().size(), 1u);
  EXPECT_EQ(yes.shown()[0].caption, u"提示");
  EXPECT_EQ(yes.shown()[0].text, u"确定要把上次重命名的 6 个文件恢复为原来的文件名吗?");
  ASSERT_TRUE(WaitForRenamingOver());
  EXPECT_EQ(StatusText(), u"共尝试恢复 6 个MP3文件, 成功恢复 4 个MP3文件.");
  ExpectCountedToTheEndThenGone(taskbar, 6);
  EXPECT_EQ(CurrentControlStates(), RenamingOver());
  EXPECT_FALSE(SlotOf(Worker::Lyrics).thread) << "no lyrics stage after an undo";

  Names expectedOnDisk = {u"taken.mp3", u"elsewhere.mp3"};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(platform::Utf16ToUtf8(rows[i].file));
    const int row = static_cast<int>(i);
    EXPECT_EQ(Cell(row, 0), folder.Path(rows[i].finalName));
    EXPECT_EQ(Cell(row, 2), rows[i].status);
    if (rows[i].file != u"gone.mp3") {
      EXPECT_EQ(folder.Read(rows[i].finalName), ContentOf(rows[i].file));
      expectedOnDisk.push_back(rows[i].finalName);
    }
  }
  std::sort(expectedOnDisk.begin(), expectedOnDisk.end());
  EXPECT_EQ(folder.Names(), expectedOnDisk);
  EXPECT_EQ(folder.Read(u"taken.mp3"), ContentOf(u"newcomer"));
  EXPECT_EQ(folder.Read(u"elsewhere.mp3"), ContentOf(u"gone.mp3"));

  // Undone is forgotten, what failed is not: a second Ctrl+Z offers the two
  // again, and the one whose old name is free by then goes back.
  std::filesystem::rename(std::filesystem::path(folder.Path(u"taken.mp3")),
                          std::filesystem::path(folder.Path(u"newcomer.mp3")));
  ASSERT_TRUE(PressCtrlZ(s.listFile->hwnd));
  ASSERT_EQ(yes.shown().size(), 2u);
  EXPECT_EQ(yes.shown()[1].text, u"确定要把上次重命名的 2 个文件恢复为原来的文件名吗?");
  ASSERT_TRUE(WaitForRenamingOver());
  EXPECT_EQ(StatusText(), u"共尝试恢复 2 个MP3文件, 成功恢复 1 个MP3文件.");
  EXPECT_EQ(Cell(5, 0), folder.Path(u"taken.mp3"));
  EXPECT_EQ(folder.Read(u"taken.mp3"), ContentOf(u"taken.mp3"));
  EXPECT_EQ(Cell(6, 0), folder.Path(u"Gone - Band.mp3"));
  EXPECT_EQ(s.lastRenaming.Count(), 1u);
}

TEST_F(RenameWorker, UndoIsOfferedOnlyWhenThereIsSomethingToUndoAndNoWorkerRunsAndStops) {
  const MainWindowState& s = State();
  const auto menuItemOn = [] {
    const UniqueMenu menu = MakeFileListMenu();
    return (GetMenuState(menu.get(), kUndoRenamingItem, MF_BYCOMMAND) & MF_GRAYED) == 0;
  };
  for (const char16_t* name : {u"a.mp3", u"b.mp3", u"c.mp3"}) {
    AddTrack(name, std::u16string(u"New ") + name[0], u"Band");
  }
  {
    MessageBoxAnswers no(IDNO);
    EXPECT_FALSE(menuItemOn());
    EXPECT_TRUE(PressCtrlZ(s.listFile->hwnd));
    ClickProcess();
    EXPECT_FALSE(menuItemOn()) << "a renaming runs";
    EXPECT_TRUE(PressCtrlZ(s.btnProcess->hwnd));
    EXPECT_TRUE(no.shown().empty());
    ASSERT_TRUE(WaitForRenamingOver());

    EXPECT_TRUE(menuItemOn());
    // In an edit box Ctrl+Z is the box's own.
    EXPECT_FALSE(PressCtrlZ(s.editNameStyle->hwnd));
    EXPECT_TRUE(PressCtrlZ(s.mainWindow));
    ASSERT_EQ(no.shown().size(), 1u);
    PressKey(s.listFile->hwnd, 'Z', VK_CONTROL, VK_MENU);
    EXPECT_EQ(no.shown().size(), 1u) << "Ctrl+Alt+Z is AltGr+Z, a letter, not the undo";
    EXPECT_EQ(Cell(0, 0), folder.Path(u"New a - Band.mp3"));
    EXPECT_FALSE(SlotOf(Worker::Renaming).thread) << "a no starts nothing";
  }

  // The stop comes as the first file, the last row's, goes back.
  const test_support::InjectedMoves stopAtFirst(
      [&s](unsigned number, const std::u16string&, const std::u16string&) {
        if (number == 1) SlotOf(Worker::Renaming).run.stop->Request();
        return test_support::InjectedMove::None;
      });
  const FileSystemInUse injected(stopAtFirst);
  for (int undo = 1; undo <= 2; ++undo) {
    SCOPED_TRACE(undo);
    MessageBoxAnswers yes(IDYES);
    ASSERT_TRUE(PressCtrlZ(s.listFile->hwnd));
    ASSERT_EQ(yes.shown().size(), 1u);
    EXPECT_EQ(yes.shown()[0].text, undo == 1
                                       ? u"确定要把上次重命名的 3 个文件恢复为原来的文件名吗?"
                                       : u"确定要把上次重命名的 2 个文件恢复为原来的文件名吗?");
    EXPECT_EQ(CurrentControlStates(), RenamingRuns());
    EXPECT_EQ(StatusText(), u"正在恢复文件名...");
    if (undo == 1) {
      ASSERT_TRUE(PumpUntil([this] { return Cell(2, 0) == folder.Path(u"c.mp3"); }));
      ClickProcess();
      EXPECT_EQ(StatusText(), u"操作被中断!");
      EXPECT_EQ(Cell(1, 0), folder.Path(u"New b - Band.mp3"));
    } else {
      ASSERT_TRUE(WaitForRenamingOver());
      EXPECT_EQ(StatusText(), u"共尝试恢复 2 个MP3文件, 成功恢复 2 个MP3文件.");
      EXPECT_EQ(Cell(1, 0), folder.Path(u"b.mp3"));
    }
    EXPECT_EQ(CurrentControlStates(), RenamingOver());
    ExpectRowsMatchDisk();
  }
  EXPECT_FALSE(menuItemOn()) << "nothing left to undo";

  // A new renaming replaces what can be undone, a deleted row drops out of
  // it, a cleared list leaves nothing.
  ClickProcess();
  ASSERT_TRUE(WaitForRenamingOver());
  EXPECT_EQ(s.lastRenaming.Count(), 3u);
  LVITEMW selected{};
  selected.stateMask = LVIS_SELECTED;
  selected.state = LVIS_SELECTED;
  SendMessageW(s.listFile->hwnd, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));
  MessageBoxAnswers yes(IDYES);
  SendMessageW(s.btnDeleteEmpty->hwnd, BM_CLICK, 0, 0);
  ASSERT_EQ(s.lastRenaming.Count(), 2u);
  EXPECT_EQ(s.lastRenaming.Next()->row, 1u);
  EXPECT_EQ(s.lastRenaming.Next()->after, folder.Path(u"New c - Band.mp3"));
  SendMessageW(s.btnDeleteEmpty->hwnd, BM_CLICK, 0, 0);
  EXPECT_EQ(yes.shown().size(), 2u);
  EXPECT_EQ(s.listFile->GetItemCount(), 0);
  EXPECT_FALSE(menuItemOn());
}

}  // namespace
