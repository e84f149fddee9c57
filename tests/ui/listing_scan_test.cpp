// The scan through the window: "..." starts it, the status bar follows every
// report, and the list gets one row per .mp3 file in the order of the walk.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "listing_fixture.h"
#include "platform/file_system_decorator.h"
#include "platform/text.h"
#include "tracks/scan.h"
#include "ui/controls/btn_list_file.h"
#include "ui/controls/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/edit.h"
#include "ui/framework/win_text.h"

namespace {

using ListingScan = ListingTest;

TEST_F(ListingScan, ReportsEveryFolderAndMp3FileInTheOrderOfTheWalk) {
  // Names that only look like .mp3 files stay out, ".mp3" in any letter case is in;
  // a folder named x.mp3 is a folder.
  for (const char16_t* name :
       {u"A/a.mp3", u"A/A2/deep.mp3", u"B/b.mp3", u"x.mp3/inner.mp3", u"top.mp3", u"a.b.mp3",
        u".mp3", u"song.MP3", u"tune.Mp3", u"song.mp3.bak", u"nodot"}) {
    folder.Write(name, Untagged());
  }
  // The walk's order is the scan's own, tested with a fixed listing in the
  // scan's tests; here the window must show every report, in that order.
  std::vector<std::u16string> expectedTexts;
  std::vector<std::u16string> expectedRows;
  const StopRequest never;
  ScanDirectory(
      folder.Path(), true,
      [&](const std::u16string& path, bool isFolder) {
        expectedTexts.push_back(path);
        if (!isFolder) expectedRows.push_back(path);
      },
      never);
  std::vector<std::u16string> files = expectedRows;
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::u16string>{folder.Path(u".mp3"), folder.Path(u"A/A2/deep.mp3"),
                                                folder.Path(u"A/a.mp3"), folder.Path(u"B/b.mp3"),
                                                folder.Path(u"a.b.mp3"), folder.Path(u"song.MP3"),
                                                folder.Path(u"top.mp3"), folder.Path(u"tune.Mp3"),
                                                folder.Path(u"x.mp3/inner.mp3")}));

  // However the reports fall: all at once, or in several batches over a
  // slow listing.
  const test_support::PacedListing slow(std::chrono::milliseconds(40));
  for (const platform::FileSystem* fileSystem :
       {&platform::SystemFileSystem(), static_cast<const platform::FileSystem*>(&slow)}) {
    SCOPED_TRACE(fileSystem == &slow ? "slow" : "fast");
    const FileSystemInUse inUse(*fileSystem);
    taskbar.Forget();
    // While the scan reports, the taskbar button is busy and the window
    // shows no bar: nobody knows yet how many files there are.
    int busyReports = 0;
    // The rows as the tag reading takes them up, before it drops them all.
    std::vector<std::u16string> rowsListed;
    const StatusTrail trail([&](const std::u16string& text) {
      if (text.rfind(u"正在读取ID3标签: ", 0) == 0 && rowsListed.empty()) {
        for (std::size_t row = 0; row < Tracks().Size(); ++row) {
          rowsListed.push_back(Tracks().Row(row)->path);
        }
      }
      if (text.rfind(u"正在请求文件: ", 0) != 0) return;
      busyReports += taskbar.ShownState() == TBPF_INDETERMINATE && ProgressBarGone() ? 1 : 0;
    });
    ChooseFolder(folder.Path());
    ASSERT_TRUE(WaitForListing());
    // The status follows the walk: each report names a path met after the
    // one the report before named, the last report the last path met.
    const std::vector<std::u16string> shown = trail.After(u"正在请求文件: ");
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(busyReports, static_cast<int>(shown.size()));
    auto met = expectedTexts.begin();
    for (const std::u16string& path : shown) {
      met = std::find(met, expectedTexts.end(), path);
      ASSERT_NE(met, expectedTexts.end()) << platform::Utf16ToUtf8(path);
    }
    EXPECT_EQ(shown.back(), expectedTexts.back());
    if (fileSystem == &slow) {
      EXPECT_GE(shown.size(), 2u) << "the reports came in batches";
    }
    ExpectCountedToTheEndThenGone(taskbar, 9);
    EXPECT_EQ(State().filesFound, 9u);
    // Every file was untagged: the rows went with the tag reading, so they
    // are checked as it began.
    EXPECT_EQ(rowsListed, expectedRows);
    EXPECT_EQ(StatusText(), u"共找到 9 个MP3文件, 成功读取 0 个ID3标签.");
  }
}

TEST_F(ListingScan, TrailingBackslashIsDroppedAndSubfoldersOffListsTheFolderAlone) {
  folder.Write(u"a.mp3", Tagged(u"T", u"A", u"L"));
  folder.Write(u"sub/b.mp3", Tagged(u"T", u"A", u"L"));
  folder.MakeFolder(u"y.mp3");
  // The check box toggles once per click.
  SendMessageW(State().checkSubfolders->hwnd, BM_CLICK, 0, 0);
  ASSERT_EQ(SendMessageW(State().checkSubfolders->hwnd, BM_GETCHECK, 0, 0), BST_UNCHECKED);

  StatusTrail trail;
  SetText(State().editWorkDir->hwnd, folder.Path() + u"\\");
  State().btnListFile->OnClick();
  ASSERT_TRUE(WaitForListing());

  const std::vector<std::u16string> one{folder.Path(u"a.mp3")};
  EXPECT_EQ(Column(0), one);
  EXPECT_EQ(trail.After(u"正在请求文件: "), one);
  EXPECT_EQ(StatusText(), u"共找到 1 个MP3文件, 成功读取 1 个ID3标签.");
}

TEST_F(ListingScan, DriveRootIsWalkedWithOneSeparator) {
  // A file of the test's own in the root of the temporary folder's drive.
  const std::u16string temp = folder.Path();
  const std::u16string root = temp.substr(0, temp.find(u'\\') + 1);
  const std::u16string path =
      root + u"corvane-root-" + folder.path().filename().u16string() + u".mp3";
  {
    const HANDLE file = CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const test_support::Bytes bytes = Tagged(u"Root", u"A", u"L");
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }
  SendMessageW(State().checkSubfolders->hwnd, BM_CLICK, 0, 0);  // the whole drive would take long

  SetText(State().editWorkDir->hwnd, root);
  State().btnListFile->OnClick();
  const bool listed = WaitForListing();
  DeleteFileW(Wide(path));
  ASSERT_TRUE(listed);
  const std::vector<std::u16string> rows = Column(0);
  EXPECT_NE(std::find(rows.begin(), rows.end(), path), rows.end());
  for (const std::u16string& row : rows) {
    EXPECT_EQ(row.compare(0, root.size(), root), 0) << platform::Utf16ToUtf8(row);
    EXPECT_EQ(row.find(u"\\\\"), std::u16string::npos) << platform::Utf16ToUtf8(row);
  }
}

}  // namespace
