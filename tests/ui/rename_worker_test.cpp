// The rename worker run through "开始重命名!" on real files.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/text.h"
#include "support/renaming_fixture.h"
#include "ui/behaviour/list_file.h"

namespace {

using RenameWorker = RenamingTest;
using Names = std::vector<std::u16string>;

TEST_F(RenameWorker, WritesEachRowsOutcomeAndPathAndLeavesRenamedFilesAloneOnASecondRun) {
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
      {u"2.mp3", u"Same", u"Band", u"已拷贝", u"Same - Band - 拷贝 (1).mp3"},
      {u"3.mp3", u"Same", u"Band", u"已拷贝", u"Same - Band - 拷贝 (2).mp3"},
      {u"e.mp3", u"Taken", u"Band", u"已拷贝", u"Taken - Band - 拷贝 (1).mp3"},
      {u"song - case.mp3", u"Song", u"Case", u"已修改", u"Song - Case.mp3"},
      {u"100% %s.mp3", u"%s %d", u"100%", u"已修改", u"%s %d - 100%.mp3"},
      // Tag texts that would name another folder, or no file at all.
      {u"b.mp3", u"AC/DC", u"Band", u"未修改", u"b.mp3"},
      {u"c.mp3", u"..\\x", u"Band", u"未修改", u"c.mp3"},
      {u"d.mp3", u"Colon: here", u"Band", u"未修改", u"d.mp3"},
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

  Names expectedOnDisk = {u"untagged.mp3", u"Taken - Band.mp3"};
  for (const Row& row : rows) expectedOnDisk.push_back(row.finalName);
  std::sort(expectedOnDisk.begin(), expectedOnDisk.end());

  for (int run = 1; run <= 2; ++run) {
    SCOPED_TRACE(run);
    StatusTrail shown;
    ClickProcess();
    ASSERT_TRUE(WaitForRenamingOver());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      SCOPED_TRACE(platform::Utf16ToUtf8(rows[i].file));
      const int row = static_cast<int>(i);
      EXPECT_EQ(Cell(row, 0), folder.Path(rows[i].finalName));
      EXPECT_EQ(Cell(row, 2), rows[i].status);
      EXPECT_EQ(folder.Read(rows[i].finalName), ContentOf(rows[i].file));
    }
    EXPECT_EQ(Cell(untaggedRow - 1, 0), folder.Path(u"gone.mp3"));
    EXPECT_EQ(Cell(untaggedRow - 1, 2), u"未修改");
    EXPECT_EQ(Cell(untaggedRow, 0), folder.Path(u"untagged.mp3"));
    EXPECT_EQ(Cell(untaggedRow, 2), u"未修改");
    EXPECT_EQ(folder.Names(), expectedOnDisk);

    // Progress names each tagged row's path as it was when the row came up.
    std::vector<std::u16string> progress;
    for (const std::u16string& text : shown.Texts()) {
      if (text.rfind(u"正在重命名文件: ", 0) == 0) progress.push_back(text);
    }
    ASSERT_EQ(progress.size(), rows.size() + 1);
    EXPECT_EQ(progress[0], u"正在重命名文件: " +
                               folder.Path(run == 1 ? rows[0].file : rows[0].finalName));
    EXPECT_EQ(progress[7], u"正在重命名文件: " +
                               folder.Path(run == 1 ? rows[7].file : rows[7].finalName));
    EXPECT_EQ(StatusText(), u"共尝试重命名 13 个MP3文件, 成功重命名 8 个MP3文件.");
  }
}

TEST_F(RenameWorker, SummaryCountsTheFilesFoundAndTheFilesRenamed) {
  struct Case {
    int rows;
    unsigned filesFound;  // files without usable tags were found but not listed
    std::u16string summary;
  };
  const Case cases[] = {
      {0, 0, u"共尝试重命名 0 个MP3文件, 成功重命名 0 个MP3文件."},
      {8, 10, u"共尝试重命名 10 个MP3文件, 成功重命名 8 个MP3文件."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rows);
    for (int i = 0; i < c.rows; ++i) {
      const std::u16string n(1, static_cast<char16_t>(u'a' + i));
      AddTrack(n + u".mp3", u"Title " + n, u"Band");
    }
    State().filesFound = c.filesFound;
    ClickProcess();
    ASSERT_TRUE(WaitForRenamingOver());
    EXPECT_EQ(StatusText(), c.summary);
    ExpectRowsMatchDisk();
  }
}

}  // namespace
