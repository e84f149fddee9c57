#include <gtest/gtest.h>

#include "read_bytes.h"
#include "support/temp_folder.h"

namespace {

using tags_test::ExpectEntry;
using test_support::Bytes;
using test_support::Concat;
using test_support::ToBytes;

const Bytes kV1 = test_support::Id3v1(ToBytes("Title"), ToBytes("Artist"), ToBytes("Album"));
const Bytes kV2 = test_support::Id3v2({tags_test::Text("TIT2", "T")});

TEST(Id3ReaderOpen, TellsWhichTagAFileHas) {
  Bytes v1Lower = kV1;
  v1Lower[0] = 't', v1Lower[2] = 'g';
  const Bytes tagAt127FromEnd = Concat({Bytes(10, 0), kV1, Bytes(1, 0)});
  const struct {
    const char* name;
    Bytes file;
    Id3Result result;
  } cases[] = {
      {"ID3v2", Concat({kV2, test_support::FakeAudio(50)}), Id3Result::HasId3v2},
      {"lower-case id3", Concat({ToBytes("id3"), test_support::FakeAudio(50)}),
       Id3Result::HasId3v2},
      {"both tags", Concat({kV2, test_support::FakeAudio(50), kV1}), Id3Result::HasId3v2},
      {"ID3v1 only", Concat({test_support::FakeAudio(50), kV1}), Id3Result::HasId3v1},
      {"lower-case tag", Concat({test_support::FakeAudio(50), v1Lower}), Id3Result::HasId3v1},
      {"ID3v1 exactly the file", kV1, Id3Result::HasId3v1},
      {"TAG not at 128 from the end", tagAt127FromEnd, Id3Result::NoTag},
      {"100 bytes without ID3", test_support::FakeAudio(100), Id3Result::NoTag},
      {"2 bytes", Bytes{'I', 'D'}, Id3Result::NoTag},
      {"empty", Bytes{}, Id3Result::NoTag},
  };
  test_support::TempFolder folder;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Id3Reader::FromBytes(c.file).Open(), c.result);
    // The same bytes as a file, opened by its path.
    Id3Reader reader(folder.Write(u"\u6D4B\u8BD5.mp3", c.file));
    EXPECT_EQ(reader.Open(), c.result);
  }
}

TEST(Id3ReaderOpen, NothingIsReadWithoutAnOpenFile) {
  test_support::TempFolder folder;
  Id3Reader missing(folder.Path(u"missing.mp3"));
  EXPECT_EQ(missing.Open(), Id3Result::NotOpen);
  TrackEntry entry;
  EXPECT_EQ(missing.ReadId3v2(entry), Id3Result::NotOpen);
  EXPECT_EQ(missing.ReadId3v1(entry), Id3Result::NotOpen);

  Id3Reader notOpened(folder.Write(u"a.mp3", Concat({kV2, kV1})));
  EXPECT_EQ(notOpened.ReadId3v2(entry), Id3Result::NotOpen);
  EXPECT_EQ(notOpened.ReadId3v1(entry), Id3Result::NotOpen);
  ExpectEntry(entry, nullptr, nullptr, nullptr);
  EXPECT_EQ(Id3Reader(folder.Path()).Open(), Id3Result::NotOpen);
}

// The reads position the file themselves: any order, any number of times.
TEST(Id3ReaderOpen, ReadsFollowOneAnotherInAnyOrder) {
  test_support::TempFolder folder;
  const Bytes v2 = test_support::Id3v2({tags_test::Text("TIT2", "V2 Title"),
                                        tags_test::Text("TPE1", "V2 Artist"),
                                        tags_test::Text("TALB", "V2 Album")});
  Id3Reader reader(folder.Write(u"a.mp3", Concat({v2, test_support::FakeAudio(9000), kV1})));
  ASSERT_EQ(reader.Open(), Id3Result::HasId3v2);
  for (int round = 0; round < 2; ++round) {
    TrackEntry v1Entry, v2Entry;
    EXPECT_EQ(reader.ReadId3v1(v1Entry), Id3Result::Complete);
    EXPECT_EQ(reader.ReadId3v2(v2Entry), Id3Result::Complete);
    ExpectEntry(v1Entry, u"Title", u"Artist", u"Album");
    ExpectEntry(v2Entry, u"V2 Title", u"V2 Artist", u"V2 Album");
  }
}

// Texts that a read served from the wrong place of the read-ahead block
// would change: no stretch of them repeats.
std::string CountingText(std::size_t length, std::size_t from) {
  std::string text;
  for (std::size_t n = from; text.size() < length; ++n) text += std::to_string(n) + ' ';
  text.resize(length);
  text.back() = '.';
  return text;
}

