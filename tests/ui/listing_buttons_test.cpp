// The listing's commands: "..." with its folder browser, refresh and stop,
// delete and clear; and the states the controls pass through on the way.

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "listing_fixture.h"
#include "platform/file_system_decorator.h"
#include "platform/text.h"
#include "ui/controls/btn_delete_empty.h"
#include "ui/controls/btn_list_file.h"
#include "ui/controls/btn_process.h"
#include "ui/controls/btn_set_work_dir.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/framework/edit.h"
#include "ui/framework/label.h"
#include "ui/framework/status_bar.h"
#include "ui/framework/win_text.h"
#include "ui/listing/tag_batch.h"

namespace {

PIDLIST_ABSOLUTE WINAPI ChooseMyComputer(LPBROWSEINFOW) {
  PIDLIST_ABSOLUTE items = nullptr;
  SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &items);
  return items;
}

PIDLIST_ABSOLUTE WINAPI Cancel(LPBROWSEINFOW) { return nullptr; }

TEST_F(ListingCommands, ChoosingAFolderStartsTheRefreshAtOnce) {
  folder.Write(u"a.mp3", Tagged(u"T", u"A", u"L"));
  folder.Write(u"b.mp3", Untagged());
  ListPaths({u"D:\\old\\row.mp3"});
  Tracks().SetTags(0, {u"old", u"old", u"old"}, u"");
  SetText(State().editTitle->hwnd, u"old");

  StatusTrail trail;
  ChooseFolder(folder.Path());
  const BrowseSeen browse = LastBrowse();
  EXPECT_EQ(browse.owner, State().mainWindow);
  EXPECT_EQ(browse.title, u"请选择工作目录:");
  EXPECT_EQ(browse.flags, 0u);
  EXPECT_FALSE(browse.rootGiven);
  EXPECT_EQ(TextOf(State().editWorkDir->hwnd), folder.Path());
  EXPECT_EQ(State().listFile->GetItemCount(), 0);
  EXPECT_EQ(Tracks().Size(), 0u);
  EXPECT_EQ(State().filesFound, 0u);
  EXPECT_EQ(TextOf(State().editTitle->hwnd), u"暂无");
  EXPECT_EQ(StatusText(), u"正在刷新文件列表中...");
  EXPECT_EQ(CurrentControlStates(), RefreshStarted());
  EXPECT_TRUE(SlotOf(Worker::Scan).thread);

  ASSERT_TRUE(WaitForListing());
  // While the scan reports and while the tags are read, nothing changes.
  for (const StatusTrail::Entry& entry : trail.entries()) {
    if (entry.text.rfind(u"共找到", 0) == 0) continue;
    EXPECT_EQ(entry.states, RefreshStarted()) << platform::Utf16ToUtf8(entry.text);
  }
  EXPECT_FALSE(trail.After(u"正在读取ID3标签: ").empty());
  EXPECT_EQ(StatusText(), u"共找到 2 个MP3文件, 成功读取 1 个ID3标签.");
  EXPECT_EQ(CurrentControlStates(), TagReadingEnded(true));
  EXPECT_EQ(Column(0), std::vector<std::u16string>{folder.Path(u"a.mp3")});
  ExpectRowsMatchTable();
}

TEST_F(ListingCommands, NoFolderOrOneWithoutAFileSystemPathStartsNothing) {
  SetText(State().editWorkDir->hwnd, u"C:\\before");
  const ControlStates before = CurrentControlStates();
  const std::u16string status = StatusText();
  for (FolderBrowser browser : {Cancel, ChooseMyComputer}) {
    State().browseForFolder = browser;
    ClickButton(State().btnSetWorkDir->hwnd);
    EXPECT_FALSE(SlotOf(Worker::Scan).thread);
    EXPECT_EQ(CurrentControlStates(), before);
    EXPECT_EQ(TextOf(State().editWorkDir->hwnd), u"C:\\before");
    EXPECT_EQ(StatusText(), status);
  }
}

