#pragma once
// Text helpers that every layer shares: the path separator, case-blind
// comparison, decimal numbers and UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

// Equal but for the case of ASCII letters: Windows' case rules for other
// letters are not ours to guess.
inline bool EqualIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  const auto lower = [](char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
  };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The number in decimal digits, with a minus sign when it is negative.
template <typename Integer>
std::u16string DecimalText(Integer number) {
  const std::string digits = std::to_string(number);
  return std::u16string(digits.begin(), digits.end());
}

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);

enum class Utf8Policy {
  // A tag text ends at its first NUL: what follows is a terminator or a
  // second value.
  TagText,
  // A path or a file name is taken whole, a NUL included, so that opening a
  // path holding one fails instead of opening a shorter path.
  Path,
};

// One UTF-8 sequence at the start of count > 0 bytes, read strictly: no
// overlong form, no surrogate, nothing past U+10FFFF. An ill-formed one
// spans its lead and the continuation bytes that fit before the byte that
// broke it; `cut` tells that the end of the bytes broke it.
struct Utf8Sequence {
  std::size_t length;
  char32_t codePoint;
  bool wellFormed;
  bool cut;
};
Utf8Sequence NextUtf8Sequence(const unsigned char* bytes, std::size_t count);

// Appends a code point, as a surrogate pair past U+FFFF.
void AppendUtf16(std::u16string& out, char32_t codePoint);

// Strict UTF-8: overlong forms, surrogates and code points past U+10FFFF are
// ill-formed, and each maximal ill-formed part becomes one U+FFFD, as
// Unicode recommends, so a sequence cut at the end costs one character.
// Never reads past count.
std::u16string DecodeUtf8(const unsigned char* bytes, std::size_t count, Utf8Policy policy);

// A path from a POSIX command line or folder listing.
std::u16string Utf8ToUtf16(const std::string& text);

}  // namespace platform
