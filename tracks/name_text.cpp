#include "tracks/name_text.h"

#include <array>

#include "tracks/name_style.h"

namespace {

enum class CharKind : unsigned char { Plain, Blank, Dropped, Forbidden };

// Each of the nine forbidden characters is ASCII, and its full-width form
// sits this far above it.
constexpr char16_t kFullWidthOffset = 0xFEE0;

constexpr std::array<CharKind, 0x80> AsciiKinds() {
  std::array<CharKind, 0x80> kinds{};
  for (char16_t c = 0; c < 0x80; ++c) {
    CharKind kind = CharKind::Plain;
    if (c == u'\t' || c == u'\n' || c == u'\r' || c == u' ') {
      kind = CharKind::Blank;
    } else if (c < 0x20 || c == 0x7F) {
      kind = CharKind::Dropped;
    } else if (kForbiddenNameChars.find(c) != std::u16string_view::npos) {
      kind = CharKind::Forbidden;
    }
    kinds[c] = kind;
  }
  return kinds;
}

constexpr std::array<CharKind, 0x80> kAsciiKinds = AsciiKinds();

CharKind KindOf(char16_t c) {
  if (c < 0x80) return kAsciiKinds[c];
  return c == u'\u3000' ? CharKind::Blank : CharKind::Plain;
}

}  // namespace

bool IsFitForName(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (KindOf(c) == CharKind::Plain) continue;
    if (c == u' ' && i > 0 && i + 1 < text.size() && KindOf(text[i - 1]) == CharKind::Plain &&
        KindOf(text[i + 1]) == CharKind::Plain)
      continue;
    return false;
  }
  return true;
}

void AppendFitForName(std::u16string& name, std::u16string_view text) {
  const std::size_t start = name.size();
  char16_t pendingBlank = 0;  // the first blank of a run, written once text follows it
  std::size_t plainFrom = 0;  // text from here up to the current place goes in as it is
  // Most texts need no change: they go in as one piece.
  const auto appendPlain = [&](std::size_t to) {
    if (to == plainFrom) return;
    if (pendingBlank != 0) name += pendingBlank;
    pendingBlank = 0;
    name.append(text.substr(plainFrom, to - plainFrom));
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    const CharKind kind = KindOf(c);
    if (kind == CharKind::Plain) continue;
    // A lone blank between two plain characters stays where it is.
    if (c == u' ' && i > plainFrom && i + 1 < text.size() && KindOf(text[i + 1]) == CharKind::Plain)
      continue;
    appendPlain(i);
    plainFrom = i + 1;
    switch (kind) {
      case CharKind::Blank:
        // Tabs and line breaks become blanks; U+3000 stays itself.
        if (pendingBlank == 0 && name.size() > start) pendingBlank = c == u'\u3000' ? c : u' ';
        break;
      case CharKind::Forbidden:
        if (pendingBlank != 0) name += pendingBlank;
        pendingBlank = 0;
        name += static_cast<char16_t>(c + kFullWidthOffset);
        break;
      case CharKind::Dropped:
      case CharKind::Plain:
        // A control character goes without a trace: the blanks around it are one run.
        break;
    }
  }
  appendPlain(text.size());
}
