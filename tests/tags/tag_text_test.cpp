#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tags/id3_reader.h"

namespace {

struct DecodeCase {
  const char* name;
  std::vector<unsigned char> bytes;
  std::u16string text;
};

// Copies the input into a buffer of exactly its size, so that a read past
// its end is caught by the address sanitizer.
std::u16string Decode(const std::vector<unsigned char>& bytes) {
  std::unique_ptr<unsigned char[]> exact(new unsigned char[bytes.size() ? bytes.size() : 1]);
  std::copy(bytes.begin(), bytes.end(), exact.get());
  return DecodeTagText(exact.get(), bytes.size());
}

void RunCases(const std::vector<DecodeCase>& cases) {
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Decode(c.bytes), c.text);
  }
}

TEST(DecodeTagText, EncodingsMarksNulAndTrim) {
  RunCases({
      {"empty input", {}, u""},
      {"encoding byte only", {0x01}, u""},
      {"UTF-16 LE with mark, blank trimmed",
       {0x01, 0xFF, 0xFE, 0x41, 0x00, 0x42, 0x00, 0x20, 0x00},
       u"AB"},
      {"UTF-16 LE without mark", {0x01, 0x41, 0x00, 0x42, 0x00}, u"AB"},
      {"UTF-16 BE", {0x02, 0x00, 0x41, 0x00, 0x42}, u"AB"},
      {"UTF-16 BE with mark", {0x02, 0xFE, 0xFF, 0x00, 0x41}, u"A"},
      {"UTF-16 odd last byte dropped", {0x01, 0x41, 0x00, 0x42}, u"A"},
      {"UTF-8 with mark", {0x03, 0xEF, 0xBB, 0xBF, 0xE6, 0xB5, 0x8B}, u"\u6D4B"},
      {"encoding 0 ends at NUL", {0x00, 0x41, 0x42, 0x43, 0x00, 0x44}, u"ABC"},
      {"UTF-16 second value dropped", {0x01, 0x41, 0x00, 0x00, 0x00, 0x42, 0x00}, u"A"},
      {"UTF-8 second value dropped", {0x03, 0x41, 0x00, 0x42}, u"A"},
      {"no encoding byte", {0x54, 0x65, 0x73, 0x74}, u"Test"},
      {"bare LE mark", {0xFF, 0xFE, 0x41, 0x00}, u"A"},
      {"bare BE mark", {0xFE, 0xFF, 0x00, 0x41}, u"A"},
      {"bare UTF-8 mark", {0xEF, 0xBB, 0xBF, 0x41}, u"A"},
      {"U+A1A1 trimmed like a blank", {0x01, 0x41, 0x00, 0xA1, 0xA1}, u"A"},
      {"tab and U+3000 stay", {0x01, 0x41, 0x00, 0x09, 0x00, 0x00, 0x30}, u"A\t\u3000"},
      {"leading blanks stay", {0x00, 0x20, 0x41}, u" A"},
      {"GBK under encoding 0", {0x00, 0xD6, 0xD0, 0xCE, 0xC4}, u"\u4E2D\u6587"},
      {"GBK without encoding byte", {0xB2, 0xE2, 0xCA, 0xD4, 0x20}, u"\u6D4B\u8BD5"},
      {"GBK lead byte cut before the NUL",
       {0x00, 0xD6, 0xD0, 0xCE, 0xC4, 0xB0, 0x00, 0x41},
       u"\u4E2D\u6587"},
      {"Latin-1 letter before the NUL", {0x00, 0x43, 0x61, 0x66, 0xE9, 0x00}, u"Caf\u00E9"},
      {"UTF-8 mark after encoding 0",
       {0x00, 0xEF, 0xBB, 0xBF, 0xE6, 0x99, 0xB4, 0xE5, 0xA4, 0xA9},
       u"\u6674\u5929"},
      {"UTF-8 mark after encoding 0, the rest read as UTF-8",
       {0x00, 0xEF, 0xBB, 0xBF, 0xC3, 0xA9},
       u"\u00E9"},
      {"UTF-8 under encoding 0 without a mark",
       {0x00, 'B', 'e', 'y', 'o', 'n', 'c', 0xC3, 0xA9},
       u"Beyonc\u00E9"},
  });
}

