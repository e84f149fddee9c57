// Feeds arbitrary bytes to the tag reader as if they were a whole file.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "tags/id3_reader.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

Id3Result Expected(const TrackEntry& entry) {
  return entry.IsComplete() ? Id3Result::Complete : Id3Result::Incomplete;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Id3Reader reader = Id3Reader::FromBytes(std::vector<unsigned char>(data, data + size));
  const Id3Result opened = reader.Open();
  TrackEntry fromV2, fromV1;
  const Id3Result v2 = reader.ReadId3v2(fromV2);
  const Id3Result v1 = reader.ReadId3v1(fromV1);

  Require(opened == Id3Result::HasId3v2 || opened == Id3Result::HasId3v1 ||
          opened == Id3Result::NoTag);
  Require((opened == Id3Result::HasId3v2) == (v2 != Id3Result::NoId3v2));
  if (v2 != Id3Result::NoId3v2) Require(v2 == Expected(fromV2));
  if (v1 != Id3Result::NoId3v1) {
    Require(v1 == Expected(fromV1));
    Require(fromV1.title && fromV1.artist && fromV1.album);
  }

  // The decoder on its own, over the exact bytes given.
  const std::u16string text = DecodeTagText(data, size);
  Require(text.empty() || (text.back() != u' ' && text.back() != 0xA1A1));
  Require(text.find(u'\0') == std::u16string::npos);
  return 0;
}
