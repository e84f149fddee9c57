#pragma once
// Untagged legacy text (ID3v2 encoding 0, ID3v1): bytes that carry no word
// on their encoding, read in the one the bytes most likely are in.

#include <cstddef>
#include <string>

namespace tags {

// Decides which encoding the bytes are in and converts them to UTF-16:
// GBK, Big5, Shift-JIS, Windows-1252 or UTF-8, whichever is well formed
// and reads most like text in its script, and where the evidence is not
// clear the reading of the ANSI code page given (936 GBK, 950 Big5, 932
// Shift-JIS, 1252 Western, 65001 UTF-8, any other its own). A character
// cut off at the end is dropped. Invalid bytes become '?', as Windows' own
// conversion gives them.
std::u16string DecodeInLikeliestEncoding(const unsigned char* bytes, std::size_t count,
                                         unsigned codePage);

}  // namespace tags
