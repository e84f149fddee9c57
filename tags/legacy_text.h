#pragma once
// Untagged legacy text (ID3v2 encoding 0, ID3v1): bytes that carry no word
// on their encoding, read in the one the bytes most likely are in.

#include <cstddef>
#include <string>

namespace tags {

// Decides which encoding the bytes are in and converts them to UTF-16.
// Where the ANSI code page is 936, as on our users' systems, a text is read
// as GBK, Big5, Shift-JIS or Windows-1252, whichever is well formed and
// reads most like text in its script, GBK where the evidence is not clear;
// a lead byte cut off at the end is dropped. Other code pages read the
// bytes as they are. Invalid bytes become '?', as Windows' own conversion
// gives them.
std::u16string DecodeInLikeliestEncoding(const unsigned char* bytes, std::size_t count);

}  // namespace tags