TEST_F(ListingCommands, StoppingAScanThatFoundFilesReadsTheirTags) {
  for (const char16_t* name : {u"1.mp3", u"2.mp3", u"3.mp3", u"4.mp3", u"5.mp3", u"6.mp3"}) {
    folder.Write(name, Tagged(name, u"A", u"L"));
  }
  // Slow enough that the scan still runs when two files are listed.
  const test_support::PacedListing slow(std::chrono::milliseconds(150));
  const FileSystemInUse inUse(slow);
  StatusTrail trail;
  ChooseFolder(folder.Path());
  ASSERT_TRUE(PumpUntil([] { return State().filesFound >= 2; }));
  ASSERT_TRUE(SlotOf(Worker::Scan).thread);
  ClickButton(State().btnListFile->hwnd);

  // At the click: the scan is over, its texts are written, the tags are read.
  EXPECT_FALSE(SlotOf(Worker::Scan).thread);
  EXPECT_EQ(StatusText(), u"操作被中断!");
  EXPECT_EQ(CurrentControlStates(), ScanStoppedWithFiles());
  EXPECT_TRUE(SlotOf(Worker::Tags).thread);
  const unsigned found = State().filesFound;
  EXPECT_EQ(State().listFile->GetItemCount(), static_cast<int>(found))
      << "the reports the scan made before it ended are all in";

  ASSERT_TRUE(WaitForListing());
  EXPECT_EQ(CurrentControlStates(), TagReadingEnded(true));
  EXPECT_EQ(State().filesFound, found) << "nothing was reported after the stop";
  EXPECT_EQ(State().listFile->GetItemCount(), static_cast<int>(found));
  ExpectRowsMatchTable();
  EXPECT_EQ(trail.Count(u"共找到 " + std::u16string(1, static_cast<char16_t>(u'0' + found)) +
                        u" 个MP3文件, 成功读取 " +
                        std::u16string(1, static_cast<char16_t>(u'0' + found)) + u" 个ID3标签."),
            1);
}

TEST_F(ListingCommands, StoppingAScanThatFoundNoFileGivesTheSettingsBack) {
  for (const char16_t* name : {u"a", u"b", u"c", u"d", u"e"}) folder.MakeFolder(name);
  // Slow enough that the scan still runs after its first report.
  const test_support::PacedListing slow(std::chrono::milliseconds(150));
  const FileSystemInUse inUse(slow);
  StatusTrail trail;
  ChooseFolder(folder.Path());
  ASSERT_TRUE(PumpUntil([&trail] { return !trail.After(u"正在请求文件: ").empty(); }));
  ASSERT_TRUE(SlotOf(Worker::Scan).thread);
  ClickButton(State().btnListFile->hwnd);
  EXPECT_FALSE(SlotOf(Worker::Scan).thread);
  EXPECT_FALSE(SlotOf(Worker::Tags).thread);
  EXPECT_EQ(StatusText(), u"操作被中断!");
  EXPECT_EQ(CurrentControlStates(), TagReadingEnded(false));
  EXPECT_EQ(taskbar.states(), (std::vector<TBPFLAG>{TBPF_INDETERMINATE, TBPF_NOPROGRESS}));
  EXPECT_TRUE(taskbar.values().empty());
  EXPECT_TRUE(ProgressBarGone());
  PumpPending();
  EXPECT_TRUE(trail.After(u"共找到 ").empty()) << "no tag reading after the stop";
  EXPECT_TRUE(trail.After(u"正在读取ID3标签: ").empty());
}

TEST_F(ListingCommands, AStopAfterTheScansLastMessageClosesItOnceAndReadsOnce) {
  folder.Write(u"a.mp3", Tagged(u"T", u"A", u"L"));
  StatusTrail trail;
  ChooseFolder(folder.Path());
  // The scan has posted its report and WM_SCAN_DONE; neither was handled.
  ASSERT_TRUE(SlotOf(Worker::Scan).thread);
  ASSERT_EQ(WaitForSingleObject(SlotOf(Worker::Scan).thread.get(), 20000), WAIT_OBJECT_0);
  ClickButton(State().btnListFile->hwnd);
  EXPECT_FALSE(SlotOf(Worker::Scan).thread);
  EXPECT_EQ(StatusText(), u"操作被中断!");
  EXPECT_EQ(State().filesFound, 1u);
  EXPECT_TRUE(SlotOf(Worker::Tags).thread) << "the queued report counts";
  const HANDLE reader = SlotOf(Worker::Tags).thread.get();
  PumpPending();  // WM_SCAN_DONE finds the handle closed and starts no reading
  EXPECT_TRUE(SlotOf(Worker::Tags).thread.get() == reader || !SlotOf(Worker::Tags).thread);
  ASSERT_TRUE(WaitForListing());
  EXPECT_EQ(trail.Count(u"共找到 1 个MP3文件, 成功读取 1 个ID3标签."), 1);
  ExpectRowsMatchTable();
}

