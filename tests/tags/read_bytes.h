#pragma once
// Runs the reader over bytes, in memory or written to a file, the way the
// tag-reading worker calls it on a file.

#include <optional>
#include <string>
#include <vector>

#include "support/id3_builder.h"
#include "support/temp_folder.h"
#include "tags/id3_reader.h"

namespace tags_test {

struct Read {
  Id3Result result;
  TrackEntry entry;
};

using ReadMember = Id3Result (Id3Reader::*)(TrackEntry&);

// In memory, or through a file on disk, where the reader's read-ahead
// block serves the reads.
enum class Source { Memory, File };

inline Read ReadTag(const test_support::Bytes& bytes, ReadMember read,
                    Source source = Source::Memory) {
  std::optional<test_support::TempFolder> folder;
  if (source == Source::File) folder.emplace();
  Id3Reader reader =
      folder ? Id3Reader(folder->Write(u"tag.mp3", bytes)) : Id3Reader::FromBytes(bytes);
  reader.Open();
  Read result{Id3Result::NotOpen, {}};
  result.result = (reader.*read)(result.entry);
  return result;
}

inline Read ReadV2(const test_support::Bytes& bytes) {
  return ReadTag(bytes, &Id3Reader::ReadId3v2);
}

// A text frame in encoding 0; plain ASCII reads the same in any code page.
inline test_support::Frame Text(const std::string& id, const std::string& text) {
  return test_support::Frame{id, test_support::TextBody(0x00, test_support::ToBytes(text))};
}

// nullptr stands for an absent member.
inline void ExpectText(const std::optional<std::u16string>& actual, const char16_t* expected) {
  if (expected == nullptr) {
    EXPECT_FALSE(actual.has_value());
  } else {
    ASSERT_TRUE(actual.has_value());
    EXPECT_EQ(*actual, std::u16string(expected));
  }
}

inline void ExpectEntry(const TrackEntry& entry, const char16_t* title, const char16_t* artist,
                        const char16_t* album) {
  {
    SCOPED_TRACE("title");
    ExpectText(entry.title, title);
  }
  {
    SCOPED_TRACE("artist");
    ExpectText(entry.artist, artist);
  }
  {
    SCOPED_TRACE("album");
    ExpectText(entry.album, album);
  }
}

struct TagCase {
  const char* name;
  test_support::Bytes file;
  Id3Result result;
  const char16_t* title;
  const char16_t* artist;
  const char16_t* album;
  const char16_t* track = nullptr;
  const char16_t* year = nullptr;
};

inline void RunCases(const std::vector<TagCase>& cases, ReadMember read = &Id3Reader::ReadId3v2) {
  for (const TagCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (const Source source : {Source::Memory, Source::File}) {
      SCOPED_TRACE(source == Source::File ? "through a file" : "in memory");
      const Read result = ReadTag(c.file, read, source);
      EXPECT_EQ(result.result, c.result);
      ExpectEntry(result.entry, c.title, c.artist, c.album);
      SCOPED_TRACE("track or year");
      ExpectText(result.entry.track, c.track);
      ExpectText(result.entry.year, c.year);
    }
  }
}

}  // namespace tags_test
