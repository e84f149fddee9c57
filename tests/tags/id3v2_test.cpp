#include <gtest/gtest.h>

#include "read_bytes.h"

namespace {

using tags_test::ExpectEntry;
using tags_test::ReadV2;
using tags_test::RunCases;
using tags_test::TagCase;
using tags_test::Text;
using test_support::Bytes;
using test_support::Concat;
using test_support::Frame;
using test_support::TagOptions;
using test_support::TextBody;
using test_support::ToBytes;

const std::vector<Frame> kThreeTexts = {Text("TIT2", "Title"), Text("TPE1", "Artist"),
                                        Text("TALB", "Album")};

std::vector<Frame> After(const Frame& first) {
  std::vector<Frame> frames{first};
  frames.insert(frames.end(), kThreeTexts.begin(), kThreeTexts.end());
  return frames;
}

Frame Filler(const std::string& id, std::size_t size) {
  return Frame{id, test_support::FakeAudio(size)};
}

Frame WithZeroAt(Frame frame, std::size_t at) {
  frame.body.at(at) = 0;
  return frame;
}

// A 2.2 frame name spelt the 2.3 way: three letters and a NUL.
std::string ShortName(const char* letters) { return std::string(letters) + '\0'; }

TagOptions Version(int version) {
  TagOptions options;
  options.version = version;
  return options;
}

// A frame of 128 bytes or more, or of 64 KiB or more, is where a reading
// with the wrong size rule loses every frame after it.
TEST(Id3v2FrameSizes, FollowTheTagVersion) {
  std::vector<TagCase> cases;
  for (int version : {3, 4}) {
    for (const char* id : {"COMM", "APIC", "PRIV", "USLT", "TXXX"}) {
      for (std::size_t size :
           {std::size_t{127}, std::size_t{128}, std::size_t{200}, std::size_t{70000}}) {
        cases.push_back({id, test_support::Id3v2(After(Filler(id, size)), Version(version)),
                         Id3Result::Complete, u"Title", u"Artist", u"Album"});
      }
    }
  }
  RunCases(cases);
}

// Some writers put plain 32-bit sizes into 2.4 tags.
TEST(Id3v2FrameSizes, PlainSizesIn24FallBackWhereSynchsafeMisleads) {
  TagOptions plain = Version(4);
  plain.plainSizesIn24 = true;
  TagOptions plainPadded = plain;
  plainPadded.padding = 300;
  RunCases({
      {"plain sizes, 200-byte frame first", test_support::Id3v2(After(Filler("APIC", 200)), plain),
       Id3Result::Complete, u"Title", u"Artist", u"Album"},
      {"plain sizes, 70000-byte frame first",
       test_support::Id3v2(After(Filler("APIC", 70000)), plain), Id3Result::Complete, u"Title",
       u"Artist", u"Album"},
      {"plain sizes with padding", test_support::Id3v2(After(Filler("COMM", 300)), plainPadded),
       Id3Result::Complete, u"Title", u"Artist", u"Album"},
      {"plain sizes, large text frames",
       test_support::Id3v2(
           {Text("TIT2", std::string(150, 'T')), Text("TPE1", "Artist"), Text("TALB", "Album")},
           plain),
       Id3Result::Complete, std::u16string(150, u'T').c_str(), u"Artist", u"Album"},
      {"synchsafe sizes are kept where they fit",
       test_support::Id3v2(After(Filler("APIC", 300)), Version(4)), Id3Result::Complete, u"Title",
       u"Artist", u"Album"},
      // The synchsafe reading of 200 (00 00 00 C8) is 72: a zero byte there
      // is part of the picture, not padding.
      {"plain sizes, zero byte where the synchsafe size lands",
       test_support::Id3v2(After(WithZeroAt(Filler("APIC", 200), 72)), plain), Id3Result::Complete,
       u"Title", u"Artist", u"Album"},
  });
}

// Where both readings land on something a frame can be followed by, the
// synchsafe one is the format's and wins.
TEST(Id3v2FrameSizes, SynchsafeFirstIn24) {
  // Synchsafe 00 00 01 48 is 200; read plain it is 328, where a frame-like
  // header stands.
  constexpr std::size_t kPicture = 200, kPlainReading = 328;
  const std::size_t texts = test_support::Id3v2(kThreeTexts, Version(4)).size() - 10;
  const Frame gap = Filler("COMM", kPlainReading - kPicture - texts - 10);
  std::vector<Frame> frames = After(Filler("APIC", kPicture));
  frames.insert(frames.end(), {gap, Text("TPE2", "Band")});
  TagOptions padded = Version(4);
  padded.padding = 100;
  RunCases({{"synchsafe and plain both land on a header", test_support::Id3v2(frames, padded),
             Id3Result::Complete, u"Title", u"Artist", u"Album"}});
}

TEST(Id3v2ExtendedHeader, SizeFollowsTheTagVersion) {
  TagOptions v23 = Version(3);
  v23.flags = 0x40;
  // 2.3: a plain size of 6 that leaves out its own 4 bytes.
  v23.extendedHeader = {0x00, 0x00, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
  TagOptions v23Crc = v23;
  v23Crc.extendedHeader = {0x00, 0x00, 0x00, 0x0A, 0x80, 0x00, 0x00,
                           0x00, 0x00, 0x00, 0xDE, 0xAD, 0xBE, 0xEF};
  TagOptions v24 = Version(4);
  v24.flags = 0x40;
  // 2.4: a synchsafe size of 6 that counts its own 4 bytes.
  v24.extendedHeader = {0x00, 0x00, 0x00, 0x06, 0x01, 0x00};
  TagOptions v24Crc = v24;
  v24Crc.extendedHeader = {0x00, 0x00, 0x00, 0x0C, 0x01, 0x20, 0x05, 0x0A, 0x47, 0x3D, 0x24, 0x71};
  TagOptions flagOnly23 = Version(3);
  flagOnly23.flags = 0x40;
  TagOptions flagOnly24 = Version(4);
  flagOnly24.flags = 0x40;
  TagOptions tooLong = Version(3);
  tooLong.flags = 0x40;
  tooLong.extendedHeader = {0x00, 0x01, 0x00, 0x00};
  RunCases({
      {"2.3", test_support::Id3v2(kThreeTexts, v23), Id3Result::Complete, u"Title", u"Artist",
       u"Album"},
      {"2.3 with CRC", test_support::Id3v2(kThreeTexts, v23Crc), Id3Result::Complete, u"Title",
       u"Artist", u"Album"},
      {"2.4", test_support::Id3v2(kThreeTexts, v24), Id3Result::Complete, u"Title", u"Artist",
       u"Album"},
      {"2.4 with CRC", test_support::Id3v2(kThreeTexts, v24Crc), Id3Result::Complete, u"Title",
       u"Artist", u"Album"},
      {"longer than the tag", test_support::Id3v2(kThreeTexts, tooLong), Id3Result::Incomplete,
       nullptr, nullptr, nullptr},
      {"2.3 flag without a header", test_support::Id3v2(kThreeTexts, flagOnly23),
       Id3Result::Complete, u"Title", u"Artist", u"Album"},
      {"2.4 flag without a header", test_support::Id3v2(kThreeTexts, flagOnly24),
       Id3Result::Complete, u"Title", u"Artist", u"Album"},
  });
}

// FF FE after FF is what unsynchronisation changes: a UTF-16 mark, and
// picture bytes that make the frame longer on disk than its size says.
Frame Utf16Text(const std::string& id, const std::u16string& text, std::uint16_t flags = 0) {
  return Frame{id, Concat({{0x01, 0xFF, 0xFE}, test_support::Utf16Le(text)}), flags};
}

Frame SyncBytes(const std::string& id) {
  Bytes body;
  for (int i = 0; i < 40; ++i) body.insert(body.end(), {0xFF, 0xFB, 0xFF, 0x00, 0x12});
  return Frame{id, body};
}

TEST(Id3v2Unsynchronisation, UndoneTagWideAndPerFrame) {
  const std::vector<Frame> frames = {SyncBytes("APIC"), Utf16Text("TIT2", u"Title"),
                                     Utf16Text("TPE1", u"Artist"), Utf16Text("TALB", u"Album")};
  TagOptions v23 = Version(3);
  v23.unsynchronise = true;
  TagOptions v22 = Version(2);
  v22.unsynchronise = true;
  std::vector<Frame> v22Frames = {SyncBytes("PIC"), Utf16Text("TT2", u"Title"),
                                  Utf16Text("TP1", u"Artist"), Utf16Text("TAL", u"Album")};

  std::vector<Frame> perFrame = frames;
  for (Frame& frame : perFrame) frame.unsynchronise = true, frame.flags = 0x0002;
  std::vector<Frame> tagWide24 = frames;
  for (Frame& frame : tagWide24) frame.unsynchronise = true;
  TagOptions v24TagFlag = Version(4);
  v24TagFlag.flags = 0x80;
  // Flag 0x0001: a data length indicator comes before the body.
  Frame withLength = Utf16Text("TIT2", u"Title", 0x0003);
  withLength.body.insert(withLength.body.begin(), {0x00, 0x00, 0x00, 0x0D});
  withLength.unsynchronise = true;

  RunCases({
      {"2.3 tag-wide", test_support::Id3v2(frames, v23), Id3Result::Complete, u"Title", u"Artist",
       u"Album"},
      {"2.2 tag-wide", test_support::Id3v2(v22Frames, v22), Id3Result::Complete, u"Title",
       u"Artist", u"Album"},
      {"2.4 per frame", test_support::Id3v2(perFrame, Version(4)), Id3Result::Complete, u"Title",
       u"Artist", u"Album"},
      {"2.4 tag flag", test_support::Id3v2(tagWide24, v24TagFlag), Id3Result::Complete, u"Title",
       u"Artist", u"Album"},
      {"2.4 per frame with data length", test_support::Id3v2({withLength}, Version(4)),
       Id3Result::Incomplete, u"Title", nullptr, nullptr},
  });
}

TEST(Id3v22, ReadsThreeLetterFrames) {
  TagOptions padded = Version(2);
  padded.padding = 50;
  TagOptions compressed = Version(2);
  compressed.flags = 0x40;
  const std::vector<Frame> frames = {Filler("PIC", 70000), Text("TT2", "Title"),
                                     Text("tp1", "Artist"), Text("TAL", "Album"),
                                     Text("COM", "Comment")};
  RunCases({
      {"2.2", test_support::Id3v2(frames, Version(2)), Id3Result::Complete, u"Title", u"Artist",
       u"Album"},
      {"2.2 padded", test_support::Id3v2(frames, padded), Id3Result::Complete, u"Title", u"Artist",
       u"Album"},
      {"2.2 four-letter ids are other frames",
       test_support::Id3v2({Text("TIT", "x"), Text("TT2", "Title")}, Version(2)),
       Id3Result::Incomplete, u"Title", nullptr, nullptr},
      // 2.2 flag 0x40 is compression, for which no scheme exists.
      {"2.2 compressed tag", test_support::Id3v2(frames, compressed), Id3Result::Incomplete,
       nullptr, nullptr, nullptr},
  });
}

TEST(Id3v22, NamesInsideLaterVersionsAreTheirFields) {
  const std::vector<Frame> frames = {
      Text(ShortName("TP1"), "Artist"), Text(ShortName("TP2"), "Band"),
      Text(ShortName("TAL"), "Album"), Filler(ShortName("COM"), 300), Text("TIT2", "Title")};
  RunCases({
      {"2.3", test_support::Id3v2(frames, Version(3)), Id3Result::Complete, u"Title", u"Artist",
       u"Album"},
      {"2.4", test_support::Id3v2(frames, Version(4)), Id3Result::Complete, u"Title", u"Artist",
       u"Album"},
      {"later spelling wins",
       test_support::Id3v2({Text("TIT2", "First"), Text(ShortName("TT2"), "Second"),
                            Text(ShortName("TAL"), "First"), Text("TALB", "Second")}),
       Id3Result::Incomplete, u"Second", nullptr, u"Second"},
  });
}

TEST(Id3v2FrameFlags, CompressedOrEncryptedFramesCountAsAbsent) {
  struct FlagCase {
    int version;
    std::uint16_t flags;
  };
  for (const FlagCase& flagCase : {FlagCase{3, 0x0080}, FlagCase{3, 0x0040}, FlagCase{4, 0x0008},
                                   FlagCase{4, 0x0004}, FlagCase{4, 0x0009}}) {
    SCOPED_TRACE(::testing::Message()
                 << "version " << flagCase.version << " flags " << flagCase.flags);
    Frame packed = Text("TIT2", "Packed");
    packed.flags = flagCase.flags;
    Frame packedAlbum = Text("TALB", "Packed");
    packedAlbum.flags = flagCase.flags;
    const tags_test::Read read = ReadV2(
        test_support::Id3v2({packed, Text("TPE1", "Artist"), Text("TALB", "Album"), packedAlbum},
                            Version(flagCase.version)));
    EXPECT_EQ(read.result, Id3Result::Incomplete);
    ExpectEntry(read.entry, nullptr, u"Artist", u"Album");
  }
}

TEST(Id3v2FrameFlags, GroupingAndDataLengthBytesAreNotText) {
  Frame grouped23 = Text("TIT2", "Title");
  grouped23.flags = 0x0020;
  grouped23.body.insert(grouped23.body.begin(), 0x07);
  Frame grouped24 = Text("TIT2", "Title");
  grouped24.flags = 0x0041;
  grouped24.body.insert(grouped24.body.begin(), {0x07, 0x00, 0x00, 0x00, 0x06});
  RunCases({
      {"2.3 group", test_support::Id3v2({grouped23}, Version(3)), Id3Result::Incomplete, u"Title",
       nullptr, nullptr},
      {"2.4 group and length", test_support::Id3v2({grouped24}, Version(4)), Id3Result::Incomplete,
       u"Title", nullptr, nullptr},
  });
}

TEST(Id3v2Tag, EdgeCases) {
  TagOptions footerFlag = Version(4);
  footerFlag.flags = 0x10;
  const Bytes complete = test_support::Id3v2(kThreeTexts);
  Bytes lowerCase = complete;
  lowerCase[0] = 'i', lowerCase[1] = 'd';
  // Cut in the middle of the album frame: the tag size runs past the file.
  const Bytes cut(complete.begin(), complete.end() - 3);
  // Size bytes with their high bit set: masked off, the tag still ends
  // before the album frame behind it.
  Bytes highBits = test_support::Id3v2({Text("TIT2", "Title"), Text("TPE1", "Artist")});
  for (std::size_t i = 6; i < 10; ++i) highBits[i] |= 0x80;
  highBits = Concat({highBits, test_support::FrameBytes(Text("TALB", "Album"), Version(3))});
  RunCases({
      {"lower-case ID3 and frame ids",
       test_support::Id3v2({Text("tit2", "Title"), Text("Tpe1", "Artist"), Text("talb", "Album")}),
       Id3Result::Complete, u"Title", u"Artist", u"Album"},
      {"lower-case tag id", lowerCase, Id3Result::Complete, u"Title", u"Artist", u"Album"},
      {"encoding byte only",
       test_support::Id3v2({Frame{"TIT2", {0x00}}, Text("TPE1", "A"), Text("TALB", "B")}),
       Id3Result::Incomplete, u"", u"A", u"B"},
      {"empty body", test_support::Id3v2({Frame{"TIT2", {}}, Text("TPE1", "A"), Text("TALB", "B")}),
       Id3Result::Incomplete, u"", u"A", u"B"},
      {"second TALB wins", test_support::Id3v2(After(Text("TALB", "First"))), Id3Result::Complete,
       u"Title", u"Artist", u"Album"},
      {"flag 0x10 changes nothing", test_support::Id3v2(kThreeTexts, footerFlag),
       Id3Result::Complete, u"Title", u"Artist", u"Album"},
      {"tag size past the end of the file", cut, Id3Result::Incomplete, u"Title", u"Artist",
       nullptr},
      {"high bits of the tag size masked off", highBits, Id3Result::Incomplete, u"Title", u"Artist",
       nullptr},
      {"no frames", test_support::Id3v2({}), Id3Result::Incomplete, nullptr, nullptr, nullptr},
      {"header only, cut", Bytes{'I', 'D', '3', 3, 0}, Id3Result::Incomplete, nullptr, nullptr,
       nullptr},
      {"no ID3v2 tag", test_support::FakeAudio(200), Id3Result::NoId3v2, nullptr, nullptr, nullptr},
  });
}

TEST(Id3v2Tag, ZeroPaddingOfAnyLengthChangesNothing) {
  for (std::size_t padding : {0, 1, 5, 9, 10, 11, 4096, 70000}) {
    SCOPED_TRACE(padding);
    TagOptions options;
    options.padding = padding;
    const tags_test::Read read =
        ReadV2(Concat({test_support::Id3v2(kThreeTexts, options), test_support::FakeAudio(100)}));
    EXPECT_EQ(read.result, Id3Result::Complete);
    ExpectEntry(read.entry, u"Title", u"Artist", u"Album");
  }
}

// A careful reader stops where the tag stops making sense: the frames read
// before stay, nothing after is guessed at.
TEST(Id3v2Tag, StopsAtFramesThatCannotBe) {
  Bytes pastTag = test_support::Id3v2(kThreeTexts);
  // The album frame's size (bytes 4..7 of its header) now runs past the tag.
  const std::size_t albumHeader = pastTag.size() - (10 + 6);
  pastTag[albumHeader + 7] = 0x40;
  Bytes garbageId = test_support::Id3v2(
      {Text("TIT2", "Title"), Frame{"T\x01PE", {0x00, 'x'}}, Text("TALB", "Album")});
  RunCases({
      {"frame size past the tag end", pastTag, Id3Result::Incomplete, u"Title", u"Artist", nullptr},
      {"invalid frame id", garbageId, Id3Result::Incomplete, u"Title", nullptr, nullptr},
      {"huge size on a text frame",
       Concat({Bytes{'I', 'D', '3', 3,   0,    0,    0,    0,    0, 30,
                     'T', 'I', 'T', '2', 0x7F, 0xFF, 0xFF, 0xFF, 0, 0},
               Bytes(20, 'x')}),
       Id3Result::Incomplete, nullptr, nullptr, nullptr},
  });
}

// Each version names the two numbers its own way; 2.4 keeps a recording
// time where earlier versions keep a year.
TEST(Id3v2TrackAndYear, FramesOfEachVersionAndTheirForms) {
  const auto with = [](std::vector<Frame> more, int version) {
    std::vector<Frame> frames = kThreeTexts;
    if (version == 2) frames = {Text("TT2", "Title"), Text("TP1", "Artist"), Text("TAL", "Album")};
    frames.insert(frames.end(), more.begin(), more.end());
    return test_support::Id3v2(frames, Version(version));
  };
  RunCases({
      {"TRCK 3/12", with({Text("TRCK", "3/12")}, 3), Id3Result::Complete, u"Title", u"Artist",
       u"Album", u"03"},
      {"TRCK 3", with({Text("TRCK", "3")}, 4), Id3Result::Complete, u"Title", u"Artist", u"Album",
       u"03"},
      {"TRCK 12", with({Text("TRCK", "12")}, 3), Id3Result::Complete, u"Title", u"Artist", u"Album",
       u"12"},
      {"TRCK 103", with({Text("TRCK", "103")}, 3), Id3Result::Complete, u"Title", u"Artist",
       u"Album", u"103"},
      {"TRCK A1 is no number", with({Text("TRCK", "A1")}, 3), Id3Result::Complete, u"Title",
       u"Artist", u"Album", u"A1"},
      {"TRCK B-2 is no number", with({Text("TRCK", "B-2")}, 3), Id3Result::Complete, u"Title",
       u"Artist", u"Album", u"B-2"},
      {"TRCK 0 is none", with({Text("TRCK", "0")}, 3), Id3Result::Complete, u"Title", u"Artist",
       u"Album", u""},
      {"TRCK /12 is none", with({Text("TRCK", "/12")}, 3), Id3Result::Complete, u"Title", u"Artist",
       u"Album", u""},
      {"TYER", with({Text("TYER", "2003")}, 3), Id3Result::Complete, u"Title", u"Artist", u"Album",
       nullptr, u"2003"},
      {"TYER that is no year", with({Text("TYER", "03")}, 3), Id3Result::Complete, u"Title",
       u"Artist", u"Album", nullptr, u""},
      {"TDRC 2001-05-03", with({Text("TDRC", "2001-05-03")}, 4), Id3Result::Complete, u"Title",
       u"Artist", u"Album", nullptr, u"2001"},
      {"TDRC in 2.3", with({Text("TDRC", "2001-05-03")}, 3), Id3Result::Complete, u"Title",
       u"Artist", u"Album", nullptr, u"2001"},
      {"TYER in 2.4", with({Text("TYER", "2004")}, 4), Id3Result::Complete, u"Title", u"Artist",
       u"Album", nullptr, u"2004"},
      {"2.3's own TYER first, after TDRC", with({Text("TDRC", "2001"), Text("TYER", "1999")}, 3),
       Id3Result::Complete, u"Title", u"Artist", u"Album", nullptr, u"1999"},
      {"2.3's own TYER first, before TDRC", with({Text("TYER", "1999"), Text("TDRC", "2001")}, 3),
       Id3Result::Complete, u"Title", u"Artist", u"Album", nullptr, u"1999"},
      {"2.4's own TDRC first, after TYER", with({Text("TYER", "2004"), Text("TDRC", "2005")}, 4),
       Id3Result::Complete, u"Title", u"Artist", u"Album", nullptr, u"2005"},
      {"2.4's own TDRC first, before TYER", with({Text("TDRC", "2005"), Text("TYER", "2004")}, 4),
       Id3Result::Complete, u"Title", u"Artist", u"Album", nullptr, u"2005"},
      {"an own frame with no year leaves the other's",
       with({Text("TYER", "2004"), Text("TDRC", "")}, 4), Id3Result::Complete, u"Title", u"Artist",
       u"Album", nullptr, u"2004"},
      {"TYE and TRK in 2.2", with({Text("TYE", "1999"), Text("TRK", "5/10")}, 2),
       Id3Result::Complete, u"Title", u"Artist", u"Album", u"05", u"1999"},
      {"track and year alone", test_support::Id3v2({Text("TRCK", "1"), Text("TYER", "2000")}),
       Id3Result::Incomplete, nullptr, nullptr, nullptr, u"01", u"2000"},
  });
}

Frame Values(const std::string& id, unsigned char encoding, std::initializer_list<Bytes> values) {
  Frame frame{id, {encoding}};
  for (const Bytes& value : values) frame.body.insert(frame.body.end(), value.begin(), value.end());
  return frame;
}

// Several values in one frame, each ended by a NUL: 2.4 defines them, 2.3
// writers put them there the same way.
TEST(Id3v2TextValues, SeveralValuesIn23And24AreJoinedBySlashes) {
  const Bytes nul = {0x00}, nul16 = {0x00, 0x00};
  const Bytes first8 = test_support::Utf8(u"梁静茹"), second8 = test_support::Utf8(u"光良");
  const Frame utf8 = Values("TPE1", 0x03, {first8, nul, second8, nul});
  // Each UTF-16 value has its own mark, here one of each byte order.
  const Frame utf16 = Values("TPE1", 0x01,
                             {{0xFF, 0xFE},
                              test_support::Utf16Le(u"梁静茹"),
                              nul16,
                              {0xFE, 0xFF},
                              test_support::Utf16Be(u"光良")});
  const Frame emptyValues =
      Values("TPE1", 0x00, {nul, test_support::ToBytes("A"), nul, nul, test_support::ToBytes("B")});
  const auto tag = [](const Frame& artist, int version) {
    return test_support::Id3v2({Text("TIT2", "Title"), artist, Text("TALB", "Album")},
                               Version(version));
  };
  RunCases({
      {"UTF-8", tag(utf8, 4), Id3Result::Complete, u"Title", u"梁静茹/光良", u"Album"},
      {"UTF-16, a mark per value", tag(utf16, 4), Id3Result::Complete, u"Title", u"梁静茹/光良",
       u"Album"},
      {"empty values left out", tag(emptyValues, 4), Id3Result::Complete, u"Title", u"A/B",
       u"Album"},
      {"2.3, UTF-16", tag(utf16, 3), Id3Result::Complete, u"Title", u"梁静茹/光良", u"Album"},
      {"2.3, legacy text", tag(emptyValues, 3), Id3Result::Complete, u"Title", u"A/B", u"Album"},
      {"2.2 takes the first",
       test_support::Id3v2({Text("TT2", "Title"), Values("TP1", 0x03, {first8, nul, second8}),
                            Text("TAL", "Album")},
                           Version(2)),
       Id3Result::Complete, u"Title", u"梁静茹", u"Album"},
  });
}

// Encoding 0 is read in the ANSI code page, 936 here; Latin-1 names that
// cannot be GBK text read as Windows-1252.
TEST(Id3v2Tag, GbkUnderEncodingZero) {
  const Bytes chinese = {0xD6, 0xD0, 0xCE, 0xC4};  // 中文 in code page 936
  const Bytes latin = {'M', 0xF6, 't', 'l', 'e', 'y', ' ', 'C', 'r', 0xFC, 'e'};
  const tags_test::Read read = ReadV2(test_support::Id3v2(
      {Frame{"TIT2", TextBody(0x00, chinese)}, Frame{"TPE1", TextBody(0x00, latin)},
       Frame{"TALB", Concat({chinese, Bytes{0x20}})}}));
  EXPECT_EQ(read.result, Id3Result::Complete);
  ExpectEntry(read.entry, u"\u4E2D\u6587", u"M\u00F6tley Cr\u00FCe", u"\u4E2D\u6587");
}

}  // namespace
