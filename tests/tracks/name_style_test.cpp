#include <gtest/gtest.h>

#include "platform/text.h"
#include "tracks/name_style.h"

namespace {

TrackEntry Entry(std::u16string title, std::u16string artist, std::u16string album) {
  TrackEntry entry;
  entry.title = std::move(title);
  entry.artist = std::move(artist);
  entry.album = std::move(album);
  return entry;
}

struct NameCase {
  std::u16string style, title, artist, album, expected;
};

TEST(MakeNewName, WorkedExamples) {
  const NameCase cases[] = {
      {u"%title% - %artist%", u"Song", u"Band", u"Disc", u"Song - Band.mp3"},
      {u"%artist% - %album% - %title%", u"Song", u"Band", u"Disc", u"Band - Disc - Song.mp3"},
      {u"%title% (%title%)", u"Song", u"Band", u"Disc", u"Song (Song).mp3"},
      {u"%Title%", u"Song", u"Band", u"Disc", u"%Title%.mp3"},
      {u"100% %title%", u"Song", u"Band", u"Disc", u"100% Song.mp3"},
      {u"", u"Song", u"Band", u"Disc", u".mp3"},
      {u"abc", u"Song", u"Band", u"Disc", u"abc.mp3"},
      {u"%title%.mp3", u"Song", u"Band", u"Disc", u"Song.mp3.mp3"},
      // Tag texts are taken literally, also where they meet the style's text.
      {u"%title%", u"%artist%", u"Band", u"Disc", u"%artist%.mp3"},
      {u"%title% - %artist%", u"%artist%", u"%title%", u"Disc", u"%artist% - %title%.mp3"},
      {u"%album%", u"T", u"A", u"%title%", u"%title%.mp3"},
      {u"%album%title%", u"T", u"A", u"100%", u"100%title%.mp3"},
      {u"%title% - %artist%", u"%title%", u"B", u"C", u"%title% - B.mp3"},
      {u"%artist%", u"T", u"a%artist%", u"C", u"a%artist%.mp3"},
      {u"%%title%%", u"T", u"A", u"C", u"%T%.mp3"},
      {u"%title% - %artist%", u"测试", u"歌手", u"专辑", u"测试 - 歌手.mp3"},
      // Tag texts go in unchanged, forbidden characters included.
      {u"%title%", u"AC/DC: Live?", u"B", u"C", u"AC/DC: Live?.mp3"},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(MakeNewName(c.style, Entry(c.title, c.artist, c.album)), c.expected)
        << platform::Utf16ToUtf8(c.style);
  }
}

TEST(MakeNewName, MissingTextCountsAsEmpty) {
  TrackEntry entry;
  entry.title = u"Song";
  EXPECT_EQ(MakeNewName(u"%title% - %artist% [%album%]", entry), u"Song -  [].mp3");
}

TEST(NameStyle, ForbiddenCharacters) {
  EXPECT_EQ(ForbiddenCharsMessage(), u"文件名中不能包含这些字符: \\ / : * ? \" < > | ");
  for (const char16_t c : kForbiddenNameChars) {
    EXPECT_TRUE(HasForbiddenNameChar(std::u16string(u"%title%") + c + u"x"));
    EXPECT_TRUE(HasForbiddenNameChar(std::u16string(1, c)));
  }
  for (const std::u16string valid :
       {u"", u"%title% - %artist%", u"100% 测试 (1) [a] {b} 'c' .mp3"}) {
    EXPECT_FALSE(HasForbiddenNameChar(valid)) << platform::Utf16ToUtf8(valid);
  }
}

TEST(NameStyle, NeedsAPlaceholderWrittenExactly) {
  EXPECT_EQ(NoPlaceholderMessage(),
            u"文件名修改格式中至少要包含 %title%, %artist%, %album% 其中之一.");
  for (const std::u16string with : {u"%title%", u"x %artist%", u"%album%.mp3", u"%%title%%"}) {
    EXPECT_TRUE(HasPlaceholder(with)) << platform::Utf16ToUtf8(with);
  }
  for (const std::u16string without : {u"", u"   ", u"abc", u"%TITLE%", u"%Artist%", u"%foo%",
                                       u"%title", u"album%", u"% title %"}) {
    EXPECT_FALSE(HasPlaceholder(without)) << platform::Utf16ToUtf8(without);
  }
}

TEST(NewNameStatus, ComparesTheFileNameExactly) {
  const std::u16string sep(1, platform::kPathSeparator);
  const std::u16string folder = u"music" + sep + u"sub" + sep;
  EXPECT_EQ(NewNameStatus(folder + u"Song - Band.mp3", u"Song - Band.mp3"), kStatusRenamed);
  EXPECT_EQ(NewNameStatus(folder + u"song - band.mp3", u"Song - Band.mp3"), kStatusUnchanged);
  EXPECT_EQ(NewNameStatus(folder + u"Song - Band.MP3", u"Song - Band.mp3"), kStatusUnchanged);
  EXPECT_EQ(NewNameStatus(folder + u"Song - Band.mp3 ", u"Song - Band.mp3"), kStatusUnchanged);
  // Only the part after the last separator counts, not the folder's name.
  EXPECT_EQ(NewNameStatus(u"Song - Band.mp3" + sep + u"x.mp3", u"Song - Band.mp3"),
            kStatusUnchanged);
  EXPECT_EQ(FileNamePart(folder + u"a.mp3"), u"a.mp3");
}

}  // namespace
