#include "tracks/name_text.h"

#include "tracks/name_style.h"

namespace {

// Each of the nine forbidden characters is ASCII, and its full-width form
// sits this far above it.
constexpr char16_t kFullWidthOffset = 0xFEE0;

bool IsForbidden(char16_t c) {
  return c < 0x80 && kForbiddenNameChars.find(c) != std::u16string_view::npos;
}

}  // namespace

void AppendFitForName(std::u16string& name, std::u16string_view text) {
  const std::size_t start = name.size();
  char16_t pendingBlank = 0;  // the first blank of a run, written once text follows it
  for (char16_t c : text) {
    if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
    if (c == u' ' || c == u'\u3000') {
      if (pendingBlank == 0 && name.size() > start) pendingBlank = c;
      continue;
    }
    // A control character goes without a trace: the blanks around it are one run.
    if (c < 0x20 || c == 0x7F) continue;
    if (pendingBlank != 0) {
      name += pendingBlank;
      pendingBlank = 0;
    }
    name += IsForbidden(c) ? static_cast<char16_t>(c + kFullWidthOffset) : c;
  }
}
