#pragma once
// Reads the fields of kTagFields (title, artist, album, track number, year)
// from the ID3v2 tag at the start of an MP3 file and from the ID3v1 tag in
// its last 128 bytes. Complete and Incomplete tell only of the three texts
// that name a file.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "tags/tag_fields.h"

enum class Id3Result : int {
  Complete = 0,   // title, artist and album all present and non-empty
  NotOpen = 1,    // the file could not be opened, or none is open
  NoTag = 10,     // neither an ID3v2 nor an ID3v1 tag
  HasId3v1 = 11,  // no ID3v2 tag, but an ID3v1 tag
  HasId3v2 = 12,  // the file begins with an ID3v2 tag
  NoId3v1 = 20,
  NoId3v2 = 21,
  Incomplete = 30,  // at least one of the three absent or empty
};

class Id3Reader {
 public:
  explicit Id3Reader(std::u16string filePath);
  // A reader over bytes in memory, read as if they were a file's (tests and
  // the fuzzer); Open never fails on it.
  static Id3Reader FromBytes(std::vector<unsigned char> bytes);
  ~Id3Reader();
  Id3Reader(Id3Reader&&) noexcept;
  Id3Reader& operator=(Id3Reader&&) noexcept;
  Id3Reader(const Id3Reader&) = delete;
  Id3Reader& operator=(const Id3Reader&) = delete;

  // Opens the file and tells which tag it has; the file stays open.
  Id3Result Open();
  Id3Result ReadId3v2(TrackEntry& entry);
  Id3Result ReadId3v1(TrackEntry& entry);

  const std::u16string& filePath() const { return filePath_; }

 private:
  struct Source;
  std::u16string filePath_;
  std::unique_ptr<Source> source_;
};

// Decodes an ID3 text (a frame body with its encoding byte, or an ID3v1
// field) to UTF-16, cut at its first NUL and trimmed by TrimTagText.
std::u16string DecodeTagText(const unsigned char* bytes, std::size_t count);

// Removes trailing U+0020 and U+A1A1.
void TrimTagText(std::u16string& text);
