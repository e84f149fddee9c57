// The tag reading over rows put straight into the list: which rows stay,
// what they show, the table beside them, the summary and the rename button.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "listing_fixture.h"
#include "ui/controls/btn_process.h"
#include "ui/controls/edit_name_style.h"
#include "ui/controls/list_file.h"
#include "ui/framework/win_text.h"
#include "ui/state/rows.h"

namespace {

using TagReading = ListingTest;

TEST_F(TagReading, KeepsRowsWithATitleArtistOrAlbumFillsGapsFromId3v1AndDropsTheRest) {
  struct Case {
    std::u16string name;
    test_support::Bytes bytes;
    bool kept;  // a title, an artist or an album has a text
    std::u16string title;
    std::u16string artist;
    std::u16string album;
  };
  using namespace test_support;
  const Bytes trackOnly = Id3v2({{"TRCK", TextBody(0, ToBytes("7"))}});
  const std::vector<Case> cases = {
      {u"complete.mp3", Tagged(u"标题", u"歌手", u"专辑"), true, u"标题", u"歌手", u"专辑"},
      {u"untagged.mp3", Untagged(), false, u"", u"", u""},
      {u"no album in v2.mp3", WithId3v1(TaggedV2(u"Two", u"Artist2", u""), "T1", "A1", "Album1"),
       true, u"Two", u"Artist2", u"Album1"},
      {u"empty title frame.mp3",
       WithId3v1(TaggedV2(u"", u"Artist3", u"Album3", true), "Title1", "A1", "B1"), true, u"Title1",
       u"Artist3", u"Album3"},
      {u"incomplete v2 alone.mp3", TaggedV2(u"T", u"A", u""), true, u"T", u"A", u""},
      {u"v1 without album.mp3", WithId3v1(Untagged(), "T", "A", ""), true, u"T", u"A", u""},
      {u"v1 only.mp3", WithId3v1(Untagged(), "V1 title", "V1 artist", "V1 album"), true,
       u"V1 title", u"V1 artist", u"V1 album"},
      {u"title only.mp3", TaggedV2(u"单曲", u"", u""), true, u"单曲", u"", u""},
      {u"artist and album only.mp3", TaggedV2(u"", u"歌手", u"专辑"), true, u"", u"歌手", u"专辑"},
      {u"track only.mp3", Concat({trackOnly, FakeAudio(256)}), false, u"", u"", u""},
  };
  std::vector<std::u16string> paths;
  std::vector<std::u16string> keptPaths;
  std::vector<Case> keptCases;
  for (const Case& c : cases) {
    paths.push_back(folder.Write(c.name, c.bytes));
    if (c.kept) {
      keptPaths.push_back(paths.back());
      keptCases.push_back(c);
    }
  }
  ListPaths(paths);
  StartTagReading();
  ASSERT_TRUE(WaitForListing());

  EXPECT_EQ(Column(0), keptPaths);
  ExpectRowsMatchTable();
  for (std::size_t row = 0; row < keptCases.size() && row < Tracks().Size(); ++row) {
    const TrackEntry entry = *Tracks().Get(row);
    EXPECT_EQ(entry.artist.value_or(u""), keptCases[row].artist) << "row " << row;
    EXPECT_EQ(entry.album.value_or(u""), keptCases[row].album) << "row " << row;
    EXPECT_EQ(entry.title.value_or(u""), keptCases[row].title) << "row " << row;
  }
  EXPECT_EQ(State().tagsRead, 8u);
  EXPECT_EQ(State().filesFound, 10u) << "dropped rows are still counted as found";
  EXPECT_EQ(StatusText(), u"共找到 10 个MP3文件, 成功读取 8 个ID3标签.");
  EXPECT_EQ(CurrentControlStates(), TagReadingEnded(true));
  // Dropped rows count as read: the count reaches every file found.
  ExpectCountedToTheEndThenGone(taskbar, 10);
}

TEST_F(TagReading, RenameStaysOffUnlessATagWasRead) {
  struct Case {
    const char* what;
    std::vector<std::u16string> names;
    std::u16string summary;
  };
  const Case cases[] = {
      {"no row", {}, u"共找到 0 个MP3文件, 成功读取 0 个ID3标签."},
      {"every row dropped", {u"x.mp3", u"y.mp3"}, u"共找到 2 个MP3文件, 成功读取 0 个ID3标签."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::u16string> paths;
    for (const std::u16string& name : c.names) paths.push_back(folder.Write(name, Untagged()));
    State().filesFound = 0;
    ListPaths(paths);
    StartTagReading();
    ASSERT_TRUE(WaitForListing());
    EXPECT_EQ(StatusText(), c.summary);
    EXPECT_EQ(State().listFile->GetItemCount(), 0);
    EXPECT_EQ(CurrentControlStates(), TagReadingEnded(false));
  }
}

TEST_F(TagReading, StatusSaysWhetherTheFileAlreadyBearsItsNewName) {
  // Separate folders: a name differing only in case must not meet the other
  // on a file system that ignores case.
  const std::vector<std::u16string> paths = {
      folder.Write(u"1/Song - Singer.mp3", Tagged(u"Song", u"Singer", u"Album")),
      folder.Write(u"2/song - singer.mp3", Tagged(u"Song", u"Singer", u"Album")),
      folder.Write(u"3/other.mp3", Tagged(u"Song", u"Singer", u"Album")),
  };
  ListPaths(paths);
  StartTagReading();
  ASSERT_TRUE(WaitForListing());
  const std::vector<std::u16string> statuses = {u"已修改", u"未修改", u"未修改"};
  EXPECT_EQ(Column(2), statuses);
  EXPECT_EQ(Column(1), (std::vector<std::u16string>{u"Song", u"Song", u"Song"}));
  // A key release under the same style comes to the same statuses.
  ShowRowStatus(0, u"x");
  SendMessageW(State().editNameStyle->hwnd, WM_KEYUP, VK_SHIFT, 0xC0000001);
  EXPECT_EQ(Column(2), statuses);
}

TEST_F(TagReading, FilesThatCannotBeOpenedWhenTheirTurnComesLoseTheirRows) {
  const std::u16string vanished = folder.Write(u"vanished.mp3", Tagged(u"V", u"A", u"L"));
  const std::u16string locked = folder.Write(u"locked.mp3", Tagged(u"Lk", u"A", u"L"));
  const std::u16string kept = folder.Write(u"kept.mp3", Tagged(u"K", u"A", u"L"));
  ListPaths({vanished, locked, kept});
  ASSERT_TRUE(DeleteFileW(Wide(vanished)));
  // Opened by someone who shares it with nobody.
  const HANDLE lock =
      CreateFileW(Wide(locked), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  StartTagReading();
  const bool listed = WaitForListing();
  CloseHandle(lock);
  ASSERT_TRUE(listed);
  EXPECT_EQ(Column(0), std::vector<std::u16string>{kept});
  ExpectRowsMatchTable();
  EXPECT_EQ(StatusText(), u"共找到 3 个MP3文件, 成功读取 1 个ID3标签.");
}

TEST_F(TagReading, APathPastTheCellBufferIsReadWholeNeverCut) {
  // The first 259 units of the long path name another, tagged file: reading
  // through a cut path would list that file's tags under this row.
  const std::u16string longFolder = folder.Path(std::u16string(60, u'd'));
  const std::u16string longPath = longFolder + u"\\" + std::u16string(200, u'f') + u".mp3";
  const std::u16string cutPath = longPath.substr(0, 259);
  ASSERT_GT(cutPath.size(), longFolder.size() + 1) << "the cut must fall in the file's name";
  folder.Write(cutPath.substr(folder.Path().size() + 1), Tagged(u"Cut", u"A", u"L"));
  // The long file itself is missing: its row must go.
  ListPaths({longPath});
  StatusTrail trail;
  StartTagReading();
  ASSERT_TRUE(WaitForListing());
  EXPECT_EQ(State().listFile->GetItemCount(), 0);
  EXPECT_EQ(Tracks().Size(), 0u);
  EXPECT_EQ(trail.After(u"正在读取ID3标签: "), std::vector<std::u16string>{longPath});
}

// Listed, named and undone through the window: a 2.4 tag with two artists
// in one frame, a track number and no album, as downloads often come.
TEST_F(TagReading, ADuetWithATrackNumberAndNoAlbumIsNamedByItsTagsAndTheUndoGivesItsNameBack) {
  using namespace test_support;
  TagOptions version4;
  version4.version = 4;
  const Bytes tag =
      Id3v2({{"TIT2", TextBody(3, Utf8(u"宁夏"))},
             {"TPE1", TextBody(3, Concat({Utf8(u"梁静茹"), Bytes{0}, Utf8(u"光良")}))},
             {"TRCK", TextBody(0, ToBytes("7/12"))}},
            version4);
  folder.Write(u"track07.mp3", Concat({tag, FakeAudio(512)}));
  SetText(State().editNameStyle->hwnd, u"%track% - %artist% - %title%");
  ChooseFolder(folder.Path());
  ASSERT_TRUE(WaitForListing());
  EXPECT_EQ(StatusText(), u"共找到 1 个MP3文件, 成功读取 1 个ID3标签.");

  SendMessageW(State().btnProcess->hwnd, BM_CLICK, 0, 0);
  ASSERT_TRUE(PumpUntil([] { return !AnyWorkerRuns(); }));
  const std::u16string named = u"07 - 梁静茹／光良 - 宁夏.mp3";
  EXPECT_EQ(folder.Names(), std::vector<std::u16string>{named});
  EXPECT_EQ(Column(0), std::vector<std::u16string>{folder.Path(named)});
  EXPECT_EQ(Column(2), std::vector<std::u16string>{u"已修改"});
  {
    MessageBoxAnswers yes(IDYES);
    PressKey(State().listFile->hwnd, 'Z', VK_CONTROL);
    ASSERT_EQ(yes.shown().size(), 1u);
  }
  ASSERT_TRUE(PumpUntil([] { return !AnyWorkerRuns(); }));
  EXPECT_EQ(folder.Names(), std::vector<std::u16string>{u"track07.mp3"});
  EXPECT_EQ(Column(0), std::vector<std::u16string>{folder.Path(u"track07.mp3")});
}

}  // namespace
