#include "tags/double_byte_reading.h"

#include <algorithm>

#include "platform/codepage.h"

namespace tags {
namespace {

struct Layout {
  unsigned char leadFirst, leadLast;    // lead bytes
  unsigned char leadFirst2, leadLast2;  // a second range of them, or none (0, 0)
  unsigned char trailFirst;             // trail bytes from here to 0xFE, 0x7F left out
  bool highTrailOnlyFromA1;             // trail bytes 0x80-0xA0 undefined
  unsigned char singleFirst, singleLast;
};

Layout LayoutOf(DoubleByteCode code) {
  switch (code) {
    case DoubleByteCode::Big5:
      // 0x81-0xA0 and 0xFA-0xFE lead the user-defined area.
      return {0xA1, 0xF9, 0, 0, 0x40, true, 0, 0};
    case DoubleByteCode::ShiftJis:
      // 0xA1-0xDF are half-width katakana, one byte each.
      return {0x81, 0x9F, 0xE0, 0xFC, 0x40, false, 0xA1, 0xDF};
    case DoubleByteCode::Gbk:
      break;
  }
  return {0x81, 0xFE, 0, 0, 0x40, false, 0x80, 0x80};  // 0x80 is €
}

bool InRange(unsigned char byte, unsigned char first, unsigned char last) {
  return first != 0 && byte >= first && byte <= last;
}

bool IsDefined(char16_t unit, DoubleByteCode code, const LegacyChar& c) {
  // Windows gives '?' or U+30FB for a pair it cannot map, iconv nothing;
  // the user-defined areas map into the private use area. Shift-JIS 81 45
  // is U+30FB itself, the katakana middle dot.
  if (unit == 0x30FB) return code == DoubleByteCode::ShiftJis && c.lead == 0x81 && c.trail == 0x45;
  return unit != u'?' && unit != 0xFFFD && (unit < 0xE000 || unit > 0xF8FF);
}

}  // namespace

unsigned CodePageOf(DoubleByteCode code) {
  switch (code) {
    case DoubleByteCode::Big5:
      return platform::kCodePageBig5;
    case DoubleByteCode::ShiftJis:
      return platform::kCodePageShiftJis;
    case DoubleByteCode::Gbk:
      break;
  }
  return platform::kCodePageGbk;
}

std::size_t DoubleByteReading::CountOf(CharKind kind) const {
  return static_cast<std::size_t>(std::count_if(
      chars.begin(), chars.end(), [kind](const LegacyChar& c) { return c.kind == kind; }));
}

std::u16string DoubleByteReading::Text() const {
  std::u16string text;
  text.reserve(chars.size());
  for (const LegacyChar& c : chars) {
    if (c.kind != CharKind::Cut) text += c.unit;
  }
  return text;
}

DoubleByteReading ReadDoubleByte(DoubleByteCode code, const unsigned char* bytes,
                                 std::size_t count) {
  const Layout layout = LayoutOf(code);
  DoubleByteReading reading;
  reading.chars.reserve(count);
  std::size_t whole = count;  // the bytes before a cut character
  for (std::size_t i = 0; i < count;) {
    const unsigned char lead = bytes[i];
    if (lead < 0x80) {
      reading.chars.push_back({CharKind::Ascii, lead, lead, 0});
      ++i;
      continue;
    }
    if (InRange(lead, layout.singleFirst, layout.singleLast)) {
      reading.chars.push_back({CharKind::Single, 0, lead, 0});
      ++i;
      continue;
    }
    if (!InRange(lead, layout.leadFirst, layout.leadLast) &&
        !InRange(lead, layout.leadFirst2, layout.leadLast2)) {
      return reading;
    }
    if (i + 1 == count) {
      reading.chars.push_back({CharKind::Cut, 0, lead, 0});
      whole = i;
      break;
    }
    const unsigned char trail = bytes[i + 1];
    const bool highTrailUndefined = layout.highTrailOnlyFromA1 && trail >= 0x80 && trail < 0xA1;
    if (trail < layout.trailFirst || trail == 0x7F || trail == 0xFF || highTrailUndefined) {
      return reading;
    }
    reading.chars.push_back({CharKind::Double, 0, lead, trail});
    i += 2;
  }
  // One conversion for the whole text: every character gives one unit.
  const std::u16string units = platform::FromCodePage(CodePageOf(code), bytes, whole);
  const std::size_t expected = reading.chars.size() - (whole < count ? 1 : 0);
  if (units.size() != expected) return reading;
  for (std::size_t k = 0; k < expected; ++k) {
    LegacyChar& c = reading.chars[k];
    c.unit = units[k];
    if (c.kind != CharKind::Ascii && !IsDefined(c.unit, code, c)) return reading;
  }
  reading.wellFormed = true;
  return reading;
}

}  // namespace tags
