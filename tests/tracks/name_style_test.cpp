#include <gtest/gtest.h>

#include <utility>

#include "platform/text.h"
#include "tracks/name_style.h"
#include "tracks/new_name_note.h"

namespace {

// An empty text stands for an absent one.
TrackEntry Entry(std::u16string title, std::u16string artist, std::u16string album,
                 std::u16string track = u"", std::u16string year = u"") {
  TrackEntry entry;
  const std::pair<std::optional<std::u16string>*, std::u16string*> fields[] = {
      {&entry.title, &title},
      {&entry.artist, &artist},
      {&entry.album, &album},
      {&entry.track, &track},
      {&entry.year, &year}};
  for (const auto& [member, text] : fields) {
    if (!text->empty()) *member = std::move(*text);
  }
  return entry;
}

struct NameCase {
  std::u16string style, title, artist, album, expected;
  std::u16string track = u"", year = u"";
};

// An empty expected name: the file is not renamed.
TEST(MakeNewName, WorkedExamples) {
  const NameCase cases[] = {
      {u"%title% - %artist%", u"Song", u"Band", u"Disc", u"Song - Band.mp3"},
      {u"%artist% - %album% - %title%", u"Song", u"Band", u"Disc", u"Band - Disc - Song.mp3"},
      {u"%title% (%title%)", u"Song", u"Band", u"Disc", u"Song (Song).mp3"},
      {u"100% %title%", u"Song", u"Band", u"Disc", u"100% Song.mp3"},
      {u"%title%.mp3", u"Song", u"Band", u"Disc", u"Song.mp3.mp3"},
      // Without a placeholder of title, artist or album there is no name.
      {u"%Title%", u"Song", u"Band", u"Disc", u""},
      {u"", u"Song", u"Band", u"Disc", u""},
      {u"abc", u"Song", u"Band", u"Disc", u""},
      {u"%track%%year%", u"Song", u"Band", u"Disc", u"", u"07", u"2003"},
      // Tag texts are taken literally, also where they meet the style's text.
      {u"%title%", u"%artist%", u"Band", u"Disc", u"%artist%.mp3"},
      {u"%title% - %artist%", u"%artist%", u"%title%", u"Disc", u"%artist% - %title%.mp3"},
      {u"%album%", u"T", u"A", u"%title%", u"%title%.mp3"},
      {u"%album%title%", u"T", u"A", u"100%", u"100%title%.mp3"},
      {u"%title% - %artist%", u"%title%", u"B", u"C", u"%title% - B.mp3"},
      {u"%artist%", u"T", u"a%artist%", u"C", u"a%artist%.mp3"},
      {u"%title%", u"%track%", u"A", u"C", u"%track%.mp3", u"07"},
      {u"%%title%%", u"T", u"A", u"C", u"%T%.mp3"},
      {u"%title% - %artist%", u"测试", u"歌手", u"专辑", u"测试 - 歌手.mp3"},
      {u"%track% - %artist% - %title% (%year%)", u"晴天", u"周杰伦", u"叶惠美",
       u"07 - 周杰伦 - 晴天 (2003).mp3", u"07", u"2003"},
      // Tag texts made fit for a name; the style's own text stays as typed.
      {u"%artist% - %title%", u"Where Are You?", u"梁静茹/光良", u"C",
       u"梁静茹／光良 - Where Are You？.mp3"},
      {u"%title%", u"\\/:*?\"<>|", u"A", u"C", u"＼／：＊？＂＜＞｜.mp3"},
      {u"%title%", u"晴\u0001天\t周\r\n杰伦\u007F", u"A", u"C", u"晴天 周 杰伦.mp3"},
      {u"%title%", u" 　晴天 　叶惠美　 不能说的秘密 ", u"A", u"C",
       u"晴天 叶惠美　不能说的秘密.mp3"},
      {u"  %title%  [%track%]", u" \tA\u0002 ", u"B", u"C", u"  A  [B？1].mp3", u"B?1"},
      // An empty placeholder leaves no trace.
      {u"%title% - %artist%", u"晴天", u"", u"C", u"晴天.mp3"},
      {u"%artist% - %album% - %title%", u"晴天", u"周杰伦", u"", u"周杰伦 - 晴天.mp3"},
      {u"%track%. %title%", u"晴天", u"A", u"C", u"晴天.mp3"},
      {u"%title% (%year%)", u"晴天", u"A", u"C", u"晴天.mp3"},
      {u"[%track%] %title% [%year%]", u"晴天", u"A", u"C", u"[07] 晴天.mp3", u"07"},
      {u"%title% - %artist%", u" \t　", u"周杰伦", u"C", u"周杰伦.mp3"},
      {u"%track% - %title%", u"", u"A", u"C", u"", u"07"},
      {u"%title%", u"\u0001 \u3000", u"A", u"C", u""},
  };
  for (const NameCase& c : cases) {
    EXPECT_EQ(MakeNewName(c.style, Entry(c.title, c.artist, c.album, c.track, c.year)), c.expected)
        << platform::Utf16ToUtf8(c.style) << " / " << platform::Utf16ToUtf8(c.title);
  }
}

TEST(MakeNewName, MissingTextCountsAsEmpty) {
  TrackEntry entry;
  entry.title = u"Song";
  EXPECT_EQ(MakeNewName(u"%title% - %artist% [%album%]", entry), u"Song.mp3");
  std::u16string reused = u"old";
  EXPECT_FALSE(MakeNewNameInto(u"%artist%", entry, reused));
  EXPECT_EQ(reused, u"");
  EXPECT_TRUE(MakeNewNameInto(u"%title%", entry, reused));
  EXPECT_EQ(reused, u"Song.mp3");
}

// The preview's note follows from the name and, for its length, the path.
TEST(NewNameNote, TellsWhyANameWillNotBeUsed) {
  const TrackEntry trackOnly = Entry(u"", u"", u"", u"07");
  const TrackEntry device = Entry(u"Nul", u"", u"");
  const std::u16string path = std::u16string(u"music") + platform::kPathSeparator + u"a.mp3";
  EXPECT_EQ(NoteOnNewName(MakeNewName(u"%track% - %title%", trackOnly), path),
            NewNameNote::NoNameText);
  EXPECT_EQ(NoteOnNewName(MakeNewName(u"%title%", device), path), NewNameNote::Unusable);
  EXPECT_EQ(NoteOnNewName(MakeNewName(u"%track% - %title%", Entry(u"Nul", u"", u"", u"07")), path),
            NewNameNote::None);
  EXPECT_EQ(NoteText(NewNameNote::Unusable), u"(无法使用此文件名)");
  EXPECT_NE(NoteText(NewNameNote::NoNameText), NoteText(NewNameNote::Unusable));
  EXPECT_EQ(NoteText(NewNameNote::None), u"");
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
                                       u"%title", u"album%", u"% title %", u"%track% - %year%"}) {
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