// Encoding 1 carries a byte order mark, and FE FF is as valid as FF FE.
TEST(DecodeTagText, Utf16EncodingHonoursBothByteOrderMarks) {
  RunCases({
      {"FE FF is big-endian", {0x01, 0xFE, 0xFF, 0x00, 0x41, 0x00, 0x42}, u"AB"},
      {"FE FF, Chinese", {0x01, 0xFE, 0xFF, 0x4E, 0x2D, 0x65, 0x87}, u"\u4E2D\u6587"},
      {"FF FE is little-endian", {0x01, 0xFF, 0xFE, 0x2D, 0x4E, 0x87, 0x65}, u"\u4E2D\u6587"},
      {"FE FF with terminator", {0x01, 0xFE, 0xFF, 0x00, 0x41, 0x00, 0x00, 0x00, 0x42}, u"A"},
  });
}

TEST(DecodeTagText, Utf8SurrogatePairsAndReplacement) {
  RunCases({
      {"4-byte sequence becomes a surrogate pair", {0x03, 0xF0, 0x9F, 0x98, 0x80}, u"\U0001F600"},
      {"highest code point", {0x03, 0xF4, 0x8F, 0xBF, 0xBF}, u"\U0010FFFF"},
      {"2- and 3-byte sequences", {0x03, 0xC3, 0xA9, 0xE4, 0xB8, 0xAD}, u"\u00E9\u4E2D"},
      {"lone continuation byte", {0x03, 0x41, 0x80, 0x42}, u"A\uFFFDB"},
      {"invalid lead bytes", {0x03, 0xC0, 0xAF, 0xF8, 0xFF}, u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"overlong 3-byte form", {0x03, 0xE0, 0x80, 0xAF}, u"\uFFFD\uFFFD\uFFFD"},
      {"surrogate code point", {0x03, 0xED, 0xA0, 0x80}, u"\uFFFD\uFFFD\uFFFD"},
      {"past U+10FFFF", {0x03, 0xF4, 0x90, 0x80, 0x80}, u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"broken sequence, next character kept", {0x03, 0xE4, 0xB8, 0x41}, u"\uFFFDA"},
      {"truncated 4-byte at the end", {0x03, 0x41, 0xF0, 0x9F, 0x98}, u"A\uFFFD"},
      {"truncated 2-byte at the end", {0x03, 0xC3}, u"\uFFFD"},
      {"bare mark, truncated", {0xEF, 0xBB, 0xBF, 0xE6, 0xB5}, u"\uFFFD"},
      {"F0 starts at U+10000", {0x03, 0xF0, 0x90, 0x80, 0x80}, u"\U00010000"},
      {"F0 below U+10000 is overlong", {0x03, 0xF0, 0x8F, 0xBF, 0xBF}, u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"F5 lead", {0x03, 0xF5, 0x80, 0x80, 0x80}, u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"F6 lead", {0x03, 0xF6, 0x80, 0x80, 0x80}, u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"F7 lead", {0x03, 0xF7, 0xBF, 0xBF, 0xBF}, u"\uFFFD\uFFFD\uFFFD\uFFFD"},
  });
}

TEST(TrimTagText, RemovesTrailingBlanksOnly) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"", u""},
      {u"   ", u""},
      {u"A \uA1A1 ", u"A"},
      {u" A", u" A"},
      {u"A\u3000", u"A\u3000"},
      {u"A\t", u"A\t"},
      {u"\uA1A1A", u"\uA1A1A"},
  };
  for (const auto& [in, out] : cases) {
    std::u16string text = in;
    TrimTagText(text);
    EXPECT_EQ(text, out);
  }
}

}  // namespace
