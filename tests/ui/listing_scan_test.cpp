// The scan through the window: "..." starts it, the status bar follows every
// report, and the list gets one row per .mp3 file in the order of the walk.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "listing_fixture.h"
#include "platform/text.h"
#include "ui/behaviour/btn_list_file.h"
#include "ui/behaviour/list_file.h"
#include "ui/framework/check_box.h"
#include "ui/framework/edit.h"
#include "ui/framework/win_text.h"

namespace {

using ListingScan = ListingTest;

struct Report {
  std::u16string path;
  bool isFolder;
};

// The walk as the file system enumerates it: a folder's entries first, its
// subfolders afterwards, the one met last first.
std::vector<Report> ExpectedWalk(const std::u16string& top) {
  std::vector<Report> reports;
  std::vector<std::u16string> pending{top};
  while (!pending.empty()) {
    const std::u16string parent = pending.back();
    pending.pop_back();
    WIN32_FIND_DATAW entry{};
    const HANDLE find = FindFirstFileW(Wide(parent + u"\\*.*"), &entry);
    if (find == INVALID_HANDLE_VALUE) continue;
    do {
      const std::u16string name = platform::FromWide(entry.cFileName);
      const std::u16string path = parent + u"\\" + name;
      if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        if (name == u"." || name == u"..") continue;
        pending.push_back(path);
        reports.push_back({path, true});
      } else if (name.rfind(u'.') != std::u16string::npos && name.substr(name.rfind(u'.')) == u".mp3") {
        reports.push_back({path, false});
      }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  return reports;
}

TEST_F(ListingScan, ReportsEveryFolderAndMp3FileInTheOrderOfTheWalk) {
  // Names that only look like .mp3 files stay out; a folder named x.mp3 is a folder.
  for (const char16_t* name : {u"A/a.mp3", u"A/A2/deep.mp3", u"B/b.mp3", u"x.mp3/inner.mp3",
                               u"top.mp3", u"a.b.mp3", u".mp3", u"song.MP3", u"tune.Mp3",
                               u"song.mp3.bak", u"nodot"}) {
    folder.Write(name, Untagged());
  }
  const std::vector<Report> walk = ExpectedWalk(folder.Path());
  std::vector<std::u16string> expectedTexts;
  std::vector<std::u16string> expectedRows;
  for (const Report& report : walk) {
    expectedTexts.push_back(report.path);
    if (!report.isFolder) expectedRows.push_back(report.path);
  }
  ASSERT_EQ(expectedRows.size(), 7u) << "the walk model itself lost a file";

  StatusTrail trail;
  ChooseFolder(folder.Path());
  ASSERT_TRUE(WaitForListing());
  EXPECT_EQ(trail.After(u"正在请求文件: "), expectedTexts);
  EXPECT_EQ(State().filesFound, 7u);
  // Every file was untagged: the rows went with the tag reading, so the
  // order of the rows is checked through the tag reading's texts.
  EXPECT_EQ(trail.After(u"正在读取ID3标签: "), expectedRows);
  EXPECT_EQ(StatusText(), u"共找到 7 个MP3文件, 成功读取 0 个ID3标签.");
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
  const std::u16string path = root + u"corvane-root-" + folder.path().filename().u16string() + u".mp3";
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
