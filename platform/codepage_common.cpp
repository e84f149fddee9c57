#include <algorithm>

#include "platform/codepage.h"
#include "platform/text.h"

namespace platform {
namespace {

bool IsAsciiLetter(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

// GBK pairs a lead byte 81-FE with a trail byte 40-7E or 80-FE. Latin-1 text
// mostly forms such pairs too, but then an accented letter and the ASCII
// letter after it make one character outside GB2312 (whose trail bytes are
// A1-FE), standing inside a Latin word: "Mötley" pairs F6 with 't'. Chinese
// text needs GBK's extension characters too (喆 is 86 B4, 镕 is E9 46), but
// they do not split a Latin word.
bool ReadsPlausiblyAsGbk(const unsigned char* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count;) {
    const unsigned char lead = bytes[i];
    if (lead < 0x80) {
      ++i;
      continue;
    }
    if (lead == 0x80 || lead == 0xFF || i + 1 == count) return false;
    const unsigned char trail = bytes[i + 1];
    if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return false;
    const bool inGb2312 = lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1;
    if (!inGb2312 && IsAsciiLetter(trail)) {
      const bool letterBefore = i > 0 && IsAsciiLetter(bytes[i - 1]);
      const bool letterAfter = i + 2 < count && IsAsciiLetter(bytes[i + 2]);
      if (letterBefore || letterAfter) return false;
    }
    i += 2;
  }
  return true;
}

}  // namespace

std::u16string AnsiToUtf16(const unsigned char* bytes, std::size_t count) {
  // Every code page in question reads ASCII as ASCII, and most tag texts are.
  if (std::all_of(bytes, bytes + count, [](unsigned char byte) { return byte < 0x80; })) {
    return std::u16string(bytes, bytes + count);
  }
  const unsigned codePage = AnsiCodePage();
  if (codePage == kCodePageGbk && !ReadsPlausiblyAsGbk(bytes, count)) {
    return FromCodePage(kCodePageWestern, bytes, count);
  }
  return FromCodePage(codePage, bytes, count);
}

}  // namespace platform
