#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/file_identity.h"
#include "platform/file_system_decorator.h"
#include "platform/held_file.h"
#include "platform/volume_identities.h"
#include "support/temp_folder.h"
#include "tracks/rename.h"

namespace {

using test_support::TempFolder;

TEST(FileIdentity, TellsOneFileUnderAnyNameTheFileSystemGivesIt) {
  TempFolder folder;
  const std::u16string song = folder.Write(u"Song.mp3", {1});
  const std::u16string other = folder.Write(u"other.mp3", {1});
  folder.MakeFolder(u"sub");
  const bool ignoresCase = std::filesystem::exists(folder.path() / "SONG.MP3");

  struct Case {
    std::u16string a, b;
    bool same;
  };
  const Case cases[] = {
      {song, song, true},
      {song, folder.Path(u"SONG.MP3"), ignoresCase},
      {song, other, false},
      {song, folder.Path(u"missing.mp3"), false},
      {folder.Path(u"missing.mp3"), folder.Path(u"missing.mp3"), false},
      {folder.Path(u"sub"), folder.Path(u"sub"), true},
      {folder.Path(u"sub"), folder.Path(), false},
      {song, song + u'\0' + u"x", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::IsSameFile(c.a, c.b), c.same) << &c - cases;
  }

  std::error_code error;
  std::filesystem::create_hard_link(folder.path() / "Song.mp3", folder.path() / "link.mp3", error);
  if (!error) {
    EXPECT_TRUE(platform::IsSameFile(song, folder.Path(u"link.mp3")));
  }
}

TEST(FileIdentity, GivesTheNameAsStored) {
  TempFolder folder;
  const std::u16string song = folder.Write(u"Song 歌曲.mp3", {1});
  const bool ignoresCase =
      std::filesystem::exists(std::filesystem::path(folder.Path(u"SONG 歌曲.MP3")));

  EXPECT_EQ(platform::NameOnDisk(song), std::u16string(u"Song 歌曲.mp3"));
  const std::optional<std::u16string> other = platform::NameOnDisk(folder.Path(u"SONG 歌曲.MP3"));
  if (ignoresCase) {
    EXPECT_EQ(other, std::u16string(u"Song 歌曲.mp3"));
  } else {
    EXPECT_EQ(other, std::nullopt);
  }
  EXPECT_EQ(platform::NameOnDisk(folder.Path(u"missing.mp3")), std::nullopt);
  EXPECT_EQ(platform::NameOnDisk(folder.Path(u"Song*")), std::nullopt);
}

// The system's held file (one handle on the file, under Wine and on
// Windows) and the default one (every question put to the members by path)
// on the real disk: the same identity, names and refusals.
TEST(HeldFile, TheSystemsOwnAndTheOneByPathAgreeOnTheDisk) {
  using platform::MoveResult;
  const test_support::FileSystemDecorator byPath;
  for (const platform::FileSystem* fs :
       {&platform::SystemFileSystem(), static_cast<const platform::FileSystem*>(&byPath)}) {
    SCOPED_TRACE(fs == &byPath ? "by path" : "the system's");
    TempFolder folder;
    const std::u16string song = folder.Write(u"Song.mp3", {1, 2});
    folder.Write(u"Taken.mp3", {3});
    folder.MakeFolder(u"Folder.mp3");
    const std::unique_ptr<platform::HeldFile> held = fs->Hold(song);
    ASSERT_TRUE(held);
    EXPECT_FALSE(held->IsLink());
    const std::optional<platform::FileStamp> stamp = held->Stamp();
    ASSERT_TRUE(stamp);
    EXPECT_EQ(stamp->id, platform::IdentifyFile(song));
    EXPECT_EQ(stamp->size, 2u);
    EXPECT_TRUE(platform::SameFileStamp(stamp, fs->StampFile(song)));
    EXPECT_EQ(held->StoredName(), std::u16string(u"Song.mp3"));
    EXPECT_EQ(held->MoveTo(folder.Path(u"Taken.mp3")), MoveResult::NameTaken);
    EXPECT_EQ(held->MoveTo(folder.Path(u"Folder.mp3")), MoveResult::NameTaken);
    EXPECT_EQ(held->MoveTo(folder.Path(u"歌曲.mp3")), MoveResult::Moved);
    EXPECT_EQ(held->StoredName(), std::u16string(u"歌曲.mp3"));
    EXPECT_TRUE(platform::SameFileStamp(held->Stamp(), fs->StampFile(folder.Path(u"歌曲.mp3"))));
    EXPECT_EQ(folder.Names(),
              (std::vector<std::u16string>{u"Folder.mp3", u"Taken.mp3", u"歌曲.mp3"}));
    EXPECT_EQ(folder.Read(u"Taken.mp3"), std::vector<unsigned char>{3});
    // Held by another spelling, where the file system ignores case.
    if (std::filesystem::exists(folder.path() / u"歌曲.MP3")) {
      const std::unique_ptr<platform::HeldFile> other = fs->Hold(folder.Path(u"歌曲.MP3"));
      ASSERT_TRUE(other);
      EXPECT_EQ(other->StoredName(), std::u16string(u"歌曲.mp3"));
    }
    const std::unique_ptr<platform::HeldFile> missing = fs->Hold(folder.Path(u"missing.mp3"));
    EXPECT_TRUE(!missing || (!missing->Stamp() && !missing->StoredName() &&
                             missing->MoveTo(folder.Path(u"x.mp3")) == MoveResult::Failed));
  }
}

TEST(FileIdentity, TellsFilesApartByAll128BitsAndNeverMatchesAnUnknownIdentity) {
  using platform::FileId;
  // FILE_ID_INFO, least significant byte first; on ReFS two files can share
  // the lower 64 bits that the older file index gives.
  const unsigned char first[16] = {0x64, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
  const unsigned char second[16] = {0x64, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0};
  const unsigned char ntfs[16] = {0x78, 0x56, 0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x90};
  const unsigned char zeros[16] = {};
  struct Case {
    const char* what;
    FileId a, b;
    bool same;
  };
  const Case cases[] = {
      {"one 128-bit identity", platform::FileIdFrom128(7, first), platform::FileIdFrom128(7, first),
       true},
      {"upper halves differ", platform::FileIdFrom128(7, first), platform::FileIdFrom128(7, second),
       false},
      {"volumes differ", platform::FileIdFrom128(7, first), platform::FileIdFrom128(8, first),
       false},
      {"a 64-bit index read as 128 bits", platform::FileIdFrom128(7, ntfs),
       platform::FileIdFromIndex(7, 0x90ABCDEF, 0x12345678), true},
      {"all zeros", platform::FileIdFrom128(7, zeros), platform::FileIdFrom128(7, zeros), false},
      {"an index of zero", platform::FileIdFromIndex(7, 0, 0), platform::FileIdFromIndex(7, 0, 0),
       false},
      {"zero against a known one", FileId{7, 0, 0}, FileId{7, 0, 0x64}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.a == c.b, c.same);
    EXPECT_EQ(c.a != c.b, !c.same);
    EXPECT_EQ(platform::SameFileId(c.a, c.b), c.same);
  }
  EXPECT_FALSE(platform::SameFileId(std::nullopt, std::nullopt));

  // A share that reports zero for every file, as some redirectors do: the
  // undo cannot tell its file from a stranger, so it moves nothing back.
  const test_support::ZeroIdentities share;
  TempFolder folder;
  const std::u16string a = folder.Write(u"a.mp3", {1});
  const RenameOutcome renamed = RenameTrack(a, u"Song.mp3", share);
  ASSERT_EQ(renamed.result, RenameResult::Renamed);
  EXPECT_EQ(RenameTrackBack(renamed.path, a, renamed.file, share).result, RenameResult::NotRenamed);
  EXPECT_EQ(folder.Names(), std::vector<std::u16string>{u"Song.mp3"});
}

}  // namespace