TEST_F(ListingCommands, StopWhileTheTagsAreReadEndsBetweenBatchesAndDropsTheRowsNotRead) {
  folder.Write(u"a.mp3", Tagged(u"T", u"A", u"L"));
  StatusTrail trail;
  ChooseFolder(folder.Path());
  ASSERT_TRUE(RunUntilScanDoneHandled());
  ASSERT_TRUE(SlotOf(Worker::Tags).thread);
  // More rows than a batch holds, one in five without a tag. The reader's
  // first request waits for this thread, so it sees them all.
  const std::vector<std::u16string> files = {folder.Write(u"u.mp3", Untagged()),
                                             folder.Write(u"1.mp3", Tagged(u"1", u"A", u"L")),
                                             folder.Write(u"2.mp3", Tagged(u"2", u"A", u"L")),
                                             folder.Write(u"3.mp3", Tagged(u"3", u"A", u"L")),
                                             folder.Write(u"4.mp3", Tagged(u"4", u"A", u"L"))};
  std::vector<std::u16string> keptPaths = {folder.Path(u"a.mp3")};
  std::vector<std::u16string> paths;
  for (std::size_t i = 0; i < 2 * kTagBatchRows + 20; ++i) {
    paths.push_back(files[i % files.size()]);
    if (i % files.size() != 0) keptPaths.push_back(paths.back());
  }
  ListPaths(paths);
  // The click comes while the reader reads its second batch, or waits to
  // hand it over: at most that one is written after the first.
  ASSERT_TRUE(RunSentMessagesUntil([] { return Tracks().TaggedCount() > 0; }));
  ClickButton(State().btnListFile->hwnd);

  EXPECT_FALSE(SlotOf(Worker::Tags).thread);
  EXPECT_EQ(StatusText(), u"操作被中断!");
  EXPECT_EQ(CurrentControlStates(), TagReadingEnded(false));
  const std::size_t read = Tracks().Size();
  EXPECT_LT(read, keptPaths.size()) << "stopped before the last row";
  ASSERT_FALSE(taskbar.values().empty());
  EXPECT_LT(taskbar.values().back().done, taskbar.values().back().total);
  EXPECT_EQ(taskbar.ShownState(), TBPF_NOPROGRESS) << "gone at the stop";
  EXPECT_TRUE(ProgressBarGone());
  EXPECT_EQ(State().tagsRead, read);
  keptPaths.resize(std::min(read, keptPaths.size()));
  EXPECT_EQ(Column(0), keptPaths) << "dropped rows removed in order, unread rows gone";
  ExpectRowsMatchTable();
  PumpPending();  // the reader's closing message comes after the stop closed its handle
  EXPECT_FALSE(SlotOf(Worker::Tags).thread);
  EXPECT_EQ(trail.Count(u"操作被中断!"), 1);
  EXPECT_TRUE(trail.After(u"共找到 ").empty()) << "no summary after the stop";
  EXPECT_EQ(CurrentControlStates(), TagReadingEnded(false));
}

