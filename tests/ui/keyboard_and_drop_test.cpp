// The window's keys and a folder dropped on it: Tab and Enter as in a
// dialog, the shortcut table (F5, Delete, Ctrl+A) and the drop.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <iterator>
#include <string>
#include <vector>

#include "listing_fixture.h"
#include "platform/text.h"
#include "ui/controls/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/edit.h"
#include "ui/framework/label.h"
#include "ui/framework/win_text.h"

namespace {

using MainWindowKeys = MainWindowTest;

int browsed = 0;
PIDLIST_ABSOLUTE WINAPI CountAndCancel(LPBROWSEINFOW) {
  ++browsed;
  return nullptr;
}

TEST_F(MainWindowKeys, TabGoesThroughTheCommandsInOrderAndEnterOrSpacePressesAButton) {
  const MainWindowState& s = State();
  EnableWindow(s.btnListFile->hwnd, TRUE);
  EnableWindow(s.btnProcess->hwnd, TRUE);
  const HWND order[] = {s.editWorkDir->hwnd,   s.btnSetWorkDir->hwnd, s.checkSubfolders->hwnd,
                        s.editNameStyle->hwnd, s.btnListFile->hwnd,   s.btnProcess->hwnd,
                        s.listFile->hwnd};
  const int count = static_cast<int>(std::size(order));
  SetFocus(order[0]);
  for (int i = 1; i <= count; ++i) {
    PressKey(GetFocus(), VK_TAB);
    EXPECT_EQ(GetFocus(), order[i % count]) << "Tab number " << i;
  }
  for (int i = count - 1; i >= 0; --i) {
    PressKey(GetFocus(), VK_TAB, VK_SHIFT);
    EXPECT_EQ(GetFocus(), order[i]) << "Shift+Tab to " << i;
  }

  // Enter on a check box does not tick it; Space does, once.
  SetFocus(s.checkSubfolders->hwnd);
  PressKey(s.checkSubfolders->hwnd, VK_RETURN);
  EXPECT_EQ(SendMessageW(s.checkSubfolders->hwnd, BM_GETCHECK, 0, 0), BST_CHECKED);
  PressKey(s.checkSubfolders->hwnd, VK_SPACE);
  EXPECT_EQ(SendMessageW(s.checkSubfolders->hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);

  State().browseForFolder = CountAndCancel;
  for (const UINT key : {VK_RETURN, VK_SPACE}) {
    browsed = 0;
    SetFocus(s.btnSetWorkDir->hwnd);
    PressKey(s.btnSetWorkDir->hwnd, key);
    EXPECT_EQ(browsed, 1) << "key " << key << " opens the folder browser once";
    // Held, it repeats: the button it pressed may read "停止" by now.
    RepeatKey(s.btnSetWorkDir->hwnd, key);
    EXPECT_EQ(browsed, 1) << "key " << key << " held presses once";
  }
  State().browseForFolder = SHBrowseForFolderW;

  // Enter held on "刷新文件列表" starts the refresh once and never presses the
  // "停止" that the button has become.
  SetText(s.editWorkDir->hwnd, u"C:\\corvane-no-such-folder");
  EnableWindow(s.btnListFile->hwnd, TRUE);
  SetFocus(s.btnListFile->hwnd);
  PressKey(s.btnListFile->hwnd, VK_RETURN);
  ASSERT_TRUE(SlotOf(Worker::Scan).thread);
  RepeatKey(s.btnListFile->hwnd, VK_RETURN);
  EXPECT_TRUE(SlotOf(Worker::Scan).thread) << "the repeat stopped the scan";
  EXPECT_NE(StatusText(), u"操作被中断!");
  EXPECT_TRUE(PumpUntil([] { return !AnyWorkerRuns(); }));
}

TEST_F(ListingCommands, ADroppedFolderOrFileListsAsAChosenOneAndF5RefreshesIt) {
  folder.Write(u"a.mp3", Tagged(u"T", u"A", u"L"));
  folder.MakeFolder(u"其他");
  const std::u16string other = folder.Path(u"其他");
  // Several items, or one that is not there, are no folder to take.
  for (const std::vector<std::u16string>& items :
       {std::vector<std::u16string>{folder.Path(u"a.mp3"), other},
        std::vector<std::u16string>{folder.Path(u"无.mp3")}, std::vector<std::u16string>{}}) {
    Drop(items);
    EXPECT_FALSE(SlotOf(Worker::Scan).thread);
    EXPECT_EQ(TextOf(State().editWorkDir->hwnd), u"");
  }
  for (const std::u16string& dropped : {folder.Path(), folder.Path(u"a.mp3")}) {
    SCOPED_TRACE(platform::Utf16ToUtf8(dropped));
    ListPaths({u"D:\\old\\row.mp3"});
    Drop({dropped});
    EXPECT_EQ(TextOf(State().editWorkDir->hwnd), folder.Path());
    EXPECT_EQ(CurrentControlStates(), RefreshStarted());
    ASSERT_TRUE(WaitForListing());
    EXPECT_EQ(Column(0), std::vector<std::u16string>{folder.Path(u"a.mp3")});
  }
  // F5 from any control refreshes as the button does.
  folder.Write(u"b.mp3", Tagged(u"T2", u"A", u"L"));
  PressKey(State().editNameStyle->hwnd, VK_F5);
  EXPECT_EQ(CurrentControlStates(), RefreshStarted());
  ASSERT_TRUE(WaitForListing());
  EXPECT_EQ(Column(0), (std::vector<std::u16string>{folder.Path(u"a.mp3"), folder.Path(u"b.mp3")}));

  // A folder deeper than MAX_PATH is listed whole: cut, it would name its
  // parent, or here a sibling whose name it starts.
  const std::u16string deep = std::u16string(150, u'd') + u"/" + std::u16string(150, u'e');
  folder.Write(deep + u"/deep.mp3", Tagged(u"T", u"A", u"L"));
  const std::u16string deepFolder = folder.Path(deep);
  ASSERT_GT(deepFolder.size(), 259u);
  const std::u16string cut = deepFolder.substr(0, 259);
  folder.Write(cut.substr(folder.Path().size() + 1) + u"/cut.mp3", Tagged(u"T", u"A", u"L"));
  Drop({deepFolder});
  ASSERT_TRUE(WaitForListing());
  EXPECT_EQ(Column(0), std::vector<std::u16string>{folder.Path(deep + u"/deep.mp3")});
}

TEST_F(ListingCommands, KeysAndDropsStartNothingWhileAScanOrARenamingRuns) {
  folder.Write(u"a.mp3", Tagged(u"T", u"A", u"L"));
  folder.MakeFolder(u"其他");
  const std::u16string other = folder.Path(u"其他");
  const HWND list = State().listFile->hwnd;
  auto expectNothingStarts = [&](const char* what) {
    SCOPED_TRACE(what);
    const ControlStates states = CurrentControlStates();
    MessageBoxAnswers yes(IDYES);
    SetFocus(list);
    PressKey(list, VK_DELETE);
    PressKey(list, VK_F5);  // "停止" is never pressed by F5 either
    Drop({other});
    EXPECT_TRUE(yes.shown().empty());
    EXPECT_EQ(TextOf(State().editWorkDir->hwnd), folder.Path());
    EXPECT_EQ(CurrentControlStates(), states);
    EXPECT_NE(StatusText(), u"操作被中断!");
  };
  ChooseFolder(folder.Path());
  expectNothingStarts("scan");
  ASSERT_TRUE(WaitForListing());
  ClickButton(State().btnProcess->hwnd);
  ASSERT_TRUE(SlotOf(Worker::Renaming).thread);
  expectNothingStarts("renaming");
  ASSERT_TRUE(
      PumpUntil([] { return !SlotOf(Worker::Renaming).thread && !SlotOf(Worker::Lyrics).thread; }));
  EXPECT_EQ(State().listFile->GetItemCount(), 1);
}

TEST_F(DeleteAndClear, DeleteAndCtrlAInTheListDoWhatTheButtonDoes) {
  const HWND list = State().listFile->hwnd;
  SetFocus(list);
  {
    // Nothing selected: Delete neither asks to clear nor removes a row.
    MessageBoxAnswers yes(IDYES);
    PressKey(list, VK_DELETE);
    EXPECT_TRUE(yes.shown().empty());
    EXPECT_EQ(State().listFile->GetItemCount(), 4);
  }
  SelectRows({1, 3});
  {
    MessageBoxAnswers yes(IDYES);
    PressKey(State().editNameStyle->hwnd, VK_DELETE);  // the box's own key
    PressKey(list, VK_DELETE);
    ASSERT_EQ(yes.shown().size(), 1u);
    EXPECT_EQ(yes.shown()[0].text, u"您确定要从列表中删除选中的 2 项吗?");
  }
  EXPECT_EQ(Column(0), (std::vector<std::u16string>{u"D:\\m\\0.mp3", u"D:\\m\\2.mp3"}));
  ExpectRowsMatchTable();
  PressKey(list, 'A', VK_CONTROL);
  PumpPending();
  EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 2);
  EXPECT_EQ(TextOf(State().labelSelection->hwnd), u"当前选中了第 1 项.");
  EXPECT_EQ(TextOf(State().btnDeleteEmpty->hwnd), u"清空");
  // With every row selected, the key asks to clear, as the button does.
  MessageBoxAnswers no(IDNO);
  PressKey(list, VK_DELETE);
  ASSERT_EQ(no.shown().size(), 1u);
  EXPECT_EQ(no.shown()[0].text, u"您确定要清空文件列表吗?");
  EXPECT_EQ(GetFocus(), list) << "the keys go on where they were";
}

}  // namespace
