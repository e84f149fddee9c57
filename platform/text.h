#pragma once
// Text helpers that every layer shares: the path separator and the ANSI
// code page, which is how Windows reads untagged legacy text.

#include <cstddef>
#include <string>

namespace platform {

#ifdef _WIN32
inline constexpr char16_t kPathSeparator = u'\\';
#else
inline constexpr char16_t kPathSeparator = u'/';
#endif

// Converts bytes in the system ANSI code page to UTF-16. On Windows that is
// CP_ACP; elsewhere code page 936, the ANSI code page of a Simplified Chinese
// Windows. Invalid bytes become '?', as Windows' own conversion gives them.
std::u16string AnsiToUtf16(const unsigned char* bytes, std::size_t count);

// The number in decimal digits, with a minus sign when it is negative.
template <typename Integer>
std::u16string DecimalText(Integer number) {
  const std::string digits = std::to_string(number);
  return std::u16string(digits.begin(), digits.end());
}

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);

// UTF-8 to UTF-16 for paths given on a POSIX command line; invalid bytes
// become U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);

}  // namespace platform
