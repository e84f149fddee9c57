#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "platform/file_identity.h"
#include "support/temp_folder.h"

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

}  // namespace
