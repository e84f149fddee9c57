// Text decoding of ID3 frame bodies and ID3v1 fields.

#include <cstddef>
#include <string>

#include "platform/codepage.h"
#include "platform/text.h"
#include "tags/byte_view.h"
#include "tags/id3_reader.h"
#include "tags/legacy_text.h"

namespace {

using tags::ByteView;

// The text ends at its first NUL: whatever follows (a terminator, a second
// value of a multi-value frame) is dropped.
std::u16string AnsiUpToNul(ByteView bytes) {
  std::size_t length = 0;
  while (length < bytes.size() && bytes.at(length) != 0) ++length;
  return tags::DecodeInLikeliestEncoding(bytes.data(), length, platform::AnsiCodePage());
}

// Pairs of bytes to code units; an odd last byte is dropped.
std::u16string Utf16UpToNul(ByteView bytes, bool bigEndian) {
  std::u16string out;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned hi = bigEndian ? bytes.at(i) : bytes.at(i + 1);
    const unsigned lo = bigEndian ? bytes.at(i + 1) : bytes.at(i);
    const auto unit = static_cast<char16_t>((hi << 8) | lo);
    if (unit == 0) break;
    out += unit;
  }
  return out;
}

std::u16string Utf8UpToNul(ByteView bytes) {
  return platform::DecodeUtf8(bytes.data(), bytes.size(), platform::Utf8Policy::TagText);
}

}  // namespace

std::u16string DecodeTagText(const unsigned char* bytes, std::size_t count) {
  const ByteView in(bytes, count);
  std::u16string text;
  if (in.empty()) return text;
  switch (in.at(0)) {
    case 0x00: {
      // Taggers that write UTF-8 under encoding 0 often put its mark first.
      const ByteView body = in.After(1);
      text = body.StartsWith({0xEF, 0xBB, 0xBF}) ? Utf8UpToNul(body.After(3)) : AnsiUpToNul(body);
      break;
    }
    case 0x01: {
      // Encoding 1 is UTF-16 with a byte order mark; either mark may come.
      const ByteView body = in.After(1);
      if (body.StartsWith({0xFE, 0xFF})) {
        text = Utf16UpToNul(body.After(2), true);
      } else {
        text = Utf16UpToNul(body.StartsWith({0xFF, 0xFE}) ? body.After(2) : body, false);
      }
      break;
    }
    case 0x02: {
      const ByteView body = in.After(1);
      text = Utf16UpToNul(body.StartsWith({0xFE, 0xFF}) ? body.After(2) : body, true);
      break;
    }
    case 0x03: {
      const ByteView body = in.After(1);
      text = Utf8UpToNul(body.StartsWith({0xEF, 0xBB, 0xBF}) ? body.After(3) : body);
      break;
    }
    default:
      // No encoding byte: a bare mark, or legacy text in the ANSI code page.
      if (in.StartsWith({0xEF, 0xBB, 0xBF})) {
        text = Utf8UpToNul(in.After(3));
      } else if (in.StartsWith({0xFF, 0xFE})) {
        text = Utf16UpToNul(in.After(2), false);
      } else if (in.StartsWith({0xFE, 0xFF})) {
        text = Utf16UpToNul(in.After(2), true);
      } else {
        text = AnsiUpToNul(in);
      }
      break;
  }
  TrimTagText(text);
  return text;
}

void TrimTagText(std::u16string& text) {
  // U+A1A1 is what a GBK full-width space (A1 A1) becomes when it is read as
  // UTF-16; old taggers left it at the end of padded fields.
  while (!text.empty() && (text.back() == u' ' || text.back() == 0xA1A1)) text.pop_back();
}
