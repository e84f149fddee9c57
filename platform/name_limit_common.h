#pragma once
// The two measures of a name that the file systems we meet limit.

#include <cstddef>
#include <string_view>

namespace platform {

inline constexpr std::size_t kMaxNameUnits = 255;
inline constexpr std::size_t kMaxNameBytes = 255;

// Bytes of name in UTF-8; an unpaired surrogate counts as U+FFFD does.
inline std::size_t Utf8Length(std::u16string_view name) {
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char16_t c = name[i];
    if (c < 0x80) {
      bytes += 1;
    } else if (c < 0x800) {
      bytes += 2;
    } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < name.size() && name[i + 1] >= 0xDC00 &&
               name[i + 1] <= 0xDFFF) {
      bytes += 4;
      ++i;
    } else {
      bytes += 3;
    }
  }
  return bytes;
}

}  // namespace platform
