// The tag test files of other tag libraries, when they sit beside the
// project (a clone alone does not have them).

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "read_bytes.h"

namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = fs::u8path(CORVANE_PEER_CORPUS);

std::vector<fs::path> CorpusFiles() {
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(kCorpus, error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_regular_file(error) && it->path().extension() != ".md") files.push_back(it->path());
  }
  return files;
}

struct Read {
  Id3Result open;
  Id3Result v2;
  Id3Result v1;
  TrackEntry fromV2;
  TrackEntry fromV1;
};

Read ReadFile(const fs::path& path) {
  Id3Reader reader(path.u16string());
  Read read{reader.Open(), Id3Result::NotOpen, Id3Result::NotOpen, {}, {}};
  read.v2 = reader.ReadId3v2(read.fromV2);
  read.v1 = reader.ReadId3v1(read.fromV1);
  return read;
}

bool IsOneOf(Id3Result result, std::initializer_list<Id3Result> allowed) {
  for (const Id3Result a : allowed) {
    if (a == result) return true;
  }
  return false;
}

TEST(PeerCorpus, EveryFileReadsToAResultCode) {
  const std::vector<fs::path> files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << "no peer corpus at " << kCorpus.u8string();
  for (const fs::path& path : files) {
    SCOPED_TRACE(path.u8string());
    const Read read = ReadFile(path);
    EXPECT_TRUE(IsOneOf(read.open, {Id3Result::HasId3v2, Id3Result::HasId3v1, Id3Result::NoTag}));
    EXPECT_TRUE(IsOneOf(read.v2, {Id3Result::Complete, Id3Result::Incomplete, Id3Result::NoId3v2}));
    EXPECT_TRUE(IsOneOf(read.v1, {Id3Result::Complete, Id3Result::Incomplete, Id3Result::NoId3v1}));
    EXPECT_EQ(read.open == Id3Result::HasId3v2, read.v2 != Id3Result::NoId3v2);
  }
}

// Texts checked by hand against the files' bytes.
TEST(PeerCorpus, KnownTexts) {
  if (CorpusFiles().empty()) GTEST_SKIP() << "no peer corpus at " << kCorpus.u8string();
  const struct {
    const char* file;
    const char16_t* title;
    const char16_t* artist;
    const char16_t* album;
    const char16_t* year = nullptr;  // checked where given
    bool id3v1 = false;              // the texts of the ID3v1 tag
  } cases[] = {
      // 2.3 unsynchronised as a whole, UTF-16 with the FE FF mark.
      {"mutagen/id3v23_unsynch.id3", u"My babe just cares for me", u"Nina Simone", u"100% Jazz"},
      // 2.4 TIT2 unsynchronised on its own (frame flag 0x0002).
      {"taglib/unsynch24.id3", u"Hi", nullptr, nullptr},
      // 2.4 extended header, then a TIT2 with a data length indicator.
      {"music-metadata/id3v2-xheader.mp3", u"title", nullptr, nullptr},
      // 2.2 with three-letter frames and a picture after them.
      {"rust-id3/id3v22.id3", u"Henry Frottey INTRO", u"Jan Philipp Zymny & Andy Strau\u00DF",
       u"Henry Frottey (Sein 1. Fall: Teil 2 - Das Ende der Trilogie)"},
      {"mp3agic/v23unicodetags.mp3", u"\u4E2D\u6587",
       u"\u03B3\u03B5\u03B9\u03AC \u03C3\u03BF\u03C5", u"\u3053\u3093\u306B\u3061\u306F"},
      // UTF-8 with a stray 0x9C byte in the album.
      {"taglib/excessive_alloc.mp3", u"Bush", u"Rihanna", u"Music\uFFFDof the Sun"},
      // 2.3 with "TP1\0", "TP2\0", "TAL\0", "COM\0" and "TEN\0" before the TIT2.
      {"music-metadata/issue-795.mp3", u"FDP (Clean Edit)", u"Tacocat", u"Lost Time"},
      // 2.4 with the extended-header flag and the first frame at offset 10.
      {"mutagen/issue_21.id3", u"Punk To Funk", u"FatBoy Slim", u"Better Living Through Chemistr"},
      // 2.4 with a TYER of 2.3's, and "1337" in its ID3v1 tag.
      {"mutagen/id3v1v2-combined.mp3", u"cosmic american", u"Anais Mitchell", nullptr, u"2004"},
      // 2.3 UTF-16 values after NULs, each with its own mark.
      {"music-metadata/null-separator.id3v2.3.mp3", u"Get Ready For This  (Live @ Amsterdam)",
       u"2 Unlimited2/Ray/Anita", u"Live 2010 [Album]"},
      // UTF-8 in ID3v1 fields, the artist cut at byte 30 between characters.
      {"dhowden-tag/sample_utf8_v1.mp3", u"サンプルのタイトル", u"サンプルのアーティス",
       u"サンプルのアルバム", u"1990", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Read read = ReadFile(kCorpus / fs::u8path(c.file));
    EXPECT_EQ(read.open, c.id3v1 ? Id3Result::HasId3v1 : Id3Result::HasId3v2);
    const TrackEntry& entry = c.id3v1 ? read.fromV1 : read.fromV2;
    tags_test::ExpectEntry(entry, c.title, c.artist, c.album);
    if (c.year) tags_test::ExpectText(entry.year, c.year);
  }
}

}  // namespace
