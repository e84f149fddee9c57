#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/text.h"
#include "support/temp_folder.h"
#include "tracks/name_style.h"
#include "tracks/rename.h"

namespace {

using test_support::TempFolder;
using Bytes = std::vector<unsigned char>;
using Names = std::vector<std::u16string>;

Bytes ContentOf(const std::u16string& name) {
  const std::string text = platform::Utf16ToUtf8(name);
  return Bytes(text.begin(), text.end());
}

// Each file holds its own first name, so that it can be recognised anywhere.
void WriteFiles(const TempFolder& folder, const Names& names) {
  for (const std::u16string& name : names) folder.Write(name, ContentOf(name));
}

bool FileSystemIgnoresCase(const TempFolder& folder) {
  folder.Write(u"case-probe", {1});
  const bool ignores = std::filesystem::exists(folder.path() / "CASE-PROBE");
  std::filesystem::remove(folder.path() / "case-probe");
  return ignores;
}

struct RenameCase {
  const char* what;
  Names present;
  std::u16string file;
  std::u16string newName;
  RenameResult result;
  std::u16string finalName;
  Names namesAfter;  // sorted
};

TEST(RenameTrack, MovesToTheNewNameOrTheFirstFreeCopyName) {
  const RenameCase cases[] = {
      {"a free name", {u"a.mp3"}, u"a.mp3", u"Song - Band.mp3", RenameResult::Renamed,
       u"Song - Band.mp3", {u"Song - Band.mp3"}},
      {"a Chinese name", {u"a.mp3"}, u"a.mp3", u"歌曲 - 歌手.mp3", RenameResult::Renamed,
       u"歌曲 - 歌手.mp3", {u"歌曲 - 歌手.mp3"}},
      {"a taken name", {u"a.mp3", u"Song.mp3"}, u"a.mp3", u"Song.mp3", RenameResult::Copied,
       u"Song - 拷贝 (1).mp3", {u"Song - 拷贝 (1).mp3", u"Song.mp3"}},
      {"copies 1 and 2 taken",
       {u"a.mp3", u"Song.mp3", u"Song - 拷贝 (1).mp3", u"Song - 拷贝 (2).mp3"}, u"a.mp3",
       u"Song.mp3", RenameResult::Copied, u"Song - 拷贝 (3).mp3",
       {u"Song - 拷贝 (1).mp3", u"Song - 拷贝 (2).mp3", u"Song - 拷贝 (3).mp3", u"Song.mp3"}},
      {"a name taken by a folder", {u"a.mp3", u"Song.mp3/inside.mp3"}, u"a.mp3", u"Song.mp3",
       RenameResult::Copied, u"Song - 拷贝 (1).mp3", {u"Song - 拷贝 (1).mp3", u"Song.mp3"}},
      {"the name it bears", {u"Song.mp3"}, u"Song.mp3", u"Song.mp3", RenameResult::AlreadyNamed,
       u"Song.mp3", {u"Song.mp3"}},
      {"the copy name it bears", {u"Song.mp3", u"Song - 拷贝 (1).mp3"}, u"Song - 拷贝 (1).mp3",
       u"Song.mp3", RenameResult::Copied, u"Song - 拷贝 (1).mp3",
       {u"Song - 拷贝 (1).mp3", u"Song.mp3"}},
      {"a case-only change", {u"song - band.mp3"}, u"song - band.mp3", u"Song - Band.mp3",
       RenameResult::Renamed, u"Song - Band.mp3", {u"Song - Band.mp3"}},
      {"a case-only change of the copy name", {u"Song.mp3", u"song - 拷贝 (1).mp3"},
       u"song - 拷贝 (1).mp3", u"Song.mp3", RenameResult::Copied, u"Song - 拷贝 (1).mp3",
       {u"Song - 拷贝 (1).mp3", u"Song.mp3"}},
      {"a vanished file", {u"b.mp3"}, u"a.mp3", u"Song.mp3", RenameResult::NotRenamed, u"a.mp3",
       {u"b.mp3"}},
      {"a temporary name in the way", {u"song.mp3", u"~corvane-rename-1.tmp"}, u"song.mp3",
       u"Song.mp3", RenameResult::Renamed, u"Song.mp3", {u"Song.mp3", u"~corvane-rename-1.tmp"}},
  };
  for (const RenameCase& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    WriteFiles(folder, c.present);
    const RenameOutcome outcome = RenameTrack(folder.Path(c.file), c.newName);
    EXPECT_EQ(outcome.result, c.result);
    EXPECT_EQ(outcome.path, folder.Path(c.finalName));
    // The listing shows the names as stored, so a case left unchanged shows.
    EXPECT_EQ(folder.Names(), c.namesAfter);
    if (c.result != RenameResult::NotRenamed) {
      EXPECT_EQ(folder.Read(c.finalName), ContentOf(c.file));
    }
  }
}

TEST(RenameTrack, GivesOneNameToThreeFilesAsNameAndTwoCopiesAndKeepsThemOnASecondRun) {
  TempFolder folder;
  const Names files = {u"1.mp3", u"2.mp3", u"3.mp3"};
  WriteFiles(folder, files);
  const Names finalNames = {u"Same.mp3", u"Same - 拷贝 (1).mp3", u"Same - 拷贝 (2).mp3"};
  const std::u16string_view statuses[] = {kStatusRenamed, kStatusCopied, kStatusCopied};
  std::vector<std::u16string> paths;
  for (const std::u16string& file : files) paths.push_back(folder.Path(file));

  for (int run = 0; run < 2; ++run) {
    for (std::size_t i = 0; i < paths.size(); ++i) {
      const RenameOutcome outcome = RenameTrack(paths[i], u"Same.mp3");
      EXPECT_EQ(RenameStatus(outcome.result), statuses[i]) << run << " " << i;
      EXPECT_TRUE(RenameSucceeded(outcome.result));
      EXPECT_EQ(outcome.path, folder.Path(finalNames[i])) << run << " " << i;
      EXPECT_EQ(folder.Read(finalNames[i]), ContentOf(files[i]));
      paths[i] = outcome.path;
    }
    EXPECT_EQ(folder.Names(), (Names{u"Same - 拷贝 (1).mp3", u"Same - 拷贝 (2).mp3", u"Same.mp3"}));
  }
}

TEST(RenameTrack, NeverTriesANameThatCouldLeaveTheFolder) {
  const std::u16string refused[] = {
      u"AC/DC.mp3",  u"sub/x.mp3",    u"sub\\x.mp3", u"..\\x.mp3",  u"../x.mp3",
      u"x:y.mp3",    u"x*y.mp3",      u"x?y.mp3",    u"x\"y.mp3",   u"x<y.mp3",
      u"x>y.mp3",    u"x|y.mp3",      u"x\ty.mp3",   u"x\x01y.mp3", u"x\x1Fy.mp3",
      u"x\x7Fy.mp3", std::u16string(u"x\0y.mp3", 8), u"..",          u".",
      u""};
  for (const std::u16string& name : refused) {
    SCOPED_TRACE(platform::Utf16ToUtf8(name));
    TempFolder root;
    WriteFiles(root, {u"work/a.mp3"});
    root.MakeFolder(u"work/sub");
    root.MakeFolder(u"work/AC");
#ifndef _WIN32
    // Where the name itself is possible, a file bearing it would lead to a
    // copy name if the name were tried at all.
    if (name.find(u'/') == std::u16string::npos && name.find(u'\0') == std::u16string::npos &&
        !name.empty() && name != u"." && name != u"..") {
      WriteFiles(root, {u"work/" + name});
    }
#endif
    const Names before = root.Names(u"work");
    EXPECT_FALSE(IsAcceptableFileName(name));
    const RenameOutcome outcome = RenameTrack(root.Path(u"work/a.mp3"), name);
    EXPECT_EQ(outcome.result, RenameResult::NotRenamed);
    EXPECT_EQ(RenameStatus(outcome.result), kStatusUnchanged);
    EXPECT_EQ(outcome.path, root.Path(u"work/a.mp3"));
    EXPECT_EQ(root.Names(u"work"), before);
    EXPECT_EQ(root.Names(), Names{u"work"});
    EXPECT_TRUE(root.Names(u"work/sub").empty());
    EXPECT_TRUE(root.Names(u"work/AC").empty());
  }
}

TEST(RenameTrack, KeepsTwoFilesApartWhenTheNameDiffersFromAnotherOnlyInCase) {
  TempFolder folder;
  WriteFiles(folder, {u"a.mp3", u"SONG.mp3"});
  const bool ignoresCase = FileSystemIgnoresCase(folder);
  const RenameOutcome outcome = RenameTrack(folder.Path(u"a.mp3"), u"Song.mp3");
  // Whether SONG.mp3 takes the name is for the file system to say.
  const std::u16string expected = ignoresCase ? u"Song - 拷贝 (1).mp3" : u"Song.mp3";
  EXPECT_EQ(outcome.result, ignoresCase ? RenameResult::Copied : RenameResult::Renamed);
  EXPECT_EQ(outcome.path, folder.Path(expected));
  EXPECT_EQ(folder.Read(expected), ContentOf(u"a.mp3"));
  EXPECT_EQ(folder.Read(u"SONG.mp3"), ContentOf(u"SONG.mp3"));
  EXPECT_EQ(folder.Names().size(), 2u);
}

TEST(RenameTrack, TakesANameHeldByAHardLinkOfTheFileAsTaken) {
  TempFolder folder;
  WriteFiles(folder, {u"a.mp3"});
  std::error_code error;
  std::filesystem::create_hard_link(folder.path() / "a.mp3", folder.path() / "Song.mp3", error);
  if (error) GTEST_SKIP() << "no hard links here: " << error.message();
  // The file itself answers to the name, so it goes through a temporary name,
  // finds the name taken there and comes back before trying copy names.
  const RenameOutcome outcome = RenameTrack(folder.Path(u"a.mp3"), u"Song.mp3");
  EXPECT_EQ(outcome.result, RenameResult::Copied);
  EXPECT_EQ(outcome.path, folder.Path(u"Song - 拷贝 (1).mp3"));
  EXPECT_EQ(folder.Names(), (Names{u"Song - 拷贝 (1).mp3", u"Song.mp3"}));
}

TEST(RenameTrack, UsesTheWholePathBeyondTheOldBufferLength) {
  // Past the 259 units that a list cell holds: the move either happens to
  // exactly this path or not at all, never to a cut one.
  TempFolder root;
  const std::u16string folder(200, u'd');
  WriteFiles(root, {folder + u"/a.mp3"});
  const std::u16string newName = std::u16string(60, u'N') + u".mp3";
  const std::u16string target = root.Path(folder + u"/" + newName);
  ASSERT_GT(target.size(), 259u);
  const RenameOutcome outcome = RenameTrack(root.Path(folder + u"/a.mp3"), newName);
  if (outcome.result == RenameResult::Renamed) {
    EXPECT_EQ(outcome.path, target);
  } else {
    EXPECT_EQ(outcome.result, RenameResult::NotRenamed);
    EXPECT_EQ(outcome.path, root.Path(folder + u"/a.mp3"));
  }
  EXPECT_EQ(root.Names(folder), Names{std::u16string(FileNamePart(outcome.path))});
  EXPECT_EQ(root.Names(), Names{folder});
}

}  // namespace