// Tags larger than the block the reader reads ahead, through the file: the
// title's and the album's frame headers and texts run across page
// boundaries, the artist's text spans two pages.
TEST(Id3ReaderOpen, ReadsTagsLargerThanTheReadAheadBlock) {
  constexpr std::size_t kPage = 4096;
  constexpr std::size_t kTitleLength = 20;
  test_support::TempFolder folder;
  for (const std::size_t before : {0, 1, 4, 9, 10, 11, 15, 30, 600, 4000}) {
    SCOPED_TRACE(before);
    // The title's frame starts `before` bytes ahead of a page boundary, and
    // the album's frame as far ahead of the boundary two pages on.
    const std::string filler(kPage - before - 21, 'c');
    const std::string title = CountingText(kTitleLength, before);
    const std::string artist = CountingText(2 * kPage - 22 - kTitleLength, 1000 + before);
    const std::string album = CountingText(60, 7000 + before);
    const Bytes v2 =
        test_support::Id3v2({tags_test::Text("TXXX", filler), tags_test::Text("TIT2", title),
                             tags_test::Text("TPE1", artist), tags_test::Text("TALB", album)},
                            {3, 0, {}, kPage});
    Id3Reader reader(folder.Write(u"large.mp3", Concat({v2, test_support::FakeAudio(kPage), kV1})));
    ASSERT_EQ(reader.Open(), Id3Result::HasId3v2);
    TrackEntry v2Entry, v1Entry;
    EXPECT_EQ(reader.ReadId3v2(v2Entry), Id3Result::Complete);
    const std::u16string expected[] = {std::u16string(title.begin(), title.end()),
                                       std::u16string(artist.begin(), artist.end()),
                                       std::u16string(album.begin(), album.end())};
    ExpectEntry(v2Entry, expected[0].c_str(), expected[1].c_str(), expected[2].c_str());
    EXPECT_EQ(reader.ReadId3v1(v1Entry), Id3Result::Complete);
    ExpectEntry(v1Entry, u"Title", u"Artist", u"Album");
  }
}

TEST(Id3v1, FieldsThroughTheTagTextDecoder) {
  const Bytes gbk = {0xD6, 0xD0, 0xCE, 0xC4};
  const Bytes thirty(30, 'x');
  const Bytes audio = test_support::FakeAudio(300);
  // ID3v1.0: the comment's last two bytes are text, not a track number.
  Bytes fullComment = test_support::Id3v1(ToBytes("T"), ToBytes("A"), ToBytes("B"), {}, 9);
  fullComment[125] = 'x';
  tags_test::RunCases(
      {
          {"plain", Concat({audio, kV1}), Id3Result::Complete, u"Title", u"Artist", u"Album"},
          {"lower-case tag", Concat({audio, ToBytes("tAg"), Bytes(kV1.begin() + 3, kV1.end())}),
           Id3Result::Complete, u"Title", u"Artist", u"Album"},
          {"Latin-1 that cannot be GBK",
           test_support::Id3v1({'M', 0xFC, 'l', 'l', 'e', 'r'}, ToBytes("Caf\xE9 del Mar"),
                               {'A', 'm', 0xE9, 'l', 'i', 'e'}),
           Id3Result::Complete, u"M\u00FCller", u"Caf\u00E9 del Mar", u"Am\u00E9lie"},
          {"album all zero", test_support::Id3v1(ToBytes("Title"), ToBytes("Artist"), {}),
           Id3Result::Incomplete, u"Title", u"Artist", u""},
          {"title padded with spaces",
           test_support::Id3v1(ToBytes("Title" + std::string(25, ' ')), ToBytes("Artist"),
                               ToBytes("Album")),
           Id3Result::Complete, u"Title", u"Artist", u"Album"},
          {"full 30-byte fields", test_support::Id3v1(thirty, thirty, thirty), Id3Result::Complete,
           u"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", u"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx",
           u"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"},
          {"code page 936", test_support::Id3v1(gbk, gbk, gbk), Id3Result::Complete,
           u"\u4E2D\u6587", u"\u4E2D\u6587", u"\u4E2D\u6587"},
          {"full field that cut its last character",
           test_support::Id3v1(Concat({ToBytes("Live "), gbk, gbk, gbk, gbk, gbk, gbk, {0xD6}}),
                               gbk, gbk),
           Id3Result::Complete,
           u"Live \u4E2D\u6587\u4E2D\u6587\u4E2D\u6587\u4E2D\u6587\u4E2D\u6587\u4E2D\u6587",
           u"\u4E2D\u6587", u"\u4E2D\u6587"},
          {"field with a UTF-8 mark",
           test_support::Id3v1({0xEF, 0xBB, 0xBF, 0xE4, 0xB8, 0xAD}, ToBytes("A"), ToBytes("B")),
           Id3Result::Complete, u"\u4E2D", u"A", u"B"},
          {"field starting with 0x03",
           test_support::Id3v1({0x03, 0x41}, ToBytes("A"), ToBytes("B")), Id3Result::Complete, u"A",
           u"A", u"B"},
          {"ID3v1.1 track and a year",
           test_support::Id3v1(ToBytes("T"), ToBytes("A"), ToBytes("B"), ToBytes("2001"), 7),
           Id3Result::Complete, u"T", u"A", u"B", u"07", u"2001"},
          {"track byte after a comment that fills its field", fullComment, Id3Result::Complete,
           u"T", u"A", u"B"},
          {"year that is no year",
           test_support::Id3v1(ToBytes("T"), ToBytes("A"), ToBytes("B"), ToBytes("'01"), 0),
           Id3Result::Complete, u"T", u"A", u"B"},
          {"no tag", test_support::FakeAudio(200), Id3Result::NoId3v1, nullptr, nullptr, nullptr},
          {"shorter than 128 bytes", Bytes(kV1.begin(), kV1.begin() + 100), Id3Result::NoId3v1,
           nullptr, nullptr, nullptr},
      },
      &Id3Reader::ReadId3v1);
}

}  // namespace
