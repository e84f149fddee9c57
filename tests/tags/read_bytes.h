#pragma once
// Runs the reader over bytes in memory, the way the tag-reading worker
// calls it on a file.

#include <optional>
#include <string>

#include "support/id3_builder.h"
#include "tags/id3_reader.h"

namespace tags_test {

struct Read {
  Id3Result result;
  TrackEntry entry;
};

inline Read ReadV2(const test_support::Bytes& bytes) {
  Id3Reader reader = Id3Reader::FromBytes(bytes);
  reader.Open();
  Read read{Id3Result::NotOpen, {}};
  read.result = reader.ReadId3v2(read.entry);
  return read;
}

inline Read ReadV1(const test_support::Bytes& bytes) {
  Id3Reader reader = Id3Reader::FromBytes(bytes);
  reader.Open();
  Read read{Id3Result::NotOpen, {}};
  read.result = reader.ReadId3v1(read.entry);
  return read;
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

}  // namespace tags_test
