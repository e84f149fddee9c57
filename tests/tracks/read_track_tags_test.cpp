#include <gtest/gtest.h>

#include "support/id3_builder.h"
#include "support/temp_folder.h"
#include "tracks/read_track_tags.h"

namespace {

using test_support::Bytes;
using test_support::Concat;
using test_support::Frame;
using test_support::TextBody;
using test_support::ToBytes;

Frame Text(const std::string& id, const std::string& text) {
  return Frame{id, TextBody(0x00, ToBytes(text))};
}

struct FateCase {
  const char* name;
  Bytes file;
  bool kept;
  const char16_t* title;
  const char16_t* artist;
  const char16_t* album;
  const char16_t* track = nullptr;
  const char16_t* year = nullptr;
};

// A file stays when any of title, artist and album has a text.
TEST(ReadTrackTags, KeepsOrDropsEachFileAndFillsGapsFromId3v1) {
  const Bytes audio = test_support::FakeAudio(600);
  const Bytes v1 =
      test_support::Id3v1(ToBytes("V1 Title"), ToBytes("V1 Artist"), ToBytes("V1 Album"));
  const Bytes v1NoAlbum = test_support::Id3v1(ToBytes("V1 Title"), ToBytes("V1 Artist"), {});
  const Bytes v2Complete =
      test_support::Id3v2({Text("TIT2", "Title"), Text("TPE1", "Artist"), Text("TALB", "Album")});
  const Bytes v2NoAlbum = test_support::Id3v2({Text("TIT2", "Title"), Text("TPE1", "Artist")});
  const Bytes v2NoArtist = test_support::Id3v2({Text("TIT2", "Title"), Text("TALB", "Album")});
  const Bytes v2EmptyTitle =
      test_support::Id3v2({Frame{"TIT2", {0x00}}, Text("TPE1", "Artist"), Text("TALB", "Album")});
  const Bytes v2TitleOnly = test_support::Id3v2({Text("TIT2", "Title")});
  const Bytes v2ArtistAlbum = test_support::Id3v2({Text("TPE1", "Artist"), Text("TALB", "Album")});
  const Bytes v2TrackOnly = test_support::Id3v2({Text("TRCK", "7")});
  const Bytes v2Numbers =
      test_support::Id3v2({Text("TIT2", "Title"), Text("TPE1", "Artist"), Text("TALB", "Album"),
                           Text("TRCK", "0"), Text("TYER", "2003")});
  const Bytes v11 = test_support::Id3v1(ToBytes("V1 Title"), ToBytes("V1 Artist"),
                                        ToBytes("V1 Album"), ToBytes("1999"), 4);
  const Bytes v1NumbersOnly = test_support::Id3v1({}, {}, {}, ToBytes("1999"), 4);

  const FateCase cases[] = {
      {"v2 complete", Concat({v2Complete, audio}), true, u"Title", u"Artist", u"Album"},
      {"v2 complete, v1 ignored", Concat({v2Complete, audio, v1}), true, u"Title", u"Artist",
       u"Album"},
      {"v2 without album, v1 fills it", Concat({v2NoAlbum, audio, v1}), true, u"Title", u"Artist",
       u"V1 Album"},
      {"v2 without artist, v1 fills it", Concat({v2NoArtist, audio, v1}), true, u"Title",
       u"V1 Artist", u"Album"},
      {"empty v2 title, v1 fills it", Concat({v2EmptyTitle, audio, v1}), true, u"V1 Title",
       u"Artist", u"Album"},
      {"v2 incomplete, no v1", Concat({v2NoAlbum, audio}), true, u"Title", u"Artist", nullptr},
      {"v2 incomplete, v1 incomplete", Concat({v2NoAlbum, audio, v1NoAlbum}), true, u"Title",
       u"Artist", u""},
      {"v1 only", Concat({audio, v1}), true, u"V1 Title", u"V1 Artist", u"V1 Album"},
      {"v1 only, empty album", Concat({audio, v1NoAlbum}), true, u"V1 Title", u"V1 Artist", u""},
      {"title only", Concat({v2TitleOnly, audio}), true, u"Title", nullptr, nullptr},
      {"artist and album only", Concat({v2ArtistAlbum, audio}), true, nullptr, u"Artist", u"Album"},
      {"track number only", Concat({v2TrackOnly, audio}), false, nullptr, nullptr, nullptr, u"07"},
      {"v1 numbers only", Concat({audio, v1NumbersOnly}), false, u"", u"", u"", u"04", u"1999"},
      {"v1.1 fills track and year", Concat({v2Complete, audio, v11}), true, u"Title", u"Artist",
       u"Album", u"04", u"1999"},
      {"v2 track 0 filled from v1.1, v2 year kept", Concat({v2Numbers, audio, v11}), true, u"Title",
       u"Artist", u"Album", u"04", u"2003"},
      {"no tag", audio, false, nullptr, nullptr, nullptr},
      {"empty file", {}, false, nullptr, nullptr, nullptr},
  };
  test_support::TempFolder folder;
  for (const FateCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TrackTagsResult result = ReadTrackTags(folder.Write(u"song.mp3", c.file));
    EXPECT_EQ(result.kept, c.kept);
    const std::pair<const std::optional<std::u16string>*, const char16_t*> fields[] = {
        {&result.entry.title, c.title},
        {&result.entry.artist, c.artist},
        {&result.entry.album, c.album},
        {&result.entry.track, c.track},
        {&result.entry.year, c.year}};
    for (const auto& [actual, expected] : fields) {
      if (expected == nullptr) {
        EXPECT_FALSE(actual->has_value());
      } else {
        ASSERT_TRUE(actual->has_value());
        EXPECT_EQ(**actual, expected);
      }
    }
  }
}

TEST(ReadTrackTags, DropsAFileThatCannotBeOpened) {
  test_support::TempFolder folder;
  EXPECT_FALSE(ReadTrackTags(folder.Path(u"vanished.mp3")).kept);
  folder.MakeFolder(u"folder.mp3");
  EXPECT_FALSE(ReadTrackTags(folder.Path(u"folder.mp3")).kept);
}

}  // namespace
