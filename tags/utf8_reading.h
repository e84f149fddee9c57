#pragma once
// Legacy bytes read as UTF-8, which many taggers write where a tag claims
// ISO-8859-1 and into ID3v1 fields, so that the reading can be weighed
// against the code pages' readings.

#include <cstddef>
#include <string>

namespace tags {

struct Utf8Reading {
  // Strictly valid and with at least one multi-byte sequence: ASCII alone
  // says nothing about the encoding.
  bool wellFormed = false;
  std::u16string text;
};

// A full ID3v1 field may cut a sequence at its end; that tail is dropped.
Utf8Reading ReadUtf8(const unsigned char* bytes, std::size_t count, bool fullField);

}  // namespace tags
