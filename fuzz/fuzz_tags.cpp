// Feeds arbitrary bytes to the tag reader as if they were a whole file.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/read_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Id3Reader reader = Id3Reader::FromBytes(std::vector<unsigned char>(data, data + size));
  fuzz::CheckReads(reader);

  // The decoder on its own, over the exact bytes given.
  const std::u16string text = DecodeTagText(data, size);
  fuzz::Require(text.empty() || (text.back() != u' ' && text.back() != 0xA1A1));
  fuzz::Require(text.find(u'\0') == std::u16string::npos);
  return 0;
}
