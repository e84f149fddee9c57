#pragma once
// Legacy bytes read in one of the double-byte code pages of East Asia,
// character by character, so that the readings can be weighed against each
// other before one is chosen.

#include <cstddef>
#include <string>
#include <vector>

namespace tags {

enum class DoubleByteCode { Gbk, Big5, ShiftJis };

enum class CharKind {
  Ascii,
  Single,  // a byte above 0x7F that stands alone: € in GBK, half-width kana in Shift-JIS
  Double,  // a lead and a trail byte
  Cut,     // a lead byte at the very end, its trail cut off by a full field or a NUL
};

struct LegacyChar {
  CharKind kind;
  char16_t unit;
  unsigned char lead;
  unsigned char trail;
};

struct DoubleByteReading {
  bool wellFormed = false;
  std::vector<LegacyChar> chars;

  std::size_t CountOf(CharKind kind) const;
  // The text without a cut character.
  std::u16string Text() const;
};

// Reads the bytes in the code; a reading with a byte pair the code leaves
// undefined, or maps into the user-defined area, is not well formed.
DoubleByteReading ReadDoubleByte(DoubleByteCode code, const unsigned char* bytes,
                                 std::size_t count);

unsigned CodePageOf(DoubleByteCode code);

}  // namespace tags