TEST_F(ListingCommands, AClickAsTheTagReadingEndsFindsItRunningOrOverNeverHalfway) {
  folder.Write(u"a.mp3", Tagged(u"T", u"A", u"L"));
  StatusTrail trail;
  ChooseFolder(folder.Path());
  ASSERT_TRUE(RunUntilScanDoneHandled());
  const HANDLE reader = SlotOf(Worker::Tags).thread.get();
  ASSERT_NE(reader, nullptr);
  // The reader has done all its work; its closing message waits in the queue.
  ASSERT_TRUE(WaitForThreadKeepingPostedMessages(reader));
  EXPECT_EQ(CurrentControlStates(), RefreshStarted()) << "the worker's end changed controls";
  // "停止" on a reading that has read every row ends it as it ends by
  // itself: all of the end in one step.
  ClickButton(State().btnListFile->hwnd);
  EXPECT_FALSE(SlotOf(Worker::Tags).thread);
  EXPECT_FALSE(SlotOf(Worker::Scan).thread) << "no refresh started under the reading";
  EXPECT_EQ(CurrentControlStates(), TagReadingEnded(true));
  EXPECT_EQ(StatusText(), u"共找到 1 个MP3文件, 成功读取 1 个ID3标签.");

  PumpPending();  // the closing message finds its handle closed and changes nothing
  EXPECT_EQ(CurrentControlStates(), TagReadingEnded(true));
  EXPECT_EQ(trail.Count(u"共找到 1 个MP3文件, 成功读取 1 个ID3标签."), 1);

  // The next click starts a refresh that nothing of the old reading disturbs.
  ClickButton(State().btnListFile->hwnd);
  EXPECT_EQ(CurrentControlStates(), RefreshStarted());
  ASSERT_TRUE(WaitForListing());
  EXPECT_EQ(CurrentControlStates(), TagReadingEnded(true));
  EXPECT_EQ(trail.Count(u"共找到 1 个MP3文件, 成功读取 1 个ID3标签."), 2);
  ExpectRowsMatchTable();
}

TEST_F(DeleteAndClear, DeleteAsksWithTheCountAndRemovesRowsWithTheirEntries) {
  SelectRows({1, 3});
  {
    MessageBoxAnswers no(IDNO);
    ClickDeleteEmpty();
    ASSERT_EQ(no.shown().size(), 1u);
    EXPECT_EQ(no.shown()[0].caption, u"提示");
    EXPECT_EQ(no.shown()[0].text, u"您确定要从列表中删除选中的 2 项吗?");
  }
  EXPECT_EQ(State().listFile->GetItemCount(), 4);
  EXPECT_EQ(GetFocus(), State().listFile->hwnd);

  SetFocus(State().mainWindow);
  SetText(State().editTitle->hwnd, u"1");
  {
    MessageBoxAnswers yes(IDYES);
    ClickDeleteEmpty();
    ASSERT_EQ(yes.shown().size(), 1u);
  }
  EXPECT_EQ(Column(0), (std::vector<std::u16string>{u"D:\\m\\0.mp3", u"D:\\m\\2.mp3"}));
  EXPECT_EQ(Column(1), (std::vector<std::u16string>{u"0", u"2"}));
  ExpectRowsMatchTable();
  EXPECT_EQ(State().filesFound, 2u);
  EXPECT_EQ(TextOf(State().labelSelection->hwnd), u"当前未选中任意一项.");
  EXPECT_EQ(TextOf(State().editTitle->hwnd), u"暂无");
  EXPECT_EQ(GetFocus(), State().listFile->hwnd);
  EXPECT_TRUE(IsWindowEnabled(State().btnProcess->hwnd)) << "deleting leaves the rename button";
}

TEST_F(DeleteAndClear, NoneOrAllSelectedClearsAfterAYes) {
  for (const std::vector<int>& selection : {std::vector<int>{0, 1, 2, 3}, std::vector<int>{}}) {
    SCOPED_TRACE(selection.size());
    SelectRows(selection);
    {
      MessageBoxAnswers no(IDNO);
      ClickDeleteEmpty();
      ASSERT_EQ(no.shown().size(), 1u);
      EXPECT_EQ(no.shown()[0].caption, u"提示");
      EXPECT_EQ(no.shown()[0].text, u"您确定要清空文件列表吗?");
    }
    EXPECT_EQ(State().listFile->GetItemCount(), 4);
    EXPECT_EQ(Tracks().TaggedCount(), 3u);
  }
  SetText(State().editTitle->hwnd, u"0");
  MessageBoxAnswers yes(IDYES);
  ClickDeleteEmpty();
  EXPECT_EQ(State().listFile->GetItemCount(), 0);
  EXPECT_EQ(Tracks().Size(), 0u);
  EXPECT_EQ(State().filesFound, 0u);
  EXPECT_EQ(StatusText(), u"列表被清空!");
  EXPECT_EQ(TextOf(State().editTitle->hwnd), u"暂无");
  EXPECT_FALSE(IsWindowEnabled(State().btnProcess->hwnd));
  // An empty list still asks.
  SetStatusText(u"");
  ClickDeleteEmpty();
  EXPECT_EQ(yes.shown().size(), 2u);
  EXPECT_EQ(StatusText(), u"列表被清空!");
}

}  // namespace
